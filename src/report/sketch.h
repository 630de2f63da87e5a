// Drawing at millimetre offsets from one anchor point of a figure cell (dx to the right, dy
// down the page): the lines, boxes, ellipses, arcs, letters and arrowheads of a report figure.
#pragma once

#include "platform/pagesurface.h"
#include "report/primitives.h"

namespace ostrel {

class Sketch {
public:
    Sketch(PageSurface& page, QPointF anchor) : page_(page), a_(anchor) {}

    QPointF at(double dx, double dy) const { return a_ + QPointF(dx, dy); }
    void width(int dots) { page_.setLineWidth(dots); }
    void line(double x1, double y1, double x2, double y2) { page_.line(at(x1, y1), at(x2, y2)); }
    void line(QPointF p, QPointF q) { page_.line(a_ + p, a_ + q); }
    void box(double x1, double y1, double x2, double y2) { page_.box(at(x1, y1), at(x2, y2)); }
    void filledBox(double x1, double y1, double x2, double y2) {
        page_.filledBox(at(x1, y1), at(x2, y2));
    }
    void ellipse(double dx, double dy, double r, double aspect = 1.0) {
        page_.ellipse(at(dx, dy), r, aspect);
    }
    void arc(double dx, double dy, double r, double aspect, double from, double to) {
        page_.arc(at(dx, dy), r, aspect, from, to);
    }
    void letter(double dx, double dy, const QString& text) { page_.letter(at(dx, dy), text); }
    void down(double dx, double dy) { arrowDown(page_, a_.x() + dx, a_.y() + dy); }
    void right(double dx, double dy) { arrowRight(page_, a_.x() + dx, a_.y() + dy); }
    void left(double dx, double dy) { arrowLeft(page_, a_.x() + dx, a_.y() + dy); }
    void up(double dx, double dy) { arrowUp(page_, a_.x() + dx, a_.y() + dy); }
    // The rotation symbol centred at the offset, its height rounded to whole mm.
    void rotation(double dx, double dy) {
        rotationSymbol(page_, a_.x() + dx, wholeMm(a_.y() + dy));
    }

private:
    PageSurface& page_;
    QPointF a_;
};

} // namespace ostrel
