#include "solids/mechanism.h"

#include "solids/calculation.h"

#include <QLatin1String>
#include <cmath>

namespace ostrel {

namespace {

constexpr double kG = 9.81;
// A result beyond this magnitude is no result a part can have: the inputs overflowed.
constexpr double kLimit = 1e15;

namespace E = MechanismEntry;
using U = InputUnit;
using B = InputBound;

// clang-format off
// key, symbol, caption entry, unit, default text, bound, hint
constexpr InputDeclaration quantity{"quantity", "q", 37, U::None, "1", B::Positive,
                                    E::HintAboveZero};
constexpr InputDeclaration ratio{"ratio", "k", 38, U::None, "1", B::Positive, E::HintAboveZero};
constexpr InputDeclaration friction{"friction", "μ", 673, U::None, "", B::NotNegative,
                                    E::HintFrictionNegative};
constexpr InputDeclaration angle{"angle", "θ", 674, U::Angle, "0", B::Any, 0};
constexpr InputDeclaration force{"force", "F", 675, U::Force, "0", B::Any, 0};

constexpr InputDeclaration mass(int caption) {
    return {"mass", "m", caption, U::Mass, "", B::NotNegative, E::HintMassNegative};
}
constexpr InputDeclaration length(const char* key, const char* symbol, int caption) {
    return {key, symbol, caption, U::Length, "", B::NotNegative, E::HintLengthNegative};
}
// A length that carries the motion (a lead, a pitch diameter): 0 would move nothing.
constexpr InputDeclaration drivingLength(const char* key, const char* symbol, int caption) {
    return {key, symbol, caption, U::Length, "", B::Positive, E::HintAboveZero};
}
constexpr InputDeclaration density(int caption) {
    return {"density", "ρ", caption, U::Density, "7850", B::NotNegative, E::HintDensityNegative};
}

constexpr std::array<InputDeclaration, 11> screwInputs{{
    quantity, ratio, mass(659), drivingLength("lead", "P", 661),
    length("screwDiameter", "d", 662), length("screwLength", "L", 663), density(664), friction,
    angle, force,
    {"counterweight", "mc", 676, U::Mass, "0", B::NotNegative, E::HintMassNegative},
}};
constexpr std::array<InputDeclaration, 9> rackInputs{{
    quantity, ratio, mass(659), drivingLength("pitchDiameter", "D", 665),
    length("pinionWidth", "b", 666), density(667), friction, angle, force,
}};
constexpr std::array<InputDeclaration, 11> beltInputs{{
    quantity, ratio, mass(660),
    {"beltMass", "mb", 668, U::Mass, "", B::NotNegative, E::HintMassNegative},
    drivingLength("pulleyDiameter", "D", 669), length("pulleyWidth", "b", 670), density(671),
    {"pulleys", "n", 672, U::Count, "2", B::AtLeastOne, E::HintPulleys},
    friction, angle, force,
}};

const std::array<Mechanism, 3> kinds{{
    {21, "screwAxis", "Screw", "Axe à &vis", 653, 656, "ScrewAx.bmp", 26, screwInputs},
    {22, "rackAxis", "Rack", "Axe à c&rémaillère", 654, 657, "RackAx.bmp", 27, rackInputs},
    {23, "beltAxis", "Belt", "Axe à &courroie", 655, 658, "BeltAx.bmp", 28, beltInputs},
}};
// clang-format on

double sq(double x) {
    return x * x;
}

// cos and sin of an angle in degrees; exact at every multiple of 90 degrees, so that a vertical
// axis has no friction at all and a horizontal one no weight to lift.
void cosSin(double degrees, double& c, double& s) {
    double r = std::fmod(degrees, 360.0); // exact
    if (r < 0) r += 360.0;
    if (r == 0 || r == 360) {
        c = 1, s = 0;
    } else if (r == 90) {
        c = 0, s = 1;
    } else if (r == 180) {
        c = -1, s = 0;
    } else if (r == 270) {
        c = 0, s = -1;
    } else {
        const double t = r * (pi() / 180.0);
        c = std::cos(t), s = std::sin(t);
    }
}

bool showable(double x) {
    return std::isfinite(x) && std::fabs(x) < kLimit;
}

// The inputs of one line, read in declaration order; the first refusal stops the reading.
struct Reading {
    static constexpr std::size_t Max = 11;
    std::array<double, Max> v{};
    MechanismResult refusal;

    bool read(const Mechanism& m, std::span<const QString> texts) {
        for (std::size_t i = 0; i < m.inputs.size(); ++i) {
            const InputDeclaration& in = m.inputs[i];
            const InputReading r =
                readInput(in, i < texts.size() ? QStringView(texts[i]) : QStringView());
            if (!r.ok()) {
                refusal.input = int(i);
                refusal.problem = r.problem;
                refusal.hintEntry = hintEntryFor(in, r.problem);
                return false;
            }
            v[i] = r.value;
        }
        return true;
    }
};

// Each fills mass, inertia, friction and working torque of the line from the inputs read.
std::array<double, 4> screw(const std::array<double, Reading::Max>& v) {
    const double pi = ostrel::pi();
    const double q = v[0], k = v[1], m = v[2];
    const double P = v[3] / 1000, d = v[4] / 1000, L = v[5] / 1000;
    const double rho = v[6], mu = v[7], F = v[9], mc = v[10];
    double c, s_;
    cosSin(v[8], c, s_);
    const double s = P / (2 * pi);
    return {q * (m + mc + rho * pi * sq(d) / 4 * L),
            q * ((m + mc) * sq(s) + rho * pi * sq(sq(d)) * L / 32) / sq(k),
            q * mu * m * kG * std::fabs(c) * s / k, q * ((m - mc) * kG * s_ + F) * s / k};
}

std::array<double, 4> rack(const std::array<double, Reading::Max>& v) {
    const double pi = ostrel::pi();
    const double q = v[0], k = v[1], m = v[2];
    const double D = v[3] / 1000, b = v[4] / 1000;
    const double rho = v[5], mu = v[6], F = v[8];
    double c, s;
    cosSin(v[7], c, s);
    const double r = D / 2;
    const double mp = rho * pi * sq(D) / 4 * b;
    return {q * (m + mp), q * (m * sq(r) + mp * sq(r) / 2) / sq(k),
            q * mu * m * kG * std::fabs(c) * r / k, q * (m * kG * s + F) * r / k};
}

std::array<double, 4> belt(const std::array<double, Reading::Max>& v) {
    const double pi = ostrel::pi();
    const double q = v[0], k = v[1], m = v[2], mb = v[3];
    const double D = v[4] / 1000, b = v[5] / 1000;
    const double rho = v[6], n = v[7], mu = v[8], F = v[10];
    double c, s;
    cosSin(v[9], c, s);
    const double r = D / 2;
    const double mp = rho * pi * sq(D) / 4 * b;
    return {q * (m + mb + n * mp), q * ((m + mb) * sq(r) + n * mp * sq(r) / 2) / sq(k),
            q * mu * m * kG * std::fabs(c) * r / k, q * (m * kG * s + F) * r / k};
}

} // namespace

std::span<const Mechanism> mechanisms() {
    return kinds;
}

const Mechanism* mechanismInfo(int code) {
    for (const Mechanism& m : kinds)
        if (m.code == code) return &m;
    return nullptr;
}

int inputIndex(const Mechanism& mechanism, QStringView key) {
    for (std::size_t i = 0; i < mechanism.inputs.size(); ++i)
        if (key == QLatin1String(mechanism.inputs[i].key)) return int(i);
    return -1;
}

MechanismResult calculateMechanism(int code, std::span<const QString> texts) {
    const Mechanism* m = mechanismInfo(code);
    if (!m) return {};
    Reading in;
    if (!in.read(*m, texts)) return in.refusal;

    MechanismResult out;
    switch (static_cast<MechanismType>(code)) {
    case MechanismType::Screw:
        out.values = screw(in.v);
        break;
    case MechanismType::Rack:
        out.values = rack(in.v);
        break;
    case MechanismType::Belt:
        out.values = belt(in.v);
        break;
    }
    for (double& x : out.values) {
        if (!showable(x)) {
            out.values = {};
            out.hintEntry = MechanismEntry::HintTooLarge;
            return out;
        }
        x += 0.0; // no -0
    }
    out.ok = true;
    return out;
}

} // namespace ostrel
