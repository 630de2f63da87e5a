#include "langdb/translationsource.h"
#include "language/langue.h"
#include "language/translationstore.h"
#include "testdb.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ostrel {
namespace {

using langdb::decodeCell;
using langdb::encodeCell;
using langdb::formatSource;
using langdb::parseSource;
using langdb::TranslationSource;
using testing::Cell;

TEST(TranslationSource, EscapesRoundTrip) {
    const Cell cells[] = {QString(""),           QString("plain"),      QString("a\tb"),
                          QString("line\nnext"), QString("C:\\dir\\n"), QString("\\N"),
                          QString("cr\r"),       QString(" spaced "),   std::nullopt};
    for (const Cell& cell : cells) {
        QString error;
        const auto decoded = decodeCell(encodeCell(cell), &error);
        ASSERT_TRUE(decoded.has_value()) << error.toStdString();
        EXPECT_EQ(*decoded, cell);
    }
    EXPECT_EQ(encodeCell(QString("\\N")), "\\\\N");
    EXPECT_EQ(encodeCell(std::nullopt), "\\N");
    // "\N" is Null only as a whole cell; inside a text it is an unknown escape.
    EXPECT_FALSE(decodeCell("x\\N", nullptr).has_value());
}

TEST(TranslationSource, ParsesAHeaderAndNumberedRows) {
    TranslationSource source;
    QString error;
    const QByteArray text = "\xEF\xBB\xBFNumero\tUso\tA\tB\r\n"
                            "1\tnote\tun\tone\r\n"
                            "2\t\t\t\\N\r\n"
                            "3\tx\ta\\tb\t c \r\n\r\n";
    ASSERT_TRUE(parseSource(text, source, &error)) << error.toStdString();
    EXPECT_EQ(source.fields, QStringList({"Numero", "Uso", "A", "B"}));
    ASSERT_EQ(source.rows.size(), 3u);
    EXPECT_EQ(source.rows[1].texts, (std::vector<Cell>{QString(""), QString(""), std::nullopt}));
    EXPECT_EQ(source.rows[2].texts,
              (std::vector<Cell>{QString("x"), QString("a\tb"), QString(" c ")}));

    // formatSource writes what parseSource reads.
    TranslationSource again;
    ASSERT_TRUE(parseSource(formatSource(source), again, &error));
    EXPECT_EQ(again.fields, source.fields);
    ASSERT_EQ(again.rows.size(), source.rows.size());
    for (size_t i = 0; i < source.rows.size(); ++i)
        EXPECT_EQ(again.rows[i].texts, source.rows[i].texts);
}

struct BadSource {
    const char* name;
    const char* text;
    const char* expected;
};

class BadSourceTest : public ::testing::TestWithParam<BadSource> {};

TEST_P(BadSourceTest, IsRefusedNamingTheLine) {
    TranslationSource source;
    QString error;
    EXPECT_FALSE(parseSource(GetParam().text, source, &error));
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().expected))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Sources, BadSourceTest,
    ::testing::Values(
        BadSource{"empty", "", "no header"},
        BadSource{"fewFields", "Numero\tUso\tA\n1\tx\ty\n", "at least four"},
        BadSource{"sameNameOtherCase", "Numero\tUso\tEnglish\tenglish\n", "appears twice"},
        BadSource{"emptyName", "Numero\tUso\t\tB\n", "empty field name"},
        BadSource{"noRows", "Numero\tUso\tA\tB\n", "no entries"},
        BadSource{"missingCell", "Numero\tUso\tA\tB\n1\tx\ta\tb\n2\tx\ta\n", "line 3: 3 cells"},
        BadSource{"gap", "Numero\tUso\tA\tB\n1\t\t\t\n3\t\t\t\n", "line 3: entry 3 where entry 2"},
        BadSource{"notANumber", "Numero\tUso\tA\tB\none\t\t\t\n", "line 2: \"one\""},
        BadSource{"badEscape", "Numero\tUso\tA\tB\n1\t\ta\\qb\t\n", "line 2, field \"A\""},
        BadSource{"loneBackslash", "Numero\tUso\tA\tB\n1\t\t\tb\\\n", "lone"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TranslationSource, WrittenDatabaseHasTheTableShapeTheProgramReads) {
    QTemporaryDir dir;
    TranslationSource source;
    QString error;
    ASSERT_TRUE(parseSource("Numero\tUso\tÉl\tO'Brien \"x\"\n1\tn\t\\N\tone\n2\tn\tdeux\ttwo\n",
                            source, &error))
        << error.toStdString();
    const QString path = dir.path() + "/Lenguas.db";
    ASSERT_TRUE(langdb::writeDatabase(path, source, &error)) << error.toStdString();
    // Written again over the old file.
    ASSERT_TRUE(langdb::writeDatabase(path, source, &error)) << error.toStdString();

    TranslationStore store(testing::uniqueConnection());
    ASSERT_TRUE(store.open(path)) << store.error().toStdString();
    EXPECT_EQ(store.fieldNames(), QStringList({"Numero", "Uso", "Él", "O'Brien \"x\""}));
    EXPECT_EQ(store.column(2), (std::vector<Cell>{std::nullopt, QString("deux")}));
    EXPECT_EQ(store.column(3), (std::vector<Cell>{QString("one"), QString("two")}));

    const QString name = testing::uniqueConnection();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec("SELECT tbl_name FROM sqlite_master WHERE type = 'index' AND "
                               "name = 'Numero'"));
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), "Idiomas");
        ASSERT_TRUE(query.exec("SELECT typeof(Numero), typeof(Uso) FROM Idiomas"));
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), "integer");
        EXPECT_EQ(query.value(1).toString(), "text");
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace
} // namespace ostrel
