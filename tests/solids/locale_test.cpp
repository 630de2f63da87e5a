// Numbers keep "." as decimal point under a comma-decimal locale.
#include "solids/calculation.h"
#include "solids/numbertext.h"
#include "solids/units.h"
#include "testinputs.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>
#include <locale>
#include <string>

namespace ostrel {
namespace {

// C, C++ and Qt all switched to German; TearDown also runs after a skip.
class GermanLocale : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 not installed";
        previous_ = std::locale::global(std::locale("de_DE.UTF-8"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        std::locale::global(previous_);
        std::setlocale(LC_ALL, saved_.c_str());
    }
    std::string saved_ = std::setlocale(LC_ALL, nullptr);
    std::locale previous_;
};

TEST_F(GermanLocale, ResultsAndNumberTextsStillUseThePoint) {
    ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    const CalcOutcome o = testing::calculate(1, false, "2|2|7850||1000||100");
    ASSERT_EQ(o.kind, CalcOutcome::Kind::Results);
    EXPECT_EQ(QStringList(o.captions.begin(), o.captions.end()).join(u'|'),
              QStringLiteral("1233|38.53|.|."));
    EXPECT_EQ(formatWithMask(1234.567, u"####.00"), QStringLiteral("1234.57"));
    EXPECT_EQ(generalText(1.5e-7), QStringLiteral("1.5E-07"));
    EXPECT_EQ(significantText(12.3456, 4), QStringLiteral("12.35"));
    EXPECT_EQ(signedText(0.5), QStringLiteral(" .5"));
    EXPECT_DOUBLE_EQ(readNumber(u"1.5"), 1.5);
    EXPECT_DOUBLE_EQ(readNumber(u"1,5"), 1.0);
}

} // namespace
} // namespace ostrel
