#include "DxfWriter.h"

#include "HeaderTemplate.h"
#include "tessaline.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace tessaline {
namespace {

// CAD programs of the R12 era keep polyline layer names to 31 characters.
constexpr std::size_t kPolylineLayerLength = 31;

} // namespace

int DxfWriter::start(const char* fileName, const char* blockName) noexcept {
    // A caller that gave up on a drawing after a failure starts the next one directly.
    if (file_.isOpen()) file_.close();
    handle_ = kFirstHandle;
    if (blockName && *blockName) {
        error_.set("cannot start block \"%.200s\": block mode has no template", blockName);
        return TESSALINE_ERR_RESOURCE;
    }
    if (!fileName || !*fileName) {
        error_.set("cannot create a drawing file without a name");
        return TESSALINE_ERR_CREATE;
    }
    int result = file_.create(fileName, headerTemplate(), error_);
    if (result == TESSALINE_OK) error_.clear();
    return result;
}

int DxfWriter::layer(const char* name, int colour) noexcept {
    if (int result = ready()) return result;
    FileSink sink(file_);
    sink.code(" 0\r\nLAYER\r\n 2\r\n");
    sink.text(TextValue(name));
    sink.code(" 70\r\n0\r\n 62\r\n");
    sink.integer(colour);
    sink.code(" 6\r\nCONTINUOUS\r\n");
    return finish();
}

int DxfWriter::endTables() noexcept {
    if (int result = ready()) return result;
    file_.put(" 0\r\nENDTAB\r\n 0\r\nENDSEC\r\n 0\r\nSECTION\r\n 2\r\nENTITIES\r\n");
    return finish();
}

int DxfWriter::point(const char* layer, double x, double y, double z, int colour) noexcept {
    if (int result = ready()) return result;
    if (int result = refuseNonFinite("DrawDXFPoint", {x, y, z})) return result;
    const TextValue layerText(layer);
    return writeEntity(layerText.size, [&](auto& out) {
        out.code(" 0\r\nPOINT\r\n 5\r\n");
        out.handle(handle_);
        out.code(" 8\r\n");
        out.text(layerText);
        out.code(" 62\r\n");
        out.integer(colour);
        out.code(" 10\r\n");
        out.real(x);
        out.code(" 20\r\n");
        out.real(y);
        out.code(" 30\r\n");
        out.real(z);
    });
}

int DxfWriter::text(const char* layer, double x, double y, double z, int colour, const char* text,
                    double height, int horizontal, int vertical) noexcept {
    if (int result = ready()) return result;
    if (int result = refuseNonFinite("DrawDXFText", {x, y, z, height})) return result;
    // The first point sits a third of the height above a bottom-aligned (1) text's
    // alignment point and one height below any other; summed in extended precision.
    const long double shift =
        vertical == 1 ? 0.3333333L * height : -static_cast<long double>(height);
    const long double firstY = static_cast<long double>(y) + shift;
    const RealText xText(x), zText(z); // both points share them
    const TextValue layerText(layer), textText(text);
    return writeEntity(layerText.size + textText.size, [&](auto& out) {
        out.code(" 0\r\nTEXT\r\n 5\r\n");
        out.handle(handle_);
        out.code(" 8\r\n");
        out.text(layerText);
        out.code(" 62\r\n");
        out.integer(colour);
        out.code(" 10\r\n");
        out.real(xText);
        out.code(" 20\r\n");
        out.real(firstY);
        out.code(" 30\r\n");
        out.real(zText);
        out.code(" 40\r\n");
        out.real(height);
        out.code(" 1\r\n");
        out.text(textText);
        out.code(" 72\r\n");
        out.integer(horizontal);
        out.code(" 11\r\n");
        out.real(xText);
        out.code(" 21\r\n");
        out.real(y);
        out.code(" 31\r\n");
        out.real(zText);
        out.code(" 73\r\n");
        out.integer(vertical);
        out.code(" 7\r\nSTANDARD\r\n");
    });
}

int DxfWriter::line(const char* layer, double x1, double y1, double z1, double x2, double y2,
                    double z2, int colour) noexcept {
    if (int result = ready()) return result;
    if (int result = refuseNonFinite("DrawDXFLine", {x1, y1, z1, x2, y2, z2})) return result;
    const TextValue layerText(layer);
    return writeEntity(layerText.size, [&](auto& out) {
        out.code(" 0\r\nLINE\r\n 5\r\n");
        out.handle(handle_);
        out.code(" 8\r\n");
        out.text(layerText);
        out.code(" 62\r\n");
        out.integer(colour);
        out.code(" 10\r\n");
        out.real(x1);
        out.code(" 20\r\n");
        out.real(y1);
        out.code(" 30\r\n");
        out.real(z1);
        out.code(" 11\r\n");
        out.real(x2);
        out.code(" 21\r\n");
        out.real(y2);
        out.code(" 31\r\n");
        out.real(z2);
    });
}

int DxfWriter::start2DPolyline(const char* layer, int colour, double width, int closed,
                               double elevation) noexcept {
    if (int result = ready()) return result;
    if (int result = refuseNonFinite("StartDXF2DPolyline", {width, elevation})) return result;
    // Every vertex repeats the elevation, so it is formatted once here.
    const RealText elevationText(elevation);
    std::memcpy(polylineElevation_.text, elevationText.text, elevationText.size);
    polylineElevation_.size = elevationText.size;
    return startPolyline(layer, colour, width, polylineElevation_.view(), closed ? '1' : '0');
}

int DxfWriter::start3DPolyline(const char* layer, int colour, double width, int closed) noexcept {
    if (int result = ready()) return result;
    if (int result = refuseNonFinite("StartDXF3DPolyline", {width})) return result;
    return startPolyline(layer, colour, width, "0.0", closed ? '9' : '8');
}

int DxfWriter::startPolyline(const char* layer, int colour, double width,
                             std::string_view elevation, char flag) noexcept {
    const TextValue layerText(layer);
    polylineLayer_.size = std::min(layerText.size, kPolylineLayerLength);
    putOneLine(polylineLayer_.text, layerText.data, polylineLayer_.size);
    polylineColour_.size =
        std::size_t(std::to_chars(polylineColour_.text, polylineColour_.text + 16, colour).ptr -
                    polylineColour_.text);
    const RealText widthText(width);
    const char flagLine[] = {flag, '\r', '\n'};
    return writeEntity(polylineLayer_.size, [&](auto& out) {
        out.code(" 0\r\nPOLYLINE\r\n 5\r\n");
        out.handle(handle_);
        out.code(" 8\r\n");
        out.kept(polylineLayer_.view());
        out.code(" 62\r\n");
        out.kept(polylineColour_.view());
        out.code(" 66\r\n  1\r\n 10\r\n0.0\r\n 20\r\n0.0\r\n 30\r\n");
        out.kept(elevation);
        out.code(" 70\r\n");
        out.code({flagLine, 3});
        out.code(" 40\r\n");
        out.real(widthText);
        out.code(" 41\r\n");
        out.real(widthText);
    });
}

int DxfWriter::vertex2D(double x, double y, double bulge) noexcept {
    if (int result = ready()) return result;
    if (int result = refuseNonFinite("DrawDXF2DVertex", {x, y, bulge})) return result;
    return writeEntity(polylineLayer_.size, [&](auto& out) {
        out.code(" 0\r\nVERTEX\r\n 5\r\n");
        out.handle(handle_);
        out.code(" 8\r\n");
        out.kept(polylineLayer_.view());
        out.code(" 62\r\n");
        out.kept(polylineColour_.view());
        out.code(" 10\r\n");
        out.real(x);
        out.code(" 20\r\n");
        out.real(y);
        out.code(" 30\r\n");
        out.kept(polylineElevation_.view());
        out.code(" 42\r\n");
        out.real(bulge);
        out.code(" 70\r\n0\r\n");
    });
}

int DxfWriter::vertex3D(double x, double y, double z, double bulge) noexcept {
    if (int result = ready()) return result;
    if (int result = refuseNonFinite("DrawDXF3DVertex", {x, y, z, bulge})) return result;
    return writeEntity(polylineLayer_.size, [&](auto& out) {
        out.code(" 0\r\nVERTEX\r\n 5\r\n");
        out.handle(handle_);
        out.code(" 8\r\n");
        out.kept(polylineLayer_.view());
        out.code(" 62\r\n");
        out.kept(polylineColour_.view());
        out.code(" 10\r\n");
        out.real(x);
        out.code(" 20\r\n");
        out.real(y);
        out.code(" 30\r\n");
        out.real(z);
        out.code(" 42\r\n");
        out.real(bulge);
        out.code(" 70\r\n32\r\n");
    });
}

int DxfWriter::endPolyline() noexcept {
    if (int result = ready()) return result;
    return writeEntity(polylineLayer_.size, [&](auto& out) {
        out.code(" 0\r\nSEQEND\r\n 5\r\n");
        out.handle(handle_);
        out.code(" 8\r\n");
        out.kept(polylineLayer_.view());
        out.code(" 62\r\n");
        out.kept(polylineColour_.view());
    });
}

int DxfWriter::end() noexcept {
    if (!file_.isOpen()) {
        error_.set("no drawing file is open");
        return TESSALINE_ERR_NOT_OPEN;
    }
    file_.put(" 0\r\nENDSEC\r\n 0\r\nEOF\r\n");
    if (!file_.close()) {
        error_.set("%s", file_.failure().c_str());
        return TESSALINE_ERR_IO;
    }
    error_.clear();
    return TESSALINE_OK;
}

int DxfWriter::ready() noexcept {
    if (!file_.isOpen()) {
        error_.set("no drawing file is open");
        return TESSALINE_ERR_NOT_OPEN;
    }
    if (file_.failed()) {
        error_.set("%s", file_.failure().c_str());
        return TESSALINE_ERR_IO;
    }
    return TESSALINE_OK;
}

int DxfWriter::refuseNonFinite(const char* operation,
                               std::initializer_list<double> values) noexcept {
    for (double v : values) {
        if (!std::isfinite(v)) {
            error_.set("%s: a value is not a finite number; nothing was written", operation);
            return TESSALINE_ERR_VALUE;
        }
    }
    return TESSALINE_OK;
}

int DxfWriter::finish() noexcept {
    if (file_.failed()) {
        error_.set("%s", file_.failure().c_str());
        return TESSALINE_ERR_IO;
    }
    error_.clear();
    return TESSALINE_OK;
}

} // namespace tessaline
