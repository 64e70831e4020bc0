// The pH-alkalinity picture: the anchors the last pair chooses, the axes over
// flat, narrow and wide curves, the labels of scaled axes with the pH
// caption, the printer page fitted to 4:3, the measured-pair markers, what a
// paint leaves in its device context, and the picture without pairs.
#include <cmath>
#include <string>

#include "engine/carbonate/carbonate_records.h"
#include "graphs/alkcurve/alk_curve_plot.h"
#include "graphs/alkcurve/alk_graph_records.h"
#include "graphs/alkcurve/draw_alk_curve.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "reporttext/format/axis_number.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

class AlkCurveTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        ResetAlkGraphRecords();
    }
    static void Store(std::initializer_list<std::pair<float, float>> pairs, float k0, float k3) {
        alkCurvePoints = AlkCurvePoints{};
        int n = 0;
        for (const auto& [alkalinity, ph] : pairs) {
            alkCurvePoints.pair[n][0] = ph;
            alkCurvePoints.pair[n][1] = alkalinity;
            ++n;
        }
        alkCurvePoints.count = static_cast<int16_t>(n);
        userAlkCurve = AlkCurveCoefficients{k0, 0.0f, 0.0f, k3};
    }
    // Paints into a headless window of the size; the report and the pixels.
    static win::LRESULT Proc(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
        return win::DefWindowProc(h, m, w, l);
    }
    win::Image32 Paint(int width, int height, AlkCurveReport* report) {
        win::WNDCLASS wc{};
        wc.lpfnWndProc = Proc;
        wc.lpszClassName = "AlkTestWindow";
        (void)win::RegisterClass(&wc);
        win::HWND hwnd = win::CreateWindow("AlkTestWindow", "", win::WS_POPUP | win::WS_VISIBLE, 0,
                                           0, width, height, nullptr, nullptr, nullptr, nullptr);
        win::HDC dc = win::GetDC(hwnd);
        const win::HGDIOBJ pen = win::SelectObject(dc, win::GetStockObject(win::BLACK_PEN));
        win::SelectObject(dc, pen);
        before = {pen, Current(dc, win::OBJ_BRUSH), Current(dc, win::OBJ_FONT)};
        EXPECT_EQ(DrawAlkCurveReported(dc, hwnd, report), 0);
        after = {Current(dc, win::OBJ_PEN), Current(dc, win::OBJ_BRUSH),
                 Current(dc, win::OBJ_FONT)};
        mapMode = win::GetMapMode(dc);
        win::ReleaseDC(hwnd, dc);
        win::Image32 picture = win::ReadWindowPixels(hwnd);
        win::DestroyWindow(hwnd);
        return picture;
    }
    static win::HGDIOBJ Current(win::HDC dc, win::UINT kind) {
        return win::GetCurrentObject(dc, kind);
    }
    static int Count(const win::Image32& p, uint32_t colour) {
        int n = 0;
        for (uint32_t c : p.pixels) n += (c & 0xFFFFFF) == colour ? 1 : 0;
        return n;
    }
    struct Objects {
        win::HGDIOBJ pen, brush, font;
    } before{}, after{};
    int mapMode = 0;
};

TEST_F(AlkCurveTest, AnchorsFollowTheLastPairEntered) {
    // Proportional at and below 10 and above 2000, fixed tables between.
    const AlkAnchors at10 = AlkCurveAnchors(10.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(at10[0]), 0.05f);
    EXPECT_FLOAT_EQ(static_cast<float>(at10[11]), 11.0f);
    const AlkAnchors above10 = AlkCurveAnchors(10.5f);
    EXPECT_EQ(above10[0], 1.0);
    EXPECT_EQ(above10[11], 300.0);
    EXPECT_EQ(AlkCurveAnchors(300.5f)[11], 500.0);
    EXPECT_EQ(AlkCurveAnchors(2000.0f)[11], 2000.0);
    const AlkAnchors above2000 = AlkCurveAnchors(2500.0f);
    EXPECT_DOUBLE_EQ(above2000[0], 12.5);
    EXPECT_DOUBLE_EQ(above2000[11], 2750.0);

    // Pairs out of order: the last one decides, not the largest.
    Store({{1800.0f, 8.5f}, {50.0f, 7.9f}}, 5.5f, 1.43f);
    AlkCurveReport report;
    (void)Paint(800, 600, &report);
    ASSERT_TRUE(report.curve);
    EXPECT_EQ(report.x.low, 0.0);
    EXPECT_EQ(report.x.high, 2000.0);

    const AlkSamples s = SampleAlkCurve(above10, AlkCurveCoefficients{4.5f, 0, 0, 1.43f});
    EXPECT_EQ(s[1].x, 2.0f);  // a quarter of the first gap
    EXPECT_EQ(s[44].x, 300.0f);
    EXPECT_NEAR(s[44].y, 8.04228f, 1e-5);
}

TEST_F(AlkCurveTest, AxesOverFlatAndWideCurves) {
    const AlkAxis flat = AlkPhAxis(7.0, 7.0);
    EXPECT_EQ(flat.low, 3.5);
    EXPECT_EQ(flat.high, 10.5);
    EXPECT_EQ(flat.divisions, 2);
    EXPECT_EQ(AlkPhAxis(-14.0, -14.0).high, 14.0);
    // More than nine alkalinity divisions are drawn as nine, with ten labels
    // over the whole axis.
    int count = 0;
    const auto ticks = AlkAlkalinityTicks(AlkAxis{0.0, 120.0, 12}, count);
    EXPECT_EQ(count, 10);
    EXPECT_FLOAT_EQ(ticks[9], 120.0f);
    EXPECT_EQ(AlkAlkalinityAxis(0.0, 100.0).divisions, 5);
}

TEST_F(AlkCurveTest, LabelsOfScaledAxesAndThePhCaption) {
    char text[kAxisLabelChars] = {};
    char suffix[kAxisSuffixChars] = " ";
    // Plain labels: widths by the value, cut to five characters.
    AlkPhLabel(7.0, AlkAxis{4.0, 9.0, 5}, text, suffix);
    EXPECT_STREQ(text, "7.00");
    AlkPhLabel(12.5, AlkAxis{4.0, 14.0, 5}, text, suffix);
    EXPECT_STREQ(text, "12.5");
    AlkAlkalinityLabel(1234.5, AlkAxis{0.0, 3000.0, 6}, text, suffix);
    EXPECT_STREQ(text, "1234.");
    EXPECT_STREQ(suffix, " ");
    // A pH axis from below 0.01 goes through the scaled labels.
    AlkPhLabel(-2.0, AlkAxis{-2.0, 10.0, 6}, text, suffix);
    EXPECT_STREQ(text, "-2");
    AlkPhLabel(0.003, AlkAxis{0.002, 0.006, 4}, text, suffix);
    EXPECT_STREQ(text, "3");
    EXPECT_STREQ(suffix, "E-03");
    // An alkalinity axis narrower than 0.01 takes its decimals from the value step.
    std::snprintf(suffix, sizeof suffix, " ");
    AlkAlkalinityLabel(0.0015, AlkAxis{0.001, 0.003, 4}, text, suffix);
    EXPECT_STREQ(text, "1.5");
    EXPECT_STREQ(suffix, "E-03");

    // A curve of tiny pH values shows the scale in the pH caption (the
    // narrow range is rounded out to 0 to 0.1).
    Store({{1.0f, 0.003f}, {2.0f, 0.005f}}, 0.004f, 0.0f);
    AlkCurveReport report;
    (void)Paint(800, 600, &report);
    EXPECT_EQ(report.yCaption, "pH (E-01)");
    EXPECT_DOUBLE_EQ(report.y.high, 0.1);
    ASSERT_FALSE(report.yLabels.empty());
    EXPECT_EQ(report.yLabels.size(), static_cast<std::size_t>(report.y.divisions + 1));
}

TEST_F(AlkCurveTest, PrinterPagesAreFittedToFourByThree) {
    // A tall page keeps its width; a wide page keeps its height and narrows,
    // moved right by half of what was cut.
    const AlkPage tall = FitAlkPrinterPage(2400, 3300);
    EXPECT_EQ(tall.width, 2400);
    EXPECT_EQ(tall.height, 1800);
    EXPECT_EQ(tall.margin, 0);
    const AlkPage wide = FitAlkPrinterPage(3300, 2400);
    EXPECT_EQ(wide.width, 3200);
    EXPECT_EQ(wide.height, 2400);
    EXPECT_EQ(wide.margin, 50);
    const AlkPage exact = FitAlkPrinterPage(800, 600);
    EXPECT_EQ(exact.width, 800);
    EXPECT_EQ(exact.margin, 0);
}

TEST_F(AlkCurveTest, MarkersAreTrianglesWithTheApexUp) {
    EXPECT_EQ(AlkMarkerHalfSize(592), 2);
    EXPECT_EQ(AlkMarkerHalfSize(300), 2);
    EXPECT_EQ(AlkMarkerHalfSize(1400), 7);
    const auto m = AlkMarker(100, 50, 7);
    EXPECT_EQ(m[0].x, 93);
    EXPECT_EQ(m[0].y, 43);
    EXPECT_EQ(m[1].x, 107);
    EXPECT_EQ(m[1].y, 43);
    EXPECT_EQ(m[2].x, 100);
    EXPECT_EQ(m[2].y, 64);
    EXPECT_EQ(m[3].x, m[0].x);
    EXPECT_EQ(m[3].y, m[0].y);
}

TEST_F(AlkCurveTest, PaintLeavesTheDeviceContextAsItFoundIt) {
    Store({{10.0f, 7.2f}, {50.0f, 7.9f}, {300.0f, 8.6f}}, 4.5f, 1.43f);
    AlkCurveReport report;
    const win::Image32 p = Paint(800, 600, &report);
    EXPECT_EQ(after.pen, before.pen);
    EXPECT_EQ(after.brush, before.brush);
    EXPECT_EQ(after.font, before.font);
    EXPECT_EQ(mapMode, win::MM_ANISOTROPIC);
    EXPECT_EQ(alkGraphState.graphFontMade, 0u);
    EXPECT_STREQ(alkGraphState.title, "pH - Alkalinity Profile");
    EXPECT_EQ(report.xLabels.size(), 7u);
    EXPECT_EQ(report.yLabels.front(), "4.00");
    // The whole curve lies inside the plot and reaches its right end.
    ASSERT_EQ(report.line.size(), 45u);
    EXPECT_NEAR(report.line.back().x, report.plot.right + 1, 1);
    EXPECT_GT(Count(p, 0xFF0000), 500);
    EXPECT_GT(Count(p, 0x003C3C), 10000);  // the dark frame of the screen

    // Paper style: white frame, black text, and the printing flag of the paint.
    alkGraphState.paperStyle = 1;
    const win::Image32 paper = Paint(800, 600, nullptr);
    EXPECT_EQ(Count(paper, 0x003C3C), 0);
    EXPECT_EQ(alkGraphState.printing, 0u);
}

TEST_F(AlkCurveTest, SteepCurveStopsAtTheTopOfThePlot) {
    // The axis is laid over the curve up to its last anchor (2750); drawn on
    // to the end of the alkalinity axis (3000) it climbs past the top.
    Store({{2500.0f, 9.0f}}, 5.073f, 1.43f);
    AlkCurveReport report;
    (void)Paint(800, 600, &report);
    ASSERT_FALSE(report.line.empty());
    EXPECT_LT(report.line.size(), 45u);
    for (const win::POINT& v : report.line) EXPECT_LE(v.y, report.plot.top + 1);
}

TEST_F(AlkCurveTest, WithoutPairsOnlyFramesAndCaptionsArePainted) {
    Store({}, 4.5f, 1.43f);
    AlkCurveReport report;
    const win::Image32 p = Paint(800, 600, &report);
    EXPECT_FALSE(report.curve);
    EXPECT_TRUE(report.xLabels.empty());
    EXPECT_TRUE(report.yLabels.empty());
    EXPECT_EQ(report.yCaption, "pH");
    EXPECT_EQ(Count(p, 0xFF0000), 0);
    EXPECT_GT(Count(p, 0x003C3C), 10000);
    // Nor does a client of no size draw anything.
    Store({{10.0f, 7.2f}}, 4.5f, 1.43f);
    (void)Paint(0, 0, &report);
}

}  // namespace
}  // namespace graphtest
