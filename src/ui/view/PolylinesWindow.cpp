#include "ui/view/PolylinesWindow.h"

#include "ui/app/Cp1252Text.h"
#include "ui/app/QtColour.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScopedValueRollback>
#include <QToolButton>

namespace zorvane::ui {
namespace {

QIcon swatch(Colour c) {
    QPixmap pm(16, 12);
    pm.fill(toQColor(c));
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 15, 11);
    return pm;
}

QIcon lineSample(int width) {
    QPixmap pm(32, 12);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setPen(QPen(Qt::black, std::max(1, width)));
    p.drawLine(2, 6, 29, 6);
    return pm;
}

} // namespace

PolylinesWindow::PolylinesWindow(const AppContext& context, CaseDocument& doc, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), ctx_(context), doc_(doc) {
    setObjectName("TForm6");
    setWindowTitle("Polylines and Arcs");

    name_ = new QComboBox(this);
    name_->setObjectName("ComboBox1");
    name_->setEditable(true);
    name_->setInsertPolicy(QComboBox::NoInsert);
    name_->setToolTip("Enter a Polyline or Arc name");
    create_ = new QToolButton(this);
    create_->setObjectName("SpeedButton1");
    create_->setText(QString::fromUtf8("\u2714"));
    create_->setToolTip("Create/Modify Polyline or Arc");
    delete_ = new QToolButton(this);
    delete_->setObjectName("SpeedButton2");
    delete_->setText(QString::fromUtf8("\u2716"));
    delete_->setToolTip("Delete Polyline or Arc");

    colour_ = new QComboBox(this);
    colour_->setObjectName("lcoul");
    for (const auto& c : kPolylineColours) colour_->addItem(swatch(c.screen), fromCp1252(c.text));
    width_ = new QComboBox(this);
    width_->setObjectName("ComboBoxEx1");
    width_->setIconSize(QSize(32, 12));
    for (std::size_t i = 0; i < kPolylineWidths.size(); ++i)
        width_->addItem(lineSample(static_cast<int>(i)), fromCp1252(kPolylineWidths[i]));

    description_ = new QLineEdit(this);
    description_->setObjectName("Edit1");
    description_->setToolTip("Polyline or Arc description (optional)");
    description_->setMaxLength(50);
    points_ = new QLineEdit(this);
    points_->setObjectName("points");
    points_->setToolTip("Polyline or Arc points");
    points_->setMaxLength(255);

    auto* grid = new QGridLayout(this);
    grid->addWidget(name_, 0, 0, 1, 2);
    grid->addWidget(create_, 0, 2);
    grid->addWidget(delete_, 0, 3);
    grid->addWidget(colour_, 1, 0, 1, 2);
    grid->addWidget(width_, 1, 2, 1, 2);
    grid->addWidget(new QLabel("Desc:", this), 2, 0);
    grid->addWidget(description_, 2, 1, 1, 3);
    grid->addWidget(new QLabel("Points:", this), 3, 0);
    grid->addWidget(points_, 3, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    resize(260, 130);

    connect(name_, &QComboBox::editTextChanged, this, &PolylinesWindow::nameChanged);
    connect(create_, &QToolButton::clicked, this, ctx_.guarded([this] { createOrModify(); }));
    connect(delete_, &QToolButton::clicked, this, ctx_.guarded([this] { deleteCurrent(); }));
    loadFields(polylineFields(nullptr));
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    observer_ = doc_.observe([this](unsigned changes) { caseChanged(changes); });
}

PolylinesWindow::~PolylinesWindow() {
    doc_.forget(observer_);
}

void PolylinesWindow::caseChanged(unsigned changes) {
    if (commanding_) return;
    // A new or opened case and restored tables show the names afresh with the first one
    // loaded; renumbering rewrote the points of the entry on show.
    if (changes & (kCaseReplaced | kTablesRestored))
        refillNames();
    else if (changes & kPolylinesChanged)
        reloadCurrent();
}

void PolylinesWindow::loadFields(const PolylineFields& f) {
    colour_->setCurrentIndex(f.colourIndex >= 0 && f.colourIndex < colour_->count() ? f.colourIndex
                                                                                    : -1);
    width_->setCurrentIndex(f.widthIndex >= 0 && f.widthIndex < width_->count() ? f.widthIndex
                                                                                : -1);
    description_->setText(fromCp1252(f.description));
    points_->setText(fromCp1252(f.pointsText));
}

PolylineFields PolylinesWindow::readFields() const {
    PolylineFields f;
    f.name = toCp1252(name_->currentText());
    f.description = toCp1252(description_->text());
    f.colourIndex =
        colour_->currentIndex() < 0 ? kDefaultPolylineColourIndex : colour_->currentIndex();
    f.widthIndex = std::max(0, width_->currentIndex());
    f.pointsText = toCp1252(points_->text());
    return f;
}

void PolylinesWindow::nameChanged(const QString& text) {
    if (loading_) return;
    // The names list is searched ignoring letter case; the entry found is the one selected.
    const auto k = findPolylineIgnoringCase(doc_.state().polylines, toCp1252(text));
    loading_ = true;
    {
        const QSignalBlocker block(name_);
        name_->setCurrentIndex(k ? static_cast<int>(*k) : -1);
        name_->setEditText(text);
    }
    loadFields(polylineFields(k ? &doc_.state().polylines[*k] : nullptr));
    loading_ = false;
}

void PolylinesWindow::createOrModify() {
    const std::size_t before = doc_.state().polylines.size();
    Outcome out;
    {
        const QScopedValueRollback guard(commanding_, true);
        out = doc_.createOrModifyPolyline(readFields());
    }
    if (out.failed()) {
        if (out.focus == Field::Points) points_->setFocus();
        ctx_.prompts.error(out.error);
        return;
    }
    if (doc_.state().polylines.size() != before) {
        // A new definition: its name joins the list, selected, with its fields loaded.
        const auto& record = doc_.state().polylines[static_cast<std::size_t>(out.row)];
        const QSignalBlocker block(name_);
        name_->addItem(fromCp1252(record.name.view()));
        name_->setCurrentIndex(out.row);
        loading_ = true;
        loadFields(polylineFields(&record));
        loading_ = false;
    }
}

void PolylinesWindow::deleteCurrent() {
    const int k = name_->currentIndex();
    if (name_->currentText().trimmed().isEmpty() || k < 0) return;
    const QScopedValueRollback guard(commanding_, true);
    if (doc_.deletePolyline(static_cast<std::size_t>(k)).changed) refillNames();
}

void PolylinesWindow::refillNames() {
    loading_ = true;
    {
        const QSignalBlocker block(name_);
        name_->clear();
        for (const auto& r : doc_.state().polylines) name_->addItem(fromCp1252(r.name.view()));
        name_->setCurrentIndex(doc_.state().polylines.empty() ? -1 : 0);
        if (doc_.state().polylines.empty()) name_->setEditText(QString());
    }
    loadFields(
        polylineFields(doc_.state().polylines.empty() ? nullptr : &doc_.state().polylines[0]));
    loading_ = false;
}

void PolylinesWindow::reloadCurrent() {
    const int k = name_->currentIndex();
    if (k >= 0 && static_cast<std::size_t>(k) < doc_.state().polylines.size()) {
        loading_ = true;
        loadFields(polylineFields(&doc_.state().polylines[static_cast<std::size_t>(k)]));
        loading_ = false;
    }
}

bool PolylinesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ControlModifier &&
            (key->key() == Qt::Key_Z || key->key() == Qt::Key_Y)) {
            // The main window's Undo and Redo, not the fields' own.
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
                return true;
            }
            Q_EMIT(key->key() == Qt::Key_Z ? undoRequested() : redoRequested());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zorvane::ui
