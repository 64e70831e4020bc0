// Device contexts and drawing objects: selection returns what was selected
// before, SaveDC/RestoreDC bring attributes back, objects deleted while
// selected live on until released, and stale handles fail harmlessly.
#include <limits>

#include "tests/platform/gdi_test_support.h"

namespace win::test {
namespace {

using DcTest = GdiTest;

TEST_F(DcTest, SelectionReturnsThePreviousObject) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(10, 20, 30));
    HGDIOBJ first = SelectObject(dc, pen);
    EXPECT_EQ(first, GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, first), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    LOGPEN lp;
    EXPECT_EQ(GetObjectA(pen, sizeof lp, &lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnWidth.x, 2);
    EXPECT_EQ(lp.lopnColor, RGB(10, 20, 30));
    EXPECT_EQ(GetObjectType(pen), OBJ_PEN);
    EXPECT_TRUE(DeleteObject(pen));
    DeleteDC(dc);
}

TEST_F(DcTest, SaveAndRestoreBringBackAttributesAndObjects) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SetTextColor(dc, RGB(1, 1, 1));
    const int level = SaveDC(dc);
    EXPECT_EQ(level, 1);
    SelectObject(dc, red);
    SetTextColor(dc, RGB(2, 2, 2));
    SetBkMode(dc, TRANSPARENT);
    SetMapMode(dc, MM_ANISOTROPIC);
    EXPECT_EQ(SaveDC(dc), 2);
    SetTextColor(dc, RGB(3, 3, 3));
    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetTextColor(dc), RGB(2, 2, 2));
    EXPECT_TRUE(RestoreDC(dc, level));
    EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetMapMode(dc), MM_TEXT);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(RestoreDC(dc, 1));  // nothing saved any more
    EXPECT_FALSE(RestoreDC(dc, 0));
    DeleteObject(red);
    DeleteDC(dc);
}

TEST_F(DcTest, ObjectDeletedWhileSelectedLivesUntilReleased) {
    MemoryCanvas c(10, 10);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    HGDIOBJ old = SelectObject(c.Dc(), blue);
    EXPECT_TRUE(DeleteObject(blue));
    // The context still paints with it ...
    PatBlt(c.Dc(), 0, 0, 10, 10, PATCOPY);
    EXPECT_EQ(c.At(5, 5), RGB(0, 0, 255));
    // ... but the handle no longer names an object for anyone else.
    EXPECT_EQ(GetObjectType(blue), 0u);
    HDC other = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(other, blue), nullptr);
    DeleteDC(other);
    SelectObject(c.Dc(), old);
}

TEST_F(DcTest, StaleAndWrongHandlesFail) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
    EXPECT_FALSE(Rectangle(dc, 0, 0, 5, 5));
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 0);
    // Stock objects survive deletion; unknown styles make no object.
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(GetObjectType(GetStockObject(BLACK_BRUSH)), OBJ_BRUSH);
    EXPECT_EQ(CreateHatchBrush(9, 0), nullptr);
    EXPECT_EQ(CreatePen(42, 1, 0), nullptr);
    EXPECT_EQ(GetStockObject(99), nullptr);
    // A bitmap sits in one memory context at a time, and only in one.
    HDC a = CreateCompatibleDC(nullptr);
    HDC b = CreateCompatibleDC(nullptr);
    HBITMAP bm = CreateBitmap(4, 4, 1, 32, nullptr);
    EXPECT_NE(SelectObject(a, bm), nullptr);
    EXPECT_EQ(SelectObject(b, bm), nullptr);
    DeleteDC(a);
    DeleteDC(b);
    EXPECT_TRUE(DeleteObject(bm));
}

TEST_F(DcTest, ExtremeSizesAndCoordinatesDrawSafely) {
    MemoryCanvas c(20, 20);
    SelectObject(c.Dc(), GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(Rectangle(c.Dc(), -1000000000, -1000000000, 1000000000, 1000000000));
    EXPECT_EQ(CountInk(c.Pixels()), 400);
    SetMapMode(c.Dc(), MM_ANISOTROPIC);
    SetWindowExtEx(c.Dc(), 1, 1, nullptr);
    SetViewportExtEx(c.Dc(), 1000000, 1000000, nullptr);
    EXPECT_TRUE(Ellipse(c.Dc(), -3000, -3000, 3000, 3000));
    SetMapMode(c.Dc(), MM_TEXT);
    for (LONG height : {std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max()}) {
        HFONT f = CreateFontA(height, std::numeric_limits<LONG>::min(), 3600, 0, FW_BOLD, 0, 0, 0,
                              ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        SelectObject(c.Dc(), f);
        TEXTMETRICA tm;
        EXPECT_TRUE(GetTextMetricsA(c.Dc(), &tm));
        EXPECT_LE(tm.tmHeight, 20000);
        EXPECT_TRUE(TextOutA(c.Dc(), 0, 0, "W", 1));
        SelectObject(c.Dc(), GetStockObject(SYSTEM_FONT));
        DeleteObject(f);
    }
}

TEST_F(DcTest, MonochromeBitmapsKeepBlackAndWhite) {
    HDC dc = CreateCompatibleDC(nullptr);
    // A fresh memory context holds a monochrome bitmap, so a bitmap made
    // compatible with it is monochrome too.
    HBITMAP mono = CreateCompatibleBitmap(dc, 8, 8);
    BITMAP info;
    GetObjectA(mono, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 1);
    HGDIOBJ old = SelectObject(dc, mono);
    PatBlt(dc, 0, 0, 8, 8, WHITENESS);
    HBRUSH dark = CreateSolidBrush(RGB(200, 0, 0));  // dark by luminance: black
    HBRUSH light = CreateSolidBrush(RGB(200, 200, 0));
    RECT left{0, 0, 4, 8};
    RECT right{4, 0, 8, 8};
    FillRect(dc, &left, dark);
    FillRect(dc, &right, light);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 6, 1), RGB(255, 255, 255));
    SelectObject(dc, old);
    DeleteObject(mono);
    DeleteObject(dark);
    DeleteObject(light);
    DeleteDC(dc);
}

}  // namespace
}  // namespace win::test
