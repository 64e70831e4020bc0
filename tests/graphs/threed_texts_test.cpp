// The texts of the 3D graph: titles and unit labels, the numbers of the floor
// axes and the foot texts.
#include <cstring>

#include "common/unit_codes.h"
#include "graphs/threed/draw_3d_graph.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/threed/threed_text.h"
#include "input/description_records.h"
#include "platform/window/window.h"
#include "shell/whatif/whatif_command_records.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

class ThreeDTextsTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        ResetThreeDGraphRecords();
        whatIfResults.grid.gridKind = GridKind::kPhTemperature;
        threeDGraphKind = ThreeDGraphKind::kSingleWater;
    }
    std::string Title(uint16_t code) {
        ThreeDTexts t;
        BuildThreeDTitles(code, t);
        return graphTitle;
    }
    void Paint() {
        WNDCLASSLike();
        win::HWND w = win::CreateWindow("ThreeDTextWindow", "", win::WS_POPUP | win::WS_VISIBLE, 0,
                                        0, 640, 480, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(w, nullptr);
        win::HDC dc = win::GetDC(w);
        Draw3DGraph(dc, w);
        win::ReleaseDC(w, dc);
        win::DestroyWindow(w);
    }
    static void WNDCLASSLike() {
        win::WNDCLASS wc{};
        wc.lpfnWndProc = win::DefWindowProc;
        wc.lpszClassName = "ThreeDTextWindow";
        (void)win::RegisterClass(&wc);
    }
};

TEST_F(ThreeDTextsTest, TitlesAndUnits) {
    EXPECT_EQ(Title(0), "Calcite Saturation Ratio");
    EXPECT_STREQ(graphUnitLabel, "Degree of Supersaturation");
    EXPECT_STREQ(graphProfileTitle, "INDEX PROFILE");
    displaySettings.indexFormat = 1;
    displaySettings.mineralTitles = 1;
    EXPECT_EQ(Title(0), "CaCO_3 Saturation Index");
    EXPECT_STREQ(graphUnitLabel, "Saturation Index");
    EXPECT_EQ(Title(10), "Langelier Saturation Index");
    EXPECT_STREQ(graphUnitLabel, "LSI");
    EXPECT_EQ(Title(18), "Larson-Skold Corrosivity Index");
    EXPECT_STREQ(graphUnitLabel, "");
    EXPECT_EQ(Title(31), "Practical Equilibrium Index");
    displaySettings.mineralTitles = 0;
    displaySettings.precipitationUnit = 1;
    EXPECT_EQ(Title(60), "Calcite Precipitation Potential");
    EXPECT_STREQ(graphUnitLabel, "lbs/1000 barrels");
    displaySettings.precipitationUnit = 0;
    EXPECT_EQ(Title(100), "Calcite Momentary Excess");
    EXPECT_STREQ(graphUnitLabel, "mg/l");
    displaySettings.precipitationUnit = 2;
    Title(100);
    EXPECT_STREQ(graphUnitLabel, "kg/1000 barrels");
    unitCodes.code[UnitItem::kTemperature] = 2;
    EXPECT_EQ(Title(40), "Mixed Water Temperature");
    EXPECT_STREQ(graphUnitLabel, "\xB0K");
    EXPECT_STREQ(graphProfileTitle, "PARAMETER PROFILE");
    phControlSettings.alkaliChemical = 7;
    EXPECT_EQ(Title(91), "None Selected Dosage Profile");
    EXPECT_STREQ(graphUnitLabel, "mg/l");
    phControlSettings.acidChemical = 3;
    EXPECT_EQ(Title(90), "93% Sulfuric Acid Dosage Profile");
    EXPECT_EQ(Title(95), "H_2S Corrosion rate");
    EXPECT_STREQ(graphUnitLabel, "mpy");
    EXPECT_STREQ(graphProfileTitle, "CORROSION PROFILE");
    // Codes that name no table: no stale title.
    for (uint16_t code : {64, 92, 97, 138}) {
        EXPECT_EQ(Title(code), "") << code;
        EXPECT_STREQ(graphUnitLabel, "") << code;
    }
}

TEST_F(ThreeDTextsTest, DosageTitlesAndSubtitle) {
    std::strcpy(productTable.records[0].name, "SCALEGUARD 4000");
    productTable.records[0].productMode = 1;
    EXPECT_EQ(Title(89), "SCALEGUARD 4000 Dosage Profile");
    EXPECT_STREQ(graphProfileTitle, "DOSAGE PROFILE");
    productTable.records[0].productMode = 2;
    Title(89);
    EXPECT_STREQ(graphProfileTitle, " ");
    EXPECT_STREQ(graphUnitLabel, "mpy");
    // The mixing subtitle.
    whatIfResults.grid.gridKind = 0;
    threeDGraphKind = ThreeDGraphKind::kMixing;
    mixGridTables.gridMixPercent[0] = 40.0f;
    Title(0);
    EXPECT_STREQ(graphSubtitle, "at 40.00 percent injection water");
    whatIfResults.grid.gridKind = 1;
    Title(0);
    EXPECT_STREQ(graphSubtitle, "");
}

TEST_F(ThreeDTextsTest, FloorNumbers) {
    EXPECT_EQ(RowAxisNumber(6.5, 2.0), "6.50");
    EXPECT_EQ(RowAxisNumber(6.8333, 2.0), "6.83");
    EXPECT_EQ(RowAxisNumber(7.1667, 2.0), "7.17");
    EXPECT_EQ(RowAxisNumber(7.0, 0.6), "7.000");
    EXPECT_EQ(RowAxisNumber(7.1, 0.6), "7.100");
    EXPECT_EQ(RowAxisNumber(0.5, 0.6), "0.50");
    EXPECT_EQ(RowAxisNumber(16.6667, 100.0), "16.7");
    EXPECT_EQ(RowAxisNumber(100.0, 100.0), "100.");
    EXPECT_EQ(RowAxisNumber(916.6667, 4900.0), "917  ");
    EXPECT_EQ(RowAxisNumber(5000.0, 4900.0), "5000 ");
    EXPECT_EQ(ColumnAxisNumber(70.0), "  70");
    EXPECT_EQ(ColumnAxisNumber(116.67), " 117");
    EXPECT_EQ(ColumnAxisNumber(12345.0), "1234");
}

TEST_F(ThreeDTextsTest, PaintedLabelsFootTextsAndNotice) {
    graphChoice.count = 1;
    graphChoice.codes[0] = 0;
    whatIfSettings.phLow = 5.6f;
    whatIfSettings.phHigh = 8.0f;
    whatIfSettings.temperatureLow = 70.0f;
    whatIfSettings.temperatureHigh = 130.0f;
    for (int cell = 0; cell < kGridCells; ++cell) whatIfResults.grid.results[cell][0] = 2.0f;
    std::strcpy(currentDescription.text[0], "Well 7");
    std::strcpy(currentDescription.text[2], "North field");
    graphOutputFlags.colorNow = 1;
    Paint();
    const ThreeDTexts& t = lastThreeDTexts;
    ASSERT_EQ(t.rowNumbers.size(), 7u);
    EXPECT_EQ(t.columnNumbers[0], "  70");
    EXPECT_EQ(t.columnNumbers[6], " 130");
    EXPECT_EQ(t.rowNumbers[0], "5.60");
    EXPECT_EQ(t.rowNumbers[6], "8.00");
    EXPECT_EQ(t.captions, (std::vector<std::string>{"pH", "o", "F"}));
    EXPECT_TRUE(t.feet.empty());  // labels hidden
    EXPECT_FALSE(t.notice);

    showGraphLabels = 1;
    Paint();
    EXPECT_EQ(lastThreeDTexts.feet, (std::vector<std::string>{"Well 7", "North field"}));
    // A pressure grid without a product: "UNTREATED" at the left.
    whatIfResults.grid.gridKind = GridKind::kPressureTemperature;
    whatIfSettings.pressureLow = 1.0f;
    whatIfSettings.pressureHigh = 100.0f;
    Paint();
    EXPECT_EQ(lastThreeDTexts.feet.back(), "UNTREATED");
    EXPECT_EQ(lastThreeDTexts.captions[0], "ATM");
    // The dosage graph has no legend; a single water with a product, coding off: "Untreated".
    whatIfResults.grid.gridKind = GridKind::kPhTemperature;
    resultStatus.productSelected = 1;
    std::strcpy(productTable.records[0].name, "PRODUCT A");
    Paint();
    EXPECT_EQ(lastThreeDTexts.feet.back(), "Untreated");
    graphOutputFlags.treatedColorCoding = 1;
    Paint();
    EXPECT_EQ(lastThreeDTexts.feet.back(), "Treated with PRODUCT A");
    graphChoice.codes[0] = 89;
    Paint();
    EXPECT_EQ(lastThreeDTexts.feet.back(), "North field");

    // The log form of a mineral that is nowhere supersaturated: the notice.
    graphChoice.codes[0] = 0;
    displaySettings.indexFormat = 1;
    for (int cell = 0; cell < kGridCells; ++cell) whatIfResults.grid.results[cell][0] = 0.0f;
    Paint();
    EXPECT_TRUE(lastThreeDTexts.notice);
}

}  // namespace
}  // namespace graphtest
