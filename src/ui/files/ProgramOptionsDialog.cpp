#include "ui/files/ProgramOptionsDialog.h"

#include "model/UnitSettings.h"
#include "text/IntegerText.h"
#include "ui/app/Cp1252Text.h"
#include "ui/app/UnitControls.h"
#include "ui/app/WindowPlacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zorvane::ui {

ProgramOptionsDialog::ProgramOptionsDialog(ProgramOptions& options, Prompts& prompts,
                                           std::function<void()> help, QWidget* parent)
    : QDialog(parent), options_(options), prompts_(prompts), help_(std::move(help)) {
    setObjectName("TForm9");
    setWindowTitle(" Program Options");

    auto* general = new QGroupBox(" Program Options ", this);
    saveImages_ = new QCheckBox("Save images within ZVR file.", general);
    saveImages_->setObjectName("CheckBox1");
    remember_ = new QCheckBox("Remember Zorvane windows state.", general);
    remember_->setObjectName("CheckBox2");
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(saveImages_);
    generalLayout->addWidget(remember_);

    auto* defaults = new QGroupBox(" Default values for New files ", this);
    auto* decimalsLabel = new QLabel("Number of decimals:", defaults);
    units_.decimals = decimalsList(defaults, "ComboBox2");
    decimalsLabel->setBuddy(units_.decimals);
    units_.metric = new QRadioButton("Metric system.", defaults);
    units_.metric->setObjectName("RadioButton2");
    units_.metricUnits = unitList(defaults, "ComboBox4", kMeter);
    units_.american = new QRadioButton("American standard system.", defaults);
    units_.american->setObjectName("RadioButton1");
    units_.americanUnits = unitList(defaults, "ComboBox3", kDecimalFeet);
    auto* firstLabel = new QLabel("First point number:", defaults);
    firstNumber_ = new QLineEdit("1", defaults);
    firstNumber_->setObjectName("Edit1");
    firstLabel->setBuddy(firstNumber_);
    auto* grid = new QGridLayout(defaults);
    grid->addWidget(decimalsLabel, 0, 0);
    grid->addWidget(units_.decimals, 0, 1);
    grid->addWidget(units_.metric, 1, 0);
    grid->addWidget(units_.metricUnits, 1, 1);
    grid->addWidget(units_.american, 2, 0);
    grid->addWidget(units_.americanUnits, 2, 1);
    grid->addWidget(firstLabel, 3, 0);
    grid->addWidget(firstNumber_, 3, 1);

    auto* okButton = new QPushButton(" Ok", this);
    okButton->setObjectName("ok");
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton("Cancel", this);
    cancelButton->setObjectName("cancel");
    auto* helpButton = new QPushButton("Help", this);
    helpButton->setObjectName("help");
    helpButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(general);
    layout->addWidget(defaults);
    layout->addLayout(buttons);

    for (QRadioButton* system : {units_.metric, units_.american})
        connect(system, &QRadioButton::toggled, this, [this] { units_.enableLists(); });
    connect(okButton, &QPushButton::clicked, this, &ProgramOptionsDialog::ok);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [this] {
        if (help_) help_();
    });
    showOptions(options_);
}

void ProgramOptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnDesktop(this);
}

void ProgramOptionsDialog::showOptions(const ProgramOptions& o) {
    saveImages_->setChecked(o.saveImages);
    remember_->setChecked(o.rememberWindows);
    units_.show(UnitSettings{o.defaultUnit, o.defaultDecimals});
    firstNumber_->setText(QString::number(o.firstPointNumber));
}

std::optional<std::string> ProgramOptionsDialog::takeInto(ProgramOptions& o,
                                                          bool pastABadNumber) const {
    const UnitSettings units = units_.choice();
    o.defaultUnit = units.unit;
    const std::string first = toCp1252(firstNumber_->text());
    std::optional<std::string> error;
    if (const auto number = parseInteger(first))
        o.firstPointNumber = *number;
    else
        error = invalidIntegerMessage(cp1252ToUtf8(first));
    if (error && !pastABadNumber) return error;
    o.defaultDecimals = std::max(0, units.decimals);
    o.saveImages = saveImages_->isChecked();
    o.rememberWindows = remember_->isChecked();
    return error;
}

void ProgramOptionsDialog::ok() {
    if (const auto error = takeInto(options_)) {
        prompts_.error(*error);
        firstNumber_->setFocus();
        firstNumber_->selectAll();
        return; // the window stays
    }
    Q_EMIT optionsTaken();
    accept();
}

} // namespace zorvane::ui
