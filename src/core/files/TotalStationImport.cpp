#include "files/TotalStationImport.h"

#include "files/FileRead.h"
#include "files/GsiBlock.h"
#include "files/GsiImport.h"
#include "files/ImportText.h"

namespace zorvane {
namespace {

// Enough for the preview lines and for the first block however long its blank lines run.
constexpr std::size_t kPreviewBytes = 64 * 1024;

std::string_view firstLine(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view line = trimmed(bytes.substr(0, end));
        if (!line.empty() || end == std::string_view::npos) return line;
        bytes.remove_prefix(end + 1);
    }
    return {};
}

} // namespace

TotalStationFormat detectTotalStationFormat(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    const std::string_view line = firstLine(bytes);
    if (!looksLikeGsi(line)) return TotalStationFormat::Plain;
    return line.starts_with('*') ? TotalStationFormat::Gsi16 : TotalStationFormat::Gsi8;
}

TotalStationPreview previewTotalStationText(std::string_view head) {
    TotalStationPreview p;
    p.format = detectTotalStationFormat(head);
    p.formatName = p.format == TotalStationFormat::Gsi8    ? "Leica GSI-8"
                   : p.format == TotalStationFormat::Gsi16 ? "Leica GSI-16"
                                                           : "Plain text";
    const ProgressCallback none; // the meter keeps a reference to it
    ProgressMeter meter(none, head.size());
    forEachImportLine(decodeImportText(head), meter, [&](std::string_view line, std::size_t) {
        if (p.lines.size() < kPreviewLines)
            p.lines.emplace_back(line.substr(0, kPreviewLineLength));
    });
    return p;
}

TotalStationPreview previewTotalStationFile(const std::filesystem::path& path) {
    try {
        return previewTotalStationText(readFileStart(path, kPreviewBytes).value_or(""));
    } catch (const FileReadError& e) {
        throw CoordinateFileError(e.what());
    }
}

std::optional<ImportedCase> importTotalStationText(std::string_view bytes, PlainPointOrder order,
                                                   const ProgramOptions& program,
                                                   const ProgressCallback& progress, double from,
                                                   double to) {
    if (detectTotalStationFormat(bytes) != TotalStationFormat::Plain)
        return importGsiText(bytes, program, progress, from, to);
    return importPlainPointText(bytes, order, program, progress, from, to);
}

std::optional<ImportedCase> importTotalStationFile(const std::filesystem::path& path,
                                                   PlainPointOrder order,
                                                   const ProgramOptions& program,
                                                   const ProgressCallback& progress) {
    const auto bytes = readImportFile(path, progress, kImportReadShare);
    if (!bytes) return std::nullopt;
    return importTotalStationText(*bytes, order, program, progress, kImportReadShare, 1);
}

} // namespace zorvane
