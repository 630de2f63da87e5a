#include "about/picturestrip.h"

namespace ostrel {

bool PictureStrip::load(const QString& path) {
    QImage image;
    const bool ok = image.load(path);
    strip_ = ok ? image : QImage();
    return ok;
}

void PictureStrip::setImage(const QImage& strip) {
    strip_ = strip;
}

QSize PictureStrip::cellSize() const {
    if (strip_.isNull()) return {};
    return {strip_.width() / CellCount, strip_.height()};
}

QImage PictureStrip::cell(int n) const {
    const QSize size = cellSize();
    if (n < 0 || n >= CellCount || size.isEmpty()) return {};
    return strip_.copy(n * size.width(), 0, size.width(), size.height());
}

} // namespace ostrel
