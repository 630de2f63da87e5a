#include "list/partslistmodel.h"

namespace ostrel {

PartsListModel::PartsListModel(PartsList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {}

int PartsListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.partCount();
}

int PartsListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : PartsList::ColumnCount;
}

QVariant PartsListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.model() != this) return {};
    const int row = listRow(index.row());
    const int column = index.column();
    if (row < 1 || row >= list_.rowCount()) return {};
    switch (role) {
    case Qt::DisplayRole:
        if (column >= 1 && column <= 4) return resultText(row, column);
        if (column >= 1) return list_.cell(row, column);
        return {};
    case Qt::DecorationRole:
        if (column == 0 && provider_ && list_.image(row) != 0) {
            QPixmap picture = provider_(list_.image(row));
            if (!picture.isNull()) return picture;
        }
        return {};
    case Qt::TextAlignmentRole:
        // Numbers and dimensions stand right-aligned, as in a table of results.
        if (column >= 1) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant PartsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
        if (section >= 1 && section <= 4)
            return list_.cell(0, section) + QLatin1Char(' ') + display_.symbol(quantityOf(section));
        if (section >= 1 && section < PartsList::ColumnCount) return list_.cell(0, section);
        return {};
    }
    if (section >= 0 && section < list_.partCount()) return section + 1;
    return {};
}

void PartsListModel::setPictureProvider(PictureProvider provider) {
    provider_ = std::move(provider);
    if (list_.partCount() > 0)
        emit dataChanged(index(0, 0), index(list_.partCount() - 1, 0), {Qt::DecorationRole});
}

void PartsListModel::setHeadings(const QStringList& headings) {
    list_.setHeadings(headings);
    emit headerDataChanged(Qt::Horizontal, 1, PartsList::ColumnCount - 1);
}

void PartsListModel::setDisplay(const DisplayChoice& display) {
    if (display == display_) return;
    display_ = display;
    emit headerDataChanged(Qt::Horizontal, 1, 4);
    if (list_.partCount() > 0)
        emit dataChanged(index(0, 1), index(list_.partCount() - 1, 4), {Qt::DisplayRole});
    emit totalsChanged();
}

Quantity PartsListModel::quantityOf(int column) {
    switch (column) {
    case 1:
        return Quantity::Mass;
    case 2:
        return Quantity::Inertia;
    default:
        return Quantity::Torque;
    }
}

QString PartsListModel::resultText(int listRow, int column) const {
    if (display_.classic() || column < 1 || column > 4) return list_.cell(listRow, column);
    return display_.format(list_.exactValue(listRow, column - 1), quantityOf(column));
}

QString PartsListModel::totalText(int column) const {
    // A totals line that shows nothing yet (no line was ever added) stays empty.
    if (display_.classic() || column < 1 || column > 4 || list_.total(column).isEmpty())
        return list_.total(column);
    return display_.format(list_.exactTotal(column - 1), quantityOf(column));
}

void PartsListModel::setTotalsCaption(const QString& caption) {
    list_.setTotalsCaption(caption);
    emit totalsChanged();
}

PartsList::AddOutcome PartsListModel::add(const PartsList::Line& line, PartsList::AddRule rule) {
    PartsList::PreparedAdd prepared = list_.prepareAdd(line, rule);
    PartsList::AddOutcome outcome = prepared.outcome;
    if (outcome.kind != PartsList::AddOutcome::Kind::Added) return outcome;
    const int row = list_.partCount();
    beginInsertRows({}, row, row);
    list_.commitAdd(std::move(prepared));
    endInsertRows();
    emit totalsChanged();
    return outcome;
}

std::optional<PartsList::TakenBack> PartsListModel::takeBack(int row) {
    if (!list_.canTakeBack(row)) return std::nullopt;
    beginRemoveRows({}, modelRow(row), modelRow(row));
    std::optional<PartsList::TakenBack> back = list_.takeBack(row);
    endRemoveRows();
    emit totalsChanged();
    return back;
}

std::optional<PartsList::TakenBack> PartsListModel::takeBack(const QModelIndex& index) {
    if (!index.isValid() || index.model() != this) return std::nullopt;
    return takeBack(listRow(index));
}

bool PartsListModel::insertRow(int listRow, PartsList::Row row) {
    if (!list_.canInsertRow(listRow, row)) return false;
    beginInsertRows({}, modelRow(listRow), modelRow(listRow));
    list_.insertRow(listRow, std::move(row));
    endInsertRows();
    emit totalsChanged();
    return true;
}

std::optional<PartsList::Row> PartsListModel::removeRow(int listRow) {
    if (listRow < 1 || listRow >= list_.rowCount()) return std::nullopt;
    beginRemoveRows({}, modelRow(listRow), modelRow(listRow));
    std::optional<PartsList::Row> removed = list_.removeRow(listRow);
    endRemoveRows();
    emit totalsChanged();
    return removed;
}

void PartsListModel::replaceParts(const PartsList& other) {
    beginResetModel();
    list_.replaceParts(other);
    endResetModel();
    emit totalsChanged();
}

} // namespace ostrel
