// The user's own materials (a name and a density), kept per user with QSettings apart from
// Ostrel.cfg and offered after the built-in materials in every material list. Reading never
// fails: entries without a name, with a density that is not a number above 0, or repeating a
// name, are left out.
#pragma once

#include "solids/material.h"

#include <QString>
#include <QStringView>
#include <vector>

namespace ostrel {

class UserMaterials {
public:
    // The settings of the organisation and application names the program sets.
    UserMaterials() = default;
    // The settings in an INI file at path (tests, or a portable set-up).
    explicit UserMaterials(const QString& iniPath);

    // The stored materials in the order they were added.
    std::vector<Material> load() const;

    enum class Refusal { None, EmptyName, DuplicateName, NotANumber, NotPositive, NotSaved };
    // Adds a material at the end. Its name is trimmed and must be new (letter case aside); its
    // density is read with "." as the decimal point and must be above 0. Nothing is stored on
    // a refusal.
    Refusal add(const QString& name, QStringView densityText);
    // Removes the material at index (as load gives them); false, and nothing changes, for an
    // index outside the list or when the settings cannot be written.
    bool remove(int index);

    // The hint or message entry of a refusal (0 for None). NotSaved is followed by the
    // settings' path.
    static int hintEntry(Refusal refusal);
    // The key group the materials are stored under.
    static QString group();
    // Where they are stored.
    QString path() const;

private:
    bool save(const std::vector<Material>& materials) const;

    QString iniPath_; // empty: the user's settings
};

} // namespace ostrel
