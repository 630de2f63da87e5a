// The pictures of the program folder: the kind bitmaps, found without regard to letter case,
// and the toolbar images, the toolbar images "images/image01.png" ... numbered from 1. A missing or
// unreadable file gives a null pixmap; nothing else fails.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <vector>

namespace ostrel {

class ImageList {
public:
    static constexpr int Count = 29; // 26 ... 28 the mechanisms, 29 their group

    // programDir ends with "/". The files are found here; only their sizes are read.
    explicit ImageList(const QString& programDir);

    // Image n (1 ... Count) of the toolbar images, or a null pixmap; read once, on first use.
    QPixmap image(int n) const;
    // The same image as an icon that reads its file when it is first painted.
    QIcon icon(int n) const;
    // The largest image size, or an empty size when no image could be read.
    QSize imageSize() const { return size_; }

    // The path of fileName in dir compared without regard to letter case (an exact match
    // first); empty when there is no such file. fileName may hold one sub-folder
    // ("images/image01.png").
    static QString findFile(const QString& dir, const QString& fileName);
    // The picture of fileName in dir (see findFile), or a null pixmap.
    static QPixmap loadPicture(const QString& dir, const QString& fileName);

private:
    std::vector<QString> paths_;          // empty for a missing file
    mutable std::vector<QPixmap> images_; // read on first use
    mutable std::vector<bool> read_;
    QSize size_;
};

} // namespace ostrel
