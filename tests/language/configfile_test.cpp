#include "language/configfile.h"
#include "testdb.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

namespace ostrel {
namespace {

using testing::fileBytes;
using testing::writeFile;

class ConfigFile : public ::testing::Test {
protected:
    QString programDir() const { return dir.path() + "/"; }
    QString programFile() const { return programDir() + "Ostrel.cfg"; }
    QString userFile() const { return dir.path() + "/home/Ostrel/Ostrel.cfg"; }
    QString read() const { return lireConfiguration(programDir(), userFile()); }
    QTemporaryDir dir;
};

TEST_F(ConfigFile, ReadsTheNameOfTheFirstLine) {
    EXPECT_EQ(read(), QString()); // no file
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"Deutsch\nEnglish\n", "Deutsch"},
        {"Português", "Português"},               // no line end
        {"\xEF\xBB\xBFItaliano\r\n", "Italiano"}, // an editor's byte-order mark
        {"\t  Español\r\n", "Español"},
        {"A,B", "A"},
        {"  A , B", "A "},
        {",A", ""},
        {"  \"A, B\", C", "A, B"},
        {"\"A\"B", "A"},
        {"\"open, still", "open, still"},
        {"Port\"ugu\"ês", "Port\"ugu\"ês"},
    };
    for (const auto& [bytes, name] : cases) {
        writeFile(programFile(), bytes);
        EXPECT_EQ(read(), QString::fromUtf8(name)) << bytes;
    }
}

TEST_F(ConfigFile, WritesOneLineThatReadsBackAsTheName) {
    // Names that the reading rule would cut are quoted.
    for (const auto& [name, line] : {std::pair<QString, QByteArray>{"Français", "Français\r\n"},
                                     {"Français, Canada", "\"Français, Canada\"\r\n"},
                                     {" padded", "\" padded\"\r\n"}}) {
        const ConfigWrite write = ecrireConfiguration(programDir(), name, userFile());
        EXPECT_TRUE(write.ok && !write.fallback);
        EXPECT_EQ(write.path, programFile());
        EXPECT_EQ(fileBytes(programFile()), line);
        EXPECT_EQ(read(), name);
    }
    EXPECT_FALSE(QFile::exists(userFile()));
}

TEST_F(ConfigFile, AnUnwritableProgramFolderFallsBackToTheUserFolder) {
    // A program folder "under" a regular file can never be written, even by root.
    writeFile(dir.path() + "/regular", "x");
    const QString blocked = dir.path() + "/regular/";
    const ConfigWrite write = ecrireConfiguration(blocked, "English", userFile());
    EXPECT_TRUE(write.ok && write.fallback);
    EXPECT_EQ(write.path, userFile());
    EXPECT_EQ(fileBytes(userFile()), QByteArray("English\r\n"));
    EXPECT_EQ(lireConfiguration(blocked, userFile()), "English");

    const ConfigWrite nowhere = ecrireConfiguration(blocked, "English", blocked + "u/Ostrel.cfg");
    EXPECT_FALSE(nowhere.ok);
    EXPECT_TRUE(nowhere.error.contains(blocked + "Ostrel.cfg"));
}

// A read-only program folder keeps its old file while the choice goes to the user folder.
TEST_F(ConfigFile, WhenBothFilesExistTheNewerChoiceWins) {
    writeFile(programFile(), "Program\r\n");
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/home/Ostrel"));
    writeFile(userFile(), "User\r\n");
    QFile file(programFile());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    for (const auto& [secs, name] : {std::pair{-3600, "User"}, {60, "Program"}}) {
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(secs),
                                     QFileDevice::FileModificationTime));
        EXPECT_EQ(read(), name);
    }
    QFile::remove(programFile());
    EXPECT_EQ(read(), "User");
}

} // namespace
} // namespace ostrel
