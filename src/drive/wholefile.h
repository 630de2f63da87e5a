// A small file read or written whole: read with a size limit, refusing folders and anything
// that is not a plain readable file; written through AtomicFile, so that the old file survives
// any failure. The reasons are the system's own words (QFile::errorString) or a fixed entry.
#pragma once

#include <QByteArray>
#include <QString>

namespace ostrel {

struct WholeFile {
    enum class Fault { None, Missing, Folder, TooLarge, Unreadable, Unwritable };
    Fault fault = Fault::None;
    QString reason;   // the system's words, when it gave any
    QByteArray bytes; // what was read
    bool ok() const { return fault == Fault::None; }

    static WholeFile read(const QString& path, qint64 maxBytes);
    static WholeFile write(const QString& path, const QByteArray& bytes);
};

} // namespace ostrel
