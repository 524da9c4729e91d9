#pragma once
// One entry page of the main window (XYZ, Polar or NESW): the number field with its four grid
// navigation buttons, the value fields, the descriptor box, the hidden code field and
// "&Create Point". The page only reports what the user does; the main window acts on it.
#include "case/CaseOperations.h"

#include <QWidget>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStringListModel;
class QToolButton;

namespace zorvane::ui {

class EntryPage : public QWidget {
    Q_OBJECT
  public:
    using Nav = GridStep;

    EntryPage(CaseMode mode, QWidget* parent = nullptr);

    CaseMode mode() const { return mode_; }
    QLineEdit* numberField() const { return number_; }
    const std::vector<QLineEdit*>& valueFields() const { return values_; }
    QComboBox* descriptorBox() const { return descriptor_; }
    QLineEdit* codeField() const { return code_; }
    QPushButton* createButton() const { return create_; }
    QToolButton* navButton(Nav nav) const;
    QToolButton* compactButton() const { return compact_; }

    // All of the page's inputs, for enabling and clearing.
    void clearFields();

  Q_SIGNALS:
    void numberLeft();
    void valueLeft(int index);
    void numberEnter();
    void valueEnter(int index);
    void descriptorEnter();
    void createClicked();
    void navClicked(zorvane::GridStep nav);
    void compactClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void suggestDescriptors(const QString& typed);
    QLineEdit* addValueField(const char* label, const char* name, int x, int y, int labelWidth,
                             int fieldWidth);

    CaseMode mode_;
    QLineEdit* number_ = nullptr;
    std::vector<QLineEdit*> values_;
    QComboBox* descriptor_ = nullptr;
    QLineEdit* code_ = nullptr;
    QPushButton* create_ = nullptr;
    QToolButton* nav_[4] = {};
    QToolButton* compact_ = nullptr;
    QStringListModel* suggestions_ = nullptr;
    QObject* enterPressedIn_ = nullptr; // the field that saw the last Enter pressed
};

} // namespace zorvane::ui
