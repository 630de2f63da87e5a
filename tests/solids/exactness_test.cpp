// Results shown with significant digits in every unit read back, converted to SI, as the exact
// results to the shown digits: servo-sized parts of all twenty kinds, in both mass modes where
// the editor offers them.
#include "solids/calculation.h"
#include "solids/numbertext.h"
#include "solids/units.h"
#include "testinputs.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace ostrel {
namespace {

struct Part {
    int code;
    char mode;         // 'd' density, 't' total mass
    const char* texts; // "quantity|ratio|mass|R|D|d|H"
};

constexpr Quantity kQuantities[4] = {Quantity::Mass, Quantity::Inertia, Quantity::Torque,
                                     Quantity::Torque};

// Servo-sized parts of every kind, in both mass modes, from grams to half a tonne.
TEST(Exactness, ShownTextsReadBackAsTheExactResults) {
    // clang-format off
    const Part parts[] = {
        {1, 'd', "1|2|7870||20||1000"}, {1, 't', "1|1|1||60||"}, {2, 'd', "1|1|2700||50|20|10"},
        {3, 't', "1|1|2||20||300"}, {4, 'd', "1|1|7850||20|10|300"}, {5, 't', "1|1|0.3||40|20|30"},
        {6, 't', "1|1|0.2||50||"}, {7, 'd', "1|1|7850||50|25|10"}, {8, 't', "1|1|0.2|6|50||10"},
        {9, 'd', "1|1|7850||30||"}, {10, 't', "1|1|0.1|50|20||10"},
        {11, 'd', "1|1|7850|50|30|10|10"}, {12, 't', "1|1|0.3|50|20||100"},
        {13, 'd', "1|1|7850|50|30|10|10"}, {14, 't', "1|1|0.05|50|20||"},
        {15, 'd', "1|1|7850|50|20|10|5"}, {16, 't', "1|1|0.02|30|||"},
        {17, 't', "2|2||0.0125|0.003|0.0042|"}, {18, 't', "1|1|500||3.183098861837907||0"},
        {18, 't', "1|1|100||50|5|0.1"}, {19, 't', "1|1|0.01|20|||"},
        {20, 'd', "1|1|7850||100|10|"}, {1, 't', "-1|10|1||60||"}};
    // clang-format on
    std::vector<DisplayChoice> displays; // each unit of each family, with 4 and 6 digits
    for (Digits d : {Digits::Significant4, Digits::Significant6})
        for (int m = 0; m < unitCount(Quantity::Mass); ++m)
            for (int j = 0; j < unitCount(Quantity::Inertia); ++j)
                for (int t = 0; t < unitCount(Quantity::Torque); ++t)
                    displays.push_back({d, MassUnit(m), InertiaUnit(j), TorqueUnit(t)});
    for (const Part& p : parts) {
        const CalcOutcome out = testing::calculate(p.code, p.mode == 't', p.texts);
        ASSERT_EQ(out.kind, CalcOutcome::Kind::Results) << p.texts;
        ASSERT_NE(out.values[1], 0.0) << "every part has an inertia: " << p.texts;
        for (const DisplayChoice& display : displays) {
            const int digits = display.significantDigits();
            for (size_t i = 0; i < 4; ++i) {
                const double exact = out.values[i];
                const QString text = display.format(exact, kQuantities[i]);
                const std::string where = std::string(p.texts) + ": " + text.toStdString() + " " +
                                          display.symbol(kQuantities[i]).toStdString();
                if (exact == 0) {
                    EXPECT_EQ(text, "0") << where;
                    continue;
                }
                ASSERT_FALSE(text.isEmpty() || text == "." || readNumber(text) == 0) << where;
                // Back in SI, the text is the exact result to within half a unit of its last
                // digit (and the rounding of the conversion).
                const double shown = readNumber(text);
                const double factor = display.factor(kQuantities[i]);
                const double exponent = std::floor(std::log10(std::fabs(shown)));
                const double halfUnit = 0.5 * std::pow(10.0, exponent - (digits - 1)) * factor;
                EXPECT_LE(std::fabs(shown * factor - exact), halfUnit * (1 + 1e-9)) << where;
            }
        }
    }
}

} // namespace
} // namespace ostrel
