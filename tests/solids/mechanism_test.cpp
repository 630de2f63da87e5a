// The linear mechanisms through the editor's calculation: their lines worked by hand and the
// boxes they refuse.
#include "solids/calculation.h"
#include "solids/mechanism.h"
#include "testinputs.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

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
        const CalcOutcome r = testing::calculate(row.code, true, row.texts);
        ASSERT_EQ(r.kind, CalcOutcome::Kind::Results);
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

// Results give the captions; a refusal names the first box it refuses, then every other
// refused box, each with its hint; results too large for a box name the box furthest from
// ordinary magnitudes.
TEST(Mechanism, NotesEveryRefusedBoxWithItsHint) {
    const struct {
        int code;
        const char* texts;
        const char* outcome; // "m|J|Tf|Tw", or "- box: hint" then " box: hint" for the others
    } rows[] = {
        {22, "2|2|400|100|40|7850|0.02|90|0", "805|.5|.|196.2"},
        {21, "1|1|abc|0|20|1000|7850|0.1|0|0|0", "- mass: 574 lead: 677"},
        {21, "1|1|-5|10|20|1000|7850|-0.1|0|0|0", "- mass: 679 friction: 681"},
        {21, "1|1|250||20|1000|7850|0.1|0|0|0", "- lead: 605"},
        {21, "1|1|250|10|-20|1000|-7850|0.1|0|0|-5",
         "- screwDiameter: 678 density: 680 counterweight: 679"},
        {22, "0||400|-100|40|7850|0.02|0|0", "- quantity: 677 ratio: 605 pitchDiameter: 677"},
        {23, "1|1|12|0.8|60|abc|2700|0.5|0.1|x|0", "- pulleyWidth: 574 pulleys: 682 angle: 574"},
        {23, "1|1|12|0.8|60|30|2700||0.1|0|0", "- pulleys: 605"},
        {22, "1|1|1e300|100|40|7850|0.02|0|0", "- mass: 683"},
    };
    for (const auto& row : rows) {
        const CalcOutcome out = testing::calculate(row.code, true, row.texts);
        const auto key = [&](std::size_t i) {
            return QLatin1String(mechanismInfo(row.code)->inputs[i].key);
        };
        QString shown = QStringList(out.captions.begin(), out.captions.end()).join(u'|');
        if (out.kind != CalcOutcome::Kind::Results) {
            const std::size_t reason = std::size_t(out.reasonBox);
            shown = QStringLiteral("- %1: %2").arg(key(reason)).arg(noteEntryAt(out, reason));
            for (std::size_t i = 0; i < out.notes.size(); ++i)
                if (out.notes[i] != InputNote::None && i != reason)
                    shown += QStringLiteral(" %1: %2").arg(key(i)).arg(noteEntryAt(out, i));
        }
        EXPECT_EQ(shown.toStdString(), row.outcome) << row.texts;
    }
}

} // namespace
} // namespace ostrel
