#pragma once
#include "model/ChunkedTable.h"
#include "model/Extents.h"
#include "model/ShortString.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace zorvane {

// Fixed per case: decides what m1..m5 mean, the entry page and the grid.
enum class CaseMode : std::int32_t { Xyz = 0, Polar = 1, Nesw = 2 };

// Colour values are 0x00BBGGRR; as a mark colour 0 means "not marked".
using Colour = std::uint32_t;

// One measured point. m1..m5 by mode:
//   XYZ: X, Y, Z, 0, 0   Polar: bearing (degrees), length, height, 0, 0
//   NESW: North, East, South, West, Elevation
struct PointRecord {
    std::int32_t number = 0;
    double m1 = 0, m2 = 0, m3 = 0;
    ShortString<10> code;
    ShortString<50> descriptor;
    Colour markColour = 0;
    double m4 = 0, m5 = 0;

    friend bool operator==(const PointRecord&, const PointRecord&) = default;
};

// What a chunk of the point table remembers about its records until they change: where each
// number first occurs, and the extents of the world positions in one case mode.
struct PointChunkSummary {
    bool numbersReady = false;
    std::vector<std::pair<std::int32_t, std::uint32_t>> numbers; // (number, offset), sorted
    bool extentsReady = false;
    CaseMode extentsMode = CaseMode::Xyz;
    Extents extents;
};

// Points in creation order; the number is a point's identity.
using PointTable = ChunkedTable<PointRecord, 1024, PointChunkSummary>;

struct WorldPos {
    double x = 0, y = 0;
};

// Table index of the first point with this number. Each chunk keeps its numbers sorted, so a
// lookup costs a search per chunk rather than a look at every point.
std::optional<std::size_t> findPoint(const PointTable& points, std::int32_t number);

// The plan position of a point by case mode.
WorldPos worldPosition(const PointRecord& p, CaseMode mode);

// The (number, offset) pairs of a chunk of the table, sorted; built once until the chunk
// changes.
const std::vector<std::pair<std::int32_t, std::uint32_t>>&
sortedNumbers(std::span<const PointRecord> chunk, PointChunkSummary& summary);

// Extents of the world positions of all points (see screenExtents).
Extents worldExtents(const PointTable& points, CaseMode mode);

} // namespace zorvane
