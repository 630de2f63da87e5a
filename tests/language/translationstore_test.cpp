#include "language/translationstore.h"
#include "testdb.h"

#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ostrel {
namespace {

using testing::Cell;
using testing::uniqueConnection;

const char* const kTable = "CREATE TABLE Idiomas (Numero INTEGER, Uso TEXT, A TEXT, B TEXT)";

struct BadStore {
    const char* name;
    QStringList sql;                    // statements of an SQLite file; empty: the file below
    std::optional<QByteArray> contents; // raw contents; none: no file at all
    const char* expected;               // part of the error text
};

const BadStore kBadStores[] = {
    {"missing", {}, std::nullopt, "cannot be found"},
    {"empty", {}, "", "is empty"},
    {"text", {}, "Numero\tUso\tA\tB\n1\tx\ty\tz\n", "not an SQLite database"},
    {"damaged", {}, QByteArray("SQLite format 3\0", 16) + QByteArray(4096, 'Z'), "cannot be read"},
    {"noTable", {"CREATE TABLE Other (Numero INTEGER)"}, std::nullopt, "no table \"Idiomas\""},
    {"noRecords", {kTable}, std::nullopt, "no records"},
    {"gap",
     {kTable, "INSERT INTO Idiomas VALUES (1,'','a','b'), (2,'','a','b'), (4,'','a','b')"},
     std::nullopt,
     "not numbered 1 to 3 without a gap"},
    {"twice",
     {kTable, "INSERT INTO Idiomas VALUES (1,'','a','b'), (1,'','a','b'), (3,'','a','b')"},
     std::nullopt,
     "not numbered 1 to 3 without a gap"},
    {"fromZero",
     {kTable, "INSERT INTO Idiomas VALUES (0,'','a','b'), (1,'','a','b')"},
     std::nullopt,
     "not numbered 1 to 2 without a gap"},
    {"nullNumber",
     {kTable, "INSERT INTO Idiomas VALUES (1,'','a','b'), (NULL,'','a','b')"},
     std::nullopt,
     "not whole numbers"},
    {"threeFields",
     {"CREATE TABLE Idiomas (Numero INTEGER, Uso TEXT, A TEXT)",
      "INSERT INTO Idiomas VALUES (1,'','a')"},
     std::nullopt,
     "at least four"},
};

void PrintTo(const BadStore& bad, std::ostream* os) {
    *os << bad.name;
}

class BadStoreTest : public ::testing::TestWithParam<BadStore> {};

TEST_P(BadStoreTest, OpenFailsWithAMessageNamingTheFile) {
    QTemporaryDir dir;
    const BadStore& bad = GetParam();
    const QString path = dir.path() + "/Lenguas.db";
    if (!bad.sql.isEmpty())
        testing::writeRawDatabase(path, bad.sql);
    else if (bad.contents)
        testing::writeFile(path, *bad.contents);
    const bool existed = QFile::exists(path);

    TranslationStore store(uniqueConnection());
    EXPECT_FALSE(store.open(path));
    EXPECT_EQ(store.recordCount(), 0);
    EXPECT_TRUE(store.column(2).empty());
    EXPECT_TRUE(store.error().contains(path)) << store.error().toStdString();
    EXPECT_TRUE(store.error().contains(bad.expected)) << store.error().toStdString();
    EXPECT_EQ(QFile::exists(path), existed); // opening never makes a file
}

INSTANTIATE_TEST_SUITE_P(Stores, BadStoreTest, ::testing::ValuesIn(kBadStores),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TranslationStore, ColumnReadsAFieldInEntryOrderWithItsNulls) {
    QTemporaryDir dir;
    const QString path = testing::writeRawDatabase(
        dir.path() + "/order.db",
        {"CREATE TABLE Idiomas (Numero INTEGER PRIMARY KEY, Uso TEXT, A TEXT, B TEXT, C TEXT)",
         "INSERT INTO Idiomas VALUES (3,'n','a3','b3',NULL), (1,'n','a1',NULL,'c1'), "
         "(2,'n','','b2','c2')"});
    TranslationStore store(uniqueConnection());
    ASSERT_TRUE(store.open(path)) << store.error().toStdString();
    EXPECT_EQ(store.recordCount(), 3);
    EXPECT_EQ(store.fieldNames(), QStringList({"Numero", "Uso", "A", "B", "C"}));
    EXPECT_EQ(store.column(2), (std::vector<Cell>{QString("a1"), QString(""), QString("a3")}));
    EXPECT_EQ(store.column(3), (std::vector<Cell>{std::nullopt, QString("b2"), QString("b3")}));
    EXPECT_TRUE(store.isComplete(2)); // an empty text is a text
    EXPECT_FALSE(store.isComplete(3));
    EXPECT_FALSE(store.isComplete(4));

    EXPECT_TRUE(store.column(5).empty());
    EXPECT_TRUE(store.error().contains("no field 5"));
    EXPECT_TRUE(store.column(-1).empty());
    EXPECT_FALSE(store.isComplete(5));
}

TEST(TranslationStore, ReopeningSwitchesFilesAndClosingReleasesTheConnection) {
    QTemporaryDir dir;
    const QString programDir = dir.path() + "/";
    const QString name = uniqueConnection();
    {
        TranslationStore store(name);
        EXPECT_TRUE(ouvrirBaseLangues(store, programDir).contains(programDir + "Lenguas.db"));
        testing::writeStore(dir.path(), "Lenguas.db", {"A", "B"},
                            {testing::languageTexts("A", 2), testing::languageTexts("B", 2)});
        const QString two =
            testing::writeStore(dir.path(), "two.db", {"C", "D"},
                                {testing::languageTexts("C", 5), testing::languageTexts("D", 5)});
        EXPECT_EQ(ouvrirBaseLangues(store, programDir), QString());
        ASSERT_TRUE(store.open(two));
        EXPECT_EQ(store.recordCount(), 5);
        EXPECT_EQ(store.column(3).back(), Cell("D 5"));
        EXPECT_FALSE(store.open(dir.path() + "/none.db")); // nothing of two.db stays
        EXPECT_TRUE(store.fieldNames().isEmpty());
        EXPECT_EQ(ouvrirBaseLangues(store, programDir), QString());
        EXPECT_EQ(store.column(3).back(), Cell("B 2"));
    }
    EXPECT_FALSE(QSqlDatabase::contains(name));
}

} // namespace
} // namespace ostrel
