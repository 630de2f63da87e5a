#include "solids/kinds.h"

#include "solids/catalogue.h"
#include "solids/mechanism.h"

namespace ostrel {

namespace {

using U = InputUnit;
constexpr auto Unchecked = InputBound::Unchecked;

// The seven boxes of the solids under the names their files have always used. The calculation
// of each solid judges them itself.
constexpr std::array<InputDeclaration, 7> solidInputs{{
    {"quantity", "q", 37, U::None, "1", Unchecked, 0},
    {"ratio", "k", 38, U::None, "1", Unchecked, 0},
    {"massOrDensity", "M", 9, U::Mass, "", Unchecked, 0},
    {"dimension1", "R", 0, U::Length, "", Unchecked, 0},
    {"dimension2", "D", 0, U::Length, "", Unchecked, 0},
    {"dimension3", "d", 0, U::Length, "", Unchecked, 0},
    {"dimension4", "H", 0, U::Length, "", Unchecked, 0},
}};

} // namespace

bool isKnownKind(int code) {
    return kindInfo(code) != nullptr || mechanismInfo(code) != nullptr;
}

bool isMechanism(int code) {
    return mechanismInfo(code) != nullptr;
}

std::span<const InputDeclaration> kindInputs(int code) {
    if (code == 0 || kindInfo(code)) return solidInputs;
    if (const Mechanism* m = mechanismInfo(code)) return m->inputs;
    return {};
}

const char* kindFileKey(int code) {
    if (const KindInfo* k = kindInfo(code)) return k->fileKey;
    if (const Mechanism* m = mechanismInfo(code)) return m->fileKey;
    return nullptr;
}

int kindImage(int code) {
    if (const KindInfo* k = kindInfo(code)) return k->image;
    if (const Mechanism* m = mechanismInfo(code)) return m->image;
    return 0;
}

const char* kindBitmap(int code) {
    if (const KindInfo* k = kindInfo(code)) return k->bitmapFile;
    if (const Mechanism* m = mechanismInfo(code)) return m->bitmapFile;
    return nullptr;
}

int kindCaptionEntry(int code) {
    if (const KindInfo* k = kindInfo(code)) return k->captionEntry;
    if (const Mechanism* m = mechanismInfo(code)) return m->captionEntry;
    return 0;
}

int kindHintEntry(int code) {
    if (const KindInfo* k = kindInfo(code)) return k->hintEntry;
    if (const Mechanism* m = mechanismInfo(code)) return m->hintEntry;
    return 0;
}

const char* kindDesignCaption(int code) {
    if (const KindInfo* k = kindInfo(code)) return k->designCaption;
    if (const Mechanism* m = mechanismInfo(code)) return m->designCaption;
    return nullptr;
}

} // namespace ostrel
