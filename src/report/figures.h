// The dimensioned figures of the report: one drawing procedure per kind of solid, drawn on a
// page surface inside a figure cell. Every figure is a fixed symbolic sketch of its kind (thick
// outline, thin dimension lines with arrowheads and letters, the rotation symbol on the axis);
// it never depends on the parts' dimensions. Each figure draws only inside its cell, expects
// line width 1 on entry and returns with line width 1. The same procedures also draw the
// editor's pictures and the toolbar images at build time.
#pragma once

#include "platform/pagesurface.h"

namespace ostrel {

// The figure cell: top-left corner (x, y) and size (width, height), in mm.
struct FigureCell {
    double x = 0, y = 0, width = 50, height = 38;
};

// Centred solids.
void drawDisc(PageSurface& page, const FigureCell& cell);           // 1
void drawRing(PageSurface& page, const FigureCell& cell);           // 2
void drawLyingCylinder(PageSurface& page, const FigureCell& cell);  // 3
void drawLyingTube(PageSurface& page, const FigureCell& cell);      // 4
void drawTruncatedCone(PageSurface& page, const FigureCell& cell);  // 5
void drawArm(PageSurface& page, const FigureCell& cell);            // 6
void drawRectangle(PageSurface& page, const FigureCell& cell);      // 7
void drawRegularPolygon(PageSurface& page, const FigureCell& cell); // 8
void drawSphere(PageSurface& page, const FigureCell& cell);         // 9
void drawTorus(PageSurface& page, const FigureCell& cell);          // 20

// Eccentric solids.
void drawEccentricVerticalCylinder(PageSurface& page, const FigureCell& cell);   // 10
void drawEccentricVerticalTube(PageSurface& page, const FigureCell& cell);       // 11
void drawEccentricHorizontalCylinder(PageSurface& page, const FigureCell& cell); // 12
void drawEccentricHorizontalTube(PageSurface& page, const FigureCell& cell);     // 13
void drawEccentricSphere(PageSurface& page, const FigureCell& cell);             // 14
void drawEccentricRectangle(PageSurface& page, const FigureCell& cell);          // 15
void drawPointMass(PageSurface& page, const FigureCell& cell);                   // 16

// Miscellaneous items.
void drawGivenValues(PageSurface& page, const FigureCell& cell);    // 17
void drawConveyor(PageSurface& page, const FigureCell& cell);       // 18
void drawUnbalancedMass(PageSurface& page, const FigureCell& cell); // 19

// Draws the figure of kind code (1 ... 20, and the mechanisms 21 ... 23 of mechanismfigures.h)
// in cell and returns true; any other code draws nothing and returns false.
bool drawFigure(PageSurface& page, int code, const FigureCell& cell);

} // namespace ostrel
