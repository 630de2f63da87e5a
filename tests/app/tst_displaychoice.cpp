// The results in the main window. The display choice: its menus, the editor's results and
// units, the list, the hint on results the classic masks hide, and the choice kept per user.
// The Drive panel: typed into, fed by the parts list, its inertias in the chosen unit, shown
// and hidden by its toggle. Offscreen, in a temporary program folder and a temporary user
// configuration; any box at all fails the test.
#include "windowfixture.h"

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

    // Stored values that are not a choice (a list, a number), or a file that cannot be read,
    // fall back field by field to Classic and SI units without a word; a choice that cannot be
    // stored still applies for the session, and out-of-range values never come through.
    void badSettingsFallBackQuietly() {
        QTemporaryDir d;
        const auto loaded = [&d](const QByteArray& file) {
            writeFile(d.filePath("settings.ini"), file);
            const DisplayTexts t = toTexts(DisplaySettings(d.filePath("settings.ini")).load());
            return QStringList({t.digits, t.mass, t.inertia, t.torque}).join('/');
        };
        QCOMPARE(loaded("[Results]\ndigits=\" 4 \"\ninertia=kg.cm2, x\ntorque=3\n"),
                 "4/kg/kg.m2/N.m");
        QCOMPARE(loaded("\xff\xfe[Results\ndigits=\"4\n\x01"), "classic/kg/kg.m2/N.m");
        DisplaySettings readOnly(QStringLiteral("/proc/ostrel-no-such-place/settings.ini"));
        DisplayChoice c{Digits::Significant6};
        readOnly.setChoice(c);
        QVERIFY(readOnly.choice() == c);
        c.inertia = InertiaUnit(42);
        c.digits = Digits(9);
        readOnly.setChoice(c);
        QVERIFY(readOnly.choice() == DisplayChoice{});
    }

    // "," becomes "."; a value out of range is hinted at its box and empties the results and
    // the profile's tab.
    void wrongInputIsHintedAtItsBoxAndEmptiesTheResults() {
        panel().toggleViewAction()->trigger();
        type({"motorInertiaBox", "0.01", "speedBox", "1500", "accelTimeBox", "0.2", "decelTimeBox",
              "0.2"});
        QVERIFY(!result("accelTorque").isEmpty());
        QVERIFY(get<QTabWidget>("driveTabs")->isTabEnabled(1));
        type({"efficiencyBox", "1,5"});
        QCOMPARE(panel().inputs().text(DriveInputs::Efficiency), QStringLiteral("1.5"));
        QVERIFY(get<QLabel>("efficiencyHint")->isVisible());
        QCOMPARE(caption("efficiencyHint"), entryText(560));
        QVERIFY(get<QLabel>("driveFixNote")->isVisible());
        for (const char* key : {"ratio", "accelTorque", "peakTorque", "kineticEnergy"})
            QVERIFY2(result(key).isEmpty(), key);
        QVERIFY(!get<QTabWidget>("driveTabs")->isTabEnabled(1));
    }

    // The motor and gearbox inertias are typed in the chosen inertia unit, written beside
    // them; the inputs (the project) keep SI, another unit shows the same value (5 kg·cm² =
    // 0.0005 kg·m² = 0.0005 / (0.45359237 · 0.3048²) lb·ft²), and a text without a number
    // stays as typed.
    void driveInertiasTakeTheChosenUnit() {
        panel().toggleViewAction()->trigger();
        trigger("inertiaUnitMenu_kg.cm2");
        type({"motorInertiaBox", "5", "gearInertiaBox", "abc"});
        const auto shown = [this] {
            return QStringList{panel().inputs().text(DriveInputs::MotorInertia),
                               box("motorInertiaBox")->text(), box("gearInertiaBox")->text(),
                               caption("motorInertiaUnit"), caption("gearInertiaUnit")};
        };
        QCOMPARE(shown(), (QStringList{"0.0005", "5", "abc", "kg·cm²", "kg·cm²"}));
        trigger("inertiaUnitMenu_lb.ft2");
        QCOMPARE(shown(), (QStringList{"0.0005", "0.011865180202116", "abc", "lb·ft²", "lb·ft²"}));
        trigger("inertiaUnitMenu_kg.cm2");
        QCOMPARE(shown()[1], QStringLiteral("5"));
    }

    // Kept per user for the next start: the display choice (a unit chosen under 6 digits keeps
    // them), the Drive panel shown or hidden (the window takes it along as it closes) and the
    // window's size. The panel is hidden at first, its menu item shows it and its toolbar
    // button hides it.
    void choicesAreKeptForTheNextStart() {
        QVERIFY(!panel().isVisible());
        panel().toggleViewAction()->trigger();
        trigger("sixDigitsAction");
        trigger("torqueUnitMenu_lbf.in");
        trigger("inertiaUnitMenu_lb.ft2");
        w_->resize(w_->size() + QSize(41, 29));
        const QSize size = w_->size();
        QVERIFY(w_->close());
        restartWindow();
        QVERIFY(w_->displayChoice() == (DisplayChoice{Digits::Significant6, MassUnit::Kg,
                                                      InertiaUnit::LbFt2, TorqueUnit::LbfIn}));
        QVERIFY(w_->displayMenu().unitItem(Quantity::Torque, 2)->isChecked());
        QCOMPARE(units(), (QStringList{"kg", "lb·ft²", "lbf·in", "lbf·in"}));
        QVERIFY(panel().isVisible());
        QCOMPARE(w_->size(), size);
        QToolBar* bar = get<QToolBar>("mainToolBar");
        QTest::mouseClick(bar->widgetForAction(panel().toggleViewAction()), Qt::LeftButton);
        QVERIFY(w_->close());
        restartWindow();
        QVERIFY(!panel().isVisible());
    }
};

QTEST_MAIN(TestResults)
#include "tst_displaychoice.moc"
