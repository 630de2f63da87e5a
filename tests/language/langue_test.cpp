#include "language/configfile.h"
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
using testing::uniqueConnection;
using testing::writeFile;
using testing::writeStore;

// A program folder with its own user configuration file, both in a temporary folder.
struct ProgramFolder {
    QTemporaryDir dir;
    QString programDir() const { return dir.path() + "/"; }
    QString userFile() const { return dir.path() + "/user/Ostrel/Ostrel.cfg"; }
    QString config() const { return programDir() + "Ostrel.cfg"; }
};

// The four-field table: entry number, note, languages A (field 2) and B (field 3).
class FourFields : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.dir.isValid());
        writeStore(folder.dir.path(), "Lenguas.db", {"A", "B"},
                   {languageTexts("A", 5), languageTexts("B", 5)});
        ASSERT_EQ(ouvrirBaseLangues(store, folder.programDir()), QString());
    }
    ProgramFolder folder;
    TranslationStore store{uniqueConnection()};
};

TEST_F(FourFields, WithoutConfigurationTheDefaultFieldIsLoadedAndBothLanguagesOffered) {
    Langue langue;
    QString error;
    EXPECT_EQ(demarreLangue(store, langue, folder.programDir(), &error), QStringList({"A", "B"}));
    EXPECT_EQ(langue.courante, "B");
    ASSERT_EQ(langue.textes.size(), 6); // N + 1
    EXPECT_EQ(langue.textes.at(0), QString());
    EXPECT_EQ(langue.texte(1), "B 1");
    EXPECT_EQ(langue.texte(5), "B 5");
    EXPECT_EQ(langue.texte(0), QString());
    EXPECT_EQ(langue.texte(6), QString());
    EXPECT_EQ(langue.texte(-3), QString());
    // The start writes no configuration.
    EXPECT_FALSE(QFile::exists(folder.config()));
}

TEST_F(FourFields, ChoosingALanguageWritesItsNameAndTheNextStartUsesIt) {
    Langue langue;
    demarreLangue(store, langue, folder.programDir());
    const ChoixLangue choix = choisitLangue(store, langue, "A", folder.programDir());
    EXPECT_TRUE(choix.charge);
    EXPECT_TRUE(choix.config.ok);
    EXPECT_FALSE(choix.config.fallback);
    EXPECT_EQ(choix.config.path, folder.config());
    EXPECT_EQ(fileBytes(folder.config()), QByteArray("A\r\n"));
    EXPECT_EQ(langue.courante, "A");
    EXPECT_EQ(langue.texte(3), "A 3");

    Langue next;
    demarreLangue(store, next, folder.programDir());
    EXPECT_EQ(next.courante, "A");
    EXPECT_EQ(next.texte(5), "A 5");
}

TEST_F(FourFields, ANameThatIsNoFieldGivesTheDefaultField) {
    // Letter case counts; a menu caption naming no field ("Langue 1") is settled the same way,
    // and the name written is the loaded field's.
    for (const QString& configured : {QString("a"), QString("Z"), QString(""), QString(" A")}) {
        Langue langue;
        langue.courante = configured;
        ASSERT_TRUE(ChargeLangue(store, langue));
        EXPECT_EQ(langue.courante, "B") << configured.toStdString();
        EXPECT_EQ(langue.texte(2), "B 2");
    }
    writeFile(folder.config(), "a\r\n");
    Langue langue;
    demarreLangue(store, langue, folder.programDir());
    EXPECT_EQ(langue.courante, "B");

    const ChoixLangue choix = choisitLangue(store, langue, "Langue 1", folder.programDir());
    EXPECT_TRUE(choix.charge);
    EXPECT_EQ(langue.courante, "B");
    EXPECT_EQ(fileBytes(folder.config()), QByteArray("B\r\n"));
}

TEST_F(FourFields, AFailedLoadKeepsTheTextsAndWritesNothing) {
    Langue langue;
    demarreLangue(store, langue, folder.programDir());
    store.close();
    QString error;
    EXPECT_FALSE(ChargeLangue(store, langue, &error));
    EXPECT_FALSE(error.isEmpty());
    const ChoixLangue choix = choisitLangue(store, langue, "A", folder.programDir());
    EXPECT_FALSE(choix.charge);
    EXPECT_FALSE(choix.config.ok);
    EXPECT_EQ(langue.courante, "B");
    EXPECT_EQ(langue.texte(4), "B 4");
    EXPECT_FALSE(QFile::exists(folder.config()));
    EXPECT_TRUE(languesDisponibles(store).isEmpty());
}

TEST(Langue, ANullTextTakesTheDefaultTextAndLoadingGoesOn) {
    ProgramFolder folder;
    // Field 2 "W" has Nulls at entries 3 and 5; the default "D" has a Null at entry 5 too.
    std::vector<Cell> w = languageTexts("W", 6);
    std::vector<Cell> d = languageTexts("D", 6);
    w[2] = std::nullopt;
    w[4] = std::nullopt;
    d[4] = std::nullopt;
    writeStore(folder.dir.path(), "Lenguas.db", {"W", "D"}, {w, d});
    TranslationStore store(uniqueConnection());
    ASSERT_EQ(ouvrirBaseLangues(store, folder.programDir()), QString());

    Langue langue;
    langue.courante = "W";
    ASSERT_TRUE(ChargeLangue(store, langue));
    EXPECT_EQ(langue.courante, "W");
    EXPECT_EQ(langue.textes, QStringList({"", "W 1", "W 2", "D 3", "W 4", "", "W 6"}));

    langue.courante = "D";
    ASSERT_TRUE(ChargeLangue(store, langue));
    EXPECT_EQ(langue.texte(5), QString());
    EXPECT_EQ(langue.texte(6), "D 6");

    // Neither language is complete.
    EXPECT_TRUE(languesDisponibles(store).isEmpty());
}

TEST(Langue, NoCompleteLanguageOffersNothingAndTheDesignItemKeepsTheDefault) {
    ProgramFolder folder;
    std::vector<Cell> a = languageTexts("A", 3);
    std::vector<Cell> b = languageTexts("B", 3);
    a[0] = std::nullopt;
    b[2] = std::nullopt;
    writeStore(folder.dir.path(), "Lenguas.db", {"A", "B"}, {a, b});
    TranslationStore store(uniqueConnection());
    ASSERT_EQ(ouvrirBaseLangues(store, folder.programDir()), QString());

    Langue langue;
    EXPECT_TRUE(demarreLangue(store, langue, folder.programDir()).isEmpty());
    const ChoixLangue choix =
        choisitLangue(store, langue, legendeLangueParDefaut(), folder.programDir());
    EXPECT_TRUE(choix.charge);
    EXPECT_EQ(langue.courante, "B");
    EXPECT_EQ(langue.texte(3), QString()); // Null in the default: empty
    EXPECT_EQ(fileBytes(folder.config()), QByteArray("B\r\n"));
}

TEST(Langue, AtMostNineCompleteLanguagesAreOfferedInFieldOrder) {
    ProgramFolder folder;
    QStringList names;
    std::vector<std::vector<Cell>> texts;
    for (int i = 1; i <= 12; ++i) {
        const QString name = QString("L%1").arg(i, 2, 10, QLatin1Char('0'));
        names << name;
        texts.push_back(languageTexts(name, 4));
    }
    // L04 is incomplete: eleven complete languages remain.
    texts[3][1] = std::nullopt;
    writeStore(folder.dir.path(), "Lenguas.db", names, texts);
    TranslationStore store(uniqueConnection());
    ASSERT_EQ(ouvrirBaseLangues(store, folder.programDir()), QString());

    EXPECT_EQ(languesDisponibles(store),
              QStringList({"L01", "L02", "L03", "L05", "L06", "L07", "L08", "L09", "L10"}));
    // A language beyond the menu is still loaded when the configuration names it.
    writeFile(folder.config(), "L12\r\n");
    Langue langue;
    demarreLangue(store, langue, folder.programDir());
    EXPECT_EQ(langue.courante, "L12");
    EXPECT_EQ(langue.texte(4), "L12 4");
}

} // namespace
} // namespace ostrel
