// DIB headers and row conversions.
#include "platform/bitmaps/bitmap_dib_format.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "platform/bitmaps/bitmap_palette.h"
#include "platform/gdi/surface.h"

namespace win {
namespace {

// Largest picture the drawing layer converts: 65535 pixels a side and 64
// million pixels in all (a quarter of a gigabyte of 32-bit pixels).
constexpr long long kMaxSide = 65535;
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

DWORD ReadU32(const std::uint8_t* p) {
    DWORD v;
    std::memcpy(&v, p, 4);
    return v;
}

int LowestBit(DWORD mask) {
    int shift = 0;
    while (mask != 0 && (mask & 1u) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// One channel of a masked pixel, widened to 8 bits.
std::uint32_t Channel(DWORD value, DWORD mask) {
    if (mask == 0) return 0;
    const int shift = LowestBit(mask);
    const DWORD max = mask >> shift;
    return static_cast<std::uint32_t>(((value & mask) >> shift) * 255u / max);
}

DWORD Unchannel(std::uint32_t c8, DWORD mask) {
    if (mask == 0) return 0;
    const int shift = LowestBit(mask);
    const DWORD max = mask >> shift;
    return ((c8 * max + 127u) / 255u) << shift;
}

std::uint32_t QuadPixel(const RGBQUAD& q) {
    return (static_cast<std::uint32_t>(q.rgbRed) << 16) |
           (static_cast<std::uint32_t>(q.rgbGreen) << 8) | q.rgbBlue;
}

}  // namespace

bool ParseDibHeader(const void* header, UINT usage, const std::vector<PALETTEENTRY>* palette,
                    DibLayout* layout, std::size_t available) {
    if (header == nullptr || layout == nullptr || available < 4) return false;
    const auto* bytes = static_cast<const std::uint8_t*>(header);
    const DWORD size = ReadU32(bytes);
    if (size > available) return false;
    DibLayout l;
    DWORD clrUsed = 0;
    bool core = false;
    if (size == sizeof(BITMAPCOREHEADER)) {
        BITMAPCOREHEADER h;
        std::memcpy(&h, bytes, sizeof h);
        l.width = h.bcWidth;
        l.height = h.bcHeight;
        l.bitCount = h.bcBitCount;
        core = true;
    } else if (size >= sizeof(BITMAPINFOHEADER) && size <= 1024) {
        BITMAPINFOHEADER h;
        std::memcpy(&h, bytes, sizeof h);
        l.width = h.biWidth;
        l.topDown = h.biHeight < 0;
        l.height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
        l.bitCount = h.biBitCount;
        l.compression = h.biCompression;
        clrUsed = h.biClrUsed;
    } else {
        return false;
    }
    if (l.width <= 0 || l.height <= 0 || l.width > kMaxSide || l.height > kMaxSide ||
        static_cast<long long>(l.width) * l.height > kMaxPixels) {
        return false;
    }
    switch (l.bitCount) {
        case 1:
        case 4:
        case 8:
        case 24:
            if (l.compression != BI_RGB) return false;
            break;
        case 16:
        case 32:
            if (l.compression != BI_RGB && l.compression != BI_BITFIELDS) return false;
            break;
        default:
            return false;
    }
    std::size_t offset = size;
    if (l.compression == BI_BITFIELDS) {
        if (available < sizeof(BITMAPINFOHEADER) + 12) return false;
        // The three masks follow a 40-byte header, or sit inside a longer one.
        const std::size_t at = size == sizeof(BITMAPINFOHEADER) ? size : sizeof(BITMAPINFOHEADER);
        for (int i = 0; i < 3; ++i) l.masks[i] = ReadU32(bytes + at + 4 * i);
        if (size == sizeof(BITMAPINFOHEADER)) offset += 12;
    } else if (l.bitCount == 16) {
        l.masks = {0x7C00, 0x03E0, 0x001F};
    } else if (l.bitCount == 32) {
        l.masks = {0xFF0000, 0xFF00, 0xFF};
    }
    std::size_t entries = 0;
    if (l.bitCount <= 8) {
        const std::size_t full = std::size_t{1} << l.bitCount;
        entries = clrUsed != 0 ? std::min<std::size_t>(clrUsed, full) : full;
    } else {
        entries = std::min<DWORD>(clrUsed, 256);
    }
    const std::size_t entrySize = usage == DIB_PAL_COLORS && !core ? 2 : (core ? 3 : 4);
    if (offset + entries * entrySize > available) return false;
    const std::vector<PALETTEENTRY>& pal = palette != nullptr ? *palette : DefaultPaletteEntries();
    for (std::size_t i = 0; i < entries; ++i) {
        RGBQUAD q;
        if (usage == DIB_PAL_COLORS && !core) {
            WORD index;
            std::memcpy(&index, bytes + offset + 2 * i, 2);
            if (index < pal.size()) {
                q.rgbRed = pal[index].peRed;
                q.rgbGreen = pal[index].peGreen;
                q.rgbBlue = pal[index].peBlue;
            }
        } else if (core) {
            const std::uint8_t* t = bytes + offset + 3 * i;
            q.rgbBlue = t[0];
            q.rgbGreen = t[1];
            q.rgbRed = t[2];
        } else {
            std::memcpy(&q, bytes + offset + 4 * i, 4);
        }
        if (l.bitCount <= 8) l.colors.push_back(q);
    }
    l.headerBytes = offset + entries * entrySize;
    l.stride = DibStride(l.width, l.bitCount);
    *layout = std::move(l);
    return true;
}

bool ParsePackedDib(const void* dib, std::size_t size, DibLayout* layout) {
    DibLayout l;
    if (!ParseDibHeader(dib, DIB_RGB_COLORS, nullptr, &l, size)) return false;
    if (l.headerBytes > size || size - l.headerBytes < l.ImageBytes()) return false;
    *layout = std::move(l);
    return true;
}

void DibToPixels(const DibLayout& l, const std::uint8_t* bits, std::vector<std::uint32_t>* out) {
    out->assign(static_cast<std::size_t>(l.width) * static_cast<std::size_t>(l.height), 0);
    if (bits == nullptr) return;
    std::vector<std::uint32_t> table(256, 0);
    for (std::size_t i = 0; i < l.colors.size() && i < 256; ++i) table[i] = QuadPixel(l.colors[i]);
    for (int y = 0; y < l.height; ++y) {
        const int srcRow = l.topDown ? y : l.height - 1 - y;
        const std::uint8_t* row = bits + static_cast<std::size_t>(srcRow) * l.stride;
        std::uint32_t* dst = out->data() + static_cast<std::size_t>(y) * l.width;
        for (int x = 0; x < l.width; ++x) {
            switch (l.bitCount) {
                case 1:
                    dst[x] = table[(row[x >> 3] >> (7 - (x & 7))) & 1];
                    break;
                case 4:
                    dst[x] = table[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
                    break;
                case 8:
                    dst[x] = table[row[x]];
                    break;
                case 16: {
                    const DWORD v =
                        static_cast<DWORD>(row[2 * x]) | (static_cast<DWORD>(row[2 * x + 1]) << 8);
                    dst[x] = (Channel(v, l.masks[0]) << 16) | (Channel(v, l.masks[1]) << 8) |
                             Channel(v, l.masks[2]);
                    break;
                }
                case 24:
                    dst[x] = (static_cast<std::uint32_t>(row[3 * x + 2]) << 16) |
                             (static_cast<std::uint32_t>(row[3 * x + 1]) << 8) | row[3 * x];
                    break;
                case 32: {
                    const DWORD v = ReadU32(row + 4 * x);
                    dst[x] = (Channel(v, l.masks[0]) << 16) | (Channel(v, l.masks[1]) << 8) |
                             Channel(v, l.masks[2]);
                    break;
                }
                default:
                    break;
            }
        }
    }
}

int NearestColorIndex(const std::vector<RGBQUAD>& colors, std::uint32_t pixel) {
    const int r = static_cast<int>((pixel >> 16) & 0xFF);
    const int g = static_cast<int>((pixel >> 8) & 0xFF);
    const int b = static_cast<int>(pixel & 0xFF);
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const long dr = r - colors[i].rgbRed;
        const long dg = g - colors[i].rgbGreen;
        const long db = b - colors[i].rgbBlue;
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
            if (d == 0) break;
        }
    }
    return best;
}

void PixelsToDib(const DibLayout& l, const std::uint32_t* pixels, std::uint8_t* bits) {
    if (bits == nullptr || pixels == nullptr) return;
    std::unordered_map<std::uint32_t, int> nearest;
    auto index = [&](std::uint32_t p) {
        auto it = nearest.find(p);
        if (it != nearest.end()) return it->second;
        const int i = NearestColorIndex(l.colors, p);
        nearest.emplace(p, i);
        return i;
    };
    for (int y = 0; y < l.height; ++y) {
        const int dstRow = l.topDown ? y : l.height - 1 - y;
        std::uint8_t* row = bits + static_cast<std::size_t>(dstRow) * l.stride;
        const std::uint32_t* src = pixels + static_cast<std::size_t>(y) * l.width;
        if (l.bitCount < 8) std::memset(row, 0, l.stride);
        for (int x = 0; x < l.width; ++x) {
            const std::uint32_t p = src[x] & 0x00FFFFFFu;
            switch (l.bitCount) {
                case 1:
                    if (index(p) != 0) row[x >> 3] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
                    break;
                case 4:
                    row[x >> 1] |= static_cast<std::uint8_t>(index(p) << ((x & 1) ? 0 : 4));
                    break;
                case 8:
                    row[x] = static_cast<std::uint8_t>(index(p));
                    break;
                case 16: {
                    const DWORD v = Unchannel((p >> 16) & 0xFF, l.masks[0]) |
                                    Unchannel((p >> 8) & 0xFF, l.masks[1]) |
                                    Unchannel(p & 0xFF, l.masks[2]);
                    row[2 * x] = static_cast<std::uint8_t>(v & 0xFF);
                    row[2 * x + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
                    break;
                }
                case 24:
                    row[3 * x] = static_cast<std::uint8_t>(p & 0xFF);
                    row[3 * x + 1] = static_cast<std::uint8_t>((p >> 8) & 0xFF);
                    row[3 * x + 2] = static_cast<std::uint8_t>((p >> 16) & 0xFF);
                    break;
                case 32: {
                    const DWORD v = Unchannel((p >> 16) & 0xFF, l.masks[0]) |
                                    Unchannel((p >> 8) & 0xFF, l.masks[1]) |
                                    Unchannel(p & 0xFF, l.masks[2]);
                    std::memcpy(row + 4 * x, &v, 4);
                    break;
                }
                default:
                    break;
            }
        }
    }
}

std::vector<RGBQUAD> StandardColorTable(int bitCount) {
    std::vector<RGBQUAD> table;
    auto add = [&table](const PALETTEENTRY& e) {
        RGBQUAD q;
        q.rgbRed = e.peRed;
        q.rgbGreen = e.peGreen;
        q.rgbBlue = e.peBlue;
        table.push_back(q);
    };
    if (bitCount == 1) {
        table.resize(2);
        table[1].rgbRed = table[1].rgbGreen = table[1].rgbBlue = 255;
    } else if (bitCount == 4) {
        const std::vector<PALETTEENTRY>& stock = DefaultPaletteEntries();
        for (int i = 0; i < 20; ++i) {
            if (i < 8 || i >= 12) add(stock[static_cast<std::size_t>(i)]);
        }
    } else if (bitCount == 8) {
        for (const PALETTEENTRY& e : HalftoneEntries()) add(e);
    }
    return table;
}

}  // namespace win
