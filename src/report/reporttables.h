// The tables of the report: one table per kind present, listing every part row of that kind in
// fixed-width text columns under a heading line and a units line. Twelve procedures serve the
// twenty kinds, grouped by the dimension columns they show.
#pragma once

#include "report/report.h"

namespace ostrel {

// Translation entries of the tables' headings and units.
namespace TableEntry {
constexpr int Mass = 9;
constexpr int Degrees = 10;
constexpr int Inertia = 40;
constexpr int FrictionTorque = 41;
constexpr int WorkingTorque = 42;
constexpr int Quantity = 72;
constexpr int Ratio = 73;
constexpr int Axis = 74;
constexpr int Figure = 86;
constexpr int Sides = 436;
} // namespace TableEntry

class PartsList;

// The first w characters of s followed by n spaces (s cut or padded to exactly w).
QString pad(const QString& s, int n, int w);

// A field's text within width characters, so that the reader never sees a different number:
// a text that fits stays as it is; a decimal number whose whole part fits is rounded (halves
// away from zero) to the decimals that fit; anything else becomes width "#".
QString fitField(const QString& text, int width);

// An empty line, then "<entry 86> <k with its sign space>" underlined and bold.
void printTableTitle(const ReportContext& ctx, int k);

// Each prints the table of figure k for the part rows 1 ... rows whose kind cell reads kind.
void printTableDH(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows);
void printTableDdH(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows);
void printTableD(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows);
void printTableDHN(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows);
void printTableRDH(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows);
void printTableRDdH(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows);
void printTableRD(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows);
void printTableR(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows);
void printGivenValuesTable(const ReportContext& ctx, const PartsList& list, int k, double kind,
                           int rows);
void printConveyorTable(const ReportContext& ctx, const PartsList& list, int k, double kind,
                        int rows);
void printUnbalancedMassTable(const ReportContext& ctx, const PartsList& list, int k, double kind,
                              int rows);
void printTableDd(const ReportContext& ctx, const PartsList& list, int k, double kind, int rows);

// Prints the table of kind code (1 ... 20) and returns true; any other code prints nothing.
bool printKindTable(const ReportContext& ctx, const PartsList& list, int code, int k, double kind,
                    int rows);

} // namespace ostrel
