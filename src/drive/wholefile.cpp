#include "drive/wholefile.h"

#include "platform/atomicfile.h"

#include <QFile>
#include <QFileInfo>

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
    const WriteFailure failure = AtomicFile::writeWhole(bytes, path);
    if (!failure.failed()) return file;
    file.fault = failure.kind == WriteFailure::Kind::Folder ? Fault::Folder : Fault::Unwritable;
    file.reason = failure.reason;
    return file;
}

} // namespace ostrel
