// Coordinate files come from anywhere. Whatever the bytes and the options, the import must
// give a consistent case (unique numbers, finite values, every line either a point or an
// error), and a case whose texts read back as they stand must survive an export and a second
// import unchanged.
//
// Input: four bytes of options (kind, separator, renumbering and decimal comma, field map
// changes), then the file.
#include "files/CoordinateExport.h"
#include "files/CoordinateImport.h"
#include "model/DescriptorList.h"
#include "text/Cp1252.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

using namespace zorvane;

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

template <std::size_t N>
void shape(ImportFormat<N>& f, std::uint8_t sep, std::uint8_t flags, std::uint8_t map) {
    static constexpr char kSeparators[] = {',', ';', ' ', '\t', '|', '.', 'x', '\0'};
    if (sep < 8)
        f.separator = std::string_view(&kSeparators[sep], sep == 7 ? 0 : 1);
    else
        f.separator = std::string_view(reinterpret_cast<const char*>(&sep), 1);
    f.renumber = flags & 1;
    f.renumberFrom = flags & 2 ? 2147483646 : -5;
    f.fields[N - 1].column = static_cast<std::int32_t>(N); // the code too
    if (map & 1) f.fields[0].column = 0;
    if (map & 2) f.fields[1].prefix = std::string_view("X=");
    if (map & 4) f.fields[N - 2].prefix = std::string_view("D");
    if (map & 8) f.fields[2].column = -1;
    if (map & 16) f.fields[N - 2].column = 1000;
}

bool readsBack(std::string_view text) {
    if (text == "@" || text == "*" || trimmed(text) != text) return false;
    for (const char c : text)
        if (c == ',' || static_cast<unsigned char>(c) >= 0x80 ||
            static_cast<unsigned char>(c) < ' ')
            return false;
    return true;
}

void checkConsistent(const ImportedCase& c, std::size_t lines, std::int32_t lastBefore) {
    std::set<std::int32_t> numbers;
    std::int32_t highest = lastBefore;
    for (const PointRecord& p : c.points) {
        if (!numbers.insert(p.number).second) fail("two points share a number");
        if (p.number > highest) highest = p.number;
        for (double v : {p.m1, p.m2, p.m3, p.m4, p.m5})
            if (!std::isfinite(v)) fail("a value is not finite");
        if (p.descriptor.view() == "@" || p.code.view() == "@") fail("@ kept");
    }
    if (highest != c.lastPointNumber) fail("wrong last point number");
    if (c.points.size() + c.rejectedLines > lines) fail("more results than lines");
    const std::size_t listed = std::min(c.rejectedLines, kMaxListedImportErrors);
    if (c.errors.size() != listed + (c.rejectedLines > kMaxListedImportErrors ? 1 : 0))
        fail("error list does not match the rejected lines");
    for (std::size_t i = 0; i < listed; ++i) {
        const std::string& e = c.errors[i];
        const std::size_t dot = e.find(". ");
        if (dot == 0 || dot == std::string::npos || e.find_first_not_of("0123456789") != dot)
            fail("error entry is not 'N. line'");
    }
    if (c.descriptors != descriptorList(c.points)) fail("description list differs");
}

void checkRoundTrip(const ImportedCase& c) {
    for (const PointRecord& p : c.points)
        if (!readsBack(p.descriptor.view()) || !readsBack(p.code.view())) return;
    std::string file;
    for (const PointRecord& p : c.points) appendExportLine(file, p, c.mode, c.mode, {}, 4, '.');
    ImportOptions plain; // number, values, descriptor, code in their order, ","
    plain.xyz.fields[5].column = 6;
    plain.polar.fields[5].column = 6;
    plain.nesw.fields[7].column = 8;
    const auto again = importCoordinateText(file, c.mode, plain, {}, '.');
    if (!again || !again->errors.empty() || again->points.size() != c.points.size())
        fail("an exported case does not import again");
    for (std::size_t i = 0; i < c.points.size(); ++i) {
        const PointRecord& a = c.points[i];
        const PointRecord& b = again->points[i];
        if (a.number != b.number || a.descriptor != b.descriptor || a.code != b.code)
            fail("a point changed on the way out and in");
        const double va[] = {a.m1, a.m2, a.m3, a.m4, a.m5};
        const double vb[] = {b.m1, b.m2, b.m3, b.m4, b.m5};
        for (int k = 0; k < (c.mode == CaseMode::Nesw ? 5 : 3); ++k)
            if (std::fabs(va[k] - vb[k]) > 0.5e-4 + std::fabs(va[k]) * 1e-12)
                fail("a value changed on the way out and in");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const auto kind = static_cast<CaseMode>(data[0] % 3);
    ImportOptions options;
    shape(options.xyz, data[1], data[2], data[3]);
    shape(options.polar, data[1], data[2], data[3]);
    shape(options.nesw, data[1], data[2], data[3]);
    const char decimal = data[2] & 4 ? ',' : '.';
    ProgramOptions program;
    program.firstPointNumber = data[2] & 8 ? -2147483647 - 1 : 10;
    const std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);

    std::size_t lines = 1;
    for (const char ch : text) lines += ch == '\n' || ch == '\r';
    const auto result = importCoordinateText(text, kind, options, program, decimal);
    if (!result) fail("an import without a progress callback stopped");
    const std::int32_t lastBefore = program.firstPointNumber == -2147483647 - 1
                                        ? program.firstPointNumber
                                        : program.firstPointNumber - 1;
    checkConsistent(*result, lines, lastBefore);
    checkRoundTrip(*result);
    return 0;
}
