// One step of the project's undo history: a line added, a row taken back, or the whole project
// replaced (New, Open, a restored recovery copy, new properties). Add and take-back act on the
// list through its model with the row operations, so that the totals follow the add and
// take-back rules both ways; a replacement swaps whole lists and headers.
#pragma once

#include "list/partslist.h"

#include <QJsonObject>
#include <QString>
#include <QUndoCommand>
#include <functional>
#include <optional>

namespace ostrel {

class PartsListModel;

// What a project holds beside its lines, and the file it belongs to.
struct ProjectHeader {
    QString title, author, notes;
    QJsonObject drive;
    QJsonObject motor; // the chosen motor's data; empty for none
    QString path;      // empty for a project never saved
    bool operator==(const ProjectHeader&) const = default;
};

class ProjectUndo : public QUndoCommand {
public:
    using HeaderSetter = std::function<void(const ProjectHeader&)>;

    // A row the model has just added at the end of the list; firstTotals: the totals had never
    // been written before it (undoing it then leaves them unwritten, as they were).
    static ProjectUndo* added(PartsListModel& model, PartsList::Row row, bool firstTotals);
    // A row the model has just taken back from listRow.
    static ProjectUndo* takenBack(PartsListModel& model, int listRow, PartsList::Row row);
    // A whole project replaced on the first redo: the parts (when given) and the header.
    static ProjectUndo* replaced(PartsListModel& model, std::optional<PartsList> before,
                                 std::optional<PartsList> after, ProjectHeader headerBefore,
                                 ProjectHeader headerAfter, HeaderSetter setHeader);

    // Only the drive inputs or the chosen motor of the header changed: a run of such steps that
    // keep the motor and the brake choice (the user typing in the drive panel) merges into one.
    static ProjectUndo* driveChanged(PartsListModel& model, ProjectHeader headerBefore,
                                     ProjectHeader headerAfter, HeaderSetter setHeader);

    void redo() override;
    void undo() override;
    int id() const override { return driveOnly_ ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    enum class Kind { Added, TakenBack, Replaced };
    ProjectUndo(Kind kind, PartsListModel& model);

    Kind kind_;
    PartsListModel& model_;
    bool done_ = false; // the first redo finds an add or take-back already done
    bool firstTotals_ = false;
    bool driveOnly_ = false;
    int listRow_ = 0;
    PartsList::Row row_;
    std::optional<PartsList> before_, after_;
    ProjectHeader headerBefore_, headerAfter_;
    HeaderSetter setHeader_;
};

} // namespace ostrel
