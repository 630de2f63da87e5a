#include "app/drivepanel.h"

#include "app/driveplotview.h"
#include "app/everymotordialog.h"
#include "app/textlimitvalidator.h"
#include "app/usermotors.h"
#include "drive/motortable.h"
#include "drive/motortablemodel.h"
#include "drive/motortext.h"
#include "list/partslistmodel.h"
#include "list/projectfile.h"
#include "platform/dialogs.h"
#include "report/driveblock.h"
#include "solids/numbertext.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace ostrel {

namespace {

using F = DriveInputs::Field;

constexpr int BoxWidth = 90;
constexpr int SizingTabTitle = 633;
constexpr int ProfileTabTitle = 634;
constexpr int EveryMotorButton = 782;
// The drop-down's items other than the list's motors.
constexpr int NoMotorItem = -1;
constexpr int ProjectCopyItem = -2;
const char* const HintStyle = "color: #b00000;";
const char* const PassStyle = "color: #006000;";
const char* const WrongBoxStyle = "QLineEdit { border: 1px solid #b00000; }";

QLabel* label(QWidget* parent, const QString& name, Qt::Alignment align = Qt::AlignLeft) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

QLabel* heading(QWidget* parent, const QString& name) {
    QLabel* l = label(parent, name);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

// A style set only when it changes: setting one restyles the widget, which costs more than the
// whole check.
void restyle(QWidget* w, const QString& style) {
    if (w->styleSheet() != style) w->setStyleSheet(style);
}

QSettings userSettings() {
    return QSettings(QSettings::UserScope, QStringLiteral("Ostrel"), QStringLiteral("Ostrel"));
}

} // namespace

DrivePanel::DrivePanel(PartsListModel& parts, QWidget* parent)
    : QDockWidget(parent), parts_(parts) {
    setObjectName(QStringLiteral("drivePanel"));
    setWindowTitle(QStringLiteral("Drive"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    build();

    QAction* toggle = toggleViewAction();
    toggle->setObjectName(QStringLiteral("drivePanelAction"));
    toggle->setIcon(toggleIcon());
    const bool shown = userSettings().value(visibleKey(), false).toBool();
    setVisible(shown);
    toggle->setChecked(shown);
    // What the user chose is remembered, not the check the action loses when the window
    // closes and takes the panel along.
    connect(toggle, &QAction::triggered, this,
            [](bool on) { userSettings().setValue(visibleKey(), on); });

    connect(&parts_, &PartsListModel::totalsChanged, this, &DrivePanel::refresh);
    refresh();
}

void DrivePanel::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    if (event->isAccepted()) userSettings().setValue(visibleKey(), false);
}

QString DrivePanel::visibleKey() {
    return QStringLiteral("drive/panelVisible");
}

QIcon DrivePanel::toggleIcon() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    p.drawLine(QPointF(3, 28), QPointF(29, 28));
    p.drawLine(QPointF(3, 28), QPointF(3, 3));
    p.setPen(QPen(QColor(0, 70, 160), 3));
    const QPointF trapezoid[] = {{3, 27}, {10, 8}, {20, 8}, {27, 27}};
    p.drawPolyline(trapezoid, 4);
    return QIcon(picture);
}

void DrivePanel::build() {
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("driveScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    int row = 0;
    buildMotorRows(content, grid, row);

    for (int i = 0; i < DriveInputs::FieldCount; ++i) {
        const QString key = DriveInputs::key(static_cast<F>(i));
        captions_[i] = label(content, key + QStringLiteral("Caption"));
        boxes_[i] = new QLineEdit(inputs_.text(static_cast<F>(i)), content);
        boxes_[i]->setObjectName(key + QStringLiteral("Box"));
        boxes_[i]->setFixedWidth(BoxWidth);
        boxes_[i]->setAlignment(Qt::AlignRight);
        TextLimitValidator::install(boxes_[i], ProjectLimits::MaxInputText);
        auto* unit = label(content, key + QStringLiteral("Unit"));
        unit->setText(driveBoxUnit(static_cast<F>(i), choice_));
        units_[i] = unit;
        hints_[i] = label(content, key + QStringLiteral("Hint"));
        hints_[i]->setStyleSheet(QLatin1String(HintStyle));
        hints_[i]->setWordWrap(true);
        hints_[i]->hide();
        grid->addWidget(captions_[i], row, 0);
        grid->addWidget(boxes_[i], row, 1);
        grid->addWidget(unit, row, 2);
        grid->addWidget(hints_[i], ++row, 0, 1, 3);
        ++row;
        connect(boxes_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { boxEdited(i, text); });
        if (i == F::DwellTime) {
            // During the dwell the motor holds the working torque, unless a brake does.
            brakeHoldsLoad_ = new QCheckBox(content);
            brakeHoldsLoad_->setObjectName(QStringLiteral("brakeHoldsLoadBox"));
            grid->addWidget(brakeHoldsLoad_, row++, 0, 1, 3);
            connect(brakeHoldsLoad_, &QCheckBox::clicked, this, [this](bool on) {
                inputs_.brakeHoldsLoad = on;
                refresh();
                emit inputsChanged();
            });
        }
    }

    const auto resultRow = [&](QLabel*& caption, QLabel*& value, QLabel*& unit,
                               const QString& key) {
        caption = label(content, key + QStringLiteral("Caption"));
        value = label(content, key, Qt::AlignRight);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        unit = label(content, key + QStringLiteral("Unit"));
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        grid->addWidget(unit, row, 2);
        ++row;
    };

    totalsHeading_ = heading(content, QStringLiteral("driveTotalsHeading"));
    grid->addWidget(totalsHeading_, row++, 0, 1, 3);
    const QStringList totalKeys{QStringLiteral("loadInertia"), QStringLiteral("frictionTorque"),
                                QStringLiteral("workingTorque")};
    for (int i = 0; i < 3; ++i)
        resultRow(totalCaptions_[i], totalValues_[i], totalUnits_[i],
                  totalKeys[i] + QStringLiteral("Total"));

    resultsHeading_ = heading(content, QStringLiteral("driveResultsHeading"));
    grid->addWidget(resultsHeading_, row++, 0, 1, 3);
    fixNote_ = label(content, QStringLiteral("driveFixNote"));
    fixNote_->setStyleSheet(QLatin1String(HintStyle));
    fixNote_->setWordWrap(true);
    fixNote_->hide();
    grid->addWidget(fixNote_, row++, 0, 1, 3);
    const DriveResults none;
    const QList<DriveRow> keys = driveResultRows(none, choice_, {});
    for (size_t i = 0; i < resultValues_.size(); ++i) {
        resultRow(resultCaptions_[i], resultValues_[i], resultUnits_[i],
                  keys.value(static_cast<int>(i)).key + QStringLiteral("Result"));
        if (i == static_cast<size_t>(DriveResult::Ratio)) {
            verdict_ = label(content, QStringLiteral("driveVerdict"));
            verdict_->setWordWrap(true);
            grid->addWidget(verdict_, row++, 0, 1, 3);
        }
        if (i == static_cast<size_t>(DriveResult::BrakingPower)) {
            brakingNote_ = label(content, QStringLiteral("driveBrakingNote"));
            brakingNote_->setWordWrap(true);
            QFont italic = brakingNote_->font();
            italic.setItalic(true);
            brakingNote_->setFont(italic);
            grid->addWidget(brakingNote_, row++, 0, 1, 3);
        }
    }
    coastNote_ = label(content, QStringLiteral("driveCoastNote"));
    coastNote_->setWordWrap(true);
    QFont small = coastNote_->font();
    small.setItalic(true);
    coastNote_->setFont(small);
    grid->addWidget(coastNote_, row++, 0, 1, 3);
    buildCheckRows(content, grid, row);
    grid->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(content);
    layout->addLayout(grid);
    layout->addStretch(1);
    scroll->setWidget(content);
    // As wide as its rows (fitWidth); only the height scrolls.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_ = scroll;

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("driveTabs"));
    tabs_->setDocumentMode(true);
    tabs_->addTab(scroll, QString());
    plot_ = new DrivePlotView(tabs_);
    plot_->setObjectName(QStringLiteral("drivePlot"));
    tabs_->addTab(plot_, QString());
    setWidget(tabs_);
}

// The Motor drop-down, "with brake" and "Check every motor", above the inputs: the motor
// gives J_M.
void DrivePanel::buildMotorRows(QWidget* content, QGridLayout* grid, int& row) {
    motorCaption_ = label(content, QStringLiteral("motorCaption"));
    motorBrake_ = new QCheckBox(content);
    motorBrake_->setObjectName(QStringLiteral("motorBrakeBox"));
    grid->addWidget(motorCaption_, row, 0);
    grid->addWidget(motorBrake_, row++, 1, 1, 2);
    // The drop-down as wide as the panel: a long name does not widen it, the open list shows
    // it whole, and so does the hint.
    motorChoice_ = new QComboBox(content);
    motorChoice_->setObjectName(QStringLiteral("motorChoice"));
    motorChoice_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    motorChoice_->setMinimumContentsLength(8);
    motorCaption_->setBuddy(motorChoice_);
    grid->addWidget(motorChoice_, row++, 0, 1, 3);
    everyMotor_ = new QPushButton(content);
    everyMotor_->setObjectName(QStringLiteral("everyMotorButton"));
    everyMotor_->setAutoDefault(false);
    everyMotor_->setEnabled(false);
    grid->addWidget(everyMotor_, row++, 0, 1, 3, Qt::AlignLeft);
    connect(motorChoice_, &QComboBox::activated, this, &DrivePanel::motorActivated);
    connect(motorBrake_, &QCheckBox::clicked, this, &DrivePanel::motorBrakeClicked);
    connect(everyMotor_, &QPushButton::clicked, this, &DrivePanel::showEveryMotor);
    fillMotorChoice();
}

// The chosen motor's check, after the results: per criterion its caption, then what it
// compares, its margin and pass or fail; then the verdict.
void DrivePanel::buildCheckRows(QWidget* content, QGridLayout* grid, int& row) {
    checkHeading_ = heading(content, QStringLiteral("motorCheckHeading"));
    checkHeading_->setWordWrap(true);
    grid->addWidget(checkHeading_, row++, 0, 1, 3);
    const MotorCheck none;
    const QList<MotorCheckRow> keys = motorCheckRows(none, choice_, {});
    for (int i = 0; i < MotorCriterionCount; ++i) {
        const QString key = keys[i].key + QStringLiteral("Check");
        criterionCaptions_[i] = label(content, key + QStringLiteral("Caption"));
        criterionCaptions_[i]->setWordWrap(true);
        comparisons_[i] = label(content, key + QStringLiteral("Comparison"));
        comparisons_[i]->setIndent(12);
        margins_[i] = label(content, key + QStringLiteral("Margin"), Qt::AlignRight);
        criterionVerdicts_[i] = label(content, key);
        grid->addWidget(criterionCaptions_[i], row++, 0, 1, 3);
        grid->addWidget(comparisons_[i], row, 0);
        grid->addWidget(margins_[i], row, 1);
        grid->addWidget(criterionVerdicts_[i], row++, 2);
    }
    motorVerdict_ = heading(content, QStringLiteral("motorVerdict"));
    motorVerdict_->setWordWrap(true);
    grid->addWidget(motorVerdict_, row++, 0, 1, 3);
}

void DrivePanel::setMotorSource(const UserMotors& motors, Dialogs& dialogs) {
    motors_ = &motors;
    dialogs_ = &dialogs;
    connect(&motors, &UserMotors::changed, this, &DrivePanel::fillMotorChoice);
    fillMotorChoice();
}

// None, the project's copy when the list holds no motor exactly like it (another machine's
// list, or the motor edited since), then every motor of the list.
void DrivePanel::fillMotorChoice() {
    const QSignalBlocker quiet(motorChoice_);
    motorChoice_->clear();
    motorChoice_->addItem(texts_.value(MotorCheckEntry::NoMotor), NoMotorItem);
    int current = 0;
    int same = -1;
    const std::vector<Motor> none;
    const std::vector<Motor>& list = motors_ ? motors_->list().motors() : none;
    if (chosen_) {
        const auto found = std::find(list.begin(), list.end(), chosen_->motor);
        if (found != list.end()) same = static_cast<int>(found - list.begin());
        if (same < 0) {
            motorChoice_->addItem(
                texts_.value(MotorCheckEntry::ProjectCopy).arg(chosen_->motor.name),
                ProjectCopyItem);
            current = 1;
        }
    }
    for (size_t k = 0; k < list.size(); ++k) {
        motorChoice_->addItem(list[k].name, static_cast<int>(k));
        if (static_cast<int>(k) == same) current = motorChoice_->count() - 1;
    }
    motorChoice_->setCurrentIndex(current);
    motorChoice_->setToolTip(motorChoice_->currentText());
    everyMotor_->setEnabled(!list.empty());
}

void DrivePanel::motorActivated(int item) {
    const int data = motorChoice_->itemData(item).toInt();
    if (data == ProjectCopyItem) return; // the project's own motor stays
    chooseMotor(data);
}

void DrivePanel::chooseMotor(int index) {
    if (motors_ && index >= 0 && index < motors_->list().size()) {
        chosen_ = ChosenMotor{motors_->list().at(index), motorBrake_->isChecked()};
        applyMotorInertia();
    } else {
        chosen_.reset();
    }
    boxes_[F::MotorInertia]->setReadOnly(chosen_.has_value());
    fillMotorChoice();
    refresh();
    emit inputsChanged();
}

void DrivePanel::motorBrakeClicked(bool on) {
    if (!chosen_) return; // kept for the next motor and for "Check every motor"
    chosen_->withBrake = on;
    applyMotorInertia();
    refresh();
    emit inputsChanged();
}

void DrivePanel::applyMotorInertia() {
    if (!chosen_) return;
    const QString si = generalText(chosen_->motor.inertia(chosen_->withBrake));
    inputs_.setText(F::MotorInertia, si);
    boxes_[F::MotorInertia]->setText(driveBoxText(F::MotorInertia, si, choice_));
}

void DrivePanel::showEveryMotor() {
    if (!motors_ || !dialogs_ || motors_->list().size() == 0) return;
    const std::vector<Motor>& motors = motors_->list().motors();
    auto* model = new MotorTableModel(
        motors, checkEveryMotor(motors, motorBrake_->isChecked(), inputs_, totals_), choice_,
        texts_);
    EveryMotorDialog dialog(model, texts_, window());
    if (dialogs_->exec(dialog) == QDialog::Accepted && dialog.picked() >= 0)
        chooseMotor(dialog.picked());
}

void DrivePanel::setTexts(const QStringList& texts) {
    texts_ = texts;
    setWindowTitle(texts.value(DriveEntry::PanelTitle));
    toggleViewAction()->setText(texts.value(DriveEntry::ShowPanel));
    QString hint = texts.value(DriveEntry::ShowPanel);
    toggleViewAction()->setToolTip(hint.remove(QLatin1Char('&')));
    for (int i = 0; i < DriveInputs::FieldCount; ++i)
        captions_[i]->setText(texts.value(DriveEntry::FirstInput + i));
    totalsHeading_->setText(texts.value(DriveEntry::FromTheList));
    resultsHeading_->setText(texts.value(DriveEntry::ReportResults));
    fixNote_->setText(texts.value(DriveEntry::FixTheBoxes));
    coastNote_->setText(texts.value(DriveEntry::CoastNote));
    brakingNote_->setText(texts.value(DriveEntry::BrakingNote));
    brakeHoldsLoad_->setText(texts.value(DriveEntry::BrakeHoldsLoad));
    motorCaption_->setText(texts.value(MotorEntry::Title));
    motorBrake_->setText(texts.value(MotorCheckEntry::WithBrake));
    everyMotor_->setText(texts.value(EveryMotorButton));
    fillMotorChoice();
    tabs_->setTabText(0, texts.value(SizingTabTitle));
    tabs_->setTabText(1, texts.value(ProfileTabTitle));
    refresh();
    fitWidth();
}

void DrivePanel::fitWidth() {
    // Values and units keep room for the widest text they can show (a signed scientific value,
    // the longest unit of any display choice), so that nothing is cut when they change.
    const QFontMetrics metrics(font());
    const int value = std::max(metrics.horizontalAdvance(QStringLiteral("-8.88888E-88")),
                               metrics.horizontalAdvance(texts_.value(DriveEntry::CoastNone))) +
                      4;
    int unit = metrics.horizontalAdvance(QString::fromUtf8("rad/s²"));
    for (Quantity q : {Quantity::Mass, Quantity::Inertia, Quantity::Torque})
        for (int u = 0; u < unitCount(q); ++u)
            unit = std::max(unit, metrics.horizontalAdvance(unitSymbol(q, u)));
    unit += 4;
    for (QLabel* label : totalValues_)
        label->setMinimumWidth(value);
    for (QLabel* label : resultValues_)
        label->setMinimumWidth(value);
    for (QLabel* label : margins_)
        label->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("-8.88E-88 %")) + 4);
    int verdict = unit;
    for (int entry : {MotorCheckEntry::Pass, MotorCheckEntry::Fail})
        verdict = std::max(verdict, metrics.horizontalAdvance(texts_.value(entry)) + 4);
    for (QLabel* label : criterionVerdicts_)
        label->setMinimumWidth(verdict);
    // What a criterion compares: two signed scientific values and the longest unit.
    const int comparison =
        metrics.horizontalAdvance(QStringLiteral("-8.888E-88 > -8.888E-88 ")) + unit + 16;
    for (QLabel* label : comparisons_)
        label->setMinimumWidth(comparison);
    for (QLabel* label : totalUnits_)
        label->setMinimumWidth(unit);
    for (QLabel* label : resultUnits_)
        label->setMinimumWidth(unit);
    QWidget* content = scroll_->widget();
    content->adjustSize();
    scroll_->setMinimumWidth(content->minimumSizeHint().width() +
                             scroll_->verticalScrollBar()->sizeHint().width() +
                             2 * scroll_->frameWidth());
}

void DrivePanel::setDisplayChoice(const DisplayChoice& choice) {
    const bool newUnit = choice.factor(Quantity::Inertia) != choice_.factor(Quantity::Inertia);
    choice_ = choice;
    // The inertia boxes show the same values in the new unit; the inputs do not change.
    for (int i = 0; i < DriveInputs::FieldCount; ++i) {
        const auto f = static_cast<F>(i);
        units_[i]->setText(driveBoxUnit(f, choice_));
        if (newUnit) boxes_[i]->setText(driveBoxText(f, inputs_.text(f), choice_));
    }
    refresh();
    fitWidth();
}

void DrivePanel::setInputs(const DriveInputs& inputs, const std::optional<ChosenMotor>& motor) {
    inputs_ = inputs;
    chosen_ = motor;
    for (int i = 0; i < DriveInputs::FieldCount; ++i)
        boxes_[i]->setText(
            driveBoxText(static_cast<F>(i), inputs_.text(static_cast<F>(i)), choice_));
    brakeHoldsLoad_->setChecked(inputs_.brakeHoldsLoad);
    if (chosen_) motorBrake_->setChecked(chosen_->withBrake);
    applyMotorInertia();
    boxes_[F::MotorInertia]->setReadOnly(chosen_.has_value());
    fillMotorChoice();
    refresh();
}

void DrivePanel::boxEdited(int field, const QString& text) {
    QLineEdit* box = boxes_[field];
    if (text.contains(QLatin1Char(','))) {
        // The decimal comma of many keyboards becomes the point every number is read with.
        const int cursor = box->cursorPosition();
        QString pointed = text;
        pointed.replace(QLatin1Char(','), QLatin1Char('.'));
        box->setText(pointed);
        box->setCursorPosition(cursor);
    }
    inputs_.setText(static_cast<F>(field),
                    driveSiText(static_cast<F>(field), box->text(), choice_));
    refresh();
    emit inputsChanged();
}

void DrivePanel::refresh() {
    totals_ = driveTotals(parts_.list());
    results_ = computeDrive(inputs_, totals_);

    for (int i = 0; i < DriveInputs::FieldCount; ++i) {
        const QString hint = driveHintText(results_.hints[i], texts_);
        hints_[i]->setText(hint);
        hints_[i]->setVisible(!hint.isEmpty());
        restyle(boxes_[i], hint.isEmpty() ? QString() : QLatin1String(WrongBoxStyle));
        boxes_[i]->setToolTip(hint);
    }
    const QList<DriveRow> totals = driveTotalRows(totals_, choice_, texts_);
    for (int i = 0; i < 3; ++i) {
        totalCaptions_[i]->setText(totals[i].caption);
        totalValues_[i]->setText(totals[i].value);
        totalUnits_[i]->setText(totals[i].unit);
    }
    const QList<DriveRow> rows = driveResultRows(results_, choice_, texts_);
    for (size_t i = 0; i < resultValues_.size(); ++i) {
        const DriveRow& r = rows[static_cast<int>(i)];
        resultCaptions_[i]->setText(r.caption);
        resultValues_[i]->setText(r.value);
        resultUnits_[i]->setText(r.value.isEmpty() ? QString() : r.unit);
    }
    const bool valid = results_.valid();
    fixNote_->setVisible(!valid);
    const bool above = results_.verdict == RatioVerdict::Above;
    verdict_->setText(
        driveVerdictText(results_, texts_) +
        (above ? QStringLiteral(": ") + texts_.value(DriveEntry::AboveAdvice) : QString()));
    verdict_->setVisible(results_.verdict.has_value());
    restyle(verdict_, above ? QLatin1String(HintStyle) : QString());
    coastNote_->setVisible(results_.coastTime.has_value());
    brakingNote_->setVisible(results_.brakingEnergy.has_value());
    refreshMotorCheck();
    const DriveProfile profile = driveProfile(inputs_, results_);
    plot_->setPlot(profile, choice_, texts_);
    tabs_->setTabEnabled(tabs_->indexOf(plot_), !profile.empty());
}

void DrivePanel::refreshMotorCheck() {
    check_ =
        chosen_ ? checkMotor(chosen_->motor, chosen_->withBrake, inputs_, totals_) : MotorCheck{};
    const bool shown = chosen_.has_value();
    const bool wasShown = !checkHeading_->isHidden();
    checkHeading_->setVisible(shown);
    motorVerdict_->setVisible(shown);
    const QList<MotorCheckRow> rows = motorCheckRows(check_, choice_, texts_);
    for (int i = 0; i < MotorCriterionCount; ++i) {
        const MotorCheckRow& r = rows[i];
        criterionCaptions_[i]->setText(r.caption);
        comparisons_[i]->setText(criterionComparison(r));
        margins_[i]->setText(r.margin);
        criterionVerdicts_[i]->setText(r.verdict);
        restyle(criterionVerdicts_[i],
                !r.present ? QString() : QLatin1String(r.pass ? PassStyle : HintStyle));
        for (QLabel* l :
             {criterionCaptions_[i], comparisons_[i], margins_[i], criterionVerdicts_[i]})
            l->setVisible(shown);
    }
    // The panel as wide as its rows with or without the check.
    if (shown != wasShown) fitWidth();
    if (!shown) return;
    checkHeading_->setText(texts_.value(MotorEntry::Title) + QStringLiteral(": ") +
                           chosen_->motor.name);
    const std::optional<MotorVerdict> verdict = check_.verdict();
    motorVerdict_->setText(texts_.value(MotorCheckEntry::Verdict) + QStringLiteral(": ") +
                           motorVerdictText(check_, texts_));
    restyle(motorVerdict_,
            !verdict ? QString()
                     : QLatin1String(*verdict == MotorVerdict::Pass ? PassStyle : HintStyle));
}

} // namespace ostrel
