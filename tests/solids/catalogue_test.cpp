// The catalogue of kinds, their toolbar buttons and the group commands.
#include "solids/catalogue.h"

#include <QString>
#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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

TEST(Catalogue, SpotRowsMatchTheKindTables) {
    EXPECT_STREQ(kindInfo(1)->bitmapFile, "plateau.bmp");
    const KindInfo& polygon = *kindInfo(8);
    EXPECT_EQ(polygon.boxes[0].entry, 79);
    EXPECT_STREQ(polygon.boxes[3].letter, "H");
    EXPECT_EQ(QString::fromUtf8(polygon.designCaption), QStringLiteral("Poly&gone Régulier"));
    EXPECT_EQ(kindInfo(18)->boxes[3].entry, 84);
    EXPECT_EQ(kindInfo(18)->massCaptionEntry, 82);
}

// Per kind 1 ... 20: the list columns that the take-back copies into the editor, and the
// density option: offered (o), hidden (h), or offered and selected (s).
TEST(Catalogue, TakeBackColumnsAndDensityOptionFollowTheKind) {
    // clang-format off
    const std::vector<std::vector<int>> columns = {
        {11, 13}, {11, 12, 13}, {11, 13}, {11, 12, 13}, {11, 12, 13}, {11}, {11, 12, 13},
        {10, 11, 13}, {11}, {10, 11, 13}, {10, 11, 12, 13}, {10, 11, 13}, {10, 11, 12, 13},
        {10, 11}, {10, 11, 12, 13}, {10}, {10, 11, 12}, {11, 12, 13}, {10, 13}, {11, 12}};
    // clang-format on
    const char density[] = "ooooohosooooooohhhho";
    for (const KindInfo& k : catalogue()) {
        std::vector<int> copied;
        for (int column = 0; column <= 14; ++column)
            if (k.copiesColumn(column)) copied.push_back(column);
        EXPECT_EQ(copied, columns[std::size_t(k.code - 1)]) << "kind " << k.code;
        EXPECT_EQ("ohs"[int(k.density)], density[k.code - 1]) << "kind " << k.code;
    }
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
