#include "langdb/translationsource.h"

#include <QFile>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace ostrel::langdb {

namespace {

QString quoted(const QString& identifier) {
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

bool setError(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

// Writes through its own connection, removed when done.
class Connection {
public:
    explicit Connection(const QString& path) {
        static std::atomic<int> counter{0};
        name_ = QStringLiteral("ostrel-langdb-writer-%1").arg(counter++);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
    }
    ~Connection() {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

private:
    QString name_;
};

} // namespace

std::optional<std::optional<QString>> decodeCell(const QString& cell, QString* error) {
    if (cell == QLatin1String("\\N")) return std::optional<QString>();
    QString text;
    text.reserve(cell.size());
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const QChar c = cell.at(i);
        if (c != QLatin1Char('\\')) {
            text.append(c);
            continue;
        }
        if (i + 1 >= cell.size()) {
            setError(error, QStringLiteral("a lone \"\\\" ends the cell (write \"\\\\\")"));
            return std::nullopt;
        }
        const QChar next = cell.at(++i);
        if (next == QLatin1Char('t'))
            text.append(QLatin1Char('\t'));
        else if (next == QLatin1Char('n'))
            text.append(QLatin1Char('\n'));
        else if (next == QLatin1Char('r'))
            text.append(QLatin1Char('\r'));
        else if (next == QLatin1Char('\\'))
            text.append(QLatin1Char('\\'));
        else {
            setError(error, QStringLiteral("unknown escape \"\\%1\"").arg(next));
            return std::nullopt;
        }
    }
    return std::optional<QString>(text);
}

QString encodeCell(const std::optional<QString>& text) {
    if (!text) return QStringLiteral("\\N");
    QString cell;
    cell.reserve(text->size());
    for (const QChar c : *text) {
        if (c == QLatin1Char('\\'))
            cell.append(QLatin1String("\\\\"));
        else if (c == QLatin1Char('\t'))
            cell.append(QLatin1String("\\t"));
        else if (c == QLatin1Char('\n'))
            cell.append(QLatin1String("\\n"));
        else if (c == QLatin1Char('\r'))
            cell.append(QLatin1String("\\r"));
        else
            cell.append(c);
    }
    return cell;
}

bool parseSource(const QByteArray& data, TranslationSource& source, QString* error) {
    source = {};
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    }
    // The file's final line end leaves one empty piece, and so may blank lines at the end.
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty()) return setError(error, QStringLiteral("line 1: no header line"));

    const QStringList fields = lines.first().split(QLatin1Char('\t'));
    if (fields.size() < 4)
        return setError(error, QStringLiteral("line 1: %1 field names; at least four are needed "
                                              "(entry number, note, two languages)")
                                   .arg(fields.size()));
    QSet<QString> seen;
    for (const QString& name : fields) {
        if (name.trimmed().isEmpty())
            return setError(error, QStringLiteral("line 1: an empty field name"));
        // SQLite column names ignore letter case.
        if (seen.contains(name.toCaseFolded()))
            return setError(error, QStringLiteral("line 1: field \"%1\" appears twice").arg(name));
        seen.insert(name.toCaseFolded());
    }
    source.fields = fields;

    for (qsizetype l = 1; l < lines.size(); ++l) {
        const int lineNumber = static_cast<int>(l + 1);
        const QStringList cells = lines.at(l).split(QLatin1Char('\t'));
        if (cells.size() != fields.size())
            return setError(error, QStringLiteral("line %1: %2 cells, the header has %3")
                                       .arg(lineNumber)
                                       .arg(cells.size())
                                       .arg(fields.size()));
        bool whole = false;
        const int number = cells.first().toInt(&whole);
        if (!whole)
            return setError(error, QStringLiteral("line %1: \"%2\" is not an entry number")
                                       .arg(lineNumber)
                                       .arg(cells.first()));
        const int expected = static_cast<int>(l);
        if (number != expected)
            return setError(error, QStringLiteral("line %1: entry %2 where entry %3 is expected "
                                                  "(entries run 1 to N without a gap)")
                                       .arg(lineNumber)
                                       .arg(number)
                                       .arg(expected));
        TranslationRow row;
        row.number = number;
        row.texts.reserve(static_cast<size_t>(cells.size() - 1));
        for (qsizetype c = 1; c < cells.size(); ++c) {
            QString why;
            const auto cell = decodeCell(cells.at(c), &why);
            if (!cell)
                return setError(error, QStringLiteral("line %1, field \"%2\": %3")
                                           .arg(lineNumber)
                                           .arg(fields.at(c), why));
            row.texts.push_back(*cell);
        }
        source.rows.push_back(std::move(row));
    }
    if (source.rows.empty())
        return setError(error, QStringLiteral("no entries after the header line"));
    return true;
}

bool writeDatabase(const QString& path, const TranslationSource& source, QString* error) {
    if (source.fields.size() < 2)
        return setError(error, QStringLiteral("%1: too few fields").arg(path));
    if (QFile::exists(path) && !QFile::remove(path))
        return setError(error, QStringLiteral("%1: the old file cannot be removed").arg(path));

    Connection connection(path);
    QSqlDatabase db = connection.db();
    if (!db.open())
        return setError(error, QStringLiteral("%1: %2").arg(path, db.lastError().text()));

    QStringList columns;
    columns << quoted(source.fields.first()) + QStringLiteral(" INTEGER PRIMARY KEY");
    for (qsizetype i = 1; i < source.fields.size(); ++i)
        columns << quoted(source.fields.at(i)) + QStringLiteral(" TEXT");

    QSqlQuery query(db);
    const QString create =
        QStringLiteral("CREATE TABLE Idiomas (%1)").arg(columns.join(QStringLiteral(", ")));
    const QString index = QStringLiteral("CREATE UNIQUE INDEX \"Numero\" ON Idiomas (%1)")
                              .arg(quoted(source.fields.first()));
    if (!query.exec(create) || !query.exec(index))
        return setError(error, QStringLiteral("%1: %2").arg(path, query.lastError().text()));

    if (!db.transaction())
        return setError(error, QStringLiteral("%1: %2").arg(path, db.lastError().text()));
    QStringList marks;
    for (qsizetype i = 0; i < source.fields.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery insert(db);
    if (!insert.prepare(QStringLiteral("INSERT INTO Idiomas VALUES (%1)")
                            .arg(marks.join(QStringLiteral(", ")))))
        return setError(error, QStringLiteral("%1: %2").arg(path, insert.lastError().text()));
    const auto width = static_cast<size_t>(source.fields.size() - 1);
    for (const TranslationRow& row : source.rows) {
        if (row.texts.size() != width) {
            db.rollback();
            return setError(error, QStringLiteral("%1: entry %2 has %3 texts for %4 fields")
                                       .arg(path)
                                       .arg(row.number)
                                       .arg(row.texts.size())
                                       .arg(width));
        }
        insert.bindValue(0, row.number);
        for (size_t c = 0; c < width; ++c) {
            const auto& text = row.texts[c];
            insert.bindValue(static_cast<int>(c + 1),
                             text ? QVariant(*text) : QVariant(QMetaType::fromType<QString>()));
        }
        if (!insert.exec()) {
            const QString why = insert.lastError().text();
            db.rollback();
            return setError(error,
                            QStringLiteral("%1: entry %2: %3").arg(path).arg(row.number).arg(why));
        }
    }
    insert.finish();
    if (!db.commit())
        return setError(error, QStringLiteral("%1: %2").arg(path, db.lastError().text()));
    return true;
}

} // namespace ostrel::langdb
