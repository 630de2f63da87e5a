#include "solids/material.h"

#include "solids/inputdeclaration.h"
#include "solids/numbertext.h"

#include <array>

namespace ostrel {

namespace {

const std::array<Material, 15> kBuiltIn{{
    {686, {}, 7850}, // steel
    {687, {}, 7930}, // stainless steel
    {688, {}, 7200}, // cast iron
    {689, {}, 2700}, // aluminium
    {690, {}, 8500}, // brass
    {691, {}, 8800}, // bronze
    {692, {}, 8930}, // copper
    {693, {}, 4500}, // titanium
    {694, {}, 7130}, // zinc
    {695, {}, 1410}, // POM (acetal)
    {696, {}, 1140}, // nylon (PA6)
    {697, {}, 2200}, // PTFE
    {698, {}, 1050}, // ABS
    {699, {}, 700},  // oak
    {700, {}, 560},  // pine
}};

} // namespace

QString Material::displayName(const QStringList& texts) const {
    return nameEntry ? texts.value(nameEntry) : name;
}

QString Material::densityText() const {
    return generalText(density);
}

std::span<const Material> builtInMaterials() {
    return kBuiltIn;
}

std::vector<Material> materialChoices(std::span<const Material> own) {
    std::vector<Material> out(kBuiltIn.begin(), kBuiltIn.end());
    out.insert(out.end(), own.begin(), own.end());
    return out;
}

int matchingMaterial(std::span<const Material> choices, QStringView densityText) {
    const double rho = readNumber(densityText);
    if (holdsNoNumber(densityText, rho) || densityText.trimmed().isEmpty()) return -1;
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].density == rho) return int(i);
    return -1;
}

} // namespace ostrel
