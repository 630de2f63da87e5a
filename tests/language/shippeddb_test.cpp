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
QList<int> usedEntries() {
    QList<int> entries;
    for (int k = 1; k <= 62; ++k)
        entries << k;
    entries << 66 << 67;
    for (int k = 69; k <= 86; ++k)
        entries << k;
    for (int k = 346; k <= 353; ++k)
        entries << k;
    entries << 385;
    for (int k = 436; k <= 444; ++k)
        entries << k;
    return entries;
}

// The items of one menu: their access keys must differ.
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
        store = new TranslationStore(QStringLiteral("shipped-store"));
        opened = store->open(QStringLiteral(OSTREL_SHIPPED_LANG_DB));
    }
    static void TearDownTestSuite() {
        delete store;
        store = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(opened) << store->error().toStdString(); }

    // The texts of a language, index k is entry k.
    static QStringList texts(const QString& language) {
        Langue langue;
        langue.courante = language;
        EXPECT_TRUE(ChargeLangue(*store, langue));
        EXPECT_EQ(langue.courante, language);
        return langue.textes;
    }

    static inline TranslationStore* store = nullptr;
    static inline bool opened = false;
};

TEST_F(ShippedStore, OffersSixCompleteLanguagesWithEnglishAsDefault) {
    EXPECT_GE(store->recordCount(), 444);
    const QStringList fields = store->fieldNames();
    ASSERT_EQ(fields.size(), 8);
    EXPECT_EQ(fields.mid(2), kLanguages);
    EXPECT_EQ(languesDisponibles(*store), kLanguages);

    Langue langue; // no configuration: field 3
    ASSERT_TRUE(ChargeLangue(*store, langue));
    EXPECT_EQ(langue.courante, "English");
}

TEST_F(ShippedStore, EveryUsedEntryHasATextInEveryLanguage) {
    const QList<int> used = usedEntries();
    const QSet<int> usedSet(used.begin(), used.end());
    for (const QString& language : kLanguages) {
        const QStringList t = texts(language);
        ASSERT_EQ(t.size(), store->recordCount() + 1);
        for (int k : used)
            EXPECT_FALSE(t.at(k).trimmed().isEmpty()) << language.toStdString() << " " << k;
        // Unused entries stay empty rather than carrying stray texts.
        for (int k = 1; k < t.size(); ++k) {
            if (!usedSet.contains(k)) {
                EXPECT_TRUE(t.at(k).isEmpty()) << language.toStdString() << " " << k;
            }
        }
    }
}

TEST_F(ShippedStore, TextsFitWhereTheyAreShown) {
    for (const QString& language : kLanguages) {
        const QStringList t = texts(language);
        const std::string lang = language.toStdString();
        // The report cuts these columns.
        EXPECT_LE(t.at(72).size(), 5) << lang;
        EXPECT_LE(t.at(436).size(), 5) << lang;
        EXPECT_LE(t.at(73).size(), 11) << lang;
        EXPECT_LE(t.at(10).size(), 3) << lang;
        EXPECT_LE(t.at(74).size(), 8) << lang;
        // 347 follows 346 directly.
        EXPECT_TRUE(t.at(346).endsWith(' ')) << lang;
        // The file dialog reads the pattern in brackets.
        EXPECT_TRUE(t.at(443).endsWith("(*.pdf)")) << lang;
        EXPECT_EQ(t.at(12), t.at(12).trimmed()) << lang;
    }
}

TEST_F(ShippedStore, MenuCaptionsHaveDistinctAccessKeysWithinEachMenu) {
    for (const QString& language : kLanguages) {
        const QStringList t = texts(language);
        for (const QList<int>& menu : kMenus) {
            QSet<QChar> keys;
            for (int k : menu) {
                const QString caption = t.at(k);
                const qsizetype amp = caption.indexOf('&');
                ASSERT_GE(amp, 0) << language.toStdString() << " " << k;
                ASSERT_LT(amp + 1, caption.size());
                EXPECT_EQ(caption.count('&'), 1) << language.toStdString() << " " << k;
                const QChar key = caption.at(amp + 1).toCaseFolded();
                EXPECT_FALSE(keys.contains(key)) << language.toStdString() << " entry " << k
                                                 << " repeats key " << QString(key).toStdString();
                keys.insert(key);
            }
        }
    }
}

} // namespace
} // namespace ostrel
