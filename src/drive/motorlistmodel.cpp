#include "drive/motorlistmodel.h"

#include "drive/motortext.h"

namespace ostrel {

MotorListModel::MotorListModel(QObject* parent) : QAbstractTableModel(parent) {}

void MotorListModel::setList(const MotorList& list) {
    beginResetModel();
    list_ = list;
    endResetModel();
}

void MotorListModel::setTexts(const QStringList& texts) {
    texts_ = texts;
    emit headerDataChanged(Qt::Horizontal, 0, MotorFieldCount - 1);
}

void MotorListModel::setDisplay(const DisplayChoice& choice) {
    // The inertias are shown in the chosen unit: their cells and headings change.
    beginResetModel();
    choice_ = choice;
    endResetModel();
}

MotorFault MotorListModel::add(const Motor& motor) {
    const int row = list_.size();
    MotorList trial = list_;
    const MotorFault fault = trial.add(motor);
    if (fault) return fault;
    beginInsertRows({}, row, row);
    list_ = std::move(trial);
    endInsertRows();
    return fault;
}

MotorFault MotorListModel::replace(int row, const Motor& motor) {
    const MotorFault fault = list_.replace(row, motor);
    if (!fault) emit dataChanged(index(row, 0), index(row, MotorFieldCount - 1));
    return fault;
}

bool MotorListModel::remove(int row) {
    if (row < 0 || row >= list_.size()) return false;
    beginRemoveRows({}, row, row);
    list_.remove(row);
    endRemoveRows();
    return true;
}

std::vector<MessagePiece> MotorListModel::addAll(const std::vector<Motor>& motors,
                                                 const std::vector<int>& lines) {
    MotorList trial = list_;
    std::vector<MessagePiece> refusal = trial.addAll(motors, lines);
    if (refusal.empty()) setList(trial);
    return refusal;
}

QString MotorListModel::heading(int column) const {
    if (column < 0 || column >= MotorFieldCount) return {};
    const auto field = static_cast<MotorField>(column);
    const QString caption = texts_.value(MotorEntry::FirstField + column);
    const QString unit = field == MotorField::RotorInertia || field == MotorField::BrakeInertia
                             ? choice_.symbol(Quantity::Inertia)
                             : motorFieldUnit(field);
    return unit.isEmpty() ? caption : caption + QStringLiteral("\n(") + unit + QLatin1Char(')');
}

int MotorListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.size();
}

int MotorListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : MotorFieldCount;
}

QVariant MotorListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= list_.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return motorEditTexts(list_.at(index.row()), choice_).value(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant MotorListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return heading(section);
}

void MotorListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= MotorFieldCount) return;
    emit layoutAboutToBeChanged();
    list_.sortBy(static_cast<MotorField>(column), order == Qt::DescendingOrder);
    emit layoutChanged();
}

} // namespace ostrel
