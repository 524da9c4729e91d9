#include "ui/app/SavePromptDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zorvane::ui {

SavePromptDialog::SavePromptDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm13");
    setWindowTitle("Warning");
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto* text = new QLabel("File has changed, do you want to save it ?", this);
    text->setObjectName("Label1");

    auto* yes = new QPushButton("Yes", this);
    auto* no = new QPushButton("No", this);
    auto* cancel = new QPushButton("Cancel", this);
    yes->setObjectName("yes");
    no->setObjectName("no");
    cancel->setObjectName("cancel");
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, [this] {
        answer_ = SaveAnswer::Yes;
        accept();
    });
    connect(no, &QPushButton::clicked, this, [this] {
        answer_ = SaveAnswer::No;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        answer_ = SaveAnswer::Cancel;
        reject();
    });

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

SaveAnswer SavePromptDialog::ask() {
    answer_ = SaveAnswer::No; // the frame's close button, Escape
    exec();
    return answer_;
}

} // namespace zorvane::ui
