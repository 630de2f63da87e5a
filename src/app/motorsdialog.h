// The Motors window (Inertia menu): the user's motor list in a grid, a motor's values in boxes
// beside it to add one, replace the chosen row or remove it, a click on a heading to sort, and
// the list imported from or exported to CSV. Every change is written to the user's file at
// once; a write that fails says so. Shown through the Dialogs seam, like every box it opens.
#pragma once

#include "drive/motor.h"
#include "solids/units.h"

#include <QDialog>
#include <QStringList>
#include <array>

class QLineEdit;
class QLabel;
class QPushButton;
class QTableView;

namespace ostrel {

class Dialogs;
class MotorListModel;
class UserMotors;

class MotorsDialog : public QDialog {
public:
    MotorsDialog(UserMotors& motors, Dialogs& dialogs, const QStringList& texts,
                 const DisplayChoice& choice, QWidget* parent = nullptr);

    // The commands, as the buttons run them.
    void addMotor();
    void replaceMotor();
    void removeMotor();
    void importCsv();
    void exportCsv();
    void sortByColumn(int column);

private:
    int chosenRow() const;
    void rowChosen();
    QStringList boxTexts() const;
    // The motor of the boxes, or none after telling what is wrong.
    std::optional<Motor> boxMotor();
    bool refused(const MotorFault& fault);
    // Writes the grid's list to the user's file.
    void commit();
    void tell(const std::vector<MessagePiece>& pieces);

    UserMotors& motors_;
    Dialogs& dialogs_;
    QStringList texts_;
    MotorListModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    std::array<QLineEdit*, MotorFieldCount> boxes_{};
    QPushButton* replace_ = nullptr;
    QPushButton* remove_ = nullptr;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    bool askedToReplace_ = false;
};

} // namespace ostrel
