#include "files/ExifOrientation.h"
#include "files/ImageOrientation.h"
#include "files/JpegDecoder.h"

#include "support/JpegSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace zorvane {
namespace {

using testing::Bytes;
using testing::kBlue, testing::kGreen, testing::kRed, testing::kWhite;
using testing::Rgb;

::testing::AssertionResult near(const RgbxImage& img, int x, int y, Rgb want) {
    const std::uint8_t* p = img.pixel(x, y);
    const int d =
        std::max({std::abs(p[0] - want.r), std::abs(p[1] - want.g), std::abs(p[2] - want.b)});
    if (d <= 24 && p[3] == 255) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel (" << x << ", " << y << ") is " << int(p[0]) << "," << int(p[1]) << ","
           << int(p[2]) << "," << int(p[3]) << ", expected " << want.r << "," << want.g << ","
           << want.b << ",255";
}

// The four quarters of a picture, sampled at their centres, in reading order.
void expectQuarters(const RgbxImage& img, Rgb tl, Rgb tr, Rgb bl, Rgb br) {
    const int x0 = img.width / 4, x1 = img.width * 3 / 4;
    const int y0 = img.height / 4, y1 = img.height * 3 / 4;
    EXPECT_TRUE(near(img, x0, y0, tl));
    EXPECT_TRUE(near(img, x1, y0, tr));
    EXPECT_TRUE(near(img, x0, y1, bl));
    EXPECT_TRUE(near(img, x1, y1, br));
}

TEST(JpegDecoder, TurnsEveryExifOrientationUpright) {
    // Stored: red | green over blue | white, 32 x 16.
    struct Case {
        int orientation;
        bool bigEndian;
        int width, height;
        Rgb tl, tr, bl, br;
    } cases[] = {
        {1, false, 32, 16, kRed, kGreen, kBlue, kWhite},
        {2, false, 32, 16, kGreen, kRed, kWhite, kBlue},
        {3, false, 32, 16, kWhite, kBlue, kGreen, kRed},
        {4, false, 32, 16, kBlue, kWhite, kRed, kGreen},
        {5, false, 16, 32, kRed, kBlue, kGreen, kWhite},
        {6, false, 16, 32, kBlue, kRed, kWhite, kGreen},
        {7, false, 16, 32, kWhite, kGreen, kBlue, kRed},
        {8, false, 16, 32, kGreen, kWhite, kRed, kBlue},
        {6, true, 16, 32, kBlue, kRed, kWhite, kGreen},
        {3, true, 32, 16, kWhite, kBlue, kGreen, kRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("orientation " + std::to_string(c.orientation) +
                     (c.bigEndian ? " big-endian" : ""));
        testing::JpegSample s = testing::quarters();
        s.exifOrientation = c.orientation;
        s.exifBigEndian = c.bigEndian;
        const Bytes file = testing::encodeJpeg(s);

        const JpegResult r = decodeJpeg(file);
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(r.orientation, c.orientation);
        EXPECT_EQ(r.storedWidth, 32);
        EXPECT_EQ(r.storedHeight, 16);
        ASSERT_EQ(r.image.width, c.width);
        ASSERT_EQ(r.image.height, c.height);
        ASSERT_EQ(r.image.pixels.size(), std::size_t(c.width) * c.height * 4);
        expectQuarters(r.image, c.tl, c.tr, c.bl, c.br);

        // Asked not to, the decoder leaves the pixels as stored.
        const JpegResult asStored = decodeJpeg(file, {.upright = false});
        ASSERT_TRUE(asStored.ok());
        EXPECT_EQ(asStored.image.width, 32);
        expectQuarters(asStored.image, kRed, kGreen, kBlue, kWhite);
    }
}

TEST(JpegDecoder, OrientUprightMovesEveryPixel) {
    // Stored 3 x 2, pixels numbered 0 1 2 / 3 4 5; the upright picture in reading order.
    const std::vector<std::vector<int>> upright = {
        {0, 1, 2, 3, 4, 5}, {2, 1, 0, 5, 4, 3}, {5, 4, 3, 2, 1, 0}, {3, 4, 5, 0, 1, 2},
        {0, 3, 1, 4, 2, 5}, {3, 0, 4, 1, 5, 2}, {5, 2, 4, 1, 3, 0}, {2, 5, 1, 4, 0, 3},
    };
    RgbxImage stored{3, 2, {}};
    for (int i = 0; i < 6; ++i)
        stored.pixels.insert(stored.pixels.end(), {std::uint8_t(i), 0, 0, 255});
    for (int o = 1; o <= 8; ++o) {
        const RgbxImage out = orientUpright(stored, o);
        EXPECT_EQ(out.width, o >= 5 ? 2 : 3) << o;
        std::vector<int> order;
        for (std::size_t i = 0; i < out.pixels.size(); i += 4) order.push_back(out.pixels[i]);
        EXPECT_EQ(order, upright[o - 1]) << "orientation " << o;
    }
    EXPECT_EQ(orientUpright(stored, 0).pixels, stored.pixels);
    EXPECT_EQ(orientUpright(stored, 9).pixels, stored.pixels);
}

TEST(JpegDecoder, ExifOrientationIgnoresAnythingDamaged) {
    const Bytes good = testing::exifSegment(6, false);
    const auto patched = [&](std::size_t at, std::uint8_t v) {
        Bytes b = good;
        b[at] = v;
        return b;
    };
    // Offsets in the segment: 6 byte order, 8 magic, 10 directory offset, 14 entry count,
    // 28 second entry (tag 28, type 30, count 32, value 36).
    const struct {
        const char* what;
        Bytes app1;
        int orientation;
    } cases[] = {
        {"little-endian", good, 6},
        {"big-endian", testing::exifSegment(8, true), 8},
        {"empty", {}, 1},
        {"XMP instead of EXIF", Bytes{'h', 't', 't', 'p', ':', '/', '/', 'n', 's', 0, 0, 0, 0, 0},
         1},
        {"unknown byte order", patched(6, 'X'), 1},
        {"wrong magic", patched(8, 43), 1},
        {"directory beyond the end", patched(10, 200), 1},
        {"more entries than bytes",
         [&] {
             Bytes b = patched(14, 200);
             b[28] = 0x13; // and no orientation among those that are there
             return b;
         }(),
         1},
        {"orientation as a long", patched(30, 4), 1},
        {"count of zero", patched(32, 0), 1},
        {"value 9", patched(36, 9), 1},
        {"value 0", patched(36, 0), 1},
        {"cut in the entry", Bytes(good.begin(), good.begin() + 38), 1},
    };
    for (const auto& c : cases) EXPECT_EQ(exifOrientation(c.app1), c.orientation) << c.what;
}

TEST(JpegDecoder, ScaleIsTheSmallestThatCoversTheDisplay) {
    const struct {
        int storedW, storedH, wantW, wantH, eighths;
    } cases[] = {
        {6000, 4000, 1024, 768, 2}, {6000, 4000, 750, 500, 1}, {6000, 4000, 751, 500, 2},
        {6000, 4000, 750, 501, 2},  {6000, 4000, 0, 0, 8},     {6000, 4000, 6000, 4000, 8},
        {6000, 4000, 9000, 10, 8},  {6000, 4000, 0, 1500, 3},  {801, 601, 101, 77, 2},
        {801, 601, 101, 76, 1},     {7, 7, 1, 1, 1},           {1, 1, 1, 1, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(jpegScaleEighths(c.storedW, c.storedH, c.wantW, c.wantH), c.eighths)
            << c.storedW << "x" << c.storedH << " for " << c.wantW << "x" << c.wantH;
}

TEST(JpegDecoder, DecodesAtTheChosenScale) {
    const Bytes landscape =
        testing::encodeJpeg(testing::plain(800, 600, 3, JCS_RGB, {90, 120, 200}), 90);
    testing::JpegSample turned = testing::plain(800, 600, 3, JCS_RGB, {90, 120, 200});
    turned.exifOrientation = 6;
    const Bytes portrait = testing::encodeJpeg(turned, 90);
    const struct {
        const Bytes* file;
        JpegRequest request;
        int eighths, width, height;
    } cases[] = {
        {&landscape, {}, 8, 800, 600},
        {&landscape, {100, 75}, 1, 100, 75},
        {&landscape, {101, 75}, 2, 200, 150},
        {&landscape, {300, 0}, 3, 300, 225},
        {&landscape, {1600, 1200}, 8, 800, 600},
        // Shown upright, the picture is 600 x 800: its stored height covers the display width.
        {&portrait, {75, 100}, 1, 75, 100},
        {&portrait, {100, 75}, 2, 150, 200},
        {&portrait, {.displayWidth = 100, .displayHeight = 75, .upright = false}, 1, 100, 75},
    };
    for (const auto& c : cases) {
        const JpegResult r = decodeJpeg(*c.file, c.request);
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(r.scaleEighths, c.eighths);
        EXPECT_EQ(r.image.width, c.width);
        EXPECT_EQ(r.image.height, c.height);
        EXPECT_TRUE(near(r.image, r.image.width / 2, r.image.height / 2, {90, 120, 200}));
    }
    // A display that changes size: the first decode tells the scale of the next, turned or not.
    const JpegResult small = decodeJpeg(portrait, {75, 100});
    EXPECT_EQ(jpegScaleFor(small, {75, 100}), 1);
    EXPECT_EQ(jpegScaleFor(small, {100, 75}), 2);
    EXPECT_EQ(jpegScaleFor(small, {600, 800}), 8);
    EXPECT_EQ(jpegScaleFor(small, {.displayWidth = 100, .displayHeight = 75, .upright = false}), 1);
}

TEST(JpegDecoder, ShowsGreyCmykAndProgressivePictures) {
    const struct {
        const char* what;
        testing::JpegSample sample;
        Rgb colour;
    } cases[] = {
        {"grey", testing::plain(24, 8, 1, JCS_GRAYSCALE, {77}), {77, 77, 77}},
        // Adobe's inverted CMYK (libjpeg marks CMYK files as Adobe's): no cyan or black ink,
        // full magenta and yellow.
        {"cmyk", testing::plain(24, 8, 4, JCS_CMYK, {255, 0, 0, 255}), kRed},
        {"cmyk half black",
         testing::plain(24, 8, 4, JCS_CMYK, {255, 255, 255, 128}),
         {128, 128, 128}},
        {"progressive",
         [] {
             testing::JpegSample s = testing::plain(40, 24, 3, JCS_RGB, {10, 200, 30});
             s.progressive = true;
             return s;
         }(),
         {10, 200, 30}},
    };
    for (const auto& c : cases) {
        const JpegResult r = decodeJpeg(testing::encodeJpeg(c.sample));
        ASSERT_TRUE(r.ok()) << c.what << ": " << r.error;
        EXPECT_EQ(r.image.width, c.sample.width) << c.what;
        EXPECT_TRUE(near(r.image, 3, 3, c.colour)) << c.what;
    }
}

Bytes withSize(Bytes file, int width, int height) {
    for (std::size_t i = 2; i + 9 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] == 0xC0) { // baseline frame header
            file[i + 5] = std::uint8_t(height >> 8), file[i + 6] = std::uint8_t(height);
            file[i + 7] = std::uint8_t(width >> 8), file[i + 8] = std::uint8_t(width);
            return file;
        }
    ADD_FAILURE() << "no frame header";
    return file;
}

TEST(JpegDecoder, RefusesDamagedForeignAndOversizedDataWithAMessage) {
    const Bytes good = testing::encodeJpeg(testing::quarters());
    const Bytes png = {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13};
    const struct {
        const char* what;
        Bytes bytes;
        JpegRequest request;
        std::string message;
    } cases[] = {
        {"empty", {}, {}, "Empty input file"},
        {"text", Bytes{'h', 'e', 'l', 'l', 'o'}, {}, "Not a JPEG file: starts with 0x68 0x65"},
        {"png", png, {}, "Not a JPEG file: starts with 0x89 0x50"},
        {"start marker only", Bytes{0xFF, 0xD8}, {}, "Premature end of JPEG file"},
        {"cut in half",
         Bytes(good.begin(), good.begin() + good.size() / 2),
         {},
         "Premature end of JPEG file"},
        {"huge",
         withSize(good, 20000, 20000),
         {},
         "The picture is 20000 x 20000 pixels; pictures of more than 250 megapixels are not "
         "shown."},
        {"over a lower limit",
         good,
         {.maxPixels = 511},
         "The picture is 32 x 16 pixels; pictures of more than 511 pixels are not shown."},
    };
    for (const auto& c : cases) {
        const JpegResult r = decodeJpeg(c.bytes, c.request);
        EXPECT_EQ(r.error, c.message) << c.what;
        EXPECT_TRUE(r.image.pixels.empty()) << c.what;
    }
    EXPECT_TRUE(decodeJpeg(good, {.maxPixels = 512}).ok());
}

TEST(JpegDecoder, EveryCutOfAFileIsAnError) {
    testing::JpegSample s = testing::quarters(48, 40);
    s.exifOrientation = 6;
    for (bool progressive : {false, true}) {
        s.progressive = progressive;
        const Bytes file = testing::encodeJpeg(s, 75);
        // Down to the end marker alone: the decoder reads ahead for it.
        for (std::size_t n = 0; n < file.size(); ++n) {
            const JpegResult r = decodeJpeg({file.data(), n}, {.displayWidth = 20});
            EXPECT_FALSE(r.ok()) << "cut at " << n << (progressive ? " progressive" : "");
        }
        EXPECT_TRUE(decodeJpeg(file, {.displayWidth = 20}).ok());
    }
}

TEST(JpegDecoder, StopsAPictureOfEndlessScans) {
    testing::JpegSample s = testing::plain(16, 16, 3, JCS_RGB, {1, 2, 3});
    s.progressive = true;
    const Bytes file = testing::encodeJpeg(s);
    // Repeat the last scan (from its start-of-scan marker to the end marker) many times.
    std::size_t lastScan = 0;
    for (std::size_t i = 0; i + 1 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] == 0xDA) lastScan = i;
    ASSERT_GT(lastScan, 0u);
    Bytes endless(file.begin(), file.end() - 2);
    for (int i = 0; i < kMaxJpegScans; ++i)
        endless.insert(endless.end(), file.begin() + lastScan, file.end() - 2);
    endless.insert(endless.end(), {0xFF, 0xD9});

    const JpegResult r = decodeJpeg(endless);
    EXPECT_EQ(r.error, "The picture is damaged: it has more than 500 progressive scans.");
}

} // namespace
} // namespace zorvane
