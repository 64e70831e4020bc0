// Colour reduction: the median cut's boxes and means, the nearest-colour
// searches against brute force, error diffusion, and the order of refusals.
#include "imaging/colour/colour_reduction.h"

#include <random>

#include "imaging/colour/palette_search.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

class ColourTest : public ImagingTest {};

uint32_t Rgb(const win::RGBQUAD& e) {
    return uint32_t{e.rgbRed} << 16 | uint32_t{e.rgbGreen} << 8 | e.rgbBlue;
}
uint32_t Distance(const win::RGBQUAD& e, uint32_t rgb) {
    const int dr = e.rgbRed - static_cast<int>(rgb >> 16 & 255);
    const int dg = e.rgbGreen - static_cast<int>(rgb >> 8 & 255);
    const int db = e.rgbBlue - static_cast<int>(rgb & 255);
    return static_cast<uint32_t>(dr * dr + dg * dg + db * db);
}

TEST_F(ColourTest, MedianCutBoxesAndMeans) {
    // Three distinct keys asked into eight colours: one box each, the rest copies of entry 0.
    ImageDesc& source = Image(3, 1, 24);
    SetPixel(source, 0, 0, 0xFF0000);
    SetPixel(source, 1, 0, 0x00FF00);
    SetPixel(source, 2, 0, 0x0000FF);
    ImageDesc& target = Image(3, 1, 8);
    ASSERT_EQ(QuantizeColors(&source, &target, 8), IMG_OK);
    EXPECT_EQ(target.colorCount, 8);
    std::vector<uint32_t> entries;
    for (int i = 0; i < 3; ++i) entries.push_back(Rgb(target.palette[i]));
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<uint32_t>{0x0000FF, 0x00FF00, 0xFF0000}));
    for (int i = 3; i < 8; ++i) EXPECT_EQ(Rgb(target.palette[i]), Rgb(target.palette[0]));
    // A single colour widens from 5 bits: 255 stays 255, 8 stays 8, 7 becomes 0.
    for (int x = 0; x < 3; ++x) SetPixel(source, x, 0, 0xFF0807);
    ASSERT_EQ(QuantizeColors(&source, &target, 4), IMG_OK);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Rgb(target.palette[i]), 0xFF0800u);
    // Two boxes of equal pixels: the first split goes to box 0, the lower one.
    ImageDesc& four = Image(4, 1, 24);
    for (int x = 0; x < 4; ++x)
        SetPixel(four, x, 0, std::vector<uint32_t>{0x000000, 0x080000, 0xF80000, 0xF00000}[x]);
    ImageDesc& three = Image(4, 1, 8);
    ASSERT_EQ(QuantizeColors(&four, &three, 3), IMG_OK);
    // Box 0 (keys sorted by red, descending) held 0xF8 and 0xF0, box 1 0x08 and 0x00;
    // both hold 2 pixels, so box 0 is cut: 0xF8 alone, then 0xF0 appended as box 2.
    EXPECT_EQ(Rgb(three.palette[0]), 0xFF0000u);
    EXPECT_EQ(Rgb(three.palette[1]), 0x000000u);  // (1 + 0) / 2 = 0
    EXPECT_EQ(Rgb(three.palette[2]), 0xF70000u);  // 30 widened
}

TEST_F(ColourTest, SortedAxisSearchFindsTheNearestColour) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 20; ++trial) {
        const int count = 2 + static_cast<int>(random() % 60);
        std::vector<win::RGBQUAD> palette(static_cast<std::size_t>(count));
        for (auto& e : palette)
            e = win::RGBQUAD{uint8_t(random()), uint8_t(random()), uint8_t(random()), 0};
        SortedPaletteIndex index(palette.data(), count);
        for (int k = 0; k < 300; ++k) {
            const uint32_t rgb = random() & 0xFFFFFF;
            const uint8_t got = index.Nearest(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb));
            uint32_t best = UINT32_MAX;
            for (const auto& e : palette) best = std::min(best, Distance(e, rgb));
            ASSERT_EQ(Distance(palette[got], rgb), best) << trial << " " << k;
        }
    }
}

TEST_F(ColourTest, OctreeSearchLooksAmongTheLeavesOfTheCell) {
    // Two entries sharing a cell (equal top four bits): the leaf keeps the
    // first entry's index and colour, so a search measures and answers alike.
    std::vector<win::RGBQUAD> palette = {{0, 0, 0x80, 0}, {0, 0, 0x8F, 0}, {0xFF, 0xFF, 0xFF, 0}};
    PaletteOctree tree(palette.data(), 3);
    EXPECT_EQ(tree.Nearest(0x8F, 0, 0), 0);
    EXPECT_EQ(tree.Nearest(0xF0, 0xF0, 0xF0), 2);
    // A colour whose cell has no entry: the nearest leaf below the deepest node reached.
    std::vector<win::RGBQUAD> two = {{0, 0, 0x10, 0}, {0, 0, 0x70, 0}};
    PaletteOctree pair(two.data(), 2);
    EXPECT_EQ(pair.Nearest(0x60, 0, 0), 1);
    EXPECT_EQ(pair.Nearest(0x20, 0, 0), 0);
}

TEST_F(ColourTest, MappingUsesTheFirstPixelOfEachKeyAndDiffusesErrors) {
    // Method 2: two colours of one 15-bit key get the index found for the first.
    ImageDesc& source = Image(2, 1, 24);
    SetPixel(source, 0, 0, 0x100000);
    SetPixel(source, 1, 0, 0x170000);  // same key as 0x100000
    ImageDesc& target = Image(2, 1, 8);
    target.palette[0] = win::RGBQUAD{0, 0, 0x10, 0};
    target.palette[1] = win::RGBQUAD{0, 0, 0x17, 0};
    target.colorCount = 2;
    ASSERT_EQ(ReducePaletteCore(&source, &target, kMapSortedAxis), IMG_OK);
    EXPECT_EQ(Pixel(target, 0, 0), 0u);
    EXPECT_EQ(Pixel(target, 1, 0), 0u);
    // With diffusion, a picture made of palette colours maps exactly.
    ImageDesc& picture = Image(17, 9, 24);
    ImageDesc& mapped = Image(17, 9, 8);
    const uint32_t colours[4] = {0x000000, 0xFFFFFF, 0xFF0000, 0x3080C0};
    for (int i = 0; i < 4; ++i)
        mapped.palette[i] = win::RGBQUAD{uint8_t(colours[i]), uint8_t(colours[i] >> 8),
                                         uint8_t(colours[i] >> 16), 0};
    mapped.colorCount = 4;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 17; ++x) SetPixel(picture, x, y, colours[(x * 3 + y) % 4]);
    for (int method : {0, 1, 2, 3}) {
        ASSERT_EQ(ReducePaletteCore(&picture, &mapped, method), IMG_OK);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 17; ++x)
                ASSERT_EQ(Pixel(mapped, x, y), static_cast<uint32_t>((x * 3 + y) % 4)) << method;
    }
    // Grey 200 between black and white: diffusion mixes them so the mean stays near 200.
    ImageDesc& grey = Image(40, 40, 24);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) SetPixel(grey, x, y, 0xC8C8C8);
    ImageDesc& bw = Image(40, 40, 8);
    bw.palette[0] = win::RGBQUAD{0, 0, 0, 0};
    bw.palette[1] = win::RGBQUAD{255, 255, 255, 0};
    bw.colorCount = 2;
    ASSERT_EQ(ReducePaletteCore(&grey, &bw, kMapSortedAxisDiffused), IMG_OK);
    int white = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) white += static_cast<int>(Pixel(bw, x, y));
    EXPECT_NEAR(white * 255.0 / 1600, 200.0, 8.0);
    ASSERT_EQ(ReducePaletteCore(&grey, &bw, kMapSortedAxis), IMG_OK);
    EXPECT_EQ(Pixel(bw, 7, 7), 1u);  // without diffusion every pixel is white
}

TEST_F(ColourTest, RefusalsComeBeforeAnyWork) {
    ImageDesc& source = Image(4, 4, 24);
    ImageDesc& target = Image(4, 4, 8);
    FillPattern(source);
    SetPixel(target, 0, 0, 99);
    for (auto [count, method] : {std::pair{1, 2}, {257, 2}, {256, 4}, {256, -1}}) {
        EXPECT_EQ(ReduceColorsCore(count, &source, &target, method), IMG_OUT_OF_RANGE);
    }
    EXPECT_EQ(Pixel(target, 0, 0), 99u);
    EXPECT_EQ(ReduceColors(16, &Image(4, 4, 8), &target), IMG_BAD_BIT_DEPTH);
    EXPECT_EQ(ReduceColors(16, &source, &Image(4, 4, 24)), IMG_BAD_BIT_DEPTH);
    // QuantizeColors called alone checks as ReduceColorsCore does: an 8-bit
    // source would have it read three bytes per pixel past the rows.
    EXPECT_EQ(QuantizeColors(&Image(4, 4, 8), &target, 16), IMG_BAD_BIT_DEPTH);
    EXPECT_EQ(QuantizeColors(&source, &target, 300), IMG_OUT_OF_RANGE);
    ImageDesc& emptyTable = Image(4, 4, 8);
    emptyTable.colorCount = 0;
    EXPECT_EQ(ReducePaletteCore(&source, &emptyTable, 2), IMG_BAD_ARGUMENT);
    // A whole reduction: at most the colours asked, the grey flag gone.
    ASSERT_EQ(ReduceColors(5, &source, &target), IMG_OK);
    EXPECT_EQ(target.colorCount, 5);
    EXPECT_EQ(target.flags & IMG_FLAG_GREY, 0u);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_LT(Pixel(target, x, y), 5u);
}

}  // namespace
}  // namespace imagingtest
