#ifndef TESSALINE_H
#define TESSALINE_H

/*
 * Tessaline writes DXF release 12 drawing files, one at a time:
 *
 *   StartDXF(file, NULL);
 *   CreateDXFLayer(...) ...;          any number of layers
 *   EndDXFTabAndSection();
 *   DrawDXFPoint / DrawDXFText / DrawDXFLine / polyline groups ...;
 *   EndDXF();
 *
 * A polyline group is StartDXF2DPolyline, DrawDXF2DVertex calls and EndDXFPolyline, or the
 * same with StartDXF3DPolyline and DrawDXF3DVertex. The calling order is not checked.
 *
 * Every function returns TESSALINE_OK or an error code; TessalineLastError() then says
 * why. Texts are 8-bit strings, NULL meaning empty. Flags are 0 or 1. The library keeps
 * one process-wide writer and is not thread-safe.
 */

#if defined(_WIN32)
#define TESSALINE_API __declspec(dllexport)
#elif defined(__GNUC__)
#define TESSALINE_API __attribute__((visibility("default")))
#else
#define TESSALINE_API
#endif

#define TESSALINE_OK 0
/* Writing to the file failed (disk full, device error). The file stays open but takes
   nothing more: every later call returns this code until EndDXF closes it. */
#define TESSALINE_ERR_IO 1
/* No file is open: StartDXF was not called, failed, or EndDXF already closed the file. */
#define TESSALINE_ERR_NOT_OPEN 2
/* StartDXF could not create the file or put it in place of an existing one. */
#define TESSALINE_ERR_CREATE 3
/* StartDXF was asked for block mode, whose template the library does not carry. */
#define TESSALINE_ERR_RESOURCE 4
/* A real was NaN or infinite, which no DXF reader can read; nothing was written. */
#define TESSALINE_ERR_VALUE 5

#ifdef __cplusplus
extern "C" {
#endif

/* Creates fileName and writes the header and table start. An existing file of that name
   is replaced only once this succeeded. blockName must be NULL or empty. A file still
   open from an earlier StartDXF is closed first, as it stands. */
TESSALINE_API int StartDXF(const char* fileName, const char* blockName);
TESSALINE_API int CreateDXFLayer(const char* name, int colour);
TESSALINE_API int EndDXFTabAndSection(void);

TESSALINE_API int DrawDXFPoint(const char* layer, double x, double y, double z, int colour);
/* (x, y, z) is the alignment point. horizontal and vertical are the justification codes of
   DXF groups 72 and 73. */
TESSALINE_API int DrawDXFText(const char* layer, double x, double y, double z, int colour,
                              const char* text, double height, int horizontal, int vertical);
TESSALINE_API int DrawDXFLine(const char* layer, double x1, double y1, double z1, double x2,
                              double y2, double z2, int colour);

/* The polyline layer is cut to its first 31 characters. */
TESSALINE_API int StartDXF2DPolyline(const char* layer, int colour, double width, int closed,
                                     double elevation);
TESSALINE_API int StartDXF3DPolyline(const char* layer, int colour, double width, int closed);
TESSALINE_API int DrawDXF2DVertex(double x, double y, double bulge);
TESSALINE_API int DrawDXF3DVertex(double x, double y, double z, double bulge);
TESSALINE_API int EndDXFPolyline(void);

/* Ends the drawing and closes the file. Reports any write that failed since StartDXF. */
TESSALINE_API int EndDXF(void);

/* Why the last call of this process failed; "" after a successful call. */
TESSALINE_API const char* TessalineLastError(void);

#ifdef __cplusplus
}
#endif

#endif /* TESSALINE_H */
