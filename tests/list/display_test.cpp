// The parts list's models under a display choice: result cells, headings and totals written
// from the exact results in significant digits and units, re-formatted at once on a change,
// and the classic cells untouched.
#include "list/partslistmodel.h"
#include "list/totalsmodel.h"
#include "solids/calculation.h"
#include "solids/numbertext.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>

using ostrel::Digits;
using ostrel::DisplayChoice;
using ostrel::InertiaUnit;
using ostrel::MassUnit;
using ostrel::PartsList;
using ostrel::Quantity;
using ostrel::TorqueUnit;
using Kind = PartsList::AddOutcome::Kind;

namespace {

const DisplayChoice kKgCm2{Digits::Significant4, MassUnit::Kg, InertiaUnit::KgCm2, TorqueUnit::NM};

// The editor's line of a computed part: classic captions and exact values.
PartsList::Line computed(int code, bool totalMass, const char* texts) {
    ostrel::CalcInputs in{code, totalMass, {}};
    const QStringList t = QString::fromUtf8(texts).split(u'|');
    for (qsizetype i = 0; i < 7 && i < t.size(); ++i)
        in.texts[size_t(i)] = t[i];
    const ostrel::CalcOutcome out = ostrel::calculatePart(in);
    PartsList::Line line;
    line.captions = out.captions;
    line.exact = out.values;
    line.totalMass = totalMass;
    for (size_t i = 0; i < 7; ++i)
        line.texts[i] = in.texts[i];
    line.code = code;
    return line;
}

QStringList row(const ostrel::PartsListModel& m, int r) {
    QStringList out;
    for (int c = 1; c <= 4; ++c)
        out << m.data(m.index(r, c)).toString();
    return out;
}

QStringList totals(const ostrel::TotalsModel& t) {
    QStringList out;
    for (int c = 1; c <= 4; ++c)
        out << t.data(t.index(0, c)).toString();
    return out;
}

QStringList headings(const ostrel::PartsListModel& m) {
    QStringList out;
    for (int c = 1; c <= 4; ++c)
        out << m.headerData(c, Qt::Horizontal).toString();
    return out;
}

struct DisplayRow {
    const char* name;
    DisplayChoice display;
    QStringList firstRow; // the shaft
    QStringList totals;   // shaft + disc + screw load
    QStringList headings;
};

// Readable test names and failures: the row's name.
void PrintTo(const DisplayRow& row, std::ostream* os) {
    *os << row.name;
}

class ListDisplay : public ::testing::TestWithParam<DisplayRow> {};

// A 20 x 1000 mm steel shaft at ratio 2, a 1 kg 60 mm disc and 500 kg on a 10 mm-lead screw
// entered as a conveyor: what the list shows of them under each display.
TEST_P(ListDisplay, WritesCellsHeadingsAndTotals) {
    const DisplayRow& r = GetParam();
    PartsList list(PartsList::designHeadings());
    ostrel::PartsListModel parts(list);
    ostrel::TotalsModel sums(parts);
    const auto rule = r.display.classic() ? PartsList::AddRule::Classic : PartsList::AddRule::Exact;
    parts.setDisplay(r.display);
    const Kind shaft = parts.add(computed(1, false, "1|2|7870||20||1000"), rule).kind;
    ASSERT_EQ(parts.add(computed(1, true, "1|1|1||60||"), rule).kind, Kind::Added);
    ASSERT_EQ(parts.add(computed(18, true, "1|1|500||3.183098861837907||0"), rule).kind,
              Kind::Added);
    ASSERT_EQ(shaft, Kind::Added);
    EXPECT_EQ(row(parts, 0), r.firstRow);
    EXPECT_EQ(totals(sums), r.totals);
    EXPECT_EQ(headings(parts), r.headings);
}

// Classic names its SI units too.
const QStringList kClassicHeadings = {"M. Tot kg", "Inertie kg·m²", "Friction N·m", "Travail N·m"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Displays, ListDisplay, ::testing::Values(
    // Classic: the masks' cells, and totals of those cells (the inertia of a servo axis is 0).
    DisplayRow{"Classic", {}, {"2.", "0", "0", "0"}, {"503", "0", "0", "0"}, kClassicHeadings},
    DisplayRow{"KgCm2", kKgCm2,
               {"2.472", "0.3091", "0", "0"}, {"503.5", "17.47", "0", "0"},
               {"M. Tot kg", "Inertie kg·cm²", "Friction N·m", "Travail N·m"}},
    DisplayRow{"SixDigitsGramsAndKgMm2",
               {Digits::Significant6, MassUnit::G, InertiaUnit::KgMm2, TorqueUnit::NCm},
               {"2472.43", "30.9054", "0", "0"}, {"503472", "1747.42", "0", "0"},
               {"M. Tot g", "Inertie kg·mm²", "Friction N·cm", "Travail N·cm"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A change of display re-formats every result cell, heading and total at once, with one
// announcement of each; switching back shows exactly the classic cells and totals.
TEST(ListDisplay, ReformatsEverythingAtOnceAndComesBackToClassic) {
    PartsList list(PartsList::designHeadings());
    ostrel::PartsListModel parts(list);
    ostrel::TotalsModel sums(parts);
    // Before any line, the totals line shows nothing in any display.
    parts.setDisplay(kKgCm2);
    EXPECT_EQ(totals(sums), (QStringList{"", "", "", ""}));
    parts.setDisplay({});
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(parts.add(computed(1, true, "1|1|1||600||")).kind, Kind::Added);
    const QStringList classicRow = row(parts, 4);
    const QStringList classicTotals = totals(sums);

    std::vector<std::pair<QModelIndex, QModelIndex>> cells;
    int heads = 0, sumCells = 0, inserted = 0;
    QObject::connect(
        &parts, &QAbstractItemModel::dataChanged,
        [&cells](const QModelIndex& a, const QModelIndex& b) { cells.emplace_back(a, b); });
    QObject::connect(&parts, &QAbstractItemModel::headerDataChanged, [&heads] { ++heads; });
    QObject::connect(&sums, &QAbstractItemModel::dataChanged, [&sumCells] { ++sumCells; });
    QObject::connect(&parts, &QAbstractItemModel::rowsInserted, [&inserted] { ++inserted; });
    parts.setDisplay(kKgCm2);
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0].first, parts.index(0, 1));
    EXPECT_EQ(cells[0].second, parts.index(4, 4));
    EXPECT_EQ(heads, 1);
    EXPECT_EQ(sumCells, 1);
    EXPECT_EQ(inserted, 0);
    EXPECT_EQ(row(parts, 4), (QStringList{"1.000", "450.0", "0", "0"}));
    EXPECT_EQ(totals(sums), (QStringList{"5.000", "2250", "0", "0"}));
    // The same choice again announces nothing.
    parts.setDisplay(kKgCm2);
    EXPECT_EQ(cells.size(), 1u);

    parts.setDisplay({});
    EXPECT_EQ(row(parts, 4), classicRow);
    EXPECT_EQ(totals(sums), classicTotals);
    EXPECT_EQ(list.cell(5, 2), classicRow[1]); // the list's own cells never changed
    // Other columns and roles are the list's, whatever the display.
    parts.setDisplay(kKgCm2);
    EXPECT_EQ(parts.data(parts.index(0, 11)).toString(), "600");
    EXPECT_EQ(sums.data(sums.index(0, 0)).toString(), list.total(0));
}

} // namespace
