// Fixed-palette conversions, true colour and grey, the tone curve, HSV and the
// inverted 32-bit form, and the routes through a 24-bit copy.
#include "imaging/colour/depth_conversion.h"

#include <set>

#include "imaging/bridges/image_copies.h"
#include "imaging/display/draw_image.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/screen_depth.h"
#include "platform/window/window.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

class DepthTest : public ImagingTest {
  protected:
    ImageDesc& Uniform(int width, int height, uint32_t rgb) {
        ImageDesc& image = Image(width, height, 24);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) SetPixel(image, x, y, rgb);
        return image;
    }
};

TEST_F(DepthTest, FixedPalettesByOrderedDithering) {
    ImageDesc& target = Image(8, 8, 8);
    // Remainders of 0: the same cube entry whatever the threshold.
    ASSERT_EQ(ConvertDepthA(&Uniform(8, 8, 0x996633), &target, 1), IMG_OK);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(Pixel(target, x, y), 104u);
    EXPECT_EQ(target.colorCount, 256);
    ASSERT_EQ(ConvertDepthA(&Uniform(8, 8, 0xFFFFFF), &target, 1), IMG_OK);
    EXPECT_EQ(Pixel(target, 3, 3), 10u);
    ASSERT_EQ(ConvertDepthA(&Uniform(8, 8, 0x000000), &target, 1), IMG_OK);
    EXPECT_EQ(Pixel(target, 3, 3), 225u);
    ASSERT_EQ(ConvertDepthA(&Uniform(8, 8, 0xFFFFFF), &target, kSixteenColours), IMG_OK);
    EXPECT_EQ(Pixel(target, 5, 1), 15u);
    EXPECT_EQ(target.colorCount, 16);
    ASSERT_EQ(ConvertDepthA(&Uniform(8, 8, 0x000000), &target, kSixteenColours), IMG_OK);
    EXPECT_EQ(Pixel(target, 5, 1), 0u);
    // Pure red: only the red bit, index 9.
    ASSERT_EQ(ConvertDepthA(&Uniform(8, 8, 0xFF0000), &target, kSixteenColours), IMG_OK);
    EXPECT_EQ(Pixel(target, 0, 0), 9u);
}

TEST_F(DepthTest, FixedPalettesByErrorDiffusion) {
    ImageDesc& target = Image(16, 16, 8);
    ASSERT_EQ(ConvertDepthB(&Uniform(16, 16, 0x808080), &target, kSixteenColours), IMG_OK);
    std::set<uint32_t> seen;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) seen.insert(Pixel(target, x, y));
    EXPECT_EQ(seen, (std::set<uint32_t>{0, 15}));
    EXPECT_EQ(Pixel(target, 0, 0), 15u);  // 128 sets every bit at once
    ASSERT_EQ(ConvertDepthB(&Uniform(16, 16, 0x7F7F7F), &target, kSixteenColours), IMG_OK);
    EXPECT_EQ(Pixel(target, 0, 0), 0u);  // 127 does not; its error carries on
    EXPECT_EQ(Pixel(target, 1, 0), 15u);
    // Cube colours diffuse nothing.
    ASSERT_EQ(ConvertDepthB(&Uniform(16, 16, 0x336699), &target, 1), IMG_OK);
    EXPECT_EQ(Pixel(target, 9, 9), static_cast<uint32_t>(225 - (3 + 6 * 2 + 36 * 1)));
    // An 8-bit source without a palette is refused.
    ImageDesc& bare = Image(4, 4, 8);
    bare.colorCount = 0;
    EXPECT_EQ(ConvertDepthB(&bare, &target, 1), IMG_BAD_ARGUMENT);
}

TEST_F(DepthTest, GreyToneCurveAndColourSpaces) {
    ImageDesc& source = Image(4, 1, 24);
    const uint32_t colours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0x808080};
    for (int x = 0; x < 4; ++x) SetPixel(source, x, 0, colours[x]);
    ImageDesc& grey = Image(4, 1, 8);
    ASSERT_EQ(ConvertToGrey(&source, &grey), IMG_OK);
    EXPECT_EQ(Pixel(grey, 0, 0), 76u);
    EXPECT_EQ(Pixel(grey, 1, 0), 150u);
    EXPECT_EQ(Pixel(grey, 2, 0), 28u);
    EXPECT_EQ(grey.flags, IMG_FLAG_GREY);
    EXPECT_EQ(PrintToneCurve[0], 0);
    EXPECT_EQ(PrintToneCurve[32], 55);
    EXPECT_EQ(PrintToneCurve[128], 218);
    EXPECT_EQ(PrintToneCurve[255], 255);
    ImageDesc& toned = Image(4, 1, 24);
    ASSERT_EQ(ApplyPrintToneCurve(&source, &toned), IMG_OK);
    EXPECT_EQ(Pixel(toned, 3, 0), 0xDADADAu);  // 128 to 218

    ImageDesc& hsv = Image(4, 1, 24);
    ASSERT_EQ(RgbToHsv(&source, &hsv), IMG_OK);
    const uint32_t expected[4] = {0x00FFFF, 0x55FFFF, 0xABFFFF,
                                  0x000080};  // hue, saturation, value
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Pixel(hsv, x, 0), expected[x]) << x;
    ImageDesc& back = Image(4, 1, 24);
    ASSERT_EQ(HsvToRgb(&hsv, &back), IMG_OK);
    EXPECT_EQ(Pixel(back, 1, 0), 0x00FF00u);
    EXPECT_EQ(Pixel(back, 0, 0), 0xFF0000u);
    EXPECT_EQ(Pixel(back, 3, 0), 0x808080u);
    ImageDesc& inverted = Image(4, 1, 32);
    ASSERT_EQ(RgbToCmyk32(&source, &inverted), IMG_OK);
    EXPECT_EQ(RowOf(inverted, 0)[0], 255);
    EXPECT_EQ(RowOf(inverted, 0)[3], 0);  // 255 less red
    ImageDesc& again = Image(4, 1, 24);
    ASSERT_EQ(Cmyk32ToRgb(&inverted, &again), IMG_OK);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Pixel(again, x, 0), colours[x]);
    EXPECT_EQ(RgbToHsv(&source, &grey), IMG_BAD_BIT_DEPTH);
}

TEST_F(DepthTest, TheTrueColourCopyPassesItsArgumentsAndReducesBack) {
    ImageDesc& source = Image(6, 4, 8);
    // Colours that are widened 5-bit values survive the 15-bit reduction exactly.
    const uint32_t colours[3] = {0xFF0000, 0x0842FF, 0x7B7B7B};
    for (int i = 0; i < 3; ++i)
        source.palette[i] = win::RGBQUAD{uint8_t(colours[i]), uint8_t(colours[i] >> 8),
                                         uint8_t(colours[i] >> 16), 0};
    source.colorCount = 3;
    source.flags = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) SetPixel(source, x, y, static_cast<uint32_t>((x + y) % 3));
    std::size_t given = 99;
    const TrueColorOperation count = [&](const std::vector<const void*>& arguments, ImageDesc*,
                                         ImageDesc*) {
        given = arguments.size();
        return IMG_OK;
    };
    ImageDesc& result = Image(6, 4, 8);
    int marker = 0;
    ASSERT_EQ(ApplyToTrueColorCopy(count, &source, &result, "R", &marker, &marker, &marker),
              IMG_OK);
    EXPECT_EQ(given, 1u);
    ASSERT_EQ(ApplyToTrueColorCopy(count, &source, &result, "", &marker), IMG_OK);
    EXPECT_EQ(given, 0u);
    // Identity tables through the 24-bit route: every colour comes back.
    uint8_t identity[256];
    for (int i = 0; i < 256; ++i) identity[i] = static_cast<uint8_t>(i);
    ASSERT_EQ(ApplyColorTablesToImage(identity, identity, identity, &source, &result), IMG_OK);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            const win::RGBQUAD& e = result.palette[Pixel(result, x, y)];
            const uint32_t rgb = uint32_t{e.rgbRed} << 16 | uint32_t{e.rgbGreen} << 8 | e.rgbBlue;
            EXPECT_EQ(rgb, colours[(x + y) % 3]);
        }
    }
}

win::LRESULT PlainProc(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
    return win::DefWindowProc(h, m, w, l);
}

TEST_F(DepthTest, AnEightBitScreenShowsAReducedCopy) {
    win::SetScreenDepth(8);
    win::WNDCLASS wc;
    wc.lpfnWndProc = PlainProc;
    wc.lpszClassName = "DepthTestWindow";
    (void)win::RegisterClass(&wc);
    win::HWND hwnd = win::CreateWindow("DepthTestWindow", "", win::WS_POPUP | win::WS_VISIBLE, 0, 0,
                                       60, 40, nullptr, nullptr, nullptr, nullptr);
    ImageDesc& picture = Image(60, 40, 24);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            SetPixel(picture, x, y,
                     static_cast<uint32_t>(x * 4 << 16 | y * 6 << 8 | (x * y) % 256));
    win::HDC dc = win::GetDC(hwnd);
    for (int dither : {0, 1, 2}) {
        win::HPALETTE palette = nullptr;
        ASSERT_EQ(DrawImageAdaptive(hwnd, dc, &palette, 0, 0, &picture, 0, 0, dither), IMG_OK);
        if (palette != nullptr) win::DeleteObject(palette);
        const win::Image32 shown = win::ReadWindowPixels(hwnd);
        std::set<uint32_t> colours;
        for (uint32_t p : shown.pixels) colours.insert(p & 0xFFFFFF);
        EXPECT_LE(colours.size(), 256u) << dither;
        EXPECT_GT(colours.size(), 16u) << dither;
    }
    win::ReleaseDC(hwnd, dc);
    win::DestroyWindow(hwnd);
    win::SetScreenDepth(32);
}

}  // namespace
}  // namespace imagingtest
