#include "platform/recordingsurface.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace ostrel {

namespace {

// The metrics are taken at printer resolution so that hinting barely moves them.
constexpr double MetricsDpi = 600.0;
constexpr double MmPerInch = 25.4;

QFont reportFont(const QString& name, double pointSize) {
    QFont f(name);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSizeF(pointSize);
    return f;
}

} // namespace

RecordingSurface::RecordingSurface(QSizeF printable)
    : printable_(printable), device_(1, 1, QImage::Format_RGB32) {
    const int dotsPerMeter = qRound(MetricsDpi / MmPerInch * 1000.0);
    device_.setDotsPerMeterX(dotsPerMeter);
    device_.setDotsPerMeterY(dotsPerMeter);
    mmPerUnit_ = MmPerInch / device_.logicalDpiY();
    setFont(QStringLiteral("Courier New"), 11.0);
}

void RecordingSurface::setFont(const QString& name, double pointSize) {
    const bool b = font_.bold();
    const bool u = font_.underline();
    fontName_ = name;
    fontSize_ = pointSize;
    font_ = reportFont(name, pointSize);
    font_.setBold(b);
    font_.setUnderline(u);
}

void RecordingSurface::setBold(bool on) {
    font_.setBold(on);
}

void RecordingSurface::setUnderline(bool on) {
    font_.setUnderline(on);
}

double RecordingSurface::textWidth(const QString& text) const {
    return QFontMetricsF(font_, &device_).horizontalAdvance(text) * mmPerUnit_;
}

double RecordingSurface::lineHeight() const {
    return QFontMetricsF(font_, &device_).lineSpacing() * mmPerUnit_;
}

RecordingSurface::Record RecordingSurface::stamp(Kind kind) const {
    Record r;
    r.kind = kind;
    r.lineWidth = lineWidth_;
    r.bold = font_.bold();
    r.underline = font_.underline();
    r.fontName = fontName_;
    r.fontSize = fontSize_;
    r.page = page_;
    return r;
}

void RecordingSurface::setLineWidth(int dots) {
    lineWidth_ = dots;
    records_.append(stamp(Kind::LineWidth));
}

void RecordingSurface::line(QPointF a, QPointF b) {
    Record r = stamp(Kind::Line);
    r.a = a;
    r.b = b;
    records_.append(r);
}

void RecordingSurface::box(QPointF a, QPointF b) {
    Record r = stamp(Kind::Box);
    r.a = a;
    r.b = b;
    records_.append(r);
}

void RecordingSurface::filledBox(QPointF a, QPointF b) {
    Record r = stamp(Kind::FilledBox);
    r.a = a;
    r.b = b;
    records_.append(r);
}

void RecordingSurface::ellipse(QPointF centre, double radius, double aspect) {
    Record r = stamp(Kind::Ellipse);
    r.a = centre;
    r.radius = radius;
    r.aspect = aspect;
    records_.append(r);
}

void RecordingSurface::arc(QPointF centre, double radius, double aspect, double from, double to) {
    Record r = stamp(Kind::Arc);
    r.a = centre;
    r.radius = radius;
    r.aspect = aspect;
    r.from = from;
    r.to = to;
    records_.append(r);
}

void RecordingSurface::setPoint(QPointF p, QColor c) {
    Record r = stamp(Kind::Point);
    r.a = p;
    r.colour = c;
    records_.append(r);
    pos_ = p;
}

void RecordingSurface::drawText(QPointF p, const QString& text) {
    Record r = stamp(Kind::Text);
    r.a = p;
    r.text = text;
    records_.append(r);
}

void RecordingSurface::newPage() {
    records_.append(stamp(Kind::NewPage));
}

void RecordingSurface::endDocument() {
    records_.append(stamp(Kind::End));
    ended_ = true;
}

QList<RecordingSurface::Record> RecordingSurface::recordsOf(Kind kind) const {
    QList<Record> out;
    for (const Record& r : records_)
        if (r.kind == kind) out.append(r);
    return out;
}

void RecordingSurface::clear() {
    records_.clear();
    ended_ = false;
    page_ = 1;
    pos_ = QPointF();
}

QList<RecordingSurface::TextLine> RecordingSurface::textLines() const {
    // Texts at the same height (to a thousandth of a mm) of one page form one line.
    std::map<std::pair<int, long long>, std::vector<const Record*>> byLine;
    for (const Record& r : records_) {
        if (r.kind != Kind::Text) continue;
        byLine[{r.page, std::llround(r.a.y() * 1000.0)}].push_back(&r);
    }
    QList<TextLine> out;
    for (const auto& [key, texts] : byLine) {
        QString line;
        for (const Record* r : texts) {
            QFont f = reportFont(r->fontName, r->fontSize);
            const double cw =
                QFontMetricsF(f, &device_).horizontalAdvance(QLatin1Char('0')) * mmPerUnit_;
            const int column = cw > 0 ? static_cast<int>(std::lround(r->a.x() / cw)) : 0;
            if (line.size() < column) line += QString(column - line.size(), QLatin1Char(' '));
            line = line.left(column) + r->text + line.mid(column + r->text.size());
        }
        out.append(TextLine{key.first, key.second / 1000.0, line});
    }
    return out;
}

int RecordingSurface::pageCount() const {
    int pages = 0;
    for (const Record& r : records_)
        if (r.kind != Kind::NewPage && r.kind != Kind::End && r.kind != Kind::LineWidth)
            pages = std::max(pages, r.page);
    return pages;
}

} // namespace ostrel
