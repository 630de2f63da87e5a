// The report written to a real PDF file, read back with the poppler tools: its text with
// pdftotext, its drawing with pdftoppm. Skipped where the tools are missing.

#include "report/rapport.h"
#include "report_fixture.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ostrel;
using namespace ostrel::testing;

namespace {

QString run(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(ReportPdf, MixedListHasItsTextOnItsPagesAndEveryFigureDrawn) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftotext.isEmpty() || pdftoppm.isEmpty()) GTEST_SKIP() << "poppler tools missing";

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const PartsList list = allKinds(3);
    ASSERT_TRUE(EcritRapportPdf(pdf, list, reportTextes(), QDate(2026, 3, 14)));

    const QString text = run(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 3);
    for (int p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(pages[p].contains(QStringLiteral("Inertia calculation"))) << p;
        EXPECT_TRUE(pages[p].contains(QRegularExpression(QStringLiteral("Page +%1\\b").arg(p + 1))))
            << p;
    }
    for (int k = 1; k <= 20; ++k) {
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Fig %1\\b").arg(k)))) << k;
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Figure +%1\\b").arg(k)))) << k;
    }
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Fig 19"))) << "the seventh row of figures";
    // Masses 11 ... 30 three times over, and the conveyor's 28 less 3.5 kg.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Total mass +=\\s+1230\\.00 kg"))));
    EXPECT_TRUE(text.contains(QStringLiteral("24.5")));
    EXPECT_TRUE(text.contains(QStringLiteral("kgm²")));

    // Every cell holds a drawing besides its frame and label.
    constexpr double Dpi = 100;
    constexpr double MarginX = 5, MarginY = 4;
    for (int page = 1; page <= 2; ++page) {
        const QString png = dir.filePath(QStringLiteral("p%1").arg(page));
        run(pdftoppm, {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-f"),
                       QString::number(page), QStringLiteral("-l"), QString::number(page),
                       QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, png});
        const QImage img(png + QStringLiteral(".png"));
        ASSERT_FALSE(img.isNull()) << page;
        const int cells = page == 1 ? 18 : 2;
        for (int i = 0; i < cells; ++i) {
            const double x = 10 + 65 * (i % 3), y = 10 + 48 * (i / 3);
            const auto px = [&](double mm, double margin) {
                return static_cast<int>((mm + margin) * Dpi / 25.4);
            };
            int dark = 0;
            for (int py = px(y + 1.5, MarginY); py < px(y + 31, MarginY); ++py)
                for (int pxx = px(x + 1.5, MarginX); pxx < px(x + 48.5, MarginX); ++pxx)
                    if (qGray(img.pixel(pxx, py)) < 128) ++dark;
            EXPECT_GT(dark, 100) << "page " << page << " cell " << i;
        }
    }
}

TEST(ReportPdf, EmptyListOrUnwritablePathWritesNothing) {
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.pdf"));
    EXPECT_FALSE(EcritRapportPdf(empty, PartsList(), reportTextes()));
    EXPECT_FALSE(QFile::exists(empty));
    EXPECT_FALSE(EcritRapportPdf(dir.filePath(QStringLiteral("no/such/dir.pdf")), allKinds(),
                                 reportTextes()));
}

} // namespace
