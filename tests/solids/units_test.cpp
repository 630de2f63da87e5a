// Significant digits, units and their stored texts.
#include "solids/numbertext.h"
#include "solids/units.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace ostrel {
namespace {

TEST(Significant, WritesTheValue) {
    // clang-format off
    const struct { double value; int digits; const char* expected; } rows[] = {
        {0.0, 4, "0"}, {-0.0, 4, "0"}, {1.5811e-4, 4, "0.0001581"}, {12.3456, 4, "12.35"},
        {77067.19, 4, "77070"}, {2.0, 4, "2.000"}, {9.99951, 4, "10.00"},
        {1.5811e-7, 4, "1.581E-07"}, {2.5e12, 4, "2.500E+12"}, {-1.5811e-9, 4, "-1.581E-09"},
        {1234567890.0, 4, "1235000000"}, {12345678901.0, 4, "1.235E+10"},
        {0.30906123, 6, "0.309061"}, {4.9e-324, 4, "4.941E-324"},
        {1.7976931348623157e308, 4, "1.798E+308"}, {INFINITY, 4, ""}};
    // clang-format on
    for (const auto& r : rows)
        EXPECT_EQ(significantText(r.value, r.digits).toStdString(), r.expected) << r.value;
}

// Whatever the magnitude and sign, the text is never "0", "." or empty for a non-zero value,
// and reads back with readNumber to the value at the asked significant digits.
TEST(Significant, ReadsBackWithinHalfAUnitOfTheLastDigit) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-30.0, 30.0);
    for (int i = 0; i < 20000; ++i) {
        const double v = std::pow(10.0, exponent(random)) * ((random() & 1) ? -1 : 1);
        for (int digits : {4, 6}) {
            const QString text = significantText(v, digits);
            ASSERT_FALSE(text.isEmpty());
            ASSERT_LE(text.size(), 11 + (v < 0)) << text.toStdString();
            const double back = readNumber(text);
            ASSERT_NE(back, 0.0) << text.toStdString();
            // Half a unit of the last digit is at most 0.5 x 10^(1 - digits) of the value.
            ASSERT_LE(std::fabs(back - v),
                      0.5 * std::pow(10.0, 1 - digits) * std::fabs(v) * (1 + 1e-9))
                << v << " -> " << text.toStdString();
        }
    }
}

// One unit of each quantity in SI, from the exact definitions of the pound, inch and
// pound-force.
TEST(Units, FactorsAreTheExactDefinitions) {
    EXPECT_EQ(unitFactor(Quantity::Mass, int(MassUnit::Lb)), 0.45359237);
    EXPECT_DOUBLE_EQ(unitFactor(Quantity::Inertia, int(InertiaUnit::LbIn2)),
                     0.45359237 * 0.0254 * 0.0254);
    EXPECT_DOUBLE_EQ(unitFactor(Quantity::Inertia, int(InertiaUnit::LbFt2)), 0.0421401100938048);
    EXPECT_DOUBLE_EQ(unitFactor(Quantity::Torque, int(TorqueUnit::LbfIn)), 0.1129848290276167);
    EXPECT_EQ(unitFactor(Quantity::Inertia, int(InertiaUnit::GCm2)), 1e-7);

    DisplayChoice choice{Digits::Significant4, MassUnit::G, InertiaUnit::KgCm2, TorqueUnit::NCm};
    EXPECT_EQ(choice.format(0.25, Quantity::Mass), "250.0");
    EXPECT_EQ(choice.format(1.5, Quantity::Torque), "150.0");
    // Classic is always SI.
    EXPECT_EQ(DisplayChoice{}.symbol(Quantity::Inertia), QString::fromUtf8("kg·m²"));
    choice.digits = Digits::Classic;
    EXPECT_EQ(choice.factor(Quantity::Inertia), 1.0);
}

// Stored texts go round; missing, unknown or malformed ones fall back field by field.
TEST(Units, StoredTextsFallBackToClassicAndSi) {
    const DisplayChoice all{Digits::Significant6, MassUnit::Lb, InertiaUnit::LbFt2,
                            TorqueUnit::LbfIn};
    EXPECT_EQ(fromTexts(toTexts(all)), all);
    EXPECT_EQ(fromTexts({}), DisplayChoice{});
    const DisplayChoice odd = fromTexts({"5", "tonne", "kg.cm2", "\xff"});
    EXPECT_EQ(odd.digits, Digits::Classic);
    EXPECT_EQ(odd.mass, MassUnit::Kg);
    EXPECT_EQ(odd.inertia, InertiaUnit::KgCm2);
    EXPECT_EQ(odd.torque, TorqueUnit::NM);
    EXPECT_EQ(unitSymbol(Quantity::Mass, 7), QString());
    EXPECT_EQ(unitFactor(Quantity::Torque, -1), 1.0);
}

// The command line's --digits and --units over a stored choice: the menu's names or the keys,
// a unit bringing in significant digits; a bad value is refused naming what is accepted.
TEST(Units, CommandLineOptionsGoOverTheStoredChoice) {
    const DisplayChoice stored{Digits::Classic, MassUnit::Lb};
    const DisplayChoice cm{Digits::Significant4, MassUnit::G, InertiaUnit::KgCm2, TorqueUnit::NCm};
    const struct {
        std::optional<QString> digits, units;
        std::optional<DisplayChoice> expected;
        const char* refusal;
    } rows[] = {{{}, {}, stored, ""},
                {"significant", {}, DisplayChoice{Digits::Significant4, MassUnit::Lb}, ""},
                {"4", QString::fromUtf8("inertia=kg·cm²,mass=g,torque=N·cm"), cm, ""},
                {{}, "torque = n.cm, MASS=g, inertia=kg.cm2", cm, ""},
                {"5", {}, {}, "classic, significant (4 digits), 4, 6"},
                {{}, "inertia=kgcm2", {}, "inertia=kg\xc2\xb7m\xc2\xb2|kg\xc2\xb7"},
                {{}, "mass=g,mass=kg", {}, "mass is given twice"},
                {"classic", "mass=g", {}, "SI units"}};
    for (const auto& row : rows) {
        QString refusal;
        EXPECT_EQ(displayWithOptions(stored, row.digits, row.units, &refusal), row.expected);
        EXPECT_TRUE(refusal.contains(QString::fromUtf8(row.refusal))) << refusal.toStdString();
    }
}

} // namespace
} // namespace ostrel
