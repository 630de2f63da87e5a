// The table model of totalsTable, the totals line: one row of five cells (the caption, then the
// totals of mass, inertia, friction torque and working torque), read from the parts list that
// a PartsListModel wraps and refreshed whenever that model says the totals changed. The totals
// are written under that model's display choice.
#pragma once

#include <QAbstractTableModel>

namespace ostrel {

class PartsListModel;

class TotalsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TotalsModel(PartsListModel& parts, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // DisplayRole: cell 0 the caption, cells 1 ... 4 the totals.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void refresh();

    PartsListModel& parts_;
};

} // namespace ostrel
