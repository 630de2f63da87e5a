// Reading and writing numbers: LireNombre, FormatMasque, texteGeneral, texteSigne.
#include "solids/numbertext.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <random>

namespace ostrel {
namespace {

// A text as a word that can stand in a test name: letters and digits kept, "p" for a point,
// "m" for a minus, "_" for anything else. Test names are the row's index and this word, so
// they are readable and stay the same from run to run.
std::string word(QStringView text) {
    std::string name;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool plain =
            (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
        name += plain ? char(u) : u == u'.' ? 'p' : u == u'-' ? 'm' : '_';
    }
    return name;
}

std::string spelt(int index, QStringView text) {
    return "r" + std::to_string(index) + (text.isEmpty() ? "" : "_" + word(text));
}

std::string numberWord(double value) {
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return word(QString::fromLatin1(buf, end - buf));
}

std::string numberName(int index, double value) {
    return "r" + std::to_string(index) + "_" + numberWord(value);
}

struct ReadRow {
    const char16_t* text;
    double expected;
};

class Reading : public ::testing::TestWithParam<ReadRow> {};
std::string readName(const ::testing::TestParamInfo<ReadRow>& info) {
    return spelt(int(info.index), QStringView(info.param.text));
}
// The row as the test lists show it: the text spelt out.
void PrintTo(const ReadRow& row, std::ostream* os) {
    *os << word(QStringView(row.text));
}

TEST_P(Reading, TakesTheLeadingNumber) {
    const double v = LireNombre(QStringView(GetParam().text));
    EXPECT_DOUBLE_EQ(v, GetParam().expected) << QString::fromUtf16(GetParam().text).toStdString();
    EXPECT_FALSE(v == 0 && std::signbit(v)) << "negative zero";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decimals, Reading, ::testing::Values(
    ReadRow{u"12", 12}, ReadRow{u".5", 0.5}, ReadRow{u"-.5", -0.5}, ReadRow{u"+7", 7}, ReadRow{u"007", 7},
    ReadRow{u"5.", 5}, ReadRow{u"-0", 0}, ReadRow{u"0.000", 0}, ReadRow{u"0.004", 0.004},
    ReadRow{u"12345678901234567890", 12345678901234567890.0}, ReadRow{u"0.1234567890123456789", 0.1234567890123456789}), readName);
INSTANTIATE_TEST_SUITE_P(BlanksAnywhere, Reading, ::testing::Values(
    ReadRow{u"  \t\n3.5", 3.5}, ReadRow{u"1 2", 12}, ReadRow{u"- 5", -5}, ReadRow{u"3 000", 3000},
    ReadRow{u"1 . 5", 1.5}, ReadRow{u"1 e - 2", 0.01}, ReadRow{u"   ", 0}, ReadRow{u"1.5\r", 1.5}), readName);
INSTANTIATE_TEST_SUITE_P(Exponents, Reading, ::testing::Values(
    ReadRow{u"1.5E3", 1500}, ReadRow{u"1.5e3", 1500}, ReadRow{u"2D2", 200}, ReadRow{u"2d-2", 0.02},
    ReadRow{u"1E+2", 100}, ReadRow{u"1e", 1}, ReadRow{u"1e+", 1}, ReadRow{u"1e+-2", 1}, ReadRow{u"E5", 0},
    ReadRow{u".e5", 0}, ReadRow{u"0e5000", 0}, ReadRow{u"1e2e3", 100}, ReadRow{u"1.5e-30", 1.5e-30}), readName);
INSTANTIATE_TEST_SUITE_P(StopsAtOtherCharacters, Reading, ::testing::Values(
    ReadRow{u"1,5", 1}, ReadRow{u"abc", 0}, ReadRow{u"", 0}, ReadRow{u"12abc", 12}, ReadRow{u"1.2.3", 1.2},
    ReadRow{u"--5", 0}, ReadRow{u"+-5", 0}, ReadRow{u"0x1A", 0}, ReadRow{u".", 0}, ReadRow{u"\u00a05", 0}), readName);
INSTANTIATE_TEST_SUITE_P(HexAndOctal, Reading, ::testing::Values(
    ReadRow{u"&H1F", 31}, ReadRow{u"&h1f", 31}, ReadRow{u"&O17", 15}, ReadRow{u"&o17", 15},
    ReadRow{u" &H 1F", 31}, ReadRow{u"&H", 0}, ReadRow{u"&O8", 0}, ReadRow{u"&O78", 7}, ReadRow{u"&X12", 0},
    ReadRow{u"&HFFFF", 65535}, ReadRow{u"&H1.5", 1}, ReadRow{u"-&H1F", 0}), readName);
INSTANTIATE_TEST_SUITE_P(BeyondTheDoubleRange, Reading, ::testing::Values(
    ReadRow{u"1e999", 0}, ReadRow{u"-1e999", 0}, ReadRow{u"1e-999", 0}, ReadRow{u"1e99999999999999999999", 0},
    ReadRow{u"1.7976931348623157e308", 1.7976931348623157e308}), readName);
// clang-format on

// The overflow rule: a number beyond the double range reads as 0, never as infinity.
TEST(LireNombre, LongTextsNeverGiveInfinity) {
    const QString digits = QStringLiteral("1") + QString(300, u'0');
    EXPECT_DOUBLE_EQ(LireNombre(digits), 1e300);
    EXPECT_EQ(LireNombre(digits + QStringLiteral("0000000000")), 0.0); // 1e310
    EXPECT_EQ(LireNombre(QStringLiteral("&H") + QString(300, u'F')), 0.0);
}

// Reading exactly matters: one unit off in the last place moves a rounding half.
TEST(LireNombre, ReadsRandomNumbersExactlyAsFromCharsDoes) {
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
        ASSERT_EQ(LireNombre(QString::fromLatin1(buf, end - buf)), expected)
            << std::string(buf, end);
    }
}

struct MaskRow {
    double value;
    const char16_t* mask;
    const char16_t* expected;
};

class Masks : public ::testing::TestWithParam<MaskRow> {};
std::string maskName(const ::testing::TestParamInfo<MaskRow>& info) {
    return numberName(int(info.index), info.param.value) + "_" + word(info.param.mask);
}
void PrintTo(const MaskRow& row, std::ostream* os) {
    *os << numberWord(row.value) << "_" << word(row.mask);
}

TEST_P(Masks, WriteTheRoundedValue) {
    const MaskRow& r = GetParam();
    EXPECT_EQ(FormatMasque(r.value, r.mask).toStdString(),
              QString::fromUtf16(r.expected).toStdString());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ResultCaptions, Masks, ::testing::Values(
    MaskRow{12.5, u"####.##", u"12.5"}, MaskRow{12, u"####.##", u"12."}, MaskRow{0.25, u"####.##", u".25"},
    MaskRow{0, u"####.##", u"."}, MaskRow{0.004, u"####.##", u"."}, MaskRow{0.005, u"####.##", u".01"},
    MaskRow{12345.678, u"####.##", u"12345.68"}, MaskRow{616.54, u"#####", u"617"}, MaskRow{0.4, u"#####", u""},
    MaskRow{99999.5, u"#####", u"100000"}, MaskRow{1e20, u"####.##", u"100000000000000000000."},
    MaskRow{1e-300, u"####.##", u"."}, MaskRow{0.0005, u"#####.###", u".001"}), maskName);
INSTANTIATE_TEST_SUITE_P(HalvesAwayFromZeroOnTheShortestForm, Masks, ::testing::Values(
    MaskRow{2.675, u"####.##", u"2.68"}, MaskRow{1.005, u"####.##", u"1.01"}, MaskRow{-2.675, u"####.##", u"-2.68"},
    MaskRow{0.995, u"####.##", u"1."}, MaskRow{9.995, u"####.##", u"10."}, MaskRow{2.5, u"#####", u"3"},
    MaskRow{-0.5, u"#####", u"-1"}, MaskRow{1.0049999, u"####.##", u"1."}), maskName);
INSTANTIATE_TEST_SUITE_P(Negatives, Masks, ::testing::Values(
    MaskRow{-12.5, u"####.##", u"-12.5"}, MaskRow{-0.001, u"####.##", u"."}, MaskRow{-0.4, u"#####", u""},
    MaskRow{-0.0, u"####.##", u"."}, MaskRow{-1234.5, u"#####.###", u"-1234.5"}), maskName);
INSTANTIATE_TEST_SUITE_P(FixedDecimals, Masks, ::testing::Values(
    MaskRow{0, u"####.00", u".00"}, MaskRow{0.5, u"####.00", u".50"}, MaskRow{1234.567, u"####.00", u"1234.57"},
    MaskRow{-2.5, u"####.00", u"-2.50"}, MaskRow{-0.001, u"####.00", u".00"},
    MaskRow{123456.1, u"####.00", u"123456.10"}, MaskRow{0.5, u"0.00", u"0.50"}, MaskRow{1, u"#.0#", u"1.0"}), maskName);
// clang-format on

TEST(NumberTexts, NeverWriteInfinityOrNan) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatMasque(inf, u"####.##"), QString());
    EXPECT_EQ(FormatMasque(std::nan(""), u"#####"), QString());
    EXPECT_EQ(texteGeneral(inf), QString());
    EXPECT_EQ(texteSigne(std::nan("")), QString());
    const QString huge = FormatMasque(1.7976931348623157e308, u"####.##");
    EXPECT_EQ(huge.size(), 310);
    EXPECT_DOUBLE_EQ(LireNombre(huge), 1.7976931348623157e308);
}

struct GeneralRow {
    double value;
    const char16_t* general;
    const char16_t* signe;
};

class GeneralTexts : public ::testing::TestWithParam<GeneralRow> {};
std::string generalName(const ::testing::TestParamInfo<GeneralRow>& info) {
    return numberName(int(info.index), info.param.value);
}
void PrintTo(const GeneralRow& row, std::ostream* os) {
    *os << numberWord(row.value);
}

TEST_P(GeneralTexts, HoldFifteenSignificantDigits) {
    const GeneralRow& r = GetParam();
    EXPECT_EQ(texteGeneral(r.value).toStdString(), QString::fromUtf16(r.general).toStdString());
    EXPECT_EQ(texteSigne(r.value).toStdString(), QString::fromUtf16(r.signe).toStdString());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, GeneralTexts, ::testing::Values(
    GeneralRow{1234, u"1234", u" 1234"}, GeneralRow{77.07, u"77.07", u" 77.07"}, GeneralRow{0.5, u"0.5", u" .5"},
    GeneralRow{-3.25, u"-3.25", u"-3.25"}, GeneralRow{-0.5, u"-0.5", u"-.5"}, GeneralRow{3, u"3", u" 3"},
    GeneralRow{0, u"0", u" 0"}, GeneralRow{-0.0, u"0", u" 0"}, GeneralRow{0.1 + 0.2, u"0.3", u" .3"},
    GeneralRow{1.0 / 3, u"0.333333333333333", u" .333333333333333"}, GeneralRow{77.07 + 77.07, u"154.14", u" 154.14"},
    GeneralRow{999999999999999, u"999999999999999", u" 999999999999999"},
    GeneralRow{999999999999999.9, u"1E+15", u" 1E+15"}, GeneralRow{1.5e20, u"1.5E+20", u" 1.5E+20"},
    GeneralRow{1e100, u"1E+100", u" 1E+100"}, GeneralRow{1e-5, u"0.00001", u" .00001"},
    GeneralRow{1.5e-7, u"1.5E-07", u" 1.5E-07"}, GeneralRow{-1.23e-6, u"-1.23E-06", u"-1.23E-06"}), generalName);
INSTANTIATE_TEST_SUITE_P(NearTheLargestDouble, GeneralTexts, ::testing::Values(
    GeneralRow{1.7976931348623157e308, u"1.79769313486231E+308", u" 1.79769313486231E+308"},
    GeneralRow{-1.7976931348623157e308, u"-1.79769313486231E+308", u"-1.79769313486231E+308"},
    GeneralRow{1.797693134862315e308, u"1.79769313486231E+308", u" 1.79769313486231E+308"},
    GeneralRow{1.79769313486231e308, u"1.79769313486231E+308", u" 1.79769313486231E+308"},
    GeneralRow{1.7976931348623e308, u"1.7976931348623E+308", u" 1.7976931348623E+308"}), generalName);
// clang-format on

// Every general text reads back as a finite number within its 15 significant digits, up to the
// largest double.
TEST(NumberTexts, GeneralTextsReadBackToTheSameMagnitude) {
    const double top = std::numeric_limits<double>::max();
    for (double v : {top, -top, std::nextafter(top, 0.0), 1.797693134862315e308, 1e308, 9.9e307,
                     std::numeric_limits<double>::denorm_min(), 1.0 / 3}) {
        const double back = LireNombre(texteGeneral(v));
        EXPECT_TRUE(std::isfinite(back)) << v;
        EXPECT_NEAR(back / v, 1.0, 1e-14) << texteGeneral(v).toStdString();
    }
}

} // namespace
} // namespace ostrel
