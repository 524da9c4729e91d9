#include "ui/view/DrawingSurface.h"

#include "ui/view/DrawingWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace zorvane::ui {

DrawingSurface::DrawingSurface(DrawingWindow* window, const QImage& image, QWidget* parent)
    : QWidget(parent), window_(window), image_(image) {
    setObjectName("dessin");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect().topLeft(), image_, event->rect());
}

void DrawingSurface::mousePressEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    window_->mousePressed(at.x(), at.y(), e->button(), e->modifiers());
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    window_->mouseMoved(at.x(), at.y());
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* e) {
    window_->mouseReleased(e->button());
}

void DrawingSurface::wheelEvent(QWheelEvent* e) {
    e->ignore(); // the window zooms for every wheel step over it
}

} // namespace zorvane::ui
