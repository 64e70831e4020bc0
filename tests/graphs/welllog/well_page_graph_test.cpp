// The well-log page graph: its four panels in the page's rectangle, the
// page's mapping and objects left as they were, titles and captions by code
// and unit, colour bands, the undefined log index of one panel, and entries
// that name no code.
#include "graphs/welllog/well_page_graph.h"

#include <cmath>
#include <cstring>

#include "common/unit_codes.h"
#include "shell/mainwindow/main_window_records.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

class WellPageGraphTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        graphOutputFlags.colorNow = graphOutputFlags.displayColor = 1;
        Flash11Table& t = wellProfiles.flash11;
        for (int i = 0; i < 12; ++i) {
            t.depth[i] = i < 2 ? 0.0f : 1000.0f * static_cast<float>(i - 1);
            t.results[i][0] = 0.5f + 0.2f * static_cast<float>(i);
            t.results[i][2] = 1.0f;
            t.results[i][10] = 0.1f * static_cast<float>(i);
            t.analysis[i][15] = 80.0f + 10.0f * static_cast<float>(i);
            t.analysis[i][0] = 7.0f;
        }
        dc = win::CreateCompatibleDC(nullptr);
        bitmap = win::CreateCompatibleBitmap(dc, 800, 600);
        win::SelectObject(dc, bitmap);
    }
    void TearDown() override {
        win::DeleteDC(dc);
        win::DeleteObject(bitmap);
        GraphTest::TearDown();
    }
    void Params(uint16_t a, uint16_t b, uint16_t c, uint16_t d) {
        const uint16_t p[4] = {a, b, c, d};
        for (int i = 0; i < 4; ++i) displaySettings.graphParams[i] = p[i];
    }
    BarGraphReport Paint() {
        BarGraphReport r;
        PrepareWellPageAxis();
        DrawWellLogReportGraph(dc, nullptr, 0, 600, 800, 0, &r);
        EXPECT_EQ(r.charts.size(), 4u);
        return r;
    }
    win::HDC dc = nullptr;
    win::HBITMAP bitmap = nullptr;
};

TEST_F(WellPageGraphTest, FourPanelsLeaveThePageAsTheyFoundIt) {
    Params(0, 2, 40, 41);
    graphProfileKind = 3;
    win::SetMapMode(dc, win::MM_TEXT);
    win::SetWindowOrgEx(dc, 3, 4, nullptr);
    win::SetViewportOrgEx(dc, 5, 6, nullptr);
    win::HPEN pen = win::CreatePen(win::PS_SOLID, 3, 0x123456);
    win::HBRUSH brush = win::CreateSolidBrush(0x654321);
    win::SelectObject(dc, pen);
    win::SelectObject(dc, brush);
    const int objects = win::LiveGdiObjectCount();
    win::SIZE windowExt{}, viewportExt{};
    win::GetWindowExtEx(dc, &windowExt);
    win::GetViewportExtEx(dc, &viewportExt);

    EXPECT_EQ(DrawWellLogPageGraph(dc, nullptr, 0, 600, 800, 0), 0);

    EXPECT_EQ(win::GetMapMode(dc), win::MM_TEXT);
    win::POINT origin{};
    win::GetWindowOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 3);
    EXPECT_EQ(origin.y, 4);
    win::GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 5);
    EXPECT_EQ(origin.y, 6);
    win::SIZE ext{};
    win::GetWindowExtEx(dc, &ext);
    EXPECT_EQ(ext.cx, windowExt.cx);
    EXPECT_EQ(ext.cy, windowExt.cy);
    win::GetViewportExtEx(dc, &ext);
    EXPECT_EQ(ext.cx, viewportExt.cx);
    EXPECT_EQ(ext.cy, viewportExt.cy);
    EXPECT_EQ(win::GetCurrentObject(dc, win::OBJ_PEN), pen);
    EXPECT_EQ(win::GetCurrentObject(dc, win::OBJ_BRUSH), brush);
    EXPECT_EQ(win::LiveGdiObjectCount(), objects);
    EXPECT_EQ(graphProfileKind, 3u);  // the rectangle comes from the arguments only
    EXPECT_EQ(graphOutputFlags.exportingGraph, 0u);

    // Panel 0 lower left, 1 lower right, 2 upper left, 3 upper right (y up).
    const ChartRect* plot = twoDGraphState.plotRects;
    EXPECT_LT(plot[0].left, plot[1].left);
    EXPECT_EQ(plot[0].bottom, plot[1].bottom);
    EXPECT_EQ(plot[2].left, plot[0].left);
    EXPECT_GT(plot[2].bottom, plot[0].top);
    EXPECT_EQ(plot[3].left, plot[1].left);
    EXPECT_EQ(plot[3].bottom, plot[2].bottom);
    EXPECT_EQ(plot[0].left, 64);  // 0.16 of the 400-wide panel
    EXPECT_EQ(plot[3].top, 300 + 270);
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kX], "Depth");
    EXPECT_EQ(graphAxisData.pointCount, 12);
    EXPECT_DOUBLE_EQ(graphAxisData.xValues[11], 10000.0);
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kXSubtitle], "");
    win::DeleteObject(pen);
    win::DeleteObject(brush);
}

TEST_F(WellPageGraphTest, TitlesCaptionsAndStationLabels) {
    Params(0, 2, 40, 41);
    BarGraphReport r = Paint();
    EXPECT_EQ(r.charts[0].title, "Calcite Saturation Ratio");
    EXPECT_EQ(r.charts[0].caption, " Saturation Ratio");
    EXPECT_EQ(r.charts[1].title, "Amorphous Silica Ratio");
    EXPECT_EQ(r.charts[2].title, "Temperature Profile");
    EXPECT_EQ(r.charts[2].caption,
              "Temperature \xB0"
              "F");
    EXPECT_EQ(r.charts[3].caption, "pH");
    ASSERT_EQ(r.charts[0].xLabels.size(), 12u);
    EXPECT_EQ(r.charts[0].xLabels[0], "ATM");
    EXPECT_EQ(r.charts[0].xLabels[1], "SEP");
    EXPECT_EQ(r.charts[0].xLabels[2], "1000 ");
    for (const ChartReport& c : r.charts)
        for (const std::string& l : c.xLabels) EXPECT_LE(l.size(), 5u);
    // Depths of six digits are scaled rather than cut.
    for (int i = 2; i < 12; ++i) wellProfiles.flash11.depth[i] = 100000.0f * static_cast<float>(i);
    r = Paint();
    EXPECT_EQ(r.charts[0].xLabels[0], "ATM");
    EXPECT_NE(r.charts[0].xLabels[11], "11000");

    Params(10, 18, 89, 90);
    displaySettings.indexFormat = 1;
    std::strcpy(productTable.records[0].name, "PHOSBA");
    phControlSettings.acidChemical = 3;  // no chemical named
    r = Paint();
    EXPECT_EQ(r.charts[0].caption, "LSI");
    EXPECT_EQ(r.charts[1].caption, "Larson Skold");
    EXPECT_EQ(r.charts[2].title, "PHOSBA Dosage Profile");
    EXPECT_EQ(r.charts[2].caption, "mg/l");
    EXPECT_EQ(r.charts[3].title, " Dosage Profile");
    productTable.records[0].productMode = 2;
    unitCodes.code[UnitItem::kCorrosionRate] = 1;
    EXPECT_EQ(Paint().charts[2].caption, "mm/yr");
}

TEST_F(WellPageGraphTest, ColourBandsAndTreatedStatus) {
    Flash11Table& t = wellProfiles.flash11;
    t.results[4][0] = 1.2f;
    t.results[5][0] = 1.19f;
    t.excess[4][0] = 0.2f;  // code 100
    t.excess[5][0] = 0.21f;
    for (int i = 0; i < 12; ++i) t.doseStatus[i] = i % 4;
    productTable.records[0].productMode = 2;  // the page colours doses by status whatever the mode
    Params(0, 100, 89, 94);
    BarGraphReport r = Paint();
    EXPECT_EQ(r.charts[0].colours[4], 14);
    EXPECT_EQ(r.charts[0].colours[5], 2);
    EXPECT_EQ(r.charts[1].colours[4], 2);
    EXPECT_EQ(r.charts[1].colours[5], 14);
    EXPECT_EQ(r.charts[2].colours, (std::vector<int>{1, 14, 4, 5, 1, 14, 4, 5, 1, 14, 4, 5}));
    EXPECT_EQ(r.charts[3].colours, (std::vector<int>{1, 4, 4, 4, 1, 4, 4, 4, 1, 4, 4, 4}));
    Params(90, 91, 60, 0);
    r = Paint();
    for (int c : r.charts[0].colours) EXPECT_EQ(c, 1);
    for (int c : r.charts[1].colours) EXPECT_EQ(c, 1);
    EXPECT_EQ(r.charts[2].colours[0], 1);  // no potential: at most 0

    // A product treating calcite colours its bars by status instead.
    resultStatus.productSelected = 1;
    productTable.componentCount = 1;
    productTable.records[0].treatedIndex = 0;
    graphOutputFlags.treatedColorCoding = 1;
    r = Paint();
    EXPECT_EQ(r.charts[3].colours[3], 5);
    EXPECT_EQ(r.charts[3].colours[1], 14);
}

TEST_F(WellPageGraphTest, UndefinedLogIndexShowsTheNoticeInItsPanelOnly) {
    displaySettings.indexFormat = 1;
    wellProfiles.flash11.results[11][0] = 0.0f;  // calcite at the bottom hole
    wellProfiles.flash11.results[3][44] = 0.0f;  // iron sulfide 0 at a station above it
    wellProfiles.flash11.results[11][44] = 2.0f;
    Params(0, 44, 40, 41);
    const BarGraphReport r = Paint();
    EXPECT_TRUE(r.charts[0].message);
    EXPECT_FALSE(r.charts[0].bars);
    EXPECT_FALSE(r.charts[1].message);
    EXPECT_TRUE(r.charts[1].bars);
    EXPECT_DOUBLE_EQ(r.charts[1].values[3], 0.0);
    EXPECT_NEAR(r.charts[1].values[11], std::log10(2.0), 1e-9);
    EXPECT_TRUE(r.charts[2].bars);
    EXPECT_TRUE(r.charts[3].bars);
}

TEST_F(WellPageGraphTest, OnlyPrecipitationIsInThePrecipitationUnit) {
    Flash11Table& t = wellProfiles.flash11;
    for (int i = 0; i < 12; ++i) {
        t.results[i][60] = 10.0f;
        t.excess[i][5] = 10.0f;  // code 105
    }
    precipitationFactor = 0.34845498f;
    displaySettings.precipitationUnit = 1;
    Params(0, 60, 105, 105);
    BarGraphReport r = Paint();
    EXPECT_DOUBLE_EQ(r.charts[0].values[0], static_cast<double>(0.5f));  // a ratio stays a ratio
    EXPECT_NEAR(r.charts[1].values[0], 3.4845498, 1e-5);
    EXPECT_EQ(r.charts[1].title, "Calcite Precipitation Potential");
    EXPECT_EQ(r.charts[1].caption, "lbs per 1000 Barrels");
    EXPECT_EQ(r.charts[2].title, "Anhydrite Momentary Excess");
    EXPECT_EQ(r.charts[2].caption, "lbs per 1000 Barrels");
    displaySettings.precipitationUnit = 2;
    r = Paint();
    EXPECT_NEAR(r.charts[1].values[0], 10.0 * 0.34845498 * 0.454, 1e-4);
    EXPECT_EQ(r.charts[1].caption, "Kg per 1000 Barrels");
    EXPECT_EQ(r.charts[2].caption, "Kg per 1000 Barrels");
    displaySettings.precipitationUnit = 0;
    Params(60, 105, 50, 0);
    r = Paint();
    EXPECT_EQ(r.charts[1].caption, "   mg/L");  // its own, not the panel before
    EXPECT_EQ(r.charts[2].title,
              std::string(productTable.records[0].name) + " Precipitation Potential");
    displaySettings.mineralTitles = 1;
    EXPECT_EQ(Paint().charts[0].title, "CaCO_3 Precipitation Potential");
}

TEST_F(WellPageGraphTest, EntriesThatNameNoCodeReadNothing) {
    // An empty entry draws its frame only; codes past every table draw no bars.
    Params(0xFFFF, 200, 0xFFFE, 70);
    const BarGraphReport r = Paint();
    EXPECT_TRUE(r.charts[0].title.empty());
    EXPECT_FALSE(r.charts[0].bars);
    for (int c = 1; c < 4; ++c) {
        EXPECT_FALSE(r.charts[c].bars);
        for (double v : r.charts[c].values) EXPECT_EQ(v, 0.0);
    }
    // A tiny or upside-down rectangle draws without harm.
    BarGraphReport tiny;
    EXPECT_EQ(DrawWellLogReportGraph(dc, nullptr, 5, 5, 6, 7, &tiny), 0);
    EXPECT_EQ(DrawWellLogReportGraph(dc, nullptr, 0, 0, 0, 0, &tiny), 0);
}

}  // namespace
}  // namespace graphtest
