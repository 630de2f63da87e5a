// Lines for the parts-list suites as the editor hands them over, and what a user or a report
// can read of a list.
#pragma once

#include "list/partslist.h"
#include "solids/numbertext.h"
#include "testinputs.h"

#include <random>

namespace ostrel::testing {

// A line with these captions and no exact results (a conveyor, total mass 10 kg).
inline PartsList::Line resultsLine(const std::array<QString, 4>& captions) {
    PartsList::Line line;
    line.captions = captions;
    line.texts = inputTexts("1|1|10");
    line.code = 18;
    line.image = 21;
    return line;
}

// A steel disc of 1000 x 100 mm in density mode: 617 kg, 77.07 kg·m².
inline PartsList::Line discLine(const QString& mass = QStringLiteral("617")) {
    PartsList::Line line = resultsLine({mass, "77.07", ".", "."});
    line.totalMass = false;
    line.texts = inputTexts("1|1|7850||1000||100");
    line.code = 1;
    line.image = 6;
    return line;
}

inline QStringList cells(const PartsList& list, int row, int first, int last) {
    QStringList out;
    for (int c = first; c <= last; ++c)
        out << list.cell(row, c);
    return out;
}

inline QStringList totals(const PartsList& list) {
    return {list.total(1), list.total(2), list.total(3), list.total(4)};
}

// Every cell, picture and exact value of the rows, the totals, the exact totals bit for bit.
inline QStringList snapshot(const PartsList& list) {
    QStringList s;
    for (int r = 0; r < list.rowCount(); ++r) {
        s << cells(list, r, 0, PartsList::ColumnCount - 1) << QString::number(list.image(r));
        for (int k = 0; k < 4; ++k)
            s << QString::number(list.exactValue(r, k), 'g', 17);
    }
    for (int c = 0; c < PartsList::TotalsCount; ++c)
        s << list.total(c);
    for (int k = 0; k < 4; ++k)
        s << QString::number(list.exactTotal(k), 'g', 17);
    return s;
}

// A caption of up to four decimals (more than the cells keep), "." or "0".
inline QString randomCaption(std::mt19937& random, int maxWhole, bool allowNegative) {
    const int kind = std::uniform_int_distribution<int>(0, 9)(random);
    if (kind == 0) return QStringLiteral(".");
    if (kind == 1) return QStringLiteral("0");
    const int whole = std::uniform_int_distribution<int>(0, maxWhole)(random);
    const int fraction = std::uniform_int_distribution<int>(0, 9999)(random);
    const QString text = QStringLiteral("%1.%2").arg(whole).arg(fraction, 4, 10, QChar('0'));
    return allowNegative && kind == 2 ? "-" + text : text;
}

} // namespace ostrel::testing
