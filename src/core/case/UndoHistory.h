#pragma once
// One step of undo and redo by whole-state snapshots: the state just before the last change
// and the state just after it. The tables share their unchanged chunks with the live ones, so
// a snapshot of a large case costs a pointer per chunk, not a copy of the case.
#include "model/PointRecord.h"
#include "model/PolylineRecord.h"
#include "model/ScreenPositions.h"

#include <cstdint>

namespace zorvane {

struct CaseState;

struct CaseSnapshot {
    PointTable points;
    ScreenPositions screen;
    PolylineTable polylines;
    std::int32_t lastPointNumber = 0;
};

class UndoHistory {
  public:
    // Before a change (after its input checks): keeps the state and counts a change.
    void takeSnapshot(const CaseState& state);
    // After the change: keeps the result; Undo becomes possible, Redo not.
    void recordResult(const CaseState& state);
    // A change the history does not bracket (renumbering, images): counted all the same.
    void noteChange() { ++changes_; }

    // Put the kept state back (rebuildGrid). Return false when not available.
    bool undo(CaseState& state);
    bool redo(CaseState& state);

    // New case, opened case: both commands unavailable (the slots' contents become unreachable).
    void disable() { canUndo_ = canRedo_ = false; }

    bool canUndo() const { return canUndo_; }
    bool canRedo() const { return canRedo_; }
    // Changes made so far; undo and redo are not changes. The clean state compares it with
    // its value at the last save.
    std::uint64_t changes() const { return changes_; }

  private:
    CaseSnapshot undo_, redo_;
    bool canUndo_ = false, canRedo_ = false;
    std::uint64_t changes_ = 0;
};

} // namespace zorvane
