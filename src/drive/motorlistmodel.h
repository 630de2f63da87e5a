// The user's motor list as the Motors window's grid shows it: one row per motor, the name and
// each value in its column as the edit boxes take it (full precision; torques in N·m, speeds in
// rpm, power in W, the inertias in the chosen inertia unit), headings with their units in the
// working language. Sorting by a column sorts the list itself. Qt Gui, no widgets.
#pragma once

#include "drive/motorlist.h"
#include "solids/units.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace ostrel {

class MotorListModel : public QAbstractTableModel {
public:
    explicit MotorListModel(QObject* parent = nullptr);

    const MotorList& list() const { return list_; }
    void setList(const MotorList& list);
    void setTexts(const QStringList& texts);
    void setDisplay(const DisplayChoice& choice);
    const DisplayChoice& display() const { return choice_; }

    // The changes of the list, each refused with its fault as MotorList refuses it.
    MotorFault add(const Motor& motor);
    MotorFault replace(int row, const Motor& motor);
    bool remove(int row);
    std::vector<MessagePiece> addAll(const std::vector<Motor>& motors,
                                     const std::vector<int>& lines);

    // The heading of a column: the field's caption and, on a line of its own, its unit
    // ("Rotor inertia\n(kg·cm²)").
    QString heading(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    MotorList list_;
    QStringList texts_;
    DisplayChoice choice_;
};

} // namespace ostrel
