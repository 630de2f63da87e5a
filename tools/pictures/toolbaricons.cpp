#include "toolbaricons.h"

#include "report/primitives.h"
#include "solids/calculation.h"

namespace ostrel {

namespace {

// An upright cylinder or disc seen from a little above: top face, sides, lower front edge.
void upright(PageSurface& p, double x, double top, double r, double height) {
    const double pi = ostrel::pi();
    p.ellipse({x, top}, r, 0.2);
    p.line({x - r, top}, {x - r, top + height});
    p.line({x + r, top}, {x + r, top + height});
    p.arc({x, top + height}, r, 0.25, pi, 0);
}

} // namespace

void centredIcon(PageSurface& p) {
    p.setLineWidth(1);
    p.line({24, 8}, {24, 42}); // the common axis, through both solids
    p.setLineWidth(4);
    upright(p, 24, 15, 12, 5);
    p.ellipse({24, 32}, 7);
    rotationSymbol(p, 24, 5);
}

void eccentricIcon(PageSurface& p) {
    p.setLineWidth(4);
    upright(p, 10, 16, 6, 12);
    p.ellipse({27, 30}, 5);
    p.setLineWidth(1);
    p.line({10, 16}, {10, 7}); // radius lines to the axis at the right
    p.line({27, 25}, {27, 8});
    p.line({10, 8}, {38, 8});
    rotationSymbol(p, 38, 5);
}

void miscellaneousIcon(PageSurface& p) {
    p.setLineWidth(4);
    // Given values: the framed diagonal.
    p.box({4, 4}, {18, 22});
    p.line({4, 4}, {18, 22});
    // An unbalanced mass on its radius, with its angle.
    p.line({26, 22}, {44, 22});
    p.line({26, 22}, {40, 10});
    p.ellipse({40, 10}, 3);
    p.setLineWidth(1);
    p.arc({26, 22}, 10, 1.0, 0, 0.7);
    // A belt conveyor with its load.
    p.setLineWidth(4);
    p.ellipse({9, 37}, 5);
    p.ellipse({39, 37}, 5);
    p.line({9, 32}, {39, 32});
    p.line({9, 42}, {39, 42});
    p.box({17, 32}, {29, 27});
    p.setLineWidth(1);
}

void mechanismsIcon(PageSurface& p) {
    p.setLineWidth(4);
    // A screw between its bearings, with its nut.
    p.box({3, 5}, {7, 15});
    p.box({41, 5}, {45, 15});
    p.line({7, 8.5}, {19, 8.5});
    p.line({7, 11.5}, {19, 11.5});
    p.line({29, 8.5}, {41, 8.5});
    p.line({29, 11.5}, {41, 11.5});
    p.box({19, 3}, {29, 17});
    // A belt round two pulleys, with its carriage.
    p.ellipse({10, 35}, 7);
    p.ellipse({38, 35}, 7);
    p.line({10, 28}, {38, 28});
    p.line({10, 42}, {38, 42});
    p.box({18, 22}, {30, 28});
    p.setLineWidth(1);
}

void printIcon(PageSurface& p) {
    p.setLineWidth(4);
    // The sheet going in at the back.
    p.line({14, 16}, {14, 4});
    p.line({14, 4}, {34, 4});
    p.line({34, 4}, {34, 16});
    // The body, open where the printed sheet comes out.
    p.line({4, 16}, {44, 16});
    p.line({4, 16}, {4, 34});
    p.line({44, 16}, {44, 34});
    p.line({4, 34}, {12, 34});
    p.line({36, 34}, {44, 34});
    p.filledBox({37, 20}, {40, 23});
    // The printed sheet with two lines of text.
    p.line({12, 28}, {12, 44});
    p.line({36, 28}, {36, 44});
    p.line({12, 44}, {36, 44});
    p.setLineWidth(1);
    p.line({8, 28}, {40, 28});
    p.line({16, 34}, {32, 34});
    p.line({16, 39}, {28, 39});
}

void quitIcon(PageSurface& p) {
    const double pi = ostrel::pi();
    p.setLineWidth(4);
    // Open at the top, where the bar goes in.
    p.arc({24, 26}, 16, 1.0, pi / 2 + 0.65, pi / 2 - 0.65);
    p.line({24, 4}, {24, 24});
    p.setLineWidth(1);
}

} // namespace ostrel
