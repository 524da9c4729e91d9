#pragma once
// "Polylines and Arcs": defines named polylines and arcs over point numbers.
#include "case/CaseDocument.h"
#include "case/PolylineEditing.h"
#include "case/UndoHistory.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QToolButton;

namespace zorvane::ui {

class PolylinesWindow : public QWidget {
    Q_OBJECT
public:
    PolylinesWindow(CaseDocument& doc, UndoHistory& undo, QWidget* parent = nullptr);

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
    void changed();      // the plan must be redrawn
    void undoRequested();
    void redoRequested();
    void error(const std::string& text, bool focusPoints);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nameChanged(const QString& text);
    void loadFields(const PolylineFields& f);
    PolylineFields readFields() const;

    CaseDocument& doc_;
    UndoHistory& undo_;
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
