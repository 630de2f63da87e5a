// The catalogue of kinds, their toolbar buttons and the group commands.
#include "solids/catalogue.h"

#include <QString>
#include <gtest/gtest.h>

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
