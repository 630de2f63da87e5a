#include "platform/pagesurface.h"

#include <cmath>
#include <cstdlib>

namespace ostrel {

QSizeF PageSurface::semiAxes(double r, double aspect) {
    // aspect < 1 flattens the vertical semi-axis, aspect > 1 narrows the horizontal one.
    if (aspect > 0 && aspect < 1) return {r, r * aspect};
    if (aspect > 1) return {r / aspect, r};
    return {r, r};
}

namespace {

constexpr int ZoneCharacters = 14;

// Positions that differ by less than this many mm are the same position: text widths are sums
// of floating-point advances, and a text that fills a zone exactly must not be judged short.
constexpr double Tolerance = 1e-6;

} // namespace

void PageSurface::print(const QString& text, Separator sep) {
    if (!text.isEmpty()) {
        drawText(pos_, text);
        pos_.setX(pos_.x() + textWidth(text));
    }
    switch (sep) {
    case Separator::Semicolon:
        break;
    case Separator::Comma: {
        const double zone = ZoneCharacters * textWidth(QStringLiteral("0"));
        if (zone > 0) {
            const double index = std::floor(pos_.x() / zone + Tolerance);
            pos_.setX((index + 1) * zone);
        }
        break;
    }
    case Separator::None:
        endLine();
        break;
    }
}

void PageSurface::printWhole(long long n, Separator sep) {
    // The magnitude as unsigned so that the smallest long long keeps its digits.
    const unsigned long long magnitude =
        n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    QString text = n < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    text += QString::number(magnitude);
    text += QLatin1Char(' ');
    print(text, sep);
}

void PageSurface::endLine() {
    pos_ = QPointF(0.0, pos_.y() + lineHeight());
}

bool PageSurface::lineFits() const {
    return pos_.y() + lineHeight() <= printableHeight() + Tolerance;
}

void PageSurface::startNewPage() {
    newPage();
    ++page_;
    pos_ = QPointF(0.0, 0.0);
}

void PageSurface::letter(QPointF p, const QString& text) {
    setPoint(p);
    print(text);
}

} // namespace ostrel
