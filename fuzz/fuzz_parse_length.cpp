// Anything typed into a length field: the reading must end, give a finite number, and what the
// field then shows must read back to the same text.
#include "units/LengthFormatter.h"
#include "units/LengthParser.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double feet = zorvane::parseLength(text);
    if (!std::isfinite(feet)) std::abort();
    const std::string shown = zorvane::formatFeetInches(feet);
    if (std::fabs(feet) < 1e9) {
        const double again = zorvane::parseLength(shown);
        // At most half a sixteenth of an inch away, give or take the double's own precision.
        if (std::fabs(again - feet) > 1.0 / 384 + std::fabs(feet) * 1e-14) std::abort();
        if (zorvane::formatFeetInches(again) != shown) std::abort();
    }

    // The building blocks take any piece of text as well.
    (void)zorvane::parseInches(text);
    (void)zorvane::parseFraction(text);
    (void)zorvane::readInt(text);
    if (!std::isfinite(zorvane::readNumber(text))) std::abort();

    // The decimal units: a field's text is either emptied or shown in a form that reads back.
    for (const char sep : {'.', ','}) {
        if (const auto v = zorvane::parseDecimal(text, sep)) {
            const std::string fixed = zorvane::formatFixed(*v, 2, sep);
            const auto back = zorvane::parseDecimal(fixed, sep);
            if (!back || zorvane::formatFixed(*back, 2, sep) != fixed) std::abort();
        }
    }
    const zorvane::UnitSettings feetInches{zorvane::kFeetInches, 2};
    (void)zorvane::normaliseField(text, zorvane::FieldKind::NeswOffset, feetInches, '.');
    return 0;
}
