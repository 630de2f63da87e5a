// The drive inputs in a project file and the drive table of the CSV export: a JSON object of
// the typed texts (read back field by field; anything missing or of the wrong type gives the
// field's default) and CSV rows of quantity, value and unit (RFC 4180 fields, "." decimals,
// SI units, full precision).
#pragma once

#include "drive/drivecalc.h"
#include "drive/motorcheck.h"

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

namespace ostrel {

QJsonObject driveToJson(const DriveInputs& inputs);
DriveInputs driveFromJson(const QJsonObject& object);

// One CSV field: quoted (quotes doubled) when it holds a comma, a quote or a line break.
QString csvField(const QString& text);

// The drive table: a heading row "quantity,value,unit", the inputs as read (the brake choice
// "yes" or "no"), the list's totals,
// then the results (an absent result has an empty value; the verdict reads "within" or
// "above"; a coast-down time without friction reads "none"). Lines without a line end.
QStringList driveCsvRows(const DriveInputs& inputs, const DriveTotals& totals);

// The chosen motor's rows for the drive table: "motor" (its name), "motorWithBrake" (yes or
// no), its data ("motorRatedTorque" ... "motorRatedPower", an optional value not given empty),
// then for each criterion (ratio, peakTorque, rmsTorque, speed) <criterion>Required,
// <criterion>Available, <criterion>Margin (a fraction) and <criterion>Check (pass or fail), all
// empty when the criterion is absent, and "motorVerdict" (pass, fail or empty).
QStringList motorCsvRows(const ChosenMotor& chosen, const DriveInputs& inputs,
                         const DriveTotals& totals);

// The CSV export of a project: the parts list's table, then, when the drive has a motor inertia
// or a speed, an empty line and the drive table (CRLF line ends, as the list's table), followed
// by the chosen motor's rows when there is one.
QByteArray csvWithDrive(QByteArray listCsv, const DriveInputs& inputs, const DriveTotals& totals,
                        const std::optional<ChosenMotor>& motor = std::nullopt);

} // namespace ostrel
