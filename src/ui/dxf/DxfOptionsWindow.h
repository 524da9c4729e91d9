#pragma once
// " DXF Export Options" (Tform4): what the DXF export writes, on which layers, in which
// colours and text heights, and 2D or 3D. It shows a record and hands back the one Ok built;
// reading and writing the options file is the command's.
#include "model/DxfExportOptions.h"
#include "ui/app/AppContext.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace zorvane::ui {

class DxfOptionsWindow : public QDialog {
    Q_OBJECT
  public:
    // `separator`: the user's decimal separator, for the heights.
    DxfOptionsWindow(const AppContext& context, char separator, std::function<void()> showHelp,
                     QWidget* parent = nullptr);

    // Fills the rows from the record; unchecked rows are greyed.
    void setOptions(const DxfExportOptions& options);
    // The record the controls hold; nothing, after the conversion message, when a height is
    // not a number.
    std::optional<DxfExportOptions> readOptions();

    // Ok hands the record here; it throws when the record could not be kept, and the window
    // then stays open.
    std::function<void(const DxfExportOptions&)> save;

    enum Row { Points = 0, Numbers = 1, Descriptors = 2, Polylines = 3 };
    QCheckBox* exportBox(Row row) const { return rows_[row].check; }
    QLineEdit* layerField(Row row) const { return rows_[row].layer; }
    QLabel* colourField(Row row) const { return rows_[row].colour; }
    QToolButton* colourButton(Row row) const { return rows_[row].button; }
    // The colour number the field keeps.
    int colourNumber(Row row) const { return rows_[row].number; }
    QLineEdit* heightField(Row row) const { return rows_[row].height; }
    QRadioButton* in3D(Row row) const { return rows_[row].threeD; }
    QRadioButton* in2D(Row row) const { return rows_[row].twoD; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    struct RowControls {
        QFrame* panel = nullptr;
        QCheckBox* check = nullptr;
        QLineEdit* layer = nullptr;
        QLabel* colour = nullptr;
        QToolButton* button = nullptr;
        QLineEdit* height = nullptr;
        QRadioButton* twoD = nullptr;
        QRadioButton* threeD = nullptr;
        int number = 0;
    };

    void buildRow(QWidget* group, Row row, int top, const char* const names[]);
    void addHeight(Row row, const char* name);
    void addDimensions(Row row, const char* name2D, const char* name3D);
    void greyRow(Row row);
    void pickColour(Row row);
    void setColour(Row row, int number, const std::string& name, std::uint32_t colour);
    void normaliseHeight(QLineEdit* field);
    void okClicked();
    void orderTabs(QWidget* help);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

    const AppContext& ctx_;
    char separator_;
    std::function<void()> showHelp_;
    std::array<RowControls, 4> rows_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace zorvane::ui
