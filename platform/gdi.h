// Drawing services of the platform layer (namespace win): device contexts,
// pens, brushes, fonts, text, shapes, regions, bitmaps and DIBs, palettes,
// mapping modes, metafiles and printer devices.
//
// The drawing model (device contexts with selected objects, logical units
// mapped to device pixels, DIB formats with colour tables, recorded
// metafiles, rectangle-list regions) is kept here; the pixel work is done by
// cairo on image surfaces and on PDF surfaces, and glyphs come from FreeType
// with the metric-compatible Liberation fonts. Values the program's
// requirements state are kept (weights 400/700, character sets 0 and 255,
// proof quality 2, escapement in tenths of a degree, 40-byte info headers);
// the other numeric values are ours.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win_types.h"

namespace win {

using HANDLE = void*;

// ---- Stock objects (GetStockObject) ------------------------------------------
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int OEM_FIXED_FONT = 10;
inline constexpr int ANSI_FIXED_FONT = 11;
inline constexpr int ANSI_VAR_FONT = 12;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEVICE_DEFAULT_FONT = 14;
inline constexpr int DEFAULT_PALETTE = 15;
inline constexpr int SYSTEM_FIXED_FONT = 16;
inline constexpr int DEFAULT_GUI_FONT = 17;

// GetObjectType answers.
inline constexpr DWORD OBJ_PEN = 1;
inline constexpr DWORD OBJ_BRUSH = 2;
inline constexpr DWORD OBJ_DC = 3;
inline constexpr DWORD OBJ_PAL = 5;
inline constexpr DWORD OBJ_FONT = 6;
inline constexpr DWORD OBJ_BITMAP = 7;
inline constexpr DWORD OBJ_REGION = 8;
inline constexpr DWORD OBJ_MEMDC = 10;
inline constexpr DWORD OBJ_ENHMETADC = 12;
inline constexpr DWORD OBJ_ENHMETAFILE = 13;

// ---- Pens and brushes ----------------------------------------------------------
inline constexpr UINT PS_SOLID = 0;
inline constexpr UINT PS_NULL = 5;
inline constexpr UINT PS_INSIDEFRAME = 6;

inline constexpr UINT BS_SOLID = 0;
inline constexpr UINT BS_NULL = 1;
inline constexpr UINT BS_HOLLOW = BS_NULL;
inline constexpr UINT BS_HATCHED = 2;

// Hatch styles: lines one device pixel wide on an 8 x 8 pixel grid anchored
// at the brush origin.
inline constexpr int HS_HORIZONTAL = 0;  // -----
inline constexpr int HS_VERTICAL = 1;    // |||||
inline constexpr int HS_FDIAGONAL = 2;   // \\\\\ (falling to the right)
inline constexpr int HS_BDIAGONAL = 3;   // ///// (rising to the right)
inline constexpr int HS_CROSS = 4;       // +++++
inline constexpr int HS_DIAGCROSS = 5;   // xxxxx

struct LOGPEN {
  UINT lopnStyle = PS_SOLID;
  POINT lopnWidth;  // x is the width in logical units; 0 means one device pixel
  COLORREF lopnColor = 0;
};

struct LOGBRUSH {
  UINT lbStyle = BS_SOLID;
  COLORREF lbColor = 0;
  std::uintptr_t lbHatch = 0;
};

// ---- Background, fill and stretch modes ----------------------------------------
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

inline constexpr int ALTERNATE = 1;
inline constexpr int WINDING = 2;

inline constexpr int BLACKONWHITE = 1;
inline constexpr int WHITEONBLACK = 2;
inline constexpr int COLORONCOLOR = 3;
inline constexpr int HALFTONE = 4;

inline constexpr UINT FLOODFILLBORDER = 0;
inline constexpr UINT FLOODFILLSURFACE = 1;

// Colour references: a plain 0x00BBGGRR value, an index into the selected
// palette, or an RGB value to be matched in the selected palette.
constexpr COLORREF PALETTEINDEX(WORD i) { return 0x01000000u | i; }
constexpr COLORREF PALETTERGB(int r, int g, int b) { return 0x02000000u | RGB(r, g, b); }
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// ---- Mapping modes ----------------------------------------------------------------
inline constexpr int MM_TEXT = 1;
inline constexpr int MM_ANISOTROPIC = 8;

// ---- Text ---------------------------------------------------------------------------
inline constexpr UINT TA_NOUPDATECP = 0;
inline constexpr UINT TA_UPDATECP = 1;
inline constexpr UINT TA_LEFT = 0;
inline constexpr UINT TA_RIGHT = 2;
inline constexpr UINT TA_CENTER = 6;
inline constexpr UINT TA_TOP = 0;
inline constexpr UINT TA_BOTTOM = 8;
inline constexpr UINT TA_BASELINE = 24;
inline constexpr UINT GDI_ERROR = 0xFFFFFFFF;

inline constexpr UINT DT_TOP = 0x0000;
inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_WORDBREAK = 0x0010;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_NOCLIP = 0x0100;
inline constexpr UINT DT_CALCRECT = 0x0400;
inline constexpr UINT DT_NOPREFIX = 0x0800;

// Font requests. Weights, character sets, quality and the pitch and family
// bits follow the program's requirements (400 normal, 700 bold; 0 ANSI,
// 255 OEM; quality 2 proof; 0x20 swiss, fixed pitch 1).
inline constexpr int FW_DONTCARE = 0;
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;
inline constexpr BYTE ANSI_CHARSET = 0;
inline constexpr BYTE DEFAULT_CHARSET = 1;
inline constexpr BYTE SYMBOL_CHARSET = 2;
inline constexpr BYTE OEM_CHARSET = 255;
inline constexpr BYTE OUT_DEFAULT_PRECIS = 0;
inline constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
inline constexpr BYTE DEFAULT_QUALITY = 0;
inline constexpr BYTE DRAFT_QUALITY = 1;
inline constexpr BYTE PROOF_QUALITY = 2;
inline constexpr BYTE DEFAULT_PITCH = 0;
inline constexpr BYTE FIXED_PITCH = 1;
inline constexpr BYTE VARIABLE_PITCH = 2;
inline constexpr BYTE FF_DONTCARE = 0x00;
inline constexpr BYTE FF_ROMAN = 0x10;
inline constexpr BYTE FF_SWISS = 0x20;
inline constexpr BYTE FF_MODERN = 0x30;
inline constexpr int LF_FACESIZE = 32;

struct LOGFONTA {
  LONG lfHeight = 0;  // > 0 cell height, < 0 character (em) height, logical units
  LONG lfWidth = 0;   // average character width; 0 keeps the face's proportions
  LONG lfEscapement = 0;   // tenths of a degree, counter-clockwise on the device
  LONG lfOrientation = 0;
  LONG lfWeight = FW_DONTCARE;
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = ANSI_CHARSET;
  BYTE lfOutPrecision = OUT_DEFAULT_PRECIS;
  BYTE lfClipPrecision = CLIP_DEFAULT_PRECIS;
  BYTE lfQuality = DEFAULT_QUALITY;
  BYTE lfPitchAndFamily = DEFAULT_PITCH;
  char lfFaceName[LF_FACESIZE] = {};
};

// Metrics of the selected font, in logical units.
struct TEXTMETRICA {
  LONG tmHeight = 0;
  LONG tmAscent = 0;
  LONG tmDescent = 0;
  LONG tmInternalLeading = 0;
  LONG tmExternalLeading = 0;
  LONG tmAveCharWidth = 0;
  LONG tmMaxCharWidth = 0;
  LONG tmWeight = 0;
  LONG tmOverhang = 0;
  LONG tmDigitizedAspectX = 0;
  LONG tmDigitizedAspectY = 0;
  BYTE tmFirstChar = 0;
  BYTE tmLastChar = 0;
  BYTE tmDefaultChar = 0;
  BYTE tmBreakChar = 0;
  BYTE tmItalic = 0;
  BYTE tmUnderlined = 0;
  BYTE tmStruckOut = 0;
  BYTE tmPitchAndFamily = 0;
  BYTE tmCharSet = 0;
};

// ---- Raster operations (ternary codes: bits 16..23 give the result for each
// combination of pattern, source and destination bits) ---------------------------------
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCPAINT = 0x00EE0086;
inline constexpr DWORD SRCAND = 0x008800C6;
inline constexpr DWORD SRCINVERT = 0x00660046;
inline constexpr DWORD NOTSRCCOPY = 0x00330008;
inline constexpr DWORD PATCOPY = 0x00F00021;
inline constexpr DWORD PATINVERT = 0x005A0049;
inline constexpr DWORD DSTINVERT = 0x00550009;
inline constexpr DWORD BLACKNESS = 0x00000042;
inline constexpr DWORD WHITENESS = 0x00FF0062;

// ---- Regions -------------------------------------------------------------------------
inline constexpr int ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;
inline constexpr int RGN_AND = 1;
inline constexpr int RGN_OR = 2;
inline constexpr int RGN_XOR = 3;
inline constexpr int RGN_DIFF = 4;
inline constexpr int RGN_COPY = 5;

// ---- Bitmaps and DIBs ------------------------------------------------------------------
inline constexpr UINT DIB_RGB_COLORS = 0;
inline constexpr UINT DIB_PAL_COLORS = 1;
inline constexpr DWORD BI_RGB = 0;
inline constexpr DWORD BI_RLE8 = 1;
inline constexpr DWORD BI_RLE4 = 2;
inline constexpr DWORD BI_BITFIELDS = 3;
inline constexpr DWORD CBM_INIT = 4;

struct BITMAP {
  LONG bmType = 0;
  LONG bmWidth = 0;
  LONG bmHeight = 0;
  LONG bmWidthBytes = 0;  // bytes per row, a multiple of 2
  WORD bmPlanes = 1;
  WORD bmBitsPixel = 0;
  void* bmBits = nullptr;  // the pixels of a DIB section, else null
};

// Packed DIB headers: the byte layout of DIB blocks in memory and files.
struct BITMAPINFOHEADER {
  DWORD biSize = 40;
  LONG biWidth = 0;
  LONG biHeight = 0;  // positive: rows bottom-up; negative: top-down
  WORD biPlanes = 1;
  WORD biBitCount = 0;
  DWORD biCompression = BI_RGB;
  DWORD biSizeImage = 0;
  LONG biXPelsPerMeter = 0;
  LONG biYPelsPerMeter = 0;
  DWORD biClrUsed = 0;
  DWORD biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct BITMAPCOREHEADER {
  DWORD bcSize = 12;
  WORD bcWidth = 0;
  WORD bcHeight = 0;
  WORD bcPlanes = 1;
  WORD bcBitCount = 0;
};
static_assert(sizeof(BITMAPCOREHEADER) == 12);

struct RGBQUAD {
  BYTE rgbBlue = 0;
  BYTE rgbGreen = 0;
  BYTE rgbRed = 0;
  BYTE rgbReserved = 0;
};
static_assert(sizeof(RGBQUAD) == 4);

struct RGBTRIPLE {
  BYTE rgbtBlue = 0;
  BYTE rgbtGreen = 0;
  BYTE rgbtRed = 0;
};
static_assert(sizeof(RGBTRIPLE) == 3);

// A header followed by its colour table (the table runs on past the one
// entry declared here, as far as the header says).
struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
};

struct DIBSECTION {
  BITMAP dsBm;
  BITMAPINFOHEADER dsBmih;
  DWORD dsBitfields[3] = {0, 0, 0};
  HANDLE dshSection = nullptr;
  DWORD dsOffset = 0;
};

// ---- Palettes ---------------------------------------------------------------------------
struct PALETTEENTRY {
  BYTE peRed = 0;
  BYTE peGreen = 0;
  BYTE peBlue = 0;
  BYTE peFlags = 0;
};
static_assert(sizeof(PALETTEENTRY) == 4);

// Logical palette record: version 0x300, the count, then the entries (the
// array runs on past the one declared here).
struct LOGPALETTE {
  WORD palVersion = 0x300;
  WORD palNumEntries = 0;
  PALETTEENTRY palPalEntry[1];
};

// ---- Device capabilities (GetDeviceCaps) -------------------------------------------------
inline constexpr int TECHNOLOGY = 2;
inline constexpr int HORZSIZE = 4;   // millimetres
inline constexpr int VERTSIZE = 6;
inline constexpr int HORZRES = 8;    // printable pixels
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int PLANES = 14;
inline constexpr int NUMCOLORS = 24;  // -1 for more than 256 colours
inline constexpr int RASTERCAPS = 38;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
inline constexpr int SIZEPALETTE = 104;
inline constexpr int PHYSICALWIDTH = 110;  // whole sheet, pixels
inline constexpr int PHYSICALHEIGHT = 111;
inline constexpr int PHYSICALOFFSETX = 112;  // unprintable margin, pixels
inline constexpr int PHYSICALOFFSETY = 113;

inline constexpr int DT_RASDISPLAY = 1;
inline constexpr int DT_RASPRINTER = 2;
inline constexpr int DT_METAFILE = 5;

inline constexpr int RC_BITBLT = 0x0001;
inline constexpr int RC_BITMAP64 = 0x0008;
inline constexpr int RC_DI_BITMAP = 0x0080;
inline constexpr int RC_PALETTE = 0x0100;
inline constexpr int RC_DIBTODEV = 0x0200;
inline constexpr int RC_STRETCHBLT = 0x0800;
inline constexpr int RC_FLOODFILL = 0x1000;
inline constexpr int RC_STRETCHDIB = 0x2000;

// ---- Printing ------------------------------------------------------------------------------
// Document record of StartDocA. The program sets cbSize to 20 (the size the
// record had on the original 32-bit platform); any value is accepted.
struct DOCINFOA {
  int cbSize = 0;
  const char* lpszDocName = nullptr;
  const char* lpszOutput = nullptr;  // a file path for the PDF, or null
  const char* lpszDatatype = nullptr;
  DWORD fwType = 0;
};

using ABORTPROC = BOOL (*)(HDC, int);

// Escape functions.
inline constexpr int SETABORTPROC = 9;
inline constexpr int SET_BOUNDS = 4109;

// Print job results below 1.
inline constexpr int SP_ERROR = -1;
inline constexpr int SP_APPABORT = -2;

// Printer settings block (device mode), 156 bytes followed by dmDriverExtra
// private bytes, kept in a movable memory block of the print dialog record.
inline constexpr WORD DMORIENT_PORTRAIT = 1;
inline constexpr WORD DMORIENT_LANDSCAPE = 2;
inline constexpr short DMCOLOR_MONOCHROME = 1;
inline constexpr short DMCOLOR_COLOR = 2;
inline constexpr short DMPAPER_LETTER = 1;
inline constexpr short DMPAPER_LEGAL = 5;
inline constexpr short DMPAPER_A4 = 9;
inline constexpr DWORD DM_ORIENTATION = 0x0001;
inline constexpr DWORD DM_PAPERSIZE = 0x0002;
inline constexpr DWORD DM_PRINTQUALITY = 0x0400;
inline constexpr DWORD DM_COLOR = 0x0800;
inline constexpr DWORD DM_YRESOLUTION = 0x2000;

struct DeviceMode {
  char dmDeviceName[32] = {};
  WORD dmSpecVersion = 0;
  WORD dmDriverVersion = 0;
  WORD dmSize = 156;
  WORD dmDriverExtra = 0;
  DWORD dmFields = 0;
  short dmOrientation = DMORIENT_PORTRAIT;
  short dmPaperSize = DMPAPER_LETTER;
  short dmPaperLength = 0;  // tenths of a millimetre
  short dmPaperWidth = 0;
  short dmScale = 100;
  short dmCopies = 1;
  short dmDefaultSource = 0;
  short dmPrintQuality = 0;  // dots per inch across
  short dmColor = DMCOLOR_COLOR;
  short dmDuplex = 0;
  short dmYResolution = 0;  // dots per inch down
  short dmTTOption = 0;
  short dmCollate = 0;
  char dmFormName[32] = {};
  BYTE dmReserved[54] = {};
};
static_assert(sizeof(DeviceMode) == 156);

// Printer names block: four offset words (bytes from the start of the block)
// followed by the NUL-terminated driver, device and port names.
struct DeviceNames {
  WORD wDriverOffset = 0;
  WORD wDeviceOffset = 0;
  WORD wOutputOffset = 0;
  WORD wDefault = 0;
};
static_assert(sizeof(DeviceNames) == 8);

// Printer information of GetPrinterA level 2 (the fields the program reads;
// the strings and the device mode live in the caller's buffer behind it).
struct PRINTER_INFO_2 {
  char* pServerName = nullptr;
  char* pPrinterName = nullptr;
  char* pShareName = nullptr;
  char* pPortName = nullptr;
  char* pDriverName = nullptr;
  char* pComment = nullptr;
  char* pLocation = nullptr;
  DeviceMode* pDevMode = nullptr;
  DWORD Attributes = 0;
  DWORD Status = 0;
};

// =====================================================================================
// Functions. Coordinates are logical units of the device context unless said
// otherwise; a null or stale handle makes a call fail without side effects.
// =====================================================================================

// ---- Device contexts (gdi_dc.cpp, paint_dc.cpp, gdi_devcaps.cpp) ----------------------
[[nodiscard]] HDC GetDC(HWND hwnd);  // null window: the screen
int ReleaseDC(HWND hwnd, HDC hdc);
[[nodiscard]] HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
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
[[nodiscard]] HFONT CreateFontA(int height, int width, int escapement, int orientation,
                                int weight, DWORD italic, DWORD underline, DWORD strikeOut,
                                DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                                DWORD quality, DWORD pitchAndFamily, const char* faceName);
[[nodiscard]] HFONT CreateFontIndirectA(const LOGFONTA* font);
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics);
int GetTextFaceA(HDC hdc, int size, char* faceName);
BOOL GetTextExtentPoint32A(HDC hdc, const char* text, int length, SIZE* size);
BOOL TextOutA(HDC hdc, int x, int y, const char* text, int length);
int DrawTextA(HDC hdc, const char* text, int length, RECT* rect, UINT format);

// ---- Bitmaps, DIBs, blits (bitmap_*.cpp) ----------------------------------------------------------
[[nodiscard]] HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                                   const void* bits);
[[nodiscard]] HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
LONG GetBitmapBits(HBITMAP bitmap, LONG size, void* bits);
LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits);
// Bitmap resources by number (a name pointer whose value is below 0x10000
// is the number, as resource names are passed).
[[nodiscard]] HBITMAP LoadBitmapA(HINSTANCE instance, const char* name);
[[nodiscard]] HBITMAP LoadBitmapA(HINSTANCE instance, int id);
// The program's pictures, registered at start-up as packed DIBs (header,
// colour table, rows). The bytes are copied.
void SetResourceBitmap(int id, const void* packedDib, std::size_t size);
void ClearResourceBitmaps();

[[nodiscard]] HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* header, DWORD init,
                                     const void* bits, const BITMAPINFO* info, UINT usage);
[[nodiscard]] HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage,
                                       void** bits, HANDLE section, DWORD offset);
int GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info,
              UINT usage);
int SetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* info, UINT usage);
UINT GetDIBColorTable(HDC hdc, UINT start, UINT count, RGBQUAD* colors);
UINT SetDIBColorTable(HDC hdc, UINT start, UINT count, const RGBQUAD* colors);

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY,
            DWORD rop);
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, DWORD rop);
// srcY counts from the bottom row of a bottom-up DIB. Returns the scan lines drawn.
int StretchDIBits(HDC hdc, int x, int y, int width, int height, int srcX, int srcY,
                  int srcWidth, int srcHeight, const void* bits, const BITMAPINFO* info,
                  UINT usage, DWORD rop);
int SetDIBitsToDevice(HDC hdc, int x, int y, DWORD width, DWORD height, int srcX, int srcY,
                      UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
                      UINT usage);

// ---- Palettes (bitmap_palette.cpp) ---------------------------------------------------------------
[[nodiscard]] HPALETTE CreatePalette(const LOGPALETTE* palette);
[[nodiscard]] HPALETTE CreateHalftonePalette(HDC hdc);
HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL forceBackground);
UINT RealizePalette(HDC hdc);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);
UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries);
UINT GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, PALETTEENTRY* entries);
UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color);

// ---- Metafiles (metafile.cpp) ----------------------------------------------------------------------
// frame: the picture's extent in 0.01 mm (null: the extent of what is drawn).
// A file name is not supported: the picture lives in memory.
[[nodiscard]] HDC CreateEnhMetaFileA(HDC reference, const char* fileName, const RECT* frame,
                                     const char* description);
[[nodiscard]] HENHMETAFILE CloseEnhMetaFile(HDC hdc);
[[nodiscard]] HENHMETAFILE CopyEnhMetaFileA(HENHMETAFILE metafile, const char* fileName);
BOOL PlayEnhMetaFile(HDC hdc, HENHMETAFILE metafile, const RECT* rect);
BOOL DeleteEnhMetaFile(HENHMETAFILE metafile);
// Frame (0.01 mm) and description of a metafile.
BOOL GetEnhMetaFileFrame(HENHMETAFILE metafile, RECT* frame);
[[nodiscard]] std::string GetEnhMetaFileDescription(HENHMETAFILE metafile);

// ---- Print jobs (print_*.cpp) -------------------------------------------------------------------------
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

// ---- Reading back what was drawn (gdi_readback.cpp) ---------------------------------------------------
// A picture as 0x00RRGGBB pixels, rows top-down.
struct Image32 {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  [[nodiscard]] std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};
// The pixels of a window's client area, or of the bitmap selected into a
// memory DC (a window DC reads its window). Empty for other contexts.
[[nodiscard]] Image32 ReadWindowPixels(HWND hwnd);
[[nodiscard]] Image32 ReadDcPixels(HDC hdc);
// Binary PPM (P6). false when the file cannot be written.
[[nodiscard]] bool WritePpm(const std::string& path, const Image32& image);
[[nodiscard]] bool ReadPpm(const std::string& path, Image32* image);

// Frees every drawing object, device context, metafile and print job and
// forgets the printer configuration (tests call it between cases).
void ResetGdi();

}  // namespace win
