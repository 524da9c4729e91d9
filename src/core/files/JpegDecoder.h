#pragma once
// Decoding the photographs of a case for the images window. The bytes come from a case file
// and are treated as hostile: a damaged or foreign entry gives the decoder's message, never a
// crash, a leak or output on the console. A photograph much larger than the display is
// decoded at a reduced DCT scale, and one with an EXIF orientation is turned upright.
#include "files/RgbxImage.h"

#include <cstdint>
#include <span>
#include <string>

namespace zorvane {

// Larger pictures are refused before anything is allocated for them.
inline constexpr std::int64_t kMaxJpegPixels = 250'000'000;
// A progressive picture needs a few scans; thousands only make decoding slow.
inline constexpr int kMaxJpegScans = 500;

struct JpegRequest {
    // The size the picture is shown at (upright). The picture is decoded at the smallest scale
    // that still covers it; 0 leaves that side free, 0 x 0 decodes the full size.
    int displayWidth = 0;
    int displayHeight = 0;
    bool upright = true;                     // turn the pixels by the EXIF orientation
    std::int64_t maxPixels = kMaxJpegPixels; // of the stored picture
};

struct JpegResult {
    RgbxImage image;      // empty on failure
    int storedWidth = 0;  // the picture's size as stored, before scaling and turning
    int storedHeight = 0; // (known once the header was read)
    int orientation = 1;  // EXIF orientation 1..8 (1 when there is none)
    int scaleEighths = 8; // the DCT scale used: 1..8 eighths
    std::string error;    // empty on success, otherwise the message for the user

    bool ok() const { return error.empty(); }
};

JpegResult decodeJpeg(std::span<const std::uint8_t> bytes, const JpegRequest& request = {});

// The smallest scale n/8 (n = 1..8) at which a stored picture of storedWidth x storedHeight
// still covers wantWidth x wantHeight (a scaled side is ceil(side * n / 8)); 8 when even the
// full size does not, or when nothing is wanted.
int jpegScaleEighths(int storedWidth, int storedHeight, int wantWidth, int wantHeight);

// The scale `request` would decode at, for a picture whose stored size and orientation an
// earlier decode (`decoded`) found: a display that changes size needs a new decode only when
// this differs from decoded.scaleEighths.
int jpegScaleFor(const JpegResult& decoded, const JpegRequest& request);

} // namespace zorvane
