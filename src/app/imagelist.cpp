#include "app/imagelist.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace ostrel {

namespace {

// The entry of dir named name without regard to case, or an empty text.
QString entryInsensitive(const QDir& dir, const QString& name, QDir::Filters filters) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return {};
    if (QFileInfo::exists(dir.filePath(name))) return name;
    const QStringList entries = dir.entryList(filters | QDir::Hidden | QDir::System);
    for (const QString& e : entries) {
        if (e.compare(name, Qt::CaseInsensitive) == 0) return e;
    }
    return {};
}

} // namespace

ImageList::ImageList(const QString& programDir)
    : paths_(Count), images_(Count), read_(Count, false) {
    for (int n = 1; n <= Count; ++n) {
        const QString name = QStringLiteral("images/image%1.png").arg(n, 2, 10, QLatin1Char('0'));
        const QString path = findFile(programDir, name);
        paths_[static_cast<size_t>(n - 1)] = path;
        if (!path.isEmpty()) size_ = size_.expandedTo(QImageReader(path).size());
    }
}

QPixmap ImageList::image(int n) const {
    if (n < 1 || n > Count) return {};
    const auto i = static_cast<size_t>(n - 1);
    if (!read_[i]) {
        read_[i] = true;
        if (!paths_[i].isEmpty()) images_[i].load(paths_[i]);
    }
    return images_[i];
}

QIcon ImageList::icon(int n) const {
    if (n < 1 || n > Count || paths_[static_cast<size_t>(n - 1)].isEmpty()) return {};
    return QIcon(paths_[static_cast<size_t>(n - 1)]);
}

QString ImageList::findFile(const QString& dir, const QString& fileName) {
    QDir folder(dir);
    const QStringList parts = fileName.split(QLatin1Char('/'));
    if (parts.isEmpty() || parts.size() > 2) return {};
    if (parts.size() == 2) {
        const QString sub = entryInsensitive(folder, parts[0], QDir::Dirs | QDir::NoDotAndDotDot);
        if (sub.isEmpty() || !folder.cd(sub)) return {};
    }
    const QString found = entryInsensitive(folder, parts.back(), QDir::Files);
    if (found.isEmpty() || !QFileInfo(folder.filePath(found)).isFile()) return {};
    return folder.filePath(found);
}

QPixmap ImageList::loadPicture(const QString& dir, const QString& fileName) {
    const QString path = findFile(dir, fileName);
    QPixmap picture;
    if (!path.isEmpty()) picture.load(path); // a file that cannot be decoded leaves the pixmap null
    return picture;
}

} // namespace ostrel
