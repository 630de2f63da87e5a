// The report commands of the main window: print on the default printer, print preview and
// export to PDF. Each renders the report through the one renderer; every message, question and
// file choice goes through the Dialogs seam.
#pragma once

#include "drive/motorcheck.h"
#include "solids/units.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace ostrel {

class Dialogs;
class PartsList;
struct DriveInputs;

class ReportCommands {
public:
    enum class Result { Printed, SavedAsPdf, Previewed, EmptyList, Cancelled, Failed };

    ReportCommands(Dialogs& dialogs, QWidget* parent) : dialogs_(dialogs), parent_(parent) {}

    // Where print finds its printer: a null printer means there is none. The default asks the
    // system for its default printer; the tests give a PDF printer or none.
    using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;
    static PrinterFactory defaultPrinter();
    void setPrinterFactory(PrinterFactory factory) { printerFactory_ = std::move(factory); }
    // The drive inputs and the chosen motor every report of these commands shows (none by
    // default); both must outlive the commands.
    void setDrive(const DriveInputs* drive, const std::optional<ChosenMotor>* motor = nullptr) {
        drive_ = drive;
        motor_ = motor;
    }

    // Prints on the default printer. An empty list shows entry 43 and touches no printer. With
    // no default printer, or when the job fails, the user is offered to save a PDF instead.
    // Each prints the results with display's digits and units (Classic by default), and the
    // project's title in the page heading when there is one.
    Result print(const PartsList& list, const QStringList& texts, const DisplayChoice& display = {},
                 const QString& projectTitle = {});
    // Shows the report in a print preview window (through Dialogs::exec).
    Result preview(const PartsList& list, const QStringList& texts,
                   const DisplayChoice& display = {}, const QString& projectTitle = {});
    // Asks for a file name and writes the report there as PDF.
    Result exportPdf(const PartsList& list, const QStringList& texts,
                     const DisplayChoice& display = {}, const QString& projectTitle = {});

private:
    void showEmptyList(const QStringList& texts);
    // Asks for a PDF file name and writes the report there; a failure is reported with the path.
    Result savePdf(const PartsList& list, const QStringList& texts, const DisplayChoice& display,
                   const QString& projectTitle);

    Dialogs& dialogs_;
    QWidget* parent_;
    PrinterFactory printerFactory_ = defaultPrinter();
    const DriveInputs* drive_ = nullptr;
    const std::optional<ChosenMotor>* motor_ = nullptr;
    // The chosen motor now, or nullptr.
    const ChosenMotor* motor() const { return motor_ && *motor_ ? &**motor_ : nullptr; }
};

} // namespace ostrel
