// The report driver and its tables, drawn on the recording surface.

#include "platform/recordingsurface.h"
#include "report/rapport.h"
#include "report/tableaux.h"
#include "report_fixture.h"

#include <QDate>
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
    RapportStatus status = RapportStatus::Printed;
    QList<RecordingSurface::TextLine> lines;

    explicit Rendered(const PartsList& list, QSizeF printable = QSizeF(200, 289))
        : page(printable) {
        status = ImprimeRapport(page, list, reportTextes(), Today);
        lines = page.textLines();
    }
    // The frames of the figure block: boxes of 50 x 38 mm.
    QList<Record> frames() const {
        QList<Record> out;
        for (const Record& r : page.recordsOf(Kind::Box))
            if (std::abs(r.b.x() - r.a.x() - 50) < Eps && std::abs(r.b.y() - r.a.y() - 38) < Eps)
                out.append(r);
        return out;
    }
    // Index of the first text line that starts with text after the indent, or -1.
    int find(const QString& text, int from = 0) const {
        for (int i = from; i < lines.size(); ++i)
            if (lines[i].text.startsWith(Indent + text)) return i;
        return -1;
    }
    QStringList texts() const {
        QStringList out;
        for (const auto& l : lines)
            out.append(l.text);
        return out;
    }
};

TEST(Report, EmptyListTouchesNothing) {
    Rendered run{PartsList()};
    EXPECT_EQ(run.status, RapportStatus::EmptyList);
    EXPECT_TRUE(run.page.records().isEmpty());
    EXPECT_FALSE(run.page.ended());
}

TEST(Report, OneKindGivesOneFramedLabelledCellAndOneTable) {
    Rendered run{listOf({{1, "617", "77.07"}, {1, "10", "1"}})};
    ASSERT_EQ(run.status, RapportStatus::Printed);
    const auto frames = run.frames();
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0].a, QPointF(10, 10));
    EXPECT_EQ(frames[0].b, QPointF(60, 48));
    EXPECT_EQ(frames[0].lineWidth, 1);

    // The label: a white point moves the text position, then "Fig 1" in bold.
    const auto& recs = run.page.records();
    const int label = recs.indexOf(frames[0]) + 1;
    ASSERT_LT(label + 1, recs.size());
    EXPECT_EQ(recs[label].kind, Kind::Point);
    EXPECT_EQ(recs[label].colour, QColor(255, 255, 255));
    EXPECT_EQ(recs[label].a, QPointF(30, 43));
    EXPECT_EQ(recs[label + 1].text, QStringLiteral("Fig 1"));
    EXPECT_EQ(recs[label + 1].a, QPointF(30, 43));
    EXPECT_TRUE(recs[label + 1].bold);

    EXPECT_EQ(run.texts().filter(QStringLiteral("Figure  ")).size(), 1);
    EXPECT_EQ(run.texts().filter(QStringLiteral("Results")).size(), 1);
    EXPECT_TRUE(run.page.ended());
    EXPECT_EQ(run.page.pageCount(), 1);
    EXPECT_EQ(run.page.records().last().kind, Kind::End);
}

TEST(Report, FourKindsFillARowAndStartTheNext) {
    Rendered run{listOf({{1, "1", "1"}, {2, "1", "1"}, {3, "1", "1"}, {4, "1", "1"}})};
    const auto frames = run.frames();
    ASSERT_EQ(frames.size(), 4);
    const QPointF corners[] = {{10, 10}, {75, 10}, {140, 10}, {10, 58}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(frames[i].a, corners[i]) << i;

    // Two lines below y = 96 comes the empty 12-point line, then the results heading.
    RecordingSurface metrics;
    const double lh11 = metrics.lineHeight();
    metrics.setFont(QStringLiteral("Courier New"), 12);
    const int results = run.find(QStringLiteral("Results"));
    ASSERT_GE(results, 0);
    EXPECT_NEAR(run.lines[results].y, 96 + 2 * lh11 + metrics.lineHeight(), 1e-3);
}

TEST(Report, KindsAreNumberedInOrderOfFirstAppearance) {
    Rendered run{listOf({{9, "5", "1", "1", "1", "", "90"},
                         {1, "6", "2", "1", "1", "", "100", "", "10"},
                         {9, "7", "3", "2", "1", "", "91"},
                         {20, "8", "4", "1", "1", "", "300", "50"}})};
    const auto frames = run.frames();
    ASSERT_EQ(frames.size(), 3);
    const QStringList titles = run.texts().filter(QStringLiteral("Figure  "));
    ASSERT_EQ(titles.size(), 3);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(titles[k - 1], Indent + "Figure  " + QString::number(k));

    // Fig 1 (kind 9) lists both spheres in list order, Fig 2 the disc, Fig 3 the torus.
    const int t1 = run.find(QStringLiteral("Figure  1"));
    const int t2 = run.find(QStringLiteral("Figure  2"));
    const int t3 = run.find(QStringLiteral("Figure  3"));
    ASSERT_TRUE(t1 >= 0 && t1 < t2 && t2 < t3);
    EXPECT_TRUE(run.lines[t1 + 1].text.endsWith(QStringLiteral("D      Inertia")));
    EXPECT_EQ(run.lines[t1 + 3].text.mid(10, 8), QStringLiteral(" 1     1"));
    EXPECT_EQ(run.lines[t1 + 3].text.mid(31, 2), QStringLiteral("90"));
    EXPECT_EQ(run.lines[t1 + 4].text.mid(31, 2), QStringLiteral("91"));
    EXPECT_EQ(t2 - t1, 5) << "two part lines in the first table";
    EXPECT_TRUE(run.lines[t2 + 1].text.endsWith(QStringLiteral("D      H    Inertia")));
    EXPECT_TRUE(run.lines[t3 + 1].text.endsWith(QStringLiteral("D      d      Inertia")));

    // Each figure is drawn inside its own cell, before the next frame.
    const auto& recs = run.page.records();
    for (int f = 0; f < 3; ++f) {
        const int begin = recs.indexOf(frames[f]);
        const int end = f + 1 < 3 ? recs.indexOf(frames[f + 1]) : recs.size();
        int drawn = 0;
        for (int i = begin + 1; i < end; ++i) {
            if (recs[i].kind != Kind::Line && recs[i].kind != Kind::Ellipse &&
                recs[i].kind != Kind::Arc)
                continue;
            ++drawn;
            EXPECT_GE(recs[i].a.x(), frames[f].a.x() - Eps);
            EXPECT_LE(recs[i].a.x(), frames[f].b.x() + Eps);
            EXPECT_GE(recs[i].a.y(), frames[f].a.y() - Eps);
            EXPECT_LE(recs[i].a.y(), frames[f].b.y() + Eps);
        }
        EXPECT_GT(drawn, 5) << "figure " << f + 1;
    }
}

TEST(Report, KindListComparesNumericValues) {
    EXPECT_EQ(ListeTypes(QStringList{"3", "3.0", "1", "03", " 3", "1"}), QStringList({"3", "1"}));
    EXPECT_EQ(ListeTypes(QStringList{"", "abc", "0", "2"}), QStringList({"", "2"}));
    EXPECT_TRUE(ListeTypes(QStringList{}).isEmpty());
    EXPECT_EQ(CodeFigure(QStringLiteral("3.0")), 3);
    EXPECT_EQ(CodeFigure(QStringLiteral("20")), 20);
    for (const char* other : {"", "abc", "0", "21", "3.5", "-1"})
        EXPECT_EQ(CodeFigure(QString::fromLatin1(other)), 0) << other;
}

TEST(Report, UnknownKindGetsAnEmptyFrameAndNoTable) {
    Rendered run{listOf({{0, "1", "1"}, {6, "2", "1", "1", "1", "", "50"}})};
    const auto frames = run.frames();
    ASSERT_EQ(frames.size(), 2);
    const auto& recs = run.page.records();
    const int first = recs.indexOf(frames[0]);
    const int second = recs.indexOf(frames[1]);
    for (int i = first + 1; i < second; ++i)
        EXPECT_TRUE(recs[i].kind == Kind::Point || recs[i].kind == Kind::Text) << i;
    const QStringList titles = run.texts().filter(QStringLiteral("Figure  "));
    ASSERT_EQ(titles.size(), 1);
    EXPECT_EQ(titles[0], Indent + "Figure  2");
}

TEST(Report, TotalLinesAlignAndUseTheMask) {
    PartsList list = listOf({{1, "1234.567", ".5", "1", "1", "", "", "", "", "-2.5", "."}});
    ASSERT_EQ(list.total(3), QStringLiteral("-2.5"));
    QStringList textes = reportTextes();
    textes[35] = QStringLiteral("M");
    textes[85] = QStringLiteral("Moment of inertia of every part, reduced to the axis");
    const QStringList lines = LignesTotaux(list, textes);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("M").leftJustified(30) + " =  1234.57 kg");
    EXPECT_EQ(lines[1], QStringLiteral("Moment of inertia of every par =  .50 kgm²"));
    EXPECT_EQ(lines[2], QStringLiteral("Friction torque").leftJustified(30) + " =  -2.50 Nm");
    EXPECT_EQ(lines[3], QStringLiteral("Working torque").leftJustified(30) + " =  .00 Nm");
    for (const QString& l : lines)
        EXPECT_EQ(l.indexOf(QStringLiteral(" =  ")), 30) << l;

    // In the report they are bold, after the indent, in this order.
    Rendered run{list};
    const int at = run.find(QStringLiteral("Total mass"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(run.lines[at + 1].text, Indent + "Total inertia" + QString(17, ' ') + " =  .50 kgm²");
    for (const Record& r : run.page.recordsOf(Kind::Text)) {
        if (r.text.startsWith(QStringLiteral("Total mass"))) {
            EXPECT_TRUE(r.bold);
        }
    }
}

TEST(Report, PageHeadingSetsDatePageWordAndNumberInPrintZones) {
    Rendered run{listOf({{1, "1", "1"}})};
    const QString date = DateCourte(Today);
    const QString head = run.lines[0].text;
    EXPECT_EQ(head.left(29), Indent + "Inertia calculation");
    // The title ends at column 29: the date goes to the zone at 42, the page word after it.
    EXPECT_EQ(head.indexOf(date), 42);
    const int pageAt = (42 + date.size()) / 14 * 14 + 14;
    EXPECT_EQ(head.mid(pageAt), QStringLiteral("Page  1 "));
    for (const Record& r : run.page.recordsOf(Kind::Text)) {
        if (r.page == 1 && r.a.y() < Eps) {
            EXPECT_EQ(r.bold, r.text == "Inertia calculation");
        }
    }
}

// Heading and units lines of several tables, character for character (after the indent).
struct TableCase {
    int code;
    const char* heading;
    const char* units;
};

class TableLines : public ::testing::TestWithParam<TableCase> {};

TEST_P(TableLines, HeadingAndUnitsLinesAreExact) {
    const TableCase c = GetParam();
    Rendered run{listOf({{c.code, "1", "1"}})};
    const int title = run.find(QStringLiteral("Figure  1"));
    ASSERT_GE(title, 0);
    EXPECT_EQ(run.lines[title + 1].text, Indent + QString::fromUtf8(c.heading));
    EXPECT_EQ(run.lines[title + 2].text, Indent + QString::fromUtf8(c.units));
}

INSTANTIATE_TEST_SUITE_P(
    Report, TableLines,
    ::testing::Values(TableCase{6, "Qty  Ratio      Mass    D      Inertia",
                                "     axis         kg    mm       kgm²"},
                      TableCase{8, "Qty  Ratio      Mass    D      H       N   Inertia",
                                "     axis         kg    mm     mm    sides  kgm²"},
                      TableCase{13, "Qty  Ratio      Mass  R      D      d      H    Inertia",
                                "     axis         kg    mm     mm     mm     mm     kgm²"},
                      TableCase{17, "Qty  Ratio      Mass    Inertia  Friction  Working",
                                "     axis       kg      kgm²     Nm        Nm"},
                      TableCase{18, "Qty  Ratio      M.Trans   M.Rot   f      D     Inertia",
                                "     axis         kg       kg           mm      kgm²"},
                      TableCase{19, "Qty  Ratio      Mass    R      ß    Inertia",
                                "     axis         kg    mm     deg    kgm²"}));

TEST(Report, PartLinesPlaceEachFieldAtItsColumn) {
    // A sphere: quantity 2, ratio 1, mass 12.5, D 80, inertia .01.
    Rendered sphere{listOf({{9, "12.5", ".01", "2", "1", "", "80"}})};
    const int t = sphere.find(QStringLiteral("Figure  1"));
    EXPECT_EQ(sphere.lines[t + 3].text, Indent + " 2     1      12.5   80       .01");

    // The conveyor prints its translating mass, line mass less rotating mass, without sign.
    Rendered conveyor{listOf({{18, "150", "2.5", "1", "1", "", "400", "30.5", ".2"}})};
    const int c = conveyor.find(QStringLiteral("Figure  1"));
    EXPECT_EQ(conveyor.lines[c + 3].text,
              Indent + " 1   1          119.5    30.5  .2     400     2.5");

    // Given values: the wider gaps before the third to sixth fields do not move them.
    Rendered given{listOf({{17, "3", "1.25", "4", "0.5", "", "", "", "", "2.5", "7"}})};
    const int g = given.find(QStringLiteral("Figure  1"));
    EXPECT_EQ(given.lines[g + 3].text, Indent + " 4     0.5      3.      1.25     2.5       7.");
}

TEST(Report, LongTextsAreCutWhereTheNextFieldStarts) {
    Rendered run{listOf({{6, "1", "1", "1234567890", "22", "", "123456789012"},
                         {20, "1", "1", "1234567890", "3", "", "80", "10"}})};
    const int d = run.find(QStringLiteral("Figure  1"));
    EXPECT_EQ(run.lines[d + 3].text, Indent + " 12345622     1.     1234567891.");
    const int dd = run.find(QStringLiteral("Figure  2"));
    EXPECT_EQ(run.lines[dd + 3].text.mid(10, 6), QStringLiteral(" 12343"));
}

TEST(Report, TableLineThatDoesNotFitOpensAPageWithItsHeading) {
    PartsList list;
    for (int i = 0; i < 80; ++i)
        list.add(lineOf({1, QString::number(i + 1), "1"}));
    Rendered run{list};
    ASSERT_GE(run.page.pageCount(), 2);
    const QString date = DateCourte(Today);
    for (int page = 1; page <= run.page.pageCount(); ++page) {
        QList<RecordingSurface::TextLine> onPage;
        for (const auto& l : run.lines)
            if (l.page == page) onPage.append(l);
        ASSERT_GE(onPage.size(), 2) << page;
        EXPECT_EQ(onPage[0].y, 0) << page;
        EXPECT_TRUE(onPage[0].text.startsWith(Indent + "Inertia calculation")) << page;
        EXPECT_TRUE(onPage[0].text.endsWith("Page " + QString(" %1 ").arg(page))) << page;
        EXPECT_TRUE(onPage[0].text.contains(date));
        if (page > 1) {
            // An empty line, then the part line that did not fit.
            EXPECT_NEAR(onPage[1].y, 2 * run.page.lineHeight(), 1e-3) << page;
            EXPECT_TRUE(onPage[1].text.startsWith(Indent + " 1     1")) << onPage[1].text;
        }
        for (const auto& l : onPage)
            EXPECT_LE(l.y + run.page.lineHeight(), 289 + 1e-6) << page;
    }
    // Every part line is printed once, none lost at a break.
    int parts = 0;
    for (const auto& l : run.lines)
        if (l.text.startsWith(Indent + " 1     1 ")) ++parts;
    EXPECT_EQ(parts, 80);
    // The break before the end of the job opens no page.
    EXPECT_EQ(run.page.records().last().page, run.page.pageCount());
    EXPECT_EQ(run.page.records().at(run.page.records().size() - 2).kind, Kind::NewPage);
}

TEST(Report, TwentyKindsPutTheSeventhRowOnANewPage) {
    Rendered run{allKinds()};
    const auto frames = run.frames();
    ASSERT_EQ(frames.size(), 20);
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(frames[i].page, 1) << i;
        EXPECT_EQ(frames[i].a, QPointF(10 + 65 * (i % 3), 10 + 48 * (i / 3))) << i;
    }
    for (int i = 18; i < 20; ++i) {
        EXPECT_EQ(frames[i].page, 2) << i;
        EXPECT_EQ(frames[i].a, QPointF(10 + 65 * (i % 3), 10)) << i;
    }
    // Page 2 opens with its heading, above the frames.
    int page2 = -1;
    for (int i = 0; i < run.lines.size() && page2 < 0; ++i)
        if (run.lines[i].page == 2) page2 = i;
    ASSERT_GE(page2, 0);
    EXPECT_EQ(run.lines[page2].y, 0);
    EXPECT_TRUE(run.lines[page2].text.endsWith(QStringLiteral("Page  2 ")));
    EXPECT_EQ(run.texts().filter(QStringLiteral("Figure  ")).size(), 20);

    // Every frame is drawn with the thin pen, whatever the figure before it left.
    for (const Record& f : frames)
        EXPECT_EQ(f.lineWidth, 1);
}

TEST(Report, ListIsOnlyRead) {
    const PartsList list = allKinds(2);
    RecordingSurface page;
    const QString before = list.total(1) + list.total(2) + list.cell(7, 6);
    ImprimeRapport(page, list, reportTextes(), Today);
    EXPECT_EQ(list.rowCount(), 41);
    EXPECT_EQ(list.total(1) + list.total(2) + list.cell(7, 6), before);
}

} // namespace
