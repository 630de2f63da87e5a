// The report tables of the linear mechanisms (kinds 21 to 23): a heading line and a units line,
// then one line per part with its quantity, ratio, every input of its kind as typed and its four
// results. The Classic display puts every field at a fixed column, each value fitted to its room
// (fitField) so that no number changes; the significant display makes each column as wide as its
// widest text, heading and unit included. These tables are wider than the solids': when a
// table's widest line does not fit the printable width, the table is printed in a smaller size
// of the report font (the columns stay aligned, the left edge stays that of the other tables).
#pragma once

#include "report/report.h"

#include <QStringList>
#include <array>
#include <span>
#include <vector>

namespace ostrel {

class PartsList;

// One part line of a mechanism, as the list holds it.
struct MechanismLine {
    QStringList texts;               // quantity, ratio and the kind's inputs, in declaration order
    std::array<QString, 4> captions; // the classic results: mass, inertia, friction, working torque
    std::array<double, 4> exact{};   // the exact results behind them (kg, kg·m², N·m, N·m)
};

// The lines of the part rows 1 ... rows of list whose kind cell reads kind: their inputs, their
// classic result cells and their exact results.
std::vector<MechanismLine> mechanismLines(const PartsList& list, double kind, int rows);

// The heading line, the units line and one line per part of the table of code, as printed after
// the ten-space indent; empty for a code that is no mechanism.
QStringList mechanismTableLines(const ReportContext& ctx, int code,
                                std::span<const MechanismLine> lines);

// Prints the table of figure k for the parts of the mechanism of code (title, empty line,
// heading, units, empty line, part lines); fontName and fontSize are the report font the
// table returns to. False, and nothing printed, for a code that is no mechanism.
bool printMechanismTable(const ReportContext& ctx, int code, int k,
                         std::span<const MechanismLine> lines, const QString& fontName,
                         double fontSize);

} // namespace ostrel
