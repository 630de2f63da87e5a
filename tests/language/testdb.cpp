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
    source.fields << "Numero"
                  << "Uso" << languages;
    for (size_t k = 0; k < texts.front().size(); ++k) {
        langdb::TranslationRow row{static_cast<int>(k + 1), {QString("note")}};
        for (const auto& language : texts)
            row.texts.push_back(language.at(k));
        source.rows.push_back(row);
    }
    const QString path = dir + "/" + fileName;
    QString error;
    EXPECT_TRUE(langdb::writeDatabase(path, source, &error)) << error.toStdString();
    return path;
}

std::vector<Cell> languageTexts(const QString& name, int n) {
    std::vector<Cell> texts;
    for (int k = 1; k <= n; ++k)
        texts.emplace_back(QString("%1 %2").arg(name).arg(k));
    return texts;
}

QString writeRawDatabase(const QString& path, const QStringList& statements) {
    const QString name = uniqueConnection();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString& statement : statements)
            EXPECT_TRUE(query.exec(statement)) << query.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase(name);
    return path;
}

QString uniqueConnection() {
    static int counter = 0;
    return QString("test-connection-%1").arg(++counter);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace ostrel::testing
