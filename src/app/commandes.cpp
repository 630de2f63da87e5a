#include "app/commandes.h"

#include "app/imagelist.h"
#include "solids/catalogue.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSizePolicy>
#include <QToolBar>

namespace ostrel {

namespace {

constexpr const char* kPrintKey = "Impression";
constexpr const char* kQuitKey = "Quitter";
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

Commandes::Commandes(QMainWindow& window, const ImageList& images) : QObject(&window) {
    buildMenus(window);
    buildToolbar(window, images);
}

QAction* Commandes::addItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void Commandes::buildMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    QMenu* inertie = bar->addMenu(QStringLiteral("&Inertie"));
    inertie->setObjectName(QStringLiteral("M_Inertie"));
    buildProjectItems(inertie);

    const auto groups = groupCommands();
    for (size_t g = 0; g < groups.size(); ++g) {
        const char* caption = g < std::size(kGroupCaptions) ? kGroupCaptions[g] : groups[g].key;
        QAction* item = addItem(inertie, groups[g].menuItem, QString::fromUtf8(caption));
        connect(item, &QAction::triggered, this, [this, g] { showGroup(static_cast<int>(g)); });
    }
    separator(inertie, "Separador");

    QMenu* idiomas = inertie->addMenu(QStringLiteral("&Preferences"));
    idiomas->setObjectName(QStringLiteral("M_Idiomas"));
    QMenu* langueTravail = idiomas->addMenu(QStringLiteral("&Langue de travail"));
    langueTravail->setObjectName(QStringLiteral("M_Idiomas_LangueTravail"));
    for (int i = 1; i <= LanguageItems; ++i) {
        QAction* item = langueTravail->addAction(i == 1 ? QStringLiteral("Langue 1") : QString());
        item->setObjectName(QStringLiteral("FichierLanguesDisponibles%1").arg(i));
        item->setVisible(i == 1);
        connect(item, &QAction::triggered, this, [this, i] { emit languageChosen(i); });
        languages_[static_cast<size_t>(i)] = item;
    }
    separator(inertie, "Separador4");

    connect(addItem(inertie, "M_InertieImprime", QStringLiteral("&Imprimer")), &QAction::triggered,
            this, &Commandes::printRequested);
    connect(addItem(inertie, "M_InertieApercu", QStringLiteral("&Aperçu avant impression")),
            &QAction::triggered, this, &Commandes::previewRequested);
    connect(addItem(inertie, "M_InertieExportePdf", QStringLiteral("E&xporter en PDF...")),
            &QAction::triggered, this, &Commandes::exportRequested);
    separator(inertie, "M_InertieEspacement12");
    connect(addItem(inertie, "M_InertieProposito", QStringLiteral("A Propos ...")),
            &QAction::triggered, this, &Commandes::aboutRequested);
    separator(inertie, "M_InertieEspacement13");
    connect(addItem(inertie, "M_InertieFinCalcul", QStringLiteral("&Quitter")), &QAction::triggered,
            this, &Commandes::quitRequested);

    // The three kind menus, each kind in code order within its family.
    struct FamilyMenu {
        Family family;
        const char* name;
        const char* caption;
    };
    const FamilyMenu families[] = {
        {Family::Centred, "M_ObjetCentre", "Solides &Centrés"},
        {Family::Eccentric, "M_ObjetExcentre", "Solides &Excentrés"},
        {Family::Miscellaneous, "M_ObjetDivers", "&Divers"},
    };
    for (const FamilyMenu& f : families) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(f.caption));
        menu->setObjectName(QLatin1String(f.name));
        for (const KindInfo& kind : catalogue()) {
            if (kind.family != f.family) continue;
            QAction* item = addItem(menu, kind.menuItem, QString::fromUtf8(kind.designCaption));
            const int code = kind.code;
            connect(item, &QAction::triggered, this, [this, code] { emit kindChosen(code); });
        }
    }
}

void Commandes::buildProjectItems(QMenu* menu) {
    const auto item = [this, menu](const char* name, const char* caption,
                                   QList<QKeySequence> keys = {}) {
        QAction* action = addItem(menu, name, QString::fromUtf8(caption));
        action->setShortcuts(keys);
        return action;
    };
    project_.newProject = item("M_InertieNouveau", "&Nouveau", {QKeySequence::New});
    project_.open = item("M_InertieOuvrir", "&Ouvrir...", {QKeySequence::Open});
    project_.recent = menu->addMenu(QStringLiteral("Fichiers &récents"));
    project_.recent->setObjectName(QStringLiteral("M_InertieRecents"));
    project_.recent->menuAction()->setEnabled(false);
    project_.save = item("M_InertieEnregistrer", "&Enregistrer", {QKeySequence::Save});
    project_.saveAs = item("M_InertieEnregistrerSous", "Enregistrer &sous...",
                           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    separator(menu, "M_InertieEspacementProjet1");
    project_.undo = item("M_InertieAnnuler", "Ann&uler", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    project_.redo =
        item("M_InertieRetablir", "Ré&tablir",
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    project_.copy = item("M_InertieCopier", "Co&pier", {QKeySequence::Copy});
    separator(menu, "M_InertieEspacementProjet2");
    project_.properties = item("M_InertieProprietes", "Propriétés du pro&jet...");
    project_.exportCsv = item("M_InertieExporteCsv", "Exporter en CS&V...");
    separator(menu, "M_InertieEspacementProjet3");
}

void Commandes::buildToolbar(QMainWindow& window, const ImageList& images) {
    toolbar_ = new QToolBar(&window);
    toolbar_->setObjectName(QStringLiteral("Toolbar2"));
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
            action->setObjectName(QStringLiteral("Toolbar2_spacer%1").arg(b.number));
        } else {
            action = toolbar_->addAction(images.icon(b.image), QString());
            const QString key = QString::fromLatin1(b.key);
            action->setObjectName(QStringLiteral("Toolbar2_") + key);
            action->setProperty("key", key);
            action->setProperty("image", b.image);
            connect(action, &QAction::triggered, this, [this, key] { dispatch(key); });
        }
        action->setProperty("button", b.number);
        if (b.number >= 0 && b.number < static_cast<int>(buttons_.size()))
            buttons_[static_cast<size_t>(b.number)] = action;
    }
}

QAction* Commandes::button(int n) const {
    return n >= 0 && n < static_cast<int>(buttons_.size()) ? buttons_[static_cast<size_t>(n)]
                                                           : nullptr;
}

QAction* Commandes::languageItem(int index) const {
    return index >= 1 && index <= LanguageItems ? languages_[static_cast<size_t>(index)] : nullptr;
}

void Commandes::showGroup(int index) {
    const auto groups = groupCommands();
    if (index < 0 || index >= static_cast<int>(groups.size())) return;
    const GroupCommand& g = groups[static_cast<size_t>(index)];
    for (int n = kFirstKindButton; n <= kLastKindButton; ++n) {
        if (QAction* b = button(n)) b->setVisible(n >= g.firstVisible && n <= g.lastVisible);
    }
}

void Commandes::addPanelToggle(QAction* toggle) {
    auto* window = qobject_cast<QMainWindow*>(parent());
    QMenu* inertie = window ? window->findChild<QMenu*>(QStringLiteral("M_Inertie")) : nullptr;
    if (inertie)
        inertie->insertAction(inertie->findChild<QAction*>(QStringLiteral("Separador4")), toggle);
    toolbar_->insertAction(
        toolbar_->findChild<QAction*>(QStringLiteral("Toolbar2_") + QLatin1String(kPrintKey)),
        toggle);
}

void Commandes::dispatch(const QString& key) {
    const auto groups = groupCommands();
    for (size_t g = 0; g < groups.size(); ++g) {
        if (key == QLatin1String(groups[g].key)) {
            showGroup(static_cast<int>(g));
            return;
        }
    }
    if (const KindInfo* kind = kindByKey(key)) {
        emit kindChosen(kind->code);
        return;
    }
    if (key == QLatin1String(kPrintKey))
        emit printRequested();
    else if (key == QLatin1String(kQuitKey))
        emit quitRequested();
}

} // namespace ostrel
