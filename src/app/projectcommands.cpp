#include "app/projectcommands.h"

#include "app/propertiesdialog.h"
#include "app/recoverycopies.h"
#include "drive/drivefile.h"
#include "language/language.h"
#include "list/csvexport.h"
#include "list/partslistmodel.h"
#include "list/projectfile.h"
#include "platform/dialogs.h"
#include "report/driveblock.h"
#include "solids/catalogue.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <memory>

namespace ostrel {

namespace {

enum Entry : int {
    AskToSave = 510,
    ProjectFilter = 511,
    CsvFilter = 512,
    OpenTitle = 513,
    SaveTitle = 514,
    ExportTitle = 515,
    RecoveryOffer = 516,
    Untitled = 521,
    RecoveryNotWritten = 522,
    TooManyLines = 585,
    SaveButton = 609, // then discard and cancel
    RecoveryDetails = 630,
    RecoveryOneOfSeveral = 631,
    AnotherProgramRuns = 632,
};

// How long the editor rests before the recovery copy takes its inputs, ms.
constexpr int EditorPause = 400;

const QString RecentKey = QStringLiteral("recentFiles");

QString withSuffix(const QString& path, const char* suffix) {
    if (!QFileInfo(path).suffix().isEmpty()) return path;
    return path + QLatin1Char('.') + QLatin1String(suffix);
}

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

ProjectCommands::ProjectCommands(QMainWindow& window, PartsListModel& model, Dialogs& dialogs,
                                 const Language& language)
    : QObject(&window), window_(window), model_(model), dialogs_(dialogs), language_(language) {
    editorPause_ = new QTimer(this);
    editorPause_->setSingleShot(true);
    editorPause_->setInterval(EditorPause);
    connect(editorPause_, &QTimer::timeout, this, [this] {
        if (isModified()) writeRecovery();
    });
    // After every change, undo and redo included, the title and the recovery copy follow.
    connect(&undo_, &QUndoStack::indexChanged, this, [this] {
        updateTitle();
        writeRecovery();
    });
    // Opening a file pushes its replacement, then marks it clean: the copy written for the
    // push must go again.
    connect(&undo_, &QUndoStack::cleanChanged, this, [this] {
        updateTitle();
        writeRecovery();
    });
}

ProjectCommands::~ProjectCommands() {
    // Clearing the history announces a change, which must reach neither the title nor the
    // recovery copy of a window on its way out.
    disconnect(&undo_, nullptr, this, nullptr);
    undo_.clear();
    waitForRecoveryWriter();
}

void ProjectCommands::setApplicationTitle(const QString& title) {
    applicationTitle_ = title;
    updateTitle();
}

QString ProjectCommands::text(int entry, const char* fallback) const {
    const QString translated = language_.text(entry);
    return translated.isEmpty() ? QString::fromUtf8(fallback) : translated;
}

QString ProjectCommands::joined(const std::vector<MessagePiece>& pieces,
                                const QString& english) const {
    const QString text = messageText(pieces, language_.texts);
    return text.isEmpty() ? english : text;
}

QString ProjectCommands::title() const {
    return window_.windowTitle();
}

QString ProjectCommands::projectFilter() const {
    return text(ProjectFilter, "Ostrel projects (*.ostrel)");
}

void ProjectCommands::updateTitle() {
    QString name =
        header_.path.isEmpty() ? text(Untitled, "Untitled") : QFileInfo(header_.path).fileName();
    name.replace(QLatin1String("[*]"), QLatin1String("[*][*]")); // shown as typed
    QString caption = name + QStringLiteral("[*]");
    if (!applicationTitle_.isEmpty()) caption += QStringLiteral(" - ") + applicationTitle_;
    // Set only on a change: every setting posts events to the window.
    if (window_.windowTitle() != caption) window_.setWindowTitle(caption);
    if (window_.isWindowModified() != isModified()) window_.setWindowModified(isModified());
}

void ProjectCommands::setHeader(const ProjectHeader& header) {
    const bool drive = header.drive != header_.drive || header.motor != header_.motor;
    header_ = header;
    updateTitle();
    if (drive) emit driveChanged(header_.drive, header_.motor);
}

void ProjectCommands::setHeaderKeepingFile(const ProjectHeader& header) {
    ProjectHeader kept = header;
    kept.path = header_.path;
    setHeader(kept);
}

void ProjectCommands::setDrive(const QJsonObject& drive, const QJsonObject& motor) {
    // Read back, a file's drive object and the panel's may differ in form (a field left out,
    // a field at its default) but not in what they hold.
    const bool sameDrive =
        drive == header_.drive || driveFromJson(drive) == driveFromJson(header_.drive);
    const bool sameMotor =
        motor == header_.motor || chosenMotorFromJson(motor) == chosenMotorFromJson(header_.motor);
    if (sameDrive && sameMotor) return;
    ProjectHeader changed = header_;
    changed.drive = drive;
    changed.motor = motor;
    undo_.push(ProjectUndo::driveChanged(
        model_, header_, changed, [this](const ProjectHeader& h) { setHeaderKeepingFile(h); }));
}

// ---- The list changes ----

PartsList::AddOutcome ProjectCommands::add(const PartsList::Line& given, PartsList::AddRule rule) {
    // A line that comes without its exact results gets them from its inputs, so that the
    // project file stores what a reader recomputes rather than the rounded captions.
    // A project holds at most so many lines: one more could be saved but never opened again.
    if (model_.list().partCount() >= ProjectLimits::MaxLines) {
        PartsList::AddOutcome refused;
        refused.kind = PartsList::AddOutcome::Kind::Refused;
        refused.message = {{TooManyLines, {}}};
        return refused;
    }
    PartsList::Line line = given;
    if (!line.exact) {
        CalcInputs inputs;
        inputs.code = line.code;
        inputs.totalMass = line.totalMass;
        inputs.texts = line.texts;
        const CalcOutcome out = calculatePart(inputs);
        if (out.kind == CalcOutcome::Kind::Results && out.captions == line.captions)
            line.exact = out.values;
    }
    const PartsList& list = model_.list();
    // Undoing the very first add gives back totals never written, not totals of 0.
    const bool firstTotals = list.total(1).isEmpty() && list.partCount() == 0;
    const PartsList::AddOutcome outcome = model_.add(line, rule);
    if (outcome.kind == PartsList::AddOutcome::Kind::Added)
        undo_.push(ProjectUndo::added(model_, *list.row(list.rowCount() - 1), firstTotals));
    return outcome;
}

std::optional<PartsList::TakenBack> ProjectCommands::takeBack(int listRow) {
    std::optional<PartsList::Row> row = model_.list().row(listRow);
    std::optional<PartsList::TakenBack> taken = model_.takeBack(listRow);
    if (taken && row) undo_.push(ProjectUndo::takenBack(model_, listRow, std::move(*row)));
    return taken;
}

// ---- The file commands ----

bool ProjectCommands::maybeSave() {
    if (!isModified()) return true;
    const SaveButtons buttons{language_.text(SaveButton), language_.text(SaveButton + 1),
                              language_.text(SaveButton + 2)};
    switch (dialogs_.askToSave(
        text(AskToSave, "The list has changes that are not saved. Save them?"), title(), buttons)) {
    case SaveChoice::Save:
        return save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

bool ProjectCommands::newProject() {
    if (!maybeSave()) return false;
    undo_.push(ProjectUndo::replaced(model_, model_.list(), PartsList(), header_, ProjectHeader{},
                                     [this](const ProjectHeader& header) { setHeader(header); }));
    undo_.setClean();
    return true;
}

bool ProjectCommands::open() {
    if (!maybeSave()) return false;
    QString folder = documentsFolder();
    if (!header_.path.isEmpty())
        folder = QFileInfo(header_.path).absolutePath();
    else if (!recentFiles().isEmpty())
        folder = QFileInfo(recentFiles().first()).absolutePath();
    const QString path =
        dialogs_.openFileName(text(OpenTitle, "Open a project"), folder, projectFilter());
    if (path.isEmpty()) return false;
    return replaceWith(path, nullptr);
}

bool ProjectCommands::openFile(const QString& path) {
    if (!maybeSave()) return false;
    return replaceWith(path, nullptr);
}

bool ProjectCommands::openRecent(int index) {
    const QString path = recentFiles().value(index);
    if (path.isEmpty()) return false;
    return openFile(path);
}

// Reads the file (or takes the project given) and, only when it was read whole, replaces the
// list with it as one step of the history. A project read from a file is clean; a restored
// recovery copy is not (it belongs to no file).
bool ProjectCommands::replaceWith(const QString& path, const Project* given) {
    ProjectRead read;
    if (!given) {
        read = readProject(path);
        if (!read.ok) {
            dialogs_.message(joined(read.errorMessage, read.error), MessageIcon::Exclamation,
                             title());
            return false;
        }
        given = &read.project;
    }
    PartsList fresh;
    fillList(fresh, *given);
    ProjectHeader header{given->title, given->author, given->notes, given->drive, given->motor, {}};
    if (!read.ok) { // a recovery copy: the list of its file, not saved there yet
        header.path = sessionFromJson(given->session).path;
        undo_.push(ProjectUndo::replaced(model_, model_.list(), std::move(fresh), header_, header,
                                         [this](const ProjectHeader& h) { setHeader(h); }));
        return true;
    }
    header.path = QFileInfo(path).absoluteFilePath();
    undo_.push(ProjectUndo::replaced(model_, model_.list(), std::move(fresh), header_, header,
                                     [this](const ProjectHeader& h) { setHeader(h); }));
    undo_.setClean();
    addRecent(header.path);
    if (!read.warning.isEmpty())
        dialogs_.message(joined(read.warningMessage, read.warning), MessageIcon::Information,
                         title());
    return true;
}

bool ProjectCommands::save() {
    if (header_.path.isEmpty()) return saveAs();
    return saveTo(header_.path);
}

bool ProjectCommands::saveAs() {
    QString suggested = header_.path;
    if (suggested.isEmpty()) {
        QString name = header_.title.trimmed().isEmpty() ? text(Untitled, "Untitled")
                                                         : header_.title.trimmed();
        // A title is free text: characters that would make it a path become dashes.
        for (QChar& c : name)
            if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32) c = QLatin1Char('-');
        suggested = QDir(documentsFolder()).filePath(name + QStringLiteral(".ostrel"));
    }
    QString path =
        dialogs_.saveFileName(text(SaveTitle, "Save the project"), suggested, projectFilter());
    if (path.isEmpty()) return false;
    return saveTo(withSuffix(path, ProjectSuffix));
}

// Writes the project; on failure the box names the path and the reason, and the list, its
// file and its modified mark stay as they were.
bool ProjectCommands::saveTo(const QString& path) {
    Project project = projectFromList(model_.list());
    project.title = header_.title;
    project.author = header_.author;
    project.notes = header_.notes;
    project.drive = header_.drive;
    project.motor = header_.motor;
    const ProjectSave saved = saveProject(project, path);
    if (!saved.ok) {
        dialogs_.message(joined(saved.errorMessage, saved.error), MessageIcon::Exclamation,
                         title());
        return false;
    }
    header_.path = QFileInfo(path).absoluteFilePath();
    undo_.setClean();
    updateTitle();
    writeRecovery(); // clean: the copy goes
    addRecent(header_.path);
    return true;
}

bool ProjectCommands::editProperties() {
    PropertiesDialog dialog(language_, header_.title, header_.author, header_.notes, &window_);
    if (dialogs_.exec(dialog) != QDialog::Accepted) return false;
    ProjectHeader changed = header_;
    changed.title = dialog.title();
    changed.author = dialog.author();
    changed.notes = dialog.notes();
    if (changed == header_) return true;
    undo_.push(ProjectUndo::replaced(model_, std::nullopt, std::nullopt, header_, changed,
                                     [this](const ProjectHeader& h) { setHeaderKeepingFile(h); }));
    return true;
}

// ---- Export ----

bool ProjectCommands::exportCsv() {
    QString suggested = header_.path.isEmpty()
                            ? QDir(documentsFolder()).filePath(text(Untitled, "Untitled"))
                            : header_.path;
    suggested = QFileInfo(suggested).absolutePath() + QLatin1Char('/') +
                QFileInfo(suggested).completeBaseName() + QStringLiteral(".csv");
    const QString chosen = dialogs_.saveFileName(text(ExportTitle, "Export the list as CSV"),
                                                 suggested, text(CsvFilter, "CSV files (*.csv)"));
    if (chosen.isEmpty()) return false;
    const QString path = withSuffix(chosen, "csv");
    const ProjectSave saved = saveExport(
        csvWithDrive(
            csvText(model_.list(), exportLabels(language_.texts), display_),
            driveFromJson(header_.drive), driveTotals(model_.list()),
            chosenMotorFromJson(header_.motor)),
        path);
    if (!saved.ok) {
        dialogs_.message(joined(saved.errorMessage, saved.error), MessageIcon::Exclamation,
                         title());
        return false;
    }
    return true;
}

void ProjectCommands::copy(const std::vector<int>& listRows) {
    QGuiApplication::clipboard()->setText(
        copyText(model_.list(), listRows, exportLabels(language_.texts)));
}

// ---- Recent files ----

QStringList ProjectCommands::recentFiles() const {
    QStringList files = QSettings().value(RecentKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, RecentCount);
}

void ProjectCommands::addRecent(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    QSettings().setValue(RecentKey, files.mid(0, RecentCount));
    emit recentFilesChanged();
}

void ProjectCommands::fillRecentMenu(QMenu& menu) {
    menu.clear();
    const QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        QString name = QFileInfo(files[i]).fileName();
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* item = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        item->setObjectName(QStringLiteral("recentAction%1").arg(i + 1));
        item->setToolTip(files[i]);
        item->setStatusTip(files[i]);
        connect(item, &QAction::triggered, this, [this, i] { openRecent(i); });
    }
    menu.menuAction()->setEnabled(!files.isEmpty());
}

// ---- Recovery ----

QString ProjectCommands::recoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString ProjectCommands::recoveryPath(int place) {
    return RecoveryCopies::copyPath(recoveryFolder(), place);
}

QString ProjectCommands::recoveryFile() const {
    return recovery_ ? recovery_->path() : QString();
}

bool ProjectCommands::ownsRecovery() const {
    return recovery_ != nullptr;
}

void ProjectCommands::setEditorLink(std::function<EditorInputs()> read,
                                    std::function<void(const EditorInputs&)> restore) {
    readEditor_ = std::move(read);
    restoreEditor_ = std::move(restore);
}

void ProjectCommands::editorChanged() {
    if (recovery_ && isModified()) editorPause_->start();
}

Project ProjectCommands::snapshot() const {
    Project project = projectFromList(model_.list());
    project.title = header_.title;
    project.author = header_.author;
    project.notes = header_.notes;
    project.drive = header_.drive;
    project.motor = header_.motor;
    SessionState session{header_.path, {}};
    if (readEditor_) session.editor = readEditor_();
    project.session = sessionJson(session);
    return project;
}

// After every change: the copy is written when the list holds unsaved changes and removed
// when it holds none. A write in progress is never raced: the change waits for its end.
void ProjectCommands::writeRecovery() {
    if (!recovery_) return; // no copy can be kept
    if (writer_) {
        recoveryPending_ = true;
        return;
    }
    recoveryPending_ = false;
    editorPause_->stop(); // the editor's inputs go with this copy
    const QString path = recovery_->path();
    if (!isModified()) {
        QFile::remove(path); // everything is in its file
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    auto result = std::make_shared<ProjectSave>();
    writerResult_ = result.get();
    writer_ = QThread::create(
        [project = snapshot(), path, result] { *result = saveProject(project, path); });
    connect(writer_, &QThread::finished, this, [this, result] {
        Q_UNUSED(result); // kept alive until the outcome is read
        recoveryWritten();
    });
    writer_->start();
}

void ProjectCommands::recoveryWritten() {
    if (!writer_) return;
    writer_->wait();
    const ProjectSave saved = *writerResult_;
    writer_->deleteLater();
    writer_ = nullptr;
    writerResult_ = nullptr;
    // Told once a session: the list itself is fine, only the safety copy is missing.
    if (!saved.ok && !recoveryWarned_) {
        recoveryWarned_ = true;
        dialogs_.message(text(RecoveryNotWritten,
                              "The recovery copy of the list cannot be written to this file:") +
                             QLatin1Char('\n') + recovery_->path() + QLatin1Char('\n') +
                             saved.error,
                         MessageIcon::Exclamation, title());
    }
    if (recoveryPending_) writeRecovery();
}

void ProjectCommands::waitForRecoveryWriter() {
    if (!writer_) return;
    writer_->wait();
    disconnect(writer_, nullptr, this, nullptr);
    delete writer_;
    writer_ = nullptr;
    writerResult_ = nullptr;
    recoveryPending_ = false;
}

bool ProjectCommands::offerRecovery() {
    if (!recovery_) {
        auto copies = std::make_unique<RecoveryCopies>(recoveryFolder());
        if (!copies->claim()) {
            recoveryWarned_ = true;
            dialogs_.message(text(RecoveryNotWritten, "The recovery copy of the list cannot be "
                                                      "written to this file:") +
                                 QLatin1Char('\n') + recoveryPath(),
                             MessageIcon::Exclamation, title());
            return false;
        }
        recovery_ = std::move(copies);
        if (recovery_->othersRunning())
            dialogs_.message(text(AnotherProgramRuns,
                                  "Another Ostrel is already running. The work in this window "
                                  "is protected by a recovery copy of its own."),
                             MessageIcon::Information, title());
    }
    const QStringList orphans = recovery_->orphans();
    bool restored = false;
    for (qsizetype i = 0; i < orphans.size(); ++i) {
        if (restored)
            recovery_->release(orphans[i], false); // offered again at the next start
        else
            restored = offerCopy(orphans[i], int(i) + 1, int(orphans.size()));
    }
    return restored;
}

bool ProjectCommands::offerCopy(const QString& copy, int number, int count) {
    const ProjectRead read = readProject(copy);
    if (!read.ok) {
        // Kept as it is: the message names it.
        dialogs_.message(joined(read.errorMessage, read.error), MessageIcon::Exclamation, title());
        recovery_->release(copy, false);
        return false;
    }
    const SessionState session = sessionFromJson(read.project.session);
    QString what =
        session.path.isEmpty() ? text(Untitled, "Untitled") : QFileInfo(session.path).fileName();
    if (!read.project.title.trimmed().isEmpty())
        what += QStringLiteral(" (") + read.project.title.simplified() + QLatin1Char(')');
    const QString changed =
        QFileInfo(copy).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    QString question = text(RecoveryOffer, "The list of a session that did not end normally "
                                           "was kept. Restore it?") +
                       QStringLiteral("\n\n") + what + QLatin1Char('\n') +
                       text(RecoveryDetails, "Lines: %1, last change: %2")
                           .arg(read.project.lines.size())
                           .arg(changed);
    if (count > 1)
        question += QStringLiteral("\n\n") + text(RecoveryOneOfSeveral,
                                                  "Kept list %1 of %2. Once you restore one, the "
                                                  "others are offered at the next start.")
                                                 .arg(number)
                                                 .arg(count);
    if (!dialogs_.question(question, title())) {
        recovery_->release(copy, true);
        return false;
    }
    // The program goes on in the kept copy, which stays as it is until this program writes
    // it again (the editor first, so that it is in that first copy too).
    recovery_->adopt(copy);
    if (session.editor && restoreEditor_) restoreEditor_(*session.editor);
    replaceWith(copy, &read.project);
    return true;
}

void ProjectCommands::endSession() {
    waitForRecoveryWriter();
    editorPause_->stop();
    if (!recovery_) return;
    QFile::remove(recovery_->path());
    recovery_.reset();
}

} // namespace ostrel
