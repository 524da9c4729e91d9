#pragma once
#include <QDialog>
#include <QUrl>
#include <functional>

namespace zorvane::ui {

// " About": the product and its version, and the publishers' web pages.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr const char* kHomePage = "https://www.zorvane.org/";
    static constexpr const char* kSupportPage = "https://www.zorvane.org/support/";

    AboutDialog(std::function<bool(const QUrl&)> openUrl, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;
};

// The program's picture: a north arrow over a measured point, drawn rather than shipped.
QPixmap zorvaneLogo(int size);

} // namespace zorvane::ui
