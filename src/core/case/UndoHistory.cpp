#include "case/UndoHistory.h"

#include "case/CaseDocument.h"
#include "case/CaseOperations.h"

namespace zorvane {
namespace {
CaseSnapshot capture(const CaseDocument& doc) {
    return {doc.points, doc.screen, doc.polylines, doc.lastPointNumber};
}
} // namespace

void UndoHistory::takeSnapshot(CaseDocument& doc) {
    undo_ = capture(doc);
    doc.clean = false;
}

void UndoHistory::recordResult(const CaseDocument& doc) {
    redo_ = capture(doc);
    canUndo_ = true;
    canRedo_ = false;
}

bool UndoHistory::undo(CaseDocument& doc) {
    if (!canUndo_) return false;
    rebuildGrid(doc, undo_);
    canUndo_ = false;
    canRedo_ = true;
    return true;
}

bool UndoHistory::redo(CaseDocument& doc) {
    if (!canRedo_) return false;
    rebuildGrid(doc, redo_);
    canRedo_ = false;
    canUndo_ = true;
    return true;
}

} // namespace zorvane
