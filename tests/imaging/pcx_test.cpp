// PCX files: header and lines as written, the line coder's vectors, round
// trips, every kind of file the reader takes, palettes, and refusals.
#include "imaging/pcx/pcx.h"

#include <cstring>

#include "common/byte_io.h"
#include "imaging/pcx/pcx_internal.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

class PcxTest : public ImagingTest {
  protected:
    Bytes Save(ImageDesc& image) {
        EXPECT_EQ(SavePcx("\\out.pcx", &image), IMG_OK);
        return ReadFile("out.pcx");
    }
};

Bytes Encode(const Bytes& line) {
    Bytes out(2 * line.size());
    out.resize(EncodePcxLine(line.data(), line.size(), out.data()));
    return out;
}

TEST(PcxLineTest, RunsSinglesAndHighBytes) {
    EXPECT_EQ(Encode(Bytes(100, 4)), (Bytes{0xFF, 4, 0xE5, 4}));  // 63 + 37
    EXPECT_EQ(Encode(Bytes{200}), (Bytes{0xC1, 0xC8}));
    EXPECT_EQ(Encode(Bytes{191}), (Bytes{0xBF}));
    EXPECT_EQ(Encode(Bytes{192, 5, 5, 7}), (Bytes{0xC1, 192, 0xC2, 5, 7}));
}

TEST_F(PcxTest, EightBitHeaderLinesAndTrailer) {
    // 5 pixels wide: 6 bytes per line, the sixth 0 and encoded with the line.
    ImageDesc& image = Image(5, 2, 8);
    FillPattern(image);
    image.palette[3] = win::RGBQUAD{1, 2, 3, 0};
    Bytes file = Save(image);
    ASSERT_GE(file.size(), 128u + 769);
    EXPECT_EQ(file[0], 10);
    EXPECT_EQ(file[1], 5);  // a colour table
    EXPECT_EQ(file[2], 1);
    EXPECT_EQ(file[3], 8);
    EXPECT_EQ(bytes::GetU16(&file[8]), 4);
    EXPECT_EQ(bytes::GetU16(&file[10]), 1);
    EXPECT_EQ(bytes::GetU16(&file[12]), 640);
    EXPECT_EQ(bytes::GetU16(&file[14]), 480);
    for (int i = 16; i < 64; ++i) EXPECT_EQ(file[i], 0) << i;  // 256 colours: no header palette
    EXPECT_EQ(file[65], 1);
    EXPECT_EQ(bytes::GetU16(&file[66]), 6);
    EXPECT_EQ(bytes::GetU16(&file[68]), 1);
    const std::size_t trailer = file.size() - 769;
    EXPECT_EQ(file[trailer], 12);
    EXPECT_EQ(file[trailer + 1 + 3 * 3], 3);  // red of entry 3
    EXPECT_EQ(file[trailer + 1 + 3 * 3 + 2], 1);
    EXPECT_EQ(file[trailer + 1 + 3 * 200], 200);
    // Decoding the lines by hand: the top row first, the padding byte 0.
    Bytes lines;
    for (std::size_t i = 128; i < trailer; ++i) {
        if (file[i] > 192) {
            lines.insert(lines.end(), file[i] & 63, file[i + 1]);
            ++i;
        } else {
            lines.push_back(file[i]);
        }
    }
    ASSERT_EQ(lines.size(), 12u);
    for (int r = 0; r < 2; ++r) {
        for (int x = 0; x < 5; ++x) EXPECT_EQ(lines[6 * r + x], PatternValue(x, r, 8));
        EXPECT_EQ(lines[6 * r + 5], 0);
    }
}

TEST_F(PcxTest, OneBitPicturesCarryTheirTwoColoursInTheHeader) {
    ImageDesc& image = Image(12, 3, 1);
    image.palette[0] = win::RGBQUAD{0, 0, 255, 0};  // red
    FillPattern(image);
    SetImageRect(&image, 2, 1, 11, 2);
    Bytes file = Save(image);
    EXPECT_EQ(file[1], 5);
    EXPECT_EQ(bytes::GetU16(&file[4]), 2);  // the rectangle's own coordinates
    EXPECT_EQ(bytes::GetU16(&file[6]), 1);
    EXPECT_EQ(bytes::GetU16(&file[8]), 11);
    EXPECT_EQ(bytes::GetU16(&file[10]), 2);
    EXPECT_EQ(file[16], 255);
    EXPECT_EQ(file[18], 0);
    EXPECT_EQ(file[19], 255);  // white
    EXPECT_EQ(bytes::GetU16(&file[66]), 2);
    EXPECT_EQ(file[128 + 769 > file.size() ? 0 : 1], 10);  // no trailer: the file is short
    EXPECT_LT(file.size(), 128u + 769);
    PcxInfo info;
    ASSERT_EQ(GetPcxInfo("\\out.pcx", &info), IMG_OK);
    EXPECT_EQ(info.width, 10);
    EXPECT_EQ(info.height, 2);
    EXPECT_EQ(info.imageDepth, 1);
    ImageDesc& back = Image(10, 2, 1);
    ASSERT_EQ(LoadPcx("\\out.pcx", &back), IMG_OK);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(Pixel(back, x, y), PatternValue(x + 2, y + 1, 1));
    EXPECT_EQ(back.palette[0].rgbRed, 255);
    EXPECT_EQ(back.colorCount, 2);
}

TEST_F(PcxTest, RoundTripsWithWideAndNarrowNames) {
    for (int bits : {1, 8}) {
        ImageDesc& image = Image(47, 33, bits);
        FillPattern(image);
        ASSERT_EQ(SavePcxW(u"\\wide.pcx", &image), IMG_OK);
        ImageDesc& back = Image(47, 33, bits);
        ASSERT_EQ(LoadPcx("\\WIDE.PCX", &back), IMG_OK);
        for (int y = 0; y < 33; ++y)
            for (int x = 0; x < 47; ++x) ASSERT_EQ(Pixel(back, x, y), Pixel(image, x, y));
        EXPECT_EQ(back.flags & IMG_FLAG_GREY, IMG_FLAG_GREY);
        ImageDesc& corner = Image(10, 7, bits);  // a smaller image keeps the top-left
        ASSERT_EQ(LoadPcxW(u"\\wide.pcx", &corner), IMG_OK);
        EXPECT_EQ(Pixel(corner, 9, 6), Pixel(image, 9, 6));
    }
}

// A PCX file made by hand: header fields, then encoded bytes.
Bytes MakePcx(int version, int bits, int planes, int width, int height, int bytesPerLine,
              const Bytes& data, const Bytes& headerPalette = {}) {
    Bytes h(128, 0);
    h[0] = 10;
    h[1] = static_cast<uint8_t>(version);
    h[2] = 1;
    h[3] = static_cast<uint8_t>(bits);
    bytes::PutU16(&h[8], static_cast<uint16_t>(width - 1));
    bytes::PutU16(&h[10], static_cast<uint16_t>(height - 1));
    for (std::size_t i = 0; i < headerPalette.size() && i < 48; ++i) h[16 + i] = headerPalette[i];
    h[65] = static_cast<uint8_t>(planes);
    bytes::PutU16(&h[66], static_cast<uint16_t>(bytesPerLine));
    h.insert(h.end(), data.begin(), data.end());
    return h;
}

TEST_F(PcxTest, FourPlaneAndNibbleFilesAndTheirPalettes) {
    // 8 x 1, four planes of one bit: plane k gives bit k of the index.
    // Pixel x has index x + 8 for x < 8 with planes: p0 = 0x55, p1 = 0x33, p2 = 0x0F, p3 = 0xFF.
    const Bytes planes = {0x55, 0x00, 0x33, 0x00, 0x0F,
                          0x00, 0xC1, 0xFF, 0x00};  // 0xFF as a run of 1
    Bytes palette;
    for (int i = 0; i < 16; ++i)
        palette.insert(palette.end(), {uint8_t(i), uint8_t(2 * i), uint8_t(3 * i)});
    WriteFile("v3.pcx", MakePcx(3, 1, 4, 8, 1, 2, planes, palette));
    WriteFile("v5.pcx", MakePcx(5, 1, 4, 8, 1, 2, planes, palette));
    PcxInfo info;
    ASSERT_EQ(GetPcxInfo("\\v3.pcx", &info), IMG_OK);
    EXPECT_EQ(info.imageDepth, 8);
    for (const char* name : {"\\v3.pcx", "\\v5.pcx"}) {
        ImageDesc& image = Image(8, 1, 8);
        ASSERT_EQ(LoadPcx(name, &image), IMG_OK);
        for (int x = 0; x < 8; ++x) {
            const int want = ((0x55 >> (7 - x)) & 1) | ((0x33 >> (7 - x)) & 1) << 1 |
                             ((0x0F >> (7 - x)) & 1) << 2 | 8;
            EXPECT_EQ(Pixel(image, x, 0), static_cast<uint32_t>(want)) << x;
        }
        EXPECT_EQ(image.colorCount, 16);
        if (name[2] == '3') {  // no palette: the default 16 colours
            EXPECT_EQ(image.palette[6].rgbRed, 168);
            EXPECT_EQ(image.palette[6].rgbGreen, 84);
            EXPECT_EQ(image.palette[6].rgbBlue, 0);
        } else {
            EXPECT_EQ(image.palette[6].rgbRed, 6);
            EXPECT_EQ(image.palette[6].rgbBlue, 18);
        }
    }
    // One plane of nibbles, high nibble first.
    WriteFile("nib.pcx", MakePcx(5, 4, 1, 3, 1, 2, {0x12, 0x30}, palette));
    ImageDesc& nibbles = Image(3, 1, 8);
    ASSERT_EQ(LoadPcx("\\nib.pcx", &nibbles), IMG_OK);
    EXPECT_EQ(Pixel(nibbles, 0, 0), 1u);
    EXPECT_EQ(Pixel(nibbles, 1, 0), 2u);
    EXPECT_EQ(Pixel(nibbles, 2, 0), 3u);
    // A file of four planes into an image of another depth is refused.
    EXPECT_EQ(LoadPcx("\\v3.pcx", &Image(8, 1, 1)), IMG_BAD_BIT_DEPTH);
}

TEST_F(PcxTest, ThreePlaneFilesAndRunsCarriedAcrossLines) {
    // 2 x 2, planes red, green, blue per line; one run covers the end of the
    // first line and the start of the second.
    const Bytes data = {10, 20, 30, 40, 50, 0xC3, 60, 70, 80, 90, 100};
    WriteFile("rgb.pcx", MakePcx(5, 8, 3, 2, 2, 2, data));
    PcxInfo info;
    ASSERT_EQ(GetPcxInfo("\\rgb.pcx", &info), IMG_OK);
    EXPECT_EQ(info.imageDepth, 24);
    win::RGBQUAD table[256];
    EXPECT_EQ(GetPcxPalette("\\rgb.pcx", table), 0);
    ImageDesc& image = Image(2, 2, 24);
    ASSERT_EQ(LoadPcx("\\rgb.pcx", &image), IMG_OK);
    EXPECT_EQ(Pixel(image, 0, 0), 0x0A1E32u);
    EXPECT_EQ(Pixel(image, 1, 0), 0x14283Cu);
    EXPECT_EQ(Pixel(image, 0, 1), 0x3C465Au);  // the run's rest opens the second line
    EXPECT_EQ(Pixel(image, 1, 1), 0x3C5064u);
}

TEST_F(PcxTest, PalettesOfTwoColoursTrailersAndShortFiles) {
    // Two equal colours count as no palette: the grey ramp stays.
    Bytes equal(6, 77);
    WriteFile("eq.pcx", MakePcx(5, 1, 1, 8, 1, 2, {0xC1, 0xF0, 0}, equal));
    ImageDesc& image = Image(8, 1, 1);
    image.palette[1] = win::RGBQUAD{1, 1, 1, 0};
    ASSERT_EQ(LoadPcx("\\eq.pcx", &image), IMG_OK);
    EXPECT_EQ(image.palette[1].rgbRed, 255);
    EXPECT_EQ(IsGreyPalette(&image), 1);
    // An 8-bit file shorter than a header and a trailer takes the header palette.
    Bytes palette;
    for (int i = 0; i < 16; ++i) palette.insert(palette.end(), {uint8_t(i), 0, 0});
    WriteFile("short.pcx", MakePcx(5, 8, 1, 2, 1, 2, {1, 2}, palette));
    win::RGBQUAD table[256];
    EXPECT_EQ(GetPcxPalette("\\short.pcx", table), 16);
    EXPECT_EQ(table[9].rgbRed, 9);
    // A long enough file without the trailer's mark: 16 entries from the header too.
    Bytes data(900, 0);
    data[0] = 0xC2;
    WriteFile("nomark.pcx", MakePcx(5, 8, 1, 2, 1, 2, data, palette));
    EXPECT_EQ(GetPcxPalette("\\nomark.pcx", table), 16);
    // Version 3 carries no palette.
    WriteFile("v3.pcx", MakePcx(3, 8, 1, 2, 1, 2, {1, 2}, palette));
    EXPECT_EQ(GetPcxPalette("\\v3.pcx", table), 0);
}

TEST_F(PcxTest, RefusalsOfReaderAndWriter) {
    struct Case {
        const char* what;
        Bytes file;
        int32_t status;
    } cases[] = {
        {"manufacturer",
         [] {
             Bytes f = MakePcx(5, 8, 1, 4, 1, 4, {});
             f[0] = 11;
             return f;
         }(),
         IMG_NOT_PCX},
        {"encoding",
         [] {
             Bytes f = MakePcx(5, 8, 1, 4, 1, 4, {});
             f[2] = 0;
             return f;
         }(),
         IMG_NOT_PCX},
        {"no bytes per line", MakePcx(5, 8, 1, 4, 1, 0, {}), IMG_NOT_PCX},
        {"line short of the width", MakePcx(5, 8, 1, 4, 1, 3, {}), IMG_NOT_PCX},
        {"xmax below xmin",
         [] {
             Bytes f = MakePcx(5, 8, 1, 4, 1, 4, {});
             f[4] = 9;
             return f;
         }(),
         IMG_NOT_PCX},
        {"short header", Bytes(100, 10), IMG_NOT_PCX},
    };
    PcxInfo info;
    for (const Case& c : cases) {
        WriteFile("bad.pcx", c.file);
        EXPECT_EQ(GetPcxInfo("\\bad.pcx", &info), c.status) << c.what;
        EXPECT_EQ(LoadPcx("\\bad.pcx", &Image(4, 1, 8)), c.status) << c.what;
    }
    WriteFile("twoplanes.pcx", MakePcx(5, 8, 2, 4, 1, 4, {}));
    EXPECT_EQ(LoadPcx("\\twoplanes.pcx", &Image(4, 1, 8)), IMG_NOT_PCX);
    EXPECT_EQ(LoadPcx("\\missing.pcx", &Image(4, 1, 8)), IMG_NOT_THIS_FORMAT);
    // The data ends inside the second line: the first stays.
    WriteFile("cut.pcx", MakePcx(5, 8, 1, 2, 3, 2, {7, 8, 9}));
    ImageDesc& cut = Image(2, 3, 8);
    EXPECT_EQ(LoadPcx("\\cut.pcx", &cut), IMG_IO_ERROR);
    EXPECT_EQ(Pixel(cut, 1, 0), 8u);
    EXPECT_EQ(Pixel(cut, 0, 1), 0u);
    // A 24-bit picture is refused and leaves no file.
    EXPECT_EQ(SavePcx("\\deep.pcx", &Image(3, 3, 24)), IMG_BAD_BIT_DEPTH);
    EXPECT_FALSE(Exists("deep.pcx"));
}

}  // namespace
}  // namespace imagingtest
