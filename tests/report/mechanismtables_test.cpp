// The tables of the linear mechanisms: fixed columns in Classic, columns as wide as their texts
// with significant digits, and the smaller size that fits a wide table onto the page.
#include "platform/recordingsurface.h"
#include "report/mechanismtables.h"
#include "report_fixture.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace ostrel;
using namespace ostrel::testing;

namespace {

const QString Font = QStringLiteral("Courier New");

MechanismLine line(const char* texts, std::array<QString, 4> captions,
                   std::array<double, 4> exact = {}) {
    return {QString::fromUtf8(texts).split(u'|'), captions, exact};
}

// Where the fields of a line start: the columns at which a text follows a blank.
QList<int> starts(const QString& s) {
    QList<int> out;
    for (const QRegularExpressionMatch& m :
         QRegularExpression(QStringLiteral("\\S+")).globalMatch(s))
        out << int(m.capturedStart());
    return out;
}

TEST(MechanismTables, ClassicFieldsStartUnderTheirHeadingsAndLongValuesAreRoundedNotCut) {
    RecordingSurface page;
    const QStringList texts = reportTexts();
    const ReportContext ctx{page, texts, "14/03/2026"};
    const std::vector<MechanismLine> lines = {
        line("1|1|250|10|20|1000|7850|0.1|0|0|0", {"252", ".", ".39", "."}),
        line("12|3.5|1234.5678|5|32|1800|7850|0.05|90|250|600", {"4223", "1234.56", ".", "-4.13"})};
    const QStringList table = mechanismTableLines(ctx, 21, lines);
    ASSERT_EQ(table.size(), 4);
    EXPECT_EQ(table[0].simplified(), "Qty Ratio m P d L ρ μ θ F mc Mass Inertia Friction Working");
    EXPECT_EQ(table[1].simplified(), "axis kg mm mm mm kg/m³ E10 N kg kg kgm² Nm Nm");
    EXPECT_EQ(starts(table[2]), starts(table[0]));
    EXPECT_EQ(starts(table[3]), starts(table[0]));
    // The mass 1234.5678 kg has a room of five characters: rounded to 1235, never cut to 1234.
    EXPECT_EQ(table[3].simplified(),
              "12 3.5 1235 5 32 1800 7850 0.05 90 250 600 4223 1234.56 . -4.13");
    EXPECT_TRUE(mechanismTableLines(ctx, 20, lines).isEmpty());
}

TEST(MechanismTables, SignificantColumnsWidenToTheirWidestTextAndKeepEveryDigit) {
    RecordingSurface page;
    const QStringList texts = reportTexts();
    const ReportContext ctx{
        page, texts, "14/03/2026",
        DisplayChoice{Digits::Significant6, MassUnit::Kg, InertiaUnit::KgCm2, TorqueUnit::NM}};
    const std::vector<MechanismLine> lines = {
        line("1|1|400|100|40|7850|0.02|0|150", {}, {402.46615, 1.0030827, 3.924, 7.5}),
        line("2|2|400.000125|100|40|7850|0.02|90|0", {}, {804.93230, 0.50154134, 0, 196.2})};
    const QStringList table = mechanismTableLines(ctx, 22, lines);
    ASSERT_EQ(table.size(), 4);
    EXPECT_EQ(table[1].simplified(), "axis kg mm mm kg/m³ E10 N kg kg·cm² N·m N·m");
    EXPECT_EQ(starts(table[2]), starts(table[0]));
    EXPECT_EQ(starts(table[3]), starts(table[0]));
    EXPECT_EQ(table[3].simplified(),
              "2 2 400.000125 100 40 7850 0.02 90 0 804.932 5015.41 0 196.200");
}

// The texts of one page surface with the size they were printed in.
struct Printed {
    QString text;
    double x;
    double size;
    int page;
};
QList<Printed> texts(const RecordingSurface& page) {
    QList<Printed> out;
    for (const auto& r : page.recordsOf(RecordingSurface::Kind::Text))
        out << Printed{r.text, r.a.x(), r.fontSize, r.page};
    return out;
}

// A table too wide for the page is printed smaller, within the printable width, its quantity at
// the other tables' left edge; a page break inside it opens the next page with the heading at
// the report size, loses no part, and the report size comes back after the table. A table that
// fits keeps the report size.
TEST(MechanismTables, AWideTableShrinksToThePageAndReturnsToSizeAcrossPageBreaks) {
    RecordingSurface page(QSizeF(200, 60));
    page.setFont(Font, 11);
    const double indent = page.textWidth(QStringLiteral("          "));
    const QStringList strings = reportTexts();
    const ReportContext ctx{page, strings, "14/03/2026"};
    const std::vector<MechanismLine> screws(
        12, line("1|1|250|10|20|1000|7850|0.1|0|0|0", {"252", ".", ".39", "12345.67"}));
    ASSERT_TRUE(printMechanismTable(ctx, 21, 1, screws, Font, 11));
    page.print(QStringLiteral("after"));
    const QList<Printed> out = texts(page);
    ASSERT_GT(out.last().page, 1);
    EXPECT_EQ(out.last().size, 11); // the report size again
    int parts = 0;
    QSet<int> headed;
    for (const Printed& p : out) {
        if (p.text == QLatin1String("Inertia calculation")) {
            EXPECT_EQ(p.size, 11) << p.page;
            headed << p.page;
        }
        if (p.size == 11 || p.text.trimmed().isEmpty()) continue;
        RecordingSurface small;
        small.setFont(Font, p.size);
        EXPECT_LE(p.x + small.textWidth(p.text), page.printableWidth()) << p.text.toStdString();
        if (p.text.trimmed().startsWith(QLatin1String("axis"))) continue; // no quantity unit
        parts += p.text.trimmed().startsWith(QLatin1String("1 "));
        // The quantity starts one character of the report size after the ten-space indent,
        // give or take a character of the smaller size.
        const double first =
            p.x + small.textWidth(p.text.left(p.text.indexOf(QRegularExpression("\\S"))));
        EXPECT_NEAR(first, indent * 1.1, small.charWidth()) << p.text.toStdString();
    }
    EXPECT_EQ(parts, 12); // every part, none lost at a break
    for (int n = 2; n <= out.last().page; ++n)
        EXPECT_TRUE(headed.contains(n)) << "page " << n;

    RecordingSurface wide(QSizeF(300, 289));
    const ReportContext wideCtx{wide, strings, "14/03/2026"};
    wide.setFont(Font, 11);
    const std::vector<MechanismLine> racks = {line("1|1|400|100|40|7850|0.02|0|150", {})};
    ASSERT_TRUE(printMechanismTable(wideCtx, 22, 2, racks, Font, 11));
    for (const Printed& p : texts(wide))
        EXPECT_EQ(p.size, 11) << p.text.toStdString();
}

} // namespace
