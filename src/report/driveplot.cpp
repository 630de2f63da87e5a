#include "report/driveplot.h"

#include "drive/drivetext.h"
#include "solids/units.h"

#include <algorithm>
#include <cmath>

namespace ostrel {

namespace {

constexpr double Headroom = 0.18; // of the range, above and below the curves, for their values
constexpr double Gap = 1.0;       // mm between a label and what it names

QString rpmText(double n) {
    return significantText(n, 4);
}

// The values at the ends of the torque box: the curve's extremes, with room beyond each
// non-zero extreme for the value written there (pad mm of a box height mm tall).
std::pair<double, double> torqueRange(const DriveProfile& profile, double height, double pad) {
    double low = 0, high = 0;
    for (const QPointF& p : profile.torque) {
        low = std::min(low, p.y());
        high = std::max(high, p.y());
    }
    const double span = high - low;
    if (!(span > 0) || !std::isfinite(span)) return {-1.0, 1.0};
    const double padTop = high > 0 ? pad : 0;
    const double padBottom = low < 0 ? pad : 0;
    const double usable = height - padTop - padBottom;
    if (usable < height / 3) // a box too small for its texts: a plain margin
        return {low < 0 ? low - Headroom * span : low, high > 0 ? high + Headroom * span : high};
    const double perMm = span / usable;
    return {low - padBottom * perMm, high + padTop * perMm};
}

void centredText(PageSurface& page, double x, double top, const QString& text) {
    page.drawText(QPointF(x - page.textWidth(text) / 2, top), text);
}

} // namespace

QPointF DrivePlotLayout::speedPoint(QPointF p) const {
    return {speedBox.left() + p.x() / cycle * speedBox.width(),
            speedBox.bottom() - p.y() / speedTop * speedBox.height()};
}

QPointF DrivePlotLayout::torquePoint(QPointF p) const {
    return {torqueBox.left() + p.x() / cycle * torqueBox.width(),
            torqueBox.bottom() -
                (p.y() - torqueLow) / (torqueHigh - torqueLow) * torqueBox.height()};
}

DrivePlotLayout drivePlotLayout(const PageSurface& page, QRectF area, const DriveProfile& profile,
                                const DisplayChoice& choice) {
    DrivePlotLayout l;
    double n = 0;
    for (const QPointF& p : profile.speed)
        n = std::max(n, p.y());
    l.cycle = profile.phaseEnds[3] > 0 ? profile.phaseEnds[3] : 1;

    // The left margin holds the value labels of the vertical axes.
    const double margin =
        std::max({page.textWidth(rpmText(n)), page.textWidth(choice.format(0, Quantity::Torque)),
                  page.textWidth(QStringLiteral("0"))}) +
        2 * Gap;
    const double lh = page.lineHeight();
    const double boxHeight = std::max(1.0, (area.height() - 4 * lh - 1.5) / 2);
    const double left = area.left() + margin;
    const double width = std::max(1.0, area.right() - Gap - left);
    l.speedBox = QRectF(left, area.top() + lh, width, boxHeight);
    l.torqueBox = QRectF(left, l.speedBox.bottom() + 1.0 + lh, width, boxHeight);
    // Room above the top speed and beyond the extreme torques for the values written there.
    const double pad = lh + 1.5;
    l.speedTop =
        n > 0 ? (boxHeight > 3 * pad ? n * boxHeight / (boxHeight - pad) : n * (1 + Headroom)) : 1;
    std::tie(l.torqueLow, l.torqueHigh) = torqueRange(profile, boxHeight, pad);
    return l;
}

bool drawDriveProfile(PageSurface& page, QRectF area, const DriveProfile& profile,
                      const DisplayChoice& choice, const QStringList& texts,
                      const QString& fontName) {
    if (profile.empty()) return false;
    page.setFont(fontName, DrivePlotTextSize);
    page.setBold(false);
    page.setUnderline(false);
    page.setLineWidth(1);
    const DrivePlotLayout l = drivePlotLayout(page, area, profile, choice);
    const double lh = page.lineHeight();
    const QString torqueUnit = choice.symbol(Quantity::Torque);

    // Captions with their units.
    page.drawText(QPointF(area.left(), area.top()),
                  texts.value(DriveEntry::PlotSpeed) + QStringLiteral(" (rpm)"));
    page.drawText(QPointF(area.left(), l.torqueBox.top() - lh),
                  texts.value(DriveEntry::PlotTorque) + QStringLiteral(" (") + torqueUnit +
                      QLatin1Char(')'));
    const QString timeCaption = texts.value(DriveEntry::PlotTime) + QStringLiteral(" (s)");
    page.drawText(
        QPointF(l.torqueBox.right() - page.textWidth(timeCaption), l.torqueBox.bottom() + 0.5 + lh),
        timeCaption);

    // Frames, the torque's zero line and the phase boundaries.
    page.box(l.speedBox.topLeft(), l.speedBox.bottomRight());
    page.box(l.torqueBox.topLeft(), l.torqueBox.bottomRight());
    const double zeroY = l.torquePoint(QPointF(0, 0)).y();
    if (zeroY > l.torqueBox.top() && zeroY < l.torqueBox.bottom())
        page.line(QPointF(l.torqueBox.left(), zeroY), QPointF(l.torqueBox.right(), zeroY));
    double lastLabelRight = -1e9;
    for (int i = -1; i < 4; ++i) {
        const double t = i < 0 ? 0.0 : profile.phaseEnds[static_cast<size_t>(i)];
        if (i >= 0 && i < 3 && t > 0 && t < l.cycle) {
            const double x = l.speedPoint(QPointF(t, 0)).x();
            page.line(QPointF(x, l.speedBox.top()), QPointF(x, l.speedBox.bottom()));
            page.line(QPointF(x, l.torqueBox.top()), QPointF(x, l.torqueBox.bottom()));
        }
        // The time at each phase end under the torque chart, when it has room.
        const QString label = significantText(t, 4);
        const double x = l.torquePoint(QPointF(t, 0)).x();
        const double w = page.textWidth(label);
        const double labelLeft = std::min(x - w / 2, l.torqueBox.right() - w);
        if (labelLeft > lastLabelRight + Gap) {
            page.drawText(QPointF(std::max(labelLeft, area.left()), l.torqueBox.bottom() + 0.5),
                          label);
            lastLabelRight = labelLeft + w;
        }
    }

    // Values of the vertical axes.
    double n = 0;
    for (const QPointF& p : profile.speed)
        n = std::max(n, p.y());
    const auto leftLabel = [&page, &l](double y, const QString& text) {
        page.drawText(
            QPointF(l.speedBox.left() - Gap - page.textWidth(text), y - page.lineHeight() / 2),
            text);
    };
    leftLabel(l.speedBox.bottom(), QStringLiteral("0"));
    leftLabel(l.speedPoint(QPointF(0, n)).y(), rpmText(n));
    leftLabel(zeroY, choice.format(0, Quantity::Torque));

    // The curves.
    page.setLineWidth(DrivePlotCurveWidth);
    for (qsizetype i = 1; i < profile.speed.size(); ++i)
        page.line(l.speedPoint(profile.speed[i - 1]), l.speedPoint(profile.speed[i]));
    for (qsizetype i = 1; i < profile.torque.size(); ++i)
        page.line(l.torquePoint(profile.torque[i - 1]), l.torquePoint(profile.torque[i]));
    page.setLineWidth(1);

    // The value of each phase: the speed over its plateau (or its peak), each torque step over
    // (or under, when negative) its middle.
    const QPointF e1 = l.speedPoint(QPointF(profile.phaseEnds[0], n));
    const QPointF e2 = l.speedPoint(QPointF(profile.phaseEnds[1], n));
    centredText(page, (e1.x() + e2.x()) / 2, e1.y() - lh - 0.3,
                rpmText(n) + QStringLiteral(" rpm"));
    for (qsizetype i = 1; i < profile.torque.size(); ++i) {
        const QPointF a = profile.torque[i - 1];
        const QPointF b = profile.torque[i];
        if (a.y() != b.y() || !(b.x() > a.x()) || a.y() == 0) continue;
        const QPointF mid = l.torquePoint(QPointF((a.x() + b.x()) / 2, a.y()));
        centredText(page, mid.x(), a.y() > 0 ? mid.y() - lh - 0.3 : mid.y() + 0.5,
                    choice.format(a.y(), Quantity::Torque));
    }
    return true;
}

} // namespace ostrel
