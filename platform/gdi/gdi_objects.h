// Internal definitions of the drawing objects behind the handles of gdi.h.
//
// Every object is a heap record derived from GdiObject and listed in one
// registry, so a handle is checked before it is trusted and a stale handle
// fails instead of crashing. An object selected into a device context keeps
// a selection count; deleting it then only marks it, and it is freed when
// the last context lets go of it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/gdi_region_data.h"
#include "platform/gdi/gdi_types.h"

namespace win {

enum class ObjectKind { Pen, Brush, Font, Bitmap, Palette, Region };

struct GdiObject {
    explicit GdiObject(ObjectKind k) : kind(k) {}
    virtual ~GdiObject() = default;
    ObjectKind kind;
    bool stock = false;          // never deleted
    bool deletePending = false;  // deleted while selected
    int selectCount = 0;
};

struct PenObject : GdiObject {
    PenObject() : GdiObject(ObjectKind::Pen) {}
    LOGPEN desc;
};

struct BrushObject : GdiObject {
    BrushObject() : GdiObject(ObjectKind::Brush) {}
    LOGBRUSH desc;
};

struct FontObject : GdiObject {
    FontObject() : GdiObject(ObjectKind::Font) {}
    LOGFONTA desc;
};

// Pixels of a bitmap. A device-dependent bitmap keeps 0x00RRGGBB pixels
// (a monochrome one keeps only black and white); a DIB section keeps the
// program-visible DIB rows and its colour table, and is converted to and
// from 0x00RRGGBB pixels around each drawing call.
struct BitmapObject : GdiObject {
    BitmapObject() : GdiObject(ObjectKind::Bitmap) {}
    int width = 0;
    int height = 0;
    int bitsPixel = 32;                 // 1 for monochrome device bitmaps
    std::vector<std::uint32_t> pixels;  // device bitmaps: width x height, top-down
    // DIB sections only:
    bool dibSection = false;
    BITMAPINFOHEADER dibHeader;
    std::vector<RGBQUAD> colorTable;
    std::array<DWORD, 3> bitfields = {0, 0, 0};
    std::unique_ptr<std::uint8_t[]> dibBits;
    std::size_t dibBitsSize = 0;
};

struct PaletteObject : GdiObject {
    PaletteObject() : GdiObject(ObjectKind::Palette) {}
    std::vector<PALETTEENTRY> entries;
};

struct RegionObject : GdiObject {
    RegionObject() : GdiObject(ObjectKind::Region) {}
    RegionData data;
};

// Registry. Live() answers whether a handle names a live object (not a
// pending deletion) of the wanted kind; the As* helpers return null else.
void RegisterObject(GdiObject* object);
[[nodiscard]] bool IsLiveObject(const GdiObject* object);
[[nodiscard]] PenObject* AsPen(HGDIOBJ object);
[[nodiscard]] BrushObject* AsBrush(HGDIOBJ object);
[[nodiscard]] FontObject* AsFont(HGDIOBJ object);
[[nodiscard]] BitmapObject* AsBitmap(HGDIOBJ object);
[[nodiscard]] PaletteObject* AsPalette(HGDIOBJ object);
[[nodiscard]] RegionObject* AsRegion(HGDIOBJ object);

// Selection bookkeeping: Retain when a context selects the object, Release
// when it deselects it (frees a pending deletion).
void RetainObject(GdiObject* object);
void ReleaseObject(GdiObject* object);

// The stock objects, made on first use.
[[nodiscard]] PenObject* StockPen(int index);
[[nodiscard]] BrushObject* StockBrush(int index);
[[nodiscard]] FontObject* StockFont(int index);
[[nodiscard]] PaletteObject* StockPalette();

// New objects from descriptions (used by metafile playback as well).
[[nodiscard]] PenObject* NewPen(const LOGPEN& desc);
[[nodiscard]] BrushObject* NewBrush(const LOGBRUSH& desc);
[[nodiscard]] FontObject* NewFont(const LOGFONTA& desc);
[[nodiscard]] PaletteObject* NewPalette(const std::vector<PALETTEENTRY>& entries);
[[nodiscard]] RegionObject* NewRegion(RegionData data);
[[nodiscard]] BitmapObject* NewBitmap(int width, int height, int bitsPixel);
// A device bitmap that takes `pixels` (width x height, top-down) as they are.
[[nodiscard]] BitmapObject* NewBitmap(int width, int height, int bitsPixel,
                                      std::vector<std::uint32_t> pixels);

// Frees every object that is not a stock object (tests' reset).
void ResetObjects();

}  // namespace win
