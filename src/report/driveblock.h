// The Drive block of the report, printed after the totals when the drive has a motor inertia or
// a speed: its inputs, its results (SI units, 4 significant digits) and the profile plot.
#pragma once

#include "drive/drivecalc.h"

#include <QString>

namespace ostrel {

class PartsList;
struct ReportContext;

// The list's exact totals at the drive axis: inertia, friction torque, working torque.
DriveTotals driveTotals(const PartsList& list);

// Prints the block at the text position through the report's line printers (with their page
// and wrapping rules): each caption in the context's caption column, a sentence that does not
// fit on its line wrapped under itself; the plot goes on the next page when it does not fit
// below. The lines use the
// current font; the plot its own, after which fontName at textSize is set again.
void printDriveBlock(const ReportContext& ctx, const PartsList& list, const DriveInputs& drive,
                     const QString& fontName, double textSize);

} // namespace ostrel
