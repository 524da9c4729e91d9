#pragma once
// Creating and modifying points from the texts of an entry page, and loading a grid row back
// into the page. The window only moves texts between its widgets and these functions.
#include "case/CaseState.h"
#include "case/Outcome.h"
#include "case/UndoHistory.h"
#include "units/LengthFormatter.h"
#include "view/ViewTransform.h"

#include <array>
#include <optional>
#include <string>

namespace zorvane {

// The texts of one entry page (cp1252), in grid column order: slot 0 is the number field,
// values[0..4] the value fields (XYZ and Polar use three).
struct EntryFields {
    std::string number;
    std::array<std::string, 5> values;
    std::string descriptor;
    std::string code;
};

int valueFieldCount(CaseMode mode);
FieldKind valueFieldKind(CaseMode mode, int valueIndex);
// The value that takes the Z rule (Z, height, elevation): empty counts as 0.
int heightFieldIndex(CaseMode mode);

// Normalises every value field as leaving it does.
void normaliseValues(EntryFields& fields, CaseMode mode, const UnitSettings& units, char separator);

// "&Create Point": normalises the values (written back into `fields`), checks them, and
// creates or modifies the point with an undo snapshot around it. On success the grid row
// (Outcome::row) holds the field texts and the selection moves as the entry page expects.
// Refusals name the field to correct: "Enter valid coordinates" the first value field, a
// number that is not an integer the number field.
Outcome createOrModifyPoint(CaseState& state, ViewTransform& view, UndoHistory& undo,
                            EntryFields& fields);

// What selecting a grid row puts into the entry page.
struct SelectionLoad {
    bool pointRow = false;
    EntryFields fields; // code left empty: selecting a row does not touch the code field
    Colour mark = 0;    // number field colour
};
SelectionLoad loadSelection(const CaseState& state, int row);

// Enter in a number field: the first grid row whose point has that number.
struct NumberLookup {
    std::optional<int> row;
    std::optional<std::string> error; // the text is not an integer
};
NumberLookup findRowByNumberText(const CaseState& state, std::string_view numberText);

} // namespace zorvane
