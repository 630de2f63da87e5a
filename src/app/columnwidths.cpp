#include "app/columnwidths.h"

#include <QAbstractItemModel>
#include <algorithm>

namespace ostrel {

int ColumnWidths::forText(const QFontMetrics& metrics, const QString& text) {
    return text.isEmpty() ? 0 : metrics.horizontalAdvance(text) + CellMargin;
}

void ColumnWidths::widen(std::vector<int>& widths, const QAbstractItemModel& model,
                         const QFontMetrics& metrics, int first, int last) {
    const int columns = std::min(int(widths.size()), model.columnCount());
    last = std::min(last, model.rowCount() - 1);
    for (int row = std::max(first, 0); row <= last; ++row) {
        for (int c = 0; c < columns; ++c) {
            const QString text = model.index(row, c).data(Qt::DisplayRole).toString();
            widths[size_t(c)] = std::max(widths[size_t(c)], forText(metrics, text));
        }
    }
}

} // namespace ostrel
