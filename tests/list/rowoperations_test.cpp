// Row operations behind undo and redo: putting a row back where it was, removing any row, and
// taking over another list's parts, on the plain list and through its model.
#include "list/partslist.h"
#include "list/partslistmodel.h"
#include "solids/numbertext.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <random>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

using ostrel::PartsList;
using Kind = PartsList::AddOutcome::Kind;

namespace {

// Everything a user or a report can read of a list, exact totals bit for bit.
struct Snapshot {
    QStringList cells;
    QStringList totals;
    std::array<double, 4> exact{};
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const PartsList& list) {
    Snapshot s;
    for (int r = 0; r < list.rowCount(); ++r) {
        for (int c = 0; c < PartsList::ColumnCount; ++c)
            s.cells << list.cell(r, c);
        s.cells << QString::number(list.image(r));
        for (int k = 0; k < 4; ++k)
            s.cells << QString::number(list.exactValue(r, k), 'g', 17);
    }
    for (int c = 0; c < PartsList::TotalsCount; ++c)
        s.totals << list.total(c);
    for (int k = 0; k < 4; ++k)
        s.exact[k] = list.exactTotal(k);
    return s;
}

QString randomCaption(std::mt19937& random, int scale, bool allowNegative) {
    std::uniform_int_distribution<int> whole(0, scale), fraction(0, 9999), kind(0, 3);
    const QString text =
        QString("%1.%2").arg(whole(random)).arg(fraction(random), 4, 10, QChar('0'));
    return allowNegative && kind(random) == 2 ? "-" + text : text;
}

PartsList::Line randomLine(std::mt19937& random) {
    PartsList::Line line;
    line.captions = {randomCaption(random, 5000, false), randomCaption(random, 800, false),
                     randomCaption(random, 300, true), randomCaption(random, 300, true)};
    std::array<double, 4> exact{};
    for (int k = 0; k < 4; ++k) // the exact values behind the captions, with more digits
        exact[k] = ostrel::readNumber(line.captions[k]) * (1 + 1e-9 * (k + 1));
    line.exact = exact;
    line.texts = {"1", "1", "10", "", "", "", ""};
    line.code = 18;
    line.image = 21;
    return line;
}

PartsList::Line discLine(const QString& mass) {
    PartsList::Line line;
    line.captions = {mass, "1.5", "1", "1"};
    line.texts = {"1", "1", mass, "", "1000", "", "100"};
    line.code = 1;
    line.image = 6;
    return line;
}

} // namespace

// After every add and take-back of a random sequence, undoing it with the row operations gives
// the list as it was before the step, and redoing it the list as it was after, down to the last
// bit of the exact totals. Only the very first add cannot give back the never-written totals.
TEST(PartsListRows, UndoAndRedoOfEveryStepRestoreTheListExactly) {
    std::mt19937 random(1212);
    for (int sequence = 0; sequence < 60; ++sequence) {
        PartsList list;
        while (list.partCount() == 0) // a first line whose torques make a positive product
            list.add(randomLine(random));
        const int count = std::uniform_int_distribution<int>(1, 50)(random);
        for (int step = 0; step < count; ++step) {
            const Snapshot before = snapshot(list);
            const bool add =
                std::uniform_int_distribution<int>(0, 9)(random) < 6 || list.partCount() == 0;
            const int row = add ? list.rowCount()
                                : std::uniform_int_distribution<int>(1, list.partCount())(random);
            std::optional<PartsList::Row> taken;
            if (add) {
                if (list.add(randomLine(random)).kind != Kind::Added) continue; // refused
                taken = list.row(row);
            } else {
                taken = list.row(row);
                ASSERT_TRUE(list.takeBack(row).has_value());
            }
            ASSERT_TRUE(taken.has_value());
            const Snapshot after = snapshot(list);
            const std::string where = "sequence " + std::to_string(sequence) + " step " +
                                      std::to_string(step) + (add ? " add" : " take-back");

            if (add)
                ASSERT_TRUE(list.removeRow(row).has_value()) << where;
            else
                ASSERT_TRUE(list.insertRow(row, *taken)) << where;
            ASSERT_EQ(snapshot(list).totals, before.totals) << where;
            ASSERT_EQ(snapshot(list), before) << where;

            if (add)
                ASSERT_TRUE(list.insertRow(row, *taken)) << where;
            else
                ASSERT_TRUE(list.removeRow(row).has_value()) << where;
            ASSERT_EQ(snapshot(list), after) << where;
        }
    }
}

// Positions outside the part rows change nothing and give nothing back.
TEST(PartsListRows, PositionsOutsideThePartsAreRefused) {
    PartsList list({"1", "2", "3", "4"});
    ASSERT_EQ(list.add(discLine("617")).kind, Kind::Added);
    ASSERT_EQ(list.add(discLine("5")).kind, Kind::Added);
    const PartsList::Row row = *list.row(1);
    const Snapshot start = snapshot(list);
    for (int position : {-1, 0, 4, std::numeric_limits<int>::max()}) {
        SCOPED_TRACE(position);
        EXPECT_FALSE(list.insertRow(position, row));
        EXPECT_FALSE(list.canInsertRow(position, row));
        EXPECT_FALSE(list.row(position).has_value());
        EXPECT_FALSE(list.removeRow(position).has_value());
        EXPECT_EQ(snapshot(list), start);
    }
    EXPECT_FALSE(list.removeRow(3).has_value()); // one past the last part
    EXPECT_TRUE(list.canInsertRow(3, row));      // appending is allowed
}

// A row whose cells or exact results would take a total beyond a double is refused whole.
TEST(PartsListRows, RowsThatWouldOverflowTheTotalsAreRefused) {
    struct Case {
        const char* name;
        QString cell;
        double exact;
    };
    const Case cases[] = {
        {"cell", "1.7E308", 1},
        {"exact", "1", 1.7e308},
        {"infinite exact", "1", std::numeric_limits<double>::infinity()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PartsList list;
        PartsList::Line big = discLine("1");
        big.exact = std::array<double, 4>{1.7e308, 1, 1, 1};
        big.captions[0] = "1.7E308";
        ASSERT_EQ(list.add(big, PartsList::AddRule::Exact).kind, Kind::Added);
        PartsList::Row row = *list.row(1);
        row.cells[1] = c.cell;
        row.exact[0] = c.exact;
        const Snapshot start = snapshot(list);
        EXPECT_FALSE(list.insertRow(2, row));
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
    Snapshot expected = snapshot(other);
    Snapshot got = snapshot(shown);
    EXPECT_EQ(got.cells.mid(0, 2), (QStringList{"", "Masse"}));
    EXPECT_EQ(got.totals[0], "Totaux");
    got.cells = got.cells.mid(PartsList::ColumnCount + 5);
    expected.cells = expected.cells.mid(PartsList::ColumnCount + 5);
    got.totals.removeFirst();
    expected.totals.removeFirst();
    EXPECT_EQ(got, expected);

    shown.replaceParts(PartsList()); // a new, empty list: no totals yet
    EXPECT_EQ(shown.partCount(), 0);
    EXPECT_EQ(shown.total(1), "");
    EXPECT_EQ(shown.exactTotal(0), 0.0);
    EXPECT_EQ(shown.cell(0, 1), "Masse");
}

// The views and the totals line hear of every row operation at the right place.
TEST(PartsListRows, TheModelAnnouncesRowOperations) {
    PartsList list;
    ostrel::PartsListModel model(list);
    for (const char* mass : {"1", "2", "3"})
        ASSERT_EQ(model.add(discLine(mass)).kind, Kind::Added);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy totals(&model, &ostrel::PartsListModel::totalsChanged);

    const std::optional<PartsList::Row> second = model.removeRow(2);
    ASSERT_TRUE(second.has_value());
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0][1].toInt(), 1); // model row 1 is list row 2
    EXPECT_EQ(model.rowCount(), 2);
    ASSERT_TRUE(model.insertRow(2, *second));
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 1);
    EXPECT_EQ(model.index(1, 1).data().toString(), "2.");
    EXPECT_EQ(totals.size(), 2);

    EXPECT_FALSE(model.removeRow(0).has_value()); // the heading row
    EXPECT_FALSE(model.insertRow(9, *second));
    EXPECT_EQ(inserted.size() + removed.size(), 2);
    EXPECT_EQ(totals.size(), 2);

    model.replaceParts(PartsList());
    EXPECT_EQ(reset.size(), 1);
    EXPECT_EQ(totals.size(), 3);
    EXPECT_EQ(model.rowCount(), 0);
}
