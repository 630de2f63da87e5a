// The project commands of the main window: New, Open, Save, Save as, the recent files, Undo and
// Redo, Project properties, Export to CSV and Copy; the question before unsaved changes are
// dropped; and the recovery copy of the list, written after every change and offered back at
// the next start when the program did not end normally (with the list's file and the editor's
// inputs), one copy for each running program. Every box and file choice goes through the
// Dialogs seam. The list is changed only through its model and the undo stack.
#pragma once

#include "app/projectundo.h"
#include "list/partslist.h"
#include "list/sessionstate.h"
#include "solids/units.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QMainWindow;
class QMenu;
class QThread;
class QTimer;

namespace ostrel {

class Dialogs;
class PartsListModel;
class RecoveryCopies;
struct Language;
struct MessagePiece;
struct Project;
struct ProjectSave;

class ProjectCommands : public QObject {
    Q_OBJECT

public:
    static constexpr int RecentCount = 8;

    // window: its title shows the file name and the modified mark; language: the working texts.
    ProjectCommands(QMainWindow& window, PartsListModel& model, Dialogs& dialogs,
                    const Language& language);
    ~ProjectCommands() override;

    QUndoStack& undoStack() { return undo_; }
    const ProjectHeader& header() const { return header_; }
    // Whether the list holds changes that are in no file.
    bool isModified() const { return !undo_.isClean(); }

    // The caption of the window without file name (the program's title); the window title is
    // then made of the file name, the modified mark and this caption.
    void setApplicationTitle(const QString& title);
    QString applicationTitle() const { return applicationTitle_; }

    // The digits and units the window shows: the CSV export writes its results in these units.
    void setDisplay(const DisplayChoice& display) { display_ = display; }

    // The list changes, each a step of the undo history. A list that holds as many lines as a
    // project may refuses the add with a message.
    PartsList::AddOutcome add(const PartsList::Line& line,
                              PartsList::AddRule rule = PartsList::AddRule::Classic);
    std::optional<PartsList::TakenBack> takeBack(int listRow);

    // The commands. Those that would drop unsaved changes ask first; false when the user
    // cancelled or the command failed.
    bool newProject();
    bool open();                        // asks for the file
    bool openFile(const QString& path); // Open with the file given
    bool openRecent(int index);         // 0 = the most recent
    bool save();                        // Save as when the project has no file yet
    bool saveAs();
    bool editProperties();
    // The drive inputs typed in the drive panel and its chosen motor, a step of the undo
    // history (a run of typing is one step).
    void setDrive(const QJsonObject& drive, const QJsonObject& motor = {});
    bool exportCsv();
    // The given list rows, or every row and the totals when none is given, on the clipboard.
    void copy(const std::vector<int>& listRows);

    // Before the list is dropped (quit, New, Open): asks Save / Discard / Cancel when it holds
    // unsaved changes, and saves when asked. True to go on.
    bool maybeSave();

    // The most recent files first (at most RecentCount).
    QStringList recentFiles() const;
    // Fills menu with the recent files.
    void fillRecentMenu(QMenu& menu);

    // The recovery copies: where they are written, the offer at start, and the normal end.
    static QString recoveryFolder();
    // The copy of the program at place (1: the first program started).
    static QString recoveryPath(int place = 1);
    // This program's own copy; empty while it has none.
    QString recoveryFile() const;
    // Starts the session: takes a recovery copy of this program's own, says once when another
    // running program keeps one too, and offers the copies left by programs that no longer
    // run, one question each, until one is restored (the copies not asked about then stay for
    // the next start; a declined one goes). A restored list comes back unsaved, with its file,
    // title and drive inputs, and the editor's inputs; true when a list was restored.
    bool offerRecovery();
    bool ownsRecovery() const;
    // A normal end: the recovery copy is removed.
    void endSession();
    // The editor's inputs the recovery copy keeps, and where a restored copy puts them back.
    void setEditorLink(std::function<EditorInputs()> read,
                       std::function<void(const EditorInputs&)> restore);
    // The editor's inputs changed: the copy, while there is one, follows shortly.
    void editorChanged();
    // Whether a recovery copy is being written (on a worker thread; tests wait for it).
    bool writingRecovery() const { return writer_ != nullptr; }

signals:
    void recentFilesChanged();
    // The header's drive inputs or chosen motor changed (an opened, new or restored project,
    // undo or redo).
    void driveChanged(const QJsonObject& drive, const QJsonObject& motor);

private:
    void setHeader(const ProjectHeader& header);
    // The same for a step that changes the properties or the drive: such a step belongs to the
    // list, not to a file, so undone or redone it keeps the file the project has now.
    void setHeaderKeepingFile(const ProjectHeader& header);
    void updateTitle();
    void writeRecovery();
    void recoveryWritten();
    void waitForRecoveryWriter();
    // Asks whether to restore the orphan copy (number of count) and restores it; true when
    // restored.
    bool offerCopy(const QString& copy, int number, int count);
    Project snapshot() const;
    void addRecent(const QString& path);
    bool saveTo(const QString& path);
    bool replaceWith(const QString& path, const Project* project);
    QString text(int entry, const char* fallback) const;
    QString joined(const std::vector<MessagePiece>& pieces, const QString& english) const;
    QString title() const;
    QString projectFilter() const;

    QMainWindow& window_;
    PartsListModel& model_;
    Dialogs& dialogs_;
    const Language& language_;
    QUndoStack undo_;
    ProjectHeader header_;
    QString applicationTitle_;
    bool recoveryWarned_ = false;
    DisplayChoice display_;
    // The copy is written on a worker thread from a snapshot of the list; changes made while
    // it runs are written by one more run when it ends.
    QThread* writer_ = nullptr;
    std::unique_ptr<RecoveryCopies> recovery_;
    bool recoveryPending_ = false;
    ProjectSave* writerResult_ = nullptr;
    std::function<EditorInputs()> readEditor_;
    std::function<void(const EditorInputs&)> restoreEditor_;
    QTimer* editorPause_ = nullptr;
};

} // namespace ostrel
