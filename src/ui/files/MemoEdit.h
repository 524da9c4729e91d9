#pragma once
// A multi-line text field that holds at most as many characters as its record can: typing
// stops at the limit and a pasted or dropped text keeps only what still fits.
#include <QPlainTextEdit>

namespace zorvane::ui {

class MemoEdit : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit MemoEdit(QWidget* parent = nullptr);

    // Counted as the record stores the text: a line break takes two characters.
    void setMaxLength(int length);
    int maxLength() const { return maxLength_; }

  private:
    void trimInsertion(int position, int added);

    int maxLength_ = 32767;
    bool trimming_ = false;
};

} // namespace zorvane::ui
