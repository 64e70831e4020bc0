// Lines, shapes, brushes and raster operations on a memory canvas, checked
// pixel by pixel against the edge rules of the drawing model (right and
// bottom edges exclusive, a line without its last pixel, outlines inside
// the shape's box) and against reference pictures.
#include <cmath>

#include "platform/system/system.h"
#include "tests/platform/gdi_test_support.h"

namespace win::test {
namespace {

using ShapeTest = GdiTest;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

HBRUSH Stock(int index) {
    return static_cast<HBRUSH>(GetStockObject(index));
}

TEST_F(ShapeTest, RectangleOutlineRunsInsideItsBox) {
    MemoryCanvas c(30, 30);
    HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    SelectObject(c.Dc(), grey);
    Rectangle(c.Dc(), 10, 10, 20, 20);
    for (int i = 10; i < 20; ++i) {
        EXPECT_EQ(c.At(i, 10), kBlack);
        EXPECT_EQ(c.At(i, 19), kBlack);
        EXPECT_EQ(c.At(10, i), kBlack);
        EXPECT_EQ(c.At(19, i), kBlack);
    }
    EXPECT_EQ(c.At(15, 15), RGB(128, 128, 128));
    EXPECT_EQ(c.At(20, 15), kWhite);
    EXPECT_EQ(c.At(15, 20), kWhite);
    EXPECT_EQ(CountInk(c.Pixels()), 100);
    // Without an outline the fill ends one pixel short on the right and
    // bottom, where the outline would have been.
    SelectObject(c.Dc(), GetStockObject(NULL_PEN));
    PatBlt(c.Dc(), 0, 0, 30, 30, WHITENESS);
    Rectangle(c.Dc(), 10, 10, 20, 20);
    EXPECT_EQ(CountInk(c.Pixels()), 81);
    SelectObject(c.Dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(grey);
}

TEST_F(ShapeTest, LinesLeaveOutTheirLastPixelAndMoveThePosition) {
    MemoryCanvas c(20, 20);
    MoveToEx(c.Dc(), 2, 5, nullptr);
    LineTo(c.Dc(), 12, 5);
    EXPECT_EQ(c.At(2, 5), kBlack);
    EXPECT_EQ(c.At(11, 5), kBlack);
    EXPECT_EQ(c.At(12, 5), kWhite);
    EXPECT_EQ(CountInk(c.Pixels()), 10);
    POINT at;
    GetCurrentPositionEx(c.Dc(), &at);
    EXPECT_EQ(at.x, 12);
    // A vertical line from there, in a pen 3 pixels wide.
    HPEN wide = CreatePen(PS_SOLID, 3, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(c.Dc(), wide);
    LineTo(c.Dc(), 12, 15);
    EXPECT_EQ(c.At(12, 10), RGB(255, 0, 0));
    EXPECT_EQ(c.At(11, 10), RGB(255, 0, 0));
    EXPECT_EQ(c.At(13, 10), RGB(255, 0, 0));
    EXPECT_EQ(c.At(15, 10), kWhite);
    SelectObject(c.Dc(), old);
    DeleteObject(wide);
}

TEST_F(ShapeTest, PolygonFillModes) {
    POINT star[5];
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 4 * M_PI / 5;
        star[i] = POINT{static_cast<LONG>(std::lround(50 + 45 * std::cos(a))),
                        static_cast<LONG>(std::lround(50 + 45 * std::sin(a)))};
    }
    for (int mode : {ALTERNATE, WINDING}) {
        MemoryCanvas c(100, 100);
        SelectObject(c.Dc(), GetStockObject(BLACK_BRUSH));
        SelectObject(c.Dc(), GetStockObject(NULL_PEN));
        EXPECT_NE(SetPolyFillMode(c.Dc(), mode), 0);
        Polygon(c.Dc(), star, 5);
        EXPECT_EQ(c.At(50, 50), mode == WINDING ? kBlack : kWhite);
        EXPECT_EQ(c.At(50, 12), kBlack);  // the top tip
        EXPECT_EQ(c.At(3, 3), kWhite);
    }
}

TEST_F(ShapeTest, FilledPolygonAndEllipseMatchTheirPicture) {
    MemoryCanvas c(160, 100);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 165));
    HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
    HPEN red = CreatePen(PS_SOLID, 2, RGB(191, 0, 0));
    HGDIOBJ oldBrush = SelectObject(c.Dc(), blue);
    HGDIOBJ oldPen = SelectObject(c.Dc(), red);
    // A diamond floor like the 3D graph's, and an ellipse beside it.
    const POINT floor[4] = {{40, 10}, {75, 50}, {40, 90}, {5, 50}};
    Polygon(c.Dc(), floor, 4);
    SelectObject(c.Dc(), yellow);
    Ellipse(c.Dc(), 90, 20, 150, 80);
    const RECT ink = InkBox(c.Pixels());
    EXPECT_LE(ink.right, 151);
    EXPECT_EQ(c.At(40, 50), RGB(0, 0, 165));
    EXPECT_EQ(c.At(120, 50), RGB(255, 255, 0));
    EXPECT_EQ(c.At(91, 21), kWhite);  // outside the ellipse's curve
    EXPECT_TRUE(MatchesGolden(c.Pixels(), "polygon_ellipse"));
    SelectObject(c.Dc(), oldBrush);
    SelectObject(c.Dc(), oldPen);
    DeleteObject(blue);
    DeleteObject(yellow);
    DeleteObject(red);
}

TEST_F(ShapeTest, HatchStylesRepeatEveryEightPixelsFromTheBrushOrigin) {
    // Which pixels of an 8 x 8 cell each style inks.
    struct Style {
        int hatch;
        bool (*ink)(int x, int y);
    };
    const Style styles[] = {
        {HS_HORIZONTAL, [](int, int y) { return y == 0; }},
        {HS_VERTICAL, [](int x, int) { return x == 0; }},
        {HS_FDIAGONAL, [](int x, int y) { return x == y; }},      // falls to the right
        {HS_BDIAGONAL, [](int x, int y) { return x + y == 7; }},  // rises to the right
        {HS_CROSS, [](int x, int y) { return x == 0 || y == 0; }},
        {HS_DIAGCROSS, [](int x, int y) { return x == y || x + y == 7; }}};
    for (const Style& s : styles) {
        MemoryCanvas c(16, 16);
        SetBrushOrgEx(c.Dc(), 3, 0, nullptr);
        HBRUSH brush = CreateHatchBrush(s.hatch, kBlack);
        RECT all{0, 0, 16, 16};
        FillRect(c.Dc(), &all, brush);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const bool ink = s.ink(((x - 3) % 8 + 8) % 8, y % 8);
                ASSERT_EQ(c.At(x, y), ink ? kBlack : kWhite)
                    << "style " << s.hatch << " at " << x << "," << y;
            }
        }
        DeleteObject(brush);
    }
}

TEST_F(ShapeTest, HatchBackgroundFollowsTheBackgroundMode) {
    MemoryCanvas c(16, 8);
    RECT all{0, 0, 16, 8};
    HBRUSH grey = CreateSolidBrush(RGB(100, 100, 100));
    FillRect(c.Dc(), &all, grey);
    HBRUSH hatch = CreateHatchBrush(HS_VERTICAL, RGB(255, 0, 0));
    SetBkColor(c.Dc(), RGB(0, 0, 255));
    SetBkMode(c.Dc(), TRANSPARENT);
    RECT left{0, 0, 8, 8};
    FillRect(c.Dc(), &left, hatch);
    SetBkMode(c.Dc(), OPAQUE);
    RECT right{8, 0, 16, 8};
    FillRect(c.Dc(), &right, hatch);
    EXPECT_EQ(c.At(0, 4), RGB(255, 0, 0));
    EXPECT_EQ(c.At(3, 4), RGB(100, 100, 100));  // transparent: the grey stays
    EXPECT_EQ(c.At(8, 4), RGB(255, 0, 0));
    EXPECT_EQ(c.At(11, 4), RGB(0, 0, 255));  // opaque: the background colour
    DeleteObject(grey);
    DeleteObject(hatch);
}

TEST_F(ShapeTest, AllHatchStylesMatchTheirPicture) {
    MemoryCanvas c(200, 60);
    for (int style = HS_HORIZONTAL; style <= HS_DIAGCROSS; ++style) {
        HBRUSH brush = CreateHatchBrush(style, RGB(0, 0, 128));
        HGDIOBJ old = SelectObject(c.Dc(), brush);
        Rectangle(c.Dc(), 5 + style * 32, 10, 33 + style * 32, 50);
        SelectObject(c.Dc(), old);
        DeleteObject(brush);
    }
    EXPECT_TRUE(MatchesGolden(c.Pixels(), "hatch_styles"));
}

TEST_F(ShapeTest, InvertedDragFrameUndoesItself) {
    MemoryCanvas c(20, 20);
    RECT frame{4, 4, 12, 12};
    FillRect(c.Dc(), &frame, Stock(GRAY_BRUSH));
    RECT drag{8, 8, 16, 16};
    InvertRect(c.Dc(), &drag);
    EXPECT_EQ(c.At(10, 10), RGB(127, 127, 127));
    EXPECT_EQ(c.At(14, 14), kBlack);
    InvertRect(c.Dc(), &drag);
    EXPECT_EQ(c.At(10, 10), RGB(128, 128, 128));
    EXPECT_EQ(c.At(14, 14), kWhite);
}

TEST_F(ShapeTest, PatternBlitsApplyTheirRasterOperation) {
    MemoryCanvas c(10, 10);
    PatBlt(c.Dc(), 0, 0, 10, 10, BLACKNESS);
    EXPECT_EQ(CountInk(c.Pixels()), 100);
    SelectObject(c.Dc(), GetStockObject(LTGRAY_BRUSH));
    PatBlt(c.Dc(), 0, 0, 5, 10, PATCOPY);
    EXPECT_EQ(c.At(2, 2), RGB(192, 192, 192));
    PatBlt(c.Dc(), 0, 0, 10, 10, DSTINVERT);
    EXPECT_EQ(c.At(2, 2), RGB(63, 63, 63));
    EXPECT_EQ(c.At(7, 2), kWhite);
    // A raster operation that needs a source is no pattern blit.
    EXPECT_FALSE(PatBlt(c.Dc(), 0, 0, 10, 10, SRCCOPY));
}

TEST_F(ShapeTest, FloodFillStopsAtTheBorderOrTheSurfaceColour) {
    MemoryCanvas c(30, 30);
    SelectObject(c.Dc(), GetStockObject(NULL_BRUSH));
    Rectangle(c.Dc(), 5, 5, 25, 25);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(c.Dc(), red);
    EXPECT_TRUE(FloodFill(c.Dc(), 15, 15, kBlack));
    EXPECT_EQ(c.At(6, 6), RGB(255, 0, 0));
    EXPECT_EQ(c.At(23, 23), RGB(255, 0, 0));
    EXPECT_EQ(c.At(5, 5), kBlack);
    EXPECT_EQ(c.At(2, 2), kWhite);
    // Surface fill from outside: every white pixel joined to the corner.
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    SelectObject(c.Dc(), green);
    EXPECT_TRUE(ExtFloodFill(c.Dc(), 0, 0, kWhite, FLOODFILLSURFACE));
    EXPECT_EQ(c.At(29, 29), RGB(0, 255, 0));
    EXPECT_EQ(c.At(15, 15), RGB(255, 0, 0));
    // Starting on the border colour fills nothing.
    EXPECT_FALSE(FloodFill(c.Dc(), 5, 5, kBlack));
    SelectObject(c.Dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
    DeleteObject(green);
}

TEST_F(ShapeTest, SystemColourBrushesAndSinglePixels) {
    MemoryCanvas c(10, 10);
    RECT all{0, 0, 10, 10};
    // A class background names a system colour as its index plus one.
    EXPECT_EQ(FillRect(c.Dc(), &all, reinterpret_cast<HBRUSH>(static_cast<std::intptr_t>(5 + 1))),
              1);
    EXPECT_EQ(c.At(3, 3), static_cast<COLORREF>(GetSysColor(5)));
    EXPECT_EQ(SetPixel(c.Dc(), 4, 4, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(c.Dc(), 4, 4), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(c.Dc(), 40, 4), CLR_INVALID);
}

}  // namespace
}  // namespace win::test
