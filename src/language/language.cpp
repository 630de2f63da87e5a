#include "language/language.h"

#include "language/translationstore.h"

namespace ostrel {

namespace {

constexpr int kDefaultField = 3;

} // namespace

QString Language::text(int entry) const {
    if (entry < 1 || entry >= texts.size()) return {};
    return texts.at(entry);
}

bool loadLanguage(const TranslationStore& store, Language& language, QString* error) {
    auto failWith = [&](const QString& text) {
        if (error) *error = text;
        return false;
    };
    if (!store.isOpen())
        return failWith(store.error().isEmpty()
                            ? QStringLiteral("The translation database is not open.")
                            : store.error());

    const int n = store.recordCount();
    const QStringList fields = store.fieldNames();

    // The first field whose name equals the working language, letter case counting.
    int working = -1;
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i) == language.current) {
            working = i;
            break;
        }
    }
    if (working < 0) working = kDefaultField;
    if (working >= fields.size())
        return failWith(QStringLiteral("The translation database has no default language field."));

    const auto texts = store.column(working);
    if (texts.size() != static_cast<size_t>(n)) return failWith(store.error());

    // A Null text takes the default language's text; the default column is read only when a
    // Null turns up.
    std::vector<std::optional<QString>> defaults;
    bool defaultsRead = working == kDefaultField;
    if (defaultsRead) defaults = texts;

    QStringList loaded;
    loaded.reserve(n + 1);
    loaded.append(QString());
    for (int k = 1; k <= n; ++k) {
        const auto& text = texts[static_cast<size_t>(k - 1)];
        if (text) {
            loaded.append(*text);
            continue;
        }
        if (!defaultsRead) {
            defaults = store.column(kDefaultField);
            defaultsRead = true;
        }
        const size_t at = static_cast<size_t>(k - 1);
        loaded.append(at < defaults.size() && defaults[at] ? *defaults[at] : QString());
    }

    language.current = fields.at(working);
    language.texts = std::move(loaded);
    return true;
}

QStringList availableLanguages(const TranslationStore& store) {
    QStringList offered;
    if (!store.isOpen()) return offered;
    const QStringList fields = store.fieldNames();
    for (int i = 2; i < fields.size() && offered.size() < MaxMenuLanguages; ++i) {
        if (store.isComplete(i)) offered.append(fields.at(i));
    }
    return offered;
}

QString defaultLanguageCaption() {
    return QStringLiteral("Langue 1");
}

QStringList startLanguage(const TranslationStore& store, Language& language,
                          const QString& programDir, QString* error) {
    language.current = readConfig(programDir);
    if (!loadLanguage(store, language, error)) language.texts.clear();
    return availableLanguages(store);
}

LanguageChoice chooseLanguage(const TranslationStore& store, Language& language,
                              const QString& caption, const QString& programDir) {
    LanguageChoice choice;
    Language chosen = language;
    chosen.current = caption;
    if (!loadLanguage(store, chosen, &choice.error)) return choice;
    language = std::move(chosen);
    choice.loaded = true;
    choice.config = writeConfig(programDir, language.current);
    return choice;
}

} // namespace ostrel
