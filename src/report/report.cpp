#include "report/report.h"

#include "drive/drivetext.h"
#include "list/partslist.h"
#include "platform/atomicfile.h"
#include "platform/paintersurface.h"
#include "report/driveblock.h"
#include "report/figures.h"
#include "report/mechanismtables.h"
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
// Widths that differ by less than this many mm are the same width.
constexpr double Tolerance = 1e-6;

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

// The width left on a line after the ten spaces, mm, in the current font.
double lineRoom(const PageSurface& page) {
    return page.printableWidth() - page.textWidth(TenSpaces);
}

// The leading blanks of s: where its text starts.
int textStart(const QString& s) {
    int n = 0;
    while (n < s.size() && s[n] == QLatin1Char(' '))
        ++n;
    return n;
}

void printLines(const ReportContext& ctx, const QString& s, int indent, bool bold) {
    PageSurface& page = ctx.page;
    page.setUnderline(false);
    page.setBold(bold);
    const QStringList pieces =
        wrappedLines(page, s, indent < 0 ? textStart(s) : indent, lineRoom(page));
    for (const QString& piece : pieces) {
        ensureRoom(ctx);
        plainSpaces(ctx);
        page.setBold(bold);
        page.print(piece);
    }
    page.setBold(false);
}

// The first print zone that starts at least two characters after x.
double zoneAfter(const PageSurface& page, double x) {
    const double character = page.textWidth(QStringLiteral("0"));
    const double zone = 14 * character;
    if (zone <= 0) return x;
    return std::ceil((x + 2 * character) / zone - 1e-6) * zone;
}

// The figure block starts this far down, or below the page heading when that is taller.
double figureTop(const PageSurface& page) {
    return std::max(FigureMargin, page.currentPos().y());
}

void figureBlock(const ReportContext& ctx, const QStringList& kinds) {
    PageSurface& page = ctx.page;
    page.setLineWidth(1);
    FigureCell cell;
    cell.width = FigureWidth;
    cell.height = FigureHeight;
    double top = figureTop(page);
    int c = -1;
    int r = 0;
    for (int k = 1; k <= kinds.size(); ++k) {
        ++c;
        if (c >= FiguresPerRow) {
            ++r;
            c = 0;
            // A row that would reach below the printable area opens a new page with its
            // heading; the rows there start again at the top, below the heading.
            const double bottom = top + r * (FigureHeight + FigureGapY) + FigureHeight;
            if (bottom > page.printableHeight()) {
                page.startNewPage();
                page.setBold(false);
                page.setUnderline(false);
                printPageHeading(ctx);
                top = figureTop(page);
                r = 0;
            }
        }
        cell.x = FigureMargin + c * (FigureWidth + FigureGapX);
        cell.y = top + r * (FigureHeight + FigureGapY);
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

QString totalLine(const QString& label, int width, const QString& total, const QString& unit) {
    return captionLine(label, width, formatWithMask(readNumber(total), u"####.00"), unit);
}

} // namespace

void printPageHeading(const ReportContext& ctx) {
    PageSurface& page = ctx.page;
    page.print(TenSpaces, Sep::Semicolon);
    page.setBold(true);
    page.print(ctx.text(EntryTitle), Sep::Semicolon);
    page.setBold(false);
    // The date and the page number each at a zone of their own, never against the text before
    // them; on the next line when the title leaves no room for them.
    const QString word = ctx.text(EntryPage) + QLatin1Char(' ');
    const QString number = QStringLiteral(" %1 ").arg(page.page());
    const auto placeDate = [&](double x) { return ctx.date.isEmpty() ? x : zoneAfter(page, x); };
    double dateX = placeDate(page.currentPos().x());
    double wordX = zoneAfter(page, dateX + page.textWidth(ctx.date));
    if (wordX + page.textWidth(word + number) > page.printableWidth()) {
        page.endLine();
        dateX = page.textWidth(TenSpaces);
        wordX = zoneAfter(page, dateX + page.textWidth(ctx.date));
    }
    const double y = page.currentPos().y();
    page.setCurrentPos(QPointF(dateX, y));
    page.print(ctx.date, Sep::Semicolon);
    page.setCurrentPos(QPointF(wordX, y));
    page.print(word, Sep::Semicolon);
    page.printWhole(page.page());
    for (const QString& piece : wrappedLines(page, ctx.projectTitle, 0, lineRoom(page))) {
        if (piece.isEmpty()) continue;
        page.print(TenSpaces, Sep::Semicolon);
        page.print(piece);
    }
    page.endLine();
    page.setUnderline(false);
}

void printBoldLine(const ReportContext& ctx, const QString& s, int indent) {
    printLines(ctx, s, indent, true);
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

void printPlainLine(const ReportContext& ctx, const QString& s, int indent) {
    if (s.isEmpty()) {
        ensureRoom(ctx);
        ctx.page.setBold(false);
        ctx.page.setUnderline(false);
        ctx.page.endLine();
        return;
    }
    printLines(ctx, s, indent, false);
}

QStringList wrappedLines(const PageSurface& page, const QString& s, int indent, double width) {
    if (s.isEmpty() || page.textWidth(s) <= width + Tolerance) return {s};
    // A continuation keeps at least half the line for its text.
    const double character = page.textWidth(QStringLiteral("0"));
    if (character > 0) indent = std::min(indent, int(width / character / 2));
    const QString further(std::max(indent, 0), QLatin1Char(' '));
    QStringList pieces;
    QString lead;
    QString rest = s;
    while (!rest.isEmpty()) {
        if (page.textWidth(lead + rest) <= width + Tolerance) {
            pieces << lead + rest;
            break;
        }
        // The most characters of rest that fit after lead.
        qsizetype low = 0, high = rest.size();
        while (low < high) {
            const qsizetype mid = (low + high + 1) / 2;
            if (page.textWidth(lead + rest.left(mid)) <= width + Tolerance)
                low = mid;
            else
                high = mid - 1;
        }
        const qsizetype start = textStart(rest);
        qsizetype cut = rest.left(low + 1).lastIndexOf(QLatin1Char(' '));
        if (cut <= start) cut = std::max<qsizetype>(low, 1); // one long word: cut inside it
        QString piece = rest.left(cut);
        while (piece.endsWith(QLatin1Char(' ')))
            piece.chop(1);
        pieces << lead + piece;
        rest = rest.mid(cut);
        rest.remove(0, textStart(rest));
        lead = further;
    }
    return pieces;
}

int reportCaptionWidth(const QStringList& texts) {
    std::vector<int> entries{EntryTotalMass, EntryTotalInertia, EntryTotalFrictionTorque,
                             EntryTotalWorkingTorque, DriveEntry::RatioCaption};
    for (int i = 0; i < DriveInputs::FieldCount; ++i)
        entries.push_back(DriveEntry::FirstInput + i);
    for (int i = 0; i < static_cast<int>(DriveResult::Count); ++i)
        entries.push_back(driveResultEntry(static_cast<DriveResult>(i)));
    for (int entry : motorBlockCaptions())
        entries.push_back(entry);
    qsizetype width = 0;
    for (int entry : entries)
        width = std::max(width, texts.value(entry).size());
    return int(width);
}

QString captionLine(const QString& caption, int width, const QString& value, const QString& unit) {
    QString line = caption.leftJustified(width, QLatin1Char(' ')) + QStringLiteral(" =  ") + value;
    if (!unit.isEmpty() && !value.isEmpty()) line += QLatin1Char(' ') + unit;
    return line;
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
    if (v >= 1 && v <= 23 && v == std::floor(v)) return static_cast<int>(v);
    return 0;
}

QStringList totalLines(const PartsList& list, const QStringList& texts,
                       const DisplayChoice& display, int captionWidth) {
    const int width = captionWidth < 0 ? reportCaptionWidth(texts) : captionWidth;
    if (!display.classic()) {
        const int entries[4] = {EntryTotalMass, EntryTotalInertia, EntryTotalFrictionTorque,
                                EntryTotalWorkingTorque};
        const Quantity quantities[4] = {Quantity::Mass, Quantity::Inertia, Quantity::Torque,
                                        Quantity::Torque};
        QStringList lines;
        for (int k = 0; k < 4; ++k) {
            lines << captionLine(texts.value(entries[k]), width,
                                 display.format(list.exactTotal(k), quantities[k]),
                                 display.symbol(quantities[k]));
        }
        return lines;
    }
    return {totalLine(texts.value(EntryTotalMass), width, list.total(1), QStringLiteral("kg")),
            totalLine(texts.value(EntryTotalInertia), width, list.total(2), QStringLiteral("kgm²")),
            totalLine(texts.value(EntryTotalFrictionTorque), width, list.total(3),
                      QStringLiteral("Nm")),
            totalLine(texts.value(EntryTotalWorkingTorque), width, list.total(4),
                      QStringLiteral("Nm"))};
}

QString shortDate(const QDate& date) {
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

ReportStatus printReport(PageSurface& page, const PartsList& list, const QStringList& texts,
                         const QDate& date, const DisplayChoice& display, const DriveInputs* drive,
                         const QString& projectTitle, const ChosenMotor* motor) {
    const QStringList kinds = kindsInOrder(list);
    if (kinds.isEmpty()) return ReportStatus::EmptyList;

    page.setFont(ReportFont, TextSize);
    page.setBold(false);
    page.setUnderline(false);
    // The caption column keeps room on the line for " =  " and a value with its unit; a
    // caption longer than that is printed whole and its line wraps.
    const double character = page.textWidth(QStringLiteral("0"));
    const int lineCharacters = character > 0 ? int(lineRoom(page) / character) : 0;
    const int captionWidth =
        std::max(0, std::min(reportCaptionWidth(texts), lineCharacters - 4 - 24));
    const ReportContext ctx{page,        texts, shortDate(date), display, projectTitle.simplified(),
                            captionWidth};
    printPageHeading(ctx);

    figureBlock(ctx, kinds);

    page.setFont(ReportFont, ResultsHeadingSize);
    printPlainLine(ctx, QString());
    printTitleLine(ctx, ctx.text(EntryResults));
    printPlainLine(ctx, QString());
    page.setFont(ReportFont, TextSize);

    printPlainLine(ctx, QString());
    for (const QString& line : totalLines(list, texts, display, ctx.captionWidth))
        printBoldLine(ctx, line, ctx.captionWidth + 4);
    printPlainLine(ctx, QString());
    if (drive && drive->hasInputs()) printDriveBlock(ctx, list, *drive, ReportFont, TextSize);
    if (drive && motor) printMotorBlock(ctx, list, *drive, *motor);

    const int rows = list.rowCount() - 1;
    for (int k = 1; k <= kinds.size(); ++k) {
        const QString& kind = kinds[k - 1];
        const int code = figureCode(kind);
        if (!printKindTable(ctx, list, code, k, readNumber(kind), rows))
            printMechanismTable(ctx, code, k, mechanismLines(list, readNumber(kind), rows),
                                ReportFont, TextSize);
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
                    const QString& projectTitle, WriteFailure* failure, const ChosenMotor* motor) {
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
        writer.setTitle(projectTitle.trimmed().isEmpty() ? texts.value(EntryTitle)
                                                         : projectTitle.simplified());
        writer.setCreator(QStringLiteral("Ostrel"));
        PainterSurface surface(&writer);
        if (surface.ok()) {
            printReport(surface, list, texts, date, display, drive, projectTitle, motor);
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
