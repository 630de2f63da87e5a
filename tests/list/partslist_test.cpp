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

// A line after a first one: its cells as the masks write them, the totals the sum of the cells
// as written. A line whose cells sum to 0 is ignored (it could never be taken back); one that
// would make the product of the totals negative, or a total beyond a double, is refused with
// its message and changes nothing; a negative torque that keeps a positive product is added.
TEST(PartsList, AddsIgnoresOrRefusesALineByItsCells) {
    // clang-format off
    const struct { Captions first, line; Kind kind; const char *cells, *totals; } rows[] = {
        {{"1", "1", "1", "1"}, {".", ".", ".", "."}, Kind::Ignored, "1.|1.|1.|1.", "1|1|1|1"},
        {{"1", "1", "1", "1"}, {"5", "", "", "-5"}, Kind::Ignored, "1.|1.|1.|1.", "1|1|1|1"},
        {{"1", "1", "1", "1"}, {"0.0004", "", "", ""}, Kind::Ignored, "1.|1.|1.|1.", "1|1|1|1"},
        {{"1.2345", "0.0005", "3.456", "2.005"}, {"", "2.5", "", "x"}, Kind::Added, "0|2.5|0|0",
         "1.235|2.501|3.46|2.01"},
        {{"10", "1", "2", "3"}, {"1", "1", "1", "-5"}, Kind::Refused, "10.|1.|2.|3.", "10|1|2|3"},
        {{"10", "1", "2", "3"}, {"1", "1", "1", "-1"}, Kind::Added, "1.|1.|1.|-1.", "11|2|3|2"},
        {{"1", "1", "", "5"}, {"0", "", "", "-5"}, Kind::Added, "0|0|0|-5.", "1|1|0|0"},
        {{"1E308", "", "", ""}, {"1.5E308", "", "", ""}, Kind::Refused, nullptr, "1E+308|0|0|0"}};
    // clang-format on
    for (const auto& row : rows) {
        PartsList list;
        ASSERT_EQ(list.add(resultsLine(row.first)).kind, Kind::Added);
        const auto outcome = list.add(resultsLine(row.line));
        EXPECT_EQ(outcome.kind, row.kind) << row.totals;
        EXPECT_EQ(outcome.message.size(), row.kind == Kind::Refused ? 2u : 0u);
        if (row.kind == Kind::Refused) EXPECT_EQ(outcome.message[0].entry, 346);
        if (row.cells)
            EXPECT_EQ(cells(list, list.rowCount() - 1, 1, 4).join('|'), QString(row.cells));
        EXPECT_EQ(totals(list).join('|'), QString(row.totals));
    }
    PartsList first; // the first line's cells: masked, or 0
    ASSERT_EQ(first.add(resultsLine({"1.2345", "0.0005", "3.456", "2.005"})).kind, Kind::Added);
    EXPECT_EQ(cells(first, 1, 1, 4), QStringList({"1.235", ".001", "3.46", "2.01"}));
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
