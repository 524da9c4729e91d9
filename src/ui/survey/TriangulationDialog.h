#pragma once
// " Triangulate Point": a point fixed by the taped distances from two points of the case. The
// dialog stays open after each point, its reference points kept, ready for the next one.
#include "case/CaseDocument.h"
#include "case/Triangulation.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zorvane::ui {

class TriangulationDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TriangulationDialog(const CaseDocument& document, QWidget* parent = nullptr);

    // Fills the number with the next one and the descriptor list from the case.
    void prepare();
    // After a point was made: says so, then the next number, empty distances, the focus on the
    // first one.
    void pointCreated();
    TriangulationFields fields() const;
    void focusField(TriangulationField field);

    QLineEdit* numberField() const { return number_; }
    QLineEdit* pointAField() const { return pointA_; }
    QLineEdit* pointBField() const { return pointB_; }
    QLineEdit* distanceAField() const { return distanceA_; }
    QLineEdit* distanceBField() const { return distanceB_; }
    QComboBox* sideBox() const { return side_; }
    QComboBox* descriptorBox() const { return descriptor_; }
    QLabel* resultLabel() const { return result_; }
    QPushButton* createButton() const { return create_; }

  Q_SIGNALS:
    void createRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* field(const char* name);
    void normaliseDistance(QLineEdit* edit);
    void enterPressed(QObject* watched);
    // The point as it would be stored, or why it cannot be, shown as the user types.
    void showPlan();

    const CaseDocument& doc_;
    QLineEdit* number_;
    QLineEdit* pointA_;
    QLineEdit* pointB_;
    QLineEdit* distanceA_;
    QLineEdit* distanceB_;
    QComboBox* side_;
    QComboBox* descriptor_;
    QLabel* result_;
    QPushButton* create_;
    QString created_; // "Point 12 created." until the next point is typed
};

} // namespace zorvane::ui
