#include "files/CaseFile.h"

#include "files/AtomicFile.h"
#include "files/CaseFileFormat.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace zorvane {
using namespace casefile;
namespace {

// Encodes record by record into a small buffer that goes to the sink whenever it is full:
// the same code fills a memory buffer or streams a large case straight to its file.
class RecordWriter {
  public:
    // `total` is the size of everything to be written; no buffer larger than that is needed.
    RecordWriter(const ByteSink& sink, std::size_t total)
        : sink_(sink), chunk_(std::clamp<std::size_t>(total, kLegendSize, kChunk)),
          buf_(std::make_unique_for_overwrite<std::uint8_t[]>(chunk_)) {}

    // A writer over the next n bytes (one record); the record must fill them all.
    ByteWriter record(std::size_t n) {
        if (chunk_ - used_ < n) flush();
        ByteWriter w({buf_.get() + used_, n});
        used_ += n;
        return w;
    }
    // Bytes that are already in their stored form go out as they are.
    void raw(std::span<const std::uint8_t> bytes) {
        flush();
        if (!bytes.empty()) sink_(bytes);
    }
    void flush() {
        if (used_) sink_({buf_.get(), used_});
        used_ = 0;
    }

  private:
    static constexpr std::size_t kChunk = std::size_t{1} << 20;
    const ByteSink& sink_;
    std::size_t chunk_;
    std::unique_ptr<std::uint8_t[]> buf_;
    std::size_t used_ = 0;
};

// One record through its field list; the list must fill exactly the record's size.
template <class Record, class Fields>
void put(RecordWriter& out, std::size_t size, Fields fields, const Record& rec) {
    ByteWriter w = out.record(size);
    FieldWriter io(w);
    fields(io, rec);
    if (w.remaining() != 0) throw std::logic_error("a case file record was not filled");
}

void writeCount(RecordWriter& out, std::size_t n) {
    out.record(4).i32(static_cast<std::int32_t>(n));
}

CaseHeader headerOf(const CaseData& doc) {
    CaseHeader h;
    h.caseName = doc.caseName;
    h.lastPointNumber = doc.lastPointNumber;
    h.mode = static_cast<std::int32_t>(doc.mode);
    h.caseDescription = doc.caseDescription;
    h.unit = doc.units.unit;
    h.decimals = doc.units.decimals;
    return h;
}

constexpr auto kHeaderFields = [](auto& io, auto& r) { headerFields(io, r); };
constexpr auto kIncidentFields = [](auto& io, auto& r) { incidentFields(io, r); };
constexpr auto kPointFields = [](auto& io, auto& r) { pointFields(io, r); };
constexpr auto kPolylineFields = [](auto& io, auto& r) { polylineFields(io, r); };
constexpr auto kLegendFields = [](auto& io, auto& r) { legendFields(io, r); };
static_assert(recordSize<CaseHeader>(kHeaderFields) == kHeaderSize);
static_assert(recordSize<IncidentRecord>(kIncidentFields) == kIncidentSize);
static_assert(recordSize<PointRecord>(kPointFields) == kPointSize);
static_assert(recordSize<PolylineRecord>(kPolylineFields) == kPolylineSize);
static_assert(recordSize<LegendRecord>(kLegendFields) == kLegendSize);

void writeCase(const CaseData& doc, bool saveImages, const ByteSink& sink) {
    RecordWriter out(sink, caseFileSize(doc, saveImages));
    put(out, kHeaderSize, kHeaderFields, headerOf(doc));
    put(out, kIncidentSize, kIncidentFields, doc.incident);
    writeCount(out, doc.points.size());
    for (const auto& p : doc.points) put(out, kPointSize, kPointFields, p);
    writeCount(out, doc.polylines.size());
    for (const auto& l : doc.polylines) put(out, kPolylineSize, kPolylineFields, l);
    // The image store already holds the entries exactly as the file does.
    writeCount(out, saveImages ? doc.images.count() : 0);
    if (saveImages) out.raw(doc.images.buffer());
    out.record(4).i32(kTrailerMarker);
    put(out, kLegendSize, kLegendFields, doc.legend);
    out.flush();
}

std::size_t checkedSize(const CaseData& doc, bool saveImages) {
    const std::size_t size = caseFileSize(doc, saveImages);
    if (size > kMaxCaseFileSize)
        throw CaseFileError("The case is too large to be saved (" + std::to_string(size) +
                            " bytes; a case file holds at most 2 GB).");
    return size;
}

} // namespace

std::size_t caseFileSize(const CaseData& doc, bool saveImages) {
    return kHeaderSize + kIncidentSize + 4 + kPointSize * doc.points.size() + 4 +
           kPolylineSize * doc.polylines.size() + 4 +
           (saveImages ? doc.images.buffer().size() : 0) + 4 + kLegendSize;
}

std::vector<std::uint8_t> serialiseCase(const CaseData& doc, bool saveImages) {
    const std::size_t size = checkedSize(doc, saveImages);
    std::vector<std::uint8_t> out;
    out.reserve(size);
    writeCase(doc, saveImages, [&out](std::span<const std::uint8_t> piece) {
        out.insert(out.end(), piece.begin(), piece.end());
    });
    return out;
}

void saveCaseFile(const std::filesystem::path& path, const CaseData& doc, bool saveImages) {
    checkedSize(doc, saveImages); // before the target's folder is touched
    writeFileAtomically(path, [&](const ByteSink& sink) { writeCase(doc, saveImages, sink); });
}

} // namespace zorvane
