// The exported C functions: each forwards to the one process-wide writer. Nothing in the
// writer throws, so no C++ exception can reach a C caller.
#include "tessaline.h"

#include "DxfWriter.h"

namespace {
tessaline::DxfWriter writer;
}

extern "C" {

int StartDXF(const char* fileName, const char* blockName) {
    return writer.start(fileName, blockName);
}

int CreateDXFLayer(const char* name, int colour) {
    return writer.layer(name, colour);
}

int EndDXFTabAndSection(void) {
    return writer.endTables();
}

int DrawDXFPoint(const char* layer, double x, double y, double z, int colour) {
    return writer.point(layer, x, y, z, colour);
}

int DrawDXFText(const char* layer, double x, double y, double z, int colour, const char* text,
                double height, int horizontal, int vertical) {
    return writer.text(layer, x, y, z, colour, text, height, horizontal, vertical);
}

int DrawDXFLine(const char* layer, double x1, double y1, double z1, double x2, double y2, double z2,
                int colour) {
    return writer.line(layer, x1, y1, z1, x2, y2, z2, colour);
}

int StartDXF2DPolyline(const char* layer, int colour, double width, int closed, double elevation) {
    return writer.start2DPolyline(layer, colour, width, closed, elevation);
}

int StartDXF3DPolyline(const char* layer, int colour, double width, int closed) {
    return writer.start3DPolyline(layer, colour, width, closed);
}

int DrawDXF2DVertex(double x, double y, double bulge) {
    return writer.vertex2D(x, y, bulge);
}

int DrawDXF3DVertex(double x, double y, double z, double bulge) {
    return writer.vertex3D(x, y, z, bulge);
}

int EndDXFPolyline(void) {
    return writer.endPolyline();
}

int EndDXF(void) {
    return writer.end();
}

const char* TessalineLastError(void) {
    return writer.lastError();
}

} // extern "C"
