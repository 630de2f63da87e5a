#include "app/ostrel.h"

#include "about/propos.h"
#include "app/commandes.h"
#include "app/displaymenu.h"
#include "app/displaysettings.h"
#include "app/drivepanel.h"
#include "app/editeur.h"
#include "app/imagelist.h"
#include "app/largeurscolonnes.h"
#include "app/projectcommands.h"
#include "app/traduction.h"
#include "drive/drivefile.h"
#include "language/configfile.h"
#include "list/partslistmodel.h"
#include "list/totalsmodel.h"
#include "platform/dialogs.h"
#include "report/reportcommands.h"
#include "solids/calcul.h"
#include "solids/catalogue.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace ostrel {

namespace {

constexpr int kResultTwips = 685;  // Grille1 columns 1 ... 4 and Grille2 columns 1 ... 4
constexpr int kInputTwips = 545;   // Grille1 columns 5 ... 14
constexpr int kHiddenTwips = 1;    // a column this wide is hidden; its cells keep their data
constexpr int kCoupledColumns = 5; // columns 0 ... 4 of both grids keep the same widths
// The entry of the design captions of the grid headings 1 ... 14: 0 for a fixed text.
struct Heading {
    const char* text;
    int entry;
};
constexpr Heading kHeadings[14] = {{"M. Tot", 0}, {"", 40},     {"", 41},     {"", 42}, {"T M", 0},
                                   {"Qté", 0},    {"Ap/In", 0}, {"U. M.", 0}, {"µ", 0}, {"R", 0},
                                   {"D", 0},      {"d", 0},     {"H", 0},     {"N", 0}};

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

Ostrel::Ostrel(const QString& programDir, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Ostrel"));
    setWindowTitle(QStringLiteral("Calcul d'Ostrel"));
    cheminAppli_ = programDir;
    if (!cheminAppli_.endsWith(QLatin1Char('/'))) cheminAppli_ += QLatin1Char('/');

    images_ = std::make_unique<ImageList>(cheminAppli_);
    partsModel_ = new PartsListModel(parts_, this);
    partsModel_->setPictureProvider([this](int image) { return images_->image(image); });
    totalsModel_ = new TotalsModel(*partsModel_, this);
    report_ = std::make_unique<ReportCommands>(dialogs_, this);

    commandes_ = new Commandes(*this, *images_);
    commandes_->showGroup(0); // the centred kinds at start
    project_ = new ProjectCommands(*this, *partsModel_, dialogs_, langue_);
    buildCentralWidget();
    drivePanel_ = new DrivePanel(*partsModel_, this);
    addDockWidget(Qt::RightDockWidgetArea, drivePanel_);
    commandes_->addPanelToggle(drivePanel_->toggleViewAction());
    report_->setDrive(&drivePanel_->inputs());
    // The drive inputs belong to the project: typed ones are saved with it and undone like
    // any other change; an opened, new or restored project gives the panel its own.
    connect(drivePanel_, &DrivePanel::inputsChanged, this,
            [this] { project_->setDrive(driveToJson(drivePanel_->inputs())); });
    connect(project_, &ProjectCommands::driveChanged, this, [this](const QJsonObject& drive) {
        const DriveInputs inputs = driveFromJson(drive);
        if (!(inputs == drivePanel_->inputs())) drivePanel_->setInputs(inputs);
    });

    // The display of results: the window applies a new choice first, then the others hear it.
    displaySettings_ = new DisplaySettings(this);
    connect(displaySettings_, &DisplaySettings::changed, this, &Ostrel::applyDisplay);
    displayMenu_ = new DisplayMenu(*displaySettings_, this);
    if (auto* preferences = findChild<QMenu*>(QStringLiteral("M_Idiomas")))
        preferences->addMenu(displayMenu_->menu());
    displayMenu_->attachAsContextMenu(editeur_->resultBlock());
    displayMenu_->attachAsContextMenu(grille1_->horizontalHeader());
    displayMenu_->attachAsContextMenu(grille2_);

    connectProjectItems();
    setAcceptDrops(true);

    connect(commandes_, &Commandes::kindChosen, this, &Ostrel::kindCommand);
    connect(commandes_, &Commandes::printRequested, this, &Ostrel::print);
    connect(commandes_, &Commandes::previewRequested, this, &Ostrel::preview);
    connect(commandes_, &Commandes::exportRequested, this, &Ostrel::exportPdf);
    connect(commandes_, &Commandes::aboutRequested, this, &Ostrel::about);
    connect(commandes_, &Commandes::quitRequested, this, &Ostrel::quitCommand);
    connect(commandes_, &Commandes::languageChosen, this, &Ostrel::FichierLanguesDisponibles_Click);

    load();
    // A list left behind by a session that did not end normally is offered back.
    if (ok_) project_->offerRecovery();
}

Ostrel::~Ostrel() {
    // The editor, the grids and the models read the list, the texts and the pictures, which
    // are members: they go first, after the undo history that refers to the model.
    delete project_;
    project_ = nullptr;
    delete takeCentralWidget();
    delete drivePanel_;
    delete totalsModel_;
    delete partsModel_;
}

void Ostrel::buildCentralWidget() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);

    editeur_ = new Editeur(cheminAppli_, langue_, *images_, dialogs_, central);
    editeur_->setObjectName(QStringLiteral("Editeur"));

    grille1_ = new QTableView(central);
    grille1_->setObjectName(QStringLiteral("Grille1"));
    grille1_->setModel(partsModel_);
    grille1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grille1_->setSelectionMode(QAbstractItemView::ExtendedSelection); // rows to copy
    grille1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grille1_->verticalHeader()->hide();
    grille1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grille1_->horizontalHeader()->setHighlightSections(false);
    grille1_->setWordWrap(false);

    grille2_ = new QTableView(central);
    grille2_->setObjectName(QStringLiteral("Grille2"));
    grille2_->setModel(totalsModel_);
    grille2_->setSelectionMode(QAbstractItemView::NoSelection);
    grille2_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grille2_->setFocusPolicy(Qt::NoFocus);
    grille2_->verticalHeader()->hide();
    grille2_->horizontalHeader()->hide();
    grille2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grille2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The grids' columns are as narrow as the list was designed (a few hundred twips): a
    // small font keeps their numbers whole.
    QFont small = grille1_->font();
    small.setPointSizeF(std::min(small.pointSizeF(), 8.0));
    grille1_->setFont(small);
    grille1_->horizontalHeader()->setFont(small);
    grille2_->setFont(small);

    plus_ = new QPushButton(QStringLiteral("+"), central);
    plus_->setObjectName(QStringLiteral("Plus"));
    moins_ = new QPushButton(QStringLiteral("−"), central);
    moins_->setObjectName(QStringLiteral("Moins"));
    ok_button_ = new QPushButton(QStringLiteral("&Quitter"), central);
    ok_button_->setObjectName(QStringLiteral("Ok"));
    for (QPushButton* b : {plus_, moins_}) {
        QFont big = b->font();
        big.setBold(true);
        big.setPointSizeF(big.pointSizeF() * 1.4);
        b->setFont(big);
    }
    // Enter (and the keypad's Enter) on a focused button presses it, as Space does.
    for (QPushButton* b : {plus_, moins_, ok_button_})
        b->setAutoDefault(true);
    editeur_->setEndOfChain(plus_);

    connect(plus_, &QPushButton::clicked, this, &Ostrel::AjoutePiece);
    connect(moins_, &QPushButton::clicked, this, &Ostrel::Grille1_DblClick);
    connect(ok_button_, &QPushButton::clicked, this, &Ostrel::quitCommand);
    connect(grille1_, &QTableView::doubleClicked, this, [this] { Grille1_DblClick(); });
    connect(grille1_, &QTableView::clicked, this, [this] { Grille1_Click(); });
    connect(grille2_, &QTableView::clicked, this, [this] { Grille2_Click(); });
    // The totals stay under their columns while the list scrolls sideways or a column is
    // resized by its heading.
    connect(grille1_->horizontalScrollBar(), &QScrollBar::valueChanged,
            grille2_->horizontalScrollBar(), &QScrollBar::setValue);
    connect(grille1_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (column < kCoupledColumns) grille2_->setColumnWidth(column, width);
            });

    auto* listFrame = new QVBoxLayout;
    listFrame->setSpacing(0);
    listFrame->addWidget(grille1_, 1);
    listFrame->addWidget(grille2_, 0);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(plus_);
    buttons->addWidget(moins_);
    buttons->addStretch(1);
    buttons->addWidget(ok_button_);

    auto* lower = new QHBoxLayout;
    lower->addLayout(listFrame, 1);
    lower->addLayout(buttons, 0);

    auto* rule = new QFrame(central);
    rule->setObjectName(QStringLiteral("Picture3"));
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(editeur_, 0);
    layout->addWidget(rule);
    layout->addLayout(lower, 1);
}

// The load of the window, in order; after the store is open a failing step is skipped.
void Ostrel::load() {
    (void)Pi(); // computed once for the formulas and the figures
    const QString failure = ouvrirBaseLangues(store_, cheminAppli_);
    if (!failure.isEmpty()) {
        dialogs_.message(failure, MessageIcon::Exclamation, windowTitle());
        return;
    }
    ok_ = true;
    QString error;
    const QStringList languages = demarreLangue(store_, langue_, cheminAppli_, &error);
    fillLanguageMenu(languages);
    TraduitFenetre(*this, langue_);
    drivePanel_->setTexts(langue_.textes);
    project_->setApplicationTitle(langue_.texte(12));
    layOutGrids();
    displaySettings_->load(); // a stored choice other than Classic is applied on its signal
    applyDisplay(displaySettings_->choice());
    resize(sizeHint().expandedTo(QSize(880, 620)));
}

void Ostrel::fillLanguageMenu(const QStringList& languages) {
    for (int j = 1; j <= languages.size() && j <= Commandes::LanguageItems; ++j) {
        QAction* item = commandes_->languageItem(j);
        item->setVisible(true);
        item->setText(withAccessKeysEscaped(languages[j - 1]));
    }
}

void Ostrel::layOutGrids() {
    const auto pixels = [this](int twips) {
        return qRound(twips * static_cast<double>(logicalDpiX()) / 1440.0);
    };
    // Column 0: the row's picture, and in the totals line the caption of entry 385.
    const QSize picture = images_->imageSize();
    const QString totalsCaption = langue_.texte(385);
    const int column0 = std::max(picture.width() + 8,
                                 grille2_->fontMetrics().horizontalAdvance(totalsCaption) + 12);
    // A part row is as tall as its picture; the totals line as its text.
    const int rowHeight = std::max(picture.height(), grille1_->fontMetrics().height()) + 4;
    grille1_->verticalHeader()->setDefaultSectionSize(rowHeight);
    const int totalsHeight = grille2_->fontMetrics().height() + 10;
    grille2_->verticalHeader()->setDefaultSectionSize(totalsHeight);
    grille2_->setFixedHeight(totalsHeight + 2 * grille2_->frameWidth());

    grille1_->setColumnWidth(0, column0);
    for (int c = 1; c <= 4; ++c)
        grille1_->setColumnWidth(c, pixels(kResultTwips));
    for (int c = 5; c <= 14; ++c)
        grille1_->setColumnWidth(c, pixels(kInputTwips));
    for (int c : {5, 8, 9, 14}) {
        grille1_->setColumnWidth(c, pixels(kHiddenTwips));
        grille1_->setColumnHidden(c, true);
    }

    QStringList headings;
    for (const Heading& h : kHeadings)
        headings << (h.entry ? langue_.texte(h.entry) : QString::fromUtf8(h.text));
    partsModel_->setHeadings(headings);

    grille2_->setColumnWidth(0, column0);
    for (int c = 1; c <= 4; ++c)
        grille2_->setColumnWidth(c, pixels(kResultTwips));
    partsModel_->setTotalsCaption(totalsCaption);

    designedWidths_.assign(PartsList::ColumnCount, 0);
    for (int c = 0; c < PartsList::ColumnCount; ++c)
        designedWidths_[size_t(c)] = grille1_->columnWidth(c);
    fitColumns(0);
}

void Ostrel::fitColumns(int first) {
    if (designedWidths_.size() != size_t(PartsList::ColumnCount)) return; // not laid out yet
    std::vector<int> widths = designedWidths_;
    if (first > 0) {
        for (int c = 0; c < PartsList::ColumnCount; ++c)
            widths[size_t(c)] = grille1_->columnWidth(c);
    } else {
        for (int c = 1; c < PartsList::ColumnCount; ++c)
            widths[size_t(c)] =
                std::max(widths[size_t(c)], grille1_->horizontalHeader()->sectionSizeHint(c));
    }
    LargeursColonnes::elargit(widths, *partsModel_, grille1_->fontMetrics(), first,
                              partsModel_->rowCount() - 1);
    LargeursColonnes::elargit(widths, *totalsModel_, grille2_->fontMetrics(), 0, 0);
    for (int c = 1; c < PartsList::ColumnCount; ++c) {
        if (grille1_->isColumnHidden(c)) continue; // hidden columns stay hidden
        grille1_->setColumnWidth(c, widths[size_t(c)]);
    }
    copyWidths(grille1_, grille2_);
}

const DisplayChoice& Ostrel::displayChoice() const {
    return displaySettings_->choice();
}

void Ostrel::applyDisplay(const DisplayChoice& choice) {
    partsModel_->setDisplay(choice);
    editeur_->setDisplay(choice);
    drivePanel_->setDisplayChoice(choice);
    // The cells and headings changed their texts: every column is fitted again.
    fitColumns(0);
}

void Ostrel::kindCommand(int code) {
    const KindInfo* kind = kindInfo(code);
    if (!kind) return;
    editeur_->setImage3(kind->image);
    editeur_->PrepareSolide(code);
}

void Ostrel::AjoutePiece() {
    // Plus confirms the editor's inputs: a line whose inputs contradict is not added.
    if (!editeur_->confirmInputs()) return;
    // With significant digits a line is judged on its exact results, which the classic masks
    // may show as 0.
    const PartsList::AddRule rule =
        displayChoice().classic() ? PartsList::AddRule::Classic : PartsList::AddRule::Exact;
    const PartsList::AddOutcome outcome = project_->add(editeur_->line(), rule);
    switch (outcome.kind) {
    case PartsList::AddOutcome::Kind::Ignored:
        return;
    case PartsList::AddOutcome::Kind::Refused:
        dialogs_.message(Editeur::joinMessage(outcome.message, langue_), outcome.icon,
                         windowTitle());
        return;
    case PartsList::AddOutcome::Kind::Added:
        break;
    }
    const int row = partsModel_->rowCount() - 1;
    fitColumns(row);
    // The new row becomes current, which also scrolls it into view.
    grille1_->setCurrentIndex(partsModel_->index(row, PartsList::ColumnCount - 1));
    editeur_->clearAfterAdd();
}

void Ostrel::Grille1_DblClick() {
    const QModelIndex current = grille1_->currentIndex();
    if (current.model() != partsModel_) return;
    const std::optional<PartsList::TakenBack> taken =
        project_->takeBack(PartsListModel::listRow(current));
    if (taken) editeur_->takeBack(*taken);
}

void Ostrel::copyWidths(QTableView* from, QTableView* to) {
    for (int c = 0; c < kCoupledColumns; ++c)
        to->setColumnWidth(c, from->columnWidth(c));
}

void Ostrel::Grille1_Click() {
    copyWidths(grille1_, grille2_);
}

void Ostrel::Grille2_Click() {
    copyWidths(grille2_, grille1_);
}

void Ostrel::FichierLanguesDisponibles_Click(int index) {
    QAction* item = commandes_->languageItem(index);
    if (!item) return;
    const ChoixLangue choix =
        choisitLangue(store_, langue_, withoutAccessKey(item->text()), cheminAppli_);
    if (!choix.charge) {
        // The working language stays as it was.
        dialogs_.message(choix.erreur, MessageIcon::Exclamation, windowTitle());
        return;
    }
    TraduitFenetre(*this, langue_);
    editeur_->retranslate();
    fitColumns(0);
    drivePanel_->setTexts(langue_.textes);
    project_->setApplicationTitle(langue_.texte(12));
    if (!choix.config.ok) {
        QString text = langue_.texte(444);
        if (text.isEmpty())
            text = QStringLiteral("The working language could not be saved in this file:");
        const QString path = choix.config.path.isEmpty()
                                 ? cheminAppli_ + QStringLiteral("Ostrel.cfg")
                                 : choix.config.path;
        dialogs_.message(text + QLatin1Char('\n') + path, MessageIcon::Exclamation, windowTitle());
    }
}

void Ostrel::quitCommand() {
    if (!close()) return; // the user kept the window
    if (quit_)
        quit_();
    else
        QCoreApplication::quit();
}

void Ostrel::print() {
    report_->print(parts_, langue_.textes, displayChoice());
}

void Ostrel::preview() {
    report_->preview(parts_, langue_.textes, displayChoice());
}

void Ostrel::exportPdf() {
    report_->exportPdf(parts_, langue_.textes, displayChoice());
}

void Ostrel::about() {
    ouvrePropos(dialogs_, cheminAppli_, langue_.textes, this);
}

void Ostrel::connectProjectItems() {
    const Commandes::ProjectItems& items = commandes_->projectItems();
    ProjectCommands* p = project_;
    connect(items.newProject, &QAction::triggered, p, &ProjectCommands::newProject);
    connect(items.open, &QAction::triggered, p, &ProjectCommands::open);
    connect(items.save, &QAction::triggered, p, &ProjectCommands::save);
    connect(items.saveAs, &QAction::triggered, p, &ProjectCommands::saveAs);
    connect(items.properties, &QAction::triggered, p, &ProjectCommands::editProperties);
    connect(items.exportCsv, &QAction::triggered, p, &ProjectCommands::exportCsv);
    connect(items.copy, &QAction::triggered, this, &Ostrel::copyCommand);
    QUndoStack& undo = p->undoStack();
    connect(items.undo, &QAction::triggered, &undo, &QUndoStack::undo);
    connect(items.redo, &QAction::triggered, &undo, &QUndoStack::redo);
    connect(&undo, &QUndoStack::canUndoChanged, items.undo, &QAction::setEnabled);
    connect(&undo, &QUndoStack::canRedoChanged, items.redo, &QAction::setEnabled);
    items.undo->setEnabled(undo.canUndo());
    items.redo->setEnabled(undo.canRedo());
    const auto fillRecent = [this] {
        project_->fillRecentMenu(*commandes_->projectItems().recent);
    };
    connect(p, &ProjectCommands::recentFilesChanged, this, fillRecent);
    fillRecent();
}

bool Ostrel::openFile(const QString& path) {
    return project_->openFile(path);
}

// The selected rows of the list, or all of it when none is selected.
void Ostrel::copyCommand() {
    std::vector<int> rows;
    for (const QModelIndex& index : grille1_->selectionModel()->selectedRows())
        rows.push_back(PartsListModel::listRow(index));
    std::sort(rows.begin(), rows.end());
    project_->copy(rows);
}

void Ostrel::closeEvent(QCloseEvent* event) {
    if (!project_->maybeSave()) {
        event->ignore();
        return;
    }
    project_->endSession();
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

void Ostrel::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void Ostrel::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // Opened once the drop is over: the questions of Open must not hold the drag's source.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

} // namespace ostrel
