#include "files/CaseFile.h"

#include "case/CaseOperations.h"
#include "files/AtomicFile.h"
#include "files/ByteIO.h"
#include "model/DescriptorList.h"
#include "view/ViewTransform.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane {
namespace {

constexpr std::size_t kHeaderSize = 180;
constexpr std::size_t kIncidentSize = 576;
constexpr std::size_t kPointSize = 120;
constexpr std::size_t kPolylineSize = 336;
constexpr std::size_t kLegendSize = 588;
constexpr std::int32_t kTrailerMarker = -999;
constexpr std::uint8_t kVersion[4] = {3, '1', '.', '0'};

// ---- writing -------------------------------------------------------------------------------

void writeHeader(ByteWriter& w, const CaseDocument& doc) {
    w.shortString<5>(std::string_view("1.0"));
    w.shortString<50>(doc.caseName);
    w.zeros(3);
    w.i32(doc.lastPointNumber);
    w.i32(static_cast<std::int32_t>(doc.mode));
    w.shortString<100>(doc.caseDescription);
    w.zeros(3);
    w.i32(doc.units.unit);
    w.i32(doc.units.decimals);
}

void writeIncident(ByteWriter& w, const IncidentRecord& r) {
    w.shortString(r.date);
    w.shortString(r.hour);
    w.shortString(r.place);
    w.shortString(r.name1);
    w.shortString(r.name2);
    w.shortString(r.circumstances);
}

void writePoint(ByteWriter& w, const PointRecord& p) {
    w.i32(p.number);
    w.zeros(4);
    w.f64(p.m1);
    w.f64(p.m2);
    w.f64(p.m3);
    w.shortString(p.code);
    w.shortString(p.descriptor);
    w.zeros(2);
    w.u32(p.markColour);
    w.zeros(4);
    w.f64(p.m4);
    w.f64(p.m5);
}

void writePolyline(ByteWriter& w, const PolylineRecord& l) {
    w.shortString(l.name);
    w.shortString(l.description);
    w.zeros(2);
    w.i32(l.colourIndex);
    w.i32(l.widthIndex);
    w.zeros(4);
    w.i32(0); // reserved integer, always written as 0
    w.shortString(l.pointsText);
}

void writeLegend(ByteWriter& w, const LegendRecord& g) {
    for (const auto& line : g.lines) w.shortString(line);
    w.shortString(g.fontName);
    w.zeros(3);
    w.i32(g.fontHeight);
    w.byte(g.fontStyle);
    w.zeros(3);
    w.u32(g.fontColour);
    w.i32(g.left);
    w.i32(g.top);
    w.flag(g.boxed);
    w.flag(g.visible);
    w.zeros(2);
}

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

template <class Write, class Record>
void put(RecordWriter& out, std::size_t size, Write write, const Record& rec) {
    ByteWriter w = out.record(size);
    write(w, rec);
    if (w.remaining() != 0) throw std::logic_error("a case file record was not filled");
}

void writeCount(RecordWriter& out, std::size_t n) {
    out.record(4).i32(static_cast<std::int32_t>(n));
}

void writeCase(const CaseDocument& doc, bool saveImages, const ByteSink& sink) {
    RecordWriter out(sink, caseFileSize(doc, saveImages));
    put(out, kHeaderSize, writeHeader, doc);
    put(out, kIncidentSize, writeIncident, doc.incident);
    writeCount(out, doc.points.size());
    for (const auto& p : doc.points) put(out, kPointSize, writePoint, p);
    writeCount(out, doc.polylines.size());
    for (const auto& l : doc.polylines) put(out, kPolylineSize, writePolyline, l);
    // The image store already holds the entries exactly as the file does.
    writeCount(out, saveImages ? doc.images.count() : 0);
    if (saveImages) out.raw(doc.images.buffer());
    out.record(4).i32(kTrailerMarker);
    put(out, kLegendSize, writeLegend, doc.legend);
    out.flush();
}

std::size_t checkedSize(const CaseDocument& doc, bool saveImages) {
    const std::size_t size = caseFileSize(doc, saveImages);
    if (size > kMaxCaseFileSize)
        throw CaseFileError("The case is too large to be saved (" + std::to_string(size) +
                            " bytes; a case file holds at most 2 GB).");
    return size;
}

// ---- reading -------------------------------------------------------------------------------

[[noreturn]] void damaged(const std::string& what) {
    throw CaseFileError("The case file is damaged: " + what + ".");
}

std::string ordinal(std::size_t k, std::size_t count) {
    return std::to_string(k + 1) + " of " + std::to_string(count);
}

// Where the parser takes its bytes from. take(n) gives the next n bytes, or nullptr when the
// data ends first; remaining() is what is left of the whole file.
class MemorySource {
  public:
    explicit MemorySource(std::span<const std::uint8_t> bytes)
        : p_(bytes.data()), left_(bytes.size()) {}
    std::size_t remaining() const { return left_; }
    const std::uint8_t* take(std::size_t n) {
        if (n > left_) return nullptr;
        const std::uint8_t* p = p_;
        p_ += n;
        left_ -= n;
        return p;
    }
    template <class Use> bool withBytes(std::size_t n, Use&& use) {
        const std::uint8_t* p = take(n);
        if (!p) return false;
        use(std::span<const std::uint8_t>(p, n));
        return true;
    }

  private:
    const std::uint8_t* p_;
    std::size_t left_;
};

// A file read in chunks through a small buffer: a large case never needs a second copy of
// the whole file in memory. The size is the one the file had when opened; a file that
// shrinks meanwhile reads as cut short.
class FileSource {
  public:
    FileSource(int fd, std::size_t size, std::string shownPath)
        : fd_(fd), left_(size), cap_(std::clamp<std::size_t>(size, 1, kChunk)),
          buf_(std::make_unique_for_overwrite<std::uint8_t[]>(cap_)), shown_(std::move(shownPath)) {
    }

    std::size_t remaining() const { return left_; }

    const std::uint8_t* take(std::size_t n) {
        if (n > left_ || n > cap_) return nullptr;
        if (end_ - begin_ < n && !fill(n)) return nullptr;
        const std::uint8_t* p = buf_.get() + begin_;
        begin_ += n;
        left_ -= n;
        return p;
    }

    template <class Use> bool withBytes(std::size_t n, Use&& use) {
        if (n > left_) return false;
        if (n <= cap_) {
            const std::uint8_t* p = take(n);
            if (!p) return false;
            use(std::span<const std::uint8_t>(p, n));
            return true;
        }
        auto big = std::make_unique_for_overwrite<std::uint8_t[]>(n);
        std::size_t have = end_ - begin_;
        std::memcpy(big.get(), buf_.get() + begin_, have);
        begin_ = end_ = 0;
        while (have < n) {
            const std::size_t got = readSome(big.get() + have, n - have);
            if (got == 0) return false;
            have += got;
        }
        left_ -= n;
        use(std::span<const std::uint8_t>(big.get(), n));
        return true;
    }

  private:
    static constexpr std::size_t kChunk = std::size_t{1} << 20;

    // Keeps the unread bytes and reads more until n are buffered; false at an early end.
    bool fill(std::size_t n) {
        const std::size_t buffered = end_ - begin_;
        std::memmove(buf_.get(), buf_.get() + begin_, buffered);
        begin_ = 0;
        end_ = buffered;
        while (end_ < n) {
            const std::size_t want = std::min(cap_ - end_, left_ - end_);
            const std::size_t got = readSome(buf_.get() + end_, want);
            if (got == 0) return false;
            end_ += got;
        }
        return true;
    }

    std::size_t readSome(std::uint8_t* to, std::size_t n) {
        for (;;) {
            const ssize_t got = ::read(fd_, to, n);
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR)
                throw CaseFileError("Could not read " + shown_ + ": " + std::strerror(errno) + ".");
        }
    }

    int fd_;
    std::size_t left_;
    std::size_t cap_;
    std::unique_ptr<std::uint8_t[]> buf_;
    std::size_t begin_ = 0, end_ = 0;
    std::string shown_;
};

template <class Source> ByteReader record(Source& src, std::size_t n, const char* where) {
    const std::uint8_t* p = src.take(n);
    if (!p) damaged(std::string("it ends inside ") + where);
    return ByteReader({p, n});
}

// A count read from the file, checked against what the rest of the file can hold before
// anything is allocated for it.
template <class Source>
std::size_t readCount(Source& src, std::size_t recordSize, const char* singular,
                      const char* plural) {
    const std::uint8_t* p = src.take(4);
    if (!p) damaged(std::string("it ends before its ") + singular + " count");
    const auto n = static_cast<std::int32_t>(byteio::loadLE<std::uint32_t>(p));
    if (n < 0)
        damaged(std::string("its ") + singular + " count is negative (" + std::to_string(n) + ")");
    const std::size_t room = src.remaining() / recordSize;
    if (static_cast<std::size_t>(n) > room)
        damaged("it names " + std::to_string(n) + " " + plural + " but has room for only " +
                std::to_string(room));
    return static_cast<std::size_t>(n);
}

void readHeader(ByteReader& r, CaseFileContents& c) {
    r.skip(2); // the rest of the version field, checked before
    c.caseName = r.shortString<50>().str();
    r.skip(3);
    c.lastPointNumber = r.i32();
    c.mode = r.i32();
    c.caseDescription = r.shortString<100>().str();
    r.skip(3);
    c.unit = r.i32();
    c.decimals = r.i32();
}

void readIncident(ByteReader& r, IncidentRecord& i) {
    r.shortStringInto(i.date);
    r.shortStringInto(i.hour);
    r.shortStringInto(i.place);
    r.shortStringInto(i.name1);
    r.shortStringInto(i.name2);
    r.shortStringInto(i.circumstances);
}

void readPoint(ByteReader r, PointRecord& p) {
    p.number = r.i32();
    r.skip(4);
    p.m1 = r.f64();
    p.m2 = r.f64();
    p.m3 = r.f64();
    r.shortStringInto(p.code);
    r.shortStringInto(p.descriptor);
    r.skip(2);
    p.markColour = r.u32();
    r.skip(4);
    p.m4 = r.f64();
    p.m5 = r.f64();
}

void readPolyline(ByteReader r, PolylineRecord& l) {
    r.shortStringInto(l.name);
    r.shortStringInto(l.description);
    r.skip(2);
    l.colourIndex = r.i32();
    l.widthIndex = r.i32();
    r.skip(8); // the two reserved integers; old files may hold anything in the first
    r.shortStringInto(l.pointsText);
}

void readLegend(ByteReader r, LegendRecord& g) {
    for (auto& line : g.lines) r.shortStringInto(line);
    r.shortStringInto(g.fontName);
    r.skip(3);
    g.fontHeight = r.i32();
    g.fontStyle = r.byte();
    r.skip(3);
    g.fontColour = r.u32();
    g.left = r.i32();
    g.top = r.i32();
    g.boxed = r.flag();
    g.visible = r.flag();
    r.skip(2);
}

template <class Source> void readImages(Source& src, ImageStore& images) {
    const std::size_t count =
        readCount(src, 4, "image", "images"); // an entry holds at least its length
    for (std::size_t k = 0; k < count; ++k) {
        const std::uint8_t* p = src.take(4);
        if (!p) damaged("it ends inside image " + ordinal(k, count));
        const auto n = static_cast<std::int32_t>(byteio::loadLE<std::uint32_t>(p));
        if (n < 0)
            damaged("image " + ordinal(k, count) + " has a negative length (" + std::to_string(n) +
                    ")");
        const bool whole =
            static_cast<std::size_t>(n) <= src.remaining() &&
            src.withBytes(static_cast<std::size_t>(n), [&](auto bytes) { images.add(bytes); });
        if (!whole) damaged("image " + ordinal(k, count) + " runs past the end of the file");
    }
}

template <class Source> CaseFileContents parseFrom(Source& src) {
    const std::uint8_t* version = src.take(sizeof kVersion);
    if (!version || std::memcmp(version, kVersion, sizeof kVersion) != 0)
        throw CaseFileError(kNotACaseFileMessage);

    CaseFileContents c;
    ByteReader header = record(src, kHeaderSize - sizeof kVersion, "its header");
    readHeader(header, c);
    ByteReader incident = record(src, kIncidentSize, "its incident description");
    readIncident(incident, c.incident);

    const std::size_t points = readCount(src, kPointSize, "point", "points");
    c.points.reserve(points);
    for (std::size_t k = 0; k < points; ++k) {
        const std::uint8_t* p = src.take(kPointSize);
        if (!p) damaged("it ends inside point " + ordinal(k, points));
        readPoint(ByteReader({p, kPointSize}), c.points.emplace_back());
    }

    const std::size_t polylines = readCount(src, kPolylineSize, "polyline", "polylines");
    c.polylines.reserve(polylines);
    for (std::size_t k = 0; k < polylines; ++k) {
        const std::uint8_t* p = src.take(kPolylineSize);
        if (!p) damaged("it ends inside polyline " + ordinal(k, polylines));
        readPolyline(ByteReader({p, kPolylineSize}), c.polylines.emplace_back());
    }

    readImages(src, c.images);

    // Older files end here; a file cut inside the marker or the legend is damaged.
    if (src.remaining() == 0) return c;
    const std::uint8_t* marker = src.take(4);
    if (!marker) damaged("it ends inside its trailer");
    if (static_cast<std::int32_t>(byteio::loadLE<std::uint32_t>(marker)) != kTrailerMarker)
        return c;
    readLegend(record(src, kLegendSize, "its legend"), c.legend.emplace());
    return c;
}

[[noreturn]] void tooLarge(std::size_t size) {
    throw CaseFileError("The file is too large to be a Zorvane case file (" + std::to_string(size) +
                        " bytes; a case file holds at most 2 GB).");
}

} // namespace

CaseMode caseModeFromFile(std::int32_t stored) {
    switch (stored) {
    case 0:
        return CaseMode::Xyz;
    case 1:
        return CaseMode::Polar;
    default:
        return CaseMode::Nesw;
    }
}

std::size_t caseFileSize(const CaseDocument& doc, bool saveImages) {
    return kHeaderSize + kIncidentSize + 4 + kPointSize * doc.points.size() + 4 +
           kPolylineSize * doc.polylines.size() + 4 +
           (saveImages ? doc.images.buffer().size() : 0) + 4 + kLegendSize;
}

std::vector<std::uint8_t> serialiseCase(const CaseDocument& doc, bool saveImages) {
    const std::size_t size = checkedSize(doc, saveImages);
    std::vector<std::uint8_t> out;
    out.reserve(size);
    writeCase(doc, saveImages, [&out](std::span<const std::uint8_t> piece) {
        out.insert(out.end(), piece.begin(), piece.end());
    });
    return out;
}

void saveCaseFile(const std::filesystem::path& path, const CaseDocument& doc, bool saveImages) {
    checkedSize(doc, saveImages); // before the target's folder is touched
    writeFileAtomically(path, [&](const ByteSink& sink) { writeCase(doc, saveImages, sink); });
}

CaseFileContents parseCaseFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxCaseFileSize) tooLarge(bytes.size());
    MemorySource src(bytes);
    return parseFrom(src);
}

CaseFileContents loadCaseFile(const std::filesystem::path& path) {
    const std::string shown = "\"" + path.string() + "\"";
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw CaseFileError("Could not open " + shown + ": " + std::strerror(errno) + ".");
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throw CaseFileError("Could not read " + shown + ": " + std::strerror(errno) + ".");
    if (S_ISDIR(st.st_mode)) throw CaseFileError("Could not open " + shown + ": it is a folder.");
    if (!S_ISREG(st.st_mode))
        throw CaseFileError("Could not open " + shown + ": it is not a regular file.");
    const auto size = static_cast<std::size_t>(st.st_size);
    if (size > kMaxCaseFileSize) tooLarge(size);
    FileSource src(fd, size, shown);
    return parseFrom(src);
}

void applyCaseFile(CaseDocument& doc, CaseFileContents&& c, const LegendRecord& defaultLegend) {
    // Everything that allocates is done before the case is touched, so that the case is
    // either replaced in full or left as it was.
    const CaseMode mode = caseModeFromFile(c.mode);
    ScreenPositions screen;
    rebuildScreenPositions(screen, c.points, mode);
    std::vector<std::string> descriptors = descriptorList(c.points);
    const LegendRecord legend = c.legend ? *c.legend : defaultLegend;

    doc.started = true;
    doc.mode = mode;
    doc.lastPointNumber = c.lastPointNumber;
    doc.caseName = std::move(c.caseName);
    doc.caseDescription = std::move(c.caseDescription);
    doc.units = {clampUnit(c.unit), clampDecimals(c.decimals)};
    doc.incident = c.incident;
    doc.points = std::move(c.points);
    doc.screen = std::move(screen);
    doc.polylines = std::move(c.polylines);
    doc.images = std::move(c.images);
    doc.images.current = 0;
    doc.legend = legend;
    doc.descriptors = std::move(descriptors);
    doc.grid.rebuild(doc.units, doc.decimalSeparator);
    doc.grid.selectedRow = newPointRow(doc);
    doc.clean = true;
}

} // namespace zorvane
