#pragma once
// One step of undo and redo by whole-state snapshots: the state just before the last change
// and the state just after it.
#include "model/PointRecord.h"
#include "model/PolylineRecord.h"
#include "view/ViewTransform.h"

namespace zorvane {

struct CaseDocument;

struct CaseSnapshot {
    PointTable points;
    ScreenPositions screen;
    PolylineTable polylines;
    std::int32_t lastPointNumber = 0;
};

class UndoHistory {
public:
    // Before a change (after its input checks): keeps the state and marks the case changed.
    void takeSnapshot(CaseDocument& doc);
    // After the change: keeps the result; Undo becomes possible, Redo not.
    void recordResult(const CaseDocument& doc);

    // Put the kept state back (rebuildGrid). Return false when not available.
    bool undo(CaseDocument& doc);
    bool redo(CaseDocument& doc);

    // New case, opened case: both commands unavailable (the slots' contents become unreachable).
    void disable() { canUndo_ = canRedo_ = false; }

    bool canUndo() const { return canUndo_; }
    bool canRedo() const { return canRedo_; }

private:
    CaseSnapshot undo_, redo_;
    bool canUndo_ = false, canRedo_ = false;
};

} // namespace zorvane
