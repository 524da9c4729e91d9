#include "ui/survey/TotalStationImportDialog.h"

#include "ui/app/Cp1252Text.h"
#include "ui/app/WindowPlacement.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zorvane::ui {
namespace {

constexpr const char* kGsiHint =
    "Target coordinates make an XYZ case; observations from one station make a Polar case.";
constexpr const char* kPlainHint = "The points make an XYZ case: easting X, northing Y.";

} // namespace

TotalStationImportDialog::TotalStationImportDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TotalStationImportDialog");
    setWindowTitle(" Import Total Station File");

    file_ = new QLabel(this);
    file_->setObjectName("fileName");
    format_ = new QLabel(this);
    format_->setObjectName("format");
    preview_ = new QPlainTextEdit(this);
    preview_->setObjectName("preview");
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview_->setFocusPolicy(Qt::NoFocus);
    preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    order_ = new QGroupBox(" Point Order ", this);
    order_->setObjectName("order");
    pnezd_ = new QRadioButton("PNEZD (point, northing, easting, elevation, description)", order_);
    pnezd_->setObjectName("pnezd");
    penzd_ = new QRadioButton("PENZD (point, easting, northing, elevation, description)", order_);
    penzd_->setObjectName("penzd");
    pnezd_->setChecked(true);
    auto* orderLayout = new QVBoxLayout(order_);
    orderLayout->addWidget(pnezd_);
    orderLayout->addWidget(penzd_);
    hint_ = new QLabel(this);
    hint_->setObjectName("hint");
    hint_->setWordWrap(true);

    ok_ = new QPushButton("Ok", this);
    ok_->setObjectName("ok");
    ok_->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cancel");
    cancel->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* facts = new QFormLayout;
    facts->addRow("File:", file_);
    facts->addRow("Format:", format_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(facts);
    layout->addWidget(preview_, 1);
    layout->addWidget(order_);
    layout->addWidget(hint_);
    layout->addLayout(buttons);
    resize(520, 360);
}

void TotalStationImportDialog::setPreview(const QString& fileName,
                                          const TotalStationPreview& preview) {
    file_->setText(fileName);
    format_->setText(fromUtf8(preview.formatName));
    QStringList lines;
    for (const std::string& line : preview.lines) lines << fromCp1252(line);
    preview_->setPlainText(lines.join('\n'));
    const bool plain = preview.format == TotalStationFormat::Plain;
    order_->setEnabled(plain);
    hint_->setText(plain ? kPlainHint : kGsiHint);
}

PlainPointOrder TotalStationImportDialog::order() const {
    return penzd_->isChecked() ? PlainPointOrder::Penzd : PlainPointOrder::Pnezd;
}

void TotalStationImportDialog::setOrder(PlainPointOrder order) {
    (order == PlainPointOrder::Penzd ? penzd_ : pnezd_)->setChecked(true);
}

void TotalStationImportDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
    // Arrow keys change the order, Enter imports.
    if (order_->isEnabled())
        (penzd_->isChecked() ? penzd_ : pnezd_)->setFocus();
    else
        ok_->setFocus();
}

} // namespace zorvane::ui
