#include "ui/view/DrawingWindow.h"

#include "text/IntegerText.h"
#include "ui/app/Cp1252Text.h"
#include "ui/view/DrawingSurface.h"
#include "ui/view/LegendDialog.h"
#include "ui/view/PictureCommands.h"
#include "ui/view/QtCanvas.h"
#include "ui/view/ToolIcons.h"
#include "view/PlanReadout.h"
#include "view/PlanRenderer.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

namespace zorvane::ui {
namespace {
constexpr int kMinWidth = 470;
constexpr int kMinHeight = 326;

SurfaceButton surfaceButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return SurfaceButton::Left;
    case Qt::RightButton:
        return SurfaceButton::Right;
    case Qt::MiddleButton:
        return SurfaceButton::Middle;
    default:
        return SurfaceButton::Other;
    }
}
} // namespace

DrawingWindow::DrawingWindow(const AppContext& context, CaseDocument& doc, QWidget* parent)
    : QMainWindow(parent), ctx_(context), doc_(doc) {
    setObjectName("TForm2");
    setWindowTitle(" Bitmap View");

    picture_ = new PictureCommands(ctx_, doc_, image_, this);
    buildStandardBar();

    zoom_ = addToolBar("Zoom");
    zoom_->setObjectName("ToolBar3");
    connect(addButton(zoom_, "zoommoins", QString::fromUtf8("\u2212"), "Zoom -", true),
            &QToolButton::clicked, this, ctx_.guarded([this] { zoomOutCommand(); }));
    connect(addButton(zoom_, "zoomplus", "+", "Zoom +", true), &QToolButton::clicked, this,
            ctx_.guarded([this] { zoomInCommand(); }));
    connect(addButton(zoom_, "bzc", "All", "Zoom All", true), &QToolButton::clicked, this,
            ctx_.guarded([this] { zoomAllCommand(); }));
    connect(addButton(zoom_, "ToolButton6", QString::fromUtf8("\u2316N"),
                      "Change North Arrow position", true),
            &QToolButton::clicked, this, ctx_.guarded([this] { startNorthArrowPlacement(); }));
    addToggle(zoom_, "shnord", "N", "Show / Hide North arrow", doc_.view().toggles.showNorthArrow);
    // Enabled once a case is started or opened.
    legend_ = new LegendDialog(ctx_, doc_, this);
    connect(addButton(zoom_, "ToolButton12", "Legend", "Legend manager", false),
            &QToolButton::clicked, this, ctx_.guarded([this] { legend_->openFromDrawing(); }));
    connect(legend_, &LegendDialog::placementRequested, this, [this] {
        tools_.startLegendPlacement();
        showHint();
    });

    entities_ = addToolBar("Entities");
    entities_->setObjectName("ToolBar1");
    addToggle(entities_, "showpoints", QString::fromUtf8("\u2022"), "Show Points",
              doc_.view().toggles.showPoints);
    addToggle(entities_, "shownum", "12", "Show Numbers", doc_.view().toggles.showNumbers);
    addToggle(entities_, "showdesc", "Abc", "Show Descriptions",
              doc_.view().toggles.showDescriptions);
    addToggle(entities_, "onlym", "M", "Only marked points", doc_.view().toggles.onlyMarked);
    addToggle(entities_, "showpl", "/\\", "Show Polylines", doc_.view().toggles.showPolylines);
    entities_->addWidget(new QLabel("Text Height: ", entities_));
    httxt_ = new QComboBox(entities_);
    httxt_->setObjectName("httxt");
    httxt_->setEditable(true);
    httxt_->setInsertPolicy(QComboBox::NoInsert);
    for (int h = 5; h <= 30; ++h) httxt_->addItem(QString::number(h));
    httxt_->setEditText("5");
    httxt_->setMinimumContentsLength(3);
    httxt_->lineEdit()->installEventFilter(this);
    httxt_->installEventFilter(this);
    entities_->addWidget(httxt_);
    connect(httxt_, &QComboBox::activated, this, [this] { applyTextHeight(); });
    focusSink_ = new QLineEdit(entities_);
    focusSink_->setObjectName("Edit1");
    focusSink_->setReadOnly(true);
    focusSink_->setFixedWidth(1);
    entities_->addWidget(focusSink_);

    polylines_ = addToolBar("Entities");
    polylines_->setObjectName("ToolBar4");
    connect(addButton(polylines_, "showpol", "Pl", "Polyline and Arc manager", true),
            &QToolButton::clicked, this, &DrawingWindow::polylinesRequested);

    controlBarMenu_ = new QMenu(this);
    controlBarMenu_->setObjectName("PopupMenu1");
    for (auto [text, bar] : {std::pair{"Standard", standard_}, std::pair{"Zoom", zoom_},
                             std::pair{"Entities", entities_}}) {
        QAction* a = controlBarMenu_->addAction(text);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, bar = bar](bool on) { bar->setVisible(on); });
    }
    connect(controlBarMenu_, &QMenu::aboutToShow, this, [this] {
        const QList<QAction*> items = controlBarMenu_->actions();
        items[0]->setChecked(standard_->isVisible());
        items[1]->setChecked(zoom_->isVisible());
        items[2]->setChecked(entities_->isVisible());
    });

    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette white = central->palette();
    white.setColor(QPalette::Window, Qt::white);
    central->setPalette(white);
    setCentralWidget(central);
    surface_ = new DrawingSurface(this, image_, central);
    surface_->move(4, 0);

    static const int widths[3] = {150, 350, 50};
    for (int i = 0; i < 3; ++i) {
        status_[i] = new QLabel(this);
        status_[i]->setMinimumWidth(widths[i]);
        statusBar()->addWidget(status_[i], i == 2 ? 1 : 0);
    }
    statusBar()->setObjectName("StatusBar1");

    setMinimumSize(kMinWidth, kMinHeight);
    resize(656, 368);
    layoutSurface();
    observer_ = doc_.observe([this](unsigned changes) { caseChanged(changes); });
}

DrawingWindow::~DrawingWindow() {
    doc_.forget(observer_);
}

void DrawingWindow::buildStandardBar() {
    standard_ = addToolBar("Standard");
    standard_->setObjectName("ToolBar2");
    auto on = [this](QToolButton* b, std::function<void()> command) {
        connect(b, &QToolButton::clicked, this, ctx_.guarded(std::move(command)));
    };
    on(addButton(standard_, "bsave", "Save", "Save image as Bitmap", true),
       [this] { picture_->savePicture(); });
    on(addButton(standard_, "ToolButton10", "Copy", "Copy image to clipboard", true),
       [this] { picture_->copyPicture(); });
    on(addButton(standard_, "bprint", "Print", "Print image", true),
       [this] { picture_->printPicture(); });
    on(addButton(standard_, "ToolButton7", "Setup", "Printer Setup", true),
       [this] { picture_->printerSetup(); });
    connect(addButton(standard_, "bdata", "Data", "Show Data window", true), &QToolButton::clicked,
            this, &DrawingWindow::showMainRequested);
    connect(addButton(standard_, "ToolButton3", "Images", " View Images", true),
            &QToolButton::clicked, this, &DrawingWindow::imagesRequested);
    addButton(standard_, "bexhibit", "Exhibit", "Export Plan as PDF / SVG\u2026", false);
}

void DrawingWindow::caseChanged(unsigned changes) {
    if (changes & kCaseReplaced) {
        httxt_->setEditText(QString::number(doc_.view().labelHeight));
        button("ToolButton12")->setEnabled(doc_.started());
    }
    if (changes & kPictureChanges) redraw();
}

QToolButton* DrawingWindow::addButton(QToolBar* bar, const char* name, const QString& text,
                                      const QString& hint, bool enabled) {
    auto* b = new QToolButton(bar);
    b->setObjectName(name);
    b->setText(text);
    b->setIcon(toolIcon(name));
    b->setIconSize(QSize(16, 16));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setFixedSize(24, 24); // the four toolbars fit the window's designed width
    b->setToolTip(hint);
    b->setEnabled(enabled);
    b->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(b);
    return b;
}

QToolButton* DrawingWindow::addToggle(QToolBar* bar, const char* name, const QString& text,
                                      const QString& hint, bool down) {
    QToolButton* b = addButton(bar, name, text, hint, true);
    b->setCheckable(true);
    b->setChecked(down);
    connect(b, &QToolButton::toggled, this, ctx_.guarded([this] { readToggles(); }));
    return b;
}

QToolButton* DrawingWindow::button(const char* name) const {
    return findChild<QToolButton*>(name);
}

QToolBar* DrawingWindow::toolBar(const char* name) const {
    return findChild<QToolBar*>(name);
}

QString DrawingWindow::statusText(int panel) const {
    return status_[panel]->text();
}

void DrawingWindow::readToggles() {
    DisplayToggles t;
    t.showPoints = button("showpoints")->isChecked();
    t.showNumbers = button("shownum")->isChecked();
    t.showDescriptions = button("showdesc")->isChecked();
    t.onlyMarked = button("onlym")->isChecked();
    t.showPolylines = button("showpl")->isChecked();
    t.showNorthArrow = button("shnord")->isChecked();
    doc_.setToggles(t);
}

void DrawingWindow::applyTextHeight() {
    if (applyingHeight_) return; // moving the focus away below leaves the box once more
    applyingHeight_ = true;
    const auto h = parseInteger(toCp1252(httxt_->currentText()));
    const int height = h ? *h : 12;
    if (!h) httxt_->setEditText("12");
    Q_EMIT labelHeightChanged(height);
    focusSink_->setFocus(); // the box gives up the focus
    applyingHeight_ = false;
    doc_.setLabelHeight(height);
}

bool DrawingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == httxt_ || watched == httxt_->lineEdit()) {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            applyTextHeight();
        if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) applyTextHeight();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void DrawingWindow::showToggles(const DisplayToggles& t) {
    const std::pair<const char*, bool> buttons[] = {
        {"showpoints", t.showPoints}, {"shownum", t.showNumbers},  {"showdesc", t.showDescriptions},
        {"onlym", t.onlyMarked},      {"showpl", t.showPolylines}, {"shnord", t.showNorthArrow}};
    for (const auto& [name, down] : buttons) {
        const QSignalBlocker block(button(name));
        button(name)->setChecked(down);
    }
    readToggles();
}

void DrawingWindow::showLabelHeight(int height) {
    httxt_->setEditText(QString::number(height));
    doc_.setLabelHeight(height);
}

void DrawingWindow::showWithToolbars() {
    for (QToolBar* bar : {standard_, zoom_, entities_, polylines_}) bar->show();
    show();
}

void DrawingWindow::hideWithToolbars() {
    // A toolbar dragged out of the window floats on its own and must go too.
    for (QToolBar* bar : {standard_, zoom_, entities_, polylines_}) bar->hide();
    hide();
}

void DrawingWindow::closeEvent(QCloseEvent* event) {
    // The window is only ever hidden; its toolbars go with it.
    event->ignore();
    hideWithToolbars();
    Q_EMIT closedByUser();
}

void DrawingWindow::layoutSurface() {
    // The outer size, frame included, is at least 470 x 326; the frame's margins are known
    // once the window manager has placed the window.
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(kMinWidth - frame.width(), kMinHeight - frame.height());
    // The surface follows the window: (width - 16) x (height - 82) of its outer size. Where
    // the frame leaves the surface short of the window's edge the window shows white, as the
    // plan does.
    const QSize outer = frameGeometry().size();
    const int w = std::max(1, outer.width() - 16);
    const int h = std::max(1, outer.height() - 82);
    surface_->resize(w, h);
    if (image_.size() != QSize(w, h)) image_ = QImage(w, h, QImage::Format_RGB32);
    status_[0]->setText(QString("Image size: %1 x %2 pixels").arg(w).arg(h));
    doc_.setSurfaceSize(w, h); // redraws when the size changed
}

void DrawingWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutSurface();
}

void DrawingWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    layoutSurface(); // the window manager's frame is known once the window is placed
}

void DrawingWindow::wheelEvent(QWheelEvent* event) {
    // Vertical wheel steps zoom, anywhere over the window; a sideways scroll does nothing.
    event->accept();
    const int delta = event->angleDelta().y();
    if (delta == 0) return;
    const QPoint at = surface_->mapFromGlobal(event->globalPosition().toPoint());
    ctx_.run([&] { wheelTurned(at.x(), at.y(), delta); });
}

QMenu* DrawingWindow::createPopupMenu() {
    // The toolbar area's own menu; Qt deletes what this returns, so hand out a copy.
    auto* menu = new QMenu(this);
    Q_EMIT controlBarMenu_->aboutToShow();
    for (QAction* a : controlBarMenu_->actions()) menu->addAction(a);
    return menu;
}

void DrawingWindow::redraw() {
    if (image_.isNull()) return;
    QtCanvas canvas(image_);
    const RedrawResult result = doc_.redraw(canvas);
    status_[2]->setText(QString::fromStdString(result.zoomReadout));
    surface_->update();
    // Texts from the case are cp1252; the boxes show UTF-8.
    if (!result.conversionError.empty()) ctx_.prompts.error(cp1252ToUtf8(result.conversionError));
    if (!result.brokenDefinitions.empty())
        ctx_.prompts.error(cp1252ToUtf8(result.brokenDefinitions));
}

void DrawingWindow::zoomAllCommand() {
    doc_.zoomAll();
}

void DrawingWindow::zoomInCommand() {
    const PixelPos c = doc_.view().zoomCentre;
    doc_.zoomStep(c.x, c.y, true, false);
}

void DrawingWindow::zoomOutCommand() {
    const PixelPos c = doc_.view().zoomCentre;
    doc_.zoomStep(c.x, c.y, false, false);
}

void DrawingWindow::startNorthArrowPlacement() {
    tools_.startNorthArrowPlacement();
    showHint();
}

void DrawingWindow::showHint() {
    const QString hint = QString::fromStdString(tools_.hint());
    surface_->setToolTip(hint);
    if (hint.isEmpty())
        QToolTip::hideText();
    else if (surface_->isVisible())
        QToolTip::showText(QCursor::pos(), hint, surface_);
}

void DrawingWindow::mousePressed(int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
    const WorldPos at = screenToWorld(doc_.view().transform, x, y);
    const SurfacePress press = tools_.press(surfaceButton(button), mods & Qt::ControlModifier, at);
    showHint();
    ctx_.run([&] { surfacePressed(press, x, y); });
}

void DrawingWindow::surfacePressed(const SurfacePress& press, int x, int y) {
    const CaseState& st = doc_.state();
    switch (press.action) {
    case SurfaceAction::PlaceLegend:
        // Shown again once this click is over, not inside its mouse event.
        QTimer::singleShot(0, this, ctx_.guarded([this, x, y] { legend_->placeAt(x, y); }));
        break;
    case SurfaceAction::PlaceNorthArrow:
        doc_.setNorthArrow({x, y});
        break;
    case SurfaceAction::MeasureTo:
        ctx_.prompts.information(distanceMessage(st.points, st.mode, st.units, st.decimalSeparator,
                                                 press.from, press.to, press.snap));
        break;
    case SurfaceAction::ZoomIn:
    case SurfaceAction::ZoomOut:
        doc_.zoomStep(x, y, press.action == SurfaceAction::ZoomIn, true);
        break;
    case SurfaceAction::StartPan:
        lastPan_ = {x, y};
        surface_->setCursor(Qt::PointingHandCursor);
        break;
    case SurfaceAction::MeasureFrom:
    case SurfaceAction::None:
        break;
    }
}

void DrawingWindow::mouseMoved(int x, int y) {
    if (!tools_.panning()) {
        const CaseState& st = doc_.state();
        const WorldPos at = screenToWorld(doc_.view().transform, x, y);
        status_[1]->setText(
            QString::fromStdString(mouseReadout(st.mode, st.units, st.decimalSeparator, at)));
        if (!surface_->toolTip().isEmpty())
            QToolTip::showText(QCursor::pos(), surface_->toolTip(), surface_);
        return;
    }
    const QPoint from = lastPan_;
    lastPan_ = {x, y};
    ctx_.run([&] { doc_.pan(x - from.x(), y - from.y()); });
}

void DrawingWindow::mouseReleased(Qt::MouseButton button) {
    if (tools_.release(surfaceButton(button))) surface_->setCursor(Qt::ArrowCursor);
}

void DrawingWindow::wheelTurned(int x, int y, int delta) {
    if (doc_.wheelActs()) doc_.zoomStep(x, y, delta > 0, true);
}

} // namespace zorvane::ui
