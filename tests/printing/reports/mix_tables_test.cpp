// The multi-mix reports' layouts from fixture source waters: the column
// layout, the chemistry table's rows, the indicator table's sections and the
// blend's indicator summary.
#include "engine/pipeline/pipeline_records.h"
#include "engine/saturation/water_results_records.h"
#include "input/records.h"
#include "printing/reports/layouts/indicators_report_layout.h"
#include "printing/reports/layouts/mix_tables_layout.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "tests/printing/reports/report_layout_fixture.h"

namespace reporttest {
namespace {

class MixTablesTest : public ReportLayoutTest {
  protected:
    void SetUp() override {
        ReportLayoutTest::SetUp();
        ResetMultiMixRecords();
        phControlSettings = PhControlSettings{};
        mixAlkalinityLabels = 0;
        Waters(3);
    }
    void TearDown() override {
        ResetMultiMixRecords();
        ReportLayoutTest::TearDown();
    }
    // `count` source waters; water k holds 10k + e in element e and 1 + k in
    // every result slot.
    static void Waters(int count) {
        multiMixState.lastWaterIndex = count - 1;
        for (int k = 0; k < kMultiMixWaterCount; ++k) {
            multiMixState.weightPercent[k] = 10.0f + static_cast<float>(k);
            for (int e = 0; e < 64; ++e) {
                multiMixState.sourceWaters[k].values[e] = static_cast<float>(10 * k + e);
                WaterResults.multiMix[k].saturation[e] = 1.0f + static_cast<float>(k);
            }
            for (int e = 0; e < 22; ++e) WaterResults.multiMix[k].excess[e] = static_cast<float>(e);
            doseState.multiMix[k] = MultiMixDoseState{};
        }
    }
    static std::string Labelled(const ReportLayout& l, const std::string& label) {
        const LayoutItem* item = Item(l, label);
        return item == nullptr ? "<no " + label + ">" : LineText(l, item->line);
    }
};

TEST_F(MixTablesTest, ColumnLayoutByWaterCount) {
    MixTablePage page;
    LayOutMixChemistryTable(0, page);
    EXPECT_EQ(page.head.title, "CHEMISTRY OF WATER SOURCES MIXED");
    EXPECT_EQ(LineText(page.head, 0),
              std::string(19, ' ') + std::string(7, '_') + "% BY WEIGHT" + std::string(6, '_'));
    EXPECT_EQ(Item(page.head, std::string(24, '_'))->column, 19);
    EXPECT_EQ(Item(page.head, "% BY WEIGHT")->column, 26);
    EXPECT_EQ(LineText(page.head, 1), "CATIONS" + std::string(13, ' ') + "  10.00   11.00   12.00");
    EXPECT_EQ(MixTableOffset(3, 50, 30), 16 * 50 - 30);
    EXPECT_EQ(MixTableOffset(3, 10, 200), 0);
    EXPECT_EQ(MixTableGroups(), 1);
    Waters(7);
    LayOutMixChemistryTable(0, page);
    EXPECT_EQ(Item(page.head, std::string(56, '_'))->column, 19);
    EXPECT_EQ(Item(page.head, "% BY WEIGHT")->column, 42);
    EXPECT_EQ(MixTableOffset(7, 50, 30), 0);
    Waters(10);
    EXPECT_EQ(MixTableGroups(), 2);
    EXPECT_EQ(MixGroupColumns(0), 7);
    EXPECT_EQ(MixGroupColumns(1), 3);
    LayOutMixChemistryTable(1, page);
    EXPECT_EQ(LineText(page.head, 1).substr(20), "  17.00   18.00   19.00");
    // One water in the last group: "% BY WEIGHT" is wider than its rule and
    // follows it instead of covering it.
    Waters(8);
    LayOutMixChemistryTable(1, page);
    EXPECT_EQ(LineText(page.head, 0), std::string(19, ' ') + std::string(8, '_') + "% BY WEIGHT");
    multiMixState.lastWaterIndex = -1;
    EXPECT_EQ(MixTableGroups(), 1);
}

TEST_F(MixTablesTest, ChemistryRowsCaptionsDosesAndNoFigures) {
    unitCodes.code[UnitItem::kBarium] = 2;
    unitCodes.code[UnitItem::kCalcium] = 2;
    phControlSettings.phControlMethod = 3;
    MixTablePage page;
    LayOutMixChemistryTable(0, page);
    EXPECT_NE(Item(page.rows, "Barium(Fr Deg)"), nullptr);
    EXPECT_NE(Item(page.rows,
                   "Calcium(\xF8"
                   "Fr)"),
              nullptr);
    EXPECT_NE(Item(page.rows, "Manganese (as Mn)"), nullptr);
    // No per-water acidity or pH-control dose exists: every cell N/A.
    const std::string na3 = "    N/A     N/A     N/A";
    EXPECT_EQ(Labelled(page.rows, "Acidity").substr(20), na3);
    EXPECT_EQ(Labelled(page.rows, "Sulfuric Acid").substr(20), na3);
    EXPECT_EQ(Labelled(page.rows, "Lime").substr(20), na3);
    Waters(12);
    LayOutMixChemistryTable(1, page);
    EXPECT_EQ(Labelled(page.rows, "Lime").substr(20), na3 + "     N/A     N/A");
    // No product: a blank heading line, a label of two blanks, nothing after.
    Waters(3);
    LayOutMixChemistryTable(0, page);
    const LayoutItem& last = page.rows.items.back();
    EXPECT_EQ(last.text, "  ");
    EXPECT_EQ(last.column, 1);
    EXPECT_EQ(page.rows.endLine, last.line);
    // Flagged and plain doses; "Dosage" hidden keeps the product row.
    SelectProduct("Guard", 1);
    doseState.multiMix[0] = {1, 1, 0.05f};
    doseState.multiMix[1] = {1, 2, 12.3f};
    doseState.multiMix[2] = {0, 0, 7.0f};
    displaySettings.chemistryItemsHidden[26] = 1;
    LayOutMixChemistryTable(0, page);
    EXPECT_EQ(Item(page.rows, "DOSAGE (mg/l)"), nullptr);
    EXPECT_EQ(Labelled(page.rows, "Guard").substr(20), "[0.050] [   12]");
    displaySettings.chemistryItemsHidden[26] = 0;
    LayOutMixChemistryTable(0, page);
    EXPECT_EQ(Item(page.rows, "DOSAGE (mg/l)")->line, Item(page.rows, "Guard")->line - 1);
}

TEST_F(MixTablesTest, IndicatorSectionsFollowTheRowsTheyGovern) {
    MixTablePage page;
    ASSERT_TRUE(LayOutMixSaturationPage(0, page));
    // Wider than the room before the first weight percent, the heading
    // takes the line under the percents.
    EXPECT_EQ(Item(page.head, "SATURATION RATIO IAP/Ksp")->line, 2);
    EXPECT_EQ(page.head.endLine, 3);
    // Only barite's row among the saturation items: its section stays.
    HideIndicators(0, 20);
    displaySettings.indicatorItemsHidden[53] = 1;
    displaySettings.indicatorItemsHidden[7] = 0;
    ASSERT_TRUE(LayOutMixSaturationPage(0, page));
    EXPECT_EQ(Labelled(page.rows, "Barite ").substr(0, 27),
              " Barite " + std::string(12, ' ') + "   1.00");
    // Neither minerals nor indices: no first-kind page.
    displaySettings.indicatorItemsHidden[7] = 1;
    HideIndicators(42, 47);
    EXPECT_FALSE(LayOutMixSaturationPage(0, page));
    // Stiff-Davis is an index, not an ion: no ion heading without ion rows.
    displaySettings.indicatorItemsHidden[46] = 0;
    HideIndicators(48, 52);
    ASSERT_TRUE(LayOutMixIonsPage(0, page));
    EXPECT_EQ(Item(page.head, "TOTAL VS FREE IONS"), nullptr);
    EXPECT_EQ(page.rows.items.front().text, "FREE ION MOMENTARY EXCESS (mg/L)");
    HideIndicators(21, 41);
    EXPECT_FALSE(LayOutMixIonsPage(0, page));
}

TEST_F(MixTablesTest, IndicatorValues) {
    WaterResults.multiMix[1].saturation[21] = kSolverNotReachable;
    WaterResults.multiMix[0].saturation[11] = 14.0f;   // Ryznar
    WaterResults.multiMix[2].saturation[10] = -14.0f;  // Langelier
    multiMixState.sourceWaters[1].values[2] = 0.0f;
    multiMixState.sourceWaters[1].values[3] = 0.0f;
    MixTablePage page;
    ASSERT_TRUE(LayOutMixSaturationPage(0, page));
    EXPECT_EQ(Labelled(page.rows, "Barite ").substr(20), "   1.00     N/A    3.00");
    EXPECT_EQ(Labelled(page.rows, "Ryznar  ").substr(20), "    N/A    2.00    3.00");
    EXPECT_EQ(Labelled(page.rows, "Langelier  ").substr(20), "   1.00    2.00     N/A");
    EXPECT_EQ(Labelled(page.rows, "Larson-Skold  ").substr(20), "   1.00     N/A    3.00");
    displaySettings.precipitationUnit = 2;
    ASSERT_TRUE(LayOutMixIonsPage(0, page));
    EXPECT_NE(Item(page.rows, "FREE ION MOMENTARY EXCESS (kg/1000 Barrels)"), nullptr);
    EXPECT_EQ(Labelled(page.rows, "Ca").substr(7, 5), "Total");
}

TEST_F(MixTablesTest, BlendSummaryBlocks) {
    ReportLayout l;
    printed.view.blend = true;
    LayOutMixIndicatorsReport(printed.view, l);
    EXPECT_EQ(l.title, "MIXED WATER DEPOSITION POTENTIAL INDICATORS");
    EXPECT_EQ(ItemsAt(l, 2).size(), 1u + 21u + 1u + 6u);
    EXPECT_EQ(Item(l, "Calcium oxalate (CaC_2O_4)"), nullptr);
    // Bound ions alone at 21 with totals ending at 43 and free amounts at 54.
    HideIndicators(42, 47);
    LayOutMixIndicatorsReport(printed.view, l);
    EXPECT_EQ(Item(l, "BOUND IONS")->column, 21);
    // With a product: conditions rows at 43; without the figures' rows: at 21 ending at 51.
    SelectProduct("Guard", 1);
    LayOutMixIndicatorsReport(printed.view, l);
    EXPECT_EQ(Item(l, "Time(mins)")->column, 43);
    displaySettings.chemistryItemsHidden[26] = displaySettings.chemistryItemsHidden[27] = 1;
    LayOutMixIndicatorsReport(printed.view, l);
    EXPECT_EQ(LineText(l, Item(l, "Time(mins)")->line).substr(21),
              "Time(mins)" + std::string(13, ' ') + "   3.00");
    resultStatus.productSelected = 0;
    LayOutMixIndicatorsReport(printed.view, l);
    EXPECT_EQ(LineText(l, Item(l, "Time(mins)")->line).substr(21),
              "Time(mins)" + std::string(18, ' ') + "   3.00");
}

}  // namespace
}  // namespace reporttest
