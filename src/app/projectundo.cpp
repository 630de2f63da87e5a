#include "app/projectundo.h"

#include "drive/drivecalc.h"
#include "list/partslistmodel.h"

namespace ostrel {

ProjectUndo::ProjectUndo(Kind kind, PartsListModel& model) : kind_(kind), model_(model) {}

ProjectUndo* ProjectUndo::added(PartsListModel& model, PartsList::Row row, bool firstTotals) {
    auto* command = new ProjectUndo(Kind::Added, model);
    command->firstTotals_ = firstTotals;
    command->listRow_ = model.list().rowCount() - 1;
    command->row_ = std::move(row);
    command->done_ = true;
    return command;
}

ProjectUndo* ProjectUndo::takenBack(PartsListModel& model, int listRow, PartsList::Row row) {
    auto* command = new ProjectUndo(Kind::TakenBack, model);
    command->listRow_ = listRow;
    command->row_ = std::move(row);
    command->done_ = true;
    return command;
}

ProjectUndo* ProjectUndo::replaced(PartsListModel& model, std::optional<PartsList> before,
                                   std::optional<PartsList> after, ProjectHeader headerBefore,
                                   ProjectHeader headerAfter, HeaderSetter setHeader) {
    auto* command = new ProjectUndo(Kind::Replaced, model);
    command->before_ = std::move(before);
    command->after_ = std::move(after);
    command->headerBefore_ = std::move(headerBefore);
    command->headerAfter_ = std::move(headerAfter);
    command->setHeader_ = std::move(setHeader);
    return command;
}

ProjectUndo* ProjectUndo::driveChanged(PartsListModel& model, ProjectHeader headerBefore,
                                       ProjectHeader headerAfter, HeaderSetter setHeader) {
    auto* command = new ProjectUndo(Kind::Replaced, model);
    command->driveOnly_ = true;
    command->headerBefore_ = std::move(headerBefore);
    command->headerAfter_ = std::move(headerAfter);
    command->setHeader_ = std::move(setHeader);
    return command;
}

bool ProjectUndo::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const ProjectUndo*>(other);
    if (!driveOnly_ || !next || !next->driveOnly_) return false;
    // A motor chosen, or the brake choice ticked, is a step of its own.
    const auto choiceChanged = [](const ProjectUndo& step) {
        const QString brake = DriveInputs::brakeKey();
        return step.headerBefore_.motor != step.headerAfter_.motor ||
               step.headerBefore_.drive.value(brake).toBool(false) !=
                   step.headerAfter_.drive.value(brake).toBool(false);
    };
    if (choiceChanged(*this) || choiceChanged(*next)) return false;
    headerAfter_.drive = next->headerAfter_.drive;
    return true;
}

void ProjectUndo::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    switch (kind_) {
    case Kind::Added:
        model_.insertRow(listRow_, row_);
        break;
    case Kind::TakenBack:
        model_.removeRow(listRow_);
        break;
    case Kind::Replaced:
        if (after_) model_.replaceParts(*after_);
        if (setHeader_) setHeader_(headerAfter_);
        break;
    }
}

void ProjectUndo::undo() {
    switch (kind_) {
    case Kind::Added:
        if (firstTotals_ && model_.list().partCount() == 1)
            model_.replaceParts(PartsList());
        else
            model_.removeRow(listRow_);
        break;
    case Kind::TakenBack:
        model_.insertRow(listRow_, row_);
        break;
    case Kind::Replaced:
        if (before_) model_.replaceParts(*before_);
        if (setHeader_) setHeader_(headerBefore_);
        break;
    }
}

} // namespace ostrel
