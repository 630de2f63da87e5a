// The catalogue of kinds, their toolbar buttons and the group commands.
#include "solids/catalogue.h"

#include <QString>
#include <array>
#include <gtest/gtest.h>
#include <string>

namespace ostrel {
namespace {

TEST(Catalogue, HoldsTwentyKindsFoundByCodeAndExactKey) {
    ASSERT_EQ(catalogue().size(), 20u);
    EXPECT_EQ(toolbarButtons().size(), 30u);
    for (const KindInfo& k : catalogue()) {
        EXPECT_EQ(kindInfo(k.code), &k);
        EXPECT_EQ(kindById(QString::fromLatin1(k.id)), &k);
        EXPECT_STREQ(toolbarButton(k.button)->key, k.id);
        EXPECT_EQ(toolbarButton(k.button)->image, k.image);
    }
    for (int code : {0, 21, -3})
        EXPECT_EQ(kindInfo(code), nullptr) << code;
    for (const char16_t* key : {u"Sphere", u"sphere ", u"", u"showCentred", u"Bille"})
        EXPECT_EQ(kindById(key), nullptr);
    EXPECT_EQ(groupByKey(u"showMiscellaneous"), &groupCommands()[2]);
    EXPECT_EQ(groupByKey(u"showmiscellaneous"), nullptr);
}

// The unit caption beside each shown box, per kind: "mm" for lengths, the true unit of every
// other quantity ("" none, "{10}" the degrees entry).
TEST(Catalogue, ShownBoxesCarryTheUnitOfWhatTheyHold) {
    const struct {
        int code;
        std::array<const char*, 4> units; // R, D, d, H boxes; nullptr: hidden
    } rows[] = {
        {1, {nullptr, "mm", nullptr, "mm"}},  {8, {"", "mm", nullptr, "mm"}},
        {15, {"mm", "mm", "mm", "mm"}},       {17, {"kg·m²", "N·m", "N·m", nullptr}},
        {18, {nullptr, "mm", "kg", ""}},      {19, {"mm", nullptr, nullptr, "{10}"}},
        {20, {nullptr, "mm", "mm", nullptr}},
    };
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < 4; ++i) {
            const BoxCaption& box = kindInfo(row.code)->boxes[i];
            ASSERT_EQ(box.shown, row.units[i] != nullptr) << row.code << " box " << i;
            if (!box.shown) continue;
            const std::string unit = unitEntry(box.unit)
                                         ? "{" + std::to_string(unitEntry(box.unit)) + "}"
                                         : std::string(unitSymbol(box.unit));
            EXPECT_EQ(unit, row.units[i]) << "kind " << row.code << " box " << i;
        }
    }
}

TEST(GroupCommands, ShowExactlyTheButtonsOfTheirFamily) {
    const Family families[] = {Family::Centred, Family::Eccentric, Family::Miscellaneous};
    ASSERT_EQ(groupCommands().size(), 3u);
    for (std::size_t g = 0; g < 3; ++g) {
        const GroupCommand& group = groupCommands()[g];
        EXPECT_STREQ(toolbarButton(group.button)->key, group.key);
        for (const KindInfo& k : catalogue()) {
            const bool shown = k.button >= group.firstVisible && k.button <= group.lastVisible;
            EXPECT_EQ(shown, k.family == families[g]) << "group " << g << " kind " << k.code;
        }
    }
}

} // namespace
} // namespace ostrel
