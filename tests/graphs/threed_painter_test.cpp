// The 3D graph painter: its colour tables, printer picture, value axis, the
// band of each cell, the bars and patches it draws and the outlines it leaves.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>

#include "common/unit_codes.h"
#include "graphs/threed/draw_3d_graph.h"
#include "graphs/threed/threed_geometry.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/threed/threed_paint.h"
#include "graphs/threed/threed_text.h"
#include "platform/drivers/script.h"
#include "platform/files/file_io.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/surface.h"
#include "platform/text/text_boxes.h"
#include "platform/window/window.h"
#include "reporttext/format/axis_number.h"
#include "scenarios/frame/point_marks.h"
#include "scenarios/mixing/mixing_records.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

win::COLORREF Grey(int level) {
    return win::RGB(level, level, level);
}

class ThreeDPainterTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        ResetThreeDGraphRecords();
        graphChoice.count = 1;
        graphChoice.codes[0] = 0;
        whatIfResults.grid.gridKind = GridKind::kPhTemperature;
        whatIfSettings.phLow = 5.6f;
        whatIfSettings.phHigh = 8.0f;
        whatIfSettings.temperatureLow = 70.0f;
        whatIfSettings.temperatureHigh = 130.0f;
        graphOutputFlags.colorNow = 1;
    }
    void SetCode(int16_t code) { graphChoice.codes[0] = code; }
    void Flat(float v) {
        for (int cell = 0; cell < kGridCells; ++cell) {
            for (float& x : whatIfResults.grid.results[cell]) x = v;
            for (float& x : whatIfResults.grid.corrosion[cell]) x = v;
            whatIfResults.grid.dose[cell] = v;
        }
    }
    void MakeWindow(int width, int height) {
        win::WNDCLASS wc{};
        wc.lpfnWndProc = win::DefWindowProc;
        wc.lpszClassName = "ThreeDTestWindow";
        (void)win::RegisterClass(&wc);
        window = win::CreateWindow("ThreeDTestWindow", "", win::WS_POPUP | win::WS_VISIBLE, 0, 0,
                                   width, height, nullptr, nullptr, nullptr, nullptr);
    }
    // Paints into a headless window of the given client size.
    void Paint(int width = 640, int height = 480) {
        MakeWindow(width, height);
        ASSERT_NE(window, nullptr);
        win::HDC dc = win::GetDC(window);
        Draw3DGraph(dc, window);
        win::ReleaseDC(window, dc);
    }
    bool OutlineEmpty(int cell) const {
        for (int i = 0; i < kOutlinePoints; ++i)
            if (cellOutline[cell].x[i] != 0 || cellOutline[cell].y[i] != 0) return false;
        return true;
    }
    win::HWND window = nullptr;
};

TEST_F(ThreeDPainterTest, ColourTables) {
    ChooseThreeDColours(1, RenderTarget::kPrinter);
    EXPECT_EQ(graphColorTable[1], win::RGB(0, 0, 162));
    EXPECT_EQ(graphColorTable[5], win::RGB(162, 0, 162));
    EXPECT_EQ(graphColorTable[6], win::RGB(203, 203, 0));
    EXPECT_EQ(graphColorTable[7], Grey(226));
    EXPECT_EQ(graphColorTable[8], Grey(117));
    EXPECT_EQ(graphColorTable[11], win::RGB(0, 255, 255));
    ChooseThreeDColours(0, RenderTarget::kPrinter);
    EXPECT_EQ(graphColorTable[9], Grey(244));
    EXPECT_EQ(graphColorTable[10], Grey(244));
    EXPECT_EQ(graphColorTable[11], Grey(235));
    EXPECT_EQ(graphColorTable[15], Grey(255));
    // colorNow -1 keeps the last table, whatever the target.
    ChooseThreeDColours(-1, RenderTarget::kScreen);
    EXPECT_EQ(graphColorTable[11], Grey(235));
    ChooseThreeDColours(0, RenderTarget::kBitmap);
    EXPECT_EQ(graphColorTable[10], Grey(200));
    EXPECT_EQ(graphColorTable[11], Grey(240));
    ChooseThreeDColours(1, 7);  // an unknown target prints
    EXPECT_EQ(graphColorTable[1], win::RGB(0, 0, 162));
    ChooseThreeDColours(1, RenderTarget::kScreen);
    EXPECT_EQ(graphColorTable[1], win::RGB(0, 0, 165));
    EXPECT_EQ(graphBackgroundColor, 0u);
}

TEST_F(ThreeDPainterTest, PrinterPictureIsTheLargestFourByThreeArea) {
    int32_t w = 0, h = 0;
    ThreeDPrinterPicture(4800, 6300, w, h);
    EXPECT_EQ(w, 4800);
    EXPECT_EQ(h, 3600);
    ThreeDPrinterPicture(6600, 4800, w, h);
    EXPECT_EQ(w, 6400);
    EXPECT_EQ(h, 4800);
    ThreeDPrinterPicture(6400, 4800, w, h);  // exactly 4:3: used whole
    EXPECT_EQ(w, 6400);
    EXPECT_EQ(h, 4800);
}

TEST_F(ThreeDPainterTest, BoxCornersAndSizes) {
    ThreeDBox b = MakeThreeDBox(0, 480);
    EXPECT_EQ(ToPoint(b.A()).x, 172);
    EXPECT_EQ(ToPoint(b.A()).y, 53);
    EXPECT_EQ(ToPoint(b.B()).x, -172);
    EXPECT_EQ(ToPoint(b.C()).y, 130);
    const win::POINT top = ToPoint(b.Raise(b.O(), b.height));
    EXPECT_EQ(top.x, 0);
    EXPECT_EQ(top.y, -178);
    b = MakeThreeDBox(0, 200);
    EXPECT_EQ(b.edge, 153.0);
    EXPECT_EQ(b.height, -144.0);
    EXPECT_EQ(ToPoint(b.A()).x, 159);
    EXPECT_EQ(MakeThreeDBox(2, 201).edge, 188.0);
    EXPECT_EQ(MakeThreeDBox(2, 150).edge, 175.0);
    EXPECT_EQ(ToPoint(MakeThreeDBox(2, 480).A()).x, 171);
}

TEST_F(ThreeDPainterTest, FlatValueAxes) {
    struct Case {
        double value;
        int code;
        bool undefined;
        double low, high;
    } cases[] = {
        {2.5, 0, false, 1.25, 3.75}, {-4.0, 0, false, -6.0, -2.0},   {0.0, 0, false, 0.0, 1.0},
        {0.0, 6, false, -1.0, 1.0},  {-14.0, 0, false, -14.0, 14.0}, {5.0, 0, true, 0.0, 1.0},
    };
    for (const Case& c : cases) {
        const ValueAxis a = MakeValueAxis(c.value, c.value, c.code, c.undefined);
        EXPECT_DOUBLE_EQ(a.low, c.low) << c.value;
        EXPECT_DOUBLE_EQ(a.high, c.high) << c.value;
        EXPECT_EQ(a.intervals, 2);
    }
    Flat(2.5f);
    Paint();
    EXPECT_DOUBLE_EQ(valueAxisLow, 1.25);
    EXPECT_DOUBLE_EQ(valueAxisHigh, 3.75);
    EXPECT_DOUBLE_EQ(valueAxisStep, 1.25);
    EXPECT_FALSE(OutlineEmpty(0));
}

TEST_F(ThreeDPainterTest, UndefinedLogRangeDrawsNoCell) {
    displaySettings.indexFormat = 1;  // calcite all zero: no logarithm
    Paint();
    EXPECT_EQ(logRangeUndefined, 1);
    EXPECT_DOUBLE_EQ(valueAxisLow, 0.0);
    EXPECT_DOUBLE_EQ(valueAxisHigh, 1.0);
    for (int cell = 0; cell < kThreeDCells; ++cell) EXPECT_TRUE(OutlineEmpty(cell)) << cell;
    for (double v : gridValues) EXPECT_EQ(v, 0.0);
}

TEST_F(ThreeDPainterTest, BandsAtTheThresholds) {
    ThreeDPaint p;
    p.code = 0;
    p.bandDirection = 1;
    const double rising[4] = {1.0, 1.2, 2.0, 5.0};
    std::copy(rising, rising + 4, p.thresholds);
    CellBand b{};
    uint16_t status = 9;
    const struct {
        double v;
        int band, colour;
    } up[] = {{0.99, 1, 1}, {1.0, 2, 2}, {1.2, 3, 6}, {2.0, 4, 5}, {5.0, 5, 4}};
    for (const auto& c : up) {
        ASSERT_TRUE(ChooseCellBand(p, c.v, status, b));
        EXPECT_EQ(b.band, c.band) << c.v;
        EXPECT_EQ(b.colour, c.colour) << c.v;
    }
    p.code = 11;
    p.bandDirection = 0;
    const double falling[4] = {7.0, 6.0, 5.0, 4.0};
    std::copy(falling, falling + 4, p.thresholds);
    for (auto [v, band] : {std::pair{7.01, 1}, {7.0, 2}, {6.5, 2}, {6.0, 3}, {4.0, 5}, {3.9, 5}}) {
        ASSERT_TRUE(ChooseCellBand(p, v, status, b));
        EXPECT_EQ(b.band, band) << v;
    }
    EXPECT_EQ(status, 9);  // the value rules leave the status alone
    EXPECT_FALSE(ChooseCellBand(p, std::nan(""), status, b));
    // Treated colour coding: status 0 is band 1 and status 1 band 3 whatever the value.
    graphOutputFlags.treatedColorCoding = 1;
    treatedIndex = 1;
    status = 0;
    ASSERT_TRUE(ChooseCellBand(p, 3.0, status, b));
    EXPECT_EQ(b.band, 1);
    status = 1;
    ASSERT_TRUE(ChooseCellBand(p, 3.0, status, b));
    EXPECT_EQ(b.band, 3);
    status = 2;
    ASSERT_TRUE(ChooseCellBand(p, 3.0, status, b));
    EXPECT_EQ(b.band, 5);
}

TEST_F(ThreeDPainterTest, CorrosionAndDosageBands) {
    ThreeDPaint p;
    p.code = 94;
    CellBand b{};
    uint16_t status = 7;
    ASSERT_TRUE(ChooseCellBand(p, 5.0, status, b));
    EXPECT_EQ(b.band, 3);
    EXPECT_EQ(b.colour, 6);
    EXPECT_EQ(status, 1);
    ASSERT_TRUE(ChooseCellBand(p, 10.0, status, b));
    EXPECT_EQ(b.band, 5);
    EXPECT_EQ(status, 2);
    ASSERT_TRUE(ChooseCellBand(p, 0.5, status, b));
    EXPECT_EQ(status, 0);
    unitCodes.code[UnitItem::kCorrosionRate] = 1;
    ASSERT_TRUE(ChooseCellBand(p, 0.127, status, b));
    EXPECT_EQ(b.band, 3);
    EXPECT_EQ(status, 1);
    p.code = 89;
    const struct {
        uint16_t status;
        int band, colour;
    } dose[] = {{0, 1, 1}, {1, 2, 6}, {2, 5, 4}, {3, 4, 5}, {9, 5, 5}};
    for (const auto& d : dose) {
        status = d.status;
        ASSERT_TRUE(ChooseCellBand(p, 100.0, status, b));
        EXPECT_EQ(b.band, d.band) << d.status;
        EXPECT_EQ(b.colour, d.colour) << d.status;
    }
}

TEST_F(ThreeDPainterTest, TreatedFlagOnlyForACoveredIndexWithAProduct) {
    Flat(2.5f);
    productTable.componentCount = 1;
    productTable.records[0].treatedIndex = 21;
    SetCode(21);
    Paint();
    EXPECT_EQ(treatedIndex, 0);  // no product selected
    resultStatus.productSelected = 1;
    Paint();
    EXPECT_NE(treatedIndex, 0);
    SetCode(0);  // calcite: not what the product treats
    Paint();
    EXPECT_EQ(treatedIndex, 0);
}

TEST_F(ThreeDPainterTest, ZeroLineOnlyBetweenANegativeLowAndAPositiveTop) {
    // The zero line in colour 8 crosses the front edge C-A a pixel above the
    // black line at height 0; a picture 640 x 480 maps logical x, y to x + 320, y + 240.
    const auto zeroLineShown = [&]() {
        const ThreeDBox box = MakeThreeDBox(0, 480);
        const double tz = std::fabs(valueAxisLow / (valueAxisHigh - valueAxisLow));
        const Point2 a = box.A(), c = box.C();
        const win::POINT mid =
            ToPoint(box.Raise(Point2{(a.x + c.x) / 2, (a.y + c.y) / 2}, tz * box.height));
        const win::Image32 shown = win::ReadWindowPixels(window);
        for (int dy = -3; dy <= 3; ++dy)
            if (shown.At(mid.x + 320, mid.y + 240 + dy) ==
                win::PixelFromColorRef(graphColorTable[8]))
                return true;
        return false;
    };
    for (int cell = 0; cell < kGridCells; ++cell)
        whatIfResults.grid.results[cell][10] = static_cast<float>(cell / 7) * 0.66f - 1.0f;
    SetCode(10);
    whiteBackground = 0;
    Paint();
    ASSERT_LT(valueAxisLow, 0.0);
    EXPECT_TRUE(zeroLineShown());
    win::DestroyWindow(window);
    // Nothing above 0: no zero line.
    for (int cell = 0; cell < kGridCells; ++cell)
        whatIfResults.grid.results[cell][10] = -1.0f - cell;
    Paint();
    ASSERT_LT(valueAxisLow, 0.0);
    EXPECT_FALSE(zeroLineShown());
}

TEST_F(ThreeDPainterTest, ABarAtTheAxisLowEndLiesOnTheFloor) {
    for (int cell = 0; cell < kGridCells; ++cell)
        whatIfResults.grid.results[cell][0] = 1.0f + static_cast<float>(cell);
    gridOrientationSet = 1;
    rowOrderNatural = columnOrderNatural = 1;
    Paint();
    ASSERT_DOUBLE_EQ(valueAxisLow, 0.0);
    ASSERT_DOUBLE_EQ(valueAxisHigh, 50.0);
    // Cell 0 at 1.0 stands 1/50 of the wall high; the highest touches the top.
    const CellOutline& low = cellOutline[0];
    const ThreeDBox box = MakeThreeDBox(0, 480);
    EXPECT_EQ(low.y[0], ToPoint(box.Project(0.0, 0.0, 1.0 / 50.0)).y);
    EXPECT_EQ(cellOutline[48].y[0], ToPoint(box.Project(6.0 / 6.0, 1.0, 49.0 / 50.0)).y);
}

TEST_F(ThreeDPainterTest, OutlinesRunRoundTheTopFace) {
    Flat(2.5f);
    gridOrientationSet = 1;
    rowOrderNatural = columnOrderNatural = 1;
    Paint();
    const ThreeDBox box = MakeThreeDBox(0, 480);
    const double w = 1.0 / 7.0;
    const CellOutline& o = cellOutline[8];  // row 1, column 1
    const double p = 1.0 / 6.0, q = 1.0 / 6.0;
    const win::POINT expect[5] = {
        ToPoint(box.Project(p, q, 0.5)),         ToPoint(box.Project(p + w, q, 0.5)),
        ToPoint(box.Project(p + w, q + w, 0.5)), ToPoint(box.Project(p, q + w, 0.5)),
        ToPoint(box.Project(p, q, 0.5)),
    };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(o.x[i], expect[i].x) << i;
        EXPECT_EQ(o.y[i], expect[i].y) << i;
    }
    // The contour patch of the same place: (r+1, c), (r, c), (r, c+1), (r+1, c+1).
    displaySettings.threeDPlotStyle = 2;
    Paint();
    const ThreeDBox flatBox = MakeThreeDBox(2, 480);
    const CellOutline& patch = cellOutline[8];
    EXPECT_EQ(patch.x[0], ToPoint(flatBox.Project(2.0 / 6.0, 1.0 / 6.0, 0.5)).x);
    EXPECT_EQ(patch.x[2], ToPoint(flatBox.Project(1.0 / 6.0, 2.0 / 6.0, 0.5)).x);
    EXPECT_EQ(patch.x[4], patch.x[0]);
    EXPECT_TRUE(OutlineEmpty(6));  // the last column has no patch
}

// A cell with no number, and a cell its grid run marked as not calculated
// (a water that came to T.D.S. 1.0e+16), are left out of bars and patches
// alike, take no part in the value axis (which stays that of the flat 2.5 of
// the others) and are written "N/A" in the data file, never drawn or written
// as 0 or as the mark itself.
TEST_F(ThreeDPainterTest, CellsWithoutAValueAreLeftOutAndWrittenNA) {
    struct Case {
        const char* name;
        bool marked;
        int16_t code;
    } cases[] = {{"no number", false, 0},
                 {"marked calcite", true, 0},
                 {"marked dose", true, 89},
                 {"marked rate", true, 94},
                 {"marked log calcite", true, 1}};
    char folder[] = "/tmp/tarvex-threed-na-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    win::SetPathRoot(folder);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetThreeDGraphRecords();
        Flat(2.5f);
        const int16_t code = c.code == 1 ? 0 : c.code;  // 1: calcite as a log index
        SetCode(code);
        displaySettings.indexFormat = c.code == 1 ? 1 : 0;
        GridTable& g = whatIfResults.grid;
        if (c.marked) {
            g.results[0][35] = 1.0e16f;
            g.analysis[0][AnalysisElement::kPh] = 6.0f;
            ASSERT_TRUE(MarkGridCellIfBeyond(g, 0, 0.0f, PointUnits{0, 0}, GivenConditions{}));
        } else {
            g.results[0][0] = std::numeric_limits<float>::quiet_NaN();
        }
        gridOrientationSet = 1;
        rowOrderNatural = columnOrderNatural = 1;
        for (uint16_t style : {0, 2}) {
            displaySettings.threeDPlotStyle = style;
            exportDataAfterPaint = style == 0 ? 1 : 0;
            if (style == 0) {
                std::remove((std::string(folder) + "/grid.dat").c_str());
                win::AnswerFileDialog("\\grid.dat");
            }
            Paint();
            EXPECT_TRUE(OutlineEmpty(0)) << "style " << style;
            EXPECT_FALSE(OutlineEmpty(1)) << "style " << style;
            const double flat = c.code == 1 ? std::log10(2.5) : 2.5;
            EXPECT_DOUBLE_EQ(valueAxisLow, MakeValueAxis(flat, flat, code, false).low);
            EXPECT_DOUBLE_EQ(valueAxisHigh, MakeValueAxis(flat, flat, code, false).high);
        }
        std::stringstream text;
        text << std::ifstream(std::string(folder) + "/grid.dat").rdbuf();
        const std::string s = text.str();
        const std::string v = c.code == 1 ? "0.397940" : "2.500000";
        EXPECT_NE(s.find("\n5.600000,N/A," + v + "," + v), std::string::npos) << s;
        EXPECT_EQ(s.find(",0.000000"), std::string::npos) << s;
        EXPECT_EQ(s.find("nan"), std::string::npos) << s;
    }
    displaySettings.indexFormat = 0;
    ASSERT_EQ(std::system(("rm -rf '" + std::string(folder) + "'").c_str()), 0);
}

TEST_F(ThreeDPainterTest, EmptyPictureAndEqualAxisEnds) {
    Flat(2.5f);
    Paint(0, 300);  // a minimised window: nothing painted, nothing divided by 0
    EXPECT_EQ(graphWidth, 0);
    EXPECT_TRUE(OutlineEmpty(0));
    float equal[7] = {7, 7, 7, 7, 7, 7, 7};
    double places[7];
    GridPlaces(equal, places);
    for (int i = 0; i < 7; ++i) EXPECT_DOUBLE_EQ(places[i], i / 6.0);
    float uneven[7] = {0, 1, 2, 3, 4, 5, 12};
    GridPlaces(uneven, places);
    EXPECT_DOUBLE_EQ(places[1], 1.0 / 12.0);
    EXPECT_DOUBLE_EQ(places[6], 1.0);
}

// The background covers the whole client area, its last column and row too,
// on the white and the dark background: nothing of an earlier picture stays.
TEST_F(ThreeDPainterTest, BackgroundCoversEveryPixel) {
    Flat(2.5f);
    for (int16_t white : {1, 0}) {
        whiteBackground = white;
        MakeWindow(1024, 700);
        ASSERT_NE(window, nullptr);
        win::HDC dc = win::GetDC(window);
        win::RECT client{};
        win::GetClientRect(window, &client);
        win::HBRUSH marker = win::CreateSolidBrush(win::RGB(1, 2, 3));
        win::FillRect(dc, &client, marker);
        win::DeleteObject(marker);
        Draw3DGraph(dc, window);
        win::ReleaseDC(window, dc);
        const win::Image32 picture = win::ReadWindowPixels(window);
        ASSERT_EQ(picture.width, client.right);
        int stale = 0;
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x)
                stale += picture.At(x, y) == win::PixelFromColorRef(win::RGB(1, 2, 3)) ? 1 : 0;
        EXPECT_EQ(stale, 0) << "white background " << white;
        win::DestroyWindow(window);
    }
}

// Every text of the picture stands clear of the others and inside the
// picture, on the screen sizes the program meets: a mixing grid's long title
// beside its subtitle, the notice of an undefined logarithm over the axis
// numbers, the floor numbers of a crowded pH axis and of temperatures of two
// and three figures ("70" and "80", "100" and "117"), whose digits also keep
// more than a pixel apart.
TEST_F(ThreeDPainterTest, TextsStandApartInsideThePicture) {
    struct Case {
        const char* name;
        bool mixing;
        uint16_t index;  // indexFormat
        int16_t code;
        float value;
        float low = 0.0f, high = 0.0f;  // the temperatures, when set
    };
    const Case cases[] = {
        {"mixing grid, calcium phosphate", true, 0, 3, 0.5f},
        {"undefined logarithm", false, 1, 3, 0.0f},
        {"calcite", false, 0, 0, 2.5f},
        {"calcite, 40 to 100 F", false, 0, 0, 2.5f, 40.0f, 100.0f},
        {"calcite, 50 to 150 F", false, 0, 0, 2.5f, 50.0f, 150.0f},
        {"calcite, 100 to 200 F", false, 0, 0, 2.5f, 100.0f, 200.0f},
    };
    const auto number = [](const std::string& t) {
        return !t.empty() && t.find_first_not_of("0123456789.- ") == std::string::npos;
    };
    for (const Case& c : cases) {
        for (const auto& size : {std::pair{1024, 719}, std::pair{1008, 646}, std::pair{1280, 976}}) {
            ResetThreeDGraphRecords();
            if (c.high > c.low) {
                whatIfSettings.temperatureLow = c.low;
                whatIfSettings.temperatureHigh = c.high;
            }
            SetCode(c.code);
            Flat(c.value);
            displaySettings.indexFormat = c.index;
            gridSource = c.mixing ? GridSource::kMixing : GridSource::kSingleWater;
            whatIfResults.grid.gridKind = c.mixing ? static_cast<int>(MixGridKind::kPhByTemperature)
                                                   : static_cast<int>(GridKind::kPhTemperature);
            mixGridTables.gridMixPercent[0] = 16.6666f;
            win::RecordTextBoxes(true);
            Paint(size.first, size.second);
            win::RECT client{};
            win::GetClientRect(window, &client);
            const std::vector<win::TextBox> boxes = win::TextBoxesOf(window);
            const auto findings = win::TextBoxFindings(boxes, client, true);
            win::RecordTextBoxes(false);
            for (const std::string& f : findings)
                ADD_FAILURE() << c.name << " at " << size.first << "x" << size.second << ": " << f;
            for (size_t i = 0; i < boxes.size(); ++i)
                for (size_t j = i + 1; j < boxes.size(); ++j) {
                    if (!number(boxes[i].text) || !number(boxes[j].text)) continue;
                    for (const win::RECT& g : boxes[i].glyphs)
                        for (const win::RECT& h : boxes[j].glyphs) {
                            const long across = std::max(g.left, h.left) - std::min(g.right, h.right);
                            const long down = std::min(g.bottom, h.bottom) - std::max(g.top, h.top);
                            EXPECT_FALSE(across <= 1 && down > 1)
                                << c.name << " at " << size.first << "x" << size.second << ": \""
                                << boxes[i].text << "\" touches \"" << boxes[j].text << "\"";
                        }
                }
            win::DestroyWindow(window);
        }
    }
}

// On the dark background no black floor number stands half off the light
// strip: the ring of pixels round each of its glyphs holds no background.
TEST_F(ThreeDPainterTest, FloorNumbersStayReadableOnTheDarkBackground) {
    whiteBackground = 0;
    Flat(2.5f);
    for (const auto& size : {std::pair{1024, 719}, std::pair{1024, 768}, std::pair{1280, 976}}) {
        win::RecordTextBoxes(true);
        Paint(size.first, size.second);
        const win::Image32 picture = win::ReadWindowPixels(window);
        const std::uint32_t background = win::PixelFromColorRef(graphBackgroundColor);
        int numbers = 0;
        for (const win::TextBox& t : win::TextBoxesOf(window)) {
            const bool floorNumber =
                std::any_of(lastThreeDTexts.rowNumbers.begin(), lastThreeDTexts.rowNumbers.end(),
                            [&](const std::string& r) {
                                const auto first = r.find_first_not_of(' ');
                                const auto last = r.find_last_not_of(' ');
                                return first != std::string::npos &&
                                       r.substr(first, last - first + 1) == t.text;
                            });
            if (!floorNumber || t.text.empty()) continue;
            ++numbers;
            for (const win::RECT& g : t.glyphs) {
                bool white = false, dark = false;
                for (int y = g.top; y < g.bottom; ++y)
                    for (int x = g.left; x < g.right; ++x)
                        white = white || picture.At(x, y) == 0xFFFFFFu;
                for (int y = g.top - 1; y <= g.bottom; ++y)
                    for (int x = g.left - 1; x <= g.right; ++x) {
                        const bool ring =
                            y == g.top - 1 || y == g.bottom || x == g.left - 1 || x == g.right;
                        dark = dark || (ring && picture.At(x, y) == background);
                    }
                EXPECT_TRUE(white || !dark)
                    << "\"" << t.text << "\" at " << size.first << "x" << size.second;
            }
        }
        EXPECT_EQ(numbers, 7);
        win::RecordTextBoxes(false);
        win::DestroyWindow(window);
    }
}

TEST_F(ThreeDPainterTest, ContourHatchLetsTheFillShowInAnyDeviceMode) {
    // A device left opaque in a colour of its own: between the hatch lines
    // the patch colour shows, never that background colour.
    MakeWindow(640, 480);
    ASSERT_NE(window, nullptr);
    win::HDC dc = win::GetDC(window);
    win::SetWindowOrgEx(dc, -320, -240, nullptr);
    win::SetBkMode(dc, win::OPAQUE);
    const win::COLORREF stray = win::RGB(1, 2, 3);
    win::SetBkColor(dc, stray);
    ChooseThreeDColours(1, RenderTarget::kScreen);
    ThreeDPaint paint;
    paint.dc = dc;
    paint.contour = true;
    paint.box = MakeThreeDBox(2, 480);
    const double rising[4] = {1.0, 1.2, 2.0, 5.0};
    std::copy(rising, rising + 4, paint.thresholds);
    for (int i = 0; i < 7; ++i) paint.rowPlaces[i] = paint.columnPlaces[i] = i / 6.0;
    valueAxisLow = 0.0;
    valueAxisHigh = 1.0;
    for (double& v : gridValues) v = 0.5;
    paint.tools.Make();
    DrawThreeDContour(paint);
    paint.tools.Release();
    win::ReleaseDC(window, dc);
    const win::Image32 shown = win::ReadWindowPixels(window);
    int fill = 0, strays = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            fill += shown.At(x, y) == win::PixelFromColorRef(graphColorTable[1]);
            strays += shown.At(x, y) == win::PixelFromColorRef(stray);
        }
    }
    EXPECT_GT(fill, 5000);
    EXPECT_EQ(strays, 0);
}

TEST_F(ThreeDPainterTest, DataFileFollowsTheDrawingOrder) {
    // Rows drawn back to front, columns in their own order: the row headings
    // run from the last value down and each stands by its own cells. Calcite's
    // bands rise, which once reversed the columns instead.
    char folder[] = "/tmp/tarvex-threed-dat-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    win::SetPathRoot(folder);
    for (int cell = 0; cell < kGridCells; ++cell)
        whatIfResults.grid.results[cell][0] = static_cast<float>(cell);
    gridOrientationSet = 1;
    rowOrderNatural = 0;
    columnOrderNatural = 1;
    exportDataAfterPaint = 1;
    win::AnswerFileDialog("\\grid.dat");
    Paint();
    std::stringstream text;
    text << std::ifstream(std::string(folder) + "/grid.dat").rdbuf();
    ASSERT_EQ(std::system(("rm -rf '" + std::string(folder) + "'").c_str()), 0);
    const std::string s = text.str();
    EXPECT_NE(s.find("\n70.000000,80.000000,90.000000,100.000000,110.000000,120.000000,130.000000\n"
                     "8.000000,42.000000,43.000000,44.000000,45.000000,46.000000,47.000000,"
                     "48.000000\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("\n5.600000,0.000000,1.000000,"), std::string::npos) << s;
}

TEST_F(ThreeDPainterTest, DataFileSaysWhatItsNumbersAre) {
    // Ratios of 0.11 to 0.42 put a scale beside the value axis; the file holds
    // them as they are, so its unit line has no scale, and a line names the index.
    char folder[] = "/tmp/tarvex-threed-dat-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    win::SetPathRoot(folder);
    for (int cell = 0; cell < kGridCells; ++cell)
        whatIfResults.grid.results[cell][0] = 0.11f + 0.0065f * static_cast<float>(cell);
    exportDataAfterPaint = 1;
    win::AnswerFileDialog("\\small.dat");
    Paint();
    std::stringstream text;
    text << std::ifstream(std::string(folder) + "/small.dat").rdbuf();
    ASSERT_EQ(std::system(("rm -rf '" + std::string(folder) + "'").c_str()), 0);
    const std::string s = text.str();
    EXPECT_NE(std::string(graphUnitLabel).find(" (E-01)"), std::string::npos) << graphUnitLabel;
    EXPECT_NE(s.find("\"Calcite Saturation Ratio\"\n\"Degree of Supersaturation\"\n"),
              std::string::npos)
        << s;
    EXPECT_EQ(s.find("(E-01)"), std::string::npos) << s;
    EXPECT_NE(s.find(",0.110000"), std::string::npos) << s;
}

}  // namespace
}  // namespace graphtest
