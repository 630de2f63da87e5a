#include "language/langue.h"
#include "language/translationstore.h"
#include "testdb.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ostrel {
namespace {

using testing::Cell;
using testing::fileBytes;
using testing::languageTexts;

// A program folder holding Lenguas.db, with the store opened the way the start opens it.
class ProgramFolder : public ::testing::Test {
protected:
    void open(const QStringList& languages, const std::vector<std::vector<Cell>>& texts) {
        ASSERT_TRUE(dir.isValid());
        testing::writeStore(dir.path(), "Lenguas.db", languages, texts);
        ASSERT_EQ(ouvrirBaseLangues(store, programDir()), QString());
    }
    QString programDir() const { return dir.path() + "/"; }
    QString config() const { return programDir() + "Ostrel.cfg"; }

    QTemporaryDir dir;
    TranslationStore store{testing::uniqueConnection()};
    Langue langue;
};

// The four-field table: entry number, note, languages A (field 2) and B (field 3).
class FourFields : public ProgramFolder {
protected:
    void SetUp() override { open({"A", "B"}, {languageTexts("A", 5), languageTexts("B", 5)}); }
};

TEST_F(FourFields, StartsInTheDefaultFieldAndChoosingALanguageIsRemembered) {
    EXPECT_EQ(demarreLangue(store, langue, programDir()), QStringList({"A", "B"}));
    EXPECT_EQ(langue.courante, "B");
    EXPECT_EQ(langue.textes, QStringList({"", "B 1", "B 2", "B 3", "B 4", "B 5"}));
    EXPECT_EQ(langue.texte(6), QString());
    EXPECT_FALSE(QFile::exists(config())); // the start writes nothing

    const ChoixLangue choix = choisitLangue(store, langue, "A", programDir());
    EXPECT_TRUE(choix.charge);
    EXPECT_TRUE(choix.config.ok && !choix.config.fallback);
    EXPECT_EQ(fileBytes(config()), QByteArray("A\r\n"));
    EXPECT_EQ(langue.texte(3), "A 3");

    Langue next;
    demarreLangue(store, next, programDir());
    EXPECT_EQ(next.courante, "A");
    EXPECT_EQ(next.texte(5), "A 5");
}

TEST_F(FourFields, ANameThatIsNoFieldGivesTheDefaultField) {
    for (const QString configured : {"a", "Z", "", " A"}) { // letter case counts
        langue.courante = configured;
        ASSERT_TRUE(ChargeLangue(store, langue));
        EXPECT_EQ(langue.courante, "B") << configured.toStdString();
        EXPECT_EQ(langue.texte(2), "B 2");
    }
    testing::writeFile(config(), "a\r\n");
    demarreLangue(store, langue, programDir());
    EXPECT_EQ(langue.courante, "B");
    // The design item names no field: the default is loaded and its name written.
    EXPECT_TRUE(choisitLangue(store, langue, legendeLangueParDefaut(), programDir()).charge);
    EXPECT_EQ(fileBytes(config()), QByteArray("B\r\n"));
}

TEST_F(FourFields, AFailedLoadKeepsTheTextsAndWritesNothing) {
    demarreLangue(store, langue, programDir());
    store.close();
    QString error;
    EXPECT_FALSE(ChargeLangue(store, langue, &error));
    EXPECT_FALSE(error.isEmpty());
    const ChoixLangue choix = choisitLangue(store, langue, "A", programDir());
    EXPECT_FALSE(choix.charge || choix.config.ok);
    EXPECT_EQ(langue.courante, "B");
    EXPECT_EQ(langue.texte(4), "B 4");
    EXPECT_FALSE(QFile::exists(config()));
}

TEST_F(ProgramFolder, ANullTextTakesTheDefaultTextAndLoadingGoesOn) {
    std::vector<Cell> w = languageTexts("W", 6);
    std::vector<Cell> d = languageTexts("D", 6);
    w[2] = w[4] = d[4] = std::nullopt; // entries 3 and 5; the default lacks 5 too
    open({"W", "D"}, {w, d});
    langue.courante = "W";
    ASSERT_TRUE(ChargeLangue(store, langue));
    EXPECT_EQ(langue.courante, "W");
    EXPECT_EQ(langue.textes, QStringList({"", "W 1", "W 2", "D 3", "W 4", "", "W 6"}));
    EXPECT_TRUE(languesDisponibles(store).isEmpty());

    // No complete language: the design item keeps field 3, Nulls read as empty.
    EXPECT_TRUE(choisitLangue(store, langue, legendeLangueParDefaut(), programDir()).charge);
    EXPECT_EQ(langue.courante, "D");
    EXPECT_EQ(langue.texte(5), QString());
    EXPECT_EQ(fileBytes(config()), QByteArray("D\r\n"));
}

TEST_F(ProgramFolder, AtMostNineCompleteLanguagesAreOfferedInFieldOrder) {
    QStringList names;
    std::vector<std::vector<Cell>> texts;
    for (int i = 1; i <= 12; ++i) {
        names << QString("L%1").arg(i, 2, 10, QLatin1Char('0'));
        texts.push_back(languageTexts(names.last(), 4));
    }
    texts[3][1] = std::nullopt; // L04 is incomplete: eleven complete languages remain
    open(names, texts);
    EXPECT_EQ(languesDisponibles(store),
              QStringList({"L01", "L02", "L03", "L05", "L06", "L07", "L08", "L09", "L10"}));
    // A language beyond the menu still loads when the configuration names it.
    testing::writeFile(config(), "L12\r\n");
    demarreLangue(store, langue, programDir());
    EXPECT_EQ(langue.texte(4), "L12 4");
}

} // namespace
} // namespace ostrel
