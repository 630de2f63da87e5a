// The check of one motor against the axis: the drive worked out with the motor's inertia
// (J_R, plus J_B with the brake) by computeDrive, then four criteria, each with what the axis
// requires, what the motor offers, the margin 1 − required/available and pass or fail: the
// inertia ratio within its limit, the peak torque within the peak torque available at the
// speed, the RMS torque within the rated torque, the speed within the maximum speed. A
// criterion whose inputs are missing is absent; the motor passes only when all four are
// present and pass.
#pragma once

#include "drive/drivecalc.h"
#include "drive/motor.h"

#include <QJsonObject>
#include <array>
#include <optional>

namespace ostrel {

enum class MotorCriterion { Ratio, PeakTorque, RmsTorque, Speed, Count };
constexpr int MotorCriterionCount = static_cast<int>(MotorCriterion::Count);

struct CriterionCheck {
    double required = 0;          // λ, N·m or rpm
    double available = 0;         // the limit, T_avail(n) (0 above n_max), T_R or n_max
    std::optional<double> margin; // 1 − required/available; absent when nothing is available
    bool pass = false;            // required ≤ available
};

enum class MotorVerdict { Pass, Fail };

struct MotorCheck {
    double motorInertia = 0; // J_M used
    DriveResults drive;      // the drive with that J_M (braking energy and the rest)
    std::array<std::optional<CriterionCheck>, MotorCriterionCount> criteria;

    const std::optional<CriterionCheck>& operator[](MotorCriterion c) const {
        return criteria[static_cast<size_t>(c)];
    }
    // Fail as soon as one criterion fails; pass when all four pass; absent otherwise.
    std::optional<MotorVerdict> verdict() const;
};

// The check of one motor. values are the drive inputs as read (readDriveInputs); their motor
// inertia is replaced by the motor's.
MotorCheck checkMotor(const Motor& motor, bool withBrake, const DriveValues& values,
                      const DriveTotals& totals);
// The same from the inputs as typed.
MotorCheck checkMotor(const Motor& motor, bool withBrake, const DriveInputs& inputs,
                      const DriveTotals& totals);

// The project's chosen motor: its data (kept in the project, so that the check does not depend
// on the user's list) and whether its brake is fitted.
struct ChosenMotor {
    Motor motor;
    bool withBrake = false;
    friend bool operator==(const ChosenMotor&, const ChosenMotor&) = default;
};
// The project's `motor` object: the motor's JSON form with "withBrake".
QJsonObject chosenMotorToJson(const ChosenMotor& chosen);
// Absent for an empty object (no motor chosen) or a motor whose data are refused (fault).
std::optional<ChosenMotor> chosenMotorFromJson(const QJsonObject& object,
                                               MotorFault* fault = nullptr);

} // namespace ostrel
