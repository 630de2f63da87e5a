#include "drive/drivefile.h"

#include "drive/drivetext.h"
#include "solids/numbertext.h"

#include <QJsonValue>
#include <cmath>

namespace ostrel {

namespace {

using F = DriveInputs::Field;

using Opt = std::optional<double>;

QString number(const std::optional<double>& value) {
    return value && std::isfinite(*value) ? generalText(*value) : QString();
}

QString row(const QString& key, const QString& value, const QString& unit) {
    return csvField(key) + QLatin1Char(',') + csvField(value) + QLatin1Char(',') + csvField(unit);
}

} // namespace

QJsonObject driveToJson(const DriveInputs& inputs) {
    QJsonObject object;
    for (int i = 0; i < DriveInputs::FieldCount; ++i) {
        const auto f = static_cast<F>(i);
        object.insert(DriveInputs::key(f), inputs.text(f));
    }
    object.insert(DriveInputs::brakeKey(), inputs.brakeHoldsLoad);
    return object;
}

DriveInputs driveFromJson(const QJsonObject& object) {
    DriveInputs inputs;
    for (int i = 0; i < DriveInputs::FieldCount; ++i) {
        const auto f = static_cast<F>(i);
        const QJsonValue value = object.value(DriveInputs::key(f));
        if (value.isString())
            inputs.setText(f, value.toString());
        else if (value.isDouble() && std::isfinite(value.toDouble()))
            inputs.setText(f, generalText(value.toDouble()));
    }
    inputs.brakeHoldsLoad = object.value(DriveInputs::brakeKey()).toBool(false);
    return inputs;
}

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QStringList driveCsvRows(const DriveInputs& inputs, const DriveTotals& totals) {
    QStringList rows{QStringLiteral("quantity,value,unit")};
    const DriveValues values = readDriveInputs(inputs);
    for (int i = 0; i < DriveInputs::FieldCount; ++i) {
        const auto f = static_cast<F>(i);
        rows << row(DriveInputs::key(f), generalText(values[f]), driveInputUnit(f));
    }
    rows << row(DriveInputs::brakeKey(),
                inputs.brakeHoldsLoad ? QStringLiteral("yes") : QStringLiteral("no"), QString());
    rows << row(QStringLiteral("loadInertia"), generalText(totals.loadInertia),
                QStringLiteral("kg·m²"))
         << row(QStringLiteral("frictionTorque"), generalText(totals.friction),
                QStringLiteral("N·m"))
         << row(QStringLiteral("workingTorque"), generalText(totals.working),
                QStringLiteral("N·m"));

    const DriveResults r = computeDrive(inputs, totals);
    const QString nm = QStringLiteral("N·m");
    rows << row(QStringLiteral("ratio"), number(r.ratio), QString());
    rows << row(QStringLiteral("ratioVerdict"),
                r.verdict ? (*r.verdict == RatioVerdict::Within ? QStringLiteral("within")
                                                                : QStringLiteral("above"))
                          : QString(),
                QString());
    rows << row(QStringLiteral("accelRate"), number(r.accelRate), QStringLiteral("rad/s²"))
         << row(QStringLiteral("decelRate"), number(r.decelRate), QStringLiteral("rad/s²"))
         << row(QStringLiteral("accelTorque"), number(r.accelTorque), nm)
         << row(QStringLiteral("constTorque"), number(r.constTorque), nm)
         << row(QStringLiteral("decelTorque"), number(r.decelTorque), nm)
         << row(QStringLiteral("holdTorque"), number(r.holdTorque), nm)
         << row(QStringLiteral("peakTorque"), number(r.peakTorque), nm)
         << row(QStringLiteral("rmsTorque"), number(r.rmsTorque), nm)
         << row(QStringLiteral("peakPower"), number(r.peakPower), QStringLiteral("W"))
         << row(QStringLiteral("kineticEnergy"), number(r.kineticEnergy), QStringLiteral("J"))
         << row(QStringLiteral("brakingEnergy"), number(r.brakingEnergy), QStringLiteral("J"))
         << row(QStringLiteral("brakingPower"), number(r.brakingPower), QStringLiteral("W"))
         << row(QStringLiteral("coastTime"),
                r.coastNone ? QStringLiteral("none") : number(r.coastTime), QStringLiteral("s"));
    return rows;
}

QStringList motorCsvRows(const ChosenMotor& chosen, const DriveInputs& inputs,
                         const DriveTotals& totals) {
    const Motor& motor = chosen.motor;
    QStringList rows{row(QStringLiteral("motor"), motor.name, QString()),
                     row(QStringLiteral("motorWithBrake"),
                         chosen.withBrake ? QStringLiteral("yes") : QStringLiteral("no"),
                         QString())};
    for (int i = 1; i < MotorFieldCount; ++i) {
        const auto f = static_cast<MotorField>(i);
        QString key = motorFieldKey(f);
        key[0] = key[0].toUpper();
        rows << row(QStringLiteral("motor") + key, number(motor.value(f)), motorFieldUnit(f));
    }
    const MotorCheck check = checkMotor(motor, chosen.withBrake, inputs, totals);
    const char* const keys[MotorCriterionCount] = {"ratio", "peakTorque", "rmsTorque", "speed"};
    const QString units[MotorCriterionCount] = {QString(), QStringLiteral("N·m"),
                                                QStringLiteral("N·m"), QStringLiteral("rpm")};
    const auto verdict = [](std::optional<bool> pass) {
        return !pass ? QString() : *pass ? QStringLiteral("pass") : QStringLiteral("fail");
    };
    for (int i = 0; i < MotorCriterionCount; ++i) {
        const std::optional<CriterionCheck>& c = check.criteria[static_cast<size_t>(i)];
        const QString key = QString::fromLatin1(keys[i]);
        rows << row(key + QStringLiteral("Required"), number(c ? c->required : Opt()), units[i])
             << row(key + QStringLiteral("Available"), number(c ? c->available : Opt()), units[i])
             << row(key + QStringLiteral("Margin"), number(c ? c->margin : Opt()), QString())
             << row(key + QStringLiteral("Check"), verdict(c ? c->pass : std::optional<bool>()),
                    QString());
    }
    const std::optional<MotorVerdict> overall = check.verdict();
    rows << row(QStringLiteral("motorVerdict"),
                verdict(overall ? std::optional(*overall == MotorVerdict::Pass) : std::nullopt),
                QString());
    return rows;
}

QByteArray csvWithDrive(QByteArray listCsv, const DriveInputs& inputs, const DriveTotals& totals,
                        const std::optional<ChosenMotor>& motor) {
    if (!inputs.hasInputs()) return listCsv;
    if (!listCsv.isEmpty() && !listCsv.endsWith("\r\n")) listCsv += "\r\n";
    listCsv += "\r\n";
    QStringList rows = driveCsvRows(inputs, totals);
    if (motor) rows << motorCsvRows(*motor, inputs, totals);
    for (const QString& row : rows)
        listCsv += row.toUtf8() + "\r\n";
    return listCsv;
}

} // namespace ostrel
