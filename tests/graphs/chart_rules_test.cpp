// The per-code rules of the bar charts: colour bands at their thresholds in
// both rule sets, titles and captions by table, the value source of each
// kind, and the product coverage groups.
#include "graphs/twod/chart_rules.h"

#include <cmath>
#include <cstring>

#include "common/unit_codes.h"
#include "graphs/bands/index_treated.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

using ChartRulesTest = GraphTest;

TEST_F(ChartRulesTest, BandsAtTheirThresholds) {
    BandRules general;
    BandRules mixing;
    mixing.mixing = true;
    EXPECT_EQ(BandColour(0, 1.2, general), 14);
    EXPECT_EQ(BandColour(0, 1.19, general), 2);
    EXPECT_EQ(BandColour(0, 0.99, general), 1);
    EXPECT_EQ(BandColour(0, 5.0, general), 4);
    EXPECT_EQ(BandColour(0, 1.2, mixing), 2);  // 1.2 below the widened 1.2f
    EXPECT_EQ(BandColour(2, 1.25, general), 4);
    EXPECT_EQ(BandColour(2, 0.95, mixing), 2);
    EXPECT_EQ(BandColour(11, 6.0, general), 14);  // Ryznar: not above 6
    EXPECT_EQ(BandColour(11, 7.5, general), 1);
    EXPECT_EQ(BandColour(31, 4.0, general), 4);
    EXPECT_EQ(BandColour(10, 1.2, general), 5);  // below 1.2f widened
    EXPECT_EQ(BandColour(18, 0.8, general), 5);  // below 0.8f widened
    EXPECT_EQ(BandColour(60, 0.2, general), 2);
    EXPECT_EQ(BandColour(60, 0.0, general), 1);
    EXPECT_EQ(BandColour(114, 15.0, mixing), 14);
    EXPECT_EQ(BandColour(100, 0.07, mixing), 5);
    BandRules logged;
    logged.logIndex = true;
    EXPECT_EQ(BandColour(0, 0.5, logged), 5);  // log10 2 = 0.301 <= 0.5 < log10 5 = 0.699
    EXPECT_EQ(BandColour(0, 0.0, logged), 2);
    EXPECT_EQ(BandColour(26, 1.5, logged), 14);  // shown as a ratio: plain thresholds
    unitCodes.code[UnitItem::kCorrosionRate] = 1;
    EXPECT_EQ(BandColour(94, 0.2, general), 5);
    EXPECT_EQ(BandColour(95, 0.02, general), 1);
}

TEST_F(ChartRulesTest, TreatedPointsTakeTheirStatus) {
    BandRules treated;
    treated.treated = true;
    const double values[3] = {9.0, 9.0, 9.0};
    int32_t status[kGraphPoints] = {0, 2, 7};
    int colours[kGraphPoints];
    int32_t flags[kGraphPoints] = {};
    ChartColours(0, values, 3, treated, status, colours, flags);
    EXPECT_EQ(colours[0], 1);
    EXPECT_EQ(colours[1], 4);
    EXPECT_EQ(colours[2], 1);  // an unknown status decides nothing: the fresh colour stays
    EXPECT_EQ(flags[2], 0);
    // Acid dose: status 0 gives 1, anything else 4; every mixing bar 1.
    ChartColours(90, values, 3, BandRules{}, status, colours, flags);
    EXPECT_EQ(colours[1], 4);
}

TEST_F(ChartRulesTest, TitlesAndCaptions) {
    EXPECT_STREQ(ChartTitles(0, false, false).title, "Calcite Saturation Ratio");
    EXPECT_STREQ(ChartTitles(0, false, false).caption, " Saturation Ratio");
    EXPECT_STREQ(ChartTitles(3, false, false).title, "Calcium phosphate Ratio");
    EXPECT_STREQ(ChartTitles(46, false, false).title, "Silt Density Index Ratio");
    EXPECT_STREQ(ChartTitles(0, true, false).title, "Calcite Saturation Level");
    EXPECT_STREQ(ChartTitles(11, false, false).caption, "RSI");
    EXPECT_STREQ(ChartTitles(18, true, false).caption, "Larson-Skold");
    displaySettings.indexFormat = 1;
    EXPECT_STREQ(ChartTitles(0, false, false).title, "Calcite Saturation Index");
    displaySettings.indexFormat = 2;  // only exactly 1 is the log index
    EXPECT_STREQ(ChartTitles(0, false, false).caption, " Saturation Ratio");
    displaySettings.mineralTitles = 1;
    EXPECT_STREQ(ChartTitles(60, false, false).title, "CaCO_3 Precipitation Potential");
    EXPECT_STREQ(ChartTitles(60, false, true).title, "CaCO^3 Precipitation Potential");
    EXPECT_STREQ(ChartTitles(100, false, false).title, "CaCO^3 Momentary Excess");
    displaySettings.precipitationUnit = 2;
    EXPECT_STREQ(ChartTitles(100, false, false).caption, "kg/1000 Barrels");
    phControlSettings.acidChemical = 3;  // unnamed: nothing in front
    EXPECT_STREQ(ChartTitles(90, false, false).title, " Dosage Profile");
    std::strcpy(productTable.records[0].name, "PHOSBA");
    productTable.records[0].productMode = 2;
    EXPECT_STREQ(ChartTitles(89, false, false).title, "PHOSBA Corrosion Profile");
    EXPECT_STREQ(ChartTitles(70, false, false).title, "PHOSBA");
    EXPECT_TRUE(IsUnlistedCode(70));
    unitCodes.code[UnitItem::kTemperature] = 1;
    EXPECT_STREQ(ChartTitles(40, false, false).caption,
                 "Temperature \xB0"
                 "C");
}

TEST_F(ChartRulesTest, ValuesComeFromTheTableOfTheKind) {
    whatIfResults.tempProfile.results[2][0] = 3.0f;
    whatIfResults.phProfile.results[2][0] = 4.0f;
    mixProfileTables.mixResults[2][62] = 6.0f;
    wellProfiles.flash11.results[11][0] = 7.0f;
    wellProfiles.wellLog.results[11][0] = 8.0f;
    whatIfResults.pressureProfile.excess[3][5] = 2.0f;  // code 105 at point 3
    whatIfResults.tempProfile.corrosion[1][3] = 0.5f;   // code 95
    double v[kGraphPoints] = {};
    ReadChartValues(0, ChartKind::kTemperature, 7, false, v);
    EXPECT_DOUBLE_EQ(v[2], 3.0);
    ReadChartValues(0, ChartKind::kPh, 7, false, v);
    EXPECT_DOUBLE_EQ(v[2], 4.0);
    ReadChartValues(62, ChartKind::kMixing, 7, false, v);
    EXPECT_DOUBLE_EQ(v[2], 6.0);
    ReadChartValues(0, ChartKind::kWell, 12, false, v);
    EXPECT_DOUBLE_EQ(v[11], 7.0);
    ReadChartValues(0, ChartKind::kReportPage, 12, false, v);
    EXPECT_DOUBLE_EQ(v[11], 8.0);
    ReadChartValues(105, ChartKind::kPressure, 7, false, v);
    EXPECT_DOUBLE_EQ(v[3], 2.0);
    ReadChartValues(95, ChartKind::kTemperature, 7, false, v);
    EXPECT_DOUBLE_EQ(v[1], 0.5);
    // Log index: a zero ratio flags the chart and shows 0.
    EXPECT_TRUE(ReadChartValues(0, ChartKind::kTemperature, 7, true, v));
    EXPECT_DOUBLE_EQ(v[0], 0.0);
    EXPECT_NEAR(v[2], std::log10(3.0), 1e-12);
    // Points past the table read 0 (a mixing table has seven rows).
    ReadChartValues(62, ChartKind::kMixing, 12, false, v);
    EXPECT_DOUBLE_EQ(v[9], 0.0);
}

TEST_F(ChartRulesTest, ProductCoverageGroups) {
    productTable.componentCount = 1;
    productTable.records[0].treatedIndex = 114;
    EXPECT_EQ(IsIndexTreated(2), 0);  // no product selected
    resultStatus.productSelected = 1;
    EXPECT_NE(IsIndexTreated(2), 0);
    EXPECT_EQ(IsIndexTreated(0), 0);  // the empty records treat nothing
    productTable.records[0].treatedIndex = 110;
    EXPECT_NE(IsIndexTreated(3), 0);
    EXPECT_NE(IsIndexTreated(109), 0);
    EXPECT_EQ(IsIndexTreated(62), 0);
    EXPECT_EQ(IsIndexTreated(18), 0);
    productTable.records[0].modelKind = 3;
    EXPECT_NE(IsIndexTreated(18), 0);
    EXPECT_NE(IsIndexTreated(301), 0);
    productTable.records[0].modelKind = 0;
    productTable.records[0].doseMode = 1;
    EXPECT_NE(IsIndexTreated(302), 0);
    EXPECT_EQ(IsIndexTreated(120), 0);
}

}  // namespace
}  // namespace graphtest
