// Every motor of the list checked against the axis, as the "Check every motor" window shows
// it: one row per motor by rated torque, with its name, its rated torque, each criterion's
// margin and pass or fail (what it compares as the cell's hint) and the verdict; the smallest
// motor that passes reads so in its verdict and is bold. Qt Gui, no widgets.
#pragma once

#include "drive/motortable.h"
#include "solids/units.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace ostrel {

class MotorTableModel : public QAbstractTableModel {
public:
    enum Column {
        Name,
        RatedTorque,
        FirstCriterion,
        Verdict = FirstCriterion + MotorCriterionCount,
        ColumnCount
    };

    MotorTableModel(std::vector<Motor> motors, MotorTable table, const DisplayChoice& choice,
                    const QStringList& texts, QObject* parent = nullptr);

    // The list index of the motor on a row, or -1.
    int motorIndex(int row) const;
    // The row of the smallest motor that passes, or -1.
    int smallestPassingRow() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<Motor> motors_;
    MotorTable table_;
    DisplayChoice choice_;
    QStringList texts_;
};

} // namespace ostrel
