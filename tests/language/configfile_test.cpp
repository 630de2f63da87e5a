#include "language/configfile.h"
#include "testdb.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ostrel {
namespace {

using testing::fileBytes;
using testing::writeFile;

struct LineCase {
    const char* line;
    const char* name;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << '[' << c.line << "] -> [" << c.name << ']';
}

class ConfigLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ConfigLine, ReadsTheLanguageName) {
    EXPECT_EQ(lireLigneConfiguration(QString::fromUtf8(GetParam().line)),
              QString::fromUtf8(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ConfigLine,
    ::testing::Values(LineCase{"English", "English"}, LineCase{"   Deutsch", "Deutsch"},
                      LineCase{"\t Español", "Español"}, LineCase{"A,B", "A"},
                      LineCase{"  A , B", "A "}, LineCase{",A", ""}, LineCase{"", ""},
                      LineCase{"   ", ""}, LineCase{"\"Français\"", "Français"},
                      LineCase{"  \"A, B\", C", "A, B"}, LineCase{"\"A\"B", "A"},
                      LineCase{"\"unclosed, still", "unclosed, still"},
                      LineCase{"Port\"ugu\"ês", "Port\"ugu\"ês"}));

class ConfigFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString programDir() const { return dir.path() + "/program/"; }
    QString programFile() const { return programDir() + "Ostrel.cfg"; }
    QString userFile() const { return dir.path() + "/home/config/Ostrel/Ostrel.cfg"; }
    QTemporaryDir dir;
};

TEST_F(ConfigFile, WritesOneLineEndingWithCarriageReturnAndLineFeed) {
    ASSERT_TRUE(QDir().mkpath(programDir()));
    const ConfigWrite write = ecrireConfiguration(programDir(), "Français", userFile());
    EXPECT_TRUE(write.ok);
    EXPECT_FALSE(write.fallback);
    EXPECT_EQ(write.path, programFile());
    EXPECT_EQ(fileBytes(programFile()), QString("Français\r\n").toUtf8());
    EXPECT_FALSE(QFile::exists(userFile()));
    EXPECT_EQ(lireConfiguration(programDir(), userFile()), "Français");

    // Overwritten, not appended.
    ecrireConfiguration(programDir(), "B", userFile());
    EXPECT_EQ(fileBytes(programFile()), QByteArray("B\r\n"));
}

TEST_F(ConfigFile, NamesThatWouldNotReadBackAreQuoted) {
    ASSERT_TRUE(QDir().mkpath(programDir()));
    for (const QString& name :
         {QString("Français, Canada"), QString(" padded"), QString("\"quoted")}) {
        ASSERT_TRUE(ecrireConfiguration(programDir(), name, userFile()).ok);
        EXPECT_TRUE(fileBytes(programFile()).startsWith('"'));
        EXPECT_TRUE(fileBytes(programFile()).endsWith("\"\r\n"));
        if (!name.startsWith('"')) { // a name opening with a quote cannot be stored whole
            EXPECT_EQ(lireConfiguration(programDir(), userFile()), name);
        }
    }
}

TEST_F(ConfigFile, ReadsTheFirstLineOfWhateverTheUserLeft) {
    ASSERT_TRUE(QDir().mkpath(programDir()));
    EXPECT_EQ(lireConfiguration(programDir(), userFile()), QString()); // no file
    writeFile(programFile(), "");
    EXPECT_EQ(lireConfiguration(programDir(), userFile()), QString());
    writeFile(programFile(), "Deutsch\nEnglish\n");
    EXPECT_EQ(lireConfiguration(programDir(), userFile()), "Deutsch");
    writeFile(programFile(), "\xEF\xBB\xBFItaliano\r\n"); // an editor's byte-order mark
    EXPECT_EQ(lireConfiguration(programDir(), userFile()), "Italiano");
    writeFile(programFile(), "Português"); // no line end
    EXPECT_EQ(lireConfiguration(programDir(), userFile()), QString::fromUtf8("Português"));
}

TEST_F(ConfigFile, AnUnwritableProgramFolderFallsBackToTheUserFolder) {
    // A program folder "under" a regular file can never be written, even by root.
    writeFile(dir.path() + "/regular", "x");
    const QString blocked = dir.path() + "/regular/";
    const ConfigWrite write = ecrireConfiguration(blocked, "English", userFile());
    EXPECT_TRUE(write.ok);
    EXPECT_TRUE(write.fallback);
    EXPECT_EQ(write.path, userFile());
    EXPECT_EQ(fileBytes(userFile()), QByteArray("English\r\n"));
    EXPECT_EQ(lireConfiguration(blocked, userFile()), "English");

    // Neither place can be written: reported, not thrown.
    const ConfigWrite nowhere =
        ecrireConfiguration(blocked, "English", dir.path() + "/regular/user/Ostrel.cfg");
    EXPECT_FALSE(nowhere.ok);
    EXPECT_TRUE(nowhere.fallback);
    EXPECT_TRUE(nowhere.error.contains(blocked + "Ostrel.cfg"));
}

TEST_F(ConfigFile, AReadOnlyProgramFolderKeepsTheChoiceInTheUserFolder) {
    ASSERT_TRUE(QDir().mkpath(programDir()));
    writeFile(programFile(), "Español\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(programFile()).constData(), 0444), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(programDir()).constData(), 0555), 0);
    struct Restore {
        QString dir;
        ~Restore() { ::chmod(QFile::encodeName(dir).constData(), 0755); }
    } restore{programDir()};

    const ConfigWrite write = ecrireConfiguration(programDir(), "Deutsch", userFile());
    EXPECT_TRUE(write.ok);
    if (::geteuid() == 0) {
        // Root writes through the permissions; the fallback is covered by the test above.
        EXPECT_FALSE(write.fallback);
        EXPECT_EQ(lireConfiguration(programDir(), userFile()), "Deutsch");
        return;
    }
    EXPECT_TRUE(write.fallback);
    EXPECT_EQ(write.path, userFile());
    EXPECT_EQ(fileBytes(programFile()), QString("Español\r\n").toUtf8());
    // The user's newer choice wins over the older one left in the program folder.
    EXPECT_EQ(lireConfiguration(programDir(), userFile()), "Deutsch");
}

TEST_F(ConfigFile, WhenBothFilesExistTheNewerChoiceWins) {
    ASSERT_TRUE(QDir().mkpath(programDir()));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(userFile()).absolutePath()));
    writeFile(programFile(), "Program\r\n");
    writeFile(userFile(), "User\r\n");
    const QDateTime now = QDateTime::currentDateTime();
    auto age = [](const QString& path, const QDateTime& time) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    };
    age(programFile(), now.addSecs(-3600));
    age(userFile(), now);
    EXPECT_EQ(lireConfiguration(programDir(), userFile()), "User");
    age(programFile(), now.addSecs(60));
    EXPECT_EQ(lireConfiguration(programDir(), userFile()), "Program");
    // Only the user's file.
    QFile::remove(programFile());
    EXPECT_EQ(lireConfiguration(programDir(), userFile()), "User");
}

TEST_F(ConfigFile, TheUserFileLivesInTheGenericConfigurationFolder) {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    EXPECT_EQ(fichierConfigurationUtilisateur(), base + "/Ostrel/Ostrel.cfg");
    EXPECT_FALSE(base.isEmpty());
}

} // namespace
} // namespace ostrel
