// "Ostrel.cfg": the one setting, the name of the working language. Read at start, written
// only when the user chooses a language; when the program folder cannot be written, the
// user's configuration folder holds it instead.
#pragma once

#include <QString>

namespace ostrel {

// The language name of a configuration line: leading blanks skipped, up to the first comma or
// the end of the line; a text that starts with a double quote up to the next double quote.
QString readConfigLine(const QString& line);

// The configuration file in the user's configuration folder:
// QStandardPaths::GenericConfigLocation + "/Ostrel/Ostrel.cfg".
QString userConfigFile();

// The working language stored for programDir (ending with "/"): its "Ostrel.cfg", else the one
// in the user's configuration folder; empty when there is none. When both files exist the one
// written last holds the latest choice and wins.
QString readConfig(const QString& programDir);
QString readConfig(const QString& programDir, const QString& userFile);

struct ConfigWrite {
    bool ok = false;       // written somewhere
    QString path;          // where it was written
    bool fallback = false; // the program folder could not be written
    QString error;         // why nothing could be written (when !ok)
};
// Writes name + CR LF to programDir + "Ostrel.cfg", or to the user's configuration folder when
// the program folder cannot be written. A name that would not read back as itself (a comma, a
// leading blank or quote) is written between double quotes.
ConfigWrite writeConfig(const QString& programDir, const QString& name);
ConfigWrite writeConfig(const QString& programDir, const QString& name, const QString& userFile);

} // namespace ostrel
