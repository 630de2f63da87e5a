// The toolbar images that show no single kind: the four group buttons, print and quit. They
// are drawn with the strokes of the figures (thick outlines, thin axes, the rotation symbol) so
// that the whole toolbar reads as one set; the picture generator scales each to its icon.
#pragma once

#include "platform/pagesurface.h"

namespace ostrel {

// A disc and a sphere on one vertical axis: the solids centred on the axis of rotation.
void centredIcon(PageSurface& page);
// An upright cylinder and a sphere tied by their radius lines to an axis beside them.
void eccentricIcon(PageSurface& page);
// A given-value box, a mass on a radius and a belt conveyor: the miscellaneous items.
void miscellaneousIcon(PageSurface& page);
// A screw with its nut above a belt with its carriage: the linear mechanisms.
void mechanismsIcon(PageSurface& page);
// A printer with a sheet going in and a printed sheet coming out.
void printIcon(PageSurface& page);
// The power symbol.
void quitIcon(PageSurface& page);

} // namespace ostrel
