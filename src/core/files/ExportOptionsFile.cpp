#include "files/ExportOptionsFile.h"

#include "files/AtomicFile.h"
#include "files/ByteIO.h"

#include <string>

namespace zorvane {
namespace {

constexpr const char* kByteNames[kExportOptionsSize] = {"Export Point", "In 3D", "Export Number",
                                                        "Export Description", "Export Code"};

} // namespace

std::array<std::uint8_t, kExportOptionsSize> serialiseExportOptions(const ExportOptions& o) {
    std::array<std::uint8_t, kExportOptionsSize> out{};
    ByteWriter w(out);
    w.flag(o.exportPoint);
    w.flag(o.in3D);
    w.flag(o.exportNumber);
    w.flag(o.exportDescription);
    w.flag(o.exportCode);
    return out;
}

ExportOptions parseExportOptions(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kExportOptionsSize)
        throw OptionFileError("it holds " + std::to_string(bytes.size()) + " of " +
                              std::to_string(kExportOptionsSize) + " bytes");
    bool flags[kExportOptionsSize];
    ByteReader r(bytes.first(kExportOptionsSize));
    for (std::size_t i = 0; i < kExportOptionsSize; ++i) {
        const std::uint8_t b = r.byte();
        if (b > 1)
            throw OptionFileError(std::string("the \"") + kByteNames[i] + "\" flag holds " +
                                  std::to_string(b));
        flags[i] = b == 1;
    }
    return {flags[0], flags[1], flags[2], flags[3], flags[4]};
}

OptionFileLoad<ExportOptions> loadExportOptions(const std::filesystem::path& path) {
    return loadOptionFile<ExportOptions>(path, kExportOptionsSize, "coordinate export options",
                                         parseExportOptions);
}

void saveExportOptions(const std::filesystem::path& path, const ExportOptions& options) {
    const auto bytes = serialiseExportOptions(options);
    writeOptionFile(path, bytes);
}

} // namespace zorvane
