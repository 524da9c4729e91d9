#include "case/UndoHistory.h"

#include "case/CaseOperations.h"

namespace zorvane {
namespace {
CaseSnapshot capture(const CaseState& state) {
    return {state.points, state.screen, state.polylines, state.lastPointNumber};
}
} // namespace

void UndoHistory::takeSnapshot(const CaseState& state) {
    undo_ = capture(state);
    ++changes_;
}

void UndoHistory::recordResult(const CaseState& state) {
    redo_ = capture(state);
    canUndo_ = true;
    canRedo_ = false;
}

bool UndoHistory::undo(CaseState& state) {
    if (!canUndo_) return false;
    rebuildGrid(state, undo_);
    canUndo_ = false;
    canRedo_ = true;
    return true;
}

bool UndoHistory::redo(CaseState& state) {
    if (!canRedo_) return false;
    rebuildGrid(state, redo_);
    canRedo_ = false;
    canUndo_ = true;
    return true;
}

} // namespace zorvane
