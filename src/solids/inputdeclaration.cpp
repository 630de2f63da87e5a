#include "solids/inputdeclaration.h"

#include "solids/numbertext.h"

namespace ostrel {

namespace {

constexpr int DegreesEntry = 10;

bool blank(QStringView text) {
    for (QChar c : text)
        if (!c.isSpace()) return false;
    return true;
}

} // namespace

const char* inputUnitSymbol(InputUnit unit) {
    switch (unit) {
    case InputUnit::Length:
        return "mm";
    case InputUnit::Mass:
        return "kg";
    case InputUnit::Density:
        return "kg/m³";
    case InputUnit::Force:
        return "N";
    case InputUnit::Inertia:
        return "kg·m²";
    case InputUnit::Torque:
        return "N·m";
    case InputUnit::None:
    case InputUnit::Count:
    case InputUnit::Angle:
        break;
    }
    return "";
}

int inputUnitEntry(InputUnit unit) {
    return unit == InputUnit::Angle ? DegreesEntry : 0;
}

bool holdsNoNumber(QStringView text, double read) {
    return read == 0 && !blank(text) && !text.contains(QLatin1Char('0'));
}

InputReading readInput(const InputDeclaration& input, QStringView text) {
    InputReading r;
    r.value = readNumber(text);
    if (input.bound == InputBound::Unchecked) return r;
    if (holdsNoNumber(text, r.value)) {
        r.problem = InputProblem::NotANumber;
        return r;
    }
    const double x = r.value;
    switch (input.bound) {
    case InputBound::Unchecked:
    case InputBound::Any:
        break;
    case InputBound::NotNegative:
        if (x < 0) r.problem = InputProblem::Negative;
        break;
    case InputBound::Positive:
        if (!(x > 0)) r.problem = blank(text) ? InputProblem::Empty : InputProblem::NotPositive;
        break;
    case InputBound::AtLeastOne:
        if (!(x >= 1)) r.problem = blank(text) ? InputProblem::Empty : InputProblem::BelowOne;
        break;
    }
    return r;
}

int hintEntryFor(const InputDeclaration& input, InputProblem problem) {
    switch (problem) {
    case InputProblem::None:
    case InputProblem::Empty:
        return 0;
    case InputProblem::NotANumber:
        return NotANumberEntry;
    case InputProblem::Negative:
    case InputProblem::NotPositive:
    case InputProblem::BelowOne:
        break;
    }
    return input.hintEntry;
}

} // namespace ostrel
