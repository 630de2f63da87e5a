// calculatePart: results, the reason and the box of a run without result, messages and the
// overflow rule, kind by kind.
#include "solids/calculation.h"
#include "testinputs.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

using Kind = CalcOutcome::Kind;

const char* const boxes[] = {"quantity", "ratio", "mass", "R", "D", "d", "H"};
const char* const notes[] = {"",         "missing", "zero",  "not a number", "negative length",
                             "negative", "bore",    "range", "subtracts"};

// The outcome as text: "m|J|Tf|Tw" the new captions, each note after " " as "box: note"; "- "
// and the reason of a run without result ("- D: zero"); or a message: "i " or "! " (information
// or exclamation icon), its text with entries written {n}, then " -> " the corrected box, its
// new text, and "+focus" when it takes the focus.
QString outcome(const CalcOutcome& o) {
    QString s;
    if (o.kind == Kind::NoResult)
        s = QStringLiteral("- %1: %2").arg(boxes[int(o.reasonBox)], notes[int(o.reason)]);
    if (o.kind == Kind::Results) s = QStringList(o.captions.begin(), o.captions.end()).join(u'|');
    if (o.kind != Kind::Message) {
        for (std::size_t i = 0; i < o.notes.size(); ++i)
            if (o.notes[i] != InputNote::None &&
                !(o.kind == Kind::NoResult && InputBox(i) == o.reasonBox))
                s += QStringLiteral(" %1: %2").arg(boxes[i], notes[int(o.notes[i])]);
        return s;
    }
    s = QLatin1StringView(o.icon == MessageIcon::Information ? "i " : "! ");
    for (const MessagePiece& p : o.message)
        s += p.entry ? QStringLiteral("{%1}").arg(p.entry) : p.literal;
    s += QStringLiteral(" -> %1=\"%2\"").arg(boxes[int(o.correctedBox)], o.correctedText);
    return o.correctedTakesFocus ? s + QStringLiteral("+focus") : s;
}

// Captions of kinds without a worked example were checked against the textbook formulas
// (parallel axis, frustum, prism on a regular polygon), worked out apart from the code.
TEST(Calculation, GivesTheExpectedOutcome) {
    const struct {
        const char* name;
        int code;
        char mode;         // 'd' density, 't' total mass
        const char* texts; // "quantity|ratio|mass|R|D|d|H"
        const char* expected;
    } rows[] = {
        // Disc.
        {"Density", 1, 'd', "1|1|7850||1000||100", "617|77.07|.|."},
        {"QuantityAndRatio", 1, 'd', "2|2|7850||1000||100", "1233|38.53|.|."},
        {"NegativeQuantitySubtracts", 1, 'd', "-1|1|7850||1000||100",
         "-617|-77.07|.|. quantity: subtracts"},
        {"NegativeRatio", 1, 'd', "-1|-1|7850||1000||100", "- ratio: negative"},
        {"NegativeDensitySubtracts", 1, 'd', "1|1|-7850||1000||100",
         "-617|-77.07|.|. mass: subtracts"},
        {"TwoNegativesAdd", 1, 't', "-1|1|-100||1000||", "100|12.5|.|."},
        {"TotalMassNeedsNoHeight", 1, 't', "1|1|100||1000||", "100|12.5|.|."},
        {"EveryWrongBoxNoted", 1, 'd', "x|0|7850||-5||abc",
         "- quantity: not a number ratio: zero D: negative length H: not a number"},
        {"DiameterBeyondTheDoubles", 1, 'd', "1|1|7850||1e400||100", "- D: range"},
        {"DensityWithoutHeight", 1, 'd', "1|1|7850||1000||0", "- H: zero"},
        {"QuantityZero", 1, 'd', "0|1|7850||1000||100", "- quantity: zero"},
        {"RatioEmpty", 1, 'd', "1||7850||1000||100", "- ratio: missing"},
        // No kind.
        {"NoneChosen", 0, 't', "3|1|10||||", "30|.|.|."},
        {"CodeBeyondTheTable", 21, 'd', "3|2|10|5|5|5|5", "30|.|.|."},
        // Cylinders, rings and tubes.
        {"Density", 2, 'd', "1|1|7850||1000|600|100", "395|67.08|.|."},
        {"BoreEqual", 2, 'd', "1|1|7850||1000|1000|100", "- d: bore"},
        {"NoBoreInDensity", 2, 'd', "1|1|7850||1000|0|100", "- d: zero"},
        {"NoBoreInTotalMass", 2, 't', "1|1|100||1000||", "100|12.5|.|."},
        {"LyingCylinder", 3, 'd', "1|1|7850||200||1000", "247|21.17|.|."},
        {"LyingTube", 4, 'd', "1|1|7850||200|100|1000", "185|15.99|.|."},
        {"TubeBoreLarger", 4, 'd', "1|1|7850||100|200|100", "- d: bore"},
        {"EccentricRingBore", 11, 'd', "1|1|7850|50|100|100|100", "- d: bore"},
        {"EccentricTubeBore", 13, 't', "1|1|7|50|100|150|100", "- d: bore"},
        // Other centred solids.
        {"Sphere", 9, 'd', "1|1|7850||500||", "514|12.84|.|."},
        {"SmallSphereShowsNoMass", 9, 'd', "1|1|7850||10||", "|.|.|."},
        {"Cone", 5, 'd', "1|1|7850||400|200|300", "173|2.29|.|."},
        {"ConeWithoutHeight", 5, 'd', "1|1|7850||400|200|", "- H: missing"},
        {"Arm", 6, 't', "1|1|10||1000||", "10|3.33|.|."},
        {"Block", 7, 'd', "1|1|7850||1000|500|100", "393|40.89|.|."},
        {"BlockWithoutWidth", 7, 't', "1|1|10||400||10", "- d: missing"},
        {"Hexagon", 8, 'd', "1|1|7850|6|1000||100", "510|53.11|.|."},
        {"PolygonFractionalSides", 8, 'd', "1|1|7850|4.5|1000||100", "435|39.38|.|."},
        {"PolygonWithoutSides", 8, 'd', "1|1|7850||1000||100", "- R: missing"},
        {"PolygonWithoutDiameter", 8, 'd', "1|1|7850|2|||100", "- D: missing"},
        {"PolygonWithoutThickness", 8, 'd', "1|1|7850|6|1000||", "- H: missing"},
        {"Torus", 20, 'd', "1|1|7850||1000|100|", "194|48.79|.|."},
        {"TorusEqualDiameters", 20, 't', "1|1|1||100|100|", "1|.|.|."},
        {"TorusWithoutSection", 20, 'd', "1|1|7850||1000||", "- d: missing"},
        // Eccentric solids.
        {"Disc", 10, 'd', "1|1|7850|500|200||100", "25|6.29|.|."},
        {"Ring", 11, 'd', "1|1|7850|500|200|100|100", "18|4.74|.|."},
        {"LyingCylinder", 12, 'd', "1|1|7850|500|200||1000", "247|82.82|.|."},
        {"LyingTube", 13, 'd', "1|1|7850|500|200|100|1000", "185|62.23|.|."},
        {"Sphere", 14, 'd', "1|1|7850|500|200||", "33|8.35|.|."},
        {"Block", 15, 'd', "1|1|7850|500|200|100|50", "8|2.|.|."},
        {"RingAtZero", 11, 'd', "1|1|7850|0|200|100|100", "- R: zero"},
        {"BlockAtZero", 15, 'd', "1|1|7850||200|100|50", "- R: missing"},
        {"ProductBelowTheDoubles", 15, 't', "1|1|1|1e-200|1e-150|1||", "- R: range"},
        {"PointMass", 16, 't', "1|1|20|300|||", "20|1.8|.|."},
        {"PointMassAtZero", 16, 't', "1|1|20|0|||", "- R: zero"},
        // Given values, conveyor, unbalance.
        {"GivenValues", 17, 't', "2|2||12.5|3|4.2|", "|6.25|3.|4.2"},
        {"GivenNegativeInertiaSubtracts", 17, 't', "1|1||-2|||", "|-2.|.|. R: subtracts"},
        {"ConveyorNegativeFriction", 18, 't', "1|1|100||500|50|-0.1", "- H: negative"},
        {"Conveyor", 18, 't', "1|1|100||500|50|0.1", "150|7.81|24.53|."},
        {"ConveyorReduced", 18, 't', "3|2|100||500|50|0.1", "450|5.86|36.79|."},
        {"Unbalance", 19, 't', "1|1|10|200|||", "10|.4|.|19.62"},
        {"UnbalanceNegativeAngle", 19, 't', "1|1|10|200|||-5", "- H: negative"},
        // Inputs so large that a value overflows, or loses all its digits, give no result; the box
        // furthest from ordinary magnitudes is named.
        {"HugeDiameter", 1, 'd', "1|1|7850||1e200||100", "- D: range"},
        {"HugeMass", 9, 't', "1|1|1e200||500||", "- mass: range"},
        {"HugeQuantityTimesRatio", 1, 't', "1e200|1e100|1||1000||", "- quantity: range"},
        {"TinyRatio", 6, 't', "1|1e-300|10||1000||", "- ratio: range"},
        {"ConeDifferenceLost", 5, 't', "1|1|10||1e-200|0.9e-200|1", "- d: range"},
        {"MassAtTheLimit", 0, 't', "1|1|1e15||||", "- mass: range"},
        {"MassBelowTheLimit", 0, 't', "1|1|999999999999999||||", "999999999999999|.|.|."},
        // The three messages, with the correction each one asks for.
        {"ConeEndsEqual", 5, 'd', "1|1|7850||400|400|300", "i Ø {348} > Ø {349} -> d=\"\"+focus"},
        {"PolygonAlmostThreeSides", 8, 't', "1|1|7850|2.99|1000||", "i {350} -> R=\"3\""},
        // The texts go in as typed; a last character written as a surrogate pair goes whole.
        {"TorusTextsAsTyped", 20, 't', "1|1|1|| 5\U0001F600|1 00|",
         "! {351}  5\U0001F600 {352}\r\n{353} 1 00\r\n -> D=\" 5\""},
    };
    for (const auto& r : rows) {
        const CalcOutcome o = testing::calculate(r.code, r.mode == 't', r.texts);
        EXPECT_EQ(outcome(o).toStdString(), r.expected) << r.name << " of kind " << r.code;
        // A run without result leaves no value behind: the editor adds none.
        EXPECT_TRUE(o.kind == Kind::Results || o.values == decltype(o.values){}) << r.name;
    }
}

} // namespace
} // namespace ostrel
