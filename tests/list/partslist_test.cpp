// The parts list: which lines it adds, ignores or refuses, its cells and totals, and what a
// take-back gives back to the editor.
#include "list/partslist.h"
#include "listlines.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace ostrel::testing;
using ostrel::PartsList;
using Kind = PartsList::AddOutcome::Kind;
using Captions = std::array<QString, 4>;

TEST(PartsList, LinesAddAndComeBackToTheEditorButNeverTheHeadingRow) {
    PartsList list({"1", "2", "3", "4"}); // headings that read as numbers
    ASSERT_EQ(list.add(discLine()).kind, Kind::Added);
    EXPECT_EQ(cells(list, 1, 0, 14), QStringList({"", "617.", "77.07", "0", "0", "False", "1", "1",
                                                  "7850", "1", "", "1000", "", "100", "1"}));
    EXPECT_EQ(list.image(1), 6);
    EXPECT_EQ(totals(list), QStringList({"617", "77.07", "0", "0"}));
    PartsList::Line line = resultsLine({"617", "77.07", ".", "."});
    line.texts = inputTexts("3|2|100|r|1000|d|100");
    ASSERT_EQ(list.add(line).kind, Kind::Added);
    EXPECT_EQ(totals(list), QStringList({"1234", "154.14", "0", "0"}));
    // Column 9 is the constant "1", column 14 the kind code.
    EXPECT_EQ(cells(list, 2, 5, 14),
              QStringList({"True", "3", "2", "100", "1", "r", "1000", "d", "100", "18"}));
    for (int row : {0, -1, 3}) {
        EXPECT_FALSE(list.canTakeBack(row)) << row;
        EXPECT_FALSE(list.takeBack(row).has_value()) << row;
    }

    const auto disc = list.takeBack(1);
    ASSERT_TRUE(disc.has_value());
    EXPECT_FALSE(disc->totalMass);
    EXPECT_EQ(disc->mass, "7850");
    EXPECT_EQ(totals(list), QStringList({"617", "77.07", "0", "0"}));
    const auto back = list.takeBack(1); // the row below moved up, with its own mode
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(back->code == 18 && back->image == 21 && back->totalMass);
    EXPECT_EQ(back->quantity, "3");
    EXPECT_EQ(back->ratio, "2");
    EXPECT_EQ(back->mass, "100"); // as typed, not divided by the ratio of 2
    EXPECT_EQ(back->dimensions, (std::array<QString, 4>{"r", "1000", "d", "100"}));
    EXPECT_EQ(list.rowCount(), 1);
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
    ASSERT_TRUE(big.takeBack(1).has_value()); // the total was left as it was
    EXPECT_EQ(big.total(1), "0");
}

TEST(PartsList, TakeBackSurvivesRatioZeroAndOddTexts) {
    PartsList list;
    // The torque total comes back to 0 from below and must read "0", not "-0".
    PartsList::Line line = resultsLine({"5", "", "", "-0.1"});
    line.texts = inputTexts("abc|0|&H||1E999|-|.");
    line.code = 70000; // beyond a 16-bit kind code
    ASSERT_EQ(list.add(line).kind, Kind::Added);
    const auto back = list.takeBack(1);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->code, 0);
    EXPECT_EQ(back->ratio, "0");
    EXPECT_EQ(back->mass, "&H");
    EXPECT_EQ(totals(list), QStringList({"0", "0", "0", "0"}));
}

// A line too small for the masks: ignored under the classic rule, added and taken back under
// the exact rule, with its exact values kept and its classic cells as the masks write them;
// under the exact rule a line of no or no finite result is still ignored.
TEST(PartsList, ExactRuleAddsLinesTheMasksShowAsZero) {
    PartsList::Line line = resultsLine({"0", ".", ".", "."});
    line.exact = std::array<double, 4>{0.3, 3.1e-5, 0, 0};
    EXPECT_EQ(PartsList().add(line).kind, Kind::Ignored);

    PartsList list;
    ASSERT_EQ(list.add(line, PartsList::AddRule::Exact).kind, Kind::Added);
    EXPECT_EQ(cells(list, 1, 1, 2), QStringList({"0", "0"}));
    EXPECT_EQ(list.exactValue(1, 1), 3.1e-5);
    EXPECT_EQ(list.exactTotal(0), 0.3);
    ASSERT_TRUE(list.takeBack(1).has_value());
    EXPECT_EQ(list.exactTotal(1), 0.0);
    for (const double inertia : {0.0, std::nan("")}) {
        line.exact = std::array<double, 4>{inertia ? 1.0 : 0.0, inertia, 0, 0};
        EXPECT_EQ(list.add(line, PartsList::AddRule::Exact).kind, Kind::Ignored) << inertia;
    }
}
