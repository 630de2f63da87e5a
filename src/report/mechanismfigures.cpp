#include "report/mechanismfigures.h"

#include "report/sketch.h"
#include "solids/calculation.h"

#include <algorithm>
#include <cmath>

namespace ostrel {

namespace {

const QString D = QStringLiteral("D");
const QString F = QStringLiteral("F");
const QString L = QStringLiteral("L");
const QString P = QStringLiteral("P");
const QString b = QStringLiteral("b");
const QString d = QStringLiteral("d");
const QString m = QStringLiteral("m");
const QString n = QStringLiteral("n");

// The rotation symbol of an axis lying across the page at (x, y): the upright symbol turned a
// quarter turn clockwise, its arc open to the right and its axis line horizontal.
void rotationAcross(Sketch& s, double x, double y) {
    const double pi = ostrel::pi();
    s.width(4);
    s.arc(x, y, 4, 5, pi / 4, -pi / 6);
    s.line(x + 1, y + 1.5, x + 1.25, y + 3);
    s.line(x + 1, y + 1.5, x - 0.1, y + 2.5);
    s.width(1);
    s.line(x - 3, y, x + 3, y);
}

// The rotation symbol of an axis seen end on at (x, y): a thick circular arrow open at the top
// like the upright symbol's, its head at the upper right, and a thin cross on the axis.
void rotationEndOn(Sketch& s, double x, double y) {
    const double pi = ostrel::pi();
    s.width(4);
    s.arc(x, y, 3, 1.0, 3 * pi / 4, pi / 3);
    s.line(x + 1.5, y - 2.6, x + 3, y - 2.6);
    s.line(x + 1.5, y - 2.6, x + 2.25, y - 1.3);
    s.width(1);
    s.line(x - 1.2, y, x + 1.2, y);
    s.line(x, y - 1.2, x, y + 1.2);
}

// A wheel of radius r seen end on at c, its back face shifted by depth (up and to the right):
// the front circle, the visible part of the back circle and the two tangent lines. Something
// in front may hide the top of the back face: the back arc then stops at the angle hiddenFrom
// and the upper tangent line at the height hiddenAbove.
struct Wheel {
    QPointF c;
    double r;
    QPointF depth;

    // Angle of the lower tangent point, square to the depth (counterclockwise from the right).
    double lowerAngle() const { return std::atan2(-depth.y(), depth.x()) - ostrel::pi() / 2; }
    // The point of the front circle at angle t, and of the back circle.
    QPointF front(double t) const { return c + QPointF(r * std::cos(t), -r * std::sin(t)); }
    QPointF back(double t) const { return front(t) + depth; }

    void draw(Sketch& s, double hiddenFrom = 1e9, double hiddenAbove = -1e9) const {
        const double low = lowerAngle();
        const double high = low + ostrel::pi();
        s.ellipse(c.x(), c.y(), r);
        s.arc(c.x() + depth.x(), c.y() + depth.y(), r, 1.0, low, std::min(high, hiddenFrom));
        s.line(front(low), back(low));
        const QPointF a = front(high), z = back(high);
        const double shown =
            z.y() >= hiddenAbove ? 1.0 : std::max(0.0, (a.y() - hiddenAbove) / (a.y() - z.y()));
        s.line(a, a + (z - a) * shown);
    }

    // The width b along the depth, beside the lower tangent line: two extension lines outward
    // and a slanted dimension line between them, as the oblique edges of the other figures.
    void widthDimension(Sketch& s, double out, QPointF letterAt) const {
        const double t = lowerAngle();
        const QPointF nrm(std::cos(t), -std::sin(t)); // outward
        const QPointF f = front(t), k = back(t);
        s.line(f, f + nrm * out);
        s.line(k, k + nrm * out);
        s.line(f + nrm * (out - 1), k + nrm * (out - 1));
        s.letter(letterAt.x(), letterAt.y(), b);
    }
};

// A thrust F against the forward motion: a thin arrow pointing left onto the load at (x, y).
void thrust(Sketch& s, double x, double y, double length, QPointF letterAt) {
    s.line(x, y, x + length, y);
    s.left(x, y);
    s.letter(letterAt.x(), letterAt.y(), F);
}

} // namespace

void drawScrewAxis(PageSurface& page, const FigureCell& cell) {
    Sketch s(page, {cell.x, cell.y});
    s.width(4);
    s.box(8, 18, 11, 26); // bearings
    s.box(42, 18, 45, 26);
    s.line(11, 20.5, 24, 20.5); // the screw, behind the nut
    s.line(31, 20.5, 42, 20.5);
    s.line(11, 23.5, 24, 23.5);
    s.line(31, 23.5, 42, 23.5);
    s.box(24, 17, 31, 27); // nut
    s.box(19, 12, 36, 17); // table
    s.width(1);
    for (double x : {12.0, 15.0, 18.0, 21.0, 32.0, 35.0, 38.0}) // thread
        s.line(x, 23.5, x + 1.5, 20.5);
    s.letter(26.5, 12.5, m);
    // Lead: from one thread to the next, arrowheads outside pointing inward.
    s.line(13.5, 20.5, 13.5, 14.5);
    s.line(16.5, 20.5, 16.5, 14.5);
    s.line(13.5, 15.5, 16.5, 15.5);
    s.right(13.5, 15.5);
    s.left(16.5, 15.5);
    s.letter(14, 10.5, P);
    // Diameter, on the shaft between the nut and the bearing.
    s.line(40.5, 20.5, 40.5, 23.5);
    s.down(40.5, 20.5);
    s.up(40.5, 23.5);
    s.letter(37.5, 24.5, d);
    // Length, between the bearings.
    s.line(11, 26, 11, 32);
    s.line(42, 26, 42, 32);
    s.line(11, 31, 42, 31);
    s.left(11, 31);
    s.right(42, 31);
    s.letter(17, 27, L);
    thrust(s, 36, 14.5, 6, {40, 9.5});
    rotationAcross(s, 4.5, 22);
}

void drawRackAxis(PageSurface& page, const FigureCell& cell) {
    Sketch s(page, {cell.x, cell.y});
    const Wheel pinion{{17, 21}, 8, {3, -2}};
    s.width(4);
    s.box(14, 9, 46, 13); // the rack, in front of the pinion's top
    s.line(14, 9, 17, 7);
    s.line(17, 7, 49, 7);
    s.line(49, 7, 46, 9);
    s.line(49, 7, 49, 11);
    s.line(49, 11, 46, 13);
    // The back face goes behind the rack where it rises above the rack's lower edge.
    const double behindRack = std::asin((pinion.c.y() + pinion.depth.y() - 13) / pinion.r);
    pinion.draw(s, behindRack, 13);
    s.box(30, 2, 42, 8); // the load, on the rack
    s.width(1);
    for (double x = 20; x <= 44; x += 3) // teeth
        s.line(x, 13, x, 11.8);
    s.letter(34.5, 2.5, m);
    // Pitch diameter, at the left.
    s.line(17, 13, 3, 13);
    s.line(17, 29, 3, 29);
    s.line(4, 13, 4, 29);
    s.up(4, 13);
    s.down(4, 29);
    s.letter(5, 19, D);
    pinion.widthDimension(s, 5, {28, 27});
    thrust(s, 42, 5, 5, {45, 0.8});
    rotationEndOn(s, pinion.c.x(), pinion.c.y());
}

void drawBeltAxis(PageSurface& page, const FigureCell& cell) {
    Sketch s(page, {cell.x, cell.y});
    const QPointF depth{2.25, -1.5};
    const Wheel drive{{12.5, 22}, 6, depth};
    const Wheel idler{{38.5, 22}, 6, depth};
    s.width(4);
    drive.draw(s);
    idler.draw(s);
    s.line(12.5, 16, 38.5, 16); // the belt
    s.line(12.5, 28, 38.5, 28);
    s.box(19.5, 10, 31.5, 16); // the carriage, on the belt
    s.width(1);
    s.letter(24, 11, m);
    // Pulley diameter, at the left of the drive pulley.
    s.line(12.5, 16, 3.5, 16);
    s.line(12.5, 28, 3.5, 28);
    s.line(4.5, 16, 4.5, 28);
    s.up(4.5, 16);
    s.down(4.5, 28);
    s.letter(1, 20, D);
    idler.widthDimension(s, 4, {46.5, 29.5});
    s.letter(37.5, 20, n); // the pulleys of this size, the drive one included
    thrust(s, 31.5, 13, 5, {34, 8});
    rotationEndOn(s, drive.c.x(), drive.c.y());
}

} // namespace ostrel
