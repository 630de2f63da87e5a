// The results in the main window. The display choice: its menus, the editor's captions and
// units, the list and totals, the hint on results the classic masks hide, and the choice kept
// per user. The Drive panel: typed into, fed by the parts list, shown and hidden by its toggle,
// and its plot drawn on the recording surface. Offscreen, in a temporary program folder and a
// temporary user configuration; any box at all fails the test.
#include "app/displaymenu.h"
#include "app/displaysettings.h"
#include "app/drivepanel.h"
#include "app/parteditor.h"
#include "windowfixture.h"

#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>

using namespace ostrel;

namespace {

QString withoutAccessKeys(QString s) {
    return s.remove(QLatin1Char('&'));
}

QSettings userSettings() {
    return QSettings(QSettings::UserScope, QStringLiteral("Ostrel"), QStringLiteral("Ostrel"));
}

} // namespace

class TestResults : public WindowFixture {
    Q_OBJECT

private:
    QTemporaryDir config_;

    QString heading(int column) const {
        return get<QTableView>("partsTable")
            ->model()
            ->headerData(column, Qt::Horizontal)
            .toString();
    }
    // A 20 x 1000 mm steel shaft (7870 kg/m³) behind a ratio of 2: J = 3.091e-5 kg·m².
    void typeShaft() {
        typeDisc({"ratioBox", "2", "massOrDensityBox", "7870", "diameterBox", "20", "heightBox",
                  "1000"});
    }
    void typeDisc(const QStringList& inputs) {
        w_->kindCommand(1);
        QTest::mouseClick(get<QRadioButton>("densityOption"), Qt::LeftButton);
        type(inputs);
    }
    // A steel disc of 1000 x 100 mm through the editor: 617 kg, 77.07 kg·m².
    void addSteelDisc() {
        typeDisc({"diameterBox", "1000", "heightBox", "100"});
        QTest::mouseClick(get<QPushButton>("addButton"), Qt::LeftButton);
    }
    // The program started again, without the list of the last one.
    void restart() {
        w_.reset();
        QFile::remove(ProjectCommands::recoveryPath());
        startWindow();
    }
    DrivePanel& panel() const { return w_->drivePanel(); }
    QString result(const char* key) const {
        return caption(QLatin1String(key) + QStringLiteral("Result"));
    }
    // Each box of the panel focused, emptied and typed into key by key.
    void typeDrive(const QStringList& pairs) {
        for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
            QLineEdit* b = get<QLineEdit>(pairs[i] + QStringLiteral("Box"));
            b->setFocus();
            b->selectAll();
            QTest::keyClick(b, Qt::Key_Delete);
            QTest::keyClicks(b, pairs[i + 1]);
        }
    }
    // A menu item of the display menu, as the user picks it.
    void pick(const QString& name) {
        QAction* item = w_->findChild<QAction*>(name);
        QVERIFY2(item, qPrintable(name));
        item->trigger();
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

    // In Classic the shaft's inertia reads "." with a hint naming the choice, and nothing else
    // changes; with significant digits in kg·cm² it reads 0.3091 and is added to the list.
    void shaftInClassicThenInKgCm2() {
        typeShaft();
        QCOMPARE(results(), (QStringList{"2", ".", ".", "."}));
        QCOMPARE(units(), (QStringList{"kg", "kg·m²", "N·m", "N·m"}));
        const QString hint = get<QLabel>("inertiaResult")->toolTip();
        QVERIFY(hint.startsWith(w_->language().text(457)));
        QVERIFY(hint.endsWith(withoutAccessKeys(w_->language().text(450))));
        QVERIFY(get<QLabel>("massResult")->toolTip().isEmpty());     // 2 kg shows
        QVERIFY(get<QLabel>("frictionResult")->toolTip().isEmpty()); // truly zero

        QList<DisplayChoice> heard;
        connect(&w_->displaySettings(), &DisplaySettings::changed, this,
                [&heard](const DisplayChoice& c) { heard << c; });
        pick(QStringLiteral("inertiaUnitMenu_kg.cm2")); // a unit brings 4 digits in
        const DisplayChoice kgcm2{Digits::Significant4, MassUnit::Kg, InertiaUnit::KgCm2,
                                  TorqueUnit::NM};
        QCOMPARE(heard, QList<DisplayChoice>{kgcm2});
        QVERIFY(w_->displayChoice() == kgcm2);
        QVERIFY(w_->displayMenu().digitsItem(Digits::Significant4)->isChecked());
        QCOMPARE(results(), (QStringList{"2.472", "0.3091", "0", "0"}));
        QCOMPARE(units(), (QStringList{"kg", "kg·cm²", "N·m", "N·m"}));
        QVERIFY(get<QLabel>("inertiaResult")->toolTip().isEmpty());
        QCOMPARE(w_->editor().line().captions[1], QStringLiteral(".")); // the list's cell text

        QTest::mouseClick(get<QWidget>("addButton"), Qt::LeftButton);
        QCOMPARE(partRows(), 1);
        QCOMPARE(cell("partsTable", 0, 2), QStringLiteral("0.3091"));
        QCOMPARE(heading(2), w_->language().text(40) + QStringLiteral(" kg·cm²"));
        QCOMPARE(totals(), (QStringList{"2.472", "0.3091", "0", "0"}));
        // The column is wide enough for the widest text it may show.
        QTableView* grid = get<QTableView>("partsTable");
        QVERIFY(grid->columnWidth(2) >= grid->fontMetrics().horizontalAdvance("-8.888E-88"));

        // Back to Classic: the list's classic cells and totals, the editor as today.
        pick(QStringLiteral("classicDigitsAction"));
        QCOMPARE(cell("partsTable", 0, 2), QStringLiteral("0"));
        QCOMPARE(heading(2), w_->language().text(40) + QStringLiteral(" kg·m²"));
        QCOMPARE(totals(), (QStringList{"2", "0", "0", "0"}));
        QVERIFY(results().join(QString()).isEmpty()); // cleared after the add
        QCOMPARE(units(), (QStringList{"kg", "kg·m²", "N·m", "N·m"}));
    }

    // A line taken back under significant digits gives the editor what it gives today, and
    // its results show again in the chosen units.
    void takeBackWithSignificantDigits() {
        pick(QStringLiteral("sixDigitsAction"));
        pick(QStringLiteral("massUnitMenu_g"));
        QVERIFY(w_->displayChoice().digits == Digits::Significant6); // a unit keeps 6 digits
        typeShaft();
        const QStringList shown = results();
        QCOMPARE(shown, (QStringList{"2472.43", "3.09054E-05", "0", "0"}));
        QTest::mouseClick(get<QWidget>("addButton"), Qt::LeftButton);
        QCOMPARE(partRows(), 1);
        QTableView* grid = get<QTableView>("partsTable");
        grid->setCurrentIndex(grid->model()->index(0, 1));
        QTest::mouseClick(get<QWidget>("takeBackButton"), Qt::LeftButton);
        QCOMPARE(partRows(), 0);
        QCOMPARE(totals(), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE(get<QLineEdit>("ratioBox")->text(), QStringLiteral("2"));
        QCOMPARE(get<QLineEdit>("massOrDensityBox")->text(), QStringLiteral("7870"));
        QCOMPARE(results(), shown);
    }

    // The choice is kept per user and read at the next start; the same choice again changes
    // nothing and is not announced.
    void theChoiceIsKeptForTheNextStart() {
        pick(QStringLiteral("torqueUnitMenu_lbf.in"));
        pick(QStringLiteral("inertiaUnitMenu_lb.ft2"));
        int heard = 0;
        connect(&w_->displaySettings(), &DisplaySettings::changed, this, [&heard] { ++heard; });
        pick(QStringLiteral("inertiaUnitMenu_lb.ft2"));
        QCOMPARE(heard, 0);
        QSettings stored;
        QCOMPARE(stored.value("Results/digits").toString(), QStringLiteral("4"));
        QCOMPARE(stored.value("Results/inertia").toString(), QStringLiteral("lb.ft2"));
        QCOMPARE(stored.value("Results/torque").toString(), QStringLiteral("lbf.in"));
        restart();
        const DisplayChoice expected{Digits::Significant4, MassUnit::Kg, InertiaUnit::LbFt2,
                                     TorqueUnit::LbfIn};
        QVERIFY(w_->displayChoice() == expected);
        QVERIFY(w_->displayMenu().unitItem(Quantity::Torque, 2)->isChecked());
        QCOMPARE(units(), (QStringList{"kg", "lb·ft²", "lbf·in", "lbf·in"}));
    }

    // Stored values that are not a choice, or a file that cannot be read, fall back field by
    // field to Classic and SI units without a word; nothing out of range comes through.
    void badStoredValuesFallBackQuietly_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected"); // digits/mass/inertia/torque as stored texts
        QTest::newRow("spaces, a list, a number")
            << QByteArray("[Results]\ndigits=\" 4 \"\ninertia=kg.cm2, x\ntorque=3\n")
            << "4/kg/kg.m2/N.m";
        QTest::newRow("not settings at all")
            << QByteArray("\xff\xfe[Results\ndigits=\"4\n\x01") << "classic/kg/kg.m2/N.m";
        QTest::newRow("missing") << QByteArray() << "classic/kg/kg.m2/N.m";
    }
    void badStoredValuesFallBackQuietly() {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        QTemporaryDir d;
        const QString path = d.filePath("settings.ini");
        if (!file.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(file);
        }
        DisplaySettings settings(path);
        const DisplayTexts t = toTexts(settings.load());
        QCOMPARE(QStringList({t.digits, t.mass, t.inertia, t.torque}).join('/'), expected);
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

    // The list's totals reach the panel as they change; the results follow them.
    void listChangesUpdateThePanel() {
        panel().toggleViewAction()->trigger();
        QCOMPARE(caption("loadInertiaTotal"), QStringLiteral("0"));
        typeDrive({"motorInertia", "7.707", "speed", "1500", "accelTime", "0.5", "constTime", "2",
                   "decelTime", "0.5", "dwellTime", "1"});
        QCOMPARE(result("ratio"), QStringLiteral("0"));
        addSteelDisc();
        QCOMPARE(caption("loadInertiaTotal"), QStringLiteral("77.07"));
        // λ = 77.07/7.707 = 10: at the limit. ω = 50π, α = 100π: T_a = 84.777·100π = 26634.
        QCOMPARE(result("ratio"), QStringLiteral("10.00"));
        QCOMPARE(caption("driveVerdict"), entryText(556));
        QCOMPARE(result("accelTorque"), QStringLiteral("26630"));
        // No friction: no coast-down time.
        QCOMPARE(result("coastTime"), entryText(558));
        addSteelDisc();
        QCOMPARE(result("ratio"), QStringLiteral("20.00"));
        QCOMPARE(caption("driveVerdict"), entryText(557) + ": " + entryText(573));
        QTest::mouseClick(get<QPushButton>("takeBackButton"), Qt::LeftButton);
        QCOMPARE(result("ratio"), QStringLiteral("10.00"));
        // The display choice changes the torques' unit, not the power's.
        DisplayChoice ncm;
        ncm.digits = Digits::Significant4;
        ncm.torque = TorqueUnit::NCm;
        panel().setDisplayChoice(ncm);
        QCOMPARE(result("accelTorque"), QStringLiteral("2663000"));
        QCOMPARE(caption("accelTorqueResultUnit"), QStringLiteral("N·cm"));
        QCOMPARE(caption("peakPowerResultUnit"), QStringLiteral("W"));
    }

    // "," becomes "."; a value out of range is hinted at its box and empties the results.
    void wrongInputIsHintedAtItsBoxAndEmptiesTheResults_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hint"); // entry, 0 none
        const struct {
            const char *name, *box, *typed, *text;
            int hint;
        } rows[] = {{"comma efficiency", "efficiency", "0,8", "0.8", 0},
                    {"efficiency above 1", "efficiency", "1,5", "1.5", 560},
                    {"negative time", "decelTime", "-1", "-1", 559}};
        for (const auto& r : rows)
            QTest::newRow(r.name) << QString(r.box) << QString(r.typed) << QString(r.text)
                                  << r.hint;
    }
    void wrongInputIsHintedAtItsBoxAndEmptiesTheResults() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, hint);
        panel().toggleViewAction()->trigger();
        typeDrive(
            {"motorInertia", "0.01", "speed", "1500", "accelTime", "0.2", "decelTime", "0.2"});
        QVERIFY(!result("accelTorque").isEmpty());
        typeDrive({box, typed});
        QCOMPARE(get<QLineEdit>(box + "Box")->text(), text);
        QLabel* hintLabel = get<QLabel>(box + "Hint");
        QCOMPARE(hintLabel->isVisible(), hint != 0);
        QCOMPARE(panel().inputs().text(DriveInputs::Efficiency),
                 get<QLineEdit>("efficiencyBox")->text());
        QCOMPARE(hintLabel->text(), hint ? entryText(hint) : QString());
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
        QTest::newRow("kg·mm²") << "kg.mm2"
                                << "5E-06";
        QTest::newRow("lb·ft²") << "lb.ft2"
                                << "0.210700550469024";
    }
    void driveInertiasTakeTheChosenUnit() {
        QFETCH(QString, unit);
        QFETCH(QString, si);
        panel().toggleViewAction()->trigger();
        pick(QStringLiteral("inertiaUnitMenu_") + unit);
        QCOMPARE(caption("motorInertiaUnit"), w_->displayChoice().symbol(Quantity::Inertia));
        typeDrive({"motorInertia", "5", "gearInertia", "abc"});
        const auto shown = [this] {
            return QStringList{panel().inputs().text(DriveInputs::MotorInertia),
                               get<QLineEdit>("motorInertiaBox")->text(),
                               get<QLineEdit>("gearInertiaBox")->text(),
                               caption("gearInertiaUnit")};
        };
        QCOMPARE(shown(), (QStringList{si, "5", "abc", caption("motorInertiaUnit")}));
        pick(QStringLiteral("inertiaUnitMenu_kg.m2"));
        QCOMPARE(shown(), (QStringList{si, si, "abc", "kg·m²"}));
        pick(QStringLiteral("inertiaUnitMenu_") + unit);
        QCOMPARE(shown()[1], QStringLiteral("5"));
    }

    // Hidden at first; the menu item shows it, the toolbar button hides it, and after a
    // normal end (the window takes the panel along as it closes) the next start shows it as
    // the user left it, the window in its last size.
    void toggleShowsAndHidesThePanelAndIsRemembered() {
        QVERIFY(!panel().isVisible());
        QAction* toggle = panel().toggleViewAction();
        QVERIFY(get<QMenu>("inertiaMenu")->actions().contains(toggle));
        QCOMPARE(toggle->text(), entryText(531));
        toggle->trigger();
        QVERIFY(panel().isVisible());
        w_->resize(w_->size() + QSize(41, 29));
        const QSize size = w_->size();
        QVERIFY(w_->close());
        restart();
        QVERIFY(panel().isVisible());
        QCOMPARE(w_->size(), size);
        QToolBar* bar = get<QToolBar>("mainToolBar");
        QTest::mouseClick(bar->widgetForAction(panel().toggleViewAction()), Qt::LeftButton);
        QVERIFY(!panel().isVisible());
        QVERIFY(w_->close());
        restart();
        QVERIFY(!panel().isVisible());
    }
};

QTEST_MAIN(TestResults)
#include "tst_displaychoice.moc"
