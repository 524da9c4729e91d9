#pragma once
// " Bitmap View": the plan surface with its toolbars, the zoom readout and the mouse tools.
#include "case/CaseDocument.h"
#include "ui/app/AppContext.h"
#include "view/SurfaceTools.h"

#include <QImage>
#include <QMainWindow>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolBar;
class QToolButton;

namespace zorvane::ui {

class DrawingSurface;
class LegendDialog;
class PictureCommands;

class DrawingWindow : public QMainWindow {
    Q_OBJECT
  public:
    DrawingWindow(const AppContext& context, CaseDocument& doc, QWidget* parent = nullptr);
    ~DrawingWindow() override;

    // Paints the whole plan again and shows what the drawing pass had to report.
    void redraw();
    void showWithToolbars();
    // The display toggle buttons and the text height box as a restored window state has them.
    void showToggles(const DisplayToggles& toggles);
    void showLabelHeight(int height);
    // Hides the window with its toolbars, floating ones too.
    void hideWithToolbars();

    DrawingSurface* surface() const { return surface_; }
    const QImage& image() const { return image_; }
    QString statusText(int panel) const;
    QToolButton* button(const char* name) const;
    QComboBox* textHeightBox() const { return httxt_; }
    QMenu* controlBarMenu() const { return controlBarMenu_; }
    QToolBar* toolBar(const char* name) const;
    LegendDialog* legendDialog() const { return legend_; }
    PictureCommands* pictureCommands() const { return picture_; }
    const SurfaceTools& tools() const { return tools_; }

    // Zoom steps and the mouse tools, as the toolbar and the surface call them.
    void zoomAllCommand();
    void zoomInCommand();
    void zoomOutCommand();
    void mousePressed(int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void mouseMoved(int x, int y);
    void mouseReleased(Qt::MouseButton button);
    void wheelTurned(int x, int y, int delta);
    // ToolButton6: the next click on the surface places the north arrow.
    void startNorthArrowPlacement();

  Q_SIGNALS:
    void closedByUser();
    void showMainRequested();
    void polylinesRequested();
    // ToolButton3: the images window.
    void imagesRequested();
    void labelHeightChanged(int height);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    QMenu* createPopupMenu() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QToolButton* addButton(QToolBar* bar, const char* name, const QString& text,
                           const QString& hint, bool enabled);
    QToolButton* addToggle(QToolBar* bar, const char* name, const QString& text,
                           const QString& hint, bool down);
    void applyTextHeight();
    void readToggles();
    void layoutSurface();
    void caseChanged(unsigned changes);
    void buildStandardBar();
    void surfacePressed(const SurfacePress& press, int x, int y);
    // The surface's hint of the pending tool, shown at once.
    void showHint();

    const AppContext& ctx_;
    CaseDocument& doc_;
    int observer_ = 0;
    QImage image_;
    DrawingSurface* surface_ = nullptr;
    QComboBox* httxt_ = nullptr;
    QLineEdit* focusSink_ = nullptr;
    QLabel* status_[3] = {};
    QToolBar* standard_ = nullptr;
    QToolBar* zoom_ = nullptr;
    QToolBar* entities_ = nullptr;
    QToolBar* polylines_ = nullptr;
    QMenu* controlBarMenu_ = nullptr;
    bool applyingHeight_ = false;
    SurfaceTools tools_;
    QPoint lastPan_;
    LegendDialog* legend_ = nullptr;
    PictureCommands* picture_ = nullptr;
};

} // namespace zorvane::ui
