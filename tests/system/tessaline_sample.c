/* Writes a drawing with every kind of entity Tessaline makes, for readers nobody here wrote
   to check, and a list of how many of each it wrote.
   Usage: tessaline_sample DRAWING.dxf COUNTS.txt */
#include "tessaline.h"

#include <stdio.h>

static int failures = 0;

static void check(int result, const char* call) {
    if (result != TESSALINE_OK) {
        fprintf(stderr, "%s failed (%d): %s\n", call, result, TessalineLastError());
        ++failures;
    }
}

#define CHECK(call) check((call), #call)

int main(int argc, char** argv) {
    static const char* const layers[] = {"POINTS", "NUMBERS", "DESCRIPTORS", "LINES",
                                         "A POLYLINE LAYER OF 31 LETTERS"};
    static const int justification[][2] = {{0, 1}, {1, 3}, {2, 2}, {0, 0}, {1, 1}, {2, 3}};
    int points = 0, texts = 0, lines = 0, polylines = 0, vertices = 0;
    FILE* counts;
    int i, k;

    if (argc != 3) {
        fprintf(stderr, "usage: %s DRAWING.dxf COUNTS.txt\n", argv[0]);
        return 2;
    }
    CHECK(StartDXF(argv[1], NULL));
    for (i = 0; i < 5; ++i) CHECK(CreateDXFLayer(layers[i], i + 1));
    CHECK(EndDXFTabAndSection());

    for (i = 0; i < 24; ++i) {
        double x = 1000.0 + 3.25 * i, y = 2000.0 - 1.125 * i, z = 0.001 * i - 0.01;
        char number[16];
        snprintf(number, sizeof number, "%d", i + 1);
        CHECK(DrawDXFPoint("POINTS", x, y, z, 256));
        CHECK(DrawDXFText("NUMBERS", x + 0.2, y, z, 2, number, 0.25, 0, 1));
        CHECK(DrawDXFText("DESCRIPTORS", x, y - 0.2, z, 3, i % 2 ? "kerb\r\nstone" : "tree", 0.2,
                          justification[i % 6][0], justification[i % 6][1]));
        points += 1;
        texts += 2;
    }
    for (i = 0; i < 4; ++i, ++lines)
        CHECK(DrawDXFLine("LINES", 1000.0, 2000.0 + i, 0, 1075.5, 1975.0 + i, 0.5 * i, 4));

    /* 2D polylines: open, closed, and an arc drawn with bulges. */
    for (k = 0; k < 3; ++k, ++polylines) {
        CHECK(StartDXF2DPolyline(layers[4], 5, 0.05 * k, k > 0, 1.5 * k));
        for (i = 0; i < 4 + k; ++i, ++vertices)
            CHECK(DrawDXF2DVertex(1000.0 + 10.0 * i, 1990.0 - 5.0 * k + (i % 2),
                                  k == 2 ? 0.41421356237 : 0.0));
        CHECK(EndDXFPolyline());
    }
    /* 3D polylines: open and closed. */
    for (k = 0; k < 2; ++k, ++polylines) {
        CHECK(StartDXF3DPolyline("LINES", 6 + k, 0, k));
        for (i = 0; i < 5; ++i, ++vertices)
            CHECK(DrawDXF3DVertex(1010.0 + 2.0 * i, 1980.0 + i * i, 0.25 * i - 1.0, 0));
        CHECK(EndDXFPolyline());
    }
    CHECK(EndDXF());
    if (failures > 0) return 1;

    counts = fopen(argv[2], "w");
    if (!counts) {
        perror(argv[2]);
        return 1;
    }
    fprintf(counts, "POINT %d\nTEXT %d\nLINE %d\nPOLYLINE %d\nVERTEX %d\n", points, texts, lines,
            polylines, vertices);
    return fclose(counts) == 0 ? 0 : 1;
}
