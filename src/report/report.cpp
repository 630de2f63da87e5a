#include "report/report.h"

#include "platform/atomicfile.h"
#include "list/partslist.h"
#include "platform/paintersurface.h"
#include "report/driveblock.h"
#include "report/figures.h"
#include "report/reporttables.h"
#include "solids/numbertext.h"

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace ostrel {

namespace {

constexpr int EntryTotalWorkingTorque = 11;
constexpr int EntryTotalMass = 35;
constexpr int EntryPage = 66;
constexpr int EntryTitle = 69;
constexpr int EntryResults = 70;
constexpr int EntryTotalFrictionTorque = 71;
constexpr int EntryTotalInertia = 85;

constexpr int ColumnKind = 14;

const QString ReportFont = QStringLiteral("Courier New");
constexpr double TextSize = 11.0;
constexpr double ResultsHeadingSize = 12.0;

// The figure block: cells of 50 x 38 mm, three to a row, 10 mm from the page's left and top
// edges, 15 mm apart across and 10 mm down.
constexpr double FigureWidth = 50.0;
constexpr double FigureHeight = 38.0;
constexpr double FigureMargin = 10.0;
constexpr double FigureGapX = 10.0 + 5.0;
constexpr double FigureGapY = 10.0;
constexpr int FiguresPerRow = 3;

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
    printPageHeading(ctx);
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
    cell.width = FigureWidth;
    cell.height = FigureHeight;
    int c = -1;
    int r = 0;
    for (int k = 1; k <= kinds.size(); ++k) {
        ++c;
        if (c >= FiguresPerRow) {
            ++r;
            c = 0;
            // A row that would reach below the printable area opens a new page with its
            // heading; the rows there start again at the top, below the heading.
            const double bottom = FigureMargin + r * (FigureHeight + FigureGapY) + FigureHeight;
            if (bottom > page.printableHeight()) {
                page.startNewPage();
                page.setBold(false);
                page.setUnderline(false);
                printPageHeading(ctx);
                r = 0;
            }
        }
        cell.x = FigureMargin + c * (FigureWidth + FigureGapX);
        cell.y = FigureMargin + r * (FigureHeight + FigureGapY);

        page.box(QPointF(cell.x, cell.y), QPointF(cell.x + cell.width, cell.y + cell.height));
        page.setPoint(QPointF(cell.x + cell.width / 2 - 5, cell.y + cell.height - 5),
                      QColor(255, 255, 255));
        page.setBold(true);
        page.print(QStringLiteral("Fig") + signedText(k));
        page.setBold(false);

        const int code = figureCode(kinds[k - 1]);
        if (code != 0) drawFigure(page, code, cell);
        // Whatever a figure leaves, the next frame is drawn with the thin pen.
        if (page.lineWidth() != 1) page.setLineWidth(1);
    }
    page.setPoint(QPointF(cell.x + cell.width, cell.y + cell.height), QColor(255, 255, 255));
    page.endLine();
    page.endLine();
}

QString totalLine(const QString& label, const QString& total, const QString& unit) {
    return label.leftJustified(30, QLatin1Char(' '), true) + QStringLiteral(" =  ") +
           formatWithMask(readNumber(total), u"####.00") + unit;
}

} // namespace

void printPageHeading(const ReportContext& ctx) {
    PageSurface& page = ctx.page;
    page.print(TenSpaces, Sep::Semicolon);
    page.setBold(true);
    page.print(ctx.text(EntryTitle), Sep::Comma);
    page.setBold(false);
    page.print(ctx.date, Sep::Comma);
    page.print(ctx.text(EntryPage) + QLatin1Char(' '), Sep::Semicolon);
    page.printWhole(page.page());
    page.endLine();
    page.setUnderline(false);
}

void printBoldLine(const ReportContext& ctx, const QString& s) {
    ensureRoom(ctx);
    plainSpaces(ctx);
    ctx.page.setBold(true);
    ctx.page.print(s);
    ctx.page.setBold(false);
    ctx.page.setUnderline(false);
}

void printTitleLine(const ReportContext& ctx, const QString& s) {
    ensureRoom(ctx);
    plainSpaces(ctx);
    ctx.page.setUnderline(true);
    ctx.page.setBold(true);
    ctx.page.print(s);
    ctx.page.setBold(false);
    ctx.page.setUnderline(false);
}

void printPlainLine(const ReportContext& ctx, const QString& s) {
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

QStringList kindsInOrder(const QStringList& kindCells) {
    QStringList kinds;
    std::vector<double> values;
    for (const QString& text : kindCells) {
        const double v = readNumber(text);
        if (std::find(values.begin(), values.end(), v) != values.end()) continue;
        values.push_back(v);
        kinds.append(text);
    }
    return kinds;
}

QStringList kindsInOrder(const PartsList& list) {
    QStringList cells;
    for (int row = 1; row < list.rowCount(); ++row)
        cells.append(list.cell(row, ColumnKind));
    return kindsInOrder(cells);
}

int figureCode(const QString& kindText) {
    const double v = readNumber(kindText);
    if (v >= 1 && v <= 20 && v == std::floor(v)) return static_cast<int>(v);
    return 0;
}

QStringList totalLines(const PartsList& list, const QStringList& texts,
                       const DisplayChoice& display) {
    if (!display.classic()) {
        const int entries[4] = {EntryTotalMass, EntryTotalInertia, EntryTotalFrictionTorque,
                                EntryTotalWorkingTorque};
        const Quantity quantities[4] = {Quantity::Mass, Quantity::Inertia, Quantity::Torque,
                                        Quantity::Torque};
        QStringList lines;
        for (int k = 0; k < 4; ++k) {
            const QString label = texts.value(entries[k]).leftJustified(30, QLatin1Char(' '), true);
            lines << label + QStringLiteral(" =  ") +
                         display.format(list.exactTotal(k), quantities[k]) + QLatin1Char(' ') +
                         display.symbol(quantities[k]);
        }
        return lines;
    }
    return {totalLine(texts.value(EntryTotalMass), list.total(1), QStringLiteral(" kg")),
            totalLine(texts.value(EntryTotalInertia), list.total(2), QStringLiteral(" kgm²")),
            totalLine(texts.value(EntryTotalFrictionTorque), list.total(3), QStringLiteral(" Nm")),
            totalLine(texts.value(EntryTotalWorkingTorque), list.total(4), QStringLiteral(" Nm"))};
}

QString shortDate(const QDate& date) {
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

ReportStatus printReport(PageSurface& page, const PartsList& list, const QStringList& texts,
                         const QDate& date, const DisplayChoice& display,
                         const DriveInputs* drive) {
    const QStringList kinds = kindsInOrder(list);
    if (kinds.isEmpty()) return ReportStatus::EmptyList;

    const ReportContext ctx{page, texts, shortDate(date), display};
    page.setFont(ReportFont, TextSize);
    page.setBold(false);
    page.setUnderline(false);
    printPageHeading(ctx);

    figureBlock(ctx, kinds);

    page.setFont(ReportFont, ResultsHeadingSize);
    printPlainLine(ctx, QString());
    printTitleLine(ctx, ctx.text(EntryResults));
    printPlainLine(ctx, QString());
    page.setFont(ReportFont, TextSize);

    printPlainLine(ctx, QString());
    for (const QString& line : totalLines(list, texts, display))
        printBoldLine(ctx, line);
    printPlainLine(ctx, QString());
    if (drive && drive->hasInputs()) printDriveBlock(ctx, list, *drive, ReportFont, TextSize);

    const int rows = list.rowCount() - 1;
    for (int k = 1; k <= kinds.size(); ++k) {
        const QString& kind = kinds[k - 1];
        printKindTable(ctx, list, figureCode(kind), k, readNumber(kind), rows);
    }

    page.newPage();
    page.endDocument();
    return ReportStatus::Printed;
}

QPageLayout pdfPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(PdfMarginX, PdfMarginY, PdfMarginX, PdfMarginY),
                       QPageLayout::Millimeter);
}

bool writeReportPdf(const QString& path, const PartsList& list, const QStringList& texts,
                    const QDate& date, const DisplayChoice& display, const DriveInputs* drive,
                    WriteFailure* failure) {
    if (kindsInOrder(list).isEmpty()) return false;
    // The report is drawn into a temporary file that takes the target's place only when every
    // byte of it is on disk.
    AtomicFile file(path);
    const bool opened = file.open();
    bool drawn = false;
    if (opened) {
        QPdfWriter writer(file.device());
        writer.setPageLayout(pdfPageLayout());
        writer.setResolution(600);
        writer.setTitle(texts.value(EntryTitle));
        writer.setCreator(QStringLiteral("Ostrel"));
        PainterSurface surface(&writer);
        if (surface.ok()) {
            printReport(surface, list, texts, date, display, drive);
            surface.endDocument();
            drawn = surface.ok();
        }
    }
    const bool written = opened && drawn && file.commit();
    if (failure) {
        *failure = file.failure();
        if (!written && !failure->failed())
            *failure = {WriteFailure::Kind::System, QStringLiteral("the report cannot be drawn")};
    }
    return written;
}

} // namespace ostrel
