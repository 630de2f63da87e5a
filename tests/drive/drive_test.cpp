// Drive sizing: the results worked by hand from the list's totals and the inputs, the checks of
// the inputs, the profile of one cycle, the display rows and the file forms.
#include "drive/drivecalc.h"
#include "drive/drivefile.h"
#include "drive/drivetext.h"
#include "testinputs.h"

#include <QJsonArray>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

using namespace ostrel;
using ostrel::testing::expectNear;

namespace {

using F = DriveInputs::Field;
using Opt = std::optional<double>;
constexpr Opt None = std::nullopt;

// 300/π rpm: ω = 2π·n/60 = 10 rad/s, which keeps the hand working short.
const char* const W10 = "95.4929658551372";

// The typed texts; a blank efficiency, safety factor and limit take their defaults 1, 1, 10.
struct Inputs {
    const char* jm = "";
    const char* jg = "";
    const char* eta = " ";
    const char* n = "";
    const char* ta = "";
    const char* tc = "";
    const char* td = "";
    const char* t0 = "";
    const char* s = "";
    const char* limit = "";
    bool brake = false;

    DriveInputs make() const {
        DriveInputs in;
        in.brakeHoldsLoad = brake;
        const char* const texts[] = {jm, jg, eta, n, ta, tc, td, t0, s, limit};
        for (int i = 0; i < DriveInputs::FieldCount; ++i)
            in.setText(static_cast<F>(i), QString::fromUtf8(texts[i]));
        return in;
    }
};

struct Expected {
    Opt ratio, ta, tc, td, peak, rms, power, energy, coast;
    bool coastNone = false;
    std::optional<RatioVerdict> verdict;
    Opt hold, braking, brakingPower;
};

constexpr RatioVerdict Within = RatioVerdict::Within, Above = RatioVerdict::Above;

struct Case {
    const char* name;
    Inputs in;
    DriveTotals totals;
    Expected want;
};

// The common load: J_L = 0.05 kg·m², T_F = 0.2 N·m, T_W = 0.3 N·m (T_L = 0.5), J_M = 0.01,
// ω = 10 rad/s, t_a = t_d = 0.1 s (α = 100 rad/s²), t_c = 1 s, t_0 = 0.8 s (cycle 2 s).
const Inputs Base{.jm = "0.01", .n = W10, .ta = "0.1", .tc = "1", .td = "0.1", .t0 = "0.8"};
const DriveTotals Load{0.05, 0.2, 0.3};

template <typename T> Inputs with(Inputs in, T Inputs::*field, T value) {
    in.*field = value;
    return in;
}
Inputs with(Inputs in, const char* Inputs::*field, const char* value) {
    return with<const char*>(in, field, value);
}

// A vertical screw axis (worked in its cases below).
const Inputs Screw{
    .jm = "0.001", .eta = "0.5", .n = W10, .ta = "0.1", .tc = "0.5", .td = "0.1", .t0 = "1.3"};
const DriveTotals Vertical{0.002, 0.1, 1.5};

// clang-format off
const Case kCases[] = {
    // λ = 0.05/0.01 = 5 ≤ 10. T_a = 0.01·100 + (0.05·100 + 0.5) = 6.5; T_c = 0.5;
    // T_d = −0.01·100 + (−5 + 0.5) = −5.5; the dwell holds T_h = T_W = 0.3.
    // RMS = √((6.5²·0.1 + 0.5²·1 + 5.5²·0.1 + 0.3²·0.8)/2) = √(7.572/2) = 1.945765.
    // P = 6.5·10 = 65 W. E = ½·0.06·10² = 3 J. Coast 0.06·10/0.2 = 3 s. Braking:
    // E_r = 5.5·10·0.1/2 = 2.75 J per cycle, P_r = 2.75/2 = 1.375 W.
    {"plain drive at full efficiency", Base, Load,
     {5, 6.5, 0.5, -5.5, 6.5, 1.9457646, 65, 3, 3, false, Within, 0.3, 2.75, 1.375}},
    // η = 0.8, lifting: T_L = 0.2 + 0.6 = 0.8. T_a = 1 + (5 + 0.8)/0.8 = 8.25; T_c = 0.8/0.8
    // = 1; decel: −5 + 0.8 = −4.2 drives back, ·0.8 = −3.36, T_d = −1 − 3.36 = −4.36;
    // T_h = 0.6/0.8 = 0.75. RMS = √((68.0625·0.1 + 1 + 19.0096·0.1 + 0.5625·0.8)/2)
    // = √5.078605 = 2.253576. P = 82.5 W. E_r = 4.36·10·0.1/2 = 2.18 J, P_r = 1.09 W.
    {"lifting load through a lossy gear", with(Base, &Inputs::eta, "0.8"), {0.05, 0.2, 0.6},
     {5, 8.25, 1, -4.36, 8.25, 2.2535760, 82.5, 3, 3, false, Within, 0.75, 2.18, 1.09}},
    // η = 0.8, overhauling: T_L = 0.2 − 1.2 = −1. Accel: 5 − 1 = 4 ≥ 0, /0.8 = 5, T_a = 6;
    // T_c = −1·0.8 = −0.8; decel: −5 − 1 = −6, ·0.8 = −4.8, T_d = −1 − 4.8 = −5.8;
    // T_h = −1.2·0.8 = −0.96. RMS = √((36·0.1 + 0.64·1 + 33.64·0.1 + 0.9216·0.8)/2)
    // = √4.17064 = 2.042214. P = 60 W. E_r = 5.8·10·0.1/2 = 2.9 J, P_r = 1.45 W.
    {"overhauling load drives back", with(Base, &Inputs::eta, "0.8"), {0.05, 0.2, -1.2},
     {5, 6, -0.8, -5.8, 6, 2.0422145, 60, 3, 3, false, Within, -0.96, 2.9, 1.45}},
    // No dwell: cycle 1.2 s, RMS = √(7.5/1.2) = √6.25 = 2.5, P_r = 2.75/1.2 = 2.291667 W; the
    // rest as the plain drive.
    {"zero dwell", with(Base, &Inputs::t0, "0"), Load,
     {5, 6.5, 0.5, -5.5, 6.5, 2.5, 65, 3, 3, false, Within, 0.3, 2.75, 2.2916667}},
    // No motor: no ratio nor verdict; the load alone: T_a = 5.5, T_d = −4.5,
    // RMS = √((3.025 + 0.25 + 2.025 + 0.072)/2) = √2.686 = 1.638902, E = ½·0.05·100 = 2.5,
    // coast 0.05·10/0.2 = 2.5 s; E_r = 4.5·10·0.1/2 = 2.25 J, P_r = 1.125 W.
    {"missing motor inertia", with(Base, &Inputs::jm, ""), Load,
     {None, 5.5, 0.5, -4.5, 5.5, 1.6389021, 55, 2.5, 2.5, false, std::nullopt, 0.3, 2.25, 1.125}},
    // t_d = 0, t_0 = 0.9: no decel torque; RMS = √((4.225 + 0.25 + 0.081)/2) = √2.278
    // = 1.509304; nothing decelerates the motor: no braking energy.
    {"no deceleration time", with(with(Base, &Inputs::td, "0"), &Inputs::t0, "0.9"), Load,
     {5, 6.5, 0.5, None, 6.5, 1.5093045, 65, 3, 3, false, Within, 0.3}},
    // t_a = 0, t_0 = 0.9: no accel torque nor power; peak |T_d| = 5.5,
    // RMS = √((0.25 + 3.025 + 0.081)/2) = √1.678 = 1.295376; E_r = 2.75 J, P_r = 1.375 W.
    {"no acceleration time", with(with(Base, &Inputs::ta, "0"), &Inputs::t0, "0.9"), Load,
     {5, None, 0.5, -5.5, 5.5, 1.2953764, None, 3, 3, false, Within, 0.3, 2.75, 1.375}},
    // The 0.79 kg·m² disc at 3000 rpm: ω = 100π, E = ½·0.79·(100π)² = 38984.94 J. No times:
    // no phase torque but T_c = 0, peak 0, no RMS; no friction: the coast-down is "none".
    {"disc at 3000 rpm stores 38.98 kJ", {.n = "3000"}, {0.79, 0, 0},
     {None, None, 0, None, 0, None, None, 38984.937, None, true, std::nullopt, 0}},
    // J_G = 0.005, S = 1.5: T_a = 0.015·100 + 5.5 = 7, T_d = −1.5 − 4.5 = −6; peak 1.5·7 = 10.5;
    // RMS = 1.5·√((4.9 + 0.25 + 3.6 + 0.072)/2) = 1.5·2.100238 = 3.150357; P = 7·10 = 70 W
    // (no S); E = ½·0.065·100 = 3.25 J; coast 0.065·10/0.2 = 3.25 s; λ = 0.05/0.01 = 5;
    // E_r = 6·10·0.1/2 = 3 J (no S), P_r = 1.5 W.
    {"gearbox inertia and safety factor",
     with(with(Base, &Inputs::jg, "0.005"), &Inputs::s, "1.5"), Load,
     {5, 7, 0.5, -6, 10.5, 3.1503571, 70, 3.25, 3.25, false, Within, 0.3, 3, 1.5}},
    // A vertical screw: 96.1 kg on a 10 mm lead weighs m·g·P/(2π) = 1.5 N·m at the motor
    // (T_W), guides T_F = 0.1, J_L = 0.002, J_M = 0.001, a trapezoidal screw η = 0.5, ω = 10,
    // t_a = t_d = 0.1, t_c = 0.5, t_0 = 1.3 (cycle 2 s). T_L = 1.6: T_a = 0.1 + (0.2 + 1.6)/0.5
    // = 3.7; T_c = 3.2; decel −0.2 + 1.6 = 1.4 still drives, T_d = −0.1 + 2.8 = 2.7; the dwell
    // holds T_h = 1.5/0.5 = 3. RMS = √((13.69·0.1 + 10.24·0.5 + 7.29·0.1 + 9·1.3)/2)
    // = √9.459 = 3.075549; peak 3.7; P = 37 W; E = ½·0.003·100 = 0.15 J; coast 0.03/0.1 = 0.3 s.
    // T_d ≥ 0: the motor returns nothing, no braking energy.
    {"vertical screw held by the motor", Screw, Vertical,
     {2, 3.7, 3.2, 2.7, 3.7, 3.0755487, 37, 0.15, 0.3, false, Within, 3}},
    // The same with a brake holding the load: T_h = 0, RMS = √(7.218/2) = 1.899737.
    {"vertical screw held by a brake", with(Screw, &Inputs::brake, true), Vertical,
     {2, 3.7, 3.2, 2.7, 3.7, 1.8997368, 37, 0.15, 0.3, false, Within, 0}},
    // λ = 0.05/0.0049 = 10.20408 > 10 (the default limit); no speed: nothing else.
    {"ratio above the limit without speed", {.jm = "0.0049"}, Load,
     {10.2040816, None, None, None, None, None, None, None, None, false, Above}},
    // λ = 0.05/0.005 = 10: at the limit is within it.
    {"ratio at the limit is within", {.jm = "0.005"}, Load,
     {10, None, None, None, None, None, None, None, None, false, Within}},
    // λ = 50 against a limit of 60.
    {"limit typed by the user", {.jm = "0.001", .limit = "60"}, Load,
     {50, None, None, None, None, None, None, None, None, false, Within}},
    // Nothing typed: no result.
    {"nothing typed", {}, Load,
     {}},
};
// clang-format on

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class DriveCases : public ::testing::TestWithParam<Case> {};

TEST_P(DriveCases, ResultsMatchTheHandWorking) {
    const Case& c = GetParam();
    const DriveResults r = computeDrive(c.in.make(), c.totals);
    ASSERT_TRUE(r.valid());
    EXPECT_EQ(r.verdict, c.want.verdict);
    EXPECT_EQ(r.coastNone, c.want.coastNone);
    expectNear("ratio", r.ratio, c.want.ratio);
    expectNear("T_a", r.accelTorque, c.want.ta);
    expectNear("T_c", r.constTorque, c.want.tc);
    expectNear("T_d", r.decelTorque, c.want.td);
    expectNear("T_h", r.holdTorque, c.want.hold);
    expectNear("E_r", r.brakingEnergy, c.want.braking);
    expectNear("P_r", r.brakingPower, c.want.brakingPower);
    expectNear("peak", r.peakTorque, c.want.peak);
    expectNear("rms", r.rmsTorque, c.want.rms);
    expectNear("power", r.peakPower, c.want.power);
    expectNear("energy", r.kineticEnergy, c.want.energy);
    expectNear("coast", r.coastTime, c.want.coast);
}

INSTANTIATE_TEST_SUITE_P(HandWorked, DriveCases, ::testing::ValuesIn(kCases),
                         ostrel::testing::rowName<Case>);

// ---- Inputs out of range: a hint at the box and no result at all ----

TEST(DriveInputsChecked, AnInputOutOfRangeIsHintedAtItsBoxAndEmptiesEveryResult) {
    // clang-format off
    using H = DriveHint;
    const struct { F field; const char* text; H hint; } cases[] = {
        {F::Efficiency, "0", H::EfficiencyRange}, {F::Efficiency, "1.2", H::EfficiencyRange},
        {F::Efficiency, "0,8", H::EfficiencyRange}, // reads as 0
        {F::Speed, "fast", H::NotANumber}, {F::Safety, "-", H::NotANumber},
        {F::Safety, "0.9", H::SafetyBelowOne}, {F::RatioLimit, "0", H::LimitNotPositive},
        {F::Speed, "-100", H::Negative}, {F::AccelTime, "-0.1", H::Negative},
        {F::MotorInertia, "-0.01", H::Negative}, {F::GearInertia, "-1E-3", H::Negative}};
    // clang-format on
    for (const auto& c : cases) {
        DriveInputs in = Base.make();
        in.setText(c.field, QString::fromUtf8(c.text));
        const DriveResults r = computeDrive(in, Load);
        SCOPED_TRACE(c.text);
        EXPECT_FALSE(r.valid());
        for (int f = 0; f < DriveInputs::FieldCount; ++f)
            EXPECT_EQ(r.hints[f], f == c.field ? c.hint : DriveHint::None);
        EXPECT_FALSE(r.ratio || r.accelTorque || r.constTorque || r.decelTorque || r.peakTorque ||
                     r.rmsTorque || r.peakPower || r.kineticEnergy || r.coastTime || r.coastNone ||
                     r.verdict || r.holdTorque || r.brakingEnergy || r.brakingPower);
        EXPECT_TRUE(driveProfile(in, r).empty());
    }
}

TEST(DriveInputsChecked, HugeValuesNeverGiveAnInfiniteResult) {
    const DriveResults r = computeDrive(
        Inputs{.jm = "1E-300", .n = "1E300", .ta = "1E-300", .tc = "1", .td = "1"}.make(),
        {1E300, 1E-300, 0});
    for (const Opt& x : {r.accelTorque, r.decelTorque, r.peakTorque, r.rmsTorque, r.peakPower,
                         r.kineticEnergy, r.coastTime, r.brakingEnergy, r.brakingPower})
        EXPECT_TRUE(!x || std::isfinite(*x));
    EXPECT_FALSE(r.ratio); // 1E600 does not exist
}

TEST(DriveInputsChecked, OnlyAMotorInertiaOrASpeedCountsAsDriveInputs) {
    EXPECT_FALSE(DriveInputs().hasInputs());
    EXPECT_FALSE(Inputs({.eta = "0.5", .ta = "1", .s = "2"}).make().hasInputs());
    EXPECT_TRUE(Inputs({.jm = "0.01"}).make().hasInputs());
    EXPECT_TRUE(Inputs({.n = "1500"}).make().hasInputs());
    EXPECT_FALSE(Inputs({.n = "0"}).make().hasInputs());
}

// ---- The profile of one cycle ----

// The speed trapezoid and the torque steps, a point at each phase end; nothing to draw without
// a speed or without any time.
TEST(DriveProfileOfOneCycle, TrapezoidAndTorqueStepsWithAPointAtEachPhaseEnd) {
    const double n = 300 / M_PI;
    // clang-format off
    const QList<QPointF> screwSpeed{{0, 0}, {0.1, n}, {0.6, n}, {0.7, 0}, {2, 0}};
    const QList<QPointF> screwMoving{{0, 0}, {0, 3.7}, {0.1, 3.7}, {0.1, 3.2}, {0.6, 3.2},
                                     {0.6, 2.7}, {0.7, 2.7}};
    const struct {
        const char* name; Inputs in; DriveTotals totals; QList<QPointF> speed, torque;
    } cases[] = {
        {"full cycle, the dwell holding T_W", Base, Load,
         {{0, 0}, {0.1, n}, {1.1, n}, {1.2, 0}, {2, 0}},
         {{0, 0}, {0, 6.5}, {0.1, 6.5}, {0.1, 0.5}, {1.1, 0.5}, {1.1, -5.5}, {1.2, -5.5},
          {1.2, 0.3}, {2, 0.3}}},
        {"triangle without decel time", with(with(Base, &Inputs::tc, "0"), &Inputs::td, "0"),
         {0.05, 0.2, 0}, {{0, 0}, {0.1, n}, {0.1, 0}, {0.9, 0}},
         {{0, 0}, {0, 6.2}, {0.1, 6.2}, {0.1, 0}, {0.9, 0}}},
        {"vertical screw holding its load", Screw, Vertical, screwSpeed,
         screwMoving + QList<QPointF>{{0.7, 3}, {2, 3}}},
        {"vertical screw on its brake", with(Screw, &Inputs::brake, true), Vertical, screwSpeed,
         screwMoving + QList<QPointF>{{0.7, 0}, {2, 0}}},
        {"no speed", {.jm = "1"}, Load, {}, {}},
        {"no time", {.n = "3000"}, Load, {}, {}}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DriveInputs in = c.in.make();
        const DriveProfile p = driveProfile(in, computeDrive(in, c.totals));
        for (const auto& [got, want] : {std::pair{p.speed, c.speed}, {p.torque, c.torque}}) {
            ASSERT_EQ(got.size(), want.size());
            for (qsizetype i = 0; i < want.size(); ++i) {
                EXPECT_NEAR(got[i].x(), want[i].x(), 1e-12) << i;
                EXPECT_NEAR(got[i].y(), want[i].y(), 1e-9) << i;
            }
        }
    }
}

// ---- What the panel and the report show ----

// Absent results are empty (never 0), torques and inertias follow the unit choice (watts stay
// watts), inputs show as read, the coast-down without friction and the verdict in words.
TEST(DriveDisplayRows, AbsentResultsAreEmptyAndValuesFollowTheUnitChoice) {
    const QStringList texts = ostrel::testing::numberedTexts();
    const DisplayChoice ncm{Digits::Significant4, MassUnit::Kg, InertiaUnit::KgCm2,
                            TorqueUnit::NCm};
    const QList<DriveRow> rows =
        driveResultRows(computeDrive(with(Base, &Inputs::td, "0").make(), Load), ncm, texts);
    ASSERT_EQ(rows.size(), static_cast<int>(DriveResult::Count));
    const auto at = [](const QList<DriveRow>& rows, DriveResult k) {
        const DriveRow& row = rows[static_cast<int>(k)];
        return row.value + "|" + row.unit;
    };
    EXPECT_EQ(at(rows, DriveResult::Ratio), "5.000|");
    EXPECT_EQ(at(rows, DriveResult::AccelTorque), "650.0|N·cm");
    EXPECT_EQ(at(rows, DriveResult::DecelTorque), "|N·cm");
    EXPECT_EQ(at(rows, DriveResult::PeakPower), "65.00|W");
    EXPECT_EQ(at(rows, DriveResult::BrakingEnergy), "|J");
    const DriveResults disc = computeDrive(Inputs{.n = "3000"}.make(), {0.79, 0, 0});
    const QList<DriveRow> classic = driveResultRows(disc, DisplayChoice(), texts);
    EXPECT_EQ(at(classic, DriveResult::KineticEnergy), "38980|J");
    EXPECT_EQ(at(classic, DriveResult::CoastTime), "#558|");
    EXPECT_EQ(at(classic, DriveResult::RmsTorque), "|N·m");
    const QList<DriveRow> braking = driveResultRows(computeDrive(Base.make(), Load), ncm, texts);
    EXPECT_EQ(at(braking, DriveResult::BrakingPower), "1.375|W");
    EXPECT_EQ(braking[static_cast<int>(DriveResult::BrakingPower)].caption, "#744");
    EXPECT_EQ(driveVerdictText(computeDrive(Inputs{.jm = "0.001"}.make(), Load), texts), "#557");
    EXPECT_EQ(driveVerdictText(disc, texts), "");

    const QList<DriveRow> inputs =
        driveInputRows(Inputs{.jm = "1E-2", .eta = "", .n = "1500abc"}.make(), texts);
    ASSERT_EQ(inputs.size(), DriveInputs::FieldCount);
    EXPECT_EQ(inputs[F::MotorInertia].value + inputs[F::MotorInertia].unit, "0.01000kg·m²");
    EXPECT_EQ(inputs[F::Efficiency].value, "1.000");
    EXPECT_EQ(inputs[F::Speed].value, "1500");
    EXPECT_EQ(driveBrakeRow(Inputs{.brake = true}.make(), texts).value, "#747");
    EXPECT_EQ(driveBrakeRow(Inputs{}.make(), texts).value, "#748");
    const QList<DriveRow> totals = driveTotalRows({0.05, 0.2, 0.3}, ncm, texts);
    EXPECT_EQ(totals[0].value + " " + totals[0].unit, "500.0 kg·cm²");
    EXPECT_EQ(totals[1].value, "20.00");
}

// ---- The project file and the CSV table ----

TEST(DriveFileForms, JsonKeepsTheTypedTextsAndReadsBadFieldsAsDefaults) {
    DriveInputs typed = Base.make();
    typed.setText(F::Efficiency, QStringLiteral("0.85"));
    typed.setText(F::GearInertia, QStringLiteral("2.5E-4"));
    typed.brakeHoldsLoad = true;
    EXPECT_EQ(driveFromJson(driveToJson(typed)), typed);
    EXPECT_EQ(driveToJson(typed).value("brakeHoldsLoad"), true);
    EXPECT_EQ(driveFromJson(QJsonObject()), DriveInputs());
    const QJsonObject odd{
        {"efficiency", QJsonArray{1, 2}}, {"safety", true}, {"speed", 1500},
        {"ratioLimit", QJsonValue()},     {"unknown", "x"}, {"brakeHoldsLoad", "true"}};
    DriveInputs want; // a number is read as its text; the brake only from a JSON true
    want.setText(F::Speed, QStringLiteral("1500"));
    EXPECT_EQ(driveFromJson(odd), want);
}

// The drive table: typed inputs and results with every digit and "." decimals, absent results
// empty; after the list's table only when there are drive inputs, every line ended by CRLF.
TEST(DriveFileForms, CsvTableHasFullPrecisionPointDecimalsAndQuotedFields) {
    const QStringList rows = driveCsvRows(with(Base, &Inputs::td, "0").make(), Load);
    EXPECT_EQ(rows.value(0), "quantity,value,unit");
    EXPECT_EQ(rows.size(), 1 + DriveInputs::FieldCount + 1 + 3 + 15);
    for (const char* row : {"motorInertia,0.01,kg·m²", "speed,95.4929658551372,rpm",
                            "loadInertia,0.05,kg·m²", "ratioVerdict,within,", "decelTorque,,N·m",
                            "brakingEnergy,,J", "brakeHoldsLoad,no,", "holdTorque,0.3,N·m"})
        EXPECT_TRUE(rows.contains(QString::fromUtf8(row))) << row;
    const QString rms = rows.filter(QStringLiteral("rmsTorque,")).value(0);
    EXPECT_NEAR(rms.section(QLatin1Char(','), 1, 1).toDouble(),
                std::sqrt((6.5 * 6.5 * 0.1 + 0.25 + 0.09 * 0.8) / 1.9), 1e-13)
        << rms.toStdString();
    EXPECT_TRUE(
        driveCsvRows(Inputs{.n = "3000"}.make(), {0.79, 0, 0}).contains("coastTime,none,s"));
    for (const auto& [in, out] : {std::pair{"plain", "plain"},
                                  {"a,b", "\"a,b\""},
                                  {"say \"hi\"", "\"say \"\"hi\"\"\""},
                                  {"two\nlines", "\"two\nlines\""},
                                  {"", ""}})
        EXPECT_EQ(csvField(QString::fromUtf8(in)), QString::fromUtf8(out));

    const QByteArray list = "kind,mass\r\nDisc,1\r\n";
    EXPECT_EQ(csvWithDrive(list, Inputs{.ta = "1"}.make(), Load), list);
    const QByteArray both = csvWithDrive(list, Inputs{.n = "3000"}.make(), {0.79, 0, 0});
    ASSERT_TRUE(both.startsWith(list + "\r\nquantity,value,unit\r\n")) << both.toStdString();
    EXPECT_TRUE(both.endsWith("\r\n"));
    EXPECT_EQ(both.count("\r\n"), 2 + 1 + driveCsvRows(Inputs{.n = "3000"}.make(), {}).size());
    EXPECT_FALSE(QByteArray(both).replace("\r\n", "").contains('\n')); // no bare line feed
}

} // namespace
