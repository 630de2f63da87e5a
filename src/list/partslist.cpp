#include "list/partslist.h"

#include "solids/kinds.h"
#include "solids/numbertext.h"

#include <cmath>
#include <limits>

namespace ostrel {

namespace {

constexpr int MessageEntryRefusal1 = 346;
constexpr int MessageEntryRefusal2 = 347;

// Masks of the four result cells.
constexpr const char16_t* ResultMasks[4] = {u"#####.###", u"#####.###", u"#####.##", u"#####.##"};

const QString TrueText = QStringLiteral("True");
const QString FalseText = QStringLiteral("False");

// Every result cell holds at most three decimals, so every exact sum of cells does too. A
// total is kept as the double nearest to that exact sum: the sum in doubles is brought back
// to three decimals before it is written. Without this, adding and taking back rows leaves
// residues (2.8E-17 instead of 0) and the totals drift from the rows they sum. Beyond 1E12
// there are no three decimals left to restore in a double, and the sum is kept as it is.
double roundedTotal(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 1e12) return value;
    const double rounded = std::round(value * 1000.0) / 1000.0;
    return rounded + 0.0; // -0 becomes 0
}

QString resultCell(double value, int k) {
    if (value == 0) return QStringLiteral("0");
    return formatWithMask(value, QStringView(ResultMasks[k]));
}

// The kind code stored in cell 14, as kind code (a 16-bit integer) takes it. A text whose
// number does not fit gives 0, which sets no kind up.
int codeFromCell(const QString& text) {
    const double value = std::nearbyint(readNumber(text));
    if (!std::isfinite(value) || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        return 0;
    return static_cast<int>(value);
}

// Whether the product of the four values is negative, judged on their signs so that neither
// an overflow nor an underflow of the product can change the answer.
bool productNegative(const std::array<double, 4>& values) {
    int negatives = 0;
    for (double v : values) {
        if (v == 0) return false;
        if (v < 0) ++negatives;
    }
    return negatives % 2 == 1;
}

const QString& emptyText() {
    static const QString empty;
    return empty;
}

} // namespace

PartsList::PartsList(const QStringList& headings, const QString& totalsCaption) {
    rows_.emplace_back();
    setHeadings(designHeadings());
    setHeadings(headings);
    totals_[0] = totalsCaption;
}

QStringList PartsList::designHeadings() {
    return {QStringLiteral("M. Tot"),  QStringLiteral("Inertie"), QStringLiteral("Friction"),
            QStringLiteral("Travail"), QStringLiteral("T M"),     QStringLiteral("Qté"),
            QStringLiteral("Ap/In"),   QStringLiteral("U. M."),   QStringLiteral("µ"),
            QStringLiteral("R"),       QStringLiteral("D"),       QStringLiteral("d"),
            QStringLiteral("H"),       QStringLiteral("N")};
}

QStringList PartsList::headings(const QStringList& texts) {
    // Entries of cells 1 ... 14: mass, inertia, friction, working torque, mass mode, quantity,
    // ratio, mass or density (two entries), none for the multiplier µ and the four letters,
    // kind code.
    constexpr int Entries[14] = {9, 40, 41, 42, 35, 72, 612, -1, 0, 0, 0, 0, 0, 613};
    QStringList headings = designHeadings();
    for (int i = 0; i < 14; ++i) {
        QString text = Entries[i] > 0 ? texts.value(Entries[i]) : QString();
        if (Entries[i] < 0 && !texts.value(9).isEmpty() && !texts.value(36).isEmpty())
            text = texts.value(9) + QStringLiteral(" | ") + texts.value(36);
        if (!text.isEmpty()) headings[i] = text;
    }
    return headings;
}

void PartsList::setHeadings(const QStringList& headings) {
    for (int column = 1; column < ColumnCount && column - 1 < headings.size(); ++column)
        rows_[0].cells[column] = headings[column - 1];
}

void PartsList::setTotalsCaption(const QString& caption) {
    totals_[0] = caption;
}

int PartsList::rowCount() const {
    return static_cast<int>(rows_.size());
}

const QString& PartsList::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount) return emptyText();
    return rows_[row].cells[column];
}

int PartsList::image(int row) const {
    if (row < 0 || row >= rowCount()) return 0;
    return rows_[row].image;
}

const QString& PartsList::total(int column) const {
    if (column < 0 || column >= TotalsCount) return emptyText();
    return totals_[column];
}

PartsList::PreparedAdd PartsList::prepareAdd(const Line& line, AddRule rule) const {
    PreparedAdd prepared;
    AddOutcome& outcome = prepared.outcome;

    std::array<double, 4> results{};
    double sum = 0;
    for (int k = 0; k < 4; ++k) {
        results[k] = readNumber(line.captions[k]);
        sum += results[k];
    }
    const std::array<double, 4> exact = line.exact ? *line.exact : results;
    bool anyExact = false;
    for (double v : exact) {
        if (!std::isfinite(v)) {
            outcome.kind = AddOutcome::Kind::Ignored;
            return prepared;
        }
        anyExact = anyExact || v != 0;
    }
    if (rule == AddRule::Exact ? !anyExact : sum == 0) {
        outcome.kind = AddOutcome::Kind::Ignored;
        return prepared;
    }

    std::array<QString, 4> cells;
    std::array<double, 4> cellValues{};
    double cellSum = 0;
    for (int k = 0; k < 4; ++k) {
        cells[k] = resultCell(results[k], k);
        cellValues[k] = readNumber(cells[k]);
        cellSum += cellValues[k];
    }
    // Under the classic rule a row is taken back only when its cells do not sum to 0; a line
    // whose results vanish once written with the masks (a mass of 0.0004 kg) would stay in
    // the list for good. Under the exact rule its exact results let it be taken back.
    if (rule == AddRule::Classic && cellSum == 0) {
        outcome.kind = AddOutcome::Kind::Ignored;
        return prepared;
    }

    std::array<double, 4> newTotals{};
    std::array<double, 4> newExact{};
    bool finite = true;
    for (int k = 0; k < 4; ++k) {
        newTotals[k] = roundedTotal(readNumber(totals_[k + 1]) + cellValues[k]);
        newExact[k] = exactTotal(k) + exact[k];
        finite = finite && std::isfinite(newTotals[k]) && std::isfinite(newExact[k]);
    }

    // A total beyond the range of a double could never be read back or taken back: the line
    // is refused like one that would make the totals inconsistent. The exact rule judges the
    // signs on the exact totals, which the cells may show as 0.
    if (!finite || productNegative(rule == AddRule::Exact ? newExact : newTotals)) {
        outcome.kind = AddOutcome::Kind::Refused;
        outcome.message = {MessagePiece{MessageEntryRefusal1, {}},
                           MessagePiece{MessageEntryRefusal2, {}}};
        outcome.icon = MessageIcon::Exclamation;
        return prepared;
    }

    outcome.kind = AddOutcome::Kind::Added;
    for (int k = 0; k < 4; ++k)
        prepared.totals[k] = generalText(newTotals[k]);

    Row& row = prepared.row;
    row.image = line.image;
    row.exact = exact;
    for (int k = 0; k < 4; ++k)
        row.cells[1 + k] = cells[k];
    row.cells[6] = line.texts[0];
    row.cells[7] = line.texts[1];
    row.cells[9] = QStringLiteral("1");
    row.cells[14] = QString::number(line.code); // decimal digits, no locale involved
    if (isMechanism(line.code)) {
        // Every input kept by its place in the mechanism's declaration; the cells show the
        // quantity and the ratio.
        const std::size_t count = kindInputs(line.code).size();
        row.inputs.reserve(qsizetype(count));
        for (std::size_t i = 0; i < count; ++i)
            row.inputs << line.texts[i];
        return prepared;
    }
    row.cells[5] = line.totalMass ? TrueText : FalseText;
    row.cells[8] = line.texts[2];
    for (int k = 0; k < 4; ++k)
        row.cells[10 + k] = line.texts[3 + k];
    return prepared;
}

void PartsList::commitAdd(PreparedAdd prepared) {
    if (prepared.outcome.kind != AddOutcome::Kind::Added) return;
    for (int k = 0; k < 4; ++k)
        totals_[k + 1] = std::move(prepared.totals[k]);
    addToExactTotals(prepared.row.exact);
    rows_.push_back(std::move(prepared.row));
}

PartsList::AddOutcome PartsList::add(const Line& line, AddRule rule) {
    PreparedAdd prepared = prepareAdd(line, rule);
    AddOutcome outcome = prepared.outcome;
    commitAdd(std::move(prepared));
    return outcome;
}

bool PartsList::canTakeBack(int row) const {
    // The heading row is never a part, whatever its texts read as.
    if (row < 1 || row >= rowCount()) return false;
    double sum = 0;
    for (int k = 1; k <= 4; ++k)
        sum += readNumber(rows_[row].cells[k]);
    if (sum != 0) return true;
    for (double v : rows_[row].exact)
        if (v != 0) return true;
    return false;
}

const QStringList& PartsList::inputs(int row) const {
    static const QStringList none;
    if (row < 1 || row >= rowCount()) return none;
    return rows_[size_t(row)].inputs;
}

double PartsList::exactValue(int row, int k) const {
    if (row < 1 || row >= rowCount() || k < 0 || k >= 4) return 0;
    return rows_[row].exact[k];
}

double PartsList::exactTotal(int k) const {
    if (k < 0 || k >= 4) return 0;
    return (exactSum_[k] + exactCompensation_[k]) + 0.0;
}

void PartsList::addToExactTotals(const std::array<double, 4>& values) {
    // Neumaier's variant of Kahan summation: the low-order part lost by each addition is
    // collected in the compensation, whichever of the two terms is larger.
    for (int k = 0; k < 4; ++k) {
        const double sum = exactSum_[k];
        const double value = values[k];
        const double t = sum + value;
        if (std::fabs(sum) >= std::fabs(value))
            exactCompensation_[k] += (sum - t) + value;
        else
            exactCompensation_[k] += (value - t) + sum;
        exactSum_[k] = t;
    }
}

void PartsList::recomputeExactTotals() {
    exactSum_ = {};
    exactCompensation_ = {};
    for (size_t r = 1; r < rows_.size(); ++r)
        addToExactTotals(rows_[r].exact);
}

std::optional<PartsList::TakenBack> PartsList::takeBack(int row) {
    if (!canTakeBack(row)) return std::nullopt;
    const Row& taken = rows_[row];

    for (int k = 1; k <= 4; ++k) {
        const double value = readNumber(taken.cells[k]);
        totals_[k] = generalText(roundedTotal(readNumber(totals_[k]) - value));
    }

    TakenBack back;
    back.code = codeFromCell(taken.cells[14]);
    back.image = taken.image;
    back.totalMass = taken.cells[5] == TrueText;
    back.quantity = taken.cells[6];
    back.ratio = taken.cells[7];
    // The mass or density goes back as it was typed. It was stored before any reduction to
    // the axis, so dividing it by the ratio would give a wrong mass or density.
    back.mass = taken.cells[8];
    for (int k = 0; k < 4; ++k)
        back.dimensions[k] = taken.cells[10 + k];
    back.inputs = taken.inputs;

    rows_.erase(rows_.begin() + row);
    // A subtraction would leave the rounding of every earlier addition behind: the exact
    // totals are summed again from the rows that remain.
    recomputeExactTotals();
    return back;
}

std::optional<PartsList::Row> PartsList::row(int listRow) const {
    if (listRow < 1 || listRow >= rowCount()) return std::nullopt;
    return rows_[static_cast<size_t>(listRow)];
}

bool PartsList::canInsertRow(int listRow, const Row& row) const {
    if (listRow < 1 || listRow > rowCount()) return false;
    for (int k = 0; k < 4; ++k) {
        if (!std::isfinite(
                roundedTotal(readNumber(totals_[k + 1]) + readNumber(row.cells[k + 1]))) ||
            !std::isfinite(exactTotal(k) + row.exact[k]))
            return false;
    }
    return true;
}

bool PartsList::insertRow(int listRow, Row row) {
    if (!canInsertRow(listRow, row)) return false;
    for (int k = 1; k <= 4; ++k)
        totals_[k] = generalText(roundedTotal(readNumber(totals_[k]) + readNumber(row.cells[k])));
    const bool atEnd = listRow == rowCount();
    rows_.insert(rows_.begin() + listRow, std::move(row));
    // At the end the running sums go on as an add's do; elsewhere the order of the terms
    // changed and the sums are taken again.
    if (atEnd)
        addToExactTotals(rows_.back().exact);
    else
        recomputeExactTotals();
    return true;
}

std::optional<PartsList::Row> PartsList::removeRow(int listRow) {
    if (listRow < 1 || listRow >= rowCount()) return std::nullopt;
    Row removed = std::move(rows_[static_cast<size_t>(listRow)]);
    rows_.erase(rows_.begin() + listRow);
    for (int k = 1; k <= 4; ++k) {
        const double value = readNumber(removed.cells[k]);
        totals_[k] = generalText(roundedTotal(readNumber(totals_[k]) - value));
    }
    recomputeExactTotals();
    return removed;
}

void PartsList::replaceParts(const PartsList& other) {
    if (&other == this) return;
    const Row headings = rows_[0];
    const QString caption = totals_[0];
    rows_ = other.rows_;
    rows_[0] = headings;
    totals_ = other.totals_;
    totals_[0] = caption;
    exactSum_ = other.exactSum_;
    exactCompensation_ = other.exactCompensation_;
}

} // namespace ostrel
