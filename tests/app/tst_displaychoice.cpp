// The results in the main window. The display choice: its menus, the editor's results and
// units, the list, the hint on results the classic masks hide, and the choice kept per user.
// The Drive panel: typed into, fed by the parts list, its inertias in the chosen unit, shown
// and hidden by its toggle. Offscreen, in a temporary program folder and a temporary user
// configuration; any box at all fails the test.
#include "app/displaymenu.h"
#include "app/displaysettings.h"
#include "app/drivepanel.h"
#include "windowfixture.h"

#include <QTabWidget>

using namespace ostrel;

class TestResults : public WindowFixture {
    Q_OBJECT

private:
    QTemporaryDir config_;

    // A 20 x 1000 mm steel shaft (7870 kg/m³) behind a ratio of 2: J = 3.091e-5 kg·m².
    void typeShaft() {
        typeSteelDisc(QStringLiteral("20"), QStringLiteral("1000"));
        type({"ratioBox", "2", "massOrDensityBox", "7870"});
    }
    DrivePanel& panel() const { return w_->drivePanel(); }
    QString result(const char* key) const {
        return caption(QLatin1String(key) + QStringLiteral("Result"));
    }

private slots:
    void initTestCase() {
        setUpSuite();
        QVERIFY(config_.isValid());
        // The user's configuration folder of this run.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
    }
    void init() {
        QSettings().clear();
        userSettings().clear();
        startInNewFolder();
    }
    void cleanup() { closeWindow(); }

    // In Classic the shaft's inertia reads "." with a hint naming the choice (the mass that
    // shows and the true zeros have none); a unit chosen brings 4 significant digits in, and
    // the editor, the list and its column show 0.3091 kg·cm²; back in Classic the list shows
    // its classic cell.
    void shaftInClassicThenInKgCm2() {
        typeShaft();
        QCOMPARE(results(), (QStringList{"2", ".", ".", "."}));
        QCOMPARE(units(), (QStringList{"kg", "kg·m²", "N·m", "N·m"}));
        const QString hint = get<QLabel>("inertiaResult")->toolTip();
        QVERIFY(hint.startsWith(entryText(457)));
        QVERIFY(hint.endsWith(entryText(450).remove(QLatin1Char('&'))));
        QVERIFY(get<QLabel>("massResult")->toolTip().isEmpty());
        QVERIFY(get<QLabel>("frictionResult")->toolTip().isEmpty());

        trigger("inertiaUnitMenu_kg.cm2");
        QVERIFY(w_->displayChoice() ==
                (DisplayChoice{Digits::Significant4, MassUnit::Kg, InertiaUnit::KgCm2}));
        QVERIFY(w_->displayMenu().digitsItem(Digits::Significant4)->isChecked());
        QCOMPARE(results(), (QStringList{"2.472", "0.3091", "0", "0"}));
        QCOMPARE(units(), (QStringList{"kg", "kg·cm²", "N·m", "N·m"}));
        QVERIFY(get<QLabel>("inertiaResult")->toolTip().isEmpty());
        click(QStringLiteral("addButton"));
        QCOMPARE(cell("partsTable", 0, 2), QStringLiteral("0.3091"));
        // The column is wide enough for the widest text it may show.
        QTableView* grid = get<QTableView>("partsTable");
        QVERIFY(grid->columnWidth(2) >= grid->fontMetrics().horizontalAdvance("-8.888E-88"));

        trigger("classicDigitsAction");
        QCOMPARE(cell("partsTable", 0, 2), QStringLiteral("0"));
        QCOMPARE(units(), (QStringList{"kg", "kg·m²", "N·m", "N·m"}));
    }

    // A line taken back under 6 significant digits and grams (a unit keeps 6 digits) gives the
    // editor what it was typed with, and its results show again in the chosen units.
    void takeBackWithSignificantDigits() {
        trigger("sixDigitsAction");
        trigger("massUnitMenu_g");
        typeShaft();
        const QStringList shown = results();
        QCOMPARE(shown, (QStringList{"2472.43", "3.09054E-05", "0", "0"}));
        click(QStringLiteral("addButton"));
        click(QStringLiteral("takeBackButton"));
        QCOMPARE(partRows(), 0);
        QCOMPARE(box("ratioBox")->text() + '|' + box("massOrDensityBox")->text(), "2|7870");
        QCOMPARE(results(), shown);
    }

    // The choice is kept per user and read at the next start.
    void theChoiceIsKeptForTheNextStart() {
        trigger("torqueUnitMenu_lbf.in");
        trigger("inertiaUnitMenu_lb.ft2");
        restartWindow();
        QVERIFY(w_->displayChoice() == (DisplayChoice{Digits::Significant4, MassUnit::Kg,
                                                      InertiaUnit::LbFt2, TorqueUnit::LbfIn}));
        QVERIFY(w_->displayMenu().unitItem(Quantity::Torque, 2)->isChecked());
        QCOMPARE(units(), (QStringList{"kg", "lb·ft²", "lbf·in", "lbf·in"}));
    }

    // Stored values that are not a choice (a list, a number), or a file that cannot be read,
    // fall back field by field to Classic and SI units without a word.
    void badStoredValuesFallBackQuietly_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected"); // digits/mass/inertia/torque as stored texts
        QTest::newRow("spaces, a list, a number")
            << QByteArray("[Results]\ndigits=\" 4 \"\ninertia=kg.cm2, x\ntorque=3\n")
            << "4/kg/kg.m2/N.m";
        QTest::newRow("not settings at all")
            << QByteArray("\xff\xfe[Results\ndigits=\"4\n\x01") << "classic/kg/kg.m2/N.m";
    }
    void badStoredValuesFallBackQuietly() {
        QFETCH(QByteArray, file);
        QTemporaryDir d;
        writeFile(d.filePath("settings.ini"), file);
        DisplaySettings settings(d.filePath("settings.ini"));
        const DisplayTexts t = toTexts(settings.load());
        QTEST(QStringList({t.digits, t.mass, t.inertia, t.torque}).join('/'), "expected");
    }

    // A choice that cannot be stored still applies for the session; out-of-range values never
    // come through.
    void unwritableSettingsStillApply() {
        DisplaySettings readOnly(QStringLiteral("/proc/ostrel-no-such-place/settings.ini"));
        DisplayChoice c;
        c.digits = Digits::Significant6;
        readOnly.setChoice(c);
        QVERIFY(readOnly.choice() == c);
        c.inertia = InertiaUnit(42);
        c.digits = Digits(9);
        readOnly.setChoice(c);
        QVERIFY(readOnly.choice() == DisplayChoice{});
    }

    // The list's totals reach the panel as they change; its results and verdict follow them.
    void listChangesUpdateThePanel() {
        panel().toggleViewAction()->trigger();
        type({"motorInertiaBox", "7.707", "speedBox", "1500", "accelTimeBox", "0.5"});
        QCOMPARE(caption("loadInertiaTotal"), QStringLiteral("0"));
        QCOMPARE(result("ratio"), QStringLiteral("0"));
        addSteelDisc();
        QCOMPARE(caption("loadInertiaTotal"), QStringLiteral("77.07"));
        // λ = 77.07/7.707 = 10: at the limit. ω = 50π, α = 100π: T_a = 84.777·100π = 26634.
        QCOMPARE(result("ratio"), QStringLiteral("10.00"));
        QCOMPARE(caption("driveVerdict"), entryText(556));
        QCOMPARE(result("accelTorque"), QStringLiteral("26630"));
        addSteelDisc();
        QCOMPARE(result("ratio"), QStringLiteral("20.00"));
        QCOMPARE(caption("driveVerdict"), entryText(557) + ": " + entryText(573));
        click(QStringLiteral("takeBackButton"));
        QCOMPARE(result("ratio"), QStringLiteral("10.00"));
    }

    // "," becomes "."; a value out of range is hinted at its box and empties the results and
    // the profile's tab.
    void wrongInputIsHintedAtItsBoxAndEmptiesTheResults_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hint"); // entry, 0 none
        QTest::newRow("comma") << "0,8"
                               << "0.8" << 0;
        QTest::newRow("above 1") << "1,5"
                                 << "1.5" << 560;
    }
    void wrongInputIsHintedAtItsBoxAndEmptiesTheResults() {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, hint);
        panel().toggleViewAction()->trigger();
        type({"motorInertiaBox", "0.01", "speedBox", "1500", "accelTimeBox", "0.2", "decelTimeBox",
              "0.2"});
        QVERIFY(!result("accelTorque").isEmpty());
        type({"efficiencyBox", typed});
        QCOMPARE(box("efficiencyBox")->text(), text);
        QCOMPARE(panel().inputs().text(DriveInputs::Efficiency), text);
        QCOMPARE(get<QLabel>("efficiencyHint")->isVisible(), hint != 0);
        QCOMPARE(caption("efficiencyHint"), hint ? entryText(hint) : QString());
        QCOMPARE(get<QLabel>("driveFixNote")->isVisible(), hint != 0);
        for (const char* key : {"ratio", "accelTorque", "peakTorque", "kineticEnergy"})
            QCOMPARE(result(key).isEmpty(), hint != 0);
        QCOMPARE(get<QTabWidget>("driveTabs")->isTabEnabled(1), hint == 0);
    }

    // The motor and gearbox inertias are typed in the chosen inertia unit, written beside
    // them; the inputs (the project) keep SI, another unit shows the same value, and a text
    // without a number stays as typed.
    void driveInertiasTakeTheChosenUnit_data() {
        QTest::addColumn<QString>("unit"); // as the menu's item names it
        QTest::addColumn<QString>("si");   // of a typed 5
        QTest::newRow("kg·cm²") << "kg.cm2"
                                << "0.0005";
        QTest::newRow("lb·ft²") << "lb.ft2"
                                << "0.210700550469024";
    }
    void driveInertiasTakeTheChosenUnit() {
        QFETCH(QString, unit);
        QFETCH(QString, si);
        panel().toggleViewAction()->trigger();
        trigger(QStringLiteral("inertiaUnitMenu_") + unit);
        QCOMPARE(caption("motorInertiaUnit"), w_->displayChoice().symbol(Quantity::Inertia));
        type({"motorInertiaBox", "5", "gearInertiaBox", "abc"});
        const auto shown = [this] {
            return QStringList{panel().inputs().text(DriveInputs::MotorInertia),
                               box("motorInertiaBox")->text(), box("gearInertiaBox")->text(),
                               caption("gearInertiaUnit")};
        };
        QCOMPARE(shown(), (QStringList{si, "5", "abc", caption("motorInertiaUnit")}));
        trigger("inertiaUnitMenu_kg.m2");
        QCOMPARE(shown(), (QStringList{si, si, "abc", "kg·m²"}));
        trigger(QStringLiteral("inertiaUnitMenu_") + unit);
        QCOMPARE(shown()[1], QStringLiteral("5"));
    }

    // Hidden at first; the menu item shows it, the toolbar button hides it, and after a
    // normal end (the window takes the panel along as it closes) the next start shows it as
    // the user left it, the window in its last size.
    void toggleShowsAndHidesThePanelAndIsRemembered() {
        QVERIFY(!panel().isVisible());
        panel().toggleViewAction()->trigger();
        QVERIFY(panel().isVisible());
        w_->resize(w_->size() + QSize(41, 29));
        const QSize size = w_->size();
        QVERIFY(w_->close());
        restartWindow();
        QVERIFY(panel().isVisible());
        QCOMPARE(w_->size(), size);
        QToolBar* bar = get<QToolBar>("mainToolBar");
        QTest::mouseClick(bar->widgetForAction(panel().toggleViewAction()), Qt::LeftButton);
        QVERIFY(!panel().isVisible());
        QVERIFY(w_->close());
        restartWindow();
        QVERIFY(!panel().isVisible());
    }
};

QTEST_MAIN(TestResults)
#include "tst_displaychoice.moc"
