#pragma once
// " Images ": the photographs of the case, one at a time, stretched over the display area; a
// tool window that stays on top beside the drawing.
#include "case/CaseDocument.h"
#include "files/JpegDecoder.h"
#include "ui/app/AppContext.h"

#include <QImage>
#include <QString>
#include <QWidget>

class QKeyEvent;
class QLabel;
class QStatusBar;
class QToolButton;

namespace zorvane::ui {

class ImageDisplay;

class ImagesWindow : public QWidget {
    Q_OBJECT
  public:
    ImagesWindow(const AppContext& context, CaseDocument& doc, QWidget* parent = nullptr);
    ~ImagesWindow() override;

    // "Add": the open dialog, then the chosen files in its order.
    void addImages();
    void browse(ImageStep step);
    // "Del": the current image.
    void deleteCurrent();

    // The window's outer rectangle (frame included): left, top, width, height.
    QRect placement() const { return frameGeometry(); }
    void setPlacement(const QRect& frame);
    void showAt(const QRect& frame);
    // Whether it was placed yet (by setPlacement).
    bool placed() const { return placed_; }

    QToolButton* button(const char* name) const;
    ImageDisplay* display() const { return display_; }
    QString statusText() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Decoded {
        bool valid = false;
        std::size_t index = 0;
        JpegResult result; // the pixels moved into `picture`
        QImage picture;
        QString error;
    };

    void buildButtons();
    QToolButton* addButton(const char* name, const QString& text, const QString& hint);
    bool browseKey(const QKeyEvent* event);
    void layoutDisplay();
    void caseChanged(unsigned changes);
    void updateButtons();
    // Shows the current image; `report` puts a decoding failure in the error box too.
    void showCurrent(bool report);
    void decodeCurrent();
    JpegRequest displayRequest() const;

    const AppContext& ctx_;
    CaseDocument& doc_;
    int observer_ = 0;
    QWidget* row_ = nullptr; // the buttons
    ImageDisplay* display_ = nullptr;
    QStatusBar* status_ = nullptr;
    QLabel* size_ = nullptr;
    Decoded decoded_;
    std::string folder_; // where the last images were added from
    bool placed_ = false;
};

} // namespace zorvane::ui
