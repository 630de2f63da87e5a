// A file written whole or not at all. The bytes go to a new temporary file in the target's
// folder; every write, the flush, the sync to disk and the close are checked; only then does
// the temporary file take the target's place (a rename within one folder). On any failure the
// target stays byte for byte as it was, the temporary file goes and the failure says why. A
// target that exists but is no regular file (a folder, a device, a pipe) is never replaced; a
// symbolic link is followed and its file replaced. Qt Core only.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <memory>

class QIODevice;

namespace ostrel {

// Why a write failed. System: the reason is the system's own text (English).
struct WriteFailure {
    enum class Kind { None, Folder, NotAFile, SymlinkLoop, System };
    Kind kind = Kind::None;
    QString reason;

    bool failed() const { return kind != Kind::None; }
};

class AtomicFile {
public:
    explicit AtomicFile(const QString& path);
    ~AtomicFile(); // a file not committed is dropped: the target stays as it was
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Finds the file to replace and creates the temporary file beside it.
    bool open();
    // Where the bytes go, open for writing, for writers that take a device (QPdfWriter): a
    // write that fails is remembered and fails the commit.
    QIODevice* device();
    bool write(QByteArrayView bytes);
    // Flushes, syncs to disk and closes the temporary file, every step checked, then puts it
    // in the target's place. True only when every byte is in the target.
    bool commit();
    const WriteFailure& failure() const { return failure_; }

    // The whole of bytes at path, in one call: no failure when every byte is there.
    static WriteFailure writeWhole(QByteArrayView bytes, const QString& path);

    // For tests: the step at which every writer of this process fails from now on, with a
    // made-up reason (None: writers work). The temporary file is real; only the outcome of
    // that step is replaced.
    enum class Step { None, Open, Write, Flush, Replace };
    static void failAt(Step step);

private:
    class Device;
    bool fail(WriteFailure::Kind kind, const QString& reason);
    bool fail(const QString& reason) { return fail(WriteFailure::Kind::System, reason); }
    bool writeBytes(const char* data, qint64 size);
    void dropTemporary();

    QString path_;
    QString target_; // the file replaced: path_ with its links followed
    QFile temporary_;
    std::unique_ptr<Device> device_;
    WriteFailure failure_;
    bool committed_ = false;
};

} // namespace ostrel
