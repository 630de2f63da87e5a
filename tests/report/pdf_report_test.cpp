// The QPainter surface drawing on an image and on a PDF writer, and the report written to a real
// PDF file, read back with the poppler tools: its text with pdftotext, its drawing with pdftoppm
// (skipped where the tools are missing). The text rules the surfaces share with the recorder are
// checked through the report's exact lines.

#include "platform/paintersurface.h"
#include "report/report.h"
#include "report_fixture.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <numbers>

using namespace ostrel;
using namespace ostrel::testing;

namespace {

// Dark pixels of an image region.
int darkPixels(const QImage& img, QRect r) {
    int n = 0;
    r = r.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += qGray(img.pixel(x, y)) < 128;
    return n;
}

TEST(PainterSurface, DrawsWhereThePageSays) {
    const double pi = std::numbers::pi;
    // 100 x 100 mm on 400 x 400 pixels. The ink must reach the first region and not the second.
    const QRect upper(0, 0, 400, 190), lower(0, 210, 400, 190);
    const QRect left(30, 190, 20, 20), top(190, 30, 20, 20), text(80, 160, 200, 20);
    const struct {
        char what;
        double a, b;
        QRect ink, clear;
    } rows[] = {{'a', pi, 0, lower, upper}, // arcs from a to b, counterclockwise as seen
                {'a', 0, pi, upper, lower},
                {'e', 0.2, 0, left, top}, // ellipses of aspect a: flattened, narrowed
                {'e', 2.5, 0, top, left},
                {'t', 0, 0, text, QRect(0, 0, 400, 158)}, // text hangs from its top left corner
                {'t', 0, 0, text, QRect(0, 0, 78, 400)}};
    for (const auto& r : rows) {
        QImage img(400, 400, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            PainterSurface s(&img, QSizeF(100, 100));
            s.setLineWidth(4);
            if (r.what == 'a') s.arc({50, 50}, 30, 1.0, r.a, r.b);
            if (r.what == 'e') s.ellipse({50, 50}, 40, r.a);
            if (r.what == 't') s.drawText({20, 40}, QStringLiteral("HHHH"));
        }
        EXPECT_GT(darkPixels(img, r.ink), r.what == 'a' ? 100 : r.what == 't' ? 50 : 0) << r.what;
        EXPECT_EQ(darkPixels(img, r.clear), 0) << r.what << " " << r.a;
    }
}

QString run(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(QStandardPaths::findExecutable(tool), args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(ReportPdf, MixedListHasItsTextOnItsPagesAndEveryFigureDrawn) {
    for (const char* tool : {"pdftotext", "pdftoppm"})
        if (QStandardPaths::findExecutable(tool).isEmpty()) GTEST_SKIP() << tool << " missing";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    ASSERT_TRUE(writeReportPdf(pdf, allKinds(3), reportTexts(), QDate(2026, 3, 14)));

    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    QStringList pages = text.split(QLatin1Char('\f')); // each page ends with a form feed
    pages.removeLast();                                // so no blank page passes unseen
    ASSERT_GE(pages.size(), 3);
    for (int p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(pages[p].contains(QStringLiteral("Inertia calculation"))) << p;
        EXPECT_TRUE(pages[p].contains(QRegularExpression(QString("Page +%1\\b").arg(p + 1)))) << p;
    }
    // Each figure's label on its page (the seventh row of figures opens page 2); the tables'
    // texts are the recorder's, checked in the report suites.
    for (int k = 1; k <= 20; ++k)
        EXPECT_TRUE(pages[k > 18].contains(QRegularExpression(QString("Fig %1\\b").arg(k)))) << k;

    // Every cell holds a drawing besides its frame and label (at 100 dpi; margins 5 and 4 mm).
    const auto px = [](double mm) { return static_cast<int>(mm * 100 / 25.4); };
    for (int page = 1; page <= 2; ++page) {
        const QString png = dir.filePath(QStringLiteral("p%1").arg(page));
        run("pdftoppm", {"-r", "100", "-f", QString::number(page), "-l", QString::number(page),
                         "-png", "-singlefile", pdf, png});
        const QImage img(png + QStringLiteral(".png"));
        ASSERT_FALSE(img.isNull()) << page;
        for (int i = 0; i < (page == 1 ? 18 : 2); ++i) {
            const double x = 5 + 10 + 65 * (i % 3), y = 4 + 10 + 48 * (i / 3);
            const QRect drawing(QPoint(px(x + 1.5), px(y + 1.5)),
                                QPoint(px(x + 48.5) - 1, px(y + 31) - 1));
            EXPECT_GT(darkPixels(img, drawing), 100) << "page " << page << " cell " << i;
        }
    }
}

} // namespace
