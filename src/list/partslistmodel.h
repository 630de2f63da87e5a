// The table model of partsTable over the parts list, which it wraps without copying. The heading
// row (list row 0) is the model's horizontal header, so that it stays in place while the parts
// scroll; the parts are model rows 0, 1, ... = list rows 1, 2, .... Every change of the list
// goes through this model, which announces it to the views and to the totals line. The result
// cells and headings follow a display choice: Classic shows the list's own cells, the other
// choices format the rows' exact results in the chosen digits and units.
#pragma once

#include "list/partslist.h"
#include "solids/units.h"

#include <QAbstractTableModel>
#include <QPixmap>
#include <functional>
#include <optional>

namespace ostrel {

class PartsListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The small picture of a toolbar image number (1-based); a null pixmap for none.
    using PictureProvider = std::function<QPixmap(int image)>;

    explicit PartsListModel(PartsList& list, QObject* parent = nullptr);

    const PartsList& list() const { return list_; }

    // View rows and list rows.
    static int listRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int listRow) { return listRow - 1; }
    // The list row of an index of this model, or 0 (the heading row) for an invalid index.
    static int listRow(const QModelIndex& index) { return index.isValid() ? index.row() + 1 : 0; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // DisplayRole: the cell texts of columns 1 ... 14 (columns 1 ... 4 formatted from the exact
    // results unless the display is Classic); DecorationRole of column 0: the row's
    // picture from the provider.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Horizontal DisplayRole: the headings of row 0 (column 0 has none), the result headings
    // followed by the unit of the display ("Mass kg"); vertical: the row's number in the list
    // (1 for the first part).
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void setPictureProvider(PictureProvider provider);
    void setHeadings(const QStringList& headings);

    // How result cells, headings and totals are written. A new choice re-formats every result
    // cell, heading and total at once; nothing is recomputed.
    const DisplayChoice& display() const { return display_; }
    void setDisplay(const DisplayChoice& display);
    // The unit family of result column 1 ... 4 of the list and of the totals line.
    static Quantity quantityOf(int column);
    // What a result cell of a part row or the totals line shows under the current display.
    QString resultText(int listRow, int column) const;
    QString totalText(int column) const;
    void setTotalsCaption(const QString& caption);

    // PartsList::add, announced as a row inserted at the end and new totals.
    PartsList::AddOutcome add(const PartsList::Line& line,
                              PartsList::AddRule rule = PartsList::AddRule::Classic);
    // PartsList::takeBack on a list row, announced as a row removed and new totals.
    std::optional<PartsList::TakenBack> takeBack(int listRow);
    // The same on the row of an index of this model (an invalid index takes nothing back).
    std::optional<PartsList::TakenBack> takeBack(const QModelIndex& index);

    // PartsList::insertRow, removeRow and replaceParts, announced to the views and the totals.
    bool insertRow(int listRow, PartsList::Row row);
    std::optional<PartsList::Row> removeRow(int listRow);
    void replaceParts(const PartsList& other);

signals:
    // The totals line changed (totals or caption).
    void totalsChanged();

private:
    PartsList& list_;
    PictureProvider provider_;
    DisplayChoice display_;
};

} // namespace ostrel
