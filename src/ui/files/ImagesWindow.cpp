#include "ui/files/ImagesWindow.h"

#include "ui/files/ImageDisplay.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

namespace zorvane::ui {
namespace {

constexpr int kMinWidth = 188;
constexpr int kMinHeight = 260;
constexpr int kButtonRowHeight = 28;
constexpr const char* kImageFilter =
    "Fichier image JPEG (*.jpg)|*.jpg|Fichier image JPEG (*.jpeg)|*.jpeg";

constexpr const char* kBrowseButtons[] = {"SpeedButton2", "SpeedButton3", "SpeedButton4",
                                          "SpeedButton5", "SpeedButton6"};

// The decoded pixels become the picture without a copy.
QImage pictureOf(RgbxImage&& image) {
    auto* pixels = new std::vector<std::uint8_t>(std::move(image.pixels));
    return QImage(
        pixels->data(), image.width, image.height, static_cast<qsizetype>(image.stride()),
        QImage::Format_RGBX8888, [](void* p) { delete static_cast<std::vector<std::uint8_t>*>(p); },
        pixels);
}

} // namespace

ImagesWindow::ImagesWindow(const AppContext& context, CaseDocument& doc, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), ctx_(context), doc_(doc) {
    setObjectName("TForm7");
    setWindowTitle(" Images ");

    buildButtons();
    display_ = new ImageDisplay(this);
    status_ = new QStatusBar(this);
    status_->setObjectName("StatusBar2");
    status_->setSizeGripEnabled(true);
    size_ = new QLabel(status_);
    status_->addWidget(size_, 1);

    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(kMinWidth, kMinHeight);
    resize(360, 340);
    layoutDisplay();
    updateButtons();
    observer_ = doc_.observe([this](unsigned changes) { caseChanged(changes); });
}

ImagesWindow::~ImagesWindow() {
    doc_.forget(observer_);
}

void ImagesWindow::buildButtons() {
    row_ = new QWidget(this);
    auto* buttons = new QHBoxLayout(row_);
    buttons->setContentsMargins(4, 2, 4, 2);
    buttons->setSpacing(2);
    const auto icon = [this](QStyle::StandardPixmap p) { return style()->standardIcon(p); };
    const struct {
        const char* name;
        QString text;
        QIcon icon;
        QString hint;
    } kinds[] = {
        {"SpeedButton1", "Add", {}, "Add Images"},
        {"SpeedButton2", {}, icon(QStyle::SP_MediaSkipBackward), "First image"},
        {"SpeedButton3", {}, icon(QStyle::SP_MediaSeekBackward), "Previous image"},
        {"SpeedButton4", {}, icon(QStyle::SP_MediaSeekForward), "Next image"},
        {"SpeedButton5", {}, icon(QStyle::SP_MediaSkipForward), "Last image"},
        {"SpeedButton6", "Del", {}, "Delete current Image"},
    };
    for (const auto& s : kinds) {
        QToolButton* b = addButton(s.name, s.text, s.hint);
        if (!s.icon.isNull()) b->setIcon(s.icon);
        b->installEventFilter(this);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    connect(button("SpeedButton1"), &QToolButton::clicked, this,
            ctx_.guarded([this] { addImages(); }));
    const ImageStep steps[] = {ImageStep::First, ImageStep::Previous, ImageStep::Next,
                               ImageStep::Last};
    for (int i = 0; i < 4; ++i)
        connect(button(kBrowseButtons[i]), &QToolButton::clicked, this,
                ctx_.guarded([this, step = steps[i]] { browse(step); }));
    connect(button("SpeedButton6"), &QToolButton::clicked, this,
            ctx_.guarded([this] { deleteCurrent(); }));
}

QToolButton* ImagesWindow::addButton(const char* name, const QString& text, const QString& hint) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFixedHeight(kButtonRowHeight - 4);
    b->setMinimumWidth(kButtonRowHeight);
    return b;
}

// The keys of a picture viewer browse too: the window's own and those its buttons would take
// for moving the focus.
bool ImagesWindow::browseKey(const QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) return false;
    static const std::pair<int, ImageStep> keys[] = {
        {Qt::Key_Home, ImageStep::First},      {Qt::Key_Left, ImageStep::Previous},
        {Qt::Key_PageUp, ImageStep::Previous}, {Qt::Key_Right, ImageStep::Next},
        {Qt::Key_PageDown, ImageStep::Next},   {Qt::Key_End, ImageStep::Last}};
    for (const auto& [key, step] : keys)
        if (event->key() == key) {
            ctx_.run([this, step = step] { browse(step); });
            return true;
        }
    return false;
}

bool ImagesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && browseKey(static_cast<QKeyEvent*>(event))) return true;
    return QWidget::eventFilter(watched, event);
}

void ImagesWindow::keyPressEvent(QKeyEvent* event) {
    if (!browseKey(event)) QWidget::keyPressEvent(event);
}

QToolButton* ImagesWindow::button(const char* name) const {
    return findChild<QToolButton*>(name);
}

QString ImagesWindow::statusText() const {
    return size_->text();
}

void ImagesWindow::setPlacement(const QRect& frame) {
    const QSize margins = frameGeometry().size() - size();
    resize(frame.size() - margins);
    move(frame.topLeft());
    placed_ = true;
}

void ImagesWindow::showAt(const QRect& frame) {
    show();
    setPlacement(frame);
}

// ---- commands ---------------------------------------------------------------------------

void ImagesWindow::addImages() {
    if (!doc_.started()) return;
    FileDialogRequest request;
    request.title = "Add Images";
    request.filter = kImageFilter;
    request.defaultExtension = "jpg";
    request.initialFolder = folder_;
    const std::vector<std::string> paths = ctx_.prompts.openFiles(request);
    activateWindow(); // the dialog gave the focus back to the main window
    if (paths.empty()) return;
    folder_ = QFileInfo(QString::fromStdString(paths.front())).absolutePath().toStdString();
    const Outcome out = doc_.addImages(paths);
    if (out.failed()) ctx_.prompts.error(out.error);
    if (out.changed) showCurrent(true);
}

void ImagesWindow::browse(ImageStep step) {
    if (doc_.state().images.empty()) return;
    doc_.browseImage(step);
    showCurrent(true);
}

void ImagesWindow::deleteCurrent() {
    const ImageStore& images = doc_.state().images;
    if (images.empty()) return;
    doc_.removeImage(images.current);
    showCurrent(true);
}

// ---- showing ----------------------------------------------------------------------------

void ImagesWindow::caseChanged(unsigned changes) {
    if (!(changes & (kCaseReplaced | kImagesChanged))) return;
    decoded_ = {};
    updateButtons();
    if (isVisible()) showCurrent(false); // a hidden window decodes when it is shown
}

void ImagesWindow::updateButtons() {
    button("SpeedButton1")->setEnabled(doc_.started());
    const bool any = doc_.started() && !doc_.state().images.empty();
    for (const char* name : kBrowseButtons) button(name)->setEnabled(any);
}

JpegRequest ImagesWindow::displayRequest() const {
    // Decoded for the screen's pixels, which a scaled desktop has more of than the window.
    const QSize pixels = display_->size() * display_->devicePixelRatioF();
    return {.displayWidth = std::max(1, pixels.width()),
            .displayHeight = std::max(1, pixels.height())};
}

void ImagesWindow::decodeCurrent() {
    const ImageStore& images = doc_.state().images;
    const JpegRequest request = displayRequest();
    if (decoded_.valid && decoded_.index == images.current &&
        (!decoded_.error.isEmpty() ||
         jpegScaleFor(decoded_.result, request) == decoded_.result.scaleEighths))
        return;
    decoded_ = {};
    decoded_.result = decodeJpeg(images.image(images.current), request);
    decoded_.valid = true;
    decoded_.index = images.current;
    if (decoded_.result.ok())
        decoded_.picture = pictureOf(std::move(decoded_.result.image));
    else
        decoded_.error = QString::fromStdString(decoded_.result.error);
}

void ImagesWindow::showCurrent(bool report) {
    if (doc_.state().images.empty()) {
        display_->clear();
        return;
    }
    decodeCurrent();
    if (decoded_.error.isEmpty()) {
        display_->setPicture(decoded_.picture);
        return;
    }
    display_->setMessage(decoded_.error);
    if (report) ctx_.prompts.error(decoded_.error.toStdString());
}

// ---- size -------------------------------------------------------------------------------

void ImagesWindow::layoutDisplay() {
    // The outer size, frame included, is at least 188 x 260; the frame's margins are known once
    // the window manager has placed the window.
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(kMinWidth - frame.width(), kMinHeight - frame.height());
    const QSize outer = frameGeometry().size();
    const int statusHeight = status_->sizeHint().height();
    row_->setGeometry(0, 0, width(), kButtonRowHeight);
    status_->setGeometry(0, height() - statusHeight, width(), statusHeight);
    // (width - 12) x (height - 80) of the outer size, at left 4; never under the status bar
    // where a thick frame leaves less room than that.
    const int w = std::max(1, std::min(outer.width() - 12, width() - 8));
    const int h =
        std::max(1, std::min(outer.height() - 80, height() - statusHeight - kButtonRowHeight));
    display_->setGeometry(4, kButtonRowHeight, w, h);
    size_->setText(QString("Image size: %1 x %2 pixels").arg(w).arg(h));
    if (isVisible()) showCurrent(false);
}

void ImagesWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutDisplay();
}

void ImagesWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    layoutDisplay(); // the window manager's frame is known once the window is placed
}

void ImagesWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    layoutDisplay();
}

} // namespace zorvane::ui
