#include "app/mainwindow.h"

#include "about/aboutwindow.h"
#include "app/columnwidths.h"
#include "app/displaymenu.h"
#include "app/displaysettings.h"
#include "app/drivepanel.h"
#include "app/fittedscrollarea.h"
#include "app/imagelist.h"
#include "app/materialsdialog.h"
#include "app/motorsdialog.h"
#include "app/parteditor.h"
#include "app/projectcommands.h"
#include "app/usermotors.h"
#include "app/windowcommands.h"
#include "app/windowtranslation.h"
#include "drive/drivefile.h"
#include "drive/motorlist.h"
#include "language/configfile.h"
#include "list/partslistmodel.h"
#include "list/projectfile.h"
#include "list/totalsmodel.h"
#include "platform/dialogs.h"
#include "report/reportcommands.h"
#include "solids/calculation.h"
#include "solids/kinds.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace ostrel {

namespace {

constexpr int kResultWidthTwips = 685; // partsTable columns 1 ... 4 and totalsTable columns 1 ... 4
constexpr int kInputWidthTwips = 545;  // partsTable columns 5 ... 14
constexpr int kHiddenWidthTwips = 1;   // a column this wide is hidden; its cells keep their data
constexpr int kCoupledColumns = 5;     // columns 0 ... 4 of both grids keep the same widths
constexpr QSize kSmallestStartSize(880, 620);
// The captions of every question's Yes and No buttons.
constexpr int EntryYesButton = 790;
constexpr int EntryNoButton = 791;
// The settings key of the window's place and size at the last normal end.
const QString GeometryKey = QStringLiteral("window/geometry");

// A caption without the "&" that marks an access key ("&&" stands for one "&").
QString withoutAccessKey(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i >= caption.size()) break;
        plain += caption[i];
    }
    return plain;
}

QString withAccessKeysEscaped(QString caption) {
    return caption.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

MainWindow::MainWindow(const QString& programDir, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Calcul d'Ostrel"));
    programDir_ = programDir;
    if (!programDir_.endsWith(QLatin1Char('/'))) programDir_ += QLatin1Char('/');

    images_ = std::make_unique<ImageList>(programDir_);
    partsModel_ = new PartsListModel(parts_, this);
    partsModel_->setPictureProvider([this](int image) { return images_->image(image); });
    totalsModel_ = new TotalsModel(*partsModel_, this);
    report_ = std::make_unique<ReportCommands>(dialogs_, this);

    commands_ = new WindowCommands(*this, *images_);
    commands_->showGroup(0); // the centred kinds at start
    project_ = new ProjectCommands(*this, *partsModel_, dialogs_, language_);
    buildCentralWidget();
    drivePanel_ = new DrivePanel(*partsModel_, this);
    addDockWidget(Qt::RightDockWidgetArea, drivePanel_);
    commands_->addPanelToggle(drivePanel_->toggleViewAction());
    motors_ = new UserMotors(motorListPath(), this);
    drivePanel_->setMotorSource(*motors_, dialogs_);
    report_->setDrive(&drivePanel_->inputs(), &drivePanel_->motor());
    // The editor's inputs go into the recovery copy and come back with it.
    project_->setEditorLink([this] { return editor_->inputs(); },
                            [this](const EditorInputs& in) { editor_->restoreInputs(in); });
    for (QLineEdit* box : editor_->findChildren<QLineEdit*>())
        connect(box, &QLineEdit::textChanged, project_, &ProjectCommands::editorChanged);
    for (QRadioButton* option : editor_->findChildren<QRadioButton*>())
        connect(option, &QRadioButton::toggled, project_, &ProjectCommands::editorChanged);
    // Whatever changes the list (an add, Open, New, undo, redo) leaves every cell whole.
    connect(partsModel_, &QAbstractItemModel::modelReset, this, [this] { fitColumns(); });
    connect(partsModel_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first) { fitColumns(first); });
    connect(partsModel_, &PartsListModel::totalsChanged, this,
            [this] { fitColumns(partsModel_->rowCount()); });
    // The drive inputs belong to the project: typed ones are saved with it and undone like
    // any other change; an opened, new or restored project gives the panel its own.
    // So does the chosen motor: its data are copied into the project.
    connect(drivePanel_, &DrivePanel::inputsChanged, this, [this] {
        const std::optional<ChosenMotor>& motor = drivePanel_->motor();
        project_->setDrive(driveToJson(drivePanel_->inputs()),
                           motor ? chosenMotorToJson(*motor) : QJsonObject());
    });
    connect(project_, &ProjectCommands::driveChanged, this,
            [this](const QJsonObject& drive, const QJsonObject& motor) {
                const DriveInputs inputs = driveFromJson(drive);
                const std::optional<ChosenMotor> chosen = chosenMotorFromJson(motor);
                if (!(inputs == drivePanel_->inputs()) || chosen != drivePanel_->motor())
                    drivePanel_->setInputs(inputs, chosen);
            });

    // The display of results: the window applies a new choice first, then the others hear it.
    displaySettings_ = new DisplaySettings(this);
    connect(displaySettings_, &DisplaySettings::changed, this, &MainWindow::applyDisplay);
    displayMenu_ = new DisplayMenu(*displaySettings_, this);
    if (auto* preferences = findChild<QMenu*>(QStringLiteral("preferencesMenu")))
        preferences->addMenu(displayMenu_->menu());
    displayMenu_->attachAsContextMenu(editor_->resultBlock());
    displayMenu_->attachAsContextMenu(partsTable_->horizontalHeader());
    displayMenu_->attachAsContextMenu(totalsTable_);

    connectProjectItems();
    setAcceptDrops(true);

    connect(commands_, &WindowCommands::kindChosen, this, &MainWindow::kindCommand);
    connect(commands_, &WindowCommands::printRequested, this, &MainWindow::print);
    connect(commands_, &WindowCommands::previewRequested, this, &MainWindow::preview);
    connect(commands_, &WindowCommands::exportRequested, this, &MainWindow::exportPdf);
    connect(commands_, &WindowCommands::aboutRequested, this, &MainWindow::about);
    connect(commands_, &WindowCommands::motorsRequested, this, &MainWindow::motorsCommand);
    connect(commands_, &WindowCommands::materialsRequested, this, &MainWindow::materialsCommand);
    connect(commands_, &WindowCommands::quitRequested, this, &MainWindow::quitCommand);
    connect(commands_, &WindowCommands::languageChosen, this, &MainWindow::languageItemChosen);

    load();
    // A list left behind by a session that did not end normally is offered back.
    if (ok_) project_->offerRecovery();
}

MainWindow::~MainWindow() {
    // The editor, the grids and the models read the list, the texts and the pictures, which
    // are members: they go first, after the undo history that refers to the model.
    delete project_;
    project_ = nullptr;
    delete takeCentralWidget();
    delete drivePanel_;
    delete totalsModel_;
    delete partsModel_;
}

void MainWindow::buildCentralWidget() {
    // The editor, the list and the buttons scroll together when the window is forced below its
    // minimum size.
    auto* scroll = new FittedScrollArea(this);
    scroll->setObjectName(QStringLiteral("centralScroll"));
    auto* central = new QWidget(scroll);
    central->setObjectName(QStringLiteral("centralWidget"));

    editor_ = new PartEditor(programDir_, language_, *images_, dialogs_, central);
    editor_->setObjectName(QStringLiteral("partEditor"));
    editor_->setOwnMaterials(materials_.load());

    partsTable_ = new QTableView(central);
    partsTable_->setObjectName(QStringLiteral("partsTable"));
    partsTable_->setModel(partsModel_);
    partsTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    partsTable_->setSelectionMode(QAbstractItemView::ExtendedSelection); // rows to copy
    partsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    partsTable_->verticalHeader()->hide();
    partsTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    partsTable_->horizontalHeader()->setHighlightSections(false);
    partsTable_->setWordWrap(false);

    totalsTable_ = new QTableView(central);
    totalsTable_->setObjectName(QStringLiteral("totalsTable"));
    totalsTable_->setModel(totalsModel_);
    totalsTable_->setSelectionMode(QAbstractItemView::NoSelection);
    totalsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    totalsTable_->setFocusPolicy(Qt::NoFocus);
    totalsTable_->verticalHeader()->hide();
    totalsTable_->horizontalHeader()->hide();
    totalsTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    totalsTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The grids' columns are as narrow as the list was designed (a few hundred twips): a
    // small font keeps their numbers whole.
    QFont small = partsTable_->font();
    small.setPointSizeF(std::min(small.pointSizeF(), 8.0));
    partsTable_->setFont(small);
    partsTable_->horizontalHeader()->setFont(small);
    totalsTable_->setFont(small);

    addButton_ = new QPushButton(QStringLiteral("+"), central);
    addButton_->setObjectName(QStringLiteral("addButton"));
    takeBackButton_ = new QPushButton(QStringLiteral("−"), central);
    takeBackButton_->setObjectName(QStringLiteral("takeBackButton"));
    quitButton_ = new QPushButton(QStringLiteral("&Quitter"), central);
    quitButton_->setObjectName(QStringLiteral("quitButton"));
    for (QPushButton* b : {addButton_, takeBackButton_}) {
        QFont big = b->font();
        big.setBold(true);
        big.setPointSizeF(big.pointSizeF() * 1.4);
        b->setFont(big);
    }
    // Enter (and the keypad's Enter) on a focused button presses it, as Space does.
    for (QPushButton* b : {addButton_, takeBackButton_, quitButton_})
        b->setAutoDefault(true);
    editor_->setEndOfChain(addButton_);

    connect(addButton_, &QPushButton::clicked, this, &MainWindow::addPart);
    connect(takeBackButton_, &QPushButton::clicked, this, &MainWindow::takeBackPart);
    connect(quitButton_, &QPushButton::clicked, this, &MainWindow::quitCommand);
    connect(partsTable_, &QTableView::doubleClicked, this, [this] { takeBackPart(); });
    connect(partsTable_, &QTableView::clicked, this, [this] { partsTableClicked(); });
    connect(totalsTable_, &QTableView::clicked, this, [this] { totalsTableClicked(); });
    // The totals stay under their columns while the list scrolls sideways or a column is
    // resized by its heading.
    connect(partsTable_->horizontalScrollBar(), &QScrollBar::valueChanged,
            totalsTable_->horizontalScrollBar(), &QScrollBar::setValue);
    connect(partsTable_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (column < kCoupledColumns) totalsTable_->setColumnWidth(column, width);
            });

    auto* listFrame = new QVBoxLayout;
    listFrame->setSpacing(0);
    listFrame->addWidget(partsTable_, 1);
    listFrame->addWidget(totalsTable_, 0);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(addButton_);
    buttons->addWidget(takeBackButton_);
    buttons->addStretch(1);
    buttons->addWidget(quitButton_);

    auto* lower = new QHBoxLayout;
    lower->addLayout(listFrame, 1);
    lower->addLayout(buttons, 0);

    auto* rule = new QFrame(central);
    rule->setObjectName(QStringLiteral("editorRule"));
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(editor_, 0);
    layout->addWidget(rule);
    layout->addLayout(lower, 1);
    scroll->setWidget(central);
    setCentralWidget(scroll);
}

// The load of the window, in order; after the store is open a failing step is skipped.
void MainWindow::load() {
    (void)pi(); // computed once for the formulas and the figures
    const QString failure = openLanguageStore(store_, programDir_);
    if (!failure.isEmpty()) {
        dialogs_.message(failure, MessageIcon::Exclamation, windowTitle());
        return;
    }
    ok_ = true;
    QString error;
    const QStringList languages = startLanguage(store_, language_, programDir_, &error);
    fillLanguageMenu(languages);
    markWorkingLanguage();
    translateWindow(*this, language_);
    drivePanel_->setTexts(language_.texts);
    project_->setApplicationTitle(language_.text(12));
    dialogs_.setAnswerButtons({language_.text(EntryYesButton), language_.text(EntryNoButton)});
    // A motor list that cannot be read is told once and kept as it is.
    if (const std::vector<MessagePiece> refusal = motors_->load(); !refusal.empty())
        dialogs_.message(messageText(refusal, language_.texts), MessageIcon::Exclamation,
                         windowTitle());
    layOutGrids();
    displaySettings_->load(); // a stored choice other than Classic is applied on its signal
    applyDisplay(displaySettings_->choice());
    // Where the user left the window at the last normal end, else as large as its content.
    if (!restoreGeometry(QSettings().value(GeometryKey).toByteArray()))
        resize(sizeHint().expandedTo(kSmallestStartSize));
}

void MainWindow::fillLanguageMenu(const QStringList& languages) {
    for (int j = 1; j <= languages.size() && j <= WindowCommands::LanguageItems; ++j) {
        QAction* item = commands_->languageItem(j);
        item->setVisible(true);
        item->setText(withAccessKeysEscaped(languages[j - 1]));
    }
}

void MainWindow::markWorkingLanguage() {
    for (int j = 1; j <= WindowCommands::LanguageItems; ++j) {
        QAction* item = commands_->languageItem(j);
        item->setChecked(item->isVisible() && withoutAccessKey(item->text()) == language_.current);
    }
}

// The headings and the totals caption in the working language; column 0 as wide as the row's
// picture and the caption.
void MainWindow::translateGrids() {
    partsModel_->setHeadings(PartsList::headings(language_.texts));
    const QString totalsCaption = language_.text(385);
    partsModel_->setTotalsCaption(totalsCaption);
    const int column0 = std::max(images_->imageSize().width() + 8,
                                 totalsTable_->fontMetrics().horizontalAdvance(totalsCaption) + 12);
    partsTable_->setColumnWidth(0, column0);
    totalsTable_->setColumnWidth(0, column0);
    if (!designedWidths_.empty()) designedWidths_[0] = column0;
}

void MainWindow::layOutGrids() {
    const auto pixels = [this](int twips) {
        return qRound(twips * static_cast<double>(logicalDpiX()) / 1440.0);
    };
    const QSize picture = images_->imageSize();
    // A part row is as tall as its picture; the totals line as its text.
    const int rowHeight = std::max(picture.height(), partsTable_->fontMetrics().height()) + 4;
    partsTable_->verticalHeader()->setDefaultSectionSize(rowHeight);
    const int totalsHeight = totalsTable_->fontMetrics().height() + 10;
    totalsTable_->verticalHeader()->setDefaultSectionSize(totalsHeight);
    totalsTable_->setFixedHeight(totalsHeight + 2 * totalsTable_->frameWidth());

    translateGrids(); // column 0 too
    for (int c = 1; c <= 4; ++c)
        partsTable_->setColumnWidth(c, pixels(kResultWidthTwips));
    for (int c = 5; c <= 14; ++c)
        partsTable_->setColumnWidth(c, pixels(kInputWidthTwips));
    for (int c : {5, 8, 9, 14}) {
        partsTable_->setColumnWidth(c, pixels(kHiddenWidthTwips));
        partsTable_->setColumnHidden(c, true);
    }

    for (int c = 1; c <= 4; ++c)
        totalsTable_->setColumnWidth(c, pixels(kResultWidthTwips));

    designedWidths_.assign(PartsList::ColumnCount, 0);
    for (int c = 0; c < PartsList::ColumnCount; ++c)
        designedWidths_[size_t(c)] = partsTable_->columnWidth(c);
    fitColumns();
}

void MainWindow::fitColumns(int first) {
    if (designedWidths_.size() != size_t(PartsList::ColumnCount)) return; // not laid out yet
    std::vector<int> widths = designedWidths_;
    if (first >= 0) {
        for (int c = 0; c < PartsList::ColumnCount; ++c)
            widths[size_t(c)] = partsTable_->columnWidth(c);
    } else {
        for (int c = 1; c < PartsList::ColumnCount; ++c)
            widths[size_t(c)] =
                std::max(widths[size_t(c)], partsTable_->horizontalHeader()->sectionSizeHint(c));
    }
    ColumnWidths::widen(widths, *partsModel_, partsTable_->fontMetrics(), std::max(first, 0),
                        partsModel_->rowCount() - 1);
    ColumnWidths::widen(widths, *totalsModel_, totalsTable_->fontMetrics(), 0, 0);
    for (int c = 1; c < PartsList::ColumnCount; ++c) {
        if (partsTable_->isColumnHidden(c)) continue; // hidden columns stay hidden
        partsTable_->setColumnWidth(c, widths[size_t(c)]);
    }
    copyWidths(partsTable_, totalsTable_);
}

const DisplayChoice& MainWindow::displayChoice() const {
    return displaySettings_->choice();
}

void MainWindow::applyDisplay(const DisplayChoice& choice) {
    partsModel_->setDisplay(choice);
    project_->setDisplay(choice);
    editor_->setDisplay(choice);
    drivePanel_->setDisplayChoice(choice);
    // The cells and headings changed their texts: every column is fitted again.
    fitColumns();
}

void MainWindow::kindCommand(int code) {
    if (!isKnownKind(code)) return;
    editor_->setKindIcon(kindImage(code));
    editor_->setUpKind(code);
}

void MainWindow::materialsCommand() {
    MaterialsDialog dialog(language_, materials_, dialogs_, this);
    dialogs_.exec(dialog);
    if (dialog.changed()) editor_->setOwnMaterials(materials_.load());
}

void MainWindow::addPart() {
    using AddRule = PartsList::AddRule;
    using Kind = PartsList::AddOutcome::Kind;
    // The line is what the boxes hold now, also a text pasted without a key release.
    editor_->calculatePart();
    // The add button confirms the editor's inputs: a line whose inputs contradict is not added.
    if (!editor_->confirmInputs(true)) return;
    // Inputs without a result: the box and the reason, and nothing changes.
    if (const QString refusal = editor_->refusal(); !refusal.isEmpty()) {
        dialogs_.message(refusal, MessageIcon::Exclamation, windowTitle());
        return;
    }
    const PartsList::Line line = editor_->line();
    // With significant digits a line is judged on its exact results, which the classic masks
    // may show as 0.
    AddRule rule = displayChoice().classic() ? AddRule::Classic : AddRule::Exact;
    // A part the classic masks show as nothing although it is not zero: the user may switch to
    // significant digits, which show it, and add it; otherwise nothing changes.
    if (rule == AddRule::Classic &&
        parts_.prepareAdd(line, AddRule::Classic).outcome.kind == Kind::Ignored &&
        parts_.prepareAdd(line, AddRule::Exact).outcome.kind != Kind::Ignored) {
        if (!dialogs_.question(language_.text(608), windowTitle())) return;
        DisplayChoice significant = displayChoice();
        significant.digits = Digits::Significant4;
        displaySettings_->setChoice(significant);
        rule = AddRule::Exact;
    }
    const PartsList::AddOutcome outcome = project_->add(line, rule);
    switch (outcome.kind) {
    case PartsList::AddOutcome::Kind::Ignored:
        dialogs_.message(language_.text(607), MessageIcon::Information, windowTitle());
        return;
    case PartsList::AddOutcome::Kind::Refused:
        dialogs_.message(PartEditor::joinMessage(outcome.message, language_), outcome.icon,
                         windowTitle());
        return;
    case PartsList::AddOutcome::Kind::Added:
        break;
    }
    const int row = partsModel_->rowCount() - 1;
    // The new row becomes current, which also scrolls it into view.
    partsTable_->setCurrentIndex(partsModel_->index(row, PartsList::ColumnCount - 1));
    editor_->clearAfterAdd();
}

void MainWindow::takeBackPart() {
    const QModelIndex current = partsTable_->currentIndex();
    if (current.model() != partsModel_) return;
    const std::optional<PartsList::TakenBack> taken =
        project_->takeBack(PartsListModel::listRow(current));
    if (taken) editor_->takeBack(*taken);
}

void MainWindow::copyWidths(QTableView* from, QTableView* to) {
    for (int c = 0; c < kCoupledColumns; ++c)
        to->setColumnWidth(c, from->columnWidth(c));
}

void MainWindow::partsTableClicked() {
    copyWidths(partsTable_, totalsTable_);
}

void MainWindow::totalsTableClicked() {
    copyWidths(totalsTable_, partsTable_);
}

void MainWindow::languageItemChosen(int index) {
    QAction* item = commands_->languageItem(index);
    if (!item) return;
    const LanguageChoice choice =
        chooseLanguage(store_, language_, withoutAccessKey(item->text()), programDir_);
    if (!choice.loaded) {
        // The working language stays as it was, and so does its mark in the menu.
        markWorkingLanguage();
        dialogs_.message(choice.error, MessageIcon::Exclamation, windowTitle());
        return;
    }
    markWorkingLanguage();
    translateWindow(*this, language_);
    editor_->retranslate();
    translateGrids();
    fitColumns();
    drivePanel_->setTexts(language_.texts);
    project_->setApplicationTitle(language_.text(12));
    dialogs_.setAnswerButtons({language_.text(EntryYesButton), language_.text(EntryNoButton)});
    if (!choice.config.ok) {
        QString text = language_.text(444);
        if (text.isEmpty())
            text = QStringLiteral("The working language could not be saved in this file:");
        const QString path = choice.config.path.isEmpty()
                                 ? programDir_ + QStringLiteral("Ostrel.cfg")
                                 : choice.config.path;
        dialogs_.message(text + QLatin1Char('\n') + path, MessageIcon::Exclamation, windowTitle());
    }
}

void MainWindow::quitCommand() {
    if (!close()) return; // the user kept the window
    if (quit_)
        quit_();
    else
        QCoreApplication::quit();
}

void MainWindow::print() {
    report_->print(parts_, language_.texts, displayChoice(), project_->header().title);
}

void MainWindow::preview() {
    report_->preview(parts_, language_.texts, displayChoice(), project_->header().title);
}

void MainWindow::exportPdf() {
    report_->exportPdf(parts_, language_.texts, displayChoice(), project_->header().title);
}

void MainWindow::motorsCommand() {
    MotorsDialog dialog(*motors_, dialogs_, language_.texts, displayChoice(), this);
    dialogs_.exec(dialog);
}

void MainWindow::about() {
    showAboutWindow(dialogs_, programDir_, language_.texts, this);
}

void MainWindow::connectProjectItems() {
    const WindowCommands::ProjectItems& items = commands_->projectItems();
    ProjectCommands* p = project_;
    connect(items.newProject, &QAction::triggered, p, &ProjectCommands::newProject);
    connect(items.open, &QAction::triggered, p, &ProjectCommands::open);
    connect(items.save, &QAction::triggered, p, &ProjectCommands::save);
    connect(items.saveAs, &QAction::triggered, p, &ProjectCommands::saveAs);
    connect(items.properties, &QAction::triggered, p, &ProjectCommands::editProperties);
    connect(items.exportCsv, &QAction::triggered, p, &ProjectCommands::exportCsv);
    connect(items.copy, &QAction::triggered, this, &MainWindow::copyCommand);
    QUndoStack& undo = p->undoStack();
    connect(items.undo, &QAction::triggered, &undo, &QUndoStack::undo);
    connect(items.redo, &QAction::triggered, &undo, &QUndoStack::redo);
    connect(&undo, &QUndoStack::canUndoChanged, items.undo, &QAction::setEnabled);
    connect(&undo, &QUndoStack::canRedoChanged, items.redo, &QAction::setEnabled);
    items.undo->setEnabled(undo.canUndo());
    items.redo->setEnabled(undo.canRedo());
    const auto fillRecent = [this] { project_->fillRecentMenu(*commands_->projectItems().recent); };
    connect(p, &ProjectCommands::recentFilesChanged, this, fillRecent);
    fillRecent();
}

bool MainWindow::openFile(const QString& path) {
    return project_->openFile(path);
}

// The selected rows of the list, or all of it when none is selected.
void MainWindow::copyCommand() {
    std::vector<int> rows;
    for (const QModelIndex& index : partsTable_->selectionModel()->selectedRows())
        rows.push_back(PartsListModel::listRow(index));
    std::sort(rows.begin(), rows.end());
    project_->copy(rows);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!project_->maybeSave()) {
        event->ignore();
        return;
    }
    project_->endSession();
    QSettings().setValue(GeometryKey, saveGeometry());
    event->accept();
}

namespace {

// The first local file of a drag, or an empty text.
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // Opened once the drop is over: the questions of Open must not hold the drag's source.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

} // namespace ostrel
