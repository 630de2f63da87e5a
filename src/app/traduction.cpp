#include "app/traduction.h"

#include "app/displaymenu.h"
#include "language/langue.h"
#include "solids/catalogue.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

namespace ostrel {

namespace {

struct Caption {
    const char* name;
    int entry;
};

void apply(QMainWindow& window, const Langue& langue, std::initializer_list<Caption> captions) {
    for (const Caption& c : captions)
        setCaption(window, QLatin1String(c.name), langue.texte(c.entry));
}

void applyKinds(QMainWindow& window, const Langue& langue, Family family) {
    for (const KindInfo& kind : catalogue()) {
        if (kind.family == family)
            setCaption(window, QLatin1String(kind.menuItem), langue.texte(kind.captionEntry));
    }
}

} // namespace

bool setCaption(QObject& root, const QString& name, const QString& text) {
    if (root.objectName() == name) {
        if (auto* w = qobject_cast<QWidget*>(&root); w && w->isWindow()) {
            w->setWindowTitle(text);
            return true;
        }
    }
    // A menu is named, and so is the action that shows it in its parent menu or the bar.
    if (auto* menu = root.findChild<QMenu*>(name)) {
        menu->setTitle(text);
        return true;
    }
    if (auto* action = root.findChild<QAction*>(name)) {
        action->setText(text);
        return true;
    }
    if (auto* label = root.findChild<QLabel*>(name)) {
        label->setText(text);
        return true;
    }
    if (auto* button = root.findChild<QAbstractButton*>(name)) {
        button->setText(text);
        return true;
    }
    return false;
}

void TraduitFenetre(QMainWindow& window, const Langue& langue) {
    window.setWindowTitle(langue.texte(12));
    apply(window, langue, {{"M_Inertie", 13}, {"M_InertieImprime", 75}});
    apply(window, langue, {{"M_InertieApercu", 437}, {"M_InertieExportePdf", 438}});
    apply(window, langue, {{"M_InertieFinCalcul", 5}});
    apply(window, langue,
          {{"M_InertieNouveau", 500},
           {"M_InertieOuvrir", 501},
           {"M_InertieRecents", 502},
           {"M_InertieEnregistrer", 503},
           {"M_InertieEnregistrerSous", 504},
           {"M_InertieAnnuler", 505},
           {"M_InertieRetablir", 506},
           {"M_InertieCopier", 507},
           {"M_InertieProprietes", 508},
           {"M_InertieExporteCsv", 509}});
    for (const GroupCommand& g : groupCommands())
        setCaption(window, QLatin1String(g.menuItem), langue.texte(g.captionEntry));
    apply(window, langue,
          {{"M_Idiomas", 3}, {"M_Idiomas_LangueTravail", 4}, {"M_InertieProposito", 2}});
    for (const DisplayMenu::Caption& c : DisplayMenu::captions())
        setCaption(window, QLatin1String(c.name), langue.texte(c.entry));
    apply(window, langue, {{"M_ObjetCentre", 14}});
    applyKinds(window, langue, Family::Centred);
    apply(window, langue, {{"M_ObjetExcentre", 25}});
    applyKinds(window, langue, Family::Eccentric);
    apply(window, langue, {{"M_ObjetDivers", 31}});
    applyKinds(window, langue, Family::Miscellaneous);
    apply(window, langue,
          {{"MasseTotal", 35},
           {"MasseSpecifique", 36},
           {"Label3", 37},
           {"Label2", 38},
           {"Label1", 9},
           {"Label5", 39},
           {"Label13", 9},
           {"Label16", 40},
           {"Label11", 41},
           {"Label12", 42},
           {"Ok", 5}});
    // Toolbar hints: a button without hint entry keeps an empty hint.
    if (auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("Toolbar2"))) {
        const auto buttons = toolbarButtons();
        for (QAction* action : toolbar->actions()) {
            const int number = action->property("button").toInt();
            for (const ToolbarButton& b : buttons) {
                if (b.number == number && b.key)
                    action->setToolTip(b.hintEntry ? langue.texte(b.hintEntry) : QString());
            }
        }
    }
}

} // namespace ostrel
