#pragma once
// Small real JPEG files made in the test run with libjpeg: plain pictures in any colour space,
// progressive or not, with or without an EXIF orientation.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace zorvane::testing {

using Bytes = std::vector<std::uint8_t>;

struct JpegSample {
    int width = 32;
    int height = 16;
    int components = 3;               // 1 grey, 3 RGB, 4 CMYK
    J_COLOR_SPACE space = JCS_RGB;    // of `pixels`
    std::vector<std::uint8_t> pixels; // width * height * components
    bool progressive = false;
    int exifOrientation = 0; // 0: no EXIF segment
    bool exifBigEndian = false;
};

// An APP1 payload: "Exif\0\0", a TIFF header and one directory holding the orientation.
inline Bytes exifSegment(int orientation, bool bigEndian) {
    Bytes b = {'E', 'x', 'i', 'f', 0, 0};
    auto u16 = [&](unsigned v) {
        if (bigEndian)
            b.insert(b.end(), {std::uint8_t(v >> 8), std::uint8_t(v)});
        else
            b.insert(b.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
    };
    auto u32 = [&](unsigned v) {
        if (bigEndian) {
            u16(v >> 16);
            u16(v & 0xFFFF);
        } else {
            u16(v & 0xFFFF);
            u16(v >> 16);
        }
    };
    b.insert(b.end(), bigEndian ? std::initializer_list<std::uint8_t>{'M', 'M'}
                                : std::initializer_list<std::uint8_t>{'I', 'I'});
    u16(42);
    u32(8);      // first directory right after the header
    u16(2);      // two entries: something else, then the orientation
    u16(0x010F); // Make, ASCII, 4 bytes inline
    u16(2);
    u32(4);
    b.insert(b.end(), {'C', 'a', 'm', 0});
    u16(0x0112);
    u16(3);
    u32(1);
    u16(static_cast<unsigned>(orientation));
    u16(0);
    u32(0); // no next directory
    return b;
}

inline Bytes encodeJpeg(const JpegSample& s, int quality = 100) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = static_cast<JDIMENSION>(s.width);
    c.image_height = static_cast<JDIMENSION>(s.height);
    c.input_components = s.components;
    c.in_color_space = s.space;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    for (int i = 0; i < c.num_components; ++i) // no chroma subsampling: exact colours
        c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
    if (s.progressive) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    if (s.exifOrientation) {
        const Bytes exif = exifSegment(s.exifOrientation, s.exifBigEndian);
        jpeg_write_marker(&c, JPEG_APP0 + 1, exif.data(), static_cast<unsigned>(exif.size()));
    }
    const std::size_t stride = static_cast<std::size_t>(s.width) * s.components;
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(s.pixels.data() + c.next_scanline * stride);
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    Bytes bytes(out, out + size);
    std::free(out);
    return bytes;
}

struct Rgb {
    int r, g, b;
};
// The colours of the four quarters of `quarters()`, in reading order.
inline constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255};

// An RGB picture of four coloured quarters: red, green on top, blue, white below.
inline JpegSample quarters(int width = 32, int height = 16) {
    JpegSample s;
    s.width = width;
    s.height = height;
    s.pixels.resize(static_cast<std::size_t>(width) * height * 3);
    const Rgb colours[2][2] = {{kRed, kGreen}, {kBlue, kWhite}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgb c = colours[y >= height / 2][x >= width / 2];
            std::uint8_t* p = &s.pixels[(static_cast<std::size_t>(y) * width + x) * 3];
            p[0] = static_cast<std::uint8_t>(c.r);
            p[1] = static_cast<std::uint8_t>(c.g);
            p[2] = static_cast<std::uint8_t>(c.b);
        }
    return s;
}

// A plain picture of one colour value per component.
inline JpegSample plain(int width, int height, int components, J_COLOR_SPACE space,
                        std::vector<std::uint8_t> value) {
    JpegSample s;
    s.width = width;
    s.height = height;
    s.components = components;
    s.space = space;
    s.pixels.resize(static_cast<std::size_t>(width) * height * components);
    for (std::size_t i = 0; i < s.pixels.size(); ++i) s.pixels[i] = value[i % components];
    return s;
}

} // namespace zorvane::testing
