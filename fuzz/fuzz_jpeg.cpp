// Photographs in a case file come from anywhere: whatever the bytes, decoding must give either
// a picture of exactly the size it reports, or a message, and nothing else.
#include "files/ExifOrientation.h"
#include "files/JpegDecoder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace zorvane;

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void check(const JpegResult& r) {
    if (!r.ok()) {
        if (!r.image.pixels.empty()) fail("a failed decode kept pixels");
        return;
    }
    const RgbxImage& img = r.image;
    if (img.width <= 0 || img.height <= 0) fail("an empty picture decoded");
    if (img.pixels.size() != img.stride() * static_cast<std::size_t>(img.height))
        fail("the pixels do not match the reported size");
    for (std::size_t i = 3; i < img.pixels.size(); i += 4)
        if (img.pixels[i] != 255) fail("a pixel is not opaque");
    if (r.orientation < 1 || r.orientation > 8 || r.scaleEighths < 1 || r.scaleEighths > 8)
        fail("orientation or scale out of range");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    // The EXIF reader on its own, with the bytes as an APP1 segment.
    const int o = exifOrientation(bytes);
    if (o < 1 || o > 8) fail("orientation out of range");

    // Lower limits than the program's keep every run quick; the paths are the same.
    check(decodeJpeg(bytes, {.displayWidth = 64, .displayHeight = 48, .maxPixels = 4'000'000}));
    check(decodeJpeg(bytes, {.upright = false, .maxPixels = 1'000'000}));
    return 0;
}
