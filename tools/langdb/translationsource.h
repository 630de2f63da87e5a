// The translator's source of the translation store: a tab-separated text with a header line of
// field names and one row per entry, and the writer that turns it into the SQLite file
// "Lenguas.db" (table "Idiomas"). Used by the build's generator tool and by the tests.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ostrel::langdb {

struct TranslationRow {
    int number = 0;                            // field 0, the entry number
    std::vector<std::optional<QString>> texts; // fields 1 ... last; nullopt is Null
};

struct TranslationSource {
    QStringList fields; // field names, in table order; field 0 is the entry number
    std::vector<TranslationRow> rows;
};

// One cell of the text form: "\t" tab, "\n" line feed, "\r" carriage return, "\\" backslash;
// a cell that is exactly "\N" is Null. Any other backslash sequence is an error.
std::optional<std::optional<QString>> decodeCell(const QString& cell, QString* error);
// The text form of a cell, the inverse of decodeCell (for tools that write the source).
QString encodeCell(const std::optional<QString>& text);

// Reads the UTF-8 tab-separated text: a header line of at least four distinct field names,
// then one row per entry, numbered 1 to N in order without a gap, each with as many cells as
// the header. Errors name the line.
bool parseSource(const QByteArray& data, TranslationSource& source, QString* error);

// Writes a new SQLite database at path (replacing any file there): table "Idiomas" with the
// fields in order (field 0 INTEGER PRIMARY KEY, the others TEXT), a unique index "Numero" on
// field 0, one record per row as given (the rows' numbers are not checked here, so tests can
// make faulty stores).
bool writeDatabase(const QString& path, const TranslationSource& source, QString* error);

} // namespace ostrel::langdb
