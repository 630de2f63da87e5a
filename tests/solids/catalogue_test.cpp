// The catalogue of kinds, the toolbar buttons and the group commands.
#include "solids/catalogue.h"

#include <QString>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace ostrel {
namespace {

TEST(Catalogue, HoldsTheTwentyKindsInCodeOrder) {
    const auto kinds = catalogue();
    ASSERT_EQ(kinds.size(), 20u);
    std::set<QString> names, menuItems, bitmaps;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(kinds[i].code, int(i) + 1);
        EXPECT_EQ(kindInfo(kinds[i].code), &kinds[i]);
        names.insert(QString::fromLatin1(kinds[i].name));
        menuItems.insert(QString::fromLatin1(kinds[i].menuItem));
        bitmaps.insert(QString::fromLatin1(kinds[i].bitmapFile).toLower());
    }
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(menuItems.size(), 20u);
    EXPECT_EQ(bitmaps.size(), 20u);
    EXPECT_EQ(kindInfo(0), nullptr);
    EXPECT_EQ(kindInfo(21), nullptr);
    EXPECT_EQ(kindInfo(-3), nullptr);
}

TEST(Catalogue, SpotRowsMatchTheKindTable) {
    const KindInfo& disc = *kindInfo(1);
    EXPECT_STREQ(disc.name, "Plateau");
    EXPECT_STREQ(disc.menuItem, "M_ObjetCentrePlateau");
    EXPECT_STREQ(disc.bitmapFile, "plateau.bmp");
    EXPECT_EQ(disc.family, Family::Centred);
    EXPECT_EQ(disc.button, 6);
    EXPECT_EQ(disc.image, 4);
    EXPECT_EQ(disc.hintEntry, 44);
    EXPECT_EQ(disc.captionEntry, 15);

    const KindInfo& polygon = *kindInfo(8);
    EXPECT_EQ(polygon.density, DensityOption::OfferedAndSelected);
    EXPECT_EQ(polygon.boxes[0].entry, 79);
    EXPECT_EQ(polygon.boxes[0].letter, nullptr);
    EXPECT_STREQ(polygon.boxes[1].letter, "D");
    EXPECT_FALSE(polygon.boxes[2].shown);
    EXPECT_STREQ(polygon.boxes[3].letter, "H");
    EXPECT_EQ(QString::fromUtf8(polygon.designCaption), QStringLiteral("Poly&gone Régulier"));

    const KindInfo& sphereExc = *kindInfo(14);
    EXPECT_STREQ(sphereExc.menuItem, "M_ObjetExcentreSphere");
    EXPECT_EQ(sphereExc.captionEntry, 23); // shares its caption with the centred sphere
    EXPECT_EQ(sphereExc.family, Family::Eccentric);

    const KindInfo& given = *kindInfo(17);
    EXPECT_EQ(given.boxes[0].entry, 40);
    EXPECT_EQ(given.boxes[1].entry, 81);
    EXPECT_EQ(given.boxes[2].entry, 11);
    EXPECT_FALSE(given.boxes[3].shown);

    const KindInfo& conveyor = *kindInfo(18);
    EXPECT_STREQ(conveyor.name, "Convoyeur");
    EXPECT_EQ(conveyor.hintEntry, 0);
    EXPECT_EQ(conveyor.massCaptionEntry, 82);
    EXPECT_EQ(conveyor.button, 25);
    EXPECT_EQ(conveyor.boxes[2].entry, 83);
    EXPECT_EQ(conveyor.boxes[3].entry, 84);

    const KindInfo& unbalanced = *kindInfo(19);
    EXPECT_EQ(unbalanced.button, 24);
    EXPECT_EQ(unbalanced.boxes[3].entry, 80);

    const KindInfo& torus = *kindInfo(20);
    EXPECT_EQ(torus.family, Family::Centred);
    EXPECT_EQ(torus.button, 15);
    EXPECT_STREQ(torus.bitmapFile, "Tore.bmp");
}

TEST(Catalogue, DensityOptionIsHiddenForMassOnlyKinds) {
    for (const KindInfo& k : catalogue()) {
        const bool massOnly = k.code == 6 || (k.code >= 16 && k.code <= 19);
        const DensityOption expected = massOnly      ? DensityOption::Hidden
                                       : k.code == 8 ? DensityOption::OfferedAndSelected
                                                     : DensityOption::Offered;
        EXPECT_EQ(k.density, expected) << k.code;
        EXPECT_EQ(k.massCaptionEntry, k.code == 18 ? 82 : 0) << k.code;
    }
}

TEST(Catalogue, FamiliesSplitTenSevenThree) {
    int counts[3] = {};
    for (const KindInfo& k : catalogue())
        ++counts[int(k.family)];
    EXPECT_EQ(counts[int(Family::Centred)], 10);
    EXPECT_EQ(counts[int(Family::Eccentric)], 7);
    EXPECT_EQ(counts[int(Family::Miscellaneous)], 3);
}

// The dimension columns of a list row that the take-back copies into the editor.
TEST(Catalogue, TakeBackCopiesTheColumnsOfTheShownBoxes) {
    const std::vector<std::vector<int>> expected = {
        {11, 13},
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
        {11, 12},
    };
    for (const KindInfo& k : catalogue()) {
        std::vector<int> copied;
        for (int column = 0; column <= 14; ++column)
            if (k.copiesColumn(column)) copied.push_back(column);
        EXPECT_EQ(copied, expected[std::size_t(k.code - 1)]) << "kind " << k.code;
    }
}

TEST(Toolbar, HasThirtyButtonsWithSpacersAndKeys) {
    const auto buttons = toolbarButtons();
    ASSERT_EQ(buttons.size(), 30u);
    const std::set<int> spacers = {1, 5, 26, 27, 29};
    std::set<int> images;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const ToolbarButton& b = buttons[i];
        EXPECT_EQ(b.number, int(i) + 1);
        EXPECT_EQ(toolbarButton(b.number), &b);
        if (spacers.count(b.number)) {
            EXPECT_EQ(b.key, nullptr) << b.number;
            EXPECT_EQ(b.image, 0) << b.number;
            EXPECT_EQ(b.hintEntry, 0) << b.number;
        } else {
            ASSERT_NE(b.key, nullptr) << b.number;
            images.insert(b.image);
        }
        if (b.number >= 25) {
            EXPECT_EQ(b.hintEntry, 0) << b.number;
        }
    }
    EXPECT_EQ(images.size(), 25u);
    EXPECT_EQ(*images.begin(), 1);
    EXPECT_EQ(*images.rbegin(), 25);
    EXPECT_STREQ(toolbarButton(28)->key, "Impression");
    EXPECT_EQ(toolbarButton(28)->image, 24);
    EXPECT_STREQ(toolbarButton(30)->key, "Quitter");
    EXPECT_EQ(toolbarButton(30)->image, 25);
    EXPECT_EQ(toolbarButton(0), nullptr);
    EXPECT_EQ(toolbarButton(31), nullptr);
}

TEST(Toolbar, KindButtonsAgreeWithTheCatalogue) {
    for (const KindInfo& k : catalogue()) {
        const ToolbarButton* b = toolbarButton(k.button);
        ASSERT_NE(b, nullptr);
        EXPECT_STREQ(b->key, k.name);
        EXPECT_EQ(b->image, k.image);
        EXPECT_EQ(b->hintEntry, k.hintEntry);
        EXPECT_EQ(b->image, k.button - 2); // kind images follow the buttons 6 ... 25
        EXPECT_EQ(kindByKey(QString::fromLatin1(k.name)), &k);
    }
}

TEST(Toolbar, KeysCompareExactly) {
    EXPECT_EQ(kindByKey(u"Bille")->code, 9);
    EXPECT_EQ(kindByKey(u"Tore")->code, 20);
    EXPECT_EQ(kindByKey(u"bille"), nullptr);
    EXPECT_EQ(kindByKey(u"Bille "), nullptr);
    EXPECT_EQ(kindByKey(u""), nullptr);
    EXPECT_EQ(kindByKey(u"SolidesCentres"), nullptr);
    EXPECT_EQ(groupByKey(u"DiversInertie"), &groupCommands()[2]);
    EXPECT_EQ(groupByKey(u"diversinertie"), nullptr);
}

TEST(GroupCommands, ShowExactlyTheButtonsOfTheirFamily) {
    const auto groups = groupCommands();
    ASSERT_EQ(groups.size(), 3u);
    const Family families[3] = {Family::Centred, Family::Eccentric, Family::Miscellaneous};
    const int captions[3] = {76, 78, 77};
    const int hints[3] = {7, 6, 1};
    for (std::size_t g = 0; g < 3; ++g) {
        const GroupCommand& group = groups[g];
        EXPECT_EQ(group.captionEntry, captions[g]);
        EXPECT_EQ(group.hintEntry, hints[g]);
        EXPECT_EQ(group.button, int(g) + 2);
        EXPECT_EQ(group.image, int(g) + 1);
        const ToolbarButton* b = toolbarButton(group.button);
        EXPECT_STREQ(b->key, group.key);
        EXPECT_EQ(b->hintEntry, group.hintEntry);
        for (const KindInfo& k : catalogue()) {
            const bool shown = k.button >= group.firstVisible && k.button <= group.lastVisible;
            EXPECT_EQ(shown, k.family == families[g]) << "group " << g << " kind " << k.code;
        }
    }
    EXPECT_STREQ(groups[2].menuItem, "M_InertieBarreDivers");
}

} // namespace
} // namespace ostrel
