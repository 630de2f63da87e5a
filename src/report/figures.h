// The dimensioned figures of the report: one drawing procedure per kind of solid, drawn on a
// page surface inside a figure cell. Every figure is a fixed symbolic sketch of its kind (thick
// outline, thin dimension lines with arrowheads and letters, the rotation symbol on the axis);
// it never depends on the parts' dimensions. Each figure draws only inside its cell, expects
// line width 1 on entry and returns with line width 1. The same procedures also draw the
// editor's pictures and the toolbar images at build time.
#pragma once

#include "platform/pagesurface.h"

namespace ostrel {

// The figure cell: top-left corner (XFig, YFig) and size (LargeurFig, HauteurFig), in mm.
struct FigureCell {
    double x = 0, y = 0, largeur = 50, hauteur = 38;
};

// Centred solids.
void FigurePlateau(PageSurface& page, const FigureCell& cell);   // 1
void FigureCouronne(PageSurface& page, const FigureCell& cell);  // 2
void FigureCylHor(PageSurface& page, const FigureCell& cell);    // 3
void FigureTubeHor(PageSurface& page, const FigureCell& cell);   // 4
void FigureTroncCone(PageSurface& page, const FigureCell& cell); // 5
void FigureBras(PageSurface& page, const FigureCell& cell);      // 6
void FigureRectangle(PageSurface& page, const FigureCell& cell); // 7
void FigurePolygone(PageSurface& page, const FigureCell& cell);  // 8
void FigureBille(PageSurface& page, const FigureCell& cell);     // 9
void FigureTore(PageSurface& page, const FigureCell& cell);      // 20

// Eccentric solids.
void FigureCylVerExc(PageSurface& page, const FigureCell& cell);  // 10
void FigureTubeVerExc(PageSurface& page, const FigureCell& cell); // 11
void FigureCylHorExc(PageSurface& page, const FigureCell& cell);  // 12
void FigureTubeHorExc(PageSurface& page, const FigureCell& cell); // 13
void FigureBilleExc(PageSurface& page, const FigureCell& cell);   // 14
void FigureRectExc(PageSurface& page, const FigureCell& cell);    // 15
void FigureMasseExc(PageSurface& page, const FigureCell& cell);   // 16

// Miscellaneous items.
void FigureDiversIner(PageSurface& page, const FigureCell& cell); // 17
void FigureConvoyeur(PageSurface& page, const FigureCell& cell);  // 18
void FigureMasseDese(PageSurface& page, const FigureCell& cell);  // 19

// Draws the figure of kind code (1 ... 20) in cell and returns true; any other code draws
// nothing and returns false.
bool DessineFigure(PageSurface& page, int code, const FigureCell& cell);

} // namespace ostrel
