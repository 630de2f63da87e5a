#include "solids/calculation.h"

#include "solids/catalogue.h"
#include "solids/mechanism.h"
#include "solids/numbertext.h"

#include <cmath>

namespace ostrel {

namespace {

const double kPi = 4.0 * std::atan(1.0);
constexpr double kG = 9.81;
constexpr double k03 = 3.0 / 10.0;
constexpr double k04 = 2.0 / 5.0;

// A caption beyond this magnitude is no result a part can have: the inputs overflowed.
constexpr double kLimit = 1e15;

double sq(double x) {
    return x * x;
}

// The four values of a run that got through its checks.
struct Values {
    double m;
    double J = 0;
    double Tf = 0;
    double Tw = 0;
};

enum class Stop { Results, NoResult, Message };

// Inputs of a run: the seven texts and their numbers.
class Inputs {
public:
    explicit Inputs(const CalcInputs& in) : in_(in) {
        for (std::size_t i = 0; i < values_.size(); ++i)
            values_[i] = readNumber(in.texts[i]);
    }
    double mm(InputBox b) const { return number(b) / 1000.0; }
    double number(InputBox b) const { return values_[std::size_t(b)]; }
    const QString& text(InputBox b) const { return in_.texts[std::size_t(b)]; }

private:
    const CalcInputs& in_;
    std::array<double, 7> values_{};
};

// What a box holds, for the checks every run makes before the kind's block: an amount may be
// negative (the line subtracts), a length and a non-negative number may not.
enum class Role { Unused, Amount, Length, NonNegative, Plain };

std::array<Role, 7> roles(int code) {
    std::array<Role, 7> r{Role::Amount, Role::NonNegative, Role::Amount, Role::Unused,
                          Role::Unused, Role::Unused,      Role::Unused};
    const KindInfo* kind = kindInfo(code);
    if (!kind) return r;
    for (std::size_t i = 0; i < 4; ++i) {
        const BoxCaption& box = kind->boxes[i];
        if (!box.shown) continue;
        switch (box.unit) {
        case BoxUnit::Length:
            r[3 + i] = Role::Length;
            break;
        case BoxUnit::Inertia:
        case BoxUnit::Torque:
        case BoxUnit::Mass:
            r[3 + i] = Role::Amount;
            break;
        case BoxUnit::Ratio:
        case BoxUnit::Angle:
            r[3 + i] = Role::NonNegative;
            break;
        case BoxUnit::Count: // the polygon's sides: fewer than 3 is its own message
            r[3 + i] = Role::Plain;
            break;
        }
    }
    return r;
}

// Of the used boxes, the one whose number lies furthest from 1 in orders of magnitude: the one
// that takes a run beyond the range of a double.
InputBox mostExtreme(const Inputs& s, const std::array<Role, 7>& used) {
    InputBox found = InputBox::Quantity;
    double furthest = -1;
    for (std::size_t i = 0; i < used.size(); ++i) {
        const double x = std::fabs(s.number(InputBox(i)));
        if (used[i] == Role::Unused || x == 0) continue;
        const double orders = std::fabs(std::log10(x));
        if (orders > furthest) {
            furthest = orders;
            found = InputBox(i);
        }
    }
    return found;
}

Stop noResult(CalcOutcome& out, InputNote reason, InputBox box) {
    out.reason = reason;
    out.reasonBox = box;
    return Stop::NoResult;
}

// Stops the run at the first of the boxes that reads 0: Missing when it is empty, Zero when a 0
// was typed. When none does, the product of their numbers fell below the range of a double.
Stop stopAtZero(const Inputs& s, CalcOutcome& out, std::initializer_list<InputBox> boxes) {
    for (InputBox b : boxes)
        if (s.number(b) == 0)
            return noResult(out,
                            numberForm(s.text(b)) == NumberForm::Blank ? InputNote::Missing
                                                                       : InputNote::Zero,
                            b);
    InputBox extreme = *boxes.begin();
    for (InputBox b : boxes)
        if (std::fabs(std::log10(std::fabs(s.number(b)))) >
            std::fabs(std::log10(std::fabs(s.number(extreme)))))
            extreme = b;
    return noResult(out, InputNote::OutOfRange, extreme);
}

// Density-mode masses shared by several kinds. They return false when the run stops (a 0
// height, or a 0 bore for the ring's volume).
bool discMass(double rho, double D, double H, double& m) {
    if (H == 0) return false;
    m = ((rho * kPi) * H) * sq(D / 2);
    return true;
}

bool ringMass(double rho, double D, double d, double H, double& m) {
    if (H * d == 0) return false;
    m = (((rho * H) * kPi) * (sq(D) - sq(d))) / 4;
    return true;
}

void sphereMass(double rho, double D, double& m) {
    m = (rho * (kPi / 6)) * std::pow(D, 3.0);
}

bool blockMass(double rho, double D, double d, double H, double& m) {
    if (H == 0) return false;
    m = ((rho * H) * d) * D;
    return true;
}

void coneMessage(CalcOutcome& out) {
    out.message = {{0, QStringLiteral("Ø ")}, {348, {}}, {0, QStringLiteral(" > Ø ")}, {349, {}}};
    out.icon = MessageIcon::Information;
    out.correctedBox = InputBox::SmallDiameter;
    out.correctedText = QString();
    out.correctedTakesFocus = true;
}

void polygonMessage(CalcOutcome& out) {
    out.message = {{350, {}}};
    out.icon = MessageIcon::Information;
    out.correctedBox = InputBox::Radius;
    out.correctedText = QStringLiteral("3");
    out.correctedTakesFocus = false;
}

// The text less its last character; a character written as a surrogate pair goes whole.
QString withoutLastCharacter(const QString& s) {
    qsizetype n = s.size();
    if (n == 0) return s;
    --n;
    if (n > 0 && s.at(n).isLowSurrogate() && s.at(n - 1).isHighSurrogate()) --n;
    return s.left(n);
}

void torusMessage(CalcOutcome& out, const QString& diameterText, const QString& sectionText) {
    const QString space = QStringLiteral(" ");
    const QString lineBreak = QStringLiteral("\r\n");
    out.message = {{351, {}},      {0, space}, {0, diameterText}, {0, space},       {352, {}},
                   {0, lineBreak}, {353, {}},  {0, space},        {0, sectionText}, {0, lineBreak}};
    out.icon = MessageIcon::Exclamation;
    out.correctedBox = InputBox::Diameter;
    out.correctedText = withoutLastCharacter(diameterText);
    out.correctedTakesFocus = false;
}

// The block of one kind. v.m holds M on entry. A stop names the box that stands in the way.
Stop calculateKind(int code, bool density, const Inputs& s, Values& v, CalcOutcome& out) {
    using B = InputBox;
    const double rho = v.m;
    double& m = v.m;
    const auto zero = [&](std::initializer_list<InputBox> boxes) {
        return stopAtZero(s, out, boxes);
    };
    const auto bore = [&] { return noResult(out, InputNote::BoreNotSmaller, B::SmallDiameter); };
    switch (code) {
    case 1: { // Disc
        const double D = s.mm(B::Diameter);
        if (D == 0) return zero({B::Diameter});
        const double H = s.mm(B::Height);
        if (density && !discMass(rho, D, H, m)) return zero({B::Height});
        v.J = (0.5 * m) * sq(D / 2);
        return Stop::Results;
    }
    case 2: { // Ring
        const double D = s.mm(B::Diameter);
        if (D == 0) return zero({B::Diameter});
        const double d = s.mm(B::SmallDiameter);
        const double H = s.mm(B::Height);
        if (d >= D) return bore();
        if (density && !ringMass(rho, D, d, H, m)) return zero({B::SmallDiameter, B::Height});
        v.J = (m * (sq(D) + sq(d))) / 8;
        return Stop::Results;
    }
    case 3: { // LyingCylinder
        const double D = s.mm(B::Diameter);
        if (D == 0) return zero({B::Diameter});
        const double H = s.mm(B::Height);
        if (density && !discMass(rho, D, H, m)) return zero({B::Height});
        v.J = (m * (sq(H) / 3 + sq(D) / 4)) / 4;
        return Stop::Results;
    }
    case 4: { // LyingTube
        const double D = s.mm(B::Diameter);
        if (D == 0) return zero({B::Diameter});
        const double d = s.mm(B::SmallDiameter);
        const double H = s.mm(B::Height);
        if (d >= D) return bore();
        if (density && !ringMass(rho, D, d, H, m)) return zero({B::SmallDiameter, B::Height});
        v.J = (m * (sq(H) / 3 + (sq(D) + sq(d)) / 4)) / 4;
        return Stop::Results;
    }
    case 5: { // TruncatedCone
        const double D = s.mm(B::Diameter);
        if (D == 0) return zero({B::Diameter});
        const double d = s.mm(B::SmallDiameter);
        const double H = s.mm(B::Height);
        if (D <= d) {
            coneMessage(out);
            return Stop::Message;
        }
        const double R = D / 2;
        const double r = d / 2;
        if (density) {
            if (H == 0) return zero({B::Height});
            m = ((((rho * H) * kPi) / 3) * (std::pow(R, 3.0) - std::pow(r, 3.0))) / (R - r);
        }
        v.J = ((k03 * m) * (std::pow(R, 5.0) - std::pow(r, 5.0))) /
              (std::pow(R, 3.0) - std::pow(r, 3.0));
        return Stop::Results;
    }
    case 6: { // Arm
        const double D = s.mm(B::Diameter);
        if (D == 0) return zero({B::Diameter});
        v.J = (m * sq(D)) / 3;
        return Stop::Results;
    }
    case 7: { // Rectangle
        const double D = s.mm(B::Diameter);
        if (D == 0) return zero({B::Diameter});
        const double d = s.mm(B::SmallDiameter);
        const double H = s.mm(B::Height);
        if (d == 0) return zero({B::SmallDiameter});
        if (density && !blockMass(rho, D, d, H, m)) return zero({B::Height});
        v.J = (m * (sq(d) + sq(D))) / 12;
        return Stop::Results;
    }
    case 8: { // RegularPolygon
        const double N = s.number(B::Radius);
        const double D = s.mm(B::Diameter);
        const double H = s.mm(B::Height);
        if (N * D == 0) return zero({B::Radius, B::Diameter});
        if (N < 3) {
            polygonMessage(out);
            return Stop::Message;
        }
        const double sn = std::sin(kPi / N);
        const double cs = std::cos(kPi / N);
        const double a = (2 * (D / 2)) * sn;
        double mt;
        if (density) {
            mt = ((((rho * 0.5) * a) * (D / 2)) * cs) * H;
            if (H == 0) return zero({B::Height});
        } else {
            mt = m / N;
        }
        const double Jt = ((mt / 6) * (1 + 2 * sq(cs))) * sq(D / 2);
        m = N * mt;
        v.J = Jt * N;
        return Stop::Results;
    }
    case 9: { // Sphere
        const double D = s.mm(B::Diameter);
        if (D == 0) return zero({B::Diameter});
        if (density) sphereMass(rho, D, m);
        v.J = (k04 * m) * sq(D / 2);
        return Stop::Results;
    }
    case 10: { // EccentricVerticalCylinder
        const double R = s.mm(B::Radius);
        const double D = s.mm(B::Diameter);
        if (D * R == 0) return zero({B::Radius, B::Diameter});
        const double H = s.mm(B::Height);
        if (density && !discMass(rho, D, H, m)) return zero({B::Height});
        v.J = (0.5 * m) * sq(D / 2) + m * sq(R);
        return Stop::Results;
    }
    case 11: { // EccentricVerticalTube
        const double R = s.mm(B::Radius);
        const double D = s.mm(B::Diameter);
        if (D * R == 0) return zero({B::Radius, B::Diameter});
        const double d = s.mm(B::SmallDiameter);
        const double H = s.mm(B::Height);
        if (d >= D) return bore();
        if (density && !ringMass(rho, D, d, H, m)) return zero({B::SmallDiameter, B::Height});
        v.J = (m * (sq(D) + sq(d))) / 8 + m * sq(R);
        return Stop::Results;
    }
    case 12: { // EccentricHorizontalCylinder
        const double R = s.mm(B::Radius);
        const double D = s.mm(B::Diameter);
        if (D * R == 0) return zero({B::Radius, B::Diameter});
        const double H = s.mm(B::Height);
        if (density && !discMass(rho, D, H, m)) return zero({B::Height});
        v.J = (m * (sq(H) / 3 + sq(D) / 4)) / 4 + m * sq(R);
        return Stop::Results;
    }
    case 13: { // EccentricHorizontalTube
        const double R = s.mm(B::Radius);
        const double D = s.mm(B::Diameter);
        if (D * R == 0) return zero({B::Radius, B::Diameter});
        const double d = s.mm(B::SmallDiameter);
        const double H = s.mm(B::Height);
        if (d >= D) return bore();
        if (density && !ringMass(rho, D, d, H, m)) return zero({B::SmallDiameter, B::Height});
        v.J = (m * (sq(H) / 3 + (sq(D) + sq(d)) / 4)) / 4 + m * sq(R);
        return Stop::Results;
    }
    case 14: { // EccentricSphere
        const double R = s.mm(B::Radius);
        const double D = s.mm(B::Diameter);
        if (D * R == 0) return zero({B::Radius, B::Diameter});
        if (density) sphereMass(rho, D, m);
        v.J = (k04 * m) * sq(D / 2) + m * sq(R);
        return Stop::Results;
    }
    case 15: { // EccentricRectangle
        const double R = s.mm(B::Radius);
        const double D = s.mm(B::Diameter);
        const double d = s.mm(B::SmallDiameter);
        if (d * (D * R) == 0) return zero({B::Radius, B::Diameter, B::SmallDiameter});
        const double H = s.mm(B::Height);
        if (density && !blockMass(rho, D, d, H, m)) return zero({B::Height});
        v.J = (m * (sq(d) + sq(D))) / 12 + m * sq(R);
        return Stop::Results;
    }
    case 16: { // PointMass
        const double R = s.mm(B::Radius);
        if (R == 0) return zero({B::Radius});
        v.J = m * sq(R);
        return Stop::Results;
    }
    case 17: // GivenValues
        v.J = s.number(B::Radius);
        v.Tf = s.number(B::Diameter);
        v.Tw = s.number(B::SmallDiameter);
        return Stop::Results;
    case 18: { // Conveyor
        const double D = s.mm(B::Diameter);
        if (D == 0) return zero({B::Diameter});
        const double mr = s.number(B::SmallDiameter);
        const double f = s.number(B::Height);
        v.J = (m * sq(D)) / 4 + (mr * sq(D)) / 8;
        v.Tf = (((m * kG) * f) * D) / 2;
        m = m + mr;
        return Stop::Results;
    }
    case 19: { // UnbalancedMass
        // A negative radius or angle was refused before the block: R × b is never negative.
        const double R = s.mm(B::Radius);
        v.J = m * sq(R);
        v.Tw = (R * m) * kG;
        return Stop::Results;
    }
    case 20: { // Torus
        const double D = s.mm(B::Diameter);
        const double d = s.mm(B::SmallDiameter);
        if (d * D == 0) return zero({B::Diameter, B::SmallDiameter});
        if (D < d) {
            torusMessage(out, s.text(B::Diameter), s.text(B::SmallDiameter));
            return Stop::Message;
        }
        if (density) m = (((2 * rho) * sq(kPi)) * sq(d / 2)) * (D / 2);
        v.J = m * (sq(D / 2) + (3 * sq(d / 2)) / 4);
        return Stop::Results;
    }
    default: // no kind chosen: m stays M
        return Stop::Results;
    }
}

bool showable(double x) {
    return std::isfinite(x) && std::fabs(x) < kLimit;
}

constexpr QStringView massMask = u"#####";
constexpr QStringView resultMask = u"####.##";

void writeResults(CalcOutcome& out, const std::array<double, 4>& values) {
    out.kind = CalcOutcome::Kind::Results;
    out.captions[0] = formatWithMask(values[0], massMask);
    for (std::size_t i = 1; i < 4; ++i)
        out.captions[i] = formatWithMask(values[i], resultMask);
    for (std::size_t i = 0; i < 4; ++i)
        out.values[i] = values[i] + 0.0; // no -0
}

// What the editor says of a box a mechanism refuses: the note that classes it, and the hint
// the mechanism declares for it.
InputNote mechanismNote(const InputDeclaration& input, const InputReading& r) {
    switch (r.problem) {
    case InputProblem::None:
        return InputNote::None;
    case InputProblem::Empty:
        return InputNote::Missing;
    case InputProblem::NotANumber:
        return InputNote::NotANumber;
    case InputProblem::Negative:
        return input.unit == InputUnit::Length ? InputNote::NegativeLength : InputNote::Negative;
    case InputProblem::NotPositive:
        return r.value == 0 ? InputNote::Zero : InputNote::Negative;
    case InputProblem::BelowOne:
        return InputNote::OutOfRange;
    }
    return InputNote::None;
}

// A mechanism's line: its results, or the first box it refuses with every refused box noted.
CalcOutcome mechanismOutcome(const Mechanism& m, const CalcInputs& in) {
    CalcOutcome out;
    const std::span<const QString> texts(in.texts.data(), m.inputs.size());
    const MechanismResult r = calculateMechanism(m.code, texts);
    if (r.ok) {
        writeResults(out, r.values);
        return out;
    }
    double furthest = -1;
    for (std::size_t i = 0; i < m.inputs.size(); ++i) {
        const InputReading reading = readInput(m.inputs[i], texts[i]);
        if (reading.ok()) {
            // Results too large for any box to be named: the box furthest from ordinary
            // magnitudes, as for the solids.
            const double x = std::fabs(reading.value);
            if (r.input < 0 && x != 0 && std::fabs(std::log10(x)) > furthest) {
                furthest = std::fabs(std::log10(x));
                out.reasonBox = InputBox(i);
            }
            continue;
        }
        out.notes[i] = mechanismNote(m.inputs[i], reading);
        out.noteHints[i] = hintEntryFor(m.inputs[i], reading.problem);
    }
    if (r.input >= 0) {
        out.reasonBox = InputBox(r.input);
        out.reason = out.notes[std::size_t(r.input)];
    } else {
        out.reason = InputNote::OutOfRange;
        out.notes[std::size_t(out.reasonBox)] = out.reason;
        out.noteHints[std::size_t(out.reasonBox)] = r.hintEntry;
    }
    return out;
}

} // namespace

double pi() {
    return 4.0 * std::atan(1.0);
}

int noteEntry(InputNote note) {
    switch (note) {
    case InputNote::None:
        return 0;
    case InputNote::Missing:
        return 605;
    case InputNote::Zero:
        return 602;
    case InputNote::NotANumber:
        return 574; // as in the Drive panel
    case InputNote::NegativeLength:
        return 600;
    case InputNote::Negative:
        return 559; // as in the Drive panel
    case InputNote::BoreNotSmaller:
        return 604;
    case InputNote::OutOfRange:
        return 603;
    case InputNote::Subtracts:
        return 601;
    }
    return 0;
}

int noteEntryAt(const CalcOutcome& out, std::size_t i) {
    if (i >= out.notes.size()) return 0;
    return out.noteHints[i] ? out.noteHints[i] : noteEntry(out.notes[i]);
}

CalcOutcome calculatePart(const CalcInputs& in) {
    if (const Mechanism* m = mechanismInfo(in.code)) return mechanismOutcome(*m, in);
    CalcOutcome out;
    const Inputs s(in);
    const std::array<Role, 7> used = roles(in.code);

    // Every box the kind reads holds a number in its range, or the run gives no result; the
    // first such box in box order is the reason, and every one of them is noted.
    for (std::size_t i = 0; i < used.size(); ++i) {
        const double x = s.number(InputBox(i));
        InputNote& note = out.notes[i];
        if (used[i] == Role::Unused) continue;
        if (x == 0) {
            switch (numberForm(in.texts[i])) {
            case NumberForm::None:
                note = InputNote::NotANumber;
                break;
            case NumberForm::OutOfRange:
                note = InputNote::OutOfRange;
                break;
            case NumberForm::Blank: // every kind needs a quantity and a ratio
                if (i <= std::size_t(InputBox::Ratio)) note = InputNote::Missing;
                break;
            case NumberForm::Number:
                if (i <= std::size_t(InputBox::Ratio)) note = InputNote::Zero;
                break;
            }
        } else if (x < 0 && used[i] == Role::Length) {
            note = InputNote::NegativeLength;
        } else if (x < 0 && used[i] == Role::NonNegative) {
            note = InputNote::Negative;
        }
        if (note != InputNote::None && out.reason == InputNote::None) {
            out.reason = note;
            out.reasonBox = InputBox(i);
        }
    }
    if (out.reason != InputNote::None) return out;

    const double Q = s.number(InputBox::Quantity);
    const double k = s.number(InputBox::Ratio);
    const double M = s.number(InputBox::MassOrDensity);
    Values v{M};
    switch (calculateKind(in.code, !in.totalMass, s, v, out)) {
    case Stop::NoResult:
        out.notes[std::size_t(out.reasonBox)] = out.reason;
        return out;
    case Stop::Message:
        out.kind = CalcOutcome::Kind::Message;
        return out;
    case Stop::Results:
        break;
    }

    const double mass = Q * v.m;
    const double inertia = (Q * v.J) / sq(k);
    const double friction = (Q * v.Tf) / k;
    const double working = (Q * v.Tw) / k;
    // Inputs so large (or a ratio so small) that a value overflows give no result: the box
    // furthest from ordinary magnitudes is named.
    if (!showable(mass) || !showable(inertia) || !showable(friction) || !showable(working)) {
        out.reason = InputNote::OutOfRange;
        out.reasonBox = mostExtreme(s, used);
        out.notes[std::size_t(out.reasonBox)] = out.reason;
        return out;
    }

    writeResults(out, {mass, inertia, friction, working});
    // A line with a negative result subtracts from the totals (a hole): its negative amounts
    // say so.
    if (mass < 0 || inertia < 0 || friction < 0 || working < 0)
        for (std::size_t i = 0; i < used.size(); ++i)
            if (used[i] == Role::Amount && s.number(InputBox(i)) < 0)
                out.notes[i] = InputNote::Subtracts;
    return out;
}

} // namespace ostrel
