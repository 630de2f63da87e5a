// Motors: the check of one motor against an axis worked by hand, every motor of a list at
// once, the CSV import and export, and the user's motor list file.
#include "drive/drivefile.h"
#include "drive/motorcsv.h"
#include "drive/motorlist.h"
#include "drive/motortable.h"
#include "drive/motortext.h"
#include "filesizelimit.h"
#include "testinputs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ostrel;
using ostrel::testing::expectNear;

namespace {

using Opt = std::optional<double>;
constexpr Opt None = std::nullopt;
using F = DriveInputs::Field;

// The axis: J_L = 0.0004 kg·m², T_F = 0.2 N·m, no working torque; n = 9000/π rpm (ω = 300
// rad/s), t_a = t_d = 0.03 s (α = 10000 rad/s²), t_c = 0.14 s, t_0 = 0.3 s (cycle 0.5 s),
// η = 1, S = 1, limit 10.
const char* const N300 = "2864.78897565412";
const DriveTotals Axis{0.0004, 0.2, 0};

DriveInputs axisInputs(const char* speed = N300) {
    DriveInputs in;
    for (const auto& [f, text] : {std::pair{F::Speed, speed},
                                  {F::AccelTime, "0.03"},
                                  {F::ConstTime, "0.14"},
                                  {F::DecelTime, "0.03"},
                                  {F::DwellTime, "0.3"}})
        in.setText(f, QString::fromLatin1(text));
    return in;
}

// T_R, T_P, n_R, n_max, T_P,max, J_R (, J_B).
const Motor A{"A", 2.4, 8, 3000, 5000, 5, 1e-4};

struct CheckCase {
    const char* name;
    Motor motor;
    bool withBrake;
    Opt ratioMargin, peak, available, peakMargin, rms, rmsMargin, speedMargin;
    std::optional<MotorVerdict> verdict;
    Opt braking;
    DriveTotals totals = Axis;
};

// With J_M = 0.0001: λ = 4 (margin 1 − 4/10 = 0.6); T_a = 1 + 4 + 0.2 = 5.2, T_c = 0.2,
// T_d = −1 − 4 + 0.2 = −4.8; peak 5.2; RMS = √((5.2²·0.03 + 0.2²·0.14 + 4.8²·0.03)/0.5)
// = √3.016 = 1.736663; E_r = 4.8·300·0.03/2 = 21.6 J. n/n_max = 2864.79/5000: margin 0.427042.
constexpr MotorVerdict Pass = MotorVerdict::Pass, Fail = MotorVerdict::Fail;

// clang-format off
const CheckCase kChecks[] = {
    // T_avail = T_P = 8 (n ≤ n_R): margin 1 − 5.2/8 = 0.35; RMS 1 − 1.736663/2.4 = 0.276390.
    {"passes with margins", A, false,
     0.6, 5.2, 8, 0.35, 1.7366635, 0.2763902, 0.4270422, Pass, 21.6},
    // J_R = 0.00003: λ = 13.33 > 10 (margin −0.333333); T_a = 0.3 + 4.2 = 4.5 (margin 0.4375),
    // T_d = −4.1, RMS = √((20.25·0.03 + 0.0056 + 16.81·0.03)/0.5) = 1.494925 (margin 0.377115),
    // E_r = 4.1·300·0.03/2 = 18.45 J.
    {"fails on the inertia ratio alone", Motor{"ratio", 2.4, 8, 3000, 5000, 5, 3e-5}, false,
     -0.3333333, 4.5, 8, 0.4375, 1.4949247, 0.3771147, 0.4270422, Fail, 18.45},
    // T_P = 5 < 5.2: margin 1 − 5.2/5 = −0.04.
    {"fails on the peak torque alone", Motor{"peak", 2.4, 5, 3000, 5000, None, 1e-4}, false,
     0.6, 5.2, 5, -0.04, 1.7366635, 0.2763902, 0.4270422, Fail, 21.6},
    // T_R = 1.5 < 1.736663: margin 1 − 1.736663/1.5 = −0.157776.
    {"fails on the RMS torque alone", Motor{"rms", 1.5, 8, 3000, 5000, 5, 1e-4}, false,
     0.6, 5.2, 8, 0.35, 1.7366635, -0.1577756, 0.4270422, Fail, 21.6},
    // n_R = 2000 < n < n_max = 4000: T_avail = 8 − (8 − 4)·864.789/2000 = 6.270422, margin
    // 1 − 5.2/6.270422 = 0.170710; speed 1 − 2864.79/4000 = 0.283803.
    {"between rated and maximum speed", Motor{"fall", 2.4, 8, 2000, 4000, 4, 1e-4}, false,
     0.6, 5.2, 6.2704220, 0.1707097, 1.7366635, 0.2763902, 0.2838028, Pass, 21.6},
    // T_P = 6 would do at rated speed, but T_avail = 6 − 4·0.432394 = 4.270422 < 5.2: margin
    // 1 − 5.2/4.270422 = −0.217678.
    {"the fall leaves too little peak torque", Motor{"ff", 2.4, 6, 2000, 4000, 2, 1e-4}, false,
     0.6, 5.2, 4.2704220, -0.2176782, 1.7366635, 0.2763902, 0.2838028, Fail, 21.6},
    // n = 2864.79 > n_max = 2500: margin 1 − 2864.79/2500 = −0.145916, and no peak torque is
    // available there (0, no margin): the speed cannot fail alone.
    {"speed above the maximum speed", Motor{"above", 2.4, 8, 2000, 2500, 5, 1e-4}, false,
     0.6, 5.2, 0, None, 1.7366635, 0.2763902, -0.1459156, Fail, 21.6},
    // The brake motor without its brake is the ratio motor: λ = 13.33, it fails.
    {"brake motor without brake", Motor{"brake", 2.4, 8, 3000, 5000, 5, 3e-5, 2e-5}, false,
     -0.3333333, 4.5, 8, 0.4375, 1.4949247, 0.3771147, 0.4270422, Fail, 18.45},
    // With it J_M = 0.00005: λ = 8 (margin 0.2); T_a = 0.5 + 4.2 = 4.7 (margin 0.4125),
    // T_d = −4.3, RMS = √((22.09·0.03 + 0.0056 + 18.49·0.03)/0.5) = √2.446 = 1.563969
    // (margin 0.348346), E_r = 4.3·300·0.03/2 = 19.35 J: it passes.
    {"brake brings the ratio within", Motor{"brake", 2.4, 8, 3000, 5000, 5, 3e-5, 2e-5}, true,
     0.2, 4.7, 8, 0.4125, 1.5639693, 0.3483461, 0.4270422, Pass, 19.35},
    // T_F = 6: T_a = 1 + 4 + 6 = 11, T_c = 6, T_d = −5 + 6 = 1 ≥ 0: nothing returned, no
    // braking energy. RMS = √((121·0.03 + 36·0.14 + 1·0.03)/0.5) = √17.4 = 4.171331; T_R = 5:
    // margin 0.165734; T_P = 12: margin 1 − 11/12 = 0.083333.
    {"no braking energy without deceleration torque", Motor{"big", 5, 12, 3000, 5000, None, 1e-4},
     false,
     0.6, 11, 12, 0.0833333, 4.1713307, 0.1657339, 0.4270422, Pass, None,
     DriveTotals{0.0004, 6, 0}},
};
// clang-format on

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class MotorChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(MotorChecks, CriteriaMarginsAndVerdictMatchTheHandWorking) {
    const CheckCase& c = GetParam();
    const MotorCheck check = checkMotor(c.motor, c.withBrake, axisInputs(), c.totals);
    for (int i = 0; i < MotorCriterionCount; ++i)
        ASSERT_TRUE(check.criteria[static_cast<size_t>(i)]) << i;
    const auto& ratio = *check[MotorCriterion::Ratio];
    const auto& peak = *check[MotorCriterion::PeakTorque];
    const auto& rms = *check[MotorCriterion::RmsTorque];
    const auto& speed = *check[MotorCriterion::Speed];
    expectNear("ratio margin", ratio.margin, c.ratioMargin, 2e-7);
    expectNear("peak", peak.required, c.peak, 2e-7);
    expectNear("available", peak.available, c.available, 2e-7);
    expectNear("peak margin", peak.margin, c.peakMargin, 2e-7);
    expectNear("rms", rms.required, c.rms, 2e-7);
    EXPECT_EQ(rms.available, c.motor.ratedTorque);
    expectNear("rms margin", rms.margin, c.rmsMargin, 2e-7);
    expectNear("speed margin", speed.margin, c.speedMargin, 2e-7);
    EXPECT_EQ(speed.available, c.motor.maxSpeed);
    for (const CriterionCheck& k : {ratio, peak, rms, speed})
        EXPECT_EQ(k.pass, k.required <= k.available);
    EXPECT_EQ(check.verdict(), c.verdict);
    expectNear("braking", check.drive.brakingEnergy, c.braking, 2e-7);
}

INSTANTIATE_TEST_SUITE_P(HandWorked, MotorChecks, ::testing::ValuesIn(kChecks),
                         ostrel::testing::rowName<CheckCase>);

TEST(MotorCheck, MissingInputsLeaveCriteriaAbsentAndNoVerdict) {
    // No speed: only the ratio (λ = 4) is known; the motor neither passes nor fails.
    const MotorCheck still = checkMotor(A, false, axisInputs(""), Axis);
    EXPECT_TRUE(still[MotorCriterion::Ratio]);
    EXPECT_FALSE(still[MotorCriterion::PeakTorque] || still[MotorCriterion::RmsTorque] ||
                 still[MotorCriterion::Speed]);
    EXPECT_EQ(still.verdict(), std::nullopt);
    // A wrong box: no criterion at all.
    DriveInputs wrong = axisInputs();
    wrong.setText(F::Efficiency, QStringLiteral("2"));
    const MotorCheck none = checkMotor(A, false, wrong, Axis);
    for (const auto& c : none.criteria)
        EXPECT_FALSE(c);
    // One known failure is a failure whatever is missing.
    EXPECT_EQ(
        checkMotor(Motor{"tiny", 1, 1, 1, 1, None, 1e-6}, false, axisInputs(""), Axis).verdict(),
        MotorVerdict::Fail);
}

TEST(MotorCheck, AvailablePeakTorqueFallsLinearlyAndEndsAtMaximumSpeed) {
    const Motor m{"m", 2, 10, 1000, 3000, 4, 1e-4};
    const std::pair<double, Opt> points[] = {
        {0, 10}, {1000, 10}, {2000, 7}, {3000, 4}, {3000.001, None}};
    for (const auto& [n, want] : points)
        expectNear("T_avail", m.availablePeakTorque(n), want);
    expectNear("T_P,max = T_P", Motor{"flat", 2, 10, 1000, 3000, None, 1}.availablePeakTorque(2500),
               10.0);
}

// The project keeps the chosen motor whole, so that it checks the same without the list.
TEST(MotorCheck, ChosenMotorComesBackFromTheProjectObject) {
    const ChosenMotor chosen{Motor{"brake", 2.4, 8, 3000, 5000, None, 3e-5, 2e-5}, true};
    const QJsonObject object = chosenMotorToJson(chosen);
    EXPECT_FALSE(object.contains("peakTorqueAtMaxSpeed")); // not given: left out
    EXPECT_EQ(chosenMotorFromJson(object), chosen);
    EXPECT_EQ(chosenMotorFromJson(QJsonObject()), std::nullopt); // no motor chosen
    QJsonObject bad = object;
    bad.insert("maxSpeed", "fast");
    MotorFault fault;
    EXPECT_EQ(chosenMotorFromJson(bad, &fault), std::nullopt);
    EXPECT_EQ(fault.field, MotorField::MaxSpeed);
}

// The CSV's drive table carries the chosen motor after the drive's own rows.
TEST(MotorCheck, ChosenMotorRowsFollowTheDriveTable) {
    const QStringList rows = motorCsvRows({A, true}, axisInputs(), Axis);
    for (const char* want :
         {"motor,A,", "motorWithBrake,yes,", "motorBrakeInertia,,kg·m²", "ratioRequired,4,",
          "peakTorqueAvailable,8,N·m", "peakTorqueCheck,pass,", "motorVerdict,pass,"})
        EXPECT_TRUE(rows.contains(QString::fromUtf8(want))) << want;
    const QStringList still = motorCsvRows({A, false}, axisInputs(""), Axis);
    EXPECT_TRUE(still.contains("speedCheck,,") && still.contains("motorVerdict,,"));
    const QByteArray csv = csvWithDrive("a\r\n", axisInputs(), Axis, ChosenMotor{A, false});
    EXPECT_TRUE(csv.contains("\r\ncoastTime,"));
    EXPECT_TRUE(csv.endsWith("\r\nmotorVerdict,pass,\r\n"));
}

// ---- Every motor at once ----

TEST(EveryMotor, SortedByRatedTorqueWithTheSmallestPassingMarkedAndCsvInFileOrder) {
    const std::vector<Motor> motors{Motor{"big", 4, 12, 3000, 5000, None, 1e-4},
                                    Motor{"rms", 1.5, 8, 3000, 5000, 5, 1e-4}, A,
                                    Motor{"A2", 2.4, 8, 3000, 5000, 5, 2e-4}};
    const MotorTable table = checkEveryMotor(motors, false, axisInputs(), Axis);
    EXPECT_EQ(table.byRatedTorque, (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(table.smallestPassing, 2); // "rms" fails; A comes before A2 (lower inertia)

    const QList<QByteArray> lines = motorTableCsv(motors, table).split('\n');
    ASSERT_EQ(lines.size(), 6); // header, four rows, the final line end
    EXPECT_EQ(lines[0], motorTableCsvHeader().toUtf8() + "\r");
    // "rms" as worked above: λ 4 of 10, peak 5.2 of 8, RMS 1.736663 above 1.5, n of 5000.
    const QList<QByteArray> rms = lines[2].trimmed().split(',');
    ASSERT_EQ(rms.size(), 14);
    EXPECT_EQ(rms[0] + rms[1], "rmsfail");
    const double want[] = {4,   10,         5.2,          8,    0.35,      1.7366635,
                           1.5, -0.1577756, 2864.7889757, 5000, 0.4270422, 21.6};
    for (int i = 0; i < 12; ++i)
        EXPECT_NEAR(rms[i + 2].toDouble(), want[i], 1e-6) << i;
    const MotorTable still = checkEveryMotor(motors, false, axisInputs(""), Axis);
    EXPECT_EQ(still.smallestPassing, std::nullopt);
    EXPECT_TRUE(motorTableCsv(motors, still).contains("\nbig,,4,10,,,,,4,,,5000,,\r"));
}

TEST(MotorRows, MarginsInPercentAndTorquesInTheChosenUnit) {
    const QStringList texts = ostrel::testing::numberedTexts();
    DisplayChoice ncm;
    ncm.digits = Digits::Significant4;
    ncm.torque = TorqueUnit::NCm;
    ncm.inertia = InertiaUnit::KgCm2;
    const QList<MotorCheckRow> rows =
        motorCheckRows(checkMotor(A, false, axisInputs(), Axis), ncm, texts);
    EXPECT_EQ(rows[1].required, "520.0");
    EXPECT_EQ(rows[1].available, "800.0");
    EXPECT_EQ(rows[1].unit, "N·cm");
    EXPECT_EQ(rows[1].margin, "35.0 %");
    EXPECT_EQ(rows[1].verdict, "#737");
    EXPECT_EQ(rows[3].required, "2865");
    const QList<DriveRow> data = motorDataRows(A, ncm, texts);
    EXPECT_EQ(data[5].value, "1.000"); // J_R in kg·cm²
    EXPECT_EQ(data[6].value, "");      // no brake
    EXPECT_EQ(motorVerdictText(checkMotor(A, false, axisInputs(""), Axis), texts), "#740");
    // The dialog's cells: the inertia typed in kg·cm² comes back in kg·m².
    QStringList cells = motorEditTexts(A, ncm);
    EXPECT_EQ(cells[6], "1");
    cells[6] = QStringLiteral("2,5");
    EXPECT_DOUBLE_EQ(motorFromEditTexts(cells, ncm).motor->rotorInertia, 2.5e-4);
    cells[2] = QStringLiteral("1");
    EXPECT_EQ(motorFromEditTexts(cells, ncm).fault.problem, MotorProblem::BelowRated);
}

// ---- CSV import and export ----

TEST(MotorCsv, GoodFileComesBackAndEveryBadRowIsNamedByItsLineWithNothingAdded) {
    const QByteArray header = motorCsvHeader().toUtf8();
    const QByteArray good = header + "\n\"Example, 1\",2.4,8,3000,5000,,0.0001,,400\n";
    const MotorCsvRead read = parseMotorsCsv(good, "m.csv");
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.motors.size(), 1u);
    EXPECT_EQ(read.motors[0].name, "Example, 1");
    EXPECT_EQ(read.motors[0].peakAtMaxSpeed(), 8);
    EXPECT_EQ(read.motors[0].ratedPower, 400);
    EXPECT_EQ(parseMotorsCsv(motorsCsv(read.motors), "x").motors, read.motors);

    using MF = MotorField;
    using P = MotorProblem;
    const auto fault = [](MF f, P p) { return motorFaultMessage({f, p}); };
    // clang-format off
    const struct { const char* name; const char* row; std::vector<MessagePiece> fault; } bads[] = {
        {"eight cells", "B,1,2,3,4,5,6,7", {{762, {}}}},
        {"not a number", "B,1,2,3,4,,1e-4x,,", fault(MF::RotorInertia, P::NotANumber)},
        {"decimal comma", "B,\"2,4\",8,3000,5000,,1e-4,,", fault(MF::RatedTorque, P::NotANumber)},
        {"missing", "B,1,2,3,4,,,,", fault(MF::RotorInertia, P::Missing)},
        {"zero", "B,1,2,0,4,,1,,", fault(MF::RatedSpeed, P::NotPositive)},
        {"negative brake", "B,1,2,3,4,,1,-1,", fault(MF::BrakeInertia, P::Negative)},
        {"peak below rated", "B,3,2,3,4,,1,,", fault(MF::PeakTorque, P::BelowRated)},
        {"max below rated", "B,1,2,3,2,,1,,", fault(MF::MaxSpeed, P::BelowRated)},
        {"fall above peak", "B,1,2,3,4,5,1,,", fault(MF::PeakTorqueAtMaxSpeed, P::AbovePeak)},
        {"empty name", " ,1,2,3,4,,1,,", fault(MF::Name, P::Missing)},
        {"same name", "\"Example, 1\",1,2,3,4,,1,,", fault(MF::Name, P::NameTwice)},
        {"open quote", "\"B,1,2,3,4,,1,,", {{769, {}}}}};
    // clang-format on
    for (const auto& b : bads) {
        SCOPED_TRACE(b.name);
        const MotorCsvRead bad = parseMotorsCsv(good + "\r\n" + b.row + "\n", "m.csv");
        EXPECT_FALSE(bad.ok);
        EXPECT_TRUE(bad.motors.empty());
        ASSERT_GE(bad.error.size(), 4u);
        EXPECT_EQ(bad.error[0].entry, 750);
        EXPECT_EQ(bad.error[1].literal, "\nm.csv\n");
        EXPECT_EQ(bad.error[2].entry, 752);
        EXPECT_EQ(bad.error[3].literal, " 4: "); // the blank line 3 counts
        for (size_t i = 0; i < b.fault.size(); ++i)
            EXPECT_EQ(bad.error.at(4 + i).entry, b.fault[i].entry) << i;
    }
    EXPECT_EQ(parseMotorsCsv("name,ratedTorque\n", "m.csv").error.at(4).entry, 761);
    EXPECT_EQ(parseMotorsCsv("", "m.csv").error.at(2).entry, 764);
    EXPECT_EQ(readMotorsCsv("/nonexistent/m.csv").error.at(2).entry, 770);
    // The sample list shipped with the program reads whole.
    const MotorCsvRead sample = readMotorsCsv(QStringLiteral(OSTREL_EXAMPLE_MOTORS));
    EXPECT_TRUE(sample.ok);
    EXPECT_EQ(sample.motors.size(), 6u);
}

// ---- The user's list and its file ----

TEST(MotorListFile, RoundTripRefusedFilesAndAFailedWriteKeepingTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data/motors.json"));
    MotorList list;
    EXPECT_FALSE(list.add(A));
    EXPECT_EQ(list.add(Motor{" A ", 1, 2, 3, 4, None, 1}).problem, MotorProblem::NameTwice);
    EXPECT_FALSE(list.add(Motor{"B", 1, 2, 3, 4, 1.5, 2e-5, 1e-5}));
    EXPECT_EQ(list.addAll({Motor{"C", 1, 2, 3, 4, None, 1}, A}, {7, 8}).at(1).literal, " 8: ");
    EXPECT_EQ(list.size(), 2); // nothing of the refused import
    list.sortBy(MotorField::RatedTorque);
    EXPECT_EQ(list.at(0).name, "B");

    ASSERT_TRUE(readMotorList(path).ok); // not there yet: an empty list
    ASSERT_TRUE(saveMotorList(list, path).ok);
    const MotorListRead read = readMotorList(path);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.list, list);

    const std::pair<QByteArray, int> refused[] = {
        {"", 764}, {R"({"motors": [)", 763}, {"[]", 763}, {R"({"motors": [{"name": "A"}]})", 720}};
    for (const auto& [bytes, entry] : refused) {
        const MotorListRead bad = parseMotorList(bytes, path);
        EXPECT_FALSE(bad.ok);
        EXPECT_EQ(bad.error.at(1).literal, "\n" + path + "\n");
        EXPECT_EQ(bad.error.at(2).entry, entry) << bytes.toStdString();
    }
    EXPECT_EQ(readMotorList(dir.path()).error.at(2).entry, 768);

    // A write that fails half-way (a file size limit of 100 bytes) reports it and leaves the old
    // file whole, with no temporary file beside it.
    MotorList longer = list;
    for (int i = 0; i < 20; ++i)
        longer.add(Motor{QStringLiteral("M%1").arg(i), 1, 2, 3, 4, None, 1});
    const QByteArray before = motorListJson(list);
    MotorListSave save;
    {
        const ostrel::testing::FileSizeLimit limit(100);
        save = saveMotorList(longer, path);
    }
    EXPECT_FALSE(save.ok);
    EXPECT_EQ(save.error.at(0).entry, 751);
    EXPECT_EQ(save.error.at(2).entry, 771);
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), before);
    EXPECT_EQ(QDir(dir.filePath("data")).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

} // namespace
