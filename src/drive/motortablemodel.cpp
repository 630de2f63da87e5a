#include "drive/motortablemodel.h"

#include "drive/motortext.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace ostrel {

namespace {

const QColor FailColour(176, 0, 0);

} // namespace

MotorTableModel::MotorTableModel(std::vector<Motor> motors, MotorTable table,
                                 const DisplayChoice& choice, const QStringList& texts,
                                 QObject* parent)
    : QAbstractTableModel(parent), motors_(std::move(motors)), table_(std::move(table)),
      choice_(choice), texts_(texts) {}

int MotorTableModel::motorIndex(int row) const {
    return row >= 0 && row < static_cast<int>(table_.byRatedTorque.size())
               ? table_.byRatedTorque[static_cast<size_t>(row)]
               : -1;
}

int MotorTableModel::smallestPassingRow() const {
    if (!table_.smallestPassing) return -1;
    for (int row = 0; row < rowCount(); ++row)
        if (motorIndex(row) == *table_.smallestPassing) return row;
    return -1;
}

int MotorTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.byRatedTorque.size());
}

int MotorTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MotorTableModel::data(const QModelIndex& index, int role) const {
    const int motor = motorIndex(index.row());
    if (!index.isValid() || motor < 0) return {};
    const Motor& m = motors_[static_cast<size_t>(motor)];
    const MotorCheck& check = table_.checks[static_cast<size_t>(motor)];
    const int column = index.column();
    const bool smallest = table_.smallestPassing == motor;
    const bool criterion = column >= FirstCriterion && column < Verdict;
    const MotorCheckRow row =
        criterion ? motorCheckRows(check, choice_, texts_).value(column - FirstCriterion)
                  : MotorCheckRow{};
    switch (role) {
    case Qt::DisplayRole:
        if (column == Name) return m.name;
        if (column == RatedTorque) return choice_.format(m.ratedTorque, Quantity::Torque);
        if (criterion)
            return row.margin.isEmpty() ? row.verdict
                                        : row.margin + QStringLiteral("  ") + row.verdict;
        if (smallest) return texts_.value(MotorCheckEntry::SmallestPassing);
        return motorVerdictText(check, texts_);
    case Qt::ToolTipRole:
        return criterion ? criterionComparison(row) : QVariant();
    case Qt::ForegroundRole:
        if ((criterion && row.present && !row.pass) ||
            (column == Verdict && check.verdict() == MotorVerdict::Fail))
            return QBrush(FailColour);
        return {};
    case Qt::FontRole:
        if (smallest) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(column == Name || column == Verdict
                                       ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant MotorTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section == Name) return texts_.value(MotorEntry::FirstField);
    if (section == RatedTorque)
        return texts_.value(MotorEntry::FirstField + 1) + QStringLiteral(" (") +
               choice_.symbol(Quantity::Torque) + QLatin1Char(')');
    if (section >= FirstCriterion && section < Verdict)
        return texts_.value(MotorCheckEntry::FirstCriterion + section - FirstCriterion);
    if (section == Verdict) return texts_.value(MotorCheckEntry::Verdict);
    return {};
}

} // namespace ostrel
