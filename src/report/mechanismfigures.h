// The report figures of the linear mechanisms (kinds 21 to 23), in the style of the solids'
// figures: a fixed symbolic sketch in the figure cell, thick outlines, thin dimension lines
// with arrowheads and the letters of the kind's table, and the rotation symbol on the drive
// axis. The screw lies across the page, so its symbol is turned a quarter turn; a pinion and a
// pulley are seen end on (their depth drawn obliquely), so theirs is a circular arrow round a
// small cross. Each draws only inside its cell and returns with line width 1.
#pragma once

#include "report/figures.h"

namespace ostrel {

void drawScrewAxis(PageSurface& page, const FigureCell& cell); // 21: m, P, d, L, F
void drawRackAxis(PageSurface& page, const FigureCell& cell);  // 22: m, D, b, F
void drawBeltAxis(PageSurface& page, const FigureCell& cell);  // 23: m, D, b, n, F

} // namespace ostrel
