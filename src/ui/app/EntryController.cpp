#include "ui/app/EntryController.h"

#include "case/CaseOperations.h"
#include "case/PointEditing.h"
#include "case/PointEntry.h"
#include "ui/app/Cp1252Text.h"
#include "ui/app/EntryPage.h"
#include "ui/app/MainWindow.h"
#include "ui/app/PointGridModel.h"
#include "ui/app/QtColour.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTableView>
#include <QToolButton>

namespace zorvane::ui {
namespace {

void setTextColour(QWidget* w, Colour c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Text, toQColor(c));
    w->setPalette(pal);
}

EntryFields fieldsOf(const EntryPage* p) {
    EntryFields f;
    f.number = toCp1252(p->numberField()->text());
    const auto& values = p->valueFields();
    for (std::size_t i = 0; i < values.size(); ++i) f.values[i] = toCp1252(values[i]->text());
    f.descriptor = toCp1252(p->descriptorBox()->currentText());
    f.code = toCp1252(p->codeField()->text());
    return f;
}

constexpr CaseMode kModes[] = {CaseMode::Xyz, CaseMode::Polar, CaseMode::Nesw};

} // namespace

EntryController::EntryController(const AppContext& context, CaseDocument& document,
                                 MainWindow& window)
    : QObject(&window), ctx_(context), doc_(document), window_(window) {
    plistModel_ = new PointGridModel(doc_, CaseMode::Xyz, this);
    plist2Model_ = new PointGridModel(doc_, CaseMode::Nesw, this);
    window_.grid(CaseMode::Xyz)->setModel(plistModel_);
    window_.grid(CaseMode::Nesw)->setModel(plist2Model_);
    for (CaseMode mode : {CaseMode::Xyz, CaseMode::Nesw}) {
        QTableView* view = window_.grid(mode);
        const auto widths = PointGrid::columnWidths(mode);
        for (std::size_t c = 0; c < widths.size(); ++c)
            view->setColumnWidth(static_cast<int>(c), widths[c]);
        view->setColumnHidden(PointGrid::codeColumn(mode), true);
        connectGrid(view);
    }
    for (CaseMode mode : kModes) connectPage(window_.page(mode));
    connectPointMenu();

    QLineEdit* name = window_.caseNameField();
    QLineEdit* description = window_.caseDescriptionField();
    connect(name, &QLineEdit::textChanged, this,
            [this](const QString& t) { doc_.setCaseName(toCp1252(t)); });
    connect(description, &QLineEdit::textChanged, this,
            [this](const QString& t) { doc_.setCaseDescription(toCp1252(t)); });
    for (QWidget* w : {static_cast<QWidget*>(name), static_cast<QWidget*>(description),
                       static_cast<QWidget*>(window_.grid(CaseMode::Xyz)),
                       static_cast<QWidget*>(window_.grid(CaseMode::Nesw))})
        w->setEnabled(false);
    for (CaseMode mode : kModes) window_.page(mode)->setEnabled(false);

    observer_ = doc_.observe([this](unsigned changes) { caseChanged(changes); });
}

EntryController::~EntryController() {
    doc_.forget(observer_);
}

EntryPage* EntryController::currentPage() const {
    return window_.page(doc_.state().mode);
}

void EntryController::connectPage(EntryPage* p) {
    connect(p, &EntryPage::valueLeft, this, [this, p](int i) { normaliseValue(p, i); });
    connect(p, &EntryPage::numberLeft, this, [this, p] { normaliseNumber(p); });
    connect(p, &EntryPage::valueEnter, this, [this, p](int i) { valueEnter(p, i); });
    connect(p, &EntryPage::numberEnter, this, [this, p] { ctx_.run([&] { numberEnter(p); }); });
    connect(p, &EntryPage::descriptorEnter, this, ctx_.guarded([this] { createPoint(); }));
    connect(p, &EntryPage::createClicked, this, ctx_.guarded([this] { createPoint(); }));
    connect(p, &EntryPage::navClicked, this, [this](GridStep step) {
        if (const auto row = gridStepTarget(doc_.state(), step)) selectRow(*row);
    });
    // The number field carries the grid's popup menu.
    p->numberField()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(p->numberField(), &QWidget::customContextMenuRequested, this,
            [this, p](const QPoint& pos) {
                if (doc_.started()) window_.pointMenu()->exec(p->numberField()->mapToGlobal(pos));
            });
}

void EntryController::connectGrid(QTableView* view) {
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, view](const QModelIndex& current) {
                if (current.isValid() && !selecting_ && view->isVisible() && doc_.started())
                    selectRow(current.row() + 1);
            });
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& pos) {
        if (doc_.started()) window_.pointMenu()->exec(view->viewport()->mapToGlobal(pos));
    });
}

void EntryController::connectPointMenu() {
    auto on = [this](const char* name, std::function<void()> command) {
        connect(window_.action(name), &QAction::triggered, this, ctx_.guarded(std::move(command)));
    };
    on("ZoomOn1", [this] { zoomCentre(); });
    on("DeletePoint1", [this] { deleteSelectedPoint(); });
    const std::pair<const char*, Colour> marks[] = {{"Red1", kMarkRed},
                                                    {"Green1", kMarkGreen},
                                                    {"Blue1", kMarkBlue},
                                                    {"Magenta1", kMarkMagenta}};
    for (const auto& [name, colour] : marks) on(name, [this, c = colour] { markSelectedPoint(c); });
    on("ClearPoint1", [this] { markSelectedPoint(0); });
    on("Clearallpoints1", [this] { clearAllPointMarks(); });
    connect(window_.pointMenu(), &QMenu::aboutToShow, this, &EntryController::updatePointMenu);
}

// ---- what the case tells ------------------------------------------------------------------

void EntryController::caseChanged(unsigned changes) {
    if (changes & kCaseReplaced) {
        showReplacedCase();
        return;
    }
    if (changes & (kPointsChanged | kUnitsChanged)) {
        refreshGrids();
        updateStatus();
        updateNavButtons();
        updateNumberColour();
        refillDescriptorBoxes();
    }
    if (changes & kSelectionChanged) showSelection();
}

void EntryController::showReplacedCase() {
    const CaseState& s = doc_.state();
    {
        const QSignalBlocker a(window_.caseNameField()), b(window_.caseDescriptionField());
        window_.caseNameField()->setText(fromCp1252(s.caseName));
        window_.caseDescriptionField()->setText(fromCp1252(s.caseDescription));
    }
    for (CaseMode mode : kModes) {
        EntryPage* p = window_.page(mode);
        p->clearFields(); // the descriptor lists too
        setTextColour(p->numberField(), 0);
        p->setEnabled(mode == s.mode);
    }
    window_.caseNameField()->setEnabled(true);
    window_.caseDescriptionField()->setEnabled(true);
    window_.grid(CaseMode::Xyz)->setEnabled(true);
    window_.grid(CaseMode::Nesw)->setEnabled(true);
    plistModel_->setMode(s.mode == CaseMode::Nesw ? CaseMode::Xyz : s.mode);
    plist2Model_->reset();
    window_.showMode(s.mode);
    const auto widths = PointGrid::columnWidths(CaseMode::Xyz);
    for (std::size_t c = 0; c < widths.size(); ++c)
        window_.grid(CaseMode::Xyz)->setColumnWidth(static_cast<int>(c), widths[c]);
    refillDescriptorBoxes();
    updateStatus();
    updateNavButtons();
    showSelection();
}

void EntryController::refreshGrids() {
    plistModel_->refresh();
    plist2Model_->refresh();
}

void EntryController::showSelection() {
    if (!doc_.started()) return;
    const int row = doc_.state().grid.selectedRow;
    QTableView* view = window_.grid(doc_.state().mode);
    refreshGrids(); // the view must know every row before one is selected
    {
        // The view must still hear of the change to paint it; only our own handler stays out.
        const QScopedValueRollback guard(selecting_, true);
        const QModelIndex index = view->model()->index(row - 1, 0);
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
        view->scrollTo(index);
    }
    loadSelectionIntoFields();
}

void EntryController::loadSelectionIntoFields() {
    EntryPage* p = currentPage();
    const SelectionLoad s = loadSelection(doc_.state(), doc_.state().grid.selectedRow);
    p->numberField()->setText(fromCp1252(s.fields.number));
    const auto& values = p->valueFields();
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i]->setText(fromCp1252(s.fields.values[i]));
    if (s.pointRow) {
        p->descriptorBox()->setEditText(fromCp1252(s.fields.descriptor));
        p->descriptorBox()->lineEdit()->setCursorPosition(0); // show the start of a long text
    }
    setTextColour(p->numberField(), s.mark);
    if (!s.pointRow && p->isEnabled()) values.front()->setFocus(Qt::OtherFocusReason);
    p->descriptorBox()->setToolTip(p->descriptorBox()->currentText());
}

void EntryController::updateStatus() {
    if (!doc_.started()) return;
    window_.setStatusText(1, QString("Last Point: %1").arg(doc_.state().lastPointNumber));
    window_.setStatusText(2, "Units: " +
                                 fromUtf8(std::string(unitStatusName(doc_.state().units.unit))));
}

void EntryController::updateNavButtons() {
    // The navigation buttons are offered once the grid has a point to go to.
    const bool any = doc_.started() && !doc_.state().points.empty();
    for (CaseMode mode : kModes)
        for (GridStep step :
             {GridStep::Previous, GridStep::Next, GridStep::First, GridStep::NewPoint})
            window_.page(mode)->navButton(step)->setEnabled(any);
}

void EntryController::updateNumberColour() {
    const CaseState& s = doc_.state();
    const int row = s.grid.selectedRow;
    setTextColour(currentPage()->numberField(),
                  isPointRow(s, row) ? s.points[static_cast<std::size_t>(row - 1)].markColour : 0);
}

void EntryController::updatePointMenu() {
    const bool point = isPointRow(doc_.state(), doc_.state().grid.selectedRow);
    for (const char* name : {"ZoomOn1", "DeletePoint1", "MarkPointMenu1", "ClearPoint1"})
        window_.action(name)->setEnabled(point);
    window_.action("Clearallpoints1")->setEnabled(true);
}

void EntryController::refillDescriptorBoxes() {
    // The description list only grows while a case is open: new descriptors are appended.
    const auto& list = doc_.state().descriptors;
    for (CaseMode mode : kModes) {
        QComboBox* box = window_.page(mode)->descriptorBox();
        const QSignalBlocker block(box);
        const QString text = box->currentText();
        if (box->count() > static_cast<int>(list.size())) box->clear();
        for (std::size_t i = static_cast<std::size_t>(box->count()); i < list.size(); ++i)
            box->addItem(fromCp1252(list[i]));
        box->setEditText(text);
    }
}

// ---- fields -------------------------------------------------------------------------------

void EntryController::normaliseValue(EntryPage* p, int i) {
    if (!doc_.started()) return;
    const CaseState& s = doc_.state();
    QLineEdit* e = p->valueFields().at(static_cast<std::size_t>(i));
    e->setText(fromCp1252(normaliseField(toCp1252(e->text()), valueFieldKind(p->mode(), i), s.units,
                                         s.decimalSeparator)));
}

void EntryController::normaliseNumber(EntryPage* p) {
    if (!doc_.started()) return;
    const CaseState& s = doc_.state();
    QLineEdit* e = p->numberField();
    e->setText(fromCp1252(
        normaliseField(toCp1252(e->text()), FieldKind::Number, s.units, s.decimalSeparator)));
}

void EntryController::valueEnter(EntryPage* p, int i) {
    normaliseValue(p, i);
    const auto& values = p->valueFields();
    if (static_cast<std::size_t>(i) + 1 < values.size())
        values[static_cast<std::size_t>(i) + 1]->setFocus(Qt::TabFocusReason);
    else
        p->descriptorBox()->setFocus(Qt::TabFocusReason);
}

void EntryController::numberEnter(EntryPage* p) {
    const QString text = p->numberField()->text();
    if (text.trimmed().isEmpty()) return;
    for (QLineEdit* v : p->valueFields()) v->clear();
    const NumberLookup found = findRowByNumberText(doc_.state(), toCp1252(text));
    if (found.error) {
        ctx_.prompts.error(*found.error);
        p->numberField()->setFocus();
        return;
    }
    if (found.row) selectRow(*found.row);
}

void EntryController::showError(const Outcome& out) {
    ctx_.prompts.error(out.error);
    EntryPage* p = currentPage();
    if (out.focus == Field::Value)
        p->valueFields().at(static_cast<std::size_t>(out.index))->setFocus();
    else if (out.focus == Field::Number)
        p->numberField()->setFocus();
}

// ---- commands -----------------------------------------------------------------------------

void EntryController::createPoint() {
    if (!doc_.started()) return;
    EntryPage* p = currentPage();
    EntryFields f = fieldsOf(p);
    const Outcome out = doc_.createOrModifyPoint(f);
    if (out.failed()) {
        // The fields show their texts as normalised by the attempt.
        const auto& values = p->valueFields();
        for (std::size_t i = 0; i < values.size(); ++i) values[i]->setText(fromCp1252(f.values[i]));
        showError(out);
        return;
    }
    if (doc_.state().mode != CaseMode::Xyz) p->valueFields().front()->setFocus(); // bearing, North
    doc_.ensurePointsVisible();
}

void EntryController::deleteSelectedPoint() {
    const Outcome out = doc_.deletePoint(toCp1252(currentPage()->numberField()->text()));
    if (out.failed()) showError(out);
}

void EntryController::markSelectedPoint(Colour colour) {
    doc_.setMark(colour);
}

void EntryController::clearAllPointMarks() {
    doc_.clearAllMarks();
}

void EntryController::zoomCentre() {
    doc_.centreOnPoint(toCp1252(currentPage()->numberField()->text()));
}

void EntryController::selectRow(int gridRow) {
    doc_.selectRow(gridRow);
}

} // namespace zorvane::ui
