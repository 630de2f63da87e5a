// The user's motor list while the program runs: read once at start from the user's data
// folder, written whole after every change, shared by the Motors window and the Drive panel.
// A file that could not be read is kept as it is until the user agrees to replace it.
#pragma once

#include "drive/motorlist.h"

#include <QObject>
#include <QString>

namespace ostrel {

class UserMotors : public QObject {
    Q_OBJECT

public:
    explicit UserMotors(QString path, QObject* parent = nullptr);

    const MotorList& list() const { return list_; }
    const QString& path() const { return path_; }

    // Reads the file (none yet is an empty list). A refused file leaves the list empty and is
    // kept: the message pieces name it and its fault; empty when it was read.
    std::vector<MessagePiece> load();
    // Whether the file was refused at start and not replaced since.
    bool keepsRefusedFile() const { return keepRefused_; }
    // The user agreed to write over the refused file.
    void replaceRefusedFile() { keepRefused_ = false; }

    // Takes the list and writes it (not while a refused file is kept). On a failed write the
    // list is still taken, the old file stays, and the message says why.
    MotorListSave setList(const MotorList& list);

signals:
    void changed();

private:
    QString path_;
    MotorList list_;
    bool keepRefused_ = false;
};

} // namespace ostrel
