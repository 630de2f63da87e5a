#include "language/translationstore.h"
#include "testdb.h"

#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ostrel {
namespace {

using testing::Cell;
using testing::languageTexts;
using testing::uniqueConnection;
using testing::writeRawDatabase;
using testing::writeStore;

struct BadStore {
    const char* name;
    // Makes the file in dir and returns its path.
    QString (*make)(const QString& dir);
    const char* expected; // part of the error text
};

QString missingFile(const QString& dir) {
    return dir + "/Lenguas.db";
}
QString folder(const QString& dir) {
    return dir;
}
QString emptyFile(const QString& dir) {
    testing::writeFile(dir + "/empty.db", {});
    return dir + "/empty.db";
}
QString textFile(const QString& dir) {
    testing::writeFile(dir + "/text.db", "Numero\tUso\tA\tB\n1\tx\ty\tz\n");
    return dir + "/text.db";
}
QString noTable(const QString& dir) {
    return writeRawDatabase(dir + "/notable.db", {"CREATE TABLE Other (Numero INTEGER)"});
}
QString noRecords(const QString& dir) {
    return writeRawDatabase(dir + "/norecords.db",
                            {"CREATE TABLE Idiomas (Numero INTEGER PRIMARY KEY, Uso TEXT, "
                             "A TEXT, B TEXT)"});
}
QString gap(const QString& dir) {
    return writeRawDatabase(dir + "/gap.db",
                            {"CREATE TABLE Idiomas (Numero INTEGER PRIMARY KEY, Uso TEXT, "
                             "A TEXT, B TEXT)",
                             "INSERT INTO Idiomas VALUES (1, '', 'a', 'b')",
                             "INSERT INTO Idiomas VALUES (2, '', 'a', 'b')",
                             "INSERT INTO Idiomas VALUES (4, '', 'a', 'b')"});
}
QString duplicate(const QString& dir) {
    return writeRawDatabase(dir + "/duplicate.db",
                            {"CREATE TABLE Idiomas (Numero INTEGER, Uso TEXT, A TEXT, B TEXT)",
                             "INSERT INTO Idiomas VALUES (1, '', 'a', 'b')",
                             "INSERT INTO Idiomas VALUES (1, '', 'a', 'b')",
                             "INSERT INTO Idiomas VALUES (3, '', 'a', 'b')"});
}
QString fromZero(const QString& dir) {
    return writeRawDatabase(dir + "/zero.db",
                            {"CREATE TABLE Idiomas (Numero INTEGER PRIMARY KEY, Uso TEXT, "
                             "A TEXT, B TEXT)",
                             "INSERT INTO Idiomas VALUES (0, '', 'a', 'b')",
                             "INSERT INTO Idiomas VALUES (1, '', 'a', 'b')"});
}
QString nullNumber(const QString& dir) {
    return writeRawDatabase(dir + "/nullnumber.db",
                            {"CREATE TABLE Idiomas (Numero INTEGER, Uso TEXT, A TEXT, B TEXT)",
                             "INSERT INTO Idiomas VALUES (1, '', 'a', 'b')",
                             "INSERT INTO Idiomas VALUES (NULL, '', 'a', 'b')"});
}
QString threeFields(const QString& dir) {
    return writeRawDatabase(dir + "/three.db",
                            {"CREATE TABLE Idiomas (Numero INTEGER PRIMARY KEY, Uso TEXT, A TEXT)",
                             "INSERT INTO Idiomas VALUES (1, '', 'a')"});
}
QString damaged(const QString& dir) {
    // A real header followed by garbage.
    QByteArray bytes("SQLite format 3\0", 16);
    bytes.append(QByteArray(4096, '\x5a'));
    testing::writeFile(dir + "/damaged.db", bytes);
    return dir + "/damaged.db";
}

const BadStore kBadStores[] = {
    {"missing", missingFile, "cannot be found"},
    {"folder", folder, "is a folder"},
    {"empty", emptyFile, "is empty"},
    {"text", textFile, "not an SQLite database"},
    {"damaged", damaged, "cannot be read"},
    {"noTable", noTable, "no table \"Idiomas\""},
    {"noRecords", noRecords, "no records"},
    {"gap", gap, "not numbered 1 to 3 without a gap"},
    {"duplicate", duplicate, "not numbered 1 to 3 without a gap"},
    {"fromZero", fromZero, "not numbered 1 to 2 without a gap"},
    {"nullNumber", nullNumber, "not whole numbers"},
    {"threeFields", threeFields, "at least four"},
};

class BadStoreTest : public ::testing::TestWithParam<BadStore> {};

TEST_P(BadStoreTest, OpenFailsWithAMessageNamingTheFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = GetParam().make(dir.path());
    const bool existed = QFile::exists(path);

    TranslationStore store(uniqueConnection());
    EXPECT_FALSE(store.open(path));
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(store.recordCount(), 0);
    EXPECT_TRUE(store.column(2).empty());
    EXPECT_TRUE(store.error().contains(path)) << store.error().toStdString();
    EXPECT_TRUE(store.error().contains(QString::fromUtf8(GetParam().expected)))
        << store.error().toStdString();
    // Opening never makes a file that was not there.
    EXPECT_EQ(QFile::exists(path), existed);
}

INSTANTIATE_TEST_SUITE_P(Stores, BadStoreTest, ::testing::ValuesIn(kBadStores),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TranslationStore, ColumnReadsAFieldInEntryOrderWithItsNulls) {
    QTemporaryDir dir;
    // Records inserted out of order: the column still comes in entry order.
    const QString path = writeRawDatabase(
        dir.path() + "/order.db",
        {"CREATE TABLE Idiomas (Numero INTEGER PRIMARY KEY, Uso TEXT, A TEXT, B TEXT, C TEXT)",
         "INSERT INTO Idiomas VALUES (3, 'n3', 'a3', 'b3', NULL)",
         "INSERT INTO Idiomas VALUES (1, 'n1', 'a1', NULL, 'c1')",
         "INSERT INTO Idiomas VALUES (2, 'n2', '', 'b2', 'c2')"});
    TranslationStore store(uniqueConnection());
    ASSERT_TRUE(store.open(path)) << store.error().toStdString();
    EXPECT_EQ(store.recordCount(), 3);
    EXPECT_EQ(store.fieldNames(), QStringList({"Numero", "Uso", "A", "B", "C"}));

    const std::vector<Cell> a{QString("a1"), QString(""), QString("a3")};
    EXPECT_EQ(store.column(2), a);
    const std::vector<Cell> b{std::nullopt, QString("b2"), QString("b3")};
    EXPECT_EQ(store.column(3), b);
    EXPECT_EQ(store.column(0), (std::vector<Cell>{QString("1"), QString("2"), QString("3")}));

    EXPECT_TRUE(store.isComplete(2)); // an empty text is a text
    EXPECT_FALSE(store.isComplete(3));
    EXPECT_FALSE(store.isComplete(4));

    EXPECT_TRUE(store.column(5).empty());
    EXPECT_TRUE(store.error().contains("no field 5"));
    EXPECT_TRUE(store.column(-1).empty());
    EXPECT_FALSE(store.isComplete(5));
}

TEST(TranslationStore, ReopeningSwitchesFilesAndReleasesTheConnection) {
    QTemporaryDir dir;
    const QString one = writeStore(dir.path(), "one.db", {"A", "B"},
                                   {languageTexts("A", 2), languageTexts("B", 2)});
    const QString two = writeStore(dir.path(), "two.db", {"C", "D"},
                                   {languageTexts("C", 5), languageTexts("D", 5)});
    const QString name = uniqueConnection();
    {
        TranslationStore store(name);
        ASSERT_TRUE(store.open(one));
        ASSERT_TRUE(store.open(two));
        EXPECT_EQ(store.recordCount(), 5);
        EXPECT_EQ(store.fieldNames().at(3), "D");
        // A failed open leaves nothing of the previous file behind.
        EXPECT_FALSE(store.open(dir.path() + "/none.db"));
        EXPECT_EQ(store.recordCount(), 0);
        EXPECT_TRUE(store.fieldNames().isEmpty());
        ASSERT_TRUE(store.open(one));
        EXPECT_EQ(store.column(3).back(), Cell("B 2"));
    }
    EXPECT_FALSE(QSqlDatabase::contains(name));
}

TEST(TranslationStore, StartupOpensTheStoreOfTheProgramFolder) {
    QTemporaryDir dir;
    const QString programDir = dir.path() + "/";
    TranslationStore store(uniqueConnection());
    const QString missing = ouvrirBaseLangues(store, programDir);
    EXPECT_TRUE(missing.contains(programDir + "Lenguas.db")) << missing.toStdString();

    writeStore(dir.path(), "Lenguas.db", {"A", "B"},
               {languageTexts("A", 3), languageTexts("B", 3)});
    EXPECT_EQ(ouvrirBaseLangues(store, programDir), QString());
    EXPECT_EQ(store.recordCount(), 3);
}

} // namespace
} // namespace ostrel
