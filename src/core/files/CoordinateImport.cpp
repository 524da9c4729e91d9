#include "files/CoordinateImport.h"

#include "files/FileRead.h"
#include "files/ImportNumbering.h"
#include "files/ImportText.h"
#include "files/ImportedCaseBuilder.h"
#include "text/IntegerText.h"
#include "units/LengthFormatter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <unordered_set>

namespace zorvane {
namespace {

constexpr std::string_view kErrorMarker = "*";
constexpr std::string_view kEmptyMarker = "@";
constexpr std::size_t kValueTextLimit = 10; // what a prefixed field keeps after the prefix

// The first `c` in [p, end), or end. Fields are short, so this looks at eight bytes at a time
// in place rather than paying for a library call per field.
const char* findByte(const char* p, const char* end, char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
    // The lowest flagged byte is the first match only when the lowest byte comes first.
    while (std::endian::native == std::endian::little && end - p >= 8) {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        w ^= pattern; // a zero byte where c is
        const std::uint64_t found = (w - kOnes) & ~w & kHighs;
        if (found) return p + (std::countr_zero(found) >> 3);
        p += 8;
    }
    while (p != end && *p != c) ++p;
    return p;
}

// The fields of one line that the field map asks for: the line is cut at the separator, each
// piece trimmed, empty pieces dropped (two separators in a row count as one). Cutting stops at
// the highest column asked for, so a line of millions of fields costs one pass and no memory.
template <std::size_t N> struct PickedFields {
    std::array<std::string_view, N> text{};
    std::size_t count = 0; // fields seen, up to the highest column asked for
};

template <std::size_t N>
void pickFields(std::string_view line, std::string_view separator,
                const std::array<std::int32_t, N>& columns, std::int32_t lastColumn,
                PickedFields<N>& out) {
    out.count = 0;
    const auto take = [&](std::string_view piece) {
        piece = trimmed(piece);
        if (piece.empty()) return true;
        const auto k = static_cast<std::int32_t>(++out.count);
        for (std::size_t i = 0; i < N; ++i)
            if (columns[i] == k) out.text[i] = piece;
        return k < lastColumn;
    };
    if (lastColumn <= 0) return;
    if (separator.empty()) {
        take(line);
        return;
    }
    const char sep = separator.front();
    const char* p = line.data();
    const char* const end = p + line.size();
    while (true) {
        const char* q = findByte(p, end, sep);
        if (!take({p, static_cast<std::size_t>(q - p)}) || q == end) return;
        p = q + 1;
    }
}

// A field map entry's text: empty for column 0, the error marker for a column the line lacks
// or a prefix the field lacks; behind a prefix, the field without the prefix's length in
// characters, at most ten of them.
std::string_view extract(std::int32_t column, std::string_view prefix, std::string_view field,
                         std::size_t fieldCount) {
    if (column == 0) return {};
    if (column < 0 || static_cast<std::size_t>(column) > fieldCount) return kErrorMarker;
    if (prefix.empty()) return field;
    if (field.find(prefix) == std::string_view::npos) return kErrorMarker;
    return field.substr(prefix.size(), kValueTextLimit);
}

// Point numbers stay unique. Files usually number upwards, which needs no set; the set is
// built only when a number comes that is not above all before it.
class NumberGuard {
  public:
    bool insert(std::int32_t n, const PointTable& points) {
        if (!useSet_) {
            if (points.empty() || n > highest_) {
                highest_ = n;
                return true;
            }
            useSet_ = true;
            seen_.reserve(points.size() * 2);
            for (const PointRecord& p : points) seen_.insert(p.number);
        }
        return seen_.insert(n).second;
    }

  private:
    bool useSet_ = false;
    std::int32_t highest_ = 0;
    std::unordered_set<std::int32_t> seen_;
};

char numberSeparator(std::string_view fieldSeparator, char decimalSeparator) {
    if (fieldSeparator.size() != 1 || fieldSeparator.front() != decimalSeparator)
        return decimalSeparator;
    return decimalSeparator == ',' ? '.' : ',';
}

template <std::size_t N> class LineImporter {
    static constexpr std::size_t kValues = ImportFormat<N>::valueCount;
    static constexpr std::size_t kNumber = ImportFormat<N>::numberField;
    static constexpr std::size_t kDescriptor = ImportFormat<N>::descriptorField;
    static constexpr std::size_t kCode = ImportFormat<N>::codeField;

  public:
    LineImporter(const ImportFormat<N>& format, CaseMode kind, std::int32_t lastPointNumber,
                 char decimalSeparator, std::size_t expectedPoints)
        : separator_(format.separator.view()),
          numberSeparator_(numberSeparator(separator_, decimalSeparator)),
          lastPointNumber_(lastPointNumber), case_(kind) {
        case_.reserve(expectedPoints);
        // Without a Number column the points are numbered 1, 2, 3 ... whatever the options say.
        renumber_ = format.renumber || format.fields[kNumber].column == 0;
        counter_ = format.fields[kNumber].column == 0 ? 1 : format.renumberFrom;
        for (std::size_t i = 0; i < N; ++i) {
            columns_[i] = format.fields[i].column;
            prefixes_[i] = std::string(trimmed(format.fields[i].prefix.view()));
        }
        // A renumbered file's Number field is never looked at.
        if (renumber_) columns_[kNumber] = 0;
        lastColumn_ = *std::max_element(columns_.begin(), columns_.end());
    }

    void line(std::string_view raw, std::size_t lineNumber) {
        const std::string_view t = trimmed(raw);
        if (t.empty()) return;
        if (!accept(t)) reject(lineNumber, t);
    }

    ImportedCase finish() {
        ImportedCase c = case_.finish();
        c.lastPointNumber = lastPointNumber_;
        return c;
    }

  private:
    bool accept(std::string_view line) {
        pickFields(line, separator_, columns_, lastColumn_, picked_);
        // Each field is replaced by its entry's text in place: a fresh array per line would
        // be cleared first, which costs more than the rest of this loop.
        auto& text = picked_.text;
        for (std::size_t i = 0; i < N; ++i) {
            text[i] = extract(columns_[i], prefixes_[i], text[i], picked_.count);
            if (text[i] == kErrorMarker) return false;
        }
        std::int64_t number = counter_;
        if (!renumber_) {
            const auto n = parseInteger(text[kNumber]);
            if (!n) return false;
            number = *n;
        }
        if (number > std::numeric_limits<std::int32_t>::max()) return false;
        double values[5] = {0, 0, 0, 0, 0};
        for (std::size_t v = 0; v < kValues; ++v) {
            const auto d = parseDecimal(text[1 + v], numberSeparator_);
            if (!d) return false;
            values[v] = *d;
        }
        const auto n32 = static_cast<std::int32_t>(number);
        if (!numbers_.insert(n32, case_.points())) return false;
        const auto textOf = [&](std::size_t i) {
            return text[i] == kEmptyMarker ? std::string_view() : text[i];
        };
        case_.add({n32, values[0], values[1], values[2], ShortString<10>(textOf(kCode)),
                   ShortString<50>(textOf(kDescriptor)), 0, values[3], values[4]});
        if (n32 > lastPointNumber_) lastPointNumber_ = n32;
        ++counter_;
        return true;
    }

    void reject(std::size_t lineNumber, std::string_view line) { case_.reject(lineNumber, line); }

    std::string_view separator_;
    char numberSeparator_;
    bool renumber_;
    std::int64_t counter_;
    std::array<std::int32_t, N> columns_{};
    std::array<std::string, N> prefixes_;
    std::int32_t lastColumn_ = 0;
    PickedFields<N> picked_;
    NumberGuard numbers_;
    std::int32_t lastPointNumber_;
    ImportedCaseBuilder case_;
};

// An upper bound of the points a text can give, to allocate the table once: a line shorter
// than three one-digit values and their separators gives none, and no case holds more than
// kMaxImportedPoints.
std::size_t pointsAtMost(std::string_view text) {
    constexpr std::size_t kShortestPoint = 5;
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size() && count < kMaxImportedPoints;) {
        std::size_t lf = text.find('\n', at);
        if (lf == std::string_view::npos) lf = text.size();
        if (lf - at >= kShortestPoint) ++count;
        at = lf + 1;
    }
    return count;
}

template <std::size_t N>
std::optional<ImportedCase> importWith(const ImportText& text, const ImportFormat<N>& format,
                                       CaseMode kind, std::int32_t lastPointNumber,
                                       char decimalSeparator, ProgressMeter& meter) {
    LineImporter<N> importer(format, kind, lastPointNumber, decimalSeparator,
                             pointsAtMost(text.bytes));
    const bool done =
        forEachImportLine(text, meter, [&](std::string_view line, std::size_t number) {
            importer.line(line, number);
        });
    if (!done) return std::nullopt;
    return importer.finish();
}

} // namespace

std::optional<ImportedCase>
importCoordinateText(std::string_view bytes, CaseMode kind, const ImportOptions& options,
                     const ProgramOptions& program, char decimalSeparator,
                     const ProgressCallback& progress, double from, double to) {
    const ImportText text = decodeImportText(bytes);
    ProgressMeter meter(progress, text.bytes.size(), from, to);
    const std::int32_t last = lastNumberOfNewCase(program);
    switch (kind) {
    case CaseMode::Polar:
        return importWith(text, options.polar, kind, last, decimalSeparator, meter);
    case CaseMode::Nesw:
        return importWith(text, options.nesw, kind, last, decimalSeparator, meter);
    case CaseMode::Xyz:
    default:
        return importWith(text, options.xyz, CaseMode::Xyz, last, decimalSeparator, meter);
    }
}

namespace {
CoordinateFileError tooLarge(const std::filesystem::path& path) {
    return CoordinateFileError("The file \"" + path.string() +
                               "\" is too large to import (more than " +
                               std::to_string(kMaxCoordinateFileSize >> 20) + " MB).");
}
} // namespace

std::optional<std::string> readImportFile(const std::filesystem::path& path,
                                          const ProgressCallback& progress, double to) {
    // A file that says it is too large is refused before a gigabyte is read for nothing; the
    // read below still stops one that grows past the limit meanwhile.
    std::error_code sizeError;
    const auto reported = std::filesystem::file_size(path, sizeError);
    if (!sizeError && reported > kMaxCoordinateFileSize) throw tooLarge(path);
    std::optional<std::string> bytes;
    try {
        bytes = readFileStart(path, kMaxCoordinateFileSize + 1, progress, 0, to);
    } catch (const FileReadError& e) {
        throw CoordinateFileError(e.what());
    }
    if (bytes && bytes->size() > kMaxCoordinateFileSize) throw tooLarge(path);
    return bytes;
}

std::optional<ImportedCase> importCoordinateFile(const std::filesystem::path& path, CaseMode kind,
                                                 const ImportOptions& options,
                                                 const ProgramOptions& program,
                                                 char decimalSeparator,
                                                 const ProgressCallback& progress) {
    const auto bytes = readImportFile(path, progress, kImportReadShare);
    if (!bytes) return std::nullopt;
    return importCoordinateText(*bytes, kind, options, program, decimalSeparator, progress,
                                kImportReadShare, 1);
}

} // namespace zorvane
