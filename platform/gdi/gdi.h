// Drawing services of the platform layer (namespace win): device contexts,
// pens, brushes, fonts, text, shapes, regions, bitmaps and DIBs, palettes,
// mapping modes, metafiles and printer devices.
//
// The drawing model (device contexts with selected objects, logical units
// mapped to device pixels, DIB formats with colour tables, recorded
// metafiles, rectangle-list regions) is kept here; the pixel work is done by
// cairo on image surfaces and on PDF surfaces, and glyphs come from FreeType
// with the metric-compatible Liberation fonts.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/gdi_types.h"

namespace win {

// =====================================================================================
// Functions. Coordinates are logical units of the device context unless said
// otherwise; a null or stale handle makes a call fail without side effects.
// =====================================================================================

// ---- Device contexts (gdi_dc.cpp, paint_dc.cpp, gdi_devcaps.cpp) ----------------------
[[nodiscard]] HDC GetDC(HWND hwnd);  // null window: the screen
int ReleaseDC(HWND hwnd, HDC hdc);
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);  // also in ps->hdc
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
[[nodiscard]] HDC CreateCompatibleDC(HDC hdc);  // null: compatible with the screen
// "DISPLAY" for the screen; otherwise a configured printer by device name.
[[nodiscard]] HDC CreateDCA(const char* driver, const char* device, const char* output,
                            const DeviceMode* mode);
[[nodiscard]] HDC CreateICA(const char* driver, const char* device, const char* output,
                            const DeviceMode* mode);
BOOL DeleteDC(HDC hdc);
[[nodiscard]] int GetDeviceCaps(HDC hdc, int index);
[[nodiscard]] HWND WindowFromDC(HDC hdc);

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);  // returns the previous object
[[nodiscard]] HGDIOBJ GetCurrentObject(HDC hdc, UINT objectType);
BOOL DeleteObject(HGDIOBJ object);
[[nodiscard]] HGDIOBJ GetStockObject(int index);
int GetObjectA(HGDIOBJ object, int size, void* buffer);
[[nodiscard]] DWORD GetObjectType(HGDIOBJ object);

int SaveDC(HDC hdc);                 // the new depth, 0 on failure
BOOL RestoreDC(HDC hdc, int saved);  // saved < 0: that many levels back

COLORREF SetTextColor(HDC hdc, COLORREF color);
[[nodiscard]] COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
[[nodiscard]] COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
[[nodiscard]] int GetBkMode(HDC hdc);
UINT SetTextAlign(HDC hdc, UINT align);
[[nodiscard]] UINT GetTextAlign(HDC hdc);
int SetPolyFillMode(HDC hdc, int mode);
[[nodiscard]] int GetPolyFillMode(HDC hdc);
int SetStretchBltMode(HDC hdc, int mode);
[[nodiscard]] int GetStretchBltMode(HDC hdc);
BOOL SetBrushOrgEx(HDC hdc, int x, int y, POINT* previous);  // device pixels

// A stock solid brush of a system colour (GetSysColor of system.h).
[[nodiscard]] HBRUSH GetSysColorBrush(int index);

// ---- Mapping (gdi_mapping.cpp) -----------------------------------------------------------
int SetMapMode(HDC hdc, int mode);
[[nodiscard]] int GetMapMode(HDC hdc);
BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL SetWindowExtEx(HDC hdc, int x, int y, SIZE* previous);
BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL SetViewportExtEx(HDC hdc, int x, int y, SIZE* previous);
BOOL GetWindowOrgEx(HDC hdc, POINT* point);
BOOL GetWindowExtEx(HDC hdc, SIZE* size);
BOOL GetViewportOrgEx(HDC hdc, POINT* point);
BOOL GetViewportExtEx(HDC hdc, SIZE* size);
BOOL LPtoDP(HDC hdc, POINT* points, int count);
BOOL DPtoLP(HDC hdc, POINT* points, int count);

// ---- Pens, brushes (gdi_objects.cpp) ------------------------------------------------------
[[nodiscard]] HPEN CreatePen(int style, int width, COLORREF color);
[[nodiscard]] HPEN CreatePenIndirect(const LOGPEN* pen);
[[nodiscard]] HBRUSH CreateSolidBrush(COLORREF color);
[[nodiscard]] HBRUSH CreateHatchBrush(int hatch, COLORREF color);
[[nodiscard]] HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);

// ---- Lines and shapes (gdi_shapes.cpp, gdi_flood.cpp) ---------------------------------------
BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous);
BOOL GetCurrentPositionEx(HDC hdc, POINT* point);
BOOL LineTo(HDC hdc, int x, int y);
BOOL Polyline(HDC hdc, const POINT* points, int count);
BOOL Polygon(HDC hdc, const POINT* points, int count);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);
int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC hdc, const RECT* rect);
BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
BOOL FloodFill(HDC hdc, int x, int y, COLORREF border);
BOOL ExtFloodFill(HDC hdc, int x, int y, COLORREF color, UINT type);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
[[nodiscard]] COLORREF GetPixel(HDC hdc, int x, int y);

// ---- Regions and clipping (gdi_region.cpp, gdi_clip.cpp) -----------------------------------
// Region coordinates are plain integers: the logical units of whoever made
// them for hit tests, device pixels when a region is selected for clipping.
[[nodiscard]] HRGN CreateRectRgn(int left, int top, int right, int bottom);
[[nodiscard]] HRGN CreateRectRgnIndirect(const RECT* rect);
[[nodiscard]] HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
BOOL PtInRegion(HRGN region, int x, int y);
BOOL RectInRegion(HRGN region, const RECT* rect);
int GetRgnBox(HRGN region, RECT* box);
BOOL EqualRgn(HRGN a, HRGN b);
BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush);
int SelectClipRgn(HDC hdc, HRGN region);  // device pixels; null removes the clip
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int GetClipBox(HDC hdc, RECT* rect);

// ---- Fonts and text (font_*.cpp) ----------------------------------------------------------------
[[nodiscard]] HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                                DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                                DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                                DWORD pitchAndFamily, const char* faceName);
[[nodiscard]] HFONT CreateFontIndirectA(const LOGFONTA* font);
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics);
int GetTextFaceA(HDC hdc, int size, char* faceName);
BOOL GetTextExtentPoint32A(HDC hdc, const char* text, int length, SIZE* size);
BOOL TextOutA(HDC hdc, int x, int y, const char* text, int length);
int DrawTextA(HDC hdc, const char* text, int length, RECT* rect, UINT format);

// ---- Bitmaps, DIBs, blits (bitmap_*.cpp)
// ----------------------------------------------------------
[[nodiscard]] HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                                   const void* bits);
[[nodiscard]] HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
LONG GetBitmapBits(HBITMAP bitmap, LONG size, void* bits);
LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits);
// Bitmap resources by number (a name pointer whose value is below 0x10000
// is the number, as resource names are passed).
[[nodiscard]] HBITMAP LoadBitmapA(HINSTANCE instance, const char* name);
[[nodiscard]] HBITMAP LoadBitmapA(HINSTANCE instance, int id);
// A new device bitmap stretched (whole pixels) to cx x cy; 0 keeps that
// side. Only IMAGE_BITMAP; the flags are not used.
inline constexpr UINT IMAGE_BITMAP = 0;
[[nodiscard]] HANDLE CopyImage(HANDLE image, UINT type, int cx, int cy, UINT flags);
// The program's pictures, registered at start-up as packed DIBs (header,
// colour table, rows). The bytes are copied.
void SetResourceBitmap(int id, const void* packedDib, std::size_t size);
// A picture drawn only when it is first loaded: `make` gives its packed DIB.
void SetResourceBitmapMaker(int id, std::function<std::vector<std::uint8_t>()> make);
void ClearResourceBitmaps();

[[nodiscard]] HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* header, DWORD init,
                                     const void* bits, const BITMAPINFO* info, UINT usage);
[[nodiscard]] HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits,
                                       HANDLE section, DWORD offset);
// The bytes from `pointer` to the end of the pixel rows of the live DIB section
// it points into; 0 when it points into none.
[[nodiscard]] std::size_t DibSectionBytesFrom(const void* pointer);
int GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info,
              UINT usage);
int SetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* info, UINT usage);
UINT GetDIBColorTable(HDC hdc, UINT start, UINT count, RGBQUAD* colors);
UINT SetDIBColorTable(HDC hdc, UINT start, UINT count, const RGBQUAD* colors);

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, DWORD rop);
// srcY counts from the bottom row of a bottom-up DIB. Returns the scan lines drawn.
int StretchDIBits(HDC hdc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                  int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
int SetDIBitsToDevice(HDC hdc, int x, int y, DWORD width, DWORD height, int srcX, int srcY,
                      UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
                      UINT usage);

// ---- Palettes (bitmap_palette.cpp)
// ---------------------------------------------------------------
[[nodiscard]] HPALETTE CreatePalette(const LOGPALETTE* palette);
[[nodiscard]] HPALETTE CreateHalftonePalette(HDC hdc);
HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL forceBackground);
UINT RealizePalette(HDC hdc);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);
UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries);
UINT GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, PALETTEENTRY* entries);
UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color);

// ---- Metafiles (metafile.cpp)
// ---------------------------------------------------------------------- frame: the picture's
// extent in 0.01 mm (null: the extent of what is drawn). A file name is not supported: the picture
// lives in memory.
[[nodiscard]] HDC CreateEnhMetaFileA(HDC reference, const char* fileName, const RECT* frame,
                                     const char* description);
[[nodiscard]] HENHMETAFILE CloseEnhMetaFile(HDC hdc);
[[nodiscard]] HENHMETAFILE CopyEnhMetaFileA(HENHMETAFILE metafile, const char* fileName);
BOOL PlayEnhMetaFile(HDC hdc, HENHMETAFILE metafile, const RECT* rect);
BOOL DeleteEnhMetaFile(HENHMETAFILE metafile);
// Frame (0.01 mm) and description of a metafile.
BOOL GetEnhMetaFileFrame(HENHMETAFILE metafile, RECT* frame);
[[nodiscard]] std::string GetEnhMetaFileDescription(HENHMETAFILE metafile);

// ---- Print jobs (print_*.cpp)
// -------------------------------------------------------------------------
int StartDocA(HDC hdc, const DOCINFOA* doc);  // job id > 0, or SP_ERROR
int StartPage(HDC hdc);
int EndPage(HDC hdc);
int EndDoc(HDC hdc);
int AbortDoc(HDC hdc);
int SetAbortProc(HDC hdc, ABORTPROC proc);
// SETABORTPROC (in: the ABORTPROC) and SET_BOUNDS (in: 4 LONGs, accepted and
// ignored: it only told a driver the bounding box of what follows).
int Escape(HDC hdc, int function, int inSize, const void* in, void* out);

BOOL OpenPrinterA(const char* name, HANDLE* printer, const void* defaults);
// Level 2 only: the PRINTER_INFO_2 with its strings and device mode behind it.
BOOL GetPrinterA(HANDLE printer, DWORD level, BYTE* buffer, DWORD size, DWORD* needed);
BOOL ClosePrinter(HANDLE printer);

// ---- Reading back what was drawn (gdi_readback.cpp)
// --------------------------------------------------- The pixels of a window's client area, or of
// the bitmap selected into a memory DC (a window DC reads its window). Empty for other contexts.
[[nodiscard]] Image32 ReadWindowPixels(HWND hwnd);
[[nodiscard]] Image32 ReadDcPixels(HDC hdc);
// Binary PPM (P6), written whole or not at all (whole_file_write.h): false,
// the last error saying why and the file that was there unchanged, when it
// cannot be written.
[[nodiscard]] bool WritePpm(const std::string& path, const Image32& image);
[[nodiscard]] bool ReadPpm(const std::string& path, Image32* image);

// How many drawing objects (stock objects aside, deleted ones not counted)
// and device contexts are alive: leak checks of tests.
[[nodiscard]] int LiveGdiObjectCount();
[[nodiscard]] int LiveDcCount();

// Frees every drawing object, device context, metafile and print job and
// forgets the printer configuration (tests call it between cases).
void ResetGdi();

// The names the program also uses without the character-set suffix.
inline int GetObject(HGDIOBJ o, int size, void* buffer) {
    return GetObjectA(o, size, buffer);
}
inline BOOL TextOut(HDC dc, int x, int y, const char* text, int length) {
    return TextOutA(dc, x, y, text, length);
}
inline BOOL GetTextMetrics(HDC dc, TEXTMETRICA* tm) {
    return GetTextMetricsA(dc, tm);
}
inline int DrawText(HDC dc, const char* text, int length, RECT* rect, UINT format) {
    return DrawTextA(dc, text, length, rect, format);
}
inline int StartDoc(HDC dc, const DOCINFOA* doc) {
    return StartDocA(dc, doc);
}
inline HDC CreateDC(const char* driver, const char* device, const char* output,
                    const DeviceMode* mode) {
    return CreateDCA(driver, device, output, mode);
}
inline HBITMAP LoadBitmap(HINSTANCE instance, int id) {
    return LoadBitmapA(instance, id);
}

}  // namespace win
