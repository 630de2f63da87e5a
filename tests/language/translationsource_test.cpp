#include "langdb/translationsource.h"
#include "language/translationstore.h"
#include "testdb.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ostrel {
namespace {

using namespace langdb;
using testing::Cell;

TEST(TranslationSource, EscapesRoundTripAndNullIsAWholeCell) {
    for (const Cell& cell : {Cell(""), Cell("a\tb"), Cell("line\nnext\r"), Cell("C:\\dir\\n"),
                             Cell("\\N"), Cell(" spaced "), Cell()}) {
        const auto decoded = decodeCell(encodeCell(cell), nullptr);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(*decoded, cell);
    }
    EXPECT_FALSE(decodeCell("x\\N", nullptr).has_value()); // an unknown escape inside a text
}

TEST(TranslationSource, ParsesWhatATranslatorsEditorLeaves) {
    TranslationSource source;
    QString error;
    ASSERT_TRUE(parseSource("\xEF\xBB\xBFNumero\tUso\tA\tB\r\n1\tnote\tun\tone\r\n"
                            "2\t\t\t\\N\r\n3\tx\ta\\tb\t c \r\n\r\n",
                            source, &error))
        << error.toStdString();
    EXPECT_EQ(source.fields, QStringList({"Numero", "Uso", "A", "B"}));
    ASSERT_EQ(source.rows.size(), 3u);
    EXPECT_EQ(source.rows[1].texts, (std::vector<Cell>{"", "", std::nullopt}));
    EXPECT_EQ(source.rows[2].texts, (std::vector<Cell>{"x", "a\tb", " c "}));
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
        {"Numero\tUso\tA\tB\n1\t\t\tb\\\n", "lone"},
    };
    for (const auto& [text, expected] : cases) {
        TranslationSource source;
        QString error;
        EXPECT_FALSE(parseSource(text, source, &error)) << text;
        EXPECT_TRUE(error.contains(expected)) << error.toStdString();
    }
}

TEST(TranslationSource, WrittenDatabaseHasTheShapeTheProgramReads) {
    QTemporaryDir dir;
    TranslationSource source;
    ASSERT_TRUE(parseSource("Numero\tUso\tÉl\tO'Brien \"x\"\n1\tn\t\\N\tone\n2\tn\tdeux\ttwo\n",
                            source, nullptr));
    const QString path = dir.path() + "/Lenguas.db";
    QString error;
    ASSERT_TRUE(writeDatabase(path, source, &error)) << error.toStdString();
    ASSERT_TRUE(writeDatabase(path, source, &error)) << error.toStdString(); // replaces it

    TranslationStore store(testing::uniqueConnection());
    ASSERT_TRUE(store.open(path)) << store.error().toStdString();
    EXPECT_EQ(store.fieldNames(), QStringList({"Numero", "Uso", "Él", "O'Brien \"x\""}));
    EXPECT_EQ(store.column(2), (std::vector<Cell>{std::nullopt, "deux"}));
    EXPECT_EQ(store.column(3), (std::vector<Cell>{"one", "two"}));

    const QString name = testing::uniqueConnection();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec("SELECT tbl_name FROM sqlite_master WHERE type = 'index' AND "
                               "name = 'Numero'") &&
                    query.next());
        EXPECT_EQ(query.value(0).toString(), "Idiomas");
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace
} // namespace ostrel
