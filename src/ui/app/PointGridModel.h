#pragma once
#include "case/CaseDocument.h"

#include <QAbstractTableModel>

namespace zorvane::ui {

// plist / plist2 on screen: a view of the grid texts kept by the case. Model row r is grid
// row r + 1 (grid row 0, the titles, is the header).
class PointGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    PointGridModel(const CaseDocument& doc, CaseMode mode, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The grid's mode for titles (plist shows XYZ or Polar titles).
    void setMode(CaseMode mode);
    // Everything may have changed (rows added, removed, rebuilt).
    void reset();
    // The texts changed: a reset when the number of rows did, else a repaint of the rows.
    void refresh();

  private:
    const CaseDocument& doc_;
    CaseMode mode_;
    int rows_ = 1; // as the view last heard
};

} // namespace zorvane::ui
