#include "drive/motorlist.h"

#include "drive/wholefile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QStandardPaths>
#include <algorithm>

namespace ostrel {

namespace {

const QString MotorsKey = QStringLiteral("motors");

// "Line 7: " or "Motor 3: " before a fault; nothing when where is 0.
std::vector<MessagePiece> placed(int entry, int where, const MotorFault& fault,
                                 const QString& name) {
    std::vector<MessagePiece> pieces;
    if (where > 0) {
        pieces.push_back({entry, {}});
        pieces.push_back({0, QStringLiteral(" %1: ").arg(where)});
    }
    for (MessagePiece& p : motorFaultMessage(fault))
        pieces.push_back(std::move(p));
    // The motor's name, unless the fault is in the name itself (empty, or too long to quote).
    if (!name.trimmed().isEmpty() &&
        (fault.field != MotorField::Name || fault.problem == MotorProblem::NameTwice))
        pieces.push_back({0, QStringLiteral(" (") + name.trimmed() + QLatin1Char(')')});
    return pieces;
}

} // namespace

std::vector<MessagePiece> wholeFileReason(const WholeFile& file) {
    using Fault = WholeFile::Fault;
    switch (file.fault) {
    case Fault::Missing:
        return {{MotorListEntry::Missing, {}}};
    case Fault::Folder:
        return {{MotorListEntry::Folder, {}}};
    case Fault::TooLarge:
        return {{MotorListEntry::TooLarge, {}}};
    case Fault::None:
        return {};
    default: {
        std::vector<MessagePiece> pieces{{file.fault == Fault::Unwritable
                                              ? MotorListEntry::Unwritable
                                              : MotorListEntry::Unreadable,
                                          {}}};
        if (!file.reason.isEmpty())
            pieces.push_back({0, QStringLiteral(" (") + file.reason + QLatin1Char(')')});
        return pieces;
    }
    }
}

int MotorList::indexOf(const QString& name) const {
    const QString wanted = name.trimmed();
    for (size_t i = 0; i < motors_.size(); ++i)
        if (motors_[i].name.trimmed() == wanted) return static_cast<int>(i);
    return -1;
}

MotorFault MotorList::admit(const Motor& motor, int skip) const {
    if (const MotorFault fault = motor.fault()) return fault;
    const int taken = indexOf(motor.name);
    if (taken >= 0 && taken != skip) return {MotorField::Name, MotorProblem::NameTwice};
    return {};
}

MotorFault MotorList::add(const Motor& motor) {
    const MotorFault fault = admit(motor, -1);
    if (!fault) motors_.push_back(motor);
    return fault;
}

MotorFault MotorList::replace(int index, const Motor& motor) {
    if (index < 0 || index >= size()) return {MotorField::Name, MotorProblem::Missing};
    const MotorFault fault = admit(motor, index);
    if (!fault) motors_[static_cast<size_t>(index)] = motor;
    return fault;
}

bool MotorList::remove(int index) {
    if (index < 0 || index >= size()) return false;
    motors_.erase(motors_.begin() + index);
    return true;
}

void MotorList::sortBy(MotorField field, bool descending) {
    const auto before = [field, descending](const Motor& a, const Motor& b) {
        if (field == MotorField::Name) {
            const int c = QString::compare(a.name, b.name, Qt::CaseInsensitive);
            return descending ? c > 0 : c < 0;
        }
        const std::optional<double> x = a.value(field);
        const std::optional<double> y = b.value(field);
        if (!x || !y) return x.has_value() && !y.has_value(); // absent last either way
        return descending ? *x > *y : *x < *y;
    };
    std::stable_sort(motors_.begin(), motors_.end(), before);
}

std::vector<MessagePiece> MotorList::addAll(const std::vector<Motor>& motors,
                                            const std::vector<int>& lines) {
    MotorList grown = *this;
    for (size_t i = 0; i < motors.size(); ++i) {
        if (const MotorFault fault = grown.add(motors[i]))
            return placed(MotorListEntry::Line, i < lines.size() ? lines[i] : 0, fault,
                          motors[i].name);
    }
    *this = std::move(grown);
    return {};
}

QString motorListPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("motors.json"));
}

std::vector<MessagePiece> motorFileMessage(int entry, const QString& path,
                                           std::vector<MessagePiece> reason) {
    std::vector<MessagePiece> pieces{{entry, {}},
                                     {0, QStringLiteral("\n") + path + QStringLiteral("\n")}};
    for (MessagePiece& p : reason)
        pieces.push_back(std::move(p));
    return pieces;
}

MotorListRead readMotorList(const QString& path) {
    const WholeFile file = WholeFile::read(path, MotorList::MaxFileBytes);
    if (file.fault == WholeFile::Fault::Missing) return {true, {}, {}};
    if (!file.ok())
        return {
            false, {}, motorFileMessage(MotorListEntry::ReadFailed, path, wholeFileReason(file))};
    return parseMotorList(file.bytes, path);
}

MotorListRead parseMotorList(const QByteArray& bytes, const QString& path) {
    MotorListRead read;
    const auto fail = [&read, &path](std::vector<MessagePiece> reason) {
        read.error = motorFileMessage(MotorListEntry::ReadFailed, path, std::move(reason));
        return read;
    };
    if (bytes.trimmed().isEmpty()) return fail({{MotorListEntry::Empty, {}}});
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(
            {{MotorListEntry::NotJson, {}},
             {0,
              QStringLiteral(" (%1, %2)").arg(parseError.errorString()).arg(parseError.offset)}});
    const QJsonValue motors = document.object().value(MotorsKey);
    if (!document.isObject() || !motors.isArray()) return fail({{MotorListEntry::NotJson, {}}});
    const QJsonArray array = motors.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonObject object = array.at(i).toObject(); // anything else reads as no name
        const MotorParse parse = motorFromJson(object);
        const QString name = object.value(QStringLiteral("name")).toString();
        const int number = static_cast<int>(i) + 1;
        if (!parse.motor) return fail(placed(MotorEntry::Title, number, parse.fault, name));
        if (const MotorFault fault = read.list.add(*parse.motor))
            return fail(placed(MotorEntry::Title, number, fault, name));
    }
    read.ok = true;
    return read;
}

QByteArray motorListJson(const MotorList& list) {
    QJsonArray motors;
    for (const Motor& motor : list.motors())
        motors.append(motorToJson(motor));
    QJsonObject root;
    root.insert(MotorsKey, motors);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

MotorListSave saveMotorFile(const QByteArray& bytes, const QString& path, int failedEntry) {
    const QFileInfo info(path);
    if (!info.dir().exists()) QDir().mkpath(info.absolutePath());
    const WholeFile file = WholeFile::write(path, bytes);
    if (file.ok()) return {true, {}};
    return {false, motorFileMessage(failedEntry, path, wholeFileReason(file))};
}

MotorListSave saveMotorList(const MotorList& list, const QString& path) {
    return saveMotorFile(motorListJson(list), path, MotorListEntry::SaveFailed);
}

} // namespace ostrel
