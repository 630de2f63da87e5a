#include "drive/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ostrel {

WholeFile WholeFile::read(const QString& path, qint64 maxBytes) {
    WholeFile file;
    const QFileInfo info(path);
    if (!info.exists()) {
        file.fault = Fault::Missing;
        return file;
    }
    if (info.isDir()) {
        file.fault = Fault::Folder;
        return file;
    }
    if (!info.isFile()) { // a pipe, a device: nothing to read whole
        file.fault = Fault::Unreadable;
        return file;
    }
    if (info.size() > maxBytes) {
        file.fault = Fault::TooLarge;
        return file;
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        file.fault = Fault::Unreadable;
        file.reason = in.errorString();
        return file;
    }
    // Read one byte beyond the limit to catch a file that grew since it was looked at.
    file.bytes = in.read(maxBytes + 1);
    if (in.error() != QFileDevice::NoError) {
        file.fault = Fault::Unreadable;
        file.reason = in.errorString();
        file.bytes.clear();
    } else if (file.bytes.size() > maxBytes) {
        file.fault = Fault::TooLarge;
        file.bytes.clear();
    }
    return file;
}

WholeFile WholeFile::write(const QString& path, const QByteArray& bytes) {
    WholeFile file;
    const auto fail = [&file](const QString& reason) {
        file.fault = Fault::Unwritable;
        file.reason = reason;
        return file;
    };
    if (QFileInfo(path).isDir()) {
        file.fault = Fault::Folder;
        return file;
    }
    // Unbuffered: a full disk or a size limit shows in the write itself, not in a flush whose
    // failure could go unseen.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(out.errorString());
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        const QString reason = out.errorString();
        out.cancelWriting();
        return fail(reason);
    }
    // commit syncs and renames; on failure the temporary file goes and the old one stays.
    if (!out.commit()) return fail(out.errorString());
    return file;
}

} // namespace ostrel
