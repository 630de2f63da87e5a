// The menus and the toolbar of the main window, built from the catalogue: the group commands,
// the kind commands (the mechanisms in a menu and a toolbar group of their own), print,
// preview, export, About, quit, the language items and the user's materials. Every action
// is named after its command: a menu item "discAction", a toolbar button "discTool". A toolbar
// click is dispatched by the button's key, exactly as the menu item with that key; the group
// commands are handled here, the rest is signalled.
#pragma once

#include <QObject>
#include <QString>
#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace ostrel {

class ImageList;

class WindowCommands : public QObject {
    Q_OBJECT

public:
    // The project items at the top of the Inertia menu; the window connects them.
    struct ProjectItems {
        QAction* newProject = nullptr;
        QAction* open = nullptr;
        QMenu* recent = nullptr;
        QAction* save = nullptr;
        QAction* saveAs = nullptr;
        QAction* undo = nullptr;
        QAction* redo = nullptr;
        QAction* copy = nullptr;
        QAction* properties = nullptr;
        QAction* exportCsv = nullptr;
    };

    static constexpr int LanguageItems = 9;
    // The group index of the mechanisms, after the three groups of the catalogue.
    static constexpr int MechanismsGroup = 3;

    // Builds the menu bar and mainToolBar of window.
    WindowCommands(QMainWindow& window, const ImageList& images);

    QToolBar* toolbar() const { return toolbar_; }
    const ProjectItems& projectItems() const { return project_; }
    // The toolbar button numbered n (1 ... 30), or nullptr.
    QAction* button(int n) const;
    // Language item index (1 ... 9).
    QAction* languageItem(int index) const;

    // Runs the command of the toolbar key: the first equal key, letter case counting; any other
    // key does nothing.
    void dispatch(const QString& key);

    // The object names of the menu item and the toolbar button of a command id ("discAction",
    // "discTool").
    static QString actionName(const char* id);
    static QString toolName(const char* key);
    // Shows the kind buttons of group command index (0 ... 2, or MechanismsGroup) and hides the
    // others.
    void showGroup(int index);
    // Puts the toggle of a panel in the Inertia menu (after the preferences, before Motors) and on
    // the toolbar (before print).
    void addPanelToggle(QAction* toggle);
    // The Motors item ("motorsAction"), after the panel toggles in the Inertia menu.
    QAction* motorsItem() const { return motors_; }

signals:
    void kindChosen(int code);
    void printRequested();
    void previewRequested();
    void exportRequested();
    void aboutRequested();
    void motorsRequested();
    void materialsRequested();
    void quitRequested();
    void languageChosen(int index);

private:
    void buildMenus(QMainWindow& window);
    void buildToolbar(QMainWindow& window, const ImageList& images);
    void buildMechanismButtons(const ImageList& images);
    void buildProjectItems(QMenu* menu);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption);

    QToolBar* toolbar_ = nullptr;
    ProjectItems project_;
    QAction* motors_ = nullptr;
    std::array<QAction*, 31> buttons_{};         // index = button number
    std::array<QAction*, 3> mechanismButtons_{}; // the kind buttons of codes 21 ... 23
    std::array<QAction*, LanguageItems + 1> languages_{};
};

} // namespace ostrel
