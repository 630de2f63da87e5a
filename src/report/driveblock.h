// The Drive block of the report, printed after the totals when the drive has a motor inertia or
// a speed: its inputs, its results (4 significant digits; inertias and torques in the report's
// units, the rest SI) and the profile plot; and
// the Motor block after it when a motor is chosen: the motor's data and brake, its four checks
// with their margins, the verdict and the braking energy.
#pragma once

#include "drive/drivecalc.h"
#include "drive/motorcheck.h"

#include <QString>
#include <vector>

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

// Prints the Motor block at the text position through the same line printers: the title, the
// motor's name, its data and brake in the caption column, each criterion's caption with what
// it compares, its margin and pass or fail on the line below, the verdict, and the braking
// energy and power with their note.
void printMotorBlock(const ReportContext& ctx, const PartsList& list, const DriveInputs& drive,
                     const ChosenMotor& motor);
// The entries of the captions the Motor block (and the Drive block's brake choice) prints in
// the caption column.
std::vector<int> motorBlockCaptions();

} // namespace ostrel
