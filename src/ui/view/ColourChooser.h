#pragma once
// " Color selection" (Tfcoul): a drawing colour number from 1 to 255, picked from nine
// panels or typed. It keeps its last result until the next choice.
#include "app/Prompts.h"
#include "view/ColourTable.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QToolButton;

namespace zorvane::ui {

class ColourChooser : public QDialog {
    Q_OBJECT
  public:
    explicit ColourChooser(QWidget* parent = nullptr);

    // Puts the caller's number into the field and places the chooser beside the button.
    void prepare(const ColourRequest& request);
    // prepare, then shown modally; the result however the chooser was closed.
    ColourChoice choose(const ColourRequest& request);
    const ColourChoice& result() const { return result_; }

    QLineEdit* numberField() const { return edit1_; }
    QToolButton* panel(int number) const { return panels_[std::size_t(number - 1)]; }

    // The workspace and button-face colours of the desktop's palette.
    static DesktopColours desktopColours();

  public Q_SLOTS:
    // Any close but a panel or Enter: the number in the field, when it is one.
    void reject() override;

  private:
    void panelClicked(int number);
    void numberEntered();

    QLineEdit* edit1_ = nullptr;
    std::array<QToolButton*, kColourPanels> panels_{};
    ColourChoice result_;
};

} // namespace zorvane::ui
