// Capture of bitmaps, DIB sections and windows into images, and images drawn
// into windows.
#include <cstring>

#include "imaging/capture/capture.h"
#include "imaging/display/draw_image.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/screen_depth.h"
#include "platform/window/window.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

win::LRESULT PlainProc(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
    return win::DefWindowProc(h, m, w, l);
}

class CaptureTest : public ImagingTest {
  protected:
    void TearDown() override {
        for (win::HGDIOBJ o : objects) win::DeleteObject(o);
        ImagingTest::TearDown();
    }
    ImageDesc& Adopted(const ImageDesc& image) {
        images.push_back(image);
        return images.back();
    }
    win::HWND Window(int width, int height) {
        win::WNDCLASS wc;
        wc.lpfnWndProc = PlainProc;
        wc.lpszClassName = "ImageTestWindow";
        (void)win::RegisterClass(&wc);
        win::HWND hwnd =
            win::CreateWindow("ImageTestWindow", "", win::WS_POPUP | win::WS_VISIBLE, 10, 20, width,
                              height, nullptr, nullptr, nullptr, nullptr);
        EXPECT_NE(hwnd, nullptr);
        return hwnd;
    }
    std::vector<win::HGDIOBJ> objects;
};

TEST_F(CaptureTest, DeviceBitmapsGiveTheirDepthClass) {
    win::HDC screen = win::GetDC(nullptr);
    const struct {
        int bits;
        int depth;
    } cases[] = {{1, 1}, {4, 8}, {8, 8}, {16, 24}, {32, 24}};
    for (const auto& c : cases) {
        win::HBITMAP bitmap = win::CreateBitmap(8, 4, 1, static_cast<win::UINT>(c.bits), nullptr);
        objects.push_back(bitmap);
        ImageDesc image;
        ASSERT_EQ(CaptureBitmap(screen, bitmap, &image), IMG_OK) << c.bits;
        ImageDesc& held = Adopted(image);
        EXPECT_EQ(held.header->biBitCount, c.depth) << c.bits;
        EXPECT_EQ(held.flags, 0u);  // a true-colour screen: no grey flag
    }
    // The pixels themselves: a 32-bit bitmap of known colours.
    const uint32_t pixels[2] = {0x00112233, 0x00AABBCC};  // 0x00RRGGBB, bottom-up rows of one
    win::HBITMAP colour = win::CreateBitmap(2, 1, 1, 32, pixels);
    objects.push_back(colour);
    ImageDesc image;
    ASSERT_EQ(CaptureBitmap(screen, colour, &image), IMG_OK);
    ImageDesc& held = Adopted(image);
    EXPECT_EQ(Pixel(held, 0, 0), 0x112233u);
    EXPECT_EQ(Pixel(held, 1, 0), 0xAABBCCu);
    EXPECT_EQ(CaptureBitmap(screen, nullptr, &image), IMG_NO_BITMAP_DATA);
    win::ReleaseDC(nullptr, screen);
}

TEST_F(CaptureTest, AnEightBitScreenIsReadThroughItsSystemPalette) {
    win::SetScreenDepth(8);
    win::HDC screen = win::GetDC(nullptr);
    EXPECT_NE(win::GetDeviceCaps(screen, win::RASTERCAPS) & win::RC_PALETTE, 0);
    EXPECT_EQ(win::GetDeviceCaps(screen, win::SIZEPALETTE), 256);
    win::PALETTEENTRY system[256];
    EXPECT_EQ(win::GetSystemPaletteEntries(screen, 0, 256, system), 256u);
    win::HBITMAP bitmap = win::CreateBitmap(4, 4, 1, 8, nullptr);
    objects.push_back(bitmap);
    ImageDesc image;
    ASSERT_EQ(CaptureBitmap(screen, bitmap, &image), IMG_OK);
    ImageDesc& held = Adopted(image);
    EXPECT_EQ(held.header->biBitCount, 8);
    EXPECT_EQ(held.flags, 0u);  // a palette of more than 2 colours drops the grey flag
    win::ReleaseDC(nullptr, screen);
    win::SetScreenDepth(32);
}

TEST_F(CaptureTest, DibSectionsKeepTheirColourTable) {
    std::vector<uint8_t> info(40 + 4 * 256);
    win::BITMAPINFOHEADER h;
    h.biWidth = 5;
    h.biHeight = 3;
    h.biBitCount = 8;
    std::memcpy(info.data(), &h, 40);
    for (int i = 0; i < 256; ++i) {
        info[40 + 4 * i] = static_cast<uint8_t>(i);
        info[40 + 4 * i + 2] = static_cast<uint8_t>(255 - i);
    }
    void* bits = nullptr;
    win::HBITMAP section =
        win::CreateDIBSection(nullptr, reinterpret_cast<win::BITMAPINFO*>(info.data()),
                              win::DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);
    objects.push_back(section);
    for (int i = 0; i < 8 * 3; ++i) static_cast<uint8_t*>(bits)[i] = static_cast<uint8_t>(i);
    ImageDesc image;
    ASSERT_EQ(ImageFromDibSection(section, &image), IMG_OK);
    ImageDesc& held = Adopted(image);
    EXPECT_EQ(held.colorCount, 256);
    EXPECT_EQ(held.palette[10].rgbRed, 245);
    EXPECT_EQ(held.palette[10].rgbBlue, 10);
    EXPECT_EQ(held.flags, 0u);
    EXPECT_EQ(Pixel(held, 4, 2), 4u);   // first stored row: the bottom one
    EXPECT_EQ(Pixel(held, 1, 0), 17u);  // last stored row: the top one

    h.biBitCount = 16;
    std::memcpy(info.data(), &h, 40);
    win::HBITMAP deep =
        win::CreateDIBSection(nullptr, reinterpret_cast<win::BITMAPINFO*>(info.data()),
                              win::DIB_RGB_COLORS, &bits, nullptr, 0);
    objects.push_back(deep);
    EXPECT_EQ(ImageFromDibSection(deep, &image), IMG_BAD_BIT_DEPTH);
    win::HBITMAP device = win::CreateBitmap(2, 2, 1, 32, nullptr);
    objects.push_back(device);
    EXPECT_EQ(ImageFromDibSection(device, &image), IMG_NOT_A_BITMAP);
    // Any bitmap through the stock palette: a 4-bit one becomes 8 bits with 20 colours.
    win::HBITMAP four = win::CreateBitmap(3, 3, 1, 4, nullptr);
    objects.push_back(four);
    ASSERT_EQ(ImageFromBitmap(four, nullptr, &image), IMG_OK);
    ImageDesc& fourBits = Adopted(image);
    EXPECT_EQ(fourBits.header->biBitCount, 8);
    EXPECT_EQ(fourBits.colorCount, 20);
}

TEST_F(CaptureTest, ImagesDrawIntoWindowsAndComeBack) {
    win::HWND hwnd = Window(40, 30);
    // A 1-bit picture drawn from x = 3 starts at the fourth bit of its first byte.
    ImageDesc& bits = Image(16, 2, 1);
    RowOf(bits, 0)[0] = 0x10;  // only column 3 is white in the top row
    win::HDC dc = win::GetDC(hwnd);
    win::HPALETTE palette = nullptr;
    ASSERT_EQ(DrawImageToWindowAt(hwnd, &palette, dc, 3, 0, &bits, 20, 10), IMG_OK);
    objects.push_back(palette);
    win::Image32 shown = win::ReadWindowPixels(hwnd);
    EXPECT_EQ(shown.At(20, 10) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shown.At(21, 10) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(shown.At(20, 11) & 0xFFFFFF, 0x000000u);
    // Drawn wholly outside the client area: nothing, and no failure.
    EXPECT_EQ(DrawImageToWindowAt(hwnd, &palette, dc, 0, 0, &bits, 45, 0), IMG_OK);
    objects.push_back(palette);
    // A negative source point starts that far into the window.
    ImageDesc& colour = Image(6, 4, 24);
    FillPattern(colour);
    ASSERT_EQ(DrawImageAdaptive(hwnd, dc, &palette, 2, 1, &colour, 5, 4, 0), IMG_OK);
    shown = win::ReadWindowPixels(hwnd);
    EXPECT_EQ(shown.At(3, 3) & 0xFFFFFF, PatternValue(0, 0, 24));
    EXPECT_EQ(shown.At(8, 6) & 0xFFFFFF, PatternValue(5, 3, 24));
    win::ReleaseDC(hwnd, dc);
    // The client area as the screen shows it.
    ImageDesc image;
    ASSERT_EQ(CaptureClientArea(hwnd, &image), IMG_OK);
    ImageDesc& captured = Adopted(image);
    EXPECT_EQ(captured.header->biWidth, 40);
    EXPECT_EQ(captured.header->biHeight, 30);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            ASSERT_EQ(Pixel(captured, x, y), shown.At(x, y) & 0xFFFFFF) << x << "," << y;
        }
    }
    win::DestroyWindow(hwnd);
}

TEST_F(CaptureTest, TheScreenShowsTheWindowsAsTheyOverlap) {
    // Two windows: the later one (on top) covers the right part of the first.
    win::HWND below = Window(40, 30);  // at (10, 20)
    win::HWND above = win::CreateWindow("ImageTestWindow", "", win::WS_POPUP | win::WS_VISIBLE, 35,
                                        25, 20, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(above, nullptr);
    const auto fill = [](win::HWND hwnd, win::COLORREF colour) {
        win::HDC dc = win::GetDC(hwnd);
        win::HBRUSH brush = win::CreateSolidBrush(colour);
        const win::RECT all{0, 0, 100, 100};
        win::FillRect(dc, &all, brush);
        win::DeleteObject(brush);
        win::ReleaseDC(hwnd, dc);
    };
    fill(below, win::RGB(200, 0, 0));
    fill(above, win::RGB(0, 0, 200));
    ImageDesc image;
    ASSERT_EQ(CaptureClientArea(below, &image), IMG_OK);
    ImageDesc& captured = Adopted(image);
    EXPECT_EQ(Pixel(captured, 0, 0), 0xC80000u);
    EXPECT_EQ(Pixel(captured, 24, 4), 0xC80000u);
    EXPECT_EQ(Pixel(captured, 25, 5), 0x0000C8u);  // (35, 25) on the screen
    EXPECT_EQ(Pixel(captured, 39, 14), 0x0000C8u);
    EXPECT_EQ(Pixel(captured, 39, 15), 0xC80000u);
    // A screen area wider than both: the desktop around them, the windows inside.
    const win::RECT area{0, 0, 60, 60};
    ASSERT_EQ(CaptureScreenArea(&area, &image), IMG_OK);
    ImageDesc& screen = Adopted(image);
    const uint32_t desktop = Pixel(screen, 0, 0);
    EXPECT_NE(desktop, 0xC80000u);
    EXPECT_EQ(Pixel(screen, 10, 20), 0xC80000u);
    EXPECT_EQ(Pixel(screen, 54, 34), 0x0000C8u);
    EXPECT_EQ(Pixel(screen, 49, 49), 0xC80000u);
    EXPECT_EQ(Pixel(screen, 50, 49), desktop);
    EXPECT_EQ(Pixel(screen, 49, 50), desktop);
    // Hidden windows are not shown.
    win::ShowWindow(above, win::SW_HIDE);
    ASSERT_EQ(CaptureScreenArea(&area, &image), IMG_OK);
    ImageDesc& again = Adopted(image);
    EXPECT_EQ(Pixel(again, 45, 30), 0xC80000u);
    EXPECT_EQ(Pixel(again, 54, 34), desktop);
    win::DestroyWindow(above);
    win::DestroyWindow(below);
}

}  // namespace
}  // namespace imagingtest
