// The motors in the main window: the Drive panel's motor and its check, every motor at once,
// the brake that holds the load, the Motors window and its files, and the project's copy of
// the chosen motor. Offscreen, in a temporary program folder; the user's motor list lives in
// Qt's test folders and starts empty for every test.
#include "drive/motorcsv.h"
#include "drive/motortablemodel.h"
#include "windowfixture.h"

using namespace ostrel;

class TestMotorCheck : public WindowFixture {
    Q_OBJECT

private:
    // The sample list (Example 100 W ... Example 3 kW), in the order given.
    void useSampleMotors(bool reversed = false) {
        const MotorCsvRead sample =
            readMotorsCsv(QStringLiteral(OSTREL_PROGRAM_DIR) + "examples/motors.csv");
        QVERIFY(sample.ok && sample.motors.size() == 6);
        std::vector<Motor> motors = sample.motors;
        if (reversed) std::reverse(motors.begin(), motors.end());
        QVERIFY(w_->motors().setList(MotorList(motors)).ok);
    }
    // J_L = 0.0004 kg·m² and T_W as given values; n = 3000 rpm (ω = 100π), t_a = t_d =
    // 0.05 s (α = 2000π), t_c = 0.2 s, t_0 = 0.3 s: a cycle of 0.6 s.
    void typeAxis(const QString& working = QStringLiteral("0")) {
        w_->drivePanel().toggleViewAction()->trigger();
        w_->kindCommand(17);
        type({"massOrDensityBox", "1", "radiusBox", "0.0004", "diameterBox", "0",
              "smallDiameterBox", working});
        click(QStringLiteral("addButton"));
        type({"speedBox", "3000", "accelTimeBox", "0.05", "constTimeBox", "0.2", "decelTimeBox",
              "0.05", "dwellTimeBox", "0.3"});
    }
    // The motor of that name picked in the drop-down with the keyboard.
    void chooseMotor(const QString& name) {
        auto* motors = get<QComboBox>("motorChoice");
        const int item = name.isEmpty() ? 0 : motors->findText(name);
        QVERIFY2(item >= 0, qPrintable(name));
        motors->setFocus();
        QTest::keyClick(motors, Qt::Key_Home);
        for (int k = 0; k < item; ++k)
            QTest::keyClick(motors, Qt::Key_Down);
        QCOMPARE(motors->currentIndex(), item);
    }
    // The Motors window, filled by fill.
    void inMotorsWindow(std::function<void(QDialog&)> fill) {
        dialogs_.windows.enqueue([fill](QDialog& dialog) {
            fill(dialog);
            return int(QDialog::Accepted);
        });
        trigger("motorsAction");
        QVERIFY(dialogs_.windows.isEmpty());
    }
    static void typeMotor(QDialog& dialog, const QStringList& values) {
        for (int i = 0; i < MotorFieldCount; ++i) {
            auto* b = dialog.findChild<QLineEdit*>(motorFieldKey(MotorField(i)) + "Box");
            b->selectAll();
            QTest::keyClick(b, Qt::Key_Delete);
            QTest::keyClicks(b, values.value(i));
        }
    }
    static void press(QDialog& dialog, const char* button) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    static QStringList names(const MotorList& list) {
        QStringList out;
        for (const Motor& m : list.motors())
            out << m.name;
        return out;
    }

private slots:
    void initTestCase() { setUpSuite(); }
    void init() {
        QSettings().clear(); // Classic digits and SI units
        QFile::remove(motorListPath());
        QDir(motorListPath()).removeRecursively();
        startInNewFolder();
    }
    void cleanup() { closeWindow(); }

    // A motor chosen fills J_M with J_R (+ J_B with the brake) in the chosen inertia unit, locks
    // the box and shows the four checks and the verdict; "(none)" frees the box. Worked by
    // hand: J_M = 5e-5 (400 W): λ = 8, margin 1 − 8/10 = 20.0 %; T_a = 0.00045·2000π = 2.827
    // N·m, margin 1 − 2.827/3.6 = 21.5 %; RMS = 2.827·√(0.1/0.6) = 1.154, 1 − 1.154/1.2 =
    // 3.81 %. With the brake J_M = 6e-5: T_a = 2.890, margin 19.7 %; RMS 1.180, 1.67 %. The
    // 200 W (J_M = 2e-5, T_P = 1.8, T_R = 0.6): λ = 20 (−100 %), T_a = 2.639 (−46.6 %).
    void choosingAMotorFillsItsInertiaAndShowsTheVerdict_data() {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<bool>("brake");
        QTest::addColumn<QStringList>("shown"); // J_M box, ratio, peak and RMS margins
        QTest::addColumn<int>("verdict");
        QTest::newRow("passes") << "Example 400 W" << false
                                << QStringList{"0.5", "20.0 %", "21.5 %", "3.81 %"} << 737;
        QTest::newRow("passes with its brake")
            << "Example 400 W" << true << QStringList{"0.6", "33.3 %", "19.7 %", "1.67 %"} << 737;
        QTest::newRow("fails") << "Example 200 W" << false
                               << QStringList{"0.2", "-100 %", "-46.6 %", "-79.6 %"} << 738;
    }
    void choosingAMotorFillsItsInertiaAndShowsTheVerdict() {
        QFETCH(QString, motor);
        QFETCH(bool, brake);
        QFETCH(QStringList, shown);
        QFETCH(int, verdict);
        trigger("inertiaUnitMenu_kg.cm2");
        useSampleMotors();
        typeAxis();
        QVERIFY(!get<QLabel>("motorVerdict")->isVisible());
        if (brake) get<QCheckBox>("motorBrakeBox")->click();
        chooseMotor(motor);
        QCOMPARE((QStringList{box("motorInertiaBox")->text(), caption("ratioCheckMargin"),
                              caption("peakTorqueCheckMargin"), caption("rmsTorqueCheckMargin"),
                              caption("motorVerdict")}),
                 QStringList(shown) << entryText(739) + ": " + entryText(verdict));
        QVERIFY(box("motorInertiaBox")->isReadOnly());
        chooseMotor(QString());
        QVERIFY(!box("motorInertiaBox")->isReadOnly() && !get<QLabel>("motorVerdict")->isVisible());
    }

    // The table of every motor, by rated torque whatever the list's order, marks the smallest
    // that passes (the 400 W: the 100 W and 200 W fail) and selects it; a double-click picks
    // another.
    void checkEveryMotorMarksTheSmallestThatPassesAndDoubleClickPicksIt() {
        useSampleMotors(true);
        typeAxis();
        QStringList rows;
        int selected = -1;
        dialogs_.windows.enqueue([&](QDialog& dialog) {
            dialog.show();
            (void)QTest::qWaitForWindowExposed(&dialog);
            auto* table = dialog.findChild<QTableView*>("everyMotorTable");
            const QAbstractItemModel* m = table->model();
            for (int r = 0; r < m->rowCount(); ++r)
                rows << m->index(r, 0).data().toString() + " " +
                            m->index(r, MotorTableModel::Verdict).data().toString();
            selected = table->selectionModel()->selectedRows().value(0).row();
            const QRect cell = table->visualRect(m->index(3, 0));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            return dialog.result();
        });
        click(QStringLiteral("everyMotorButton"));
        const QString pass = entryText(737), fail = entryText(738);
        QCOMPARE(rows, (QStringList{"Example 100 W " + fail, "Example 200 W " + fail,
                                    "Example 400 W " + entryText(784), "Example 750 W " + pass,
                                    "Example 1.5 kW " + pass, "Example 3 kW " + pass}));
        QCOMPARE(selected, 2);
        QCOMPARE(get<QComboBox>("motorChoice")->currentText(), QStringLiteral("Example 750 W"));
        QCOMPARE(w_->drivePanel().inputs().text(DriveInputs::MotorInertia),
                 QStringLiteral("0.0001"));
    }

    // Rows added, refused with the field and the fault, replaced, sorted by a heading and
    // removed, every change in the user's file at once; a CSV with a bad row is named by its
    // line and adds nothing, a good one adds its motors, and the export writes the list.
    void theMotorsWindowEditsTheListAndKeepsItsFile() {
        useSampleMotors();
        const QByteArray header = motorCsvHeader().toUtf8() + "\n";
        writeFile(workFile("bad.csv"),
                  header + "A,1,3,3000,6000,,0.0001,,\nB,1,abc,3000,6000,,0.0001,,\n");
        writeFile(workFile("good.csv"), header + "A,1,3,3000,6000,,0.0001,,\n");
        dialogs_.fileNames << workFile("bad.csv") << workFile("good.csv") << workFile("out");
        QStringList afterEdits;
        dialogs_.expect(3);
        inMotorsWindow([&](QDialog& dialog) {
            typeMotor(dialog, {"Test A", "1", "3", "3000", "6000", "", "0,00005", "", ""});
            press(dialog, "addMotorButton");
            press(dialog, "addMotorButton"); // the name is taken
            typeMotor(dialog, {"Test A", "1", "0.5", "3000", "6000", "", "0.00005", "", ""});
            press(dialog, "replaceMotorButton"); // peak torque below the rated torque
            typeMotor(dialog, {"Test B", "1", "4", "3000", "6000", "", "0.00005", "", ""});
            press(dialog, "replaceMotorButton");
            afterEdits = names(readMotorList(motorListPath()).list);
            auto* header = dialog.findChild<QTableView*>("motorTable")->horizontalHeader();
            const QPoint ratedTorque(header->sectionViewportPosition(1) + 4, 4);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, ratedTorque);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, ratedTorque); // descending
            dialog.findChild<QTableView*>("motorTable")->selectRow(1);
            press(dialog, "removeMotorButton");
            press(dialog, "importMotorsButton");
            press(dialog, "importMotorsButton");
            press(dialog, "exportMotorsButton");
        });
        QCOMPARE(afterEdits.last(), QStringLiteral("Test B"));
        QCOMPARE(dialogs_.texts.mid(0, 2), (QStringList{entryText(721) + ": " + entryText(760),
                                                        entryText(723) + ": " + entryText(757)}));
        QVERIFY(dialogs_.texts.value(2).contains(entryText(752) + " 3: " + entryText(723)));
        const QStringList kept{"Example 3 kW",
                               "Example 750 W",
                               "Example 400 W",
                               "Test B",
                               "Example 200 W",
                               "Example 100 W",
                               "A"};
        QCOMPARE(names(readMotorList(motorListPath()).list), kept);
        QCOMPARE(names(w_->motors().list()), kept);
        QCOMPARE(fileBytes(workFile("out.csv")), motorsCsv(w_->motors().list().motors()));
    }

    // A list file that cannot be written says so and the list stays on screen; one that could
    // not be read at start is told, and written over only when the user agrees.
    void theMotorFileIsNeitherLostNorSilentlyWrittenOver() {
        QVERIFY(QDir().mkpath(motorListPath())); // a folder where the file should be
        dialogs_.expect();
        inMotorsWindow([](QDialog& dialog) {
            typeMotor(dialog, {"A", "1", "3", "3000", "6000", "", "0.0001", "", ""});
            press(dialog, "addMotorButton");
        });
        QVERIFY(dialogs_.texts.value(0).startsWith(entryText(751)));
        QCOMPARE(names(w_->motors().list()), QStringList{"A"});
        w_.reset();
        QDir(motorListPath()).removeRecursively();
        writeFile(motorListPath(), "not a list");
        dialogs_.expect();
        startWindow();
        QVERIFY(dialogs_.texts.value(1).startsWith(entryText(749)));
        dialogs_.answers << false;
        inMotorsWindow([](QDialog& dialog) {
            typeMotor(dialog, {"A", "1", "3", "3000", "6000", "", "0.0001", "", ""});
            press(dialog, "addMotorButton");
        });
        QCOMPARE(dialogs_.asked, QStringList{entryText(786)});
        QCOMPARE(fileBytes(motorListPath()), QByteArray("not a list"));
    }

    // The drive inputs, the brake that holds the load and the chosen motor's data belong to
    // the project: a run of typing in the panel is one undo step; saved, cleared by New, and opened
    // again unmodified on a list that no longer holds the motor, where the drop-down shows the
    // project's copy with the same check; the CSV export carries it after the drive table; the
    // choice is undone as a step; a hand-written drive object with fields left out opens unmodified
    // too.
    void theProjectKeepsItsDriveAndMotorWhenTheListLosesThem() {
        useSampleMotors();
        typeAxis(QStringLiteral("2"));
        const auto drive = [this] {
            return box("speedBox")->text() + '|' + box("dwellTimeBox")->text();
        };
        trigger("undoAction");
        QCOMPARE(drive(), QStringLiteral("|"));
        QCOMPARE(w_->parts().partCount(), 1);
        trigger("redoAction");
        // T_W = 2 N·m holds during the dwell unless a brake does: that choice is a step of its
        // own, not merged into the typing before it.
        QCOMPARE(caption("holdTorqueResult"), QStringLiteral("2.000"));
        get<QCheckBox>("brakeHoldsLoadBox")->click();
        QCOMPARE(caption("holdTorqueResult"), QStringLiteral("0"));
        trigger("undoAction");
        QCOMPARE(drive() + caption("holdTorqueResult"), "3000|0.32.000");
        trigger("redoAction");
        get<QCheckBox>("motorBrakeBox")->click();
        chooseMotor(QStringLiteral("Example 400 W"));
        const QString verdict = caption("motorVerdict");
        const QString path = workFile("axis.ostrel");
        saveAs(path);
        MotorList edited = w_->motors().list();
        edited.remove(edited.indexOf(QStringLiteral("Example 400 W")));
        QVERIFY(w_->motors().setList(edited).ok);
        trigger("newAction");
        QCOMPARE(drive() + QString::number(get<QComboBox>("motorChoice")->currentIndex()), "|0");
        QVERIFY(w_->openFile(path));
        QCOMPARE(drive(), QStringLiteral("3000|0.3"));
        QCOMPARE(get<QComboBox>("motorChoice")->currentText(), entryText(785).arg("Example 400 W"));
        QCOMPARE(caption("motorVerdict"), verdict);
        QCOMPARE(w_->drivePanel().inputs().text(DriveInputs::MotorInertia), "0.00006"); // braked
        QVERIFY(get<QCheckBox>("brakeHoldsLoadBox")->isChecked());
        QVERIFY(!w_->project().isModified());
        QTRY_VERIFY(!w_->project().writingRecovery()); // an opened file leaves no copy
        QVERIFY(!QFileInfo::exists(ProjectCommands::recoveryPath()));
        dialogs_.fileNames << workFile("axis.csv");
        trigger("exportCsvAction");
        QVERIFY(fileBytes(workFile("axis.csv")).contains("\r\nmotor,Example 400 W,\r\n"));
        chooseMotor(QString());
        QVERIFY(w_->project().isModified());
        trigger("undoAction");
        QCOMPARE(caption("motorVerdict"), verdict);
        QVERIFY(!w_->project().isModified());

        QJsonObject project = QJsonDocument::fromJson(fileBytes(path)).object();
        project.insert("drive", QJsonObject{{"speed", "1500"}});
        writeFile(path, QJsonDocument(project).toJson());
        QVERIFY(w_->openFile(path));
        QCOMPARE(drive(), QStringLiteral("1500|"));
        QVERIFY(!w_->project().isModified());
    }
};

QTEST_MAIN(TestMotorCheck)
#include "tst_motorcheck.moc"
