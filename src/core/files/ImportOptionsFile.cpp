#include "files/ImportOptionsFile.h"

#include "files/AtomicFile.h"
#include "files/ByteIO.h"

#include <string>

namespace zorvane {
namespace {

constexpr std::size_t kFieldSize = 16;
constexpr std::size_t kPrefixCapacity = 10;

template <std::size_t N> void writeFormat(ByteWriter& w, const ImportFormat<N>& f) {
    for (const ImportField& field : f.fields) {
        w.i32(field.column);
        w.shortString(field.prefix);
        w.zeros(1);
    }
    w.flag(f.renumber);
    w.zeros(3);
    w.i32(f.renumberFrom);
    w.shortString(f.separator);
    w.zeros(2);
}

// A length byte the program never writes means the bytes are not a record of ours; clamping
// it would turn noise into a prefix.
template <std::size_t N> void readText(ByteReader& r, ShortString<N>& out, const char* what) {
    const std::uint8_t length = r.bytes(1)[0];
    if (length > N)
        throw OptionFileError(std::string("the ") + what + " is " + std::to_string(length) +
                              " characters long");
    const auto text = r.bytes(N);
    out.assign({reinterpret_cast<const char*>(text.data()), length});
}

bool readFlag(ByteReader& r, const char* what) {
    const std::uint8_t b = r.byte();
    if (b > 1)
        throw OptionFileError(std::string("the ") + what + " flag holds " + std::to_string(b));
    return b == 1;
}

template <std::size_t N> void readFormat(ByteReader& r, ImportFormat<N>& f, const char* section) {
    const std::string prefix = std::string("prefix in the ") + section + " section";
    for (ImportField& field : f.fields) {
        field.column = r.i32();
        static_assert(decltype(field.prefix)::capacity == kPrefixCapacity);
        readText(r, field.prefix, prefix.c_str());
        r.skip(1);
    }
    f.renumber = readFlag(r, (std::string(section) + " renumbering").c_str());
    r.skip(3);
    f.renumberFrom = r.i32();
    readText(r, f.separator, (std::string("separator of the ") + section + " section").c_str());
    r.skip(2);
}

static_assert(6 * kFieldSize + 12 + 6 * kFieldSize + 12 + 8 * kFieldSize + 12 ==
              kImportOptionsSize);

} // namespace

std::array<std::uint8_t, kImportOptionsSize> serialiseImportOptions(const ImportOptions& options) {
    std::array<std::uint8_t, kImportOptionsSize> out{};
    ByteWriter w(out);
    writeFormat(w, options.xyz);
    writeFormat(w, options.polar);
    writeFormat(w, options.nesw);
    return out;
}

ImportOptions parseImportOptions(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kImportOptionsSize)
        throw OptionFileError("it holds " + std::to_string(bytes.size()) + " of " +
                              std::to_string(kImportOptionsSize) + " bytes");
    ImportOptions o;
    ByteReader r(bytes.first(kImportOptionsSize));
    readFormat(r, o.xyz, "XYZ");
    readFormat(r, o.polar, "Polar");
    readFormat(r, o.nesw, "NESW");
    return o;
}

OptionFileLoad<ImportOptions> loadImportOptions(const std::filesystem::path& path) {
    return loadOptionFile<ImportOptions>(path, kImportOptionsSize, "import options",
                                         parseImportOptions);
}

void saveImportOptions(const std::filesystem::path& path, const ImportOptions& options) {
    const auto bytes = serialiseImportOptions(options);
    writeOptionFile(path, bytes);
}

} // namespace zorvane
