// The command line of the program: a project to open in the window, or an export of a
// project (the PDF report, the CSV list) made without a window and ended at once, and the
// version and help texts. Nothing here needs a display.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;

namespace ostrel {

struct CommandLine {
    enum class Action { Window, Export, Help, Version, Error };
    Action action = Action::Window;
    QString file; // the project: to open (Window) or to export (Export)
    QString pdf;  // Export: where the report goes, or empty
    QString csv;  // Export: where the CSV goes, or empty
    // Export: a motor list (CSV) to check against the project's axis: the CSV is then the
    // table of every motor's checks instead of the parts list.
    QString motors;
    // Export: the digits and units given for this run (checked), over the saved choice.
    std::optional<QString> digits, units;
    QString text; // Help, Version: what to print; Error: what is wrong (then the help text)
};

// Reads the arguments (the program name first), as QCoreApplication::arguments gives them.
CommandLine parseCommandLine(const QStringList& arguments);

// Whether the raw arguments ask for something that needs no display (an export, the help or
// the version): the program then starts on the offscreen platform.
bool needsNoDisplay(const QStringList& arguments);

// Runs an export: opens the translation store of the program folder (programDir ends with
// "/") and its working language, reads the project and writes the files, in the digits and
// units the window saved unless the command line gives others; with a motor file, the CSV is
// the table of every motor's checks. Messages go to err. Returns the exit code: 0 when every
// file was written (whether or not a motor passes); 2, before anything is written, when an
// output is the project or the motor file, both outputs are one file, or the motor file is
// refused; 1 otherwise.
int runExport(const CommandLine& line, const QString& programDir, QTextStream& err);

} // namespace ostrel
