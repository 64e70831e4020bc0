// The PNG reader on files made here: the sample converters, Adam7, images
// smaller and larger than the file, the chunk rules, the guards on sizes and
// lengths, the text, palette and resolution queries, and cut files.
#include <algorithm>
#include <cstring>

#include "imaging/png/png.h"
#include "imaging/png/png_records.h"
#include "tests/imaging/imaging_fixture.h"
#include "tests/imaging/png/png_bytes.h"

namespace imagingtest {
namespace {

using pngtest::Chunk;
using pngtest::Ihdr;
using pngtest::MakePng;

// Rows of one pass with a filter byte of 0 each.
Bytes Unfiltered(const std::vector<Bytes>& rows) {
    Bytes raw;
    for (const Bytes& r : rows) {
        raw.push_back(0);
        raw.insert(raw.end(), r.begin(), r.end());
    }
    return raw;
}

class PngReaderTest : public ImagingTest {
  protected:
    void SetUp() override {
        ImagingTest::SetUp();
        ResetPngRecords();
    }
    // Loads the bytes (as a file) into a new image of the given size and depth.
    int32_t Load(const Bytes& file, ImageDesc& image) {
        WriteFile("r.png", file);
        return LoadPng("\\r.png", &image);
    }
};

TEST_F(PngReaderTest, EachFormatConvertsItsSamples) {
    struct Case {
        int colourType;
        int depth;
        Bytes row;                       // one row of four pixels
        std::vector<uint32_t> expected;  // the loaded pixels
        int imageDepth;
    };
    const std::vector<Case> cases = {
        {0, 1, {0b10100000}, {1, 0, 1, 0}, 1},
        {0, 2, {0b00011011}, {0, 85, 170, 255}, 8},
        {0, 4, {0x01, 0xF7}, {0, 17, 255, 119}, 8},
        {0, 8, {9, 8, 7, 6}, {9, 8, 7, 6}, 8},
        {0, 16, {0x12, 0x34, 0xFF, 0x00, 0, 0xFF, 0x80, 0x80}, {0x12, 0xFF, 0, 0x80}, 8},
        {2,
         8,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         {0x010203, 0x040506, 0x070809, 0x0A0B0C},
         24},
        {2,
         16,
         {0xAB, 1, 0xCD, 2, 0xEF, 3, 1, 0, 2, 0, 3, 0, 0, 9, 0, 9, 0, 9, 0xFF, 0, 0, 0, 0xFF, 0},
         {0xABCDEF, 0x010203, 0, 0xFF00FF},
         24},
        {3, 1, {0b01100000}, {0, 1, 1, 0}, 1},
        {3, 2, {0b11100100}, {3, 2, 1, 0}, 8},
        {3, 4, {0xF0, 0x5A}, {15, 0, 5, 10}, 8},
        {3, 8, {200, 1, 0, 255}, {200, 1, 0, 255}, 8},
        {4, 8, {0x40, 0x99, 0x41, 0, 0x42, 1, 0x43, 0xFF}, {0x40, 0x41, 0x42, 0x43}, 8},
        {4,
         16,
         {0x40, 0x01, 0x99, 0x99, 0x41, 0, 0, 0, 0x42, 1, 1, 1, 0x43, 0, 0xFF, 0xFF},
         {0x40, 0x41, 0x42, 0x43},
         8},
        {6,
         8,
         {1, 2, 3, 0, 4, 5, 6, 9, 7, 8, 9, 0xFF, 10, 11, 12, 1},
         {0x010203, 0x040506, 0x070809, 0x0A0B0C},
         24},
        {6,
         16,
         {1, 0, 2, 0, 3, 0, 7, 7, 4,  1, 5,  1, 6,  1, 0,    0,
          7, 0, 8, 0, 9, 0, 1, 1, 10, 0, 11, 0, 12, 0, 0xFF, 0xFF},
         {0x010203, 0x040506, 0x070809, 0x0A0B0C},
         24},
    };
    for (std::size_t f = 0; f < cases.size(); ++f) {
        const Case& c = cases[f];
        Bytes plte;
        if (c.colourType == 3) {
            Bytes entries;
            for (int e = 0; e < (1 << c.depth); ++e) {
                entries.insert(entries.end(), {static_cast<uint8_t>(e), static_cast<uint8_t>(e * 3),
                                               static_cast<uint8_t>(255 - e)});
            }
            plte = Chunk("PLTE", entries);
        }
        // Two rows: the second repeats the first through the Up filter.
        Bytes raw = Unfiltered({c.row});
        raw.push_back(2);
        raw.insert(raw.end(), c.row.size(), 0);
        const Bytes file = MakePng(Ihdr(4, 2, c.depth, c.colourType, 0), raw, plte);
        WriteFile("r.png", file);
        PngInfo info;
        ASSERT_EQ(GetPngInfo("\\r.png", &info), IMG_OK) << f;
        EXPECT_EQ(info.format, f);
        EXPECT_EQ(info.imageDepth, static_cast<uint32_t>(c.imageDepth)) << f;
        EXPECT_EQ(info.rowBytes, c.row.size()) << f;
        static constexpr uint32_t kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
        EXPECT_EQ(info.bitsPerPixel, static_cast<uint32_t>(c.depth) * kChannels[c.colourType]) << f;
        ImageDesc& image = Image(4, 2, c.imageDepth);
        ASSERT_EQ(LoadPng("\\r.png", &image), IMG_OK) << f << " " << GetPngErrorDetail();
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(Pixel(image, x, y), c.expected[x]) << f << " " << x;
        }
        if (c.colourType == 3) {
            EXPECT_EQ(image.colorCount, std::min(1 << c.depth, c.imageDepth == 1 ? 2 : 256));
            EXPECT_EQ(image.palette[1].rgbGreen, 3);
            EXPECT_EQ(image.palette[1].rgbBlue, 254);
            EXPECT_EQ(image.flags & IMG_FLAG_GREY, 0u);
        } else if (c.imageDepth == 8) {
            // Grey files get the grey ramp.
            EXPECT_EQ(image.colorCount, 256);
            EXPECT_EQ(image.palette[200].rgbRed, 200);
        }
    }
    // A destination of another depth than the file's is refused.
    ImageDesc& wrong = Image(4, 2, 24);
    WriteFile("r.png", MakePng(Ihdr(4, 1, 8, 0, 0), Unfiltered({{1, 2, 3, 4}})));
    EXPECT_EQ(LoadPng("\\r.png", &wrong), IMG_BAD_BIT_DEPTH);
}

TEST_F(PngReaderTest, WidenedSamplesFitTheRowAtEveryWidth) {
    // 2- and 4-bit samples take a byte each once converted: more room than
    // the file's row needs.
    for (const auto& [colourType, depth] : {std::pair{0, 2}, std::pair{3, 2}, std::pair{3, 4}}) {
        for (int w = 1; w <= 40; ++w) {
            Bytes samples;
            for (int x = 0; x < w; ++x)
                samples.push_back(static_cast<uint8_t>((x * 5) % (1 << depth)));
            Bytes row((static_cast<std::size_t>(w) * static_cast<std::size_t>(depth) + 7) / 8, 0);
            for (int x = 0; x < w; ++x) {
                const int shift = 8 - depth * (1 + x % (8 / depth));
                row[static_cast<std::size_t>(x / (8 / depth))] |=
                    static_cast<uint8_t>(samples[static_cast<std::size_t>(x)] << shift);
            }
            const Bytes plte = colourType == 3 ? Chunk("PLTE", Bytes(3u << depth, 9)) : Bytes{};
            ImageDesc& image = Image(w, 2, 8);
            ASSERT_EQ(Load(MakePng(Ihdr(static_cast<uint32_t>(w), 2, depth, colourType, 0),
                                   Unfiltered({row, row}), plte),
                           image),
                      IMG_OK)
                << w;
            for (int x = 0; x < w; ++x) {
                const uint32_t v = samples[static_cast<std::size_t>(x)];
                ASSERT_EQ(Pixel(image, x, 1), colourType == 3 ? v : v * 85) << w << " " << x;
            }
        }
    }
}

TEST_F(PngReaderTest, Adam7FilesLoadLikeTheirPlainTwins) {
    const int w = 13, h = 11;
    const auto value = [](int x, int y) { return static_cast<uint8_t>(x * 31 + y * 7 + x * y); };
    for (int bits : {8, 24}) {
        const int channels = bits / 8;
        Bytes plain, adam7;
        for (bool interlaced : {false, true}) {
            Bytes& raw = interlaced ? adam7 : plain;
            int rowNumber = 0;
            for (const pngtest::Pass& p : pngtest::PassesOf(interlaced)) {
                const int pw = pngtest::PassWidthOf(p, w);
                if (pw == 0) continue;
                Bytes prior(static_cast<std::size_t>(pw * channels), 0);
                for (int y = p.firstRow; y < h; y += p.rowStep) {
                    Bytes row;
                    for (int i = 0; i < pw; ++i) {
                        for (int k = 0; k < channels; ++k)
                            row.push_back(static_cast<uint8_t>(
                                value(p.firstColumn + i * p.columnStep, y) + 50 * k));
                    }
                    // Every filter type in turn, so that each is undone.
                    const int type = rowNumber++ % 5;
                    raw.push_back(static_cast<uint8_t>(type));
                    const Bytes f = pngtest::Filtered(type, row, prior, channels);
                    raw.insert(raw.end(), f.begin(), f.end());
                    prior = row;
                }
            }
        }
        const int colourType = bits == 8 ? 0 : 2;
        ImageDesc& a = Image(w, h, bits);
        ImageDesc& b = Image(w, h, bits);
        ASSERT_EQ(Load(MakePng(Ihdr(w, h, 8, colourType, 0), plain), a), IMG_OK);
        ASSERT_EQ(Load(MakePng(Ihdr(w, h, 8, colourType, 1), adam7), b), IMG_OK)
            << GetPngErrorDetail();
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const uint32_t v = value(x, y);
                const uint32_t expected =
                    bits == 8 ? v : (v << 16) | (((v + 50) & 255) << 8) | ((v + 100) & 255);
                ASSERT_EQ(Pixel(a, x, y), expected) << x << "," << y;
                ASSERT_EQ(Pixel(b, x, y), expected) << x << "," << y;
            }
        }
    }
}

TEST_F(PngReaderTest, ImagesSmallerAndLargerThanTheFile) {
    ImageDesc& source = Image(10, 8, 24);
    FillPattern(source);
    ASSERT_EQ(SavePng("\\s.png", &source, 1), IMG_OK);
    // Smaller: the whole image is the file's top-left corner.
    ImageDesc& small = Image(6, 5, 24);
    ASSERT_EQ(LoadPng("\\s.png", &small), IMG_OK);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) ASSERT_EQ(Pixel(small, x, y), Pixel(source, x, y));
    // Larger, with a working rectangle from (3, 2): the rest stays as it was.
    ImageDesc& large = Image(20, 15, 24);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x) SetPixel(large, x, y, 0x777777);
    large.startX = 3;
    large.startY = 2;
    ASSERT_EQ(LoadPng("\\s.png", &large), IMG_OK);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 3 && x < 13 && y >= 2 && y < 10;
            ASSERT_EQ(Pixel(large, x, y), inside ? Pixel(source, x - 3, y - 2) : 0x777777u);
        }
    }
    // 1-bit at a column that is not a byte boundary keeps the bits around.
    ImageDesc& bits = Image(11, 7, 1);
    FillPattern(bits);
    ASSERT_EQ(SavePng("\\b.png", &bits, 0), IMG_OK);
    ImageDesc& into = Image(30, 9, 1);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 30; ++x) SetPixel(into, x, y, 1);
    into.startX = 5;
    into.startY = 1;
    into.endY = 5;  // five rows of the seven
    ASSERT_EQ(LoadPng("\\b.png", &into), IMG_OK);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 30; ++x) {
            const bool inside = x >= 5 && x < 16 && y >= 1 && y <= 5;
            ASSERT_EQ(Pixel(into, x, y), inside ? Pixel(bits, x - 5, y - 1) : 1u) << x << "," << y;
        }
    }
}

TEST_F(PngReaderTest, ChunkRules) {
    const Bytes rows = Unfiltered({{1, 2, 3}, {4, 5, 6}});
    const Bytes header = Ihdr(3, 2, 8, 0, 0);
    const auto status = [&](const Bytes& file, int32_t* detail) {
        ImageDesc& image = Image(3, 2, 8);
        const int32_t s = Load(file, image);
        *detail = GetPngErrorDetail();
        return s;
    };
    int32_t detail = 0;
    // Private ancillary chunks are passed over; critical ones stop the scan.
    EXPECT_EQ(status(MakePng(header, rows, Chunk("prIv", {1, 2})), &detail), IMG_OK);
    EXPECT_EQ(status(MakePng(header, rows, Chunk("PRIV", {1, 2})), &detail), IMG_PNG_ERROR);
    EXPECT_EQ(detail, -100);
    // A changed byte in a chunk other than IDAT.
    Bytes changed = MakePng(header, rows, Chunk("tEXt", {'a', 0, 'b'}));
    changed[8 + 25 + 8 + 2] ^= 1;
    EXPECT_EQ(status(changed, &detail), IMG_PNG_ERROR);
    EXPECT_EQ(detail, -111);
    // A changed IDAT CRC: the scan passes it, the load compares it unless the
    // stream ends in that chunk.
    Bytes twoIdats = MakePng(header, rows, {}, {}, 5);
    PngInfo info;
    const std::size_t firstCrc = 8 + 25 + 8 + 5;
    twoIdats[firstCrc] ^= 1;
    WriteFile("r.png", twoIdats);
    EXPECT_EQ(GetPngInfo("\\r.png", &info), IMG_OK);
    EXPECT_EQ(status(twoIdats, &detail), IMG_PNG_ERROR);
    EXPECT_EQ(detail, -111);
    // Header fields.
    struct Bad {
        Bytes ihdr;
        int32_t detail;
    };
    const Bytes longIhdr = Chunk("IHDR", {0, 0, 0, 3, 0, 0, 0, 2, 8, 0, 0, 0, 0, 0});
    for (const Bad& b :
         {Bad{longIhdr, -102}, Bad{Ihdr(3, 2, 3, 0, 0), -103}, Bad{Ihdr(3, 2, 8, 5, 0), -104},
          Bad{Ihdr(3, 2, 16, 3, 0), -105}, Bad{Ihdr(3, 2, 8, 0, 2), -106},
          Bad{Ihdr(0, 2, 8, 0, 0), -109}, Bad{Ihdr(3, 0, 8, 0, 0), -109}}) {
        EXPECT_EQ(status(MakePng(b.ihdr, rows), &detail), IMG_PNG_ERROR);
        EXPECT_EQ(detail, b.detail);
    }
    Bytes method = MakePng(header, rows);
    method[8 + 8 + 10] = 1;  // compression method, CRC fixed below
    const auto fixCrc = [](Bytes& file, std::size_t at, std::size_t length) {
        const uint32_t crc = Crc32(&file[at + 4], length + 4);
        for (int i = 0; i < 4; ++i)
            file[at + 8 + length + static_cast<std::size_t>(i)] =
                static_cast<uint8_t>(crc >> (24 - 8 * i));
    };
    fixCrc(method, 8, 13);
    EXPECT_EQ(status(method, &detail), IMG_PNG_ERROR);
    EXPECT_EQ(detail, -107);
    method[8 + 8 + 10] = 0;
    method[8 + 8 + 11] = 1;
    fixCrc(method, 8, 13);
    EXPECT_EQ(status(method, &detail), IMG_PNG_ERROR);
    EXPECT_EQ(detail, -108);
    // Not PNG at all, and no file.
    EXPECT_EQ(status(Bytes{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0}, &detail), IMG_PNG_ERROR);
    EXPECT_EQ(detail, -110);
    ImageDesc& image = Image(3, 2, 8);
    EXPECT_EQ(LoadPng("\\none.png", &image), IMG_NOT_THIS_FORMAT);
    // The stream ends before the last row, or has bytes left behind it.
    EXPECT_EQ(status(MakePng(header, Unfiltered({{1, 2, 3}})), &detail), IMG_PNG_ERROR);
    EXPECT_EQ(detail, -112);
    Bytes z = DeflateZlib(rows.data(), rows.size());
    z.push_back(0);
    Bytes trailing = pngtest::kSignature;
    for (const Bytes& c : {header, Chunk("IDAT", z), Chunk("IEND", {})})
        trailing.insert(trailing.end(), c.begin(), c.end());
    EXPECT_EQ(status(trailing, &detail), IMG_PNG_ERROR);
    EXPECT_EQ(detail, -112);
    // Cut inside the image data; no IEND; anything after IEND is never read.
    const Bytes good = MakePng(header, rows);
    const std::size_t idatEnd = good.size() - 12;
    EXPECT_EQ(status(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(idatEnd - 6)),
                     &detail),
              IMG_PNG_ERROR);
    EXPECT_TRUE(detail == -113 || detail == -115) << detail;
    EXPECT_EQ(
        status(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(idatEnd)), &detail),
        IMG_PNG_ERROR);
    EXPECT_EQ(detail, -113);
    Bytes after = good;
    after.insert(after.end(), {0, 0, 0, 1, 'B', 'A', 'D', '!', 9});
    EXPECT_EQ(status(after, &detail), IMG_OK);
    // Filter types above 4 leave the row as it is.
    Bytes odd = Unfiltered({{1, 2, 3}, {4, 5, 6}});
    odd[4] = 7;
    ImageDesc& oddImage = Image(3, 2, 8);
    ASSERT_EQ(Load(MakePng(header, odd), oddImage), IMG_OK);
    EXPECT_EQ(Pixel(oddImage, 2, 1), 6u);
}

TEST_F(PngReaderTest, SizesAndLengthsAreCheckedBeforeUse) {
    const Bytes rows = Unfiltered({{1, 2, 3}});
    // Sides above 65535 are reported but not loaded (nothing is allocated).
    WriteFile("r.png", MakePng(Ihdr(70000, 1, 8, 0, 0), rows));
    PngInfo info;
    ASSERT_EQ(GetPngInfo("\\r.png", &info), IMG_OK);
    EXPECT_EQ(info.width, 70000u);
    EXPECT_EQ(info.rowBytes, 70000u);
    ImageDesc& image = Image(3, 1, 8);
    EXPECT_EQ(LoadPng("\\r.png", &image), IMG_PNG_ERROR);
    EXPECT_EQ(GetPngErrorDetail(), -109);
    WriteFile("r.png", MakePng(Ihdr(1, 0x7FFFFFFF, 8, 0, 0), rows));
    ASSERT_EQ(GetPngInfo("\\r.png", &info), IMG_OK);
    EXPECT_EQ(LoadPng("\\r.png", &image), IMG_PNG_ERROR);
    EXPECT_EQ(GetPngErrorDetail(), -109);
    WriteFile("r.png", MakePng(Ihdr(0x80000000u, 1, 8, 0, 0), rows));
    EXPECT_EQ(GetPngInfo("\\r.png", &info), IMG_PNG_ERROR);
    EXPECT_EQ(GetPngErrorDetail(), -109);
    // No IHDR: the info query reports zero sizes, the load fails.
    Bytes headless = pngtest::kSignature;
    for (const Bytes& c : {Chunk("IDAT", DeflateZlib(rows.data(), rows.size())), Chunk("IEND", {})})
        headless.insert(headless.end(), c.begin(), c.end());
    WriteFile("r.png", headless);
    ASSERT_EQ(GetPngInfo("\\r.png", &info), IMG_OK);
    EXPECT_EQ(info.width, 0u);
    EXPECT_EQ(info.height, 0u);
    EXPECT_EQ(LoadPng("\\r.png", &image), IMG_PNG_ERROR);
    EXPECT_EQ(GetPngErrorDetail(), -109);
    // Chunks of the wrong length are passed over whole: their values stay 0
    // and the chunks behind them are still read.
    Bytes before;
    for (const Bytes& c :
         {Chunk("gAMA", {0, 1, 0, 0, 0}), Chunk("pHYs", {0, 0, 1, 0, 0, 0, 2, 0, 1, 5}),
          Chunk("oFFs", {0, 0, 0, 1, 0, 0, 0, 2}), Chunk("sBIT", {8, 8}),
          Chunk("tEXt", {'K', 0, 'v', 'w'})}) {
        before.insert(before.end(), c.begin(), c.end());
    }
    WriteFile("r.png", MakePng(Ihdr(3, 1, 8, 0, 0), rows, before));
    ASSERT_EQ(GetPngInfo("\\r.png", &info), IMG_OK);
    EXPECT_EQ(info.gamma, 0u);
    EXPECT_EQ(info.xPerUnit, 0u);
    EXPECT_EQ(info.xOffset, 0u);
    EXPECT_EQ(info.significantBits[0], 0);
    EXPECT_EQ(GetPngText("\\r.png", "K", nullptr, 0), 3);
    ASSERT_EQ(LoadPng("\\r.png", &image), IMG_OK);
    EXPECT_EQ(Pixel(image, 2, 0), 3u);
    // With the right lengths the values are there.
    before.clear();
    for (const Bytes& c : {Chunk("gAMA", {0, 1, 0, 0}), Chunk("pHYs", {0, 0, 1, 0, 0, 0, 2, 0, 1}),
                           Chunk("oFFs", {0, 0, 0, 1, 0, 0, 0, 2, 1}), Chunk("sBIT", {5}),
                           Chunk("bKGD", {0x12, 0x34}), Chunk("tRNS", {0, 7})}) {
        before.insert(before.end(), c.begin(), c.end());
    }
    WriteFile("r.png", MakePng(Ihdr(3, 1, 8, 0, 0), rows, before));
    ASSERT_EQ(GetPngInfo("\\r.png", &info), IMG_OK);
    EXPECT_EQ(info.gamma, 65536u);
    EXPECT_EQ(info.xPerUnit, 256u);
    EXPECT_EQ(info.yPerUnit, 512u);
    EXPECT_EQ(info.unit, 1u);
    EXPECT_EQ(info.yOffset, 2u);
    EXPECT_EQ(info.offsetUnit, 1u);
    EXPECT_EQ(info.significantBits[0], 5);
    EXPECT_EQ(info.hasBackground, 1u);
    EXPECT_EQ(info.background[0], 0x34);  // host order
    EXPECT_EQ(info.background[1], 0x12);
    EXPECT_EQ(info.hasTransparency, 1u);
    EXPECT_EQ(info.transparency[0], 7);
    EXPECT_EQ(info.transparencyBytes, 2u);
    uint32_t x = 0, y = 0, unit = 0;
    ASSERT_EQ(GetPngResolution("\\r.png", &x, &y, &unit), IMG_OK);
    EXPECT_EQ(x, 256u);
    EXPECT_EQ(y, 512u);
    EXPECT_EQ(unit, 1u);
}

TEST_F(PngReaderTest, TextPaletteAndTransparencyQueries) {
    const Bytes rows = Unfiltered({{0, 1, 2}});
    Bytes before;
    for (const Bytes& c :
         {Chunk("tEXt", {'T', 'i', 't', 'l', 'e', 0, 'o', 'l', 'd'}),
          Chunk("tEXt", {'T', 'i', 't', 'l', 'e', 0, 'a', 'b', 'c'}),
          Chunk("tEXt", {'E', 'm', 'p', 't', 'y', 0}),
          Chunk("PLTE", {10, 20, 30, 40, 50, 60, 70, 80, 90}), Chunk("tRNS", {255, 9, 9, 200})}) {
        before.insert(before.end(), c.begin(), c.end());
    }
    WriteFile("a.png", MakePng(Ihdr(3, 1, 8, 3, 0), rows, before));
    // The later of two texts; keywords match whole and by case.
    EXPECT_EQ(GetPngText("\\a.png", "Title", nullptr, 0), 4);
    EXPECT_EQ(GetPngText("\\a.png", "title", nullptr, 0), 0);
    EXPECT_EQ(GetPngText("\\a.png", "Tit", nullptr, 0), 0);
    EXPECT_EQ(GetPngText("\\a.png", "Empty", nullptr, 0), 0);
    char buffer[8] = "zzzzzzz";
    EXPECT_EQ(GetPngText("\\a.png", "Title", buffer, 3), IMG_OK);
    EXPECT_STREQ(buffer, "ab");
    std::strcpy(buffer, "zzzzzzz");
    EXPECT_EQ(GetPngText("\\a.png", "Title", buffer, 1), IMG_OK);
    EXPECT_STREQ(buffer, "zzzzzzz");
    EXPECT_EQ(GetPngText("\\a.png", "Title", buffer, 8), IMG_OK);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(GetPngText("\\none.png", "Title", nullptr, 0), IMG_NOT_THIS_FORMAT);
    // The lowest alpha's index, the first on a tie.
    PngInfo info;
    ASSERT_EQ(GetPngInfo("\\a.png", &info), IMG_OK);
    EXPECT_EQ(info.hasTransparency, 1u);
    EXPECT_EQ(info.transparency[0], 1);
    EXPECT_EQ(info.transparencyBytes, 1u);
    // Two files, two palettes.
    WriteFile("b.png", MakePng(Ihdr(3, 1, 8, 3, 0), rows,
                               Chunk("PLTE", {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13})));
    win::RGBQUAD table[256];
    ASSERT_EQ(GetPngPalette("\\a.png", table), 3);
    EXPECT_EQ(table[2].rgbRed, 70);
    EXPECT_EQ(table[2].rgbBlue, 90);
    ASSERT_EQ(GetPngPalette("\\b.png", table), 4);
    EXPECT_EQ(table[2].rgbRed, 7);
    EXPECT_EQ(table[3].rgbGreen, 12);
    EXPECT_EQ(table[3].rgbReserved, 0);
    // An empty tRNS reports no transparency; grey files have no palette.
    Bytes withEmpty = Chunk("PLTE", {1, 2, 3, 4, 5, 6, 7, 8, 9});
    const Bytes empty = Chunk("tRNS", {});
    withEmpty.insert(withEmpty.end(), empty.begin(), empty.end());
    WriteFile("c.png", MakePng(Ihdr(3, 1, 8, 3, 0), rows, withEmpty));
    ASSERT_EQ(GetPngInfo("\\c.png", &info), IMG_OK);
    EXPECT_EQ(info.hasTransparency, 0u);
    WriteFile("d.png", MakePng(Ihdr(3, 1, 8, 0, 0), rows));
    EXPECT_EQ(GetPngPalette("\\d.png", table), 0);
    // The memory forms read the same.
    const Bytes bytes = ReadFile("b.png");
    EXPECT_EQ(GetPngPaletteFromMemory(Block(bytes), table), 4);
}

TEST_F(PngReaderTest, EveryCutOfAFileReturnsAStatus) {
    ImageDesc& source = Image(23, 9, 8);
    FillPattern(source);
    source.colorCount = 40;
    const uint32_t index = 3;
    ASSERT_EQ(SavePngEx("\\s.png", &source, 1, 1, &index), IMG_OK);
    Bytes file = ReadFile("s.png");
    // A text chunk too, before IEND.
    const Bytes text = Chunk("tEXt", {'K', 0, 'v'});
    file.insert(file.end() - 12, text.begin(), text.end());
    for (std::size_t n = 0; n <= file.size(); ++n) {
        WriteFile("t.png", Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n)));
        ImageDesc& image = Image(23, 9, 8);
        const int32_t status = LoadPng("\\t.png", &image);
        // The IEND CRC is never read.
        if (n + 4 >= file.size()) {
            EXPECT_EQ(status, IMG_OK) << n;
        } else {
            EXPECT_EQ(status, IMG_PNG_ERROR) << n;
        }
        PngInfo info;
        win::RGBQUAD table[256];
        uint32_t x, y, unit;
        char buffer[4];
        EXPECT_LE(GetPngInfo("\\t.png", &info), 0);
        EXPECT_LE(GetPngPalette("\\t.png", table), 256);
        EXPECT_LE(GetPngResolution("\\t.png", &x, &y, &unit), 0);
        EXPECT_LE(GetPngText("\\t.png", "K", buffer, 4), 0);
        FreeImage(&images.back());
        images.pop_back();
    }
}

}  // namespace
}  // namespace imagingtest
