#include "report/primitives.h"

#include "solids/calculation.h"

#include <cmath>

namespace ostrel {

void arrowDown(PageSurface& page, double x, double y) {
    page.line({x, y}, {x + 0.5, y - 2});
    page.line({x, y}, {x - 0.5, y - 2});
}

void arrowRight(PageSurface& page, double x, double y) {
    page.line({x, y}, {x - 2, y + 0.5});
    page.line({x, y}, {x - 2, y - 0.5});
}

void arrowLeft(PageSurface& page, double x, double y) {
    page.line({x, y}, {x + 2, y + 0.5});
    page.line({x, y}, {x + 2, y - 0.5});
}

void arrowUp(PageSurface& page, double x, double y) {
    page.line({x, y}, {x - 0.5, y + 2});
    page.line({x, y}, {x + 0.5, y + 2});
}

void rotationSymbol(PageSurface& page, double x, qint16 y) {
    const double pi = ostrel::pi();
    const double yc = y;
    page.setLineWidth(4);
    // Open at the top between 60 and 135 degrees; the arrowhead sits at the upper right end.
    page.arc({x, yc}, 4, 0.2, 3 * pi / 4, pi / 3);
    const int above = y - 1; // whole mm, like y itself
    page.line({x + 1.5, double(above)}, {x + 3, yc - 1.25});
    page.line({x + 1.5, double(above)}, {x + 2.5, yc + 0.1});
    page.setLineWidth(1);
    page.line({x, yc - 3}, {x, yc + 3});
}

qint16 wholeMm(double y) {
    // nearbyint follows the current rounding mode, which is to-nearest-even by default.
    // Positions far off any page are held at the ends of the 16-bit range instead of
    // overflowing the conversion.
    if (std::isnan(y)) return 0;
    const double whole = std::nearbyint(y);
    if (whole <= -32768.0) return -32768;
    if (whole >= 32767.0) return 32767;
    return static_cast<qint16>(whole);
}

} // namespace ostrel
