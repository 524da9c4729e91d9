#include "ui/reports/ReportWaitWindow.h"

#include "ui/app/WindowPlacement.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

namespace zorvane::ui {

namespace {
constexpr int kClientWidth = 293;
constexpr int kClientHeight = 49;
} // namespace

ReportWaitWindow::ReportWaitWindow(QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TForm15");
    setWindowTitle(" Report");
    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    progressBar1_ = new QProgressBar(this);
    progressBar1_->setObjectName("ProgressBar1");
    progressBar1_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(label1_);
    layout->addWidget(progressBar1_);
    setFixedSize(kClientWidth, kClientHeight);
}

void ReportWaitWindow::start(const QString& text) {
    label1_->setText(text);
    progressBar1_->setRange(0, 1);
    progressBar1_->setValue(0);
    if (!isVisible()) {
        show();
        centreOnDesktop(this);
    }
    repaint();
}

void ReportWaitWindow::setProgress(int step, int steps) {
    progressBar1_->setRange(0, std::max(steps, 1));
    progressBar1_->setValue(std::clamp(step, 0, std::max(steps, 1)));
}

} // namespace zorvane::ui
