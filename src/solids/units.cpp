#include "solids/units.h"

#include <QStringList>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace ostrel {

namespace {

// Exact definitions: 1 lb = 0.45359237 kg and 1 in = 0.0254 m (International Yard and Pound
// Agreement, 1959); 1 ft = 12 in; 1 lbf = 0.45359237 kg x 9.80665 m/s² = 4.4482216152605 N
// (standard gravity, CGPM 1901).
constexpr double kPound = 0.45359237;
constexpr double kInch = 0.0254;
constexpr double kFoot = 12 * kInch;
constexpr double kPoundForce = 4.4482216152605;

struct Unit {
    const char* key;
    const char16_t* symbol;
    double factor;
};

constexpr std::array<Unit, 3> kMass = {{
    {"kg", u"kg", 1.0},
    {"g", u"g", 1e-3},
    {"lb", u"lb", kPound},
}};
constexpr std::array<Unit, 6> kInertia = {{
    {"kg.m2", u"kg·m²", 1.0},
    {"kg.cm2", u"kg·cm²", 1e-4},
    {"kg.mm2", u"kg·mm²", 1e-6},
    {"g.cm2", u"g·cm²", 1e-7},
    {"lb.in2", u"lb·in²", kPound* kInch* kInch},
    {"lb.ft2", u"lb·ft²", kPound* kFoot* kFoot},
}};
constexpr std::array<Unit, 3> kTorque = {{
    {"N.m", u"N·m", 1.0},
    {"N.cm", u"N·cm", 1e-2},
    {"lbf.in", u"lbf·in", kPoundForce* kInch},
}};

const Unit* unitOf(Quantity q, int unit) {
    switch (q) {
    case Quantity::Mass:
        return unit >= 0 && unit < int(kMass.size()) ? &kMass[size_t(unit)] : nullptr;
    case Quantity::Inertia:
        return unit >= 0 && unit < int(kInertia.size()) ? &kInertia[size_t(unit)] : nullptr;
    case Quantity::Torque:
        return unit >= 0 && unit < int(kTorque.size()) ? &kTorque[size_t(unit)] : nullptr;
    }
    return nullptr;
}

int chosenUnit(const DisplayChoice& c, Quantity q) {
    return c.classic() ? 0 : c.unit(q);
}

int unitFromKey(Quantity q, const QString& key) {
    for (int u = 0; u < unitCount(q); ++u)
        if (key == QLatin1StringView(unitOf(q, u)->key)) return u;
    return 0;
}

} // namespace

int DisplayChoice::unit(Quantity q) const {
    switch (q) {
    case Quantity::Mass:
        return int(mass);
    case Quantity::Inertia:
        return int(inertia);
    case Quantity::Torque:
        return int(torque);
    }
    return 0;
}

int DisplayChoice::significantDigits() const {
    switch (digits) {
    case Digits::Classic:
        return 0;
    case Digits::Significant4:
        return 4;
    case Digits::Significant6:
        return 6;
    }
    return 0;
}

double DisplayChoice::factor(Quantity q) const {
    return unitFactor(q, chosenUnit(*this, q));
}

QString DisplayChoice::symbol(Quantity q) const {
    return unitSymbol(q, chosenUnit(*this, q));
}

QString DisplayChoice::format(double siValue, Quantity q) const {
    const int n = classic() ? 4 : significantDigits();
    return significantText(siValue / factor(q), n);
}

int unitCount(Quantity q) {
    switch (q) {
    case Quantity::Mass:
        return int(kMass.size());
    case Quantity::Inertia:
        return int(kInertia.size());
    case Quantity::Torque:
        return int(kTorque.size());
    }
    return 0;
}

QString unitKey(Quantity q, int unit) {
    const Unit* u = unitOf(q, unit);
    return u ? QString::fromLatin1(u->key) : QString();
}

QString unitSymbol(Quantity q, int unit) {
    const Unit* u = unitOf(q, unit);
    return u ? QString::fromUtf16(u->symbol) : QString();
}

double unitFactor(Quantity q, int unit) {
    const Unit* u = unitOf(q, unit);
    return u ? u->factor : 1.0;
}

DisplayTexts toTexts(const DisplayChoice& c) {
    DisplayTexts t;
    t.digits = c.digits == Digits::Significant4   ? QStringLiteral("4")
               : c.digits == Digits::Significant6 ? QStringLiteral("6")
                                                  : QStringLiteral("classic");
    t.mass = unitKey(Quantity::Mass, int(c.mass));
    t.inertia = unitKey(Quantity::Inertia, int(c.inertia));
    t.torque = unitKey(Quantity::Torque, int(c.torque));
    return t;
}

DisplayChoice fromTexts(const DisplayTexts& t) {
    DisplayChoice c;
    const QString digits = t.digits.trimmed();
    if (digits == QLatin1StringView("4"))
        c.digits = Digits::Significant4;
    else if (digits == QLatin1StringView("6"))
        c.digits = Digits::Significant6;
    c.mass = MassUnit(unitFromKey(Quantity::Mass, t.mass.trimmed()));
    c.inertia = InertiaUnit(unitFromKey(Quantity::Inertia, t.inertia.trimmed()));
    c.torque = TorqueUnit(unitFromKey(Quantity::Torque, t.torque.trimmed()));
    return c;
}

namespace {

constexpr Quantity Quantities[3] = {Quantity::Mass, Quantity::Inertia, Quantity::Torque};

QString quantityName(Quantity q) {
    return q == Quantity::Mass      ? QStringLiteral("mass")
           : q == Quantity::Inertia ? QStringLiteral("inertia")
                                    : QStringLiteral("torque");
}

// "mass=kg|g|lb, inertia=kg·m²|... (or their keys: kg.m2 ...)".
QString acceptedUnits() {
    QStringList items, keys;
    for (Quantity q : Quantities) {
        QStringList symbols;
        for (int u = 0; u < unitCount(q); ++u) {
            symbols << unitSymbol(q, u);
            if (unitKey(q, u) != unitSymbol(q, u)) keys << unitKey(q, u);
        }
        items << quantityName(q) + QLatin1Char('=') + symbols.join(QLatin1Char('|'));
    }
    return items.join(QStringLiteral(", ")) + QStringLiteral(" (or the keys ") +
           keys.join(QStringLiteral(", ")) + QLatin1Char(')');
}

bool refuse(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

bool applyUnits(DisplayChoice& choice, const QString& units, QString* error) {
    const auto bad = [&](const QString& item) {
        return refuse(error, QStringLiteral("--units: \"%1\" is not accepted. Accepted: %2.")
                                 .arg(item, acceptedUnits()));
    };
    bool seen[3] = {false, false, false};
    const QStringList items = units.split(QLatin1Char(','));
    for (const QString& raw : items) {
        const QString item = raw.trimmed();
        const qsizetype equals = item.indexOf(QLatin1Char('='));
        if (equals < 0) return bad(item);
        const QString name = item.left(equals).trimmed();
        const QString unit = item.mid(equals + 1).trimmed();
        bool found = false;
        for (Quantity q : Quantities) {
            if (name.compare(quantityName(q), Qt::CaseInsensitive) != 0) continue;
            for (int u = 0; u < unitCount(q) && !found; ++u) {
                if (unit.compare(unitSymbol(q, u), Qt::CaseInsensitive) != 0 &&
                    unit.compare(unitKey(q, u), Qt::CaseInsensitive) != 0)
                    continue;
                if (seen[int(q)])
                    return refuse(
                        error, QStringLiteral("--units: %1 is given twice.").arg(quantityName(q)));
                seen[int(q)] = true;
                found = true;
                if (q == Quantity::Mass) choice.mass = MassUnit(u);
                if (q == Quantity::Inertia) choice.inertia = InertiaUnit(u);
                if (q == Quantity::Torque) choice.torque = TorqueUnit(u);
            }
        }
        if (!found) return bad(item);
    }
    return true;
}

} // namespace

std::optional<DisplayChoice> displayWithOptions(const DisplayChoice& stored,
                                                const std::optional<QString>& digits,
                                                const std::optional<QString>& units,
                                                QString* error) {
    DisplayChoice choice = stored;
    if (digits) {
        const QString d = digits->trimmed().toLower();
        if (d == QLatin1String("classic"))
            choice.digits = Digits::Classic;
        else if (d == QLatin1String("significant") || d == QLatin1String("4"))
            choice.digits = Digits::Significant4;
        else if (d == QLatin1String("6"))
            choice.digits = Digits::Significant6;
        else {
            refuse(error, QStringLiteral("--digits: \"%1\" is not accepted. Accepted: classic, "
                                         "significant (4 digits), 4, 6.")
                              .arg(*digits));
            return std::nullopt;
        }
    }
    if (units) {
        if (!applyUnits(choice, *units, error)) return std::nullopt;
        if (choice.classic()) {
            if (digits) {
                refuse(error, QStringLiteral("--units: the classic digits write SI units; give "
                                             "--digits significant, 4 or 6 with --units."));
                return std::nullopt;
            }
            choice.digits = Digits::Significant4;
        }
    }
    return choice;
}

QString significantText(double value, int digits) {
    if (!std::isfinite(value)) return {};
    if (digits < 1) digits = 1;
    if (digits > 17) digits = 17;
    if (value == 0) return QStringLiteral("0");

    // Rounded once, to `digits` significant digits, by the correctly rounded conversion.
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    const std::string sci(buf, res.ptr);
    const size_t e = sci.find('e');
    const int exponent = std::atoi(sci.c_str() + e + 1);
    const bool negative = sci[0] == '-';
    std::string mantissa; // the significant digits alone
    for (size_t i = negative ? 1 : 0; i < e; ++i)
        if (sci[i] != '.') mantissa += sci[i];

    // Plain decimals: the digits placed around the point by the exponent.
    std::string plain;
    if (exponent >= digits - 1) {
        plain = mantissa + std::string(size_t(exponent - (digits - 1)), '0');
    } else if (exponent >= 0) {
        plain =
            mantissa.substr(0, size_t(exponent + 1)) + '.' + mantissa.substr(size_t(exponent + 1));
    } else {
        plain = "0." + std::string(size_t(-exponent - 1), '0') + mantissa;
    }
    if (negative) plain.insert(0, 1, '-');
    if (plain.size() <= 10) return QString::fromLatin1(plain.data(), qsizetype(plain.size()));

    // Scientific: d.ddd E, sign, at least two exponent digits.
    std::string out = negative ? "-" : "";
    out += mantissa.substr(0, 1);
    if (digits > 1) out += '.' + mantissa.substr(1);
    char exp[8];
    std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    out += exp;
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

} // namespace ostrel
