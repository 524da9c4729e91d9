#include "ui/view/ColourChooser.h"

#include "ui/app/Cp1252Text.h"
#include "ui/app/QtColour.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace zorvane::ui {
namespace {
constexpr int kPanelSize = 25;
constexpr QPoint kOffsetFromButton{238, 85};
} // namespace

DesktopColours ColourChooser::desktopColours() {
    const QPalette palette = QApplication::palette();
    return {fromQColor(palette.color(QPalette::Dark)), fromQColor(palette.color(QPalette::Button))};
}

ColourChooser::ColourChooser(QWidget* parent) : QDialog(parent) {
    setObjectName("Tfcoul");
    setWindowTitle(" Color selection");
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Click a color or enter a color number (1 to 255)", this));
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    const DesktopColours desktop = desktopColours();
    for (int n = 1; n <= kColourPanels; ++n) {
        auto* p = new QToolButton(this);
        p->setObjectName(QString("Panel%1").arg(n));
        p->setFixedSize(kPanelSize, kPanelSize);
        p->setToolTip(QString::fromStdString(colourName(n)));
        p->setAutoRaise(false);
        p->setStyleSheet(QString("QToolButton { background-color: %1; border: 1px solid gray; }")
                             .arg(toQColor(colourOf(n, desktop)).name()));
        connect(p, &QToolButton::clicked, this, [this, n] { panelClicked(n); });
        panels_[std::size_t(n - 1)] = p;
        row->addWidget(p);
    }
    row->addStretch();
    layout->addLayout(row);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(new QLabel("Color number:", this));
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName("Edit1");
    edit1_->setFixedWidth(60);
    numberRow->addWidget(edit1_);
    numberRow->addStretch();
    layout->addLayout(numberRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(edit1_, &QLineEdit::returnPressed, this, [this] { numberEntered(); });
}

void ColourChooser::prepare(const ColourRequest& request) {
    edit1_->setText(QString::number(request.number));
    edit1_->selectAll();
    edit1_->setFocus();
    // Until a choice is made, the caller's own colour is the result.
    if (parseColourNumber(std::to_string(request.number)))
        result_ = colourChoice(request.number, desktopColours());
    QPoint at = QPoint(request.anchorX, request.anchorY) - kOffsetFromButton;
    // Beside a button near the screen's edge it would open partly out of reach.
    if (const QScreen* screen = QGuiApplication::screenAt({request.anchorX, request.anchorY})) {
        const QRect room = screen->availableGeometry();
        const QSize size = sizeHint();
        at.setX(
            std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())));
        at.setY(
            std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
    }
    move(at);
}

ColourChoice ColourChooser::choose(const ColourRequest& request) {
    prepare(request);
    exec();
    return result_;
}

void ColourChooser::panelClicked(int number) {
    result_ = colourChoice(number, desktopColours());
    accept();
}

void ColourChooser::numberEntered() {
    const auto n = parseColourNumber(toCp1252(edit1_->text()));
    if (!n) {
        edit1_->clear();
        edit1_->setFocus();
        return;
    }
    result_ = colourChoice(*n, desktopColours());
    accept();
}

void ColourChooser::reject() {
    // A number typed without Enter still counts; anything else keeps the last result.
    if (const auto n = parseColourNumber(toCp1252(edit1_->text())))
        result_ = colourChoice(*n, desktopColours());
    QDialog::reject();
}

} // namespace zorvane::ui
