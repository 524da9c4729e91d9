// Total station files come from instruments, cables and cards of any age. Whatever the bytes,
// the import must give a consistent case (unique numbers, finite values, bearings within a
// turn, every line a point, an error or passed over), and the unit it is read in must not
// change which lines become points.
//
// Input: one byte of options (unit, plain order, first point number), then the file.
#include "files/TotalStationImport.h"
#include "model/DescriptorList.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string_view>

using namespace zorvane;

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void checkConsistent(const ImportedCase& c, std::size_t lines, std::int32_t lastBefore) {
    if (c.mode != CaseMode::Xyz && c.mode != CaseMode::Polar) fail("a NESW case from a station");
    std::set<std::int32_t> numbers;
    std::int32_t highest = lastBefore;
    for (const PointRecord& p : c.points) {
        if (!numbers.insert(p.number).second) fail("two points share a number");
        highest = std::max(highest, p.number);
        for (double v : {p.m1, p.m2, p.m3})
            if (!std::isfinite(v)) fail("a value is not finite");
        if (p.m4 != 0 || p.m5 != 0) fail("a value beyond the mode's");
        if (c.mode == CaseMode::Polar && !(p.m1 >= 0 && p.m1 < 360)) fail("bearing out of a turn");
        if (c.mode == CaseMode::Polar && p.m2 < 0) fail("negative horizontal distance");
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
        if (e.size() > dot + 2 + kMaxErrorLineLength + 3) fail("error entry too long");
    }
    if (c.descriptors != descriptorList(c.points)) fail("description list differs");
}

void checkSameLines(const ImportedCase& a, const ImportedCase& b) {
    if (a.mode != b.mode || a.points.size() != b.points.size() || a.errors != b.errors)
        fail("the unit changed what was read");
    for (std::size_t i = 0; i < a.points.size(); ++i)
        if (a.points[i].number != b.points[i].number ||
            a.points[i].descriptor != b.points[i].descriptor ||
            a.points[i].code != b.points[i].code)
            fail("the unit changed a point's number or texts");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    ProgramOptions program;
    program.defaultUnit = data[0] % 6;
    program.firstPointNumber = data[0] & 0x40 ? -2147483647 - 1 : 1;
    const PlainPointOrder order = data[0] & 0x80 ? PlainPointOrder::Penzd : PlainPointOrder::Pnezd;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    std::size_t lines = 1;
    for (const char ch : text) lines += ch == '\n' || ch == '\r';
    const auto result = importTotalStationText(text, order, program);
    if (!result) fail("an import without a progress callback stopped");
    const std::int32_t lastBefore =
        program.firstPointNumber == -2147483647 - 1 ? program.firstPointNumber : 0;
    checkConsistent(*result, lines, lastBefore);

    ProgramOptions metres = program;
    metres.defaultUnit = 0;
    const auto again = importTotalStationText(text, order, metres);
    if (!again) fail("an import without a progress callback stopped");
    checkSameLines(*result, *again);
    previewTotalStationText(text);
    return 0;
}
