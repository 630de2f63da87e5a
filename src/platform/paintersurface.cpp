#include "platform/paintersurface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace ostrel {

namespace {

constexpr double MmPerInch = 25.4;
constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;

} // namespace

PainterSurface::PainterSurface(QPaintDevice* device) : device_(device) {
    sx_ = device_->logicalDpiX() / MmPerInch;
    sy_ = device_->logicalDpiY() / MmPerInch;
    printable_ = QSizeF(device_->width() / sx_, device_->height() / sy_);
    paged_ = dynamic_cast<QPagedPaintDevice*>(device_) != nullptr;
    begin();
}

PainterSurface::PainterSurface(QImage* image, QSizeF mmSize, QPointF originMm)
    : device_(image), origin_(originMm), printable_(mmSize) {
    sx_ = mmSize.width() > 0 ? image->width() / mmSize.width() : 1.0;
    sy_ = mmSize.height() > 0 ? image->height() / mmSize.height() : 1.0;
    begin();
}

PainterSurface::~PainterSurface() {
    if (painter_.isActive()) painter_.end();
}

void PainterSurface::begin() {
    ok_ = painter_.begin(device_);
    if (ok_) {
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }
    setFont(QStringLiteral("Courier New"), 11.0);
    setLineWidth(1);
}

QPointF PainterSurface::toDevice(QPointF mm) const {
    return QPointF((mm.x() - origin_.x()) * sx_, (mm.y() - origin_.y()) * sy_);
}

void PainterSurface::applyFont() {
    if (painter_.isActive()) painter_.setFont(font_);
}

void PainterSurface::setFont(const QString& name, double pointSize) {
    const bool b = font_.bold();
    const bool u = font_.underline();
    fontName_ = name;
    fontSize_ = pointSize;
    font_ = QFont(name);
    font_.setStyleHint(QFont::TypeWriter);
    font_.setFixedPitch(true);
    // The device turns points into units with its own resolution; an image standing for a
    // millimetre size has a resolution of its own, so the size is scaled to match it.
    const double deviceDpi = device_->logicalDpiY();
    const double wantedDpi = sy_ * MmPerInch;
    font_.setPointSizeF(deviceDpi > 0 ? pointSize * wantedDpi / deviceDpi : pointSize);
    font_.setBold(b);
    font_.setUnderline(u);
    applyFont();
}

void PainterSurface::setBold(bool on) {
    font_.setBold(on);
    applyFont();
}

void PainterSurface::setUnderline(bool on) {
    font_.setUnderline(on);
    applyFont();
}

double PainterSurface::textWidth(const QString& text) const {
    return QFontMetricsF(font_, device_).horizontalAdvance(text) / sx_;
}

double PainterSurface::lineHeight() const {
    return QFontMetricsF(font_, device_).lineSpacing() / sy_;
}

QPen PainterSurface::pen(QColor c) const {
    const double width = std::max(lineWidth_ * sx_ * MmPerInch / penDpi_, 1.0);
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PainterSurface::setLineWidth(int dots) {
    lineWidth_ = std::max(dots, 1);
    if (painter_.isActive()) painter_.setPen(pen());
}

void PainterSurface::openPendingPage() {
    if (!pagePending_) return;
    pagePending_ = false;
    if (paged_ && painter_.isActive()) {
        if (!static_cast<QPagedPaintDevice*>(device_)->newPage()) ok_ = false;
    }
}

void PainterSurface::line(QPointF a, QPointF b) {
    if (!painter_.isActive()) return;
    openPendingPage();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawLine(toDevice(a), toDevice(b));
}

void PainterSurface::box(QPointF a, QPointF b) {
    if (!painter_.isActive()) return;
    openPendingPage();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(toDevice(a), toDevice(b)).normalized());
}

void PainterSurface::filledBox(QPointF a, QPointF b) {
    if (!painter_.isActive()) return;
    openPendingPage();
    painter_.setBrush(painter_.pen().color());
    painter_.drawRect(QRectF(toDevice(a), toDevice(b)).normalized());
    painter_.setBrush(Qt::NoBrush);
}

QRectF PainterSurface::ellipseRect(QPointF centre, double r, double aspect) const {
    const QSizeF axes = semiAxes(r, aspect);
    const double a = axes.width();
    const double b = axes.height();
    const QPointF c = toDevice(centre);
    return QRectF(c.x() - a * sx_, c.y() - b * sy_, 2 * a * sx_, 2 * b * sy_);
}

void PainterSurface::ellipse(QPointF centre, double r, double aspect) {
    if (!painter_.isActive()) return;
    openPendingPage();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(ellipseRect(centre, r, aspect));
}

void PainterSurface::arc(QPointF centre, double r, double aspect, double from, double to) {
    if (!painter_.isActive()) return;
    openPendingPage();
    // Counterclockwise as seen on the page from `from` to `to`: Qt's angles already turn that
    // way on a y-down device. Equal angles draw the whole curve.
    const double full = 2 * std::numbers::pi;
    double span = std::fmod(to - from, full);
    if (span <= 0) span += full;
    painter_.setBrush(Qt::NoBrush);
    painter_.drawArc(ellipseRect(centre, r, aspect),
                     static_cast<int>(std::lround(from * DegreesPerRadian * 16)),
                     static_cast<int>(std::lround(span * DegreesPerRadian * 16)));
}

void PainterSurface::setPoint(QPointF p, QColor c) {
    pos_ = p;
    if (!painter_.isActive()) return;
    openPendingPage();
    const QPen saved = painter_.pen();
    painter_.setPen(pen(c));
    painter_.drawPoint(toDevice(p));
    painter_.setPen(saved);
}

void PainterSurface::drawText(QPointF p, const QString& text) {
    if (!painter_.isActive()) return;
    openPendingPage();
    const QPointF d = toDevice(p);
    const double ascent = QFontMetricsF(font_, device_).ascent();
    painter_.drawText(QPointF(d.x(), d.y() + ascent), text);
}

void PainterSurface::newPage() {
    // The page opens when something is drawn on it, so that a page break directly before the
    // end of the job leaves no blank page.
    pagePending_ = true;
}

void PainterSurface::endDocument() {
    if (ended_) return;
    ended_ = true;
    pagePending_ = false;
    if (painter_.isActive() && !painter_.end()) ok_ = false;
}

} // namespace ostrel
