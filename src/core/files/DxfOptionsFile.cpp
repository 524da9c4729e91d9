#include "files/DxfOptionsFile.h"

#include "files/AtomicFile.h"
#include "files/ByteIO.h"
#include "units/LengthFormatter.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane {
namespace {

// Thrown inside parsing only; becomes the `problem` text.
struct Damage {
    std::string what;
};

bool readFlag(ByteReader& in, const char* name) {
    const std::uint8_t v = in.byte();
    if (v > 1) throw Damage{std::string("the flag \"") + name + "\" is neither 0 nor 1"};
    return v == 1;
}

template <std::size_t N> ShortString<N> readText(ByteReader& in, const char* name) {
    const auto field = in.bytes(1 + N);
    if (field[0] > N)
        throw Damage{std::string("the ") + name + " is longer than " + std::to_string(N) +
                     " characters"};
    return ShortString<N>(
        std::string_view(reinterpret_cast<const char*>(field.data() + 1), field[0]));
}

std::int32_t readColour(ByteReader& in, const char* name) {
    const std::int32_t v = in.i32();
    if (v < 1 || v > 255)
        throw Damage{std::string("the ") + name + " is not a colour from 1 to 255"};
    return v;
}

double readHeight(ByteReader& in, const char* name) {
    const double v = in.f64();
    if (!std::isfinite(v)) throw Damage{std::string("the ") + name + " is not a number"};
    return v;
}

DxfExportOptions readRecord(ByteReader& in) {
    DxfExportOptions o;
    o.exportPoints = readFlag(in, "Export Point");
    o.pointLayer = readText<31>(in, "point layer name");
    in.skip(3);
    o.pointColour = readColour(in, "point layer colour");
    o.points3D = readFlag(in, "In 3D");
    o.pointColourName = readText<10>(in, "point colour name");

    o.exportNumbers = readFlag(in, "Export Number");
    o.numberLayer = readText<31>(in, "number layer name");
    in.skip(3);
    o.numberColour = readColour(in, "number layer colour");
    in.skip(4);
    o.numberHeight = readHeight(in, "number text height");
    o.numberColourName = readText<10>(in, "number colour name");

    o.exportDescriptors = readFlag(in, "Export Description");
    o.descriptorLayer = readText<31>(in, "description layer name");
    o.descriptorColour = readColour(in, "description layer colour");
    o.descriptorHeight = readHeight(in, "description text height");
    o.descriptorColourName = readText<10>(in, "description colour name");

    o.exportPolylines = readFlag(in, "Export Polyline");
    o.polylineLayer = readText<31>(in, "polyline layer name");
    o.polylineColour = readColour(in, "polyline layer colour");
    o.polylines3D = readFlag(in, "In 3D");
    o.polylineColourName = readText<10>(in, "polyline colour name");
    in.skip(4);
    return o;
}

} // namespace

std::filesystem::path dxfOptionsPath(const std::filesystem::path& programFolder) {
    return programFolder / kDxfOptionsFileName;
}

std::array<std::uint8_t, kDxfOptionsFileSize> serialiseDxfOptions(const DxfExportOptions& o) {
    std::array<std::uint8_t, kDxfOptionsFileSize> bytes{};
    ByteWriter out(bytes);
    out.flag(o.exportPoints);
    out.shortString(o.pointLayer);
    out.zeros(3);
    out.i32(o.pointColour);
    out.flag(o.points3D);
    out.shortString(o.pointColourName);

    out.flag(o.exportNumbers);
    out.shortString(o.numberLayer);
    out.zeros(3);
    out.i32(o.numberColour);
    out.zeros(4);
    out.f64(o.numberHeight);
    out.shortString(o.numberColourName);

    out.flag(o.exportDescriptors);
    out.shortString(o.descriptorLayer);
    out.i32(o.descriptorColour);
    out.f64(o.descriptorHeight);
    out.shortString(o.descriptorColourName);

    out.flag(o.exportPolylines);
    out.shortString(o.polylineLayer);
    out.i32(o.polylineColour);
    out.flag(o.polylines3D);
    out.shortString(o.polylineColourName);
    out.zeros(4);
    if (out.remaining() != 0) throw std::logic_error("the DXF options record was not filled");
    return bytes;
}

std::optional<DxfExportOptions> parseDxfOptions(std::span<const std::uint8_t> bytes,
                                                std::string* problem) {
    if (bytes.size() < kDxfOptionsFileSize) {
        if (problem)
            *problem = "it holds " + std::to_string(bytes.size()) + " bytes instead of " +
                       std::to_string(kDxfOptionsFileSize);
        return std::nullopt;
    }
    try {
        ByteReader in(bytes.first(kDxfOptionsFileSize));
        return readRecord(in);
    } catch (const Damage& d) {
        if (problem) *problem = d.what;
        return std::nullopt;
    }
}

OptionFileLoad<DxfExportOptions> loadDxfOptions(const std::filesystem::path& file) {
    return loadOptionFile<DxfExportOptions>(file, kDxfOptionsFileSize, "DXF export options",
                                            [](std::span<const std::uint8_t> bytes) {
                                                std::string problem;
                                                if (auto options = parseDxfOptions(bytes, &problem))
                                                    return *options;
                                                throw OptionFileError(problem);
                                            });
}

void saveDxfOptions(const std::filesystem::path& file, const DxfExportOptions& options) {
    const auto bytes = serialiseDxfOptions(options);
    writeOptionFile(file, bytes);
}

std::string normaliseTextHeight(std::string_view text, char separator) {
    if (const auto v = parseTextHeight(text, separator)) return formatFixed(*v, 2, separator);
    return std::string("1") + separator + "00";
}

std::optional<double> parseTextHeight(std::string_view text, char separator) {
    return parseDecimal(text, separator);
}

std::string invalidFloatMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid floating point value";
}

} // namespace zorvane
