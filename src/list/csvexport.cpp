#include "list/csvexport.h"

#include "solids/catalogue.h"
#include "solids/kinds.h"
#include "solids/mechanism.h"
#include "solids/numbertext.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace ostrel {

namespace {

// List columns of the inputs, in export order: kind code, mass mode, quantity, ratio, mass or
// density, the four dimensions.
constexpr int InputColumns[] = {14, 5, 6, 7, 8, 10, 11, 12, 13};
constexpr Quantity ResultQuantities[4] = {Quantity::Mass, Quantity::Inertia, Quantity::Torque,
                                          Quantity::Torque};

QString kindName(int code, const ExportLabels& labels) {
    if (code >= 1 && code <= int(labels.kindNames.size()) && !labels.kindNames[code - 1].isEmpty())
        return labels.kindNames[code - 1];
    const char* caption = kindDesignCaption(code);
    if (!caption) return {};
    return QString::fromUtf8(caption).remove(QLatin1Char('&'));
}

// The mechanisms' own inputs (quantity and ratio have their columns) of the given rows, one
// column per input name in the order of the mechanisms' declarations.
std::vector<const InputDeclaration*> mechanismColumns(const PartsList& list,
                                                      const std::vector<int>& rows) {
    std::vector<bool> present(mechanisms().size());
    for (int row : rows)
        for (size_t m = 0; m < present.size(); ++m)
            if (list.cell(row, 14).toInt() == mechanisms()[m].code) present[m] = true;
    std::vector<const InputDeclaration*> columns;
    for (size_t m = 0; m < present.size(); ++m) {
        if (!present[m]) continue;
        for (const InputDeclaration& in : mechanisms()[m].inputs.subspan(2)) {
            const bool known = std::any_of(columns.begin(), columns.end(), [&in](auto* c) {
                return QLatin1String(c->key) == QLatin1String(in.key);
            });
            if (!known) columns.push_back(&in);
        }
    }
    return columns;
}

QString inputHeading(const InputDeclaration& in) {
    const QString unit = in.unit == InputUnit::Angle ? QStringLiteral("°")
                                                     : QString::fromUtf8(inputUnitSymbol(in.unit));
    const QString key = QLatin1String(in.key);
    return unit.isEmpty() ? key : QStringLiteral("%1 (%2)").arg(key, unit);
}

// The cells of a row under the mechanisms' input columns: its own inputs, empty elsewhere.
QStringList inputCells(const PartsList& list, int row,
                       const std::vector<const InputDeclaration*>& columns) {
    QStringList cells;
    const Mechanism* m = mechanismInfo(list.cell(row, 14).toInt());
    for (const InputDeclaration* c : columns) {
        const int i = m ? inputIndex(*m, QString::fromLatin1(c->key)) : -1;
        cells << (i >= 0 ? list.inputs(row).value(i) : QString());
    }
    return cells;
}

QString heading(const PartsList& list, int column, const ExportLabels& labels) {
    const QString& text = labels.headings[size_t(column - 1)];
    return text.isEmpty() ? list.cell(0, column) : text;
}

QStringList headerCells(const PartsList& list, const ExportLabels& labels,
                        const DisplayChoice& display = {}) {
    QStringList cells;
    cells << (labels.kindHeading.isEmpty() ? QStringLiteral("Kind") : labels.kindHeading);
    for (int column : InputColumns)
        cells << heading(list, column, labels);
    for (int k = 0; k < 4; ++k)
        cells << QStringLiteral("%1 (%2)").arg(heading(list, 1 + k, labels),
                                               display.symbol(ResultQuantities[k]));
    return cells;
}

// The exact result k in the display's unit (Classic: SI), every digit of the double kept. A
// unit that is a power of ten of SI multiplies by an exact whole number (1e4 for kg·cm²), so
// that the product is the SI value shifted, not rounded once more by an inexact 1e-4.
QString resultText(double siValue, int k, const DisplayChoice& display) {
    const double factor = display.factor(ResultQuantities[k]);
    const double inverse = 1.0 / factor;
    return exactText(inverse == std::round(inverse) ? siValue * inverse : siValue / factor);
}

QStringList rowCells(const PartsList& list, int row, const ExportLabels& labels,
                     const DisplayChoice& display = {}) {
    QStringList cells;
    cells << kindName(list.cell(row, 14).toInt(), labels);
    for (int column : InputColumns)
        cells << list.cell(row, column);
    for (int k = 0; k < 4; ++k)
        cells << resultText(list.exactValue(row, k), k, display);
    return cells;
}

QStringList totalsCells(const PartsList& list, const DisplayChoice& display = {}) {
    QStringList cells;
    cells << list.total(0);
    for (size_t c = 0; c < std::size(InputColumns); ++c)
        cells << QString();
    for (int k = 0; k < 4; ++k)
        cells << resultText(list.exactTotal(k), k, display);
    return cells;
}

// Whether a spreadsheet would take the text for a formula: it starts with one of = + - @
// (or a tab or carriage return) and is not a plain number. Such a text gets a leading "'",
// so that opening an export never runs what a hand-edited file put in a cell.
bool looksLikeFormula(const QString& text) {
    if (text.isEmpty()) return false;
    const QChar first = text.front();
    if (first != u'=' && first != u'+' && first != u'-' && first != u'@' && first != u'\t' &&
        first != u'\r')
        return false;
    bool number = false;
    QLocale::c().toDouble(text, &number);
    return !number;
}

QString safeCell(const QString& text) {
    return looksLikeFormula(text) ? QStringLiteral("'") + text : text;
}

QString csvField(const QString& text) {
    const QString safe = safeCell(text);
    if (!safe.contains(u'"') && !safe.contains(u',') && !safe.contains(u'\n') &&
        !safe.contains(u'\r'))
        return safe;
    QString quoted = safe;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QStringLiteral("\"") + quoted + QStringLiteral("\"");
}

// A clipboard cell has no quoting: tabs and line breaks inside a text become spaces.
QString tabField(const QString& text) {
    QString cell = safeCell(text);
    for (QChar& c : cell)
        if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
    return cell;
}

void appendCsvLine(QString& out, const QStringList& cells) {
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0) out += u',';
        out += csvField(cells[i]);
    }
    out += QStringLiteral("\r\n");
}

void appendTabLine(QString& out, const QStringList& cells) {
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0) out += u'\t';
        out += tabField(cells[i]);
    }
    out += u'\n';
}

QString withoutAccessKey(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i >= caption.size()) break;
        plain += caption[i];
    }
    return plain;
}

} // namespace

ExportLabels exportLabels(const QStringList& texts) {
    // Entries of the headings: mass, inertia, friction torque, working torque (the report's
    // total lines), total-mass mode, quantity, ratio, and the kind column.
    constexpr int Mass = 9, Inertia = 40, Friction = 71, Working = 11, TotalMass = 35,
                  Quantity = 72, Ratio = 73, Density = 36, KindColumn = 523, KindCode = 613;
    const auto text = [&texts](int entry) { return texts.value(entry); };
    ExportLabels labels;
    labels.kindHeading = text(KindColumn);
    labels.headings[0] = text(Mass);
    labels.headings[1] = text(Inertia);
    labels.headings[2] = text(Friction);
    labels.headings[3] = text(Working);
    labels.headings[4] = text(TotalMass);
    labels.headings[5] = text(Quantity);
    labels.headings[6] = text(Ratio);
    if (!text(Mass).isEmpty() && !text(Density).isEmpty())
        labels.headings[7] =
            text(Mass) + QStringLiteral(" | ") + text(Density) + QStringLiteral(" (kg | kg/m³)");
    labels.headings[13] = text(KindCode);
    for (const KindInfo& kind : catalogue()) {
        QString name = kind.hintEntry ? text(kind.hintEntry) : QString();
        if (name.isEmpty()) name = withoutAccessKey(text(kind.captionEntry));
        labels.kindNames[size_t(kind.code - 1)] = name;
    }
    // A mechanism's hint says more than its name: its menu item names it.
    for (const Mechanism& m : mechanisms())
        labels.kindNames[size_t(m.code - 1)] = withoutAccessKey(text(m.captionEntry));
    return labels;
}

QString exactText(double value) {
    if (value == 0) return QStringLiteral("0"); // -0 too
    if (!std::isfinite(value)) return generalText(value);
    // 'g' with the shortest round-trip precision never uses the locale.
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QByteArray csvText(const PartsList& list, const ExportLabels& labels,
                   const DisplayChoice& display) {
    std::vector<int> rows;
    for (int row = 1; row < list.rowCount(); ++row)
        rows.push_back(row);
    const auto columns = mechanismColumns(list, rows);
    QString out;
    QStringList header = headerCells(list, labels, display);
    for (const InputDeclaration* c : columns)
        header << inputHeading(*c);
    appendCsvLine(out, header);
    for (int row : rows)
        appendCsvLine(out, rowCells(list, row, labels, display) << inputCells(list, row, columns));
    appendCsvLine(out, totalsCells(list, display) << QStringList(qsizetype(columns.size())));
    return out.toUtf8();
}

QString copyText(const PartsList& list, const std::vector<int>& rows, const ExportLabels& labels) {
    std::vector<int> shown;
    for (int row = 1; row < list.rowCount(); ++row)
        if (rows.empty() || std::find(rows.begin(), rows.end(), row) != rows.end())
            shown.push_back(row);
    const auto columns = mechanismColumns(list, shown);
    QString out;
    QStringList header = headerCells(list, labels);
    for (const InputDeclaration* c : columns)
        header << inputHeading(*c);
    appendTabLine(out, header);
    if (rows.empty()) {
        for (int row = 1; row < list.rowCount(); ++row)
            appendTabLine(out, rowCells(list, row, labels) << inputCells(list, row, columns));
        appendTabLine(out, totalsCells(list) << QStringList(qsizetype(columns.size())));
        return out;
    }
    for (int row : rows)
        if (row >= 1 && row < list.rowCount())
            appendTabLine(out, rowCells(list, row, labels) << inputCells(list, row, columns));
    return out;
}

} // namespace ostrel
