#include "drive/motortext.h"

#include "solids/numbertext.h"

namespace ostrel {

namespace {

const char* const kCriterionKeys[MotorCriterionCount] = {"ratio", "peakTorque", "rmsTorque",
                                                         "speed"};

// Quantities outside the unit choice keep 4 significant digits, as the drive's results.
QString valueText(double value, MotorField field, const DisplayChoice& choice) {
    switch (field) {
    case MotorField::RatedTorque:
    case MotorField::PeakTorque:
    case MotorField::PeakTorqueAtMaxSpeed:
        return choice.format(value, Quantity::Torque);
    case MotorField::RotorInertia:
    case MotorField::BrakeInertia:
        return choice.format(value, Quantity::Inertia);
    default:
        return significantText(value, 4);
    }
}

QString unitText(MotorField field, const DisplayChoice& choice) {
    switch (field) {
    case MotorField::RatedTorque:
    case MotorField::PeakTorque:
    case MotorField::PeakTorqueAtMaxSpeed:
        return choice.symbol(Quantity::Torque);
    case MotorField::RotorInertia:
    case MotorField::BrakeInertia:
        return choice.symbol(Quantity::Inertia);
    default:
        return motorFieldUnit(field);
    }
}

} // namespace

QList<DriveRow> motorDataRows(const Motor& motor, const DisplayChoice& choice,
                              const QStringList& texts) {
    QList<DriveRow> rows;
    for (int i = 1; i < MotorFieldCount; ++i) {
        const auto f = static_cast<MotorField>(i);
        const std::optional<double> v = motor.value(f);
        rows << DriveRow{motorFieldKey(f), texts.value(MotorEntry::FirstField + i),
                         v ? valueText(*v, f, choice) : QString(), unitText(f, choice)};
    }
    return rows;
}

QStringList motorEditTexts(const Motor& motor, const DisplayChoice& choice) {
    QStringList texts{motor.name};
    for (int i = 1; i < MotorFieldCount; ++i) {
        const auto f = static_cast<MotorField>(i);
        const std::optional<double> v = motor.value(f);
        const bool inertia = f == MotorField::RotorInertia || f == MotorField::BrakeInertia;
        texts << (v ? generalText(inertia ? *v / choice.factor(Quantity::Inertia) : *v)
                    : QString());
    }
    return texts;
}

MotorParse motorFromEditTexts(const QStringList& texts, const DisplayChoice& choice) {
    MotorParse parse;
    Motor motor;
    motor.name = texts.value(0).trimmed();
    for (int i = 1; i < MotorFieldCount; ++i) {
        const auto f = static_cast<MotorField>(i);
        QString text = texts.value(i);
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = true;
        std::optional<double> v = readMotorValue(text, &ok);
        if (!ok) {
            parse.fault = {f, MotorProblem::NotANumber};
            return parse;
        }
        if (!v && !motorFieldOptional(f)) {
            parse.fault = {f, MotorProblem::Missing};
            return parse;
        }
        if (v && (f == MotorField::RotorInertia || f == MotorField::BrakeInertia))
            *v *= choice.factor(Quantity::Inertia);
        motor.setValue(f, v);
    }
    parse.fault = motor.fault();
    if (!parse.fault) parse.motor = motor;
    return parse;
}

QString marginText(double margin) {
    const QString text = significantText(margin * 100, 3);
    return text.isEmpty() ? text : text + QStringLiteral(" %");
}

QList<MotorCheckRow> motorCheckRows(const MotorCheck& check, const DisplayChoice& choice,
                                    const QStringList& texts) {
    QList<MotorCheckRow> rows;
    for (int i = 0; i < MotorCriterionCount; ++i) {
        const auto criterion = static_cast<MotorCriterion>(i);
        MotorCheckRow row;
        row.key = QString::fromLatin1(kCriterionKeys[i]);
        row.caption = texts.value(MotorCheckEntry::FirstCriterion + i);
        const bool torque =
            criterion == MotorCriterion::PeakTorque || criterion == MotorCriterion::RmsTorque;
        if (torque) row.unit = choice.symbol(Quantity::Torque);
        if (criterion == MotorCriterion::Speed) row.unit = QStringLiteral("rpm");
        if (const std::optional<CriterionCheck>& c = check[criterion]) {
            const auto text = [&](double x) {
                return torque ? choice.format(x, Quantity::Torque) : significantText(x, 4);
            };
            row.present = true;
            row.pass = c->pass;
            row.required = text(c->required);
            row.available = text(c->available);
            if (c->margin) row.margin = marginText(*c->margin);
            row.verdict = texts.value(c->pass ? MotorCheckEntry::Pass : MotorCheckEntry::Fail);
        }
        rows << row;
    }
    return rows;
}

QString criterionComparison(const MotorCheckRow& row) {
    if (!row.present) return {};
    QString text =
        row.required + (row.pass ? QStringLiteral(" ≤ ") : QStringLiteral(" > ")) + row.available;
    if (!row.unit.isEmpty()) text += QLatin1Char(' ') + row.unit;
    return text;
}

QString motorVerdictText(const MotorCheck& check, const QStringList& texts) {
    const std::optional<MotorVerdict> verdict = check.verdict();
    if (!verdict) return texts.value(MotorCheckEntry::Undetermined);
    return texts.value(*verdict == MotorVerdict::Pass ? MotorCheckEntry::Pass
                                                      : MotorCheckEntry::Fail);
}

} // namespace ostrel
