// The working language: ChargeLangue, the availability check that fills the language menu, and
// the choice of a language from a menu item's caption.
#pragma once

#include <QString>
#include <QStringList>

namespace ostrel {

class TranslationStore;

struct Langue {
    QString courante;   // LangueCourante: a field name of "Idiomas" after a load
    QStringList textes; // Textes: indexes 0 ... N; index 0 never used

    // Textes(k), or an empty text for an entry outside 1 ... N.
    QString texte(int entry) const;
};

// Loads the working language into langue.textes. When langue.courante names no field (exact,
// case-sensitive), field 3 becomes the working language. A Null text takes the default
// language's text (field 3; empty when that is Null too). False, with error, when the store
// cannot be read.
bool ChargeLangue(const TranslationStore& store, Langue& langue, QString* error = nullptr);

// Complete languages (no Null in any entry), fields 2 on, in field order, at most nine.
QStringList languesDisponibles(const TranslationStore& store);

} // namespace ostrel
