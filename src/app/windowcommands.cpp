#include "app/windowcommands.h"

#include "app/imagelist.h"
#include "solids/catalogue.h"
#include "solids/mechanism.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSizePolicy>
#include <QToolBar>

namespace ostrel {

namespace {

constexpr const char* kPrintKey = "print";
constexpr const char* kQuitKey = "quit";
constexpr int kFirstKindButton = 6;
constexpr int kLastKindButton = 25;

// The design captions of the group commands, in the order of groupCommands(); shown until a
// language is applied.
constexpr const char* kGroupCaptions[] = {"Montrer la barre des solides &Centrés",
                                          "Montrer la barre des solides &Excentrés",
                                          "Montrer la barre des &Divers"};

QAction* separator(QMenu* menu, const char* name) {
    QAction* s = menu->addSeparator();
    s->setObjectName(QLatin1String(name));
    return s;
}

} // namespace

WindowCommands::WindowCommands(QMainWindow& window, const ImageList& images) : QObject(&window) {
    buildMenus(window);
    buildToolbar(window, images);
}

QString WindowCommands::actionName(const char* id) {
    return QLatin1String(id) + QLatin1String("Action");
}

QString WindowCommands::toolName(const char* key) {
    return QLatin1String(key) + QLatin1String("Tool");
}

QAction* WindowCommands::addItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void WindowCommands::buildMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    QMenu* inertia = bar->addMenu(QStringLiteral("&Inertie"));
    inertia->setObjectName(QStringLiteral("inertiaMenu"));
    buildProjectItems(inertia);

    const auto groups = groupCommands();
    for (size_t g = 0; g < groups.size(); ++g) {
        const char* caption = g < std::size(kGroupCaptions) ? kGroupCaptions[g] : groups[g].key;
        QAction* item = addItem(inertia, actionName(groups[g].key), QString::fromUtf8(caption));
        connect(item, &QAction::triggered, this, [this, g] { showGroup(static_cast<int>(g)); });
    }
    const MechanismGroup mechanismGroup;
    connect(addItem(inertia, actionName(mechanismGroup.key),
                    QStringLiteral("Montrer la barre des m&écanismes")),
            &QAction::triggered, this, [this] { showGroup(MechanismsGroup); });
    separator(inertia, "groupsSeparator");

    QMenu* preferences = inertia->addMenu(QStringLiteral("&Preferences"));
    preferences->setObjectName(QStringLiteral("preferencesMenu"));
    QMenu* workingLanguage = preferences->addMenu(QStringLiteral("&Langue de travail"));
    workingLanguage->setObjectName(QStringLiteral("languageMenu"));
    // The working language's item is checked; the window sets the check.
    auto* languageGroup = new QActionGroup(workingLanguage);
    languageGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int i = 1; i <= LanguageItems; ++i) {
        QAction* item = workingLanguage->addAction(i == 1 ? QStringLiteral("Langue 1") : QString());
        item->setObjectName(QStringLiteral("languageAction%1").arg(i));
        item->setCheckable(true);
        languageGroup->addAction(item);
        item->setVisible(i == 1);
        connect(item, &QAction::triggered, this, [this, i] { emit languageChosen(i); });
        languages_[static_cast<size_t>(i)] = item;
    }
    connect(
        addItem(preferences, QStringLiteral("materialsAction"), QStringLiteral("&Matériaux...")),
        &QAction::triggered, this, &WindowCommands::materialsRequested);
    motors_ = addItem(inertia, QStringLiteral("motorsAction"), QStringLiteral("Moteurs..."));
    connect(motors_, &QAction::triggered, this, &WindowCommands::motorsRequested);
    separator(inertia, "preferencesSeparator");

    QAction* print = addItem(inertia, QStringLiteral("printAction"), QStringLiteral("&Imprimer"));
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, &WindowCommands::printRequested);
    connect(addItem(inertia, QStringLiteral("previewAction"),
                    QStringLiteral("&Aperçu avant impression")),
            &QAction::triggered, this, &WindowCommands::previewRequested);
    connect(
        addItem(inertia, QStringLiteral("exportPdfAction"), QStringLiteral("E&xporter en PDF...")),
        &QAction::triggered, this, &WindowCommands::exportRequested);
    separator(inertia, "aboutSeparator");
    connect(addItem(inertia, QStringLiteral("aboutAction"), QStringLiteral("A Propos ...")),
            &QAction::triggered, this, &WindowCommands::aboutRequested);
    separator(inertia, "quitSeparator");
    connect(addItem(inertia, QStringLiteral("quitAction"), QStringLiteral("&Quitter")),
            &QAction::triggered, this, &WindowCommands::quitRequested);

    // The three kind menus, each kind in code order within its family.
    struct FamilyMenu {
        Family family;
        const char* name;
        const char* caption;
    };
    const FamilyMenu families[] = {
        {Family::Centred, "centredMenu", "Solides &Centrés"},
        {Family::Eccentric, "eccentricMenu", "Solides &Excentrés"},
        {Family::Miscellaneous, "miscellaneousMenu", "&Divers"},
    };
    for (const FamilyMenu& f : families) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(f.caption));
        menu->setObjectName(QLatin1String(f.name));
        for (const KindInfo& kind : catalogue()) {
            if (kind.family != f.family) continue;
            QAction* item =
                addItem(menu, actionName(kind.id), QString::fromUtf8(kind.designCaption));
            const int code = kind.code;
            connect(item, &QAction::triggered, this, [this, code] { emit kindChosen(code); });
        }
    }
    QMenu* menu = bar->addMenu(QStringLiteral("&Mécanismes"));
    menu->setObjectName(QStringLiteral("mechanismsMenu"));
    for (const Mechanism& m : mechanisms()) {
        QAction* item = addItem(menu, actionName(m.id), QString::fromUtf8(m.designCaption));
        const int code = m.code;
        connect(item, &QAction::triggered, this, [this, code] { emit kindChosen(code); });
    }
}

void WindowCommands::buildProjectItems(QMenu* menu) {
    const auto item = [this, menu](const char* name, const char* caption,
                                   QList<QKeySequence> keys = {}) {
        QAction* action = addItem(menu, QLatin1String(name), QString::fromUtf8(caption));
        action->setShortcuts(keys);
        return action;
    };
    project_.newProject = item("newAction", "&Nouveau", {QKeySequence::New});
    project_.open = item("openAction", "&Ouvrir...", {QKeySequence::Open});
    project_.recent = menu->addMenu(QStringLiteral("Fichiers &récents"));
    project_.recent->setObjectName(QStringLiteral("recentMenu"));
    project_.recent->menuAction()->setEnabled(false);
    project_.save = item("saveAction", "&Enregistrer", {QKeySequence::Save});
    project_.saveAs = item("saveAsAction", "Enregistrer &sous...",
                           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    separator(menu, "saveSeparator");
    project_.undo = item("undoAction", "Ann&uler", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    project_.redo =
        item("redoAction", "Ré&tablir",
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    project_.copy = item("copyAction", "Co&pier", {QKeySequence::Copy});
    separator(menu, "editSeparator");
    project_.properties = item("propertiesAction", "Propriétés du pro&jet...");
    project_.exportCsv = item("exportCsvAction", "Exporter en CS&V...");
    separator(menu, "projectSeparator");
}

void WindowCommands::buildToolbar(QMainWindow& window, const ImageList& images) {
    toolbar_ = new QToolBar(&window);
    toolbar_->setObjectName(QStringLiteral("mainToolBar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar_->toggleViewAction()->setVisible(false);
    const QSize size = images.imageSize();
    toolbar_->setIconSize(size.isEmpty() ? QSize(32, 32) : size);
    window.addToolBar(Qt::TopToolBarArea, toolbar_);

    const auto all = toolbarButtons();
    for (size_t i = 0; i < all.size(); ++i) {
        const ToolbarButton& b = all[i];
        QAction* action = nullptr;
        if (!b.key) {
            // Spacers: a line after the group buttons and after the kinds, a stretch that
            // pushes print and quit to the right end, a small gap elsewhere.
            const bool afterCommand = i > 0 && all[i - 1].key &&
                                      QLatin1String(all[i - 1].key) != QLatin1String(kPrintKey);
            const bool beforePrint = i + 1 < all.size() && all[i + 1].key &&
                                     QLatin1String(all[i + 1].key) == QLatin1String(kPrintKey);
            if (afterCommand) {
                action = toolbar_->addSeparator();
            } else {
                auto* gap = new QWidget(toolbar_);
                if (beforePrint)
                    gap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
                else
                    gap->setFixedWidth(6);
                action = toolbar_->addWidget(gap);
            }
            action->setObjectName(QStringLiteral("toolSpacer%1").arg(b.number));
        } else {
            action = toolbar_->addAction(images.icon(b.image), QString());
            const QString key = QString::fromLatin1(b.key);
            action->setObjectName(toolName(b.key));
            action->setProperty("key", key);
            action->setProperty("image", b.image);
            connect(action, &QAction::triggered, this, [this, key] { dispatch(key); });
        }
        action->setProperty("button", b.number);
        if (b.number >= 0 && b.number < static_cast<int>(buttons_.size()))
            buttons_[static_cast<size_t>(b.number)] = action;
    }
    buildMechanismButtons(images);
}

// The mechanisms' group button after the other group buttons, their kind buttons after the
// other kind buttons; they carry no button number of the catalogue's toolbar.
void WindowCommands::buildMechanismButtons(const ImageList& images) {
    const auto add = [this, &images](const char* key, int image, QAction* before) {
        QAction* action = new QAction(images.icon(image), QString(), toolbar_);
        toolbar_->insertAction(before, action);
        const QString k = QString::fromLatin1(key);
        action->setObjectName(toolName(key));
        action->setProperty("key", k);
        action->setProperty("image", image);
        connect(action, &QAction::triggered, this, [this, k] { dispatch(k); });
        return action;
    };
    const MechanismGroup group;
    add(group.key, group.image, toolbar_->findChild<QAction*>(QStringLiteral("toolSpacer5")));
    QAction* afterKinds = toolbar_->findChild<QAction*>(QStringLiteral("toolSpacer26"));
    for (size_t i = 0; i < mechanismButtons_.size() && i < mechanisms().size(); ++i) {
        const Mechanism& m = mechanisms()[i];
        mechanismButtons_[i] = add(m.id, m.image, afterKinds);
        mechanismButtons_[i]->setVisible(false);
    }
}

QAction* WindowCommands::button(int n) const {
    return n >= 0 && n < static_cast<int>(buttons_.size()) ? buttons_[static_cast<size_t>(n)]
                                                           : nullptr;
}

QAction* WindowCommands::languageItem(int index) const {
    return index >= 1 && index <= LanguageItems ? languages_[static_cast<size_t>(index)] : nullptr;
}

void WindowCommands::showGroup(int index) {
    const auto groups = groupCommands();
    const bool mechanismsShown = index == MechanismsGroup;
    if (!mechanismsShown && (index < 0 || index >= static_cast<int>(groups.size()))) return;
    for (int n = kFirstKindButton; n <= kLastKindButton; ++n) {
        if (QAction* b = button(n)) {
            const GroupCommand* g = mechanismsShown ? nullptr : &groups[static_cast<size_t>(index)];
            b->setVisible(g && n >= g->firstVisible && n <= g->lastVisible);
        }
    }
    for (QAction* b : mechanismButtons_)
        if (b) b->setVisible(mechanismsShown);
}

void WindowCommands::addPanelToggle(QAction* toggle) {
    auto* window = qobject_cast<QMainWindow*>(parent());
    QMenu* inertia = window ? window->findChild<QMenu*>(QStringLiteral("inertiaMenu")) : nullptr;
    if (inertia) inertia->insertAction(motors_, toggle);
    toolbar_->insertAction(toolbar_->findChild<QAction*>(toolName(kPrintKey)), toggle);
}

void WindowCommands::dispatch(const QString& key) {
    const auto groups = groupCommands();
    for (size_t g = 0; g < groups.size(); ++g) {
        if (key == QLatin1String(groups[g].key)) {
            showGroup(static_cast<int>(g));
            return;
        }
    }
    if (key == QLatin1String(MechanismGroup().key)) {
        showGroup(MechanismsGroup);
        return;
    }
    if (const KindInfo* kind = kindById(key)) {
        emit kindChosen(kind->code);
        return;
    }
    for (const Mechanism& m : mechanisms()) {
        if (key == QLatin1String(m.id)) {
            emit kindChosen(m.code);
            return;
        }
    }
    if (key == QLatin1String(kPrintKey))
        emit printRequested();
    else if (key == QLatin1String(kQuitKey))
        emit quitRequested();
}

} // namespace ostrel
