// The series of the 3D graph: axis values per grid kind, cell order under a
// reversed orientation, scaling, corrosion classes, statuses and the log form.
#include "graphs/threed/threed_series.h"

#include <cmath>

#include "common/unit_codes.h"
#include "graphs/threed/threed_graph_records.h"
#include "shell/mainwindow/main_window_records.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

class ThreeDSeriesTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        ResetThreeDGraphRecords();
        whatIfResults.grid.gridKind = GridKind::kPhTemperature;
        rowOrderNatural = columnOrderNatural = 1;
    }
};

TEST_F(ThreeDSeriesTest, AxisValuesAsTheGridDriversBuildThem) {
    // A temperature range across 0: nothing clamped, the last point the high end.
    whatIfSettings.temperatureLow = -2.0f;
    whatIfSettings.temperatureHigh = 2.0f;
    whatIfSettings.phLow = 7.0f;
    whatIfSettings.phHigh = 10.0f;
    BuildThreeDAxisValues();
    EXPECT_FLOAT_EQ(columnAxisValues[0], -2.0f);
    EXPECT_NEAR(columnAxisValues[1], -1.3333f, 1e-4);
    EXPECT_NEAR(columnAxisValues[3], 0.0f, 1e-6);
    EXPECT_FLOAT_EQ(columnAxisValues[6], 2.0f);
    for (int i = 1; i < 7; ++i) EXPECT_GT(columnAxisValues[i], columnAxisValues[i - 1]);
    EXPECT_FLOAT_EQ(rowAxisValues[1], 7.5f);
    EXPECT_FLOAT_EQ(rowAxisValues[6], 10.0f);
    EXPECT_EQ(columnAxisValuesCopy[6], columnAxisValues[6]);
    // The pressure grid's rows are running sums.
    whatIfResults.grid.gridKind = GridKind::kPressureTemperature;
    whatIfSettings.pressureLow = 1.0f;
    whatIfSettings.pressureHigh = 100.0f;
    BuildThreeDAxisValues();
    EXPECT_FLOAT_EQ(rowAxisValues[1], 17.5f);
    EXPECT_NEAR(rowAxisValues[6], 100.0f, 1e-4);
    // The mixing grids read the graph ranges and the mixing row.
    whatIfResults.grid.gridKind = MixGridKind::kPhByPercent;
    graphRangeSettings.gridPhLow = 6.0f;
    graphRangeSettings.gridPhHigh = 9.0f;
    mixingZoneSettings.gridMixLow = 0.0f;
    mixingZoneSettings.gridMixHigh = 60.0f;
    BuildThreeDAxisValues();
    EXPECT_FLOAT_EQ(rowAxisValues[2], 7.0f);
    EXPECT_FLOAT_EQ(columnAxisValues[1], 10.0f);
    EXPECT_FLOAT_EQ(columnAxisValues[6], 60.0f);
}

TEST_F(ThreeDSeriesTest, CellsFollowTheDrawingOrder) {
    for (int cell = 0; cell < kGridCells; ++cell) whatIfResults.grid.results[cell][21] = cell;
    rowOrderNatural = 0;
    BuildThreeDGridValues(21);
    for (int a = 0; a < 7; ++a)
        for (int b = 0; b < 7; ++b) EXPECT_EQ(gridValues[7 * (6 - a) + b], 7 * a + b);
    columnOrderNatural = 0;
    BuildThreeDGridValues(21);
    EXPECT_EQ(gridValues[0], 48.0);
    EXPECT_EQ(gridValues[48], 0.0);
}

TEST_F(ThreeDSeriesTest, PrecipitationIsScaledToTheDisplayUnit) {
    precipitationFactor = 0.34845498f;
    for (int cell = 0; cell < kGridCells; ++cell) whatIfResults.grid.excess[cell][0] = 100.0f;
    displaySettings.precipitationUnit = 1;
    BuildThreeDGridValues(100);
    EXPECT_NEAR(gridValues[5], 34.845498, 1e-4);
    displaySettings.precipitationUnit = 2;
    BuildThreeDGridValues(100);
    EXPECT_NEAR(gridValues[5], 15.819856, 1e-4);
}

TEST_F(ThreeDSeriesTest, CorrosionClassesAndStatuses) {
    const float rates[] = {0.99f, 1.0f, 4.99f, 5.0f, 9.99f, 10.0f};
    const uint16_t classes[] = {0, 1, 1, 2, 2, 3};
    for (int i = 0; i < 6; ++i) whatIfResults.grid.corrosion[i][0] = rates[i];
    BuildThreeDGridValues(94);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(cellStatus[i], classes[i]) << rates[i];
    unitCodes.code[UnitItem::kCorrosionRate] = 1;
    const float metric[] = {0.0253f, 0.0255f, 0.128f, 0.255f};
    const uint16_t metricClasses[] = {0, 1, 2, 3};
    for (int i = 0; i < 4; ++i) whatIfResults.grid.corrosion[i][3] = metric[i];
    BuildThreeDGridValues(95);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(cellStatus[i], metricClasses[i]) << metric[i];
    // The dose status rides with the mineral codes; the mixing grids keep their own.
    whatIfResults.grid.doseStatus[3] = 2;
    BuildThreeDGridValues(0);
    EXPECT_EQ(cellStatus[3], 2);
    whatIfResults.grid.gridKind = MixGridKind::kPhByTemperature;
    mixGridTables.gridGraphDoseStatus[3] = 1;
    mixGridTables.gridGraphDose[3] = 12.5f;
    BuildThreeDGridValues(89);
    EXPECT_EQ(cellStatus[3], 1);
    EXPECT_EQ(gridValues[3], 12.5);
    // Codes that name no table read nothing: zero and status 0.
    BuildThreeDGridValues(70);
    EXPECT_EQ(gridValues[3], 0.0);
    EXPECT_EQ(cellStatus[3], 0);
}

TEST_F(ThreeDSeriesTest, LogFormOfTheMinerals) {
    displaySettings.indexFormat = 1;
    for (int cell = 0; cell < kGridCells; ++cell) {
        whatIfResults.grid.results[cell][0] = cell == 4 ? 0.0f : 100.0f;
        whatIfResults.grid.results[cell][26] = 100.0f;
    }
    BuildThreeDGridValues(0);
    EXPECT_DOUBLE_EQ(gridValues[0], 2.0);
    EXPECT_DOUBLE_EQ(gridValues[4], 0.0);  // a zero ratio plots 0.0
    BuildThreeDGridValues(26);             // strengite stays a ratio
    EXPECT_DOUBLE_EQ(gridValues[0], 100.0);
    logRangeUndefined = 1;
    BuildThreeDGridValues(0);
    EXPECT_DOUBLE_EQ(gridValues[0], 0.0);
}

TEST_F(ThreeDSeriesTest, SelectedCodeIsHeldToTheChosenCount) {
    uint16_t code = 99;
    graphChoice.count = 0;
    EXPECT_EQ(GetSelectedGraphParam(code), 0);
    graphChoice.count = 2;
    graphChoice.codes[0] = 21;
    graphChoice.codes[1] = 11;
    selectedGraphPosition = 5;
    EXPECT_EQ(GetSelectedGraphParam(code), 11);
    EXPECT_EQ(code, 11);
    selectedGraphPosition = -1;
    EXPECT_EQ(GetSelectedGraphParam(code), 21);
}

}  // namespace
}  // namespace graphtest
