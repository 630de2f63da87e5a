#include "drive/drivetext.h"

#include "solids/numbertext.h"

namespace ostrel {

namespace {

using F = DriveInputs::Field;

// The SI value of one unit of what the box holds: the inertia unit of the choice for the two
// inertia boxes, 1 for the others.
double boxFactor(F f, const DisplayChoice& choice) {
    return f == F::MotorInertia || f == F::GearInertia ? choice.factor(Quantity::Inertia) : 1.0;
}

// A number text from one unit into another: times factor into SI, divided by it out of SI.
QString converted(const QString& text, double factor, bool intoSi) {
    if (factor == 1.0 || numberForm(text) != NumberForm::Number) return text;
    const double x = readNumber(text);
    return generalText(intoSi ? x * factor : x / factor);
}

// Quantities outside the unit choice keep 4 significant digits in SI.
QString siText(const std::optional<double>& value) {
    return value ? significantText(*value, 4) : QString();
}

QString choiceText(const std::optional<double>& value, Quantity q, const DisplayChoice& choice) {
    return value ? choice.format(*value, q) : QString();
}

struct ResultName {
    const char* key;
    int entry;
};
constexpr ResultName kResults[] = {
    {"ratio", DriveEntry::FirstResult},
    {"accelRate", DriveEntry::FirstResult + 1},
    {"decelRate", DriveEntry::FirstResult + 2},
    {"accelTorque", DriveEntry::FirstResult + 3},
    {"constTorque", DriveEntry::FirstResult + 4},
    {"decelTorque", DriveEntry::FirstResult + 5},
    {"holdTorque", DriveEntry::HoldTorque},
    {"peakTorque", DriveEntry::FirstResult + 6},
    {"rmsTorque", DriveEntry::FirstResult + 7},
    {"peakPower", DriveEntry::FirstResult + 8},
    {"kineticEnergy", DriveEntry::FirstResult + 9},
    {"brakingEnergy", DriveEntry::BrakingEnergy},
    {"brakingPower", DriveEntry::BrakingPower},
    {"coastTime", DriveEntry::FirstResult + 10},
};
static_assert(std::size(kResults) == static_cast<size_t>(DriveResult::Count));

} // namespace

int driveResultEntry(DriveResult result) {
    const auto i = static_cast<size_t>(result);
    return i < std::size(kResults) ? kResults[i].entry : 0;
}

QString driveInputUnit(DriveInputs::Field f) {
    switch (f) {
    case F::MotorInertia:
    case F::GearInertia:
        return QStringLiteral("kg·m²");
    case F::Speed:
        return QStringLiteral("rpm");
    case F::AccelTime:
    case F::ConstTime:
    case F::DecelTime:
    case F::DwellTime:
        return QStringLiteral("s");
    default:
        return {};
    }
}

QString driveBoxUnit(DriveInputs::Field f, const DisplayChoice& choice) {
    return f == F::MotorInertia || f == F::GearInertia ? choice.symbol(Quantity::Inertia)
                                                       : driveInputUnit(f);
}

QString driveBoxText(DriveInputs::Field f, const QString& siText, const DisplayChoice& choice) {
    return converted(siText, boxFactor(f, choice), false);
}

QString driveSiText(DriveInputs::Field f, const QString& boxText, const DisplayChoice& choice) {
    return converted(boxText, boxFactor(f, choice), true);
}

QString driveHintText(DriveHint hint, const QStringList& texts) {
    switch (hint) {
    case DriveHint::None:
        return {};
    case DriveHint::NotANumber:
        return texts.value(DriveEntry::HintNotANumber);
    case DriveHint::Negative:
        return texts.value(DriveEntry::HintNegative);
    case DriveHint::EfficiencyRange:
        return texts.value(DriveEntry::HintEfficiency);
    case DriveHint::SafetyBelowOne:
        return texts.value(DriveEntry::HintSafety);
    case DriveHint::LimitNotPositive:
        return texts.value(DriveEntry::HintLimit);
    }
    return {};
}

QList<DriveRow> driveInputRows(const DriveInputs& inputs, const QStringList& texts,
                               const DisplayChoice& choice) {
    const DriveValues values = readDriveInputs(inputs);
    QList<DriveRow> rows;
    for (int i = 0; i < DriveInputs::FieldCount; ++i) {
        const auto f = static_cast<F>(i);
        const bool inertia = f == F::MotorInertia || f == F::GearInertia;
        rows << DriveRow{DriveInputs::key(f), texts.value(DriveEntry::FirstInput + i),
                         inertia ? choice.format(values[f], Quantity::Inertia)
                                 : significantText(values[f], 4),
                         inertia ? choice.symbol(Quantity::Inertia) : driveInputUnit(f)};
    }
    return rows;
}

DriveRow driveBrakeRow(const DriveInputs& inputs, const QStringList& texts) {
    return {DriveInputs::brakeKey(), texts.value(DriveEntry::BrakeHoldsLoad),
            texts.value(inputs.brakeHoldsLoad ? DriveEntry::Yes : DriveEntry::No), QString()};
}

QList<DriveRow> driveTotalRows(const DriveTotals& totals, const DisplayChoice& choice,
                               const QStringList& texts) {
    return {
        {QStringLiteral("loadInertia"), texts.value(DriveEntry::LoadInertia),
         choice.format(totals.loadInertia, Quantity::Inertia), choice.symbol(Quantity::Inertia)},
        {QStringLiteral("frictionTorque"), texts.value(DriveEntry::Friction),
         choice.format(totals.friction, Quantity::Torque), choice.symbol(Quantity::Torque)},
        {QStringLiteral("workingTorque"), texts.value(DriveEntry::Working),
         choice.format(totals.working, Quantity::Torque), choice.symbol(Quantity::Torque)},
    };
}

QList<DriveRow> driveResultRows(const DriveResults& r, const DisplayChoice& choice,
                                const QStringList& texts) {
    const QString torque = choice.symbol(Quantity::Torque);
    const QString coast = r.coastNone ? texts.value(DriveEntry::CoastNone) : siText(r.coastTime);
    const std::array<std::pair<QString, QString>, static_cast<size_t>(DriveResult::Count)> cells{{
        {siText(r.ratio), QString()},
        {siText(r.accelRate), QStringLiteral("rad/s²")},
        {siText(r.decelRate), QStringLiteral("rad/s²")},
        {choiceText(r.accelTorque, Quantity::Torque, choice), torque},
        {choiceText(r.constTorque, Quantity::Torque, choice), torque},
        {choiceText(r.decelTorque, Quantity::Torque, choice), torque},
        {choiceText(r.holdTorque, Quantity::Torque, choice), torque},
        {choiceText(r.peakTorque, Quantity::Torque, choice), torque},
        {choiceText(r.rmsTorque, Quantity::Torque, choice), torque},
        {siText(r.peakPower), QStringLiteral("W")},
        {siText(r.kineticEnergy), QStringLiteral("J")},
        {siText(r.brakingEnergy), QStringLiteral("J")},
        {siText(r.brakingPower), QStringLiteral("W")},
        {coast, r.coastTime ? QStringLiteral("s") : QString()},
    }};
    QList<DriveRow> rows;
    for (size_t i = 0; i < cells.size(); ++i)
        rows << DriveRow{QString::fromLatin1(kResults[i].key), texts.value(kResults[i].entry),
                         cells[i].first, cells[i].second};
    return rows;
}

QString driveVerdictText(const DriveResults& results, const QStringList& texts) {
    if (!results.verdict) return {};
    return texts.value(*results.verdict == RatioVerdict::Within ? DriveEntry::VerdictWithin
                                                                : DriveEntry::VerdictAbove);
}

} // namespace ostrel
