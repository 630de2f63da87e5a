#include "platform/filepaths.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace ostrel {

namespace {

// Links followed before a path counts as a loop (the kernel's own limit on Linux).
constexpr int MaxLinks = 40;

// The last part of path followed from link to link; false when the links never end.
bool followLinks(const QString& path, QFileInfo& info) {
    info.setFile(path);
    for (int hop = 0; hop < MaxLinks && info.isSymLink(); ++hop)
        info.setFile(info.symLinkTarget());
    return !info.isSymLink();
}

} // namespace

bool isSymlinkLoop(const QString& path) {
    if (path.isEmpty()) return false;
#ifdef Q_OS_UNIX
    // The system says so for a loop anywhere on the way, a folder's link included.
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) != 0 && errno == ELOOP;
#else
    QFileInfo info;
    return !followLinks(path, info);
#endif
}

bool isSameFile(const QString& first, const QString& second) {
    if (first.isEmpty() || second.isEmpty()) return false;
    const bool firstExists = QFileInfo::exists(first), secondExists = QFileInfo::exists(second);
    if (firstExists != secondExists) return false;
    if (!firstExists) {
        // Two files to be: the same name in the same folder once the links are followed.
        const QFileInfo a(linkTarget(first)), b(linkTarget(second));
        const QString folder = QFileInfo(a.absolutePath()).canonicalFilePath();
        return !folder.isEmpty() && a.fileName() == b.fileName() &&
               folder == QFileInfo(b.absolutePath()).canonicalFilePath();
    }
#ifdef Q_OS_UNIX
    struct stat a, b;
    if (::stat(QFile::encodeName(first).constData(), &a) != 0 ||
        ::stat(QFile::encodeName(second).constData(), &b) != 0)
        return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
#else
    const QString a = QFileInfo(first).canonicalFilePath();
    return !a.isEmpty() && a == QFileInfo(second).canonicalFilePath();
#endif
}

QString linkTarget(const QString& path) {
    QFileInfo info;
    if (path.isEmpty() || !followLinks(path, info) || isSymlinkLoop(path)) return {};
    return info.absoluteFilePath();
}

} // namespace ostrel
