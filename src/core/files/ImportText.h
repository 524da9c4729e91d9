#pragma once
// The bytes of an imported text file, walked line by line. A file that is valid UTF-8 is read
// as UTF-8 (a leading byte order mark is dropped), any other file as Windows-1252; lines reach
// the reader in Windows-1252 like everything a case stores (a character it lacks becomes '?').
#include "files/ProgressMeter.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace zorvane {

struct ImportText {
    std::string_view bytes; // without a byte order mark
    bool utf8 = false;      // lines with non-ASCII bytes need converting
};

ImportText decodeImportText(std::string_view bytes);

// Calls `onLine(line, number)` for every physical line, numbered from 1. A line ends at LF,
// CR LF or a lone CR; a last line without an end counts too. False when `meter` asked to stop.
template <class OnLine>
bool forEachImportLine(const ImportText& text, ProgressMeter& meter, OnLine&& onLine) {
    const char* const begin = text.bytes.data();
    const char* const end = begin + text.bytes.size();
    std::string converted;
    const auto deliver = [&](std::string_view line, std::size_t number) {
        if (text.utf8 && hasNonAscii(line)) {
            converted = utf8ToCp1252(line);
            line = converted;
        }
        onLine(line, number);
    };
    const char* p = begin;
    std::size_t number = 0;
    while (p < end) {
        const auto* lf =
            static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        const char* const stop = lf ? lf : end;
        while (true) {
            const auto* cr =
                static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(stop - p)));
            deliver({p, static_cast<std::size_t>((cr ? cr : stop) - p)}, ++number);
            if (!cr) break;
            p = cr + 1;
            if (p == stop) break; // CR LF, or a CR at the very end
        }
        p = lf ? lf + 1 : end;
        if (!meter.update(static_cast<std::size_t>(p - begin))) return false;
    }
    return meter.finish();
}

} // namespace zorvane
