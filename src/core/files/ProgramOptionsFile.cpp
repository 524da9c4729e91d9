#include "files/ProgramOptionsFile.h"

#include "files/ByteIO.h"
#include "files/RecordFields.h"
#include "model/UnitSettings.h"

#include <limits>
#include <string>
#include <utility>

namespace zorvane {
namespace {

template <class Io, class Rect> void rectFields(Io& io, Rect& r) {
    io.i32(r.left);
    io.i32(r.top);
    io.i32(r.width);
    io.i32(r.height);
}

// The layout of progop.ini, offsets in the comments.
template <class Io, class Options> void programOptionsFields(Io& io, Options& o) {
    io.i32(o.defaultUnit);      // 0
    io.i32(o.defaultDecimals);  // 4
    io.i32(o.firstPointNumber); // 8
    io.flag(o.saveImages);      // 12
    io.flag(o.rememberWindows); // 13
    io.reserved(2);
    io.flag(o.compactMode); // 16
    io.reserved(3);
    rectFields(io, o.mainWindow); // 20
    io.flag(o.drawingVisible);    // 36
    io.reserved(3);
    rectFields(io, o.drawingWindow); // 40
    io.flag(o.polylinesVisible);     // 56
    io.reserved(3);
    rectFields(io, o.polylinesWindow); // 60
    io.flag(o.imagesVisible);          // 76
    io.reserved(3);
    rectFields(io, o.imagesWindow); // 80
    io.reserved(40);                // 96
    io.flag(o.showNumbers);         // 136
    io.flag(o.showDescriptions);    // 137
    io.flag(o.onlyMarked);          // 138
    io.flag(o.showPolylines);       // 139
    io.flag(o.showPoints);          // 140
    io.reserved(3);
    io.i32(o.labelHeight);           // 144
    io.flag(o.autoZoomAllInReports); // 148
    io.flag(o.showNorthArrow);       // 149
    io.reserved(2);
}

void checkValues(const ProgramOptions& o) {
    if (o.defaultUnit < 0 || o.defaultUnit >= kUnitCount)
        throw OptionFileError("its default unit " + std::to_string(o.defaultUnit) +
                              " is not between 0 and " + std::to_string(kUnitCount - 1));
    if (o.defaultDecimals < 0 || o.defaultDecimals > kMaxDecimals)
        throw OptionFileError("its number of decimals " + std::to_string(o.defaultDecimals) +
                              " is not between 0 and " + std::to_string(kMaxDecimals));
    // A new case starts at this number minus one.
    if (o.firstPointNumber == std::numeric_limits<std::int32_t>::min())
        throw OptionFileError("its first point number " + std::to_string(o.firstPointNumber) +
                              " is out of range");
}

} // namespace

std::array<std::uint8_t, kProgramOptionsSize> serialiseProgramOptions(const ProgramOptions& o) {
    std::array<std::uint8_t, kProgramOptionsSize> bytes{};
    ByteWriter out(bytes);
    FieldWriter w(out);
    programOptionsFields(w, o);
    return bytes;
}

ProgramOptions parseProgramOptions(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kProgramOptionsSize)
        throw OptionFileError("it holds " + std::to_string(bytes.size()) + " bytes instead of " +
                              std::to_string(kProgramOptionsSize));
    ProgramOptions o;
    ByteReader in(bytes);
    FieldReader r(in);
    programOptionsFields(r, o);
    checkValues(o);
    return o;
}

OptionFileLoad<ProgramOptions> loadProgramOptions(const std::filesystem::path& path) {
    return loadOptionFile<ProgramOptions>(path, kProgramOptionsSize, "program options",
                                          parseProgramOptions);
}

void saveProgramOptions(const std::filesystem::path& path, const ProgramOptions& o) {
    writeOptionFile(path, serialiseProgramOptions(o));
}

} // namespace zorvane
