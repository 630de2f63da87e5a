#include "list/csvexport.h"
#include "list/projectfile.h"
#include "testinputs.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

using namespace ostrel;

namespace {

ProjectLine line(int code, bool totalMass, const char* texts) {
    return {code, totalMass, ostrel::testing::inputTexts(texts), {}};
}

// A disc in density mode and given values (friction and working torque) in total-mass mode.
PartsList twoLines() {
    Project project;
    project.lines = {line(1, false, "1|1|7850||1000||100"), line(17, true, "2|2||12.5|3|4.2|")};
    PartsList list({"Mass", "Inertia", "Friction", "Working", "Mode", "Qty", "Ratio", "Mass/ρ", "µ",
                    "R", "D", "d", "H", "Kind"},
                   QStringLiteral("Totals"));
    fillList(list, project);
    return list;
}

// That a comma locale changes nothing is the command line's test, the program run under de_DE.
TEST(CsvExport, WritesAHeaderWithUnitsOneRowPerLineAndTheExactTotals) {
    const QByteArray expected =
        "Kind,Kind,Mode,Qty,Ratio,Mass/\xcf\x81,R,D,d,H,Mass (kg),Inertia (kg\xc2\xb7m\xc2\xb2),"
        "Friction (N\xc2\xb7m),Working (N\xc2\xb7m)\r\n"
        "Plateau,1,False,1,1,7850,,1000,,100,616.5375582669969,77.06719478337462,0,0\r\n"
        "Valeurs donn\xc3\xa9"
        "es,17,True,2,2,,12.5,3,4.2,,0,6.25,3,4.2\r\n"
        "Totals,,,,,,,,,,616.5375582669969,83.31719478337462,3,4.2\r\n";
    const PartsList list = twoLines();
    EXPECT_EQ(csvText(list).toStdString(), expected.toStdString());
}

// With units chosen the header names them and the results and totals are in them, every digit
// of the value kept; the inputs stay as typed.
TEST(CsvExport, ResultsFollowTheChosenUnits) {
    const DisplayChoice units{Digits::Significant4, MassUnit::G, InertiaUnit::KgCm2,
                              TorqueUnit::NCm};
    const QStringList lines = QString::fromUtf8(csvText(twoLines(), {}, units)).split("\r\n");
    EXPECT_TRUE(lines[0].endsWith("Mass (g),Inertia (kg·cm²),Friction (N·cm),Working (N·cm)"));
    EXPECT_TRUE(lines[1].endsWith(",7850,,1000,,100,616537.558266997,770671.9478337462,0,0"));
    EXPECT_TRUE(lines[3].endsWith(",616537.558266997,833171.9478337462,300,420"));
}

// A list with mechanisms: after the results, one column for each of their own inputs named by
// its key with its unit; a line fills the columns of its inputs, quantity and ratio go in their
// own columns. The copied text of a belt line alone has the belt's columns only.
TEST(CsvExport, MechanismLinesCarryEveryInputByNameWithItsUnit) {
    const char* const screw = "1|1|250|10|20|1000|7850|0.1|90|500|100";
    const char* const belt = "2|3|12|0.8|60|30|2700|2|0.1|-30|20";
    Project project;
    project.lines = {line(1, false, "1|1|7850||1000||100"), line(21, true, screw),
                     line(23, true, belt)};
    PartsList list;
    fillList(list, project);
    const QStringList lines = QString::fromUtf8(csvText(list)).split("\r\n");
    EXPECT_EQ(
        lines[0].split(',').mid(14),
        (QStringList{"mass (kg)", "lead (mm)", "screwDiameter (mm)", "screwLength (mm)",
                     "density (kg/m³)", "friction", "angle (°)", "force (N)", "counterweight (kg)",
                     "beltMass (kg)", "pulleyDiameter (mm)", "pulleyWidth (mm)", "pulleys"}));
    EXPECT_EQ(lines[1].split(',').mid(14), QStringList(13)); // the disc
    EXPECT_EQ(lines[2].split(',').mid(3, 2), QStringList({"1", "1"}));
    EXPECT_EQ(lines[2].split(',').mid(14).join('|'), QString(screw).mid(4) + "||||");
    EXPECT_EQ(lines[3].split(',').mid(14), (QStringList{"12", "", "", "", "2700", "0.1", "-30",
                                                        "20", "", "0.8", "60", "30", "2"}));
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(lines[3].split(',')[10 + k], exactText(list.exactValue(3, k)));
    EXPECT_EQ(lines[4].split(',').size(), 27); // the totals
    const QStringList copied = copyText(list, {3}).split('\n');
    EXPECT_EQ(copied[0].split('\t').mid(14),
              (QStringList{"mass (kg)", "beltMass (kg)", "pulleyDiameter (mm)", "pulleyWidth (mm)",
                           "density (kg/m³)", "pulleys", "friction", "angle (°)", "force (N)"}));
    EXPECT_EQ(copied[1].split('\t').mid(14).join('|'), QString(belt).mid(4));
}

TEST(CsvExport, CellsAreQuotedAndGuardedAsTheyNeed) {
    // clang-format off
    const struct { const char *text, *csv, *tab; } rows[] = {
        {"-5", "-5", "-5"}, {"+1.5E3", "+1.5E3", "+1.5E3"}, // a number stays a number
        {"1,5", "\"1,5\"", "1,5"}, {"say \"hi\"", "\"say \"\"hi\"\"\"", "say \"hi\""},
        {"a\nb", "\"a\nb\"", "a b"}, {"a\tb", "a\tb", "a b"},
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\"", "'=HYPERLINK(\"x\")"},
        {"@SUM(A1)", "'@SUM(A1)", "'@SUM(A1)"}, {"-1+cmd", "'-1+cmd", "'-1+cmd"}};
    // clang-format on
    for (const auto& row : rows) {
        // Dimension 1 is not used by a disc: any text survives there as typed.
        Project project;
        project.lines = {line(1, false, "1|1|7850||1000||100")};
        project.lines[0].texts[3] = QString::fromUtf8(row.text);
        PartsList list;
        fillList(list, project);
        const QByteArray csv = csvText(list);
        EXPECT_TRUE(csv.contains(QByteArray("\r\nPlateau,1,False,1,1,7850,") + row.csv + ",1000,"))
            << row.text << " -> " << csv.toStdString();
        const QStringList tabLines = copyText(list, {1}).split(u'\n');
        EXPECT_EQ(tabLines.at(1).split(u'\t').at(6), QString::fromUtf8(row.tab)) << row.text;
    }
}

TEST(CsvExport, ExactTextsAreTheShortestThatReadBackTheSame) {
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {0.0, "0"},         {-0.0, "0"},     {1.0 / 3.0, "0.3333333333333333"},
        {1e-300, "1e-300"}, {1e21, "1e+21"}, {123456789012345678.0, "123456789012345680"}};
    for (const Row& row : rows)
        EXPECT_EQ(exactText(row.value), QString::fromLatin1(row.text)) << row.text;

    std::mt19937_64 random(12);
    std::uniform_real_distribution<double> exponent(-300, 300);
    for (int i = 0; i < 2000; ++i) {
        const double value = std::pow(10.0, exponent(random)) * (i % 2 ? -1 : 1);
        bool ok = false;
        EXPECT_EQ(QLocale::c().toDouble(exactText(value), &ok), value);
        EXPECT_TRUE(ok);
    }
}

TEST(CopyText, GivesTheChosenRowsOrEverythingWithTheTotals) {
    const PartsList list = twoLines();
    const std::pair<std::vector<int>, const char*> rows[] = {
        {{}, "Kind|Plateau|Valeurs données|Totals"},
        {{2, 1}, "Kind|Valeurs données|Plateau"}, // in the order given
        {{0, 1, 3, -1}, "Kind|Plateau"}};         // the heading row and missing rows skipped
    for (const auto& [chosen, firstCells] : rows) {
        const QString text = copyText(list, chosen);
        ASSERT_TRUE(text.endsWith('\n')) << firstCells; // every line ends with one
        QStringList first;
        for (const QString& line : text.chopped(1).split('\n')) {
            EXPECT_EQ(line.count('\t'), 13) << line.toStdString();
            first << line.section('\t', 0, 0);
        }
        EXPECT_EQ(first.join('|'), QString::fromUtf8(firstCells));
    }
}

} // namespace
