// Small translation stores for the tests, written in a temporary folder with the generator's
// own writer, or as raw SQLite files for the faulty cases.
#pragma once

#include "langdb/translationsource.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace ostrel::testing {

using Cell = std::optional<QString>;

// dir/fileName with fields "Numero", "Uso" and the languages; texts[f][k] is entry k + 1 of
// language f.
QString writeStore(const QString& dir, const QString& fileName, const QStringList& languages,
                   const std::vector<std::vector<Cell>>& texts);
// n texts "<name> <k>".
std::vector<Cell> languageTexts(const QString& name, int n);
// A new SQLite file made by the statements.
QString writeRawDatabase(const QString& path, const QStringList& statements);
QString uniqueConnection();
QByteArray fileBytes(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

} // namespace ostrel::testing
