// "Ostrel.cfg": the one setting, the name of the working language. Read at start, written
// only when the user chooses a language; when the program folder cannot be written, the
// user's configuration folder holds it instead.
#pragma once

#include <QString>

namespace ostrel {

// The language name of a configuration line: leading blanks skipped, up to the first comma or
// the end of the line; a text that starts with a double quote up to the next double quote.
QString lireLigneConfiguration(const QString& line);

// The working language stored for programDir (ending with "/"): its "Ostrel.cfg", else the one
// in the user's configuration folder; empty when there is none.
QString lireConfiguration(const QString& programDir);

struct ConfigWrite {
    bool ok = false;      // written somewhere
    QString path;         // where it was written
    bool fallback = false; // the program folder could not be written
};
// Writes name + CR LF to programDir + "Ostrel.cfg", or to the user's configuration folder when
// the program folder cannot be written.
ConfigWrite ecrireConfiguration(const QString& programDir, const QString& name);

} // namespace ostrel
