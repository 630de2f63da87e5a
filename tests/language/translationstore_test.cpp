// The store the program reads, the translator's source the build writes it from, and the store
// the build generates for the program folder.

#include "langdb/translationsource.h"
#include "language/language.h"
#include "language/translationstore.h"
#include "testdb.h"

#include <QSet>
#include <QTemporaryDir>

namespace ostrel {
namespace {

using testing::Cell;

const char* const kTable = "CREATE TABLE Idiomas (Numero INTEGER, Uso TEXT, A TEXT, B TEXT)";
const char* const kGap = "INSERT INTO Idiomas VALUES (1,'','a','b'), (3,'','a','b')";

// A store that cannot be read ends the start with a message naming the file and the fault, and
// opening it never makes a file.
TEST(TranslationStore, ABadStoreIsRefusedWithAMessageNamingTheFile) {
    const struct {
        const char* name;
        std::optional<QByteArray> contents; // the file's bytes; none: no file, or one made by sql
        QStringList sql;
        const char* expected; // part of the error text
    } stores[] = {
        {"missing", std::nullopt, {}, "cannot be found"},
        {"empty", "", {}, "is empty"},
        {"text", "Numero\tUso\tA\tB\n1\tx\ty\tz\n", {}, "not an SQLite database"},
        {"noTable", std::nullopt, {"CREATE TABLE Other (Numero INTEGER)"}, "no table \"Idiomas\""},
        {"noRecords", std::nullopt, {kTable}, "no records"},
        {"gap", std::nullopt, {kTable, kGap}, "not numbered 1 to 2 without a gap"},
    };
    for (const auto& bad : stores) {
        QTemporaryDir dir;
        const QString path = dir.path() + "/Lenguas.db";
        if (bad.contents) testing::writeFile(path, *bad.contents);
        if (!bad.sql.isEmpty()) testing::writeSql(path, bad.sql);
        const bool existed = QFile::exists(path);
        TranslationStore store;
        const QString error = openLanguageStore(store, dir.path() + "/");
        EXPECT_TRUE(error.contains(path) && error.contains(bad.expected)) << error.toStdString();
        EXPECT_EQ(store.recordCount(), 0) << bad.name;
        EXPECT_TRUE(store.column(2).empty()) << bad.name;
        EXPECT_EQ(QFile::exists(path), existed) << bad.name;
    }
}

TEST(TranslationStore, ColumnReadsAFieldInEntryOrderWithItsNulls) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/order.db";
    testing::writeSql(path, {kTable, "INSERT INTO Idiomas VALUES (3,'n','a3',NULL), "
                                     "(1,'n','a1','b1'), (2,'n','','b2')"});
    TranslationStore store;
    ASSERT_TRUE(store.open(path)) << store.error().toStdString();
    EXPECT_EQ(store.column(2), (std::vector<Cell>{"a1", "", "a3"}));
    EXPECT_EQ(store.column(3), (std::vector<Cell>{"b1", "b2", std::nullopt}));
    EXPECT_TRUE(store.isComplete(2)); // an empty text is a text
    EXPECT_FALSE(store.isComplete(3));
    EXPECT_TRUE(store.column(4).empty());
}

TEST(TranslationSource, WhatATranslatorsEditorLeavesBecomesTheTableTheProgramReads) {
    langdb::TranslationSource source;
    QString error;
    ASSERT_TRUE(langdb::parseSource("\xEF\xBB\xBFNumero\tUso\tÉl\tO'Brien \"x\"\r\n"
                                    "1\tnote\t\\N\tone\r\n2\t\t\t c \r\n"
                                    "3\tx\ta\\tb\\\\N\tline\\nnext\\r\r\n\r\n",
                                    source, &error))
        << error.toStdString();
    QTemporaryDir dir;
    const QString path = dir.path() + "/Lenguas.db";
    ASSERT_TRUE(langdb::writeDatabase(path, source, &error)) << error.toStdString();
    TranslationStore store;
    ASSERT_TRUE(store.open(path)) << store.error().toStdString();
    EXPECT_EQ(store.fieldNames(), QStringList({"Numero", "Uso", "Él", "O'Brien \"x\""}));
    EXPECT_EQ(store.column(2), (std::vector<Cell>{std::nullopt, "", "a\tb\\N"}));
    EXPECT_EQ(store.column(3), (std::vector<Cell>{"one", " c ", "line\nnext\r"}));
}

TEST(TranslationSource, RefusesMalformedSourcesNamingTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"Numero\tUso\tA\n1\tx\ty\n", "at least four"},
        {"Numero\tUso\tEnglish\tenglish\n", "appears twice"}, // SQLite ignores letter case
        {"Numero\tUso\tA\tB\n1\tx\ta\tb\n2\tx\ta\n", "line 3: 3 cells"},
        {"Numero\tUso\tA\tB\n1\t\t\t\n3\t\t\t\n", "line 3: entry 3 where entry 2"},
        {"Numero\tUso\tA\tB\n1\t\ta\\qb\t\n", "line 2, field \"A\": unknown escape"},
        {"Numero\tUso\tA\tB\n1\t\tx\\N\t\n", "unknown escape"}, // \N only as a whole cell
        {"Numero\tUso\tA\tB\n1\t\t\tb\\\n", "lone"},
    };
    for (const auto& [text, expected] : cases) {
        langdb::TranslationSource source;
        QString error;
        EXPECT_FALSE(langdb::parseSource(text, source, &error)) << text;
        EXPECT_TRUE(error.contains(expected)) << error.toStdString();
    }
}

TEST(ShippedStore, SixCompleteLanguagesHoldAFittingTextForEveryUsedEntry) {
    const QStringList languages = {"Français", "English",  "Español",
                                   "Deutsch",  "Italiano", "Português"};
    TranslationStore store;
    ASSERT_TRUE(store.open(OSTREL_SHIPPED_LANG_DB)) << store.error().toStdString();
    EXPECT_GE(store.recordCount(), 444);
    EXPECT_EQ(store.fieldNames().mid(2), languages); // English is field 3, the default
    EXPECT_EQ(availableLanguages(store), languages);

    QSet<int> used{66, 67, 385}; // every entry the program shows (746: the brake choice is 684)
    for (const auto& [first, last] : {std::pair{1, 62},
                                      {69, 86},
                                      {346, 353},
                                      {436, 445},
                                      {450, 457},
                                      {480, 499},
                                      {500, 523},
                                      {530, 574},
                                      {580, 588},
                                      {600, 614},
                                      {630, 634},
                                      {650, 712},
                                      {720, 745},
                                      {747, 791}})
        for (int k = first; k <= last; ++k)
            used.insert(k);
    for (const QString& field : languages) {
        Language language{field, {}};
        ASSERT_TRUE(loadLanguage(store, language) && language.current == field);
        const std::string name = field.toStdString();
        for (int k = 1; k < language.texts.size(); ++k) // the others are empty
            EXPECT_EQ(used.contains(k), !language.text(k).trimmed().isEmpty()) << name << " " << k;
        // Where the report cuts a caption: entries 72 and 436 to 5 characters, 73 to 11.
        for (const auto& [k, width] : {std::pair{72, 5}, {436, 5}, {73, 11}, {10, 3}})
            EXPECT_LE(language.text(k).size(), width) << name << " " << k;
        EXPECT_TRUE(language.text(346).endsWith(' ')) << name; // 347 follows directly
    }
}

} // namespace
} // namespace ostrel
