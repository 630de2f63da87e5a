// The main window MainWindow: the toolbar and menus, the part editor, the parts list with its
// totals line, and the add, take-back and quit buttons. Its constructor runs the load: the program
// folder, the translation store, the configuration and the working language, the language menu, the
// texts and the layout of the two grids. When the store cannot be opened the user is told and ok()
// is false: the program then ends.
#pragma once

#include "language/language.h"
#include "language/translationstore.h"
#include "list/partslist.h"
#include "solids/units.h"
#include "solids/usermaterials.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class QPushButton;
class QTableView;

namespace ostrel {

class WindowCommands;
class Dialogs;
class DisplayMenu;
class DisplaySettings;
class DrivePanel;
class PartEditor;
class ImageList;
class PartsListModel;
class ProjectCommands;
class ReportCommands;
class TotalsModel;
class UserMotors;

class MainWindow : public QMainWindow {
public:
    // programDir: the program folder, programDir; a final "/" is added when it lacks one.
    MainWindow(const QString& programDir, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // False when the start failed (the translation store could not be opened).
    bool ok() const { return ok_; }

    const QString& programDir() const { return programDir_; }
    const Language& language() const { return language_; }
    const PartsList& parts() const { return parts_; }
    PartEditor& editor() const { return *editor_; }
    WindowCommands& commands() const { return *commands_; }
    DrivePanel& drivePanel() const { return *drivePanel_; }
    // The user's motor list, read at start.
    UserMotors& motors() const { return *motors_; }

    // How results are shown (digits and units), kept per user. displaySettings() signals every
    // change (DisplaySettings::changed) after the window has applied it.
    const DisplayChoice& displayChoice() const;
    DisplaySettings& displaySettings() const { return *displaySettings_; }
    DisplayMenu& displayMenu() const { return *displayMenu_; }

    ProjectCommands& project() const { return *project_; }

    // Opens a project file (the command line, a dropped file): asks first when the list holds
    // unsaved changes. False when the user cancelled or the file was refused.
    bool openFile(const QString& path);

    // What the quit commands run after closing the window (QCoreApplication::quit by default).
    void setQuitHandler(std::function<void()> handler) { quit_ = std::move(handler); }

    // The commands, as the menus, the toolbar and the buttons run them.
    void kindCommand(int code);
    void addPart();
    void takeBackPart();
    void partsTableClicked();
    void totalsTableClicked();
    void languageItemChosen(int index);
    void quitCommand();
    void copyCommand();
    // The Motors window.
    void motorsCommand();
    // Preferences ▸ Materials...: the user's own materials, then every material list offers them.
    void materialsCommand();

protected:
    // Quit by the window's close button, the menu, the toolbar or the quit button: unsaved changes
    // are asked about first, and a normal end removes the recovery copy.
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void load();
    void buildCentralWidget();
    void fillLanguageMenu(const QStringList& languages);
    // Checks the language menu's item of the working language.
    void markWorkingLanguage();
    void layOutGrids();
    void translateGrids();
    void copyWidths(QTableView* from, QTableView* to);
    // Widens the columns of both grids for the cells of the list from model row first on and
    // the totals; without first, every column is fitted again from its designed width and its
    // heading.
    void fitColumns(int first = -1);
    void applyDisplay(const DisplayChoice& choice);
    void print();
    void preview();
    void exportPdf();
    void about();
    void connectProjectItems();

    Dialogs& dialogs_;
    QString programDir_;
    bool ok_ = false;
    TranslationStore store_;
    Language language_;
    std::unique_ptr<ImageList> images_;
    PartsList parts_;
    PartsListModel* partsModel_ = nullptr;
    TotalsModel* totalsModel_ = nullptr;
    WindowCommands* commands_ = nullptr;
    ProjectCommands* project_ = nullptr;
    PartEditor* editor_ = nullptr;
    DrivePanel* drivePanel_ = nullptr;
    UserMotors* motors_ = nullptr;
    QTableView* partsTable_ = nullptr;
    QTableView* totalsTable_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* takeBackButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    std::unique_ptr<ReportCommands> report_;
    std::vector<int> designedWidths_; // of partsTable's columns, in pixels
    DisplaySettings* displaySettings_ = nullptr;
    DisplayMenu* displayMenu_ = nullptr;
    std::function<void()> quit_;
    UserMaterials materials_;
};

} // namespace ostrel
