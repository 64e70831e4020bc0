// BMP files: bytes as written, round trips through every medium, the
// run-length coder's vectors, reading every row kind, cuts into smaller
// images, and refusals.
#include "imaging/bmp/bmp.h"

#include <cstring>

#include "common/byte_io.h"
#include "imaging/frame/image_check.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

class BmpTest : public ImagingTest {
  protected:
    Bytes SaveToMemory(ImageDesc& image, int32_t runLength) {
        void* block = nullptr;
        EXPECT_EQ(SaveBmpToMemory(&block, &image, runLength), IMG_OK);
        return block != nullptr ? Adopt(block) : Bytes{};
    }
    static Bytes PixelData(const Bytes& file) {
        return Bytes(file.begin() + bytes::GetU32(&file[10]), file.end());
    }
};

TEST_F(BmpTest, HeadersAndRowsAsWritten) {
    ImageDesc& image = Image(5, 3, 8);
    image.header->biXPelsPerMeter = 3780;
    image.colorCount = 3;  // only three table entries are in use
    FillPattern(image);
    Bytes file = SaveToMemory(image, 0);
    ASSERT_EQ(file.size(), 54u + 12 + 8 * 3);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(bytes::GetU32(&file[2]), file.size());
    EXPECT_EQ(bytes::GetU32(&file[10]), 66u);  // 54 + 4 x 3
    EXPECT_EQ(bytes::GetU32(&file[14]), 40u);
    EXPECT_EQ(bytes::GetI32(&file[18]), 5);
    EXPECT_EQ(bytes::GetI32(&file[22]), 3);
    EXPECT_EQ(bytes::GetU16(&file[26]), 1);
    EXPECT_EQ(bytes::GetU16(&file[28]), 8);
    EXPECT_EQ(bytes::GetU32(&file[30]), 0u);
    EXPECT_EQ(bytes::GetU32(&file[34]), 24u);
    EXPECT_EQ(bytes::GetI32(&file[38]), 3780);
    EXPECT_EQ(bytes::GetU32(&file[46]), 3u);
    EXPECT_EQ(bytes::GetU32(&file[50]), 3u);
    EXPECT_EQ(file[54 + 4 * 2], 2);  // grey entry 2
    // Bottom row first, five bytes padded to eight with zeros.
    for (int r = 0; r < 3; ++r) {
        for (int x = 0; x < 5; ++x) EXPECT_EQ(file[66 + 8 * r + x], PatternValue(x, 2 - r, 8));
        for (int x = 5; x < 8; ++x) EXPECT_EQ(file[66 + 8 * r + x], 0);
    }
}

TEST_F(BmpTest, OneBitRowsAreRealignedToTheirFirstBit) {
    ImageDesc& image = Image(16, 2, 1);
    FillPattern(image);
    SetImageRect(&image, 3, 0, 12, 1);  // ten columns from column 3
    Bytes file = SaveToMemory(image, 0);
    EXPECT_EQ(bytes::GetI32(&file[18]), 10);
    const Bytes rows = PixelData(file);
    ASSERT_EQ(rows.size(), 8u);
    for (int r = 0; r < 2; ++r) {
        for (int x = 0; x < 16; ++x) {
            const bool bit = (rows[4 * r + x / 8] >> (7 - x % 8)) & 1;
            EXPECT_EQ(bit, x < 10 && PatternValue(x + 3, 1 - r, 1) != 0) << r << "," << x;
        }
    }
}

TEST_F(BmpTest, RunLengthRowsMatchTheirVectors) {
    struct Case {
        int width, height;
        std::vector<uint8_t> pixels;  // top row first
        Bytes data;
    } cases[] = {
        {10, 2, std::vector<uint8_t>(20, 7), {10, 7, 0, 0, 10, 7, 0, 0, 0, 1}},
        {4, 1, {1, 2, 3, 4}, {0, 4, 1, 2, 3, 4, 0, 0, 0, 1}},
        {2, 1, {1, 2}, {1, 1, 1, 2, 0, 0, 0, 1}},
        {5, 1, {1, 2, 3, 3, 9}, {1, 1, 1, 2, 2, 3, 1, 9, 0, 0, 0, 1}},
        {3, 1, {4, 5, 6}, {0, 3, 4, 5, 6, 0, 0, 0, 0, 1}},  // odd literal padded
    };
    for (const Case& c : cases) {
        ImageDesc& image = Image(c.width, c.height, 8);
        for (int i = 0; i < c.width * c.height; ++i)
            SetPixel(image, i % c.width, i / c.width, c.pixels[i]);
        Bytes file = SaveToMemory(image, 1);
        EXPECT_EQ(bytes::GetU32(&file[30]), 1u);
        EXPECT_EQ(PixelData(file), c.data);
        EXPECT_EQ(bytes::GetU32(&file[34]), c.data.size());
        // And back.
        ImageDesc& back = Image(c.width, c.height, 8);
        ASSERT_EQ(LoadBmpFromMemory(Block(file), &back), IMG_OK);
        for (int i = 0; i < c.width * c.height; ++i)
            EXPECT_EQ(Pixel(back, i % c.width, i / c.width), c.pixels[i]);
    }
    // Runs longer than 255 pixels are cut into pieces encoded alone.
    ImageDesc& wide = Image(300, 1, 8);
    Bytes data = PixelData(SaveToMemory(wide, 1));
    EXPECT_EQ(data, (Bytes{255, 0, 45, 0, 0, 0, 0, 1}));
}

TEST_F(BmpTest, RoundTripsThroughFilesAndMemoryAtEveryDepth) {
    for (int bits : {1, 8, 24}) {
        for (int runLength : {0, 1}) {
            if (runLength && bits != 8) continue;
            ImageDesc& image = Image(47, 33, bits);
            FillPattern(image);
            if (bits == 8) image.palette[5] = win::RGBQUAD{10, 20, 30, 0};
            const std::string name =
                "\\r" + std::to_string(bits) + "_" + std::to_string(runLength) + ".BMP";
            ASSERT_EQ(SaveBmp(name.c_str(), &image, runLength), IMG_OK);
            Bytes memory = SaveToMemory(image, runLength);
            EXPECT_EQ(ReadFile(name.substr(1)), memory);
            win::BITMAPINFOHEADER header;
            ASSERT_EQ(GetBmpHeader(name.c_str(), &header), IMG_OK);
            EXPECT_EQ(header.biWidth, 47);
            EXPECT_EQ(header.biHeight, 33);
            EXPECT_EQ(header.biBitCount, bits);
            for (int medium = 0; medium < 3; ++medium) {
                ImageDesc& back = Image(47, 33, bits);
                const std::u16string wide(name.begin(), name.end());
                const int32_t status = medium == 0   ? LoadBmp(name.c_str(), &back)
                                       : medium == 1 ? LoadBmpW(wide.c_str(), &back)
                                                     : LoadBmpFromMemory(Block(memory), &back);
                ASSERT_EQ(status, IMG_OK);
                for (int y = 0; y < 33; ++y)
                    for (int x = 0; x < 47; ++x) ASSERT_EQ(Pixel(back, x, y), Pixel(image, x, y));
                if (bits < 24) {
                    EXPECT_EQ(back.colorCount, 1 << bits);
                    EXPECT_EQ(std::memcmp(back.palette, image.palette, 4u << bits), 0);
                    EXPECT_EQ(back.flags & IMG_FLAG_GREY, bits == 1 ? IMG_FLAG_GREY : 0u);
                }
            }
        }
    }
}

// A 4 x 3 picture of 4-bit indices (top row first) in every form the reader knows.
const uint8_t kIndices[3][4] = {{1, 2, 3, 4}, {5, 5, 5, 6}, {15, 0, 7, 7}};

Bytes GreyTable(int entries) {
    Bytes t;
    for (int i = 0; i < entries; ++i)
        t.insert(t.end(), {uint8_t(i * 16), uint8_t(i * 16), uint8_t(i * 16), 0});
    return t;
}

TEST_F(BmpTest, FourBitFilesBecomeOneIndexPerByte) {
    BmpLayout plain;
    plain.width = 4;
    plain.height = 3;
    plain.bits = 4;
    plain.table = GreyTable(16);
    for (int r = 2; r >= 0; --r) {
        plain.pixels.insert(plain.pixels.end(),
                            {uint8_t(kIndices[r][0] << 4 | kIndices[r][1]),
                             uint8_t(kIndices[r][2] << 4 | kIndices[r][3]), 0, 0});
    }
    BmpLayout rle = plain;
    rle.compression = win::BI_RLE4;
    // Bottom row as a literal of 4 nibbles, the middle one as a run and a pair, the top as runs.
    rle.pixels = {0, 4, 0xF0, 0x77, 0, 0, 3, 0x55, 1, 0x60, 0, 0, 2, 0x12, 2, 0x34, 0, 0, 0, 1};
    for (const BmpLayout* variant : {&plain, &rle}) {
        const void* file = Block(MakeBmp(*variant));
        ImageDesc& image = Image(4, 3, 8);
        ASSERT_EQ(LoadBmpFromMemory(file, &image), IMG_OK);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(Pixel(image, x, y), kIndices[y][x]) << x << "," << y;
        EXPECT_EQ(image.colorCount, 16);
        EXPECT_EQ(image.palette[15].rgbRed, 240);
        EXPECT_EQ(IsGreyPalette(&image), 0);  // steps of 16 are no 8-bit ramp
        EXPECT_EQ(LoadBmpFromMemory(file, &Image(4, 3, 1)), IMG_BAD_BIT_DEPTH);
    }
    // Every delta of BI_RLE4 is refused.
    rle.pixels = {0, 2, 1, 0, 0, 1};
    EXPECT_EQ(LoadBmpFromMemory(Block(MakeBmp(rle)), &Image(4, 3, 8)), IMG_BAD_RLE);
}

TEST_F(BmpTest, RunLengthDataIsCheckedAgainstRowAndInput) {
    BmpLayout variant;
    variant.width = 4;
    variant.height = 2;
    variant.bits = 8;
    variant.compression = win::BI_RLE8;
    variant.table = GreyTable(16);
    struct Case {
        Bytes data;
        int32_t status;
        uint32_t bottom[4];  // the bottom row afterwards (the image starts all 9)
    } cases[] = {
        {{4, 1, 0, 0, 4, 2, 0, 1}, IMG_OK, {1, 1, 1, 1}},
        {{1, 3, 0, 2, 2, 0, 1, 4, 0, 0, 0, 1}, IMG_OK, {3, 9, 9, 4}},  // a delta skips two
        {{2, 3, 0, 1}, IMG_OK, {3, 3, 9, 9}},                          // end of bitmap early
        {{6, 1, 0, 0}, IMG_BAD_RLE, {1, 1, 1, 1}},                     // a run past the row
        {{0, 5, 1, 2, 3, 4, 5, 0}, IMG_BAD_RLE, {1, 2, 3, 4}},         // a literal past the row
        {{0, 2, 5, 0, 0, 0}, IMG_BAD_RLE, {9, 9, 9, 9}},               // a delta past the row
        {{0, 2, 1, 1, 0, 0}, IMG_BAD_RLE, {9, 9, 9, 9}},               // a delta to another row
        {{0, 4, 1, 2}, IMG_BAD_RLE, {9, 9, 9, 9}},                     // a literal past the data
        {{2, 7}, IMG_IO_ERROR, {7, 7, 9, 9}},                          // data ends in the row
    };
    for (const Case& c : cases) {
        variant.pixels = c.data;
        ImageDesc& image = Image(4, 2, 8);
        std::memset(image.bits, 9, image.stride * 2);
        EXPECT_EQ(LoadBmpFromMemory(Block(MakeBmp(variant)), &image), c.status);
        for (int x = 0; x < 4; ++x) EXPECT_EQ(Pixel(image, x, 1), c.bottom[x]) << x;
    }
    // Pixels in a row's padding (three pixels padded to four) are dropped
    // without complaint; past the padding they are refused.
    variant.width = 3;
    variant.pixels = {4, 1, 0, 0, 4, 2, 0, 1};
    ImageDesc& narrow = Image(3, 2, 8);
    EXPECT_EQ(LoadBmpFromMemory(Block(MakeBmp(variant)), &narrow), IMG_OK);
    EXPECT_EQ(Pixel(narrow, 2, 0), 2u);
    variant.pixels = {5, 1, 0, 0};
    EXPECT_EQ(LoadBmpFromMemory(Block(MakeBmp(variant)), &narrow), IMG_BAD_RLE);
    // An 8-bit file claiming BI_RLE4 has no row kind.
    variant.compression = win::BI_RLE4;
    EXPECT_EQ(LoadBmpFromMemory(Block(MakeBmp(variant)), &Image(4, 2, 8)), IMG_BAD_RLE);
}

TEST_F(BmpTest, MaskedPixelsWidenToEightBitChannels) {
    // 5-6-5 bitfields: white, pure red, pure green, and blue 1 of 31.
    BmpLayout variant;
    variant.width = 4;
    variant.height = 1;
    variant.bits = 16;
    variant.compression = win::BI_BITFIELDS;
    for (uint32_t m : {0xF800u, 0x07E0u, 0x001Fu}) Put32(variant.masks, m);
    for (uint32_t p : {0xFFFFu, 0xF800u, 0x07E0u, 0x0001u}) Put16(variant.pixels, p);
    ImageDesc& image = Image(4, 1, 24);
    ASSERT_EQ(LoadBmpFromMemory(Block(MakeBmp(variant)), &image), IMG_OK);
    EXPECT_EQ(Pixel(image, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(Pixel(image, 1, 0), 0xFF0000u);
    EXPECT_EQ(Pixel(image, 2, 0), 0x00FF00u);
    EXPECT_EQ(Pixel(image, 3, 0), 0x000008u);  // 1 x 8 + 1 / 4
    // Plain 16 bits are 5-5-5: 0x7FFF is white. A zero mask gives 0, and a mask
    // wider than 8 bits keeps its top 8 bits.
    variant.compression = 0;
    variant.masks.clear();
    variant.pixels.clear();
    for (uint32_t p : {0x7FFFu, 0x001Fu, 0u, 0u}) Put16(variant.pixels, p);
    ASSERT_EQ(LoadBmpFromMemory(Block(MakeBmp(variant)), &image), IMG_OK);
    EXPECT_EQ(Pixel(image, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(Pixel(image, 1, 0), 0x0000FFu);
    variant.compression = win::BI_BITFIELDS;
    for (uint32_t m : {0xFFC0u, 0u, 0x003Fu}) Put32(variant.masks, m);
    variant.pixels.clear();
    for (uint32_t p : {0xFFFFu, 0x8000u, 0x0020u, 0x4000u}) Put16(variant.pixels, p);
    ASSERT_EQ(LoadBmpFromMemory(Block(MakeBmp(variant)), &image), IMG_OK);
    EXPECT_EQ(Pixel(image, 0, 0), 0xFF00FFu);  // red 10 bits cut to 8, green masked away
    EXPECT_EQ(Pixel(image, 1, 0), 0x800000u);
    EXPECT_EQ(Pixel(image, 2, 0), 0x000082u);  // blue 6 bits: 32 widened
    EXPECT_EQ(Pixel(image, 3, 0), 0x400000u);
    // 32 bits: the mask's top 8 bits.
    variant.bits = 32;
    variant.masks.clear();
    for (uint32_t m : {0xFF000000u, 0x00FF0000u, 0x0000FF00u}) Put32(variant.masks, m);
    variant.pixels.clear();
    for (uint32_t p : {0x11223344u, 0xFF000000u, 0x0000FF00u, 0u}) Put32(variant.pixels, p);
    ASSERT_EQ(LoadBmpFromMemory(Block(MakeBmp(variant)), &image), IMG_OK);
    EXPECT_EQ(Pixel(image, 0, 0), 0x112233u);
    EXPECT_EQ(Pixel(image, 1, 0), 0xFF0000u);
    EXPECT_EQ(Pixel(image, 2, 0), 0x0000FFu);
}

TEST_F(BmpTest, SmallerImagesKeepTheTopLeftOfEitherRowOrder) {
    // A 640 x 480 picture into 100 x 100: the file's top-left 100 x 100 pixels.
    ImageDesc& big = Image(640, 480, 24);
    FillPattern(big);
    Bytes bottomUp = SaveToMemory(big, 0);
    // The same picture stored top-down.
    Bytes topDown = bottomUp;
    bytes::PutI32(&topDown[22], -480);
    const std::size_t stride = 640 * 3;
    for (int r = 0; r < 480; ++r) {
        std::memcpy(&topDown[54 + r * stride], &bottomUp[54 + (479 - r) * stride], stride);
    }
    for (const Bytes* file : {&bottomUp, &topDown}) {
        ImageDesc& small = Image(100, 100, 24);
        ASSERT_EQ(LoadBmpFromMemory(Block(*file), &small), IMG_OK);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) ASSERT_EQ(Pixel(small, x, y), PatternValue(x, y, 24));
        // A taller image takes the picture into its rectangle's bottom rows in both orders.
        ImageDesc& tall = Image(8, 500, 24);
        SetImageRect(&tall, 2, 5, 7, 489);
        ASSERT_EQ(LoadBmpFromMemory(Block(*file), &tall), IMG_OK);
        EXPECT_EQ(Pixel(tall, 2, 10), PatternValue(0, 0, 24));
        EXPECT_EQ(Pixel(tall, 7, 489), PatternValue(5, 479, 24));
        EXPECT_EQ(Pixel(tall, 1, 10), 0u);
        EXPECT_EQ(Pixel(tall, 2, 9), 0u);
    }
}

TEST_F(BmpTest, OlderAndOddHeadersRead) {
    // An OS/2 core header: 16-bit sides, 3-byte table entries. 8 x 2 of 1 bit.
    Bytes core = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0};
    Put32(core, 12);
    Put16(core, 8);
    Put16(core, 2);
    Put16(core, 1);
    Put16(core, 1);
    core.insert(core.end(), {0, 0, 255, 255, 255, 255});  // red, white
    core.insert(core.end(), {0xF0, 0, 0, 0, 0x0F, 0, 0, 0});
    core.resize(60, 0);  // forty bytes are read behind the file header whatever its kind
    ImageDesc& image = Image(8, 2, 1);
    ASSERT_EQ(LoadBmpFromMemory(Block(core), &image), IMG_OK);
    EXPECT_EQ(Pixel(image, 0, 1), 1u);
    EXPECT_EQ(Pixel(image, 4, 1), 0u);
    EXPECT_EQ(Pixel(image, 4, 0), 1u);
    EXPECT_EQ(image.palette[0].rgbRed, 255);
    EXPECT_EQ(image.palette[0].rgbBlue, 0);
    EXPECT_EQ(image.colorCount, 2);
    win::BITMAPINFOHEADER header;
    ASSERT_EQ(GetBmpHeaderFromMemory(Block(core), &header), IMG_OK);
    EXPECT_EQ(header.biClrUsed, 2u);
    EXPECT_EQ(header.biSizeImage, 8u);
    // biClrUsed above 2^bits is cut: a 1-bit file claiming 256 colours fills two.
    BmpLayout variant;
    variant.width = 8;
    variant.bits = 1;
    variant.clrUsed = 256;
    variant.table = GreyTable(256);
    variant.pixels = {0xAA, 0, 0, 0};
    ASSERT_EQ(GetBmpHeaderFromMemory(Block(MakeBmp(variant)), &header), IMG_OK);
    EXPECT_EQ(header.biClrUsed, 2u);
    win::RGBQUAD table[256];
    EXPECT_EQ(GetBmpPaletteFromMemory(Block(MakeBmp(variant)), table), 2);
    // A 58-byte 1 x 1 picture reads.
    variant = BmpLayout{};
    variant.pixels = {1, 2, 3, 0};
    Bytes tiny = MakeBmp(variant);
    ASSERT_EQ(tiny.size(), 58u);
    ImageDesc& one = Image(1, 1, 24);
    ASSERT_EQ(LoadBmpFromMemory(Block(tiny), &one), IMG_OK);
    EXPECT_EQ(Pixel(one, 0, 0), 0x030201u);
    EXPECT_EQ(GetBmpPaletteFromMemory(Block(tiny), table), 0);
}

TEST_F(BmpTest, RefusalsOfReaderAndWriter) {
    BmpLayout variant;
    variant.pixels = {1, 2, 3, 0};
    Bytes good = MakeBmp(variant);
    win::BITMAPINFOHEADER header;
    Bytes wrongMagic = good;
    wrongMagic[1] = 'A';
    EXPECT_EQ(GetBmpHeaderFromMemory(Block(wrongMagic), &header), IMG_NO_BITMAP_DATA);
    EXPECT_EQ(GetBmpHeaderFromMemory(Block(Bytes(good.begin(), good.begin() + 53)), &header),
              IMG_NO_BITMAP_DATA);
    EXPECT_EQ(GetBmpHeader("\\missing.bmp", &header), IMG_NOT_THIS_FORMAT);
    ImageDesc& image = Image(1, 1, 24);
    Bytes huge = good;
    bytes::PutI32(&huge[18], 70000);
    EXPECT_EQ(LoadBmpFromMemory(Block(huge), &image), IMG_TOO_LARGE);
    bytes::PutI32(&huge[18], 0);
    EXPECT_EQ(LoadBmpFromMemory(Block(huge), &image), IMG_NO_BITMAP_DATA);
    // Sides and depth whose image size does not fit 32 bits (a fuzzing find):
    // the size saturates and the picture is refused as too large.
    Bytes vast = good;
    bytes::PutI32(&vast[18], 0x7FFFFFFF);
    bytes::PutI32(&vast[22], 0x7FFFFFFF);
    bytes::PutU16(&vast[28], 13618);
    bytes::PutU32(&vast[34], 0);
    ASSERT_EQ(GetBmpHeaderFromMemory(Block(vast), &header), IMG_OK);
    EXPECT_EQ(header.biSizeImage, 0xFFFFFFFFu);
    EXPECT_EQ(LoadBmpFromMemory(Block(vast), &image), IMG_TOO_LARGE);
    EXPECT_EQ(LoadBmpFromMemory(Block(good), &Image(1, 1, 8)), IMG_BAD_BIT_DEPTH);
    Bytes fiveBits = good;
    bytes::PutU16(&fiveBits[28], 5);
    EXPECT_EQ(LoadBmpFromMemory(Block(fiveBits), &Image(1, 1, 8)), IMG_BAD_BIT_DEPTH);
    // A 24-bit picture cannot be run-length encoded: no file is left.
    EXPECT_EQ(SaveBmp("\\rle24.bmp", &image, 1), IMG_BAD_RLE);
    EXPECT_FALSE(Exists("rle24.bmp"));
    void* block = nullptr;
    EXPECT_EQ(SaveBmpToMemory(&block, &image, 1), IMG_BAD_RLE);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(SaveBmp("\\deep.bmp", &Image(2, 2, 32), 0), IMG_BAD_BIT_DEPTH);
    EXPECT_FALSE(Exists("deep.bmp"));
}

}  // namespace
}  // namespace imagingtest
