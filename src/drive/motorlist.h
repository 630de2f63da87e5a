// The user's motor list: motors with distinct names, each with sound data, kept in one JSON
// file in the user's data folder ({"motors": [ ... ]}), written atomically with every save.
// A file that cannot be read or holds anything wrong is refused whole with a message naming the
// file and the fault; the caller then keeps the file as it is (no save over it).
#pragma once

#include "drive/motor.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace ostrel {

struct WholeFile;

// Entries of the list's messages.
namespace MotorListEntry {
constexpr int ReadFailed = 749;   // "The motor list could not be read:"
constexpr int ImportFailed = 750; // "The motor file was not imported:"
constexpr int SaveFailed = 751;   // "The motor list could not be saved:"
constexpr int Line = 752;         // "Line"
constexpr int NotJson = 763;      // not a motor list in JSON
constexpr int Empty = 764;
constexpr int TooLarge = 765;
constexpr int Unreadable = 766;
constexpr int Folder = 768;
constexpr int Missing = 770;
constexpr int Unwritable = 771;
} // namespace MotorListEntry

class MotorList {
public:
    static constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

    MotorList() = default;
    explicit MotorList(std::vector<Motor> motors) : motors_(std::move(motors)) {}

    const std::vector<Motor>& motors() const { return motors_; }
    int size() const { return static_cast<int>(motors_.size()); }
    const Motor& at(int index) const { return motors_.at(static_cast<size_t>(index)); }
    // The index of the motor of that name (names compare exactly, after trimming), or -1.
    int indexOf(const QString& name) const;

    // Adds the motor at the end; refused (the fault, nothing changed) when its data are wrong
    // or its name is taken.
    MotorFault add(const Motor& motor);
    // Replaces the motor at index (its own name may stay); refused as add, and with a Missing
    // fault for an index outside the list.
    MotorFault replace(int index, const Motor& motor);
    bool remove(int index);
    // Sorts by one column, names alphabetically (case-insensitive) and numbers by value, an
    // absent optional value last; motors that compare equal keep their order.
    void sortBy(MotorField field, bool descending = false);
    // Adds every motor or, on the first refused one, none: the message names the line (lines
    // gives the file line of each motor, 0 for none) and the fault.
    std::vector<MessagePiece> addAll(const std::vector<Motor>& motors,
                                     const std::vector<int>& lines = {});

    friend bool operator==(const MotorList&, const MotorList&) = default;

private:
    MotorFault admit(const Motor& motor, int skip) const;
    std::vector<Motor> motors_;
};

// The list's file: motors.json in the user's data folder (QStandardPaths::AppDataLocation).
QString motorListPath();

struct MotorListRead {
    bool ok = false;
    MotorList list;
    std::vector<MessagePiece> error; // entry 749, the path, then the fault
};
// Reads the list; a file that does not exist yet is an empty list.
MotorListRead readMotorList(const QString& path);
MotorListRead parseMotorList(const QByteArray& bytes, const QString& path);

QByteArray motorListJson(const MotorList& list);

struct MotorListSave {
    bool ok = false;
    std::vector<MessagePiece> error; // entry 751 (or the entry given), the path, the reason
};
// Writes the list atomically, making its folder when missing.
MotorListSave saveMotorList(const MotorList& list, const QString& path);
// Writes any bytes atomically with the same kind of message (the CSV export).
MotorListSave saveMotorFile(const QByteArray& bytes, const QString& path, int failedEntry);

// The message pieces of a file that could not be read or written: entry, the path, the reason.
std::vector<MessagePiece> motorFileMessage(int entry, const QString& path,
                                           std::vector<MessagePiece> reason);
// The reason a file could not be read or written whole (entries 765, 766, 768, 770, 771), with
// the system's words when it gave any.
std::vector<MessagePiece> wholeFileReason(const WholeFile& file);

} // namespace ostrel
