#include "language/translationstore.h"
#include "testdb.h"

#include <QTemporaryDir>

namespace ostrel {
namespace {

using testing::Cell;

const char* const kTable = "CREATE TABLE Idiomas (Numero INTEGER, Uso TEXT, A TEXT, B TEXT)";

struct BadStore {
    const char* name;
    std::optional<QByteArray> contents; // the file's bytes; none: no file, or one made by sql
    QStringList sql;
    const char* expected; // part of the error text
};

const BadStore kBadStores[] = {
    {"missing", std::nullopt, {}, "cannot be found"},
    {"empty", "", {}, "is empty"},
    {"text", "Numero\tUso\tA\tB\n1\tx\ty\tz\n", {}, "not an SQLite database"},
    {"noTable", std::nullopt, {"CREATE TABLE Other (Numero INTEGER)"}, "no table \"Idiomas\""},
    {"noRecords", std::nullopt, {kTable}, "no records"},
    {"gap",
     std::nullopt,
     {kTable, "INSERT INTO Idiomas VALUES (1,'','a','b'), (3,'','a','b')"},
     "not numbered 1 to 2 without a gap"},
};

class BadStoreTest : public ::testing::TestWithParam<BadStore> {};

TEST_P(BadStoreTest, TheStartEndsWithAMessageNamingTheFile) {
    QTemporaryDir dir;
    const BadStore& bad = GetParam();
    const QString path = dir.path() + "/Lenguas.db";
    if (bad.contents) testing::writeFile(path, *bad.contents);
    if (!bad.sql.isEmpty()) testing::writeSql(path, bad.sql);
    const bool existed = QFile::exists(path);

    TranslationStore store;
    const QString error = ouvrirBaseLangues(store, dir.path() + "/");
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_TRUE(error.contains(bad.expected)) << error.toStdString();
    EXPECT_EQ(store.recordCount(), 0);
    EXPECT_TRUE(store.column(2).empty());
    EXPECT_EQ(QFile::exists(path), existed); // opening never makes a file
}

INSTANTIATE_TEST_SUITE_P(Stores, BadStoreTest, ::testing::ValuesIn(kBadStores),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TranslationStore, ColumnReadsAFieldInEntryOrderWithItsNulls) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/order.db";
    testing::writeSql(path, {"CREATE TABLE Idiomas (Numero INTEGER, Uso TEXT, A TEXT, B TEXT, C TEXT)",
                             "INSERT INTO Idiomas VALUES (3,'n','a3','b3',NULL), "
                             "(1,'n','a1',NULL,'c1'), (2,'n','','b2','c2')"});
    TranslationStore store;
    ASSERT_TRUE(store.open(path)) << store.error().toStdString();
    EXPECT_EQ(store.recordCount(), 3);
    EXPECT_EQ(store.fieldNames(), QStringList({"Numero", "Uso", "A", "B", "C"}));
    EXPECT_EQ(store.column(2), (std::vector<Cell>{QString("a1"), QString(""), QString("a3")}));
    EXPECT_EQ(store.column(3), (std::vector<Cell>{std::nullopt, QString("b2"), QString("b3")}));
    EXPECT_TRUE(store.isComplete(2)); // an empty text is a text
    EXPECT_FALSE(store.isComplete(3));
    EXPECT_FALSE(store.isComplete(4));
    EXPECT_TRUE(store.column(5).empty());
    EXPECT_FALSE(store.isComplete(5));
}

} // namespace
} // namespace ostrel
