// The catalogue of the twenty kinds of solid: one table that the editor, the commands, the
// parts list and the report all read. Nothing outside this table switches on a kind for what
// the table can say.
#pragma once

#include <QStringView>
#include <array>
#include <span>

namespace ostrel {

// Codes of the kinds; 0 means that no kind is chosen.
enum class SolidType : qint16 {
    None = 0,
    Disc = 1,
    Ring,
    LyingCylinder,
    LyingTube,
    TruncatedCone,
    Arm,
    Rectangle,
    RegularPolygon,
    Sphere,
    EccentricVerticalCylinder,
    EccentricVerticalTube,
    EccentricHorizontalCylinder,
    EccentricHorizontalTube,
    EccentricSphere,
    EccentricRectangle,
    PointMass,
    GivenValues,
    Conveyor,
    UnbalancedMass,
    Torus,
};

enum class Family { Centred, Eccentric, Miscellaneous };

// Whether the editor offers the density option for a kind.
enum class DensityOption { Offered, Hidden, OfferedAndSelected };

// What a dimension box holds, for the unit caption beside it.
enum class BoxUnit { Length, Count, Inertia, Torque, Mass, Ratio, Angle };

// The unit caption of a box as the window writes it (UTF-8): "mm", "kg·m²", "N·m", "kg", or
// an empty text for a count or a ratio. An angle's unit is a translation entry instead.
const char* unitSymbol(BoxUnit unit);
// The translation entry of the unit caption (10 for degrees), or 0 when unitSymbol says it.
int unitEntry(BoxUnit unit);

// A dimension box (radius, diameter, small diameter, height) as a kind shows it: hidden, or
// shown with a caption that is either a fixed letter or a translation entry, and the unit of
// what it holds.
struct BoxCaption {
    bool shown = false;
    const char* letter = nullptr; // fixed caption ("D"), or nullptr
    int entry = 0;                // translation entry of the caption when letter is nullptr
    BoxUnit unit = BoxUnit::Length;
};

struct KindInfo {
    int code;       // 1 ... 20
    const char* id; // "disc" ...: the toolbar key, and the names of the kind's menu item
                    // ("discAction") and toolbar button ("discTool")
    // The kind's name in project files ("Plateau" ...). Files written by every version rely on
    // it, so it keeps the words it was first written with.
    const char* fileKey;
    Family family;
    const char* designCaption;       // "&Plateau" (UTF-8): shown until a language is applied
    int captionEntry;                // translation entry of the menu item
    const char* bitmapFile;          // "plateau.bmp" ...; looked up without regard to case
    int button;                      // toolbar button number, 1-based
    int image;                       // image number of the toolbar images, 1-based
    int hintEntry;                   // 0: the button has no hint
    std::array<BoxCaption, 4> boxes; // radius, diameter, small diameter and height boxes
    DensityOption density;
    int massCaptionEntry; // 0, or the entry massCaption shows after setup (82 for the conveyor)

    // partsTable columns (10 ... 13) copied back into the editor on take-back: those of the
    // boxes the kind shows, in box order.
    bool copiesColumn(int column) const {
        return column >= 10 && column <= 13 && boxes[column - 10].shown;
    }
};

// The twenty kinds, in code order (index = code - 1).
std::span<const KindInfo> catalogue();

// The kind of a code, or nullptr for any code outside 1 ... 20.
const KindInfo* kindInfo(int code);

// The kind whose id equals id (exact, letter case counts), or nullptr.
const KindInfo* kindById(QStringView id);

// The main toolbar: 30 buttons numbered from 1. Spacers (1, 5, 26, 27, 29) have no key.
struct ToolbarButton {
    int number;
    const char* key; // the command's id ("showCentred", "disc", "print"); nullptr for a spacer
    int image;       // 0 for a spacer
    int hintEntry;   // 0: no hint
};
std::span<const ToolbarButton> toolbarButtons();

// Button number (1 ... 30) of the main toolbar, or nullptr for any other number.
const ToolbarButton* toolbarButton(int number);

// The three group commands: which kind buttons each shows.
struct GroupCommand {
    const char* key; // "showCentred": the toolbar key; the menu item is "showCentredAction"
    int button;
    int image;
    int hintEntry;
    int captionEntry;
    int firstVisible; // kind buttons firstVisible ... lastVisible are shown, the other kind
    int lastVisible;  // buttons (6 ... 25) hidden
};
std::span<const GroupCommand> groupCommands();

// The group command whose toolbar key equals key (exact, letter case counts), or nullptr.
const GroupCommand* groupByKey(QStringView key);

} // namespace ostrel
