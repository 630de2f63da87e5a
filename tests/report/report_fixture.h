// Shared pieces of the report suites: a parts list built through PartsList::add and the
// working-language texts the report reads.
#pragma once

#include "app/partslist.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <ostream>

// Texts in test messages and failed comparisons.
inline std::ostream& operator<<(std::ostream& os, const QString& s) {
    return os << s.toStdString();
}
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace ostrel::testing {

// One part line as the editor would hand it over.
struct Part {
    int code;
    QString mass;    // Label14
    QString inertia; // Label17
    QString qty = QStringLiteral("1");
    QString ratio = QStringLiteral("1");
    QString r, d1, d2, h; // Text5 ... Text8 (R, D, d, H)
    QString friction = QStringLiteral(".");
    QString working = QStringLiteral(".");
};

inline PartsList::Line lineOf(const Part& p) {
    PartsList::Line l;
    l.captions = {p.mass, p.inertia, p.friction, p.working};
    l.masseTotale = true;
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

// English texts for the entries the report reads; every other entry holds "E<n>".
inline QStringList reportTextes() {
    QStringList t;
    for (int k = 0; k <= 450; ++k)
        t.append(QStringLiteral("E%1").arg(k));
    t[9] = QStringLiteral("Mass");
    t[10] = QStringLiteral("deg");
    t[11] = QStringLiteral("Working torque");
    t[12] = QStringLiteral("Inertia calculator");
    t[35] = QStringLiteral("Total mass");
    t[40] = QStringLiteral("Inertia");
    t[41] = QStringLiteral("Friction");
    t[42] = QStringLiteral("Working");
    t[43] = QStringLiteral("The list is empty.");
    t[66] = QStringLiteral("Page");
    t[69] = QStringLiteral("Inertia calculation");
    t[70] = QStringLiteral("Results");
    t[71] = QStringLiteral("Friction torque");
    t[72] = QStringLiteral("Qty");
    t[73] = QStringLiteral("Ratio");
    t[74] = QStringLiteral("axis");
    t[85] = QStringLiteral("Total inertia");
    t[86] = QStringLiteral("Figure");
    t[436] = QStringLiteral("sides");
    return t;
}

// One part of every kind, with plausible cells.
inline PartsList allKinds(int copies = 1) {
    PartsList list;
    for (int n = 0; n < copies; ++n)
        for (int code = 1; code <= 20; ++code) {
            Part p{code, QString::number(10 + code), QStringLiteral("0.%1").arg(code)};
            p.qty = QString::number(n + 1);
            p.r = QStringLiteral("100");
            p.d1 = QStringLiteral("80");
            p.d2 = QStringLiteral("40");
            p.h = QStringLiteral("25");
            if (code == 18) p.d2 = QStringLiteral("3.5");
            list.add(lineOf(p));
        }
    return list;
}

} // namespace ostrel::testing
