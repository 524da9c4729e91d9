#pragma once
// The main window: the case's entry pages and point grids, the menus and the shell commands.
// It owns the open case; the other windows work on it through references.
#include "case/CaseDocument.h"
#include "case/UndoHistory.h"
#include "ui/app/AppContext.h"
#include "ui/app/EntryPage.h"
#include "view/PlanView.h"

#include <QMainWindow>
#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTableView;
class QToolButton;

namespace zorvane::ui {

class DrawingWindow;
class DrawingSettingsDialog;
class PolylinesWindow;
class PointGridModel;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    CaseDocument& document() { return doc_; }
    PlanView& planView() { return view_; }
    const UndoHistory& undoHistory() const { return undo_; }
    DrawingWindow* drawingWindow() const { return drawing_; }
    PolylinesWindow* polylinesWindow() const { return polylines_; }
    DrawingSettingsDialog* unitsDialog() const { return unitsDialog_; }
    EntryPage* page(CaseMode mode) const { return pages_[static_cast<int>(mode)]; }
    EntryPage* currentPage() const { return page(doc_.mode); }
    QTableView* grid(CaseMode mode) const;
    bool compactMode() const { return compact_; }
    bool drawingShown() const { return drawingShown_; }
    QString statusText(int panel) const;

    // Commands (menus, buttons, keys). The ones that may be refused return whether they ran.
    bool newCase(CaseMode mode);
    bool quit(); // true when the program ends
    bool saveCase();
    bool openCase();
    bool openCaseFile(const QString& path); // command line and drops: the save prompt first
    // The first case file among dropped files; false when there is none.
    bool openDroppedFiles(const QList<QUrl>& urls);
    void undo();
    void redo();
    void toggleDrawing();
    void toggleCompact();
    void showHelp();
    void showAbout();
    void showUnits();
    void showRenumber();
    void createPoint();
    void deleteSelectedPoint();
    void markSelectedPoint(Colour colour);
    void clearAllPointMarks();
    void zoomCentre();

    // Grid row selection (row 1 is the first point row) and loading it into the fields.
    void selectRow(int gridRow);
    void redrawPlan();
    // After undo, redo, delete: the whole grid, the fields and the plan.
    void refreshAfterRebuild();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildLayout();
    void buildPopupMenu();
    void connectPage(EntryPage* page);
    bool askToSaveChanges();
    FileDialogRequest caseFileDialog(const char* title, bool saving) const;
    void rememberCaseFolder(const QString& path);
    bool loadCase(const QString& path);
    // The windows after New or Open replaced the case: fields, grids, pages, panels, lists.
    void showReplacedCase(const QString& fileStatus, bool opened);
    bool runCtrlKey(int key);
    void setCaseControlsEnabled(bool enabled);
    void updateUndoActions();
    void updateStatus();
    void updateNavButtons();
    void updatePopupEnabling();
    void showModeGrid();
    void resetGridModels();
    void loadSelectionIntoFields();
    void normaliseValue(EntryPage* page, int index);
    void normaliseNumber(EntryPage* page);
    void numberEnter(EntryPage* page);
    void valueEnter(EntryPage* page, int index);
    void navigate(EntryPage::Nav nav);
    void refillDescriptorBoxes();
    void showError(const std::string& text);
    // The polylines window after a change of the table: its names list (and selection) or
    // only the fields of its current entry.
    void refreshPolylineWindow(bool names);

    AppContext& ctx_;
    CaseDocument doc_;
    PlanView view_;
    UndoHistory undo_;

    QLineEdit* casename_ = nullptr;
    QLineEdit* casedes_ = nullptr;
    QToolButton* incidentButton_ = nullptr;
    QStackedWidget* pageControl_ = nullptr;
    std::array<EntryPage*, 3> pages_{};
    QWidget* panel_ = nullptr;
    QTableView* plist_ = nullptr;
    QTableView* plist2_ = nullptr;
    PointGridModel* plistModel_ = nullptr;
    PointGridModel* plist2Model_ = nullptr;
    QPushButton* showButton_ = nullptr;  // Button4
    QPushButton* hiddenShow_ = nullptr;  // Button3, kept hidden
    QPushButton* quitButton_ = nullptr;  // SpeedButton2
    QWidget* topPanel_ = nullptr;
    std::array<QLabel*, 3> status_{};
    QMenu* popup_ = nullptr;
    QAction* zoomOn_ = nullptr;
    QAction* deletePointAction_ = nullptr;
    QAction* markMenuAction_ = nullptr;
    QAction* clearPointAction_ = nullptr;
    QAction* clearAllAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* unitsAction_ = nullptr;
    QAction* renumberAction_ = nullptr;

    DrawingWindow* drawing_ = nullptr;
    PolylinesWindow* polylines_ = nullptr;
    DrawingSettingsDialog* unitsDialog_ = nullptr;
    bool drawingShown_ = false;
    bool drawingPlaced_ = false;
    bool polylinesPlaced_ = false;
    bool compact_ = false;
    bool quitting_ = false;
    bool selecting_ = false; // a row selected by code, not by the user
    QString caseFolder_; // remembered folder of case files
};

} // namespace zorvane::ui
