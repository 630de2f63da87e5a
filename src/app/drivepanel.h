// The Drive panel: a dock beside the parts list where the user types the drive's inputs and
// reads the sizing results worked from the list's totals, with the profile plot. It updates
// whenever an input or the list's totals change; a wrong input is hinted at its box and
// empties the results. The motor and gearbox inertias are typed in the inertia unit of the
// display choice; the inputs it keeps and gives are SI. The plot has a tab of its own beside
// the inputs and results, so that it shows whole without scrolling. Its toggle action (menu and
// toolbar) and its close button show and hide it, and whether the user left it shown is
// remembered per user.
#pragma once

#include "drive/drivecalc.h"
#include "drive/drivetext.h"
#include "solids/units.h"

#include <QDockWidget>
#include <QStringList>
#include <array>

class QLabel;
class QLineEdit;
class QScrollArea;
class QTabWidget;

namespace ostrel {

class DrivePlotView;
class PartsListModel;

class DrivePanel : public QDockWidget {
    Q_OBJECT

public:
    // Shows itself or not as the user left it last time.
    explicit DrivePanel(PartsListModel& parts, QWidget* parent = nullptr);

    // The working language's texts (captions, hints, verdicts, plot).
    void setTexts(const QStringList& texts);
    void setDisplayChoice(const DisplayChoice& choice);

    const DriveInputs& inputs() const { return inputs_; }
    // Puts the inputs in the boxes (an opened project); no inputsChanged.
    void setInputs(const DriveInputs& inputs);

    const DriveResults& results() const { return results_; }
    const DriveTotals& totals() const { return totals_; }
    DrivePlotView& plot() const { return *plot_; }

    // The small picture of the toggle action: a speed trapezoid.
    static QIcon toggleIcon();

    // The settings key that remembers whether the panel is shown.
    static QString visibleKey();

signals:
    // The user changed an input box.
    void inputsChanged();

protected:
    // The user closed the panel by its own button.
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void boxEdited(int field, const QString& text);
    void refresh();
    // The dock as wide as its captions, boxes and units.
    void fitWidth();

    PartsListModel& parts_;
    QStringList texts_;
    DisplayChoice choice_;
    DriveInputs inputs_;
    DriveTotals totals_;
    DriveResults results_;

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
    DrivePlotView* plot_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QTabWidget* tabs_ = nullptr;
};

} // namespace ostrel
