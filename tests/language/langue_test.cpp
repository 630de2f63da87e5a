// The working language and its configuration file, in a program folder of its own.

#include "language/configfile.h"
#include "language/langue.h"
#include "language/translationstore.h"
#include "testdb.h"

#include <QTemporaryDir>

namespace ostrel {
namespace {

using namespace ostrel::testing;

class ProgramFolder : public ::testing::Test {
protected:
    // Writes Lenguas.db and opens it the way the start does.
    void open(const QStringList& languages, const std::vector<Column>& columns) {
        writeStore(dir() + "Lenguas.db", languages, columns);
        ASSERT_EQ(ouvrirBaseLangues(store, dir()), QString());
    }
    QString dir() const { return tmp.path() + "/"; }
    QString config() const { return dir() + "Ostrel.cfg"; }
    QString userConfig() const { return tmp.path() + "/home/Ostrel/Ostrel.cfg"; }
    QString readConfig() const { return lireConfiguration(dir(), userConfig()); }

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
    EXPECT_TRUE(choix.charge && choix.config.ok && !choix.config.fallback);
    EXPECT_EQ(fileBytes(config()), QByteArray("A\r\n"));
    EXPECT_EQ(langue.texte(3), "A 3");
    Langue next;
    demarreLangue(store, next, dir());
    EXPECT_EQ(next.courante, "A");
    EXPECT_EQ(next.texte(5), "A 5");

    writeFile(config(), "a\r\n"); // letter case counts: the default field
    demarreLangue(store, next, dir());
    EXPECT_EQ(next.courante, "B");
    EXPECT_EQ(next.texte(2), "B 2");
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
        names << QString("L%1").arg(i);
        columns.push_back(texts(names.last(), 4));
    }
    columns[3][1] = std::nullopt; // L4 is incomplete: eleven complete languages remain
    open(names, columns);
    EXPECT_EQ(languesDisponibles(store),
              QStringList({"L1", "L2", "L3", "L5", "L6", "L7", "L8", "L9", "L10"}));
}

TEST_F(ProgramFolder, TheFirstLineOfTheConfigurationNamesTheLanguage) {
    EXPECT_EQ(readConfig(), QString()); // no file
    const std::pair<const char*, const char*> cases[] = {
        {"Deutsch\nEnglish\n", "Deutsch"},
        {"\xEF\xBB\xBFItaliano", "Italiano"}, // an editor's byte-order mark, no line end
        {"\t  Español\r\n", "Español"},
        {"  A , B", "A "},
        {",A", ""},
        {"  \"A, B\", C", "A, B"},
        {"\"open, still", "open, still"},
        {"Port\"ugu\"ês", "Port\"ugu\"ês"},
    };
    for (const auto& [bytes, name] : cases) {
        writeFile(config(), bytes);
        EXPECT_EQ(readConfig(), QString::fromUtf8(name)) << bytes;
    }
    // A name that the reading rule would cut is written between quotes.
    ASSERT_TRUE(ecrireConfiguration(dir(), " Français, Canada", userConfig()).ok);
    EXPECT_EQ(fileBytes(config()), QString("\" Français, Canada\"\r\n").toUtf8());
    EXPECT_EQ(readConfig(), " Français, Canada");
}

TEST_F(ProgramFolder, AnUnwritableFolderKeepsTheChoiceInTheUserFolder) {
    // A program folder "under" a regular file can never be written, even by root.
    writeFile(tmp.path() + "/regular", "x");
    const QString blocked = tmp.path() + "/regular/";
    const ConfigWrite write = ecrireConfiguration(blocked, "English", userConfig());
    EXPECT_TRUE(write.ok && write.fallback);
    EXPECT_EQ(write.path, userConfig());
    EXPECT_EQ(fileBytes(userConfig()), QByteArray("English\r\n"));
    EXPECT_EQ(lireConfiguration(blocked, userConfig()), "English");
}

} // namespace
} // namespace ostrel
