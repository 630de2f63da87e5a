// The linear mechanisms: their lines worked by hand, the boxes they refuse, their stored keys.
#include "solids/calculation.h"
#include "solids/mechanism.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace ostrel {
namespace {

MechanismResult run(int code, const char* texts) {
    const QStringList t = QString::fromUtf8(texts).split(u'|');
    return calculateMechanism(code, std::vector<QString>(t.begin(), t.end()));
}

// Worked by hand with g = 9.81 and π, lengths in m.
// Screw, P 10 mm: s = 0.01/(2π) = 1.591549431e-3 m, s² = 2.533029591e-6 m². Shaft d 20, L 1000:
//   mass ρπd²/4·L = 7850π·1e-4 = 2.466150233 kg; inertia ρπd⁴L/32 = 7850π·5e-9 = 1.233075117e-4.
//   m 250: J = 250·s² + 1.2331e-4 = 7.565649094e-4; Tf = 0.1·250·9.81·s = 0.3903274979;
//   vertical: Tf = 0 (cos 90 = 0), Tw = 250·9.81·s = 3.903274979.
//   counterweight 100: mass 352.4661502, J = 350·s² + 1.2331e-4 = 1.009867869e-3,
//   Tw = (250 − 100)·9.81·s = 2.341964988. Thrust 500: Tw = 500·s = 0.7957747155.
//   k = 2: J/4 = 1.891412274e-4, Tw/2 = 1.95163749. q = 2: everything twice.
// Rack, D 100, b 40: r = 0.05, m_p = 7850π·0.01/4·0.04 = 2.466150233 kg. m 400:
//   mass 402.4661502; J = 400·0.0025 + 2.46615·0.0025/2 = 1.003082688;
//   Tf = 0.02·400·9.81·0.05 = 3.924; vertical Tw = 400·9.81·0.05 = 196.2; thrust 150: Tw = 7.5.
//   q = 2, k = 2: mass ×2, J ×2/4 = 0.5015413439, Tw ×2/2.
// Belt, D 60, b 30, ρ 2700: r = 0.03, m_p = 2700π·0.0036/4·0.03 = 0.2290221044 kg. m 12, m_b 0.8:
//   n 2: mass 12.8 + 0.4580442 = 13.25804421; J = 12.8·9e-4 + 2·0.229022·9e-4/2 = 0.01172611989;
//   Tf = 0.1·12·9.81·0.03 = 0.35316; vertical Tw = 12·9.81·0.03 = 3.5316, downward −3.5316.
//   θ 180: friction as when horizontal (|cos| = 1), no weight to lift (sin 180 = 0).
//   n 3, θ 30, F 20: mass 13.48706631, J = 0.01152 + 3·0.229022·4.5e-4 = 0.01182917984,
//   Tf = 0.35316·cos 30 = 0.3058455316, Tw = (12·9.81·0.5 + 20)·0.03 = 2.3658.
TEST(Mechanism, LinesWorkedByHand) {
    const struct {
        const char* name;
        int code;
        const char* texts;
        double mass, inertia, friction, working;
    } rows[] = {
        {"ScrewHorizontal", 21, "1|1|250|10|20|1000|7850|0.1|0|0|0", 252.4661502, 7.565649094e-4,
         0.3903274979, 0},
        {"ScrewEmptyAngleForceCounterweight", 21, "1|1|250|10|20|1000|7850|0.1|||", 252.4661502,
         7.565649094e-4, 0.3903274979, 0},
        {"ScrewVertical", 21, "1|1|250|10|20|1000|7850|0.1|90|0|0", 252.4661502, 7.565649094e-4, 0,
         3.903274979},
        {"ScrewCounterweight", 21, "1|1|250|10|20|1000|7850|0.1|90|0|100", 352.4661502,
         1.009867869e-3, 0, 2.341964988},
        {"ScrewThrust", 21, "1|1|250|10|20|1000|7850|0.1|0|500|0", 252.4661502, 7.565649094e-4,
         0.3903274979, 0.7957747155},
        {"ScrewRatio2", 21, "1|2|250|10|20|1000|7850|0.1|90|0|0", 252.4661502, 1.891412274e-4, 0,
         1.95163749},
        {"ScrewQuantity2", 21, "2|1|250|10|20|1000|7850|0.1|0|0|0", 504.9323005, 1.513129819e-3,
         0.7806549959, 0},
        {"RackHorizontal", 22, "1|1|400|100|40|7850|0.02|0|0", 402.4661502, 1.003082688, 3.924, 0},
        {"RackVertical", 22, "1|1|400|100|40|7850|0.02|90|0", 402.4661502, 1.003082688, 0, 196.2},
        {"RackThrust", 22, "1|1|400|100|40|7850|0.02|0|150", 402.4661502, 1.003082688, 3.924, 7.5},
        {"RackQuantity2Ratio2", 22, "2|2|400|100|40|7850|0.02|90|0", 804.9323005, 0.5015413439, 0,
         196.2},
        {"BeltHorizontal", 23, "1|1|12|0.8|60|30|2700|2|0.1|0|0", 13.25804421, 0.01172611989,
         0.35316, 0},
        {"BeltVertical", 23, "1|1|12|0.8|60|30|2700|2|0.1|90|0", 13.25804421, 0.01172611989, 0,
         3.5316},
        {"BeltDownward", 23, "1|1|12|0.8|60|30|2700|2|0.1|270|0", 13.25804421, 0.01172611989, 0,
         -3.5316},
        {"BeltDownwardNegativeAngle", 23, "1|1|12|0.8|60|30|2700|2|0.1|-90|0", 13.25804421,
         0.01172611989, 0, -3.5316},
        {"BeltReversedFrictionStillBrakes", 23, "1|1|12|0.8|60|30|2700|2|0.1|180|0", 13.25804421,
         0.01172611989, 0.35316, 0},
        {"BeltThreePulleysInclineThrust", 23, "1|1|12|0.8|60|30|2700|3|0.1|30|20", 13.48706631,
         0.01182917984, 0.3058455316, 2.3658},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const MechanismResult r = run(row.code, row.texts);
        ASSERT_TRUE(r.ok);
        const double expected[4] = {row.mass, row.inertia, row.friction, row.working};
        for (int i = 0; i < 4; ++i) {
            if (expected[i] == 0)
                EXPECT_EQ(r.values[std::size_t(i)], 0.0) << i; // exactly: no 6e-17 left over
            else
                EXPECT_NEAR(r.values[std::size_t(i)], expected[i], std::fabs(expected[i]) * 1e-9)
                    << i;
        }
    }
}

TEST(Mechanism, RefusesTheFirstWrongBoxWithItsHint) {
    const struct {
        int code;
        const char* texts;
        const char* key; // the box named, or "" for none
        InputProblem problem;
        int hint;
    } rows[] = {
        {21, "1|1|abc|0|20|1000|7850|0.1|0|0|0", "mass", InputProblem::NotANumber, 574},
        {21, "1|1|-1|10|20|1000|7850|0.1|0|0|0", "mass", InputProblem::Negative, 679},
        {21, "1|1|250|0|20|1000|7850|0.1|0|0|0", "lead", InputProblem::NotPositive, 677},
        {21, "1|1|250||20|1000|7850|0.1|0|0|0", "lead", InputProblem::Empty, 0},
        {21, "1|1|250|10|-20|1000|7850|0.1|0|0|0", "screwDiameter", InputProblem::Negative, 678},
        {21, "1|1|250|10|20|1000|-7850|0.1|0|0|0", "density", InputProblem::Negative, 680},
        {21, "1|1|250|10|20|1000|7850|-0.1|0|0|0", "friction", InputProblem::Negative, 681},
        {21, "1|1|250|10|20|1000|7850|0.1|0|0|-5", "counterweight", InputProblem::Negative, 679},
        {22, "0|1|400|100|40|7850|0.02|0|0", "quantity", InputProblem::NotPositive, 677},
        {22, "1||400|100|40|7850|0.02|0|0", "ratio", InputProblem::Empty, 0},
        {22, "1|1|400|-100|40|7850|0.02|0|0", "pitchDiameter", InputProblem::NotPositive, 677},
        {23, "1|1|12|0.8|60|30|2700|0.5|0.1|0|0", "pulleys", InputProblem::BelowOne, 682},
        {23, "1|1|12|0.8|60|30|2700||0.1|0|0", "pulleys", InputProblem::Empty, 0},
        {23, "1|1|12|0.8|60|30|2700|2|0.1|x|0", "angle", InputProblem::NotANumber, 574},
        {21, "1|1|1e300|10|20|1000|7850|0.1|0|0|0", "", InputProblem::None, 683}, // overflows
        {20, "1|1|1|1", "", InputProblem::None, 0},                               // no mechanism
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.texts);
        const MechanismResult r = run(row.code, row.texts);
        EXPECT_FALSE(r.ok);
        const Mechanism* m = mechanismInfo(row.code);
        EXPECT_STREQ(r.input < 0 ? "" : m->inputs[std::size_t(r.input)].key, row.key);
        EXPECT_EQ(r.problem, row.problem);
        EXPECT_EQ(r.hintEntry, row.hint);
    }
}

TEST(Mechanism, KeepsTheStoredKeysAndDefaults) {
    const char* keys[] = {
        "quantity ratio mass lead screwDiameter screwLength density friction angle force "
        "counterweight",
        "quantity ratio mass pitchDiameter pinionWidth density friction angle force",
        "quantity ratio mass beltMass pulleyDiameter pulleyWidth density pulleys friction angle "
        "force"};
    const char* defaults[] = {"1|1|||||7850||0|0|0", "1|1||||7850||0|0", "1|1|||||7850|2||0|0"};
    const char* fileKeys[] = {"Screw", "Rack", "Belt"};
    ASSERT_EQ(mechanisms().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const Mechanism& m = mechanisms()[std::size_t(i)];
        EXPECT_EQ(m.code, 21 + i);
        EXPECT_EQ(mechanismByFileKey(QString::fromLatin1(fileKeys[i])), &m);
        QStringList k, d;
        for (const InputDeclaration& in : m.inputs)
            k << in.key, d << in.defaultText;
        EXPECT_EQ(k.join(' '), QLatin1String(keys[i]));
        EXPECT_EQ(d.join('|'), QLatin1String(defaults[i]));
        EXPECT_EQ(inputIndex(m, u"density"), k.indexOf("density"));
    }
    EXPECT_EQ(mechanismByFileKey(u"screw"), nullptr);
    EXPECT_EQ(mechanismInfo(24), nullptr);
    EXPECT_EQ(inputIndex(*mechanismInfo(22), u"pulleys"), -1);
}

// The editor's path: calculatePart gives a mechanism's captions and exact values, or the
// first box it refuses with every refused box noted and its own hint, or names the box
// furthest from ordinary magnitudes when the results overflow.
TEST(Mechanism, CalculatePartNotesEveryRefusedBoxWithItsHint) {
    const struct {
        int code;
        const char* texts;
        const char* outcome; // "m|J|Tf|Tw", or "- box: hint" then " box: hint" for the others
    } rows[] = {
        {21, "1|1|250|10|20|1000|7850|0.1|0|0|0", "252|.|.39|."},
        {22, "2|2|400|100|40|7850|0.02|90|0", "805|.5|.|196.2"},
        {21, "1|1|-5|10|20|1000|7850|-0.1|0|0|0", "- 2: 679 7: 681"},
        {21, "1|1|250||20|1000|7850|0.1|0|0|0", "- 3: 605"},
        {23, "1|1|12|0.8|60|abc|2700|0|0.1|0|0", "- 5: 574 7: 682"},
        {22, "1|1|1e300|100|40|7850|0.02|0|0", "- 2: 683"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.texts);
        CalcInputs in{row.code, true, {}};
        const QStringList t = QString::fromUtf8(row.texts).split(u'|');
        for (qsizetype i = 0; i < t.size(); ++i)
            in.texts[std::size_t(i)] = t[i];
        const CalcOutcome out = calculatePart(in);
        QString shown;
        if (out.kind == CalcOutcome::Kind::Results) {
            shown = QStringList(out.captions.begin(), out.captions.end()).join(u'|');
            const MechanismResult r =
                calculateMechanism(row.code, std::vector<QString>(t.begin(), t.end()));
            EXPECT_EQ(out.values, r.values);
        } else {
            const std::size_t reason = std::size_t(out.reasonBox);
            shown = QStringLiteral("- %1: %2").arg(reason).arg(noteEntryAt(out, reason));
            for (std::size_t i = 0; i < out.notes.size(); ++i)
                if (out.notes[i] != InputNote::None && i != reason)
                    shown += QStringLiteral(" %1: %2").arg(i).arg(noteEntryAt(out, i));
        }
        EXPECT_EQ(shown.toStdString(), row.outcome);
    }
}

} // namespace
} // namespace ostrel
