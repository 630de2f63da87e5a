// What every window suite shares: the main window started offscreen in a copy of the build's
// program folder with every box recorded, the ways a user reaches its controls (find, click,
// type key by key, read captions, cells and totals) and the steps many tests begin with (a
// steel disc added, a Save as, a restart).
#pragma once

#include "app/displaymenu.h"
#include "app/displaysettings.h"
#include "app/drivepanel.h"
#include "app/mainwindow.h"
#include "app/parteditor.h"
#include "app/projectcommands.h"
#include "app/recoverycopies.h"
#include "app/usermotors.h"
#include "list/projectfile.h"
#include "recordingdialogs.h"
#include "solids/catalogue.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

class WindowFixture : public QObject {
protected:
    std::unique_ptr<QTemporaryDir> program_;
    RecordingDialogs dialogs_;
    std::unique_ptr<ostrel::MainWindow> w_;
    int quits_ = 0;

    QString programDir() const { return program_->path() + QLatin1Char('/'); }
    // A file of the test's own: in the program folder, new for every test.
    QString workFile(const QString& name) const { return programDir() + name; }
    static QByteArray fileBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // The user's settings as the program names them.
    static QSettings userSettings() {
        return QSettings(QSettings::UserScope, QStringLiteral("Ostrel"), QStringLiteral("Ostrel"));
    }
    static void removeRecoveryCopies() {
        for (const QString& copy :
             ostrel::RecoveryCopies::copiesIn(ostrel::ProjectCommands::recoveryFolder()))
            QFile::remove(copy);
    }

    // Settings and recovery copies in Qt's test folders; the offscreen platform's warning
    // about every window resize is dropped.
    static void setUpSuite() {
        QStandardPaths::setTestModeEnabled(true);
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler(
            [](QtMsgType t, const QMessageLogContext& c, const QString& text) {
                if (!text.contains(QLatin1String("propagateSizeHints"))) previous(t, c, text);
            });
    }
    // The build's translation store and pictures copied into the program folder, so that a test
    // may change or remove them without touching the build.
    bool copyProgramFolder() const {
        const QString source = QStringLiteral(OSTREL_PROGRAM_DIR);
        if (!QDir(programDir()).mkpath(QStringLiteral("images"))) return false;
        QStringList files = QDir(source).entryList({"*.bmp", "*.BMP"}, QDir::Files);
        for (const QString& f : QDir(source + QStringLiteral("images")).entryList(QDir::Files))
            files << QStringLiteral("images/") + f;
        for (const QString& f : files << QStringLiteral("Lenguas.db"))
            if (!QFile::copy(source + f, programDir() + f)) return false;
        return true;
    }
    // A fresh program folder, no earlier test's recovery copy, and the window started in it.
    void startInNewFolder() {
        dialogs_ = RecordingDialogs();
        removeRecoveryCopies();
        program_ = std::make_unique<QTemporaryDir>();
        QVERIFY(program_->isValid() && copyProgramFolder());
        startWindow();
    }
    // Started as the program starts it: with the folder as given, without its final "/".
    void startWindow() {
        w_ = std::make_unique<ostrel::MainWindow>(program_->path(), dialogs_);
        QVERIFY(w_->ok());
        quits_ = 0;
        w_->setQuitHandler([this] { ++quits_; });
        w_->show();
        QApplication::setActiveWindow(w_.get());
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }
    // The program ended abnormally and started again, without its recovery copy.
    void restartWindow() {
        w_.reset();
        removeRecoveryCopies();
        startWindow();
    }
    // The window goes; every box shown was announced and every prepared answer used.
    void closeWindow() {
        w_.reset();
        QCOMPARE(dialogs_.texts.size(), dialogs_.expected);
        QVERIFY2(dialogs_.saveChoices.isEmpty() && dialogs_.fileNames.isEmpty() &&
                     dialogs_.answers.isEmpty() && dialogs_.windows.isEmpty(),
                 "an answer was prepared for a question never asked");
    }

    template <typename T> T* get(const QString& name) const {
        T* found = w_->findChild<T*>(name);
        if (!found) qWarning("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit* box(const QString& name) const { return get<QLineEdit>(name); }
    QString caption(const QString& name) const { return get<QLabel>(name)->text(); }
    QString entryText(int entry) const { return w_->language().text(entry); }
    QString onlyMessage() const { return dialogs_.texts.size() == 1 ? dialogs_.texts[0] : "?"; }
    QAction* item(const QString& name) const { return get<QAction>(name); }
    void trigger(const QString& name) {
        QAction* action = item(name);
        QVERIFY2(action && action->isEnabled(), qPrintable(name));
        action->trigger();
    }
    void click(const QString& name) { QTest::mouseClick(get<QWidget>(name), Qt::LeftButton); }

    QAction* toolButton(const QString& key) const {
        return get<QToolBar>("mainToolBar")->findChild<QAction*>(key + QStringLiteral("Tool"));
    }
    void clickToolbar(const QString& key) {
        QAction* action = toolButton(key);
        QVERIFY2(action && action->isVisible(), qPrintable(key));
        QTest::mouseClick(get<QToolBar>("mainToolBar")->widgetForAction(action), Qt::LeftButton);
    }
    // Shows the group of the kind's button (a mechanism's has no number), then clicks it.
    void chooseKind(const QString& key) {
        const int button = toolButton(key)->property("button").toInt();
        for (const ostrel::GroupCommand& g : ostrel::groupCommands())
            if (button >= g.firstVisible && button <= g.lastVisible)
                clickToolbar(QLatin1String(g.key));
        if (button == 0) clickToolbar(QStringLiteral("showMechanisms"));
        clickToolbar(key);
    }
    // Pairs of box and text: each box focused, emptied and typed into key by key.
    void type(const QStringList& inputs) {
        for (qsizetype i = 0; i + 1 < inputs.size(); i += 2) {
            QLineEdit* b = box(inputs[i]);
            QTest::mouseClick(b, Qt::LeftButton);
            b->setFocus(); // a box of the Drive panel may lie outside the visible part
            b->selectAll();
            QTest::keyClick(b, Qt::Key_Delete);
            QTest::keyClicks(b, inputs[i + 1]);
        }
    }
    // A steel disc of the given diameter and height, typed key by key (not added).
    void typeSteelDisc(const QString& diameter = QStringLiteral("1000"),
                       const QString& height = QStringLiteral("100")) {
        clickToolbar(QStringLiteral("disc"));
        click(QStringLiteral("densityOption"));
        type({"diameterBox", diameter, "heightBox", height});
    }
    void addSteelDisc(const QString& diameter = QStringLiteral("1000")) {
        typeSteelDisc(diameter);
        click(QStringLiteral("addButton"));
    }
    void saveAs(const QString& path) {
        dialogs_.fileNames << path;
        trigger("saveAsAction");
    }

    QStringList results() const {
        return {caption("massResult"), caption("inertiaResult"), caption("frictionResult"),
                caption("workingResult")};
    }
    QStringList units() const {
        return {caption("massResultUnit"), caption("inertiaResultUnit"),
                caption("frictionResultUnit"), caption("workingResultUnit")};
    }
    QString cell(const char* grid, int row, int column) const {
        return get<QTableView>(grid)->model()->index(row, column).data().toString();
    }
    int partRows() const { return get<QTableView>("partsTable")->model()->rowCount(); }
    QStringList totals() const {
        return {cell("totalsTable", 0, 1), cell("totalsTable", 0, 2), cell("totalsTable", 0, 3),
                cell("totalsTable", 0, 4)};
    }
};
