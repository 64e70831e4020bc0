// Mapping modes: the anisotropic mappings the graph painters set up, their
// round trips between logical and device units, and drawing through them.
#include "tests/platform/gdi_test_support.h"

namespace win::test {
namespace {

using MappingTest = GdiTest;

// The 2D bar graph's mapping: one logical unit per pixel, origin at the
// bottom-left corner, y up.
void SetUpwardMapping(HDC dc, int width, int height) {
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetWindowExtEx(dc, width, height, nullptr);
    SetViewportExtEx(dc, width, -height, nullptr);
    SetViewportOrgEx(dc, 0, height, nullptr);
}

TEST_F(MappingTest, UpwardMappingPutsTheOriginBottomLeftAndRoundTrips) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetUpwardMapping(dc, 400, 300);
    POINT corners[3] = {{0, 0}, {400, 300}, {100, 50}};
    ASSERT_TRUE(LPtoDP(dc, corners, 3));
    EXPECT_EQ(corners[0].x, 0);
    EXPECT_EQ(corners[0].y, 300);
    EXPECT_EQ(corners[1].x, 400);
    EXPECT_EQ(corners[1].y, 0);
    EXPECT_EQ(corners[2].y, 250);
    for (int x = -50; x <= 450; x += 37) {
        for (int y = -20; y <= 320; y += 29) {
            POINT p{x, y};
            ASSERT_TRUE(LPtoDP(dc, &p, 1));
            ASSERT_TRUE(DPtoLP(dc, &p, 1));
            EXPECT_EQ(p.x, x);
            EXPECT_EQ(p.y, y);
        }
    }
    DeleteDC(dc);
}

TEST_F(MappingTest, ThreeDGraphMappingStretchesTheLogicalPicture) {
    // The 3D painter's logical picture runs from (-320, -240) to (319, 239)
    // whatever the device; on a 1280 x 960 client area each logical unit is
    // two pixels, so points survive the trip out and back.
    HDC dc = CreateCompatibleDC(nullptr);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, -320, -240, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetWindowExtEx(dc, 639, 479, nullptr);
    SetViewportExtEx(dc, 1278, 958, nullptr);
    POINT p[2] = {{-320, -240}, {319, 239}};
    LPtoDP(dc, p, 2);
    EXPECT_EQ(p[0].x, 0);
    EXPECT_EQ(p[0].y, 0);
    EXPECT_EQ(p[1].x, 1278);
    EXPECT_EQ(p[1].y, 958);
    for (int x = -320; x < 320; x += 13) {
        POINT q{x, x / 2};
        LPtoDP(dc, &q, 1);
        DPtoLP(dc, &q, 1);
        EXPECT_EQ(q.x, x);
        EXPECT_EQ(q.y, x / 2);
    }
    DeleteDC(dc);
}

TEST_F(MappingTest, ExtentsCountOnlyInTheAnisotropicMode) {
    HDC dc = CreateCompatibleDC(nullptr);
    SIZE ext;
    EXPECT_TRUE(SetWindowExtEx(dc, 10, 10, nullptr));  // accepted, ignored in text mode
    GetWindowExtEx(dc, &ext);
    EXPECT_EQ(ext.cx, 1);
    EXPECT_EQ(SetMapMode(dc, MM_ANISOTROPIC), MM_TEXT);
    EXPECT_FALSE(SetViewportExtEx(dc, 0, 5, nullptr));  // would be singular
    EXPECT_TRUE(SetViewportExtEx(dc, 3, 5, nullptr));
    GetViewportExtEx(dc, &ext);
    EXPECT_EQ(ext.cx, 3);
    EXPECT_EQ(SetMapMode(dc, MM_TEXT), MM_ANISOTROPIC);
    GetViewportExtEx(dc, &ext);
    EXPECT_EQ(ext.cx, 1);  // back to one unit per pixel
    EXPECT_EQ(SetMapMode(dc, 99), 0);
    DeleteDC(dc);
}

TEST_F(MappingTest, ShapesLandWhereTheMappingSendsThem) {
    MemoryCanvas canvas(100, 80);
    SetUpwardMapping(canvas.Dc(), 100, 80);
    SelectObject(canvas.Dc(), GetStockObject(BLACK_BRUSH));
    SelectObject(canvas.Dc(), GetStockObject(NULL_PEN));
    // A logical rectangle 10..30 across, 5..25 up: device rows 55..74.
    Rectangle(canvas.Dc(), 10, 5, 31, 26);
    SetMapMode(canvas.Dc(), MM_TEXT);
    const RECT ink = InkBox(canvas.Pixels());
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.right, 30);
    EXPECT_EQ(ink.top, 54);
    EXPECT_EQ(ink.bottom, 74);
}

}  // namespace
}  // namespace win::test
