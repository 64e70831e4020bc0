// Fixed colour tables of 8-bit images, colour ramps, and per-channel table
// remaps of pixels.
#include <algorithm>
#include <cstring>
#include <vector>

#include "imaging/bridges/image_copies.h"
#include "imaging/colour/depth_conversion.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"

namespace {

bool HasEightBitTable(const ImageDesc* image) {
    return image != nullptr && image->header != nullptr && image->header->biBitCount == 8 &&
           image->palette != nullptr;
}

std::vector<win::PALETTEENTRY> EntriesOf(win::HPALETTE palette) {
    std::vector<win::PALETTEENTRY> entries(256);
    const win::UINT n = win::GetPaletteEntries(palette, 0, 256, entries.data());
    entries.resize(n);
    return entries;
}

std::vector<win::PALETTEENTRY> StockEntries() {
    return EntriesOf(static_cast<win::HPALETTE>(win::GetStockObject(win::DEFAULT_PALETTE)));
}

win::RGBQUAD Quad(const win::PALETTEENTRY& e) {
    return win::RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
}

// Writes the table and refreshes what depends on it.
int32_t SetTable(ImageDesc* image, const std::vector<win::RGBQUAD>& table) {
    const auto n = static_cast<int32_t>(std::min<std::size_t>(table.size(), 256));
    std::copy(table.begin(), table.begin() + n, image->palette);
    image->colorCount = n;
    image->flags &= ~IMG_FLAG_GREY;
    if (image->dibSection != nullptr) (void)SetDibSectionPalette(image);
    return n;
}

}  // namespace

int32_t FillStockPalette(int32_t mode, ImageDesc* image) {
    if (!HasEightBitTable(image)) return 0;
    std::vector<win::PALETTEENTRY> entries;
    if (mode < 2) {
        entries = StockEntries();
    } else {
        win::HWND desktop = win::GetDesktopWindow();
        win::HDC screen = win::GetDC(desktop);
        win::HPALETTE halftone = win::CreateHalftonePalette(screen);
        win::ReleaseDC(desktop, screen);
        if (halftone == nullptr) return 0;
        entries = EntriesOf(halftone);
        win::DeleteObject(halftone);
    }
    std::vector<win::RGBQUAD> table;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (mode == 1 && i == 8) i = 12;  // the VGA colours skip the four system extras
        if (i < entries.size()) table.push_back(Quad(entries[i]));
    }
    return SetTable(image, table);
}

int32_t FillSystemPalette16(ImageDesc* image) {
    return FillStockPalette(1, image);
}

int32_t FillHalftonePalette(ImageDesc* image) {
    return FillStockPalette(2, image);
}

int32_t FillColorCubePalette(ImageDesc* image) {
    if (!HasEightBitTable(image)) return 0;
    const std::vector<win::PALETTEENTRY> stock = StockEntries();
    std::vector<win::RGBQUAD> table;
    for (int i = 0; i < 10; ++i)
        table.push_back(i < static_cast<int>(stock.size()) ? Quad(stock[i]) : win::RGBQUAD{});
    for (int r = 5; r >= 0; --r)
        for (int g = 5; g >= 0; --g)
            for (int b = 5; b >= 0; --b) {
                table.push_back(win::RGBQUAD{static_cast<uint8_t>(51 * b),
                                             static_cast<uint8_t>(51 * g),
                                             static_cast<uint8_t>(51 * r), 0});
            }
    for (int k = 0; k < 20; ++k) {
        const auto grey = static_cast<uint8_t>(16 + 12 * k);
        table.push_back(win::RGBQUAD{grey, grey, grey, 0});
    }
    for (int i = 10; i < 20; ++i)
        table.push_back(i < static_cast<int>(stock.size()) ? Quad(stock[i]) : win::RGBQUAD{});
    return SetTable(image, table);
}

int32_t SetPaletteRamp(ImageDesc* image, const uint8_t* points, int32_t count) {
    if (!HasEightBitTable(image)) return IMG_BAD_BIT_DEPTH;
    if (count > 256) return IMG_OUT_OF_RANGE;
    if (count < 2 || points == nullptr) return IMG_OK;
    for (int32_t i = 0; i + 1 < count; ++i) {
        const uint8_t* a = points + 4 * i;
        const uint8_t* b = a + 4;
        if (a[0] == b[0]) break;    // equal indices end the ramp
        if (b[0] < a[0]) continue;  // a falling pair changes nothing
        const double span = b[0] - a[0];
        for (int index = a[0]; index <= b[0]; ++index) {
            const double t = (index - a[0]) / span;
            auto channel = [&](int c) {
                return static_cast<uint8_t>(a[c] + (b[c] - a[c]) * t + 0.5);
            };
            image->palette[index] = win::RGBQUAD{channel(3), channel(2), channel(1), 0};
        }
    }
    if (image->dibSection != nullptr) (void)SetDibSectionPalette(image);
    return IMG_OK;
}

int32_t PrintConvertCallback(const void* red, const void* green, const void* blue,
                             ImageDesc* source, ImageDesc* result) {
    int32_t status = CheckImageTriple(source);
    if (status == IMG_OK) status = CheckImageTriple(result);
    if (status != IMG_OK) return status;
    const int32_t bits = source->header->biBitCount;
    if (bits != result->header->biBitCount) return IMG_BAD_BIT_DEPTH;
    if (red == nullptr || (bits == 24 && (green == nullptr || blue == nullptr))) {
        return IMG_BAD_ARGUMENT;
    }
    int32_t rows = 0;
    int32_t columns = 0;
    ClipImageArea(source, result, &rows, &columns);
    const auto* r8 = static_cast<const uint8_t*>(red);
    const auto* g8 = static_cast<const uint8_t*>(green);
    const auto* b8 = static_cast<const uint8_t*>(blue);
    const auto* r16 = static_cast<const uint16_t*>(red);
    for (int32_t y = 0; y < rows; ++y) {
        const uint8_t* from = ImageRow(*source, source->startY + y);
        uint8_t* to = ImageRow(*result, result->startY + y);
        for (int32_t x = 0; x < columns; ++x) {
            const std::size_t sx = static_cast<std::size_t>(source->startX + x);
            const std::size_t rx = static_cast<std::size_t>(result->startX + x);
            if (bits == 8) {
                to[rx] = r8[from[sx]];
            } else if (bits == 16) {
                uint16_t pixel;
                std::memcpy(&pixel, from + 2 * sx, 2);
                pixel = r16[pixel];
                std::memcpy(to + 2 * rx, &pixel, 2);
            } else if (bits == 24) {
                to[3 * rx + 2] = r8[from[3 * sx + 2]];
                to[3 * rx + 1] = g8[from[3 * sx + 1]];
                to[3 * rx] = b8[from[3 * sx]];
            }
        }
    }
    return IMG_OK;
}

int32_t ApplyColorTablesToImage(const void* red, const void* green, const void* blue,
                                ImageDesc* source, ImageDesc* result) {
    // An 8-bit colour picture's indices cannot go through tables: its colours
    // do, in a 24-bit copy reduced back to 256 colours.
    if (source != nullptr && source->header != nullptr && source->header->biBitCount == 8 &&
        (source->flags & IMG_FLAG_GREY) == 0) {
        const TrueColorOperation throughTables = [](const std::vector<const void*>& tables,
                                                    ImageDesc* from, ImageDesc* to) {
            return PrintConvertCallback(tables[0], tables[1], tables[2], from, to);
        };
        return ApplyToTrueColorCopy(throughTables, source, result, "RGB", red, green, blue);
    }
    return PrintConvertCallback(red, green, blue, source, result);
}
