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

class FakeDialogs : public Dialogs {
public:
    struct Message {
        QString text;
        MessageIcon icon;
        QString title;
    };
    QList<Message> messages;
    QStringList questions;
    bool answer = true;
    struct Save {
        QString title, suggested, filter;
    };
    QList<Save> saves;
    QString savePath;
    int previewPages = -1;

    void message(const QString& text, MessageIcon icon, const QString& title) override {
        messages.append({text, icon, title});
    }
    bool question(const QString& text, const QString&) override {
        questions.append(text);
        return answer;
    }
    QString saveFileName(const QString& title, const QString& suggested,
                         const QString& filter) override {
        saves.append({title, suggested, filter});
        return savePath;
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

QStringList textes() {
    QStringList t = reportTextes();
    t[439] = QStringLiteral("No printer. Save as PDF?");
    t[440] = QStringLiteral("Save the report as PDF");
    t[441] = QStringLiteral("The report could not be written to this file:");
    t[443] = QStringLiteral("PDF files (*.pdf)");
    return t;
}

struct Commands {
    FakeDialogs dialogs;
    ReportCommands commands{dialogs, nullptr};
    QTemporaryDir dir;

    void noPrinter() {
        commands.setPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    }
    void pdfPrinter(const QString& path) {
        commands.setPrinterFactory([path] {
            auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(path);
            return p;
        });
    }
};

TEST(ReportCommands, EmptyListShowsOnlyTheMessage) {
    Commands c;
    c.pdfPrinter(c.dir.filePath(QStringLiteral("never.pdf")));
    const PartsList empty;
    EXPECT_EQ(c.commands.print(empty, textes()), Result::EmptyList);
    EXPECT_EQ(c.commands.preview(empty, textes()), Result::EmptyList);
    EXPECT_EQ(c.commands.exportPdf(empty, textes()), Result::EmptyList);
    ASSERT_EQ(c.dialogs.messages.size(), 3);
    for (const auto& m : c.dialogs.messages) {
        EXPECT_EQ(m.text, QStringLiteral("The list is empty."));
        EXPECT_EQ(m.icon, MessageIcon::Exclamation);
        EXPECT_EQ(m.title, QStringLiteral("Inertia calculator"));
    }
    EXPECT_TRUE(c.dialogs.questions.isEmpty());
    EXPECT_TRUE(c.dialogs.saves.isEmpty());
    EXPECT_EQ(c.dialogs.previewPages, -1);
    EXPECT_FALSE(QFileInfo::exists(c.dir.filePath(QStringLiteral("never.pdf"))));
}

TEST(ReportCommands, PrintGoesToThePrinterWithoutQuestions) {
    Commands c;
    const QString out = c.dir.filePath(QStringLiteral("printed.pdf"));
    c.pdfPrinter(out);
    const PartsList list = allKinds();
    EXPECT_EQ(c.commands.print(list, textes()), Result::Printed);
    EXPECT_GT(QFileInfo(out).size(), 1000);
    EXPECT_TRUE(c.dialogs.questions.isEmpty());
    EXPECT_TRUE(c.dialogs.messages.isEmpty());
    EXPECT_EQ(list.rowCount(), 21);
}

TEST(ReportCommands, NoPrinterOrFailedJobOffersAPdf) {
    for (bool failingPrinter : {false, true}) {
        Commands c;
        if (failingPrinter)
            c.pdfPrinter(c.dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
        else
            c.noPrinter();
        const QString out = c.dir.filePath(QStringLiteral("instead.pdf"));
        c.dialogs.savePath = out;
        const PartsList list = allKinds();
        EXPECT_EQ(c.commands.print(list, textes()), Result::SavedAsPdf) << failingPrinter;
        EXPECT_EQ(c.dialogs.questions, QStringList{"No printer. Save as PDF?"});
        ASSERT_EQ(c.dialogs.saves.size(), 1);
        EXPECT_EQ(c.dialogs.saves[0].title, QStringLiteral("Save the report as PDF"));
        EXPECT_EQ(c.dialogs.saves[0].suggested, QDir::home().filePath("Ostrel.pdf"));
        EXPECT_EQ(c.dialogs.saves[0].filter, QStringLiteral("PDF files (*.pdf)"));
        EXPECT_GT(QFileInfo(out).size(), 1000);
        EXPECT_TRUE(c.dialogs.messages.isEmpty());
    }
}

TEST(ReportCommands, DecliningThePdfOrTheFileNameChangesNothing) {
    Commands c;
    c.noPrinter();
    c.dialogs.answer = false;
    const PartsList list = allKinds();
    EXPECT_EQ(c.commands.print(list, textes()), Result::Cancelled);
    EXPECT_TRUE(c.dialogs.saves.isEmpty());

    c.dialogs.answer = true;
    c.dialogs.savePath.clear();
    EXPECT_EQ(c.commands.print(list, textes()), Result::Cancelled);
    EXPECT_EQ(c.commands.exportPdf(list, textes()), Result::Cancelled);
    EXPECT_TRUE(c.dialogs.messages.isEmpty());
    EXPECT_EQ(list.rowCount(), 21);
}

TEST(ReportCommands, ExportWritesThePdfOrSaysWhereItFailed) {
    Commands c;
    const QString good = c.dir.filePath(QStringLiteral("export.pdf"));
    c.dialogs.savePath = good;
    const PartsList list = allKinds();
    EXPECT_EQ(c.commands.exportPdf(list, textes()), Result::SavedAsPdf);
    EXPECT_GT(QFileInfo(good).size(), 1000);
    EXPECT_TRUE(c.dialogs.questions.isEmpty());

    const QString bad = c.dir.filePath(QStringLiteral("missing/export.pdf"));
    c.dialogs.savePath = bad;
    EXPECT_EQ(c.commands.exportPdf(list, textes()), Result::Failed);
    ASSERT_EQ(c.dialogs.messages.size(), 1);
    EXPECT_EQ(c.dialogs.messages[0].text,
              "The report could not be written to this file:\n" + QDir::toNativeSeparators(bad));
    EXPECT_EQ(c.dialogs.messages[0].icon, MessageIcon::Exclamation);
}

TEST(ReportCommands, PreviewRendersTheReportPages) {
    Commands c;
    const PartsList list = allKinds();
    EXPECT_EQ(c.commands.preview(list, textes()), Result::Previewed);
    EXPECT_GE(c.dialogs.previewPages, 2) << "twenty kinds: the last row of figures on page 2";
    EXPECT_TRUE(c.dialogs.messages.isEmpty());
}

} // namespace
