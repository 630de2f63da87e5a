// The project commands of the main window driven as a user drives them, offscreen in a
// temporary program folder, with settings and recovery copies in Qt's test folders.
#include "app/parteditor.h"
#include "app/recoverycopies.h"
#include "list/csvexport.h"
#include "list/projectfile.h"
#include "windowfixture.h"

#include <QClipboard>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUndoStack>
#include <QUrl>

using namespace ostrel;

class TestProjectWindow : public WindowFixture {
    Q_OBJECT

private:
    // Everything the list shows: every cell of every row, then the totals line.
    QStringList state() const {
        const PartsList& list = w_->parts();
        QStringList cells;
        for (int r = 1; r < list.rowCount(); ++r)
            for (int c = 1; c < PartsList::ColumnCount; ++c)
                cells << list.cell(r, c);
        for (int c = 1; c < PartsList::TotalsCount; ++c)
            cells << list.total(c);
        return cells;
    }
    void pressOnList(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTableView* grid = get<QTableView>("partsTable");
        grid->setFocus();
        QTest::keyClick(grid, key, modifiers);
    }

private slots:
    void initTestCase() { setUpSuite(); }
    void init() {
        QDir(ProjectCommands::recoveryPath()).removeRecursively();
        QSettings().remove(QStringLiteral("recentFiles"));
        startInNewFolder();
    }
    void cleanup() { closeWindow(); }

    // Quit by button, menu, toolbar or window close: with nothing unsaved at once; with
    // unsaved lines Save / Discard / Cancel are offered in the working language; a cancelled
    // or failed save keeps the window, its list, its mark and its recovery copy, which a
    // normal end removes.
    void quitAsksOnlyAboutUnsavedChanges_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("answer");
        const char* rows[][2] = {{"close", "clean"},  {"toolbar", "saved"},
                                 {"menu", "discard"}, {"button", "cancel"},
                                 {"menu", "save"},    {"toolbar", "failing"}};
        for (const auto& [how, answer] : rows)
            QTest::addRow("%s %s", how, answer) << QString(how) << QString(answer);
    }
    void quitAsksOnlyAboutUnsavedChanges() {
        QFETCH(QString, how);
        QFETCH(QString, answer);
        const QString path = workFile(QStringLiteral("quit.ostrel"));
        if (answer != QLatin1String("clean")) addSteelDisc();
        if (answer == QLatin1String("saved")) saveAs(path);
        const bool asks = answer != QLatin1String("clean") && answer != QLatin1String("saved");
        if (answer == QLatin1String("discard")) dialogs_.saveChoices << SaveChoice::Discard;
        if (answer == QLatin1String("cancel")) dialogs_.saveChoices << SaveChoice::Cancel;
        if (answer == QLatin1String("save") || answer == QLatin1String("failing")) {
            dialogs_.saveChoices << SaveChoice::Save;
            dialogs_.fileNames << (answer == QLatin1String("save") ? path : workFile("gone/p"));
        }
        if (answer == QLatin1String("failing")) dialogs_.expect();
        QTRY_COMPARE(QFileInfo::exists(ProjectCommands::recoveryPath()), asks);
        const QStringList before = state();

        if (how == QLatin1String("button"))
            click(QStringLiteral("quitButton"));
        else if (how == QLatin1String("menu"))
            trigger("quitAction");
        else if (how == QLatin1String("toolbar"))
            clickToolbar(QStringLiteral("quit"));
        else
            w_->close();

        QCOMPARE(dialogs_.asked.size(), asks ? 1 : 0);
        if (asks)
            QCOMPARE((QStringList{dialogs_.saveButtons[0].save, dialogs_.saveButtons[0].discard,
                                  dialogs_.saveButtons[0].cancel}),
                     (QStringList{entryText(609), entryText(610), entryText(611)}));
        const bool stays = answer == QLatin1String("cancel") || answer == QLatin1String("failing");
        QCOMPARE(w_->isVisible(), stays);
        if (how != QLatin1String("close")) QCOMPARE(quits_, stays ? 0 : 1);
        QCOMPARE(state(), before);
        // Discard drops nothing from the window: its list and mark stay until it goes.
        QCOMPARE(w_->isWindowModified(), stays || answer == QLatin1String("discard"));
        QCOMPARE(QFileInfo::exists(ProjectCommands::recoveryPath()), stays);
        if (answer == QLatin1String("save"))
            QCOMPARE(readProject(path).project.lines.size(), size_t(1));
    }

    // The title names the file (a "[*]" in its name shown as such) and carries the mark while
    // changes are unsaved; undoing back to the saved state clears the mark and the recovery
    // copy; Save writes to the same file without asking.
    void titleShowsTheFileAndTheModifiedMark() {
        const QString app = w_->project().applicationTitle();
        QCOMPARE(w_->windowTitle(), entryText(521) + QStringLiteral("[*] - ") + app);
        QVERIFY(!w_->isWindowModified());
        addSteelDisc();
        QVERIFY(w_->isWindowModified());
        const QString path = workFile(QStringLiteral("first [*] disc.ostrel"));
        saveAs(workFile(QStringLiteral("first [*] disc"))); // the suffix is added
        QCOMPARE(w_->windowTitle(), QStringLiteral("first [*][*] disc.ostrel[*] - ") + app);
        QVERIFY(!w_->isWindowModified());
        addSteelDisc(QStringLiteral("500"));
        trigger("undoAction");
        QVERIFY(!w_->isWindowModified());
        QTRY_VERIFY(!QFileInfo::exists(ProjectCommands::recoveryPath())); // nothing unsaved
        trigger("redoAction");
        QVERIFY(w_->isWindowModified());
        trigger("saveAction");
        QVERIFY(!w_->isWindowModified());
        QCOMPARE(readProject(path).project.lines.size(), size_t(2));
    }

    // Adds, a take-back in the middle, undone and redone step by step by menu and keys: every
    // step gives back exactly the list it had, totals included, the first the unmodified one.
    void undoAndRedoWalkTheHistory() {
        QList<QStringList> states{state()};
        for (const char* diameter : {"1000", "333.3", "250"}) {
            addSteelDisc(QLatin1String(diameter));
            states << state();
        }
        QTableView* grid = get<QTableView>("partsTable");
        grid->setCurrentIndex(grid->model()->index(1, 1));
        click(QStringLiteral("takeBackButton"));
        QCOMPARE(w_->parts().partCount(), 2);
        states << state();
        for (int step = states.size() - 2; step >= 0; --step) {
            if (step % 2)
                trigger("undoAction");
            else
                pressOnList(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(state(), states[step]);
        }
        QVERIFY(!item("undoAction")->isEnabled() && !w_->isWindowModified());
        for (int step = 1; step < states.size(); ++step) {
            if (step % 2)
                pressOnList(Qt::Key_Y, Qt::ControlModifier);
            else
                pressOnList(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(state(), states[step]);
        }
    }

    // New and Open ask first; cancelling changes nothing (no file chooser comes); the replaced
    // list comes back by Undo; a file that cannot be read is refused naming it, and the list
    // and its history stay as they were.
    void newAndOpenAskFirstAndCanBeUndone() {
        const QString path = workFile(QStringLiteral("two.ostrel"));
        addSteelDisc();
        addSteelDisc(QStringLiteral("500"));
        saveAs(path);
        const QStringList saved = state();
        addSteelDisc(QStringLiteral("300"));
        const QStringList unsaved = state();

        dialogs_.saveChoices << SaveChoice::Cancel << SaveChoice::Cancel;
        trigger("newAction");
        trigger("openAction");
        QCOMPARE(state(), unsaved);
        dialogs_.saveChoices << SaveChoice::Discard;
        trigger("newAction");
        QCOMPARE(w_->parts().partCount(), 0);
        QVERIFY(!w_->isWindowModified());
        QVERIFY(w_->windowTitle().startsWith(entryText(521)));
        trigger("newAction"); // nothing unsaved: nothing asked
        trigger("undoAction");
        trigger("undoAction");
        QCOMPARE(state(), unsaved);
        QVERIFY(w_->windowTitle().startsWith(QStringLiteral("two.ostrel")));

        writeFile(workFile(QStringLiteral("bad.ostrel")), "not a project");
        dialogs_.saveChoices << SaveChoice::Discard;
        dialogs_.expect();
        QVERIFY(!w_->openFile(workFile(QStringLiteral("bad.ostrel"))));
        QVERIFY2(onlyMessage().contains(QLatin1String("bad.ostrel")), qPrintable(onlyMessage()));
        QCOMPARE(state(), unsaved);
        QVERIFY(w_->isWindowModified() && item("undoAction")->isEnabled());

        dialogs_.saveChoices << SaveChoice::Discard;
        dialogs_.fileNames << path;
        trigger("openAction");
        QCOMPARE(state(), saved);
        QVERIFY(!w_->isWindowModified());
        QCOMPARE(dialogs_.asked.size(), 5);
    }

    // A file dropped on the window opens as Open would, asking first.
    void droppedFileOpens() {
        const QString path = workFile(QStringLiteral("dropped.ostrel"));
        addSteelDisc();
        saveAs(path);
        const QStringList saved = state();
        trigger("newAction");
        addSteelDisc(QStringLiteral("50"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(w_.get(), &enter);
        QVERIFY(enter.isAccepted());
        dialogs_.saveChoices << SaveChoice::Discard;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w_.get(), &drop);
        QTRY_COMPARE(state(), saved);
        QVERIFY(w_->windowTitle().startsWith(QStringLiteral("dropped.ostrel")));
        QCOMPARE(dialogs_.asked.size(), 1);
    }

    // A window that ends without closing (a crash, a kill) after changes to a saved project
    // leaves its recovery copy; the next start offers it, naming the file and the title, and
    // restores the list as unsaved work of that file with its title, its drive inputs and the
    // editor as it was (the file untouched until Save), or drops it when declined.
    void recoveryCopyComesBackAfterAnAbnormalEnd_data() {
        QTest::addColumn<bool>("restore");
        QTest::addColumn<QString>("editing"); // the kind in the editor
        QTest::newRow("restored") << true << "ring";
        QTest::newRow("declined") << false << "ring";
        QTest::newRow("restored with a belt axis") << true << "beltAxis";
    }
    void recoveryCopyComesBackAfterAnAbnormalEnd() {
        QFETCH(bool, restore);
        QFETCH(QString, editing);
        const QString path = workFile(QStringLiteral("press.ostrel"));
        addSteelDisc();
        saveAs(path);
        const QByteArray saved = fileBytes(path);
        addSteelDisc(QStringLiteral("123.4"));
        dialogs_.windows << [](QDialog& d) {
            d.findChild<QLineEdit*>(QStringLiteral("projectTitle"))->setText("Drive line 2");
            return int(QDialog::Accepted);
        };
        trigger("propertiesAction");
        type({"motorInertiaBox", "0.5"});
        chooseKind(editing);
        if (editing == QLatin1String("ring")) {
            click(QStringLiteral("densityOption"));
            type({"quantityBox", "3", "diameterBox", "300", "smallDiameterBox", "200"});
        } else {
            type({"quantityBox", "3", "massOrDensityBox", "12", "input10Box", "20"});
        }
        const QStringList lost = state();
        const EditorInputs editor = w_->editor().inputs();
        const QString copy = w_->project().recoveryFile();
        // The copy is written on a worker thread: the crash comes once it holds everything.
        QTRY_VERIFY(!w_->project().writingRecovery() &&
                    sessionFromJson(readProject(copy).project.session) ==
                        (SessionState{path, editor}));

        w_.reset(); // no close, no question: as a crash
        dialogs_.answers << restore;
        startWindow();
        QCOMPARE(dialogs_.asked.size(), 1);
        QVERIFY(dialogs_.asked[0].contains("press.ostrel (Drive line 2)"));
        if (restore) {
            QCOMPARE(state(), lost);
            QCOMPARE(w_->project().header().path, path);
            QCOMPARE(w_->project().header().title, QStringLiteral("Drive line 2"));
            QVERIFY(w_->windowTitle().startsWith(QStringLiteral("press.ostrel")));
            QVERIFY(w_->isWindowModified());
            QCOMPARE(box("motorInertiaBox")->text(), QStringLiteral("0.5"));
            QVERIFY(w_->editor().inputs() == editor);
            QCOMPARE(fileBytes(path), saved);
            trigger("saveAction"); // to its file, nothing asked
            QCOMPARE(readProject(path).project.lines.size(), size_t(2));
        } else {
            QCOMPARE(w_->parts().partCount(), 0);
        }
        QVERIFY(!w_->isWindowModified());
        QTRY_VERIFY(RecoveryCopies::copiesIn(ProjectCommands::recoveryFolder()).isEmpty());
    }

    // A second program started beside the first says so once and keeps a copy of its own,
    // leaving the first one's alone. After both end abnormally the next start offers each
    // copy, one question each: a declined copy goes, a restored one comes back, and one not
    // asked about (a list was restored before it) stays for the start after.
    void twoRunningProgramsKeepACopyEach_data() {
        QTest::addColumn<QList<bool>>("answers");
        QTest::newRow("first declined, second restored") << QList<bool>{false, true};
        QTest::newRow("first restored, second kept") << QList<bool>{true};
    }
    void twoRunningProgramsKeepACopyEach() {
        QFETCH(QList<bool>, answers);
        addSteelDisc();
        const QString first = w_->project().recoveryFile();
        QTRY_VERIFY(!w_->project().writingRecovery() && QFileInfo::exists(first));
        const QByteArray firstCopy = fileBytes(first);

        RecordingDialogs otherDialogs;
        otherDialogs.expect();
        auto second = std::make_unique<MainWindow>(program_->path(), otherDialogs);
        QCOMPARE(otherDialogs.texts, QStringList{entryText(632)});
        const QString other = second->project().recoveryFile();
        QVERIFY(!other.isEmpty() && other != first);
        QVERIFY(second->project().newProject());
        second->project().undoStack().undo(); // an empty list, unsaved
        QTRY_VERIFY(!second->project().writingRecovery() && QFileInfo::exists(other));
        QCOMPARE(fileBytes(first), firstCopy);

        second.reset(); // both end abnormally
        w_.reset();
        dialogs_.answers << answers;
        startWindow();
        QCOMPARE(dialogs_.asked.size(), answers.size());
        QVERIFY(dialogs_.asked[0].endsWith(entryText(631).arg(1).arg(2)));
        QCOMPARE(w_->parts().partCount(), answers.first() ? 1 : 0);
        QVERIFY(QFileInfo::exists(other)); // restored here, or kept for the next start
        QCOMPARE(QFileInfo::exists(first), answers.first());
    }

    // A recovery copy that cannot be written is told once, naming its path; the list goes on.
    void unwritableRecoveryCopyIsToldOnce() {
        w_.reset();
        QVERIFY(QDir().mkpath(ProjectCommands::recoveryPath())); // a folder in its place
        startWindow();
        dialogs_.expect();
        addSteelDisc();
        QTRY_COMPARE(dialogs_.texts.size(), 1);
        QVERIFY2(onlyMessage().contains(ProjectCommands::recoveryPath()),
                 qPrintable(onlyMessage()));
        addSteelDisc(QStringLiteral("500"));
        QTRY_VERIFY(!w_->project().writingRecovery());
        QCOMPARE(dialogs_.texts.size(), 1);
        QCOMPARE(w_->parts().partCount(), 2);
    }

    // Title, author and notes: an undoable change saved with the project under the name the
    // title suggests (no folder made of its slash); a cancelled window changes nothing.
    void propertiesAreSavedAndUndoable() {
        dialogs_.windows << [](QDialog& d) {
            d.findChild<QLineEdit*>(QStringLiteral("projectTitle"))->setText("Press 4/5");
            d.findChild<QLineEdit*>(QStringLiteral("projectAuthor"))->setText("J. Doe");
            d.findChild<QPlainTextEdit*>(QStringLiteral("projectNotes"))
                ->setPlainText("Line one\nLine two");
            return int(QDialog::Accepted);
        };
        trigger("propertiesAction");
        const QString path = workFile(QStringLiteral("props.ostrel"));
        saveAs(path);
        QCOMPARE(QFileInfo(dialogs_.suggested.value(0)).fileName(), "Press 4-5.ostrel");
        const ProjectRead read = readProject(path);
        QCOMPARE((QStringList{read.project.title, read.project.author, read.project.notes}),
                 (QStringList{"Press 4/5", "J. Doe", "Line one\nLine two"}));
        trigger("undoAction");
        QCOMPARE(w_->project().header().title, QString());
        QVERIFY(w_->isWindowModified());
        dialogs_.windows << [](QDialog& d) {
            d.findChild<QLineEdit*>(QStringLiteral("projectTitle"))->setText("ignored");
            return int(QDialog::Rejected);
        };
        trigger("propertiesAction");
        QCOMPARE(w_->project().header().title, QString());
        QVERIFY(item("redoAction")->isEnabled()); // no step was pushed over the undone one
    }

    // The drive inputs belong to the project: a run of typing in them marks it modified and is
    // one undo step; they are saved, New clears them, and Open brings them back unmodified,
    // also from a hand-written drive object with fields left out.
    void driveInputsAreSavedAndUndone() {
        addSteelDisc();
        const QString path = workFile(QStringLiteral("drive.ostrel"));
        saveAs(path);
        const auto drive = [this] {
            return box("motorInertiaBox")->text() + '|' + box("speedBox")->text();
        };
        type({"motorInertiaBox", "7.7", "speedBox", "3000"});
        QVERIFY(w_->isWindowModified());
        trigger("undoAction");
        QCOMPARE(drive(), QStringLiteral("|"));
        QCOMPARE(w_->parts().partCount(), 1);
        trigger("redoAction");
        trigger("saveAction");
        trigger("newAction");
        QCOMPARE(drive(), QStringLiteral("|"));
        QVERIFY(w_->openFile(path));
        QCOMPARE(drive(), QStringLiteral("7.7|3000"));
        QVERIFY(!w_->isWindowModified());
        QTRY_VERIFY(!w_->project().writingRecovery());
        QVERIFY(!QFileInfo::exists(ProjectCommands::recoveryPath()));
        QJsonObject project = QJsonDocument::fromJson(fileBytes(path)).object();
        project.insert("drive", QJsonObject{{"speed", "1500"}});
        writeFile(path, QJsonDocument(project).toJson());
        QVERIFY(w_->openFile(path));
        QCOMPARE(drive(), QStringLiteral("|1500"));
        QVERIFY(!w_->isWindowModified());
    }

    // Export to CSV writes the list's CSV in the working language, its suffix added, and is no
    // save; Copy puts the selected rows, or all, on the clipboard as tab-separated text.
    void exportAndCopyGiveTheListAsText() {
        for (const char* diameter : {"1000", "500", "250"})
            addSteelDisc(QLatin1String(diameter));
        dialogs_.fileNames << workFile(QStringLiteral("list"));
        trigger("exportCsvAction");
        const ExportLabels labels = exportLabels(w_->language().texts);
        QCOMPARE(fileBytes(workFile(QStringLiteral("list.csv"))), csvText(w_->parts(), labels));
        QVERIFY(w_->isWindowModified());
        QTableView* grid = get<QTableView>("partsTable");
        grid->clearSelection();
        pressOnList(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), copyText(w_->parts(), {}, labels));
        for (int row : {2, 0})
            grid->selectionModel()->select(grid->model()->index(row, 1),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        trigger("copyAction");
        QCOMPARE(QApplication::clipboard()->text(), copyText(w_->parts(), {1, 3}, labels));
    }

    // The last eight files, the most recent first, each opening its file.
    void recentFilesKeepTheLastEight() {
        QMenu* recent = get<QMenu>("recentMenu");
        QVERIFY(!recent->menuAction()->isEnabled());
        for (int i = 1; i <= 10; ++i) {
            addSteelDisc(QString::number(100 * i));
            saveAs(workFile(QStringLiteral("p%1.ostrel").arg(i)));
        }
        saveAs(workFile(QStringLiteral("p4.ostrel"))); // again: moves to the top
        QStringList names;
        for (QAction* a : recent->actions())
            names << a->text();
        QCOMPARE(names,
                 (QStringList{"&1 p4.ostrel", "&2 p10.ostrel", "&3 p9.ostrel", "&4 p8.ostrel",
                              "&5 p7.ostrel", "&6 p6.ostrel", "&7 p5.ostrel", "&8 p3.ostrel"}));
        QVERIFY(recent->menuAction()->isEnabled());
        recent->actions().at(7)->trigger(); // p3: three discs
        QCOMPARE(w_->parts().partCount(), 3);
        QVERIFY(w_->windowTitle().startsWith(QStringLiteral("p3.ostrel")));
        QCOMPARE(w_->project().recentFiles().first(), workFile(QStringLiteral("p3.ostrel")));
    }
};

QTEST_MAIN(TestProjectWindow)
#include "tst_projectwindow.moc"
