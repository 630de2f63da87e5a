// The print, preview and export commands: every box goes through a recording Dialogs, the
// printer is a PDF printer or none.

#include "platform/dialogs.h"
#include "report/reportcommands.h"
#include "report_fixture.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ostrel;
using namespace ostrel::testing;
using Result = ReportCommands::Result;

namespace {

// Keeps every box it is asked to show, in order: "! text (title)" for a message with the
// exclamation icon, "? text" for a question, "save title|suggested path|filter".
struct FakeDialogs : Dialogs {
    QStringList log;
    bool answer = true;
    QString savePath;
    int previewPages = -1;

    void message(const QString& text, MessageIcon icon, const QString& title) override {
        log << (icon == MessageIcon::Exclamation ? "! " : "other ") + text + " (" + title + ")";
    }
    bool question(const QString& text, const QString&) override {
        log << "? " + text;
        return answer;
    }
    QString saveFileName(const QString& title, const QString& path,
                         const QString& filter) override {
        log << "save " + title + "|" + path + "|" + filter;
        return savePath;
    }
    SaveChoice askToSave(const QString& text, const QString&, const SaveButtons&) override {
        log << "?? " + text;
        return SaveChoice::Cancel;
    }
    QString openFileName(const QString& title, const QString&, const QString&) override {
        log << "open " + title;
        return {};
    }
    int exec(QDialog& dialog) override {
        // Showing the preview lays out its pages through the report renderer.
        dialog.show();
        if (auto* w = dialog.findChild<QPrintPreviewWidget*>()) {
            w->updatePreview();
            previewPages = w->pageCount();
        }
        dialog.close();
        return QDialog::Rejected;
    }
};

struct Commands {
    FakeDialogs dialogs;
    ReportCommands commands{dialogs, nullptr};
    QTemporaryDir dir;

    // A PDF printer writing to path, or no printer at all for an empty path.
    void printer(const QString& path) {
        commands.setPrinterFactory([path] {
            if (path.isEmpty()) return std::unique_ptr<QPrinter>();
            auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(path);
            return p;
        });
    }
};

const QString Offer = QStringLiteral("? No printer. Save as PDF?");
const QString SaveBox =
    "save Save the report as PDF|" + QDir::home().filePath("Ostrel.pdf") + "|PDF files (*.pdf)";

TEST(ReportCommands, EmptyListShowsOnlyTheMessage) {
    Commands c;
    const QString never = c.dir.filePath(QStringLiteral("never.pdf"));
    c.printer(never);
    c.dialogs.savePath = never;
    const PartsList empty;
    EXPECT_EQ(c.commands.print(empty, reportTexts()), Result::EmptyList);
    EXPECT_EQ(c.commands.preview(empty, reportTexts()), Result::EmptyList);
    EXPECT_EQ(c.commands.exportPdf(empty, reportTexts()), Result::EmptyList);
    EXPECT_EQ(c.dialogs.log, QStringList(3, "! The list is empty. (Inertia calculator)"));
    EXPECT_EQ(c.dialogs.previewPages, -1);
    EXPECT_FALSE(QFileInfo::exists(never));
}

TEST(ReportCommands, PrintOffersAPdfWhenThereIsNoPrinterOrTheJobFails) {
    const struct {
        const char* printer; // the file of a PDF printer; none for null
        bool answer;         // to the offer of a PDF
        Result result;
        QStringList log;
    } rows[] = {{"printed.pdf", true, Result::Printed, {}},
                {nullptr, true, Result::SavedAsPdf, {Offer, SaveBox}},
                {"no/such/dir/x.pdf", true, Result::SavedAsPdf, {Offer, SaveBox}},
                {nullptr, false, Result::Cancelled, {Offer}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(int(&row - rows));
        Commands c;
        c.printer(row.printer ? c.dir.filePath(row.printer) : QString());
        c.dialogs.answer = row.answer;
        c.dialogs.savePath = c.dir.filePath(QStringLiteral("instead.pdf"));
        EXPECT_EQ(c.commands.print(allKinds(), reportTexts()), row.result);
        EXPECT_EQ(c.dialogs.log, row.log);
        const QString out = c.dir.filePath(row.log.isEmpty() ? "printed.pdf" : "instead.pdf");
        EXPECT_EQ(QFileInfo(out).size() > 1000, row.result != Result::Cancelled);
    }
}

TEST(ReportCommands, ExportWritesThePdfOrSaysWhereItFailed) {
    Commands c;
    EXPECT_EQ(c.commands.exportPdf(allKinds(), reportTexts()), Result::Cancelled); // no name
    const QString good = c.dir.filePath(QStringLiteral("export.pdf"));
    c.dialogs.savePath = good;
    EXPECT_EQ(c.commands.exportPdf(allKinds(), reportTexts()), Result::SavedAsPdf);
    EXPECT_GT(QFileInfo(good).size(), 1000);
    const QString bad = c.dir.filePath(QStringLiteral("missing/export.pdf"));
    c.dialogs.savePath = bad;
    EXPECT_EQ(c.commands.exportPdf(allKinds(), reportTexts()), Result::Failed);
    // The path and the reason.
    const QString failed = "! The report could not be written to this file:\n" +
                           QDir::toNativeSeparators(bad) +
                           "\nNo such file or directory (Inertia calculator)";
    EXPECT_EQ(c.dialogs.log, QStringList({SaveBox, SaveBox, SaveBox, failed}));
}

TEST(ReportCommands, PreviewRendersTheReportPages) {
    Commands c;
    EXPECT_EQ(c.commands.preview(allKinds(), reportTexts()), Result::Previewed);
    EXPECT_GE(c.dialogs.previewPages, 2) << "twenty kinds: the last row of figures on page 2";
    EXPECT_TRUE(c.dialogs.log.isEmpty());
}

} // namespace
