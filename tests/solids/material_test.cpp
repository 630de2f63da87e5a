// The material lists: the density a typed text matches, and the user's own materials.
#include "solids/usermaterials.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(Materials, ATypedDensityShowsTheFirstMaterialThatHasItOrOther) {
    // A steel again (the built-in steel comes first) and a density with a decimal.
    const std::vector<Material> own{{0, QStringLiteral("S355"), 7850},
                                    {0, QStringLiteral("Cast polyamide"), 1150.5}};
    const std::vector<Material> choices = materialChoices(own);
    ASSERT_EQ(choices.size(), 17u);
    const struct {
        const char* text;
        int index;
    } rows[] = {{"7850", 0},  {" 7850.0", 0}, {"2700", 3}, {"560", 14},   {"1150.5", 16},
                {"7851", -1}, {"", -1},       {"abc", -1}, {"7,850", -1}, {"0", -1}};
    for (const auto& row : rows)
        EXPECT_EQ(matchingMaterial(choices, QString::fromUtf8(row.text)), row.index) << row.text;
    const QStringList texts = {QString(), QStringLiteral("Steel")};
    EXPECT_EQ(choices[15].displayName(texts), QStringLiteral("S355"));
    EXPECT_EQ(choices[16].densityText(), QStringLiteral("1150.5"));
}

QStringList names(const std::vector<Material>& materials) {
    QStringList out;
    for (const Material& m : materials)
        out << m.name + '=' + m.densityText();
    return out;
}

TEST(Materials, OwnMaterialsAreAddedRemovedAndReadBackSkippingDamagedEntries) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("settings.ini"));
    UserMaterials store(ini);
    using R = UserMaterials::Refusal;
    EXPECT_EQ(store.add(QStringLiteral(" Cast polyamide "), u"1150.5"), R::None);
    EXPECT_EQ(store.add(QStringLiteral("Granite"), u"2.75e3"), R::None);
    const struct {
        const char* name;
        const char* density;
        R refusal;
        int hint;
    } refused[] = {{"  ", "1000", R::EmptyName, 709},
                   {"granite", "2700", R::DuplicateName, 710},
                   {"Cork", "light", R::NotANumber, 574},
                   {"Cork", "0", R::NotPositive, 677},
                   {"Cork", "-240", R::NotPositive, 677}};
    for (const auto& row : refused) {
        EXPECT_EQ(store.add(QString::fromUtf8(row.name), QString::fromUtf8(row.density)),
                  row.refusal)
            << row.name;
        EXPECT_EQ(UserMaterials::hintEntry(row.refusal), row.hint);
    }
    EXPECT_EQ(names(UserMaterials(ini).load()),
              QStringList({"Cast polyamide=1150.5", "Granite=2750"}));

    {
        // Entries another program or a crash damaged are left out, the others kept.
        QSettings s(ini, QSettings::IniFormat);
        s.beginGroup(UserMaterials::group());
        s.setValue("own/3/name", "Lead");
        s.setValue("own/3/density", "heavy");
        s.setValue("own/4/name", "");
        s.setValue("own/4/density", "11340");
        s.setValue("own/size", 4);
    }
    EXPECT_EQ(names(store.load()), QStringList({"Cast polyamide=1150.5", "Granite=2750"}));
    EXPECT_FALSE(store.remove(2));
    EXPECT_TRUE(store.remove(0));
    EXPECT_EQ(names(store.load()), QStringList({"Granite=2750"}));
    EXPECT_FALSE(store.remove(-1));
}

} // namespace
} // namespace ostrel
