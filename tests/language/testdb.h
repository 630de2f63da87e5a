// Small translation stores for the tests, written in a temporary folder with the generator's
// own writer, and raw SQLite files for the faulty cases.
#pragma once

#include "langdb/translationsource.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <ostream>
#include <vector>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace ostrel::testing {

using Cell = std::optional<QString>;

// A store with fields "Numero", "Uso" and the given languages; texts[f][k] is entry k + 1 of
// language f. Returns the file path.
QString writeStore(const QString& dir, const QString& fileName, const QStringList& languages,
                   const std::vector<std::vector<Cell>>& texts);

// A complete language of n entries whose texts are "<name> <k>".
std::vector<Cell> languageTexts(const QString& name, int n);

// Runs the SQL statements on a new SQLite file; returns the file path.
QString writeRawDatabase(const QString& path, const QStringList& statements);

// A fresh connection name for each store a test opens.
QString uniqueConnection();

// The whole content of a file, or an empty array when it cannot be read.
QByteArray fileBytes(const QString& path);

// Writes bytes to a file, replacing it.
void writeFile(const QString& path, const QByteArray& bytes);

} // namespace ostrel::testing
