#include "langdb/translationsource.h"
#include "language/translationstore.h"
#include "testdb.h"

#include <QTemporaryDir>

namespace ostrel {
namespace {

using namespace langdb;
using testing::Cell;

TEST(TranslationSource, WhatATranslatorsEditorLeavesBecomesTheTableTheProgramReads) {
    TranslationSource source;
    QString error;
    ASSERT_TRUE(parseSource("\xEF\xBB\xBFNumero\tUso\tÉl\tO'Brien \"x\"\r\n1\tnote\t\\N\tone\r\n"
                            "2\t\t\t c \r\n3\tx\ta\\tb\\\\N\tline\\nnext\\r\r\n\r\n",
                            source, &error))
        << error.toStdString();
    QTemporaryDir dir;
    const QString path = dir.path() + "/Lenguas.db";
    ASSERT_TRUE(writeDatabase(path, source, &error)) << error.toStdString();

    TranslationStore store;
    ASSERT_TRUE(store.open(path)) << store.error().toStdString();
    EXPECT_EQ(store.fieldNames(), QStringList({"Numero", "Uso", "Él", "O'Brien \"x\""}));
    EXPECT_EQ(store.column(1), (std::vector<Cell>{"note", "", "x"}));
    EXPECT_EQ(store.column(2), (std::vector<Cell>{std::nullopt, "", "a\tb\\N"}));
    EXPECT_EQ(store.column(3), (std::vector<Cell>{"one", " c ", "line\nnext\r"}));
}

TEST(TranslationSource, RefusesMalformedSourcesNamingTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "no header"},
        {"Numero\tUso\tA\n1\tx\ty\n", "at least four"},
        {"Numero\tUso\tEnglish\tenglish\n", "appears twice"}, // SQLite ignores letter case
        {"Numero\tUso\tA\tB\n", "no entries"},
        {"Numero\tUso\tA\tB\n1\tx\ta\tb\n2\tx\ta\n", "line 3: 3 cells"},
        {"Numero\tUso\tA\tB\n1\t\t\t\n3\t\t\t\n", "line 3: entry 3 where entry 2"},
        {"Numero\tUso\tA\tB\none\t\t\t\n", "line 2: \"one\""},
        {"Numero\tUso\tA\tB\n1\t\ta\\qb\t\n", "line 2, field \"A\": unknown escape"},
        {"Numero\tUso\tA\tB\n1\t\tx\\N\t\n", "unknown escape"}, // \N only as a whole cell
        {"Numero\tUso\tA\tB\n1\t\t\tb\\\n", "lone"},
    };
    for (const auto& [text, expected] : cases) {
        TranslationSource source;
        QString error;
        EXPECT_FALSE(parseSource(text, source, &error)) << text;
        EXPECT_TRUE(error.contains(expected)) << error.toStdString();
    }
}

} // namespace
} // namespace ostrel
