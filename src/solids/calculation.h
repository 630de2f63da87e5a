// calculatePart: the mass, inertia and torques of the part line in the editor, as a pure
// function of the kind, the mass mode and the seven input texts.
#pragma once

#include <QString>
#include <array>
#include <vector>

namespace ostrel {

// The editor's input boxes, in the order of CalcInputs::texts.
enum class InputBox { Quantity, Ratio, MassOrDensity, Radius, Diameter, SmallDiameter, Height };

enum class MessageIcon { Information, Exclamation };

// One piece of a message text: a translation entry (entry > 0) or a literal text.
struct MessagePiece {
    int entry = 0;
    QString literal;
};

struct CalcInputs {
    int code = 0;          // kind code: 0 ... 20, or anything else
    bool totalMass = true; // totalMassOption selected
    // The input boxes in InputBox order: quantity, ratio, mass or density, four dimensions
    std::array<QString, 7> texts;
};

struct CalcOutcome {
    enum class Kind {
        Results,  // write captions to massResult, inertiaResult, frictionResult, workingResult in
                  // this order
        NoChange, // the captions keep what they show
        Cleared, // massResult and inertiaResult emptied; frictionResult and workingResult keep what
                 // they show
        Message, // show the message, then apply the correction
    };
    Kind kind = Kind::NoChange;
    std::array<QString, 4> captions;
    // Results: the exact values behind the captions, in SI units and before any mask: mass
    // (kg), inertia reduced to the axis (kg·m²), friction and working torque (N·m).
    std::array<double, 4> values{};

    std::vector<MessagePiece> message; // pieces in order, joined directly
    MessageIcon icon = MessageIcon::Information;
    InputBox correctedBox = InputBox::Quantity;
    QString correctedText;
    bool correctedTakesFocus = false;
};

CalcOutcome calculatePart(const CalcInputs& in);

// pi as the system computes it: 4 * arctan(1).
double pi();

} // namespace ostrel
