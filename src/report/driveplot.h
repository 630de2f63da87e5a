// The profile plot of the drive: speed and motor torque against time over one cycle (the speed
// trapezoid above, the torque steps below, on one time axis), with axes, units and the values
// of each phase. Drawn on a page surface inside a given area, so that the panel and the printed
// report show the same plot.
#pragma once

#include "drive/drivecalc.h"
#include "platform/pagesurface.h"
#include "solids/units.h"

#include <QRectF>
#include <QStringList>

namespace ostrel {

// Where the plot puts the two curves inside its area, and how it scales them.
struct DrivePlotLayout {
    QRectF speedBox;                       // the speed chart's frame, mm
    QRectF torqueBox;                      // the torque chart's frame, mm
    double cycle = 1;                      // s across each box
    double speedTop = 1;                   // rpm at the top of the speed box
    double torqueLow = -1, torqueHigh = 1; // N·m at the bottom and top of the torque box

    QPointF speedPoint(QPointF timeRpm) const;     // (s, rpm) → mm
    QPointF torquePoint(QPointF timeTorque) const; // (s, N·m) → mm
};

// The plot's texts: the entries of the axis captions (568 speed, 569 torque, 570 time).
DrivePlotLayout drivePlotLayout(const PageSurface& page, QRectF area, const DriveProfile& profile,
                                const DisplayChoice& choice);

// Line width of the two curves, in printer dots (thicker than the figures' outlines); frames
// and axes are drawn at width 1.
constexpr int DrivePlotCurveWidth = 8;
// Point size of the plot's texts.
constexpr double DrivePlotTextSize = 7.0;

// Draws the plot in area (mm) and returns true; an empty profile draws nothing and returns
// false. Sets the font to fontName at DrivePlotTextSize, leaves line width 1. The curves are
// drawn as consecutive lines from one point of the profile to the next, speed first.
bool drawDriveProfile(PageSurface& page, QRectF area, const DriveProfile& profile,
                      const DisplayChoice& choice, const QStringList& texts,
                      const QString& fontName = QStringLiteral("Courier New"));

} // namespace ostrel
