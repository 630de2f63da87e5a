// A motor and its check as the panel, the motor tables and the report show them: the motor's
// data rows, one row per criterion (required, available, margin in %, pass or fail) and the
// verdict, with captions in the working language. Torques and inertias follow the display
// choice; rpm, W and the ratio stay as they are. An absent value is an empty text, never 0.
#pragma once

#include "drive/drivetext.h"
#include "drive/motorcheck.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ostrel {

namespace MotorCheckEntry {
constexpr int FirstCriterion = 730; // 730 ... 733 in MotorCriterion order
constexpr int Required = 734;
constexpr int Available = 735;
constexpr int Margin = 736;
constexpr int Pass = 737;
constexpr int Fail = 738;
constexpr int Verdict = 739;
constexpr int Undetermined = 740; // no verdict: an input of the drive is missing
constexpr int WithBrake = 741;
constexpr int NoMotor = 742;
constexpr int SmallestPassing = 784; // the verdict of the smallest motor that passes
constexpr int ProjectCopy = 785;     // "%1 (project's copy)"
} // namespace MotorCheckEntry

// The motor's values in MotorField order from RatedTorque (the name is the block's heading):
// caption, value and unit; an optional value not given is empty.
QList<DriveRow> motorDataRows(const Motor& motor, const DisplayChoice& choice,
                              const QStringList& texts);

struct MotorCheckRow {
    QString key;      // "ratio", "peakTorque", "rmsTorque", "speed"
    QString caption;  // entries 730 ... 733
    QString required; // empty when the criterion is absent
    QString available;
    QString unit;    // of required and available
    QString margin;  // "12.5 %", empty without one
    QString verdict; // entry 737 or 738, empty when absent
    bool present = false;
    bool pass = false;
};
QList<MotorCheckRow> motorCheckRows(const MotorCheck& check, const DisplayChoice& choice,
                                    const QStringList& texts);
// What the criterion compares, the same in every language: "5.200 ≤ 8.000 N·m" when it passes,
// "5.200 > 5.000 N·m" when it fails; empty when it is absent.
QString criterionComparison(const MotorCheckRow& row);

// The motor as the Motors dialog's cells show it for editing: the name, then each value at
// full precision in N·m, rpm and W, the inertias in the chosen inertia unit; an optional value
// not given is empty.
QStringList motorEditTexts(const Motor& motor, const DisplayChoice& choice);
// The motor the dialog's cells give (in the same units; a decimal comma is read as a point):
// the fault of the first wrong cell, or the motor in SI.
MotorParse motorFromEditTexts(const QStringList& texts, const DisplayChoice& choice);

// The margin as a percentage with 3 significant digits ("12.5 %", "-4.00 %").
QString marginText(double margin);
// Pass, fail or "not known" (entries 737, 738, 740).
QString motorVerdictText(const MotorCheck& check, const QStringList& texts);

} // namespace ostrel
