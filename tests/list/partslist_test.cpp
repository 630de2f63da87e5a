#include "list/partslist.h"
#include "solids/numbertext.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <random>

// Readable failures: QString as its text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

using ostrel::PartsList;
using Kind = PartsList::AddOutcome::Kind;
using Captions = std::array<QString, 4>;

namespace {

PartsList::Line resultsLine(const Captions& captions) {
    PartsList::Line line;
    line.captions = captions;
    line.texts = {"1", "1", "10", "", "", "", ""};
    line.code = 18;
    line.image = 21;
    return line;
}

// A disc line: mass 617 kg, inertia 77.07 kg·m², no torques.
PartsList::Line discLine() {
    PartsList::Line line = resultsLine({"617", "77.07", ".", "."});
    line.totalMass = false;
    line.texts = {"1", "1", "7850", "", "1000", "", "100"};
    line.code = 1;
    line.image = 6;
    return line;
}

QStringList totals(const PartsList& list) {
    return {list.total(1), list.total(2), list.total(3), list.total(4)};
}

QStringList cells(const PartsList& list, int row, int first, int last) {
    QStringList out;
    for (int c = first; c <= last; ++c)
        out << list.cell(row, c);
    return out;
}

} // namespace

TEST(PartsList, DiscLinesAddAndTakeBackButNeverTheHeadingRow) {
    PartsList list({"1", "2", "3", "4"}); // headings that read as numbers
    ASSERT_EQ(list.add(discLine()).kind, Kind::Added);
    EXPECT_EQ(cells(list, 1, 0, 14), QStringList({"", "617.", "77.07", "0", "0", "False", "1", "1",
                                                  "7850", "1", "", "1000", "", "100", "1"}));
    EXPECT_EQ(list.image(1), 6);
    EXPECT_EQ(totals(list), QStringList({"617", "77.07", "0", "0"}));

    // Two adds and one take-back.
    ASSERT_EQ(list.add(discLine()).kind, Kind::Added);
    EXPECT_EQ(totals(list), QStringList({"1234", "154.14", "0", "0"}));
    ASSERT_TRUE(list.takeBack(1).has_value());
    for (int row : {0, -1, 2}) {
        EXPECT_FALSE(list.canTakeBack(row)) << row;
        EXPECT_FALSE(list.takeBack(row).has_value()) << row;
    }
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(totals(list), QStringList({"617", "77.07", "0", "0"}));
}

TEST(PartsList, LinesWhoseCellsSumToZeroAreIgnoredOthersAreMaskedOrZero) {
    PartsList list;
    // Dots, results that cancel, and a result that the mask writes as nothing (such a row could
    // never be taken back).
    for (const Captions& c : {Captions{".", ".", ".", "."}, Captions{"5", "", "", "-5"},
                              Captions{"0.0004", "", "", ""}}) {
        const auto outcome = list.add(resultsLine(c));
        EXPECT_EQ(outcome.kind, Kind::Ignored) << c[0].toStdString();
        EXPECT_TRUE(outcome.message.empty());
    }
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(totals(list), QStringList({"", "", "", ""}));

    ASSERT_EQ(list.add(resultsLine({"1.2345", "0.0005", "3.456", "2.005"})).kind, Kind::Added);
    ASSERT_EQ(list.add(resultsLine({"", "2.5", "", "x"})).kind, Kind::Added);
    EXPECT_EQ(cells(list, 1, 1, 4), QStringList({"1.235", ".001", "3.46", "2.01"}));
    EXPECT_EQ(cells(list, 2, 1, 4), QStringList({"0", "2.5", "0", "0"}));
    // The totals sum the cells as written, not the captions.
    EXPECT_EQ(totals(list), QStringList({"1.235", "2.501", "3.46", "2.01"}));
}

TEST(PartsList, LinesThatWouldSpoilTheTotalsAreRefused) {
    PartsList list;
    ASSERT_EQ(list.add(resultsLine({"10", "1", "2", "3"})).kind, Kind::Added);

    const auto outcome = list.add(resultsLine({"1", "1", "1", "-5"}));
    EXPECT_EQ(outcome.kind, Kind::Refused);
    ASSERT_EQ(outcome.message.size(), 2u);
    EXPECT_EQ(outcome.message[0].entry, 346);
    EXPECT_EQ(outcome.message[1].entry, 347);
    EXPECT_EQ(outcome.icon, ostrel::MessageIcon::Exclamation);
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(totals(list), QStringList({"10", "1", "2", "3"}));

    // A negative torque that keeps a positive product, or a zero total, is accepted.
    EXPECT_EQ(list.add(resultsLine({"1", "1", "1", "-1"})).kind, Kind::Added);
    EXPECT_EQ(totals(list), QStringList({"11", "2", "3", "2"}));
    EXPECT_EQ(PartsList().add(resultsLine({"1", "1", "", "-5"})).kind, Kind::Added);

    // Overflow: a total beyond the range of a double.
    PartsList big;
    ASSERT_EQ(big.add(resultsLine({"1E308", "", "", ""})).kind, Kind::Added);
    EXPECT_EQ(big.add(resultsLine({"1.5E308", "", "", ""})).kind, Kind::Refused);
    EXPECT_EQ(big.rowCount(), 2);
    ASSERT_TRUE(big.takeBack(1).has_value()); // the total was left as it was
    EXPECT_EQ(big.total(1), "0");
}

TEST(PartsList, TakeBackReturnsWhatTheEditorNeeds) {
    PartsList list;
    PartsList::Line line = resultsLine({"617", "77.07", ".", "."});
    line.texts = {"3", "2", "100", "r", "1000", "d", "100"};
    ASSERT_EQ(list.add(line).kind, Kind::Added);
    ASSERT_EQ(list.add(discLine()).kind, Kind::Added);
    // Column 9 is the constant "1", column 14 the kind code.
    EXPECT_EQ(cells(list, 1, 5, 14),
              QStringList({"True", "3", "2", "100", "1", "r", "1000", "d", "100", "18"}));

    const auto back = list.takeBack(1);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->code, 18);
    EXPECT_EQ(back->image, 21);
    EXPECT_TRUE(back->totalMass);
    EXPECT_EQ(back->quantity, "3");
    EXPECT_EQ(back->ratio, "2");
    // The mass goes back as typed, not divided by the ratio of 2.
    EXPECT_EQ(back->mass, "100");
    EXPECT_EQ(back->dimensions, (std::array<QString, 4>{"r", "1000", "d", "100"}));

    // The disc row moved up and comes back with its own mode.
    const auto disc = list.takeBack(1);
    ASSERT_TRUE(disc.has_value());
    EXPECT_FALSE(disc->totalMass);
    EXPECT_EQ(disc->mass, "7850");
}

TEST(PartsList, TakeBackSurvivesRatioZeroAndOddTexts) {
    PartsList list;
    // The torque total comes back to 0 from below and must read "0", not "-0".
    PartsList::Line line = resultsLine({"5", "", "", "-0.1"});
    line.texts = {"abc", "0", "&H", "", "1E999", "-", "."};
    line.code = 70000; // beyond a 16-bit kind code
    ASSERT_EQ(list.add(line).kind, Kind::Added);
    const auto back = list.takeBack(1);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->code, 0);
    EXPECT_EQ(back->ratio, "0");
    EXPECT_EQ(back->mass, "&H");
    EXPECT_EQ(totals(list), QStringList({"0", "0", "0", "0"}));
}

// A caption of up to four decimals (more than the cells keep), "." or "0".
static QString randomCaption(std::mt19937& random, int maxWhole, bool allowNegative) {
    const int kind = std::uniform_int_distribution<int>(0, 9)(random);
    if (kind == 0) return QStringLiteral(".");
    if (kind == 1) return QStringLiteral("0");
    const int whole = std::uniform_int_distribution<int>(0, maxWhole)(random);
    const int fraction = std::uniform_int_distribution<int>(0, 9999)(random);
    const QString text = QString("%1.%2").arg(whole).arg(fraction, 4, 10, QChar('0'));
    return allowNegative && kind == 2 ? "-" + text : text;
}

TEST(PartsList, TotalsNeverDriftFromTheRows) {
    std::mt19937 random(20261206);
    for (int sequence = 0; sequence < 200; ++sequence) {
        PartsList list;
        const int count = std::uniform_int_distribution<int>(1, 60)(random);
        for (int step = 0; step < count; ++step) {
            if (std::uniform_int_distribution<int>(0, 9)(random) < 6 || list.partCount() == 0) {
                list.add(resultsLine(
                    {randomCaption(random, 5000, false), randomCaption(random, 800, false),
                     randomCaption(random, 300, true), randomCaption(random, 300, true)}));
            } else {
                list.takeBack(std::uniform_int_distribution<int>(1, list.partCount())(random));
            }
            for (int k = 1; k <= 4; ++k) {
                long long thousandths = 0; // every cell holds at most three decimals
                for (int r = 1; r < list.rowCount(); ++r)
                    thousandths += std::llround(ostrel::readNumber(list.cell(r, k)) * 1000.0);
                if (list.partCount() == 0 && list.total(k).isEmpty()) continue; // nothing added yet
                ASSERT_EQ(list.total(k), ostrel::generalText(thousandths / 1000.0))
                    << "sequence " << sequence << " step " << step << " column " << k;
            }
        }
        while (list.partCount() > 0)
            ASSERT_TRUE(list.takeBack(1).has_value()) << "sequence " << sequence;
        for (int k = 1; k <= 4; ++k) // empty when nothing was ever added
            EXPECT_TRUE(list.total(k).isEmpty() || list.total(k) == "0")
                << "sequence " << sequence << " total " << list.total(k).toStdString();
    }
}

// Exact results spread over fifteen orders of magnitude, with torques of either sign: the exact
// totals stay the sum of the remaining rows' exact values, whatever the order of adds and
// take-backs (a running subtraction would keep the rounding of rows long gone).
TEST(PartsList, ExactTotalsStayTheSumOfTheRowsExactValues) {
    std::mt19937 random(7001);
    std::uniform_real_distribution<double> exponent(-9.0, 6.0);
    const auto value = [&](bool signed_) {
        const double v = std::pow(10.0, exponent(random));
        return signed_ && (random() & 1) ? -v : v;
    };
    for (int sequence = 0; sequence < 100; ++sequence) {
        PartsList list;
        const int count = std::uniform_int_distribution<int>(1, 80)(random);
        for (int step = 0; step < count; ++step) {
            if (std::uniform_int_distribution<int>(0, 9)(random) < 6 || list.partCount() == 0) {
                PartsList::Line line = resultsLine({"", "", "", ""});
                line.exact =
                    std::array<double, 4>{value(false), value(false), value(true), value(true)};
                for (int k = 0; k < 4; ++k)
                    line.captions[k] = ostrel::formatWithMask((*line.exact)[k], u"####.##");
                // Lines that would make the product of the totals negative are refused.
                ASSERT_NE(list.add(line, PartsList::AddRule::Exact).kind, Kind::Ignored);
            } else {
                ASSERT_TRUE(
                    list.takeBack(std::uniform_int_distribution<int>(1, list.partCount())(random)));
            }
            for (int k = 0; k < 4; ++k) {
                long double sum = 0, magnitude = 0;
                for (int r = 1; r < list.rowCount(); ++r) {
                    sum += list.exactValue(r, k);
                    magnitude += std::fabs(list.exactValue(r, k));
                }
                ASSERT_LE(std::fabs(static_cast<long double>(list.exactTotal(k)) - sum),
                          1e-12L * magnitude)
                    << "sequence " << sequence << " step " << step << " result " << k;
            }
        }
        while (list.partCount() > 0)
            ASSERT_TRUE(list.takeBack(1).has_value()) << "sequence " << sequence;
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(list.exactTotal(k), 0.0);
    }
}

// A line too small for the masks: ignored under the classic rule as before, added and taken
// back under the exact rule, with its exact values kept and its classic cells as the masks
// write them.
TEST(PartsList, ExactRuleAddsLinesTheMasksShowAsZero) {
    PartsList::Line line = resultsLine({"0", ".", ".", "."});
    line.exact = std::array<double, 4>{0.3, 3.1e-5, 0, 0};

    PartsList classic;
    EXPECT_EQ(classic.add(line).kind, Kind::Ignored);

    PartsList list;
    ASSERT_EQ(list.add(line, PartsList::AddRule::Exact).kind, Kind::Added);
    EXPECT_EQ(list.cell(1, 1), "0");
    EXPECT_EQ(list.cell(1, 2), "0");
    EXPECT_EQ(list.exactValue(1, 1), 3.1e-5);
    EXPECT_EQ(list.exactTotal(0), 0.3);
    EXPECT_TRUE(list.canTakeBack(1));
    ASSERT_TRUE(list.takeBack(1).has_value());
    EXPECT_EQ(list.partCount(), 0);
    EXPECT_EQ(list.exactTotal(1), 0.0);

    line.exact = std::array<double, 4>{0, 0, 0, 0};
    EXPECT_EQ(list.add(line, PartsList::AddRule::Exact).kind, Kind::Ignored);
    line.exact = std::array<double, 4>{1.0, std::nan(""), 0, 0};
    EXPECT_EQ(list.add(line, PartsList::AddRule::Exact).kind, Kind::Ignored);
}
