// The project commands of the main window driven as a user drives them, offscreen in a
// temporary program folder, with settings and recovery copies in Qt's test folders: files,
// undo, recovery, export, the writes that fail and the limits of a project.
#include "list/csvexport.h"
#include "platform/atomicfile.h"
#include "windowfixture.h"

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
        QSettings().remove(QStringLiteral("recentFiles"));
        QSettings().remove(DisplaySettings::group()); // Classic digits and SI units
        startInNewFolder();
    }
    void cleanup() {
        AtomicFile::failAt(AtomicFile::Step::None);
        closeWindow();
    }

    // Quit by the button or the window's close: with nothing unsaved at once; with unsaved
    // lines Save / Discard / Cancel are offered in the working language; a cancelled or failed
    // save keeps the window, its list, its mark and its recovery copy, which a normal end
    // removes.
    void quitAsksOnlyAboutUnsavedChanges_data() {
        QTest::addColumn<bool>("button");
        QTest::addColumn<QString>("answer"); // to the question, or "clean" or "saved"
        for (const char* answer : {"clean", "saved", "discard", "cancel", "save"})
            QTest::newRow(answer) << true << QString(answer);
        QTest::newRow("failing, close") << false << QStringLiteral("failing");
    }
    void quitAsksOnlyAboutUnsavedChanges() {
        QFETCH(bool, button);
        QFETCH(QString, answer);
        const QString path = workFile(QStringLiteral("quit.ostrel"));
        const QMap<QString, SaveChoice> choices{{"discard", SaveChoice::Discard},
                                                {"cancel", SaveChoice::Cancel},
                                                {"save", SaveChoice::Save},
                                                {"failing", SaveChoice::Save}};
        const bool asks = choices.contains(answer);
        const bool stays = answer == QLatin1String("cancel") || answer == QLatin1String("failing");
        if (answer != QLatin1String("clean")) addSteelDisc();
        if (answer == QLatin1String("saved")) saveAs(path);
        if (asks) dialogs_.saveChoices << choices[answer];
        if (asks && choices[answer] == SaveChoice::Save)
            dialogs_.fileNames << (answer == QLatin1String("save") ? path : workFile("gone/p"));
        if (answer == QLatin1String("failing")) dialogs_.expect();
        QTRY_COMPARE(QFileInfo::exists(ProjectCommands::recoveryPath()), asks);
        const QStringList before = state();
        if (button)
            click(QStringLiteral("quitButton"));
        else
            w_->close();
        QCOMPARE(dialogs_.asked.size(), asks ? 1 : 0);
        if (asks)
            QCOMPARE((QStringList{dialogs_.saveButtons[0].save, dialogs_.saveButtons[0].discard,
                                  dialogs_.saveButtons[0].cancel}),
                     (QStringList{entryText(609), entryText(610), entryText(611)}));
        QCOMPARE(w_->isVisible(), stays);
        if (button) QCOMPARE(quits_, stays ? 0 : 1);
        QCOMPARE(state(), before);
        // Discard drops nothing from the window: its list and mark stay until it goes.
        QCOMPARE(w_->isWindowModified(), stays || answer == QLatin1String("discard"));
        QCOMPARE(QFileInfo::exists(ProjectCommands::recoveryPath()), stays);
        if (answer == QLatin1String("save"))
            QCOMPARE(readProject(path).project.lines.size(), size_t(1));
    }

    // The title names the file (a "[*]" in its name shown as such) and carries the mark while
    // changes are unsaved. Title, author and notes are an undoable change saved with the
    // project, under the name the title suggests (no folder made of its slash); a cancelled
    // Properties window changes nothing. Undone and redone after a save, the properties keep
    // the file; back at the saved state the mark and the recovery copy go; Save writes to the
    // same file without asking.
    void titleAndPropertiesFollowTheProject() {
        const QString app = w_->project().applicationTitle();
        QCOMPARE(w_->windowTitle(), entryText(521) + QStringLiteral("[*] - ") + app);
        QVERIFY(!w_->isWindowModified());
        addSteelDisc();
        QVERIFY(w_->isWindowModified());
        dialogs_.windows << [](QDialog& d) {
            d.findChild<QLineEdit*>(QStringLiteral("projectTitle"))->setText("Press 4/5");
            d.findChild<QLineEdit*>(QStringLiteral("projectAuthor"))->setText("J. Doe");
            d.findChild<QPlainTextEdit*>(QStringLiteral("projectNotes"))
                ->setPlainText("Line one\nLine two");
            return int(QDialog::Accepted);
        };
        trigger("propertiesAction");
        const QString path = workFile(QStringLiteral("first [*] disc.ostrel"));
        saveAs(workFile(QStringLiteral("first [*] disc"))); // the suffix is added
        QCOMPARE(QFileInfo(dialogs_.suggested.value(0)).fileName(), "Press 4-5.ostrel");
        QCOMPARE(w_->windowTitle(), QStringLiteral("first [*][*] disc.ostrel[*] - ") + app);
        QVERIFY(!w_->isWindowModified());
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
        trigger("redoAction"); // no step was pushed over the undone one
        QCOMPARE(w_->windowTitle(), QStringLiteral("first [*][*] disc.ostrel[*] - ") + app);
        QVERIFY(!w_->isWindowModified());
        QTRY_VERIFY(!QFileInfo::exists(ProjectCommands::recoveryPath())); // nothing unsaved
        addSteelDisc(QStringLiteral("500"));
        trigger("saveAction");
        QVERIFY(!w_->isWindowModified());
        QCOMPARE(readProject(path).project.lines.size(), size_t(2));
    }

    // Adds, a double-click taking the middle line back into the editor, undone and redone step
    // by step by menu and keys: every step gives back exactly the list it had, totals
    // included, the first the unmodified one.
    void undoAndRedoWalkTheHistory() {
        QList<QStringList> states{state()};
        for (const char* diameter : {"1000", "333.3", "250"}) {
            addSteelDisc(QLatin1String(diameter));
            states << state();
        }
        chooseKind(QStringLiteral("sphere"));
        QTableView* grid = get<QTableView>("partsTable"); // the middle disc, double-clicked
        const QPoint row = grid->visualRect(grid->model()->index(1, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(w_->parts().partCount(), 2);
        QCOMPARE(w_->editor().kindCode(), 1); // the disc in the editor, in density mode
        QCOMPARE(box("diameterBox")->text() + '|' + box("massOrDensityBox")->text() + '|' +
                     caption("massUnit"),
                 "333.3|7850|kg/m³");
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

    // New, Open and a file dropped on the window ask first; cancelling changes nothing (no
    // file chooser comes); the replaced list comes back by Undo; a file that cannot be read is
    // refused naming it, and the list and its history stay as they were.
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
        dialogs_.fileNames << workFile(QStringLiteral("bad.ostrel"));
        dialogs_.expect();
        trigger("openAction");
        QVERIFY2(onlyMessage().contains(QLatin1String("bad.ostrel")), qPrintable(onlyMessage()));
        QCOMPARE(state(), unsaved);
        QVERIFY(w_->isWindowModified() && item("undoAction")->isEnabled());

        QMimeData data; // a file dropped on the window opens as Open would
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(w_.get(), &enter);
        QVERIFY(enter.isAccepted());
        dialogs_.saveChoices << SaveChoice::Discard;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w_.get(), &drop);
        QTRY_COMPARE(state(), saved);
        QVERIFY(!w_->isWindowModified());
        QCOMPARE(dialogs_.asked.size(), 5);
    }

    // Save, Save as, recovery copy, CSV and PDF failing at a write, at the flush, or at a
    // target that cannot be written (a vanished folder, a folder): one box naming the target,
    // the old file byte for byte, the list still unsaved with its recovery copy; a recovery
    // copy is told once; after a failed save the title still names the old file, where Save
    // then writes.
    void failedWritesKeepTheOldFileAndSayWhere_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("target"); // of a Save as
        for (const char* what : {"save", "recovery", "csv", "pdf"})
            for (auto step : {AtomicFile::Step::Write, AtomicFile::Step::Flush})
                QTest::addRow("%s %d", what, int(step)) << what << int(step) << "";
        const int none = int(AtomicFile::Step::None);
        QTest::newRow("save as, vanished folder") << "save" << none << "gone/p.ostrel";
        QTest::newRow("save as, a folder") << "save" << none << "folder.ostrel";
    }
    void failedWritesKeepTheOldFileAndSayWhere() {
        QFETCH(QString, what);
        QFETCH(int, step);
        QFETCH(QString, target);
        const QString old = what == "save"       ? workFile("p.ostrel")
                            : what == "recovery" ? ProjectCommands::recoveryPath()
                                                 : workFile("old.out");
        const QString path = target.isEmpty() ? old : workFile(target);
        QVERIFY(QDir(programDir()).mkdir(QStringLiteral("folder.ostrel")));
        addSteelDisc();
        if (what == "save") {
            saveAs(old);
            addSteelDisc(QStringLiteral("500"));
        } else if (what != "recovery") {
            writeFile(old, "the old export");
        }
        QTRY_VERIFY(!w_->project().writingRecovery() &&
                    QFileInfo::exists(ProjectCommands::recoveryPath()));
        const QByteArray before = fileBytes(old);
        const QString title = w_->windowTitle();

        dialogs_.expect();
        AtomicFile::failAt(AtomicFile::Step(step));
        if (what == "recovery") addSteelDisc(QStringLiteral("250"));
        if (what == "save" && target.isEmpty()) trigger("saveAction");
        if (what != "recovery" && (what != "save" || !target.isEmpty())) {
            dialogs_.fileNames << path;
            trigger(what == "save"  ? "saveAsAction"
                    : what == "csv" ? "exportCsvAction"
                                    : "exportPdfAction");
        }
        QTRY_VERIFY(dialogs_.texts.size() == 1 && !w_->project().writingRecovery());
        QVERIFY2(dialogs_.texts[0].contains(path), qPrintable(dialogs_.texts[0]));
        QCOMPARE(dialogs_.icons.value(0), MessageIcon::Exclamation);
        QCOMPARE(fileBytes(old), before);
        QVERIFY(w_->isWindowModified() && QFileInfo::exists(ProjectCommands::recoveryPath()));
        if (what == "recovery") { // told once a session, the list going on
            addSteelDisc(QStringLiteral("100"));
            QTRY_VERIFY(!w_->project().writingRecovery());
            QCOMPARE(w_->parts().partCount() + dialogs_.texts.size(), 3 + 1);
        }
        if (what == "save") {
            QCOMPARE(w_->windowTitle(), title);
            AtomicFile::failAt(AtomicFile::Step::None);
            trigger("saveAction");
            QCOMPARE(readProject(old).project.lines.size(), size_t(2));
        }
    }

    // Boxes stop at the limits in characters (one beyond U+FFFF is one) where the text was
    // typed, and take no control character; the largest texts save and open again.
    void limitsHoldWhereTheUserTypes() {
        const QString astral = QString::fromUcs4(U"\U0001D7CE");
        typeSteelDisc();
        box("quantityBox")->setText(QString(ProjectLimits::MaxInputText - 1, u'0'));
        box("quantityBox")->insert(QStringLiteral("1234"));
        box("ratioBox")->setText(QString());
        box("ratioBox")->insert(QStringLiteral("1\x01\t"));
        box("motorInertiaBox")->insert(astral.repeated(300));
        QCOMPARE(box("quantityBox")->text(), QString(ProjectLimits::MaxInputText - 1, u'0') + "1");
        QCOMPARE(box("ratioBox")->text(), "1");
        QCOMPARE(box("motorInertiaBox")->text(), astral.repeated(ProjectLimits::MaxInputText));
        click(QStringLiteral("addButton"));

        dialogs_.windows << [&astral](QDialog& d) {
            d.findChild<QLineEdit*>("projectTitle")->insert(astral.repeated(1001));
            d.findChild<QPlainTextEdit*>("projectNotes")->insertPlainText(QString(100500, u'n'));
            return d.findChild<QLabel*>("notesCutNote")->isHidden() ? 0 : int(QDialog::Accepted);
        };
        trigger("propertiesAction");
        QCOMPARE(characterCount(w_->project().header().title), ProjectLimits::MaxTitleText);
        QCOMPARE(w_->project().header().notes.size(), ProjectLimits::MaxNotesText);
        saveAs(workFile("largest.ostrel"));
        QVERIFY(!w_->isWindowModified() && readProject(workFile("largest.ostrel")).ok);
    }

    // The line after the last a project holds is refused with a message; the list stays.
    void theLineAfterTheLimitIsRefused() {
        ProjectLine disc;
        disc.code = 1;
        disc.texts = {"1", "1", "100", "", "1000", "", ""};
        disc.exact = calculatePart({disc.code, disc.totalMass, disc.texts}).values;
        Project full;
        full.lines.assign(ProjectLimits::MaxLines, disc);
        QVERIFY(saveProject(full, workFile("full.ostrel")).ok &&
                w_->openFile(workFile("full.ostrel")));
        dialogs_.expect();
        addSteelDisc();
        QCOMPARE(dialogs_.texts.value(0), entryText(585));
        QCOMPARE(w_->parts().partCount(), ProjectLimits::MaxLines);
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

    // Export to CSV writes the list's CSV in the working language and the units on show, its
    // suffix added, and is no save; Copy puts the selected rows, or all, on the clipboard as
    // tab-separated text.
    void exportAndCopyGiveTheListAsText() {
        for (const char* diameter : {"1000", "500", "250"})
            addSteelDisc(QLatin1String(diameter));
        trigger("inertiaUnitMenu_kg.cm2");
        dialogs_.fileNames << workFile(QStringLiteral("list"));
        trigger("exportCsvAction");
        const ExportLabels labels = exportLabels(w_->language().texts);
        const QByteArray csv = fileBytes(workFile(QStringLiteral("list.csv")));
        QCOMPARE(csv, csvText(w_->parts(), labels, w_->displayChoice()));
        QVERIFY(csv.contains(",770671.9478337462,")); // 77.07 kg·m²
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
