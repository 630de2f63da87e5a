#include "drive/motor.h"

#include <QJsonValue>
#include <QLocale>
#include <cmath>

namespace ostrel {

namespace {

using MF = MotorField;

const char* const kKeys[MotorFieldCount] = {"name",         "ratedTorque",  "peakTorque",
                                            "ratedSpeed",   "maxSpeed",     "peakTorqueAtMaxSpeed",
                                            "rotorInertia", "brakeInertia", "ratedPower"};

bool plainName(const QString& name) {
    if (name.size() > Motor::MaxNameLength) return false;
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control) return false;
    return true;
}

} // namespace

double Motor::peakAtMaxSpeed() const {
    return peakTorqueAtMaxSpeed.value_or(peakTorque);
}

std::optional<double> Motor::availablePeakTorque(double n) const {
    if (!(n <= maxSpeed)) return std::nullopt;
    if (n <= ratedSpeed) return peakTorque;
    // n_R < n ≤ n_max, so n_max > n_R: the fall has a length.
    const double share = (n - ratedSpeed) / (maxSpeed - ratedSpeed);
    return peakTorque + (peakAtMaxSpeed() - peakTorque) * share;
}

double Motor::inertia(bool withBrake) const {
    return rotorInertia + (withBrake ? brakeInertia.value_or(0) : 0);
}

std::optional<double> Motor::value(MotorField field) const {
    switch (field) {
    case MF::RatedTorque:
        return ratedTorque;
    case MF::PeakTorque:
        return peakTorque;
    case MF::RatedSpeed:
        return ratedSpeed;
    case MF::MaxSpeed:
        return maxSpeed;
    case MF::PeakTorqueAtMaxSpeed:
        return peakTorqueAtMaxSpeed;
    case MF::RotorInertia:
        return rotorInertia;
    case MF::BrakeInertia:
        return brakeInertia;
    case MF::RatedPower:
        return ratedPower;
    default:
        return std::nullopt;
    }
}

void Motor::setValue(MotorField field, std::optional<double> v) {
    switch (field) {
    case MF::RatedTorque:
        ratedTorque = v.value_or(0);
        break;
    case MF::PeakTorque:
        peakTorque = v.value_or(0);
        break;
    case MF::RatedSpeed:
        ratedSpeed = v.value_or(0);
        break;
    case MF::MaxSpeed:
        maxSpeed = v.value_or(0);
        break;
    case MF::PeakTorqueAtMaxSpeed:
        peakTorqueAtMaxSpeed = v;
        break;
    case MF::RotorInertia:
        rotorInertia = v.value_or(0);
        break;
    case MF::BrakeInertia:
        brakeInertia = v;
        break;
    case MF::RatedPower:
        ratedPower = v;
        break;
    default:
        break;
    }
}

MotorFault Motor::fault() const {
    if (name.trimmed().isEmpty()) return {MF::Name, MotorProblem::Missing};
    if (!plainName(name)) return {MF::Name, MotorProblem::NameNotPlain};
    for (int i = 1; i < MotorFieldCount; ++i) {
        const auto f = static_cast<MF>(i);
        const std::optional<double> v = value(f);
        if (!v) continue;
        if (!std::isfinite(*v)) return {f, MotorProblem::NotANumber};
        if (motorFieldOptional(f)) {
            if (*v < 0) return {f, MotorProblem::Negative};
        } else if (!(*v > 0)) {
            return {f, MotorProblem::NotPositive};
        }
        if (f == MF::PeakTorque && peakTorque < ratedTorque) return {f, MotorProblem::BelowRated};
        if (f == MF::MaxSpeed && maxSpeed < ratedSpeed) return {f, MotorProblem::BelowRated};
        if (f == MF::PeakTorqueAtMaxSpeed && *v > peakTorque) return {f, MotorProblem::AbovePeak};
    }
    return {};
}

QString motorFieldKey(MotorField field) {
    const int i = static_cast<int>(field);
    return i >= 0 && i < MotorFieldCount ? QString::fromLatin1(kKeys[i]) : QString();
}

QString motorFieldUnit(MotorField field) {
    switch (field) {
    case MF::RatedTorque:
    case MF::PeakTorque:
    case MF::PeakTorqueAtMaxSpeed:
        return QStringLiteral("N·m");
    case MF::RatedSpeed:
    case MF::MaxSpeed:
        return QStringLiteral("rpm");
    case MF::RotorInertia:
    case MF::BrakeInertia:
        return QStringLiteral("kg·m²");
    case MF::RatedPower:
        return QStringLiteral("W");
    default:
        return {};
    }
}

bool motorFieldOptional(MotorField field) {
    return field == MF::PeakTorqueAtMaxSpeed || field == MF::BrakeInertia ||
           field == MF::RatedPower;
}

std::optional<double> readMotorValue(const QString& text, bool* ok) {
    const QString trimmed = text.trimmed();
    *ok = true;
    if (trimmed.isEmpty()) return std::nullopt;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    const double value = c.toDouble(trimmed, ok);
    if (!*ok || !std::isfinite(value)) {
        *ok = false;
        return std::nullopt;
    }
    return value;
}

std::vector<MessagePiece> motorFaultMessage(const MotorFault& fault) {
    if (!fault) return {};
    return {{MotorEntry::FirstField + static_cast<int>(fault.field), {}},
            {0, QStringLiteral(": ")},
            {MotorEntry::FirstProblem + static_cast<int>(fault.problem) -
                 static_cast<int>(MotorProblem::Missing),
             {}}};
}

QJsonObject motorToJson(const Motor& motor) {
    QJsonObject object;
    object.insert(motorFieldKey(MF::Name), motor.name);
    for (int i = 1; i < MotorFieldCount; ++i) {
        const auto f = static_cast<MF>(i);
        if (const std::optional<double> v = motor.value(f)) object.insert(motorFieldKey(f), *v);
    }
    return object;
}

MotorParse motorFromJson(const QJsonObject& object) {
    MotorParse parse;
    Motor motor;
    const QJsonValue name = object.value(motorFieldKey(MF::Name));
    if (!name.isString()) {
        parse.fault = {MF::Name, MotorProblem::Missing};
        return parse;
    }
    motor.name = name.toString();
    for (int i = 1; i < MotorFieldCount; ++i) {
        const auto f = static_cast<MF>(i);
        const QJsonValue v = object.value(motorFieldKey(f));
        if (v.isUndefined() || v.isNull()) {
            if (!motorFieldOptional(f)) {
                parse.fault = {f, MotorProblem::Missing};
                return parse;
            }
            continue;
        }
        if (!v.isDouble()) {
            parse.fault = {f, MotorProblem::NotANumber};
            return parse;
        }
        motor.setValue(f, v.toDouble());
    }
    parse.fault = motor.fault();
    if (!parse.fault) parse.motor = std::move(motor);
    return parse;
}

} // namespace ostrel
