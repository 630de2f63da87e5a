#include "drive/motortable.h"

#include "drive/drivefile.h"
#include "solids/numbertext.h"

#include <QStringList>
#include <algorithm>
#include <numeric>
#include <tuple>

namespace ostrel {

namespace {

QString number(const std::optional<double>& value) {
    return value ? generalText(*value) : QString();
}

} // namespace

MotorTable checkEveryMotor(const std::vector<Motor>& motors, bool withBrake,
                           const DriveInputs& inputs, const DriveTotals& totals) {
    MotorTable table;
    const DriveValues values = readDriveInputs(inputs);
    table.checks.reserve(motors.size());
    for (const Motor& motor : motors)
        table.checks.push_back(checkMotor(motor, withBrake, values, totals));

    table.byRatedTorque.resize(motors.size());
    std::iota(table.byRatedTorque.begin(), table.byRatedTorque.end(), 0);
    std::stable_sort(table.byRatedTorque.begin(), table.byRatedTorque.end(),
                     [&motors](int a, int b) {
                         const Motor& x = motors[static_cast<size_t>(a)];
                         const Motor& y = motors[static_cast<size_t>(b)];
                         return std::tie(x.ratedTorque, x.peakTorque, x.rotorInertia) <
                                std::tie(y.ratedTorque, y.peakTorque, y.rotorInertia);
                     });
    for (const int i : table.byRatedTorque) {
        if (table.checks[static_cast<size_t>(i)].verdict() == MotorVerdict::Pass) {
            table.smallestPassing = i;
            break;
        }
    }
    return table;
}

QString motorTableCsvHeader() {
    return QStringLiteral("name,verdict,ratio,ratioLimit,peakTorque,availablePeakTorque,"
                          "peakMargin,rmsTorque,ratedTorque,rmsMargin,speed,maxSpeed,speedMargin,"
                          "brakingEnergy");
}

QByteArray motorTableCsv(const std::vector<Motor>& motors, const MotorTable& table) {
    QByteArray out = motorTableCsvHeader().toUtf8() + "\r\n";
    const size_t count = std::min(motors.size(), table.checks.size());
    for (size_t i = 0; i < count; ++i) {
        const Motor& motor = motors[i];
        const MotorCheck& check = table.checks[i];
        const auto required = [&check](MotorCriterion c) {
            return check[c] ? std::optional(check[c]->required) : std::nullopt;
        };
        const auto available = [&check](MotorCriterion c) {
            return check[c] ? std::optional(check[c]->available) : std::nullopt;
        };
        const auto margin = [&check](MotorCriterion c) {
            return check[c] ? check[c]->margin : std::nullopt;
        };
        const std::optional<MotorVerdict> verdict = check.verdict();
        const QStringList cells{
            csvField(motor.name),
            verdict
                ? (*verdict == MotorVerdict::Pass ? QStringLiteral("pass") : QStringLiteral("fail"))
                : QString(),
            number(required(MotorCriterion::Ratio)),
            check.drive.valid() ? generalText(check.drive.limit) : QString(),
            number(required(MotorCriterion::PeakTorque)),
            number(available(MotorCriterion::PeakTorque)),
            number(margin(MotorCriterion::PeakTorque)),
            number(required(MotorCriterion::RmsTorque)),
            generalText(motor.ratedTorque),
            number(margin(MotorCriterion::RmsTorque)),
            number(required(MotorCriterion::Speed)),
            generalText(motor.maxSpeed),
            number(margin(MotorCriterion::Speed)),
            number(check.drive.brakingEnergy),
        };
        out += cells.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return out;
}

} // namespace ostrel
