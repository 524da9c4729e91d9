#pragma once
// " Import Errors": the lines of the last import that could not be read.
#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace zorvane::ui {

class ImportErrorsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ImportErrorsWindow(QWidget* parent = nullptr);

    // One entry per rejected line ("12. the line"), in cp1252.
    void setErrors(const std::vector<std::string>& entries);
    QPlainTextEdit* list() const { return list_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPlainTextEdit* list_;
    QPushButton* close_;
};

} // namespace zorvane::ui
