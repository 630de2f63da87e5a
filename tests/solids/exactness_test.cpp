// Results shown with significant digits in every unit read back, converted to SI, as the exact
// results to the shown digits: servo-sized parts of all twenty kinds, in both mass modes where
// the editor offers them.
#include "solids/calcul.h"
#include "solids/catalogue.h"
#include "solids/numbertext.h"
#include "solids/units.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>

namespace ostrel {
namespace {

struct Part {
    const char* name;
    int code;
    char mode;         // 'd' density, 't' total mass
    const char* texts; // "Text1|Text2|Text3|Text5|Text6|Text7|Text8"
};

// Readable test names and failures: the part's name.
void PrintTo(const Part& p, std::ostream* os) {
    *os << p.name;
}

CalcOutcome compute(const Part& p) {
    CalcInputs in{p.code, p.mode == 't', {}};
    const QStringList t = QString::fromUtf8(p.texts).split(u'|');
    for (qsizetype i = 0; i < 7 && i < t.size(); ++i)
        in.texts[size_t(i)] = t[i];
    return CalculeInertie(in);
}

constexpr Quantity kQuantities[4] = {Quantity::Mass, Quantity::Inertia, Quantity::Torque,
                                     Quantity::Torque};

// Every display with significant digits: each unit of each family, with 4 and 6 digits.
std::vector<DisplayChoice> everyDisplay() {
    std::vector<DisplayChoice> all;
    for (Digits d : {Digits::Significant4, Digits::Significant6})
        for (int m = 0; m < unitCount(Quantity::Mass); ++m)
            for (int j = 0; j < unitCount(Quantity::Inertia); ++j)
                for (int t = 0; t < unitCount(Quantity::Torque); ++t)
                    all.push_back({d, MassUnit(m), InertiaUnit(j), TorqueUnit(t)});
    return all;
}

class Exactness : public ::testing::TestWithParam<Part> {};

TEST_P(Exactness, ShownTextsReadBackAsTheExactResults) {
    const Part& p = GetParam();
    const KindInfo* kind = kindInfo(p.code);
    ASSERT_NE(kind, nullptr);
    if (p.mode == 'd') {
        ASSERT_NE(kind->density, DensityOption::Hidden) << "not offered";
    }
    const CalcOutcome out = compute(p);
    ASSERT_EQ(out.kind, CalcOutcome::Kind::Results);
    ASSERT_NE(out.values[1], 0.0) << "every part has an inertia";

    for (const DisplayChoice& display : everyDisplay()) {
        const int digits = display.significantDigits();
        for (size_t i = 0; i < 4; ++i) {
            const double exact = out.values[i];
            const QString text = display.format(exact, kQuantities[i]);
            const std::string where = text.toStdString() + " " +
                                      display.symbol(kQuantities[i]).toStdString() + " result " +
                                      std::to_string(i);
            if (exact == 0) {
                EXPECT_EQ(text, "0") << where;
                continue;
            }
            ASSERT_FALSE(text.isEmpty() || text == "." || LireNombre(text) == 0) << where;
            // Back in SI, the text is the exact result to within half a unit of its last digit
            // (and the rounding of the conversion).
            const double shown = LireNombre(text);
            const double factor = display.factor(kQuantities[i]);
            const double exponent = std::floor(std::log10(std::fabs(shown)));
            const double halfUnit = 0.5 * std::pow(10.0, exponent - (digits - 1)) * factor;
            EXPECT_LE(std::fabs(shown * factor - exact), halfUnit * (1 + 1e-9)) << where;
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ServoParts, Exactness, ::testing::Values(
    Part{"ShaftDensity", 1, 'd', "1|2|7870||20||1000"},
    Part{"DiscTotal", 1, 't', "1|1|1||60||"},
    Part{"AluminiumDisc", 1, 'd', "1|1|2700||50||10"},
    Part{"RingDensity", 2, 'd', "1|1|2700||50|20|10"},
    Part{"RingTotal", 2, 't', "1|1|0.5||50|20|10"},
    Part{"RodDensity", 3, 'd', "1|1|7850||20||300"},
    Part{"RodTotal", 3, 't', "1|1|2||20||300"},
    Part{"TubeDensity", 4, 'd', "1|1|7850||20|10|300"},
    Part{"TubeTotal", 4, 't', "1|1|2||20|10|300"},
    Part{"Kind5Density", 5, 'd', "1|1|7850||40|20|30"},
    Part{"Kind5Total", 5, 't', "1|1|0.3||40|20|30"},
    Part{"Kind6Total", 6, 't', "1|1|0.2||50||"},
    Part{"Kind7Density", 7, 'd', "1|1|7850||50|25|10"},
    Part{"Kind7Total", 7, 't', "1|1|0.1||50|25|10"},
    Part{"PolygonDensity", 8, 'd', "1|1|7850|6|50||10"},
    Part{"PolygonTotal", 8, 't', "1|1|0.2|6|50||10"},
    Part{"Kind9Density", 9, 'd', "1|1|7850||30||"},
    Part{"Kind9Total", 9, 't', "1|1|0.1||30||"},
    Part{"Kind10Density", 10, 'd', "1|1|7850|50|20||10"},
    Part{"Kind10Total", 10, 't', "1|1|0.1|50|20||10"},
    Part{"Kind11Density", 11, 'd', "1|1|7850|50|30|10|10"},
    Part{"Kind11Total", 11, 't', "1|1|0.01|50|30|10|10"},
    Part{"Kind12Density", 12, 'd', "1|1|7850|50|20||100"},
    Part{"Kind12Total", 12, 't', "1|1|0.3|50|20||100"},
    Part{"Kind13Density", 13, 'd', "1|1|7850|50|30|10|10"},
    Part{"Kind13Total", 13, 't', "1|1|0.007|50|30|10|10"},
    Part{"Kind14Density", 14, 'd', "1|1|7850|50|20||"},
    Part{"Kind14Total", 14, 't', "1|1|0.05|50|20||"},
    Part{"Kind15Density", 15, 'd', "1|1|7850|50|20|10|5"},
    Part{"Kind15Total", 15, 't', "1|1|0.01|50|20|10|5"},
    Part{"PointMass", 16, 't', "1|1|0.02|30|||"},
    Part{"GivenInertiaAndTorques", 17, 't', "2|2||0.0125|0.003|0.0042|"},
    Part{"ScrewLoadAsConveyor", 18, 't', "1|1|500||3.183098861837907||0"},
    Part{"ConveyorWithFriction", 18, 't', "1|1|100||50|5|0.1"},
    Part{"Kind19Total", 19, 't', "1|1|0.01|20|||"},
    Part{"Kind20Density", 20, 'd', "1|1|7850||100|10|"},
    Part{"Kind20Total", 20, 't', "1|1|0.5||100|10|"},
    Part{"NegativeRatio", 1, 't', "-1|-10|1||60||"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The worked figures of a servo axis, against the formulas worked out by hand.
TEST(Exactness, ServoAxisFiguresInKgCm2) {
    const DisplayChoice kgcm2{Digits::Significant4, MassUnit::Kg, InertiaUnit::KgCm2,
                              TorqueUnit::NM};
    // A 20 x 1000 mm steel shaft at ratio 2: m = 7870 pi 0.01² 1, J = m 0.01² / 2 / 2².
    const CalcOutcome shaft = compute({"", 1, 'd', "1|2|7870||20||1000"});
    ASSERT_EQ(shaft.kind, CalcOutcome::Kind::Results);
    EXPECT_EQ(kgcm2.format(shaft.values[1], Quantity::Inertia), "0.3091");
    EXPECT_EQ(shaft.captions[1], "."); // what Classic shows of it
    // A 1 kg, 60 mm disc: J = 1 0.03² / 2 = 4.5 kg·cm².
    const CalcOutcome disc = compute({"", 1, 't', "1|1|1||60||"});
    EXPECT_EQ(kgcm2.format(disc.values[1], Quantity::Inertia), "4.500");
    // 500 kg on a 10 mm-lead screw: J = m (lead / 2 pi)² = 12.665 kg·cm².
    const CalcOutcome load = compute({"", 18, 't', "1|1|500||3.183098861837907||0"});
    const double lead = 0.010;
    const double byHand = 500 * std::pow(lead / (2 * M_PI), 2);
    EXPECT_NEAR(load.values[1], byHand, 1e-12);
    EXPECT_EQ(kgcm2.format(load.values[1], Quantity::Inertia), "12.67");
}

} // namespace
} // namespace ostrel
