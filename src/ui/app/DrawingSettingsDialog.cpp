#include "ui/app/DrawingSettingsDialog.h"

#include "case/CaseDocument.h"
#include "ui/app/WindowPlacement.h"
#include "units/UnitConversion.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zorvane::ui {
namespace {

QComboBox* unitList(QWidget* parent, const char* name, int firstUnit) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (int u = firstUnit; u < firstUnit + 3; ++u)
        list->addItem(QString::fromLatin1(unitDialogName(u).data(),
                                          static_cast<int>(unitDialogName(u).size())));
    return list;
}

QPushButton* button(QWidget* parent, const char* text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false); // Enter must never convert a case by accident
    return b;
}

} // namespace

DrawingSettingsDialog::DrawingSettingsDialog(CaseDocument& doc, std::function<void()> help,
                                             QWidget* parent)
    : QDialog(parent), doc_(doc), help_(std::move(help)) {
    setObjectName("TForm10");
    setWindowTitle(" Drawing Settings");

    auto* group = new QGroupBox(" Units ", this);
    group->setObjectName("units");
    auto* decimalsLabel = new QLabel("Number of decimals:", group);
    decimals_ = new QComboBox(group);
    decimals_->setObjectName("decimals");
    decimals_->addItems({"0", "0.0", "0.00", "0.000", "0.0000"}); // entry index = decimals
    decimalsLabel->setBuddy(decimals_);
    metric_ = new QRadioButton("Metric system.", group);
    metric_->setObjectName("metric");
    american_ = new QRadioButton("American standard system.", group);
    american_->setObjectName("american");
    metricUnits_ = unitList(group, "metricUnits", kMeter);
    americanUnits_ = unitList(group, "americanUnits", kDecimalFeet);
    auto* convertButton = button(group, "Convert current coordinates", "convert");

    auto* grid = new QGridLayout(group);
    grid->addWidget(decimalsLabel, 0, 0);
    grid->addWidget(decimals_, 0, 1);
    grid->addWidget(metric_, 1, 0);
    grid->addWidget(metricUnits_, 1, 1);
    grid->addWidget(american_, 2, 0);
    grid->addWidget(americanUnits_, 2, 1);
    grid->addWidget(convertButton, 3, 0, 1, 2);

    auto* closeButton = button(this, "Close", "close");
    auto* helpButton = button(this, "Help", "help");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    buttons->addWidget(helpButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(metric_, &QRadioButton::toggled, this, [this] { enableLists(); });
    connect(american_, &QRadioButton::toggled, this, [this] { enableLists(); });
    connect(decimals_, &QComboBox::currentIndexChanged, this,
            &DrawingSettingsDialog::decimalsChanged);
    connect(convertButton, &QPushButton::clicked, this, &DrawingSettingsDialog::convert);
    connect(closeButton, &QPushButton::clicked, this, &DrawingSettingsDialog::closeClicked);
    connect(helpButton, &QPushButton::clicked, this, [this] {
        if (help_) help_();
    });

    setUnits(UnitSettings{});
}

void DrawingSettingsDialog::setUnits(const UnitSettings& units) {
    const int unit = clampUnit(units.unit);
    {
        const QSignalBlocker block(decimals_); // showing a setting is not changing it
        decimals_->setCurrentIndex(clampDecimals(units.decimals));
    }
    const bool american = unit >= kDecimalFeet;
    (american ? americanUnits_ : metricUnits_)
        ->setCurrentIndex(american ? unit - kDecimalFeet : unit);
    (american ? american_ : metric_)->setChecked(true);
    enableLists();
}

UnitSettings DrawingSettingsDialog::choice() const {
    const bool american = american_->isChecked();
    const int index = (american ? americanUnits_ : metricUnits_)->currentIndex();
    return UnitSettings{unitFromChoice(american, index), decimals_->currentIndex()};
}

void DrawingSettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
}

void DrawingSettingsDialog::enableLists() {
    metricUnits_->setEnabled(metric_->isChecked());
    americanUnits_->setEnabled(american_->isChecked());
}

void DrawingSettingsDialog::decimalsChanged(int index) {
    if (index >= 0) doc_.setDecimals(index);
}

void DrawingSettingsDialog::convert() {
    doc_.convertUnits(choice().unit);
}

void DrawingSettingsDialog::closeClicked() {
    doc_.relabelUnit(choice().unit); // relabels: no value changes
    accept();
}

} // namespace zorvane::ui
