// The totals of a list under any sequence of adds and take-backs, and the row operations behind
// undo and redo: putting a row back where it was, removing any row, and taking over another
// list's parts.
#include "list/partslist.h"
#include "listlines.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace ostrel::testing;
using ostrel::PartsList;
using Kind = PartsList::AddOutcome::Kind;

// Random adds (under either rule, with or without exact results: captions from "." to
// thousands with four decimals, exact results over fifteen orders of magnitude, torques of
// either sign) and take-backs. After every step the totals are the sum of the cells as written,
// the exact totals the sum of the rows' exact values (a running subtraction would keep the
// rounding of rows long gone), and undoing the step with the row operations gives the list as
// it was before, redoing it the list as it was after, bit for bit.
TEST(PartsListRows, TotalsStayTheSumOfTheRowsAndUndoRedoRestoreEveryStep) {
    std::mt19937 random(1212);
    const auto uniform = [&random](int a, int b) {
        return std::uniform_int_distribution<int>(a, b)(random);
    };
    std::uniform_real_distribution<double> exponent(-9.0, 6.0);
    const auto exact = [&](bool signed_) {
        const double v = std::pow(10.0, exponent(random));
        return signed_ && (random() & 1) ? -v : v;
    };
    const auto randomLine = [&] {
        PartsList::Line line =
            resultsLine({randomCaption(random, 5000, false), randomCaption(random, 800, false),
                         randomCaption(random, 300, true), randomCaption(random, 300, true)});
        if (random() & 1)
            line.exact =
                std::array<double, 4>{exact(false), exact(false), exact(true), exact(true)};
        return line;
    };
    for (int sequence = 0; sequence < 120; ++sequence) {
        PartsList list;
        while (list.partCount() == 0) // totals never written cannot be given back by an undo
            list.add(randomLine());
        const int count = uniform(1, 60);
        for (int step = 0; step < count; ++step) {
            const QStringList before = snapshot(list);
            const bool add = list.partCount() == 0 || uniform(0, 9) < 6;
            const int row = add ? list.rowCount() : uniform(1, list.partCount());
            std::optional<PartsList::Row> taken = list.row(row);
            if (add) {
                const auto rule =
                    random() & 1 ? PartsList::AddRule::Exact : PartsList::AddRule::Classic;
                if (list.add(randomLine(), rule).kind != Kind::Added) continue;
                taken = list.row(row);
            } else {
                ASSERT_TRUE(list.takeBack(row).has_value());
            }
            const QStringList after = snapshot(list);
            const std::string where = "sequence " + std::to_string(sequence) + " step " +
                                      std::to_string(step) + (add ? " add" : " take-back");
            for (int k = 0; k < 4; ++k) {
                long long thousandths = 0; // every cell holds at most three decimals
                long double sum = 0, magnitude = 0;
                for (int r = 1; r < list.rowCount(); ++r) {
                    thousandths += std::llround(ostrel::readNumber(list.cell(r, k + 1)) * 1000.0);
                    sum += list.exactValue(r, k);
                    magnitude += std::fabs(list.exactValue(r, k));
                }
                ASSERT_EQ(list.total(k + 1), ostrel::generalText(thousandths / 1000.0)) << where;
                ASSERT_LE(std::fabs(static_cast<long double>(list.exactTotal(k)) - sum),
                          1e-12L * magnitude)
                    << where;
            }
            ASSERT_TRUE(add ? list.removeRow(row).has_value() : list.insertRow(row, *taken))
                << where;
            ASSERT_EQ(snapshot(list), before) << where;
            ASSERT_TRUE(add ? list.insertRow(row, *taken) : list.removeRow(row).has_value())
                << where;
            ASSERT_EQ(snapshot(list), after) << where;
        }
        while (list.partCount() > 0)
            ASSERT_TRUE(list.takeBack(1).has_value()) << "sequence " << sequence;
        EXPECT_EQ(totals(list), QStringList({"0", "0", "0", "0"})) << "sequence " << sequence;
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(list.exactTotal(k), 0.0) << "sequence " << sequence;
    }
}

// Positions outside the part rows, and rows whose cells or exact results would take a total
// beyond a double, are refused and change nothing.
TEST(PartsListRows, PositionsOutsideThePartsAndOverflowingRowsAreRefused) {
    PartsList list({"1", "2", "3", "4"});
    PartsList::Line big = discLine("1.7E308");
    big.exact = std::array<double, 4>{1.7e308, 1, 1, 1};
    ASSERT_EQ(list.add(big, PartsList::AddRule::Exact).kind, Kind::Added);
    ASSERT_EQ(list.add(discLine("5")).kind, Kind::Added);
    const PartsList::Row row = *list.row(2);
    const QStringList start = snapshot(list);
    for (int position : {-1, 0, 4, std::numeric_limits<int>::max()}) {
        EXPECT_FALSE(list.insertRow(position, row) || list.canInsertRow(position, row) ||
                     list.row(position) || list.removeRow(position))
            << position;
        EXPECT_EQ(snapshot(list), start);
    }
    EXPECT_FALSE(list.removeRow(3).has_value()); // one past the last part
    EXPECT_TRUE(list.canInsertRow(3, row));      // appending is allowed
    for (const auto& [cell, value] : {std::pair{"1.7E308", 1.0},
                                      {"1", 1.7e308},
                                      {"1", std::numeric_limits<double>::infinity()}}) {
        PartsList::Row over = row;
        over.cells[1] = cell;
        over.exact[0] = value;
        EXPECT_FALSE(list.insertRow(3, over)) << cell << " " << value;
        EXPECT_EQ(snapshot(list), start);
    }
}

TEST(PartsListRows, ReplacingThePartsKeepsHeadingsAndCaption) {
    PartsList shown({"Masse", "Inertie"}, "Totaux");
    ASSERT_EQ(shown.add(discLine("1")).kind, Kind::Added);
    PartsList other({"Mass", "Inertia"}, "Totals");
    for (const char* mass : {"617", "2.5", "0.125"})
        ASSERT_EQ(other.add(discLine(mass)).kind, Kind::Added);

    shown.replaceParts(other);
    EXPECT_EQ(shown.cell(0, 1), "Masse");
    EXPECT_EQ(shown.total(0), "Totaux");
    shown.setHeadings({"Mass", "Inertia"});
    shown.setTotalsCaption("Totals");
    EXPECT_EQ(snapshot(shown), snapshot(other));

    shown.replaceParts(PartsList()); // a new, empty list: no totals yet
    EXPECT_EQ(shown.partCount(), 0);
    EXPECT_EQ(shown.total(1), "");
    EXPECT_EQ(shown.exactTotal(0), 0.0);
}
