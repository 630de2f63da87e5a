#include "app/usermotors.h"

namespace ostrel {

UserMotors::UserMotors(QString path, QObject* parent) : QObject(parent), path_(std::move(path)) {}

std::vector<MessagePiece> UserMotors::load() {
    MotorListRead read = readMotorList(path_);
    keepRefused_ = !read.ok;
    list_ = read.ok ? std::move(read.list) : MotorList();
    emit changed();
    return read.ok ? std::vector<MessagePiece>{} : read.error;
}

MotorListSave UserMotors::setList(const MotorList& list) {
    list_ = list;
    MotorListSave saved;
    saved.ok = true;
    if (!keepRefused_) saved = saveMotorList(list_, path_);
    emit changed();
    return saved;
}

} // namespace ostrel
