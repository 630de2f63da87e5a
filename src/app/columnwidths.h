// The widths of the list's columns: never narrower than designed, and wide enough for the
// heading and every cell text as the grid's font draws them, so that no number is cut.
#pragma once

#include <QFontMetrics>
#include <vector>

class QAbstractItemModel;

namespace ostrel {

class ColumnWidths {
public:
    // Pixels a cell needs beside its text: the view's text margins on both sides and the
    // grid line.
    static constexpr int CellMargin = 10;

    // The width a cell needs for text in the font of metrics.
    static int forText(const QFontMetrics& metrics, const QString& text);

    // widths (one per column of model) widened where a display text of rows first ... last
    // needs more room; never narrowed. Rows outside the model are skipped.
    static void widen(std::vector<int>& widths, const QAbstractItemModel& model,
                      const QFontMetrics& metrics, int first, int last);
};

} // namespace ostrel
