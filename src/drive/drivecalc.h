// Drive sizing from the parts list's totals: the inputs of the drive as the user typed them,
// their reading and checking, and the results (inertia ratio, phase torques, peak and RMS
// torque, peak power, kinetic energy, coast-down time) with the speed and torque profile of one
// cycle. Values are SI (kg·m², N·m, rpm, s, W, J). A result whose inputs are missing is absent,
// never 0, infinite or NaN; an input out of its range gives a hint and no result at all.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>

namespace ostrel {

// The inputs as typed (each read with readNumber). An empty efficiency, safety factor or limit
// stands for its default; any other empty box reads as 0, "not given". brakeHoldsLoad is the
// one choice: a brake holds the load at rest, so the motor gives no torque during the dwell.
struct DriveInputs {
    enum Field {
        MotorInertia, // J_M, kg·m²
        GearInertia,  // J_G at the motor shaft, kg·m²
        Efficiency,   // η, 0 < η ≤ 1
        Speed,        // n, rpm
        AccelTime,    // t_a, s
        ConstTime,    // t_c, s
        DecelTime,    // t_d, s
        DwellTime,    // t_0, s
        Safety,       // S ≥ 1
        RatioLimit,   // limit of J_L / J_M, > 0
        FieldCount
    };
    std::array<QString, FieldCount> texts;
    bool brakeHoldsLoad = false;

    DriveInputs();
    const QString& text(Field f) const { return texts[f]; }
    void setText(Field f, const QString& t) { texts[f] = t; }

    // True when a motor inertia or a speed is given (non-zero): the report then shows the drive.
    bool hasInputs() const;
    // The default text of a field ("1", "1", "10" for η, S and the limit; empty otherwise).
    static QString defaultText(Field f);
    // The stable ASCII key of a field, for files ("motorInertia", "efficiency", ...).
    static QString key(Field f);
    // The file key of brakeHoldsLoad.
    static QString brakeKey();

    friend bool operator==(const DriveInputs&, const DriveInputs&) = default;
};

// The totals of the list at the drive axis: J_L (kg·m²), T_F friction and T_W working (N·m).
struct DriveTotals {
    double loadInertia = 0;
    double friction = 0;
    double working = 0;
};

// What is wrong with one input box.
enum class DriveHint {
    None,
    NotANumber,       // a text that does not start with a number
    Negative,         // a negative time, speed or inertia
    EfficiencyRange,  // η outside (0, 1]
    SafetyBelowOne,   // S < 1
    LimitNotPositive, // an inertia-ratio limit of 0 or less
};

enum class RatioVerdict { Within, Above };

struct DriveResults {
    std::array<DriveHint, DriveInputs::FieldCount> hints{};
    bool valid() const; // no hint

    std::optional<double> ratio;         // λ = J_L / J_M
    std::optional<RatioVerdict> verdict; // λ against the limit
    double limit = 10;                   // the limit read
    std::optional<double> omega;         // rad/s
    std::optional<double> accelRate;     // α_a, rad/s²
    std::optional<double> decelRate;     // α_d, rad/s²
    std::optional<double> accelTorque;   // T_a, N·m at the motor
    std::optional<double> constTorque;   // T_c
    std::optional<double> decelTorque;   // T_d
    std::optional<double> holdTorque;    // T_h during the dwell: loadAtMotor(T_W), 0 with a brake
    std::optional<double> peakTorque;    // S·max(|T|) over the phases that have a torque
    std::optional<double> rmsTorque;     // S·√(Σ T²·t / cycle), the dwell at T_h
    std::optional<double> peakPower;     // T_a·ω, W
    std::optional<double> kineticEnergy; // ½ J_total ω², J
    std::optional<double> coastTime;     // J_total ω / T_F, s (an upper bound)
    // While it decelerates with T_d < 0 the motor returns −T_d·ω·t_d/2 per cycle (J, at the
    // shaft, before the motor's losses: an upper bound) and on average that over the cycle (W).
    std::optional<double> brakingEnergy;
    std::optional<double> brakingPower;
    bool coastNone = false; // a speed is given and T_F is 0: the drive never stops
};

// The numbers read from the inputs (defaults applied), and the hint of each box.
struct DriveValues {
    std::array<double, DriveInputs::FieldCount> v{};
    std::array<DriveHint, DriveInputs::FieldCount> hints{};
    bool brakeHoldsLoad = false;
    double operator[](DriveInputs::Field f) const { return v[f]; }
};
DriveValues readDriveInputs(const DriveInputs& inputs);

// The load torque x seen at the motor through efficiency eta: x/η when the motor drives the
// load (x ≥ 0), x·η when the load drives back (x < 0).
double loadAtMotor(double x, double eta);

DriveResults computeDrive(const DriveInputs& inputs, const DriveTotals& totals);
// The same from inputs already read: a caller that changes one value (the motor inertia of each
// motor checked) reads the texts once.
DriveResults computeDrive(const DriveValues& values, const DriveTotals& totals);

// One cycle as polylines in physical units: speed (rpm) and motor torque (N·m) against time
// (s). The speed is the trapezoid 0 → n → n → 0 then the dwell; the torque the steps T_a, T_c,
// T_d and T_h during the dwell, a phase without duration left out. Empty when the results are
// not valid, there is no speed or the cycle lasts no time.
struct DriveProfile {
    QList<QPointF> speed;
    QList<QPointF> torque;
    std::array<double, 4> phaseEnds{}; // t_a, t_a+t_c, t_a+t_c+t_d, cycle
    bool empty() const { return speed.isEmpty(); }
};
DriveProfile driveProfile(const DriveInputs& inputs, const DriveResults& results);

} // namespace ostrel
