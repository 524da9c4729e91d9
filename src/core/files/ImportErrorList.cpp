#include "files/ImportErrorList.h"

namespace zorvane {
namespace {

std::string errorEntry(std::size_t lineNumber, std::string_view line) {
    std::string entry = std::to_string(lineNumber) + ". ";
    if (line.size() > kMaxErrorLineLength) {
        entry.append(line.substr(0, kMaxErrorLineLength));
        entry += "...";
    } else {
        entry.append(line);
    }
    return entry;
}

} // namespace

void ImportErrorList::add(std::size_t lineNumber, std::string_view line) {
    ++rejected_;
    if (entries_.size() < kMaxListedImportErrors) {
        entries_.push_back(errorEntry(lineNumber, line));
        return;
    }
    // One closing entry, kept up to date, for the lines not listed.
    if (entries_.size() == kMaxListedImportErrors) entries_.emplace_back();
    entries_.back() = "(" + std::to_string(rejected_ - kMaxListedImportErrors) +
                      " more lines with errors are not listed)";
}

} // namespace zorvane
