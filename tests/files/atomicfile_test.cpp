// A write that fails at any step leaves the old file byte for byte and no temporary file; one
// that succeeds replaces the file a link leads to, keeping its permissions.
#include "files/atomicfile.h"
#include "files/filepaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace ostrel {
namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The process may write at most limit bytes to any file while it lives; writes beyond fail
// with EFBIG instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lower = saved_;
        lower.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

struct FailingWrite {
    std::string name;
    std::function<QString(const QDir&)> target; // makes the target, gives its path
    AtomicFile::Step step = AtomicFile::Step::None;
    WriteFailure::Kind kind = WriteFailure::Kind::System;
    const char* reason = "";
};

void PrintTo(const FailingWrite& row, std::ostream* os) {
    *os << row.name;
}

class FailedWrite : public ::testing::TestWithParam<FailingWrite> {};

TEST_P(FailedWrite, KeepsTheOldFileByteForByteAndSaysWhy) {
    const FailingWrite& row = GetParam();
    QTemporaryDir dir;
    const QString old = dir.filePath("old.ostrel");
    put(old, "the old contents\n");
    const QString target = row.target(QDir(dir.path()));
    // A device is never read: /dev/full gives zeros without end.
    const bool regular = !QFileInfo(target).exists() || QFileInfo(target).isFile();
    const QByteArray before = regular ? bytesOf(target) : QByteArray();
    const QStringList files = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

    AtomicFile::failAt(row.step);
    WriteFailure failure;
    {
        // 8 KiB fits the file's buffer: the system refuses them only at the flush.
        const FileSizeLimit limit(row.name == "DiskFullAtTheFlush" ? 1024 : RLIM_INFINITY);
        failure = AtomicFile::writeWhole(QByteArray(8192, 'x'), target);
    }
    AtomicFile::failAt(AtomicFile::Step::None);

    EXPECT_EQ(failure.kind, row.kind);
    EXPECT_TRUE(failure.reason.contains(QLatin1String(row.reason))) << failure.reason.toStdString();
    EXPECT_EQ(regular ? bytesOf(target) : QByteArray(), before);
    EXPECT_EQ(QFileInfo(target).isFile(), regular && QFileInfo::exists(target));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), files);
}

using Step = AtomicFile::Step;
using Kind = WriteFailure::Kind;
const auto oldFile = [](const QDir& d) { return d.filePath("old.ostrel"); };

// clang-format off
INSTANTIATE_TEST_SUITE_P(Writer, FailedWrite, ::testing::Values(
    FailingWrite{"TemporaryFileRefused", oldFile, Step::Open, Kind::System, "No space"},
    FailingWrite{"WriteRefused", oldFile, Step::Write, Kind::System, "No space"},
    FailingWrite{"FlushRefused", oldFile, Step::Flush, Kind::System, "No space"},
    FailingWrite{"RenameRefused", oldFile, Step::Replace, Kind::System, "No space"},
    FailingWrite{"DiskFullAtTheFlush", oldFile, Step::None, Kind::System, "too large"},
    FailingWrite{"MissingFolder", [](const QDir& d) { return d.filePath("gone/p.ostrel"); }, Step::None, Kind::System, "No such file"},
    FailingWrite{"AFolder", [](const QDir& d) { return d.path(); }, Step::None, Kind::Folder},
    FailingWrite{"ADevice", [](const QDir&) { return QStringLiteral("/dev/full"); }, Step::None, Kind::NotAFile},
    FailingWrite{"ALoopOfLinks", [](const QDir& d) {
        QFile::link(d.filePath("b"), d.filePath("a"));
        QFile::link(d.filePath("a"), d.filePath("b"));
        return d.filePath("a"); }, Step::None, Kind::SymlinkLoop}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(Write, ReplacesTheFileALinkLeadsToAndKeepsItsPermissions) {
    QTemporaryDir dir;
    const QString file = dir.filePath("real.csv"), link = dir.filePath("link.csv");
    put(file, "old");
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_TRUE(QFile::link(file, link));

    AtomicFile writer(link);
    ASSERT_TRUE(writer.open());
    ASSERT_EQ(writer.device()->write("new "), 4);
    ASSERT_TRUE(writer.write("bytes") && writer.commit());

    EXPECT_EQ(bytesOf(file), "new bytes");
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), file);
    EXPECT_EQ(QFile::permissions(file), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                            QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(Paths, OneFileIsKnownUnderEveryName) {
    QTemporaryDir dir;
    const QDir d(dir.path());
    put(d.filePath("p.ostrel"), "{}");
    put(d.filePath("q.ostrel"), "{}");
    ASSERT_TRUE(QFile::link(d.filePath("p.ostrel"), d.filePath("link.ostrel")));
    ASSERT_EQ(::link(QFile::encodeName(d.filePath("p.ostrel")).constData(),
                     QFile::encodeName(d.filePath("hard.ostrel")).constData()),
              0);
    ASSERT_TRUE(d.mkdir("sub"));
    const QString p = d.filePath("p.ostrel");
    const struct {
        QString other;
        bool same;
    } rows[] = {{d.filePath("link.ostrel"), true},
                {d.filePath("hard.ostrel"), true},
                {d.filePath("sub/../p.ostrel"), true},
                {d.filePath("q.ostrel"), false},
                {d.filePath("new.csv"), false}};
    for (const auto& row : rows)
        EXPECT_EQ(isSameFile(p, row.other), row.same) << row.other.toStdString();
    // Two files to be: one when the same name lands in the same folder.
    EXPECT_TRUE(isSameFile(d.filePath("new.csv"), d.filePath("sub/../new.csv")));
    EXPECT_FALSE(isSameFile(d.filePath("new.csv"), d.filePath("sub/new.csv")));
    EXPECT_FALSE(isSymlinkLoop(d.filePath("link.ostrel")));
    EXPECT_FALSE(isSymlinkLoop(d.filePath("missing")));
}

} // namespace
} // namespace ostrel
