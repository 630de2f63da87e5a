#include "app/windowtranslation.h"

#include "app/displaymenu.h"
#include "app/windowcommands.h"
#include "language/language.h"
#include "solids/catalogue.h"
#include "solids/mechanism.h"

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

void apply(QMainWindow& window, const Language& language, std::initializer_list<Caption> captions) {
    for (const Caption& c : captions)
        setCaption(window, QLatin1String(c.name), language.text(c.entry));
}

void applyKinds(QMainWindow& window, const Language& language, Family family) {
    for (const KindInfo& kind : catalogue()) {
        if (kind.family == family)
            setCaption(window, WindowCommands::actionName(kind.id),
                       language.text(kind.captionEntry));
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

void translateWindow(QMainWindow& window, const Language& language) {
    window.setWindowTitle(language.text(12));
    apply(window, language, {{"inertiaMenu", 13}, {"printAction", 75}});
    apply(window, language, {{"previewAction", 437}, {"exportPdfAction", 438}});
    apply(window, language, {{"quitAction", 5}});
    apply(window, language,
          {{"newAction", 500},
           {"openAction", 501},
           {"recentMenu", 502},
           {"saveAction", 503},
           {"saveAsAction", 504},
           {"undoAction", 505},
           {"redoAction", 506},
           {"copyAction", 507},
           {"propertiesAction", 508},
           {"exportCsvAction", 509}});
    for (const GroupCommand& g : groupCommands())
        setCaption(window, WindowCommands::actionName(g.key), language.text(g.captionEntry));
    const MechanismGroup mechanismGroup;
    setCaption(window, WindowCommands::actionName(mechanismGroup.key),
               language.text(mechanismGroup.captionEntry));
    apply(window, language, {{"preferencesMenu", 3}, {"languageMenu", 4}, {"aboutAction", 2}});
    apply(window, language, {{"motorsAction", 772}});
    apply(window, language, {{"materialsAction", 702}});
    for (const DisplayMenu::Caption& c : DisplayMenu::captions())
        setCaption(window, QLatin1String(c.name), language.text(c.entry));
    apply(window, language, {{"centredMenu", 14}});
    applyKinds(window, language, Family::Centred);
    apply(window, language, {{"eccentricMenu", 25}});
    applyKinds(window, language, Family::Eccentric);
    apply(window, language, {{"miscellaneousMenu", 31}});
    applyKinds(window, language, Family::Miscellaneous);
    setCaption(window, QStringLiteral("mechanismsMenu"), language.text(mechanismGroup.menuEntry));
    for (const Mechanism& m : mechanisms())
        setCaption(window, WindowCommands::actionName(m.id), language.text(m.captionEntry));
    apply(window, language,
          {{"totalMassOption", 35},
           {"densityOption", 36},
           {"quantityCaption", 37},
           {"ratioCaption", 38},
           {"massCaption", 9},
           {"resultHeading", 39},
           {"massResultCaption", 9},
           {"inertiaResultCaption", 40},
           {"frictionResultCaption", 41},
           {"workingResultCaption", 42},
           {"quitButton", 5}});
    // Toolbar hints: a button without hint entry keeps an empty hint.
    if (auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("mainToolBar"))) {
        const auto buttons = toolbarButtons();
        for (QAction* action : toolbar->actions()) {
            const int number = action->property("button").toInt();
            for (const ToolbarButton& b : buttons) {
                if (b.number == number && b.key)
                    action->setToolTip(b.hintEntry ? language.text(b.hintEntry) : QString());
            }
        }
        const auto hint = [toolbar, &language](const char* key, int entry) {
            if (auto* action = toolbar->findChild<QAction*>(WindowCommands::toolName(key)))
                action->setToolTip(language.text(entry));
        };
        hint(mechanismGroup.key, mechanismGroup.hintEntry);
        for (const Mechanism& m : mechanisms())
            hint(m.id, m.hintEntry);
    }
}

} // namespace ostrel
