#pragma once
// The images window's display area: the current photograph stretched over all of it, or the
// reason it cannot be shown.
#include <QImage>
#include <QString>
#include <QWidget>

namespace zorvane::ui {

class ImageDisplay : public QWidget {
    Q_OBJECT
  public:
    explicit ImageDisplay(QWidget* parent = nullptr);

    void setPicture(QImage picture);
    void setMessage(const QString& message);
    void clear();

    const QImage& picture() const { return picture_; }
    const QString& message() const { return message_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
    QString message_;
};

} // namespace zorvane::ui
