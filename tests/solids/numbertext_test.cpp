// Reading and writing numbers: readNumber, formatWithMask, generalText, signedText.
#include "solids/numbertext.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace ostrel {
namespace {

std::string utf8(const char16_t* text) {
    return QString::fromUtf16(text).toStdString();
}

// Decimals, blanks anywhere, exponents (E or D), hex and octal, the stop at any other character,
// and numbers beyond the double range read as 0.
TEST(Reading, TakesTheLeadingNumber) {
    const struct {
        const char16_t* text;
        double expected;
    } rows[] = {// clang-format off
        {u"12", 12}, {u".5", 0.5}, {u"-.5", -0.5}, {u"+7", 7}, {u"007", 7}, {u"5.", 5}, {u"-0", 0},
        {u"0.000", 0}, {u"12345678901234567890", 12345678901234567890.0},
        {u"0.1234567890123456789", 0.1234567890123456789},
        // Blanks anywhere.
        {u"  \t\n3.5", 3.5}, {u"1 2", 12}, {u"- 5", -5}, {u"1 . 5", 1.5}, {u"1 e - 2", 0.01},
        {u"   ", 0}, {u"1.5\r", 1.5},
        // Exponents.
        {u"1.5E3", 1500}, {u"1.5e3", 1500}, {u"2D2", 200}, {u"2d-2", 0.02}, {u"1e", 1},
        {u"1e+", 1}, {u"1e+-2", 1}, {u"E5", 0}, {u".e5", 0}, {u"0e5000", 0}, {u"1e2e3", 100},
        // Stops at other characters.
        {u"1,5", 1}, {u"abc", 0}, {u"", 0}, {u"12abc", 12}, {u"1.2.3", 1.2}, {u"--5", 0},
        {u"+-5", 0}, {u"0x1A", 0}, {u".", 0}, {u"\u00a05", 0},
        // Hex and octal.
        {u"&H1F", 31}, {u"&h1f", 31}, {u"&O17", 15}, {u"&o17", 15}, {u" &H 1F", 31}, {u"&H", 0},
        {u"&O8", 0}, {u"&O78", 7}, {u"&X12", 0}, {u"&HFFFF", 65535}, {u"&H1.5", 1},
        {u"-&H1F", 0},
        // Beyond the double range.
        {u"1e999", 0}, {u"-1e999", 0}, {u"1e-999", 0}, {u"1e99999999999999999999", 0},
        {u"1.7976931348623157e308", 1.7976931348623157e308}};
    // clang-format on
    for (const auto& row : rows) {
        const double v = readNumber(QStringView(row.text));
        EXPECT_DOUBLE_EQ(v, row.expected) << utf8(row.text);
        EXPECT_FALSE(v == 0 && std::signbit(v)) << "negative zero from " << utf8(row.text);
    }
}

// Whether a text holds a number tells an empty box, letters and an overflow from a typed 0.
TEST(Reading, TellsWhatTheLeadingNumberIs) {
    using F = NumberForm;
    const struct {
        const char16_t* text;
        NumberForm form;
    } rows[] = {// clang-format off
        {u" \t", F::Blank}, {u"abc", F::None}, {u"-", F::None}, {u".", F::None}, {u"--5", F::None},
        {u"&O8", F::None}, {u"-0.000", F::Number}, {u" - 5", F::Number}, {u".5x", F::Number},
        {u"&h1f", F::Number}, {u"1e400", F::OutOfRange}, {u"-1e-400", F::OutOfRange}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(int(numberForm(QStringView(row.text))), int(row.form)) << utf8(row.text);
}

// Reading exactly matters: one unit off in the last place moves a rounding half.
TEST(readNumber, ReadsRandomNumbersExactlyAsFromCharsDoes) {
    std::mt19937_64 gen(20261206);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-40, 40);
    char buf[64];
    for (int i = 0; i < 20000; ++i) { // shortest forms, and 14 or 15 digits
        const double x = mantissa(gen) * std::pow(10.0, exponent(gen));
        const auto fmt = i % 2 ? std::chars_format::general : std::chars_format::scientific;
        char* end = i % 3 ? std::to_chars(buf, buf + 64, x, fmt).ptr
                          : std::to_chars(buf, buf + 64, x, fmt, 14).ptr;
        double expected = 0;
        std::from_chars(buf, end, expected);
        ASSERT_EQ(readNumber(QString::fromLatin1(buf, end - buf)), expected)
            << std::string(buf, end);
    }
}

// Result captions under their masks; halves go away from zero on the shortest form.
TEST(Masks, WriteTheRoundedValue) {
    const struct {
        double value;
        const char16_t* mask;
        const char16_t* expected;
    } rows[] = {// clang-format off
        {12.5, u"####.##", u"12.5"}, {12, u"####.##", u"12."}, {0.25, u"####.##", u".25"},
        {0, u"####.##", u"."}, {0.004, u"####.##", u"."}, {0.005, u"####.##", u".01"},
        {12345.678, u"####.##", u"12345.68"}, {616.54, u"#####", u"617"}, {0.4, u"#####", u""},
        {99999.5, u"#####", u"100000"}, {1e20, u"####.##", u"100000000000000000000."},
        {1e-300, u"####.##", u"."}, {0.0005, u"#####.###", u".001"},
        // Halves away from zero on the shortest form.
        {2.675, u"####.##", u"2.68"}, {1.005, u"####.##", u"1.01"}, {-2.675, u"####.##", u"-2.68"},
        {9.995, u"####.##", u"10."}, {2.5, u"#####", u"3"}, {-0.5, u"#####", u"-1"},
        {1.0049999, u"####.##", u"1."},
        // Negatives.
        {-12.5, u"####.##", u"-12.5"}, {-0.001, u"####.##", u"."}, {-0.4, u"#####", u""},
        {-0.0, u"####.##", u"."}, {-1234.5, u"#####.###", u"-1234.5"},
        // Fixed decimals.
        {0, u"####.00", u".00"}, {0.5, u"####.00", u".50"}, {1234.567, u"####.00", u"1234.57"},
        {-2.5, u"####.00", u"-2.50"}, {-0.001, u"####.00", u".00"},
        {123456.1, u"####.00", u"123456.10"}, {0.5, u"0.00", u"0.50"}, {1, u"#.0#", u"1.0"}};
    // clang-format on
    for (const auto& r : rows)
        EXPECT_EQ(formatWithMask(r.value, r.mask).toStdString(), utf8(r.expected))
            << r.value << " under " << utf8(r.mask);
}

TEST(GeneralTexts, HoldFifteenSignificantDigits) {
    const struct {
        double value;
        const char16_t* general;
        const char16_t* withSign;
    } rows[] = {// clang-format off
        {1234, u"1234", u" 1234"}, {0.5, u"0.5", u" .5"}, {-3.25, u"-3.25", u"-3.25"},
        {-0.5, u"-0.5", u"-.5"}, {0, u"0", u" 0"}, {-0.0, u"0", u" 0"}, {0.1 + 0.2, u"0.3", u" .3"},
        {1.0 / 3, u"0.333333333333333", u" .333333333333333"},
        {77.07 + 77.07, u"154.14", u" 154.14"},
        {999999999999999, u"999999999999999", u" 999999999999999"},
        {999999999999999.9, u"1E+15", u" 1E+15"}, {1.5e20, u"1.5E+20", u" 1.5E+20"},
        {1e-5, u"0.00001", u" .00001"}, {1.5e-7, u"1.5E-07", u" 1.5E-07"},
        // Near the largest double.
        {1.7976931348623157e308, u"1.79769313486231E+308", u" 1.79769313486231E+308"},
        {1.7976931348623e308, u"1.7976931348623E+308", u" 1.7976931348623E+308"}};
    // clang-format on
    for (const auto& r : rows) {
        EXPECT_EQ(generalText(r.value).toStdString(), utf8(r.general)) << r.value;
        EXPECT_EQ(signedText(r.value).toStdString(), utf8(r.withSign)) << r.value;
    }
}

// Nothing infinite goes in or out: a number beyond the double range reads as 0, infinity and
// NaN are written as nothing, and every text up to the largest double reads back to the same
// magnitude.
TEST(NumberTexts, NeverReadOrWriteInfinity) {
    const QString digits = QStringLiteral("1") + QString(300, u'0');
    EXPECT_DOUBLE_EQ(readNumber(digits), 1e300);
    EXPECT_EQ(readNumber(digits + QStringLiteral("0000000000")), 0.0); // 1e310
    EXPECT_EQ(readNumber(QStringLiteral("&H") + QString(300, u'F')), 0.0);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(formatWithMask(inf, u"####.##"), QString());
    EXPECT_EQ(formatWithMask(std::nan(""), u"#####"), QString());
    EXPECT_EQ(generalText(inf), QString());
    EXPECT_EQ(signedText(std::nan("")), QString());
    const QString huge = formatWithMask(1.7976931348623157e308, u"####.##");
    EXPECT_EQ(huge.size(), 310);
    EXPECT_DOUBLE_EQ(readNumber(huge), 1.7976931348623157e308);
    const double top = std::numeric_limits<double>::max();
    for (double v : {top, -top, std::nextafter(top, 0.0), 1.797693134862315e308, 9.9e307,
                     std::numeric_limits<double>::denorm_min(), 1.0 / 3}) {
        const double back = readNumber(generalText(v));
        EXPECT_TRUE(std::isfinite(back)) << v;
        EXPECT_NEAR(back / v, 1.0, 1e-14) << generalText(v).toStdString();
    }
}

} // namespace
} // namespace ostrel
