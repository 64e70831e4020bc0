// Records and constants of the drawing services (the functions are in
// gdi.h). Values the program's requirements state are kept (weights 400 and
// 700, character sets 0 and 255, proof quality 2, escapement in tenths of a
// degree, 40-byte info headers); the other numeric values are ours.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window/win_types.h"

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
constexpr COLORREF PALETTEINDEX(WORD i) {
    return 0x01000000u | i;
}
constexpr COLORREF PALETTERGB(int r, int g, int b) {
    return 0x02000000u | RGB(r, g, b);
}
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
    LONG lfHeight = 0;      // > 0 cell height, < 0 character (em) height, logical units
    LONG lfWidth = 0;       // average character width; 0 keeps the face's proportions
    LONG lfEscapement = 0;  // tenths of a degree, counter-clockwise on the device
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
inline constexpr int DRIVERVERSION = 0;  // the device driver's version word
inline constexpr int TECHNOLOGY = 2;
inline constexpr int HORZSIZE = 4;  // millimetres
inline constexpr int VERTSIZE = 6;
inline constexpr int HORZRES = 8;  // printable pixels
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

}  // namespace win
