// Drive sizing: the results worked by hand from the list's totals and the inputs, the checks of
// the inputs, the profile of one cycle, the display rows and the file forms.
#include "drive/drivecalc.h"
#include "drive/drivefile.h"
#include "drive/drivetext.h"

#include <QJsonArray>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

using namespace ostrel;

namespace {

using F = DriveInputs::Field;
using Opt = std::optional<double>;
constexpr Opt None = std::nullopt;

// 300/π rpm: ω = 2π·n/60 = 10 rad/s, which keeps the hand working short.
const char* const W10 = "95.4929658551372";

struct Inputs {
    const char* jm = "";
    const char* jg = "";
    const char* eta = "1";
    const char* n = "";
    const char* ta = "";
    const char* tc = "";
    const char* td = "";
    const char* t0 = "";
    const char* s = "1";
    const char* limit = "10";
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

const Case kCases[] = {
    // λ = 0.05/0.01 = 5 ≤ 10. T_a = 0.01·100 + (0.05·100 + 0.5) = 6.5; T_c = 0.5;
    // T_d = −0.01·100 + (−5 + 0.5) = −5.5; the dwell holds T_h = T_W = 0.3.
    // RMS = √((6.5²·0.1 + 0.5²·1 + 5.5²·0.1 + 0.3²·0.8)/2) = √(7.572/2) = 1.945765.
    // P = 6.5·10 = 65 W. E = ½·0.06·10² = 3 J. Coast 0.06·10/0.2 = 3 s. Braking:
    // E_r = 5.5·10·0.1/2 = 2.75 J per cycle, P_r = 2.75/2 = 1.375 W.
    {"plain drive at full efficiency",
     Base,
     Load,
     {5, 6.5, 0.5, -5.5, 6.5, 1.9457646, 65, 3, 3, false, RatioVerdict::Within, 0.3, 2.75, 1.375}},
    // η = 0.8, lifting: T_L = 0.2 + 0.6 = 0.8. T_a = 1 + (5 + 0.8)/0.8 = 8.25; T_c = 0.8/0.8
    // = 1; decel: −5 + 0.8 = −4.2 drives back, ·0.8 = −3.36, T_d = −1 − 3.36 = −4.36;
    // T_h = 0.6/0.8 = 0.75. RMS = √((68.0625·0.1 + 1 + 19.0096·0.1 + 0.5625·0.8)/2)
    // = √5.078605 = 2.253576. P = 82.5 W. E_r = 4.36·10·0.1/2 = 2.18 J, P_r = 1.09 W.
    {"lifting load through a lossy gear",
     with(Base, &Inputs::eta, "0.8"),
     {0.05, 0.2, 0.6},
     {5, 8.25, 1, -4.36, 8.25, 2.2535760, 82.5, 3, 3, false, RatioVerdict::Within, 0.75, 2.18,
      1.09}},
    // η = 0.8, overhauling: T_L = 0.2 − 1.2 = −1. Accel: 5 − 1 = 4 ≥ 0, /0.8 = 5, T_a = 6;
    // T_c = −1·0.8 = −0.8; decel: −5 − 1 = −6, ·0.8 = −4.8, T_d = −1 − 4.8 = −5.8;
    // T_h = −1.2·0.8 = −0.96. RMS = √((36·0.1 + 0.64·1 + 33.64·0.1 + 0.9216·0.8)/2)
    // = √4.17064 = 2.042214. P = 60 W. E_r = 5.8·10·0.1/2 = 2.9 J, P_r = 1.45 W.
    {"overhauling load drives back",
     with(Base, &Inputs::eta, "0.8"),
     {0.05, 0.2, -1.2},
     {5, 6, -0.8, -5.8, 6, 2.0422145, 60, 3, 3, false, RatioVerdict::Within, -0.96, 2.9, 1.45}},
    // No dwell: cycle 1.2 s, RMS = √(7.5/1.2) = √6.25 = 2.5, P_r = 2.75/1.2 = 2.291667 W; the
    // rest as the plain drive.
    {"zero dwell",
     with(Base, &Inputs::t0, "0"),
     Load,
     {5, 6.5, 0.5, -5.5, 6.5, 2.5, 65, 3, 3, false, RatioVerdict::Within, 0.3, 2.75, 2.2916667}},
    // No motor: no ratio nor verdict; the load alone: T_a = 5.5, T_d = −4.5,
    // RMS = √((3.025 + 0.25 + 2.025 + 0.072)/2) = √2.686 = 1.638902, E = ½·0.05·100 = 2.5,
    // coast 0.05·10/0.2 = 2.5 s; E_r = 4.5·10·0.1/2 = 2.25 J, P_r = 1.125 W.
    {"missing motor inertia",
     with(Base, &Inputs::jm, ""),
     Load,
     {None, 5.5, 0.5, -4.5, 5.5, 1.6389021, 55, 2.5, 2.5, false, std::nullopt, 0.3, 2.25, 1.125}},
    // t_d = 0, t_0 = 0.9: no decel torque; RMS = √((4.225 + 0.25 + 0.081)/2) = √2.278
    // = 1.509304; nothing decelerates the motor: no braking energy.
    {"no deceleration time",
     with(with(Base, &Inputs::td, "0"), &Inputs::t0, "0.9"),
     Load,
     {5, 6.5, 0.5, None, 6.5, 1.5093045, 65, 3, 3, false, RatioVerdict::Within, 0.3}},
    // t_a = 0, t_0 = 0.9: no accel torque nor power; peak |T_d| = 5.5,
    // RMS = √((0.25 + 3.025 + 0.081)/2) = √1.678 = 1.295376; E_r = 2.75 J, P_r = 1.375 W.
    {"no acceleration time",
     with(with(Base, &Inputs::ta, "0"), &Inputs::t0, "0.9"),
     Load,
     {5, None, 0.5, -5.5, 5.5, 1.2953764, None, 3, 3, false, RatioVerdict::Within, 0.3, 2.75,
      1.375}},
    // The 0.79 kg·m² disc at 3000 rpm: ω = 100π, E = ½·0.79·(100π)² = 38984.94 J. No times:
    // no phase torque but T_c = 0, peak 0, no RMS; no friction: the coast-down is "none".
    {"disc at 3000 rpm stores 38.98 kJ",
     {.n = "3000"},
     {0.79, 0, 0},
     {None, None, 0, None, 0, None, None, 38984.937, None, true, std::nullopt, 0}},
    // J_G = 0.005, S = 1.5: T_a = 0.015·100 + 5.5 = 7, T_d = −1.5 − 4.5 = −6; peak 1.5·7 = 10.5;
    // RMS = 1.5·√((4.9 + 0.25 + 3.6 + 0.072)/2) = 1.5·2.100238 = 3.150357; P = 7·10 = 70 W
    // (no S); E = ½·0.065·100 = 3.25 J; coast 0.065·10/0.2 = 3.25 s; λ = 0.05/0.01 = 5;
    // E_r = 6·10·0.1/2 = 3 J (no S), P_r = 1.5 W.
    {"gearbox inertia and safety factor",
     with(with(Base, &Inputs::jg, "0.005"), &Inputs::s, "1.5"),
     Load,
     {5, 7, 0.5, -6, 10.5, 3.1503571, 70, 3.25, 3.25, false, RatioVerdict::Within, 0.3, 3, 1.5}},
    // A vertical screw: 96.1 kg on a 10 mm lead weighs m·g·P/(2π) = 1.5 N·m at the motor
    // (T_W), guides T_F = 0.1, J_L = 0.002, J_M = 0.001, a trapezoidal screw η = 0.5, ω = 10,
    // t_a = t_d = 0.1, t_c = 0.5, t_0 = 1.3 (cycle 2 s). T_L = 1.6: T_a = 0.1 + (0.2 + 1.6)/0.5
    // = 3.7; T_c = 3.2; decel −0.2 + 1.6 = 1.4 still drives, T_d = −0.1 + 2.8 = 2.7; the dwell
    // holds T_h = 1.5/0.5 = 3. RMS = √((13.69·0.1 + 10.24·0.5 + 7.29·0.1 + 9·1.3)/2)
    // = √9.459 = 3.075549; peak 3.7; P = 37 W; E = ½·0.003·100 = 0.15 J; coast 0.03/0.1 = 0.3 s.
    // T_d ≥ 0: the motor returns nothing, no braking energy.
    {"vertical screw held by the motor",
     Screw,
     Vertical,
     {2, 3.7, 3.2, 2.7, 3.7, 3.0755487, 37, 0.15, 0.3, false, RatioVerdict::Within, 3}},
    // The same with a brake holding the load: T_h = 0, RMS = √(7.218/2) = 1.899737.
    {"vertical screw held by a brake",
     with(Screw, &Inputs::brake, true),
     Vertical,
     {2, 3.7, 3.2, 2.7, 3.7, 1.8997368, 37, 0.15, 0.3, false, RatioVerdict::Within, 0}},
    // λ = 0.05/0.001 = 50 > 10; no speed: nothing else.
    {"ratio above the limit without speed",
     {.jm = "0.001"},
     Load,
     {50, None, None, None, None, None, None, None, None, false, RatioVerdict::Above}},
    // λ = 0.05/0.005 = 10: at the limit is within it.
    {"ratio at the limit is within",
     {.jm = "0.005"},
     Load,
     {10, None, None, None, None, None, None, None, None, false, RatioVerdict::Within}},
    // λ = 50 against a limit of 60.
    {"limit typed by the user",
     {.jm = "0.001", .limit = "60"},
     Load,
     {50, None, None, None, None, None, None, None, None, false, RatioVerdict::Within}},
    // Nothing typed (an empty efficiency, factor and limit take their defaults): no result.
    {"nothing typed", {.eta = "", .s = "", .limit = ""}, Load, {}},
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class DriveCases : public testing::TestWithParam<Case> {};

void expectNear(const char* what, const Opt& got, const Opt& want) {
    ASSERT_EQ(got.has_value(), want.has_value()) << what;
    if (want) {
        EXPECT_NEAR(*got, *want, 1e-6 * std::max(1.0, std::abs(*want))) << what;
    }
}

TEST_P(DriveCases, ResultsMatchTheHandWorking) {
    const Case& c = GetParam();
    const DriveResults r = computeDrive(c.in.make(), c.totals);
    ASSERT_TRUE(r.valid());
    expectNear("ratio", r.ratio, c.want.ratio);
    EXPECT_EQ(r.verdict, c.want.verdict);
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
    EXPECT_EQ(r.coastNone, c.want.coastNone);
}

INSTANTIATE_TEST_SUITE_P(HandWorked, DriveCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

// ---- Inputs out of range: a hint at the box and no result at all ----

struct HintCase {
    F field;
    const char* text;
    DriveHint hint;
};

TEST(DriveInputsChecked, AnInputOutOfRangeIsHintedAtItsBoxAndEmptiesEveryResult) {
    const HintCase cases[] = {
        {F::Efficiency, "0", DriveHint::EfficiencyRange},
        {F::Efficiency, "1.2", DriveHint::EfficiencyRange},
        {F::Efficiency, "0,8", DriveHint::EfficiencyRange}, // reads as 0
        {F::Speed, "fast", DriveHint::NotANumber},
        {F::Safety, "-", DriveHint::NotANumber},
        {F::Safety, "0.9", DriveHint::SafetyBelowOne},
        {F::RatioLimit, "0", DriveHint::LimitNotPositive},
        {F::Speed, "-100", DriveHint::Negative},
        {F::AccelTime, "-0.1", DriveHint::Negative},
        {F::MotorInertia, "-0.01", DriveHint::Negative},
        {F::GearInertia, "-1E-3", DriveHint::Negative},
    };
    for (const HintCase& c : cases) {
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

TEST(DriveInputsChecked, EmptyEfficiencySafetyAndLimitTakeTheirDefaults) {
    const DriveResults typed = computeDrive(Base.make(), Load);
    const DriveResults empty = computeDrive(
        with(with(with(Base, &Inputs::eta, " "), &Inputs::s, ""), &Inputs::limit, "").make(), Load);
    EXPECT_TRUE(empty.valid());
    EXPECT_EQ(empty.accelTorque, typed.accelTorque);
    EXPECT_EQ(empty.peakTorque, typed.peakTorque);
    EXPECT_EQ(empty.limit, 10);
    EXPECT_EQ(DriveInputs(), Inputs({.eta = "1", .s = "1", .limit = "10"}).make());
}

TEST(DriveInputsChecked, HugeValuesNeverGiveAnInfiniteResult) {
    const DriveResults r = computeDrive(
        Inputs{.jm = "1E-300", .n = "1E300", .ta = "1E-300", .tc = "1", .td = "1"}.make(),
        {1E300, 1E-300, 0});
    for (const Opt& x :
         {r.ratio, r.accelTorque, r.decelTorque, r.peakTorque, r.rmsTorque, r.peakPower,
          r.kineticEnergy, r.coastTime, r.brakingEnergy, r.brakingPower}) {
        if (x) {
            EXPECT_TRUE(std::isfinite(*x));
        }
    }
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

struct ProfileCase {
    const char* name;
    Inputs in;
    DriveTotals totals;
    QList<QPointF> speed, torque;
};

TEST(DriveProfileOfOneCycle, TrapezoidAndTorqueStepsWithAPointAtEachPhaseEnd) {
    const double n = 300 / M_PI;
    const QList<QPointF> screwSpeed{{0, 0}, {0.1, n}, {0.6, n}, {0.7, 0}, {2, 0}};
    const QList<QPointF> screwMoving{{0, 0},     {0, 3.7},   {0.1, 3.7}, {0.1, 3.2},
                                     {0.6, 3.2}, {0.6, 2.7}, {0.7, 2.7}};
    const ProfileCase cases[] = {
        {"full cycle, the dwell holding T_W",
         Base,
         Load,
         {{0, 0}, {0.1, n}, {1.1, n}, {1.2, 0}, {2, 0}},
         {{0, 0},
          {0, 6.5},
          {0.1, 6.5},
          {0.1, 0.5},
          {1.1, 0.5},
          {1.1, -5.5},
          {1.2, -5.5},
          {1.2, 0.3},
          {2, 0.3}}},
        {"triangle without decel time",
         with(with(Base, &Inputs::tc, "0"), &Inputs::td, "0"),
         {0.05, 0.2, 0},
         {{0, 0}, {0.1, n}, {0.1, 0}, {0.9, 0}},
         {{0, 0}, {0, 6.2}, {0.1, 6.2}, {0.1, 0}, {0.9, 0}}},
        {"vertical screw holding its load", Screw, Vertical, screwSpeed,
         screwMoving + QList<QPointF>{{0.7, 3}, {2, 3}}},
        {"vertical screw on its brake", with(Screw, &Inputs::brake, true), Vertical, screwSpeed,
         screwMoving + QList<QPointF>{{0.7, 0}, {2, 0}}},
    };
    for (const ProfileCase& c : cases) {
        SCOPED_TRACE(c.name);
        const DriveInputs in = c.in.make();
        const DriveProfile p = driveProfile(in, computeDrive(in, c.totals));
        ASSERT_EQ(p.speed.size(), c.speed.size());
        ASSERT_EQ(p.torque.size(), c.torque.size());
        for (qsizetype i = 0; i < c.speed.size(); ++i) {
            EXPECT_NEAR(p.speed[i].x(), c.speed[i].x(), 1e-12) << i;
            EXPECT_NEAR(p.speed[i].y(), c.speed[i].y(), 1e-9) << i;
        }
        for (qsizetype i = 0; i < c.torque.size(); ++i) {
            EXPECT_NEAR(p.torque[i].x(), c.torque[i].x(), 1e-12) << i;
            EXPECT_NEAR(p.torque[i].y(), c.torque[i].y(), 1e-9) << i;
        }
    }
    // Nothing to draw without a speed or without any time.
    EXPECT_TRUE(driveProfile(Inputs{.jm = "1"}.make(), computeDrive(Inputs{.jm = "1"}.make(), Load))
                    .empty());
    const DriveInputs still{Inputs{.n = "3000"}.make()};
    EXPECT_TRUE(driveProfile(still, computeDrive(still, Load)).empty());
}

// ---- What the panel and the report show ----

QStringList numberedTexts() {
    QStringList t;
    for (int i = 0; i < 800; ++i)
        t << QStringLiteral("#%1").arg(i);
    return t;
}

TEST(DriveDisplayRows, AbsentResultsAreEmptyAndTorquesFollowTheUnitChoice) {
    const QStringList texts = numberedTexts();
    const DriveResults r = computeDrive(with(Base, &Inputs::td, "0").make(), Load);
    DisplayChoice ncm;
    ncm.digits = Digits::Significant4;
    ncm.torque = TorqueUnit::NCm;
    const QList<DriveRow> rows = driveResultRows(r, ncm, texts);
    ASSERT_EQ(rows.size(), static_cast<int>(DriveResult::Count));
    const auto at = [&rows](DriveResult k) { return rows[static_cast<int>(k)]; };
    EXPECT_EQ(at(DriveResult::Ratio).value, "5.000");
    EXPECT_EQ(at(DriveResult::AccelTorque).value, "650.0");
    EXPECT_EQ(at(DriveResult::AccelTorque).unit, "N·cm");
    EXPECT_EQ(at(DriveResult::DecelTorque).value, "");
    EXPECT_EQ(at(DriveResult::DecelRate).value, "");
    EXPECT_EQ(at(DriveResult::PeakPower).value, "65.00"); // W stay W
    EXPECT_EQ(at(DriveResult::PeakPower).unit, "W");

    const DriveResults disc = computeDrive(Inputs{.n = "3000"}.make(), {0.79, 0, 0});
    const QList<DriveRow> classic = driveResultRows(disc, DisplayChoice(), texts);
    EXPECT_EQ(classic[static_cast<int>(DriveResult::KineticEnergy)].value, "38980");
    EXPECT_EQ(classic[static_cast<int>(DriveResult::CoastTime)].value, "#558");
    EXPECT_EQ(classic[static_cast<int>(DriveResult::CoastTime)].unit, "");
    EXPECT_EQ(classic[static_cast<int>(DriveResult::RmsTorque)].value, "");
    EXPECT_EQ(classic[static_cast<int>(DriveResult::ConstTorque)].unit, "N·m");
    const QList<DriveRow> braking = driveResultRows(computeDrive(Base.make(), Load), ncm, texts);
    EXPECT_EQ(braking[static_cast<int>(DriveResult::BrakingEnergy)].value, "2.750");
    EXPECT_EQ(braking[static_cast<int>(DriveResult::BrakingPower)].caption, "#744");

    EXPECT_EQ(driveVerdictText(computeDrive(Inputs{.jm = "0.001"}.make(), Load), texts), "#557");
    EXPECT_EQ(driveVerdictText(disc, texts), "");
}

TEST(DriveDisplayRows, InputsShowAsReadAndTotalsInTheChosenUnits) {
    const QStringList texts = numberedTexts();
    const QList<DriveRow> inputs =
        driveInputRows(Inputs{.jm = "1E-2", .eta = "", .n = "1500abc"}.make(), texts);
    ASSERT_EQ(inputs.size(), DriveInputs::FieldCount);
    EXPECT_EQ(inputs[F::MotorInertia].value, "0.01000");
    EXPECT_EQ(inputs[F::MotorInertia].unit, "kg·m²");
    EXPECT_EQ(inputs[F::Efficiency].value, "1.000");
    EXPECT_EQ(inputs[F::Speed].value, "1500");
    EXPECT_EQ(driveBrakeRow(Inputs{.brake = true}.make(), texts).value, "#747");
    EXPECT_EQ(driveBrakeRow(Inputs{}.make(), texts).value, "#748");
    DisplayChoice kgcm;
    kgcm.digits = Digits::Significant4;
    kgcm.inertia = InertiaUnit::KgCm2;
    const QList<DriveRow> totals = driveTotalRows({0.05, 0.2, 0.3}, kgcm, texts);
    EXPECT_EQ(totals[0].value, "500.0");
    EXPECT_EQ(totals[0].unit, "kg·cm²");
    EXPECT_EQ(totals[1].value, "0.2000");
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
    QJsonObject odd;
    odd.insert(QStringLiteral("efficiency"), QJsonArray{1, 2});
    odd.insert(QStringLiteral("safety"), true);
    odd.insert(QStringLiteral("speed"), 1500);
    odd.insert(QStringLiteral("ratioLimit"), QJsonValue());
    odd.insert(QStringLiteral("unknown"), QStringLiteral("x"));
    odd.insert(QStringLiteral("brakeHoldsLoad"), QStringLiteral("true")); // only a JSON true
    DriveInputs want;
    want.setText(F::Speed, QStringLiteral("1500"));
    EXPECT_EQ(driveFromJson(odd), want);
}

TEST(DriveFileForms, CsvTableHasFullPrecisionPointDecimalsAndQuotedFields) {
    const QStringList rows = driveCsvRows(with(Base, &Inputs::td, "0").make(), Load);
    EXPECT_EQ(rows.value(0), "quantity,value,unit");
    EXPECT_TRUE(rows.contains("motorInertia,0.01,kg·m²"));
    EXPECT_TRUE(rows.contains("speed,95.4929658551372,rpm"));
    EXPECT_TRUE(rows.contains("loadInertia,0.05,kg·m²"));
    EXPECT_TRUE(rows.contains("ratioVerdict,within,"));
    EXPECT_TRUE(rows.contains("decelTorque,,N·m")); // absent: empty, never 0
    const QString rms = rows.filter(QStringLiteral("rmsTorque,")).value(0);
    EXPECT_NEAR(rms.section(QLatin1Char(','), 1, 1).toDouble(),
                std::sqrt((6.5 * 6.5 * 0.1 + 0.25 + 0.09 * 0.8) / 1.9), 1e-13)
        << rms.toStdString();
    EXPECT_EQ(rows.size(), 1 + DriveInputs::FieldCount + 1 + 3 + 15);
    EXPECT_TRUE(rows.contains("brakingEnergy,,J")); // t_d = 0: nothing returned
    EXPECT_TRUE(rows.contains("brakeHoldsLoad,no,"));
    EXPECT_TRUE(rows.contains("holdTorque,0.3,N·m"));
    const QStringList still = driveCsvRows(Inputs{.n = "3000"}.make(), {0.79, 0, 0});
    EXPECT_TRUE(still.contains("coastTime,none,s"));

    const struct {
        const char* in;
        const char* out;
    } fields[] = {{"plain", "plain"},
                  {"a,b", "\"a,b\""},
                  {"say \"hi\"", "\"say \"\"hi\"\"\""},
                  {"two\nlines", "\"two\nlines\""},
                  {"", ""}};
    for (const auto& f : fields) {
        EXPECT_EQ(csvField(QString::fromUtf8(f.in)), QString::fromUtf8(f.out));
    }
}

} // namespace

// The project's CSV: the list's table alone without drive inputs, and with them an empty line
// then the drive table, every line ended by CRLF.
TEST(DriveFileForms, CsvOfAProjectAppendsTheDriveTableOnlyWithDriveInputs) {
    const QByteArray list = "kind,mass\r\nDisc,1\r\n";
    EXPECT_EQ(csvWithDrive(list, Inputs{.ta = "1"}.make(), Load), list);
    const QByteArray both = csvWithDrive(list, Inputs{.n = "3000"}.make(), {0.79, 0, 0});
    ASSERT_TRUE(both.startsWith(list + "\r\nquantity,value,unit\r\n")) << both.toStdString();
    EXPECT_TRUE(both.endsWith("\r\n"));
    EXPECT_EQ(both.count("\r\n"), 2 + 1 + driveCsvRows(Inputs{.n = "3000"}.make(), {}).size());
    EXPECT_FALSE(QByteArray(both).replace("\r\n", "").contains('\n')); // no bare line feed
}
