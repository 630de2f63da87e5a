// The parts list's models under a display choice: result cells, headings and totals written
// from the exact results in significant digits and units, re-formatted at once on a change,
// and the classic cells untouched.
#include "list/partslistmodel.h"
#include "list/totalsmodel.h"
#include "testinputs.h"

#include <gtest/gtest.h>

using namespace ostrel;
using Kind = PartsList::AddOutcome::Kind;

namespace {

const DisplayChoice kKgCm2{Digits::Significant4, MassUnit::Kg, InertiaUnit::KgCm2, TorqueUnit::NM};

// The editor's line of a computed part: classic captions and exact values.
PartsList::Line computed(int code, bool totalMass, const char* texts) {
    PartsList::Line line;
    line.texts = ostrel::testing::inputTexts(texts);
    const CalcOutcome out = calculatePart({code, totalMass, line.texts});
    line.captions = out.captions;
    line.exact = out.values;
    line.totalMass = totalMass;
    line.code = code;
    return line;
}

// The result columns 1 ... 4 of a model's row, or its headings for row -1.
QStringList results(const QAbstractItemModel& m, int r) {
    QStringList out;
    for (int c = 1; c <= 4; ++c)
        out << (r < 0 ? m.headerData(c, Qt::Horizontal) : m.data(m.index(r, c))).toString();
    return out;
}

// A 20 x 1000 mm steel shaft at ratio 2, a 1 kg 60 mm disc and 500 kg on a 10 mm-lead screw
// entered as a conveyor: what the list shows of the shaft, the totals and the headings under
// each display. Classic shows the masks' cells and totals of those cells (the inertia of a
// servo axis is 0) and names its SI units too.
TEST(ListDisplay, WritesCellsHeadingsAndTotals) {
    // clang-format off
    const struct { DisplayChoice display; QStringList shaft, totals, headings; } rows[] = {
        {{},
         {"2.", "0", "0", "0"},
         {"503", "0", "0", "0"},
         {"M. Tot kg", "Inertie kg·m²", "Friction N·m", "Travail N·m"}},
        {kKgCm2,
         {"2.472", "0.3091", "0", "0"},
         {"503.5", "17.47", "0", "0"},
         {"M. Tot kg", "Inertie kg·cm²", "Friction N·m", "Travail N·m"}},
        {{Digits::Significant6, MassUnit::G, InertiaUnit::KgMm2, TorqueUnit::NCm},
         {"2472.43", "30.9054", "0", "0"},
         {"503472", "1747.42", "0", "0"},
         {"M. Tot g", "Inertie kg·mm²", "Friction N·cm", "Travail N·cm"}},
    };
    // clang-format on
    for (const auto& r : rows) {
        PartsList list(PartsList::designHeadings());
        PartsListModel parts(list);
        TotalsModel sums(parts);
        const auto rule =
            r.display.classic() ? PartsList::AddRule::Classic : PartsList::AddRule::Exact;
        parts.setDisplay(r.display);
        for (const auto& [code, total, texts] : {std::tuple{1, false, "1|2|7870||20||1000"},
                                                 {1, true, "1|1|1||60||"},
                                                 {18, true, "1|1|500||3.183098861837907||0"}})
            ASSERT_EQ(parts.add(computed(code, total, texts), rule).kind, Kind::Added) << texts;
        EXPECT_EQ(results(parts, 0), r.shaft);
        EXPECT_EQ(results(sums, 0), r.totals);
        EXPECT_EQ(results(parts, -1), r.headings);
    }
}

// A change of display re-formats every result cell and total (the announcements are the model
// suite's); switching back shows exactly the classic cells and totals.
TEST(ListDisplay, ReformatsEverythingAtOnceAndComesBackToClassic) {
    PartsList list(PartsList::designHeadings());
    PartsListModel parts(list);
    TotalsModel sums(parts);
    // Before any line, the totals line shows nothing in any display.
    parts.setDisplay(kKgCm2);
    EXPECT_EQ(results(sums, 0), (QStringList{"", "", "", ""}));
    parts.setDisplay({});
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(parts.add(computed(1, true, "1|1|1||600||")).kind, Kind::Added);
    const QStringList classicRow = results(parts, 4);
    const QStringList classicTotals = results(sums, 0);

    parts.setDisplay(kKgCm2);
    EXPECT_EQ(results(parts, 4), (QStringList{"1.000", "450.0", "0", "0"}));
    EXPECT_EQ(results(sums, 0), (QStringList{"5.000", "2250", "0", "0"}));
    parts.setDisplay({});
    EXPECT_EQ(results(parts, 4), classicRow);
    EXPECT_EQ(results(sums, 0), classicTotals);
    EXPECT_EQ(list.cell(5, 2), classicRow[1]); // the list's own cells never changed
    // Other columns and roles are the list's, whatever the display.
    parts.setDisplay(kKgCm2);
    EXPECT_EQ(parts.data(parts.index(0, 11)).toString(), "600");
    EXPECT_EQ(sums.data(sums.index(0, 0)).toString(), list.total(0));
}

} // namespace
