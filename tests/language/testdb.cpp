#include "testdb.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace ostrel::testing {

QString writeStore(const QString& dir, const QString& fileName, const QStringList& languages,
                   const std::vector<std::vector<Cell>>& texts) {
    langdb::TranslationSource source;
    source.fields << QStringLiteral("Numero") << QStringLiteral("Uso") << languages;
    const size_t n = texts.empty() ? 0 : texts.front().size();
    for (size_t k = 0; k < n; ++k) {
        langdb::TranslationRow row;
        row.numero = static_cast<int>(k + 1);
        row.texts.push_back(QStringLiteral("note %1").arg(k + 1));
        for (const auto& language : texts)
            row.texts.push_back(language.at(k));
        source.rows.push_back(row);
    }
    const QString path = dir + QLatin1Char('/') + fileName;
    QString error;
    EXPECT_TRUE(langdb::writeDatabase(path, source, &error)) << error.toStdString();
    return path;
}

std::vector<Cell> languageTexts(const QString& name, int n) {
    std::vector<Cell> texts;
    for (int k = 1; k <= n; ++k)
        texts.emplace_back(QStringLiteral("%1 %2").arg(name).arg(k));
    return texts;
}

QString writeRawDatabase(const QString& path, const QStringList& statements) {
    QFile::remove(path);
    const QString name = uniqueConnection();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString& statement : statements)
            EXPECT_TRUE(query.exec(statement))
                << statement.toStdString() << ": " << query.lastError().text().toStdString();
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return path;
}

QString uniqueConnection() {
    static int counter = 0;
    return QStringLiteral("test-connection-%1").arg(++counter);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace ostrel::testing
