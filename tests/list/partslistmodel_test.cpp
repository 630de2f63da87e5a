// The parts list's model announces every change to the views and the totals line, at the right
// model rows, and nothing for what changes nothing.
#include "list/partslistmodel.h"
#include "list/totalsmodel.h"
#include "listlines.h"

#include <QPixmap>
#include <gtest/gtest.h>
#include <vector>

using namespace ostrel::testing;
using ostrel::PartsList;
using Kind = PartsList::AddOutcome::Kind;

TEST(PartsListModel, AnnouncesEveryChangeAtItsRowsAndDrawsPictures) {
    PartsList list;
    ostrel::PartsListModel parts(list);
    ostrel::TotalsModel totals(parts);
    EXPECT_EQ(parts.columnCount(), 15);
    QStringList events;
    const auto rows = [&events](const char* what) {
        return [&events, what](const QModelIndex&, int first, int last) {
            events << QString::asprintf("%s %d %d", what, first, last);
        };
    };
    const auto changed = [&events](const char* what) {
        return [&events, what](const QModelIndex& from, const QModelIndex& to) {
            events << QString::asprintf("%s %d,%d %d,%d", what, from.row(), from.column(), to.row(),
                                        to.column());
        };
    };
    QObject::connect(&parts, &QAbstractItemModel::rowsAboutToBeInserted, rows("insert"));
    QObject::connect(&parts, &QAbstractItemModel::rowsAboutToBeRemoved, rows("remove"));
    QObject::connect(&parts, &QAbstractItemModel::modelReset, [&events] { events << "reset"; });
    QObject::connect(&parts, &QAbstractItemModel::headerDataChanged,
                     [&events] { events << "headings"; });
    QObject::connect(&parts, &QAbstractItemModel::dataChanged, changed("cells"));
    QObject::connect(&totals, &QAbstractItemModel::dataChanged, changed("totals"));

    for (const auto& [mass, image] : {std::pair{"5", 7}, {"7", 3}, {"9", 0}}) {
        PartsList::Line line = resultsLine({mass, "1.5", "1", "1"});
        line.image = image;
        ASSERT_EQ(parts.add(line).kind, Kind::Added);
    }
    // A refused line, the heading row, another model's index: nothing changes or is announced.
    EXPECT_EQ(parts.add(resultsLine({"-1000", "1.5", "1", "1"})).kind, Kind::Refused);
    EXPECT_FALSE(parts.takeBack(0).has_value());
    EXPECT_FALSE(parts.takeBack(QModelIndex()).has_value());
    EXPECT_FALSE(parts.takeBack(totals.index(0, 1)).has_value());
    ASSERT_TRUE(parts.takeBack(parts.index(1, 5)).has_value());
    EXPECT_EQ(parts.data(parts.index(1, 1)).toString(), "9."); // the row below moved up
    EXPECT_EQ(totals.data(totals.index(0, 1)).toString(), "14");
    const std::optional<PartsList::Row> last = parts.removeRow(2); // model row 1
    ASSERT_TRUE(last.has_value());
    ASSERT_TRUE(parts.insertRow(2, *last));
    EXPECT_EQ(parts.data(parts.index(1, 1)).toString(), "9.");
    EXPECT_FALSE(parts.removeRow(0).has_value());
    EXPECT_FALSE(parts.insertRow(9, *last));
    const QString sums = "totals 0,0 0,4";
    EXPECT_EQ(events, QStringList({"insert 0 0", sums, "insert 1 1", sums, "insert 2 2", sums,
                                   "remove 1 1", sums, "remove 1 1", sums, "insert 1 1", sums}));

    events.clear();
    std::vector<int> asked;
    parts.setPictureProvider([&asked](int image) {
        asked.push_back(image);
        return QPixmap(16, 12);
    });
    EXPECT_EQ(events, QStringList{"cells 0,0 1,0"});
    EXPECT_EQ(parts.data(parts.index(0, 0), Qt::DecorationRole).value<QPixmap>().size(),
              QSize(16, 12));
    EXPECT_FALSE(parts.data(parts.index(1, 0), Qt::DecorationRole).isValid()); // no picture
    EXPECT_EQ(asked, std::vector<int>{7});

    // A new display: every result cell, the headings and the totals at once; the same again
    // announces nothing.
    events.clear();
    const ostrel::DisplayChoice kgcm2{ostrel::Digits::Significant4, ostrel::MassUnit::Kg,
                                      ostrel::InertiaUnit::KgCm2, ostrel::TorqueUnit::NM};
    parts.setDisplay(kgcm2);
    parts.setDisplay(kgcm2);
    EXPECT_EQ(events, QStringList({"headings", "cells 0,1 1,4", sums}));

    events.clear();
    parts.replaceParts(PartsList());
    EXPECT_EQ(events, QStringList({"reset", sums}));
    EXPECT_EQ(parts.rowCount(), 0);
}
