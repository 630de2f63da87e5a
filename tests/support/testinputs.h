// Helpers shared by the core suites: readable failures of texts and of parameterised cases,
// a part's input boxes written "quantity|ratio|mass|R|D|d|H" (or a mechanism's inputs in
// declaration order), and working-language texts that name their entry.
#pragma once

#include "solids/calculation.h"

#include <QStringList>
#include <cctype>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace ostrel::testing {

inline InputTexts inputTexts(const char* texts) {
    InputTexts out;
    const QStringList t = QString::fromUtf8(texts).split(u'|');
    for (qsizetype i = 0; i < t.size() && i < qsizetype(MaxInputs); ++i)
        out[std::size_t(i)] = t[i];
    return out;
}

inline CalcOutcome calculate(int code, bool totalMass, const char* texts) {
    return calculatePart({code, totalMass, inputTexts(texts)});
}

// Texts "#<entry>" for entries 0 ... count - 1: a row shows which entry it printed.
inline QStringList numberedTexts(int count = 800) {
    QStringList t;
    for (int i = 0; i < count; ++i)
        t << QStringLiteral("#%1").arg(i);
    return t;
}

// Both absent, or both present and equal within a relative tolerance (an absolute one below 1).
inline void expectNear(const char* what, const std::optional<double>& got,
                       const std::optional<double>& want, double tolerance = 1e-6) {
    ASSERT_EQ(got.has_value(), want.has_value()) << what;
    if (want) {
        EXPECT_NEAR(*got, *want, tolerance * std::max(1.0, std::abs(*want))) << what;
    }
}

// The name of a parameterised case: its row's name, letters and digits only.
template <class Row> std::string rowName(const ::testing::TestParamInfo<Row>& info) {
    std::string name = info.param.name;
    for (char& c : name)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

} // namespace ostrel::testing
