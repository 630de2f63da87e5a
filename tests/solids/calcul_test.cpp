// CalculeInertie: results, stops, clearing, messages and the overflow rule, kind by kind.
#include "solids/calcul.h"
#include "solids/numbertext.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <utility>

namespace ostrel {
namespace {

using Kind = CalcOutcome::Kind;

// texts: "Text1|Text2|Text3|Text5|Text6|Text7|Text8"; mode 'd' density, 't' total mass.
CalcOutcome run(int code, char mode, const char* texts) {
    CalcInputs in;
    in.code = code;
    in.masseTotale = mode == 't';
    const QStringList t = QString::fromUtf8(texts).split(u'|');
    for (qsizetype i = 0; i < 7 && i < t.size(); ++i)
        in.texts[std::size_t(i)] = t[i];
    return CalculeInertie(in);
}

// expected: "=" nothing changes, "x" mass and inertia cleared, or the four captions "m|J|Tf|Tw".
struct Row {
    const char* name;
    int code;
    char mode;
    const char* texts;
    const char* expected;
    friend void PrintTo(const Row& r, std::ostream* os) { *os << r.name; }
};

class Captions : public ::testing::TestWithParam<Row> {};

TEST_P(Captions, GiveTheExpectedOutcome) {
    const Row& r = GetParam();
    const CalcOutcome o = run(r.code, r.mode, r.texts);
    const QString expected = QString::fromUtf8(r.expected);
    if (expected == u"=") {
        EXPECT_EQ(o.kind, Kind::NoChange);
    } else if (expected == u"x") {
        EXPECT_EQ(o.kind, Kind::Cleared);
    } else {
        ASSERT_EQ(o.kind, Kind::Results);
        EXPECT_EQ(QStringList(o.captions.begin(), o.captions.end()).join(u'|'), expected);
    }
}

std::string rowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Disc, Captions, ::testing::Values(
    Row{"Density", 1, 'd', "1|1|7850||1000||100", "617|77.07|.|."},
    Row{"QuantityAndRatio", 1, 'd', "2|2|7850||1000||100", "1233|38.53|.|."},
    Row{"NegativeQuantityAndRatio", 1, 'd', "-1|-1|7850||1000||100", "-617|-77.07|.|."},
    Row{"TotalMassNeedsNoHeight", 1, 't', "1|1|100||1000||", "100|12.5|.|."},
    Row{"CommaEndsTheNumber", 1, 'd', "1,5|1|7850||1000||100", "617|77.07|.|."},
    Row{"NoDiameter", 1, 'd', "1|1|7850||||100", "="},
    Row{"LettersReadZero", 1, 'd', "1|1|7850||abc||100", "="},
    Row{"DensityWithoutHeight", 1, 'd', "1|1|7850||1000||0", "="},
    Row{"QuantityZero", 1, 'd', "0|1|7850||1000||100", "="},
    Row{"RatioEmpty", 1, 'd', "1||7850||1000||100", "="},
    Row{"RatioZero", 1, 'd', "1|0|7850||1000||100", "="},
    Row{"NegativeQuantity", 1, 'd', "-1|1|7850||1000||100", "="}), rowName);

INSTANTIATE_TEST_SUITE_P(NoKind, Captions, ::testing::Values(
    Row{"NoneChosen", 0, 't', "3|1|10||||", "30|.|.|."},
    Row{"CodeBeyondTheTable", 21, 'd', "3|2|10|5|5|5|5", "30|.|.|."},
    Row{"NegativeCode", -4, 't', "1|1|2||||", "2|.|.|."}), rowName);

INSTANTIATE_TEST_SUITE_P(RingAndTubes, Captions, ::testing::Values(
    Row{"Density", 2, 'd', "1|1|7850||1000|600|100", "395|67.08|.|."},
    Row{"BoreEqualClears", 2, 'd', "1|1|7850||1000|1000|100", "x"},
    Row{"BoreLargerClearsInTotalMass", 2, 't', "1|1|10||1000|1200|", "x"},
    Row{"NoBoreInDensity", 2, 'd', "1|1|7850||1000|0|100", "="},
    Row{"NoBoreInTotalMass", 2, 't', "1|1|100||1000||", "100|12.5|.|."},
    Row{"TubeClears", 4, 'd', "1|1|7850||100|200|100", "x"},
    Row{"EccentricRingClears", 11, 'd', "1|1|7850|50|100|100|100", "x"},
    Row{"EccentricTubeClears", 13, 't', "1|1|7|50|100|150|100", "x"}), rowName);

INSTANTIATE_TEST_SUITE_P(OtherCentred, Captions, ::testing::Values(
    Row{"Sphere", 9, 'd', "1|1|7850||500||", "514|12.84|.|."},
    Row{"SmallSphereShowsNoMass", 9, 'd', "1|1|7850||10||", "|.|.|."},
    Row{"SphereTotalMass", 9, 't', "1|1|10||1000||", "10|1.|.|."},
    Row{"Cone", 5, 'd', "1|1|7850||400|200|300", "173|2.29|.|."},
    Row{"ConeWithoutHeight", 5, 'd', "1|1|7850||400|200|", "="},
    Row{"Arm", 6, 't', "1|1|10||1000||", "10|3.33|.|."},
    Row{"BlockWithoutWidth", 7, 't', "1|1|10||400||10", "="},
    Row{"Hexagon", 8, 'd', "1|1|7850|6|1000||100", "510|53.11|.|."},
    Row{"HexagonTotalMass", 8, 't', "1|1|100|6|1000||", "100|10.42|.|."},
    Row{"PolygonWithoutSides", 8, 'd', "1|1|7850||1000||100", "="},
    Row{"PolygonWithoutDiameter", 8, 'd', "1|1|7850|2|||100", "="},
    Row{"PolygonWithoutThickness", 8, 'd', "1|1|7850|6|1000||", "="},
    Row{"Torus", 20, 'd', "1|1|7850||1000|100|", "194|48.79|.|."},
    Row{"TorusWithoutSection", 20, 'd', "1|1|7850||1000||", "="}), rowName);

INSTANTIATE_TEST_SUITE_P(EccentricAndMiscellaneous, Captions, ::testing::Values(
    Row{"DiscAtZero", 10, 'd', "1|1|7850||200||100", "="},
    Row{"RingAtZero", 11, 'd', "1|1|7850|0|200|100|100", "="},
    Row{"CylinderAtZero", 12, 't', "1|1|10||200||100", "="},
    Row{"TubeAtZero", 13, 't', "1|1|10||200|100|100", "="},
    Row{"SphereAtZero", 14, 'd', "1|1|7850||200||", "="},
    Row{"BlockAtZero", 15, 'd', "1|1|7850||200|100|50", "="},
    Row{"PointMass", 16, 't', "1|1|20|300|||", "20|1.8|.|."},
    Row{"PointMassAtZero", 16, 't', "1|1|20|0|||", "="},
    Row{"GivenValues", 17, 't', "2|2||12.5|3|4.2|", "|6.25|3.|4.2"},
    Row{"Conveyor", 18, 't', "1|1|100||500|50|0.1", "150|7.81|24.53|."},
    Row{"ConveyorReduced", 18, 't', "3|2|100||500|50|0.1", "450|5.86|36.79|."},
    Row{"Unbalance", 19, 't', "1|1|10|200|||", "10|.4|.|19.62"},
    Row{"UnbalanceNegativeInput", 19, 't', "1|1|10|200|||-5", "="},
    Row{"UnbalanceBothNegative", 19, 't', "1|1|10|-200|||-5", "10|.4|.|-19.62"}), rowName);

// Inputs so large that a value overflows, or loses all its digits, keep the shown results.
INSTANTIATE_TEST_SUITE_P(Overflow, Captions, ::testing::Values(
    Row{"HugeDiameter", 1, 'd', "1|1|7850||1e200||100", "="},
    Row{"HugeMass", 9, 't', "1|1|1e200||500||", "="},
    Row{"HugeQuantityTimesRatio", 1, 't', "1e200|1e200|1||1000||", "="},
    Row{"TinyRatio", 6, 't', "1|1e-300|10||1000||", "="},
    Row{"ConeDifferenceLost", 5, 't', "1|1|10||1e-200|0.9e-200|1", "="},
    Row{"MassAtTheLimit", 0, 't', "1|1|1e15||||", "="},
    Row{"MassBelowTheLimit", 0, 't', "1|1|999999999999999||||", "999999999999999|.|.|."}), rowName);
// clang-format on

// Every kind against its textbook formula, computed here independently of the code's grouping.
struct FormulaRow {
    const char* name;
    int code;
    char mode;
    const char* texts;
    double m, J, Tf, Tw;
    friend void PrintTo(const FormulaRow& r, std::ostream* os) { *os << r.name; }
};

class Formulas : public ::testing::TestWithParam<FormulaRow> {};

TEST_P(Formulas, AgreeWithTheTextbook) {
    const FormulaRow& r = GetParam();
    const CalcOutcome o = run(r.code, r.mode, r.texts);
    ASSERT_EQ(o.kind, Kind::Results);
    const double expected[4] = {r.m, r.J, r.Tf, r.Tw};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(LireNombre(o.captions[i]), expected[i], (i ? 0.005 : 0.5) + 1e-9)
            << "caption " << i << ": " << o.captions[i].toStdString();
}

std::string formulaName(const ::testing::TestParamInfo<FormulaRow>& info) {
    return info.param.name;
}

// clang-format off
const double pi = std::acos(-1.0);
constexpr double rho = 7850;
double cylinder(double D, double H) { return rho * pi * D * D / 4 * H; }
double hollow(double D, double d, double H) { return rho * pi * (D * D - d * d) / 4 * H; }
double ball(double D) { return rho * pi * D * D * D / 6; }
// Regular n-gon prism in a circle of radius R: area n R² sin(2π/n) / 2, J = m R² (1 + 2cos²(π/n)) / 6.
double polygonMass(double n, double R, double H) { return rho * H * n * R * R * std::sin(2 * pi / n) / 2; }
double polygonJ(double m, double n, double R) { return m * R * R * (1 + 2 * std::pow(std::cos(pi / n), 2)) / 6; }
// Frustum of end radii a > b.
double frustumJ(double m, double a, double b) { return 3 * m * (std::pow(a, 5) - std::pow(b, 5)) / (10 * (std::pow(a, 3) - std::pow(b, 3))); }

const double m3 = cylinder(0.2, 1.0), m4 = hollow(0.2, 0.1, 1.0), m8 = polygonMass(4.5, 0.5, 0.1);
const double m10 = cylinder(0.2, 0.1), m11 = hollow(0.2, 0.1, 0.1), m14 = ball(0.2), m15 = rho * 0.2 * 0.1 * 0.05;

INSTANTIATE_TEST_SUITE_P(EveryKind, Formulas, ::testing::Values(
    FormulaRow{"RingTotalMass", 2, 't', "1|1|40||800|200|", 40, 40 * (0.16 + 0.01) / 2, 0, 0},
    FormulaRow{"LyingCylinder", 3, 'd', "1|1|7850||200||1000", m3, m3 * (3 * 0.01 + 1.0) / 12, 0, 0},
    FormulaRow{"LyingTube", 4, 'd', "1|1|7850||200|100|1000", m4, m4 * (3 * 0.0125 + 1.0) / 12, 0, 0},
    FormulaRow{"ConeTotalMass", 5, 't', "1|1|100||400|200|", 100, frustumJ(100, 0.2, 0.1), 0, 0},
    FormulaRow{"Arm", 6, 't', "2|1|12||1500||", 24, 2 * 12 * 2.25 / 3, 0, 0},
    FormulaRow{"Block", 7, 'd', "1|1|7850||1000|500|100", 392.5, 392.5 * 1.25 / 12, 0, 0},
    FormulaRow{"PolygonFractionalSides", 8, 'd', "1|1|7850|4.5|1000||100", m8, polygonJ(m8, 4.5, 0.5), 0, 0},
    FormulaRow{"EccentricDisc", 10, 'd', "1|1|7850|500|200||100", m10, m10 * 0.01 / 2 + m10 * 0.25, 0, 0},
    FormulaRow{"EccentricRing", 11, 'd', "1|1|7850|500|200|100|100", m11, m11 * 0.0125 / 2 + m11 * 0.25, 0, 0},
    FormulaRow{"EccentricLyingCylinder", 12, 'd', "1|1|7850|500|200||1000", m3, m3 * 1.03 / 12 + m3 * 0.25, 0, 0},
    FormulaRow{"EccentricLyingTube", 13, 'd', "1|1|7850|500|200|100|1000", m4, m4 * 1.0375 / 12 + m4 * 0.25, 0, 0},
    FormulaRow{"EccentricSphere", 14, 'd', "1|1|7850|500|200||", m14, 0.4 * m14 * 0.01 + m14 * 0.25, 0, 0},
    FormulaRow{"EccentricBlock", 15, 'd', "1|1|7850|500|200|100|50", m15, m15 * 0.05 / 12 + m15 * 0.25, 0, 0},
    FormulaRow{"PointMassReduced", 16, 't', "1|3|90|400|||", 90, 90 * 0.16 / 9, 0, 0},
    FormulaRow{"GivenValues", 17, 't', "1|1|5|0.25|1.5|2|", 5, 0.25, 1.5, 2},
    FormulaRow{"UnbalanceReduced", 19, 't', "1|2|4|250|||30", 4, 4 * 0.0625 / 4, 0, 4 * 9.81 * 0.25 / 2}),
    formulaName);
// clang-format on

// The three messages, with the correction each one asks for.
QString joined(const CalcOutcome& o) {
    QString s;
    for (const MessagePiece& p : o.message)
        s += p.entry ? QStringLiteral("{%1}").arg(p.entry) : p.literal;
    return s;
}

TEST(Messages, ConeWithSmallEndNotSmallerEmptiesIt) {
    for (const auto& [mode, texts] :
         {std::pair{'d', "1|1|7850||400|400|300"}, std::pair{'t', "1|1|10||400|500|"}}) {
        const CalcOutcome o = run(5, mode, texts);
        ASSERT_EQ(o.kind, Kind::Message) << texts;
        EXPECT_EQ(joined(o), QStringLiteral("Ø {348} > Ø {349}"));
        EXPECT_EQ(o.icon, MessageIcon::Information);
        EXPECT_EQ(o.correctedBox, InputBox::Text7);
        EXPECT_TRUE(o.correctedText.isEmpty());
        EXPECT_TRUE(o.correctedTakesFocus);
    }
}

TEST(Messages, PolygonWithFewerThanThreeSidesGetsThree) {
    for (const char* texts : {"1|1|10|2|1000||100", "1|1|10|-1|1000||", "1|1|7850|2.99|1000||"}) {
        const CalcOutcome o = run(8, 't', texts);
        ASSERT_EQ(o.kind, Kind::Message) << texts;
        EXPECT_EQ(joined(o), QStringLiteral("{350}"));
        EXPECT_EQ(o.icon, MessageIcon::Information);
        EXPECT_EQ(o.correctedBox, InputBox::Text5);
        EXPECT_EQ(o.correctedText, QStringLiteral("3"));
        EXPECT_FALSE(o.correctedTakesFocus);
    }
}

TEST(Messages, TorusWithCentreLineBelowSectionLosesLastTypedCharacter) {
    const CalcOutcome o = run(20, 'd', "1|1|7850||50|100|");
    ASSERT_EQ(o.kind, Kind::Message);
    EXPECT_EQ(joined(o), QStringLiteral("{351} 50 {352}\r\n{353} 100\r\n"));
    EXPECT_EQ(o.icon, MessageIcon::Exclamation);
    EXPECT_EQ(o.correctedBox, InputBox::Text6);
    EXPECT_EQ(o.correctedText, QStringLiteral("5"));
    EXPECT_FALSE(o.correctedTakesFocus);

    // The texts go in as typed; a last character written as a surrogate pair goes whole.
    const CalcOutcome typed = run(20, 't', "1|1|1|| 5\U0001F600|1 00|");
    ASSERT_EQ(typed.kind, Kind::Message);
    EXPECT_EQ(joined(typed), QString::fromUtf8("{351}  5\U0001F600 {352}\r\n{353} 1 00\r\n"));
    EXPECT_EQ(typed.correctedText, QStringLiteral(" 5"));

    EXPECT_EQ(run(20, 't', "1|1|1||100|100|").kind, Kind::Results); // equal diameters pass
}

} // namespace
} // namespace ostrel
