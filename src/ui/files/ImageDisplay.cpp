#include "ui/files/ImageDisplay.h"

#include <QPainter>

namespace zorvane::ui {

ImageDisplay::ImageDisplay(QWidget* parent) : QWidget(parent) {
    setObjectName("Image2");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageDisplay::setPicture(QImage picture) {
    picture_ = std::move(picture);
    message_.clear();
    update();
}

void ImageDisplay::setMessage(const QString& message) {
    picture_ = {};
    message_ = message;
    update();
}

void ImageDisplay::clear() {
    setMessage({});
}

void ImageDisplay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!picture_.isNull()) {
        // Over the whole area, the picture's own proportions given up.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), picture_);
        return;
    }
    p.fillRect(rect(), palette().window());
    if (message_.isEmpty()) return;
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect().adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap, message_);
}

} // namespace zorvane::ui
