#include "ui/app/PointGridModel.h"

#include "ui/app/Cp1252Text.h"

namespace zorvane::ui {

PointGridModel::PointGridModel(const CaseDocument& doc, CaseMode mode, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc), mode_(mode) {}

namespace {
// plist shows XYZ and Polar cases, plist2 NESW ones; neither shows anything before a case.
bool showsPoints(const CaseDocument& doc, CaseMode gridMode) {
    return doc.started() && (doc.state().mode == CaseMode::Nesw) == (gridMode == CaseMode::Nesw);
}
} // namespace

int PointGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    // The designed grid has a title row and one empty row.
    return showsPoints(doc_, mode_) ? PointGrid::rowCount(doc_.state().points.size()) - 1 : 1;
}

int PointGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : PointGrid::columnCount(mode_);
}

QVariant PointGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !showsPoints(doc_, mode_)) return {};
    const int row = index.row() + 1;
    const CaseState& s = doc_.state();
    if (role == Qt::DisplayRole)
        return fromCp1252(s.grid.cell(s.points, s.mode, row, index.column()));
    if (role == Qt::ToolTipRole) {
        // The grid's hint is the descriptor of the row under the mouse.
        const auto text = s.grid.cell(s.points, s.mode, row, PointGrid::descriptorColumn(s.mode));
        return text.empty() ? QVariant() : QVariant(fromCp1252(text));
    }
    return {};
}

QVariant PointGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    const auto titles = PointGrid::titles(mode_);
    return section >= 0 && section < static_cast<int>(titles.size())
               ? fromCp1252(titles[static_cast<std::size_t>(section)])
               : QVariant();
}

void PointGridModel::setMode(CaseMode mode) {
    beginResetModel();
    mode_ = mode;
    rows_ = rowCount();
    endResetModel();
}

void PointGridModel::reset() {
    beginResetModel();
    rows_ = rowCount();
    endResetModel();
}

void PointGridModel::refresh() {
    if (rowCount() != rows_) {
        reset();
        return;
    }
    Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

} // namespace zorvane::ui
