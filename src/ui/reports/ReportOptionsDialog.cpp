#include "ui/reports/ReportOptionsDialog.h"

#include "ui/app/WindowPlacement.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zorvane::ui {

ReportOptionsDialog::ReportOptionsDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TForm16");
    setWindowTitle(" Report Options ");

    auto* group = new QGroupBox("Report Options ", this);
    group->setObjectName("GroupBox1");
    checkBox1_ = new QCheckBox("Auto ZoomAll when creating embedded Bitmap", group);
    checkBox1_->setObjectName("CheckBox1");
    auto* inGroup = new QVBoxLayout(group);
    inGroup->addWidget(checkBox1_);

    auto* close = new QPushButton(" Close", this);
    close->setObjectName("SpeedButton1");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(checkBox1_, &QCheckBox::toggled, this, &ReportOptionsDialog::zoomAllChanged);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ReportOptionsDialog::setZoomAll(bool on) {
    const QSignalBlocker quiet(checkBox1_);
    checkBox1_->setChecked(on);
}

void ReportOptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
}

} // namespace zorvane::ui
