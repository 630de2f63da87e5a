#include "app/drivepanel.h"

#include "app/driveplotview.h"
#include "app/textlimitvalidator.h"
#include "list/partslistmodel.h"
#include "list/projectfile.h"
#include "report/driveblock.h"

#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ostrel {

namespace {

using F = DriveInputs::Field;

constexpr int BoxWidth = 90;
constexpr int SizingTabTitle = 633;
constexpr int ProfileTabTitle = 634;
const char* const HintStyle = "color: #b00000;";
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
    }
    coastNote_ = label(content, QStringLiteral("driveCoastNote"));
    coastNote_->setWordWrap(true);
    QFont small = coastNote_->font();
    small.setItalic(true);
    coastNote_->setFont(small);
    grid->addWidget(coastNote_, row++, 0, 1, 3);
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

void DrivePanel::setInputs(const DriveInputs& inputs) {
    inputs_ = inputs;
    for (int i = 0; i < DriveInputs::FieldCount; ++i)
        boxes_[i]->setText(
            driveBoxText(static_cast<F>(i), inputs_.text(static_cast<F>(i)), choice_));
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
        boxes_[i]->setStyleSheet(hint.isEmpty() ? QString() : QLatin1String(WrongBoxStyle));
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
    verdict_->setStyleSheet(above ? QLatin1String(HintStyle) : QString());
    coastNote_->setVisible(results_.coastTime.has_value());
    const DriveProfile profile = driveProfile(inputs_, results_);
    plot_->setPlot(profile, choice_, texts_);
    tabs_->setTabEnabled(tabs_->indexOf(plot_), !profile.empty());
}

} // namespace ostrel
