#pragma once
// " Legend" (TForm17): the legend's lines, font, frame, visibility and position. Every edit
// shows on the plan at once; Cancel puts back the legend as it was when the drawing window
// opened the dialog.
#include "case/CaseDocument.h"
#include "ui/app/AppContext.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace zorvane::ui {

class LegendDialog : public QDialog {
    Q_OBJECT
  public:
    LegendDialog(const AppContext& context, CaseDocument& doc, QWidget* parent = nullptr);

    // "Legend manager": keeps the legend for Cancel, then shows the dialog modally.
    void openFromDrawing();
    // The click that placed the legend: X and Y into Left and Top (the legend moves), then the
    // dialog is shown again, Cancel still going back to the legend of the first opening.
    void placeAt(int x, int y);

    QPlainTextEdit* memo() const { return memo1_; }
    QLineEdit* leftField() const { return edit1_; }
    QLineEdit* topField() const { return edit2_; }
    QCheckBox* boxedBox() const { return checkBox2_; }
    QCheckBox* visibleBox() const { return checkBox1_; }
    QPushButton* fontButton() const { return button2_; }
    QToolButton* placeButton() const { return speedButton1_; }
    QPushButton* applyButton() const { return speedButton2_; }
    QPushButton* cancelButton() const { return speedButton3_; }

  Q_SIGNALS:
    // "Select position by clicking": the next click on the plan places the legend.
    void placementRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void fill();
    void memoChanged();
    void chooseFont();
    void positionEdited(QLineEdit* field);
    void flagClicked();
    void selectPosition();
    void apply();
    void cancel();
    // The legend with the memo's lines, the chosen font, both positions and both flags.
    LegendRecord fromControls() const;
    void rememberFont(const FontChoice& font);

    const AppContext& ctx_;
    CaseDocument& doc_;
    LegendRecord backup_;
    FontChoice font_; // the font dialog's font: the next new case starts with it
    bool filling_ = false;
    QPlainTextEdit* memo1_ = nullptr;
    QPushButton* button2_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QPushButton* speedButton2_ = nullptr;
    QPushButton* speedButton3_ = nullptr;
};

} // namespace zorvane::ui
