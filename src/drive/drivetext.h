// The drive's inputs, list totals and results as the panel and the report show them: one row
// per quantity with its caption (an entry of the working language), its value with the digits
// and units of a DisplayChoice (inertias and torques; rpm, s, W, J and rad/s² stay SI) and its
// unit. An absent result has an empty value, never 0.
#pragma once

#include "drive/drivecalc.h"
#include "solids/units.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ostrel {

// The results in display order.
enum class DriveResult {
    Ratio,
    AccelRate,
    DecelRate,
    AccelTorque,
    ConstTorque,
    DecelTorque,
    HoldTorque,
    PeakTorque,
    RmsTorque,
    PeakPower,
    KineticEnergy,
    BrakingEnergy,
    BrakingPower,
    CoastTime, // last: the panel's coast-down note follows it
    Count
};

struct DriveRow {
    QString key;     // stable ASCII name ("accelTorque")
    QString caption; // in the working language
    QString value;   // empty when absent
    QString unit;
};

// Entry numbers of the drive's texts.
namespace DriveEntry {
constexpr int PanelTitle = 530;
constexpr int ShowPanel = 531;
constexpr int FirstInput = 532; // 532 ... 541 in DriveInputs::Field order
constexpr int LoadInertia = 542;
constexpr int Friction = 543;
constexpr int Working = 544;
constexpr int FirstResult = 545; // 545 ... 555: the results of driveResultEntry
constexpr int VerdictWithin = 556;
constexpr int VerdictAbove = 557;
constexpr int CoastNone = 558;
constexpr int HintNegative = 559;
constexpr int HintEfficiency = 560;
constexpr int HintSafety = 561;
constexpr int HintLimit = 562;
constexpr int FixTheBoxes = 563;
constexpr int FromTheList = 564;
constexpr int ReportTitle = 565;
constexpr int ReportInputs = 566;
constexpr int ReportResults = 567;
constexpr int PlotSpeed = 568;
constexpr int PlotTorque = 569;
constexpr int PlotTime = 570;
constexpr int CoastNote = 571;
constexpr int RatioCaption = 572; // the verdict's caption in the report
constexpr int AboveAdvice = 573;  // what to do when the ratio is above the limit
constexpr int HintNotANumber = 574;
constexpr int BrakingEnergy = 743;
constexpr int BrakingPower = 744;
constexpr int HoldTorque = 745;
constexpr int BrakeHoldsLoad = 684; // the choice's caption, shared with the mechanisms
constexpr int Yes = 747;
constexpr int No = 748;
constexpr int BrakingNote = 767; // the braking energy is an upper bound
} // namespace DriveEntry

// The entry of a result's caption.
int driveResultEntry(DriveResult result);

// The unit of an input (SI whatever the choice: "kg·m²", "rpm", "s", or empty).
QString driveInputUnit(DriveInputs::Field f);

// The panel's motor and gearbox inertia boxes are typed in the inertia unit of the display
// choice, while the inputs keep SI (the project file too). The unit of a box; the text a box
// shows for an input's SI text; the SI text of what a box holds. Other boxes, texts without a
// number and the SI unit pass unchanged; a converted number carries up to 15 significant
// digits, so that a typed "5" comes back as "5" after any change of unit.
QString driveBoxUnit(DriveInputs::Field f, const DisplayChoice& choice);
QString driveBoxText(DriveInputs::Field f, const QString& siText, const DisplayChoice& choice);
QString driveSiText(DriveInputs::Field f, const QString& boxText, const DisplayChoice& choice);
// The hint text of a box, empty for none.
QString driveHintText(DriveHint hint, const QStringList& texts);

// The inputs as read (defaults applied), in field order.
// The inertias in the chosen unit (SI in Classic), the other inputs in their SI units.
QList<DriveRow> driveInputRows(const DriveInputs& inputs, const QStringList& texts,
                               const DisplayChoice& choice = {});
// The brake choice: its caption and "yes" or "no" (entries 684, 747 and 748).
DriveRow driveBrakeRow(const DriveInputs& inputs, const QStringList& texts);
// J_L, T_F and T_W in the chosen units.
QList<DriveRow> driveTotalRows(const DriveTotals& totals, const DisplayChoice& choice,
                               const QStringList& texts);
// The results in DriveResult order; the coast-down time reads entry 558 when T_F is 0.
QList<DriveRow> driveResultRows(const DriveResults& results, const DisplayChoice& choice,
                                const QStringList& texts);
// The verdict of the inertia ratio (entry 556 or 557), empty without a ratio.
QString driveVerdictText(const DriveResults& results, const QStringList& texts);

} // namespace ostrel
