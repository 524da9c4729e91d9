#pragma once
// The font dialog with a colour list under it: a font, its size, its style and its colour
// are chosen in one step. Leaving the face or size as shown keeps the stored name or height
// exactly, even when this desktop lacks the face and shows a substitute.
#include "app/Prompts.h"

#include <QDialog>

class QComboBox;
class QFontDialog;

namespace zorvane::ui {

class FontColourDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FontColourDialog(const FontChoice& current, QWidget* parent = nullptr);

    // The font, size, style and colour as the dialog shows them now.
    FontChoice choice() const;
    QFontDialog* fontPart() const { return font_; }
    QComboBox* colourList() const { return colour_; }

    // Pixels per inch the point sizes are converted with.
    static double screenDpi();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillColours(std::uint32_t current);

    FontChoice initial_;
    QString initialFamily_;
    double initialPoints_ = 0;
    QFontDialog* font_ = nullptr;
    QComboBox* colour_ = nullptr;
};

} // namespace zorvane::ui
