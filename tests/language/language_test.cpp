// The working language and its configuration file, in a program folder of its own.

#include "language/configfile.h"
#include "language/language.h"
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
        ASSERT_EQ(openLanguageStore(store, dir()), QString());
    }
    QString dir() const { return tmp.path() + "/"; }
    QString config() const { return dir() + "Ostrel.cfg"; }
    QString userConfig() const { return tmp.path() + "/home/Ostrel/Ostrel.cfg"; }
    QString storedLanguage() const { return readConfig(dir(), userConfig()); }

    QTemporaryDir tmp;
    TranslationStore store;
    Language language;
};

// Fields: entry number, note, languages A (field 2) and B (field 3).
TEST_F(ProgramFolder, FourFieldsStartInTheDefaultFieldAndTheChoiceIsRemembered) {
    open({"A", "B"}, {texts("A", 5), texts("B", 5)});
    EXPECT_EQ(startLanguage(store, language, dir()), QStringList({"A", "B"}));
    EXPECT_EQ(language.current, "B");
    EXPECT_EQ(language.texts, QStringList({"", "B 1", "B 2", "B 3", "B 4", "B 5"}));
    EXPECT_EQ(language.text(6), QString());
    EXPECT_FALSE(QFile::exists(config())); // the start writes nothing

    const LanguageChoice choice = chooseLanguage(store, language, "A", dir());
    EXPECT_TRUE(choice.loaded && choice.config.ok && !choice.config.fallback);
    EXPECT_EQ(fileBytes(config()), QByteArray("A\r\n"));
    EXPECT_EQ(language.text(3), "A 3");
    Language next;
    startLanguage(store, next, dir());
    EXPECT_EQ(next.current, "A");
    EXPECT_EQ(next.text(5), "A 5");

    writeFile(config(), "a\r\n"); // letter case counts: the default field
    startLanguage(store, next, dir());
    EXPECT_EQ(next.current, "B");
    EXPECT_EQ(next.text(2), "B 2");
}

TEST_F(ProgramFolder, ANullTextTakesTheDefaultTextAndLoadingGoesOn) {
    Column w = texts("W", 6);
    Column d = texts("D", 6);
    w[2] = w[4] = d[4] = std::nullopt; // entries 3 and 5; the default lacks 5 too
    open({"W", "D"}, {w, d});
    language.current = "W";
    ASSERT_TRUE(loadLanguage(store, language));
    EXPECT_EQ(language.current, "W");
    EXPECT_EQ(language.texts, QStringList({"", "W 1", "W 2", "D 3", "W 4", "", "W 6"}));
    EXPECT_TRUE(availableLanguages(store).isEmpty());

    // No complete language: the design item keeps field 3 and its name is written.
    EXPECT_TRUE(chooseLanguage(store, language, defaultLanguageCaption(), dir()).loaded);
    EXPECT_EQ(language.current, "D");
    EXPECT_EQ(language.text(5), QString());
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
    EXPECT_EQ(availableLanguages(store),
              QStringList({"L1", "L2", "L3", "L5", "L6", "L7", "L8", "L9", "L10"}));
}

TEST_F(ProgramFolder, TheFirstLineOfTheConfigurationNamesTheLanguage) {
    EXPECT_EQ(storedLanguage(), QString()); // no file
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
        EXPECT_EQ(storedLanguage(), QString::fromUtf8(name)) << bytes;
    }
    // A name that the reading rule would cut is written between quotes.
    ASSERT_TRUE(writeConfig(dir(), " Français, Canada", userConfig()).ok);
    EXPECT_EQ(fileBytes(config()), QString("\" Français, Canada\"\r\n").toUtf8());
    EXPECT_EQ(storedLanguage(), " Français, Canada");
}

TEST_F(ProgramFolder, AnUnwritableFolderKeepsTheChoiceInTheUserFolder) {
    // A program folder "under" a regular file can never be written, even by root.
    writeFile(tmp.path() + "/regular", "x");
    const QString blocked = tmp.path() + "/regular/";
    const ConfigWrite write = writeConfig(blocked, "English", userConfig());
    EXPECT_TRUE(write.ok && write.fallback);
    EXPECT_EQ(write.path, userConfig());
    EXPECT_EQ(fileBytes(userConfig()), QByteArray("English\r\n"));
    EXPECT_EQ(readConfig(blocked, userConfig()), "English");
}

} // namespace
} // namespace ostrel
