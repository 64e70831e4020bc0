// Bitmaps and DIBs: row layouts of every depth, reading and setting a
// bitmap's pixels, DIB sections, stretching with the stretch modes, raster
// operations, monochrome colour mapping, palettes and picture resources.
#include <cstring>
#include <vector>

#include "platform/bitmaps/bitmap_dib_format.h"
#include "tests/platform/gdi_test_support.h"

namespace win::test {
namespace {

using BitmapTest = GdiTest;

// A packed 8-bit DIB: header, colour table, rows.
struct Dib8 {
    std::vector<std::uint8_t> block;
    BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(block.data()); }
    std::uint8_t* Bits() { return block.data() + 40 + 4 * colors; }
    int width;
    int height;
    int colors;
    std::size_t stride;
};

// Rows are given top-down; the DIB stores them bottom-up.
Dib8 MakeDib8(int width, const std::vector<std::vector<int>>& topDown,
              const std::vector<COLORREF>& table) {
    Dib8 d;
    d.width = width;
    d.height = static_cast<int>(topDown.size());
    d.colors = static_cast<int>(table.size());
    d.stride = DibStride(width, 8);
    d.block.assign(40 + 4 * table.size() + d.stride * d.height, 0);
    BITMAPINFOHEADER h;
    h.biWidth = width;
    h.biHeight = d.height;
    h.biBitCount = 8;
    h.biClrUsed = static_cast<DWORD>(table.size());
    std::memcpy(d.block.data(), &h, sizeof h);
    for (std::size_t i = 0; i < table.size(); ++i) {
        std::uint8_t* q = d.block.data() + 40 + 4 * i;
        q[0] = GetBValue(table[i]);
        q[1] = GetGValue(table[i]);
        q[2] = GetRValue(table[i]);
    }
    for (int y = 0; y < d.height; ++y) {
        std::uint8_t* row = d.Bits() + (d.height - 1 - y) * d.stride;
        for (int x = 0; x < width; ++x) row[x] = static_cast<std::uint8_t>(topDown[y][x]);
    }
    return d;
}

TEST_F(BitmapTest, RowLayoutsOfEveryDepthSurviveARoundTrip) {
    // A 7 x 3 picture of eight colours, stored at each depth (1 bit keeps
    // only two colours) bottom-up and top-down.
    const std::uint32_t colours[8] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                      0x0000FF, 0x808080, 0xC0C0C0, 0x800000};
    for (int depth : {1, 4, 8, 16, 24, 32}) {
        for (bool topDown : {false, true}) {
            DibLayout l;
            l.width = 7;
            l.height = 3;
            l.topDown = topDown;
            l.bitCount = depth;
            l.stride = DibStride(7, depth);
            if (depth <= 8) {
                for (int i = 0; i < (depth == 1 ? 2 : 8); ++i) {
                    RGBQUAD q;
                    q.rgbRed = static_cast<BYTE>(colours[i] >> 16);
                    q.rgbGreen = static_cast<BYTE>(colours[i] >> 8);
                    q.rgbBlue = static_cast<BYTE>(colours[i]);
                    l.colors.push_back(q);
                }
            }
            if (depth == 16) l.masks = {0x7C00, 0x03E0, 0x001F};
            if (depth == 32) l.masks = {0xFF0000, 0xFF00, 0xFF};
            std::vector<std::uint32_t> pixels(21);
            for (int i = 0; i < 21; ++i) pixels[i] = colours[depth == 1 ? i % 2 : i % 8];
            if (depth == 16) {
                // Five bits a channel: use levels that survive (0, 255).
                for (std::uint32_t& p : pixels)
                    p = p == 0x808080 || p == 0xC0C0C0 || p == 0x800000 ? 0xFF00FF : p;
            }
            std::vector<std::uint8_t> bits(l.ImageBytes());
            PixelsToDib(l, pixels.data(), bits.data());
            std::vector<std::uint32_t> back;
            DibToPixels(l, bits.data(), &back);
            EXPECT_EQ(back, pixels) << "depth " << depth << (topDown ? " top-down" : " bottom-up");
        }
    }
    // Stride: rows padded to 32 bits.
    EXPECT_EQ(DibStride(1, 1), 4u);
    EXPECT_EQ(DibStride(33, 1), 8u);
    EXPECT_EQ(DibStride(7, 24), 24u);
}

TEST_F(BitmapTest, PackedPixelsStartAtTheHighBitsAndTheBottomRow) {
    // 4 bits: the first pixel of a byte is its high nibble; the first row in
    // memory is the picture's bottom row.
    DibLayout l;
    l.width = 2;
    l.height = 2;
    l.bitCount = 4;
    l.stride = 4;
    l.colors.resize(16);
    l.colors[1].rgbRed = 255;
    l.colors[2].rgbGreen = 255;
    const std::uint8_t bits[8] = {0x12, 0, 0, 0, 0x21, 0, 0, 0};
    std::vector<std::uint32_t> px;
    DibToPixels(l, bits, &px);
    EXPECT_EQ(px[0], 0x00FF00u);  // top-left: second row in memory, high nibble 2
    EXPECT_EQ(px[1], 0xFF0000u);
    EXPECT_EQ(px[2], 0xFF0000u);  // bottom-left: first row, high nibble 1
}

TEST_F(BitmapTest, ReadingABitmapGivesBottomUpRowsOfTheAskedDepth) {
    MemoryCanvas c(5, 4);
    SetPixel(c.Dc(), 1, 0, RGB(10, 20, 30));          // top row
    SetPixel(c.Dc(), 4, 3, RGB(200, 0, 0));           // bottom-right
    SelectObject(c.Dc(), GetStockObject(BLACK_PEN));  // the bitmap stays selected
    BITMAPINFO info{};                                // biBitCount 0: ask for the header only
    HDC screen = CreateCompatibleDC(nullptr);
    // Header only: the bitmap's own size and depth.
    EXPECT_EQ(GetDIBits(screen, c.Bitmap(), 0, 4, nullptr, &info, DIB_RGB_COLORS), 4);
    EXPECT_EQ(info.bmiHeader.biWidth, 5);
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);
    info.bmiHeader.biBitCount = 24;
    std::vector<std::uint8_t> bits(DibStride(5, 24) * 4);
    EXPECT_EQ(GetDIBits(screen, c.Bitmap(), 0, 4, bits.data(), &info, DIB_RGB_COLORS), 4);
    EXPECT_EQ(info.bmiHeader.biSizeImage, 16u * 4u);
    const std::size_t stride = 16;
    // The top row is the last in memory; pixels are blue, green, red.
    EXPECT_EQ(bits[3 * stride + 3], 30);
    EXPECT_EQ(bits[3 * stride + 4], 20);
    EXPECT_EQ(bits[3 * stride + 5], 10);
    EXPECT_EQ(bits[0 * stride + 14], 200);
    // Writing the rows back into a second bitmap copies the picture.
    HBITMAP copy = CreateBitmap(5, 4, 1, 32, nullptr);
    EXPECT_EQ(SetDIBits(screen, copy, 0, 4, bits.data(), &info, DIB_RGB_COLORS), 4);
    HDC view = CreateCompatibleDC(nullptr);
    SelectObject(view, copy);
    EXPECT_EQ(ReadDcPixels(view).pixels, c.Pixels().pixels);
    DeleteDC(view);
    DeleteObject(copy);
    DeleteDC(screen);
}

TEST_F(BitmapTest, DibSectionsShareTheirRowsWithTheProgram) {
    std::vector<std::uint8_t> header(40 + 4 * 4, 0);
    BITMAPINFOHEADER h;
    h.biWidth = 4;
    h.biHeight = 2;
    h.biBitCount = 8;
    h.biClrUsed = 4;
    std::memcpy(header.data(), &h, sizeof h);
    const std::uint8_t table[16] = {0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 255, 0, 0, 0};
    std::memcpy(header.data() + 40, table, 16);  // black, white, red, blue
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(header.data()),
                                       DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);
    ASSERT_NE(bits, nullptr);
    auto* rows = static_cast<std::uint8_t*>(bits);
    rows[0] = 2;  // bottom-left red, written by the program
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, section);
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(255, 0, 0));
    // Drawing lands in the rows as the nearest table colour.
    SetPixel(dc, 3, 0, RGB(0, 0, 250));
    EXPECT_EQ(rows[4 + 3], 3);
    DIBSECTION ds;
    EXPECT_EQ(GetObjectA(section, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBm.bmBits, bits);
    EXPECT_EQ(ds.dsBmih.biBitCount, 8);
    RGBQUAD entries[4];
    EXPECT_EQ(GetDIBColorTable(dc, 0, 4, entries), 4u);
    EXPECT_EQ(entries[2].rgbRed, 255);
    RGBQUAD green;
    green.rgbGreen = 255;
    EXPECT_EQ(SetDIBColorTable(dc, 2, 1, &green), 1u);
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0, 255, 0));
    DeleteDC(dc);
    DeleteObject(section);
}

TEST_F(BitmapTest, StretchedEightBitDibWithPaletteMatchesItsPicture) {
    // A 4 x 3 picture of palette indices stretched to 160 x 120 with whole
    // source pixels (COLORONCOLOR): each becomes a 40 x 40 block.
    const std::vector<COLORREF> table = {RGB(0, 0, 165),   RGB(0, 171, 0), RGB(191, 191, 0),
                                         RGB(181, 0, 181), RGB(191, 0, 0), RGB(255, 255, 255)};
    Dib8 dib = MakeDib8(4, {{0, 1, 2, 3}, {4, 5, 0, 1}, {2, 3, 4, 5}}, table);
    MemoryCanvas c(170, 130);
    SetStretchBltMode(c.Dc(), COLORONCOLOR);
    EXPECT_EQ(StretchDIBits(c.Dc(), 5, 5, 160, 120, 0, 0, 4, 3, dib.Bits(), dib.Info(),
                            DIB_RGB_COLORS, SRCCOPY),
              3);
    EXPECT_EQ(c.At(5, 5), table[0]);
    EXPECT_EQ(c.At(44, 44), table[0]);
    EXPECT_EQ(c.At(45, 5), table[1]);
    EXPECT_EQ(c.At(164, 124), table[5]);
    EXPECT_EQ(c.At(165, 124), RGB(255, 255, 255));
    EXPECT_TRUE(MatchesGolden(c.Pixels(), "stretched_dib8"));
    // The source y of a bottom-up DIB counts from its bottom row: rows 0..0
    // from the bottom is the picture's last row.
    MemoryCanvas one(4, 1);
    StretchDIBits(one.Dc(), 0, 0, 4, 1, 0, 0, 4, 1, dib.Bits(), dib.Info(), DIB_RGB_COLORS,
                  SRCCOPY);
    EXPECT_EQ(one.At(0, 0), table[2]);
    EXPECT_EQ(one.At(3, 0), table[5]);
}

TEST_F(BitmapTest, StretchModesDecideWhatShrinkingKeeps) {
    // A white picture with one black column, shrunk from 8 to 2 pixels wide:
    // BLACKONWHITE keeps the black (AND of the pixels), COLORONCOLOR samples.
    Dib8 dib = MakeDib8(8, {{1, 1, 1, 1, 1, 0, 1, 1}}, {RGB(0, 0, 0), RGB(255, 255, 255)});
    MemoryCanvas and_(2, 1);
    SetStretchBltMode(and_.Dc(), BLACKONWHITE);
    StretchDIBits(and_.Dc(), 0, 0, 2, 1, 0, 0, 8, 1, dib.Bits(), dib.Info(), DIB_RGB_COLORS,
                  SRCCOPY);
    EXPECT_EQ(and_.At(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(and_.At(0, 0), RGB(255, 255, 255));
    MemoryCanvas avg(2, 1);
    SetStretchBltMode(avg.Dc(), HALFTONE);
    StretchDIBits(avg.Dc(), 0, 0, 2, 1, 0, 0, 8, 1, dib.Bits(), dib.Info(), DIB_RGB_COLORS,
                  SRCCOPY);
    EXPECT_EQ(avg.At(1, 0), RGB(191, 191, 191));  // three white, one black: 765 / 4
}

// The average of the source box [x0, x1) x [y0, y1), channel by channel.
COLORREF BoxAverage(const MemoryCanvas& src, int x0, int x1, int y0, int y1) {
    unsigned r = 0, g = 0, b = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const COLORREF c = src.At(x, y);
            r += GetRValue(c);
            g += GetGValue(c);
            b += GetBValue(c);
        }
    }
    const auto n = static_cast<unsigned>((x1 - x0) * (y1 - y0));
    return RGB(r / n, g / n, b / n);
}

TEST_F(BitmapTest, HalftoneShrinkingAveragesEveryBoxAndDrawsOnlyInsideTheClip) {
    // A picture of scattered colours shrunk by uneven ratios (boxes of one to
    // three pixels a side), by far (boxes of thousands of pixels) and not at
    // all, into a destination clipped to a region with a hole.
    constexpr int kWidth = 150;
    constexpr int kHeight = 61;
    MemoryCanvas src(kWidth, kHeight);
    std::uint32_t seed = 12345;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            seed = seed * 1664525u + 1013904223u;
            SetPixel(src.Dc(), x, y, seed >> 8 & 0xFFFFFF);
        }
    }
    struct Case {
        int width, height;
    };
    for (const Case& k :
         {Case{41, 27}, Case{77, 50}, Case{1, 1}, Case{2, 3}, Case{kWidth, kHeight}}) {
        MemoryCanvas to(k.width + 4, k.height + 4);
        HRGN clip = CreateRectRgn(0, 0, k.width + 4, k.height + 4);
        HRGN hole = CreateRectRgn(3, 2, 3 + k.width / 2, 2 + k.height / 2);
        CombineRgn(clip, clip, hole, RGN_DIFF);
        SelectClipRgn(to.Dc(), clip);
        SetStretchBltMode(to.Dc(), HALFTONE);
        ASSERT_TRUE(
            StretchBlt(to.Dc(), 2, 1, k.width, k.height, src.Dc(), 0, 0, kWidth, kHeight, SRCCOPY));
        for (int y = 0; y < k.height + 4; ++y) {
            for (int x = 0; x < k.width + 4; ++x) {
                const int i = x - 2;
                const int j = y - 1;
                COLORREF expected = RGB(255, 255, 255);
                if (PtInRegion(clip, x, y) && i >= 0 && i < k.width && j >= 0 && j < k.height) {
                    const int x0 = i * kWidth / k.width;
                    const int x1 = ((i + 1) * kWidth + k.width - 1) / k.width;
                    const int y0 = j * kHeight / k.height;
                    const int y1 = ((j + 1) * kHeight + k.height - 1) / k.height;
                    expected = BoxAverage(src, x0, x1, y0, y1);
                }
                ASSERT_EQ(to.At(x, y), expected)
                    << k.width << "x" << k.height << " at " << x << "," << y;
            }
        }
        SelectClipRgn(to.Dc(), nullptr);
        DeleteObject(hole);
        DeleteObject(clip);
    }
}

TEST_F(BitmapTest, BlitsCombineSourceAndDestinationByTheirRasterOperation) {
    const COLORREF src = RGB(0xF0, 0x0F, 0xAA);
    const COLORREF dst = RGB(0xCC, 0x33, 0x55);
    struct Case {
        DWORD rop;
        COLORREF expected;
    };
    const Case cases[] = {{SRCCOPY, src},
                          {SRCAND, RGB(0xF0 & 0xCC, 0x0F & 0x33, 0xAA & 0x55)},
                          {SRCPAINT, RGB(0xF0 | 0xCC, 0x0F | 0x33, 0xAA | 0x55)},
                          {SRCINVERT, RGB(0xF0 ^ 0xCC, 0x0F ^ 0x33, 0xAA ^ 0x55)},
                          {NOTSRCCOPY, RGB(0x0F, 0xF0, 0x55)}};
    for (const Case& k : cases) {
        MemoryCanvas from(4, 4);
        MemoryCanvas to(4, 4);
        SetPixel(from.Dc(), 1, 1, src);
        SetPixel(to.Dc(), 1, 1, dst);
        EXPECT_TRUE(BitBlt(to.Dc(), 0, 0, 4, 4, from.Dc(), 0, 0, k.rop));
        EXPECT_EQ(to.At(1, 1), k.expected) << std::hex << k.rop;
    }
}

TEST_F(BitmapTest, MonochromeSourcesTakeTheTargetsTextAndBackgroundColours) {
    // A 16 x 1 monochrome bitmap: a set bit is white; the first four are set.
    const std::uint8_t row[2] = {0xF0, 0x00};
    HBITMAP mono = CreateBitmap(16, 1, 1, 1, row);
    std::uint8_t back[2] = {0, 0xFF};
    EXPECT_EQ(GetBitmapBits(mono, 2, back), 2);
    EXPECT_EQ(back[0], 0xF0);
    EXPECT_EQ(back[1], 0x00);
    HDC src = CreateCompatibleDC(nullptr);
    SelectObject(src, mono);
    MemoryCanvas to(16, 1);
    SetTextColor(to.Dc(), RGB(255, 0, 0));  // for black bits
    SetBkColor(to.Dc(), RGB(0, 0, 255));    // for white bits
    BitBlt(to.Dc(), 0, 0, 16, 1, src, 0, 0, SRCCOPY);
    EXPECT_EQ(to.At(3, 0), RGB(0, 0, 255));
    EXPECT_EQ(to.At(4, 0), RGB(255, 0, 0));
    EXPECT_EQ(to.At(15, 0), RGB(255, 0, 0));
    // Widths of opposite sign turn the row around.
    StretchBlt(to.Dc(), 0, 0, 16, 1, src, 16, 0, -16, 1, SRCCOPY);
    EXPECT_EQ(to.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(to.At(11, 0), RGB(255, 0, 0));
    EXPECT_EQ(to.At(12, 0), RGB(0, 0, 255));
    EXPECT_EQ(to.At(15, 0), RGB(0, 0, 255));
    DeleteDC(src);
    DeleteObject(mono);
}

TEST_F(BitmapTest, CopiedImagesAreStretchedWholePixels) {
    MemoryCanvas c(2, 2);
    SetPixel(c.Dc(), 1, 0, RGB(255, 0, 0));
    SetPixel(c.Dc(), 0, 1, RGB(0, 0, 255));
    // The source may stay selected in its context while it is copied.
    HBITMAP big = static_cast<HBITMAP>(CopyImage(c.Bitmap(), IMAGE_BITMAP, 4, 6, 0));
    ASSERT_NE(big, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, big);
    EXPECT_EQ(GetPixel(dc, 2, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 3, 2), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 1, 3), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 3, 5), RGB(255, 255, 255));
    DeleteDC(dc);
    DeleteObject(big);
    EXPECT_EQ(CopyImage(c.Bitmap(), 1, 4, 4, 0), nullptr);  // not a bitmap image
}

TEST_F(BitmapTest, PalettesAndPaletteColours) {
    HPALETTE stock = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(GetPaletteEntries(stock, 0, 0, nullptr), 20u);
    HPALETTE halftone = CreateHalftonePalette(nullptr);
    PALETTEENTRY e[256];
    EXPECT_EQ(GetPaletteEntries(halftone, 0, 256, e), 256u);
    PALETTEENTRY first[20];
    GetPaletteEntries(stock, 0, 20, first);
    EXPECT_EQ(std::memcmp(e, first, 10 * sizeof(PALETTEENTRY)), 0);
    EXPECT_EQ(std::memcmp(e + 246, first + 10, 10 * sizeof(PALETTEENTRY)), 0);
    std::vector<std::uint8_t> block(4 + 3 * 4);
    auto* lp = reinterpret_cast<LOGPALETTE*>(block.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = 3;
    lp->palPalEntry[0] = PALETTEENTRY{255, 0, 0, 0};
    reinterpret_cast<PALETTEENTRY*>(block.data() + 4)[1] = PALETTEENTRY{0, 255, 0, 0};
    reinterpret_cast<PALETTEENTRY*>(block.data() + 4)[2] = PALETTEENTRY{0, 0, 255, 0};
    HPALETTE rgb = CreatePalette(lp);
    ASSERT_NE(rgb, nullptr);
    EXPECT_EQ(GetNearestPaletteIndex(rgb, RGB(10, 200, 30)), 1u);
    MemoryCanvas c(4, 4);
    EXPECT_EQ(SelectPalette(c.Dc(), rgb, FALSE), stock);
    EXPECT_NE(RealizePalette(c.Dc()), GDI_ERROR);
    // A colour may name an entry of the selected palette.
    SetPixel(c.Dc(), 0, 0, PALETTEINDEX(2));
    EXPECT_EQ(c.At(0, 0), RGB(0, 0, 255));
    // DIB colours given as palette indices.
    Dib8 dib = MakeDib8(1, {{0}}, {RGB(0, 0, 0)});
    WORD index = 1;
    std::memcpy(dib.block.data() + 40, &index, 2);
    StretchDIBits(c.Dc(), 1, 1, 1, 1, 0, 0, 1, 1, dib.Bits(), dib.Info(), DIB_PAL_COLORS, SRCCOPY);
    EXPECT_EQ(c.At(1, 1), RGB(0, 255, 0));
    SelectPalette(c.Dc(), stock, FALSE);
    DeleteObject(rgb);
    DeleteObject(halftone);
}

TEST_F(BitmapTest, PictureResourcesLoadAndBadOnesDoNot) {
    Dib8 dib = MakeDib8(3, {{0, 1, 0}, {1, 0, 1}}, {RGB(0, 0, 0), RGB(255, 0, 0)});
    SetResourceBitmap(111, dib.block.data(), dib.block.size());
    HBITMAP bm = LoadBitmapA(nullptr, 111);
    ASSERT_NE(bm, nullptr);
    BITMAP info;
    GetObjectA(bm, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 3);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(info.bmBitsPixel, 32);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bm);
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 0, 0));
    DeleteDC(dc);
    DeleteObject(bm);
    EXPECT_NE(LoadBitmapA(nullptr, reinterpret_cast<const char*>(111)), nullptr);
    EXPECT_EQ(LoadBitmapA(nullptr, 112), nullptr);
    // A block cut short anywhere is refused.
    for (std::size_t size :
         {std::size_t{3}, std::size_t{39}, std::size_t{45}, dib.block.size() - 1}) {
        SetResourceBitmap(113, dib.block.data(), size);
        EXPECT_EQ(LoadBitmapA(nullptr, 113), nullptr) << size;
    }
    ClearResourceBitmaps();
    EXPECT_EQ(LoadBitmapA(nullptr, 111), nullptr);
}

TEST_F(BitmapTest, DrawnPicturesAreDrawnOnFirstLoadOnlyAndClearedWithTheRest) {
    static int draws = 0;
    draws = 0;
    SetResourceBitmapMaker(121, [] {
        ++draws;
        Dib8 dib = MakeDib8(2, {{0, 1}}, {RGB(0, 0, 0), RGB(0, 0, 255)});
        return dib.block;
    });
    EXPECT_EQ(draws, 0);
    for (int load = 0; load < 3; ++load) {
        HBITMAP bm = LoadBitmapA(nullptr, 121);
        ASSERT_NE(bm, nullptr);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bm);
        EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 0, 255));
        // Drawing on a loaded copy leaves the resource as it was.
        SetPixel(dc, 1, 0, RGB(0, 255, 0));
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bm);
    }
    EXPECT_EQ(draws, 1);
    // A maker that gives a broken picture loads nothing.
    SetResourceBitmapMaker(122, [] { return std::vector<std::uint8_t>(30, 0); });
    EXPECT_EQ(LoadBitmapA(nullptr, 122), nullptr);
    ClearResourceBitmaps();
    EXPECT_EQ(LoadBitmapA(nullptr, 121), nullptr);
    EXPECT_EQ(draws, 1);
}

TEST_F(BitmapTest, BadDibHeadersDrawNothing) {
    MemoryCanvas c(4, 4);
    Dib8 dib = MakeDib8(2, {{0, 0}}, {RGB(0, 0, 0)});
    BITMAPINFOHEADER& h = dib.Info()->bmiHeader;
    const BITMAPINFOHEADER good = h;
    h.biBitCount = 7;
    EXPECT_EQ(StretchDIBits(c.Dc(), 0, 0, 2, 1, 0, 0, 2, 1, dib.Bits(), dib.Info(), DIB_RGB_COLORS,
                            SRCCOPY),
              0);
    h = good;
    h.biCompression = BI_RLE8;
    EXPECT_EQ(StretchDIBits(c.Dc(), 0, 0, 2, 1, 0, 0, 2, 1, dib.Bits(), dib.Info(), DIB_RGB_COLORS,
                            SRCCOPY),
              0);
    h = good;
    h.biWidth = 1 << 20;
    EXPECT_EQ(StretchDIBits(c.Dc(), 0, 0, 2, 1, 0, 0, 2, 1, dib.Bits(), dib.Info(), DIB_RGB_COLORS,
                            SRCCOPY),
              0);
    h = good;
    h.biSize = 0;
    EXPECT_EQ(StretchDIBits(c.Dc(), 0, 0, 2, 1, 0, 0, 2, 1, dib.Bits(), dib.Info(), DIB_RGB_COLORS,
                            SRCCOPY),
              0);
    EXPECT_EQ(CountInk(c.Pixels()), 0);
    EXPECT_EQ(CreateBitmap(0, 5, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(5, 5, 1, 7, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(100000, 100000, 1, 32, nullptr), nullptr);
}

}  // namespace
}  // namespace win::test
