// The text rules shared by every page surface, the recorder, and the QPainter surface drawing
// on an image and on a PDF writer.

#include "platform/paintersurface.h"
#include "platform/recordingsurface.h"

#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>
#include <tuple>

using namespace ostrel;
using Kind = RecordingSurface::Kind;
using Sep = PageSurface::Separator;

namespace {

constexpr double Eps = 1e-6;

TEST(PageTextRules, SeparatorsPlaceTheNextItem) {
    RecordingSurface s;
    const double cw = s.charWidth();
    const double lh = s.lineHeight();

    s.print(QStringLiteral("ab"), Sep::Semicolon);
    EXPECT_NEAR(s.currentPos().x(), 2 * cw, Eps);
    s.print(QStringLiteral("c"), Sep::Comma);
    EXPECT_NEAR(s.currentPos().x(), 14 * cw, Eps) << "the zone after the text";
    s.print(QStringLiteral("12345678901234"), Sep::Comma);
    EXPECT_NEAR(s.currentPos().x(), 42 * cw, Eps) << "a text that fills its zone goes on";
    s.print(QString(), Sep::Comma);
    EXPECT_NEAR(s.currentPos().x(), 56 * cw, Eps) << "an empty item still moves a zone";
    s.print(QStringLiteral("end"));
    EXPECT_NEAR(s.currentPos().x(), 0, Eps);
    EXPECT_NEAR(s.currentPos().y(), lh, Eps);
    s.endLine();
    EXPECT_NEAR(s.currentPos().y(), 2 * lh, Eps);

    const auto texts = s.recordsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 4) << "empty items draw nothing";
    EXPECT_NEAR(texts[1].a.x(), 2 * cw, Eps);
    EXPECT_NEAR(texts[3].a.x(), 56 * cw, Eps);
}

TEST(PageTextRules, WholeNumbersCarrySignAndTrailingSpace) {
    RecordingSurface s;
    for (auto [n, text] : {std::pair{3LL, " 3 "},
                           {0LL, " 0 "},
                           {-12LL, "-12 "},
                           {std::numeric_limits<long long>::min(), "-9223372036854775808 "}}) {
        s.clear();
        s.printWhole(n, Sep::Semicolon);
        ASSERT_EQ(s.recordsOf(Kind::Text).size(), 1);
        EXPECT_EQ(s.recordsOf(Kind::Text)[0].text, QString::fromLatin1(text));
    }
}

TEST(PageTextRules, LineFitsUpToTheBottomOfThePrintableArea) {
    RecordingSurface s(QSizeF(200, 100));
    const double lh = s.lineHeight();
    s.setCurrentPos(QPointF(0, 100 - lh));
    EXPECT_TRUE(s.lineFits());
    s.setCurrentPos(QPointF(0, 100 - lh + 0.01));
    EXPECT_FALSE(s.lineFits());

    s.setCurrentPos(QPointF(30, 80));
    s.startNewPage();
    EXPECT_EQ(s.page(), 2);
    EXPECT_EQ(s.currentPos(), QPointF(0, 0));
    s.print(QStringLiteral("x"));
    EXPECT_EQ(s.records().first().kind, Kind::NewPage);
    EXPECT_EQ(s.records().last().page, 2);
}

TEST(PageTextRules, LetterSetsAPointThenPrintsThere) {
    RecordingSurface s;
    s.setLineWidth(4);
    s.letter(QPointF(12, 20), QStringLiteral("d"));
    const auto& r = s.records();
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[1].kind, Kind::Point);
    EXPECT_EQ(r[1].a, QPointF(12, 20));
    EXPECT_EQ(r[1].colour, QColor(Qt::black));
    EXPECT_EQ(r[1].lineWidth, 4);
    EXPECT_EQ(r[2].kind, Kind::Text);
    EXPECT_EQ(r[2].a, QPointF(12, 20));
    EXPECT_NEAR(s.currentPos().x(), 0, Eps);
    EXPECT_NEAR(s.currentPos().y(), 20 + s.lineHeight(), Eps);
}

TEST(RecordingSurface, ReportFontIsFixedPitchWithRealMetrics) {
    RecordingSurface s;
    EXPECT_NEAR(s.textWidth(QStringLiteral("iiii")), s.textWidth(QStringLiteral("MMMM")), Eps);
    // Courier New 11 pt: a character is 0.6 em wide, about 2.33 mm.
    EXPECT_NEAR(s.charWidth(), 0.6 * 11 / 72 * 25.4, 0.05);
    const double plain = s.charWidth();
    s.setBold(true);
    EXPECT_NEAR(s.charWidth(), plain, Eps);
    const double lh11 = s.lineHeight();
    s.setFont(QStringLiteral("Courier New"), 12);
    EXPECT_TRUE(s.bold()) << "the font size keeps bold";
    EXPECT_GT(s.lineHeight(), lh11);
    EXPECT_GT(lh11, 11 / 72.0 * 25.4);
}

// Dark pixels of an image region, for the painter checks.
int darkPixels(const QImage& img, QRect r) {
    int n = 0;
    r = r.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128) ++n;
    return n;
}

QImage whiteImage(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

TEST(PainterSurface, ImageStandsForItsMillimetreSize) {
    QImage img = whiteImage(400, 200); // 100 x 50 mm: 4 px per mm
    {
        PainterSurface s(&img, QSizeF(100, 50));
        ASSERT_TRUE(s.ok());
        EXPECT_NEAR(s.printableWidth(), 100, Eps);
        s.setLineWidth(4);
        s.line(QPointF(10, 25), QPointF(90, 25));
        s.endDocument();
    }
    EXPECT_GT(darkPixels(img, QRect(40, 99, 320, 3)), 300);
    EXPECT_EQ(darkPixels(img, QRect(0, 0, 400, 90)), 0);
}

TEST(PainterSurface, ArcsTurnCounterclockwiseAsSeenOnThePage) {
    // From pi to 0 counterclockwise is the lower half on the page; from 0 to pi the upper one.
    for (auto [from, to, lowerHalf] :
         {std::tuple{std::numbers::pi, 0.0, true}, std::tuple{0.0, std::numbers::pi, false}}) {
        QImage img = whiteImage(400, 400);
        {
            PainterSurface s(&img, QSizeF(100, 100));
            s.setLineWidth(4);
            s.arc(QPointF(50, 50), 30, 1.0, from, to);
        }
        const int upper = darkPixels(img, QRect(0, 0, 400, 190));
        const int lower = darkPixels(img, QRect(0, 210, 400, 190));
        EXPECT_EQ(lowerHalf, lower > 100 && upper == 0) << from << " -> " << to;
        EXPECT_EQ(!lowerHalf, upper > 100 && lower == 0) << from << " -> " << to;
    }
}

TEST(PainterSurface, AspectFlattensOrNarrowsTheEllipse) {
    for (auto [aspect, wide] : {std::pair{0.2, true}, {2.5, false}}) {
        QImage img = whiteImage(400, 400);
        {
            PainterSurface s(&img, QSizeF(100, 100));
            s.ellipse(QPointF(50, 50), 40, aspect);
        }
        // The long semi-axis is 40 mm (160 px), the short one 8 or 16 mm.
        const QRect farLeft(30, 190, 20, 20), farTop(190, 30, 20, 20);
        EXPECT_EQ(wide, darkPixels(img, farLeft) > 0 && darkPixels(img, farTop) == 0) << aspect;
        EXPECT_EQ(!wide, darkPixels(img, farTop) > 0 && darkPixels(img, farLeft) == 0) << aspect;
    }
}

TEST(PainterSurface, TextHangsFromItsTopLeftCorner) {
    QImage img = whiteImage(800, 400); // 200 x 100 mm
    {
        PainterSurface s(&img, QSizeF(200, 100));
        s.drawText(QPointF(20, 40), QStringLiteral("HHHH"));
    }
    const int lh = 20; // 5 mm, more than a line of 11 pt
    EXPECT_GT(darkPixels(img, QRect(80, 160, 200, lh)), 50);
    EXPECT_EQ(darkPixels(img, QRect(0, 0, 800, 158)), 0) << "nothing above the position";
    EXPECT_EQ(darkPixels(img, QRect(0, 0, 78, 400)), 0) << "nothing left of the position";
}

int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(page));
}

TEST(PainterSurface, PageBreakBeforeTheEndLeavesNoBlankPage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pages.pdf"));
    {
        QPdfWriter writer(path);
        PainterSurface s(&writer);
        ASSERT_TRUE(s.ok());
        s.print(QStringLiteral("one"));
        s.startNewPage();
        s.print(QStringLiteral("two"));
        s.startNewPage();
        s.endDocument();
        EXPECT_TRUE(s.ok());
    }
    EXPECT_EQ(pdfPages(path), 2);
}

TEST(PainterSurface, UnwritableFileIsReportedNotIgnored) {
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath(QStringLiteral("missing/folder/x.pdf")));
    PainterSurface s(&writer);
    EXPECT_FALSE(s.ok());
    s.print(QStringLiteral("nothing happens"));
    s.endDocument();
    EXPECT_FALSE(s.ok());
}

} // namespace
