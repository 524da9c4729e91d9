#pragma once
// The unit controls of the Drawing Settings and Program Options windows: the number of
// decimals, the metric and American systems, each with its list of three units. Each window
// creates them in its own layout; showing and reading them is the same everywhere.
#include "model/UnitSettings.h"

class QComboBox;
class QRadioButton;
class QWidget;

namespace zorvane::ui {

// "0", "0.0" ... "0.0000": the entry index is the number of decimals.
QComboBox* decimalsList(QWidget* parent, const char* name);
// The three units from `firstUnit` (kMeter or kDecimalFeet), as the dialogs name them.
QComboBox* unitList(QWidget* parent, const char* name, int firstUnit);

struct UnitControls {
    QComboBox* decimals = nullptr;
    QRadioButton* metric = nullptr;
    QRadioButton* american = nullptr;
    QComboBox* metricUnits = nullptr;
    QComboBox* americanUnits = nullptr;

    // Selects the unit's system and list entry and the decimals; out-of-range values are
    // clamped.
    void show(const UnitSettings& units) const;
    // The unit of the checked system's list, and the decimals shown.
    UnitSettings choice() const;
    // Only the checked system's list can be changed.
    void enableLists() const;
};

} // namespace zorvane::ui
