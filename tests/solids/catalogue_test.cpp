// The catalogue of kinds, the toolbar buttons and the group commands.
#include "solids/catalogue.h"

#include <QString>
#include <array>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace ostrel {
namespace {

TEST(Catalogue, HoldsTwentyDistinctKindsInCodeOrder) {
    std::set<QString> names, menuItems, bitmaps;
    ASSERT_EQ(catalogue().size(), 20u);
    for (const KindInfo& k : catalogue()) {
        EXPECT_EQ(kindInfo(k.code), &k);
        EXPECT_EQ(kindByKey(QString::fromLatin1(k.name)), &k);
        names.insert(QString::fromLatin1(k.name));
        menuItems.insert(QString::fromLatin1(k.menuItem));
        bitmaps.insert(QString::fromLatin1(k.bitmapFile).toLower());
    }
    EXPECT_EQ(names.size() + menuItems.size() + bitmaps.size(), 60u);
    for (int code : {0, 21, -3})
        EXPECT_EQ(kindInfo(code), nullptr) << code;
    EXPECT_EQ(catalogue()[0].code, 1);
}

TEST(Catalogue, SpotRowsMatchTheKindTables) {
    const KindInfo& disc = *kindInfo(1);
    EXPECT_STREQ(disc.menuItem, "M_ObjetCentrePlateau");
    EXPECT_STREQ(disc.bitmapFile, "plateau.bmp");
    EXPECT_EQ(disc.captionEntry, 15);
    const KindInfo& polygon = *kindInfo(8);
    EXPECT_EQ(polygon.boxes[0].entry, 79);
    EXPECT_EQ(polygon.boxes[0].letter, nullptr);
    EXPECT_STREQ(polygon.boxes[3].letter, "H");
    EXPECT_EQ(QString::fromUtf8(polygon.designCaption), QStringLiteral("Poly&gone Régulier"));
    EXPECT_EQ(kindInfo(14)->captionEntry, 23); // the eccentric sphere shares its caption
    const KindInfo& given = *kindInfo(17);
    EXPECT_EQ((std::array{given.boxes[0].entry, given.boxes[1].entry, given.boxes[2].entry}),
              (std::array{40, 81, 11}));
    EXPECT_FALSE(given.boxes[3].shown);
    const KindInfo& conveyor = *kindInfo(18);
    EXPECT_EQ(conveyor.hintEntry, 0);
    EXPECT_EQ(conveyor.boxes[2].entry, 83);
    EXPECT_EQ(conveyor.boxes[3].entry, 84);
    EXPECT_EQ(kindInfo(19)->boxes[3].entry, 80);
    EXPECT_EQ(kindInfo(20)->family, Family::Centred);
    EXPECT_EQ(kindInfo(20)->button, 15);
}

TEST(Catalogue, MassModeFollowsTheKind) {
    for (const KindInfo& k : catalogue()) {
        const bool massOnly = k.code == 6 || (k.code >= 16 && k.code <= 19);
        const DensityOption expected = massOnly      ? DensityOption::Hidden
                                       : k.code == 8 ? DensityOption::OfferedAndSelected
                                                     : DensityOption::Offered;
        EXPECT_EQ(k.density, expected) << k.code;
        EXPECT_EQ(k.massCaptionEntry, k.code == 18 ? 82 : 0) << k.code;
    }
}

// The dimension columns of a list row that the take-back copies into the editor.
TEST(Catalogue, TakeBackCopiesTheColumnsOfTheShownBoxes) {
    const std::vector<std::vector<int>> expected = {{11, 13},
                                                    {11, 12, 13},
                                                    {11, 13},
                                                    {11, 12, 13},
                                                    {11, 12, 13},
                                                    {11},
                                                    {11, 12, 13},
                                                    {10, 11, 13},
                                                    {11},
                                                    {10, 11, 13},
                                                    {10, 11, 12, 13},
                                                    {10, 11, 13},
                                                    {10, 11, 12, 13},
                                                    {10, 11},
                                                    {10, 11, 12, 13},
                                                    {10},
                                                    {10, 11, 12},
                                                    {11, 12, 13},
                                                    {10, 13},
                                                    {11, 12}};
    for (const KindInfo& k : catalogue()) {
        std::vector<int> copied;
        for (int column = 0; column <= 14; ++column)
            if (k.copiesColumn(column)) copied.push_back(column);
        EXPECT_EQ(copied, expected[std::size_t(k.code - 1)]) << "kind " << k.code;
    }
}

TEST(Toolbar, NumbersThirtyButtonsWithFiveSpacers) {
    ASSERT_EQ(toolbarButtons().size(), 30u);
    const std::set<int> spacers = {1, 5, 26, 27, 29};
    std::set<int> images;
    for (const ToolbarButton& b : toolbarButtons()) {
        EXPECT_EQ(toolbarButton(b.number), &b);
        EXPECT_EQ(b.key == nullptr, spacers.count(b.number) == 1) << b.number;
        if (b.key) images.insert(b.image);
        if (b.number >= 25 || !b.key) {
            EXPECT_EQ(b.hintEntry, 0) << b.number;
        }
    }
    EXPECT_EQ(images, (std::set<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                     14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}));
    EXPECT_STREQ(toolbarButton(28)->key, "Impression");
    EXPECT_EQ(toolbarButton(28)->image, 24);
    EXPECT_STREQ(toolbarButton(30)->key, "Quitter");
    EXPECT_EQ(toolbarButton(30)->image, 25);
    EXPECT_EQ(toolbarButton(31), nullptr);
    for (const KindInfo& k : catalogue()) {
        EXPECT_STREQ(toolbarButton(k.button)->key, k.name);
        EXPECT_EQ(toolbarButton(k.button)->image, k.image);
        EXPECT_EQ(toolbarButton(k.button)->hintEntry, k.hintEntry);
        EXPECT_EQ(k.image, k.button - 2) << k.code; // kind images follow buttons 6 ... 25
    }
}

TEST(Toolbar, KeysCompareExactly) {
    EXPECT_EQ(kindByKey(u"Bille")->code, 9);
    for (const char16_t* key : {u"bille", u"Bille ", u"", u"SolidesCentres"})
        EXPECT_EQ(kindByKey(key), nullptr);
    EXPECT_EQ(groupByKey(u"DiversInertie"), &groupCommands()[2]);
    EXPECT_EQ(groupByKey(u"diversinertie"), nullptr);
}

TEST(GroupCommands, ShowExactlyTheButtonsOfTheirFamily) {
    ASSERT_EQ(groupCommands().size(), 3u);
    const Family families[3] = {Family::Centred, Family::Eccentric, Family::Miscellaneous};
    const int captions[3] = {76, 78, 77}, hints[3] = {7, 6, 1};
    for (std::size_t g = 0; g < 3; ++g) {
        const GroupCommand& group = groupCommands()[g];
        EXPECT_EQ(group.captionEntry, captions[g]);
        EXPECT_EQ(group.hintEntry, hints[g]);
        EXPECT_EQ(group.image, int(g) + 1);
        EXPECT_STREQ(toolbarButton(group.button)->key, group.key);
        EXPECT_EQ(toolbarButton(group.button)->hintEntry, group.hintEntry);
        for (const KindInfo& k : catalogue()) {
            const bool shown = k.button >= group.firstVisible && k.button <= group.lastVisible;
            EXPECT_EQ(shown, k.family == families[g]) << "group " << g << " kind " << k.code;
        }
    }
}

} // namespace
} // namespace ostrel
