// Step masks, nearest-neighbour scaling, mirroring and the overlap test.
#include "imaging/geometry/geometry.h"

#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

using GeometryTest = ImagingTest;

std::vector<int> MaskBits(int32_t destination, int32_t source) {
    StepMask m;
    EXPECT_EQ(BuildStepMask(destination, source, &m), IMG_OK);
    std::vector<int> bits;
    for (int32_t i = 0; i < m.length; ++i) bits.push_back(m.Bit(i) ? 1 : 0);
    return bits;
}

TEST_F(GeometryTest, StepMasksSetExactlyTheSmallerCount) {
    EXPECT_EQ(MaskBits(4, 2), (std::vector<int>{1, 0, 1, 0}));
    EXPECT_EQ(MaskBits(2, 4), (std::vector<int>{1, 0, 1, 0}));
    EXPECT_EQ(MaskBits(3, 3), (std::vector<int>{1, 1, 1}));
    for (int a = 1; a < 40; a += 3) {
        for (int b = 1; b < 40; b += 2) {
            const std::vector<int> bits = MaskBits(a, b);
            int set = 0;
            for (int v : bits) set += v;
            EXPECT_EQ(set, std::min(a, b)) << a << " " << b;
            EXPECT_EQ(bits[0], 1);
        }
    }
    StepMask m;
    EXPECT_EQ(BuildStepMask(0, 3, &m), IMG_BAD_ARGUMENT);
}

TEST_F(GeometryTest, NearestScalingRepeatsAndDropsWholePixels) {
    for (int bits : {1, 8, 24}) {
        // Doubling 2 x 2: each pixel and each row twice.
        ImageDesc& small = Image(2, 2, bits);
        FillPattern(small);
        ImageDesc& big = Image(4, 4, bits);
        ASSERT_EQ(ScaleNearest(&small, &big), IMG_OK);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                ASSERT_EQ(Pixel(big, x, y), Pixel(small, x / 2, y / 2)) << bits;
        // Halving takes every second pixel of every second row.
        ImageDesc& source = Image(10, 6, bits);
        FillPattern(source);
        ImageDesc& half = Image(5, 3, bits);
        ASSERT_EQ(ScaleNearest(&source, &half), IMG_OK);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                ASSERT_EQ(Pixel(half, x, y), Pixel(source, 2 * x, 2 * y)) << bits;
        // Into a rectangle at an odd column: the pixels around keep their values.
        ImageDesc& into = Image(20, 8, bits);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 20; ++x) SetPixel(into, x, y, bits == 1 ? 1 : 0x5A);
        into.startX = 3;
        into.endX = 6;
        into.startY = 2;
        into.endY = 5;
        ASSERT_EQ(ScaleNearest(&small, &into), IMG_OK);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 20; ++x) {
                const bool inside = x >= 3 && x <= 6 && y >= 2 && y <= 5;
                ASSERT_EQ(Pixel(into, x, y), inside ? Pixel(small, (x - 3) / 2, (y - 2) / 2)
                                                    : (bits == 1 ? 1u : 0x5Au))
                    << bits << " " << x << "," << y;
            }
        }
    }
    ImageDesc& a = Image(4, 4, 8);
    ImageDesc& b = Image(4, 4, 24);
    EXPECT_EQ(ScaleNearest(&a, &b), IMG_BAD_BIT_DEPTH);
}

TEST_F(GeometryTest, ScalingWithinOneImageGivesWhatTwoImagesGive) {
    for (bool sourceLarger : {true, false}) {
        ImageDesc& one = Image(24, 24, 8);
        FillPattern(one);
        ImageDesc& copy = Image(24, 24, 8);
        FillPattern(copy);
        // The source area, and a destination area overlapping it in memory.
        ImageDesc source = one;
        source.startX = 0;
        source.endX = sourceLarger ? 15 : 7;
        source.startY = 0;
        source.endY = sourceLarger ? 15 : 7;
        ImageDesc destination = one;
        destination.startX = 4;
        destination.endX = sourceLarger ? 11 : 19;
        destination.startY = 4;
        destination.endY = sourceLarger ? 11 : 19;
        EXPECT_EQ(ImagesOverlap(&source, &destination), 1);
        ImageDesc separate = copy;
        separate.startX = source.startX;
        separate.endX = source.endX;
        separate.startY = source.startY;
        separate.endY = source.endY;
        ImageDesc& target = Image(24, 24, 8);
        FillPattern(target);
        ImageDesc targetArea = target;
        targetArea.startX = destination.startX;
        targetArea.endX = destination.endX;
        targetArea.startY = destination.startY;
        targetArea.endY = destination.endY;
        EXPECT_EQ(ImagesOverlap(&separate, &targetArea), 0);
        ASSERT_EQ(ScaleNearest(&separate, &targetArea), IMG_OK);
        ASSERT_EQ(ScaleNearest(&source, &destination), IMG_OK);
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x)
                ASSERT_EQ(Pixel(one, x, y), Pixel(target, x, y)) << x << "," << y;
    }
}

TEST_F(GeometryTest, MirroringReversesRowsInPlaceAndBetweenImages) {
    for (int bits : {1, 8, 24}) {
        for (int width : {1, 7, 13}) {
            ImageDesc& source = Image(width, 3, bits);
            FillPattern(source);
            ImageDesc& mirrored = Image(width, 3, bits);
            ASSERT_EQ(MirrorImage(&source, &mirrored), IMG_OK);
            ImageDesc& inPlace = Image(width, 3, bits);
            FillPattern(inPlace);
            ASSERT_EQ(MirrorImage(&inPlace, &inPlace), IMG_OK);
            for (int y = 0; y < 3; ++y) {
                for (int x = 0; x < width; ++x) {
                    ASSERT_EQ(Pixel(mirrored, x, y), Pixel(source, width - 1 - x, y)) << bits;
                    ASSERT_EQ(Pixel(inPlace, x, y), Pixel(source, width - 1 - x, y)) << bits;
                }
            }
        }
    }
    // A 1-bit area from column 3: the bits outside it stay.
    ImageDesc& bitsImage = Image(16, 1, 1);
    FillPattern(bitsImage);
    ImageDesc& before = Image(16, 1, 1);
    FillPattern(before);
    bitsImage.startX = 3;
    bitsImage.endX = 11;
    ASSERT_EQ(MirrorImage(&bitsImage, &bitsImage), IMG_OK);
    for (int x = 0; x < 16; ++x) {
        const bool inside = x >= 3 && x <= 11;
        EXPECT_EQ(Pixel(bitsImage, x, 0), Pixel(before, inside ? 14 - x : x, 0)) << x;
    }
    ImageDesc& grey16 = Image(4, 4, 16);
    EXPECT_NE(MirrorImage(&grey16, &grey16), IMG_OK);
}

}  // namespace
}  // namespace imagingtest
