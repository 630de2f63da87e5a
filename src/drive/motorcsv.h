// The motor list as CSV: the header
// name,ratedTorque,peakTorque,ratedSpeed,maxSpeed,peakTorqueAtMaxSpeed,rotorInertia,
// brakeInertia,ratedPower then one motor a line, SI units (N·m, rpm, kg·m², W), "." decimals,
// an optional value not given left empty, RFC 4180 quoting. Reading refuses the whole file at
// its first fault, naming the line: a wrong header, a line without nine cells, an unclosed
// quote, a cell that is not a number, a value out of range, a name given twice.
#pragma once

#include "drive/motor.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace ostrel {

namespace MotorCsvEntry {
constexpr int NotTheHeader = 761; // the first line is not the header
constexpr int NotNineCells = 762;
constexpr int OpenQuote = 769; // a quoted cell is not closed
} // namespace MotorCsvEntry

// The header line, without a line end.
QString motorCsvHeader();

// The motors as CSV (CRLF line ends; each number in its shortest exact form).
QByteArray motorsCsv(const std::vector<Motor>& motors);

struct MotorCsvRead {
    bool ok = false;
    std::vector<Motor> motors;
    std::vector<int> lines;          // the file line of each motor
    std::vector<MessagePiece> error; // entry 750, the path, "Line n: " and the fault
};
MotorCsvRead parseMotorsCsv(const QByteArray& bytes, const QString& path);
MotorCsvRead readMotorsCsv(const QString& path);

} // namespace ostrel
