#include "report/driveblock.h"

#include "drive/drivetext.h"
#include "list/partslist.h"
#include "report/driveplot.h"
#include "report/report.h"

namespace ostrel {

namespace {

constexpr double PlotHeight = 80.0; // mm
constexpr double PlotRightMargin = 10.0;

} // namespace

DriveTotals driveTotals(const PartsList& list) {
    return {list.exactTotal(1), list.exactTotal(2), list.exactTotal(3)};
}

void printDriveBlock(const ReportContext& ctx, const PartsList& list, const DriveInputs& drive,
                     const QString& fontName, double textSize) {
    PageSurface& page = ctx.page;
    const DisplayChoice si;
    const DriveTotals totals = driveTotals(list);
    const DriveResults results = computeDrive(drive, totals);
    // A line that wraps goes on under its value.
    const int width = ctx.captionWidth;
    const int valueColumn = width + 4;

    printPlainLine(ctx, QString());
    printTitleLine(ctx, ctx.text(DriveEntry::ReportTitle));
    printPlainLine(ctx, QString());
    printBoldLine(ctx, ctx.text(DriveEntry::ReportInputs));
    const QList<DriveRow> inputs = driveInputRows(drive, ctx.texts);
    for (int i = 0; i < inputs.size(); ++i) {
        printPlainLine(ctx, captionLine(inputs[i].caption, width, inputs[i].value, inputs[i].unit),
                       valueColumn);
        const QString hint = driveHintText(results.hints[static_cast<size_t>(i)], ctx.texts);
        if (!hint.isEmpty()) printBoldLine(ctx, QStringLiteral("  ! ") + hint, 4);
    }
    printPlainLine(ctx, QString());
    printBoldLine(ctx, ctx.text(DriveEntry::ReportResults));
    if (!results.valid()) {
        printPlainLine(ctx, ctx.text(DriveEntry::FixTheBoxes));
        printPlainLine(ctx, QString());
        return;
    }
    const QList<DriveRow> rows = driveResultRows(results, si, ctx.texts);
    for (int i = 0; i < rows.size(); ++i) {
        printPlainLine(ctx, captionLine(rows[i].caption, width, rows[i].value, rows[i].unit),
                       valueColumn);
        if (i == static_cast<int>(DriveResult::Ratio) && results.verdict) {
            printPlainLine(ctx,
                           captionLine(ctx.text(DriveEntry::RatioCaption), width,
                                       driveVerdictText(results, ctx.texts), QString()),
                           valueColumn);
            if (*results.verdict == RatioVerdict::Above)
                printPlainLine(ctx, QStringLiteral("  ") + ctx.text(DriveEntry::AboveAdvice));
        }
        if (i == static_cast<int>(DriveResult::CoastTime) && results.coastTime)
            printPlainLine(ctx, QStringLiteral("  ") + ctx.text(DriveEntry::CoastNote));
    }
    printPlainLine(ctx, QString());

    const DriveProfile profile = driveProfile(drive, results);
    if (profile.empty()) return;
    if (page.currentPos().y() + PlotHeight > page.printableHeight()) {
        page.startNewPage();
        page.setBold(false);
        page.setUnderline(false);
        printPageHeading(ctx);
    }
    const double left = page.textWidth(QStringLiteral("          "));
    const QRectF area(left, page.currentPos().y(), page.printableWidth() - left - PlotRightMargin,
                      PlotHeight);
    drawDriveProfile(page, area, profile, si, ctx.texts, fontName);
    page.setFont(fontName, textSize);
    page.setCurrentPos(QPointF(0, area.bottom()));
    printPlainLine(ctx, QString());
}

} // namespace ostrel
