#pragma once
// "Polylines and Arcs": defines named polylines and arcs over point numbers.
#include "case/CaseDocument.h"
#include "case/PolylineEditing.h"
#include "ui/app/AppContext.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QToolButton;

namespace zorvane::ui {

class PolylinesWindow : public QWidget {
    Q_OBJECT
  public:
    PolylinesWindow(const AppContext& context, CaseDocument& doc, QWidget* parent = nullptr);
    ~PolylinesWindow() override;

    QComboBox* nameBox() const { return name_; }
    QComboBox* colourBox() const { return colour_; }
    QComboBox* widthBox() const { return width_; }
    QLineEdit* descriptionField() const { return description_; }
    QLineEdit* pointsField() const { return points_; }

    void createOrModify();
    void deleteCurrent();
    // After undo, redo, a new or opened case: names in table order, the first one loaded.
    void refillNames();
    // After the table changed under the current entry (renumbering).
    void reloadCurrent();

  Q_SIGNALS:
    void undoRequested();
    void redoRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void nameChanged(const QString& text);
    void loadFields(const PolylineFields& f);
    PolylineFields readFields() const;
    void caseChanged(unsigned changes);

    const AppContext& ctx_;
    CaseDocument& doc_;
    int observer_ = 0;
    bool commanding_ = false; // our own command is changing the table
    QComboBox* name_;
    QComboBox* colour_;
    QComboBox* width_;
    QLineEdit* description_;
    QLineEdit* points_;
    QToolButton* create_;
    QToolButton* delete_;
    bool loading_ = false;
};

} // namespace zorvane::ui
