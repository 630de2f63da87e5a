// The translation store "Lenguas.db": table "Idiomas", one record per entry 1 ... N, field 0
// the entry number, field 1 a note, one field per language from field 2 on, field 3 the
// default. Read only, through a named Qt SQL connection; errors are returned, never shown.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace ostrel {

class TranslationStore {
public:
    explicit TranslationStore(const QString& connectionName = QStringLiteral("ostrel-langues"));
    ~TranslationStore();
    TranslationStore(const TranslationStore&) = delete;
    TranslationStore& operator=(const TranslationStore&) = delete;

    // Opens the database file; false when it is missing, not SQLite, has no "Idiomas" table or
    // no records. error() then names the file and what is wrong.
    bool open(const QString& filePath);
    bool isOpen() const;
    QString error() const;

    int recordCount() const;        // N
    QStringList fieldNames() const; // fields 0 ... last, in table order

    // The texts of one field for entries 1 ... N, in entry order (index 0 is entry 1), read in
    // one ordered query; std::nullopt stands for Null.
    std::vector<std::optional<QString>> column(int field) const;

private:
    QString connection_;
    QString error_;
    QStringList fields_;
    int records_ = 0;
};

} // namespace ostrel
