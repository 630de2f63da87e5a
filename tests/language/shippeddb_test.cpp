// The translation store the build generates for the program folder.

#include "language/langue.h"
#include "language/translationstore.h"
#include "testdb.h"

#include <QSet>
#include <gtest/gtest.h>

namespace ostrel {
namespace {

const QStringList kLanguages = {"Français", "English",  "Español",
                                "Deutsch",  "Italiano", "Português"};

// Every entry the program shows.
QSet<int> usedEntries() {
    QSet<int> entries{66, 67, 385};
    for (const auto& [first, last] : {std::pair{1, 62}, {69, 86}, {346, 353}, {436, 444}})
        for (int k = first; k <= last; ++k)
            entries.insert(k);
    return entries;
}

// The items of each menu, whose access keys must differ.
const QList<QList<int>> kMenus = {
    {13, 14, 25, 31},                         // menu bar
    {76, 78, 77, 3, 75, 437, 438, 2, 5},      // Inertia
    {15, 16, 17, 18, 19, 20, 21, 22, 23, 24}, // centred solids
    {26, 27, 28, 29, 23, 21, 30},             // eccentric solids
    {32, 33, 34},                             // miscellaneous
};

class ShippedStore : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        store = new TranslationStore("shipped-store");
        if (!store->open(OSTREL_SHIPPED_LANG_DB)) return;
        for (const QString& language : kLanguages) {
            Langue langue{language, {}};
            if (ChargeLangue(*store, langue) && langue.courante == language)
                texts.append(langue.textes);
        }
    }
    static void TearDownTestSuite() { delete store; }
    void SetUp() override {
        ASSERT_EQ(store->error(), QString());
        ASSERT_EQ(texts.size(), kLanguages.size());
    }

    static inline TranslationStore* store = nullptr;
    static inline QList<QStringList> texts; // per language, index k is entry k
};

TEST_F(ShippedStore, OffersSixCompleteLanguagesWithEnglishAsDefault) {
    EXPECT_GE(store->recordCount(), 444);
    EXPECT_EQ(store->fieldNames().mid(2), kLanguages);
    EXPECT_EQ(languesDisponibles(*store), kLanguages);
    Langue langue; // no configuration
    ASSERT_TRUE(ChargeLangue(*store, langue));
    EXPECT_EQ(langue.courante, "English");
}

TEST_F(ShippedStore, EveryUsedEntryHasATextAndTheOthersAreEmpty) {
    const QSet<int> used = usedEntries();
    for (int l = 0; l < kLanguages.size(); ++l) {
        for (int k = 1; k < texts[l].size(); ++k) {
            const QString& text = texts[l].at(k);
            EXPECT_EQ(used.contains(k), !text.trimmed().isEmpty())
                << kLanguages[l].toStdString() << " entry " << k;
        }
    }
}

TEST_F(ShippedStore, TextsFitWhereTheyAreShown) {
    for (int l = 0; l < kLanguages.size(); ++l) {
        const QStringList& t = texts[l];
        const std::string language = kLanguages[l].toStdString();
        EXPECT_LE(t.at(72).size(), 5) << language; // the report cuts these
        EXPECT_LE(t.at(436).size(), 5) << language;
        EXPECT_LE(t.at(73).size(), 11) << language;
        EXPECT_LE(t.at(10).size(), 3) << language;
        EXPECT_TRUE(t.at(346).endsWith(' ')) << language; // 347 follows directly
        EXPECT_TRUE(t.at(443).endsWith("(*.pdf)")) << language;
    }
}

TEST_F(ShippedStore, MenuCaptionsHaveDistinctAccessKeysWithinEachMenu) {
    for (int l = 0; l < kLanguages.size(); ++l) {
        for (const QList<int>& menu : kMenus) {
            QSet<QChar> keys;
            for (int k : menu) {
                const QString& caption = texts[l].at(k);
                const qsizetype amp = caption.indexOf('&');
                ASSERT_TRUE(amp >= 0 && amp + 1 < caption.size() && caption.count('&') == 1)
                    << kLanguages[l].toStdString() << " entry " << k;
                const QChar key = caption.at(amp + 1).toCaseFolded();
                EXPECT_FALSE(keys.contains(key)) << kLanguages[l].toStdString() << " entry " << k;
                keys.insert(key);
            }
        }
    }
}

} // namespace
} // namespace ostrel
