// The display of results: the digits (the classic masks, or 4 or 6 significant digits) and the
// units a result is shown in. Values are computed and kept in SI units (kg, kg·m², N·m); a
// unit only changes how a value is written. Conversion factors are exact.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace ostrel {

enum class Digits { Classic, Significant4, Significant6 };
enum class MassUnit { Kg, G, Lb };
enum class InertiaUnit { KgM2, KgCm2, KgMm2, GCm2, LbIn2, LbFt2 };
enum class TorqueUnit { NM, NCm, LbfIn };

// What a result is: which unit family applies to it.
enum class Quantity { Mass, Inertia, Torque };

struct DisplayChoice {
    Digits digits = Digits::Classic;
    MassUnit mass = MassUnit::Kg;
    InertiaUnit inertia = InertiaUnit::KgM2;
    TorqueUnit torque = TorqueUnit::NM;

    bool classic() const { return digits == Digits::Classic; }
    // The unit index kept for q (as unitSymbol numbers them), whatever the digits.
    int unit(Quantity q) const;
    // 4 or 6; 0 in Classic.
    int significantDigits() const;
    // The SI value of one unit of the chosen unit of q (Classic: always 1, SI units).
    double factor(Quantity q) const;
    // The symbol of the chosen unit of q as the window writes it ("kg·cm²"; Classic: "kg",
    // "kg·m²", "N·m").
    QString symbol(Quantity q) const;
    // An SI value written in the chosen unit with the chosen significant digits
    // (significantText). In Classic: 4 significant digits in SI units, for values that have
    // no classic mask; the classic results keep their masks, which depend on their place.
    QString format(double siValue, Quantity q) const;

    friend bool operator==(const DisplayChoice&, const DisplayChoice&) = default;
};

// The unit choices and their symbols, for menus and settings. Keys are stable ASCII names
// ("kg", "kg.cm2", "lbf.in") for stored settings; symbols are what a reader sees.
int unitCount(Quantity q);
QString unitKey(Quantity q, int unit);
QString unitSymbol(Quantity q, int unit);
double unitFactor(Quantity q, int unit); // SI value of one unit

// The stored texts of a choice and back. Missing, unknown or malformed texts fall back to
// Classic and SI units, field by field; nothing out of range ever comes out.
struct DisplayTexts {
    QString digits; // "classic", "4", "6"
    QString mass, inertia, torque;
};
DisplayTexts toTexts(const DisplayChoice& choice);
DisplayChoice fromTexts(const DisplayTexts& texts);

// The display of one run of the command line: the stored choice with the options given over
// it. digits: "classic", "significant" (4 digits), "4" or "6". units: items "quantity=unit"
// (mass, inertia, torque) separated by commas, each unit as the Results menu writes it
// ("kg·cm²") or by its key ("kg.cm2"), in any letter case. An option not given leaves its part
// as stored. A unit brings in 4 significant digits when the digits are Classic, as choosing
// one in the menu does; given together with "classic" it is refused (Classic writes SI
// units). On a refusal error names the value and lists the accepted ones.
std::optional<DisplayChoice> displayWithOptions(const DisplayChoice& stored,
                                                const std::optional<QString>& digits,
                                                const std::optional<QString>& units,
                                                QString* error = nullptr);

// value with `digits` significant digits (1 ... 17): "0" for zero; plain decimals when they
// take at most 10 characters ("0.0001581", "12.35", "1234", "77070", "2.000"), otherwise the
// scientific form readNumber reads ("1.581E-07", "-2.500E+12"). Trailing zeros are kept: they
// are significant. A non-finite value gives an empty text.
QString significantText(double value, int digits);

} // namespace ostrel
