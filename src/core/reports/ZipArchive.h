#pragma once
// Writing a ZIP archive in memory, entries in the order given (OpenDocument wants its
// "mimetype" first and stored; Office Open XML its content types first).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

struct ZipEntry {
    std::string name;
    std::string_view bytes; // must outlive the call
    bool deflate = true;    // false: stored as it is (pictures, "mimetype")
};

// The archive's bytes. Throws ReportError "The document could not be put together (...)."
std::vector<std::uint8_t> zipArchive(const std::vector<ZipEntry>& entries);

} // namespace zorvane
