// The drawing-object registry: creation of pens and brushes, stock objects,
// deletion (deferred while selected), object queries, and the reset.
#include "platform/gdi/gdi_objects.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <unordered_set>

#include "platform/gdi/gdi_dc.h"

namespace win {
namespace {

std::unordered_set<GdiObject*>& Registry() {
    // Never destroyed: objects still alive at exit (stock objects among
    // them) stay reachable.
    static auto& registry = *new std::unordered_set<GdiObject*>;
    return registry;
}

template <typename T>
T* AsKind(HGDIOBJ object, ObjectKind kind) {
    if (object == nullptr) return nullptr;
    auto* base = static_cast<GdiObject*>(object);
    if (!IsLiveObject(base) || base->kind != kind) return nullptr;
    return static_cast<T*>(base);
}

void Free(GdiObject* object) {
    Registry().erase(object);
    delete object;
}

template <typename T>
T* MakeStock(T* object) {
    object->stock = true;
    return object;
}

}  // namespace

void RegisterObject(GdiObject* object) {
    Registry().insert(object);
}

std::size_t DibSectionBytesFrom(const void* pointer) {
    const auto* p = static_cast<const std::uint8_t*>(pointer);
    if (p == nullptr) return 0;
    std::less<const std::uint8_t*> before;
    for (GdiObject* object : Registry()) {
        if (object->kind != ObjectKind::Bitmap || object->deletePending) continue;
        auto* bm = static_cast<BitmapObject*>(object);
        const std::uint8_t* start = bm->dibBits.get();
        if (!bm->dibSection || start == nullptr) continue;
        if (!before(p, start) && before(p, start + bm->dibBitsSize)) {
            return bm->dibBitsSize - static_cast<std::size_t>(p - start);
        }
    }
    return 0;
}

int LiveGdiObjectCount() {
    int n = 0;
    for (const GdiObject* o : Registry()) n += (!o->stock && !o->deletePending) ? 1 : 0;
    return n;
}

bool IsLiveObject(const GdiObject* object) {
    if (object == nullptr) return false;
    auto& reg = Registry();
    auto it = reg.find(const_cast<GdiObject*>(object));
    return it != reg.end() && !(*it)->deletePending;
}

PenObject* AsPen(HGDIOBJ o) {
    return AsKind<PenObject>(o, ObjectKind::Pen);
}
BrushObject* AsBrush(HGDIOBJ o) {
    return AsKind<BrushObject>(o, ObjectKind::Brush);
}
FontObject* AsFont(HGDIOBJ o) {
    return AsKind<FontObject>(o, ObjectKind::Font);
}
BitmapObject* AsBitmap(HGDIOBJ o) {
    return AsKind<BitmapObject>(o, ObjectKind::Bitmap);
}
PaletteObject* AsPalette(HGDIOBJ o) {
    return AsKind<PaletteObject>(o, ObjectKind::Palette);
}
RegionObject* AsRegion(HGDIOBJ o) {
    return AsKind<RegionObject>(o, ObjectKind::Region);
}

void RetainObject(GdiObject* object) {
    if (object != nullptr) ++object->selectCount;
}

void ReleaseObject(GdiObject* object) {
    if (object == nullptr) return;
    if (object->selectCount > 0) --object->selectCount;
    if (object->selectCount == 0 && object->deletePending && !object->stock) Free(object);
}

PenObject* NewPen(const LOGPEN& desc) {
    auto* pen = new PenObject;
    pen->desc = desc;
    RegisterObject(pen);
    return pen;
}

BrushObject* NewBrush(const LOGBRUSH& desc) {
    auto* brush = new BrushObject;
    brush->desc = desc;
    RegisterObject(brush);
    return brush;
}

FontObject* NewFont(const LOGFONTA& desc) {
    auto* font = new FontObject;
    font->desc = desc;
    font->desc.lfFaceName[LF_FACESIZE - 1] = '\0';
    RegisterObject(font);
    return font;
}

PaletteObject* NewPalette(const std::vector<PALETTEENTRY>& entries) {
    auto* palette = new PaletteObject;
    palette->entries = entries;
    RegisterObject(palette);
    return palette;
}

RegionObject* NewRegion(RegionData data) {
    auto* region = new RegionObject;
    region->data = std::move(data);
    RegisterObject(region);
    return region;
}

BitmapObject* NewBitmap(int width, int height, int bitsPixel) {
    return NewBitmap(width, height, bitsPixel, {});  // a new bitmap is black until drawn on
}

BitmapObject* NewBitmap(int width, int height, int bitsPixel, std::vector<std::uint32_t> pixels) {
    auto* bitmap = new BitmapObject;
    bitmap->width = width;
    bitmap->height = height;
    bitmap->bitsPixel = bitsPixel;
    bitmap->pixels = std::move(pixels);
    // Missing pixels are black.
    bitmap->pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0u);
    RegisterObject(bitmap);
    return bitmap;
}

// ---- Stock objects -------------------------------------------------------------

PenObject* StockPen(int index) {
    static PenObject* pens[3] = {nullptr, nullptr, nullptr};
    const int slot = index - WHITE_PEN;
    if (slot < 0 || slot > 2) return nullptr;
    if (pens[slot] == nullptr) {
        LOGPEN desc;
        desc.lopnStyle = index == NULL_PEN ? PS_NULL : PS_SOLID;
        desc.lopnColor = index == WHITE_PEN ? RGB(255, 255, 255) : RGB(0, 0, 0);
        pens[slot] = MakeStock(NewPen(desc));
    }
    return pens[slot];
}

BrushObject* StockBrush(int index) {
    static BrushObject* brushes[6] = {};
    if (index < WHITE_BRUSH || index > NULL_BRUSH) return nullptr;
    if (brushes[index] == nullptr) {
        static const COLORREF kColors[5] = {RGB(255, 255, 255), RGB(192, 192, 192),
                                            RGB(128, 128, 128), RGB(64, 64, 64), RGB(0, 0, 0)};
        LOGBRUSH desc;
        if (index == NULL_BRUSH) {
            desc.lbStyle = BS_NULL;
        } else {
            desc.lbColor = kColors[index];
        }
        brushes[index] = MakeStock(NewBrush(desc));
    }
    return brushes[index];
}

FontObject* StockFont(int index) {
    static FontObject* fonts[8] = {};
    const int slot = index - OEM_FIXED_FONT;
    if (slot < 0 || slot > 7) return nullptr;
    if (fonts[slot] == nullptr) {
        LOGFONTA desc;
        const char* face = "";
        switch (index) {
            case OEM_FIXED_FONT:  // the OEM code page in a fixed-pitch face, 8 x 12 cells
                desc.lfHeight = 12;
                desc.lfCharSet = OEM_CHARSET;
                desc.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
                face = "Terminal";
                break;
            case ANSI_FIXED_FONT:
            case SYSTEM_FIXED_FONT:
                desc.lfHeight = index == ANSI_FIXED_FONT ? 12 : 16;
                desc.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
                face = "Courier New";
                break;
            case ANSI_VAR_FONT:
                desc.lfHeight = 13;
                desc.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
                face = "MS Sans Serif";
                break;
            case DEFAULT_GUI_FONT:
                desc.lfHeight = -11;
                desc.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
                face = "MS Sans Serif";
                break;
            default:  // SYSTEM_FONT, DEVICE_DEFAULT_FONT: the bold system face
                desc.lfHeight = 16;
                desc.lfWeight = FW_BOLD;
                desc.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
                face = "System";
                break;
        }
        std::strncpy(desc.lfFaceName, face, LF_FACESIZE - 1);
        fonts[slot] = MakeStock(NewFont(desc));
    }
    return fonts[slot];
}

// The 20 reserved colours of the default palette: the 16 colours of the
// classic VGA set with four extra pastel colours in the middle (entries
// 8 to 11), in the order the program's colour tables expect (entries 0-7
// dark colours and black, 12-19 light colours and white).
PaletteObject* StockPalette() {
    static PaletteObject* palette = nullptr;
    if (palette == nullptr) {
        static const BYTE kRgb[20][3] = {
            {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
            {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
            {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
            {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
        std::vector<PALETTEENTRY> entries(20);
        for (int i = 0; i < 20; ++i) {
            entries[i].peRed = kRgb[i][0];
            entries[i].peGreen = kRgb[i][1];
            entries[i].peBlue = kRgb[i][2];
        }
        palette = MakeStock(NewPalette(entries));
    }
    return palette;
}

// ---- Public calls ----------------------------------------------------------------

HGDIOBJ GetStockObject(int index) {
    if (index >= WHITE_BRUSH && index <= NULL_BRUSH) return StockBrush(index);
    if (index >= WHITE_PEN && index <= NULL_PEN) return StockPen(index);
    if (index >= OEM_FIXED_FONT && index <= DEFAULT_GUI_FONT && index != DEFAULT_PALETTE) {
        return StockFont(index);
    }
    if (index == DEFAULT_PALETTE) return StockPalette();
    return nullptr;
}

HPEN CreatePen(int style, int width, COLORREF color) {
    LOGPEN desc;
    desc.lopnStyle = static_cast<UINT>(style);
    desc.lopnWidth.x = width;
    desc.lopnColor = color;
    return CreatePenIndirect(&desc);
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
    if (pen == nullptr) return nullptr;
    if (pen->lopnStyle != PS_SOLID && pen->lopnStyle != PS_NULL &&
        pen->lopnStyle != PS_INSIDEFRAME) {
        return nullptr;
    }
    LOGPEN desc = *pen;
    desc.lopnWidth.x = std::max<LONG>(0, desc.lopnWidth.x);
    desc.lopnWidth.y = 0;
    return NewPen(desc);
}

HBRUSH CreateSolidBrush(COLORREF color) {
    LOGBRUSH desc;
    desc.lbColor = color;
    return NewBrush(desc);
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
    LOGBRUSH desc;
    desc.lbStyle = BS_HATCHED;
    desc.lbColor = color;
    desc.lbHatch = static_cast<std::uintptr_t>(hatch);
    return CreateBrushIndirect(&desc);
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    if (brush == nullptr) return nullptr;
    if (brush->lbStyle == BS_HATCHED &&
        brush->lbHatch > static_cast<std::uintptr_t>(HS_DIAGCROSS)) {
        return nullptr;
    }
    if (brush->lbStyle != BS_SOLID && brush->lbStyle != BS_NULL && brush->lbStyle != BS_HATCHED) {
        return nullptr;
    }
    return NewBrush(*brush);
}

BOOL DeleteObject(HGDIOBJ object) {
    auto* base = static_cast<GdiObject*>(object);
    if (!IsLiveObject(base)) return FALSE;
    if (base->stock) return TRUE;
    if (base->selectCount > 0) {
        base->deletePending = true;
        return TRUE;
    }
    Free(base);
    return TRUE;
}

DWORD GetObjectType(HGDIOBJ object) {
    auto* base = static_cast<GdiObject*>(object);
    if (!IsLiveObject(base)) return 0;
    switch (base->kind) {
        case ObjectKind::Pen:
            return OBJ_PEN;
        case ObjectKind::Brush:
            return OBJ_BRUSH;
        case ObjectKind::Font:
            return OBJ_FONT;
        case ObjectKind::Bitmap:
            return OBJ_BITMAP;
        case ObjectKind::Palette:
            return OBJ_PAL;
        case ObjectKind::Region:
            return OBJ_REGION;
    }
    return 0;
}

namespace {

template <typename T>
int CopyOut(const T& value, int size, void* buffer) {
    if (buffer == nullptr) return static_cast<int>(sizeof(T));
    if (size < static_cast<int>(sizeof(T))) return 0;
    std::memcpy(buffer, &value, sizeof(T));
    return static_cast<int>(sizeof(T));
}

BITMAP DescribeBitmap(BitmapObject& bm) {
    BITMAP info;
    info.bmWidth = bm.width;
    info.bmHeight = bm.height;
    info.bmPlanes = 1;
    if (bm.dibSection) {
        info.bmBitsPixel = bm.dibHeader.biBitCount;
        info.bmWidthBytes = ((bm.width * info.bmBitsPixel + 31) / 32) * 4;
        info.bmBits = bm.dibBits.get();
    } else {
        info.bmBitsPixel = static_cast<WORD>(bm.bitsPixel);
        info.bmWidthBytes = ((bm.width * bm.bitsPixel + 15) / 16) * 2;
    }
    return info;
}

}  // namespace

int GetObjectA(HGDIOBJ object, int size, void* buffer) {
    auto* base = static_cast<GdiObject*>(object);
    if (!IsLiveObject(base)) return 0;
    switch (base->kind) {
        case ObjectKind::Pen:
            return CopyOut(static_cast<PenObject*>(base)->desc, size, buffer);
        case ObjectKind::Brush:
            return CopyOut(static_cast<BrushObject*>(base)->desc, size, buffer);
        case ObjectKind::Font:
            return CopyOut(static_cast<FontObject*>(base)->desc, size, buffer);
        case ObjectKind::Palette: {
            const WORD count = static_cast<WORD>(static_cast<PaletteObject*>(base)->entries.size());
            return CopyOut(count, size, buffer);
        }
        case ObjectKind::Bitmap: {
            auto& bm = *static_cast<BitmapObject*>(base);
            if (bm.dibSection && size >= static_cast<int>(sizeof(DIBSECTION))) {
                DIBSECTION ds;
                ds.dsBm = DescribeBitmap(bm);
                ds.dsBmih = bm.dibHeader;
                ds.dsBitfields[0] = bm.bitfields[0];
                ds.dsBitfields[1] = bm.bitfields[1];
                ds.dsBitfields[2] = bm.bitfields[2];
                return CopyOut(ds, size, buffer);
            }
            return CopyOut(DescribeBitmap(bm), size, buffer);
        }
        case ObjectKind::Region:
            return 0;
    }
    return 0;
}

void ResetObjects() {
    std::vector<GdiObject*> doomed;
    for (GdiObject* o : Registry()) {
        if (!o->stock) doomed.push_back(o);
    }
    for (GdiObject* o : doomed) Free(o);
    for (GdiObject* o : Registry()) o->selectCount = 0;
}

}  // namespace win
