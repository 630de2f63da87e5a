#include "drive/drivecalc.h"

#include "solids/numbertext.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ostrel {

namespace {

using F = DriveInputs::Field;

bool blank(const QString& text) {
    return text.trimmed().isEmpty();
}

// A text readNumber reads as 0 without a zero in it ("abc", "-", "."): nothing was read.
bool notANumber(const QString& text, double read) {
    return read == 0 && !blank(text) && !text.contains(QLatin1Char('0'));
}

std::optional<double> finite(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    return x;
}

} // namespace

DriveInputs::DriveInputs() {
    for (int f = 0; f < FieldCount; ++f)
        texts[f] = defaultText(static_cast<Field>(f));
}

QString DriveInputs::defaultText(Field f) {
    switch (f) {
    case Efficiency:
    case Safety:
        return QStringLiteral("1");
    case RatioLimit:
        return QStringLiteral("10");
    default:
        return {};
    }
}

QString DriveInputs::key(Field f) {
    static const char* const keys[FieldCount] = {
        "motorInertia", "gearInertia", "efficiency", "speed",  "accelTime",
        "constTime",    "decelTime",   "dwellTime",  "safety", "ratioLimit"};
    return f >= 0 && f < FieldCount ? QString::fromLatin1(keys[f]) : QString();
}

QString DriveInputs::brakeKey() {
    return QStringLiteral("brakeHoldsLoad");
}

bool DriveInputs::hasInputs() const {
    return readNumber(texts[MotorInertia]) != 0 || readNumber(texts[Speed]) != 0;
}

bool DriveResults::valid() const {
    return std::all_of(hints.begin(), hints.end(),
                       [](DriveHint h) { return h == DriveHint::None; });
}

DriveValues readDriveInputs(const DriveInputs& inputs) {
    DriveValues out;
    out.brakeHoldsLoad = inputs.brakeHoldsLoad;
    for (int i = 0; i < DriveInputs::FieldCount; ++i) {
        const auto f = static_cast<F>(i);
        const QString& text = inputs.text(f);
        const double x = blank(text) ? readNumber(DriveInputs::defaultText(f)) : readNumber(text);
        out.v[i] = x;
        DriveHint& hint = out.hints[i];
        if (notANumber(text, x)) {
            hint = DriveHint::NotANumber;
            continue;
        }
        switch (f) {
        case F::Efficiency:
            if (!(x > 0 && x <= 1)) hint = DriveHint::EfficiencyRange;
            break;
        case F::Safety:
            if (!(x >= 1)) hint = DriveHint::SafetyBelowOne;
            break;
        case F::RatioLimit:
            if (!(x > 0)) hint = DriveHint::LimitNotPositive;
            break;
        default:
            if (x < 0) hint = DriveHint::Negative;
            break;
        }
    }
    return out;
}

double loadAtMotor(double x, double eta) {
    return x >= 0 ? x / eta : x * eta;
}

DriveResults computeDrive(const DriveInputs& inputs, const DriveTotals& totals) {
    return computeDrive(readDriveInputs(inputs), totals);
}

DriveResults computeDrive(const DriveValues& in, const DriveTotals& totals) {
    DriveResults r;
    r.hints = in.hints;
    r.limit = in[F::RatioLimit];
    if (!r.valid()) return r;

    const double jm = in[F::MotorInertia];
    const double jg = in[F::GearInertia];
    const double eta = in[F::Efficiency];
    const double n = in[F::Speed];
    const double ta = in[F::AccelTime];
    const double tc = in[F::ConstTime];
    const double td = in[F::DecelTime];
    const double t0 = in[F::DwellTime];
    const double s = in[F::Safety];
    const double jl = totals.loadInertia;
    const double tl = totals.friction + totals.working;
    const double jDrive = jm + jg;
    const double jTotal = jDrive + jl;

    if (jm > 0) {
        r.ratio = finite(jl / jm);
        if (r.ratio) r.verdict = *r.ratio <= r.limit ? RatioVerdict::Within : RatioVerdict::Above;
    }
    if (!(n > 0)) return r;

    const double omega = 2 * std::numbers::pi * n / 60;
    r.omega = finite(omega);
    r.constTorque = finite(loadAtMotor(tl, eta));
    if (ta > 0) {
        const double alpha = omega / ta;
        r.accelRate = finite(alpha);
        r.accelTorque = finite(jDrive * alpha + loadAtMotor(jl * alpha + tl, eta));
    }
    if (td > 0) {
        const double alpha = omega / td;
        r.decelRate = finite(alpha);
        r.decelTorque = finite(-jDrive * alpha + loadAtMotor(-jl * alpha + tl, eta));
    }
    // At rest the motor holds the working torque (a vertical load, a thrust) unless a brake does.
    r.holdTorque = in.brakeHoldsLoad ? 0.0 : finite(loadAtMotor(totals.working, eta));

    // The peak over the phases with a torque (the dwell's when there is one); the RMS over the
    // whole cycle.
    double peak = -1;
    for (const auto& t : {r.accelTorque, r.constTorque, r.decelTorque})
        if (t) peak = std::max(peak, std::abs(*t));
    if (t0 > 0 && r.holdTorque) peak = std::max(peak, std::abs(*r.holdTorque));
    if (peak >= 0) r.peakTorque = finite(s * peak);
    const double cycle = ta + tc + td + t0;
    if (cycle > 0 && r.constTorque && r.holdTorque) {
        const auto sq = [](const std::optional<double>& t) { return t ? *t * *t : 0.0; };
        const double sum = sq(r.accelTorque) * ta + sq(r.constTorque) * tc +
                           sq(r.decelTorque) * td + sq(r.holdTorque) * t0;
        r.rmsTorque = finite(s * std::sqrt(sum / cycle));
    }
    if (r.accelTorque) r.peakPower = finite(*r.accelTorque * omega);
    if (r.decelTorque && *r.decelTorque < 0) {
        r.brakingEnergy = finite(-*r.decelTorque * omega * td / 2);
        if (r.brakingEnergy) r.brakingPower = finite(*r.brakingEnergy / cycle);
    }
    r.kineticEnergy = finite(0.5 * jTotal * omega * omega);
    if (totals.friction > 0)
        r.coastTime = finite(jTotal * omega / totals.friction);
    else
        r.coastNone = true;
    return r;
}

DriveProfile driveProfile(const DriveInputs& inputs, const DriveResults& results) {
    DriveProfile p;
    if (!results.valid() || !results.omega || !results.constTorque) return p;
    const DriveValues in = readDriveInputs(inputs);
    const double n = in[F::Speed];
    const double ta = in[F::AccelTime];
    const double tc = in[F::ConstTime];
    const double td = in[F::DecelTime];
    const double t0 = in[F::DwellTime];
    const double e1 = ta;
    const double e2 = e1 + tc;
    const double e3 = e2 + td;
    const double e4 = e3 + t0;
    if (!(e4 > 0) || !std::isfinite(e4)) return p;
    p.phaseEnds = {e1, e2, e3, e4};

    // Speed: a corner at each phase end, a phase without duration adding none.
    p.speed << QPointF(0, 0);
    p.speed << QPointF(e1, n); // straight up when t_a is 0
    if (tc > 0) p.speed << QPointF(e2, n);
    p.speed << QPointF(e3, 0); // straight down when t_d is 0
    if (t0 > 0) p.speed << QPointF(e4, 0);

    // Torque: a step at each phase boundary.
    const auto step = [&p](double from, double to, double t) {
        if (!(to > from)) return;
        p.torque << QPointF(from, t) << QPointF(to, t);
    };
    p.torque << QPointF(0, 0);
    if (results.accelTorque) step(0, e1, *results.accelTorque);
    step(e1, e2, *results.constTorque);
    if (results.decelTorque) step(e2, e3, *results.decelTorque);
    if (t0 > 0)
        step(e3, e4, results.holdTorque.value_or(0));
    else
        p.torque << QPointF(e3, 0);
    // Consecutive equal points say nothing.
    p.speed.erase(std::unique(p.speed.begin(), p.speed.end()), p.speed.end());
    p.torque.erase(std::unique(p.torque.begin(), p.torque.end()), p.torque.end());
    return p;
}

} // namespace ostrel
