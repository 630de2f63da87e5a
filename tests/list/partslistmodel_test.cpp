#include "list/partslistmodel.h"
#include "list/totalsmodel.h"

#include <QPixmap>
#include <gtest/gtest.h>
#include <vector>

using ostrel::PartsList;
using Kind = PartsList::AddOutcome::Kind;

static PartsList::Line line(const QString& mass, int image) {
    PartsList::Line l;
    l.captions = {mass, "1.5", "1", "1"};
    l.image = image;
    return l;
}

TEST(PartsListModel, AnnouncesEveryChangeAndDrawsPictures) {
    PartsList list;
    ostrel::PartsListModel parts(list);
    ostrel::TotalsModel totals(parts);
    EXPECT_EQ(parts.columnCount(), 15);

    // What the models announced, in order.
    std::vector<QString> events;
    const auto rows = [&events](const char* what) {
        return [&events, what](const QModelIndex&, int first, int last) {
            events.push_back(QString::asprintf("%s %d %d", what, first, last));
        };
    };
    const auto cells = [&events](const char* what) {
        return [&events, what](const QModelIndex& from, const QModelIndex& to) {
            events.push_back(QString::asprintf("%s %d,%d %d,%d", what, from.row(), from.column(),
                                               to.row(), to.column()));
        };
    };
    QObject::connect(&parts, &QAbstractItemModel::rowsAboutToBeInserted, rows("insert"));
    QObject::connect(&parts, &QAbstractItemModel::rowsAboutToBeRemoved, rows("remove"));
    QObject::connect(&parts, &QAbstractItemModel::dataChanged, cells("cells"));
    QObject::connect(&totals, &QAbstractItemModel::dataChanged, cells("totals"));

    ASSERT_EQ(parts.add(line("5", 7)).kind, Kind::Added);
    ASSERT_EQ(parts.add(line("7", 3)).kind, Kind::Added);
    ASSERT_EQ(parts.add(line("9", 0)).kind, Kind::Added);
    EXPECT_EQ(parts.rowCount(), 3);
    // A refused line and the heading row change nothing and announce nothing.
    EXPECT_EQ(parts.add(line("-1000", 1)).kind, Kind::Refused);
    EXPECT_FALSE(parts.takeBack(0).has_value());
    EXPECT_FALSE(parts.takeBack(QModelIndex()).has_value());
    EXPECT_FALSE(parts.takeBack(totals.index(0, 1)).has_value()); // another model's index
    ASSERT_TRUE(parts.takeBack(parts.index(1, 5)).has_value());
    EXPECT_EQ(parts.data(parts.index(1, 1)).toString(), "9."); // the row below moved up
    EXPECT_EQ(totals.data(totals.index(0, 1)).toString(), "14");
    EXPECT_EQ(events, (std::vector<QString>{"insert 0 0", "totals 0,0 0,4", "insert 1 1",
                                            "totals 0,0 0,4", "insert 2 2", "totals 0,0 0,4",
                                            "remove 1 1", "totals 0,0 0,4"}));

    events.clear();
    std::vector<int> asked;
    parts.setPictureProvider([&asked](int image) {
        asked.push_back(image);
        return QPixmap(16, 12);
    });
    EXPECT_EQ(events, std::vector<QString>{"cells 0,0 1,0"});
    EXPECT_EQ(parts.data(parts.index(0, 0), Qt::DecorationRole).value<QPixmap>().size(),
              QSize(16, 12));
    EXPECT_FALSE(parts.data(parts.index(1, 0), Qt::DecorationRole).isValid()); // no picture
    EXPECT_EQ(asked, std::vector<int>{7});
}
