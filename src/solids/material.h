// The materials offered beside a density box: fifteen common ones, named in the working
// language, then the user's own (kept by UserMaterials). Picking one writes its density into
// the box; a typed density shows the material it matches, or "other".
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <span>
#include <vector>

namespace ostrel {

struct Material {
    int nameEntry = 0;  // translation entry of a built-in material's name, 0 for the user's
    QString name;       // the user's own name; empty for a built-in material
    double density = 0; // kg/m³

    // The name as the list shows it, in the working language for a built-in material.
    QString displayName(const QStringList& texts) const;
    // What picking it writes into the density box: "7850", "1410", "7.5" ("." whatever the
    // locale).
    QString densityText() const;
};

// The translation entry of "other": a density that no material of the list has.
constexpr int OtherMaterialEntry = 701;
// The caption of the material list beside a density box.
constexpr int MaterialCaptionEntry = 685;

// Steel, stainless steel, cast iron, aluminium, brass, bronze, copper, titanium, zinc, POM
// (acetal), nylon (PA6), PTFE, ABS, oak, pine.
std::span<const Material> builtInMaterials();

// The list a density box offers: the built-in materials, then own.
std::vector<Material> materialChoices(std::span<const Material> own);

// The position in choices of the first material whose density is the number of densityText,
// or -1 ("other") when none has it or the text holds no number.
int matchingMaterial(std::span<const Material> choices, QStringView densityText);

} // namespace ostrel
