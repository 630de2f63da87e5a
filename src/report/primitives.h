// The small drawing pieces of the report figures: the four arrowheads that end the dimension
// lines and the rotation symbol that marks the axis a part turns about.
#pragma once

#include "platform/pagesurface.h"

#include <QtGlobal>

namespace ostrel {

// Open V arrowheads, 2 mm long and 1 mm wide at the open end, tip at (x, y), drawn as two
// strokes from the tip at the current line width.
void arrowDown(PageSurface& page, double x, double y);  // pointing down the page
void arrowRight(PageSurface& page, double x, double y); // pointing right
void arrowLeft(PageSurface& page, double x, double y);  // pointing left
void arrowUp(PageSurface& page, double x, double y);    // pointing up the page

// The rotation symbol centred on (x, y): a thick elliptic arrow around a thin vertical axis
// line. y is in whole mm; callers round it half to even first (wholeMm). Leaves line width 1.
void rotationSymbol(PageSurface& page, double x, qint16 y);

// A position in whole mm for rotationSymbol: nearest integer, halves to the even neighbour.
qint16 wholeMm(double y);

} // namespace ostrel
