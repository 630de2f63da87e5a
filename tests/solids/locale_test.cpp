// Numbers keep "." as decimal point under a comma-decimal locale.
#include "solids/calcul.h"
#include "solids/numbertext.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>
#include <locale>
#include <string>

namespace ostrel {
namespace {

class GermanLocale : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 not installed";
        try {
            previous_ = std::locale::global(std::locale("de_DE.UTF-8"));
        } catch (const std::exception&) {
            std::setlocale(LC_ALL, saved_.c_str());
            GTEST_SKIP() << "de_DE.UTF-8 not available to std::locale";
        }
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        active_ = true;
    }
    void TearDown() override {
        if (!active_) return;
        QLocale::setDefault(QLocale::c());
        std::locale::global(previous_);
        std::setlocale(LC_ALL, saved_.c_str());
    }

private:
    std::string saved_;
    std::locale previous_;
    bool active_ = false;
};

TEST_F(GermanLocale, ResultsStillUseThePoint) {
    ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    CalcInputs in;
    in.code = 1;
    in.masseTotale = false;
    in.texts = {QStringLiteral("2"),    QStringLiteral("2"), QStringLiteral("7850"), QString(),
                QStringLiteral("1000"), QString(),           QStringLiteral("100")};
    const CalcOutcome o = CalculeInertie(in);
    ASSERT_EQ(o.kind, CalcOutcome::Kind::Results);
    EXPECT_EQ(o.captions[0], QStringLiteral("1233"));
    EXPECT_EQ(o.captions[1], QStringLiteral("38.53"));
    EXPECT_EQ(o.captions[2], QStringLiteral("."));
}

TEST_F(GermanLocale, NumberTextsStillUseThePoint) {
    EXPECT_EQ(FormatMasque(1234.567, u"####.00"), QStringLiteral("1234.57"));
    EXPECT_EQ(FormatMasque(12, u"####.##"), QStringLiteral("12."));
    EXPECT_EQ(texteGeneral(154.14), QStringLiteral("154.14"));
    EXPECT_EQ(texteGeneral(1.5e-7), QStringLiteral("1.5E-07"));
    EXPECT_EQ(texteSigne(0.5), QStringLiteral(" .5"));
    EXPECT_DOUBLE_EQ(LireNombre(u"1.5"), 1.5);
    EXPECT_DOUBLE_EQ(LireNombre(u"1,5"), 1.0);
    EXPECT_DOUBLE_EQ(LireNombre(u"2.5E3"), 2500.0);
}

} // namespace
} // namespace ostrel
