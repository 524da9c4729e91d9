#include "ui/files/ImportErrorsWindow.h"

#include "files/CoordinateImport.h"
#include "ui/app/Cp1252Text.h"
#include "ui/app/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorvane::ui {
namespace {
QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}
} // namespace

ImportErrorsWindow::ImportErrorsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm11");
    setWindowTitle(qtext(kImportErrorsCaption));

    auto* heading = new QLabel(qtext(kImportErrorsHeading), this);
    heading->setObjectName("Label1");
    list_ = new QPlainTextEdit(this);
    list_->setObjectName("Memo1");
    list_->setReadOnly(true);
    list_->setLineWrapMode(QPlainTextEdit::NoWrap);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Read-only, yet a line can still be selected and copied into a note.
    list_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* hint = new QLabel(qtext(kImportErrorsHint), this);
    hint->setObjectName("Label2");
    close_ = new QPushButton("Close", this);
    close_->setObjectName("close");
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(hint);
    bottom->addStretch();
    bottom->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_, 1);
    layout->addLayout(bottom);
    resize(460, 300);
}

void ImportErrorsWindow::setErrors(const std::vector<std::string>& entries) {
    // Built in one buffer: a hostile file can leave a hundred megabytes of rejected lines.
    std::size_t size = 0;
    for (const std::string& entry : entries) size += entry.size() + 1;
    QString text;
    text.reserve(static_cast<qsizetype>(size));
    for (const std::string& entry : entries) {
        if (!text.isEmpty()) text += '\n';
        text += fromCp1252(entry);
    }
    list_->setPlainText(text);
}

void ImportErrorsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
    close_->setFocus();
}

} // namespace zorvane::ui
