#include "files/ImportText.h"

namespace zorvane {

ImportText decodeImportText(std::string_view bytes) {
    // Pure ASCII reads the same either way and needs no conversion.
    const bool utf8 = hasNonAscii(bytes) && isValidUtf8(bytes);
    if (utf8 && bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return {bytes, utf8};
}

} // namespace zorvane
