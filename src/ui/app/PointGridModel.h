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
    // One row's texts changed.
    void rowChanged(int gridRow);

private:
    const CaseDocument& doc_;
    CaseMode mode_;
    bool empty_ = true; // a grid of an unstarted case shows its two blank rows
};

} // namespace zorvane::ui
