// A servo motor as its data sheet gives it, in SI units (N·m, rpm, kg·m², W): the values the
// check of an axis needs, the available peak torque at a speed, the checks of its own data and
// its JSON form (one motor of the user's list, and the project's chosen motor).
#pragma once

#include "solids/calculation.h"

#include <QJsonObject>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace ostrel {

// The motor's values in file order: the CSV columns, the JSON keys and the list's columns.
enum class MotorField {
    Name,
    RatedTorque,          // T_R, N·m
    PeakTorque,           // T_P, N·m
    RatedSpeed,           // n_R, rpm
    MaxSpeed,             // n_max, rpm
    PeakTorqueAtMaxSpeed, // T_P,max, N·m (optional: T_P)
    RotorInertia,         // J_R, kg·m²
    BrakeInertia,         // J_B, kg·m² (optional)
    RatedPower,           // W (optional)
    Count
};
constexpr int MotorFieldCount = static_cast<int>(MotorField::Count);

// What is wrong with one value of a motor.
enum class MotorProblem {
    None,
    Missing,      // a value that must be given is empty
    NotANumber,   // a cell that holds no number (files only)
    NotPositive,  // must be above 0
    Negative,     // must not be below 0
    BelowRated,   // T_P below T_R, n_max below n_R
    AbovePeak,    // T_P,max above T_P
    NameNotPlain, // a name with a control character or longer than MaxNameLength
    NameTwice,    // a name already in the list
};

struct MotorFault {
    MotorField field = MotorField::Name;
    MotorProblem problem = MotorProblem::None;
    explicit operator bool() const { return problem != MotorProblem::None; }
};

struct Motor {
    static constexpr int MaxNameLength = 100;

    QString name;
    double ratedTorque = 0;
    double peakTorque = 0;
    double ratedSpeed = 0;
    double maxSpeed = 0;
    std::optional<double> peakTorqueAtMaxSpeed;
    double rotorInertia = 0;
    std::optional<double> brakeInertia;
    std::optional<double> ratedPower;

    // T_P,max as given, T_P otherwise.
    double peakAtMaxSpeed() const;
    // The peak torque the motor gives at speed n (rpm): T_P up to n_R, falling linearly to
    // T_P,max at n_max, nothing (absent) above n_max.
    std::optional<double> availablePeakTorque(double n) const;
    // J_M: J_R, plus J_B when the brake is fitted.
    double inertia(bool withBrake) const;

    // The first fault of the motor's own data in field order, or none: a name of at most
    // MaxNameLength characters without control characters; T_R, T_P, n_R, n_max and J_R above
    // 0; T_P not below T_R; n_max not below n_R; T_P,max, J_B and the power not negative;
    // T_P,max not above T_P; every value finite.
    MotorFault fault() const;

    // The value of a numeric field (absent for an optional field not given; the name has none).
    std::optional<double> value(MotorField field) const;
    void setValue(MotorField field, std::optional<double> value);

    friend bool operator==(const Motor&, const Motor&) = default;
};

// The stable ASCII key of a field ("ratedTorque"): the CSV header and the JSON key.
QString motorFieldKey(MotorField field);
// The SI unit of a field ("N·m", "rpm", "kg·m²", "W"; empty for the name).
QString motorFieldUnit(MotorField field);
// True for the values that may be left empty.
bool motorFieldOptional(MotorField field);

// Entries of the motor's texts.
namespace MotorEntry {
constexpr int Title = 720;        // "Motor"
constexpr int FirstField = 721;   // 721 ... 729 in MotorField order
constexpr int FirstProblem = 753; // 753 ... 760 in MotorProblem order from Missing
} // namespace MotorEntry

// A value as a file cell or an edit box holds it: blanks around it are dropped; empty is "not
// given" (absent, ok); otherwise the whole text must be one finite number with "." as its
// point (ok false when it is not).
std::optional<double> readMotorValue(const QString& text, bool* ok);

// The message pieces of a fault: the field's caption, ": " and the problem.
std::vector<MessagePiece> motorFaultMessage(const MotorFault& fault);

// The motor as a JSON object keyed by motorFieldKey; an optional value not given is left out.
QJsonObject motorToJson(const Motor& motor);
// A motor from its JSON object: a key that is missing, not a number (or not a string for the
// name) or out of range gives the fault and no motor. Unknown keys are ignored.
struct MotorParse {
    std::optional<Motor> motor;
    MotorFault fault;
};
MotorParse motorFromJson(const QJsonObject& object);

} // namespace ostrel
