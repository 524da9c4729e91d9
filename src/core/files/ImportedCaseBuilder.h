#pragma once
// What every importer gathers on its way through a file: the points read, the description
// list built as they come, and the lines that could not be read.
#include "files/CoordinateImport.h"
#include "files/ImportErrorList.h"
#include "model/DescriptorList.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace zorvane {

class ImportedCaseBuilder {
  public:
    explicit ImportedCaseBuilder(CaseMode mode) { result_.mode = mode; }

    const PointTable& points() const { return result_.points; }
    void reserve(std::size_t points) { result_.points.reserve(points); }

    // Appends a point. A file with more points than a case can hold is refused as a whole.
    void add(const PointRecord& point) {
        if (result_.points.size() >= kMaxImportedPoints)
            throw CoordinateFileError("The file holds more points than a case can hold (" +
                                      std::to_string(kMaxImportedPoints) + ").");
        result_.points.push_back(point);
        descriptors_.add(point.descriptor.view());
    }

    void reject(std::size_t lineNumber, std::string_view line) { errors_.add(lineNumber, line); }

    // The case read; its last point number is the caller's to set.
    ImportedCase finish() {
        result_.descriptors = descriptors_.take();
        result_.rejectedLines = errors_.rejectedLines();
        result_.errors = errors_.take();
        return std::move(result_);
    }

  private:
    DescriptorListBuilder descriptors_;
    ImportErrorList errors_;
    ImportedCase result_;
};

} // namespace zorvane
