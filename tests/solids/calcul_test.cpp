// CalculeInertie: results, stops, clearing, messages and the overflow rule, kind by kind.
#include "solids/calcul.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

namespace ostrel {
namespace {

using Kind = CalcOutcome::Kind;

// texts: "Text1|Text2|Text3|Text5|Text6|Text7|Text8"; mode 'd' density, 't' total mass.
CalcOutcome run(int code, char mode, const char* texts) {
    CalcInputs in{code, mode == 't', {}};
    const QStringList t = QString::fromUtf8(texts).split(u'|');
    for (qsizetype i = 0; i < 7 && i < t.size(); ++i)
        in.texts[std::size_t(i)] = t[i];
    return CalculeInertie(in);
}

template <class R> std::string byName(const ::testing::TestParamInfo<R>& info) {
    return info.param.name;
}

// The outcome as text: "=" nothing changes, "x" mass and inertia cleared, "m|J|Tf|Tw" the new
// captions, or a message: "i " or "! " (information or exclamation icon), its text with entries
// written {n}, then " -> " the corrected box, its new text, and "+focus" when it takes the focus.
QString outcome(const CalcOutcome& o) {
    if (o.kind == Kind::NoChange) return QStringLiteral("=");
    if (o.kind == Kind::Cleared) return QStringLiteral("x");
    if (o.kind == Kind::Results)
        return QStringList(o.captions.begin(), o.captions.end()).join(u'|');
    QString s = QLatin1StringView(o.icon == MessageIcon::Information ? "i " : "! ");
    for (const MessagePiece& p : o.message)
        s += p.entry ? QStringLiteral("{%1}").arg(p.entry) : p.literal;
    const char* boxes[] = {"Text1", "Text2", "Text3", "Text5", "Text6", "Text7", "Text8"};
    s += QStringLiteral(" -> %1=\"%2\"")
             .arg(QLatin1StringView(boxes[int(o.correctedBox)]), o.correctedText);
    return o.correctedTakesFocus ? s + QStringLiteral("+focus") : s;
}

struct Row {
    const char* name;
    int code;
    char mode;
    const char* texts;
    const char* expected;
};

// The row's name in the test lists, rather than its bytes.
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

class Calculation : public ::testing::TestWithParam<Row> {};

TEST_P(Calculation, GivesTheExpectedOutcome) {
    const Row& r = GetParam();
    EXPECT_EQ(outcome(run(r.code, r.mode, r.texts)).toStdString(), r.expected);
}

// Captions of kinds without a worked example were checked against the textbook formulas
// (parallel axis, frustum, prism on a regular polygon), worked out apart from the code.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Disc, Calculation, ::testing::Values(
    Row{"Density", 1, 'd', "1|1|7850||1000||100", "617|77.07|.|."},
    Row{"QuantityAndRatio", 1, 'd', "2|2|7850||1000||100", "1233|38.53|.|."},
    Row{"NegativeQuantityAndRatio", 1, 'd', "-1|-1|7850||1000||100", "-617|-77.07|.|."},
    Row{"TotalMassNeedsNoHeight", 1, 't', "1|1|100||1000||", "100|12.5|.|."},
    Row{"CommaEndsTheNumber", 1, 'd', "1,5|1|7850||1000||100", "617|77.07|.|."},
    Row{"LettersReadZero", 1, 'd', "1|1|7850||abc||100", "="},
    Row{"DensityWithoutHeight", 1, 'd', "1|1|7850||1000||0", "="},
    Row{"QuantityZero", 1, 'd', "0|1|7850||1000||100", "="},
    Row{"RatioEmpty", 1, 'd', "1||7850||1000||100", "="},
    Row{"RatioZero", 1, 'd', "1|0|7850||1000||100", "="},
    Row{"NegativeQuantity", 1, 'd', "-1|1|7850||1000||100", "="}), byName<Row>);

INSTANTIATE_TEST_SUITE_P(NoKind, Calculation, ::testing::Values(
    Row{"NoneChosen", 0, 't', "3|1|10||||", "30|.|.|."},
    Row{"CodeBeyondTheTable", 21, 'd', "3|2|10|5|5|5|5", "30|.|.|."}), byName<Row>);

INSTANTIATE_TEST_SUITE_P(CylindersRingsAndTubes, Calculation, ::testing::Values(
    Row{"Density", 2, 'd', "1|1|7850||1000|600|100", "395|67.08|.|."},
    Row{"BoreEqualClears", 2, 'd', "1|1|7850||1000|1000|100", "x"},
    Row{"NoBoreInDensity", 2, 'd', "1|1|7850||1000|0|100", "="},
    Row{"NoBoreInTotalMass", 2, 't', "1|1|100||1000||", "100|12.5|.|."},
    Row{"LyingCylinder", 3, 'd', "1|1|7850||200||1000", "247|21.17|.|."},
    Row{"LyingTube", 4, 'd', "1|1|7850||200|100|1000", "185|15.99|.|."},
    Row{"TubeClears", 4, 'd', "1|1|7850||100|200|100", "x"},
    Row{"EccentricRingClears", 11, 'd', "1|1|7850|50|100|100|100", "x"},
    Row{"EccentricTubeClears", 13, 't', "1|1|7|50|100|150|100", "x"}), byName<Row>);

INSTANTIATE_TEST_SUITE_P(OtherCentred, Calculation, ::testing::Values(
    Row{"Sphere", 9, 'd', "1|1|7850||500||", "514|12.84|.|."},
    Row{"SmallSphereShowsNoMass", 9, 'd', "1|1|7850||10||", "|.|.|."},
    Row{"Cone", 5, 'd', "1|1|7850||400|200|300", "173|2.29|.|."},
    Row{"ConeTotalMass", 5, 't', "1|1|100||400|200|", "100|1.33|.|."},
    Row{"ConeWithoutHeight", 5, 'd', "1|1|7850||400|200|", "="},
    Row{"Arm", 6, 't', "1|1|10||1000||", "10|3.33|.|."},
    Row{"Block", 7, 'd', "1|1|7850||1000|500|100", "393|40.89|.|."},
    Row{"BlockWithoutWidth", 7, 't', "1|1|10||400||10", "="},
    Row{"Hexagon", 8, 'd', "1|1|7850|6|1000||100", "510|53.11|.|."},
    Row{"HexagonTotalMass", 8, 't', "1|1|100|6|1000||", "100|10.42|.|."},
    Row{"PolygonFractionalSides", 8, 'd', "1|1|7850|4.5|1000||100", "435|39.38|.|."},
    Row{"PolygonWithoutSides", 8, 'd', "1|1|7850||1000||100", "="},
    Row{"PolygonWithoutDiameter", 8, 'd', "1|1|7850|2|||100", "="},
    Row{"PolygonWithoutThickness", 8, 'd', "1|1|7850|6|1000||", "="},
    Row{"Torus", 20, 'd', "1|1|7850||1000|100|", "194|48.79|.|."},
    Row{"TorusEqualDiameters", 20, 't', "1|1|1||100|100|", "1|.|.|."},
    Row{"TorusWithoutSection", 20, 'd', "1|1|7850||1000||", "="}), byName<Row>);

INSTANTIATE_TEST_SUITE_P(Eccentric, Calculation, ::testing::Values(
    Row{"Disc", 10, 'd', "1|1|7850|500|200||100", "25|6.29|.|."},
    Row{"Ring", 11, 'd', "1|1|7850|500|200|100|100", "18|4.74|.|."},
    Row{"LyingCylinder", 12, 'd', "1|1|7850|500|200||1000", "247|82.82|.|."},
    Row{"LyingTube", 13, 'd', "1|1|7850|500|200|100|1000", "185|62.23|.|."},
    Row{"Sphere", 14, 'd', "1|1|7850|500|200||", "33|8.35|.|."},
    Row{"Block", 15, 'd', "1|1|7850|500|200|100|50", "8|2.|.|."},
    Row{"RingAtZero", 11, 'd', "1|1|7850|0|200|100|100", "="},
    Row{"BlockAtZero", 15, 'd', "1|1|7850||200|100|50", "="},
    Row{"PointMass", 16, 't', "1|1|20|300|||", "20|1.8|.|."},
    Row{"PointMassAtZero", 16, 't', "1|1|20|0|||", "="}), byName<Row>);

INSTANTIATE_TEST_SUITE_P(Miscellaneous, Calculation, ::testing::Values(
    Row{"GivenValues", 17, 't', "2|2||12.5|3|4.2|", "|6.25|3.|4.2"},
    Row{"Conveyor", 18, 't', "1|1|100||500|50|0.1", "150|7.81|24.53|."},
    Row{"ConveyorReduced", 18, 't', "3|2|100||500|50|0.1", "450|5.86|36.79|."},
    Row{"Unbalance", 19, 't', "1|1|10|200|||", "10|.4|.|19.62"},
    Row{"UnbalanceReduced", 19, 't', "1|2|4|250|||30", "4|.06|.|4.91"},
    Row{"UnbalanceNegativeInput", 19, 't', "1|1|10|200|||-5", "="},
    Row{"UnbalanceBothNegative", 19, 't', "1|1|10|-200|||-5", "10|.4|.|-19.62"}), byName<Row>);

// Inputs so large that a value overflows, or loses all its digits, keep the shown results.
INSTANTIATE_TEST_SUITE_P(Overflow, Calculation, ::testing::Values(
    Row{"HugeDiameter", 1, 'd', "1|1|7850||1e200||100", "="},
    Row{"HugeMass", 9, 't', "1|1|1e200||500||", "="},
    Row{"HugeQuantityTimesRatio", 1, 't', "1e200|1e200|1||1000||", "="},
    Row{"TinyRatio", 6, 't', "1|1e-300|10||1000||", "="},
    Row{"ConeDifferenceLost", 5, 't', "1|1|10||1e-200|0.9e-200|1", "="},
    Row{"MassAtTheLimit", 0, 't', "1|1|1e15||||", "="},
    Row{"MassBelowTheLimit", 0, 't', "1|1|999999999999999||||", "999999999999999|.|.|."}), byName<Row>);

// The three messages, with the correction each one asks for.
INSTANTIATE_TEST_SUITE_P(Messages, Calculation, ::testing::Values(
    Row{"ConeEndsEqual", 5, 'd', "1|1|7850||400|400|300", "i Ø {348} > Ø {349} -> Text7=\"\"+focus"},
    Row{"ConeSmallEndLarger", 5, 't', "1|1|10||400|500|", "i Ø {348} > Ø {349} -> Text7=\"\"+focus"},
    Row{"PolygonTwoSides", 8, 't', "1|1|10|2|1000||100", "i {350} -> Text5=\"3\""},
    Row{"PolygonAlmostThreeSides", 8, 't', "1|1|7850|2.99|1000||", "i {350} -> Text5=\"3\""},
    Row{"TorusCentreLineBelowSection", 20, 'd', "1|1|7850||50|100|", "! {351} 50 {352}\r\n{353} 100\r\n -> Text6=\"5\""},
    // The texts go in as typed; a last character written as a surrogate pair goes whole.
    Row{"TorusTextsAsTyped", 20, 't', "1|1|1|| 5\U0001F600|1 00|",
        "! {351}  5\U0001F600 {352}\r\n{353} 1 00\r\n -> Text6=\" 5\""}), byName<Row>);
// clang-format on

// The exact values behind the captions: the disc of 1000 x 100 mm in steel is pi/4 * 0.1 m³ of
// 7850 kg/m³ = 616.5375582 kg and m D²/8 = 77.06719477 kg·m²; at ratio 2 the inertia is a
// quarter and at quantity 3 everything triples. The captions are the values under the masks.
TEST(CalculationValues, AreTheExactResultsBehindTheCaptions) {
    const CalcOutcome disc = run(1, 'd', "1|1|7850||1000||100");
    ASSERT_EQ(disc.kind, Kind::Results);
    EXPECT_NEAR(disc.values[0], 616.5375582, 1e-6);
    EXPECT_NEAR(disc.values[1], 77.06719477, 1e-7);
    EXPECT_EQ(disc.values[2], 0.0);
    const CalcOutcome geared = run(1, 'd', "3|2|7850||1000||100");
    EXPECT_DOUBLE_EQ(geared.values[0], 3 * disc.values[0]);
    EXPECT_DOUBLE_EQ(geared.values[1], 3 * disc.values[1] / 4);
    // A shaft of 20 x 1000 mm at ratio 2: 3.09e-5 kg·m², which the classic caption shows as ".".
    const CalcOutcome shaft = run(1, 'd', "1|2|7870||20||1000");
    EXPECT_EQ(shaft.captions[1], ".");
    EXPECT_NEAR(shaft.values[1], 3.09054e-5, 1e-10); // pi/4 x 0.02² x 1 x 7870 x 0.02²/8 / 2²
    EXPECT_EQ(run(1, 'd', "1|1|7850||abc||100").values, (std::array<double, 4>{}));
}

} // namespace
} // namespace ostrel
