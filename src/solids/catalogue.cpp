#include "solids/catalogue.h"

#include <QLatin1String>

namespace ostrel {

namespace {

constexpr BoxCaption none{};
constexpr BoxCaption letter(const char* l) {
    return BoxCaption{true, l, 0};
}
constexpr BoxCaption entry(int e, BoxUnit unit = BoxUnit::Length) {
    return BoxCaption{true, nullptr, e, unit};
}

constexpr auto C = Family::Centred;
constexpr auto E = Family::Eccentric;
constexpr auto M = Family::Miscellaneous;
constexpr auto Yes = DensityOption::Offered;
constexpr auto No = DensityOption::Hidden;
constexpr auto Sel = DensityOption::OfferedAndSelected;

// clang-format off
constexpr std::array<KindInfo, 20> kinds{{
    // code name family menu item design caption entry bitmap button image hint
    //   Text5 Text6 Text7 Text8, density option, mass caption entry
    {1, "Plateau", C, "M_ObjetCentrePlateau", "&Plateau", 15, "plateau.bmp", 6, 4, 44,
     {none, letter("D"), none, letter("H")}, Yes, 0},
    {2, "Couronne", C, "M_ObjetCentreCouronne", "&Couronne", 16, "couronne.bmp", 7, 5, 45,
     {none, letter("D"), letter("d"), letter("H")}, Yes, 0},
    {3, "CylHor", C, "M_ObjetCentreCylCouche", "C&ylindre", 17, "cylCouc.bmp", 8, 6, 46,
     {none, letter("D"), none, letter("H")}, Yes, 0},
    {4, "TubeHor", C, "M_ObjetCentreTubeCouche", "&Tube", 18, "TubCouc.bmp", 9, 7, 47,
     {none, letter("D"), letter("d"), letter("H")}, Yes, 0},
    {5, "TroncCone", C, "M_ObjetCentreTroncone", "Tro&nc de Cône", 19, "Troncone.bmp", 10, 8, 48,
     {none, letter("D"), letter("d"), letter("H")}, Yes, 0},
    {6, "Bras", C, "M_ObjetCentreBras", "&Bras", 20, "Bras.bmp", 11, 9, 49,
     {none, letter("D"), none, none}, No, 0},
    {7, "Rectangle", C, "M_ObjetCentreRectangle", "&Rectangle", 21, "Rectang.bmp", 12, 10, 50,
     {none, letter("D"), letter("d"), letter("H")}, Yes, 0},
    {8, "Polygone", C, "M_ObjetCentrePolygone", "Poly&gone Régulier", 22, "Polygone.bmp", 13, 11,
     51, {entry(79, BoxUnit::Count), letter("D"), none, letter("H")}, Sel, 0},
    {9, "Bille", C, "M_ObjetCentreSphere", "&Sphère", 23, "Bille.bmp", 14, 12, 52,
     {none, letter("D"), none, none}, Yes, 0},
    {10, "CylVerExc", E, "M_ObjetExcentrePlateau", "&Cylindre Vertical", 26, "CylVerEx.bmp", 16,
     14, 54, {letter("R"), letter("D"), none, letter("H")}, Yes, 0},
    {11, "TubeVerExc", E, "M_ObjetExcentreCouronne", "&Tube Vertical", 27, "TubVerEx.bmp", 17, 15,
     55, {letter("R"), letter("D"), letter("d"), letter("H")}, Yes, 0},
    {12, "CylHorExc", E, "M_ObjetExcentreCylCouche", "C&ylindre Horizontal", 28, "CylCouEx.bmp",
     18, 16, 56, {letter("R"), letter("D"), none, letter("H")}, Yes, 0},
    {13, "TubeHorExc", E, "M_ObjetExcentreTubeCouche", "T&ube Horizontal", 29, "TubCouEx.bmp", 19,
     17, 57, {letter("R"), letter("D"), letter("d"), letter("H")}, Yes, 0},
    {14, "BilleExc", E, "M_ObjetExcentreSphere", "&Sphère", 23, "BilleEx.bmp", 20, 18, 58,
     {letter("R"), letter("D"), none, none}, Yes, 0},
    {15, "RectExc", E, "M_ObjetExcentreRectangle", "&Rectangle", 21, "RectanEx.bmp", 21, 19, 59,
     {letter("R"), letter("D"), letter("d"), letter("H")}, Yes, 0},
    {16, "MasseExc", E, "M_ObjetExcentreMasse", "&Masse", 30, "MaseEx.bmp", 22, 20, 60,
     {letter("R"), none, none, none}, No, 0},
    {17, "DiversIner", M, "M_ObjetDiversDivers", "&Valeurs donnés", 32, "DivIner.bmp", 23, 21, 61,
     {entry(40, BoxUnit::Inertia), entry(81, BoxUnit::Torque), entry(11, BoxUnit::Torque), none}, No, 0},
    {18, "Convoyeur", M, "M_ObjetDiversConvoyeur", "&Convoyeur", 33, "Convoy.bmp", 25, 23, 0,
     {none, letter("D"), entry(83, BoxUnit::Mass), entry(84, BoxUnit::Ratio)}, No, 82},
    {19, "MasseDese", M, "M_ObjetDiversDesequilibre", "&Masse en desequilibre", 34, "MaseDese.bmp",
     24, 22, 62, {letter("R"), none, none, entry(80, BoxUnit::Angle)}, No, 0},
    {20, "Tore", C, "M_ObjetCentreTore", "T&ore", 24, "Tore.bmp", 15, 13, 53,
     {none, letter("D"), letter("d"), none}, Yes, 0},
}};

constexpr std::array<ToolbarButton, 30> buttons{{
    {1, nullptr, 0, 0},
    {2, "SolidesCentres", 1, 7},
    {3, "SolidesExcentres", 2, 6},
    {4, "DiversInertie", 3, 1},
    {5, nullptr, 0, 0},
    {6, "Plateau", 4, 44},
    {7, "Couronne", 5, 45},
    {8, "CylHor", 6, 46},
    {9, "TubeHor", 7, 47},
    {10, "TroncCone", 8, 48},
    {11, "Bras", 9, 49},
    {12, "Rectangle", 10, 50},
    {13, "Polygone", 11, 51},
    {14, "Bille", 12, 52},
    {15, "Tore", 13, 53},
    {16, "CylVerExc", 14, 54},
    {17, "TubeVerExc", 15, 55},
    {18, "CylHorExc", 16, 56},
    {19, "TubeHorExc", 17, 57},
    {20, "BilleExc", 18, 58},
    {21, "RectExc", 19, 59},
    {22, "MasseExc", 20, 60},
    {23, "DiversIner", 21, 61},
    {24, "MasseDese", 22, 62},
    {25, "Convoyeur", 23, 0},
    {26, nullptr, 0, 0},
    {27, nullptr, 0, 0},
    {28, "Impression", 24, 0},
    {29, nullptr, 0, 0},
    {30, "Quitter", 25, 0},
}};

constexpr std::array<GroupCommand, 3> groups{{
    {"M_InertieBarreCentres", "SolidesCentres", 2, 1, 7, 76, 6, 15},
    {"M_InertieBarreExcentres", "SolidesExcentres", 3, 2, 6, 78, 16, 22},
    {"M_InertieBarreDivers", "DiversInertie", 4, 3, 1, 77, 23, 25},
}};
// clang-format on

bool sameKey(QStringView key, const char* name) {
    return key == QLatin1String(name);
}

} // namespace

const char* unitSymbol(BoxUnit unit) {
    switch (unit) {
    case BoxUnit::Length:
        return "mm";
    case BoxUnit::Inertia:
        return "kg·m²";
    case BoxUnit::Torque:
        return "N·m";
    case BoxUnit::Mass:
        return "kg";
    case BoxUnit::Count:
    case BoxUnit::Ratio:
    case BoxUnit::Angle:
        break;
    }
    return "";
}

int unitEntry(BoxUnit unit) {
    return unit == BoxUnit::Angle ? 10 : 0;
}

std::span<const KindInfo> catalogue() {
    return kinds;
}

const KindInfo* kindInfo(int code) {
    if (code < 1 || code > int(kinds.size())) return nullptr;
    return &kinds[std::size_t(code - 1)];
}

const KindInfo* kindByKey(QStringView key) {
    for (const KindInfo& k : kinds)
        if (sameKey(key, k.name)) return &k;
    return nullptr;
}

std::span<const ToolbarButton> toolbarButtons() {
    return buttons;
}

const ToolbarButton* toolbarButton(int number) {
    if (number < 1 || number > int(buttons.size())) return nullptr;
    return &buttons[std::size_t(number - 1)];
}

std::span<const GroupCommand> groupCommands() {
    return groups;
}

const GroupCommand* groupByKey(QStringView key) {
    for (const GroupCommand& g : groups)
        if (sameKey(key, g.key)) return &g;
    return nullptr;
}

} // namespace ostrel
