// The linear mechanisms reduced to their drive axis: a screw axis (code 21), a
// rack-and-pinion axis (22) and a belt axis (23). Each declares its inputs in one table
// (quantity and ratio first, as for every kind) and computes, from the texts of its boxes, the
// line's mass, its inertia at the drive axis, its friction torque and its working torque, or
// the refusal of the first box that gives no result.
//
// Lengths are typed in mm, angles in degrees (0 horizontal, 90 vertical, positive when the load
// rises as the motor turns forward); g = 9.81 as for every kind. The torques are lossless: the
// efficiency of the chain is the Drive panel's. The friction torque takes the guide's normal
// force m·g·|cos θ|: friction always brakes, whichever way the axis is laid.
#pragma once

#include "solids/inputdeclaration.h"

#include <QString>
#include <QStringView>
#include <array>
#include <span>

namespace ostrel {

// Translation entries of the mechanisms' texts.
namespace MechanismEntry {
constexpr int MenuTitle = 650;     // the menu of the mechanisms
constexpr int ShowBarItem = 651;   // "Show the mechanisms bar"
constexpr int ShowBarHint = 652;   // the group button's hint
constexpr int FirstKindItem = 653; // 653 ... 655: menu items of codes 21 ... 23
constexpr int FirstKindHint = 656; // 656 ... 658: toolbar hints of codes 21 ... 23
constexpr int HintAboveZero = 677;
constexpr int HintLengthNegative = 678;
constexpr int HintMassNegative = 679;
constexpr int HintDensityNegative = 680;
constexpr int HintFrictionNegative = 681;
constexpr int HintPulleys = 682;
constexpr int HintTooLarge = 683;
constexpr int BrakeHolds = 684; // the Drive panel's "a brake holds the load at rest"
} // namespace MechanismEntry

enum class MechanismType : qint16 { Screw = 21, Rack = 22, Belt = 23 };

struct Mechanism {
    int code;                  // 21 ... 23
    const char* id;            // "screwAxis": the toolbar key, the menu item "screwAxisAction"
    const char* fileKey;       // "Screw": the kind's name in project files
    const char* designCaption; // the menu item until a language is applied (UTF-8)
    int captionEntry;          // menu item
    int hintEntry;             // toolbar hint
    const char* bitmapFile;    // the editor's picture in the program folder
    int image;                 // the toolbar image "images/imageNN.png"
    std::span<const InputDeclaration> inputs; // quantity, ratio, then the kind's own
};

// The group command of the mechanisms: its toolbar key (menu item "showMechanismsAction"),
// image, hint, menu item and the menu's title.
struct MechanismGroup {
    const char* key = "showMechanisms";
    int image = 29;
    int hintEntry = MechanismEntry::ShowBarHint;
    int captionEntry = MechanismEntry::ShowBarItem;
    int menuEntry = MechanismEntry::MenuTitle;
};

// The three mechanisms in code order.
std::span<const Mechanism> mechanisms();
// The mechanism of a code, or nullptr for any code outside 21 ... 23.
const Mechanism* mechanismInfo(int code);
// The position of the input named key among a mechanism's inputs, or -1.
int inputIndex(const Mechanism& mechanism, QStringView key);

// The outcome of a line: its four values, or the box that refuses it.
struct MechanismResult {
    bool ok = false;
    // mass (kg), inertia at the drive axis (kg·m²), friction and working torque (N·m), for
    // the whole line (quantity and ratio applied).
    std::array<double, 4> values{};
    // When not ok: the refusing input's position among the inputs (-1 when the values are too
    // large for any input to be named), why, and the hint to show (0: none, an empty box).
    int input = -1;
    InputProblem problem = InputProblem::None;
    int hintEntry = 0;
};

// The line of the mechanism of code from its box texts, given in the order of its inputs (a
// missing text reads as empty). Any other code gives a refusal with no input named.
MechanismResult calculateMechanism(int code, std::span<const QString> texts);

} // namespace ostrel
