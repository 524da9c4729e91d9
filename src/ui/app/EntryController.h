#pragma once
// Point entry and point editing on the main window: the entry pages' fields, the point grids
// and their popup menu, the "Last Point: " and "Units: " panels. Fields are read and written
// here; every rule is the open case's.
#include "case/CaseDocument.h"
#include "ui/app/AppContext.h"

#include <QObject>

class QTableView;

namespace zorvane::ui {

class EntryPage;
class MainWindow;
class PointGridModel;

class EntryController : public QObject {
    Q_OBJECT
  public:
    EntryController(const AppContext& context, CaseDocument& document, MainWindow& window);
    ~EntryController() override;

    EntryPage* currentPage() const;

    // The commands of the page, the grid and its popup menu.
    void createPoint();
    void deleteSelectedPoint();
    void markSelectedPoint(Colour colour);
    void clearAllPointMarks();
    void zoomCentre();
    // Grid row selection (row 1 is the first point row).
    void selectRow(int gridRow);

  private:
    void connectPage(EntryPage* page);
    void connectGrid(QTableView* view);
    void connectPointMenu();
    void caseChanged(unsigned changes);
    void showReplacedCase();
    void refreshGrids();
    void showSelection();
    void loadSelectionIntoFields();
    void updateStatus();
    void updateNavButtons();
    void updateNumberColour();
    void updatePointMenu();
    void refillDescriptorBoxes();
    void normaliseValue(EntryPage* page, int index);
    void normaliseNumber(EntryPage* page);
    void valueEnter(EntryPage* page, int index);
    void numberEnter(EntryPage* page);
    void showError(const Outcome& outcome);

    const AppContext& ctx_;
    CaseDocument& doc_;
    MainWindow& window_;
    PointGridModel* plistModel_ = nullptr;
    PointGridModel* plist2Model_ = nullptr;
    int observer_ = 0;
    bool selecting_ = false; // a row selected by code, not by the user
    bool opened_ = false;    // the case came from a file: its new-point button is offered at once
};

} // namespace zorvane::ui
