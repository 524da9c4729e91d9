#pragma once
// The DXF drawing of a case: a POINT per measured point with its number and descriptor as
// TEXT beside it, and every polyline and arc as a DXF polyline (arcs as bulged 2D segments),
// on the layers, in the colours and text heights, and in 2D or 3D as the options say. The
// text of the file is written by the Tessaline library.
#include "model/CaseData.h"
#include "model/DxfExportOptions.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zorvane {

struct DxfExportOutcome {
    std::size_t pointsWritten = 0;    // points that got their entities
    std::size_t polylinesWritten = 0; // definitions written as polylines
    // One sentence per thing left out, in the order met: a definition whose points text
    // has an entry that is not a whole number ("'x' is not a valid integer value"), or a
    // point whose position is not a number (damaged case files). The rest of the drawing
    // is written; the caller shows these.
    std::vector<std::string> skipped;
};

// The DXF colour number of a point's texts for its mark colour: 256 (by layer) when not
// marked or marked in a colour the export does not know; red 1, green 3, blue 5, fuchsia 6.
int dxfColourOfMark(Colour markColour);

// Writes the drawing to `target`, replacing a file of that name only once the whole drawing
// is written. Coordinates are in the case's unit, unscaled. Throws DxfWriteError (what() is
// the seven-line message) when the drawing cannot be written; the target is then untouched
// and nothing is left behind. Throws std::invalid_argument, before touching any file, for a
// text height that is not a finite number.
// Not reentrant: the writer library writes one drawing at a time.
DxfExportOutcome exportDxf(const CaseData& data, const DxfExportOptions& options,
                           const std::filesystem::path& target);

} // namespace zorvane
