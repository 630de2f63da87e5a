// The working language: loadLanguage, the availability check that fills the language menu, and
// the choice of a language from a menu item's caption.
#pragma once

#include "language/configfile.h"

#include <QString>
#include <QStringList>

namespace ostrel {

class TranslationStore;

struct Language {
    QString current;   // current language: a field name of "Idiomas" after a load
    QStringList texts; // texts: indexes 0 ... N; index 0 never used

    // texts(k), or an empty text for an entry outside 1 ... N.
    QString text(int entry) const;
};

// Loads the working language into language.texts. When language.current names no field (exact,
// case-sensitive), field 3 becomes the working language. A Null text takes the default
// language's text (field 3; empty when that is Null too). False, with error, when the store
// cannot be read; language is then left as it was.
bool loadLanguage(const TranslationStore& store, Language& language, QString* error = nullptr);

// Complete languages (no Null in any entry), fields 2 on, in field order, at most nine.
QStringList availableLanguages(const TranslationStore& store);

// The most languages the menu offers.
inline constexpr int MaxMenuLanguages = 9;

// The caption of the first menu item as designed, kept when no language is complete.
QString defaultLanguageCaption(); // "Langue 1"

// Startup steps after the store is open: reads the working language from the configuration
// of programDir, loads it into language and returns the languages the menu offers. Writes no
// configuration. A failed load leaves language empty and sets error.
QStringList startLanguage(const TranslationStore& store, Language& language,
                          const QString& programDir, QString* error = nullptr);

struct LanguageChoice {
    bool loaded = false; // the language is loaded
    QString error;       // why it is not
    ConfigWrite config;  // where the choice was written (nothing written when not loaded)
};

// The language menu item with this caption was chosen: the caption becomes the working
// language, it is loaded (field 3 when the caption names no field) and the name of the loaded
// field is written to the configuration. The window then applies the texts.
LanguageChoice chooseLanguage(const TranslationStore& store, Language& language,
                              const QString& caption, const QString& programDir);

} // namespace ostrel
