#include "report/reportcommands.h"

#include "list/partslist.h"
#include "list/projectfile.h"
#include "platform/atomicfile.h"
#include "platform/dialogs.h"
#include "platform/paintersurface.h"
#include "report/report.h"

#include <QDir>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace ostrel {

namespace {

constexpr int EntryApplicationTitle = 12;
constexpr int EntryEmptyList = 43;
constexpr int EntryPrintToPdf = 439;
constexpr int EntrySavePdfTitle = 440;
constexpr int EntryWriteFailed = 441;
constexpr int EntryPdfFilter = 443;

// The busy pointer while the report is drawn.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

bool hasParts(const PartsList& list) {
    return list.rowCount() > 1;
}

} // namespace

ReportCommands::PrinterFactory ReportCommands::defaultPrinter() {
    return [] {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return std::unique_ptr<QPrinter>();
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    };
}

void ReportCommands::showEmptyList(const QStringList& texts) {
    dialogs_.message(texts.value(EntryEmptyList), MessageIcon::Exclamation,
                     texts.value(EntryApplicationTitle));
}

ReportCommands::Result ReportCommands::print(const PartsList& list, const QStringList& texts,
                                             const DisplayChoice& display,
                                             const QString& projectTitle) {
    if (!hasParts(list)) {
        showEmptyList(texts);
        return Result::EmptyList;
    }
    bool printed = false;
    if (std::unique_ptr<QPrinter> printer = printerFactory_ ? printerFactory_() : nullptr) {
        BusyCursor busy;
        PainterSurface surface(printer.get());
        if (surface.ok()) {
            printReport(surface, list, texts, QDate::currentDate(), display, drive_, projectTitle,
                        motor());
            surface.endDocument();
            printed = surface.ok() && printer->printerState() != QPrinter::Error &&
                      printer->printerState() != QPrinter::Aborted;
        }
    }
    if (printed) return Result::Printed;

    // No printer, or the job failed: the report can still be kept as a PDF file.
    if (!dialogs_.question(texts.value(EntryPrintToPdf), texts.value(EntryApplicationTitle)))
        return Result::Cancelled;
    return savePdf(list, texts, display, projectTitle);
}

ReportCommands::Result ReportCommands::preview(const PartsList& list, const QStringList& texts,
                                               const DisplayChoice& display,
                                               const QString& projectTitle) {
    if (!hasParts(list)) {
        showEmptyList(texts);
        return Result::EmptyList;
    }
    // The preview shows the page of the default printer as it is set up; without a printer,
    // the page of the PDF that printing then offers.
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::defaultPrinter().isNull()) printer.setPageLayout(pdfPageLayout());
    QPrintPreviewDialog dialog(&printer, parent_);
    dialog.setWindowTitle(texts.value(EntryApplicationTitle));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&list, &texts, &display, &projectTitle, drive = drive_,
                      motor = motor()](QPrinter* target) {
                         BusyCursor busy;
                         PainterSurface surface(target);
                         if (!surface.ok()) return;
                         printReport(surface, list, texts, QDate::currentDate(), display, drive,
                                     projectTitle, motor);
                         surface.endDocument();
                     });
    dialogs_.exec(dialog);
    return Result::Previewed;
}

ReportCommands::Result ReportCommands::exportPdf(const PartsList& list, const QStringList& texts,
                                                 const DisplayChoice& display,
                                                 const QString& projectTitle) {
    if (!hasParts(list)) {
        showEmptyList(texts);
        return Result::EmptyList;
    }
    return savePdf(list, texts, display, projectTitle);
}

ReportCommands::Result ReportCommands::savePdf(const PartsList& list, const QStringList& texts,
                                               const DisplayChoice& display,
                                               const QString& projectTitle) {
    const QString suggested = QDir::home().filePath(QStringLiteral("Ostrel.pdf"));
    const QString path = dialogs_.saveFileName(texts.value(EntrySavePdfTitle), suggested,
                                               texts.value(EntryPdfFilter));
    if (path.isEmpty()) return Result::Cancelled;
    bool written = false;
    WriteFailure failure;
    {
        BusyCursor busy;
        written = writeReportPdf(path, list, texts, QDate::currentDate(), display, drive_,
                                 projectTitle, &failure, motor());
    }
    if (!written) {
        // The path and the reason; an old file at the path is still there as it was.
        dialogs_.message(messageText(writeFailureMessage(EntryWriteFailed,
                                                         QDir::toNativeSeparators(path), failure),
                                     texts),
                         MessageIcon::Exclamation, texts.value(EntryApplicationTitle));
        return Result::Failed;
    }
    return Result::SavedAsPdf;
}

} // namespace ostrel
