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

// The layout of qkrdxfop.ini, offsets in the comments. Fields carry the names the reader
// gives in its refusals; colours and heights are their own kinds, as only some values of
// them are ones an options window writes.
template <class Io, class R> void dxfOptionsFields(Io& io, R& o) {
    io.flag(o.exportPoints, "Export Point");                    // 0
    io.text(o.pointLayer, "point layer name");                  // 1
    io.reserved(3);                                             // 33
    io.colour(o.pointColour, "point layer colour");             // 36
    io.flag(o.points3D, "In 3D");                               // 40
    io.text(o.pointColourName, "point colour name");            // 41
    io.flag(o.exportNumbers, "Export Number");                  // 52
    io.text(o.numberLayer, "number layer name");                // 53
    io.reserved(3);                                             // 85
    io.colour(o.numberColour, "number layer colour");           // 88
    io.reserved(4);                                             // 92
    io.height(o.numberHeight, "number text height");            // 96
    io.text(o.numberColourName, "number colour name");          // 104
    io.flag(o.exportDescriptors, "Export Description");         // 115
    io.text(o.descriptorLayer, "description layer name");       // 116
    io.colour(o.descriptorColour, "description layer colour");  // 148
    io.height(o.descriptorHeight, "description text height");   // 152
    io.text(o.descriptorColourName, "description colour name"); // 160
    io.flag(o.exportPolylines, "Export Polyline");              // 171
    io.text(o.polylineLayer, "polyline layer name");            // 172
    io.colour(o.polylineColour, "polyline layer colour");       // 204
    io.flag(o.polylines3D, "In 3D");                            // 208
    io.text(o.polylineColourName, "polyline colour name");      // 209
    io.reserved(4);                                             // 220
}

class Writer {
  public:
    explicit Writer(ByteWriter& out) : out_(out) {}
    void flag(bool v, const char*) { out_.flag(v); }
    template <std::size_t N> void text(const ShortString<N>& s, const char*) {
        out_.shortString(s);
    }
    void colour(std::int32_t v, const char*) { out_.i32(v); }
    void height(double v, const char*) { out_.f64(v); }
    void reserved(std::size_t n) { out_.zeros(n); }

  private:
    ByteWriter& out_;
};

// Takes only what an options window writes: a flag of 0 or 1, a text within its field, a
// colour from 1 to 255, a height that is a number.
class CheckingReader {
  public:
    explicit CheckingReader(ByteReader& in) : in_(in) {}
    void flag(bool& v, const char* name) {
        const std::uint8_t b = in_.byte();
        if (b > 1) throw Damage{std::string("the flag \"") + name + "\" is neither 0 nor 1"};
        v = b == 1;
    }
    template <std::size_t N> void text(ShortString<N>& s, const char* name) {
        const auto field = in_.bytes(1 + N);
        if (field[0] > N)
            throw Damage{std::string("the ") + name + " is longer than " + std::to_string(N) +
                         " characters"};
        s = ShortString<N>(
            std::string_view(reinterpret_cast<const char*>(field.data() + 1), field[0]));
    }
    void colour(std::int32_t& v, const char* name) {
        v = in_.i32();
        if (v < 1 || v > 255)
            throw Damage{std::string("the ") + name + " is not a colour from 1 to 255"};
    }
    void height(double& v, const char* name) {
        v = in_.f64();
        if (!std::isfinite(v)) throw Damage{std::string("the ") + name + " is not a number"};
    }
    void reserved(std::size_t n) { in_.skip(n); }

  private:
    ByteReader& in_;
};

} // namespace

std::filesystem::path dxfOptionsPath(const std::filesystem::path& programFolder) {
    return programFolder / kDxfOptionsFileName;
}

std::array<std::uint8_t, kDxfOptionsFileSize> serialiseDxfOptions(const DxfExportOptions& o) {
    std::array<std::uint8_t, kDxfOptionsFileSize> bytes{};
    ByteWriter out(bytes);
    Writer w(out);
    dxfOptionsFields(w, o);
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
        CheckingReader r(in);
        DxfExportOptions o;
        dxfOptionsFields(r, o);
        return o;
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
