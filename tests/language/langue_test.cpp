#include "language/langue.h"
#include "language/translationstore.h"
#include "testdb.h"

#include <QTemporaryDir>

namespace ostrel {
namespace {

using testing::Column;
using testing::fileBytes;
using testing::texts;

// A program folder holding Lenguas.db, with the store opened the way the start opens it.
class ProgramFolder : public ::testing::Test {
protected:
    void open(const QStringList& languages, const std::vector<Column>& columns) {
        testing::writeStore(dir() + "Lenguas.db", languages, columns);
        ASSERT_EQ(ouvrirBaseLangues(store, dir()), QString());
    }
    QString dir() const { return tmp.path() + "/"; }
    QString config() const { return dir() + "Ostrel.cfg"; }

    QTemporaryDir tmp;
    TranslationStore store;
    Langue langue;
};

// Fields: entry number, note, languages A (field 2) and B (field 3).
TEST_F(ProgramFolder, FourFieldsStartInTheDefaultFieldAndTheChoiceIsRemembered) {
    open({"A", "B"}, {texts("A", 5), texts("B", 5)});
    EXPECT_EQ(demarreLangue(store, langue, dir()), QStringList({"A", "B"}));
    EXPECT_EQ(langue.courante, "B");
    EXPECT_EQ(langue.textes, QStringList({"", "B 1", "B 2", "B 3", "B 4", "B 5"}));
    EXPECT_EQ(langue.texte(6), QString());
    EXPECT_FALSE(QFile::exists(config())); // the start writes nothing

    const ChoixLangue choix = choisitLangue(store, langue, "A", dir());
    EXPECT_TRUE(choix.charge);
    EXPECT_TRUE(choix.config.ok && !choix.config.fallback);
    EXPECT_EQ(fileBytes(config()), QByteArray("A\r\n"));
    EXPECT_EQ(langue.texte(3), "A 3");

    Langue next;
    demarreLangue(store, next, dir());
    EXPECT_EQ(next.courante, "A");
    EXPECT_EQ(next.texte(5), "A 5");
}

TEST_F(ProgramFolder, ALowerCaseNameInTheConfigurationGivesTheDefaultField) {
    open({"A", "B"}, {texts("A", 5), texts("B", 5)});
    testing::writeFile(config(), "a\r\n"); // letter case counts
    demarreLangue(store, langue, dir());
    EXPECT_EQ(langue.courante, "B");
    EXPECT_EQ(langue.texte(2), "B 2");
}

TEST_F(ProgramFolder, ANullTextTakesTheDefaultTextAndLoadingGoesOn) {
    Column w = texts("W", 6);
    Column d = texts("D", 6);
    w[2] = w[4] = d[4] = std::nullopt; // entries 3 and 5; the default lacks 5 too
    open({"W", "D"}, {w, d});
    langue.courante = "W";
    ASSERT_TRUE(ChargeLangue(store, langue));
    EXPECT_EQ(langue.courante, "W");
    EXPECT_EQ(langue.textes, QStringList({"", "W 1", "W 2", "D 3", "W 4", "", "W 6"}));
    EXPECT_TRUE(languesDisponibles(store).isEmpty());

    // No complete language: the design item keeps field 3 and its name is written.
    EXPECT_TRUE(choisitLangue(store, langue, legendeLangueParDefaut(), dir()).charge);
    EXPECT_EQ(langue.courante, "D");
    EXPECT_EQ(langue.texte(5), QString());
    EXPECT_EQ(fileBytes(config()), QByteArray("D\r\n"));
}

TEST_F(ProgramFolder, AtMostNineCompleteLanguagesAreOfferedInFieldOrder) {
    QStringList names;
    std::vector<Column> columns;
    for (int i = 1; i <= 12; ++i) {
        names << QString("L%1").arg(i, 2, 10, QLatin1Char('0'));
        columns.push_back(texts(names.last(), 4));
    }
    columns[3][1] = std::nullopt; // L04 is incomplete: eleven complete languages remain
    open(names, columns);
    EXPECT_EQ(languesDisponibles(store),
              QStringList({"L01", "L02", "L03", "L05", "L06", "L07", "L08", "L09", "L10"}));
}

} // namespace
} // namespace ostrel
