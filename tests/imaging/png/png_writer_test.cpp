// The PNG writer's files taken apart: chunks per kind of image, filter bytes
// per option, Adam7 at small sizes, IDAT sizes, tRNS and pHYs, the palette
// that covers every index, and failures.
#include <random>

#include "imaging/png/png.h"
#include "imaging/png/png_records.h"
#include "platform/files/file_io.h"
#include "tests/imaging/imaging_fixture.h"
#include "tests/imaging/png/png_bytes.h"

namespace imagingtest {
namespace {

using pngtest::Chunks;
using pngtest::ChunkTypes;
using pngtest::GetBig32;
using pngtest::Inflated;

class PngWriterTest : public ImagingTest {
  protected:
    void SetUp() override {
        ImagingTest::SetUp();
        ResetPngRecords();
    }
    Bytes Saved(ImageDesc& image, uint32_t option, uint32_t flag = 0, const void* value = nullptr) {
        EXPECT_EQ(SavePngEx("\\w.png", &image, option, flag, value), IMG_OK);
        return ReadFile("w.png");
    }
    pngtest::ChunkView Find(const Bytes& file, const std::string& type) {
        for (const auto& c : Chunks(file)) {
            if (c.type == type) return c;
        }
        return {"", {}};
    }
};

TEST_F(PngWriterTest, ChunksAndHeaderPerKindOfImage) {
    struct Kind {
        int bits;
        bool grey;
        int colourType;
        int depth;
        bool plte;
    };
    for (const Kind& k :
         {Kind{24, false, 2, 8, false}, Kind{24, true, 2, 8, false}, Kind{8, true, 0, 8, false},
          Kind{8, false, 3, 8, true}, Kind{1, false, 3, 1, true}, Kind{1, true, 3, 1, true}}) {
        ImageDesc& image = Image(21, 6, k.bits);
        FillPattern(image);
        image.flags = k.grey ? IMG_FLAG_GREY : 0;
        image.startX = 2;
        image.endX = 18;  // a working rectangle of 17 x 4
        image.startY = 1;
        image.endY = 4;
        const Bytes file = Saved(image, 1);
        ASSERT_GE(file.size(), 8u + 25u);
        EXPECT_EQ(Bytes(file.begin(), file.begin() + 8), pngtest::kSignature);
        std::vector<std::string> expected = {"IHDR"};
        if (k.plte) expected.push_back("PLTE");
        expected.insert(expected.end(), {"pHYs", "IDAT", "IEND"});
        EXPECT_EQ(ChunkTypes(file), expected) << k.bits;
        const Bytes ihdr = Chunks(file)[0].data;
        ASSERT_EQ(ihdr.size(), 13u);
        EXPECT_EQ(GetBig32(&ihdr[0]), 17u);
        EXPECT_EQ(GetBig32(&ihdr[4]), 4u);
        EXPECT_EQ(int{ihdr[8]}, k.depth);
        EXPECT_EQ(int{ihdr[9]}, k.colourType);
        EXPECT_EQ(ihdr[10] | ihdr[11], 0);
        EXPECT_EQ(int{ihdr[12]}, 1);
        EXPECT_EQ(Bytes(file.end() - 12, file.end()),
                  (Bytes{0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82}));
        // The rectangle comes back into an image of its size.
        ImageDesc& back = Image(17, 4, k.bits);
        ASSERT_EQ(LoadPng("\\w.png", &back), IMG_OK);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 17; ++x) {
                ASSERT_EQ(Pixel(back, x, y), Pixel(image, x + 2, y + 1)) << k.bits;
            }
        }
    }
}

// The image's rows as the file packs them (top-down, RGB order).
std::vector<Bytes> PackedRows(const ImageDesc& image, const pngtest::Pass& p) {
    const int w = image.header->biWidth;
    const int h = image.header->biHeight;
    const int bits = image.header->biBitCount;
    std::vector<Bytes> rows;
    const int pw = pngtest::PassWidthOf(p, w);
    for (int y = p.firstRow; y < h && pw > 0; y += p.rowStep) {
        Bytes row;
        for (int i = 0; i < pw; ++i) {
            const uint32_t v = Pixel(image, p.firstColumn + i * p.columnStep, y);
            if (bits == 24) {
                row.insert(row.end(), {static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8),
                                       static_cast<uint8_t>(v)});
            } else {
                row.push_back(static_cast<uint8_t>(v));
            }
        }
        rows.push_back(row);
    }
    return rows;
}

TEST_F(PngWriterTest, FilterBytesFollowTheOption) {
    for (int bits : {24, 8}) {
        ImageDesc& image = Image(19, 11, bits);
        std::mt19937 g(4);
        for (int y = 0; y < 11; ++y) {
            for (int x = 0; x < 19; ++x) {
                // Smooth parts and noise, so that every filter wins somewhere.
                const uint32_t smooth = static_cast<uint32_t>(x * 9 + y * 3);
                SetPixel(image, x, y, (x + y) % 4 == 0 ? g() : smooth * 0x010101u);
            }
        }
        image.flags = IMG_FLAG_GREY;
        const int bpp = bits / 8;
        for (uint32_t option = 0; option < 16; ++option) {
            const Bytes data = Inflated(Saved(image, option));
            ASSERT_EQ(data.size(), pngtest::FilteredSize(19, 11, bits, option & 1)) << option;
            std::size_t at = 0;
            std::vector<int> adaptiveTypes;
            for (const pngtest::Pass& p : pngtest::PassesOf(option & 1)) {
                const std::vector<Bytes> rows = PackedRows(image, p);
                Bytes prior(rows.empty() ? 0 : rows[0].size(), 0);
                for (const Bytes& row : rows) {
                    const int type = data[at];
                    int expected = 0;
                    if (option > 11) {
                        expected = 0;
                    } else if ((option & 14) == 0) {
                        expected = pngtest::AdaptiveType(row, prior, bpp);
                        adaptiveTypes.push_back(type);
                    } else {
                        expected = static_cast<int>((option & 14) / 2 - 1);
                    }
                    ASSERT_EQ(type, expected) << bits << " option " << option;
                    // The bytes behind are the row filtered with that type.
                    EXPECT_EQ(
                        Bytes(data.begin() + static_cast<std::ptrdiff_t>(at + 1),
                              data.begin() + static_cast<std::ptrdiff_t>(at + 1 + row.size())),
                        pngtest::Filtered(type, row, prior, bpp));
                    at += 1 + row.size();
                    prior = row;
                }
            }
            if ((option & 14) == 0) {
                // Adaptive filtering used more than one type on this picture.
                std::sort(adaptiveTypes.begin(), adaptiveTypes.end());
                EXPECT_GT(
                    std::unique(adaptiveTypes.begin(), adaptiveTypes.end()) - adaptiveTypes.begin(),
                    1);
            }
        }
    }
    // Palette images always use None.
    ImageDesc& image = Image(9, 5, 8);
    FillPattern(image);
    image.flags = 0;
    for (uint32_t option : {0u, 4u, 10u}) {
        const Bytes data = Inflated(Saved(image, option));
        ASSERT_EQ(data.size(), 5u * 10u);
        for (std::size_t at = 0; at < data.size(); at += 10) EXPECT_EQ(data[at], 0) << option;
    }
}

TEST_F(PngWriterTest, Adam7AtEverySizeFromOneToNine) {
    for (int bits : {1, 8, 24}) {
        for (int w = 1; w <= 9; ++w) {
            for (int h = 1; h <= 9; ++h) {
                ImageDesc& image = Image(w, h, bits);
                FillPattern(image);
                const Bytes data = Inflated(Saved(image, 1));
                ASSERT_EQ(data.size(), pngtest::FilteredSize(w, h, bits, true)) << w << "x" << h;
                ImageDesc& back = Image(w, h, bits);
                ASSERT_EQ(LoadPng("\\w.png", &back), IMG_OK);
                for (int y = 0; y < h; ++y) {
                    for (int x = 0; x < w; ++x) ASSERT_EQ(Pixel(back, x, y), Pixel(image, x, y));
                }
            }
        }
    }
}

TEST_F(PngWriterTest, IdatChunksHold8192BytesAllButTheLast) {
    // Noise rows are stored, so the stream grows with the width: find widths
    // whose stream is exactly 8192 and 16384 bytes long.
    for (uint32_t target : {8192u, 16384u}) {
        int w = static_cast<int>(target) - 12;
        std::vector<uint32_t> sizes;
        for (int tries = 0; tries < 20; ++tries) {
            ImageDesc& image = Image(w, 1, 8);
            std::mt19937 g(static_cast<unsigned>(w));
            for (int x = 0; x < w; ++x) SetPixel(image, x, 0, g());
            image.flags = IMG_FLAG_GREY;
            const Bytes file = Saved(image, 2);
            sizes.clear();
            uint32_t total = 0;
            for (const auto& c : Chunks(file)) {
                if (c.type != "IDAT") continue;
                sizes.push_back(static_cast<uint32_t>(c.data.size()));
                total += static_cast<uint32_t>(c.data.size());
            }
            if (total == target) break;
            w += static_cast<int>(target) - static_cast<int>(total);
        }
        EXPECT_EQ(sizes, std::vector<uint32_t>(target / 8192, 8192u)) << target;
    }
    // A bigger picture: every IDAT but the last holds 8192 bytes.
    ImageDesc& image = Image(200, 150, 24);
    std::mt19937 g(9);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x) SetPixel(image, x, y, g() & 0x3F3F3F);
    const Bytes file = Saved(image, 0);
    std::vector<std::size_t> sizes;
    for (const auto& c : Chunks(file)) {
        if (c.type == "IDAT") sizes.push_back(c.data.size());
    }
    ASSERT_GT(sizes.size(), 3u);
    for (std::size_t i = 0; i + 1 < sizes.size(); ++i) EXPECT_EQ(sizes[i], 8192u);
    EXPECT_GE(sizes.back(), 1u);
    EXPECT_LE(sizes.back(), 8192u);
}

TEST_F(PngWriterTest, TransparencyAndResolutionChunks) {
    ImageDesc& rgb = Image(3, 2, 24);
    ImageDesc& grey = Image(3, 2, 8);
    grey.flags = IMG_FLAG_GREY;
    ImageDesc& indexed = Image(3, 2, 8);
    indexed.flags = 0;
    SetPixel(indexed, 0, 0, 5);
    const uint32_t colour = 0x00332211;  // red 0x11, green 0x22, blue 0x33
    EXPECT_EQ(Find(Saved(rgb, 0, 1, &colour), "tRNS").data, (Bytes{0, 0x11, 0, 0x22, 0, 0x33}));
    const uint16_t level = 0x80;
    EXPECT_EQ(Find(Saved(grey, 0, 1, &level), "tRNS").data, (Bytes{0, 0x80}));
    // A grey level beyond 8 bits would make the file invalid: no tRNS.
    const uint16_t tooHigh = 256;
    EXPECT_EQ(Find(Saved(grey, 0, 1, &tooHigh), "tRNS").type, "");
    const uint32_t index = 2;
    EXPECT_EQ(Find(Saved(indexed, 0, 1, &index), "tRNS").data, (Bytes{255, 255, 0}));
    const uint32_t past = 256;
    EXPECT_EQ(Find(Saved(indexed, 0, 1, &past), "tRNS").type, "");
    // Only a flag of exactly 1 with a value writes the chunk.
    EXPECT_EQ(Find(Saved(rgb, 0, 2, &colour), "tRNS").type, "");
    EXPECT_EQ(Find(Saved(rgb, 0, 1, nullptr), "tRNS").type, "");
    // tRNS sits between PLTE and pHYs.
    EXPECT_EQ(ChunkTypes(Saved(indexed, 1, 1, &index)),
              (std::vector<std::string>{"IHDR", "PLTE", "tRNS", "pHYs", "IDAT", "IEND"}));
    PngInfo info;
    ASSERT_EQ(GetPngInfo("\\w.png", &info), IMG_OK);
    EXPECT_EQ(info.hasTransparency, 1u);
    EXPECT_EQ(info.transparency[0], 2);

    // pHYs: the default 11812 per metre; a setting holds for one save only.
    const Bytes standard = {0, 0, 0x2E, 0x24, 0, 0, 0x2E, 0x24, 1};
    EXPECT_EQ(Find(Saved(rgb, 0), "pHYs").data, standard);
    SetPngResolution(100, 200, 0);
    EXPECT_EQ(Find(Saved(rgb, 0), "pHYs").data, (Bytes{0, 0, 0, 100, 0, 0, 0, 200, 0}));
    EXPECT_EQ(Find(Saved(rgb, 0), "pHYs").data, standard);
    // A unit above 1 keeps the unit; a failed save keeps the setting.
    SetPngResolution(3000, 3000, 7);
    EXPECT_EQ(SavePng("\\no\\such\\w.png", &rgb, 0), IMG_CANNOT_CREATE);
    EXPECT_EQ(Find(Saved(rgb, 0), "pHYs").data, (Bytes{0, 0, 0x0B, 0xB8, 0, 0, 0x0B, 0xB8, 1}));
    uint32_t x = 0, y = 0, unit = 9;
    ASSERT_EQ(GetPngResolution("\\w.png", &x, &y, &unit), IMG_OK);
    EXPECT_EQ(x, 3000u);
    EXPECT_EQ(y, 3000u);
    EXPECT_EQ(unit, 1u);
    EXPECT_EQ(Find(Saved(rgb, 0), "pHYs").data, standard);
}

TEST_F(PngWriterTest, ThePaletteCoversEveryIndexInTheRectangle) {
    struct Case {
        int bits;
        int32_t colorCount;
        uint32_t largest;  // drawn at (1, 1), inside the rectangle
        uint32_t outside;  // drawn at (0, 0), outside it
        std::size_t entries;
    };
    for (const Case& c : {Case{8, 0, 3, 200, 4}, Case{8, 4, 9, 200, 10}, Case{8, 20, 2, 250, 20},
                          Case{8, 256, 255, 0, 256}, Case{8, 0, 0, 0, 1}, Case{1, 0, 0, 1, 1},
                          Case{1, 0, 1, 0, 2}, Case{1, 2, 0, 0, 2}}) {
        ImageDesc& image = Image(4, 3, c.bits);
        image.colorCount = c.colorCount;
        image.flags = 0;
        for (int e = 0; e < 256 && e < (1 << c.bits); ++e) {
            image.palette[e] =
                win::RGBQUAD{static_cast<uint8_t>(e), 7, static_cast<uint8_t>(255 - e), 0};
        }
        SetPixel(image, 1, 1, c.largest);
        SetPixel(image, 0, 0, c.outside);
        image.startX = 1;
        image.startY = 1;
        const Bytes file = Saved(image, 0);
        const Bytes plte = Find(file, "PLTE").data;
        ASSERT_EQ(plte.size(), 3 * c.entries) << c.bits << " " << c.colorCount << " " << c.largest;
        // Entries past colorCount are black; the ones below come from the palette.
        for (std::size_t e = 0; e < c.entries; ++e) {
            const int i = static_cast<int>(e);
            const bool used = i < c.colorCount;
            EXPECT_EQ(int{plte[3 * e]}, used ? 255 - i : 0);
            EXPECT_EQ(int{plte[3 * e + 1]}, used ? 7 : 0);
            EXPECT_EQ(int{plte[3 * e + 2]}, used ? i : 0);
        }
        win::RGBQUAD table[256];
        EXPECT_EQ(GetPngPalette("\\w.png", table), static_cast<int32_t>(c.entries));
    }
}

TEST_F(PngWriterTest, FailuresLeaveNoFile) {
    ImageDesc& image = Image(300, 200, 24);
    std::mt19937 g(1);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) SetPixel(image, x, y, g());
    // A missing folder.
    EXPECT_EQ(SavePng("\\no\\such\\w.png", &image, 1), IMG_CANNOT_CREATE);
    EXPECT_FALSE(Exists("no"));
    // The signature write fails: no detail.
    win::FailNextFileWrites(1);
    EXPECT_EQ(SavePng("\\w.png", &image, 1), IMG_IO_ERROR);
    EXPECT_EQ(GetPngErrorDetail(), 0);
    EXPECT_FALSE(Exists("w.png"));
    // The second IDAT's data write fails (signature, 3 writes each for
    // IHDR and pHYs, 3 for the first IDAT, then its header): detail -117.
    win::FailNextFileWrites(1, 11);
    EXPECT_EQ(SavePng("\\w.png", &image, 1), IMG_IO_ERROR);
    EXPECT_EQ(GetPngErrorDetail(), -117);
    EXPECT_FALSE(Exists("w.png"));
    // An old file of that name is replaced only by a good save.
    WriteFile("w.png", Bytes{1, 2, 3});
    ASSERT_EQ(SavePng("\\w.png", &image, 1), IMG_OK);
    EXPECT_EQ(GetPngErrorDetail(), 0);
    // 16-bit images are not written.
    ImageDesc& sixteen = Image(5, 5, 16);
    EXPECT_EQ(SavePng("\\sixteen.png", &sixteen, 0), IMG_BAD_BIT_DEPTH);
    EXPECT_FALSE(Exists("sixteen.png"));
    // The memory forms give the file's bytes.
    const uint32_t colour = 0x123456;
    ASSERT_EQ(SavePngEx("\\w.png", &image, 6, 1, &colour), IMG_OK);
    void* block = nullptr;
    ASSERT_EQ(SavePngExToMemory(&block, &image, 6, 1, &colour), IMG_OK);
    EXPECT_EQ(Adopt(block), ReadFile("w.png"));
    ASSERT_EQ(SavePngW(u"\\wide.png", &image, 0), IMG_OK);
    ASSERT_EQ(SavePngToMemory(&block, &image, 0), IMG_OK);
    EXPECT_EQ(Adopt(block), ReadFile("wide.png"));
}

}  // namespace
}  // namespace imagingtest
