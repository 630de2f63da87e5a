// Every kind of part line the program knows, the twenty solids of the catalogue (codes 1 ... 20)
// and the three mechanisms (21 ... 23), as the list, the files, the report and the window see
// them alike: its name in files, its pictures, its menu texts, and the inputs it declares. A
// solid declares the seven boxes its project file has always held (quantity, ratio,
// massOrDensity, dimension1 ... dimension4); their captions and rules stay in the catalogue.
// Code 0 (a line added before any kind was chosen) has the solids' seven boxes and no name.
#pragma once

#include "solids/inputdeclaration.h"

#include <span>

namespace ostrel {

// Codes 1 ... 23.
bool isKnownKind(int code);
// Codes 21 ... 23.
bool isMechanism(int code);

// The inputs of a kind in box order: the seven boxes for 0 ... 20, the mechanism's own for
// 21 ... 23, none for any other code.
std::span<const InputDeclaration> kindInputs(int code);

// The kind's name in project files ("Plateau", "Screw"), or nullptr for code 0 and unknown codes.
const char* kindFileKey(int code);
// The kind's toolbar image number, 0 for none.
int kindImage(int code);
// The editor's picture of the kind ("plateau.bmp", "ScrewAx.bmp"), or nullptr.
const char* kindBitmap(int code);
// The translation entries of the kind's menu item and toolbar hint (0 for none).
int kindCaptionEntry(int code);
int kindHintEntry(int code);
// The menu item until a language is applied (UTF-8, with its access key), or nullptr.
const char* kindDesignCaption(int code);

} // namespace ostrel
