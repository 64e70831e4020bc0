// The report pictures: the two logos and the backdrop a summary window gets
// for its shape.
#include "printing/page/report_logo.h"
#include "printing/pictures/backdrop.h"
#include "printing/pictures/scale_bitmap.h"
#include "tests/printing/print_fixture.h"

namespace printtest {
namespace {

using ReportPicturesTest = PrintTest;

win::BITMAP Describe(win::HBITMAP bitmap) {
    win::BITMAP info{};
    win::GetObjectA(bitmap, sizeof info, &info);
    return info;
}

TEST_F(ReportPicturesTest, LogosInColourAndOneBit) {
    win::HBITMAP colour = win::LoadBitmapA(nullptr, kLogoColour);
    win::HBITMAP mono = win::LoadBitmapA(nullptr, kLogoMono);
    ASSERT_NE(colour, nullptr);
    ASSERT_NE(mono, nullptr);
    const win::BITMAP c = Describe(colour);
    const win::BITMAP m = Describe(mono);
    EXPECT_EQ(c.bmWidth * 3, c.bmHeight * 5);  // the 1.25 by 0.75 inch box
    EXPECT_EQ(m.bmWidth, c.bmWidth);
    EXPECT_EQ(m.bmBitsPixel, 1);
    EXPECT_GT(c.bmBitsPixel, 1);
    win::DeleteObject(colour);
    win::DeleteObject(mono);
    EXPECT_EQ(ScaleBitmap(nullptr, 10, 10), nullptr);
}

TEST_F(ReportPicturesTest, BackdropFollowsTheWindowShape) {
    win::WNDCLASS wc;
    wc.lpfnWndProc = win::DefWindowProc;
    wc.lpszClassName = "BackdropProbe";
    ASSERT_NE(win::RegisterClass(&wc), 0);
    for (bool wide : {true, false}) {
        win::HWND w = win::CreateWindowEx(0, "BackdropProbe", "", win::WS_POPUP | win::WS_VISIBLE,
                                          0, 0, wide ? 300 : 200, wide ? 200 : 300, nullptr,
                                          nullptr, nullptr, nullptr);
        ASSERT_NE(w, nullptr);
        win::HDC dc = win::GetDC(w);
        const int objects = win::LiveGdiObjectCount();
        PaintBackdropBitmap(w, dc, 0);
        EXPECT_EQ(win::LiveGdiObjectCount(), objects);
        const win::Image32 shown = win::ReadWindowPixels(w);
        ASSERT_GT(shown.width, 0);
        // A pale paper tone everywhere but the frame and the mark.
        const uint32_t middle = shown.At(shown.width / 2, shown.height / 3);
        EXPECT_GT((middle >> 16) & 0xFF, 220u) << wide;
        EXPECT_GT(middle & 0xFF, 220u) << wide;
        win::ReleaseDC(w, dc);
        win::DestroyWindow(w);
    }
}

}  // namespace
}  // namespace printtest
