// Bitmap resampling: the weight tables, the enlarging and shrinking walks on
// the worked values, the route taken for each pair of size changes, and the
// sizes that give no bitmap.
#include "printing/pictures/scale_bitmap.h"

#include <vector>

#include "tests/printing/print_fixture.h"

namespace printtest {
namespace {

using ScaleBitmapTest = PrintTest;

// One row of grey pixels as a 24-bit DIB row (padded to 4 bytes).
std::vector<uint8_t> GreyRow(const std::vector<int>& values) {
    std::vector<uint8_t> row(((values.size() + 1) * 3) & ~std::size_t{3}, 0);
    for (std::size_t i = 0; i < values.size(); ++i) {
        for (int k = 0; k < 3; ++k)
            row[3 * i + static_cast<std::size_t>(k)] = static_cast<uint8_t>(values[i]);
    }
    return row;
}

std::vector<int> Blues(const std::vector<uint8_t>& row, std::size_t count) {
    std::vector<int> out;
    for (std::size_t i = 0; i < count; ++i) out.push_back(row[3 * i]);
    return out;
}

TEST_F(ScaleBitmapTest, WeightsAndTheWorkedValues) {
    // 3 source pixels into 2: 2/3, then 1/3 and 1/3 split, then 2/3 ending a pixel.
    const std::vector<ResampleWeight> w = BuildResampleWeights(3, 2, true);
    ASSERT_EQ(w.size(), 3u);
    EXPECT_FLOAT_EQ(w[0].first, 2.0f / 3);
    EXPECT_FLOAT_EQ(w[0].second, 0.0f);
    EXPECT_FLOAT_EQ(w[1].first, 1.0f / 3);
    EXPECT_FLOAT_EQ(w[1].second, 1.0f / 3);
    EXPECT_FLOAT_EQ(w[2].first, 2.0f / 3);
    EXPECT_FLOAT_EQ(w[2].second, -1.0f);
    // Equal sizes: every pixel whole and ending on a boundary.
    for (const ResampleWeight& e : BuildResampleWeights(5, 5, true)) {
        EXPECT_FLOAT_EQ(e.first, 1.0f);
        EXPECT_FLOAT_EQ(e.second, -1.0f);
    }
    struct Case {
        std::vector<int> in;
        std::vector<int> out;
    };
    for (const Case& c : {Case{{10, 20, 30, 40}, {15, 35}}, Case{{0, 90, 180}, {30, 150}},
                          Case{{0, 100}, {0, 50, 100}}, Case{{7, 8, 9}, {7, 8, 9}}}) {
        const std::vector<uint8_t> in = GreyRow(c.in);
        std::vector<uint8_t> out = GreyRow(std::vector<int>(c.out.size(), 1));
        const int n = static_cast<int>(c.in.size());
        const int m = static_cast<int>(c.out.size());
        if (m > n) {
            EnlargeDib(in.data(), n, 1, out.data(), m, 1);
        } else {
            ShrinkDib(in.data(), n, 1, out.data(), m, 1);
        }
        EXPECT_EQ(Blues(out, c.out.size()), c.out) << c.in.size() << " to " << c.out.size();
    }
    // Two rows into one: the rows are averaged too.
    std::vector<uint8_t> two = GreyRow({10, 20});
    const std::vector<uint8_t> lower = GreyRow({30, 40});
    two.insert(two.end(), lower.begin(), lower.end());
    std::vector<uint8_t> one(4, 0);
    ShrinkDib(two.data(), 2, 2, one.data(), 1, 1);
    EXPECT_EQ(one[0], 25);
    EXPECT_EQ(MakeDibHeader24(5, 3).biSizeImage, 16u * 3u);
    EXPECT_EQ(MakeDibHeader24(4, 2).biSizeImage, 12u * 2u);
}

// A 100 x 50 bitmap whose columns alternate between two greys, read back.
class Picture {
  public:
    Picture() {
        std::vector<uint32_t> pixels(100 * 50);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 100; ++x)
                pixels[static_cast<std::size_t>(y * 100 + x)] = x % 2 ? 0xC8C8C8 : 0x646464;
        bitmap = win::CreateBitmap(100, 50, 1, 32, pixels.data());
    }
    ~Picture() { win::DeleteObject(bitmap); }
    win::HBITMAP bitmap;
};

std::vector<uint32_t> Pixels(win::HBITMAP bitmap, int* width, int* height) {
    win::BITMAP info{};
    win::GetObjectA(bitmap, sizeof info, &info);
    *width = info.bmWidth;
    *height = info.bmHeight;
    std::vector<uint32_t> pixels(static_cast<std::size_t>(info.bmWidth * info.bmHeight));
    win::GetBitmapBits(bitmap, static_cast<win::LONG>(pixels.size() * 4), pixels.data());
    return pixels;
}

TEST_F(ScaleBitmapTest, EachPairOfSizeChangesTakesItsRoute) {
    Picture p;
    int w = 0, h = 0;
    // The same size: the same pixels.
    win::HBITMAP same = ScaleBitmap(p.bitmap, 100, 50);
    ASSERT_NE(same, nullptr);
    std::vector<uint32_t> source = Pixels(p.bitmap, &w, &h);
    EXPECT_EQ(Pixels(same, &w, &h), source);
    // Shrinking to half the width averages each pair of columns.
    win::HBITMAP half = ScaleBitmap(p.bitmap, 50, 50);
    std::vector<uint32_t> shrunk = Pixels(half, &w, &h);
    ASSERT_EQ(w, 50);
    EXPECT_EQ(shrunk[0] & 0xFFFFFF, 0x969696u);
    EXPECT_EQ(shrunk[49 * 50 + 49] & 0xFFFFFF, 0x969696u);
    // Enlarging to one and a half times blends every second column: 0.5 of each.
    win::HBITMAP wide = ScaleBitmap(p.bitmap, 150, 50);
    std::vector<uint32_t> enlarged = Pixels(wide, &w, &h);
    ASSERT_EQ(w, 150);
    EXPECT_EQ(enlarged[0] & 0xFFFFFF, 0x646464u);
    EXPECT_EQ(enlarged[1] & 0xFFFFFF, 0x969696u);
    EXPECT_EQ(enlarged[2] & 0xFFFFFF, 0xC8C8C8u);
    // Wider and lower: the system's stretch, whole pixels of the two greys only.
    win::HBITMAP stretched = ScaleBitmap(p.bitmap, 200, 25);
    win::HBITMAP reference = CopyScaledBitmap(p.bitmap, 200, 25);
    const std::vector<uint32_t> s = Pixels(stretched, &w, &h);
    ASSERT_EQ(w, 200);
    ASSERT_EQ(h, 25);
    EXPECT_EQ(s, Pixels(reference, &w, &h));
    for (uint32_t px : s) EXPECT_TRUE((px & 0xFF) == 0x64 || (px & 0xFF) == 0xC8);
    // Narrower and taller likewise.
    win::HBITMAP tall = ScaleBitmap(p.bitmap, 50, 100);
    win::HBITMAP tallReference = CopyScaledBitmap(p.bitmap, 50, 100);
    EXPECT_EQ(Pixels(tall, &w, &h), Pixels(tallReference, &w, &h));
    for (win::HBITMAP b : {same, half, wide, stretched, reference, tall, tallReference})
        win::DeleteObject(b);
    // Sizes of 0 or above 32767 (negative as 16 bits) give no bitmap.
    EXPECT_EQ(ScaleBitmap(p.bitmap, 0, 10), nullptr);
    EXPECT_EQ(ScaleBitmap(p.bitmap, 10, 0), nullptr);
    EXPECT_EQ(ScaleBitmap(p.bitmap, 40000, 10), nullptr);
    EXPECT_EQ(ScaleBitmap(p.bitmap, 10, 65535), nullptr);
}

}  // namespace
}  // namespace printtest
