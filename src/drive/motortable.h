// Every motor of a list checked against one axis at once: the checks in the list's order, the
// order by rated torque with the smallest motor that passes, and the table as CSV for the
// command line (one row per motor in the list's order, margins as fractions, SI units).
#pragma once

#include "drive/motorcheck.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace ostrel {

struct MotorTable {
    std::vector<MotorCheck> checks; // checks[i] is the check of motors[i]
    // Indices into the list by rated torque, then peak torque, rotor inertia and the list's
    // order.
    std::vector<int> byRatedTorque;
    // The first motor of byRatedTorque that passes, if any.
    std::optional<int> smallestPassing;
};

// The drive inputs are read once; each motor is checked with its own J_M (J_R, plus J_B when
// withBrake; the command line's table checks without the brake, J_M = J_R).
MotorTable checkEveryMotor(const std::vector<Motor>& motors, bool withBrake,
                           const DriveInputs& inputs, const DriveTotals& totals);

// name,verdict,ratio,ratioLimit,peakTorque,availablePeakTorque,peakMargin,rmsTorque,ratedTorque,
// rmsMargin,speed,maxSpeed,speedMargin,brakingEnergy
QString motorTableCsvHeader();
// The header and one row per motor in the list's order (CRLF line ends): the verdict "pass" or
// "fail" (empty while a criterion lacks its inputs), every number at full precision with "."
// decimals, an absent value empty.
QByteArray motorTableCsv(const std::vector<Motor>& motors, const MotorTable& table);

} // namespace ostrel
