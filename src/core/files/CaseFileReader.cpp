#include "files/CaseFile.h"

#include "files/CaseFileFormat.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane {
using namespace casefile;
namespace {

[[noreturn]] void damaged(const std::string& what) {
    throw CaseFileError("The case file is damaged: " + what + ".");
}

std::string ordinal(std::size_t k, std::size_t count) {
    return std::to_string(k + 1) + " of " + std::to_string(count);
}

// "1 image", "2 images": the count word agrees with its number.
std::string counted(std::int64_t n, const char* singular, const char* plural) {
    return std::to_string(n) + " " + (n == 1 ? singular : plural);
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
    bool readInto(std::uint8_t* to, std::size_t n) {
        const std::uint8_t* p = take(n);
        if (!p) return false;
        if (n) std::memcpy(to, p, n);
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

    // Copies the next n bytes into `to` (buffered bytes first, the rest straight from the
    // file), so a large image is never held twice; false at an early end.
    bool readInto(std::uint8_t* to, std::size_t n) {
        if (n > left_) return false;
        const std::size_t buffered = std::min(n, end_ - begin_);
        std::memcpy(to, buf_.get() + begin_, buffered);
        begin_ += buffered;
        std::size_t have = buffered;
        if (have < n) begin_ = end_ = 0;
        while (have < n) {
            const std::size_t got = readSome(to + have, n - have);
            if (got == 0) return false;
            have += got;
        }
        left_ -= n;
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
        damaged("it names " + counted(n, singular, plural) + " but has room for only " +
                std::to_string(room));
    return static_cast<std::size_t>(n);
}

template <class Record, class Fields> void readRecord(ByteReader r, Fields fields, Record& out) {
    FieldReader io(r);
    fields(io, out);
}

constexpr auto kHeaderFields = [](auto& io, auto& r) { headerFields(io, r); };
constexpr auto kIncidentFields = [](auto& io, auto& r) { incidentFields(io, r); };
constexpr auto kPointFields = [](auto& io, auto& r) { pointFields(io, r); };
constexpr auto kPolylineFields = [](auto& io, auto& r) { polylineFields(io, r); };
constexpr auto kLegendFields = [](auto& io, auto& r) { legendFields(io, r); };

template <class Source> void readImages(Source& src, ImageStore& images) {
    const std::size_t count =
        readCount(src, 4, "image", "images"); // an entry holds at least its length
    if (count > 0) images.reserve(src.remaining());
    for (std::size_t k = 0; k < count; ++k) {
        const std::uint8_t* p = src.take(4);
        if (!p) damaged("it ends inside image " + ordinal(k, count));
        const auto n = static_cast<std::int32_t>(byteio::loadLE<std::uint32_t>(p));
        if (n < 0)
            damaged("image " + ordinal(k, count) + " has a negative length (" + std::to_string(n) +
                    ")");
        const std::size_t size = static_cast<std::size_t>(n);
        const bool whole = size <= src.remaining() && images.addFilled(size, [&](std::uint8_t* to) {
            return src.readInto(to, size);
        });
        if (!whole) damaged("image " + ordinal(k, count) + " runs past the end of the file");
    }
}

template <class Source> CaseFileContents parseFrom(Source& src) {
    const std::uint8_t* version = src.take(sizeof kVersion);
    if (!version || std::memcmp(version, kVersion, sizeof kVersion) != 0)
        throw CaseFileError(kNotACaseFileMessage);

    CaseFileContents c;
    // The version bytes are checked; the header is read whole with them in front.
    std::uint8_t header[kHeaderSize];
    std::memcpy(header, version, sizeof kVersion);
    const std::uint8_t* rest = src.take(kHeaderSize - sizeof kVersion);
    if (!rest) damaged("it ends inside its header");
    std::memcpy(header + sizeof kVersion, rest, kHeaderSize - sizeof kVersion);
    CaseHeader h;
    readRecord(ByteReader({header, kHeaderSize}), kHeaderFields, h);
    c.caseName = h.caseName.str();
    c.lastPointNumber = h.lastPointNumber;
    c.mode = h.mode;
    c.caseDescription = h.caseDescription.str();
    c.unit = h.unit;
    c.decimals = h.decimals;
    readRecord(record(src, kIncidentSize, "its incident description"), kIncidentFields, c.incident);

    const std::size_t points = readCount(src, kPointSize, "point", "points");
    c.points.reserve(points);
    for (std::size_t k = 0; k < points; ++k) {
        const std::uint8_t* p = src.take(kPointSize);
        if (!p) damaged("it ends inside point " + ordinal(k, points));
        readRecord(ByteReader({p, kPointSize}), kPointFields, c.points.emplace_back());
    }

    const std::size_t polylines = readCount(src, kPolylineSize, "polyline", "polylines");
    c.polylines.reserve(polylines);
    for (std::size_t k = 0; k < polylines; ++k) {
        const std::uint8_t* p = src.take(kPolylineSize);
        if (!p) damaged("it ends inside polyline " + ordinal(k, polylines));
        readRecord(ByteReader({p, kPolylineSize}), kPolylineFields, c.polylines.emplace_back());
    }

    readImages(src, c.images);

    // The trailer is optional: older files end here, and another value than the marker means
    // no legend. A file cut inside the trailer still has every point, polyline and image, so
    // it opens with the default legend and says so.
    if (src.remaining() == 0) return c;
    const std::uint8_t* marker = src.take(4);
    if (!marker ||
        static_cast<std::int32_t>(byteio::loadLE<std::uint32_t>(marker)) != kTrailerMarker) {
        if (!marker) c.note = kLegendResetNote;
        return c;
    }
    const std::uint8_t* legend = src.take(kLegendSize);
    if (!legend) {
        c.note = kLegendResetNote;
        return c;
    }
    readRecord(ByteReader({legend, kLegendSize}), kLegendFields, c.legend.emplace());
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

CaseFileContents parseCaseFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxCaseFileSize) tooLarge(bytes.size());
    MemorySource src(bytes);
    return parseFrom(src);
}

CaseFileContents loadCaseFile(const std::filesystem::path& path) {
    const std::string shown = "\"" + path.string() + "\"";
    // Non-blocking, so that a named pipe or a device is refused below instead of waiting
    // for a writer for ever; a regular file reads the same either way.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
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

} // namespace zorvane
