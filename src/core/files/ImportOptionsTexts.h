#pragma once
// The " Import Options" window's rules, on the texts of its edits: filling them from the
// record, and storing them back on "Ok".
#include "model/ImportOptions.h"
#include "model/PointRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace zorvane {

// One tab, as the window shows it (texts in cp1252).
struct ImportTabTexts {
    std::vector<std::string> columns;  // one per field, in the kind's field order
    std::vector<std::string> prefixes; // the same order
    bool renumber = false;             // "Renumber points from: "
    std::string renumberFrom;
    std::string separator; // "Field separator:"
};

struct ImportOptionsTexts {
    ImportTabTexts xyz, polar, nesw;
};

ImportOptionsTexts importOptionsTexts(const ImportOptions& options);

// The first edit that does not hold an integer, in the order "Ok" reads them (tabs XYZ,
// Polar, NESW; in each the columns in field order, then the renumbering number).
struct ImportTextError {
    CaseMode tab;
    int field;           // index in the tab's field order; -1 for the renumbering number
    std::string message; // '12a' is not a valid integer value
};

// "Ok": columns and renumbering numbers read as integers, prefixes cut to 10 characters,
// separators to 1. All or nothing: on an error the record is left as it was, so that a Cancel
// after a refused "Ok" keeps the options that impop.ini holds.
std::optional<ImportTextError> storeImportOptionsTexts(ImportOptions& options,
                                                       const ImportOptionsTexts& texts);

} // namespace zorvane
