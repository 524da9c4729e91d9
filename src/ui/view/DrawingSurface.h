#pragma once
#include <QImage>
#include <QWidget>

namespace zorvane::ui {

class DrawingWindow;

// dessin: shows the plan image and hands mouse events to its window.
class DrawingSurface : public QWidget {
    Q_OBJECT
  public:
    DrawingSurface(DrawingWindow* window, const QImage& image, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    DrawingWindow* window_;
    const QImage& image_;
};

} // namespace zorvane::ui
