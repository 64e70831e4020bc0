// The well-log summary graph window's station clicks: which bars a point
// hits in every panel and the station each shows, the texts of the value box
// and of the analysis copy, the copy leaving the working analysis as it was,
// and when the window recomputes its profile.
#include "graphs/welllog/well_log_window.h"

#include <cstring>

#include "common/unit_codes.h"
#include "graphs/welllog/well_log_clicks.h"
#include "graphs/welllog/well_log_graph_records.h"
#include "shell/mainwindow/well_log_records.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

class WellLogWindowTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        ResetWellLogGraphRecords();
        graphProfileKind = 8;
        Flash48Table& t = wellProfiles.flash48;
        for (int i = 0; i < 49; ++i) {
            t.depth[i] = 100.0f * static_cast<float>(i);
            t.pressure[i] = 14.7f + static_cast<float>(i);
            t.temperature[i] = 80.0f + static_cast<float>(i);
            t.analysis[i][3] = 1000.0f + static_cast<float>(i);
        }
        unitCodes.code[UnitItem::kPressure] = 2;
        // Two panels of bars 10 wide; bar k of panel p from x = 10k, at y 0
        // to 50 (panel 0) and 100 to 150 (panel 1).
        wellSummaryPanelCount = 2;
        for (int p = 0; p < 2; ++p)
            for (int k = 0; k < 49; ++k) {
                wellSummaryBarRects[p * 49 + k] =
                    BarRect{10 * k, 100 * p + 50, 10 * k + 10, 100 * p};
                wellSummaryValueCopies[p][k] = static_cast<float>(p * 100 + k);
            }
    }
};

TEST_F(WellLogWindowTest, ABarReportsTheStationItShowsInItsOwnPanel) {
    StationHit hits[8];
    ASSERT_EQ(HitStations(5, 25, hits, 8), 1);
    EXPECT_EQ(hits[0].panel, 0);
    EXPECT_EQ(hits[0].station, 48);  // the leftmost bar is the bottom hole
    ASSERT_EQ(HitStations(35, 125, hits, 8), 1);
    EXPECT_EQ(hits[0].panel, 1);
    EXPECT_EQ(hits[0].station, 45);
    EXPECT_EQ(HitStations(35, 75, hits, 8), 0);  // between the panels
    // A third panel painted earlier but not in the last paint is not hit.
    wellSummaryBarRects[2 * 49] = BarRect{0, 250, 10, 200};
    EXPECT_EQ(HitStations(5, 225, hits, 8), 0);

    const StationClickText t = StationValueText(StationHit{1, 45});
    EXPECT_EQ(t.caption, "YOU CLICKED ON THE VALUE 145.00   ");
    EXPECT_EQ(t.message,
              "YOU CLICKED ON THE VALUE 145.00    at Depth 4500.00, 59.7 (p.s.i.), 125.0 \xB0"
              "F.");
    resultStatus.productSelected = 1;
    EXPECT_NE(StationValueText(StationHit{1, 45}).message.find(" DISPLAY LIMITS?"),
              std::string::npos);
    // Another profile kind: no station text.
    resultStatus.productSelected = 0;
    graphProfileKind = 6;
    EXPECT_EQ(StationValueText(StationHit{0, 3}).message, "YOU CLICKED ON THE VALUE 3.0000    ");
}

// The station texts keep each number to 13 characters; the 2D graph's well
// texts keep them whole.
TEST_F(WellLogWindowTest, StationNumbersAreCutToTheirBuffer) {
    wellProfiles.flash48.depth[40] = 1.0e12f;
    EXPECT_EQ(StationText(40).rfind("at Depth 999999995904., ", 0), 0u) << StationText(40);
    EXPECT_EQ(WellPlaceText(1.0e12, 1.0, 2.0, 64).rfind("at Depth 1000000000000.00, 1.0", 0), 0u);
}

TEST_F(WellLogWindowTest, TheCopyLeavesTheWorkingAnalysisAsItWas) {
    currentAnalysis.values[3] = 7.0f;
    const StationClickText t = CopyStationAnalysis(48);
    EXPECT_EQ(t.caption, "ANALYSIS COPIED ");
    EXPECT_EQ(t.message.rfind("ANALYSIS COPIED  at Depth 4800.00, 62.7 (p.s.i.), 128.0", 0), 0u);
    EXPECT_FLOAT_EQ(currentAnalysis.values[3], 7.0f);
    // Out of range and other kinds copy nothing.
    graphProfileKind = 6;
    EXPECT_EQ(CopyStationAnalysis(3).message, "ANALYSIS COPIED  ");
    graphProfileKind = 8;
    EXPECT_EQ(CopyStationAnalysis(49).message, "ANALYSIS COPIED  ");
}

TEST_F(WellLogWindowTest, TheProfileIsRecomputedOnlyWhenStale) {
    // Nothing to do while the product is the one of the last computation.
    resultStatus.productSelected = 0;
    wellLogProductAtCalc = 0;
    KeepWellLogProfileCurrent(false);
    EXPECT_EQ(wellLogProductAtCalc, 0);
    // After a command, only once the well description has been entered.
    resultStatus.wellLogSummaryStale = 1;
    wellLogSpecsEntered = 0;
    KeepWellLogProfileCurrent(true);
    EXPECT_EQ(resultStatus.wellLogSummaryStale, 1u);
    // Another graph kind leaves everything.
    graphProfileKind = 6;
    KeepWellLogProfileCurrent(false);
    EXPECT_EQ(resultStatus.wellLogSummaryStale, 1u);
}

}  // namespace
}  // namespace graphtest
