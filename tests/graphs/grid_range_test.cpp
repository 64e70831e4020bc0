// The grid range of an index: its value sources, the log form, the flag of an
// undefined log range and the drawing order chosen once per choice of graphs.
#include "graphs/bands/grid_range.h"

#include <cmath>

#include "shell/mainwindow/main_window_records.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

class GridRangeTest : public GraphTest {
  protected:
    struct Search {
        double low;
        double high;
        uint16_t rowOrder;
        uint16_t columnOrder;
    };
    // One search with the range preset to -5, 5 and both orders to 7.
    Search Run(uint16_t code) {
        double range[2] = {-5.0, 5.0};
        uint16_t rows = 7, columns = 7;
        GetGraphGridRange(range, code, rows, columns);
        return {range[0], range[1], rows, columns};
    }
    GridTable& grid = whatIfResults.grid;
};

TEST_F(GridRangeTest, EachCodeReadsItsOwnTable) {
    for (int cell = 0; cell < kGridCells; ++cell) {
        grid.analysis[cell][15] = 70.0f + cell;
        grid.analysis[cell][0] = 6.0f + 0.01f * cell;
        grid.results[cell][11] = 8.0f - 0.1f * cell;
        grid.dose[cell] = 2.0f * cell;
        grid.acidDose[cell] = 3.0f;
        grid.alkaliDose[cell] = cell == 20 ? 9.0f : 1.0f;
        grid.corrosion[cell][0] = 1.0f;
        grid.corrosion[cell][2] = 2.0f + cell;
        grid.corrosion[cell][3] = 3.0f;
        grid.excess[cell][37] = 10.0f * cell;
        mixGridTables.gridGraphDose[cell] = 100.0f + cell;
    }
    Search s = Run(40);
    EXPECT_FLOAT_EQ(s.low, 70.0f);
    EXPECT_FLOAT_EQ(s.high, 118.0f);
    EXPECT_NEAR(Run(41).high, 6.48, 1e-6);
    s = Run(11);
    EXPECT_NEAR(s.low, 3.2, 1e-6);
    EXPECT_NEAR(s.high, 8.0, 1e-6);
    grid.gridKind = GridKind::kPhTemperature;
    EXPECT_DOUBLE_EQ(Run(89).high, 96.0);
    grid.gridKind = MixGridKind::kPercentByTemperature;  // the mixing grid's own doses
    EXPECT_DOUBLE_EQ(Run(89).high, 148.0);
    EXPECT_DOUBLE_EQ(Run(90).low, 3.0);
    EXPECT_DOUBLE_EQ(Run(91).high, 9.0);
    EXPECT_DOUBLE_EQ(Run(94).high, 1.0);
    EXPECT_DOUBLE_EQ(Run(95).high, 3.0);
    EXPECT_DOUBLE_EQ(Run(96).high, 50.0);
    EXPECT_DOUBLE_EQ(Run(137).high, 480.0);  // the last precipitation slot, in mg/L
}

TEST_F(GridRangeTest, PrecipitationRangeUsesTheDisplayUnitLikeTheBars) {
    precipitationFactor = 0.34845498f;
    for (int cell = 0; cell < kGridCells; ++cell) grid.excess[cell][0] = 100.0f;
    displaySettings.precipitationUnit = 1;
    EXPECT_FLOAT_EQ(static_cast<float>(Run(100).low), 34.845498f);
    displaySettings.precipitationUnit = 2;
    EXPECT_FLOAT_EQ(static_cast<float>(Run(100).high), 100.0f * 0.15819856f);
}

TEST_F(GridRangeTest, LogFormAndItsUndefinedFlag) {
    displaySettings.indexFormat = 1;
    // Calcite all zero: no logarithm, the flag set.
    Search s = Run(0);
    EXPECT_DOUBLE_EQ(s.low, -99.0);
    EXPECT_DOUBLE_EQ(s.high, -99.0);
    EXPECT_EQ(logRangeUndefined, 1);
    // The next search starts afresh: a positive range clears the flag.
    for (int cell = 0; cell < kGridCells; ++cell) grid.results[cell][1] = cell == 3 ? 10.0f : 1.0f;
    s = Run(1);
    EXPECT_DOUBLE_EQ(s.low, 0.0);
    EXPECT_DOUBLE_EQ(s.high, 1.0);
    EXPECT_EQ(logRangeUndefined, 0);
    // Only the minimum undefined; the maximum keeps its logarithm.
    grid.results[0][1] = 0.0f;
    s = Run(1);
    EXPECT_DOUBLE_EQ(s.low, -99.0);
    EXPECT_DOUBLE_EQ(s.high, 1.0);
    EXPECT_EQ(logRangeUndefined, 1);
    // Iron sulfide (44) is no log mineral; slot 63 is logged with them.
    for (int cell = 0; cell < kGridCells; ++cell) grid.results[cell][44] = 0.0f;
    s = Run(44);
    EXPECT_DOUBLE_EQ(s.low, 0.0);
    EXPECT_EQ(logRangeUndefined, 0);
    for (int cell = 0; cell < kGridCells; ++cell) grid.results[cell][63] = 100.0f;
    EXPECT_DOUBLE_EQ(Run(63).high, 2.0);
    displaySettings.indexFormat = 2;
    EXPECT_DOUBLE_EQ(Run(0).low, 0.0);
    EXPECT_EQ(logRangeUndefined, 0);
}

TEST_F(GridRangeTest, CodesWithoutATableLeaveTheRange) {
    for (int cell = 0; cell < kGridCells; ++cell)
        for (float& v : grid.results[cell]) v = 1.0f;
    for (int code : {92, 93, 97, 98, 99, 64, 77, 88, 138, 301, 0xFFFF}) {
        gridOrientationSet = 0;
        const Search s = Run(static_cast<uint16_t>(code));
        EXPECT_EQ(s.low, -5.0) << code;
        EXPECT_EQ(s.high, 5.0) << code;
        // The first search after Choose Graphs still picks the order.
        EXPECT_EQ(s.rowOrder, 1) << code;
        EXPECT_EQ(s.columnOrder, 1) << code;
        EXPECT_EQ(gridOrientationSet, 1) << code;
    }
}

TEST_F(GridRangeTest, OrientationIsChosenOncePerChoiceOfGraphs) {
    // Larger values in the last rows and in the first columns.
    for (int cell = 0; cell < kGridCells; ++cell) {
        const int row = cell / 7, column = cell % 7;
        grid.results[cell][0] = static_cast<float>(row - column + 10);
    }
    Search s = Run(0);
    EXPECT_EQ(s.rowOrder, 0);
    EXPECT_EQ(s.columnOrder, 1);
    // A second search for another code keeps what was chosen.
    for (int cell = 0; cell < kGridCells; ++cell) grid.results[cell][1] = cell % 7 * 1.0f;
    s = Run(1);
    EXPECT_EQ(s.rowOrder, 7);
    EXPECT_EQ(s.columnOrder, 7);
    // Equal halves count as natural order; the middle row counts in both.
    gridOrientationSet = 0;
    for (int cell = 0; cell < kGridCells; ++cell)
        grid.results[cell][2] = cell / 7 == 3 ? 9.0f : 0.0f;
    s = Run(2);
    EXPECT_EQ(s.rowOrder, 1);
    EXPECT_EQ(s.columnOrder, 1);
}

}  // namespace
}  // namespace graphtest
