// The well-log summary graph painter: panels in rows of up to five, bars
// that stand for the stations from the bottom hole up, the depth axis (ticked
// on the last panel), the colours of the bands, codes without values, an
// empty list, and the left margin that keeps the turned titles clear of the
// depth labels.
#include "graphs/welllog/well_summary_graph.h"

#include <cstdio>

#include "graphs/welllog/well_log_clicks.h"
#include "graphs/welllog/well_log_graph_records.h"
#include "platform/text/text_boxes.h"
#include "scenarios/frame/point_marks.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/whatif/whatif_command_records.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

class WellSummaryGraphTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        ResetWellLogGraphRecords();
        graphOutputFlags.colorNow = graphOutputFlags.displayColor = 1;
        graphProfileKind = 8;
        Flash48Table& t = wellProfiles.flash48;
        for (int i = 0; i < 49; ++i) {
            t.depth[i] = i == 0 ? 0.0f : 100.0f * static_cast<float>(i + 1);
            t.results[i][0] = 0.02f * static_cast<float>(i);
            t.results[i][21] = 3.0f;
        }
        PrepareWellSummaryAxis();
        Codes({0, 21, 5, 4, 24, 37, 44});
    }
    void Codes(std::initializer_list<int16_t> codes) {
        int k = 0;
        for (int16_t c : codes) wellLogSummaryGraphCodes[k++] = c;
        for (; k < kWellLogSummaryGraphCount; ++k) wellLogSummaryGraphCodes[k] = -1;
    }
    BarGraphReport Paint(int w = 1200, int h = 800) {
        painted = BarGraphReport{};
        result = 99;
        PaintInWindow(
            [](win::HDC dc, win::HWND hwnd) {
                result = DrawWellLogSummaryGraphReported(dc, hwnd, &painted);
            },
            w, h);
        return painted;
    }
    static inline BarGraphReport painted;
    static inline std::vector<std::string> findings;
    static inline std::vector<win::TextBox> boxes;
    static inline int result = 0;
};

TEST_F(WellSummaryGraphTest, PanelGridGrowsInTwoRows) {
    const int expected[11][2] = {{1, 1}, {1, 1}, {2, 1}, {2, 2}, {2, 2}, {3, 2},
                                 {3, 2}, {4, 2}, {4, 2}, {5, 2}, {5, 2}};
    for (int n = 0; n <= 10; ++n) {
        EXPECT_EQ(WellSummaryPanelGrid(n).columns, expected[n][0]) << n;
        EXPECT_EQ(WellSummaryPanelGrid(n).rows, expected[n][1]) << n;
    }
}

TEST_F(WellSummaryGraphTest, SevenPanelsEachInItsOwnCell) {
    const int objects = win::LiveGdiObjectCount();
    const BarGraphReport r = Paint();
    EXPECT_EQ(result, 0);
    ASSERT_EQ(r.charts.size(), 7u);
    EXPECT_EQ(wellSummaryPanelCount, 7);
    EXPECT_EQ(win::LiveGdiObjectCount(), objects);
    EXPECT_EQ(r.charts[0].title, "Calcite");
    EXPECT_EQ(r.charts[0].caption, "Depth");
    EXPECT_EQ(r.charts[1].title, "Barite");
    EXPECT_EQ(r.charts[6].title, "Iron sulfide");
    // 4 x 2 cells of 300 x 400: panel 0 at the top left, panel 6 in the
    // bottom row's third cell (y grows upward).
    const BarRect& first = wellSummaryBarRects[0];
    EXPECT_GE(first.left, 0);
    EXPECT_LT(first.right, 300);
    EXPECT_GE(first.bottom, 400);
    const BarRect& last = wellSummaryBarRects[6 * 49 + 48];
    EXPECT_GE(last.left, 600);
    EXPECT_LT(last.right, 900);
    EXPECT_LT(last.top, 400);
    for (int p = 0; p < 7; ++p) EXPECT_TRUE(r.charts[p].bars) << p;
}

TEST_F(WellSummaryGraphTest, TheBottomHoleStandsAtTheLeft) {
    Codes({0});
    const BarGraphReport r = Paint();
    ASSERT_EQ(r.charts.size(), 1u);
    // Bar 0 shows station 48: the deepest, so the tallest, labelled with
    // that station's value.
    const BarRect& deepest = wellSummaryBarRects[0];
    const BarRect& surface = wellSummaryBarRects[48];
    EXPECT_LT(deepest.left, surface.left);
    EXPECT_GT(deepest.top - deepest.bottom, surface.top - surface.bottom);
    ASSERT_EQ(r.charts[0].xLabels.size(), 49u);
    EXPECT_EQ(r.charts[0].xLabels[0], "0.960");
    EXPECT_EQ(r.charts[0].xLabels[48], "0   ");
    // The copies keep station order.
    EXPECT_FLOAT_EQ(wellSummaryValueCopies[0][48], 0.96f);
    EXPECT_FLOAT_EQ(wellSummaryValueCopies[0][1], 0.02f);
    for (const std::string& l : r.charts[0].xLabels) EXPECT_LE(l.size(), 5u);
}

// The 49 turned station labels of a panel stand apart (only every k-th
// station is labelled where the bars are narrower than a label, the first
// and the last always), the bars fill the plot's width, and the title under
// the panel names the values, not the depth.
TEST_F(WellSummaryGraphTest, StationLabelsStandApartAndBarsFillThePlot) {
    for (const auto& size : {std::pair{1276, 942}, std::pair{1020, 700}}) {
        findings.clear();
        win::RecordTextBoxes(true);
        PaintInWindow(
            [](win::HDC dc, win::HWND hwnd) {
                (void)DrawWellLogSummaryGraph(dc, hwnd);
                win::RECT client{};
                win::GetClientRect(hwnd, &client);
                findings = win::TextBoxFindings(win::TextBoxesOf(hwnd), client, true);
            },
            size.first, size.second);
        win::RecordTextBoxes(false);
        for (const std::string& f : findings) ADD_FAILURE() << size.first << ": " << f;
    }
    Codes({0});
    displaySettings.indexFormat = 0;
    const BarGraphReport r = Paint(1200, 800);
    ASSERT_EQ(r.charts.size(), 1u);
    // The plot runs from 0.16 to 0.9 of the width: 192 to 1080.
    EXPECT_EQ(wellSummaryBarRects[0].left, 193);
    EXPECT_GE(wellSummaryBarRects[48].right, 1078);
    EXPECT_LE(wellSummaryBarRects[48].right, 1080);
    for (int k = 1; k < 49; ++k)
        EXPECT_EQ(wellSummaryBarRects[k].left, wellSummaryBarRects[k - 1].right) << k;
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kX], "Saturation Ratio");
    EXPECT_EQ(r.charts[0].caption, "Depth");
    Codes({10});  // Langelier: its values are named by the index
    (void)Paint(1200, 800);
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kX], "LSI");
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kYCaption], "Depth");
}

TEST_F(WellSummaryGraphTest, StationDepthsAndTheDepthAxis) {
    Flash48Table& t = wellProfiles.flash48;
    t.depth[0] = 0.0f;
    t.depth[1] = 100.0f;
    t.depth[48] = 4800.0f;
    PrepareWellSummaryAxis();
    EXPECT_EQ(graphAxisData.pointCount, 49);
    EXPECT_DOUBLE_EQ(wellSummaryX[0], 0.0);
    EXPECT_DOUBLE_EQ(wellSummaryX[1], 0.0);
    EXPECT_NEAR(wellSummaryX[2], 100.0, 1e-3);
    EXPECT_NEAR(wellSummaryX[47], 4600.0, 1e-2);
    EXPECT_DOUBLE_EQ(wellSummaryX[48], 4800.0);
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kX], "Depth");

    // Every station at one depth: half to one and a half times it.
    for (double& x : wellSummaryX) x = 3000.0;
    Codes({21});
    const BarGraphReport r = Paint();
    ASSERT_EQ(r.charts.size(), 1u);
    EXPECT_EQ(r.charts[0].yLabels, (std::vector<std::string>{"1500", "3000", "4500"}));

    // Seven panels share the depth axis: its labels stand once, on the last
    // panel (the bottom row's third cell of 300 x 400).
    Codes({0, 21, 5, 4, 24, 37, 44});
    painted = BarGraphReport{};
    win::RecordTextBoxes(true);
    PaintInWindow(
        [](win::HDC dc, win::HWND hwnd) {
            result = DrawWellLogSummaryGraphReported(dc, hwnd, &painted);
            boxes = win::TextBoxesOf(hwnd);
        },
        1200, 800);
    win::RecordTextBoxes(false);
    ASSERT_EQ(painted.charts.size(), 7u);
    for (const std::string& label : painted.charts[6].yLabels) {
        int drawn = 0;
        for (const win::TextBox& b : boxes) {
            if (b.text != label) continue;
            ++drawn;
            EXPECT_GE(b.ink.left, 600) << label;
            EXPECT_GE(b.ink.top, 400) << label;
        }
        EXPECT_EQ(drawn, 1) << label;
    }
}

// The turned value-axis title stays clear of the depth labels: tall narrow
// panels of a desktop-sized window with four-digit depths, a wide single
// panel, and the extra line beside the title.
TEST_F(WellSummaryGraphTest, TurnedTitlesEndBeforeTheDepthLabels) {
    Flash48Table& t = wellProfiles.flash48;
    for (int i = 0; i < 49; ++i) t.depth[i] = 125.0f * static_cast<float>(i);
    PrepareWellSummaryAxis();
    const auto clear = [](const BarGraphReport& r, const char* what) {
        for (std::size_t k = 0; k < r.charts.size(); ++k) {
            EXPECT_GT(r.charts[k].tickLabelsLeft, r.charts[k].captionRight) << what << " " << k;
            EXPECT_GT(r.charts[k].captionRight, 0) << what << " " << k;
        }
    };
    BarGraphReport r = Paint(1280, 975);
    ASSERT_EQ(r.charts.size(), 7u);
    EXPECT_EQ(r.charts[0].yLabels.back(), "6000");
    clear(r, "seven panels");
    Codes({0});
    clear(Paint(1280, 975), "one panel");
    std::snprintf(graphAxisData.axisTitles[AxisTitle::kYUnitCaption], kAxisTitleChars, "x 1000");
    Codes({0, 21, 5, 4, 24, 37, 44, 1, 2, 3});
    clear(Paint(1280, 975), "ten panels with the extra line");
}

TEST_F(WellSummaryGraphTest, BandsAndTreatedColours) {
    Flash48Table& t = wellProfiles.flash48;
    t.results[48][0] = 1.2f;  // bar 0
    t.results[47][0] = 1.19f;
    t.excess[48][7] = 0.2f;  // code 107, barite's momentary excess
    t.excess[47][7] = 0.21f;
    for (int i = 0; i < 49; ++i) t.doseStatus[i] = i % 4;
    Codes({0, 107, 90, 94});
    BarGraphReport r = Paint();
    ASSERT_EQ(r.charts.size(), 4u);
    // Colours are in station order.
    EXPECT_EQ(r.charts[0].colours[48], 14);
    EXPECT_EQ(r.charts[0].colours[47], 2);
    EXPECT_EQ(r.charts[1].colours[48], 2);
    EXPECT_EQ(r.charts[1].colours[47], 14);
    EXPECT_EQ(r.charts[1].title, "Barite Momentary Excess");
    EXPECT_EQ(r.charts[1].caption, "Depth");
    Codes({107});  // the last panel painted leaves its titles
    (void)Paint();
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kX], "mg/l above Equil.");
    EXPECT_EQ(r.charts[2].colours[0], 1);  // acid dose: status 0
    EXPECT_EQ(r.charts[2].colours[1], 4);
    EXPECT_EQ(r.charts[3].colours[0], 1);  // a rate of 0 mpy

    displaySettings.precipitationUnit = 2;
    (void)Paint();
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kX], "kg/1000 Barrels");
    Codes({0, 107, 90, 94});
    resultStatus.productSelected = 1;
    productTable.componentCount = 1;
    productTable.records[0].treatedIndex = 0;
    graphOutputFlags.treatedColorCoding = 1;
    r = Paint();
    EXPECT_EQ(r.charts[0].colours[48], 1);  // status 0
    EXPECT_EQ(r.charts[0].colours[47], 5);  // status 3
}

TEST_F(WellSummaryGraphTest, CodesWithoutValuesDrawNoBars) {
    // A code with no source after one with values shows zeros, not the
    // panel before's values; codes past the tables read nothing.
    Codes({21, 70, 138, 200});
    const BarGraphReport r = Paint();
    ASSERT_EQ(r.charts.size(), 4u);
    EXPECT_TRUE(r.charts[0].bars);
    for (int p = 1; p < 4; ++p) {
        EXPECT_FALSE(r.charts[p].bars);
        for (double v : r.charts[p].values) EXPECT_EQ(v, 0.0);
        for (float v : wellSummaryValueCopies[p]) EXPECT_EQ(v, 0.0f);
    }
    // A station its run marked as not calculated (a water that came to T.D.S.
    // 1.0e+16) has no value in any panel: no bar, "N/A" under its place and
    // in its click box, and no part in the other labels' scale; never a bar
    // of 0 or of the mark.
    Codes({0, 21, 94, 89});
    const BarGraphReport before = Paint();
    Flash48Table& t = wellProfiles.flash48;
    t.results[10][35] = 1.0e16f;
    t.analysis[10][AnalysisElement::kPh] = 7.0f;
    ASSERT_TRUE(MarkPointIfBeyond(t, 10, PointUnits{0, 0}, GivenConditions{}));
    const BarGraphReport marked = Paint();
    ASSERT_EQ(marked.charts.size(), 4u);
    for (int p = 0; p < 4; ++p) {
        SCOPED_TRACE(p);
        const ChartReport& c = marked.charts[p];
        ASSERT_EQ(c.xLabels.size(), 49u);
        const int bar = 48 - 10;
        EXPECT_EQ(c.xLabels[bar], "N/A");
        EXPECT_NE(c.xLabels[bar - 1], "N/A");
        const BarRect& b = wellSummaryBarRects[p * 49 + bar];
        EXPECT_EQ(b.top - b.bottom, 0) << "a bar drawn for the marked station";
        const BarRect& next = wellSummaryBarRects[p * 49 + bar + 1];
        EXPECT_NE(next.top - next.bottom, 0);
        EXPECT_NE(StationValueText(StationHit{p, 10}).caption.find("VALUE N/A"), std::string::npos)
            << StationValueText(StationHit{p, 10}).caption;
    }
    // The other stations' labels are as they were.
    for (int bar = 0; bar < 49; ++bar)
        if (bar != 38) {
            EXPECT_EQ(marked.charts[0].xLabels[bar], before.charts[0].xLabels[bar]);
        }

    // Grey hatching of tiny panels, and a window too small to hold them.
    graphOutputFlags.colorNow = 0;
    graphOutputFlags.hatchPatterns = 1;
    Codes({0, 21, 5, 4, 24, 37, 44, 2, 3, 12});
    EXPECT_EQ(Paint(200, 100).charts.size(), 10u);
    EXPECT_EQ(Paint(3, 3).charts.size(), 10u);
}

TEST_F(WellSummaryGraphTest, AnEmptyListDrawsAndMakesNothing) {
    Codes({});
    const int objects = win::LiveGdiObjectCount();
    EXPECT_TRUE(Paint().charts.empty());
    EXPECT_EQ(result, -1);
    EXPECT_EQ(win::LiveGdiObjectCount(), objects);
    // The panel count is that of the entries not negative, over all ten; the
    // panels are the first entries.
    for (int16_t& c : wellLogSummaryGraphCodes) c = -5;
    wellLogSummaryGraphCodes[9] = 0;
    wellLogSummaryGraphCodes[0] = 21;
    const BarGraphReport r = Paint();
    ASSERT_EQ(r.charts.size(), 2u);
    EXPECT_EQ(r.charts[0].title, "Barite");
}

}  // namespace
}  // namespace graphtest
