#include "ui/app/UnitControls.h"

#include "ui/app/Cp1252Text.h"
#include "units/UnitConversion.h"

#include <QComboBox>
#include <QRadioButton>

namespace zorvane::ui {

QComboBox* decimalsList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems({"0", "0.0", "0.00", "0.000", "0.0000"});
    return list;
}

QComboBox* unitList(QWidget* parent, const char* name, int firstUnit) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (int u = firstUnit; u < firstUnit + 3; ++u) list->addItem(fromCp1252(unitDialogName(u)));
    return list;
}

void UnitControls::show(const UnitSettings& units) const {
    decimals->setCurrentIndex(clampDecimals(units.decimals));
    const int unit = clampUnit(units.unit);
    const bool isAmerican = unit >= kDecimalFeet;
    (isAmerican ? americanUnits : metricUnits)
        ->setCurrentIndex(isAmerican ? unit - kDecimalFeet : unit);
    (isAmerican ? american : metric)->setChecked(true);
    enableLists();
}

UnitSettings UnitControls::choice() const {
    const bool isAmerican = american->isChecked();
    const int index = (isAmerican ? americanUnits : metricUnits)->currentIndex();
    return UnitSettings{unitFromChoice(isAmerican, index), decimals->currentIndex()};
}

void UnitControls::enableLists() const {
    metricUnits->setEnabled(metric->isChecked());
    americanUnits->setEnabled(american->isChecked());
}

} // namespace zorvane::ui
