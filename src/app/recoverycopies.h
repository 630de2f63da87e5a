// The recovery copies of the running programs, in the user's data folder: each program keeps
// its own copy ("recovery.ostrel" for the first, "recovery-2.ostrel" for the second ...),
// guarded by a lock file that the program holds while it runs. A copy whose lock no running
// program holds was left by a program that did not end normally: it is an orphan, offered at
// the next start. Qt Core only.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>

class QLockFile;

namespace ostrel {

class RecoveryCopies {
public:
    explicit RecoveryCopies(const QString& folder);
    ~RecoveryCopies(); // every lock taken is given back; the copies stay
    RecoveryCopies(const RecoveryCopies&) = delete;
    RecoveryCopies& operator=(const RecoveryCopies&) = delete;

    // Takes the first place that neither a running program nor an orphan holds, and locks
    // every orphan for this program. False when no lock can be made in the folder.
    bool claim();
    // This program's copy (empty before a successful claim).
    QString path() const { return path_; }
    // Whether another running program held a copy's place at the claim.
    bool othersRunning() const { return othersRunning_; }
    // The orphans locked by the claim, in the order of their places.
    QStringList orphans() const;
    // Gives an orphan's lock back; removed: its copy goes too (declined), else it stays to be
    // offered at the next start.
    void release(const QString& orphan, bool removed);
    // The orphan becomes this program's copy (its list was restored here): the program goes on
    // writing there, and the place taken at the claim is given back.
    void adopt(const QString& orphan);

    // The copy of the program at place (1 for the first).
    static QString copyPath(const QString& folder, int place);
    // Every copy in the folder, in the order of their places.
    static QStringList copiesIn(const QString& folder);

private:
    QString folder_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    std::map<int, std::pair<QString, std::unique_ptr<QLockFile>>> orphans_;
    bool othersRunning_ = false;
};

} // namespace ostrel
