// Draws the About window's animation strip: six cells side by side, a flywheel turning 10
// degrees from one cell to the next. Its six spokes make the sixth step land on the first
// picture, so the loop runs without a jump. With a second path it also writes the program's
// icon (the same flywheel, larger).
//
//   ostrel_strip <strip.png> [icon.png]

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>

namespace {

constexpr int CellCount = 6;
constexpr int CellWidth = 48;
constexpr int CellHeight = 42;
constexpr double DegreeStep = 10.0;

void drawFlywheel(QPainter& p, const QRectF& cell, double angleDegrees) {
    const QPointF c = cell.center();
    const double r = std::min(cell.width(), cell.height()) / 2.0 - 1.5;
    const double rim = r * 0.22;

    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    // The rim: a ring shaded like turned steel.
    QRadialGradient steel(c, r);
    steel.setColorAt(0.70, QColor(150, 160, 175));
    steel.setColorAt(0.85, QColor(215, 222, 232));
    steel.setColorAt(1.00, QColor(95, 105, 120));
    QPainterPath ring;
    ring.addEllipse(c, r, r);
    ring.addEllipse(c, r - rim, r - rim);
    p.setPen(QPen(QColor(60, 66, 78), 1.0));
    p.setBrush(steel);
    p.drawPath(ring);

    // Six spokes, then the hub and its bore.
    p.translate(c);
    p.rotate(angleDegrees);
    p.setPen(QPen(QColor(70, 78, 92), r * 0.16, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        p.drawLine(QPointF(0, 0), QPointF(r - rim * 0.6, 0));
        p.rotate(60.0);
    }
    p.setPen(QPen(QColor(60, 66, 78), 1.0));
    p.setBrush(QColor(185, 192, 205));
    p.drawEllipse(QPointF(0, 0), r * 0.28, r * 0.28);
    p.setBrush(QColor(40, 44, 52));
    p.drawEllipse(QPointF(0, 0), r * 0.10, r * 0.10);
    // A keyway in the bore, turning with the wheel.
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(-r * 0.03, -r * 0.15, r * 0.06, r * 0.06));
    p.restore();
}

bool write(const QImage& image, const char* path) {
    if (image.save(QString::fromLocal8Bit(path), "PNG")) return true;
    std::fprintf(stderr, "ostrel_strip: cannot write %s\n", path);
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: ostrel_strip <strip.png> [icon.png]\n");
        return 2;
    }

    QImage strip(CellCount * CellWidth, CellHeight, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    {
        QPainter p(&strip);
        for (int n = 0; n < CellCount; ++n)
            drawFlywheel(p, QRectF(n * CellWidth, 0, CellWidth, CellHeight), n * DegreeStep);
    }
    if (!write(strip, argv[1])) return 1;

    if (argc > 2) {
        QImage icon(64, 64, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter p(&icon);
        drawFlywheel(p, QRectF(0, 0, 64, 64), 0.0);
        p.end();
        if (!write(icon, argv[2])) return 1;
    }
    return 0;
}
