#include "ui/app/DrawingSettingsDialog.h"

#include "case/CaseDocument.h"
#include "ui/app/UnitControls.h"
#include "ui/app/WindowPlacement.h"

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
    units_.decimals = decimalsList(group, "decimals");
    decimalsLabel->setBuddy(units_.decimals);
    units_.metric = new QRadioButton("Metric system.", group);
    units_.metric->setObjectName("metric");
    units_.american = new QRadioButton("American standard system.", group);
    units_.american->setObjectName("american");
    units_.metricUnits = unitList(group, "metricUnits", kMeter);
    units_.americanUnits = unitList(group, "americanUnits", kDecimalFeet);
    auto* convertButton = button(group, "Convert current coordinates", "convert");

    auto* grid = new QGridLayout(group);
    grid->addWidget(decimalsLabel, 0, 0);
    grid->addWidget(units_.decimals, 0, 1);
    grid->addWidget(units_.metric, 1, 0);
    grid->addWidget(units_.metricUnits, 1, 1);
    grid->addWidget(units_.american, 2, 0);
    grid->addWidget(units_.americanUnits, 2, 1);
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

    for (QRadioButton* system : {units_.metric, units_.american})
        connect(system, &QRadioButton::toggled, this, [this] { units_.enableLists(); });
    connect(units_.decimals, &QComboBox::currentIndexChanged, this,
            &DrawingSettingsDialog::decimalsChanged);
    connect(convertButton, &QPushButton::clicked, this, &DrawingSettingsDialog::convert);
    connect(closeButton, &QPushButton::clicked, this, &DrawingSettingsDialog::closeClicked);
    connect(helpButton, &QPushButton::clicked, this, [this] {
        if (help_) help_();
    });

    setUnits(UnitSettings{});
}

void DrawingSettingsDialog::setUnits(const UnitSettings& units) {
    const QSignalBlocker block(units_.decimals); // showing a setting is not changing it
    units_.show(units);
}

UnitSettings DrawingSettingsDialog::choice() const {
    return units_.choice();
}

void DrawingSettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
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
