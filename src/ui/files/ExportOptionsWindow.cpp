#include "ui/files/ExportOptionsWindow.h"

#include "ui/app/DialogButtons.h"
#include "ui/app/WindowPlacement.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zorvane::ui {
namespace {

template <class T> T* control(const QString& text, const char* name, QWidget* parent) {
    auto* c = new T(text, parent);
    c->setObjectName(name);
    return c;
}

} // namespace

ExportOptionsWindow::ExportOptionsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm5");
    setWindowTitle(" Coordinates Export Options");

    auto* group = new QGroupBox(" Options ", this);
    group->setObjectName("GroupBox1");
    expp_ = control<QCheckBox>("Export Point", "expp", group);
    rb2_ = control<QRadioButton>("In 3D", "rb2", group);
    rb1_ = control<QRadioButton>("In 2D", "rb1", group);
    expn_ = control<QCheckBox>("Export Number", "expn", group);
    expd_ = control<QCheckBox>("Export Description", "expd", group);
    expc_ = control<QCheckBox>("Export Code", "expc", group);
    rb2_->setChecked(true);
    // 3D or 2D only means something while the values are written.
    connect(expp_, &QCheckBox::toggled, rb1_, &QWidget::setEnabled);
    connect(expp_, &QCheckBox::toggled, rb2_, &QWidget::setEnabled);
    rb1_->setEnabled(false);
    rb2_->setEnabled(false);

    auto* dimensions = new QVBoxLayout;
    dimensions->setContentsMargins(20, 0, 0, 0);
    dimensions->addWidget(rb2_);
    dimensions->addWidget(rb1_);
    auto* options = new QVBoxLayout(group);
    options->addWidget(expp_);
    options->addLayout(dimensions);
    options->addWidget(expn_);
    options->addWidget(expd_);
    options->addWidget(expc_);

    const DialogButtons buttons = okCancelHelp(this, "ok", "cancel", "help");
    connect(buttons.ok, &QPushButton::clicked, this, &ExportOptionsWindow::okRequested);
    connect(buttons.help, &QPushButton::clicked, this, &ExportOptionsWindow::helpRequested);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ExportOptionsWindow::setOptions(const ExportOptions& o) {
    expp_->setChecked(o.exportPoint);
    rb2_->setChecked(o.in3D);
    rb1_->setChecked(!o.in3D);
    rb1_->setEnabled(o.exportPoint);
    rb2_->setEnabled(o.exportPoint);
    expn_->setChecked(o.exportNumber);
    expd_->setChecked(o.exportDescription);
    expc_->setChecked(o.exportCode);
}

ExportOptions ExportOptionsWindow::options() const {
    ExportOptions o;
    o.exportPoint = expp_->isChecked();
    o.in3D = rb2_->isChecked();
    o.exportNumber = expn_->isChecked();
    o.exportDescription = expd_->isChecked();
    o.exportCode = expc_->isChecked();
    return o;
}

void ExportOptionsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
}

} // namespace zorvane::ui
