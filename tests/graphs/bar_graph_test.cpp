// The bar graph painter: the chart layout on screen and paper, pictures that
// give it nothing or little to draw, the report page's own mode, and the x
// axes the graph window lays.
#include "graphs/twod/bar_graph.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "graphs/twod/axis_setup.h"
#include "graphs/welllog/well_page_graph.h"
#include "platform/text/text_boxes.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

class BarGraphTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        graphOutputFlags.colorNow = graphOutputFlags.displayColor = 1;
        graphProfileKind = 1;
        for (int i = 0; i < 7; ++i) {
            graphAxisData.xValues[i] = 70.0 + 10.0 * i;
            whatIfResults.tempProfile.results[i][0] = 1.0f + 0.5f * static_cast<float>(i);
            whatIfResults.tempProfile.results[i][21] = 0.2f * static_cast<float>(i);
        }
    }
    BarGraphReport Paint(int w, int h) {
        painted = BarGraphReport{};
        PaintInWindow(
            [](win::HDC dc, win::HWND hwnd) { DrawTwoDGraphReported(dc, hwnd, &painted); }, w, h);
        return painted;
    }
    void Codes(std::initializer_list<uint16_t> codes) {
        int s = 0;
        for (uint16_t c : codes) graphIndexCodes[s++] = c;
        for (; s < kChartSlots; ++s) graphIndexCodes[s] = kNoGraphIndex;
    }
    static inline BarGraphReport painted;
    static inline std::vector<win::TextBox> boxes;
    // A summary page's chart block filling the window, and the texts it wrote.
    static void PaintSummaryBlock(win::HDC dc, win::HWND hwnd) {
        win::RECT client{};
        win::GetClientRect(hwnd, &client);
        PrepareReportPageAxis();
        DrawReportGraphReported(dc, hwnd, 0, client.bottom, client.right, 0, &painted);
        boxes = win::TextBoxesOf(hwnd);
    }
    static void PaintWellBlock(win::HDC dc, win::HWND hwnd) {
        win::RECT client{};
        win::GetClientRect(hwnd, &client);
        PrepareWellPageAxis();
        DrawWellLogReportGraph(dc, hwnd, 0, client.bottom, client.right, 0, &painted);
        boxes = win::TextBoxesOf(hwnd);
    }
};

TEST_F(BarGraphTest, LayoutOfOneAndFourCharts) {
    TwoDGraphState s{};
    LayOutBarCharts(800, 600, 0, false, s);
    EXPECT_EQ(s.plotRects[0].left, 128);
    EXPECT_EQ(s.plotRects[0].bottom, 90);
    EXPECT_EQ(s.plotRects[0].right, 720);
    EXPECT_EQ(s.plotRects[0].top, 540);
    EXPECT_EQ(s.frameRects[0].left, 9);
    EXPECT_EQ(s.frameRects[0].bottom, 7);
    EXPECT_EQ(s.frameRects[0].right, 790);
    EXPECT_EQ(s.frameRects[0].top, 592);
    LayOutBarCharts(800, 600, 0, true, s);
    EXPECT_EQ(s.plotRects[3].left, 464);
    EXPECT_EQ(s.plotRects[3].bottom, 345);
    EXPECT_EQ(s.plotRects[3].right, 760);
    EXPECT_EQ(s.plotRects[3].top, 570);
    EXPECT_EQ(s.pictureHeight, 300);
    // Paper: a wide page is narrowed to 4:3 and shifted right; a tall one
    // keeps a 4:3 band.
    const FittedPage wide = FitPrinterPage(6000, 3000);
    EXPECT_EQ(wide.width, 4000);
    EXPECT_EQ(wide.height, 3000);
    EXPECT_EQ(wide.d, 1000);
    const FittedPage tall = FitPrinterPage(4800, 6300);
    EXPECT_EQ(tall.width, 4800);
    EXPECT_EQ(tall.height, 3600);
    EXPECT_EQ(tall.d, 0);
    LayOutBarCharts(wide.width, wide.height, wide.d, false, s);
    EXPECT_EQ(s.frameRects[0].left, 1048);
    EXPECT_LE(s.frameRects[0].top, 3000);  // the shift moves x only: the top stays on the page
}

TEST_F(BarGraphTest, PaintsTheChartsAndLeavesNoObjects) {
    Codes({0, 21, 11, 10});
    const int objects = win::LiveGdiObjectCount();
    const BarGraphReport r = Paint(800, 600);
    ASSERT_EQ(r.charts.size(), 4u);
    EXPECT_EQ(r.charts[0].title, "Calcite Saturation Ratio");
    EXPECT_EQ(r.charts[0].colours[0], 2);
    EXPECT_EQ(r.charts[0].colours[6], 5);
    EXPECT_EQ(twoDGraphState.graphsDrawn, 4);
    EXPECT_EQ(win::LiveGdiObjectCount(), objects);
    // The bars of slot 0 stand on the plot's bottom inside its slot.
    const BarRect& b = twoDGraphState.barRects[0][6];
    EXPECT_EQ(b.bottom, twoDGraphState.plotRects[0].bottom + 1);
    EXPECT_GT(b.top, b.bottom);
    EXPECT_FLOAT_EQ(twoDGraphState.barValues[0][6], 4.0f);
    EXPECT_FLOAT_EQ(twoDGraphState.pointTemperatures[0][6], 130.0f);
}

// A graph of the temperature profile and the summary page's block read the
// same - titles, captions and colours - whether or not the mixing ratios were
// computed before them, under Ratio and under Index: the mineral, the
// Larson-Skold index, a precipitation potential and the LSI. Only the graph
// versus the mixing ratio takes the mixing wording, done flag or not.
TEST_F(BarGraphTest, OnlyTheMixingGraphTakesTheMixingRules) {
    const float precipitation[7] = {0.03f, 0.07f, 0.15f, 0.5f, 1.5f, 3.0f, -1.0f};
    for (int i = 0; i < 12; ++i) {
        wellProfiles.wellLog.temperature[i] = 30.0f + static_cast<float>(i);
        wellProfiles.wellLog.results[i][0] = 1.1f + 0.3f * static_cast<float>(i);
        wellProfiles.wellLog.results[i][18] = 0.1f * static_cast<float>(i);
        wellProfiles.wellLog.results[i][60] = precipitation[i % 7];
    }
    for (int i = 0; i < 7; ++i) {
        whatIfResults.tempProfile.results[i][18] = 0.1f * static_cast<float>(i);
        whatIfResults.tempProfile.results[i][60] = precipitation[i];
    }
    const uint16_t codes[4] = {0, 18, 60, 10};
    Codes({codes[0], codes[1], codes[2], codes[3]});
    for (int i = 0; i < 4; ++i) displaySettings.graphParams[i] = codes[i];
    const auto shown = [](const BarGraphReport& r) {
        std::string s;
        for (const ChartReport& c : r.charts) {
            s += c.title + " | " + c.caption + " |";
            for (int colour : c.colours) s += " " + std::to_string(colour);
            s += "\n";
        }
        return s;
    };
    for (uint32_t format : {0u, 1u}) {
        displaySettings.indexFormat = format;
        for (bool page : {false, true}) {
            std::string charts[2];
            for (uint16_t done : {0, 1}) {
                resultStatus.mixProfileDone = done;
                painted = BarGraphReport{};
                if (page)
                    PaintInWindow(PaintSummaryBlock, 800, 400);
                else
                    PaintInWindow([](win::HDC dc, win::HWND hwnd) {
                        DrawTwoDGraphReported(dc, hwnd, &painted);
                    }, 800, 600);
                charts[done] = shown(painted);
            }
            ASSERT_FALSE(charts[0].empty());
            EXPECT_EQ(charts[1], charts[0]) << (page ? "page" : "window") << " format " << format;
        }
    }
    graphProfileKind = 3;
    graphAxisData.pointCount = 7;
    resultStatus.mixProfileDone = 0;
    EXPECT_EQ(Paint(800, 600).charts[0].title, "Calcite Saturation Level");
}

// The pCO2 points from 0.0034 to 1 atm: the axis scale's one decimal reads
// the first as 0.0, so it gets the digits that tell it from 0; the labels of
// points that read apart keep the scale's form.
TEST_F(BarGraphTest, PointLabelsReadApartFromZeroAndEachOther) {
    Codes({0});
    const double pco2[7] = {0.0034, 0.17, 0.34, 0.5, 0.67, 0.83, 1.0};
    for (int i = 0; i < 7; ++i) graphAxisData.xValues[i] = pco2[i];
    const BarGraphReport r = Paint(800, 600);
    ASSERT_EQ(r.charts.size(), 1u);
    const std::vector<std::string> expected = {"0.003", "0.2", "0.3", "0.5", "0.7", "0.8", "1.0"};
    EXPECT_EQ(r.charts[0].xLabels, expected);
}

TEST_F(BarGraphTest, LittleToDrawNeitherCrashesNorHangs) {
    // No code: the background only.
    Codes({});
    EXPECT_TRUE(Paint(800, 600).charts.empty());
    EXPECT_EQ(twoDGraphState.graphsDrawn, 0);
    // Two codes: the four-cell layout with two charts.
    Codes({0, 21});
    EXPECT_EQ(Paint(800, 600).charts.size(), 2u);
    // A tiny window and a mixing axis of no points.
    Codes({0});
    EXPECT_EQ(Paint(20, 20).charts.size(), 1u);
    graphProfileKind = 3;
    graphAxisData.pointCount = 0;
    const BarGraphReport none = Paint(800, 600);
    ASSERT_EQ(none.charts.size(), 1u);
    EXPECT_FALSE(none.charts[0].bars);
    EXPECT_TRUE(none.charts[0].xLabels.empty());
    graphAxisData.pointCount = 40;  // held to seven
    EXPECT_EQ(Paint(800, 600).charts[0].values.size(), 7u);
    // Narrow bars under grey hatching: the hatch lines stay a pixel apart.
    graphProfileKind = 1;
    graphOutputFlags.colorNow = 0;
    graphOutputFlags.hatchPatterns = 1;
    EXPECT_EQ(Paint(30, 400).charts.size(), 1u);
}

TEST_F(BarGraphTest, ZeroRatioFlagsOnlyItsOwnChart) {
    displaySettings.indexFormat = 1;
    whatIfResults.tempProfile.results[0][21] = 0.0f;  // barite ratio 0 at point 0
    Codes({21, 0});
    const BarGraphReport r = Paint(800, 600);
    ASSERT_EQ(r.charts.size(), 2u);
    EXPECT_TRUE(r.charts[0].message);
    EXPECT_FALSE(r.charts[0].bars);
    EXPECT_FALSE(r.charts[1].message);
    EXPECT_TRUE(r.charts[1].bars);
}

TEST_F(BarGraphTest, ScaleSuffixJoinsTheCaptionOnce) {
    for (int i = 0; i < 7; ++i) whatIfResults.tempProfile.results[i][60] = 20000.0f * (i + 1);
    Codes({60});
    const BarGraphReport r = Paint(800, 600);
    ASSERT_EQ(r.charts.size(), 1u);
    EXPECT_EQ(r.charts[0].caption, "mg/l above Equil. (K)");
    EXPECT_EQ(r.charts[0].yLabels.back(), "140");
}

TEST_F(BarGraphTest, ReportPageKeepsTheMappingAndTheGraphKind) {
    graphProfileKind = 1;
    for (int i = 0; i < 4; ++i) displaySettings.graphParams[i] = i == 0 ? 21 : 0;
    displaySettings.indexFormat = 1;
    for (int i = 0; i < 12; ++i) {
        wellProfiles.wellLog.temperature[i] = 30.0f + i;
        wellProfiles.wellLog.results[i][0] = 2.0f;
    }
    wellProfiles.wellLog.results[3][21] = 0.0f;  // barite 0 everywhere
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::HBITMAP bitmap = win::CreateCompatibleBitmap(dc, 800, 700);
    win::SelectObject(dc, bitmap);
    win::SetMapMode(dc, win::MM_TEXT);
    win::SetWindowOrgEx(dc, 3, 4, nullptr);
    BarGraphReport r;
    PrepareReportPageAxis();
    DrawReportGraphReported(dc, nullptr, 10, 700, 790, 200, &r);
    EXPECT_EQ(win::GetMapMode(dc), win::MM_TEXT);
    win::POINT origin{};
    win::GetWindowOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 3);
    EXPECT_EQ(origin.y, 4);
    EXPECT_EQ(graphProfileKind, 1u);
    ASSERT_EQ(r.charts.size(), 4u);
    EXPECT_TRUE(r.charts[0].message);
    EXPECT_FALSE(r.charts[1].message);
    EXPECT_EQ(r.charts[1].xLabels.size(), 12u);
    EXPECT_EQ(r.charts[1].xLabels[0], "30.0");
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kX],
                 "Temperature \xB0"
                 "F");
    win::DeleteDC(dc);
    win::DeleteObject(bitmap);
}

// The summary pages' chart blocks on the screen, as low as a 1024 x 768
// desktop leaves them, as a 1280 x 1024 one and a larger one: every title, caption, tick
// and point label stands 7 pixels high or more (its tallest glyph across its
// line), and none overlaps another or runs out of the window.
TEST_F(BarGraphTest, SummaryBlockTextsReadAtEveryBlockSize) {
    Flash11Table& f = wellProfiles.flash11;
    for (int i = 0; i < 12; ++i) {
        wellProfiles.wellLog.temperature[i] = 130.0f + 13.6f * static_cast<float>(i);
        f.depth[i] = i < 2 ? 0.0f : 50.0f * static_cast<float>(i - 1);
        for (float* r : {wellProfiles.wellLog.results[i], f.results[i]}) {
            r[0] = 0.16f + 0.025f * static_cast<float>(i);
            r[4] = 0.05f + 0.15f * static_cast<float>(i * i) / 8.0f;
            r[5] = 0.2f + 0.01f * static_cast<float>(i);
            r[21] = 0.11f / static_cast<float>(i + 1);  // scaled: "(E-01)"
        }
    }
    const uint16_t codes[4] = {4, 5, 0, 21};
    std::copy(codes, codes + 4, displaySettings.graphParams);
    struct Block {
        int width, height;
    };
    for (const bool wellPage : {false, true}) {
        for (const Block b : {Block{720, 157}, Block{720, 140}, Block{900, 330}, Block{1100, 420}}) {
          for (const bool zeroRatio : {false, true}) {
            SCOPED_TRACE((wellPage ? "well-log page " : "one-page summary ") +
                         std::to_string(b.width) + "x" + std::to_string(b.height) +
                         (zeroRatio ? ", barite's ratio 0 under the log index" : ""));
            displaySettings.indexFormat = zeroRatio ? 1 : 0;
            for (int i = 0; i < 12; ++i)
                wellProfiles.wellLog.results[i][21] = f.results[i][21] =
                    zeroRatio ? 0.0f : 0.11f / static_cast<float>(i + 1);
            win::RecordTextBoxes(true);
            boxes.clear();
            painted = BarGraphReport{};
            PaintInWindow(wellPage ? PaintWellBlock : PaintSummaryBlock, b.width, b.height);
            win::RecordTextBoxes(false);
            ASSERT_EQ(painted.charts.size(), 4u);
            for (const ChartReport& c : painted.charts) {
                EXPECT_NE(c.bars, c.message) << c.title;
                EXPECT_EQ(c.message, zeroRatio && c.title.rfind("Barite", 0) == 0) << c.title;
                EXPECT_GE(c.xLabels.size(), 4u) << c.title;
                // A chart with no graph shows its notice in place of numbers.
                EXPECT_GE(c.yLabels.size(), c.message ? 0u : 2u) << c.title;
                if (c.message) {
                    EXPECT_TRUE(c.yLabels.empty()) << c.title;
                }
                const auto shown = std::find_if(boxes.begin(), boxes.end(), [&](const win::TextBox& t) {
                    return t.text == c.title;
                });
                EXPECT_NE(shown, boxes.end()) << c.title;
            }
            for (const std::string& finding :
                 win::TextBoxFindings(boxes, win::RECT{0, 0, b.width, b.height}, true))
                ADD_FAILURE() << finding;
            for (const win::TextBox& t : boxes) {
                if (t.glyphs.size() < 2 || t.text.find_first_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos)
                    continue;
                const bool across = t.glyphs.back().left - t.glyphs.front().left >
                                    std::abs(t.glyphs.back().top - t.glyphs.front().top);
                long high = 0;
                for (const win::RECT& g : t.glyphs)
                    high = std::max(high, static_cast<long>(across ? g.bottom - g.top : g.right - g.left));
                EXPECT_GE(high, 7) << "\"" << t.text << "\"";
            }
          }
        }
    }
}

TEST_F(BarGraphTest, WindowAxesByKind) {
    whatIfSettings.temperatureLow = 70.0f;
    whatIfSettings.temperatureHigh = 130.1f;
    // The temperature profile runs at the water's own pH unless the evaluation
    // pH is forced (and the input pH not chosen); the subtitle names that pH.
    whatIfSettings.phEval = 6.5f;
    surfaceWater.values[0] = 8.1f;
    LayTwoDGraphAxis(1, false);
    const float step = (130.1f - 70.0f) / 6.0f;
    EXPECT_EQ(graphAxisData.pointCount, 7);
    EXPECT_DOUBLE_EQ(graphAxisData.xStep, step);
    EXPECT_DOUBLE_EQ(graphAxisData.xValues[1], 70.0 + step);
    EXPECT_DOUBLE_EQ(graphAxisData.xValues[6], static_cast<double>(130.1f));
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kXSubtitle], "at pH    8.10");
    whatIfOptions.forcePhToEvalForPressure = 1;
    LayTwoDGraphAxis(1, false);
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kXSubtitle], "at pH    6.50");
    whatIfOptions.useInputPh = 1;
    LayTwoDGraphAxis(1, false);
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kXSubtitle], "at pH    8.10");
    whatIfOptions = WhatIfOptions{};
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kX],
                 "Temperature \xB0"
                 "F");

    resultStatus.mixProfileDone = 1;
    const float percents[7] = {0.0f, 10.0f, 20.0f, 0.00005f, 40.0f, 50.0f, 60.0f};
    std::memcpy(mixPercent, percents, sizeof percents);
    LayTwoDGraphAxis(3, false);
    EXPECT_EQ(graphAxisData.pointCount, 3);  // a first 0 is kept; below 0.0001 ends it
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kX], "% Injection");

    for (int k = 0; k < 12; ++k) wellProfiles.flash11.depth[k] = k == 0 ? 0.0f : 1000.0f * k;
    LayTwoDGraphAxis(6, false);
    EXPECT_EQ(graphAxisData.pointCount, 12);
    EXPECT_DOUBLE_EQ(graphAxisData.xValues[0], graphAxisData.xValues[1]);
    EXPECT_DOUBLE_EQ(graphAxisData.xValues[11], 11000.0);
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kX], "Depth");

    unitCodes.code[22] = 2;
    LayTwoDGraphAxis(4, false);
    EXPECT_STREQ(graphAxisData.axisTitles[AxisTitle::kX], "Pressure(p.s.i.)");
    EXPECT_EQ(twoDGraphState.pointFlags[0], 1);
}

}  // namespace
}  // namespace graphtest
