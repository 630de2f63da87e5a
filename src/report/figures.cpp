#include "report/figures.h"

#include "report/mechanismfigures.h"
#include "report/primitives.h"
#include "report/sketch.h"
#include "solids/calculation.h"

namespace ostrel {

namespace {

// The anchors the figures place themselves by.
QPointF centre(const FigureCell& c) {
    return {c.x + c.width / 2, c.y + c.height / 2};
}
QPointF middleLeft(const FigureCell& c) {
    return {c.x, c.y + c.height / 2};
}
QPointF topLeft(const FigureCell& c) {
    return {c.x, c.y};
}
QPointF topMiddle(const FigureCell& c) {
    return {c.x + c.width / 2, c.y};
}
QPointF leftThird(const FigureCell& c) {
    return {c.x + c.width / 3, c.y + c.height / 2};
}
QPointF upperQuarter(const FigureCell& c) {
    return {c.x + c.width / 2, c.y + c.height / 4};
}

// The rotation symbol above a centred solid, at a fixed place of the cell.
void rotationAbove(PageSurface& page, const FigureCell& c, double dx = 25) {
    rotationSymbol(page, c.x + dx, wholeMm(c.y + 5));
}

const QString D = QStringLiteral("D");
const QString d = QStringLiteral("d");
const QString H = QStringLiteral("H");
const QString M = QStringLiteral("M");
const QString N = QStringLiteral("N");
const QString R = QStringLiteral("R");

} // namespace

// ---- Centred solids ----

void drawDisc(PageSurface& page, const FigureCell& cell) {
    const double pi = ostrel::pi();
    Sketch s(page, centre(cell));
    s.width(4);
    s.ellipse(0, 0, 15, 0.2);
    s.line(-15, 8, -15, 0);
    s.line(15, 8, 15, 0);
    s.arc(0, 8, 15, 0.25, pi, 0);
    s.width(1);
    s.line(-15, 0, -15, -10);
    s.line(15, 0, 15, -10);
    s.line(-15, -9, 15, -9);
    s.left(-15, -9);
    s.right(15, -9);
    s.letter(0, -13, D);
    s.line(15, 0, 23, 0);
    s.line(15, 8, 23, 8);
    s.line(22, 0, 22, 8);
    s.up(22, 0);
    s.down(22, 8);
    s.letter(19, 2, H);
    rotationAbove(page, cell);
}

void drawRing(PageSurface& page, const FigureCell& cell) {
    drawDisc(page, cell);
    Sketch s(page, centre(cell));
    s.width(4);
    s.ellipse(0, 0, 10, 0.17);
    s.letter(0, -8.5, d);
    s.width(1);
    s.line(-10, 0, -10, -7);
    s.line(10, 0, 10, -7);
    s.line(-10, -5, 10, -5);
    s.left(-10, -5);
    s.right(10, -5);
}

void drawLyingCylinder(PageSurface& page, const FigureCell& cell) {
    const double pi = ostrel::pi();
    Sketch s(page, leftThird(cell));
    s.width(4);
    s.ellipse(0, 0, 8, 2.5);
    s.line(0, -8, 18, -8);
    s.line(0, 8, 18, 8);
    s.arc(18, 0, 8, 2.3, 3 * pi / 2, pi / 2);
    s.width(1);
    s.line(18, -8, 28, -8);
    s.line(18, 8, 28, 8);
    s.line(27, -8, 27, 8);
    s.up(27, -8);
    s.down(27, 8);
    s.letter(23, -2, D);
    s.line(0, 8, 0, 14);
    s.line(18, 8, 18, 14);
    s.line(0, 13, 18, 13);
    s.left(0, 13);
    s.right(18, 13);
    s.letter(9, 9, H);
    rotationAbove(page, cell);
}

void drawLyingTube(PageSurface& page, const FigureCell& cell) {
    drawLyingCylinder(page, cell);
    Sketch s(page, leftThird(cell));
    s.width(4);
    s.ellipse(0, 0, 5, 2.5);
    s.width(1);
    s.line(0, -5, -10, -5);
    s.line(0, 5, -10, 5);
    s.line(-9, -5, -9, 5);
    s.up(-9, -5);
    s.down(-9, 5);
    s.letter(-8, -2, d);
}

void drawTruncatedCone(PageSurface& page, const FigureCell& cell) {
    const double pi = ostrel::pi();
    Sketch s(page, upperQuarter(cell));
    s.width(4);
    s.ellipse(0, 3, 5, 0.2);
    s.arc(0, 15, 8, 0.25, pi, 0);
    s.line(-5, 3, -8, 15);
    s.line(5, 3, 8, 15);
    s.width(1);
    s.line(-8, 15, -8, 24);
    s.line(8, 15, 8, 24);
    s.line(-8, 23, 8, 23);
    s.left(-8, 23);
    s.right(8, 23);
    s.letter(-2, 20, D);
    s.line(-5, 3, -5, -2);
    s.line(5, 3, 5, -2);
    s.line(-5, 0, 5, 0);
    s.left(-5, 0);
    s.right(5, 0);
    s.letter(-2, -3, d);
    s.line(5, 3, 16, 3);
    s.line(8, 15, 16, 15);
    s.line(15, 3, 15, 15);
    s.up(15, 3);
    s.down(15, 15);
    s.letter(16, 7, H);
    rotationAbove(page, cell);
}

void drawArm(PageSurface& page, const FigureCell& cell) {
    Sketch s(page, middleLeft(cell));
    // Three thin lines at the width in force on entry.
    s.line(10, 0, 10, -10);
    s.line(10, 0, 40, 0);
    s.line(8.6, 2.5, 4, 12);
    s.width(4);
    s.box(25, 10, 30, 13);
    s.line(25, 10, 8, 0);
    s.line(8, 0, 13, 0);
    s.line(8, 0, 8, 2);
    s.line(30, 10, 13, 0);
    s.line(25, 13, 8, 2);
    s.width(1);
    s.line(27, 10, 27, -10);
    s.line(10, -11, 27, -2);
    s.letter(17, -11, D);
    rotationAbove(page, cell, 10);
}

void drawRectangle(PageSurface& page, const FigureCell& cell) {
    Sketch s(page, topLeft(cell));
    s.width(4);
    s.line(12, 14, 32, 14);
    s.line(12, 14, 22, 24);
    s.line(32, 14, 42, 24);
    s.box(22, 24, 42, 27);
    s.line(12, 14, 12, 17);
    s.line(12, 17, 22, 27);
    s.width(1);
    // Thickness: arrowheads outside, pointing inward.
    s.line(12, 14, 8, 14);
    s.line(12, 17, 8, 17);
    s.line(9, 14, 9, 17);
    s.down(9, 14);
    s.up(9, 17);
    s.letter(4, 14, H);
    s.line(12, 17, 12, 23);
    s.line(22, 27, 22, 33);
    s.line(12, 22, 22, 32);
    s.letter(13, 26, d);
    s.line(42, 27, 42, 33);
    s.line(22, 32, 42, 32);
    s.left(22, 32);
    s.right(42, 32);
    s.letter(32, 28, D);
    rotationAbove(page, cell);
}

void drawRegularPolygon(PageSurface& page, const FigureCell& cell) {
    Sketch s(page, topMiddle(cell));
    s.width(4);
    s.line(0, 10, 10, 14);
    s.line(10, 14, 12, 23);
    s.line(12, 23, 5, 30);
    s.line(5, 30, -8, 27);
    s.line(-8, 27, -12, 15);
    s.line(-12, 15, 0, 10);
    s.line(-12, 15, -12, 17.5);
    s.line(-8, 27, -8, 29.5);
    s.line(5, 30, 5, 32.5);
    s.line(12, 23, 12, 25.5);
    s.line(-12, 17.5, -8, 29.5);
    s.line(-8, 29.5, 5, 32.5);
    s.line(5, 32.5, 12, 25.5);
    s.width(1);
    // Thickness: arrowheads outside, pointing inward.
    s.line(12, 23, 17, 23);
    s.line(12, 25.5, 17, 25.5);
    s.line(16, 23, 16, 25.5);
    s.down(16, 23);
    s.up(16, 25.5);
    s.letter(19, 23, H);
    s.line(-12, 15, -12, 7);
    s.line(12, 23, 12, 7);
    s.line(-12, 9, 12, 9);
    s.left(-12, 9);
    s.right(12, 9);
    s.letter(5, 5, D);
    s.letter(-17, 18, N);
    rotationAbove(page, cell);
}

void drawSphere(PageSurface& page, const FigureCell& cell) {
    Sketch s(page, centre(cell));
    s.width(4);
    s.ellipse(0, 0, 9);
    s.width(1);
    s.line(0, -9, 15, -9);
    s.line(0, 9, 15, 9);
    s.line(14, -9, 14, 9);
    s.up(14, -9);
    s.down(14, 9);
    s.letter(15, -2, D);
    rotationAbove(page, cell);
}

void drawTorus(PageSurface& page, const FigureCell& cell) {
    Sketch s(page, middleLeft(cell));
    s.width(4);
    s.ellipse(10, 0, 7);
    s.ellipse(40, 0, 7);
    s.line(10, -7, 40, -7);
    s.line(10, 7, 40, 7);
    s.width(1);
    s.line(40, 0, 40, -13);
    s.line(10, 0, 10, -13);
    s.line(10, -12, 40, -12);
    s.right(40, -12);
    s.left(10, -12);
    s.letter(22, -17, D);
    s.line(25, -7, 25, 7);
    s.up(25, -7);
    s.down(25, 7);
    s.letter(26, -2, d);
    // Between the dimension line of D and the ring.
    s.rotation(25, -10);
}

// ---- Eccentric solids ----

void drawEccentricVerticalCylinder(PageSurface& page, const FigureCell& cell) {
    const double pi = ostrel::pi();
    Sketch s(page, topLeft(cell));
    s.width(4);
    s.ellipse(10, 12, 6, 0.2);
    s.line(4, 12, 4, 26);
    s.line(16, 12, 16, 26);
    s.arc(10, 26, 6, 0.25, pi, 0);
    s.width(1);
    s.line(4, 26, 4, 32);
    s.line(16, 26, 16, 32);
    s.line(4, 31, 16, 31);
    s.left(4, 31);
    s.right(16, 31);
    s.letter(9, 29, D);
    s.line(16, 12, 22, 12);
    s.line(16, 26, 22, 26);
    s.line(21, 12, 21, 26);
    s.up(21, 12);
    s.down(21, 26);
    s.letter(21, 17, H);
    s.line(10, 12, 10, 7);
    s.line(10, 8, 35, 8);
    s.letter(22, 3, R);
    s.rotation(35, 5);
}

void drawEccentricVerticalTube(PageSurface& page, const FigureCell& cell) {
    drawEccentricVerticalCylinder(page, cell);
    Sketch s(page, topLeft(cell));
    s.width(4);
    s.ellipse(10, 12, 4, 0.15);
    s.width(1);
    s.line(6, 12, 6, 3);
    s.line(14, 12, 14, 3);
    s.line(6, 4, 14, 4);
    s.left(6, 4);
    s.right(14, 4);
    s.letter(9, 1, d);
}

void drawEccentricHorizontalCylinder(PageSurface& page, const FigureCell& cell) {
    const double pi = ostrel::pi();
    Sketch s(page, topLeft(cell));
    s.width(4);
    s.ellipse(10, 25, 5, 2.5);
    s.arc(25, 25, 5, 2.3, 3 * pi / 2, pi / 2);
    s.line(10, 20, 25, 20);
    s.line(10, 30, 25, 30);
    s.width(1);
    s.line(25, 20, 30, 20);
    s.line(25, 30, 30, 30);
    s.line(29, 30, 29, 20);
    s.up(29, 20);
    s.down(29, 30);
    s.letter(30, 23, D);
    s.line(10, 20, 10, 14);
    s.line(25, 20, 25, 14);
    s.line(10, 15, 25, 15);
    s.left(10, 15);
    s.right(25, 15);
    s.letter(18.5, 12, H);
    s.line(17.5, 18, 17.5, 6);
    s.line(17.5, 8, 35, 8);
    s.letter(25, 4, R);
    s.rotation(35, 5);
}

void drawEccentricHorizontalTube(PageSurface& page, const FigureCell& cell) {
    drawEccentricHorizontalCylinder(page, cell);
    Sketch s(page, topLeft(cell));
    s.width(4);
    s.ellipse(10, 25, 3, 2.5);
    s.width(1);
    s.line(10, 22, 5, 22);
    s.line(10, 28, 5, 28);
    s.line(6, 22, 6, 28);
    s.up(6, 22);
    s.down(6, 28);
    s.letter(2, 23, d);
}

void drawEccentricSphere(PageSurface& page, const FigureCell& cell) {
    Sketch s(page, middleLeft(cell));
    Sketch c(page, topLeft(cell));
    s.width(4);
    s.ellipse(10, 0, 6);
    s.width(1);
    s.line(10, -6, 21, -6);
    s.line(10, 6, 21, 6);
    s.line(20, -6, 20, 6);
    s.up(20, -6);
    s.down(20, 6);
    s.letter(21, -2, D);
    page.line(s.at(10, -6), c.at(10, 4));
    c.line(10, 8, 35, 8);
    c.letter(22, 4, R);
    c.rotation(35, 5);
}

void drawEccentricRectangle(PageSurface& page, const FigureCell& cell) {
    Sketch s(page, topLeft(cell));
    s.width(4);
    s.line(5, 18, 17, 18);
    s.line(5, 18, 10, 25);
    s.box(10, 25, 22, 28);
    s.line(22, 25, 17, 18);
    s.line(5, 18, 5, 21);
    s.line(5, 21, 10, 28);
    s.line(10, 28, 10, 25);
    s.width(1);
    // Thickness: arrowheads outside, pointing inward.
    s.line(22, 25, 27, 25);
    s.line(22, 28, 27, 28);
    s.line(26, 25, 26, 28);
    s.down(26, 25);
    s.up(26, 28);
    s.letter(28, 24, H);
    s.line(5, 21, 5, 26);
    s.letter(5, 26, d);
    s.line(10, 28, 10, 33);
    s.line(22, 28, 22, 33);
    s.line(10, 32, 22, 32);
    s.right(22, 32);
    s.left(10, 32);
    s.letter(15, 30, D);
    s.line(12, 21, 12, 5);
    s.line(12, 8, 30, 8);
    s.letter(20, 3, R);
    s.rotation(30, 5);
}

void drawPointMass(PageSurface& page, const FigureCell& cell) {
    const double pi = ostrel::pi();
    Sketch s(page, middleLeft(cell));
    Sketch c(page, topLeft(cell));
    s.width(4);
    s.arc(12, 0, 8, 1.0, 3 * pi / 2, pi / 2);
    s.arc(12, 0, 4, 0.5, 3 * pi / 2, pi / 2);
    s.line(12, -8, 4, 0);
    s.line(4, 0, 12, 8);
    s.width(1);
    page.line(s.at(12, 8), c.at(12, 6));
    c.line(12, 7, 37, 7);
    c.letter(22, 3, R);
    c.rotation(37, 5);
}

// ---- Miscellaneous items ----

void drawGivenValues(PageSurface& page, const FigureCell& cell) {
    const double pi = ostrel::pi();
    Sketch s(page, middleLeft(cell));
    s.width(4);
    s.ellipse(12, 0, 8);
    s.arc(12, 0, 4, 0.5, 3 * pi / 2, pi / 2);
    s.filledBox(12, -8, 4, 0);
    s.box(20, -16, 36, 8);
    s.line(20, -16, 36, 8);
    s.line(4, 0, 12, 8);
    s.width(1);
}

void drawConveyor(PageSurface& page, const FigureCell& cell) {
    Sketch s(page, middleLeft(cell));
    s.width(4);
    s.ellipse(8, 0, 5);
    s.ellipse(38, 0, 5);
    s.line(8, -5, 38, -5);
    s.line(8, 5, 38, 5);
    s.box(13, -5, 28, -10);
    s.letter(18, -15, M);
    s.width(1);
    s.line(33, 0, 33, 10);
    s.line(43, 0, 43, 10);
    s.line(33, 9, 43, 9);
    s.left(33, 9);
    s.right(43, 9);
    s.letter(37, 6, D);
}

void drawUnbalancedMass(PageSurface& page, const FigureCell& cell) {
    // Everything at the width in force on entry.
    Sketch s(page, topLeft(cell));
    s.line(10, 27, 40, 27);
    s.line(10, 27, 10, 2);
    s.line(10, 27, 35, 10);
    s.ellipse(35, 10, 3);
    // The angle ends at a fixed 0.597 rad, close to the radius line's own slope.
    s.arc(10, 27, 16, 1.0, 0, 0.597);
    s.letter(23, 11, R);
    s.letter(40, 9, M);
    s.letter(28, 20, QString(QChar(0x00DF)));
}

bool drawFigure(PageSurface& page, int code, const FigureCell& cell) {
    using Figure = void (*)(PageSurface&, const FigureCell&);
    static constexpr Figure figures[] = {
        drawDisc,
        drawRing,
        drawLyingCylinder,
        drawLyingTube,
        drawTruncatedCone,
        drawArm,
        drawRectangle,
        drawRegularPolygon,
        drawSphere,
        drawEccentricVerticalCylinder,
        drawEccentricVerticalTube,
        drawEccentricHorizontalCylinder,
        drawEccentricHorizontalTube,
        drawEccentricSphere,
        drawEccentricRectangle,
        drawPointMass,
        drawGivenValues,
        drawConveyor,
        drawUnbalancedMass,
        drawTorus,
        drawScrewAxis,
        drawRackAxis,
        drawBeltAxis,
    };
    if (code < 1 || code > int(std::size(figures))) return false;
    figures[code - 1](page, cell);
    return true;
}

} // namespace ostrel
