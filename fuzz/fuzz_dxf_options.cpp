// Any bytes as qkrdxfop.ini: reading ends with options or a reason, and options that were read
// are written back to bytes that read as the same options.
#include "files/DxfOptionsFile.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string problem;
    const auto options = zorvane::parseDxfOptions(std::span(data, size), &problem);
    if (!options) {
        if (problem.empty()) std::abort();
    } else {
        const auto bytes = zorvane::serialiseDxfOptions(*options);
        const auto again = zorvane::parseDxfOptions(bytes);
        if (!again || !(*again == *options)) std::abort();
    }
    // The same bytes typed into a height field: what it then shows reads back as itself.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char separator : {'.', ','}) {
        const std::string shown = zorvane::normaliseTextHeight(text, separator);
        if (!zorvane::parseTextHeight(shown, separator)) std::abort();
        if (zorvane::normaliseTextHeight(shown, separator) != shown) std::abort();
    }
    return 0;
}
