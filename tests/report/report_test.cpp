// The report driver and its tables, drawn on the recording surface.

#include "platform/recordingsurface.h"
#include "report/report.h"
#include "report/reporttables.h"
#include "report_fixture.h"

#include <QDate>
#include <algorithm>
#include <gtest/gtest.h>

using namespace ostrel;
using namespace ostrel::testing;
using Kind = RecordingSurface::Kind;
using Record = RecordingSurface::Record;

namespace {

constexpr double Eps = 1e-6;
const QDate Today(2026, 3, 14);
const QString Indent(10, QLatin1Char(' '));

struct Rendered {
    RecordingSurface page;
    ReportStatus status;
    QList<RecordingSurface::TextLine> lines;

    explicit Rendered(const PartsList& list)
        : status(printReport(page, list, reportTexts(), Today)), lines(page.textLines()) {}
    // The frames of the figure block: boxes of 50 x 38 mm.
    QList<Record> frames() const {
        QList<Record> out;
        for (const Record& r : page.recordsOf(Kind::Box))
            if (std::abs(r.b.x() - r.a.x() - 50) < Eps && std::abs(r.b.y() - r.a.y() - 38) < Eps)
                out.append(r);
        return out;
    }
    // Index of the first text line that starts with text after the indent, or -1.
    int find(const QString& text) const {
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].text.startsWith(Indent + text)) return i;
        return -1;
    }
    QStringList tableTitles() const {
        QStringList out;
        for (const auto& l : lines)
            if (l.text.startsWith(Indent + "Figure  ")) out.append(l.text.mid(10));
        return out;
    }
};

TEST(Report, KindsAreNumberedInOrderOfFirstAppearance) {
    Rendered run{listOf({{9, "5", "1", "1", "1", "", "90"},
                         {1, "6", "2", "1", "1", "", "100", "", "10"},
                         {9, "7", "3", "2", "1", "", "91"},
                         {20, "8", "4", "1", "1", "", "300", "50"}})};
    EXPECT_EQ(run.tableTitles(), QStringList({"Figure  1", "Figure  2", "Figure  3"}));
    // Fig 1 (kind 9) lists both spheres in list order, Fig 2 the disc, Fig 3 the torus.
    const int t1 = run.find("Figure  1"), t2 = run.find("Figure  2"), t3 = run.find("Figure  3");
    ASSERT_TRUE(t1 >= 0 && t1 < t2 && t2 < t3);
    EXPECT_TRUE(run.lines[t1 + 1].text.endsWith(QStringLiteral("D      Inertia")));
    EXPECT_EQ(run.lines[t1 + 3].text.mid(31, 2), QStringLiteral("90"));
    EXPECT_EQ(run.lines[t1 + 4].text.mid(31, 2), QStringLiteral("91"));
    EXPECT_EQ(t2 - t1, 5) << "two part lines in the first table";
    EXPECT_TRUE(run.lines[t2 + 1].text.endsWith(QStringLiteral("D      H    Inertia")));
    EXPECT_TRUE(run.lines[t3 + 1].text.endsWith(QStringLiteral("D      d      Inertia")));
}

TEST(Report, KindListComparesNumericValues) {
    EXPECT_EQ(kindsInOrder(QStringList{"3", "3.0", "1", "03", " 3", "1"}), QStringList({"3", "1"}));
    EXPECT_EQ(kindsInOrder(QStringList{"", "abc", "0", "2"}), QStringList({"", "2"}));
    EXPECT_EQ(figureCode(QStringLiteral("3.0")), 3);
    EXPECT_EQ(figureCode(QStringLiteral("23")), 23); // the belt axis
    for (const char* other : {"", "abc", "0", "24", "3.5", "-1"})
        EXPECT_EQ(figureCode(QString::fromLatin1(other)), 0) << other;
}

TEST(Report, TotalLinesAlignOnTheLongestCaptionAndUseTheMask) {
    const PartsList list = listOf({{1, "1234.567", ".5", "1", "1", "", "", "", "", "-2.5", "."}});
    QStringList texts = reportTexts();
    texts[35] = QStringLiteral("M");
    const QString longest = QStringLiteral("Moment of inertia of every part, reduced to the axis");
    texts[85] = longest;
    const auto padded = [&](const char* caption) {
        return QString::fromUtf8(caption).leftJustified(longest.size());
    };
    EXPECT_EQ(totalLines(list, texts),
              QStringList({padded("M") + " =  1234.57 kg", longest + " =  .50 kgm²",
                           padded("Friction torque") + " =  -2.50 Nm",
                           padded("Working torque") + " =  .00 Nm"}));
}

TEST(Report, TableLinesAreExactCharacterForCharacter) {
    // The heading, units and first part line of a table, after the indent; no heading to check
    // for a null.
    // clang-format off
    const struct { Part part; const char *heading, *units, *line; } rows[] = {
        // printTableD: a sphere of quantity 2, ratio 1, mass 12.5, D 80, inertia .01.
        {{9, "12.5", ".01", "2", "1", "", "80"}, "Qty  Ratio      Mass    D      Inertia",
         "     axis         kg    mm       kgm²", " 2     1      12.5   80       .01"},
        // Texts too long for their field: a whole part that does not fit fills the field with
        // "#", decimals are rounded; a blank always parts two fields.
        {{6, "1", "1", "1234567890", "22", "", "123456789012"}, nullptr, nullptr,
         " ##### 22     1.     ######## 1."},
        {{9, "1234.5678", "0.5", "123456", "0.3333333333333", "", "79.99999999"}, nullptr, nullptr,
         " ##### 0.3333 1234.6 80       .5"},
        // The conveyor prints its translating mass, line mass less rotating mass, unsigned.
        {{18, "150", "2.5", "1", "1", "", "400", "30.5", ".2"},
         "Qty  Ratio      M.Trans   M.Rot   f      D     Inertia",
         "     axis         kg       kg           mm      kgm²",
         " 1   1          119.5    30.5  .2     400     2.5"}};
    // clang-format on
    for (const auto& row : rows) {
        Rendered run{listOf({row.part})};
        const int title = run.find(QStringLiteral("Figure  1"));
        ASSERT_GE(title, 0);
        if (row.heading) {
            EXPECT_EQ(run.lines[title + 1].text, Indent + QString::fromUtf8(row.heading));
            EXPECT_EQ(run.lines[title + 2].text, Indent + QString::fromUtf8(row.units));
        }
        EXPECT_EQ(run.lines[title + 3].text, Indent + QString::fromUtf8(row.line));
    }
}

// A field keeps its width: the text as it is when it fits, else rounded to the decimals that
// fit (halves away from zero), else "#" all along; never a cut into another number.
TEST(Report, FieldTextsKeepTheirWidthAndTheirValue) {
    // clang-format off
    const struct { const char* text; int width; const char* expected; } rows[] = {
        {"1234", 4, "1234"}, {"123456", 4, "####"}, {"0.33333", 4, "0.33"}, {"2.675", 3, "2.7"},
        {"-2.65", 4, "-2.7"}, {"9.96", 3, "10"}, {"999.96", 4, "1000"}, {"9999.6", 4, "####"},
        {".5555", 3, "0.6"}, {"-0.04", 3, "0"}, {"1E+20", 4, "####"}, {"12abc", 4, "####"},
        {"+1.25", 3, "1.3"}, {"0.3333333333333", 11, "0.333333333"}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(fitField(QString::fromUtf8(row.text), row.width), QString::fromUtf8(row.expected))
            << row.text << " in " << row.width;
}

TEST(Report, TableLineThatDoesNotFitOpensAPageWithItsHeading) {
    PartsList list;
    for (int i = 0; i < 80; ++i)
        list.add(lineOf({1, QString::number(i + 1), "1"}));
    Rendered run{list};
    const QString date = shortDate(Today);
    const double lh = run.page.lineHeight();
    int parts = 0, page = 0;
    for (int i = 0; i < run.lines.size(); ++i) {
        const auto& l = run.lines[i];
        EXPECT_LE(l.y + lh, 289 + 1e-6) << l.page;
        parts += l.text.startsWith(Indent + " 1     1 ");
        if (l.page == page) continue;
        // Each page opens with its heading: the title, the date at the print zone after it
        // (column 42), the page word at the zone after that.
        page = l.page;
        EXPECT_EQ(l.y, 0) << page;
        EXPECT_EQ(l.text.left(29), Indent + "Inertia calculation") << page;
        EXPECT_EQ(l.text.indexOf(date), 42) << page;
        EXPECT_EQ(l.text.mid((42 + date.size()) / 14 * 14 + 14), QString("Page  %1 ").arg(page));
        if (page > 1) {
            // An empty line, then the part line that did not fit.
            ASSERT_LT(i + 1, run.lines.size());
            EXPECT_NEAR(run.lines[i + 1].y, 2 * lh, 1e-3) << page;
            EXPECT_TRUE(run.lines[i + 1].text.startsWith(Indent + " 1     1")) << page;
        }
    }
    EXPECT_GE(page, 2);
    EXPECT_EQ(parts, 80) << "every part line printed once, none lost at a break";
    for (const Record& r : run.page.recordsOf(Kind::Text))
        EXPECT_TRUE(r.a.y() > Eps || r.bold == (r.text == "Inertia calculation"))
            << r.text.toStdString();
    // The break before the end of the job opens no page.
    EXPECT_EQ(page, run.page.pageCount());
    EXPECT_EQ(run.page.records().last().page, page);
    EXPECT_EQ(run.page.records().at(run.page.records().size() - 2).kind, Kind::NewPage);
}

// Each mechanism: its figure drawn in its cell, and its table with a column for each of its
// inputs (the figure's letters) and its four results, the inputs as typed.
TEST(Report, EachMechanismGetsItsFigureAndItsTable) {
    PartsList list;
    addMechanisms(list);
    Rendered run{list};
    ASSERT_EQ(run.frames().size(), 3);
    for (const Record& frame : run.frames()) {
        int drawn = 0;
        for (const Record& r : run.page.records())
            drawn += (r.kind == Kind::Line || r.kind == Kind::Arc || r.kind == Kind::Ellipse) &&
                     QRectF(frame.a, frame.b).contains(r.a);
        EXPECT_GE(drawn, 10) << frame.a.x();
    }
    ASSERT_EQ(run.tableTitles(), QStringList({"Figure  1", "Figure  2", "Figure  3"}));
    const char* const headings[] = {"Qty Ratio m P d L ρ μ θ F mc", "Qty Ratio m D b ρ μ θ F",
                                    "Qty Ratio m mb D b ρ n μ θ F"};
    for (int k = 1; k <= 3; ++k) {
        const int t = run.find(QStringLiteral("Figure  %1").arg(k));
        EXPECT_EQ(run.lines[t + 1].text.simplified(),
                  QString::fromUtf8(headings[k - 1]) + " Mass Inertia Friction Working");
        const QStringList inputs = list.inputs(k);
        EXPECT_EQ(run.lines[t + 3].text.split(' ', Qt::SkipEmptyParts).mid(0, inputs.size()),
                  inputs);
    }
}

// Frames fill rows of three, each labelled in bold under its middle, one table per kind. From
// the nineteenth kind on, the seventh row would fall below the page; it starts a new page, with
// its heading.
TEST(Report, FramesFillRowsOfThreeAndTheSeventhRowStartsAPage) {
    for (int kinds : {1, 4, 19, 20}) {
        PartsList list;
        for (int code = 1; code <= kinds; ++code)
            list.add(lineOf({code, "1", "1", "1", "1", "100", "80", "40", "25"}));
        Rendered run{list};
        ASSERT_EQ(run.status, ReportStatus::Printed);
        const auto frames = run.frames();
        ASSERT_EQ(frames.size(), kinds);
        for (int i = 0; i < kinds; ++i) {
            const QPointF corner(10 + 65 * (i % 3), 10 + 48 * (i % 18 / 3));
            EXPECT_EQ(frames[i].page, i < 18 ? 1 : 2) << i;
            EXPECT_EQ(frames[i].a, corner) << i;
            EXPECT_EQ(frames[i].b, corner + QPointF(50, 38)) << i;
            EXPECT_EQ(frames[i].lineWidth, 1) << "thin pen, whatever the figure before left";
            const auto texts = run.page.recordsOf(Kind::Text);
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const Record& r) {
                return r.text == QStringLiteral("Fig %1").arg(i + 1) && r.bold &&
                       r.page == frames[i].page && r.a == corner + QPointF(20, 33);
            })) << i;
        }
        EXPECT_EQ(run.tableTitles().size(), kinds);
        EXPECT_EQ(run.page.records().last().kind, Kind::End);
        for (const auto& l : run.lines)
            if (l.page == 2) {
                EXPECT_EQ(l.y, 0);
                EXPECT_TRUE(l.text.endsWith(QStringLiteral("Page  2 ")));
                break;
            }
    }
}

} // namespace
