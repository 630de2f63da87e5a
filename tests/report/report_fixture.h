// Shared pieces of the report suites: a parts list built through PartsList::add and the
// working-language texts the report reads.
#pragma once

#include "list/partslist.h"
#include "platform/recordingsurface.h"
#include "solids/calculation.h"
#include "testinputs.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <ostream>
#include <utility>

namespace ostrel::testing {

// One part line as the editor would hand it over.
struct Part {
    int code;
    QString mass;    // massResult
    QString inertia; // inertiaResult
    QString qty = "1", ratio = "1";
    QString r, d1, d2, h; // the dimensions R, D, d, H
    QString friction = ".", working = ".";
};

inline PartsList::Line lineOf(const Part& p) {
    PartsList::Line l;
    l.captions = {p.mass, p.inertia, p.friction, p.working};
    l.totalMass = true;
    l.texts = {p.qty, p.ratio, p.mass, p.r, p.d1, p.d2, p.h};
    l.code = p.code;
    return l;
}

inline PartsList listOf(std::initializer_list<Part> parts) {
    PartsList list;
    for (const Part& p : parts)
        list.add(lineOf(p));
    return list;
}

// English texts for the entries the report and its commands read; every other entry holds "E<n>".
inline QStringList reportTexts() {
    QStringList t;
    for (int k = 0; k <= 450; ++k)
        t.append(QStringLiteral("E%1").arg(k));
    // clang-format off
    const std::pair<int, const char*> english[] = {
        {9, "Mass"}, {11, "Working torque"}, {12, "Inertia calculator"}, {35, "Total mass"},
        {40, "Inertia"}, {41, "Friction"}, {42, "Working"}, {43, "The list is empty."},
        {66, "Page"}, {69, "Inertia calculation"}, {70, "Results"}, {71, "Friction torque"},
        {72, "Qty"}, {73, "Ratio"}, {74, "axis"}, {85, "Total inertia"}, {86, "Figure"},
        {439, "No printer. Save as PDF?"}, {440, "Save the report as PDF"},
        {441, "The report could not be written to this file:"}, {443, "PDF files (*.pdf)"}};
    // clang-format on
    for (const auto& [k, text] : english)
        t[k] = QString::fromUtf8(text);
    return t;
}

// One part of every kind with plausible cells, copies times over (quantity n in copy n).
inline PartsList allKinds(int copies = 1) {
    PartsList list;
    for (int n = 1; n <= copies; ++n)
        for (int code = 1; code <= 20; ++code)
            list.add(
                lineOf({code, QString::number(10 + code), QStringLiteral("0.%1").arg(code),
                        QString::number(n), "1", "100", "80", code == 18 ? "3.5" : "40", "25"}));
    return list;
}

// The text of each line a report printed, in order.
inline QStringList lineTexts(const RecordingSurface& page) {
    QStringList out;
    for (const auto& l : page.textLines())
        out << l.text;
    return out;
}

// One line of each mechanism (screw, rack, belt) as the editor hands it over: its inputs and
// the results calculatePart gives them, added under the exact rule (its small inertia shows
// as "." in Classic).
inline void addMechanisms(PartsList& list) {
    const char* const inputs[] = {"1|1|250|10|20|1000|7850|0.1|90|500|100",
                                  "2|2|400|100|40|7850|0.02|30|150",
                                  "2|3|12|0.8|60|30|2700|3|0.1|-30|20"};
    for (int code = 21; code <= 23; ++code) {
        PartsList::Line l;
        l.code = code;
        l.texts = inputTexts(inputs[code - 21]);
        const CalcOutcome out = calculatePart({code, true, l.texts});
        l.captions = out.captions;
        l.exact = out.values;
        list.add(l, PartsList::AddRule::Exact);
    }
}

} // namespace ostrel::testing
