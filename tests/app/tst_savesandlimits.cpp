// Saves and exports of the window that fail keep the old file and say where; the limits of a
// project hold where the user types; the CSV export follows the display choice.
#include "list/projectfile.h"
#include "platform/atomicfile.h"
#include "windowfixture.h"

#include <QPlainTextEdit>

using namespace ostrel;

class TestSavesAndLimits : public WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() { setUpSuite(); }
    void init() { startInNewFolder(); }
    void cleanup() {
        AtomicFile::failAt(AtomicFile::Step::None);
        closeWindow();
    }

    // Save, Save as, recovery copy, CSV and PDF failing at a write, at the flush, or at a
    // target that cannot be written (a vanished folder, a folder): one box naming the target,
    // the old file byte for byte, the list still unsaved with its recovery copy; after a
    // failed save the title still names the old file, where Save then writes.
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

    // The CSV export writes its results in the units on show, as the command line does.
    void csvExportFollowsTheDisplayChoice() {
        addSteelDisc();
        trigger("inertiaUnitMenu_kg.cm2");
        dialogs_.fileNames << workFile("units.csv");
        trigger("exportCsvAction");
        trigger("classicDigitsAction");
        QVERIFY(fileBytes(workFile("units.csv")).contains(",770671.9478337462,"));
    }
};

QTEST_MAIN(TestSavesAndLimits)
#include "tst_savesandlimits.moc"
