// The "Check every motor" window of the Drive panel: every motor of the user's list checked
// against the axis, by rated torque, the smallest that passes marked and chosen at first; a
// double-click picks a motor and closes the window. Shown through the Dialogs seam.
#pragma once

#include <QDialog>

class QTableView;

namespace ostrel {

class MotorTableModel;

class EveryMotorDialog : public QDialog {
public:
    // model: the checks, which the window takes.
    EveryMotorDialog(MotorTableModel* model, const QStringList& texts, QWidget* parent = nullptr);

    // The list index of the motor picked by a double-click, or -1.
    int picked() const { return picked_; }

private:
    MotorTableModel* model_;
    QTableView* table_ = nullptr;
    int picked_ = -1;
};

} // namespace ostrel
