#include "files/ExifOrientation.h"

#include <cstddef>
#include <cstring>

namespace zorvane {
namespace {

constexpr std::uint8_t kExifId[6] = {'E', 'x', 'i', 'f', 0, 0};
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;

// TIFF data in either byte order, every read checked against the end.
class TiffReader {
  public:
    TiffReader(std::span<const std::uint8_t> tiff, bool bigEndian)
        : tiff_(tiff), bigEndian_(bigEndian) {}

    bool has(std::size_t offset, std::size_t n) const {
        return offset <= tiff_.size() && n <= tiff_.size() - offset;
    }
    std::uint32_t u16(std::size_t offset) const { return value(offset, 2); }
    std::uint32_t u32(std::size_t offset) const { return value(offset, 4); }

  private:
    std::uint32_t value(std::size_t offset, std::size_t n) const {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t b = tiff_[offset + (bigEndian_ ? i : n - 1 - i)];
            v = (v << 8) | b;
        }
        return v;
    }

    std::span<const std::uint8_t> tiff_;
    bool bigEndian_;
};

} // namespace

int exifOrientation(std::span<const std::uint8_t> app1) {
    if (app1.size() < sizeof kExifId + 8 || std::memcmp(app1.data(), kExifId, sizeof kExifId))
        return 1;
    const std::span<const std::uint8_t> tiff = app1.subspan(sizeof kExifId);
    bool bigEndian;
    if (tiff[0] == 'I' && tiff[1] == 'I')
        bigEndian = false;
    else if (tiff[0] == 'M' && tiff[1] == 'M')
        bigEndian = true;
    else
        return 1;
    const TiffReader r(tiff, bigEndian);
    if (r.u16(2) != 42) return 1;
    const std::size_t directory = r.u32(4);
    if (!r.has(directory, 2)) return 1;
    const std::size_t count = r.u16(directory);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = directory + 2 + 12 * i;
        if (!r.has(entry, 12)) return 1;
        if (r.u16(entry) != kOrientationTag) continue;
        if (r.u16(entry + 2) != kShortType || r.u32(entry + 4) < 1) return 1;
        const std::uint32_t value = r.u16(entry + 8);
        return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
    }
    return 1;
}

} // namespace zorvane
