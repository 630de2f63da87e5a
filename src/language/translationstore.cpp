#include "language/translationstore.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace ostrel {

namespace {

const QString kTable = QStringLiteral("Idiomas");

QString quoted(const QString& identifier) {
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString inFile(const QString& path) {
    return QStringLiteral("\"%1\"").arg(path);
}

} // namespace

TranslationStore::TranslationStore(const QString& connectionName) : connection_(connectionName) {}

TranslationStore::~TranslationStore() {
    close();
}

void TranslationStore::close() {
    if (added_) {
        {
            QSqlDatabase db = QSqlDatabase::database(connection_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(connection_);
        added_ = false;
    }
    fields_.clear();
    records_ = 0;
}

bool TranslationStore::open(const QString& filePath) {
    close();
    path_ = filePath;
    error_ = load(filePath);
    if (error_.isEmpty()) return true;
    // Every query and handle of load() is gone by now, so the connection can go too.
    close();
    return false;
}

QString TranslationStore::load(const QString& filePath) {
    const QString file = inFile(filePath);
    const QFileInfo info(filePath);
    if (!info.exists())
        return QStringLiteral("The translation database %1 cannot be found.").arg(file);
    if (info.isDir())
        return QStringLiteral("The translation database %1 is a folder, not a file.").arg(file);

    QFile raw(filePath);
    if (!raw.open(QIODevice::ReadOnly))
        return QStringLiteral("The translation database %1 cannot be read: %2.")
            .arg(file, raw.errorString());
    const QByteArray head = raw.read(16);
    raw.close();
    if (head.isEmpty())
        return QStringLiteral("The translation database %1 is empty: it holds no table "
                              "\"Idiomas\".")
            .arg(file);
    if (head != QByteArray("SQLite format 3\0", 16))
        return QStringLiteral("The file %1 is not an SQLite database.").arg(file);

    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return QStringLiteral("The SQLite driver of Qt is missing: the translation database %1 "
                              "cannot be read.")
            .arg(file);

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    added_ = true;
    db.setDatabaseName(filePath);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        return QStringLiteral("The translation database %1 cannot be opened: %2.")
            .arg(file, db.lastError().text());

    // Reading the schema is the first real read: a damaged file fails here.
    QSqlQuery schema(db);
    if (!schema.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                    "AND name = 'Idiomas' COLLATE NOCASE")))
        return QStringLiteral("The translation database %1 cannot be read: %2.")
            .arg(file, schema.lastError().text());
    if (!schema.next())
        return QStringLiteral("The translation database %1 has no table \"Idiomas\".").arg(file);
    schema.finish();

    const QSqlRecord record = db.record(kTable);
    QStringList fields;
    for (int i = 0; i < record.count(); ++i)
        fields << record.fieldName(i);
    if (fields.size() < 4)
        return QStringLiteral("The table \"Idiomas\" of %1 has %2 fields; it needs at least "
                              "four: the entry number, a note and two languages.")
            .arg(file)
            .arg(fields.size());

    const QString key = quoted(fields.at(0));
    QSqlQuery stats(db);
    stats.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT %1), MIN(%1), MAX(%1), "
                                       "SUM(typeof(%1) <> 'integer') FROM Idiomas")
                            .arg(key);
    if (!stats.exec(sql) || !stats.next())
        return QStringLiteral("The table \"Idiomas\" of %1 cannot be read: %2.")
            .arg(file, stats.lastError().text());
    const qint64 count = stats.value(0).toLongLong();
    const qint64 distinct = stats.value(1).toLongLong();
    const qint64 lowest = stats.value(2).toLongLong();
    const qint64 highest = stats.value(3).toLongLong();
    const qint64 notWhole = stats.value(4).toLongLong();
    stats.finish();
    if (count == 0) return QStringLiteral("The table \"Idiomas\" of %1 has no records.").arg(file);
    if (notWhole != 0)
        return QStringLiteral("The table \"Idiomas\" of %1 has %2 entry numbers that are not "
                              "whole numbers.")
            .arg(file)
            .arg(notWhole);
    if (count > 1000000)
        return QStringLiteral("The table \"Idiomas\" of %1 has too many records (%2).")
            .arg(file)
            .arg(count);
    if (distinct != count || lowest != 1 || highest != count)
        return QStringLiteral("The entries of table \"Idiomas\" of %1 are not numbered 1 to %2 "
                              "without a gap (numbers %3 to %4, %5 different).")
            .arg(file)
            .arg(count)
            .arg(lowest)
            .arg(highest)
            .arg(distinct);
    fields_ = fields;
    records_ = static_cast<int>(count);
    return {};
}

bool TranslationStore::isOpen() const {
    return records_ > 0;
}

QString TranslationStore::error() const {
    return error_;
}

int TranslationStore::recordCount() const {
    return records_;
}

QStringList TranslationStore::fieldNames() const {
    return fields_;
}

QString TranslationStore::filePath() const {
    return path_;
}

std::vector<std::optional<QString>> TranslationStore::column(int field) const {
    std::vector<std::optional<QString>> texts;
    if (!isOpen()) {
        // error() keeps what went wrong when the store was opened.
        if (error_.isEmpty()) error_ = QStringLiteral("The translation database is not open.");
        return texts;
    }
    if (field < 0 || field >= fields_.size()) {
        error_ = QStringLiteral("The table \"Idiomas\" of %1 has no field %2.")
                     .arg(inFile(path_))
                     .arg(field);
        return texts;
    }
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM Idiomas ORDER BY %2")
                      .arg(quoted(fields_.at(field)), quoted(fields_.at(0))));
    if (!query.exec()) {
        error_ = QStringLiteral("The field \"%1\" of table \"Idiomas\" of %2 cannot be read: %3.")
                     .arg(fields_.at(field), inFile(path_), query.lastError().text());
        return texts;
    }
    texts.reserve(static_cast<size_t>(records_));
    while (query.next()) {
        const QVariant value = query.value(0);
        if (value.isNull())
            texts.emplace_back(std::nullopt);
        else
            texts.emplace_back(value.toString());
    }
    if (texts.size() != static_cast<size_t>(records_)) {
        error_ = QStringLiteral("The table \"Idiomas\" of %1 changed while it was read.")
                     .arg(inFile(path_));
        texts.clear();
    }
    return texts;
}

bool TranslationStore::isComplete(int field) const {
    if (!isOpen() || field < 0 || field >= fields_.size()) return false;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT 1 FROM Idiomas WHERE %1 IS NULL LIMIT 1")
                      .arg(quoted(fields_.at(field))));
    if (!query.exec()) {
        error_ = QStringLiteral("The field \"%1\" of table \"Idiomas\" of %2 cannot be read: %3.")
                     .arg(fields_.at(field), inFile(path_), query.lastError().text());
        return false;
    }
    return !query.next();
}

QString openLanguageStore(TranslationStore& store, const QString& programDir) {
    if (store.open(programDir + QLatin1String(LanguageStoreFileName))) return {};
    return store.error();
}

} // namespace ostrel
