#include "ui/view/ExhibitDialog.h"

#include "ui/app/Cp1252Text.h"
#include "ui/app/WindowPlacement.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zorvane::ui {
namespace {
constexpr const char* kCustom = "Custom";
} // namespace

ExhibitDialog::ExhibitDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("ExhibitDialog");
    setWindowTitle(" Export Plan as PDF / SVG");

    scale_ = new QComboBox(this);
    scale_->setObjectName("scale");
    for (const std::int32_t n : kStandardScales)
        scale_->addItem(QString::fromStdString(scaleText(n)), n);
    scale_->addItem(kCustom, 0);
    custom_ = new QLineEdit(this);
    custom_->setObjectName("customScale");
    custom_->setPlaceholderText("1:75");
    paper_ = new QComboBox(this);
    paper_->setObjectName("paper");
    for (Paper p : {Paper::A4, Paper::A3, Paper::Letter})
        paper_->addItem(QString::fromUtf8(paperName(p).data(), paperName(p).size()),
                        static_cast<int>(p));
    portrait_ = new QRadioButton("Portrait", this);
    portrait_->setObjectName("portrait");
    landscape_ = new QRadioButton("Landscape", this);
    landscape_->setObjectName("landscape");
    landscape_->setChecked(true);
    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cancel");

    connect(scale_, &QComboBox::currentIndexChanged, this, [this] { scaleChosen(); });
    connect(ok, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portrait_);
    orientation->addWidget(landscape_);
    auto* form = new QFormLayout;
    form->addRow("Scale:", scale_);
    form->addRow("Custom scale:", custom_);
    form->addRow("Paper:", paper_);
    form->addRow("Orientation:", orientation);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    scaleChosen();
}

void ExhibitDialog::setSettings(const ExhibitSettings& s) {
    separator_ = s.decimalSeparator;
    const int standard = scale_->findData(s.scale);
    scale_->setCurrentIndex(standard >= 0 ? standard : scale_->count() - 1);
    custom_->setText(standard >= 0 ? QString() : QString::fromStdString(scaleText(s.scale)));
    paper_->setCurrentIndex(paper_->findData(static_cast<int>(s.paper)));
    (s.orientation == Orientation::Portrait ? portrait_ : landscape_)->setChecked(true);
    scaleChosen();
}

void ExhibitDialog::scaleChosen() {
    const bool custom = scale_->currentData().toInt() == 0;
    custom_->setEnabled(custom);
    if (custom) custom_->setFocus();
}

std::optional<ExhibitSettings> ExhibitDialog::settings() const {
    ExhibitSettings s;
    s.decimalSeparator = separator_;
    const int standard = scale_->currentData().toInt();
    if (standard > 0) {
        s.scale = standard;
    } else {
        const auto n = parseScale(toCp1252(custom_->text()));
        if (!n) return std::nullopt;
        s.scale = *n;
    }
    s.paper = static_cast<Paper>(paper_->currentData().toInt());
    s.orientation = portrait_->isChecked() ? Orientation::Portrait : Orientation::Landscape;
    return s;
}

void ExhibitDialog::confirm() {
    if (settings()) return accept();
    custom_->setFocus();
    custom_->selectAll();
    Q_EMIT invalidScale();
}

void ExhibitDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
}

} // namespace zorvane::ui
