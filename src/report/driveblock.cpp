#include "report/driveblock.h"

#include "drive/drivetext.h"
#include "list/partslist.h"
#include "report/driveplot.h"
#include "report/rapport.h"

namespace ostrel {

namespace {

constexpr double PlotHeight = 80.0; // mm
constexpr double PlotRightMargin = 10.0;

} // namespace

DriveTotals driveTotals(const PartsList& list) {
    return {list.exactTotal(1), list.exactTotal(2), list.exactTotal(3)};
}

QString ligneEntrainement(const QString& caption, const QString& value, const QString& unit) {
    QString line =
        caption.leftJustified(30, QLatin1Char(' '), true) + QStringLiteral(" =  ") + value;
    if (!unit.isEmpty() && !value.isEmpty()) line += QLatin1Char(' ') + unit;
    return line;
}

void BlocEntrainement(const ReportContext& ctx, const PartsList& list, const DriveInputs& drive,
                      const QString& fontName, double textSize) {
    PageSurface& page = ctx.page;
    const DisplayChoice si;
    const DriveTotals totals = driveTotals(list);
    const DriveResults results = computeDrive(drive, totals);

    LigneSimple(ctx, QString());
    LigneTitre(ctx, ctx.texte(DriveEntry::ReportTitle));
    LigneSimple(ctx, QString());
    LigneGras(ctx, ctx.texte(DriveEntry::ReportInputs));
    const QList<DriveRow> inputs = driveInputRows(drive, ctx.textes);
    for (int i = 0; i < inputs.size(); ++i) {
        LigneSimple(ctx, ligneEntrainement(inputs[i].caption, inputs[i].value, inputs[i].unit));
        const QString hint = driveHintText(results.hints[static_cast<size_t>(i)], ctx.textes);
        if (!hint.isEmpty()) LigneGras(ctx, QStringLiteral("  ! ") + hint);
    }
    LigneSimple(ctx, QString());
    LigneGras(ctx, ctx.texte(DriveEntry::ReportResults));
    if (!results.valid()) {
        LigneSimple(ctx, ctx.texte(DriveEntry::FixTheBoxes));
        LigneSimple(ctx, QString());
        return;
    }
    const QList<DriveRow> rows = driveResultRows(results, si, ctx.textes);
    for (int i = 0; i < rows.size(); ++i) {
        LigneSimple(ctx, ligneEntrainement(rows[i].caption, rows[i].value, rows[i].unit));
        if (i == static_cast<int>(DriveResult::Ratio) && results.verdict) {
            LigneSimple(ctx, ligneEntrainement(ctx.texte(DriveEntry::RatioCaption),
                                               driveVerdictText(results, ctx.textes), QString()));
            if (*results.verdict == RatioVerdict::Above)
                LigneSimple(ctx, QStringLiteral("  ") + ctx.texte(DriveEntry::AboveAdvice));
        }
        if (i == static_cast<int>(DriveResult::CoastTime) && results.coastTime)
            LigneSimple(ctx, QStringLiteral("  ") + ctx.texte(DriveEntry::CoastNote));
    }
    LigneSimple(ctx, QString());

    const DriveProfile profile = driveProfile(drive, results);
    if (profile.empty()) return;
    if (page.currentPos().y() + PlotHeight > page.printableHeight()) {
        page.startNewPage();
        page.setBold(false);
        page.setUnderline(false);
        EnTetePage(ctx);
    }
    const double left = page.textWidth(QStringLiteral("          "));
    const QRectF area(left, page.currentPos().y(), page.printableWidth() - left - PlotRightMargin,
                      PlotHeight);
    DessineProfilEntrainement(page, area, profile, si, ctx.textes, fontName);
    page.setFont(fontName, textSize);
    page.setCurrentPos(QPointF(0, area.bottom()));
    LigneSimple(ctx, QString());
}

} // namespace ostrel
