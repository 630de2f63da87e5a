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
constexpr auto Chosen = DensityOption::OfferedAndSelected;

// clang-format off
constexpr std::array<KindInfo, 20> kinds{{
    // code, id, file key, family, design caption, entry, bitmap, button, image, hint,
    //   radius, diameter, small diameter and height boxes, density option, mass caption entry
    {1, "disc", "Plateau", C, "&Plateau", 15, "plateau.bmp", 6, 4, 44,
     {none, letter("D"), none, letter("H")}, Yes, 0},
    {2, "ring", "Couronne", C, "&Couronne", 16, "couronne.bmp", 7, 5, 45,
     {none, letter("D"), letter("d"), letter("H")}, Yes, 0},
    {3, "lyingCylinder", "CylHor", C, "C&ylindre", 17, "cylCouc.bmp", 8, 6, 46,
     {none, letter("D"), none, letter("H")}, Yes, 0},
    {4, "lyingTube", "TubeHor", C, "&Tube", 18, "TubCouc.bmp", 9, 7, 47,
     {none, letter("D"), letter("d"), letter("H")}, Yes, 0},
    {5, "truncatedCone", "TroncCone", C, "Tro&nc de Cône", 19, "Troncone.bmp", 10, 8, 48,
     {none, letter("D"), letter("d"), letter("H")}, Yes, 0},
    {6, "arm", "Bras", C, "&Bras", 20, "Bras.bmp", 11, 9, 49,
     {none, letter("D"), none, none}, No, 0},
    {7, "rectangle", "Rectangle", C, "&Rectangle", 21, "Rectang.bmp", 12, 10, 50,
     {none, letter("D"), letter("d"), letter("H")}, Yes, 0},
    {8, "regularPolygon", "Polygone", C, "Poly&gone Régulier", 22, "Polygone.bmp", 13, 11,
     51, {entry(79, BoxUnit::Count), letter("D"), none, letter("H")}, Chosen, 0},
    {9, "sphere", "Bille", C, "&Sphère", 23, "Bille.bmp", 14, 12, 52,
     {none, letter("D"), none, none}, Yes, 0},
    {10, "eccentricVerticalCylinder", "CylVerExc", E, "&Cylindre Vertical", 26, "CylVerEx.bmp", 16,
     14, 54, {letter("R"), letter("D"), none, letter("H")}, Yes, 0},
    {11, "eccentricVerticalTube", "TubeVerExc", E, "&Tube Vertical", 27, "TubVerEx.bmp", 17, 15,
     55, {letter("R"), letter("D"), letter("d"), letter("H")}, Yes, 0},
    {12, "eccentricHorizontalCylinder", "CylHorExc", E, "C&ylindre Horizontal", 28, "CylCouEx.bmp",
     18, 16, 56, {letter("R"), letter("D"), none, letter("H")}, Yes, 0},
    {13, "eccentricHorizontalTube", "TubeHorExc", E, "T&ube Horizontal", 29, "TubCouEx.bmp", 19,
     17, 57, {letter("R"), letter("D"), letter("d"), letter("H")}, Yes, 0},
    {14, "eccentricSphere", "BilleExc", E, "&Sphère", 23, "BilleEx.bmp", 20, 18, 58,
     {letter("R"), letter("D"), none, none}, Yes, 0},
    {15, "eccentricRectangle", "RectExc", E, "&Rectangle", 21, "RectanEx.bmp", 21, 19, 59,
     {letter("R"), letter("D"), letter("d"), letter("H")}, Yes, 0},
    {16, "pointMass", "MasseExc", E, "&Masse", 30, "MaseEx.bmp", 22, 20, 60,
     {letter("R"), none, none, none}, No, 0},
    {17, "givenValues", "DiversIner", M, "&Valeurs données", 32, "DivIner.bmp", 23, 21, 61,
     {entry(40, BoxUnit::Inertia), entry(81, BoxUnit::Torque), entry(11, BoxUnit::Torque), none}, No, 0},
    {18, "conveyor", "Convoyeur", M, "&Convoyeur", 33, "Convoy.bmp", 25, 23, 0,
     {none, letter("D"), entry(83, BoxUnit::Mass), entry(84, BoxUnit::Ratio)}, No, 82},
    {19, "unbalancedMass", "MasseDese", M, "&Masse en desequilibre", 34, "MaseDese.bmp",
     24, 22, 62, {letter("R"), none, none, entry(80, BoxUnit::Angle)}, No, 0},
    {20, "torus", "Tore", C, "T&ore", 24, "Tore.bmp", 15, 13, 53,
     {none, letter("D"), letter("d"), none}, Yes, 0},
}};

constexpr std::array<ToolbarButton, 30> buttons{{
    {1, nullptr, 0, 0},
    {2, "showCentred", 1, 7},
    {3, "showEccentric", 2, 6},
    {4, "showMiscellaneous", 3, 1},
    {5, nullptr, 0, 0},
    {6, "disc", 4, 44},
    {7, "ring", 5, 45},
    {8, "lyingCylinder", 6, 46},
    {9, "lyingTube", 7, 47},
    {10, "truncatedCone", 8, 48},
    {11, "arm", 9, 49},
    {12, "rectangle", 10, 50},
    {13, "regularPolygon", 11, 51},
    {14, "sphere", 12, 52},
    {15, "torus", 13, 53},
    {16, "eccentricVerticalCylinder", 14, 54},
    {17, "eccentricVerticalTube", 15, 55},
    {18, "eccentricHorizontalCylinder", 16, 56},
    {19, "eccentricHorizontalTube", 17, 57},
    {20, "eccentricSphere", 18, 58},
    {21, "eccentricRectangle", 19, 59},
    {22, "pointMass", 20, 60},
    {23, "givenValues", 21, 61},
    {24, "unbalancedMass", 22, 62},
    {25, "conveyor", 23, 0},
    {26, nullptr, 0, 0},
    {27, nullptr, 0, 0},
    {28, "print", 24, 0},
    {29, nullptr, 0, 0},
    {30, "quit", 25, 0},
}};

constexpr std::array<GroupCommand, 3> groups{{
    {"showCentred", 2, 1, 7, 76, 6, 15},
    {"showEccentric", 3, 2, 6, 78, 16, 22},
    {"showMiscellaneous", 4, 3, 1, 77, 23, 25},
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

const KindInfo* kindById(QStringView id) {
    for (const KindInfo& k : kinds)
        if (sameKey(id, k.id)) return &k;
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
