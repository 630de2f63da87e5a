#include "report/driveblock.h"

#include "drive/drivetext.h"
#include "drive/motortext.h"
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
    // Inertias and torques in the units of the rest of the report; rpm, s, W and J stay SI.
    const DisplayChoice& choice = ctx.display;
    const DriveTotals totals = driveTotals(list);
    const DriveResults results = computeDrive(drive, totals);
    // A line that wraps goes on under its value.
    const int width = ctx.captionWidth;
    const int valueColumn = width + 4;

    printPlainLine(ctx, QString());
    printTitleLine(ctx, ctx.text(DriveEntry::ReportTitle));
    printPlainLine(ctx, QString());
    printBoldLine(ctx, ctx.text(DriveEntry::ReportInputs));
    const QList<DriveRow> inputs = driveInputRows(drive, ctx.texts, choice);
    for (int i = 0; i < inputs.size(); ++i) {
        printPlainLine(ctx, captionLine(inputs[i].caption, width, inputs[i].value, inputs[i].unit),
                       valueColumn);
        const QString hint = driveHintText(results.hints[static_cast<size_t>(i)], ctx.texts);
        if (!hint.isEmpty()) printBoldLine(ctx, QStringLiteral("  ! ") + hint, 4);
    }
    const DriveRow brake = driveBrakeRow(drive, ctx.texts);
    printPlainLine(ctx, captionLine(brake.caption, width, brake.value, brake.unit), valueColumn);
    printPlainLine(ctx, QString());
    printBoldLine(ctx, ctx.text(DriveEntry::ReportResults));
    if (!results.valid()) {
        printPlainLine(ctx, ctx.text(DriveEntry::FixTheBoxes));
        printPlainLine(ctx, QString());
        return;
    }
    const QList<DriveRow> rows = driveResultRows(results, choice, ctx.texts);
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
    drawDriveProfile(page, area, profile, choice, ctx.texts, fontName);
    page.setFont(fontName, textSize);
    page.setCurrentPos(QPointF(0, area.bottom()));
    printPlainLine(ctx, QString());
}

namespace {

// A caption as the first word of a line ("with brake" → "With brake").
QString capitalised(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

} // namespace

std::vector<int> motorBlockCaptions() {
    std::vector<int> entries{MotorCheckEntry::WithBrake, MotorCheckEntry::Verdict,
                             DriveEntry::BrakeHoldsLoad};
    for (int i = 1; i < MotorFieldCount; ++i)
        entries.push_back(MotorEntry::FirstField + i);
    return entries;
}

void printMotorBlock(const ReportContext& ctx, const PartsList& list, const DriveInputs& drive,
                     const ChosenMotor& motor) {
    const DisplayChoice& choice = ctx.display;
    const MotorCheck check = checkMotor(motor.motor, motor.withBrake, drive, driveTotals(list));
    const int width = ctx.captionWidth;
    const int valueColumn = width + 4;
    const auto row = [&](const QString& caption, const QString& value, const QString& unit) {
        printPlainLine(ctx, captionLine(caption, width, value, unit), valueColumn);
    };

    printPlainLine(ctx, QString());
    printTitleLine(ctx, ctx.text(MotorEntry::Title));
    printPlainLine(ctx, QString());
    printBoldLine(ctx, motor.motor.name);
    for (const DriveRow& r : motorDataRows(motor.motor, choice, ctx.texts))
        row(r.caption, r.value, r.unit);
    row(capitalised(ctx.text(MotorCheckEntry::WithBrake)),
        ctx.text(motor.withBrake ? DriveEntry::Yes : DriveEntry::No), QString());
    printPlainLine(ctx, QString());

    // Each criterion: its caption, then what it compares, its margin and pass or fail.
    const QString margin = ctx.text(MotorCheckEntry::Margin);
    for (const MotorCheckRow& r : motorCheckRows(check, choice, ctx.texts)) {
        printPlainLine(ctx, r.caption);
        if (!r.present) continue;
        QString detail = QStringLiteral("    ") + criterionComparison(r);
        if (!r.margin.isEmpty()) detail += QStringLiteral("   ") + margin + u' ' + r.margin;
        detail += QStringLiteral("   ") + r.verdict;
        printPlainLine(ctx, detail, 8);
    }
    printBoldLine(ctx,
                  captionLine(ctx.text(MotorCheckEntry::Verdict), width,
                              motorVerdictText(check, ctx.texts), QString()),
                  valueColumn);
    printPlainLine(ctx, QString());

    const QList<DriveRow> results = driveResultRows(check.drive, choice, ctx.texts);
    for (DriveResult braking : {DriveResult::BrakingEnergy, DriveResult::BrakingPower}) {
        const DriveRow& r = results[static_cast<int>(braking)];
        row(r.caption, r.value, r.unit);
    }
    if (check.drive.brakingEnergy)
        printPlainLine(ctx, QStringLiteral("  ") + ctx.text(DriveEntry::BrakingNote));
    printPlainLine(ctx, QString());
}

} // namespace ostrel
