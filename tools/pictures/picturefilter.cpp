#include "picturefilter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ostrel {

namespace {

constexpr int Thick = 4;

bool near(double a, double b) {
    return std::abs(a - b) < 1e-9;
}

// The rotation symbol's arc at the thick width: radius 4 and aspect 0.2 about an upright axis,
// aspect 5 about an axis lying across the page, radius 3 and aspect 1 about an axis seen end on.
bool isSymbolArc(double r, double aspect) {
    return (near(r, 4.0) && (near(aspect, 0.2) || near(aspect, 5.0))) ||
           (near(r, 3.0) && near(aspect, 1.0));
}

} // namespace

PictureFilter::PictureFilter(PageSurface* target, Keep keep, int thickDots, int thinDots)
    : target_(target), keep_(keep), thickDots_(thickDots), thinDots_(thinDots) {
    if (target_) target_->setLineWidth(thinDots_);
}

void PictureFilter::setFont(const QString& name, double pointSize) {
    if (target_) target_->setFont(name, pointSize);
}

void PictureFilter::setBold(bool on) {
    bold_ = on;
}
void PictureFilter::setUnderline(bool on) {
    underline_ = on;
}

double PictureFilter::textWidth(const QString& text) const {
    return target_ ? target_->textWidth(text) : 2.3 * text.size();
}

double PictureFilter::lineHeight() const {
    return target_ ? target_->lineHeight() : 4.2;
}
double PictureFilter::printableWidth() const {
    return target_ ? target_->printableWidth() : 1e6;
}
double PictureFilter::printableHeight() const {
    return target_ ? target_->printableHeight() : 1e6;
}

void PictureFilter::setLineWidth(int dots) {
    width_ = dots;
    if (target_) target_->setLineWidth(dots >= Thick ? thickDots_ : thinDots_);
}

bool PictureFilter::keeps(bool isLine) {
    if (!isLine) pending_.clear();
    if (keep_ == Keep::AllStrokes || width_ >= Thick) return true;
    // The first thin line after the symbol's arc is its axis.
    if (isLine && inSymbol_) return true;
    return false;
}

QPointF PictureFilter::inSymbol(QPointF p) const {
    return symbolCentre_ + (p - symbolCentre_) * symbolScale_;
}

void PictureFilter::strokeLine(QPointF a, QPointF b) {
    include(a);
    include(b);
    if (target_) target_->line(a, b);
}

void PictureFilter::include(QPointF p) {
    if (kept_ == 0) {
        bounds_ = QRectF(p, p);
    } else {
        bounds_.setLeft(std::min(bounds_.left(), p.x()));
        bounds_.setRight(std::max(bounds_.right(), p.x()));
        bounds_.setTop(std::min(bounds_.top(), p.y()));
        bounds_.setBottom(std::max(bounds_.bottom(), p.y()));
    }
    ++kept_;
}

void PictureFilter::includeEllipse(QPointF centre, double r, double aspect, double from,
                                   double to) {
    const QSizeF axes = semiAxes(r, aspect);
    const double a = axes.width();
    const double b = axes.height();
    double sweep = to - from;
    while (sweep <= 0)
        sweep += 2 * std::numbers::pi;
    constexpr int steps = 96;
    for (int i = 0; i <= steps; ++i) {
        const double t = from + sweep * i / steps;
        // Counterclockwise as seen on the page: up the page is -y.
        include(centre + QPointF(a * std::cos(t), -b * std::sin(t)));
    }
}

void PictureFilter::line(QPointF a, QPointF b) {
    if (!keeps(true)) {
        pending_.append(QLineF(a, b));
        if (pending_.size() > 2) pending_.removeFirst();
        return;
    }
    if (!inSymbol_) {
        strokeLine(a, b);
        return;
    }
    strokeLine(inSymbol(a), inSymbol(b));
    if (width_ < Thick) { // the axis ends the symbol
        inSymbol_ = false;
        if (target_) target_->setLineWidth(thinDots_);
    }
}

void PictureFilter::box(QPointF a, QPointF b) {
    if (!keeps(false)) return;
    include(a);
    include(b);
    if (target_) target_->box(a, b);
}

void PictureFilter::filledBox(QPointF a, QPointF b) {
    if (!keeps(false)) return;
    include(a);
    include(b);
    if (target_) target_->filledBox(a, b);
}

void PictureFilter::ellipse(QPointF centre, double r, double aspect) {
    if (!keeps(false)) return;
    includeEllipse(centre, r, aspect, 0, 2 * std::numbers::pi);
    if (target_) target_->ellipse(centre, r, aspect);
}

void PictureFilter::arc(QPointF centre, double r, double aspect, double from, double to) {
    const bool symbol = width_ >= Thick && isSymbolArc(r, aspect);
    if (!keeps(false)) return;
    if (symbol) {
        inSymbol_ = true;
        symbolCentre_ = centre;
        r *= symbolScale_;
        if (target_ && symbolScale_ != 1.0) target_->setLineWidth(thinDots_);
    }
    includeEllipse(centre, r, aspect, from, to);
    if (target_) target_->arc(centre, r, aspect, from, to);
}

void PictureFilter::setPoint(QPointF p, QColor) {
    pos_ = p;
}

void PictureFilter::drawText(QPointF, const QString& text) {
    // The radius line of an eccentric part: the two thin lines just before its letter.
    if (keepRadius_ && keep_ == Keep::Outline && text == QLatin1String("R") &&
        pending_.size() == 2) {
        for (const QLineF& l : pending_)
            strokeLine(l.p1(), l.p2());
    }
    pending_.clear();
}

} // namespace ostrel
