#include "app/recoverycopies.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <algorithm>

namespace ostrel {

namespace {

const QString LockSuffix = QStringLiteral(".lock");

// The place of a copy's or a lock's file name, 0 for any other file.
int placeOf(const QString& fileName) {
    static const QRegularExpression name(
        QStringLiteral("^recovery(?:-([1-9][0-9]{0,5}))?\\.ostrel(?:\\.lock)?$"));
    const QRegularExpressionMatch match = name.match(fileName);
    if (!match.hasMatch()) return 0;
    return match.captured(1).isEmpty() ? 1 : match.captured(1).toInt();
}

} // namespace

RecoveryCopies::RecoveryCopies(const QString& folder) : folder_(folder) {}

RecoveryCopies::~RecoveryCopies() = default;

QString RecoveryCopies::copyPath(const QString& folder, int place) {
    return QDir(folder).filePath(place <= 1 ? QStringLiteral("recovery.ostrel")
                                            : QStringLiteral("recovery-%1.ostrel").arg(place));
}

QStringList RecoveryCopies::copiesIn(const QString& folder) {
    std::map<int, QString> copies;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
        if (const int place = placeOf(file.fileName());
            place > 0 && !file.fileName().endsWith(LockSuffix))
            copies[place] = file.filePath();
    QStringList out;
    for (const auto& [place, path] : copies)
        out << path;
    return out;
}

bool RecoveryCopies::claim() {
    if (lock_) return true;
    if (!QDir().mkpath(folder_)) return false;
    // Every place a copy or a lock shows, then the next free ones (a program starting at the
    // same time may take one first) until this program has its own.
    int last = 0;
    for (const QString& name : QDir(folder_).entryList(QDir::Files | QDir::Hidden))
        last = std::max(last, placeOf(name));
    for (int place = 1; place <= last || (!lock_ && place <= last + 8); ++place) {
        const QString copy = copyPath(folder_, place);
        auto lock = std::make_unique<QLockFile>(copy + LockSuffix);
        lock->setStaleLockTime(0); // judged by its program only, however old
        if (!lock->tryLock(0)) {
            if (lock->error() == QLockFile::LockFailedError) othersRunning_ = true;
            continue;
        }
        if (QFileInfo(copy).isFile())
            orphans_[place] = {copy, std::move(lock)};
        else if (!lock_) {
            lock_ = std::move(lock);
            path_ = copy;
        }
    }
    if (!lock_) orphans_.clear();
    return lock_ != nullptr;
}

QStringList RecoveryCopies::orphans() const {
    QStringList out;
    for (const auto& [place, orphan] : orphans_)
        out << orphan.first;
    return out;
}

void RecoveryCopies::release(const QString& orphan, bool removed) {
    for (auto it = orphans_.begin(); it != orphans_.end(); ++it) {
        if (it->second.first != orphan) continue;
        if (removed) QFile::remove(orphan);
        orphans_.erase(it); // the lock goes after its copy
        return;
    }
}

void RecoveryCopies::adopt(const QString& orphan) {
    for (auto it = orphans_.begin(); it != orphans_.end(); ++it) {
        if (it->second.first != orphan) continue;
        if (path_ != orphan) QFile::remove(path_);
        lock_ = std::move(it->second.second);
        path_ = orphan;
        orphans_.erase(it);
        return;
    }
}

} // namespace ostrel
