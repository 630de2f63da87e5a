// Saves and exports of the window that fail keep the old file and say where; the limits of a
// project hold where the user types; the CSV export follows the display choice.
#include "platform/atomicfile.h"
#include "list/projectfile.h"
#include "windowfixture.h"

#include <QPlainTextEdit>

using namespace ostrel;

class TestSavesAndLimits : public WindowFixture {
    Q_OBJECT

private:
    QTemporaryDir work_;

    QString workFile(const char* name) const { return QDir(work_.path()).filePath(name); }
    void addDisc(const QString& diameter) {
        typeSteelDisc(diameter);
        click(QStringLiteral("addButton"));
    }

private slots:
    void initTestCase() { setUpSuite(); }
    void init() { startInNewFolder(); }
    void cleanup() {
        AtomicFile::failAt(AtomicFile::Step::None);
        closeWindow();
    }

    // Save, recovery copy, CSV and PDF failing at a write or at the flush: one box naming the
    // path, the old file byte for byte, the list still unsaved with its recovery copy.
    void failedWritesKeepTheOldFileAndSayWhere_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("step");
        for (const char* what : {"save", "recovery", "csv", "pdf"})
            for (auto step : {AtomicFile::Step::Write, AtomicFile::Step::Flush})
                QTest::addRow("%s %d", what, int(step)) << what << int(step);
    }
    void failedWritesKeepTheOldFileAndSayWhere() {
        QFETCH(QString, what);
        QFETCH(int, step);
        const QString path = what == "save"       ? workFile("p.ostrel")
                             : what == "recovery" ? ProjectCommands::recoveryPath()
                                                  : workFile("old.out");
        addDisc(QStringLiteral("1000"));
        if (what == "save") {
            dialogs_.fileNames << path;
            trigger("saveAsAction");
            addDisc(QStringLiteral("500"));
        } else if (what != "recovery") {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the old export") > 0);
        }
        QTRY_VERIFY(!w_->project().writingRecovery() &&
                    QFileInfo::exists(ProjectCommands::recoveryPath()));
        const QByteArray before = fileBytes(path);

        dialogs_.expect();
        AtomicFile::failAt(AtomicFile::Step(step));
        if (what == "recovery") addDisc(QStringLiteral("250"));
        if (what == "save") trigger("saveAction");
        if (what == "csv" || what == "pdf") {
            dialogs_.fileNames << path;
            trigger(what == "csv" ? "exportCsvAction" : "exportPdfAction");
        }
        QTRY_VERIFY(dialogs_.texts.size() == 1 && !w_->project().writingRecovery());
        QVERIFY2(dialogs_.texts[0].contains(path), qPrintable(dialogs_.texts[0]));
        QCOMPARE(fileBytes(path), before);
        QVERIFY(w_->isWindowModified() && QFileInfo::exists(ProjectCommands::recoveryPath()));
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
        dialogs_.fileNames << workFile("largest.ostrel");
        trigger("saveAsAction");
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
        addDisc(QStringLiteral("1000"));
        QCOMPARE(dialogs_.texts.value(0), entryText(585));
        QCOMPARE(w_->parts().partCount(), ProjectLimits::MaxLines);
    }

    // The CSV export writes its results in the units on show, as the command line does.
    void csvExportFollowsTheDisplayChoice() {
        addDisc(QStringLiteral("1000"));
        trigger("inertiaUnitMenu_kg.cm2");
        dialogs_.fileNames << workFile("units.csv");
        trigger("exportCsvAction");
        trigger("classicDigitsAction");
        QVERIFY(fileBytes(workFile("units.csv")).contains(",770671.9478337462,"));
    }
};

QTEST_MAIN(TestSavesAndLimits)
#include "tst_savesandlimits.moc"
