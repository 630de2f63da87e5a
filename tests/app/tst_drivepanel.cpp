// The Drive panel in the main window: typed into, fed by the parts list, shown and hidden by
// its toggle, and its plot drawn on the recording surface. Offscreen, in a temporary program
// folder, with every message box recorded.
#include "app/drivepanel.h"
#include "app/driveplotview.h"
#include "app/ostrel.h"
#include "app/projectcommands.h"
#include "platform/dialogs.h"
#include "platform/recordingsurface.h"
#include "programfolder.h"
#include "report/driveplot.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace ostrel;

namespace {

class RecordingDialogs : public Dialogs {
public:
    QStringList texts;
    static bool unexpected(const QString& what) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected ") + what), __FILE__, __LINE__);
        return false;
    }
    void message(const QString& text, MessageIcon, const QString&) override {
        texts << text;
        unexpected(QStringLiteral("box: ") + text);
    }
    bool question(const QString& text, const QString&) override { return unexpected(text); }
    QString saveFileName(const QString& title, const QString&, const QString&) override {
        unexpected(title);
        return {};
    }
    int exec(QDialog& dialog) override { return unexpected(dialog.windowTitle()); }
    SaveChoice askToSave(const QString& text, const QString&) override {
        unexpected(text);
        return SaveChoice::Cancel;
    }
    QString openFileName(const QString& title, const QString&, const QString&) override {
        unexpected(title);
        return {};
    }
};

QSettings userSettings() {
    return QSettings(QSettings::UserScope, QStringLiteral("Ostrel"), QStringLiteral("Ostrel"));
}

} // namespace

class TestDrivePanel : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    RecordingDialogs dialogs_;
    std::unique_ptr<Ostrel> w_;

    QString programDir() const { return dir_->path() + QLatin1Char('/'); }

    void startWindow() {
        QFile::remove(ProjectCommands::recoveryPath()); // no earlier test's list comes back
        w_ = std::make_unique<Ostrel>(dir_->path(), dialogs_);
        QVERIFY(w_->ok());
        w_->setQuitHandler([] {});
        w_->show();
        QApplication::setActiveWindow(w_.get());
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }
    DrivePanel& panel() const { return w_->drivePanel(); }
    template <typename T> T* get(const QString& name) const {
        T* found = w_->findChild<T*>(name);
        if (!found) qWarning("no control %s", qPrintable(name));
        return found;
    }
    QString shown(const QString& name) const { return get<QLabel>(name)->text(); }
    QString result(const char* key) const {
        return shown(QStringLiteral("DriveResult_") + QLatin1String(key));
    }
    QString texte(int entry) const { return w_->langue().texte(entry); }
    // Each box clicked, emptied and typed into key by key.
    void type(const QStringList& pairs) {
        for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
            QLineEdit* b = get<QLineEdit>(QStringLiteral("Drive_") + pairs[i]);
            b->setFocus();
            b->selectAll();
            QTest::keyClick(b, Qt::Key_Delete);
            QTest::keyClicks(b, pairs[i + 1]);
        }
    }
    // A steel disc of 1000 x 100 mm through the editor: 617 kg, 77.07 kg·m².
    void addSteelDisc() {
        w_->kindCommand(1);
        QTest::mouseClick(get<QRadioButton>("MasseSpecifique"), Qt::LeftButton);
        for (const auto& [name, text] : {std::pair{"Text6", "1000"}, std::pair{"Text8", "100"}}) {
            QLineEdit* b = get<QLineEdit>(QLatin1String(name));
            QTest::mouseClick(b, Qt::LeftButton);
            b->selectAll();
            QTest::keyClicks(b, QLatin1String(text));
        }
        QTest::mouseClick(get<QPushButton>("Plus"), Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true); // the user's own settings take no part
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler(
            [](QtMsgType t, const QMessageLogContext& c, const QString& text) {
                if (!text.contains(QLatin1String("propagateSizeHints"))) previous(t, c, text);
            });
    }

    void init() {
        userSettings().clear();
        dialogs_ = RecordingDialogs();
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid() && QDir(programDir()).mkpath(QStringLiteral("images")));
        QVERIFY(copyProgramFolder(programDir()));
        startWindow();
    }

    void cleanup() {
        w_.reset();
        QVERIFY(dialogs_.texts.isEmpty());
        userSettings().clear();
    }

    // The list's totals reach the panel as they change; the results follow them.
    void listChangesUpdateThePanel() {
        panel().toggleViewAction()->trigger();
        QCOMPARE(shown("DriveTotal_loadInertia"), QStringLiteral("0"));
        type({"motorInertia", "7.707", "speed", "1500", "accelTime", "0.5", "constTime", "2",
              "decelTime", "0.5", "dwellTime", "1"});
        QCOMPARE(result("ratio"), QStringLiteral("0"));
        addSteelDisc();
        QCOMPARE(shown("DriveTotal_loadInertia"), QStringLiteral("77.07"));
        // λ = 77.07/7.707 = 10: at the limit. ω = 50π, α = 100π: T_a = 84.777·100π = 26634.
        QCOMPARE(result("ratio"), QStringLiteral("10.00"));
        QCOMPARE(shown("DriveVerdict"), texte(556));
        QCOMPARE(result("accelTorque"), QStringLiteral("26630"));
        // No friction: no coast-down time.
        QCOMPARE(result("coastTime"), texte(558));
        addSteelDisc();
        QCOMPARE(result("ratio"), QStringLiteral("20.00"));
        QCOMPARE(shown("DriveVerdict"), texte(557) + ": " + texte(573));
        QTest::mouseClick(get<QPushButton>("Moins"), Qt::LeftButton);
        QCOMPARE(result("ratio"), QStringLiteral("10.00"));
        // The display choice changes the torques' unit, not the power's.
        DisplayChoice ncm;
        ncm.digits = Digits::Significant4;
        ncm.torque = TorqueUnit::NCm;
        panel().setDisplayChoice(ncm);
        QCOMPARE(result("accelTorque"), QStringLiteral("2663000"));
        QCOMPARE(shown("DriveUnit_DriveResult_accelTorque"), QStringLiteral("N·cm"));
        QCOMPARE(shown("DriveUnit_DriveResult_peakPower"), QStringLiteral("W"));
    }

    // "," becomes "."; a value out of range is hinted at its box and empties the results.
    void wrongInputIsHintedAtItsBoxAndEmptiesTheResults_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hint"); // entry, 0 none
        QTest::newRow("comma efficiency") << "efficiency"
                                          << "0,8"
                                          << "0.8" << 0;
        QTest::newRow("efficiency above 1") << "efficiency"
                                            << "1,5"
                                            << "1.5" << 560;
        QTest::newRow("safety below 1") << "safety"
                                        << "0.5"
                                        << "0.5" << 561;
        QTest::newRow("negative time") << "decelTime"
                                       << "-1"
                                       << "-1" << 559;
        QTest::newRow("zero limit") << "ratioLimit"
                                    << "0"
                                    << "0" << 562;
    }
    void wrongInputIsHintedAtItsBoxAndEmptiesTheResults() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, hint);
        panel().toggleViewAction()->trigger();
        type({"motorInertia", "0.01", "speed", "1500", "accelTime", "0.2", "decelTime", "0.2"});
        QVERIFY(!result("accelTorque").isEmpty());
        type({box, typed});
        QCOMPARE(get<QLineEdit>("Drive_" + box)->text(), text);
        QLabel* hintLabel = get<QLabel>("DriveHint_" + box);
        QCOMPARE(hintLabel->isVisible(), hint != 0);
        QCOMPARE(panel().inputs().text(DriveInputs::Efficiency),
                 get<QLineEdit>("Drive_efficiency")->text());
        QCOMPARE(hintLabel->text(), hint ? texte(hint) : QString());
        QCOMPARE(get<QLabel>("DriveFixNote")->isVisible(), hint != 0);
        for (const char* key : {"ratio", "accelTorque", "peakTorque", "kineticEnergy"})
            QCOMPARE(result(key).isEmpty(), hint != 0);
        QCOMPARE(get<DrivePlotView>("DrivePlot")->isVisible(), hint == 0);
    }

    // Hidden at first; the menu item shows it, the toolbar button hides it, and a new window
    // opens it as the user left it.
    void toggleShowsAndHidesThePanelAndIsRemembered() {
        QVERIFY(!panel().isVisible());
        QAction* toggle = panel().toggleViewAction();
        QVERIFY(get<QMenu>("M_Inertie")->actions().contains(toggle));
        QCOMPARE(toggle->text(), texte(531));
        toggle->trigger();
        QVERIFY(panel().isVisible());
        QCOMPARE(userSettings().value(DrivePanel::visibleKey()).toBool(), true);
        w_.reset();
        startWindow();
        QVERIFY(panel().isVisible());
        QToolBar* bar = get<QToolBar>("Toolbar2");
        QTest::mouseClick(bar->widgetForAction(panel().toggleViewAction()), Qt::LeftButton);
        QVERIFY(!panel().isVisible());
        QCOMPARE(userSettings().value(DrivePanel::visibleKey()).toBool(), false);
        w_.reset();
        startWindow();
        QVERIFY(!panel().isVisible());
    }

    // The panel's plot is the report's routine: on the recorder, the curves join the points
    // of the trapezoid and of the torque steps.
    void plotDrawsTheProfileOnTheRecorder() {
        addSteelDisc();
        // J_L = 77.067 (the disc's exact inertia), J_M = 7.707, ω = 30 rad/s (n = 900/π),
        // t_a = t_d = 1 s, t_c = 2 s, t_0 = 0: T_a = 84.774·30 = 2543.2, T_c = 0, T_d = −T_a.
        type({"motorInertia", "7.707", "speed", "286.478897565412", "accelTime", "1", "constTime",
              "2", "decelTime", "1"});
        RecordingSurface page;
        const QRectF area(0, 0, 120, 90);
        QVERIFY(panel().plot().draw(page, area));
        const DrivePlotLayout l =
            drivePlotLayout(page, area, panel().plot().profile(), DisplayChoice());
        const double n = 900 / M_PI, t = (7.707 + w_->parts().exactTotal(1)) * 30;
        QList<QPointF> want;
        const QList<QPointF> speed{{0, 0}, {1, n}, {3, n}, {4, 0}};
        const QList<QPointF> torque{{0, 0}, {0, t},  {1, t},  {1, 0},
                                    {3, 0}, {3, -t}, {4, -t}, {4, 0}};
        for (qsizetype i = 1; i < speed.size(); ++i)
            want << l.speedPoint(speed[i - 1]) << l.speedPoint(speed[i]);
        for (qsizetype i = 1; i < torque.size(); ++i)
            want << l.torquePoint(torque[i - 1]) << l.torquePoint(torque[i]);
        QList<QPointF> drawn;
        for (const RecordingSurface::Record& r : page.recordsOf(RecordingSurface::Kind::Line))
            if (r.lineWidth == DrivePlotCurveWidth) drawn << r.a << r.b;
        QCOMPARE(drawn.size(), want.size());
        for (qsizetype i = 0; i < drawn.size(); ++i) {
            QVERIFY2(std::abs(drawn[i].x() - want[i].x()) < 1e-6 &&
                         std::abs(drawn[i].y() - want[i].y()) < 1e-4,
                     qPrintable(QString::number(i)));
        }
        // Nothing to draw once the speed is gone.
        type({"speed", ""});
        QVERIFY(!panel().plot().draw(page, area));
    }
};

QTEST_MAIN(TestDrivePanel)
#include "tst_drivepanel.moc"
