// Small translation stores and files for the tests, written in a temporary folder.
#pragma once

#include "langdb/translationsource.h"
#include "testinputs.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace ostrel::testing {

using Cell = std::optional<QString>;
using Column = std::vector<Cell>;

// n texts "<name> <k>".
inline Column texts(const QString& name, int n) {
    Column column;
    for (int k = 1; k <= n; ++k)
        column.emplace_back(QString("%1 %2").arg(name).arg(k));
    return column;
}

// Table "Idiomas" with fields "Numero", "Uso" and one language per column, written by the
// generator's own writer.
inline void writeStore(const QString& path, const QStringList& languages,
                       const std::vector<Column>& columns) {
    langdb::TranslationSource source{QStringList{"Numero", "Uso"} + languages, {}};
    for (size_t k = 0; k < columns.front().size(); ++k) {
        source.rows.push_back({static_cast<int>(k + 1), {QString("note")}});
        for (const Column& column : columns)
            source.rows.back().texts.push_back(column.at(k));
    }
    QString error;
    EXPECT_TRUE(langdb::writeDatabase(path, source, &error)) << error.toStdString();
}

// An SQLite file made by the statements.
inline void writeSql(const QString& path, const QStringList& statements) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test-sql " + path);
    db.setDatabaseName(path);
    EXPECT_TRUE(db.open());
    for (const QString& statement : statements)
        EXPECT_TRUE(QSqlQuery(db).exec(statement)) << statement.toStdString();
    db.close();
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace ostrel::testing
