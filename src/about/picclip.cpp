#include "about/picclip.h"

namespace ostrel {

bool PicClip::charge(const QString& path) {
    QImage image;
    const bool ok = image.load(path);
    strip_ = ok ? image : QImage();
    return ok;
}

void PicClip::setImage(const QImage& strip) {
    strip_ = strip;
}

QSize PicClip::tailleCellule() const {
    if (strip_.isNull()) return {};
    return {strip_.width() / Cellules, strip_.height()};
}

QImage PicClip::cellule(int n) const {
    const QSize taille = tailleCellule();
    if (n < 0 || n >= Cellules || taille.isEmpty()) return {};
    return strip_.copy(n * taille.width(), 0, taille.width(), taille.height());
}

} // namespace ostrel
