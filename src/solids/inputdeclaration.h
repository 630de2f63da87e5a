// What a kind declares about each of its input boxes: the key it is saved under, its caption,
// its unit, the text it starts with, and which values it refuses with which hint. The editor,
// the project file, the CSV and the report tables read the same declaration, so a kind's boxes
// are described once. readInput reads one box against its declaration.
#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstddef>

namespace ostrel {

// The most boxes a kind has (the screw and the belt axes); the solids use the first seven.
constexpr std::size_t MaxInputs = 11;
// The texts of a kind's boxes in the order of its inputs (InputBox order for a solid).
using InputTexts = std::array<QString, MaxInputs>;

// What a box holds, for the unit caption beside it.
enum class InputUnit { None, Count, Length, Mass, Density, Force, Angle, Inertia, Torque };

// The unit caption as the window writes it (UTF-8): "mm", "kg", "kg/m³", "N", "kg·m²", "N·m",
// or an empty text for a plain number, a count or an angle (whose unit is inputUnitEntry).
const char* inputUnitSymbol(InputUnit unit);
// The translation entry of the unit caption (10, "°", for an angle), or 0 when
// inputUnitSymbol says it.
int inputUnitEntry(InputUnit unit);

// The values a box accepts. Unchecked leaves the judging to the kind's own calculation (the
// twenty solids read their boxes as they always did); the others refuse a text that holds no
// number, and what is named here.
enum class InputBound {
    Unchecked,
    Any,         // any number (an angle, a force)
    NotNegative, // 0 or more (a length, a mass, a density, a friction coefficient)
    Positive,    // above 0 (quantity, ratio, a lead, a pitch diameter)
    AtLeastOne,  // 1 or more (a number of pulleys)
};

struct InputDeclaration {
    const char* key;         // the name the project file and the CSV save the box under
    const char* symbol;      // UTF-8 letter of the figure and the table heading ("P", "ρ")
    int captionEntry;        // translation entry of the editor caption; 0: the symbol is it
    InputUnit unit;          //
    const char* defaultText; // what the box holds when the kind is set up
    InputBound bound;        //
    int hintEntry;           // the hint when the bound refuses a number
};

// Why a box gives no result.
enum class InputProblem {
    None,
    Empty,       // an empty box where 0 is refused: no result, and no hint for a box not typed
    NotANumber,  // letters, a lone sign or point: the text holds no number
    Negative,    // below 0 where NotNegative
    NotPositive, // 0 or below where Positive
    BelowOne,    // below 1 where AtLeastOne
};

// The hint of "this is not a number", shared with the drive panel's boxes.
constexpr int NotANumberEntry = 574;

struct InputReading {
    double value = 0;
    InputProblem problem = InputProblem::None;
    bool ok() const { return problem == InputProblem::None; }
};

// The box's text read against its declaration with readNumber ("." as the decimal point). An
// empty box reads as 0, and is refused as Empty where the bound refuses 0. Unchecked boxes are
// read and never refused.
InputReading readInput(const InputDeclaration& input, QStringView text);

// The translation entry of the hint for a problem of input: NotANumberEntry for a text without
// a number, the declaration's hint for a refused number, 0 for none (no problem, or Empty).
int hintEntryFor(const InputDeclaration& input, InputProblem problem);

// True when readNumber read 0 from a text that holds no number at all ("abc", "-", "."): a
// text with a 0 in it, or an empty one, reads as the number it shows.
bool holdsNoNumber(QStringView text, double read);

} // namespace ostrel
