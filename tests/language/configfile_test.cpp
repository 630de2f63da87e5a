#include "language/configfile.h"
#include "testdb.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ostrel {
namespace {

using testing::fileBytes;
using testing::writeFile;

TEST(ConfigLine, ReadsTheLanguageName) {
    const std::pair<const char*, const char*> cases[] = {
        {"English", "English"},
        {"   Deutsch", "Deutsch"},
        {"\t Español", "Español"},
        {"A,B", "A"},
        {"  A , B", "A "},
        {",A", ""},
        {"", ""},
        {"\"Français\"", "Français"},
        {"  \"A, B\", C", "A, B"},
        {"\"A\"B", "A"},
        {"\"open, still", "open, still"},
        {"Port\"ugu\"ês", "Port\"ugu\"ês"},
    };
    for (const auto& [line, name] : cases)
        EXPECT_EQ(lireLigneConfiguration(QString::fromUtf8(line)), QString::fromUtf8(name)) << line;
}

class ConfigFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid() && QDir().mkpath(programDir())); }
    QString programDir() const { return dir.path() + "/program/"; }
    QString programFile() const { return programDir() + "Ostrel.cfg"; }
    QString userFile() const { return dir.path() + "/home/Ostrel/Ostrel.cfg"; }
    QString read() const { return lireConfiguration(programDir(), userFile()); }
    QTemporaryDir dir;
};

TEST_F(ConfigFile, WritesOneLineThatReadsBackAsTheName) {
    const ConfigWrite write = ecrireConfiguration(programDir(), "Français", userFile());
    EXPECT_TRUE(write.ok && !write.fallback);
    EXPECT_EQ(write.path, programFile());
    EXPECT_EQ(fileBytes(programFile()), QString("Français\r\n").toUtf8());
    EXPECT_FALSE(QFile::exists(userFile()));
    EXPECT_EQ(read(), "Français");
    // Names that the reading rule would cut are quoted.
    for (const QString name : {"Français, Canada", " padded"}) {
        ASSERT_TRUE(ecrireConfiguration(programDir(), name, userFile()).ok);
        EXPECT_EQ(fileBytes(programFile()), ('"' + name + "\"\r\n").toUtf8());
        EXPECT_EQ(read(), name);
    }
}

TEST_F(ConfigFile, ReadsTheFirstLineOfWhateverTheUserLeft) {
    EXPECT_EQ(read(), QString()); // no file
    const std::pair<QByteArray, QString> cases[] = {
        {"", ""},
        {"Deutsch\nEnglish\n", "Deutsch"},
        {"\xEF\xBB\xBFItaliano\r\n", "Italiano"}, // an editor's byte-order mark
        {"Português", "Português"},               // no line end
    };
    for (const auto& [bytes, name] : cases) {
        writeFile(programFile(), bytes);
        EXPECT_EQ(read(), name);
    }
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

TEST_F(ConfigFile, AReadOnlyProgramFolderKeepsTheNewerChoiceInTheUserFolder) {
    writeFile(programFile(), "Español\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(programFile()).constData(), 0444), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(programDir()).constData(), 0555), 0);
    const ConfigWrite write = ecrireConfiguration(programDir(), "Deutsch", userFile());
    ::chmod(QFile::encodeName(programDir()).constData(), 0755);
    EXPECT_TRUE(write.ok);
    // Root writes through the permissions; the test above covers its fallback.
    EXPECT_EQ(write.fallback, ::geteuid() != 0);
    EXPECT_EQ(read(), "Deutsch");
}

TEST_F(ConfigFile, WhenBothFilesExistTheNewerChoiceWins) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(userFile()).absolutePath()));
    writeFile(programFile(), "Program\r\n");
    writeFile(userFile(), "User\r\n");
    const auto touch = [](const QString& path, qint64 secs) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(secs),
                                     QFileDevice::FileModificationTime));
    };
    touch(programFile(), -3600);
    EXPECT_EQ(read(), "User");
    touch(programFile(), 60);
    EXPECT_EQ(read(), "Program");
    QFile::remove(programFile());
    EXPECT_EQ(read(), "User");
}

} // namespace
} // namespace ostrel
