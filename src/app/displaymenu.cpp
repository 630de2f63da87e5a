#include "app/displaymenu.h"

#include "app/displaysettings.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

namespace ostrel {

namespace {

struct Family {
    Quantity quantity;
    const char* name;
    const char* design;
};
constexpr Family kFamilies[3] = {{Quantity::Mass, "massUnitMenu", "&Mass unit"},
                                 {Quantity::Inertia, "inertiaUnitMenu", "&Inertia unit"},
                                 {Quantity::Torque, "torqueUnitMenu", "&Torque unit"}};

constexpr Digits kDigits[3] = {Digits::Classic, Digits::Significant4, Digits::Significant6};
constexpr const char* kDigitsNames[3] = {"classicDigitsAction", "fourDigitsAction",
                                         "sixDigitsAction"};
constexpr const char* kDigitsDesign[3] = {"&Classic", "&4 significant digits",
                                          "&6 significant digits"};

} // namespace

DisplayMenu::DisplayMenu(DisplaySettings& settings, QWidget* owner)
    : QObject(owner), settings_(settings) {
    menu_ = new QMenu(QStringLiteral("&Results: digits and units"), owner);
    menu_->setObjectName(QStringLiteral("displayMenu"));
    menu_->menuAction()->setObjectName(QStringLiteral("displayMenuAction"));

    auto* digitsGroup = new QActionGroup(menu_);
    for (size_t i = 0; i < 3; ++i) {
        QAction* item = menu_->addAction(QString::fromUtf8(kDigitsDesign[i]));
        item->setObjectName(QLatin1String(kDigitsNames[i]));
        item->setCheckable(true);
        digitsGroup->addAction(item);
        const Digits d = kDigits[i];
        connect(item, &QAction::triggered, this, [this, d] { chooseDigits(d); });
        digits_[i] = item;
    }
    menu_->addSeparator();
    for (const Family& f : kFamilies) {
        QMenu* sub = menu_->addMenu(QString::fromUtf8(f.design));
        sub->setObjectName(QLatin1String(f.name));
        auto* group = new QActionGroup(sub);
        auto& items = units_[size_t(f.quantity)];
        for (int u = 0; u < unitCount(f.quantity); ++u) {
            QAction* item = sub->addAction(unitSymbol(f.quantity, u));
            item->setObjectName(QLatin1String(f.name) + QLatin1Char('_') + unitKey(f.quantity, u));
            item->setCheckable(true);
            group->addAction(item);
            const Quantity q = f.quantity;
            connect(item, &QAction::triggered, this, [this, q, u] { chooseUnit(q, u); });
            items.push_back(item);
        }
    }
    connect(&settings_, &DisplaySettings::changed, this, &DisplayMenu::showChoice);
    showChoice(settings_.choice());
}

void DisplayMenu::attachAsContextMenu(QWidget* widget) {
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    widget->addAction(menu_->menuAction());
}

QAction* DisplayMenu::digitsItem(Digits digits) const {
    for (size_t i = 0; i < 3; ++i)
        if (kDigits[i] == digits) return digits_[i];
    return nullptr;
}

QAction* DisplayMenu::unitItem(Quantity q, int unit) const {
    const auto& items = units_[size_t(q)];
    return unit >= 0 && unit < int(items.size()) ? items[size_t(unit)] : nullptr;
}

const std::vector<DisplayMenu::Caption>& DisplayMenu::captions() {
    static const std::vector<Caption> all = {
        {"displayMenu", 450},     {"classicDigitsAction", 451}, {"fourDigitsAction", 452},
        {"sixDigitsAction", 453}, {"massUnitMenu", 454},        {"inertiaUnitMenu", 455},
        {"torqueUnitMenu", 456}};
    return all;
}

void DisplayMenu::showChoice(const DisplayChoice& choice) {
    if (QAction* item = digitsItem(choice.digits)) item->setChecked(true);
    for (const Family& f : kFamilies)
        if (QAction* item = unitItem(f.quantity, choice.unit(f.quantity))) item->setChecked(true);
}

void DisplayMenu::chooseDigits(Digits digits) {
    DisplayChoice c = settings_.choice();
    c.digits = digits;
    settings_.setChoice(c);
}

void DisplayMenu::chooseUnit(Quantity q, int unit) {
    DisplayChoice c = settings_.choice();
    switch (q) {
    case Quantity::Mass:
        c.mass = MassUnit(unit);
        break;
    case Quantity::Inertia:
        c.inertia = InertiaUnit(unit);
        break;
    case Quantity::Torque:
        c.torque = TorqueUnit(unit);
        break;
    }
    // Units apply to significant digits only: a unit chosen in Classic brings them in.
    if (c.classic()) c.digits = Digits::Significant4;
    settings_.setChoice(c);
}

} // namespace ostrel
