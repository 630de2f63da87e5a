// The translation store the build generates for the program folder.

#include "language/langue.h"
#include "language/translationstore.h"
#include "testdb.h"

#include <QSet>

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

TEST(ShippedStore, OffersSixCompleteLanguagesWithEnglishAsDefault) {
    TranslationStore store;
    ASSERT_TRUE(store.open(OSTREL_SHIPPED_LANG_DB)) << store.error().toStdString();
    EXPECT_GE(store.recordCount(), 444);
    EXPECT_EQ(store.fieldNames().mid(2), kLanguages);
    EXPECT_EQ(languesDisponibles(store), kLanguages);
    Langue langue; // no configuration
    ASSERT_TRUE(ChargeLangue(store, langue));
    EXPECT_EQ(langue.courante, "English");
}

TEST(ShippedStore, EveryUsedEntryHasATextThatFitsAndTheOthersAreEmpty) {
    TranslationStore store;
    ASSERT_TRUE(store.open(OSTREL_SHIPPED_LANG_DB)) << store.error().toStdString();
    const QSet<int> used = usedEntries();
    for (const QString& language : kLanguages) {
        Langue langue{language, {}};
        ASSERT_TRUE(ChargeLangue(store, langue) && langue.courante == language);
        const std::string name = language.toStdString();
        for (int k = 1; k < langue.textes.size(); ++k)
            EXPECT_EQ(used.contains(k), !langue.texte(k).trimmed().isEmpty()) << name << " " << k;
        // Where the report cuts a caption: entries 72 and 436 to 5 characters, 73 to 11.
        for (const auto& [k, width] : {std::pair{72, 5}, {436, 5}, {73, 11}, {10, 3}})
            EXPECT_LE(langue.texte(k).size(), width) << name << " " << k;
        EXPECT_TRUE(langue.texte(346).endsWith(' ')) << name; // 347 follows directly
    }
}

} // namespace
} // namespace ostrel
