#include "drive/motorcheck.h"

#include <cmath>

namespace ostrel {

namespace {

// required against available; the margin only where something is available.
CriterionCheck criterion(double required, double available) {
    CriterionCheck c{required, available, std::nullopt, required <= available};
    if (available > 0) {
        const double margin = 1 - required / available;
        if (std::isfinite(margin)) c.margin = margin;
    }
    return c;
}

} // namespace

std::optional<MotorVerdict> MotorCheck::verdict() const {
    bool complete = true;
    for (const std::optional<CriterionCheck>& c : criteria) {
        if (c && !c->pass) return MotorVerdict::Fail;
        if (!c) complete = false;
    }
    return complete ? std::optional(MotorVerdict::Pass) : std::nullopt;
}

MotorCheck checkMotor(const Motor& motor, bool withBrake, const DriveValues& values,
                      const DriveTotals& totals) {
    MotorCheck check;
    check.motorInertia = motor.inertia(withBrake);
    DriveValues in = values;
    in.v[DriveInputs::MotorInertia] = check.motorInertia;
    check.drive = computeDrive(in, totals);
    const DriveResults& r = check.drive;
    const auto set = [&check](MotorCriterion c, const CriterionCheck& value) {
        check.criteria[static_cast<size_t>(c)] = value;
    };
    if (r.ratio) set(MotorCriterion::Ratio, criterion(*r.ratio, r.limit));
    if (r.omega) {
        const double n = in[DriveInputs::Speed];
        if (r.peakTorque)
            set(MotorCriterion::PeakTorque,
                criterion(*r.peakTorque, motor.availablePeakTorque(n).value_or(0)));
        set(MotorCriterion::Speed, criterion(n, motor.maxSpeed));
    }
    if (r.rmsTorque) set(MotorCriterion::RmsTorque, criterion(*r.rmsTorque, motor.ratedTorque));
    return check;
}

MotorCheck checkMotor(const Motor& motor, bool withBrake, const DriveInputs& inputs,
                      const DriveTotals& totals) {
    return checkMotor(motor, withBrake, readDriveInputs(inputs), totals);
}

QJsonObject chosenMotorToJson(const ChosenMotor& chosen) {
    QJsonObject object = motorToJson(chosen.motor);
    object.insert(QStringLiteral("withBrake"), chosen.withBrake);
    return object;
}

std::optional<ChosenMotor> chosenMotorFromJson(const QJsonObject& object, MotorFault* fault) {
    if (fault) *fault = {};
    if (object.isEmpty()) return std::nullopt;
    const MotorParse parse = motorFromJson(object);
    if (!parse.motor) {
        if (fault) *fault = parse.fault;
        return std::nullopt;
    }
    return ChosenMotor{*parse.motor, object.value(QStringLiteral("withBrake")).toBool(false)};
}

} // namespace ostrel
