// The report under a display with significant digits: the totals block and the result columns
// of every kind's table written from the exact results in the chosen units, every field whole
// and under its heading and unit.
#include "platform/recordingsurface.h"
#include "report/report.h"
#include "report_fixture.h"
#include "solids/units.h"

#include <QDate>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace ostrel;
using namespace ostrel::testing;

namespace {

const QDate Today(2026, 3, 14);
const DisplayChoice KgCm2{Digits::Significant4, MassUnit::Kg, InertiaUnit::KgCm2, TorqueUnit::NM};

// A line of kind code with exact results (kg, kg·m², N·m, N·m) and the captions Classic shows.
PartsList::Line exactLine(int code, std::array<double, 4> exact, const QString& qty = "1") {
    PartsList::Line line =
        lineOf({code, "0", ".", qty, "1", "12", "60", code == 18 ? "0.5" : "20", "10"});
    line.exact = exact;
    return line;
}

QStringList printed(const PartsList& list, const DisplayChoice& display) {
    RecordingSurface page;
    EXPECT_EQ(printReport(page, list, reportTexts(), Today, display), ReportStatus::Printed);
    return lineTexts(page);
}

// The lines of the table titled "Figure  k": heading, units, then the part lines.
QStringList table(const QStringList& lines, int k) {
    const qsizetype title = lines.indexOf(QStringLiteral("          Figure  %1").arg(k));
    if (title < 0) return {};
    QStringList out;
    for (qsizetype i = title + 1; i < lines.size(); ++i) {
        if (lines[i].trimmed().startsWith(QLatin1String("Figure"))) break;
        // A page break's heading is not part of the table.
        if (lines[i].trimmed().startsWith(QLatin1String("Inertia calculation"))) continue;
        if (!lines[i].trimmed().isEmpty()) out << lines[i];
    }
    return out;
}

TEST(ReportDisplay, TotalsAreTheExactSumsInTheChosenUnits) {
    PartsList list;
    // The servo axis: a 1 kg 60 mm disc and 500 kg on a 10 mm-lead screw.
    ASSERT_EQ(list.add(exactLine(1, {1, 4.5e-4, 0, 0}), PartsList::AddRule::Exact).kind,
              PartsList::AddOutcome::Kind::Added);
    ASSERT_EQ(
        list.add(exactLine(18, {500, 1.2665147955292222e-3, 0.25, 0}), PartsList::AddRule::Exact)
            .kind,
        PartsList::AddOutcome::Kind::Added);
    const QStringList texts = reportTexts();
    // Labels padded to the longest, "Friction torque".
    EXPECT_EQ(totalLines(list, texts, KgCm2),
              (QStringList{"Total mass      =  501.0 kg", "Total inertia   =  17.17 kg·cm²",
                           "Friction torque =  0.2500 N·m", "Working torque  =  0 N·m"}));
    // Classic: the totals of the cells with their mask, as always.
    EXPECT_TRUE(totalLines(list, texts)[1].endsWith(" =  .00 kgm²"));
}

// Every kind's table, with results from a few millionths to a million in their unit: each
// result is printed whole, and the first character of every field of every line stands in the
// column of its heading and unit.
TEST(ReportDisplay, EveryTableKeepsItsColumnsAlignedAndNothingCut) {
    PartsList list;
    for (int code = 1; code <= 20; ++code)
        for (const auto& [exact, qty] :
             {std::pair{std::array<double, 4>{0.4 * code, 3.0906e-5 * code, 0, 0}, "1"},
              {{12345.678 * code, 1.5811e-11 * code, code == 17 ? 1e6 : 0, code == 17 ? 2e-7 : 0},
               "250"}})
            ASSERT_EQ(list.add(exactLine(code, exact, qty), PartsList::AddRule::Exact).kind,
                      PartsList::AddOutcome::Kind::Added);
    for (const DisplayChoice& display :
         {KgCm2,
          DisplayChoice{Digits::Significant6, MassUnit::G, InertiaUnit::GCm2, TorqueUnit::LbfIn}}) {
        const QStringList lines = printed(list, display);
        for (int figure = 1; figure <= 20; ++figure) {
            const QStringList t = table(lines, figure);
            ASSERT_EQ(t.size(), 4) << "table " << figure;
            // Each result column: its unit and every value under its heading.
            // clang-format off
            for (const auto& [k, quantity, heading] :
                 {std::tuple{0, Quantity::Mass, "Mass"}, {1, Quantity::Inertia, "Inertia"},
                  {2, Quantity::Torque, "Friction"}, {3, Quantity::Torque, "Working"}}) {
                // clang-format on
                const qsizetype at = t[0].indexOf(QLatin1String(heading));
                ASSERT_TRUE(at > 0 || k != 1) << t[0].toStdString();
                if (at < 0) continue;
                const QString unit = display.symbol(quantity);
                EXPECT_EQ(t[1].mid(at, unit.size()), unit) << t[1].toStdString();
                for (int i : {0, 1}) { // kinds in list order, two rows each
                    const QString text =
                        display.format(list.exactValue(2 * figure - 1 + i, k), quantity);
                    EXPECT_EQ(t[2 + i].mid(at, text.size()), text) << t[2 + i].toStdString();
                }
            }
            // Two spaces at least between fields: no text runs into the next.
            EXPECT_FALSE(t[3].contains(QRegularExpression("E[-+]\\d\\d\\S"))) << t[3].toStdString();
        }
    }
}

// The conveyor's translating mass is the exact mass less the rotating mass: a light load whose
// classic mass cell reads 0 still prints its mass (0.8 − 0.5 kg).
TEST(ReportDisplay, ConveyorTranslatingMassComesFromTheExactMass) {
    PartsList list;
    ASSERT_EQ(list.add(exactLine(18, {0.8, 1e-5, 0, 0}), PartsList::AddRule::Exact).kind,
              PartsList::AddOutcome::Kind::Added);
    ASSERT_EQ(list.cell(1, 1), QStringLiteral("0"));
    const QStringList t = table(printed(list, KgCm2), 1);
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t[1].simplified(), QStringLiteral("axis kg kg mm kg·cm²"));
    EXPECT_EQ(t[2].simplified(), QStringLiteral("1 1 0.3000 0.5 10 60 0.1000"));
}

} // namespace
