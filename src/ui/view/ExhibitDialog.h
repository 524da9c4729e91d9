#pragma once
// " Export Plan as PDF / SVG": the scale (1:50 to 1:1000 or any 1:N), the paper and its
// orientation of a court exhibit.
#include "view/ExhibitSettings.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace zorvane::ui {

class ExhibitDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ExhibitDialog(QWidget* parent = nullptr);

    // Shows `settings`: a standard scale in the list, any other one as a custom scale.
    void setSettings(const ExhibitSettings& settings);
    // The settings as the controls stand; nothing when the custom scale is not 1:N with N
    // from 1 to kMaxScale.
    std::optional<ExhibitSettings> settings() const;

    QComboBox* scaleBox() const { return scale_; }
    QLineEdit* customScale() const { return custom_; }
    QComboBox* paperBox() const { return paper_; }

  Q_SIGNALS:
    // Ok with a custom scale that is not one.
    void invalidScale();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void scaleChosen();
    void confirm();

    QComboBox* scale_;
    QLineEdit* custom_;
    QComboBox* paper_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    char separator_ = '.';
};

// The message for a custom scale that is not one.
inline constexpr const char* kInvalidScaleMessage =
    "Enter the scale as 1:N, N a whole number from 1 to 10000000.";

} // namespace zorvane::ui
