#include "ui/app/RenumberDialog.h"

#include "ui/app/WindowPlacement.h"

#include "case/PointEditing.h"
#include "ui/app/Cp1252Text.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorvane::ui {

RenumberDialog::RenumberDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm14");
    setWindowTitle(" Points renumbering");

    auto* label = new QLabel("Renumber Points from :", this);
    start_ = new QLineEdit("0", this);
    start_->setObjectName("Edit1");
    start_->installEventFilter(this);
    auto* renumber = new QPushButton("Renumber !!", this);
    renumber->setObjectName("renumber");
    auto* close = new QPushButton("Close", this);
    close->setObjectName("close");
    auto* help = new QPushButton("Help", this);
    help->setObjectName("help");
    renumber->setAutoDefault(false);
    close->setAutoDefault(false);
    help->setAutoDefault(false);

    connect(renumber, &QPushButton::clicked, this, [this] {
        normaliseStart();
        Q_EMIT renumberRequested(renumberStart(toCp1252(start_->text())));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, &RenumberDialog::helpRequested);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(start_);
    row->addWidget(renumber);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
}

void RenumberDialog::normaliseStart() {
    start_->setText(QString::number(renumberStart(toCp1252(start_->text()))));
}

bool RenumberDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == start_) {
        if (event->type() == QEvent::FocusOut) normaliseStart();
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                normaliseStart();
                return true; // Enter rewrites the start; it does not close the dialog
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RenumberDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
}

} // namespace zorvane::ui
