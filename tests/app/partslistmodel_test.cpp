#include "app/partslistmodel.h"
#include "app/totalsmodel.h"

#include <QPixmap>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

// Readable failures: QString as its text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

using ostrel::PartsList;
using ostrel::PartsListModel;
using ostrel::TotalsModel;

namespace {

PartsList::Line line(const QString& mass, int image = 3) {
    PartsList::Line l;
    l.captions = {mass, "1.5", ".", "."};
    l.texts = {"1", "1", "7850", "", "100", "", "10"};
    l.code = 1;
    l.image = image;
    return l;
}

// What the models announced, in order ("inserted 0 0", "totals 0 4", ...).
struct Recorder {
    std::vector<QString> events;

    template <typename Signal> void rows(PartsListModel& model, Signal signal, const char* name) {
        QObject::connect(&model, signal, [this, name](const QModelIndex&, int first, int last) {
            events.push_back(QString("%1 %2 %3").arg(name).arg(first).arg(last));
        });
    }

    Recorder(PartsListModel& parts, TotalsModel& totals) {
        rows(parts, &QAbstractItemModel::rowsAboutToBeInserted, "aboutToInsert");
        rows(parts, &QAbstractItemModel::rowsInserted, "inserted");
        rows(parts, &QAbstractItemModel::rowsAboutToBeRemoved, "aboutToRemove");
        rows(parts, &QAbstractItemModel::rowsRemoved, "removed");
        QObject::connect(&parts, &QAbstractItemModel::headerDataChanged,
                         [this](Qt::Orientation, int first, int last) {
                             events.push_back(QString("header %1 %2").arg(first).arg(last));
                         });
        QObject::connect(&totals, &QAbstractItemModel::dataChanged,
                         [this](const QModelIndex& from, const QModelIndex& to) {
                             events.push_back(
                                 QString("totals %1 %2").arg(from.column()).arg(to.column()));
                         });
    }
};

} // namespace

TEST(PartsListModel, PartsAreModelRowsUnderTheHeadingHeader) {
    PartsList list({}, "Totals");
    PartsListModel parts(list);
    TotalsModel totals(parts);
    EXPECT_EQ(parts.rowCount(), 0);
    EXPECT_EQ(parts.columnCount(), 15);
    EXPECT_EQ(totals.rowCount(), 1);
    EXPECT_EQ(totals.columnCount(), 5);
    EXPECT_EQ(parts.headerData(1, Qt::Horizontal).toString(), "M. Tot");
    EXPECT_EQ(parts.headerData(14, Qt::Horizontal).toString(), "N");
    EXPECT_FALSE(parts.headerData(0, Qt::Horizontal).isValid());

    ASSERT_EQ(parts.add(line("617")).kind, PartsList::AddOutcome::Kind::Added);
    ASSERT_EQ(parts.add(line("10")).kind, PartsList::AddOutcome::Kind::Added);
    EXPECT_EQ(parts.rowCount(), 2);
    EXPECT_EQ(parts.data(parts.index(0, 1)).toString(), "617.");
    EXPECT_EQ(parts.data(parts.index(1, 1)).toString(), "10.");
    EXPECT_EQ(parts.data(parts.index(1, 9)).toString(), "1");
    EXPECT_EQ(parts.headerData(1, Qt::Vertical).toInt(), 2);
    EXPECT_EQ(PartsListModel::listRow(parts.index(1, 3)), 2);
    EXPECT_EQ(PartsListModel::listRow(QModelIndex()), 0);
    EXPECT_EQ(PartsListModel::modelRow(2), 1);

    EXPECT_EQ(totals.data(totals.index(0, 0)).toString(), "Totals");
    EXPECT_EQ(totals.data(totals.index(0, 1)).toString(), "627");
    EXPECT_EQ(totals.data(totals.index(0, 2)).toString(), "3");
}

TEST(PartsListModel, AddAndTakeBackAnnounceRowsAndTotals) {
    PartsList list;
    PartsListModel parts(list);
    TotalsModel totals(parts);
    Recorder recorder(parts, totals);

    parts.add(line("5"));
    parts.add(line("7"));
    parts.add(line("9"));
    EXPECT_EQ(recorder.events,
              (std::vector<QString>{"aboutToInsert 0 0", "inserted 0 0", "totals 0 4",
                                    "aboutToInsert 1 1", "inserted 1 1", "totals 0 4",
                                    "aboutToInsert 2 2", "inserted 2 2", "totals 0 4"}));
    recorder.events.clear();

    const auto back = parts.takeBack(parts.index(1, 5));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(list.cell(2, 1), "9.");
    EXPECT_EQ(totals.data(totals.index(0, 1)).toString(), "14");
    EXPECT_EQ(recorder.events,
              (std::vector<QString>{"aboutToRemove 1 1", "removed 1 1", "totals 0 4"}));
    recorder.events.clear();

    ASSERT_TRUE(parts.takeBack(1).has_value()); // list row 1: the first part
    EXPECT_EQ(recorder.events,
              (std::vector<QString>{"aboutToRemove 0 0", "removed 0 0", "totals 0 4"}));
    EXPECT_EQ(parts.rowCount(), 1);
}

TEST(PartsListModel, NothingIsAnnouncedWhenNothingChanges) {
    PartsList list;
    PartsListModel parts(list);
    TotalsModel totals(parts);
    PartsList::Line first = line("5");
    first.captions = {"5", "1.5", "1", "1"};
    ASSERT_EQ(parts.add(first).kind, PartsList::AddOutcome::Kind::Added);
    Recorder recorder(parts, totals);

    PartsList::Line zero = line(".");
    zero.captions[1] = "";
    EXPECT_EQ(parts.add(zero).kind, PartsList::AddOutcome::Kind::Ignored);
    PartsList::Line negative = first;
    negative.captions[0] = "-1000";
    EXPECT_EQ(parts.add(negative).kind, PartsList::AddOutcome::Kind::Refused);
    EXPECT_FALSE(parts.takeBack(0).has_value());
    EXPECT_FALSE(parts.takeBack(QModelIndex()).has_value());
    EXPECT_FALSE(parts.takeBack(totals.index(0, 1)).has_value()); // another model's index
    EXPECT_FALSE(parts.takeBack(2).has_value());
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(parts.rowCount(), 1);
}

TEST(PartsListModel, HeadingsAndCaptionCanBeSetLater) {
    PartsList list;
    PartsListModel parts(list);
    TotalsModel totals(parts);
    Recorder recorder(parts, totals);

    parts.setHeadings({"M. Tot", "Inertia", "Friction torque", "Working torque"});
    parts.setTotalsCaption("Totals");
    EXPECT_EQ(parts.headerData(2, Qt::Horizontal).toString(), "Inertia");
    EXPECT_EQ(parts.headerData(5, Qt::Horizontal).toString(), "T M");
    EXPECT_EQ(totals.data(totals.index(0, 0)).toString(), "Totals");
    EXPECT_EQ(recorder.events, (std::vector<QString>{"header 1 14", "totals 0 4"}));
}

TEST(PartsListModel, PicturesComeFromTheProvider) {
    PartsList list;
    PartsListModel parts(list);
    ASSERT_EQ(parts.add(line("5", 7)).kind, PartsList::AddOutcome::Kind::Added);
    ASSERT_EQ(parts.add(line("6", 0)).kind, PartsList::AddOutcome::Kind::Added);
    EXPECT_FALSE(parts.data(parts.index(0, 0), Qt::DecorationRole).isValid());

    std::vector<int> asked;
    int changed = 0;
    QObject::connect(&parts, &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& from, const QModelIndex& to) {
                         changed += (from.row() == 0 && to.row() == 1 && to.column() == 0);
                     });
    parts.setPictureProvider([&](int image) {
        asked.push_back(image);
        QPixmap picture(16, 12);
        picture.fill(Qt::red);
        return picture;
    });
    EXPECT_EQ(changed, 1);

    const QVariant decoration = parts.data(parts.index(0, 0), Qt::DecorationRole);
    ASSERT_TRUE(decoration.canConvert<QPixmap>());
    EXPECT_EQ(decoration.value<QPixmap>().size(), QSize(16, 12));
    EXPECT_FALSE(parts.data(parts.index(1, 0), Qt::DecorationRole).isValid()); // no picture
    EXPECT_FALSE(parts.data(parts.index(0, 1), Qt::DecorationRole).isValid());
    EXPECT_FALSE(parts.data(parts.index(0, 0), Qt::DisplayRole).isValid());
    EXPECT_EQ(asked, std::vector<int>{7});
}
