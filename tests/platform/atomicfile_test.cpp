// A write that fails at any step leaves the old file byte for byte and no temporary file. (The
// command line's test writes through a link and checks the paths that name one file.)
#include "filesizelimit.h"
#include "platform/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace ostrel {
namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

TEST(FailedWrite, KeepsTheOldFileByteForByteAndSaysWhy) {
    using Step = AtomicFile::Step;
    using Kind = WriteFailure::Kind;
    const auto old = [](const QDir& d) { return d.filePath("old.ostrel"); };
    const struct {
        const char* name;
        std::function<QString(const QDir&)> target; // makes the target, gives its path
        Step step;
        Kind kind;
        const char* reason;
        rlim_t fileSizeLimit = RLIM_INFINITY;
    } rows[] = {
        {"temporary file refused", old, Step::Open, Kind::System, "No space"},
        {"write refused", old, Step::Write, Kind::System, "No space"},
        {"flush refused", old, Step::Flush, Kind::System, "No space"},
        {"rename refused", old, Step::Replace, Kind::System, "No space"},
        // 8 KiB fit the file's buffer: the system refuses them only at the flush.
        {"disk full at the flush", old, Step::None, Kind::System, "too large", 1024},
        {"a folder", [](const QDir& d) { return d.path(); }, Step::None, Kind::Folder, ""},
        // A pipe stands for any device: the superuser's old writer replaced /dev/full itself.
        // clang-format off
        {"a pipe", [](const QDir& d) {
             mkfifo(QFile::encodeName(d.filePath("pipe")).constData(), 0600);
             return d.filePath("pipe"); }, Step::None, Kind::NotAFile, ""},
        {"a loop of links", [](const QDir& d) {
             QFile::link(d.filePath("b"), d.filePath("a"));
             QFile::link(d.filePath("a"), d.filePath("b"));
             return d.filePath("a"); }, Step::None, Kind::SymlinkLoop, ""},
        // clang-format on
    };
    for (const auto& row : rows) {
        QTemporaryDir dir;
        QFile old(dir.filePath("old.ostrel"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("the old contents\n") > 0);
        old.close();
        const QString target = row.target(QDir(dir.path()));
        // A pipe is never read: it would wait for a writer.
        const bool regular = QFileInfo(target).isFile();
        const QByteArray before = regular ? bytesOf(target) : QByteArray();
        const QStringList files = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

        AtomicFile::failAt(row.step);
        WriteFailure failure;
        {
            const testing::FileSizeLimit limit(row.fileSizeLimit);
            failure = AtomicFile::writeWhole(QByteArray(8192, 'x'), target);
        }
        AtomicFile::failAt(Step::None);

        EXPECT_EQ(failure.kind, row.kind) << row.name;
        EXPECT_TRUE(failure.reason.contains(QLatin1String(row.reason))) << row.name;
        EXPECT_EQ(regular ? bytesOf(target) : QByteArray(), before) << row.name;
        EXPECT_EQ(QFileInfo(target).isFile(), regular) << row.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), files) << row.name;
    }
}

} // namespace
} // namespace ostrel
