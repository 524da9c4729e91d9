#include "files/JpegDecoder.h"

#include "files/ExifOrientation.h"
#include "files/ImageOrientation.h"

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

// jpeglib.h needs FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace zorvane {
namespace {

constexpr const char* kOutOfMemory = "The picture needs more memory than is available to show it.";
constexpr int kRowsPerRead = 16;

// libjpeg reports through these callbacks. A fatal error jumps back to the setjmp in
// decodeInto; nothing is ever printed.
struct ErrorManager {
    jpeg_error_mgr pub{}; // first, so that cinfo->err leads back here
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX]{};
};

ErrorManager& errorsOf(j_common_ptr cinfo) {
    return *reinterpret_cast<ErrorManager*>(cinfo->err);
}

void setMessage(ErrorManager& e, const char* text) {
    std::snprintf(e.message, sizeof e.message, "%s", text);
}

[[noreturn]] void onError(j_common_ptr cinfo) {
    ErrorManager& e = errorsOf(cinfo);
    const int code = e.pub.msg_code;
    if (code == JERR_OUT_OF_MEMORY || code == JERR_NO_BACKING_STORE)
        setMessage(e, kOutOfMemory);
    else
        (*e.pub.format_message)(cinfo, e.message);
    std::longjmp(e.jump, 1);
}

// Warnings let damaged data be shown as far as it goes, except running out of data: a picture
// cut short would otherwise be made up in grey, at a cost set by its header, not its bytes.
// (Even a picture lacking only its end marker runs out: the decoder reads ahead for it.)
void onMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return; // trace output
    ErrorManager& e = errorsOf(cinfo);
    ++e.pub.num_warnings;
    if (e.pub.msg_code == JWRN_JPEG_EOF) onError(cinfo);
}

void silence(j_common_ptr) {}

void onProgress(j_common_ptr cinfo) {
    if (!cinfo->is_decompressor) return;
    const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->progressive_mode && d->input_scan_number > kMaxJpegScans) {
        ErrorManager& e = errorsOf(cinfo);
        std::snprintf(e.message, sizeof e.message,
                      "The picture is damaged: it has more than %d progressive scans.",
                      kMaxJpegScans);
        std::longjmp(e.jump, 1);
    }
}

// Owns the decompressor. Destroying it frees all that libjpeg allocated, also after a jump.
struct Decompressor {
    Decompressor() {
        cinfo.err = jpeg_std_error(&errors.pub);
        errors.pub.error_exit = onError;
        errors.pub.emit_message = onMessage;
        errors.pub.output_message = silence;
        progress.progress_monitor = onProgress;
    }
    ~Decompressor() {
        if (created) jpeg_destroy_decompress(&cinfo);
    }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    jpeg_decompress_struct cinfo{};
    ErrorManager errors;
    jpeg_progress_mgr progress{};
    bool created = false;
};

int orientationOf(const jpeg_decompress_struct& cinfo) {
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next) {
        if (m->marker != JPEG_APP0 + 1) continue;
        const int o = exifOrientation({m->data, m->data_length});
        if (o != 1) return o;
    }
    return 1;
}

bool isCmyk(J_COLOR_SPACE space) {
    return space == JCS_CMYK || space == JCS_YCCK;
}

// libjpeg gives CMYK as stored; Adobe's files (nearly all CMYK JPEGs) store it inverted.
void cmykToRgbx(RgbxImage& image, bool inverted) {
    for (std::size_t i = 0; i + 4 <= image.pixels.size(); i += 4) {
        std::uint8_t* p = image.pixels.data() + i;
        const unsigned k = inverted ? p[3] : 255u - p[3];
        for (int c = 0; c < 3; ++c) {
            const unsigned v = inverted ? p[c] : 255u - p[c];
            p[c] = static_cast<std::uint8_t>((v * k + 127) / 255);
        }
        p[3] = 255;
    }
}

// Memory libjpeg may take for itself: a progressive picture keeps all its coefficients,
// up to 8 bytes a pixel.
long memoryLimit(std::int64_t maxPixels) {
    const std::int64_t cap = std::numeric_limits<long>::max() / 16;
    return static_cast<long>(std::min(std::max<std::int64_t>(maxPixels, 0), cap / 8) * 8 +
                             (64 << 20));
}

bool refuse(Decompressor& d, const char* text) {
    setMessage(d.errors, text);
    return false;
}

bool tooLarge(Decompressor& d, const JpegResult& out, std::int64_t maxPixels) {
    const bool mega = maxPixels >= 1'000'000 && maxPixels % 1'000'000 == 0;
    std::snprintf(d.errors.message, sizeof d.errors.message,
                  "The picture is %d x %d pixels; pictures of more than %lld %s are not shown.",
                  out.storedWidth, out.storedHeight,
                  static_cast<long long>(mega ? maxPixels / 1'000'000 : maxPixels),
                  mega ? "megapixels" : "pixels");
    return false;
}

// Everything that may meet a libjpeg error. Per the rules of setjmp, the objects that live on
// past a jump are the caller's; this frame holds plain values only.
bool decodeInto(Decompressor& d, std::span<const std::uint8_t> bytes, const JpegRequest& request,
                JpegResult& out) {
    if (setjmp(d.errors.jump)) return false;
    jpeg_decompress_struct& cinfo = d.cinfo;
    d.created = true; // set first: a failing create leaves nothing that destroy cannot handle
    jpeg_create_decompress(&cinfo);
    cinfo.progress = &d.progress;
    cinfo.mem->max_memory_to_use = memoryLimit(request.maxPixels);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);

    out.storedWidth = static_cast<int>(cinfo.image_width);
    out.storedHeight = static_cast<int>(cinfo.image_height);
    if (static_cast<std::int64_t>(cinfo.image_width) * cinfo.image_height > request.maxPixels)
        return tooLarge(d, out, request.maxPixels);
    out.orientation = orientationOf(cinfo);

    const bool cmyk = isCmyk(cinfo.jpeg_color_space);
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
    out.scaleEighths = jpegScaleFor(out, request);
    cinfo.scale_num = static_cast<unsigned>(out.scaleEighths);
    cinfo.scale_denom = 8;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 4) return refuse(d, "The picture's colours cannot be shown.");

    RgbxImage& image = out.image;
    image.width = static_cast<int>(cinfo.output_width);
    image.height = static_cast<int>(cinfo.output_height);
    const std::size_t stride = image.stride();
    // Reserved, not filled: memory is touched only as rows really arrive.
    image.pixels.reserve(stride * static_cast<std::size_t>(image.height));
    JSAMPROW rows[kRowsPerRead];
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION first = cinfo.output_scanline;
        const JDIMENSION n = std::min<JDIMENSION>(kRowsPerRead, cinfo.output_height - first);
        image.pixels.resize(stride * (first + n));
        for (JDIMENSION i = 0; i < n; ++i) rows[i] = image.pixels.data() + stride * (first + i);
        if (jpeg_read_scanlines(&cinfo, rows, n) == 0)
            return refuse(d, "Premature end of JPEG file");
    }
    // Bytes after the last row are not read: the decompressor is destroyed, not finished.
    if (cmyk) cmykToRgbx(image, cinfo.saw_Adobe_marker);
    return true;
}

} // namespace

int jpegScaleEighths(int storedWidth, int storedHeight, int wantWidth, int wantHeight) {
    const auto scaled = [](int side, int n) {
        return (static_cast<std::int64_t>(side) * n + 7) / 8;
    };
    if (wantWidth <= 0 && wantHeight <= 0) return 8;
    for (int n = 1; n < 8; ++n)
        if (scaled(storedWidth, n) >= wantWidth && scaled(storedHeight, n) >= wantHeight) return n;
    return 8;
}

int jpegScaleFor(const JpegResult& decoded, const JpegRequest& request) {
    const bool turned = request.upright && orientationSwapsAxes(decoded.orientation);
    return jpegScaleEighths(decoded.storedWidth, decoded.storedHeight,
                            turned ? request.displayHeight : request.displayWidth,
                            turned ? request.displayWidth : request.displayHeight);
}

JpegResult decodeJpeg(std::span<const std::uint8_t> bytes, const JpegRequest& request) {
    JpegResult out;
    bool decoded = false;
    try {
        Decompressor d;
        decoded = decodeInto(d, bytes, request, out);
        if (!decoded) out.error = d.errors.message;
    } catch (const std::bad_alloc&) {
        out.error = kOutOfMemory;
    }
    if (!decoded) {
        out.image = {};
        if (out.error.empty()) out.error = "The picture cannot be decoded.";
        return out;
    }
    if (request.upright) {
        try {
            out.image = orientUpright(std::move(out.image), out.orientation);
        } catch (const std::bad_alloc&) {
            return JpegResult{
                {},          out.storedWidth, out.storedHeight, out.orientation, out.scaleEighths,
                kOutOfMemory};
        }
    }
    return out;
}

} // namespace zorvane
