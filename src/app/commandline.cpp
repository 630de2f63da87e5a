#include "app/commandline.h"

#include "app/displaysettings.h"
#include "drive/drivefile.h"
#include "drive/motorcsv.h"
#include "drive/motortable.h"
#include "language/language.h"
#include "language/translationstore.h"
#include "list/csvexport.h"
#include "list/projectfile.h"
#include "platform/atomicfile.h"
#include "platform/filepaths.h"
#include "report/driveblock.h"
#include "report/report.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace ostrel {

namespace {

constexpr int EntryEmptyList = 43;    // the report of an empty list
constexpr int EntryWriteFailed = 441; // the PDF file cannot be written (the path follows)
constexpr int EntryTotalsCaption = 385;
constexpr int EntryOutputIsProject = 586; // an output file is the project (the path follows)
constexpr int EntryOutputsAreOne = 587;   // the PDF and the CSV are one file (the path follows)
constexpr int EntryOutputIsMotors = 788;  // an output file is the motor file (the path follows)

struct Options {
    QCommandLineOption pdf{QStringList{QStringLiteral("pdf")},
                           QStringLiteral("Write the report of FILE to OUT.pdf and end."),
                           QStringLiteral("OUT.pdf")};
    QCommandLineOption csv{QStringList{QStringLiteral("csv")},
                           QStringLiteral("Write the parts list of FILE to OUT.csv and end."),
                           QStringLiteral("OUT.csv")};
    QCommandLineOption digits{
        QStringList{QStringLiteral("digits")},
        QStringLiteral("Digits of the results in the exports: classic, significant (4 digits), "
                       "4 or 6. Without it, the choice saved by the window."),
        QStringLiteral("DIGITS")};
    QCommandLineOption units{
        QStringList{QStringLiteral("units")},
        QStringLiteral("Units of the results in the exports, for example "
                       "inertia=kg·cm²,mass=g,torque=N·cm (the units of the Results menu, or "
                       "their keys such as kg.cm2). Without it, the choice saved by the window."),
        QStringLiteral("UNITS")};
    QCommandLineOption motors{
        QStringList{QStringLiteral("motors")},
        QStringLiteral("With --csv: check every motor of FILE.csv (name,ratedTorque,peakTorque,"
                       "ratedSpeed,maxSpeed,peakTorqueAtMaxSpeed,rotorInertia,brakeInertia,"
                       "ratedPower; SI units) against the project's axis and write the table of "
                       "their checks to OUT.csv instead of the parts list."),
        QStringLiteral("FILE.csv")};
};

void setUp(QCommandLineParser& parser, const Options& options) {
    parser.setApplicationDescription(
        QStringLiteral("Mass moments of inertia of machine parts.\n"
                       "Without an option, opens FILE (an .ostrel project) in the window."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.pdf);
    parser.addOption(options.csv);
    parser.addOption(options.digits);
    parser.addOption(options.units);
    parser.addOption(options.motors);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The project to open or to export."),
                                 QStringLiteral("[FILE]"));
}

} // namespace

bool needsNoDisplay(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) break;
        for (const char* option : {"-pdf", "--pdf", "-csv", "--csv", "-digits", "--digits",
                                   "-units", "--units", "-motors", "--motors"})
            if (a == QLatin1String(option) || a.startsWith(QLatin1String(option) + u'='))
                return true;
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (a == QLatin1String(option)) return true;
    }
    return false;
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const Options options;
    setUp(parser, options);
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.action = CommandLine::Action::Error;
        line.text = parser.errorText() + u'\n' + parser.helpText();
        return line;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        line.action = CommandLine::Action::Help;
        line.text = parser.helpText();
        return line;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        line.action = CommandLine::Action::Version;
        line.text = QCoreApplication::applicationName() + u' ' +
                    QCoreApplication::applicationVersion() + u'\n';
        return line;
    }
    const QStringList files = parser.positionalArguments();
    const auto error = [&](const QString& text) {
        line.action = CommandLine::Action::Error;
        line.text = text + u'\n' + parser.helpText();
        return line;
    };
    if (files.size() > 1) return error(QStringLiteral("Only one FILE can be given."));
    line.file = files.value(0);
    line.pdf = parser.value(options.pdf);
    line.csv = parser.value(options.csv);
    if (parser.isSet(options.pdf) || parser.isSet(options.csv)) {
        if (line.file.isEmpty())
            return error(QStringLiteral("The project FILE to export is missing."));
        if ((parser.isSet(options.pdf) && line.pdf.isEmpty()) ||
            (parser.isSet(options.csv) && line.csv.isEmpty()))
            return error(QStringLiteral("An output file name is empty."));
        line.action = CommandLine::Action::Export;
    }
    if (parser.isSet(options.motors)) {
        line.motors = parser.value(options.motors);
        if (line.motors.isEmpty()) return error(QStringLiteral("The motor file name is empty."));
        if (!parser.isSet(options.csv)) return error(QStringLiteral("--motors goes with --csv."));
    }
    if (parser.isSet(options.digits)) line.digits = parser.value(options.digits);
    if (parser.isSet(options.units)) line.units = parser.value(options.units);
    if (line.digits || line.units) {
        if (line.action != CommandLine::Action::Export)
            return error(QStringLiteral("--digits and --units go with --pdf or --csv."));
        QString refusal;
        if (!displayWithOptions({}, line.digits, line.units, &refusal)) return error(refusal);
    }
    return line;
}

int runExport(const CommandLine& line, const QString& programDir, QTextStream& err) {
    TranslationStore store;
    const QString failure = openLanguageStore(store, programDir);
    if (!failure.isEmpty()) {
        err << failure << Qt::endl;
        return 1;
    }
    Language language;
    QString languageError;
    startLanguage(store, language, programDir, &languageError);
    if (language.texts.isEmpty()) {
        err << languageError << Qt::endl;
        return 1;
    }

    // An output that is the project itself, or one file for both outputs, would destroy what
    // the run reads or writes: nothing is written.
    for (const QString& output : {line.pdf, line.csv}) {
        if (isSameFile(output, line.file)) {
            err << language.text(EntryOutputIsProject) << u'\n' << output << Qt::endl;
            return 2;
        }
    }
    if (isSameFile(line.pdf, line.csv)) {
        err << language.text(EntryOutputsAreOne) << u'\n' << line.pdf << Qt::endl;
        return 2;
    }
    // The motor file is read whole before anything is written; a bad one ends the run.
    MotorCsvRead motors;
    if (!line.motors.isEmpty()) {
        for (const QString& output : {line.pdf, line.csv}) {
            if (isSameFile(output, line.motors)) {
                err << language.text(EntryOutputIsMotors) << u'\n' << output << Qt::endl;
                return 2;
            }
        }
        motors = readMotorsCsv(line.motors);
        if (!motors.ok) {
            err << messageText(motors.error, language.texts) << Qt::endl;
            return 2;
        }
    }
    DisplaySettings settings;
    const DisplayChoice display =
        displayWithOptions(settings.load(), line.digits, line.units).value_or(settings.choice());

    const ProjectRead read = readProject(line.file);
    if (!read.ok) {
        err << messageText(read.errorMessage, language.texts) << Qt::endl;
        return 1;
    }
    if (!read.warning.isEmpty())
        err << messageText(read.warningMessage, language.texts) << Qt::endl;

    PartsList list(QStringList(), language.text(EntryTotalsCaption));
    fillList(list, read);
    const DriveInputs drive = driveFromJson(read.project.drive);
    const std::optional<ChosenMotor> motor = chosenMotorFromJson(read.project.motor);

    int code = 0;
    if (!line.csv.isEmpty()) {
        // Each motor with its rotor inertia as J_M, in the file's order.
        const QByteArray csv =
            line.motors.isEmpty()
                ? csvWithDrive(csvText(list, exportLabels(language.texts), display), drive,
                               driveTotals(list), motor)
                : motorTableCsv(motors.motors,
                                checkEveryMotor(motors.motors, false, drive, driveTotals(list)));
        const ProjectSave save = saveExport(csv, line.csv);
        if (!save.ok) {
            err << messageText(save.errorMessage, language.texts) << Qt::endl;
            code = 1;
        }
    }
    if (!line.pdf.isEmpty()) {
        if (list.partCount() == 0) {
            // The report of an empty list is never drawn: no file is made.
            err << line.file << u'\n' << language.text(EntryEmptyList) << Qt::endl;
            code = 1;
        } else if (WriteFailure failure; !writeReportPdf(
                       line.pdf, list, language.texts, QDate::currentDate(), display, &drive,
                       read.project.title, &failure, motor ? &*motor : nullptr)) {
            err << messageText(writeFailureMessage(EntryWriteFailed, line.pdf, failure),
                               language.texts)
                << Qt::endl;
            code = 1;
        }
    }
    return code;
}

} // namespace ostrel
