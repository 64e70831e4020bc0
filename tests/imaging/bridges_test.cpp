// Packed DIBs both ways, the clipboard copy, fixed colour tables and ramps,
// rectangle copies and table remaps.
#include <cstring>

#include "common/byte_io.h"
#include "imaging/bmp/bmp.h"
#include "imaging/bridges/dib_bridges.h"
#include "imaging/bridges/image_copies.h"
#include "platform/gdi/gdi.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

class BridgeTest : public ImagingTest {
  protected:
    // A DIB: a bitmap file without its 14-byte file header.
    static Bytes DibOf(const Bytes& file) { return Bytes(file.begin() + 14, file.end()); }
    Bytes BmpOf(ImageDesc& image, int32_t runLength) {
        void* block = nullptr;
        EXPECT_EQ(SaveBmpToMemory(&block, &image, runLength), IMG_OK);
        return Adopt(block);
    }
    void ExpectSamePixels(const ImageDesc& a, const ImageDesc& b) {
        ASSERT_EQ(a.header->biWidth, b.header->biWidth);
        ASSERT_EQ(a.header->biHeight, b.header->biHeight);
        for (int y = 0; y < a.header->biHeight; ++y)
            for (int x = 0; x < a.header->biWidth; ++x)
                ASSERT_EQ(Pixel(a, x, y), Pixel(b, x, y)) << x << "," << y;
    }
};

TEST_F(BridgeTest, PackedDibsCarryTheRectangleAndAFullTable) {
    ImageDesc& image = Image(9, 6, 8);
    FillPattern(image);
    image.palette[3] = win::RGBQUAD{1, 2, 3, 0};
    image.colorCount = 16;
    SetImageRect(&image, 2, 1, 6, 4);
    void* block = nullptr;
    ASSERT_EQ(PackImageAsDib(&image, &block), IMG_OK);
    const Bytes dib = Adopt(block);
    ASSERT_EQ(dib.size(), 40u + 1024 + 8 * 4);
    EXPECT_EQ(bytes::GetU32(&dib[0]), 40u);
    EXPECT_EQ(bytes::GetI32(&dib[4]), 5);
    EXPECT_EQ(bytes::GetI32(&dib[8]), 4);
    EXPECT_EQ(bytes::GetU16(&dib[14]), 8);
    EXPECT_EQ(bytes::GetU32(&dib[16]), 0u);
    EXPECT_EQ(bytes::GetU32(&dib[20]), 32u);
    EXPECT_EQ(bytes::GetU32(&dib[32]), 256u);
    EXPECT_EQ(dib[40 + 4 * 3 + 2], 3);                 // entry 3 as given
    EXPECT_EQ(dib[40 + 4 * 200], 200);                 // entries from 16 on: the grey ramp
    EXPECT_EQ(dib[40 + 1024], PatternValue(2, 4, 8));  // bottom row of the rectangle first
    EXPECT_EQ(dib[40 + 1024 + 5], 0);                  // padding
    ImageDesc& deep = Image(3, 2, 24);
    ASSERT_EQ(PackImageAsDib(&deep, &block), IMG_OK);
    EXPECT_EQ(Adopt(block).size(), 40u + 2 * 12);
}

TEST_F(BridgeTest, DibsOfEveryRowKindBecomeImages) {
    std::vector<std::pair<Bytes, ImageDesc*>> cases;
    for (int bits : {1, 8, 24}) {
        ImageDesc& picture = Image(13, 5, bits);
        FillPattern(picture);
        cases.push_back({DibOf(BmpOf(picture, 0)), &picture});
        if (bits == 8) cases.push_back({DibOf(BmpOf(picture, 1)), &picture});
    }
    for (auto& [dib, picture] : cases) {
        ImageDesc image;
        ASSERT_EQ(ImageFromDib(Block(dib), &image), IMG_OK);
        images.push_back(image);
        ExpectSamePixels(image, *picture);
        EXPECT_EQ(image.colorCount, picture->colorCount);
    }
    // 4 bits (plain and RLE4), 16 and 32 bits with and without masks, made by hand.
    BmpLayout four;
    four.width = 3;
    four.height = 1;
    four.bits = 4;
    four.clrUsed = 16;
    for (int i = 0; i < 16; ++i) four.table.insert(four.table.end(), {uint8_t(i), 0, 0, 0});
    four.pixels = {0x12, 0x30, 0, 0};
    BmpLayout rle4 = four;
    rle4.compression = win::BI_RLE4;
    rle4.pixels = {0, 3, 0x12, 0x30, 0, 0, 0, 1};
    BmpLayout sixteen;
    sixteen.width = 2;
    sixteen.bits = 16;
    sixteen.pixels = {0xFF, 0x7F, 0x1F, 0x00};
    BmpLayout masked16 = sixteen;
    masked16.compression = win::BI_BITFIELDS;
    for (uint32_t m : {0xF800u, 0x07E0u, 0x001Fu}) Put32(masked16.masks, m);
    masked16.pixels = {0xFF, 0xFF, 0x1F, 0x00};
    BmpLayout thirtyTwo;
    thirtyTwo.width = 2;
    thirtyTwo.bits = 32;
    thirtyTwo.pixels = {1, 2, 3, 0, 4, 5, 6, 0};
    BmpLayout masked32 = thirtyTwo;
    masked32.compression = win::BI_BITFIELDS;
    for (uint32_t m : {0x0000FFu, 0x00FF00u, 0xFF0000u}) Put32(masked32.masks, m);
    struct Expect {
        const BmpLayout* layout;
        int bits;
        std::vector<uint32_t> pixels;
    } expects[] = {
        {&four, 8, {1, 2, 3}},
        {&rle4, 8, {1, 2, 3}},
        {&sixteen, 24, {0xFFFFFF, 0x0000FF}},
        {&masked16, 24, {0xFFFFFF, 0x0000FF}},
        {&thirtyTwo, 24, {0x030201, 0x060504}},
        {&masked32, 24, {0x010203, 0x040506}},
    };
    for (const Expect& e : expects) {
        ImageDesc image;
        ASSERT_EQ(ImageFromDib(Block(DibOf(MakeBmp(*e.layout))), &image), IMG_OK);
        images.push_back(image);
        EXPECT_EQ(image.header->biBitCount, e.bits);
        for (std::size_t x = 0; x < e.pixels.size(); ++x)
            EXPECT_EQ(Pixel(image, static_cast<int>(x), 0), e.pixels[x]);
    }
    EXPECT_EQ(images.back().colorCount, 0);
    EXPECT_EQ(images[images.size() - 6].colorCount, 16);
}

TEST_F(BridgeTest, DibReadsStayInsideTheirBlock) {
    // A 1-bit DIB claiming 256 colours: its table fills the image's two entries only.
    BmpLayout layout;
    layout.width = 8;
    layout.bits = 1;
    layout.clrUsed = 256;
    for (int i = 0; i < 256; ++i)
        layout.table.insert(layout.table.end(), {uint8_t(i), uint8_t(i), uint8_t(i), 0});
    layout.pixels = {0x0F, 0, 0, 0};
    ImageDesc image;
    ASSERT_EQ(ImageFromDib(Block(DibOf(MakeBmp(layout))), &image), IMG_OK);
    images.push_back(image);
    EXPECT_EQ(image.colorCount, 2);
    EXPECT_EQ(Pixel(image, 4, 0), 1u);
    // Every cut of every kind: a status and no image, never a read past the block.
    ImageDesc& picture = Image(11, 4, 8);
    FillPattern(picture);
    for (const Bytes& dib :
         {DibOf(BmpOf(picture, 0)), DibOf(BmpOf(picture, 1)), DibOf(MakeBmp(layout))}) {
        for (std::size_t length = 0; length < dib.size(); ++length) {
            void* block = const_cast<void*>(
                Block(Bytes(dib.begin(), dib.begin() + static_cast<long>(length))));
            ImageDesc cut;
            const int32_t status = ImageFromDib(block, &cut);
            if (status == IMG_OK) {
                // Only a run-length DIB without its end marker is whole.
                EXPECT_GE(length, dib.size() - 2);
                FreeImage(&cut);
            }
            FreeBlock(block);
            blocks.pop_back();
        }
    }
    uint8_t local[64] = {40};
    EXPECT_EQ(ImageFromDib(local, &image), IMG_BAD_SOURCE);
}

TEST_F(BridgeTest, ClipboardCopies) {
    ImageDesc& colour = Image(7, 5, 8);
    FillPattern(colour);
    colour.colorCount = 16;
    ASSERT_NE(CopyImageToClipboard(nullptr, &colour), 0);
    EXPECT_TRUE(win::IsClipboardFormatAvailable(win::CF_DIB));
    EXPECT_TRUE(win::IsClipboardFormatAvailable(win::CF_PALETTE));
    ASSERT_TRUE(win::OpenClipboard(nullptr));
    auto* palette = static_cast<win::HPALETTE>(win::GetClipboardData(win::CF_PALETTE));
    win::PALETTEENTRY entries[256];
    EXPECT_EQ(win::GetPaletteEntries(palette, 0, 256, entries), 16u);
    win::CloseClipboard();
    const Bytes dib = win::ClipboardBytes(win::CF_DIB);
    EXPECT_EQ(dib.size(), 40u + 1024 + 8 * 5);

    // A 24-bit picture one pixel wide: copied, without a palette.
    ImageDesc& deep = Image(7, 5, 24);
    SetImageRect(&deep, 3, 0, 3, 4);
    ASSERT_NE(CopyImageToClipboard(nullptr, &deep), 0);
    EXPECT_TRUE(win::IsClipboardFormatAvailable(win::CF_DIB));
    EXPECT_FALSE(win::IsClipboardFormatAvailable(win::CF_PALETTE));
    EXPECT_EQ(win::ClipboardBytes(win::CF_DIB).size(), 40u + 4 * 5);

    // No block for the DIB: nothing is copied and the failure is reported.
    win::FailNextGlobalAllocs(1);
    EXPECT_EQ(CopyImageToClipboard(nullptr, &colour), 0);
    EXPECT_EQ(win::CountClipboardFormats(), 0);
    // Another program holds the clipboard.
    win::SetClipboardHeldElsewhere(true);
    EXPECT_EQ(CopyImageToClipboard(nullptr, &colour), 0);
    win::SetClipboardHeldElsewhere(false);
    EXPECT_EQ(win::CountClipboardFormats(), 0);
}

TEST_F(BridgeTest, FixedColourTables) {
    const win::PALETTEENTRY* stock = nullptr;
    win::PALETTEENTRY stockEntries[20];
    ASSERT_EQ(win::GetPaletteEntries(
                  static_cast<win::HPALETTE>(win::GetStockObject(win::DEFAULT_PALETTE)), 0, 20,
                  stockEntries),
              20u);
    stock = stockEntries;
    ImageDesc& image = Image(2, 2, 8);
    EXPECT_EQ(FillStockPalette(0, &image), 20);
    EXPECT_EQ(FillSystemPalette16(&image), 16);
    EXPECT_EQ(image.colorCount, 16);
    for (int i = 0; i < 16; ++i) {
        const win::PALETTEENTRY& e = stock[i < 8 ? i : i + 4];
        EXPECT_EQ(image.palette[i].rgbRed, e.peRed) << i;
        EXPECT_EQ(image.palette[i].rgbBlue, e.peBlue) << i;
    }
    EXPECT_GT(FillHalftonePalette(&image), 16);
    EXPECT_EQ(FillColorCubePalette(&image), 256);
    auto rgb = [&](int i) {
        return uint32_t{image.palette[i].rgbRed} << 16 | uint32_t{image.palette[i].rgbGreen} << 8 |
               image.palette[i].rgbBlue;
    };
    EXPECT_EQ(rgb(10), 0xFFFFFFu);
    EXPECT_EQ(rgb(225), 0x000000u);
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                ASSERT_EQ(rgb(225 - (b + 6 * g + 36 * r)),
                          static_cast<uint32_t>(51 * r << 16 | 51 * g << 8 | 51 * b));
    for (int k = 0; k < 20; ++k) EXPECT_EQ(rgb(226 + k), (16 + 12u * k) * 0x010101u);
    EXPECT_EQ(rgb(0),
              uint32_t{stock[0].peRed} << 16 | uint32_t{stock[0].peGreen} << 8 | stock[0].peBlue);
    EXPECT_EQ(rgb(255), uint32_t{stock[19].peRed} << 16 | uint32_t{stock[19].peGreen} << 8 |
                            stock[19].peBlue);
    EXPECT_EQ(FillColorCubePalette(&Image(2, 2, 24)), 0);
}

TEST_F(BridgeTest, PaletteRamps) {
    ImageDesc& image = Image(2, 2, 8);
    const uint8_t blackToWhite[] = {0, 0, 0, 0, 255, 255, 255, 255};
    std::fill(image.palette, image.palette + 256, win::RGBQUAD{7, 7, 7, 0});
    ASSERT_EQ(SetPaletteRamp(&image, blackToWhite, 2), IMG_OK);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(image.palette[i].rgbGreen, i);
    // A pair of equal indices ends the ramp; a falling pair is skipped.
    std::fill(image.palette, image.palette + 256, win::RGBQUAD{7, 7, 7, 0});
    const uint8_t stops[] = {10, 0, 0, 0, 10, 9, 9, 9, 20, 100, 0, 0};
    ASSERT_EQ(SetPaletteRamp(&image, stops, 3), IMG_OK);
    EXPECT_EQ(image.palette[15].rgbRed, 7);
    const uint8_t falling[] = {50, 0, 0, 0, 40, 0, 0, 0, 44, 200, 0, 0, 48, 100, 0, 0};
    ASSERT_EQ(SetPaletteRamp(&image, falling, 4), IMG_OK);
    EXPECT_EQ(image.palette[49].rgbRed, 7);    // the falling pair 50 to 40 changed nothing
    EXPECT_EQ(image.palette[42].rgbRed, 100);  // halfway from 0 at 40 to 200 at 44
    EXPECT_EQ(image.palette[46].rgbRed, 150);  // halfway from 200 at 44 to 100 at 48
    std::vector<uint8_t> many(4 * 257, 0);
    EXPECT_EQ(SetPaletteRamp(&image, many.data(), 257), IMG_OUT_OF_RANGE);
    EXPECT_EQ(SetPaletteRamp(&Image(2, 2, 1), blackToWhite, 2), IMG_BAD_BIT_DEPTH);
}

TEST_F(BridgeTest, OverlappingCopiesDoNotSmear) {
    for (int bits : {1, 8, 24}) {
        for (int direction : {-1, 1}) {
            ImageDesc& image = Image(20, 12, bits);
            FillPattern(image);
            ImageDesc& expected = Image(20, 12, bits);
            FillPattern(expected);
            ImageDesc& copy = Image(20, 12, bits);
            FillPattern(copy);
            // Through a second image, then within one.
            SetImageRect(&copy, 3, 3, 15, 9);
            SetImageRect(&expected, 3 + 2 * direction, 3 + direction, 15 + 2 * direction,
                         9 + direction);
            ASSERT_EQ(CopyImageRectOnly(&copy, &expected), IMG_OK);
            SetImageRect(&image, 3, 3, 15, 9);
            ImageDesc target = image;
            SetImageRect(&target, 3 + 2 * direction, 3 + direction, 15 + 2 * direction,
                         9 + direction);
            ASSERT_EQ(CopyImageRect(&image, &target), IMG_OK);
            ExpectSamePixels(image, expected);
        }
    }
}

TEST_F(BridgeTest, TablesRemapEachChannel) {
    uint8_t invert[256];
    uint8_t zero[256] = {};
    for (int i = 0; i < 256; ++i) invert[i] = static_cast<uint8_t>(255 - i);
    std::vector<uint16_t> invert16(65536);
    for (int i = 0; i < 65536; ++i) invert16[i] = static_cast<uint16_t>(65535 - i);
    for (int bits : {8, 16, 24}) {
        ImageDesc& source = Image(5, 3, bits);
        for (int y = 0; y < 3; ++y) std::memset(RowOf(source, y), 0x30 + y, source.stride);
        ImageDesc& result = Image(5, 3, bits);
        const void* red = bits == 16 ? static_cast<const void*>(invert16.data()) : invert;
        ASSERT_EQ(PrintConvertCallback(red, zero, invert, &source, &result), IMG_OK);
        const uint8_t* row = RowOf(result, 1);
        if (bits == 8) {
            EXPECT_EQ(row[4], 255 - 0x31);
        } else if (bits == 16) {
            EXPECT_EQ(bytes::GetU16(row + 8), 65535 - 0x3131);
        } else {
            EXPECT_EQ(row[12], 255 - 0x31);  // blue
            EXPECT_EQ(row[13], 0);           // green through the zero table
            EXPECT_EQ(row[14], 255 - 0x31);  // red
        }
    }
    EXPECT_EQ(PrintConvertCallback(invert, invert, invert, &Image(2, 2, 8), &Image(2, 2, 24)),
              IMG_BAD_BIT_DEPTH);
    // Grey 8-bit pictures go straight through: each index through the red table.
    ImageDesc& grey = Image(2, 2, 8);
    SetPixel(grey, 1, 1, 200);
    EXPECT_EQ(ApplyColorTablesToImage(invert, invert, invert, &grey, &grey), IMG_OK);
    EXPECT_EQ(Pixel(grey, 1, 1), 55u);
}

}  // namespace
}  // namespace imagingtest
