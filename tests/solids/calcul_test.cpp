// CalculeInertie: results, stops, clearing, messages and the overflow rule, kind by kind.
#include "solids/calcul.h"
#include "solids/numbertext.h"

#include <cmath>
#include <gtest/gtest.h>

namespace ostrel {
namespace {

using Kind = CalcOutcome::Kind;
using Texts = std::array<const char16_t*, 7>; // Text1, Text2, Text3, Text5, Text6, Text7, Text8

constexpr bool Density = false; // masseTotale
constexpr bool Total = true;

CalcOutcome run(int code, bool masseTotale, const Texts& t) {
    CalcInputs in;
    in.code = code;
    in.masseTotale = masseTotale;
    for (std::size_t i = 0; i < 7; ++i)
        in.texts[i] = QString::fromUtf16(t[i]);
    return CalculeInertie(in);
}

std::string show(const CalcOutcome& o) {
    std::string s = "kind " + std::to_string(int(o.kind)) + ":";
    for (const QString& c : o.captions)
        s += " [" + c.toStdString() + "]";
    return s;
}

// Rows whose four captions are known exactly.
struct CaptionRow {
    const char* name;
    int code;
    bool masseTotale;
    Texts texts;
    Kind kind;
    std::array<const char16_t*, 4> captions;
    friend void PrintTo(const CaptionRow& r, std::ostream* os) { *os << r.name; }
};

class Captions : public ::testing::TestWithParam<CaptionRow> {};

TEST_P(Captions, GiveTheExpectedOutcome) {
    const CaptionRow& r = GetParam();
    const CalcOutcome o = run(r.code, r.masseTotale, r.texts);
    ASSERT_EQ(o.kind, r.kind) << show(o);
    if (r.kind != Kind::Results) return;
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(o.captions[i], QString::fromUtf16(r.captions[i])) << "caption " << i;
}

std::string rowName(const ::testing::TestParamInfo<CaptionRow>& info) {
    return info.param.name;
}

constexpr std::array<const char16_t*, 4> none{u"", u"", u"", u""};

INSTANTIATE_TEST_SUITE_P(
    Disc, Captions,
    ::testing::Values(CaptionRow{"Density",
                                 1,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"1000", u"", u"100"},
                                 Kind::Results,
                                 {u"617", u"77.07", u".", u"."}},
                      CaptionRow{"QuantityAndRatio",
                                 1,
                                 Density,
                                 {u"2", u"2", u"7850", u"", u"1000", u"", u"100"},
                                 Kind::Results,
                                 {u"1233", u"38.53", u".", u"."}},
                      CaptionRow{"TotalMassNeedsNoHeight",
                                 1,
                                 Total,
                                 {u"1", u"1", u"100", u"", u"1000", u"", u""},
                                 Kind::Results,
                                 {u"100", u"12.5", u".", u"."}},
                      CaptionRow{"NoDiameter",
                                 1,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"", u"", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"DensityWithoutHeight",
                                 1,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"1000", u"", u"0"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"CommaEndsTheNumber",
                                 1,
                                 Density,
                                 {u"1,5", u"1", u"7850", u"", u"1000", u"", u"100"},
                                 Kind::Results,
                                 {u"617", u"77.07", u".", u"."}},
                      CaptionRow{"LettersReadZero",
                                 1,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"abc", u"", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"NegativeQuantityAndRatio",
                                 1,
                                 Density,
                                 {u"-1", u"-1", u"7850", u"", u"1000", u"", u"100"},
                                 Kind::Results,
                                 {u"-617", u"-77.07", u".", u"."}}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    QuantityAndRatioStops, Captions,
    ::testing::Values(CaptionRow{"QuantityZero",
                                 1,
                                 Density,
                                 {u"0", u"1", u"7850", u"", u"1000", u"", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"RatioEmpty",
                                 1,
                                 Density,
                                 {u"1", u"", u"7850", u"", u"1000", u"", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"RatioZero",
                                 1,
                                 Density,
                                 {u"1", u"0", u"7850", u"", u"1000", u"", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"NegativeQuantity",
                                 1,
                                 Density,
                                 {u"-1", u"1", u"7850", u"", u"1000", u"", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"NoKindChosen",
                                 0,
                                 Total,
                                 {u"3", u"1", u"10", u"", u"", u"", u""},
                                 Kind::Results,
                                 {u"30", u".", u".", u"."}},
                      CaptionRow{"UnknownCode",
                                 21,
                                 Density,
                                 {u"3", u"2", u"10", u"5", u"5", u"5", u"5"},
                                 Kind::Results,
                                 {u"30", u".", u".", u"."}},
                      CaptionRow{"NegativeCode",
                                 -4,
                                 Total,
                                 {u"1", u"1", u"2", u"", u"", u"", u""},
                                 Kind::Results,
                                 {u"2", u".", u".", u"."}}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    Ring, Captions,
    ::testing::Values(CaptionRow{"Density",
                                 2,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"1000", u"600", u"100"},
                                 Kind::Results,
                                 {u"395", u"67.08", u".", u"."}},
                      CaptionRow{"BoreEqualToDiameterClears",
                                 2,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"1000", u"1000", u"100"},
                                 Kind::Cleared,
                                 none},
                      CaptionRow{"BoreLargerClearsInTotalMass",
                                 2,
                                 Total,
                                 {u"1", u"1", u"10", u"", u"1000", u"1200", u""},
                                 Kind::Cleared,
                                 none},
                      CaptionRow{"NoBoreInDensity",
                                 2,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"1000", u"0", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"NoBoreInTotalMass",
                                 2,
                                 Total,
                                 {u"1", u"1", u"100", u"", u"1000", u"", u""},
                                 Kind::Results,
                                 {u"100", u"12.5", u".", u"."}},
                      CaptionRow{"TubeClears",
                                 4,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"100", u"200", u"100"},
                                 Kind::Cleared,
                                 none},
                      CaptionRow{"EccentricRingClears",
                                 11,
                                 Density,
                                 {u"1", u"1", u"7850", u"50", u"100", u"100", u"100"},
                                 Kind::Cleared,
                                 none},
                      CaptionRow{"EccentricTubeClears",
                                 13,
                                 Total,
                                 {u"1", u"1", u"7", u"50", u"100", u"150", u"100"},
                                 Kind::Cleared,
                                 none}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    SphereConeRectangle, Captions,
    ::testing::Values(CaptionRow{"Sphere",
                                 9,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"500", u"", u""},
                                 Kind::Results,
                                 {u"514", u"12.84", u".", u"."}},
                      CaptionRow{"SmallSphereShowsNoMass",
                                 9,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"10", u"", u""},
                                 Kind::Results,
                                 {u"", u".", u".", u"."}},
                      CaptionRow{"SphereTotalMass",
                                 9,
                                 Total,
                                 {u"1", u"1", u"10", u"", u"1000", u"", u""},
                                 Kind::Results,
                                 {u"10", u"1.", u".", u"."}},
                      CaptionRow{"Cone",
                                 5,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"400", u"200", u"300"},
                                 Kind::Results,
                                 {u"173", u"2.29", u".", u"."}},
                      CaptionRow{"ConeWithoutHeight",
                                 5,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"400", u"200", u""},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"RectangleWithoutWidth",
                                 7,
                                 Total,
                                 {u"1", u"1", u"10", u"", u"400", u"", u"10"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"ArmTotalMass",
                                 6,
                                 Total,
                                 {u"1", u"1", u"10", u"", u"1000", u"", u""},
                                 Kind::Results,
                                 {u"10", u"3.33", u".", u"."}}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    Polygon, Captions,
    ::testing::Values(CaptionRow{"Hexagon",
                                 8,
                                 Density,
                                 {u"1", u"1", u"7850", u"6", u"1000", u"", u"100"},
                                 Kind::Results,
                                 {u"510", u"53.11", u".", u"."}},
                      CaptionRow{"HexagonTotalMass",
                                 8,
                                 Total,
                                 {u"1", u"1", u"100", u"6", u"1000", u"", u""},
                                 Kind::Results,
                                 {u"100", u"10.42", u".", u"."}},
                      CaptionRow{"NoSides",
                                 8,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"1000", u"", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"NoDiameter",
                                 8,
                                 Density,
                                 {u"1", u"1", u"7850", u"2", u"", u"", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"NoThicknessInDensity",
                                 8,
                                 Density,
                                 {u"1", u"1", u"7850", u"6", u"1000", u"", u""},
                                 Kind::NoChange,
                                 none}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    TorusConveyorUnbalance, Captions,
    ::testing::Values(CaptionRow{"Torus",
                                 20,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"1000", u"100", u""},
                                 Kind::Results,
                                 {u"194", u"48.79", u".", u"."}},
                      CaptionRow{"TorusWithoutSection",
                                 20,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"1000", u"", u""},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"Conveyor",
                                 18,
                                 Total,
                                 {u"1", u"1", u"100", u"", u"500", u"50", u"0.1"},
                                 Kind::Results,
                                 {u"150", u"7.81", u"24.53", u"."}},
                      CaptionRow{"ConveyorReduced",
                                 18,
                                 Total,
                                 {u"3", u"2", u"100", u"", u"500", u"50", u"0.1"},
                                 Kind::Results,
                                 {u"450", u"5.86", u"36.79", u"."}},
                      CaptionRow{"Unbalance",
                                 19,
                                 Total,
                                 {u"1", u"1", u"10", u"200", u"", u"", u""},
                                 Kind::Results,
                                 {u"10", u".4", u".", u"19.62"}},
                      CaptionRow{"UnbalanceNegativeAngle",
                                 19,
                                 Total,
                                 {u"1", u"1", u"10", u"200", u"", u"", u"-5"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"UnbalanceBothNegative",
                                 19,
                                 Total,
                                 {u"1", u"1", u"10", u"-200", u"", u"", u"-5"},
                                 Kind::Results,
                                 {u"10", u".4", u".", u"-19.62"}},
                      CaptionRow{"GivenValues",
                                 17,
                                 Total,
                                 {u"2", u"2", u"", u"12.5", u"3", u"4.2", u""},
                                 Kind::Results,
                                 {u"", u"6.25", u"3.", u"4.2"}},
                      CaptionRow{"PointMass",
                                 16,
                                 Total,
                                 {u"1", u"1", u"20", u"300", u"", u"", u""},
                                 Kind::Results,
                                 {u"20", u"1.8", u".", u"."}},
                      CaptionRow{"PointMassAtZero",
                                 16,
                                 Total,
                                 {u"1", u"1", u"20", u"0", u"", u"", u""},
                                 Kind::NoChange,
                                 none}),
    rowName);

// A zero distance stops every eccentric solid.
INSTANTIATE_TEST_SUITE_P(
    EccentricWithoutDistance, Captions,
    ::testing::Values(CaptionRow{"Disc",
                                 10,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"200", u"", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"Ring",
                                 11,
                                 Density,
                                 {u"1", u"1", u"7850", u"0", u"200", u"100", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"Cylinder",
                                 12,
                                 Total,
                                 {u"1", u"1", u"10", u"", u"200", u"", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"Tube",
                                 13,
                                 Total,
                                 {u"1", u"1", u"10", u"", u"200", u"100", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"Sphere",
                                 14,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"200", u"", u""},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"Block",
                                 15,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"200", u"100", u"50"},
                                 Kind::NoChange,
                                 none}),
    rowName);

// Inputs so large that a value overflows, or loses all its digits, keep the shown results.
INSTANTIATE_TEST_SUITE_P(
    Overflow, Captions,
    ::testing::Values(CaptionRow{"HugeDiameter",
                                 1,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"1e200", u"", u"100"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"HugeMass",
                                 9,
                                 Total,
                                 {u"1", u"1", u"1e200", u"", u"500", u"", u""},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"HugeQuantityTimesRatio",
                                 1,
                                 Total,
                                 {u"1e200", u"1e200", u"1", u"", u"1000", u"", u""},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"TinyRatio",
                                 6,
                                 Total,
                                 {u"1", u"1e-300", u"10", u"", u"1000", u"", u""},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"ConeDifferenceLost",
                                 5,
                                 Total,
                                 {u"1", u"1", u"10", u"", u"1e-200", u"0.9e-200", u"1"},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"MassAtTheLimit",
                                 0,
                                 Total,
                                 {u"1", u"1", u"1e15", u"", u"", u"", u""},
                                 Kind::NoChange,
                                 none},
                      CaptionRow{"MassBelowTheLimit",
                                 0,
                                 Total,
                                 {u"1", u"1", u"999999999999999", u"", u"", u"", u""},
                                 Kind::Results,
                                 {u"999999999999999", u".", u".", u"."}}),
    rowName);

// Rows checked against the textbook formula of each solid, computed here independently.
struct FormulaRow {
    const char* name;
    int code;
    bool masseTotale;
    Texts texts;
    double m, J, Tf, Tw;
    friend void PrintTo(const FormulaRow& r, std::ostream* os) { *os << r.name; }
};

class Formulas : public ::testing::TestWithParam<FormulaRow> {};

TEST_P(Formulas, AgreeWithTheTextbook) {
    const FormulaRow& r = GetParam();
    const CalcOutcome o = run(r.code, r.masseTotale, r.texts);
    ASSERT_EQ(o.kind, Kind::Results) << show(o);
    EXPECT_NEAR(LireNombre(o.captions[0]), r.m, 0.5 + 1e-9) << o.captions[0].toStdString();
    EXPECT_NEAR(LireNombre(o.captions[1]), r.J, 0.005 + 1e-9) << o.captions[1].toStdString();
    EXPECT_NEAR(LireNombre(o.captions[2]), r.Tf, 0.005 + 1e-9) << o.captions[2].toStdString();
    EXPECT_NEAR(LireNombre(o.captions[3]), r.Tw, 0.005 + 1e-9) << o.captions[3].toStdString();
}

std::string formulaName(const ::testing::TestParamInfo<FormulaRow>& info) {
    return info.param.name;
}

const double pi = std::acos(-1.0);
constexpr double rho = 7850;

double cylinder(double D, double H) {
    return rho * pi * D * D / 4 * H;
}
double hollow(double D, double d, double H) {
    return rho * pi * (D * D - d * d) / 4 * H;
}
double ball(double D) {
    return rho * pi * D * D * D / 6;
}

// Regular polygon prism of n sides in a circle of radius R: area n R² sin(2π/n) / 2, polar
// moment m R² (1 + 2 cos²(π/n)) / 6.
double polygonMass(double n, double R, double H) {
    return rho * H * n * R * R * std::sin(2 * pi / n) / 2;
}
double polygonJ(double m, double n, double R) {
    return m * R * R * (1 + 2 * std::cos(pi / n) * std::cos(pi / n)) / 6;
}

// Frustum of end radii a > b and height h: m = ρπh(a²+ab+b²)/3, J = 3m(a⁵−b⁵)/(10(a³−b³)).
double frustumMass(double a, double b, double h) {
    return rho * pi * h * (a * a + a * b + b * b) / 3;
}
double frustumJ(double m, double a, double b) {
    return 3 * m * (std::pow(a, 5) - std::pow(b, 5)) / (10 * (std::pow(a, 3) - std::pow(b, 3)));
}

const double m3 = cylinder(0.2, 1.0);
const double m4 = hollow(0.2, 0.1, 1.0);
const double m10 = cylinder(0.2, 0.1);
const double m11 = hollow(0.2, 0.1, 0.1);
const double m14 = ball(0.2);
const double m15 = rho * 0.2 * 0.1 * 0.05;
const double m8 = polygonMass(4.5, 0.5, 0.1);
const double m5 = frustumMass(0.2, 0.1, 0.3);
const double m20 = rho * (pi * 0.05 * 0.05) * (2 * pi * 0.5);

INSTANTIATE_TEST_SUITE_P(
    EveryKind, Formulas,
    ::testing::Values(FormulaRow{"Disc",
                                 1,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"500", u"", u"200"},
                                 cylinder(0.5, 0.2),
                                 cylinder(0.5, 0.2) * 0.25 * 0.25 / 2,
                                 0,
                                 0},
                      FormulaRow{"RingTotalMass",
                                 2,
                                 Total,
                                 {u"1", u"1", u"40", u"", u"800", u"200", u""},
                                 40,
                                 40 * (0.4 * 0.4 + 0.1 * 0.1) / 2,
                                 0,
                                 0},
                      FormulaRow{"LyingCylinder",
                                 3,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"200", u"", u"1000"},
                                 m3,
                                 m3*(3 * 0.01 + 1.0) / 12,
                                 0,
                                 0},
                      FormulaRow{"LyingTube",
                                 4,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"200", u"100", u"1000"},
                                 m4,
                                 m4*(3 * (0.01 + 0.0025) + 1.0) / 12,
                                 0,
                                 0},
                      FormulaRow{"ConeTotalMass",
                                 5,
                                 Total,
                                 {u"1", u"1", u"100", u"", u"400", u"200", u""},
                                 100,
                                 frustumJ(100, 0.2, 0.1),
                                 0,
                                 0},
                      FormulaRow{"ConeDensity",
                                 5,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"400", u"200", u"300"},
                                 m5,
                                 frustumJ(m5, 0.2, 0.1),
                                 0,
                                 0},
                      FormulaRow{"Arm",
                                 6,
                                 Total,
                                 {u"2", u"1", u"12", u"", u"1500", u"", u""},
                                 24,
                                 2 * 12 * 1.5 * 1.5 / 3,
                                 0,
                                 0},
                      FormulaRow{"Block",
                                 7,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"1000", u"500", u"100"},
                                 392.5,
                                 392.5 * (1 + 0.25) / 12,
                                 0,
                                 0},
                      FormulaRow{"PolygonFractionalSides",
                                 8,
                                 Density,
                                 {u"1", u"1", u"7850", u"4.5", u"1000", u"", u"100"},
                                 m8,
                                 polygonJ(m8, 4.5, 0.5),
                                 0,
                                 0},
                      FormulaRow{"Sphere",
                                 9,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"200", u"", u""},
                                 m14,
                                 0.4 * m14 * 0.01,
                                 0,
                                 0},
                      FormulaRow{"EccentricDisc",
                                 10,
                                 Density,
                                 {u"1", u"1", u"7850", u"500", u"200", u"", u"100"},
                                 m10,
                                 m10 * 0.01 / 2 + m10 * 0.25,
                                 0,
                                 0},
                      FormulaRow{"EccentricRing",
                                 11,
                                 Density,
                                 {u"1", u"1", u"7850", u"500", u"200", u"100", u"100"},
                                 m11,
                                 m11*(0.01 + 0.0025) / 2 + m11 * 0.25,
                                 0,
                                 0},
                      FormulaRow{"EccentricLyingCylinder",
                                 12,
                                 Density,
                                 {u"1", u"1", u"7850", u"500", u"200", u"", u"1000"},
                                 m3,
                                 m3*(3 * 0.01 + 1.0) / 12 + m3 * 0.25,
                                 0,
                                 0},
                      FormulaRow{"EccentricLyingTube",
                                 13,
                                 Density,
                                 {u"1", u"1", u"7850", u"500", u"200", u"100", u"1000"},
                                 m4,
                                 m4*(3 * (0.01 + 0.0025) + 1.0) / 12 + m4 * 0.25,
                                 0,
                                 0},
                      FormulaRow{"EccentricSphere",
                                 14,
                                 Density,
                                 {u"1", u"1", u"7850", u"500", u"200", u"", u""},
                                 m14,
                                 0.4 * m14 * 0.01 + m14 * 0.25,
                                 0,
                                 0},
                      FormulaRow{"EccentricBlock",
                                 15,
                                 Density,
                                 {u"1", u"1", u"7850", u"500", u"200", u"100", u"50"},
                                 m15,
                                 m15*(0.04 + 0.01) / 12 + m15 * 0.25,
                                 0,
                                 0},
                      FormulaRow{"PointMassReduced",
                                 16,
                                 Total,
                                 {u"1", u"3", u"90", u"400", u"", u"", u""},
                                 90,
                                 90 * 0.16 / 9,
                                 0,
                                 0},
                      FormulaRow{"GivenValues",
                                 17,
                                 Total,
                                 {u"1", u"1", u"5", u"0.25", u"1.5", u"2", u""},
                                 5,
                                 0.25,
                                 1.5,
                                 2},
                      FormulaRow{"Conveyor",
                                 18,
                                 Total,
                                 {u"1", u"1", u"200", u"", u"400", u"30", u"0.2"},
                                 230,
                                 200 * 0.04 + 30 * 0.04 / 2,
                                 200 * 9.81 * 0.2 * 0.2,
                                 0},
                      FormulaRow{"Unbalance",
                                 19,
                                 Total,
                                 {u"1", u"2", u"4", u"250", u"", u"", u"30"},
                                 4,
                                 4 * 0.0625 / 4,
                                 0,
                                 4 * 9.81 * 0.25 / 2},
                      FormulaRow{"Torus",
                                 20,
                                 Density,
                                 {u"1", u"1", u"7850", u"", u"1000", u"100", u""},
                                 m20,
                                 m20*(0.25 + 3 * 0.0025 / 4),
                                 0,
                                 0}),
    formulaName);

// The three messages, with the correction each one asks for.
QString joinLiterals(const std::vector<MessagePiece>& pieces) {
    QString s;
    for (const MessagePiece& p : pieces)
        s += p.entry ? QStringLiteral("{%1}").arg(p.entry) : p.literal;
    return s;
}

TEST(Messages, ConeWithSmallEndNotSmallerEmptiesIt) {
    for (const char16_t* d : {u"400", u"500"}) {
        const CalcOutcome o = run(5, Density, {u"1", u"1", u"7850", u"", u"400", d, u"300"});
        ASSERT_EQ(o.kind, Kind::Message);
        EXPECT_EQ(joinLiterals(o.message), QStringLiteral("Ø {348} > Ø {349}"));
        EXPECT_EQ(o.icon, MessageIcon::Information);
        EXPECT_EQ(o.correctedBox, InputBox::Text7);
        EXPECT_TRUE(o.correctedText.isEmpty());
        EXPECT_TRUE(o.correctedTakesFocus);
    }
}

TEST(Messages, PolygonWithFewerThanThreeSidesGetsThree) {
    for (const char16_t* n : {u"2", u"-1", u"2.99"}) {
        const CalcOutcome o = run(8, Total, {u"1", u"1", u"10", n, u"1000", u"", u"100"});
        ASSERT_EQ(o.kind, Kind::Message) << QString::fromUtf16(n).toStdString();
        EXPECT_EQ(joinLiterals(o.message), QStringLiteral("{350}"));
        EXPECT_EQ(o.icon, MessageIcon::Information);
        EXPECT_EQ(o.correctedBox, InputBox::Text5);
        EXPECT_EQ(o.correctedText, QStringLiteral("3"));
        EXPECT_FALSE(o.correctedTakesFocus);
    }
}

TEST(Messages, TorusWithCentreLineBelowSectionLosesLastTypedCharacter) {
    const CalcOutcome o = run(20, Density, {u"1", u"1", u"7850", u"", u"50", u"100", u""});
    ASSERT_EQ(o.kind, Kind::Message);
    EXPECT_EQ(joinLiterals(o.message), QStringLiteral("{351} 50 {352}\r\n{353} 100\r\n"));
    ASSERT_EQ(o.message.size(), 10u);
    EXPECT_EQ(o.message[2].literal, QStringLiteral("50")); // the texts as typed
    EXPECT_EQ(o.icon, MessageIcon::Exclamation);
    EXPECT_EQ(o.correctedBox, InputBox::Text6);
    EXPECT_EQ(o.correctedText, QStringLiteral("5"));
    EXPECT_FALSE(o.correctedTakesFocus);

    // The text as typed, blanks and all, and a last character outside the basic plane.
    const CalcOutcome typed =
        run(20, Total, {u"1", u"1", u"1", u"", u" 5\U0001F600", u"1 00", u""});
    ASSERT_EQ(typed.kind, Kind::Message);
    EXPECT_EQ(typed.message[2].literal, QString::fromUtf16(u" 5\U0001F600"));
    EXPECT_EQ(typed.message[8].literal, QStringLiteral("1 00"));
    EXPECT_EQ(typed.correctedText, QStringLiteral(" 5"));

    // Equal diameters are accepted.
    EXPECT_EQ(run(20, Total, {u"1", u"1", u"1", u"", u"100", u"100", u""}).kind, Kind::Results);
}

TEST(Calcul, PiIsFourTimesTheArctangentOfOne) {
    EXPECT_EQ(Pi(), 4.0 * std::atan(1.0));
}

} // namespace
} // namespace ostrel
