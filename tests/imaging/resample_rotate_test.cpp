// Resizing by the three samplings and rotation by right and other angles.
#include <cmath>
#include <limits>

#include "imaging/frame/packed_rows.h"
#include "imaging/geometry/geometry.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

using ResampleTest = ImagingTest;

void Fill(ImageDesc& image, uint32_t (*value)(int, int)) {
    for (int y = 0; y < image.header->biHeight; ++y)
        for (int x = 0; x < image.header->biWidth; ++x) SetPixel(image, x, y, value(x, y));
}

TEST_F(ResampleTest, ResizeCopiesAveragesAndInterpolates) {
    ImageDesc& grey = Image(12, 12, 8);  // grey flag set by the allocation
    Fill(grey, [](int x, int y) { return static_cast<uint32_t>((x * 17 + y * 29) % 256); });
    // Equal sizes copy.
    ImageDesc& same = Image(12, 12, 8);
    ASSERT_EQ(ResizeImage(&grey, &same, 1), IMG_OK);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) ASSERT_EQ(Pixel(same, x, y), Pixel(grey, x, y));
    // Halving averages 2 x 2 boxes; steps of 1.25 too; a step of 3.0 takes 3 x 3.
    struct Case {
        int size;
        int box;
        double step;
    };
    for (const Case& c : {Case{6, 2, 2.0}, Case{4, 3, 3.0}}) {
        ImageDesc& small = Image(c.size, c.size, 8);
        ASSERT_EQ(ResizeImage(&grey, &small, 1), IMG_OK);
        for (int y = 0; y < c.size; ++y) {
            for (int x = 0; x < c.size; ++x) {
                const int left = static_cast<int>(x * c.step), top = static_cast<int>(y * c.step);
                uint32_t sum = 0;
                for (int j = 0; j < c.box; ++j)
                    for (int i = 0; i < c.box; ++i) sum += Pixel(grey, left + i, top + j);
                ASSERT_EQ(Pixel(small, x, y), sum / static_cast<uint32_t>(c.box * c.box)) << c.size;
            }
        }
    }
    ImageDesc& five = Image(5, 5, 8);
    Fill(five, [](int x, int y) { return static_cast<uint32_t>(x * 40 + y * 3); });
    ImageDesc& four = Image(4, 4, 8);
    ASSERT_EQ(ResizeImage(&five, &four, 1), IMG_OK);  // step 1.25: 2 x 2 boxes
    EXPECT_EQ(Pixel(four, 0, 0), (0u + 40 + 3 + 43) / 4);
    EXPECT_EQ(Pixel(four, 1, 0), (40u + 80 + 43 + 83) / 4);
    // Bilinear enlargement keeps the source where both fractions are 0, and
    // is in between elsewhere.
    ImageDesc& colour = Image(4, 3, 24);
    FillPattern(colour);
    ImageDesc& large = Image(8, 6, 24);
    ASSERT_EQ(ResizeImage(&colour, &large, 1), IMG_OK);
    for (int y = 0; y < 6; y += 2)
        for (int x = 0; x < 8; x += 2) ASSERT_EQ(Pixel(large, x, y), Pixel(colour, x / 2, y / 2));
    const uint32_t a = Pixel(colour, 0, 0) & 0xFF, b = Pixel(colour, 1, 0) & 0xFF;
    EXPECT_EQ(Pixel(large, 1, 0) & 0xFF, (a + b + 1) / 2);
    // Filter 0: whole pixels.
    ImageDesc& nearest = Image(8, 6, 24);
    ASSERT_EQ(ResizeImage(&colour, &nearest, 0), IMG_OK);
    EXPECT_EQ(Pixel(nearest, 1, 1), Pixel(colour, 0, 0));
    // An 8-bit colour picture goes through 24 bits and back onto its palette.
    ImageDesc& indexed = Image(4, 4, 8);
    indexed.flags = 0;
    for (int e = 0; e < 256; ++e)
        indexed.palette[e] =
            win::RGBQUAD{static_cast<uint8_t>(e), 0, static_cast<uint8_t>(255 - e), 0};
    Fill(indexed, [](int x, int) { return x % 2 ? 200u : 10u; });
    ImageDesc& indexedLarge = Image(8, 8, 8);
    ASSERT_EQ(ResizeImage(&indexed, &indexedLarge, 1), IMG_OK);
    EXPECT_EQ(indexedLarge.palette[200].rgbBlue, 200);
    EXPECT_EQ(Pixel(indexedLarge, 0, 0), 10u);
    ImageDesc& wrongDepth = Image(4, 4, 24);
    EXPECT_EQ(ResizeImage(&indexed, &wrongDepth, 1), IMG_BAD_BIT_DEPTH);
}

TEST_F(ResampleTest, RightAnglesTurnExactly) {
    for (int bits : {1, 8, 24}) {
        ImageDesc& source = Image(7, 4, bits);
        FillPattern(source);
        const auto turned = [&](double angle, int w, int h) -> ImageDesc& {
            ImageDesc& d = Image(w, h, bits);
            EXPECT_EQ(RotateImage(angle, &source, &d, 0), IMG_OK) << angle;
            return d;
        };
        ImageDesc& r90 = turned(90, 4, 7);
        ImageDesc& r270 = turned(270, 4, 7);
        ImageDesc& rMinus90 = turned(-90, 4, 7);
        ImageDesc& r180 = turned(180, 7, 4);
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 4; ++x) {
                // Counter-clockwise: the top row becomes the left column, read upward.
                ASSERT_EQ(Pixel(r90, x, y), Pixel(source, 6 - y, x)) << bits;
                ASSERT_EQ(Pixel(r270, x, y), Pixel(source, y, 3 - x)) << bits;
                ASSERT_EQ(Pixel(rMinus90, x, y), Pixel(r270, x, y));
            }
        }
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 7; ++x) ASSERT_EQ(Pixel(r180, x, y), Pixel(source, 6 - x, 3 - y));
        for (double full : {360.0, -360.0, 720.0}) {
            ImageDesc& copy = turned(full, 7, 4);
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 7; ++x) ASSERT_EQ(Pixel(copy, x, y), Pixel(source, x, y));
        }
        ImageDesc& quarter = Image(4, 7, bits);
        ASSERT_EQ(RotateQuarterTurn(1, &source, &quarter), IMG_OK);
        EXPECT_EQ(Pixel(quarter, 0, 0), Pixel(r90, 0, 0));
    }
}

TEST_F(ResampleTest, OtherAnglesSampleAndLeaveUncoveredPixels) {
    ImageDesc& grey = Image(21, 21, 8);
    Fill(grey, [](int x, int y) { return static_cast<uint32_t>(100 + x + y); });
    ImageDesc& turned = Image(21, 21, 8);
    Fill(turned, [](int, int) { return 7u; });
    ASSERT_EQ(RotateImage(45, &grey, &turned, 0), IMG_OK);
    // The corners no source pixel reaches keep their value; the centre turns on itself.
    EXPECT_EQ(Pixel(turned, 0, 0), 7u);
    EXPECT_EQ(Pixel(turned, 20, 20), 7u);
    EXPECT_EQ(Pixel(turned, 10, 10), Pixel(grey, 10, 10));
    EXPECT_NE(Pixel(turned, 10, 2), 7u);
    // A 1-bit picture stays 1-bit (error diffusion of the turned grey copy).
    ImageDesc& bits = Image(16, 16, 1);
    FillPattern(bits);
    ImageDesc& bitsTurned = Image(16, 16, 1);
    ASSERT_EQ(RotateImage(30, &bits, &bitsTurned, 1), IMG_OK);
    EXPECT_EQ(bitsTurned.header->biBitCount, 1);
    // Angles: NaN and infinities are refused; huge finite ones end at once.
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(RotateImage(bad, &grey, &turned, 0), IMG_OUT_OF_RANGE);
    }
    EXPECT_EQ(RotateImage(1e300, &grey, &turned, 0), IMG_OK);
    EXPECT_EQ(RotateImage(-1e300, &grey, &turned, 0), IMG_OK);
    ImageDesc& other = Image(21, 21, 24);
    EXPECT_EQ(RotateImage(30, &grey, &other, 0), IMG_BAD_BIT_DEPTH);
}

}  // namespace
}  // namespace imagingtest
