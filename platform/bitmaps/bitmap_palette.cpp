// Logical palettes: creation, selection and realisation, entries, the
// default and halftone palettes, and nearest-colour lookup.
//
// The screen is a true-colour device, so realising a palette maps nothing
// (every colour shows as it is); palettes matter for the colour tables of
// DIBs drawn with palette indices and for the program's own colour tables.
#include "platform/bitmaps/bitmap_palette.h"

#include <algorithm>

#include "platform/bitmaps/bitmap_dib_format.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/metafile/metafile_ops.h"

namespace win {

const std::vector<PALETTEENTRY>& DefaultPaletteEntries() {
    return StockPalette()->entries;
}

const std::vector<PALETTEENTRY>& HalftoneEntries() {
    static const std::vector<PALETTEENTRY> entries = [] {
        std::vector<PALETTEENTRY> e;
        const std::vector<PALETTEENTRY>& stock = DefaultPaletteEntries();
        for (int i = 0; i < 10; ++i) e.push_back(stock[static_cast<std::size_t>(i)]);
        static const BYTE kLevels[6] = {0, 51, 102, 153, 204, 255};
        for (int r = 0; r < 6; ++r) {
            for (int g = 0; g < 6; ++g) {
                for (int b = 0; b < 6; ++b) {
                    PALETTEENTRY p;
                    p.peRed = kLevels[r];
                    p.peGreen = kLevels[g];
                    p.peBlue = kLevels[b];
                    e.push_back(p);
                }
            }
        }
        for (int i = 1; i <= 20; ++i) {
            PALETTEENTRY p;
            p.peRed = p.peGreen = p.peBlue = static_cast<BYTE>((i * 255 + 10) / 21);
            e.push_back(p);
        }
        for (int i = 10; i < 20; ++i) e.push_back(stock[static_cast<std::size_t>(i)]);
        return e;
    }();
    return entries;
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
    if (palette == nullptr || palette->palVersion != 0x300 || palette->palNumEntries == 0) {
        return nullptr;
    }
    std::vector<PALETTEENTRY> entries(palette->palPalEntry,
                                      palette->palPalEntry + palette->palNumEntries);
    return NewPalette(entries);
}

HPALETTE CreateHalftonePalette(HDC hdc) {
    if (hdc != nullptr && AsDc(hdc) == nullptr) return nullptr;
    return NewPalette(HalftoneEntries());
}

HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL /*forceBackground*/) {
    DeviceContext* dc = AsDc(hdc);
    PaletteObject* p = AsPalette(palette);
    if (dc == nullptr || p == nullptr) return nullptr;
    Record(*dc, ops::SelectPalette{p->entries});
    PaletteObject* previous = dc->state.palette;
    RetainObject(p);
    dc->state.palette = p;
    ReleaseObject(previous);
    return previous;
}

UINT RealizePalette(HDC hdc) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || dc->state.palette == nullptr) return GDI_ERROR;
    // Nothing changes on a true-colour device.
    return 0;
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
    PaletteObject* p = AsPalette(palette);
    if (p == nullptr) return 0;
    const UINT size = static_cast<UINT>(p->entries.size());
    if (entries == nullptr) return size;
    if (start >= size) return 0;
    const UINT n = std::min(count, size - start);
    std::copy_n(p->entries.begin() + start, n, entries);
    return n;
}

UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries) {
    PaletteObject* p = AsPalette(palette);
    if (p == nullptr || entries == nullptr || p->stock) return 0;
    const UINT size = static_cast<UINT>(p->entries.size());
    if (start >= size) return 0;
    const UINT n = std::min(count, size - start);
    std::copy_n(entries, n, p->entries.begin() + start);
    return n;
}

UINT GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, PALETTEENTRY* entries) {
    // A true-colour screen has no system palette; one set to few colours has
    // the colours it can show.
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || dc->caps.bitsPixel > 8) return 0;
    std::vector<PALETTEENTRY> system;
    if (dc->caps.bitsPixel == 8) {
        system = HalftoneEntries();
    } else if (dc->caps.bitsPixel == 4) {
        const std::vector<PALETTEENTRY>& stock = DefaultPaletteEntries();
        for (std::size_t i = 0; i < stock.size(); ++i)
            if (i < 8 || i >= 12) system.push_back(stock[i]);
    } else {
        system = {PALETTEENTRY{0, 0, 0, 0}, PALETTEENTRY{255, 255, 255, 0}};
    }
    UINT n = 0;
    for (; n < count && start + n < system.size(); ++n) {
        if (entries != nullptr) entries[n] = system[start + n];
    }
    return n;
}

UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color) {
    PaletteObject* p = AsPalette(palette);
    if (p == nullptr || p->entries.empty()) return CLR_INVALID;
    std::vector<RGBQUAD> table;
    for (const PALETTEENTRY& e : p->entries) {
        RGBQUAD q;
        q.rgbRed = e.peRed;
        q.rgbGreen = e.peGreen;
        q.rgbBlue = e.peBlue;
        table.push_back(q);
    }
    const std::uint32_t pixel = (static_cast<std::uint32_t>(GetRValue(color)) << 16) |
                                (static_cast<std::uint32_t>(GetGValue(color)) << 8) |
                                GetBValue(color);
    return static_cast<UINT>(NearestColorIndex(table, pixel));
}

}  // namespace win
