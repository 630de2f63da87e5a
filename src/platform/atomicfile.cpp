#include "platform/atomicfile.h"

#include "platform/filepaths.h"

#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

namespace ostrel {

namespace {

std::atomic<int> failingStep{int(AtomicFile::Step::None)};

bool failsAt(AtomicFile::Step step) {
    return failingStep.load(std::memory_order_relaxed) == int(step);
}

QString madeUpReason() {
    return QStringLiteral("No space left on device (a failure made by a test)");
}

std::filesystem::path nativePath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file's reason for a failure; the system's own where the file has none to give (a write
// cut short by a limit on file sizes leaves it with "Unknown error").
QString reasonOf(const QFile& file, int error) {
    const QString reason = file.errorString();
    if (error != 0 && (reason.isEmpty() || reason == QLatin1String("Unknown error")))
        return systemReason(error);
    return reason;
}

// Forces the bytes of an open file to the disk; an empty text when they are there.
QString syncToDisk(QFile& file) {
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0) return systemReason(errno);
#elif defined(Q_OS_WIN)
    if (::_commit(file.handle()) != 0) return systemReason(errno);
#endif
    return {};
}

// After a rename the folder's own entry must reach the disk too; a folder that cannot be
// synced (some network file systems) has already taken the rename, so this is best effort.
void syncFolder(const QString& folder) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(folder);
#endif
}

// A name of its own for the temporary file, hidden beside the target.
QString temporaryName(const QFileInfo& target) {
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 8; ++i)
        suffix += QLatin1Char(Letters[QRandomGenerator::global()->bounded(36)]);
    // A long name keeps its start only: the temporary name must stay within the system's limit.
    return target.absolutePath() + QStringLiteral("/.") + target.fileName().left(200) +
           QLatin1Char('.') + suffix + QStringLiteral(".tmp");
}

} // namespace

// The device of the writers that take one: every write goes to the temporary file, checked.
class AtomicFile::Device : public QIODevice {
public:
    explicit Device(AtomicFile& owner) : owner_(owner) {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        return owner_.writeBytes(data, size) ? size : -1;
    }

private:
    AtomicFile& owner_;
};

AtomicFile::AtomicFile(const QString& path) : path_(path) {}

AtomicFile::~AtomicFile() {
    if (!committed_) dropTemporary();
}

void AtomicFile::failAt(Step step) {
    failingStep.store(int(step));
}

bool AtomicFile::fail(WriteFailure::Kind kind, const QString& reason) {
    if (!failure_.failed()) failure_ = WriteFailure{kind, reason};
    dropTemporary();
    return false;
}

// The device stays open after a failure: a writer that goes on writing gets a refusal of each
// write, quietly, and the commit fails.
void AtomicFile::dropTemporary() {
    if (temporary_.fileName().isEmpty()) return;
    temporary_.close();
    QFile::remove(temporary_.fileName());
    temporary_.setFileName(QString());
}

bool AtomicFile::open() {
    if (failure_.failed() || temporary_.isOpen()) return !failure_.failed();
    if (path_.isEmpty()) return fail(QStringLiteral("no file name"));
    if (isSymlinkLoop(path_))
        return fail(WriteFailure::Kind::SymlinkLoop, QStringLiteral("a loop of symbolic links"));
    target_ = linkTarget(path_);
    const QFileInfo target(target_);
    if (path_.endsWith(QLatin1Char('/')) || target.isDir())
        return fail(WriteFailure::Kind::Folder, QStringLiteral("it is a folder"));
    if (target.exists() && !target.isFile())
        return fail(WriteFailure::Kind::NotAFile, QStringLiteral("it is not a regular file"));
    if (failsAt(Step::Open)) return fail(madeUpReason());

    // A fresh name each try: never a file that someone else made.
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary_.setFileName(temporaryName(target));
        if (temporary_.open(QIODevice::WriteOnly | QIODevice::NewOnly)) break;
        if (!QFileInfo::exists(temporary_.fileName())) {
            const QString reason = temporary_.errorString();
            temporary_.setFileName(QString());
            return fail(reason);
        }
    }
    if (!temporary_.isOpen()) {
        temporary_.setFileName(QString());
        return fail(QStringLiteral("no temporary file can be made in the folder"));
    }
    // The new file keeps the permissions of the one it replaces.
    if (target.exists()) temporary_.setPermissions(QFile::permissions(target_));
    device_ = std::make_unique<Device>(*this);
    device_->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return true;
}

QIODevice* AtomicFile::device() {
    return device_.get();
}

bool AtomicFile::write(QByteArrayView bytes) {
    return writeBytes(bytes.data(), bytes.size());
}

bool AtomicFile::writeBytes(const char* data, qint64 size) {
    if (failure_.failed() || !temporary_.isOpen()) return false;
    if (failsAt(Step::Write)) return fail(madeUpReason());
    // The file keeps a buffer: a write that only fills it is checked again at the flush.
    errno = 0;
    if (temporary_.write(data, size) != size) return fail(reasonOf(temporary_, errno));
    return true;
}

bool AtomicFile::commit() {
    if (failure_.failed() || committed_) return committed_;
    if (!temporary_.isOpen()) return fail(QStringLiteral("the file was never opened"));
    errno = 0;
    if (!temporary_.flush()) return fail(reasonOf(temporary_, errno));
    if (failsAt(Step::Flush)) return fail(madeUpReason());
    if (const QString reason = syncToDisk(temporary_); !reason.isEmpty()) return fail(reason);
    temporary_.close();
    if (temporary_.error() != QFileDevice::NoError) return fail(temporary_.errorString());
    if (failsAt(Step::Replace)) return fail(madeUpReason());

    std::error_code error;
    std::filesystem::rename(nativePath(temporary_.fileName()), nativePath(target_), error);
    if (error) return fail(QString::fromStdString(error.message()));
    temporary_.setFileName(QString());
    if (device_) device_->close();
    syncFolder(QFileInfo(target_).absolutePath());
    committed_ = true;
    return true;
}

WriteFailure AtomicFile::writeWhole(QByteArrayView bytes, const QString& path) {
    AtomicFile file(path);
    if (file.open() && file.write(bytes)) file.commit();
    return file.failure();
}

} // namespace ostrel
