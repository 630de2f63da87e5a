// The parts list as text for other programs: CSV (RFC 4180, UTF-8, "." decimals, CRLF) for a
// file, and tab-separated text for the clipboard. Inputs appear exactly as typed, results as
// the exact values (the shortest text that reads back as the same double): in the units of
// the display choice in the CSV (SI with Classic digits), in SI units on the clipboard.
#pragma once

#include "list/partslist.h"
#include "solids/units.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

namespace ostrel {

// The texts of the export that a language may change. Empty texts take the design ones: the
// caption of the kind column "Kind", the list's own headings, and the kind names of the
// catalogue's design captions.
struct ExportLabels {
    QString kindHeading;
    std::array<QString, 23> kindNames; // index = code - 1: the solids, then the mechanisms
    // Headings of the list columns 1 ... 14 (index = column - 1) for the export.
    std::array<QString, 14> headings;
};

// The labels of a working language (its texts by entry number): the kind names of the kind
// buttons' hints (the menu captions without their access keys for a kind without a hint),
// the result, quantity, ratio and mass-mode headings of the report, and the kind code's heading.
ExportLabels exportLabels(const QStringList& texts);

// One line per part row and the totals line, with a header line of headings and units. The
// results are written in display's units, every digit kept (the digits choice does not round
// them); the header names the units. When the list holds mechanisms, their inputs follow the
// results, one column per input name with its unit ("lead (mm)"), in the order of the
// mechanisms' declarations; a line fills the columns of its own inputs.
QByteArray csvText(const PartsList& list, const ExportLabels& labels = {},
                   const DisplayChoice& display = {});

// The same columns as tab-separated text with a header line: the given part rows (1-based
// rows of the list, in the order given; rows that do not exist are skipped), or every row
// and the totals line when rows is empty. Lines end with "\n".
QString copyText(const PartsList& list, const std::vector<int>& rows = {},
                 const ExportLabels& labels = {});

// The exact number text of the exports: shortest round-trip form, "." decimals, no locale.
QString exactText(double value);

} // namespace ostrel
