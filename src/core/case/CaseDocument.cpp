#include "case/CaseDocument.h"

#include "case/ApplyImport.h"
#include "case/CaseFileApply.h"
#include "case/CaseOperations.h"
#include "case/PointEditing.h"

#include <algorithm>

namespace zorvane {
namespace {
// After these the grid is formatted afresh and a row is selected and loaded again.
constexpr unsigned kRebuilt =
    kPointsChanged | kSelectionChanged | kPolylinesChanged | kHistoryChanged | kTablesRestored;
} // namespace

CaseDocument::CaseDocument(char decimalSeparator) {
    state_.decimalSeparator = decimalSeparator;
}

int CaseDocument::observe(Observer observer) {
    observers_.emplace_back(nextObserver_, std::move(observer));
    return nextObserver_++;
}

void CaseDocument::forget(int id) {
    std::erase_if(observers_, [id](const auto& o) { return o.first == id; });
}

void CaseDocument::notify(unsigned changes, bool wasClean) {
    if (isClean() != wasClean) changes |= kCleanChanged;
    if (changes == 0) return;
    // An observer may forget itself or another one while being told.
    const auto observers = observers_;
    for (const auto& [id, observer] : observers) observer(changes);
}

Outcome CaseDocument::finish(Outcome outcome, unsigned changes, bool wasClean) {
    if (outcome.changed) notify(changes, wasClean);
    return outcome;
}

// ---- the case as a whole ----------------------------------------------------------------

void CaseDocument::startNew(CaseMode mode, const ProgramOptions& options, std::string_view today) {
    resetCase(state_, mode, options, today);
    state_.legend = defaultLegend_;
    history_.disable();
    savedAt_ = history_.changes();
    view_.labelHeight = options.labelHeight;
    notify(kCaseReplaced | kHistoryChanged | kCleanChanged, false);
}

void CaseDocument::open(CaseFileContents&& contents) {
    applyCaseFile(state_, std::move(contents), defaultLegend_);
    history_.disable();
    savedAt_ = history_.changes();
    recomputeView(view_.transform, state_.points, state_.screen, state_.mode);
    zorvane::zoomAll(view_, state_.screen);
    notify(kCaseReplaced | kHistoryChanged | kCleanChanged, false);
}

void CaseDocument::importCase(ImportedCase&& imported, const ProgramOptions& options,
                              std::string_view today) {
    applyImportedCase(state_, std::move(imported), options, today);
    state_.legend = defaultLegend_;
    history_.disable();
    savedAt_ = history_.changes();
    view_.labelHeight = options.labelHeight;
    recomputeView(view_.transform, state_.points, state_.screen, state_.mode);
    zorvane::zoomAll(view_, state_.screen);
    notify(kCaseReplaced | kHistoryChanged | kCleanChanged, false);
}

void CaseDocument::markSaved() {
    const bool was = isClean();
    savedAt_ = history_.changes();
    notify(0, was);
}

// The name and description are saved with the case: typing them is a change that quitting
// must not lose without asking.
void CaseDocument::setCaseName(std::string text) {
    if (state_.caseName == text) return;
    const bool was = isClean();
    state_.caseName = std::move(text);
    history_.noteChange();
    notify(kNamesChanged, was);
}

void CaseDocument::setCaseDescription(std::string text) {
    if (state_.caseDescription == text) return;
    const bool was = isClean();
    state_.caseDescription = std::move(text);
    history_.noteChange();
    notify(kNamesChanged, was);
}

// ---- points -----------------------------------------------------------------------------

Outcome CaseDocument::createOrModifyPoint(EntryFields& fields) {
    const bool was = isClean();
    return finish(zorvane::createOrModifyPoint(state_, view_.transform, history_, fields),
                  kPointsChanged | kSelectionChanged | kHistoryChanged, was);
}

Outcome CaseDocument::deletePoint(std::string_view numberText) {
    const bool was = isClean();
    return finish(zorvane::deletePoint(state_, history_, numberText), kRebuilt, was);
}

Outcome CaseDocument::setMark(Colour colour) {
    const bool was = isClean();
    return finish(zorvane::setMark(state_, history_, colour), kPointsChanged | kHistoryChanged,
                  was);
}

Outcome CaseDocument::clearAllMarks() {
    const bool was = isClean();
    return finish(zorvane::clearAllMarks(state_, history_), kPointsChanged | kHistoryChanged, was);
}

Outcome CaseDocument::renumberPoints(std::int32_t start) {
    const bool was = isClean();
    return finish(zorvane::renumberPoints(state_, history_, start),
                  kPointsChanged | kSelectionChanged | kPolylinesChanged, was);
}

void CaseDocument::selectRow(int row) {
    if (!state_.started) return;
    state_.grid.selectedRow = std::clamp(row, 1, newPointRow(state_));
    notify(kSelectionChanged, isClean());
}

Outcome CaseDocument::undo() {
    const bool was = isClean();
    return finish(history_.undo(state_) ? Outcome::done() : Outcome::unchanged(), kRebuilt, was);
}

Outcome CaseDocument::redo() {
    const bool was = isClean();
    return finish(history_.redo(state_) ? Outcome::done() : Outcome::unchanged(), kRebuilt, was);
}

// ---- polylines --------------------------------------------------------------------------

Outcome CaseDocument::createOrModifyPolyline(const PolylineFields& fields) {
    const bool was = isClean();
    return finish(zorvane::createOrModifyPolyline(state_, history_, fields),
                  kPolylinesChanged | kHistoryChanged, was);
}

Outcome CaseDocument::deletePolyline(std::size_t k) {
    const bool was = isClean();
    return finish(zorvane::deletePolyline(state_, history_, k), kPolylinesChanged | kHistoryChanged,
                  was);
}

// ---- units ------------------------------------------------------------------------------

void CaseDocument::setDecimals(int decimals) {
    setCaseDecimals(state_, decimals);
    notify(kUnitsChanged | kSelectionChanged, isClean());
}

void CaseDocument::redisplayGrid() {
    state_.grid.rebuild(state_.units, state_.decimalSeparator);
    notify(kUnitsChanged, isClean());
}

bool CaseDocument::convertUnits(int unit) {
    if (!convertCaseUnits(state_, unit)) return false;
    notify(kUnitsChanged | kPointsChanged | kSelectionChanged, isClean());
    return true;
}

void CaseDocument::relabelUnit(int unit) {
    state_.units.unit = clampUnit(unit);
    notify(kUnitsChanged, isClean());
}

// ---- attachments ------------------------------------------------------------------------

void CaseDocument::setLegend(const LegendRecord& legend) {
    if (state_.legend == legend) return;
    const bool was = isClean();
    state_.legend = legend;
    // The legend is saved with the case: quitting must not lose a legend typed after the save.
    history_.noteChange();
    notify(kLegendChanged, was);
}

void CaseDocument::setDefaultLegendFont(const LegendRecord& font) {
    defaultLegend_.fontName = font.fontName;
    defaultLegend_.fontHeight = font.fontHeight;
    defaultLegend_.fontStyle = font.fontStyle;
    defaultLegend_.fontColour = font.fontColour;
}

void CaseDocument::setIncident(const IncidentRecord& incident) {
    if (state_.incident == incident) return;
    const bool was = isClean();
    state_.incident = incident;
    history_.noteChange();
    notify(kIncidentChanged, was);
}

void CaseDocument::addImage(std::span<const std::uint8_t> bytes) {
    const bool was = isClean();
    state_.images.add(bytes);
    history_.noteChange();
    notify(kImagesChanged, was);
}

Outcome CaseDocument::addImages(std::span<const std::string> paths) {
    const bool was = isClean();
    Outcome out = addImageFiles(state_.images, paths);
    if (!out.changed) return out;
    state_.images.current = 0;
    history_.noteChange();
    notify(kImagesChanged, was);
    return out;
}

void CaseDocument::removeImage(std::size_t k) {
    if (k >= state_.images.count()) return;
    const bool was = isClean();
    state_.images.remove(k);
    state_.images.current = imageIndexAfterRemoval(k, state_.images.count());
    history_.noteChange();
    notify(kImagesChanged, was);
}

void CaseDocument::showImage(std::size_t k) {
    if (k >= state_.images.count() || state_.images.current == k) return;
    state_.images.current = k;
    notify(kImagesChanged, isClean());
}

void CaseDocument::browseImage(ImageStep step) {
    const ImageStore& images = state_.images;
    showImage(imageIndexAfter(step, images.current, images.count()));
}

// ---- the plan ---------------------------------------------------------------------------

void CaseDocument::setSurfaceSize(int width, int height) {
    if (view_.width == width && view_.height == height) return;
    view_.width = width;
    view_.height = height;
    notify(kViewChanged, isClean());
}

void CaseDocument::setToggles(const DisplayToggles& toggles) {
    view_.toggles = toggles;
    notify(kViewChanged, isClean());
}

void CaseDocument::setLabelHeight(int height) {
    view_.labelHeight = height;
    notify(kViewChanged, isClean());
}

void CaseDocument::setNorthArrow(PixelPos apex) {
    view_.northArrow = apex;
    notify(kViewChanged, isClean());
}

void CaseDocument::zoomAll() {
    zorvane::zoomAll(view_, state_.screen);
    notify(kViewChanged, isClean());
}

void CaseDocument::zoomStep(int x, int y, bool in, bool recentre) {
    zorvane::zoomStep(view_, state_.screen, x, y, in);
    if (recentre) view_.zoomCentre = {x, y};
    notify(kViewChanged, isClean());
}

void CaseDocument::pan(int dx, int dy) {
    panView(state_.screen, dx, dy);
    notify(kViewChanged, isClean());
}

void CaseDocument::centreOnPoint(std::string_view numberText) {
    // A number that names no point (or is no number) leaves the view alone.
    if (const auto row = findRowByNumberText(state_, numberText).row) {
        zorvane::centreOnPoint(view_, state_.screen, static_cast<std::size_t>(*row - 1));
        notify(kViewChanged, isClean());
    }
}

bool CaseDocument::ensurePointsVisible() {
    if (state_.points.empty() || view_.width <= 0 || view_.height <= 0) return false;
    for (const ScreenPos& p : state_.screen)
        if (p.x >= 0 && p.y >= 0 && p.x < view_.width && p.y < view_.height) return false;
    recomputeView(view_.transform, state_.points, state_.screen, state_.mode);
    zoomAll();
    return true;
}

bool CaseDocument::wheelActs() {
    return wheelNotification(view_);
}

RedrawResult CaseDocument::redraw(Canvas& canvas) {
    return redrawPlan(state_, view_, canvas);
}

} // namespace zorvane
