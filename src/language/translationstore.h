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
    // One store per connection name at a time: a second live store with the same name would
    // take over the first one's connection.
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

    // True when no entry holds a Null in this field (one query, stops at the first Null).
    // False for a field that does not exist or cannot be read.
    bool isComplete(int field) const;

    // The file opened last, as given to open().
    QString filePath() const;

    void close();

private:
    // Opens the connection and checks the table; the error text, empty when all is well.
    QString load(const QString& filePath);

    QString connection_;
    QString path_;
    mutable QString error_;
    QStringList fields_;
    int records_ = 0;
    bool added_ = false;
};

// The file name of the store in the program folder.
inline constexpr const char* LanguageStoreFileName = "Lenguas.db";

// Startup step that opens the store of the program folder (programDir ends with "/"): an
// empty text when it is open, else the message that ends the start, naming the file and what
// is wrong with it.
QString openLanguageStore(TranslationStore& store, const QString& programDir);

} // namespace ostrel
