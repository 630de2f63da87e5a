// The project file (.ostrel): the parts list with its title, author and notes as UTF-8 JSON.
// Reading checks the whole file before anything is handed back, recomputes every line from
// its inputs and never trusts the stored results; writing is atomic and never writes what the
// reader would refuse. Qt Core only.
#pragma once

#include "list/partslist.h"
#include "platform/atomicfile.h"
#include "solids/calculation.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace ostrel {

struct ProjectLine {
    int code = 0;          // kind 1 ... 23, or 0 when no kind was chosen (mass only)
    bool totalMass = true; // total-mass mode (false: density); a mechanism has none
    // The input boxes exactly as typed: a solid's seven in InputBox order, a mechanism's
    // inputs in declaration order (the file names each by its declared key).
    InputTexts texts;
    std::array<double, 4> exact{}; // mass kg, inertia kg·m², friction N·m, working N·m
};

struct Project {
    QString title, author, notes;
    std::vector<ProjectLine> lines;
    QJsonObject drive; // the drive sizing inputs, kept as read; empty when the file has none
    // The chosen motor's data (its JSON form with "withBrake"), kept as read and checked like a
    // motor of the user's list; empty when no motor is chosen.
    QJsonObject motor;
    // What a recovery copy adds (SessionState); empty in a saved project. Kept as read.
    QJsonObject session;
};

// What a reader accepts. Anything beyond these limits is refused with a message. Texts are
// counted in characters (a character beyond U+FFFF is one, not two UTF-16 units) and hold no
// control character (notes may hold tabs and line breaks).
struct ProjectLimits {
    // Room for the largest project the window makes: every line and text at its limit, each
    // character four bytes of UTF-8, with the names and indentation of the JSON (154 MB).
    static constexpr qint64 MaxFileBytes = 160 * 1024 * 1024; // 160 MiB
    static constexpr int MaxLines = 20000;
    static constexpr int MaxInputText = 256;      // one input text, the kind, a drive text
    static constexpr int MaxTitleText = 1000;     // title and author
    static constexpr int MaxNotesText = 100000;   // notes
    static constexpr double MaxMagnitude = 1e100; // stored results beyond this are absurd
};

// The characters of a text as the limits count them.
qsizetype characterCount(QStringView text);
// Whether a text holds a control character (U+0000 ... U+001F, U+007F ... U+009F); with
// lineBreaks, tab, line feed and carriage return are allowed.
bool hasControlCharacter(QStringView text, bool lineBreaks = false);

inline constexpr const char* ProjectFormatName = "ostrel-project";
inline constexpr int ProjectFormatVersion = 1;
inline constexpr const char* ProjectSuffix = "ostrel";
inline constexpr const char* ProjectMimeType = "application/x-ostrel";

struct ProjectRead {
    bool ok = false;
    Project project; // lines recomputed from their inputs with calculatePart
    QString error;   // when !ok: names the file and the fault (English)
    QString warning; // stored results that differed from the recomputed ones, naming the lines
    // The same texts as translation entries and literal pieces, for the window to show in
    // the working language (joined directly, like a calculation message).
    std::vector<MessagePiece> errorMessage;
    std::vector<MessagePiece> warningMessage;
    // When ok: the list of the project's lines as the check built them (design headings).
    PartsList parts;
};

// Reads a project from the bytes of a file; fileName only names the file in the messages.
ProjectRead parseProject(const QByteArray& bytes, const QString& fileName);
// Reads a project file: refuses directories, unreadable and oversized files, then parses.
ProjectRead readProject(const QString& path);

// The project as UTF-8 JSON (QJsonDocument, indented).
QByteArray projectJson(const Project& project);

struct ProjectSave {
    bool ok = false;
    QString error; // names the path and the reason (English)
    std::vector<MessagePiece> errorMessage;
};
// Writes the project atomically (AtomicFile): on any failure the old file stays as it was. A
// project the reader would refuse is not written: the message names the fault.
ProjectSave saveProject(const Project& project, const QString& path);
// Writes any export (CSV) atomically, with the same kind of message.
ProjectSave saveExport(const QByteArray& bytes, const QString& path);

// Why the reader would refuse the project, as message pieces; empty when it would open.
std::vector<MessagePiece> unreadableProject(const Project& project);
// The message of a failed write: entry (what could not be written), the path, the reason.
std::vector<MessagePiece> writeFailureMessage(int entry, const QString& path,
                                              const WriteFailure& failure);

// The lines of a list's rows (kind, mode, input cells and exact results); no title.
Project projectFromList(const PartsList& list);

// Rebuilds the list's parts from a project: every line through calculatePart and
// PartsList::add with the exact rule, the kind's toolbar image from the catalogue. The
// headings and the totals caption stay; the parts and totals are replaced.
void fillList(PartsList& list, const Project& project);
// The same from a successful read, without computing the lines again: the rows built while
// the file was checked, under the list's own headings and totals caption.
void fillList(PartsList& list, const ProjectRead& read);

// Joins message pieces with the built-in English texts of the project messages.
QString englishMessage(const std::vector<MessagePiece>& pieces);
// Joins message pieces in the working language's texts (indexed by entry); a piece whose entry
// the texts lack is written in English.
QString messageText(const std::vector<MessagePiece>& pieces, const QStringList& texts);

} // namespace ostrel
