#pragma once
// How the three coordinate imports cut a line into values (kept in impop.ini): per import
// kind a field map, the renumbering choice and the field separator.
#include "model/ShortString.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace zorvane {

// Where one value sits in a line's list of fields.
struct ImportField {
    std::int32_t column = 0; // 1-based; 0 = the value is not in the file
    ShortString<10> prefix;  // text in front of the value in its field; empty = none

    friend bool operator==(const ImportField&, const ImportField&) = default;
};

// One import kind. The fields come in the order Number, the kind's values, Descriptor, Code:
//   XYZ: Number, X coordinate, Y coordinate, Z coordinate, Descriptor, Code
//   Polar: Number, Compass degree, Measure Length, Measure Height, Descriptor, Code
//   NESW: Number, North, East, South, West, Elevation, Descriptor, Code
template <std::size_t N> struct ImportFormat {
    static constexpr std::size_t fieldCount = N;
    static constexpr std::size_t valueCount = N - 3;
    static constexpr std::size_t numberField = 0;
    static constexpr std::size_t descriptorField = N - 2;
    static constexpr std::size_t codeField = N - 1;

    // Number in column 1, the values and the descriptor after it, no code: what most
    // instruments and spreadsheets write.
    std::array<ImportField, N> fields = [] {
        std::array<ImportField, N> f{};
        for (std::size_t i = 0; i + 1 < N; ++i) f[i].column = static_cast<std::int32_t>(i + 1);
        return f;
    }();
    bool renumber = false;         // "Renumber points from: "
    std::int32_t renumberFrom = 1; // the number of the first accepted line
    ShortString<1> separator{","}; // "Field separator:"; empty = the whole line is one field

    friend bool operator==(const ImportFormat&, const ImportFormat&) = default;
};

struct ImportOptions {
    ImportFormat<6> xyz;
    ImportFormat<6> polar;
    ImportFormat<8> nesw;

    friend bool operator==(const ImportOptions&, const ImportOptions&) = default;
};

} // namespace zorvane
