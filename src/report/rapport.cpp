#include "report/rapport.h"

#include "list/partslist.h"
#include "platform/paintersurface.h"
#include "report/driveblock.h"
#include "report/figures.h"
#include "report/tableaux.h"
#include "solids/numbertext.h"

#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace ostrel {

namespace {

constexpr int EntryTotalCoupleTravail = 11;
constexpr int EntryTotalMasse = 35;
constexpr int EntryPage = 66;
constexpr int EntryTitre = 69;
constexpr int EntryResultats = 70;
constexpr int EntryTotalCoupleFrottement = 71;
constexpr int EntryTotalInertie = 85;

constexpr int ColumnKind = 14;

const QString ReportFont = QStringLiteral("Courier New");
constexpr double TextSize = 11.0;
constexpr double ResultsHeadingSize = 12.0;

// The figure block: cells of 50 x 38 mm, three to a row, 10 mm from the page's left and top
// edges, 15 mm apart across and 10 mm down.
constexpr double LargeurFig = 50.0;
constexpr double HauteurFig = 38.0;
constexpr double MargeFig = 10.0;
constexpr double EcartX = 10.0 + 5.0;
constexpr double EcartY = 10.0;
constexpr int FiguresParLigne = 3;

// The PDF page: A4 with the margins of a usual office printer.
constexpr double PdfMarginX = 5.0;
constexpr double PdfMarginY = 4.0;

const QString TenSpaces = QStringLiteral("          ");

using Sep = PageSurface::Separator;

// Before a line of the line printers: a line that does not fit starts a new page that opens
// with the page heading.
void ensureRoom(const ReportContext& ctx) {
    if (ctx.page.lineFits()) return;
    ctx.page.startNewPage();
    ctx.page.setBold(false);
    ctx.page.setUnderline(false);
    EnTetePage(ctx);
}

void plainSpaces(const ReportContext& ctx) {
    ctx.page.setBold(false);
    ctx.page.setUnderline(false);
    ctx.page.print(TenSpaces, Sep::Semicolon);
}

void figureBlock(const ReportContext& ctx, const QStringList& kinds) {
    PageSurface& page = ctx.page;
    page.setLineWidth(1);
    FigureCell cell;
    cell.largeur = LargeurFig;
    cell.hauteur = HauteurFig;
    int c = -1;
    int r = 0;
    for (int k = 1; k <= kinds.size(); ++k) {
        ++c;
        if (c >= FiguresParLigne) {
            ++r;
            c = 0;
            // A row that would reach below the printable area opens a new page with its
            // heading; the rows there start again at the top, below the heading.
            const double bottom = MargeFig + r * (HauteurFig + EcartY) + HauteurFig;
            if (bottom > page.printableHeight()) {
                page.startNewPage();
                page.setBold(false);
                page.setUnderline(false);
                EnTetePage(ctx);
                r = 0;
            }
        }
        cell.x = MargeFig + c * (LargeurFig + EcartX);
        cell.y = MargeFig + r * (HauteurFig + EcartY);

        page.box(QPointF(cell.x, cell.y), QPointF(cell.x + cell.largeur, cell.y + cell.hauteur));
        page.setPoint(QPointF(cell.x + cell.largeur / 2 - 5, cell.y + cell.hauteur - 5),
                      QColor(255, 255, 255));
        page.setBold(true);
        page.print(QStringLiteral("Fig") + texteSigne(k));
        page.setBold(false);

        const int code = CodeFigure(kinds[k - 1]);
        if (code != 0) DessineFigure(page, code, cell);
        // Whatever a figure leaves, the next frame is drawn with the thin pen.
        if (page.lineWidth() != 1) page.setLineWidth(1);
    }
    page.setPoint(QPointF(cell.x + cell.largeur, cell.y + cell.hauteur), QColor(255, 255, 255));
    page.endLine();
    page.endLine();
}

QString totalLine(const QString& label, const QString& total, const QString& unit) {
    return label.leftJustified(30, QLatin1Char(' '), true) + QStringLiteral(" =  ") +
           FormatMasque(LireNombre(total), u"####.00") + unit;
}

} // namespace

void EnTetePage(const ReportContext& ctx) {
    PageSurface& page = ctx.page;
    page.print(TenSpaces, Sep::Semicolon);
    page.setBold(true);
    page.print(ctx.texte(EntryTitre), Sep::Comma);
    page.setBold(false);
    page.print(ctx.date, Sep::Comma);
    page.print(ctx.texte(EntryPage) + QLatin1Char(' '), Sep::Semicolon);
    page.printWhole(page.page());
    page.endLine();
    page.setUnderline(false);
}

void LigneGras(const ReportContext& ctx, const QString& s) {
    ensureRoom(ctx);
    plainSpaces(ctx);
    ctx.page.setBold(true);
    ctx.page.print(s);
    ctx.page.setBold(false);
    ctx.page.setUnderline(false);
}

void LigneTitre(const ReportContext& ctx, const QString& s) {
    ensureRoom(ctx);
    plainSpaces(ctx);
    ctx.page.setUnderline(true);
    ctx.page.setBold(true);
    ctx.page.print(s);
    ctx.page.setBold(false);
    ctx.page.setUnderline(false);
}

void LigneSimple(const ReportContext& ctx, const QString& s) {
    ensureRoom(ctx);
    ctx.page.setBold(false);
    ctx.page.setUnderline(false);
    if (s.isEmpty()) {
        ctx.page.endLine();
        return;
    }
    ctx.page.print(TenSpaces, Sep::Semicolon);
    ctx.page.print(s);
}

QStringList ListeTypes(const QStringList& kindCells) {
    QStringList kinds;
    std::vector<double> values;
    for (const QString& text : kindCells) {
        const double v = LireNombre(text);
        if (std::find(values.begin(), values.end(), v) != values.end()) continue;
        values.push_back(v);
        kinds.append(text);
    }
    return kinds;
}

QStringList ListeTypes(const PartsList& list) {
    QStringList cells;
    for (int row = 1; row < list.rowCount(); ++row)
        cells.append(list.cell(row, ColumnKind));
    return ListeTypes(cells);
}

int CodeFigure(const QString& kindText) {
    const double v = LireNombre(kindText);
    if (v >= 1 && v <= 20 && v == std::floor(v)) return static_cast<int>(v);
    return 0;
}

QStringList LignesTotaux(const PartsList& list, const QStringList& textes,
                         const DisplayChoice& display) {
    if (!display.classic()) {
        const int entries[4] = {EntryTotalMasse, EntryTotalInertie, EntryTotalCoupleFrottement,
                                EntryTotalCoupleTravail};
        const Quantity quantities[4] = {Quantity::Mass, Quantity::Inertia, Quantity::Torque,
                                        Quantity::Torque};
        QStringList lines;
        for (int k = 0; k < 4; ++k) {
            const QString label =
                textes.value(entries[k]).leftJustified(30, QLatin1Char(' '), true);
            lines << label + QStringLiteral(" =  ") +
                         display.format(list.exactTotal(k), quantities[k]) + QLatin1Char(' ') +
                         display.symbol(quantities[k]);
        }
        return lines;
    }
    return {
        totalLine(textes.value(EntryTotalMasse), list.total(1), QStringLiteral(" kg")),
        totalLine(textes.value(EntryTotalInertie), list.total(2), QStringLiteral(" kgm²")),
        totalLine(textes.value(EntryTotalCoupleFrottement), list.total(3), QStringLiteral(" Nm")),
        totalLine(textes.value(EntryTotalCoupleTravail), list.total(4), QStringLiteral(" Nm"))};
}

QString DateCourte(const QDate& date) {
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

RapportStatus ImprimeRapport(PageSurface& page, const PartsList& list, const QStringList& textes,
                             const QDate& date, const DisplayChoice& display,
                             const DriveInputs* drive) {
    const QStringList kinds = ListeTypes(list);
    if (kinds.isEmpty()) return RapportStatus::EmptyList;

    const ReportContext ctx{page, textes, DateCourte(date), display};
    page.setFont(ReportFont, TextSize);
    page.setBold(false);
    page.setUnderline(false);
    EnTetePage(ctx);

    figureBlock(ctx, kinds);

    page.setFont(ReportFont, ResultsHeadingSize);
    LigneSimple(ctx, QString());
    LigneTitre(ctx, ctx.texte(EntryResultats));
    LigneSimple(ctx, QString());
    page.setFont(ReportFont, TextSize);

    LigneSimple(ctx, QString());
    for (const QString& line : LignesTotaux(list, textes, display))
        LigneGras(ctx, line);
    LigneSimple(ctx, QString());
    if (drive && drive->hasInputs()) BlocEntrainement(ctx, list, *drive, ReportFont, TextSize);

    const int rows = list.rowCount() - 1;
    for (int k = 1; k <= kinds.size(); ++k) {
        const QString& kind = kinds[k - 1];
        ImprimeTableau(ctx, list, CodeFigure(kind), k, LireNombre(kind), rows);
    }

    page.newPage();
    page.endDocument();
    return RapportStatus::Printed;
}

QPageLayout PageRapportPdf() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(PdfMarginX, PdfMarginY, PdfMarginX, PdfMarginY),
                       QPageLayout::Millimeter);
}

bool EcritRapportPdf(const QString& path, const PartsList& list, const QStringList& textes,
                     const QDate& date, const DisplayChoice& display,
                             const DriveInputs* drive) {
    if (ListeTypes(list).isEmpty()) return false;
    QPdfWriter writer(path);
    writer.setPageLayout(PageRapportPdf());
    writer.setResolution(600);
    writer.setTitle(textes.value(EntryTitre));
    writer.setCreator(QStringLiteral("Ostrel"));
    PainterSurface surface(&writer);
    if (!surface.ok()) return false;
    ImprimeRapport(surface, list, textes, date, display, drive);
    surface.endDocument();
    return surface.ok() && QFileInfo(path).size() > 0;
}

} // namespace ostrel
