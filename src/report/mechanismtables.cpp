#include "report/mechanismtables.h"

#include "list/partslist.h"
#include "report/reporttables.h"
#include "solids/mechanism.h"
#include "solids/numbertext.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ostrel {

namespace {

// Room of each Classic field up to the next one, blank included.
constexpr int QuantityRoom = 5;
constexpr int RatioRoom = 10; // holds the longest translated heading ("Übersetz.")
constexpr int InputRoom = 6;
constexpr int AngleRoom = 5;
constexpr int MassRoom = 7;
constexpr int TorqueRoom = 9; // inertia and friction torque; the working torque ends the line

// The smallest size a wide table is printed in.
constexpr double SmallestSize = 6.0;
const QString TenSpaces = QStringLiteral("          ");

struct Column {
    QString heading;
    QString unit;
    int room = 0; // Classic room; 0 for the last column
    std::vector<QString> texts;
    int start = 0;
};

const Quantity ResultQuantities[4] = {Quantity::Mass, Quantity::Inertia, Quantity::Torque,
                                      Quantity::Torque};

QString inputUnit(const ReportContext& ctx, const InputDeclaration& in, bool isRatio) {
    if (isRatio) return ctx.text(TableEntry::Axis);
    if (const int entry = inputUnitEntry(in.unit)) return ctx.text(entry);
    return QString::fromUtf8(inputUnitSymbol(in.unit));
}

std::vector<Column> columns(const ReportContext& ctx, const Mechanism& m,
                            std::span<const MechanismLine> lines) {
    const bool classic = ctx.display.classic();
    std::vector<Column> out;
    for (std::size_t i = 0; i < m.inputs.size(); ++i) {
        const InputDeclaration& in = m.inputs[i];
        Column c;
        c.heading = i == 0   ? ctx.text(TableEntry::Quantity)
                    : i == 1 ? ctx.text(TableEntry::Ratio)
                             : QString::fromUtf8(in.symbol);
        c.unit = i == 0 ? QString() : inputUnit(ctx, in, i == 1);
        c.room = i == 0                        ? QuantityRoom
                 : i == 1                      ? RatioRoom
                 : in.unit == InputUnit::Angle ? AngleRoom
                                               : InputRoom;
        for (const MechanismLine& l : lines)
            c.texts.push_back(l.texts.value(qsizetype(i)).trimmed());
        out.push_back(std::move(c));
    }
    const int headings[4] = {TableEntry::Mass, TableEntry::Inertia, TableEntry::FrictionTorque,
                             TableEntry::WorkingTorque};
    const char* classicUnits[4] = {"kg", "kgm²", "Nm", "Nm"};
    const int rooms[4] = {MassRoom, TorqueRoom, TorqueRoom, 0};
    for (int r = 0; r < 4; ++r) {
        Column c;
        c.heading = ctx.text(headings[r]);
        c.unit =
            classic ? QString::fromUtf8(classicUnits[r]) : ctx.display.symbol(ResultQuantities[r]);
        c.room = rooms[r];
        for (const MechanismLine& l : lines)
            c.texts.push_back(
                classic ? l.captions[std::size_t(r)]
                        : ctx.display.format(l.exact[std::size_t(r)], ResultQuantities[r]));
        out.push_back(std::move(c));
    }
    return out;
}

// Classic: fixed starts; headings and units cut, values fitted, to the room less one blank.
void placeClassic(std::vector<Column>& cols) {
    int start = 1;
    for (Column& c : cols) {
        c.start = start;
        if (c.room == 0) break; // the last column keeps its texts whole
        const int width = c.room - 1;
        c.heading = c.heading.left(width);
        c.unit = c.unit.left(width);
        for (QString& t : c.texts)
            t = fitField(t, width);
        start += c.room;
    }
}

// Significant digits: each column starts at its Classic place, or two blanks after the widest
// text before it.
void placeSignificant(std::vector<Column>& cols) {
    int classicStart = 1;
    int end = 0;
    for (Column& c : cols) {
        c.start = end == 0 ? classicStart : std::max(classicStart, end + 2);
        qsizetype width = std::max(c.heading.size(), c.unit.size());
        for (const QString& t : c.texts)
            width = std::max(width, t.size());
        end = c.start + int(width);
        classicStart += c.room;
    }
}

template <typename Text> QString joined(const std::vector<Column>& cols, Text text) {
    QString line;
    for (const Column& c : cols)
        line = line.leftJustified(c.start, QLatin1Char(' ')) + text(c);
    return line;
}

} // namespace

std::vector<MechanismLine> mechanismLines(const PartsList& list, double kind, int rows) {
    std::vector<MechanismLine> lines;
    for (int row = 1; row <= rows && row < list.rowCount(); ++row) {
        if (readNumber(list.cell(row, 14)) != kind) continue;
        MechanismLine line;
        line.texts = list.inputs(row);
        for (int k = 0; k < 4; ++k) {
            line.captions[size_t(k)] = list.cell(row, 1 + k);
            line.exact[size_t(k)] = list.exactValue(row, k);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

QStringList mechanismTableLines(const ReportContext& ctx, int code,
                                std::span<const MechanismLine> lines) {
    const Mechanism* m = mechanismInfo(code);
    if (!m) return {};
    std::vector<Column> cols = columns(ctx, *m, lines);
    if (ctx.display.classic())
        placeClassic(cols);
    else
        placeSignificant(cols);
    QStringList out;
    out << joined(cols, [](const Column& c) { return c.heading; });
    out << joined(cols, [](const Column& c) { return c.unit; });
    for (std::size_t i = 0; i < lines.size(); ++i)
        out << joined(cols, [i](const Column& c) { return c.texts[i]; });
    return out;
}

bool printMechanismTable(const ReportContext& ctx, int code, int k,
                         std::span<const MechanismLine> lines, const QString& fontName,
                         double fontSize) {
    const QStringList table = mechanismTableLines(ctx, code, lines);
    if (table.isEmpty()) return false;
    PageSurface& page = ctx.page;
    printTableTitle(ctx, k);

    // The size at which the widest line fits beside the indent of the other tables.
    qsizetype widest = 0;
    for (const QString& s : table)
        widest = std::max(widest, s.size());
    const QString widestText(widest, QLatin1Char('0'));
    const double indent = page.textWidth(TenSpaces);
    const double room = page.printableWidth() - indent;
    double size = fontSize;
    if (page.textWidth(widestText) > room) {
        size = std::floor(2 * fontSize * room / page.textWidth(widestText)) / 2;
        for (;; size -= 0.5) {
            size = std::max(size, SmallestSize);
            page.setFont(fontName, size);
            if (size == SmallestSize || page.textWidth(widestText) <= room) break;
        }
    }
    // Blanks that keep the table's left edge where the ten spaces of the report size put it.
    const double blank = page.textWidth(QStringLiteral(" "));
    const int extra = blank > 0 ? std::max(0, int(std::lround(indent / blank)) - 10) : 0;
    const QString lead(extra, QLatin1Char(' '));

    // A page break inside the table opens the next page with its heading in the report size.
    const auto print = [&](const QString& s) {
        if (size != fontSize && !page.lineFits()) {
            page.setFont(fontName, fontSize);
            page.startNewPage();
            page.setBold(false);
            page.setUnderline(false);
            printPageHeading(ctx);
            page.setFont(fontName, size);
        }
        printPlainLine(ctx, s.isEmpty() ? s : lead + s);
    };
    print(QString());
    print(table[0]);
    print(table[1]);
    print(QString());
    for (qsizetype i = 2; i < table.size(); ++i)
        print(table[i]);
    if (size != fontSize) page.setFont(fontName, fontSize);
    return true;
}

} // namespace ostrel
