// The Drive panel: a dock beside the parts list where the user types the drive's inputs and
// reads the sizing results worked from the list's totals, with the profile plot. It updates
// whenever an input or the list's totals change; a wrong input is hinted at its box and
// empties the results. A motor of the user's list chosen in its drop-down gives the motor
// inertia (with its brake's when ticked) and is checked against the axis: four criteria with
// their margins and a verdict; "Check every motor" shows the whole list checked at once. The motor
// and gearbox inertias are typed in the inertia unit of the display choice; the inputs it keeps and
// gives are SI. The plot has a tab of its own beside the inputs and results, so that it shows whole
// without scrolling. Its toggle action (menu and toolbar) and its close button show and hide it,
// and whether the user left it shown is remembered per user.
#pragma once

#include "drive/drivecalc.h"
#include "drive/drivetext.h"
#include "drive/motorcheck.h"
#include "solids/units.h"

#include <QDockWidget>
#include <QStringList>
#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace ostrel {

class Dialogs;
class DrivePlotView;
class PartsListModel;
class UserMotors;

class DrivePanel : public QDockWidget {
    Q_OBJECT

public:
    // Shows itself or not as the user left it last time.
    explicit DrivePanel(PartsListModel& parts, QWidget* parent = nullptr);

    // The working language's texts (captions, hints, verdicts, plot).
    void setTexts(const QStringList& texts);
    void setDisplayChoice(const DisplayChoice& choice);

    const DriveInputs& inputs() const { return inputs_; }
    // Puts the inputs and the chosen motor in the boxes (an opened project); the motor's
    // inertia stands for J_M. No inputsChanged.
    void setInputs(const DriveInputs& inputs,
                   const std::optional<ChosenMotor>& motor = std::nullopt);

    // The user's motor list of the drop-down and of "Check every motor", and the seam its
    // window is shown through. Without them the drop-down offers no motor.
    void setMotorSource(const UserMotors& motors, Dialogs& dialogs);
    // The chosen motor (its data as the project keeps them), or none.
    const std::optional<ChosenMotor>& motor() const { return chosen_; }
    // Its check against the axis; no criteria without a motor.
    const MotorCheck& motorCheck() const { return check_; }
    // Chooses the motor of the list at index (-1: none), as the drop-down does.
    void chooseMotor(int index);
    // "Check every motor": the window of every motor's check; a motor picked there is chosen.
    void showEveryMotor();

    const DriveResults& results() const { return results_; }
    const DriveTotals& totals() const { return totals_; }
    DrivePlotView& plot() const { return *plot_; }

    // The small picture of the toggle action: a speed trapezoid.
    static QIcon toggleIcon();

    // The settings key that remembers whether the panel is shown.
    static QString visibleKey();

signals:
    // The user changed an input box, a choice or the motor.
    void inputsChanged();

protected:
    // The user closed the panel by its own button.
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void buildMotorRows(QWidget* content, QGridLayout* grid, int& row);
    void buildCheckRows(QWidget* content, QGridLayout* grid, int& row);
    void boxEdited(int field, const QString& text);
    void motorActivated(int item);
    void motorBrakeClicked(bool on);
    void fillMotorChoice();
    // J_M: the chosen motor's inertia, in the box too.
    void applyMotorInertia();
    void refresh();
    void refreshMotorCheck();
    // The dock as wide as its captions, boxes and units.
    void fitWidth();

    PartsListModel& parts_;
    QStringList texts_;
    DisplayChoice choice_;
    DriveInputs inputs_;
    DriveTotals totals_;
    DriveResults results_;
    std::optional<ChosenMotor> chosen_;
    MotorCheck check_;
    const UserMotors* motors_ = nullptr;
    Dialogs* dialogs_ = nullptr;

    std::array<QLabel*, DriveInputs::FieldCount> captions_{};
    std::array<QLineEdit*, DriveInputs::FieldCount> boxes_{};
    std::array<QLabel*, DriveInputs::FieldCount> units_{};
    std::array<QLabel*, DriveInputs::FieldCount> hints_{};
    std::array<QLabel*, 3> totalCaptions_{}, totalValues_{}, totalUnits_{};
    std::array<QLabel*, static_cast<size_t>(DriveResult::Count)> resultCaptions_{}, resultValues_{},
        resultUnits_{};
    QLabel* totalsHeading_ = nullptr;
    QLabel* resultsHeading_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* coastNote_ = nullptr;
    QLabel* fixNote_ = nullptr;
    QLabel* brakingNote_ = nullptr;
    QCheckBox* brakeHoldsLoad_ = nullptr;
    QLabel* motorCaption_ = nullptr;
    QComboBox* motorChoice_ = nullptr;
    QCheckBox* motorBrake_ = nullptr;
    QPushButton* everyMotor_ = nullptr;
    QLabel* checkHeading_ = nullptr;
    std::array<QLabel*, MotorCriterionCount> criterionCaptions_{}, comparisons_{}, margins_{},
        criterionVerdicts_{};
    QLabel* motorVerdict_ = nullptr;
    DrivePlotView* plot_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QTabWidget* tabs_ = nullptr;
};

} // namespace ostrel
