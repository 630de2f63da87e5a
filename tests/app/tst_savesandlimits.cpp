// Saves and exports of the main window that fail keep the old file and say where, the limits
// of a project hold where the user types, and the CSV follows the display choice.
#include "files/atomicfile.h"
#include "list/csvexport.h"
#include "list/projectfile.h"
#include "windowfixture.h"

#include <QDialog>
#include <QPlainTextEdit>

using namespace ostrel;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every writer fails at one step while it lives.
struct FailingWrites {
    explicit FailingWrites(AtomicFile::Step step) { AtomicFile::failAt(step); }
    ~FailingWrites() { AtomicFile::failAt(AtomicFile::Step::None); }
};

} // namespace

class TestSavesAndLimits : public WindowFixture {
    Q_OBJECT

private:
    QTemporaryDir work_;

    QString workFile(const char* name) const { return QDir(work_.path()).filePath(name); }
    void addDisc(const QString& diameter) {
        typeSteelDisc(diameter);
        click(QStringLiteral("addButton"));
    }
    void waitForRecovery() {
        QTRY_VERIFY(!w_->project().writingRecovery() &&
                    QFileInfo::exists(ProjectCommands::recoveryPath()));
    }

private slots:
    void initTestCase() { setUpSuite(); }
    void init() { startInNewFolder(); }
    void cleanup() { closeWindow(); }

    // Save, recovery copy, CSV and PDF, failing at a write or at the flush: one box naming the
    // path, the old file byte for byte, the list still marked unsaved with its recovery copy.
    void failedWritesKeepTheOldFileAndSayWhere_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("step");
        for (const char* what : {"save", "recovery", "csv", "pdf"})
            for (auto step : {AtomicFile::Step::Write, AtomicFile::Step::Flush})
                QTest::addRow("%s %s", what, step == AtomicFile::Step::Write ? "write" : "flush")
                    << what << int(step);
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
        waitForRecovery();
        const QByteArray before = fileBytes(path);

        dialogs_.expect();
        {
            const FailingWrites failing{AtomicFile::Step(step)};
            if (what == "recovery") addDisc(QStringLiteral("250"));
            if (what == "save") trigger("saveAction");
            if (what == "csv" || what == "pdf") {
                dialogs_.fileNames << path;
                trigger(what == "csv" ? "exportCsvAction" : "exportPdfAction");
            }
            QTRY_COMPARE(dialogs_.texts.size(), 1);
            QTRY_VERIFY(!w_->project().writingRecovery());
        }
        QVERIFY2(dialogs_.texts[0].contains(path), qPrintable(dialogs_.texts[0]));
        QCOMPARE(fileBytes(path), before);
        QVERIFY(w_->isWindowModified());
        QVERIFY(QFileInfo::exists(ProjectCommands::recoveryPath()));
    }

    // Boxes stop at the reader's limits in characters (a character beyond U+FFFF is one) and
    // take no control character; the largest texts the window takes save and open again.
    void limitsHoldWhereTheUserTypes() {
        const QString astral = QString::fromUcs4(U"\U0001D7CE");
        typeSteelDisc();
        // What goes beyond the limit is cut where it was typed.
        box("quantityBox")->setText(QString(ProjectLimits::MaxInputText - 1, u'0'));
        box("quantityBox")->insert(QStringLiteral("1234"));
        box("ratioBox")->setText(QString());
        box("ratioBox")->insert(QStringLiteral("1\x01\t"));
        get<QLineEdit>("motorInertiaBox")->insert(astral.repeated(300));
        get<QLineEdit>("speedBox")->insert(QString(300, u'0'));
        QCOMPARE(box("quantityBox")->text(), QString(ProjectLimits::MaxInputText - 1, u'0') + "1");
        QCOMPARE(box("ratioBox")->text(), "1");
        QCOMPARE(get<QLineEdit>("motorInertiaBox")->text(),
                 astral.repeated(ProjectLimits::MaxInputText));
        QCOMPARE(get<QLineEdit>("speedBox")->text().size(), ProjectLimits::MaxInputText);
        click(QStringLiteral("addButton"));
        QCOMPARE(w_->parts().partCount(), 1);

        dialogs_.windows << [&astral](QDialog& d) {
            d.findChild<QLineEdit*>("projectTitle")->insert(astral.repeated(1001));
            auto* notes = d.findChild<QPlainTextEdit*>("projectNotes");
            notes->insertPlainText(QString(100500, u'n'));
            if (notes->toPlainText().size() != ProjectLimits::MaxNotesText ||
                d.findChild<QLabel*>("notesCutNote")->isHidden())
                return int(QDialog::Rejected);
            return int(QDialog::Accepted);
        };
        trigger("propertiesAction");
        QCOMPARE(characterCount(w_->project().header().title), ProjectLimits::MaxTitleText);
        QCOMPARE(w_->project().header().notes.size(), ProjectLimits::MaxNotesText);
        dialogs_.fileNames << workFile("largest.ostrel");
        trigger("saveAsAction");
        QVERIFY(!w_->isWindowModified());
        QVERIFY(readProject(workFile("largest.ostrel")).ok);
    }

    // The line after the last a project holds is refused with a message; the list stays.
    void theLineAfterTheLimitIsRefused() {
        Project full;
        ProjectLine disc;
        disc.code = 1;
        disc.texts = {"1", "1", "100", "", "1000", "", ""};
        disc.exact = calculatePart({disc.code, disc.totalMass, disc.texts}).values;
        full.lines.assign(ProjectLimits::MaxLines, disc);
        QVERIFY(saveProject(full, workFile("full.ostrel")).ok);
        QVERIFY(w_->openFile(workFile("full.ostrel")));
        dialogs_.expect();
        addDisc(QStringLiteral("1000"));
        QCOMPARE(dialogs_.texts.value(0), entryText(585));
        QCOMPARE(w_->parts().partCount(), ProjectLimits::MaxLines);
        QVERIFY(!w_->isWindowModified());
    }

    // The CSV export writes its results in the units on show, as the command line does.
    void csvExportFollowsTheDisplayChoice() {
        addDisc(QStringLiteral("1000"));
        trigger("inertiaUnitMenu_kg.cm2");
        dialogs_.fileNames << workFile("units.csv");
        trigger("exportCsvAction");
        const QByteArray csv = fileBytes(workFile("units.csv"));
        trigger("classicDigitsAction");
        ExportLabels labels;
        labels.kindHeading = entryText(523);
        labels.kindNames[0] = entryText(15).remove(QLatin1Char('&'));
        QCOMPARE(csv,
                 csvText(w_->parts(), labels,
                         DisplayChoice{Digits::Significant4, MassUnit::Kg, InertiaUnit::KgCm2}));
    }
};

QTEST_MAIN(TestSavesAndLimits)
#include "tst_savesandlimits.moc"
