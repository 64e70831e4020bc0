// Regions as the graph windows use them for hit tests: polygons of bar
// outlines and 3D cell tops made per click and tested against the click.
#include <cmath>

#include "tests/platform/gdi_test_support.h"

namespace win::test {
namespace {

using RegionTest = GdiTest;

struct Probe {
    int x;
    int y;
    bool inside;
};

void ExpectProbes(HRGN region, const std::vector<Probe>& probes) {
    for (const Probe& p : probes) {
        EXPECT_EQ(PtInRegion(region, p.x, p.y) != FALSE, p.inside)
            << "(" << p.x << ", " << p.y << ")";
    }
}

TEST_F(RegionTest, BarOutlinePolygonCoversTheSamePixelsAsItsRectangle) {
    // A 2D bar in the painter's upward coordinates: (left, top), (left,
    // bottom), (right, bottom), (right, top), (left, top) with top > bottom.
    const POINT bar[5] = {{40, 90}, {40, 20}, {60, 20}, {60, 90}, {40, 90}};
    HRGN poly = CreatePolygonRgn(bar, 5, WINDING);
    HRGN rect = CreateRectRgn(40, 20, 60, 90);
    ASSERT_NE(poly, nullptr);
    EXPECT_TRUE(EqualRgn(poly, rect));
    // Left and bottom edges belong to the bar, right and top edges do not.
    ExpectProbes(poly, {{40, 20, true},
                        {59, 89, true},
                        {60, 50, false},
                        {50, 90, false},
                        {39, 50, false},
                        {50, 19, false},
                        {50, 55, true}});
    RECT box;
    EXPECT_EQ(GetRgnBox(poly, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 40);
    EXPECT_EQ(box.top, 20);
    EXPECT_EQ(box.right, 60);
    EXPECT_EQ(box.bottom, 90);
}

TEST_F(RegionTest, CrossedCellOutlineHitsBothTriangles) {
    // A 3D cell top is stored as T1, T4, T2, T3: a quadrilateral whose
    // outline crosses itself (a bow tie). The two triangles either side of
    // the crossing at (50, 50) are inside, the two gaps are not.
    const POINT cell[4] = {{0, 0}, {100, 100}, {100, 0}, {0, 100}};
    for (int mode : {WINDING, ALTERNATE}) {
        HRGN region = CreatePolygonRgn(cell, 4, mode);
        ExpectProbes(region, {{90, 50, true}, {10, 50, true}, {50, 10, false}, {50, 90, false}});
        DeleteObject(region);
    }
}

TEST_F(RegionTest, FillModeDecidesTheCentreOfAPentagram) {
    // A five-pointed star drawn in one stroke: its centre pentagon is wound
    // twice, so it is inside by the winding rule and outside by even-odd.
    POINT star[5];
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 4 * M_PI / 5;
        star[i] = POINT{static_cast<LONG>(std::lround(100 + 90 * std::cos(a))),
                        static_cast<LONG>(std::lround(100 + 90 * std::sin(a)))};
    }
    HRGN winding = CreatePolygonRgn(star, 5, WINDING);
    HRGN alternate = CreatePolygonRgn(star, 5, ALTERNATE);
    EXPECT_TRUE(PtInRegion(winding, 100, 100));
    EXPECT_FALSE(PtInRegion(alternate, 100, 100));
    // A point in one of the star's tips is inside by both rules.
    EXPECT_TRUE(PtInRegion(winding, 100, 20));
    EXPECT_TRUE(PtInRegion(alternate, 100, 20));
    EXPECT_FALSE(PtInRegion(winding, 5, 5));
}

TEST_F(RegionTest, CombinationsFollowSetRules) {
    HRGN a = CreateRectRgn(0, 0, 20, 20);
    HRGN b = CreateRectRgn(10, 10, 30, 30);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    struct Case {
        int mode;
        int kind;
        bool inA;     // (5, 5): only in a
        bool inBoth;  // (15, 15)
        bool inB;     // (25, 25): only in b
    };
    const Case cases[] = {{RGN_AND, SIMPLEREGION, false, true, false},
                          {RGN_OR, COMPLEXREGION, true, true, true},
                          {RGN_XOR, COMPLEXREGION, true, false, true},
                          {RGN_DIFF, COMPLEXREGION, true, false, false},
                          {RGN_COPY, SIMPLEREGION, true, true, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(CombineRgn(out, a, b, c.mode), c.kind) << "mode " << c.mode;
        ExpectProbes(out, {{5, 5, c.inA}, {15, 15, c.inBoth}, {25, 25, c.inB}});
    }
    EXPECT_EQ(CombineRgn(out, a, CreateRectRgn(50, 50, 60, 60), RGN_AND), NULLREGION);
    EXPECT_EQ(OffsetRgn(a, 100, 0), SIMPLEREGION);
    ExpectProbes(a, {{5, 5, false}, {105, 5, true}});
    RECT probe{110, 10, 130, 12};
    EXPECT_TRUE(RectInRegion(a, &probe));
}

TEST_F(RegionTest, BadRegionsFailWithoutHarm) {
    const POINT line[2] = {{0, 0}, {10, 10}};
    HRGN degenerate = CreatePolygonRgn(line, 2, WINDING);
    ASSERT_NE(degenerate, nullptr);
    RECT box;
    EXPECT_EQ(GetRgnBox(degenerate, &box), NULLREGION);
    EXPECT_EQ(CreatePolygonRgn(line, 2, 7), nullptr);  // no such fill mode
    HRGN region = CreateRectRgn(0, 0, 10, 10);
    EXPECT_TRUE(DeleteObject(region));
    EXPECT_FALSE(PtInRegion(region, 5, 5));  // stale handle
    EXPECT_FALSE(DeleteObject(region));
    EXPECT_EQ(CombineRgn(region, degenerate, degenerate, RGN_OR), ERROR);
}

TEST_F(RegionTest, ClipRegionLimitsDrawing) {
    MemoryCanvas canvas(40, 40);
    HRGN clip = CreateRectRgn(10, 10, 20, 20);
    EXPECT_EQ(SelectClipRgn(canvas.Dc(), clip), SIMPLEREGION);
    DeleteObject(clip);  // the context keeps its own copy
    RECT all{0, 0, 40, 40};
    FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(canvas.At(15, 15), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(5, 5), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(20, 15), RGB(255, 255, 255));
    EXPECT_EQ(CountInk(canvas.Pixels()), 100);
    RECT box;
    EXPECT_EQ(GetClipBox(canvas.Dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.right, 20);
    // Narrowing further, then removing the clip.
    EXPECT_EQ(IntersectClipRect(canvas.Dc(), 0, 0, 12, 40), SIMPLEREGION);
    EXPECT_EQ(SelectClipRgn(canvas.Dc(), nullptr), SIMPLEREGION);
    FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(CountInk(canvas.Pixels()), 1600);
}

}  // namespace
}  // namespace win::test
