// The parts list as plain data: the rows of partsTable (row 0 the headings, parts from row 1) and
// the totals line of totalsTable. The grids are views of it and the report reads it; there is no
// other copy. Beside the classic cell texts each row keeps its exact results (doubles, as
// computed), and the list keeps their exact totals, so that any other display of the results
// is formatted from exact values and never from rounded text.
#pragma once

#include "solids/calculation.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace ostrel {

class PartsList {
public:
    static constexpr int ColumnCount = 15; // partsTable columns 0 ... 14
    static constexpr int TotalsCount = 5;  // totalsTable columns 0 ... 4

    // The heading row: cells 1 ... 14 as the list shows them, and the totals caption.
    PartsList(const QStringList& headings = {}, const QString& totalsCaption = {});

    int rowCount() const; // Rows of partsTable, the heading row included
    const QString& cell(int row, int column) const;
    int image(int row) const; // picture of cell (row, 0): toolbar image number, 0 none
    const QString& total(int column) const; // totalsTable row 0, columns 0 ... 4

    // What the editor holds when the add button is clicked.
    struct Line {
        std::array<QString, 4> captions; // massResult, inertiaResult, frictionResult, workingResult
        bool totalMass = true;
        InputTexts texts; // the input boxes in InputBox order; a mechanism's inputs
        int code = 0;     // kind code
        int image = 0;    // kindIcon: toolbar image number
        // The exact results behind the captions (kg, kg·m², N·m, N·m). Without them the
        // captions read back stand for the exact values.
        std::optional<std::array<double, 4>> exact;
    };
    // Which results decide whether a line is added. Classic: the captions as the masks show
    // them (a line whose captions and cells all read 0 is ignored). Exact: the exact results
    // (a line with any non-zero exact result is added, whatever its captions show).
    enum class AddRule { Classic, Exact };
    struct AddOutcome {
        enum class Kind { Added, Ignored, Refused } kind = Kind::Ignored;
        std::vector<MessagePiece> message; // the refusal (entries 346 then 347)
        MessageIcon icon = MessageIcon::Exclamation;
    };
    AddOutcome add(const Line& line, AddRule rule = AddRule::Classic);

    // What the editor gets back when a row is taken back (the row is then gone).
    struct TakenBack {
        int code = 0;
        int image = 0;
        bool totalMass = true;
        QString quantity;                  // cell 6
        QString ratio;                     // cell 7
        QString mass;                      // cell 8, unchanged
        std::array<QString, 4> dimensions; // cells 10 ... 13
        QStringList inputs;                // a mechanism's inputs, in declaration order
    };
    // Takes row back out of the list; nothing when the row's results sum to 0 (the heading
    // row among them) or the row does not exist.
    std::optional<TakenBack> takeBack(int row);

    // ---- Additions for the models and the window ----

    // One row of partsTable: fourteen texts (cell 0 stays empty) and the picture of cell 0.
    // A mechanism's row shows its quantity and ratio (cells 6 and 7) and keeps every input
    // beside the cells; its mode, mass and dimension cells stay empty.
    struct Row {
        std::array<QString, ColumnCount> cells;
        int image = 0;
        std::array<double, 4> exact{}; // the exact results of cells 1 ... 4
        QStringList inputs;            // a mechanism's inputs in declaration order; else empty
    };

    // The add in two steps, for a model that must announce a new row before it appears:
    // prepareAdd judges the line and builds the new totals and row without touching the list;
    // commitAdd applies a preparation whose outcome is Added (anything else is ignored).
    // add() is prepareAdd followed by commitAdd.
    struct PreparedAdd {
        AddOutcome outcome;
        std::array<QString, 4> totals; // the new cells 1 ... 4 of totalsTable
        Row row;
    };
    PreparedAdd prepareAdd(const Line& line, AddRule rule = AddRule::Classic) const;
    void commitAdd(PreparedAdd prepared);

    // Whether takeBack(row) would take the row back: a part row whose cells do not sum to 0 or
    // that has a non-zero exact result.
    bool canTakeBack(int row) const;

    // The inputs of a mechanism's row in declaration order (empty for a solid's row, the
    // heading row or a row that does not exist).
    const QStringList& inputs(int row) const;

    // The exact result k (0 mass, 1 inertia, 2 friction, 3 working torque) of a row, 0 for
    // the heading row or a row that does not exist.
    double exactValue(int row, int k) const;
    // The sum of the exact results k of every part row (compensated summation: as close to the
    // true sum as a double gets, whatever the order of adds and take-backs).
    double exactTotal(int k) const;

    // Number of part rows (rowCount() - 1).
    int partCount() const { return rowCount() - 1; }

    // ---- Row operations for undo and redo ----

    // A copy of a part row (1 ... partCount()), or nothing for the heading row or a row that
    // does not exist.
    std::optional<Row> row(int listRow) const;
    // Puts a row back at listRow (1 ... rowCount(); rowCount() appends it): the classic totals
    // take its cells as an add does, the exact totals are summed again in row order. False,
    // and nothing changes, for a position outside the list or non-finite new totals.
    bool insertRow(int listRow, Row row);
    bool canInsertRow(int listRow, const Row& row) const;
    // Removes a part row whatever its cells read and gives it back: the classic totals lose its
    // cells as a take-back does, the exact totals are summed again from the rows that remain.
    std::optional<Row> removeRow(int listRow);
    // Everything but the headings and the totals caption: the parts, the classic totals and the
    // exact totals, as another list holds them.
    void replaceParts(const PartsList& other);

    // The heading texts of row 0, cells 1 ... 14 (missing texts leave a cell as it is), and the
    // caption of the totals line. Neither touches the parts or the totals.
    void setHeadings(const QStringList& headings);
    void setTotalsCaption(const QString& caption);

    // The design headings of cells 1 ... 14, shown until the translated ones are set.
    static QStringList designHeadings();
    // The headings of cells 1 ... 14 in a language (its texts by entry number): words, without
    // units; an entry the language lacks keeps the design heading.
    static QStringList headings(const QStringList& texts);

private:
    void addToExactTotals(const std::array<double, 4>& values);
    void recomputeExactTotals();

    std::vector<Row> rows_;
    std::array<QString, TotalsCount> totals_;
    // Neumaier sums of the exact results: running sum and its compensation.
    std::array<double, 4> exactSum_{};
    std::array<double, 4> exactCompensation_{};
};

} // namespace ostrel
