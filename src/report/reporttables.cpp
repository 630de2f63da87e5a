#include "report/reporttables.h"

#include "list/partslist.h"
#include "solids/numbertext.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace ostrel {

namespace {

// Column 14 holds the kind code of a row; the computed field of the conveyor has no column.
constexpr int ColumnKind = 14;
constexpr int TranslatingMass = -1;

struct Field {
    int start;  // character column at which the field begins
    int column; // partsTable column, or TranslatingMass
    int spaces; // spaces appended before cutting the line to start
};

enum class Heading { Standard, Conveyor, GivenValues };
enum class Units { Standard, RegularPolygon, UnbalancedMass, GivenValues };

struct Layout {
    Heading heading = Heading::Standard;
    int massWidth = 24; // W of the heading line
    QString headingLiteral;
    Units units = Units::Standard;
    QString unitsLiteral;
    std::vector<Field> fields;
};

QString spaces(int n) {
    return QString(n, QLatin1Char(' '));
}

QString headingLine(const ReportContext& ctx, const Layout& l) {
    const QString a = pad(ctx.text(TableEntry::Quantity), 10, 5);
    if (l.heading == Heading::GivenValues) {
        const QString b = pad(a + ctx.text(TableEntry::Ratio), 20, 16);
        const QString c = pad(b + ctx.text(TableEntry::Mass), 20, 24);
        const QString d = pad(c + ctx.text(TableEntry::Inertia), 20, 33);
        const QString e = pad(d + ctx.text(TableEntry::FrictionTorque), 20, 43);
        return e + ctx.text(TableEntry::WorkingTorque);
    }
    const QString b = pad(a + ctx.text(TableEntry::Ratio), 10, 16);
    if (l.heading == Heading::Conveyor) return b + l.headingLiteral + ctx.text(TableEntry::Inertia);
    const QString c = pad(b + ctx.text(TableEntry::Mass), 20, l.massWidth);
    return c + l.headingLiteral + ctx.text(TableEntry::Inertia);
}

QString unitsLine(const ReportContext& ctx, const Layout& l) {
    const int width = l.units == Units::GivenValues ? 16 : 18;
    const QString start = pad(spaces(5) + ctx.text(TableEntry::Axis), 30, width);
    switch (l.units) {
    case Units::RegularPolygon:
        return start + QStringLiteral("kg    mm     mm    ") +
               pad(ctx.text(TableEntry::Sides), 5, 5) + QStringLiteral("  kgm²");
    case Units::UnbalancedMass:
        return start + QStringLiteral("kg    mm     ") + ctx.text(TableEntry::Degrees) +
               QStringLiteral("    kgm²");
    case Units::Standard:
    case Units::GivenValues:
        break;
    }
    return start + l.unitsLiteral;
}

// Mass of the line less the rotating mass, as a general text without its sign space.
QString translatingMass(const PartsList& list, int row) {
    const double m = readNumber(list.cell(row, 1)) - readNumber(list.cell(row, 12));
    return signedText(m).trimmed();
}

// Each field ends one character before the next field starts, so that a blank always parts
// two values; the last field of a line has no end.
QString partLine(const PartsList& list, int row, const Layout& l) {
    const int firstStart = l.fields.empty() ? -1 : l.fields.front().start;
    QString line = QLatin1Char(' ') + (firstStart > 2 ? fitField(list.cell(row, 6), firstStart - 2)
                                                      : list.cell(row, 6));
    for (std::size_t i = 0; i < l.fields.size(); ++i) {
        const Field& f = l.fields[i];
        QString text =
            f.column == TranslatingMass ? translatingMass(list, row) : list.cell(row, f.column);
        if (i + 1 < l.fields.size()) text = fitField(text, l.fields[i + 1].start - f.start - 1);
        line = pad(line, f.spaces, f.start) + text;
    }
    return line;
}

// ---- Tables with significant digits ----
// The same fields as the classic table, each under its own heading and unit, starting at its
// classic column or further right: every field is as wide as its widest text, heading or unit,
// so that nothing is cut and the columns stay aligned.

struct Column {
    QString heading;
    QString unit;
    std::vector<QString> texts; // one per printed row
    int start = 0;
};

Quantity quantityOf(int column) {
    return column == 1 ? Quantity::Mass : column == 2 ? Quantity::Inertia : Quantity::Torque;
}

QString fieldHeading(const ReportContext& ctx, int column, const QStringList& letters,
                     qsizetype& nextLetter) {
    switch (column) {
    case 7:
        return ctx.text(TableEntry::Ratio);
    case 1:
        return ctx.text(TableEntry::Mass);
    case 2:
        return ctx.text(TableEntry::Inertia);
    case 3:
        return ctx.text(TableEntry::FrictionTorque);
    case 4:
        return ctx.text(TableEntry::WorkingTorque);
    default:
        return letters.value(nextLetter++);
    }
}

QString fieldUnit(const ReportContext& ctx, const Layout& l, int column) {
    if (column >= 1 && column <= 4) return ctx.display.symbol(quantityOf(column));
    if (column == 7) return ctx.text(TableEntry::Axis);
    if (column == TranslatingMass) return ctx.display.symbol(Quantity::Mass);
    if (l.heading == Heading::Conveyor && column == 12) return QStringLiteral("kg");
    if (l.heading == Heading::Conveyor && column == 13) return QString(); // a factor
    if (l.units == Units::RegularPolygon && column == 10) return ctx.text(TableEntry::Sides);
    if (l.units == Units::UnbalancedMass && column == 13) return ctx.text(TableEntry::Degrees);
    return QStringLiteral("mm");
}

QString fieldText(const ReportContext& ctx, const PartsList& list, int row, int column) {
    if (column >= 1 && column <= 4)
        return ctx.display.format(list.exactValue(row, column - 1), quantityOf(column));
    // The translating mass comes from the exact mass: the classic cell of a light load
    // reads 0.
    if (column == TranslatingMass)
        return ctx.display.format(list.exactValue(row, 0) - readNumber(list.cell(row, 12)),
                                  Quantity::Mass);
    return list.cell(row, column);
}

QString joinColumns(const std::vector<Column>& columns,
                    const std::function<QString(const Column&)>& text) {
    QString line;
    for (const Column& c : columns)
        line = line.leftJustified(c.start, QLatin1Char(' ')) + text(c);
    return line;
}

void printSignificantTable(const ReportContext& ctx, const PartsList& list, double kind, int rows,
                           const Layout& l) {
    std::vector<int> printed;
    const int last = std::min(rows, list.rowCount() - 1);
    for (int row = 1; row <= last; ++row)
        if (readNumber(list.cell(row, ColumnKind)) == kind) printed.push_back(row);

    const QStringList letters = l.headingLiteral.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    qsizetype nextLetter = 0;
    std::vector<Column> columns;
    Column quantity;
    quantity.heading = ctx.text(TableEntry::Quantity);
    quantity.start = 1;
    for (int row : printed)
        quantity.texts.push_back(list.cell(row, 6));
    columns.push_back(std::move(quantity));
    for (const Field& f : l.fields) {
        Column c;
        c.heading = fieldHeading(ctx, f.column, letters, nextLetter);
        c.unit = fieldUnit(ctx, l, f.column);
        for (int row : printed)
            c.texts.push_back(fieldText(ctx, list, row, f.column));
        c.start = f.start;
        columns.push_back(std::move(c));
    }
    // Each field starts at its classic column, or two spaces after the widest text before it.
    int end = 0;
    for (Column& c : columns) {
        c.start = std::max(c.start, end == 0 ? c.start : end + 2);
        qsizetype width = std::max(c.heading.size(), c.unit.size());
        for (const QString& t : c.texts)
            width = std::max(width, t.size());
        end = c.start + int(width);
    }

    printPlainLine(ctx, QString());
    printPlainLine(ctx, joinColumns(columns, [](const Column& c) { return c.heading; }));
    printPlainLine(ctx, joinColumns(columns, [](const Column& c) { return c.unit; }));
    printPlainLine(ctx, QString());
    for (size_t i = 0; i < printed.size(); ++i)
        printPlainLine(ctx, joinColumns(columns, [i](const Column& c) { return c.texts[i]; }));
}

void printTable(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows,
                const Layout& l) {
    if (!ctx.display.classic()) {
        printTableTitle(ctx, k);
        printSignificantTable(ctx, list, kind, rows, l);
        return;
    }
    printTableTitle(ctx, k);
    printPlainLine(ctx, QString());
    printPlainLine(ctx, headingLine(ctx, l));
    printPlainLine(ctx, unitsLine(ctx, l));
    printPlainLine(ctx, QString());
    const int last = std::min(rows, list.rowCount() - 1);
    for (int row = 1; row <= last; ++row) {
        if (readNumber(list.cell(row, ColumnKind)) != kind) continue;
        printPlainLine(ctx, partLine(list, row, l));
    }
}

// Fields after the quantity, each padded with 15 spaces before its start.
std::vector<Field> fields(std::initializer_list<std::pair<int, int>> startsAndColumns) {
    std::vector<Field> out;
    for (const auto& [start, column] : startsAndColumns)
        out.push_back(Field{start, column, 15});
    return out;
}

Layout layout(QString heading, QString units, std::vector<Field> f, int massWidth = 24) {
    Layout l;
    l.headingLiteral = std::move(heading);
    l.unitsLiteral = std::move(units);
    l.fields = std::move(f);
    l.massWidth = massWidth;
    return l;
}

} // namespace

namespace {

// A plain decimal text: optional sign, digits, at most one point, at least one digit.
bool decimalSimple(const QString& s) {
    bool point = false;
    bool digit = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c.unicode() >= u'0' && c.unicode() <= u'9')
            digit = true;
        else if (c == QLatin1Char('.') && !point)
            point = true;
        else if (!(i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'))))
            return false;
    }
    return digit;
}

// digits (without sign or point) with `whole` digits before the point, rounded half away from
// zero to `decimals` decimals, written without trailing zeros after the point nor a lone point.
QString rounded(const QString& sign, QString digits, int whole, int decimals) {
    const int keep = whole + decimals;
    bool up = keep < digits.size() && digits[keep].unicode() >= u'5';
    digits.truncate(keep);
    for (int i = keep - 1; up && i >= 0; --i) {
        if (digits[i] == QLatin1Char('9')) {
            digits[i] = QLatin1Char('0');
        } else {
            digits[i] = QChar(digits[i].unicode() + 1);
            up = false;
        }
    }
    if (up) {
        digits.prepend(QLatin1Char('1'));
        ++whole;
    }
    QString intPart = digits.left(whole);
    QString frac = digits.mid(whole);
    while (frac.endsWith(QLatin1Char('0')))
        frac.chop(1);
    while (intPart.size() > 1 && intPart.startsWith(QLatin1Char('0')))
        intPart.remove(0, 1);
    if (intPart.isEmpty()) intPart = QStringLiteral("0");
    const bool zero = intPart == QLatin1String("0") && frac.isEmpty();
    return (zero ? QString() : sign) + intPart +
           (frac.isEmpty() ? QString() : QLatin1Char('.') + frac);
}

} // namespace

QString fitField(const QString& text, int width) {
    if (width <= 0 || text.size() <= width) return text;
    const QString filled(width, QLatin1Char('#'));
    if (!decimalSimple(text)) return filled;
    const bool signed_ = text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+');
    const QString sign = text.startsWith(QLatin1Char('-')) ? QStringLiteral("-") : QString();
    QString body = text.mid(signed_ ? 1 : 0);
    qsizetype point = body.indexOf(QLatin1Char('.'));
    if (point < 0) point = body.size();
    const QString digits = body.left(point) + body.mid(point + 1);
    const int whole = int(point);
    // The most decimals that can fit, then fewer while a carry makes the text too long.
    for (int decimals = std::max(0, width - int(sign.size()) - whole - 1); decimals >= 0;
         --decimals) {
        if (decimals > int(digits.size()) - whole) continue;
        const QString fitted = rounded(sign, digits, whole, decimals);
        if (fitted.size() <= width) return fitted;
    }
    return filled;
}

QString pad(const QString& s, int n, int w) {
    return (s + spaces(n)).leftJustified(w, QLatin1Char(' '), true);
}

void printTableTitle(const ReportContext& ctx, int k) {
    printPlainLine(ctx, QString());
    printTitleLine(ctx, ctx.text(TableEntry::Figure) + QLatin1Char(' ') + signedText(k));
}

void printTableDd(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows) {
    static const Layout l =
        layout(QStringLiteral("D      d      "), QStringLiteral("kg    mm     mm      kgm²"),
               fields({{5, 7}, {16, 1}, {23, 11}, {30, 12}, {38, 2}}));
    printTable(ctx, list, k, kind, rows, l);
}

void printTableDdH(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows) {
    static const Layout l = layout(
        QStringLiteral("D      d      H    "), QStringLiteral("kg    mm     mm     mm     kgm²"),
        fields({{5, 7}, {16, 1}, {23, 11}, {30, 12}, {38, 13}, {44, 2}}));
    printTable(ctx, list, k, kind, rows, l);
}

void printTableDH(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows) {
    static const Layout l =
        layout(QStringLiteral("D      H    "), QStringLiteral("kg    mm     mm     kgm²"),
               fields({{7, 7}, {17, 1}, {24, 11}, {31, 13}, {38, 2}}));
    printTable(ctx, list, k, kind, rows, l);
}

void printTableD(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows) {
    static const Layout l = layout(QStringLiteral("D      "), QStringLiteral("kg    mm       kgm²"),
                                   fields({{7, 7}, {14, 1}, {21, 11}, {30, 2}}));
    printTable(ctx, list, k, kind, rows, l);
}

void printTableDHN(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows) {
    static const Layout l = [] {
        Layout l = layout(QStringLiteral("D      H       N   "), QString(),
                          fields({{7, 7}, {14, 1}, {21, 11}, {28, 13}, {36, 10}, {42, 2}}));
        l.units = Units::RegularPolygon;
        return l;
    }();
    printTable(ctx, list, k, kind, rows, l);
}

void printTableR(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows) {
    static const Layout l = layout(QStringLiteral("R      "), QStringLiteral("kg    mm      kgm²"),
                                   fields({{7, 7}, {14, 1}, {21, 10}, {30, 2}}));
    printTable(ctx, list, k, kind, rows, l);
}

void printTableRD(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows) {
    static const Layout l =
        layout(QStringLiteral("R      D    "), QStringLiteral("kg    mm     mm    kgm²"),
               fields({{7, 7}, {14, 1}, {21, 10}, {28, 11}, {36, 2}}));
    printTable(ctx, list, k, kind, rows, l);
}

void printTableRDH(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows) {
    static const Layout l = layout(
        QStringLiteral("R      D      H    "), QStringLiteral("kg    mm     mm     mm    kgm²"),
        fields({{7, 7}, {14, 1}, {21, 10}, {28, 11}, {35, 13}, {41, 2}}));
    printTable(ctx, list, k, kind, rows, l);
}

void printTableRDdH(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows) {
    static const Layout l =
        layout(QStringLiteral("R      D      d      H    "),
               QStringLiteral("kg    mm     mm     mm     mm     kgm²"),
               fields({{7, 7}, {14, 1}, {21, 10}, {28, 11}, {35, 12}, {41, 13}, {49, 2}}), 22);
    printTable(ctx, list, k, kind, rows, l);
}

void printUnbalancedMassTable(const ReportContext& ctx, const PartsList& list, int k, double kind,
                              int rows) {
    static const Layout l = [] {
        Layout l = layout(QStringLiteral("R      ß    "), QString(),
                          fields({{7, 7}, {14, 1}, {21, 10}, {28, 13}, {36, 2}}));
        l.units = Units::UnbalancedMass;
        return l;
    }();
    printTable(ctx, list, k, kind, rows, l);
}

void printConveyorTable(const ReportContext& ctx, const PartsList& list, int k, double kind,
                        int rows) {
    static const Layout l = [] {
        Layout l =
            layout(QStringLiteral("M.Trans   M.Rot   f      D     "),
                   QStringLiteral("kg       kg           mm      kgm²"),
                   fields({{5, 7}, {16, TranslatingMass}, {25, 12}, {31, 13}, {38, 11}, {46, 2}}));
        l.heading = Heading::Conveyor;
        return l;
    }();
    printTable(ctx, list, k, kind, rows, l);
}

void printGivenValuesTable(const ReportContext& ctx, const PartsList& list, int k, double kind,
                           int rows) {
    static const Layout l = [] {
        Layout l;
        l.heading = Heading::GivenValues;
        l.units = Units::GivenValues;
        l.unitsLiteral = QStringLiteral("kg      kgm²     Nm        Nm");
        l.fields = {{7, 7, 15}, {16, 1, 20}, {24, 2, 18}, {33, 3, 18}, {43, 4, 18}};
        return l;
    }();
    printTable(ctx, list, k, kind, rows, l);
}

bool printKindTable(const ReportContext& ctx, const PartsList& list, int code, int k, double kind,
                    int rows) {
    using Table = void (*)(const ReportContext&, const PartsList&, int, double, int);
    static constexpr Table tables[21] = {
        nullptr,       printTableDH,          printTableDdH,      printTableDH,
        printTableDdH, printTableDdH,         printTableD,        printTableDdH,
        printTableDHN, printTableD,           printTableRDH,      printTableRDdH,
        printTableRDH, printTableRDdH,        printTableRD,       printTableRDdH,
        printTableR,   printGivenValuesTable, printConveyorTable, printUnbalancedMassTable,
        printTableDd};
    if (code < 1 || code > 20) return false;
    tables[code](ctx, list, k, kind, rows);
    return true;
}

} // namespace ostrel
