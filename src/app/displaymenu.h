// The menu "Results: digits and units": the digits (Classic, 4 or 6 significant digits) and one
// submenu per unit family (mass, inertia, torque). It shows the current choice of a
// DisplaySettings and changes it; the same menu serves the Preferences menu and the context
// menus of the result block and of the list's heading.
#pragma once

#include "solids/units.h"

#include <QObject>
#include <array>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace ostrel {

class DisplaySettings;
struct Language;

class DisplayMenu : public QObject {
    Q_OBJECT

public:
    // The menu belongs to owner (the main window), whose translation finds its items by name.
    DisplayMenu(DisplaySettings& settings, QWidget* owner);

    QMenu* menu() const { return menu_; }
    // Makes the menu the context menu of widget (its only item, with its submenus).
    void attachAsContextMenu(QWidget* widget);

    // The item of a digits choice and of a unit of a family.
    QAction* digitsItem(Digits digits) const;
    QAction* unitItem(Quantity q, int unit) const;

    // The object names of the menu and its items, for the translation of the window.
    struct Caption {
        const char* name;
        int entry;
    };
    static const std::vector<Caption>& captions();

private:
    void showChoice(const DisplayChoice& choice);
    void chooseDigits(Digits digits);
    void chooseUnit(Quantity q, int unit);

    DisplaySettings& settings_;
    QMenu* menu_ = nullptr;
    std::array<QAction*, 3> digits_{};
    std::array<std::vector<QAction*>, 3> units_; // by Quantity
};

} // namespace ostrel
