// The drop-down of materials beside a density box of the editor: the built-in materials named in
// the working language, then the user's own, then "Other". Picking a material writes its density
// into the box (as a paste would: the editor hears the box's change); whatever the box holds
// afterwards, typed or set, selects the material of that density, or "Other". The list only
// reads and writes the box's text: the densities and the matching are the solids core's.
#pragma once

#include "solids/material.h"

#include <QComboBox>
#include <QStringList>
#include <vector>

class QLineEdit;

namespace ostrel {

class MaterialList : public QComboBox {
public:
    // Follows box from now on; the list is a sibling of the box in parent.
    MaterialList(QLineEdit* box, QWidget* parent);

    // The names in a language (its texts by entry number); the caption of the list is its
    // tooltip.
    void setTexts(const QStringList& texts);
    // The user's own materials, offered after the built-in ones.
    void setOwn(const std::vector<Material>& own);

    // The material the box's density matches, or -1 for "Other".
    int matched() const;
    // Picks the material at index (as the user does): its density goes into the box.
    void pick(int index);

private:
    void refill();
    void follow();

    QLineEdit* box_;
    QStringList texts_;
    std::vector<Material> own_;
    std::vector<Material> choices_;
};

} // namespace ostrel
