// calculatePart: the mass, inertia and torques of the part line in the editor, as a pure
// function of the kind, the mass mode and the input texts: the seven boxes of a solid, or the
// inputs a mechanism declares.
#pragma once

#include "solids/inputdeclaration.h"

#include <QString>
#include <array>
#include <vector>

namespace ostrel {

// The editor's input boxes of a solid, in the order of CalcInputs::texts. A mechanism's boxes
// are its inputs in declaration order: InputBox(i) is its input i.
enum class InputBox { Quantity, Ratio, MassOrDensity, Radius, Diameter, SmallDiameter, Height };

enum class MessageIcon { Information, Exclamation };

// One piece of a message text: a translation entry (entry > 0) or a literal text.
struct MessagePiece {
    int entry = 0;
    QString literal;
};

struct CalcInputs {
    int code = 0;          // kind code: 0 ... 23, or anything else
    bool totalMass = true; // totalMassOption selected (a mechanism has no mass mode)
    // The input boxes in InputBox order: quantity, ratio, mass or density, four dimensions; or
    // a mechanism's inputs in declaration order.
    InputTexts texts;
};

// What the editor says of one box, and why a run gives no result. Missing, Zero and the
// range notes make a run give no result; Subtracts only accompanies results.
enum class InputNote {
    None,
    Missing,        // the box is empty where the kind needs a value
    Zero,           // the box reads 0 where the kind needs a value
    NotANumber,     // the box's text starts with no number
    NegativeLength, // a length below 0
    Negative,       // a ratio, a friction coefficient or an angle below 0
    BoreNotSmaller, // a bore not smaller than the outer diameter
    OutOfRange,     // a number beyond the range of a double, or results too large to show
    Subtracts,      // a negative quantity, mass or given value: the line subtracts
};

// The translation entry of a note's text (0 for None).
int noteEntry(InputNote note);

struct CalcOutcome {
    enum class Kind {
        Results,  // write captions to massResult, inertiaResult, frictionResult, workingResult in
                  // this order
        NoResult, // the inputs give no result: the four captions are emptied; reason and
                  // reasonBox say why
        Message,  // show the message, then apply the correction
    };
    Kind kind = Kind::NoResult;
    std::array<QString, 4> captions;
    // Results: the exact values behind the captions, in SI units and before any mask: mass
    // (kg), inertia reduced to the axis (kg·m²), friction and working torque (N·m).
    std::array<double, 4> values{};

    // NoResult: the first box, in box order, that stands in the way, and what is wrong with it.
    InputNote reason = InputNote::None;
    InputBox reasonBox = InputBox::Quantity;
    // What to say beside each box, in InputBox order: the reason at its box, every other box
    // out of its range, and Subtracts at the negative amounts of a line that subtracts.
    std::array<InputNote, MaxInputs> notes{};
    // Where a kind declares the hint of a refused box (a mechanism), its translation entry;
    // 0 where noteEntry of the note says it.
    std::array<int, MaxInputs> noteHints{};

    std::vector<MessagePiece> message; // pieces in order, joined directly
    MessageIcon icon = MessageIcon::Information;
    InputBox correctedBox = InputBox::Quantity;
    QString correctedText;
    bool correctedTakesFocus = false;
};

CalcOutcome calculatePart(const CalcInputs& in);

// The translation entry of what the editor says beside box i of an outcome: the kind's own
// hint, or the note's text (0 for none).
int noteEntryAt(const CalcOutcome& out, std::size_t i);

// pi as the system computes it: 4 * arctan(1).
double pi();

} // namespace ostrel
