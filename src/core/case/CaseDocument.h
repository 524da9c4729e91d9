#pragma once
// The open case as one object: its state, its plan view, its undo history and whether it has
// unsaved changes. Windows read it and ask it to do things; every change is announced to the
// observers once per command, with what changed, and they refresh themselves from it.
#include "case/CaseImages.h"
#include "case/CaseState.h"
#include "case/Outcome.h"
#include "case/PointEntry.h"
#include "case/PolylineEditing.h"
#include "case/UndoHistory.h"
#include "files/CaseFile.h"
#include "files/CoordinateImport.h"
#include "model/ProgramOptions.h"
#include "view/Canvas.h"
#include "view/PlanRenderer.h"
#include "view/PlanView.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

// What a command changed; observers get the union of a command's changes.
enum CaseChange : unsigned {
    kCaseReplaced = 1u << 0,     // a new, opened or imported case: everything
    kPointsChanged = 1u << 1,    // the point table: rows, numbers, marks, the last point number
    kSelectionChanged = 1u << 2, // the selected grid row
    kPolylinesChanged = 1u << 3,
    kUnitsChanged = 1u << 4, // unit or decimals, and with them the grid's texts
    kViewChanged = 1u << 5,  // pan, zoom, surface size, toggles, labels, north arrow
    kLegendChanged = 1u << 6,
    kIncidentChanged = 1u << 7,
    kImagesChanged = 1u << 8,
    kNamesChanged = 1u << 9,    // case name and description
    kHistoryChanged = 1u << 10, // what Undo and Redo can do
    kCleanChanged = 1u << 11,   // saved or not
    kTablesRestored = 1u << 12, // undo, redo, delete: the tables were put back from copies
};
// The changes after which the plan must be painted again.
inline constexpr unsigned kPictureChanges = kCaseReplaced | kPointsChanged | kPolylinesChanged |
                                            kUnitsChanged | kViewChanged | kLegendChanged;

class CaseDocument {
  public:
    using Observer = std::function<void(unsigned changes)>;

    explicit CaseDocument(char decimalSeparator = '.');

    const CaseState& state() const { return state_; }
    const PlanView& view() const { return view_; }
    bool started() const { return state_.started; }
    // No change since the case was started, opened, imported or last saved.
    bool isClean() const { return history_.changes() == savedAt_; }
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }

    // Observers are called after each command that changed something; the returned id
    // forgets one again.
    int observe(Observer observer);
    void forget(int id);

    // The case as a whole.
    void startNew(CaseMode mode, const ProgramOptions& options, std::string_view today);
    // Replaces the case by a read file and fits the plan to it.
    void open(CaseFileContents&& contents);
    // Replaces the case by imported points (a new case of their mode) and fits the plan.
    void importCase(ImportedCase&& imported, const ProgramOptions& options, std::string_view today);
    void markSaved();
    void setCaseName(std::string cp1252);
    void setCaseDescription(std::string cp1252);

    // Points.
    Outcome createOrModifyPoint(EntryFields& fields);
    Outcome deletePoint(std::string_view numberText);
    Outcome setMark(Colour colour);
    Outcome clearAllMarks();
    Outcome renumberPoints(std::int32_t start);
    void selectRow(int row);
    Outcome undo();
    Outcome redo();

    // Polylines and arcs.
    Outcome createOrModifyPolyline(const PolylineFields& fields);
    Outcome deletePolyline(std::size_t k);

    // Units.
    void setDecimals(int decimals);
    // The grid's texts formatted afresh from the table; unlike a decimals change, the selected
    // row and the entry fields stay, so a point being typed is neither lost nor swapped.
    void redisplayGrid();
    // "Convert current coordinates" to `unit`; false when the case has no points.
    bool convertUnits(int unit);
    // Makes `unit` current without converting a value ("Close" of the units dialog).
    void relabelUnit(int unit);

    // Attachments. A changed legend is an unsaved change of the case.
    void setLegend(const LegendRecord& legend);
    // A changed incident description is an unsaved change: quitting asks to save it.
    // The legend a new case starts with (and an opened file without one keeps): the default
    // legend with the font, height, style and colour of `font`, as the legend dialog's font
    // stands.
    void setDefaultLegendFont(const LegendRecord& font);
    const LegendRecord& defaultLegend() const { return defaultLegend_; }
    void setIncident(const IncidentRecord& incident);
    void addImage(std::span<const std::uint8_t> jpegFileBytes);
    // "Add": the files in order, then image 0 is current. The first file that cannot be read
    // ends the list with its message; the files before it stay and count as a change.
    Outcome addImages(std::span<const std::string> paths);
    // Deletes image k; the one before it (or the new first one) becomes current.
    void removeImage(std::size_t k);
    void showImage(std::size_t k);
    void browseImage(ImageStep step);

    // The plan.
    void setSurfaceSize(int width, int height);
    void setToggles(const DisplayToggles& toggles);
    void setLabelHeight(int height);
    void setNorthArrow(PixelPos apex);
    void zoomAll();
    // A zoom step about (x, y); `recentre` makes (x, y) the centre of the toolbar's steps.
    void zoomStep(int x, int y, bool in, bool recentre);
    void pan(int dx, int dy);
    // Centres the point whose number the text names; nothing when none has it.
    void centreOnPoint(std::string_view numberText);
    // Zoom All when points exist but none lies on the surface: a user never faces an empty
    // plan that has points. True when it zoomed.
    bool ensurePointsVisible();
    // Wheel notifications: only every second one acts.
    bool wheelActs();
    // Paints the whole plan on the canvas.
    RedrawResult redraw(Canvas& canvas);

  private:
    // Announces the command's changes, adding the clean state's when it moved.
    void notify(unsigned changes, bool wasClean);
    Outcome finish(Outcome outcome, unsigned changes, bool wasClean);

    CaseState state_;
    PlanView view_;
    UndoHistory history_;
    std::uint64_t savedAt_ = 0;
    LegendRecord defaultLegend_;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserver_ = 1;
};

} // namespace zorvane
