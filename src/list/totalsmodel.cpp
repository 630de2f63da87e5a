#include "list/totalsmodel.h"

#include "list/partslistmodel.h"

namespace ostrel {

TotalsModel::TotalsModel(PartsListModel& parts, QObject* parent)
    : QAbstractTableModel(parent), parts_(parts) {
    connect(&parts_, &PartsListModel::totalsChanged, this, &TotalsModel::refresh);
}

int TotalsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

int TotalsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : PartsList::TotalsCount;
}

QVariant TotalsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.model() != this || index.row() != 0) return {};
    if (role == Qt::TextAlignmentRole && index.column() >= 1)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    return parts_.totalText(index.column());
}

void TotalsModel::refresh() {
    emit dataChanged(index(0, 0), index(0, PartsList::TotalsCount - 1), {Qt::DisplayRole});
}

} // namespace ostrel
