#pragma once
// " Import Options": per import kind, which column (and behind which prefix) holds each value,
// the renumbering and the field separator. It only moves texts: the command unit stores them
// into the import options and writes impop.ini when "Ok" is asked for.
#include "files/ImportOptionsTexts.h"

#include <QDialog>
#include <array>
#include <vector>

class QCheckBox;
class QLineEdit;
class QTabWidget;

namespace zorvane::ui {

class ImportOptionsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ImportOptionsWindow(QWidget* parent = nullptr);

    void setTexts(const ImportOptionsTexts& texts);
    ImportOptionsTexts texts() const;
    // Shows the tab and puts the focus on the edit that "Ok" could not read; `field` -1 is the
    // renumbering number.
    void focusField(CaseMode tab, int field);

  Q_SIGNALS:
    void okRequested();
    void helpRequested();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    struct Tab {
        std::vector<QLineEdit*> columns;
        std::vector<QLineEdit*> prefixes;
        QCheckBox* renumber = nullptr;
        QLineEdit* renumberFrom = nullptr;
        QLineEdit* separator = nullptr;
    };
    QWidget* buildTab(CaseMode mode);
    static void fillTab(Tab& tab, const ImportTabTexts& texts);
    static ImportTabTexts readTab(const Tab& tab);
    Tab& tab(CaseMode mode) { return tabs_[static_cast<std::size_t>(mode)]; }
    const Tab& tab(CaseMode mode) const { return tabs_[static_cast<std::size_t>(mode)]; }

    QTabWidget* pages_ = nullptr;
    std::array<Tab, 3> tabs_;
};

} // namespace zorvane::ui
