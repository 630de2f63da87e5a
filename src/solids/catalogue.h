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
    Aucun = 0,
    Plateau = 1,
    Couronne,
    CylHor,
    TubeHor,
    TroncCone,
    Bras,
    Rectangle,
    Polygone,
    Bille,
    CylVerExc,
    TubeVerExc,
    CylHorExc,
    TubeHorExc,
    BilleExc,
    RectExc,
    MasseExc,
    DiversIner,
    Convoyeur,
    MasseDese,
    Tore,
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

// A dimension box (Text5 ... Text8) as a kind shows it: hidden, or shown with a caption that
// is either a fixed letter or a translation entry, and the unit of what it holds.
struct BoxCaption {
    bool shown = false;
    const char* letter = nullptr; // fixed caption ("D"), or nullptr
    int entry = 0;                // translation entry of the caption when letter is nullptr
    BoxUnit unit = BoxUnit::Length;
};

struct KindInfo {
    int code;         // 1 ... 20
    const char* name; // "Plateau" ...; also the toolbar key
    Family family;
    const char* menuItem;            // "M_ObjetCentrePlateau" ...
    const char* designCaption;       // "&Plateau" (UTF-8): shown until a language is applied
    int captionEntry;                // translation entry of the menu item
    const char* bitmapFile;          // "plateau.bmp" ...; looked up without regard to case
    int button;                      // toolbar button number, 1-based
    int image;                       // image number in ImageList1, 1-based
    int hintEntry;                   // 0: the button has no hint
    std::array<BoxCaption, 4> boxes; // Text5, Text6, Text7, Text8
    DensityOption density;
    int massCaptionEntry; // 0, or the entry Label1 shows after setup (82 for the conveyor)

    // Grille1 columns (10 ... 13) copied back into the editor on take-back: those of the
    // boxes the kind shows, in box order.
    bool copiesColumn(int column) const {
        return column >= 10 && column <= 13 && boxes[column - 10].shown;
    }
};

// The twenty kinds, in code order (index = code - 1).
std::span<const KindInfo> catalogue();

// The kind of a code, or nullptr for any code outside 1 ... 20.
const KindInfo* kindInfo(int code);

// The kind whose toolbar key equals key (exact, letter case counts), or nullptr.
const KindInfo* kindByKey(QStringView key);

// Toolbar2: 30 buttons numbered from 1. Spacers (1, 5, 26, 27, 29) have no key.
struct ToolbarButton {
    int number;
    const char* key; // nullptr for a spacer
    int image;       // 0 for a spacer
    int hintEntry;   // 0: no hint
};
std::span<const ToolbarButton> toolbarButtons();

// Button number (1 ... 30) of Toolbar2, or nullptr for any other number.
const ToolbarButton* toolbarButton(int number);

// The three group commands: which kind buttons each shows.
struct GroupCommand {
    const char* menuItem;
    const char* key;
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
