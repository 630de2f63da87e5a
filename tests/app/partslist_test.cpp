#include "app/partslist.h"
#include "solids/numbertext.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <random>

// Readable failures: QString as its text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

using ostrel::PartsList;
using Kind = PartsList::AddOutcome::Kind;

namespace {

// A disc line: mass 617 kg, inertia 77.07 kg·m², no torques.
PartsList::Line discLine() {
    PartsList::Line line;
    line.captions = {"617", "77.07", ".", "."};
    line.masseTotale = false;
    line.texts = {"1", "1", "7850", "", "1000", "", "100"};
    line.code = 1;
    line.image = 6;
    return line;
}

PartsList::Line resultsLine(const QString& m, const QString& j, const QString& tf,
                            const QString& tw) {
    PartsList::Line line;
    line.captions = {m, j, tf, tw};
    line.texts = {"1", "1", "10", "", "", "", ""};
    line.code = 18;
    line.image = 21;
    return line;
}

QStringList totals(const PartsList& list) {
    return {list.total(1), list.total(2), list.total(3), list.total(4)};
}

QStringList cells(const PartsList& list, int row, int first, int last) {
    QStringList out;
    for (int c = first; c <= last; ++c)
        out << list.cell(row, c);
    return out;
}

} // namespace

TEST(PartsList, StartsWithHeadingRowAndEmptyTotals) {
    PartsList design;
    EXPECT_EQ(design.rowCount(), 1);
    EXPECT_EQ(design.partCount(), 0);
    EXPECT_EQ(cells(design, 0, 1, 14),
              QStringList({"M. Tot", "Inertie", "Friction", "Travail", "T M", "Qté", "Ap/In",
                           "U. M.", "µ", "R", "D", "d", "H", "N"}));
    EXPECT_EQ(totals(design), QStringList({"", "", "", ""}));

    PartsList translated({"M. Tot", "Inertia", "Friction torque", "Working torque"}, "Totals");
    EXPECT_EQ(cells(translated, 0, 1, 5),
              QStringList({"M. Tot", "Inertia", "Friction torque", "Working torque", "T M"}));
    EXPECT_EQ(translated.total(0), "Totals");

    translated.setHeadings({"a", "b"});
    EXPECT_EQ(cells(translated, 0, 1, 3), QStringList({"a", "b", "Friction torque"}));
}

TEST(PartsList, OutOfRangeCellsReadEmpty) {
    PartsList list;
    EXPECT_EQ(list.cell(-1, 1), "");
    EXPECT_EQ(list.cell(1, 1), "");
    EXPECT_EQ(list.cell(0, 15), "");
    EXPECT_EQ(list.total(5), "");
    EXPECT_EQ(list.image(7), 0);
}

TEST(PartsList, DiscLineFillsTheRowAndTotals) {
    PartsList list;
    const auto outcome = list.add(discLine());
    ASSERT_EQ(outcome.kind, Kind::Added);
    EXPECT_TRUE(outcome.message.empty());
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(cells(list, 1, 1, 14), QStringList({"617.", "77.07", "0", "0", "False", "1", "1",
                                                  "7850", "1", "", "1000", "", "100", "1"}));
    EXPECT_EQ(list.cell(1, 0), "");
    EXPECT_EQ(list.image(1), 6);
    EXPECT_EQ(totals(list), QStringList({"617", "77.07", "0", "0"}));
}

TEST(PartsList, TwoAddsAndOneTakeBack) {
    PartsList list;
    ASSERT_EQ(list.add(discLine()).kind, Kind::Added);
    ASSERT_EQ(list.add(discLine()).kind, Kind::Added);
    EXPECT_EQ(totals(list), QStringList({"1234", "154.14", "0", "0"}));

    ASSERT_TRUE(list.takeBack(1).has_value());
    EXPECT_EQ(totals(list), QStringList({"617", "77.07", "0", "0"}));
    EXPECT_EQ(list.rowCount(), 2);
}

struct CellCase {
    const char* name;
    std::array<QString, 4> captions;
    std::array<QString, 4> expectedCells;
};

void PrintTo(const CellCase& c, std::ostream* os) {
    *os << c.name;
}

class ResultCells : public testing::TestWithParam<CellCase> {};

TEST_P(ResultCells, AreWrittenWithTheirMasksOrZero) {
    const CellCase& c = GetParam();
    PartsList list;
    const auto line = resultsLine(c.captions[0], c.captions[1], c.captions[2], c.captions[3]);
    ASSERT_EQ(list.add(line).kind, Kind::Added);
    EXPECT_EQ(cells(list, 1, 1, 4), QStringList(c.expectedCells.begin(), c.expectedCells.end()));
    // Each total is the cell just written, read back.
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(list.total(k), ostrel::texteGeneral(ostrel::LireNombre(list.cell(1, k))));
}

INSTANTIATE_TEST_SUITE_P(
    PartsList, ResultCells,
    testing::Values(
        CellCase{"wholeMass", {"12", "", "", ""}, {"12.", "0", "0", "0"}},
        CellCase{"threeDecimals",
                 {"1.2345", "0.0005", "3.456", "2.005"},
                 {"1.235", ".001", "3.46", "2.01"}},
        CellCase{"conveyor", {"40", "1.5", "12.25", "30"}, {"40.", "1.5", "12.25", "30."}},
        CellCase{"emptyCaptionsReadZero", {"", "2.5", "", "x"}, {"0", "2.5", "0", "0"}}),
    [](const testing::TestParamInfo<CellCase>& info) { return info.param.name; });

TEST(PartsList, LinesThatSumToZeroAreIgnored) {
    const std::array<std::array<QString, 4>, 4> captions = {{
        {".", ".", ".", "."},
        {"", "", "", ""},
        {"5", "", "", "-5"},    // results that cancel
        {"0.0004", "", "", ""}, // a result that the mask writes as nothing
    }};
    for (const auto& c : captions) {
        PartsList list;
        const auto outcome = list.add(resultsLine(c[0], c[1], c[2], c[3]));
        EXPECT_EQ(outcome.kind, Kind::Ignored) << c[0].toStdString();
        EXPECT_TRUE(outcome.message.empty());
        EXPECT_EQ(list.rowCount(), 1);
        EXPECT_EQ(totals(list), QStringList({"", "", "", ""}));
    }
}

TEST(PartsList, LineMakingTheTotalsProductNegativeIsRefused) {
    PartsList list;
    ASSERT_EQ(list.add(resultsLine("10", "1", "2", "3")).kind, Kind::Added);

    const auto outcome = list.add(resultsLine("1", "1", "1", "-5"));
    EXPECT_EQ(outcome.kind, Kind::Refused);
    ASSERT_EQ(outcome.message.size(), 2u);
    EXPECT_EQ(outcome.message[0].entry, 346);
    EXPECT_EQ(outcome.message[1].entry, 347);
    EXPECT_EQ(outcome.icon, ostrel::MessageIcon::Exclamation);
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(totals(list), QStringList({"10", "1", "2", "3"}));

    // A negative torque that keeps a positive product, or a zero total, is accepted.
    EXPECT_EQ(list.add(resultsLine("1", "1", "1", "-1")).kind, Kind::Added);
    EXPECT_EQ(totals(list), QStringList({"11", "2", "3", "2"}));
    PartsList empty;
    EXPECT_EQ(empty.add(resultsLine("1", "1", "", "-5")).kind, Kind::Added);
}

TEST(PartsList, TotalsThatWouldOverflowAreRefused) {
    PartsList list;
    ASSERT_EQ(list.add(resultsLine("1E308", "", "", "")).kind, Kind::Added);
    const QStringList before = totals(list);
    EXPECT_EQ(list.add(resultsLine("1.5E308", "", "", "")).kind, Kind::Refused);
    EXPECT_EQ(totals(list), before);
    EXPECT_EQ(list.rowCount(), 2);
    ASSERT_TRUE(list.takeBack(1).has_value());
    EXPECT_EQ(list.total(1), "0");
}

TEST(PartsList, TakeBackReturnsWhatTheEditorNeeds) {
    PartsList list;
    PartsList::Line line = discLine();
    line.masseTotale = true;
    line.texts = {"3", "2", "100", "r", "1000", "d", "100"};
    line.code = 18;
    line.image = 21;
    ASSERT_EQ(list.add(line).kind, Kind::Added);
    ASSERT_EQ(list.add(discLine()).kind, Kind::Added);

    const auto back = list.takeBack(1);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->code, 18);
    EXPECT_EQ(back->image, 21);
    EXPECT_TRUE(back->masseTotale);
    EXPECT_EQ(back->quantite, "3");
    EXPECT_EQ(back->rapport, "2");
    // The mass goes back as typed, not divided by the ratio of 2.
    EXPECT_EQ(back->masse, "100");
    EXPECT_EQ(back->dims, (std::array<QString, 4>{"r", "1000", "d", "100"}));

    // The row below moved up.
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.cell(1, 14), "1");
    const auto disc = list.takeBack(1);
    ASSERT_TRUE(disc.has_value());
    EXPECT_FALSE(disc->masseTotale);
    EXPECT_EQ(disc->masse, "7850");
}

TEST(PartsList, TakeBackSurvivesOddTexts) {
    PartsList list;
    PartsList::Line line = resultsLine("5", "", "", "");
    line.texts = {"abc", "0", "&H", "", "1E999", "-", "."};
    line.code = 70000; // beyond a 16-bit kind code
    ASSERT_EQ(list.add(line).kind, Kind::Added);
    line.texts[1] = "";
    line.code = -3;
    ASSERT_EQ(list.add(line).kind, Kind::Added);

    const auto first = list.takeBack(1);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->code, 0);
    EXPECT_EQ(first->rapport, "0");
    EXPECT_EQ(first->masse, "&H");
    EXPECT_EQ(first->quantite, "abc");
    const auto second = list.takeBack(1);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->code, -3);
    EXPECT_EQ(second->rapport, "");
    EXPECT_EQ(totals(list), QStringList({"0", "0", "0", "0"}));
}

TEST(PartsList, HeadingRowAndMissingRowsAreNeverTakenBack) {
    // Headings that read as numbers still make no part row.
    PartsList list({"1", "2", "3", "4"});
    ASSERT_EQ(list.add(discLine()).kind, Kind::Added);
    for (int row : {0, -1, 2, 100}) {
        EXPECT_FALSE(list.canTakeBack(row)) << row;
        EXPECT_FALSE(list.takeBack(row).has_value()) << row;
    }
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.cell(0, 1), "1");
    EXPECT_EQ(totals(list), QStringList({"617", "77.07", "0", "0"}));
}

TEST(PartsList, TakingEveryRowBackLeavesNoResidue) {
    PartsList list;
    for (const char* m : {"0.1", "0.2", "0.3", "0.7"})
        ASSERT_EQ(list.add(resultsLine(m, m, m, m)).kind, Kind::Added);
    EXPECT_EQ(totals(list), QStringList({"1.3", "1.3", "1.3", "1.3"}));
    while (list.partCount() > 0)
        ASSERT_TRUE(list.takeBack(list.partCount()).has_value());
    EXPECT_EQ(totals(list), QStringList({"0", "0", "0", "0"}));

    // A total that comes back to 0 from below reads "0", not "-0".
    ASSERT_EQ(list.add(resultsLine("1", "1", "", "-0.1")).kind, Kind::Added);
    ASSERT_TRUE(list.takeBack(1).has_value());
    EXPECT_EQ(list.total(4), "0");
}

namespace {

// Thousandths of a cell read back; every cell holds at most three decimals.
long long thousandths(const QString& cell) {
    return std::llround(ostrel::LireNombre(cell) * 1000.0);
}

QString randomCaption(std::mt19937& random, int maxWhole, int decimals, bool allowNegative) {
    std::uniform_int_distribution<int> pick(0, 9);
    const int kind = pick(random);
    if (kind == 0) return QStringLiteral(".");
    if (kind == 1) return QStringLiteral("0");
    std::uniform_int_distribution<int> whole(0, maxWhole);
    std::uniform_int_distribution<int> fraction(0, decimals == 2 ? 99 : 9999);
    QString text = QString::number(whole(random));
    if (decimals > 0)
        text += "." + QString::number(fraction(random)).rightJustified(decimals == 2 ? 2 : 4, '0');
    if (allowNegative && kind == 2) text.prepend('-');
    return text;
}

} // namespace

TEST(PartsList, TotalsNeverDriftFromTheRows) {
    std::mt19937 random(20261206);
    for (int sequence = 0; sequence < 200; ++sequence) {
        PartsList list;
        std::uniform_int_distribution<int> steps(1, 60);
        const int count = steps(random);
        for (int step = 0; step < count; ++step) {
            std::uniform_int_distribution<int> what(0, 9);
            if (what(random) < 6 || list.partCount() == 0) {
                // Captions carry up to four decimals, more than the cells keep.
                list.add(resultsLine(
                    randomCaption(random, 5000, 4, false), randomCaption(random, 800, 4, false),
                    randomCaption(random, 300, 2, true), randomCaption(random, 300, 2, true)));
            } else {
                std::uniform_int_distribution<int> row(1, list.partCount());
                list.takeBack(row(random));
            }
            for (int k = 1; k <= 4; ++k) {
                long long sum = 0;
                for (int r = 1; r < list.rowCount(); ++r)
                    sum += thousandths(list.cell(r, k));
                const QString expected =
                    list.partCount() == 0 && list.total(k).isEmpty()
                        ? QString()
                        : ostrel::texteGeneral(static_cast<double>(sum) / 1000.0);
                ASSERT_EQ(list.total(k), expected)
                    << "sequence " << sequence << " step " << step << " column " << k;
            }
        }
        while (list.partCount() > 0)
            ASSERT_TRUE(list.takeBack(1).has_value()) << "sequence " << sequence;
        for (int k = 1; k <= 4; ++k) {
            if (!list.total(k).isEmpty()) {
                EXPECT_EQ(list.total(k), "0") << "sequence " << sequence << " column " << k;
            }
        }
    }
}
