// Bilevel and deep-grey conversions.
#include "imaging/colour/bilevel_grey.h"

#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

class BilevelTest : public ImagingTest {
  protected:
    ImageDesc& Grey(int width, int height, uint8_t value) {
        ImageDesc& image = Image(width, height, 8);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) SetPixel(image, x, y, value);
        return image;
    }
};

// The ordered thresholds (x 5) of the 8 x 8 matrix, for an independent count.
constexpr int kMatrix[8][8] = {
    {0, 38, 9, 47, 2, 40, 11, 50},  {25, 12, 35, 22, 27, 15, 37, 24},
    {6, 44, 3, 41, 8, 47, 5, 43},   {31, 19, 28, 15, 34, 21, 31, 18},
    {1, 39, 11, 49, 0, 39, 10, 48}, {27, 14, 36, 23, 26, 13, 35, 23},
    {7, 46, 4, 43, 7, 45, 3, 42},   {33, 20, 30, 17, 32, 19, 29, 16},
};

TEST_F(BilevelTest, ThresholdOrderedAndDiffusedModes) {
    ImageDesc& bits = Image(8, 8, 1);
    ASSERT_EQ(ConvertToBilevel(kBilevelThreshold, &Grey(8, 8, 127), &bits, nullptr), IMG_OK);
    EXPECT_EQ(Pixel(bits, 3, 3), 0u);
    ASSERT_EQ(ConvertToBilevel(kBilevelThreshold, &Grey(8, 8, 128), &bits, nullptr), IMG_OK);
    EXPECT_EQ(Pixel(bits, 3, 3), 1u);
    for (int value : {0, 100, 255}) {
        ASSERT_EQ(ConvertToBilevel(kBilevelOrdered, &Grey(8, 8, static_cast<uint8_t>(value)), &bits,
                                   nullptr),
                  IMG_OK);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                ASSERT_EQ(Pixel(bits, x, y), value > kMatrix[y][x] * 5 ? 1u : 0u)
                    << value << " " << x << "," << y;
    }
    // The caller's matrix: all thresholds 200.
    std::vector<uint8_t> matrix(64, 200);
    ASSERT_EQ(ConvertToBilevel(kBilevelMatrix, &Grey(8, 8, 201), &bits, matrix.data()), IMG_OK);
    EXPECT_EQ(Pixel(bits, 7, 7), 1u);
    // Stucki diffusion of a uniform grey keeps about its share of white.
    ImageDesc& wide = Image(64, 64, 1);
    ASSERT_EQ(ConvertToBilevelDiffused(kBilevelDiffused, &Grey(64, 64, 64), &wide), IMG_OK);
    int white = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) white += static_cast<int>(Pixel(wide, x, y));
    EXPECT_NEAR(white / 4096.0, 64 / 255.0, 0.05);
    EXPECT_EQ(wide.palette[1].rgbRed, 255);
    // A colour picture is binarised through its grey values.
    ImageDesc& colour = Image(8, 8, 8);
    colour.palette[1] = win::RGBQUAD{0, 0, 255, 0};  // red: grey 76
    colour.flags = 0;
    for (int x = 0; x < 8; ++x) SetPixel(colour, x, 0, 1);
    ASSERT_EQ(ConvertToBilevel(kBilevelThreshold, &colour, &bits, nullptr), IMG_OK);
    EXPECT_EQ(Pixel(bits, 0, 0), 0u);
    EXPECT_EQ(ConvertToBilevel(kBilevelThreshold, &Image(8, 8, 24), &bits, nullptr),
              IMG_BAD_BIT_DEPTH);
}

TEST_F(BilevelTest, BilevelToBytesPlainAndSmoothed) {
    ImageDesc& bits = Image(6, 1, 1);
    RowOf(bits, 0)[0] = 0x4C;  // 0 1 0 0 1 1: black white black black white white
    ImageDesc& bytes = Image(6, 1, 8);
    ASSERT_EQ(ConvertFromBilevelPlain(&bits, &bytes), IMG_OK);
    for (int x = 0; x < 6; ++x) EXPECT_EQ(Pixel(bytes, x, 0), (0x4C >> (7 - x)) & 1 ? 255u : 0u);
    ASSERT_EQ(ConvertFromBilevelSmooth(&bits, &bytes), IMG_OK);
    EXPECT_EQ(Pixel(bytes, 0, 0), 0u);    // the ends stay as they are
    EXPECT_EQ(Pixel(bytes, 1, 0), 170u);  // black white black
    EXPECT_EQ(Pixel(bytes, 2, 0), 42u);   // white black black
    EXPECT_EQ(Pixel(bytes, 4, 0), 212u);  // black white white
    EXPECT_EQ(Pixel(bytes, 5, 0), 255u);
    RowOf(bits, 0)[0] = 0xC0;  // white white black
    ASSERT_EQ(ConvertFromBilevelSmooth(&bits, &bytes), IMG_OK);
    EXPECT_EQ(Pixel(bytes, 1, 0), 212u);
    EXPECT_EQ(ConvertFromBilevelSmooth(&Image(2, 1, 1), &bytes), IMG_BAD_ARGUMENT);
}

TEST_F(BilevelTest, DeepGreyWindows) {
    ImageDesc& deep = Image(3, 1, 32);
    const uint32_t values[3] = {500, 1000, 5};
    for (int x = 0; x < 3; ++x)
        for (int b = 0; b < 4; ++b)
            RowOf(deep, 0)[4 * x + b] = static_cast<uint8_t>(values[x] >> (8 * b));
    ImageDesc& grey8 = Image(3, 1, 8);
    ASSERT_EQ(WindowGrey32(1000, 0, &deep, &grey8), IMG_OK);  // bounds in either order
    EXPECT_EQ(Pixel(grey8, 0, 0), 128u);
    EXPECT_EQ(Pixel(grey8, 1, 0), 255u);
    EXPECT_EQ(Pixel(grey8, 2, 0), 1u);
    EXPECT_EQ(WindowGrey32Entry(7, 7, &deep, &grey8), IMG_OUT_OF_RANGE);
    ImageDesc& grey16 = Image(3, 1, 16);
    RowOf(grey16, 0)[0] = 0x34;
    RowOf(grey16, 0)[1] = 0x12;  // 4660
    ASSERT_EQ(Grey16HighByte(&grey16, &grey8), IMG_OK);
    EXPECT_EQ(Pixel(grey8, 0, 0), 18u);
    ASSERT_EQ(Grey16Window(0, 100000, &grey16, &grey8),
              IMG_OK);  // the upper bound lowered to 65535
    EXPECT_EQ(Pixel(grey8, 0, 0), (4660u * 255 + 65535 / 2) / 65535);
    SetPixel(grey8, 1, 0, 171);
    ASSERT_EQ(Grey8ToGrey16(&grey8, &grey16), IMG_OK);
    EXPECT_EQ(RowOf(grey16, 0)[2] | RowOf(grey16, 0)[3] << 8, 171 * 257);
    EXPECT_EQ(Grey8ToGrey16(&grey8, &Image(3, 1, 8)), IMG_BAD_BIT_DEPTH);
    grey8.flags = 0;
    EXPECT_EQ(Grey16HighByte(&grey16, &grey8), IMG_BAD_BIT_DEPTH);
}

}  // namespace
}  // namespace imagingtest
