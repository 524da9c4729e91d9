#pragma once
// The main window: the top panel, the three entry pages, the point grids, the Show and Quit
// buttons, the status bar and the menu tree. It holds no case and runs no command: the
// command units connect to its actions and widgets.
#include "model/PointRecord.h"

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

class EntryPage;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // A menu item by its name ("NewXYZ1", "Undo1", ...).
    QAction* action(const char* name) const;
    EntryPage* page(CaseMode mode) const { return pages_[static_cast<int>(mode)]; }
    QTableView* grid(CaseMode mode) const;
    QLineEdit* caseNameField() const { return casename_; }
    QLineEdit* caseDescriptionField() const { return casedes_; }
    QToolButton* incidentButton() const { return incidentButton_; }
    QPushButton* showButton() const { return showButton_; }
    QMenu* pointMenu() const { return popup_; }
    QStackedWidget* pageControl() const { return pageControl_; }

    void setStatusText(int panel, const QString& text);
    QString statusText(int panel) const;

    // Shows the page and the grid of a case mode.
    void showMode(CaseMode mode);
    bool compactMode() const { return compact_; }
    void toggleCompact();
    // The next close really closes (Quit decided so); otherwise closing asks Quit.
    void allowClose() { closing_ = true; }

  Q_SIGNALS:
    void quitRequested();
    void filesDropped(const QList<QUrl>& urls);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildLayout();
    QTableView* buildGrid(const char* name);
    void buildMenus();
    void buildPointMenu();

    QLineEdit* casename_ = nullptr;
    QLineEdit* casedes_ = nullptr;
    QToolButton* incidentButton_ = nullptr;
    QWidget* topPanel_ = nullptr;
    QStackedWidget* pageControl_ = nullptr;
    std::array<EntryPage*, 3> pages_{};
    QWidget* panel_ = nullptr;
    QTableView* plist_ = nullptr;
    QTableView* plist2_ = nullptr;
    QPushButton* showButton_ = nullptr; // Button4
    QPushButton* hiddenShow_ = nullptr; // Button3, kept hidden
    QPushButton* quitButton_ = nullptr; // SpeedButton2
    std::array<QLabel*, 3> status_{};
    QMenu* popup_ = nullptr;
    CaseMode mode_ = CaseMode::Xyz;
    bool compact_ = false;
    bool closing_ = false;
};

} // namespace zorvane::ui
