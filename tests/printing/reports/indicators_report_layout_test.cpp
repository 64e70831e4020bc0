// The printed indicators report's layout: blocks, placements, values and the
// time and treatment rows from fixture records.
#include "printing/reports/layouts/indicators_report_layout.h"

#include <cmath>

#include "tests/printing/reports/report_layout_fixture.h"

namespace reporttest {
namespace {

using IndicatorsLayoutTest = ReportLayoutTest;
namespace S = IndicatorSection;

std::string Row(const IndicatorSource& src, int section, int item, int part = 1) {
    ReportLayout l;
    PrintIndicatorsBody(l, 0, 2, 35, 45, section, item, src);
    if (static_cast<int>(l.items.size()) <= part) return "<none>";
    return l.items[static_cast<std::size_t>(part)].text;
}

TEST_F(IndicatorsLayoutTest, EveryItemShownGivesTwentyTwoRowsASide) {
    ReportLayout l;
    LayOutIndicatorsReport(printed, l);
    EXPECT_EQ(l.title, "SURFACE WATER");
    const std::vector<const LayoutItem*> left = ItemsAt(l, 2);
    const std::vector<const LayoutItem*> right = ItemsAt(l, 41);
    // Heading, 22 minerals; then the simple-index heading and six rows; the
    // treatment block is not there without a product.
    ASSERT_EQ(left.size(), 1u + 22u + 1u + 6u);
    EXPECT_EQ(left[0]->text, "SATURATION RATIO as IAP/Ksp ");
    EXPECT_EQ(left[0]->font, FontRole::kBold);
    EXPECT_EQ(left[5]->text, "Calcium oxalate (CaC_2O_4)");
    EXPECT_EQ(left[22]->text, "Iron sulfide (FeS)");
    EXPECT_EQ(left[23]->text, "SIMPLE INDICES       ");
    EXPECT_EQ(left[24]->line, 25);
    ASSERT_EQ(right.size(), 1u + 22u + 1u + 5u);
    EXPECT_EQ(right[0]->text,
              std::string("FREE ION MOMENTARY EXCESS (mg/L)") + std::string(41, ' '));
    EXPECT_EQ(right[5]->text, "Calcium oxalate (CaC_2O_4)");
    EXPECT_EQ(right[13]->text, "Hydroxyapatite ");
    // Calcite saturation (slot 0) ends at 35, calcite excess (slot 0) at 77.
    EXPECT_EQ(LineText(l, 1).substr(28, 7), "   1.00");
    EXPECT_EQ(LineText(l, 1).substr(70, 7), "   0.00");
    EXPECT_EQ(LineText(l, 24).substr(41),
              "BOUND IONS" + std::string(11, ' ') + "TOTAL" + std::string(6, ' ') + "FREE");
    // The conditions alone under the blocks, the time over 180 seconds.
    const LayoutItem* conditions = Item(l, "OPERATING CONDITIONS");
    ASSERT_NE(conditions, nullptr);
    EXPECT_EQ(conditions->column, 30);
    EXPECT_EQ(conditions->line, 32);
    EXPECT_EQ(LineText(l, 34),
              std::string(21, ' ') + "Time(mins)" + std::string(18, ' ') + "   3.00");
    EXPECT_EQ(l.endLine, 35);
}

TEST_F(IndicatorsLayoutTest, LoneListsMoveToColumnTwentyOne) {
    HideIndicators(0, 20);
    displaySettings.indicatorItemsHidden[53] = 1;
    HideIndicators(42, 47);
    ReportLayout l;
    LayOutIndicatorsReport(printed, l);
    const LayoutItem* excess = Item(l, "Calcite (CaCO_3)");
    ASSERT_NE(excess, nullptr);
    EXPECT_EQ(excess->column, 21);
    EXPECT_EQ(LineText(l, excess->line).substr(48, 7), "   0.00");
    const LayoutItem* bound = Item(l, "BOUND IONS");
    ASSERT_NE(bound, nullptr);
    EXPECT_EQ(bound->column, 21);
    EXPECT_EQ(LineText(l, bound->line).substr(21),
              "BOUND IONS" + std::string(7, ' ') + "TOTAL" + std::string(7, ' ') + "FREE");
    // Calcium total (slot 6) ends at 43, free (slot 7) at 54.
    EXPECT_EQ(LineText(l, bound->line + 1).substr(36), "   2.50" + std::string(4, ' ') + "   2.75");
    // Both first lists hidden: one empty line remains.
    HideIndicators(21, 41);
    displaySettings.indicatorItemsHidden[54] = 1;
    LayOutIndicatorsReport(printed, l);
    EXPECT_EQ(Item(l, "BOUND IONS")->line, 2);
}

TEST_F(IndicatorsLayoutTest, TreatmentBesideConditionsOrConditionsAlone) {
    SelectProduct("Scale Guard 20", 1);
    ReportLayout l;
    LayOutIndicatorsReport(printed, l);
    const LayoutItem* heading = Item(l, "TREATMENT RECOMMENDATION");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->column, 2);
    EXPECT_EQ(Item(l, "OPERATING CONDITIONS")->column, 41);
    // The water's own dose (4.5), not the figure of the water computed last.
    EXPECT_EQ(LineText(l, heading->line + 1).substr(0, 30),
              "  Scale Guard 20 mg/l" + std::string(2, ' ') + "  4.500");
    EXPECT_EQ(LineText(l, heading->line + 2).substr(41, 10), "Time(mins)");
    // Dosage hidden: the conditions alone, values ending at 51.
    displaySettings.chemistryItemsHidden[26] = 1;
    displaySettings.chemistryItemsHidden[27] = 1;
    LayOutIndicatorsReport(printed, l);
    EXPECT_EQ(Item(l, "TREATMENT RECOMMENDATION"), nullptr);
    const LayoutItem* alone = Item(l, "OPERATING CONDITIONS");
    EXPECT_EQ(alone->column, 30);
    EXPECT_EQ(LineText(l, alone->line + 1).substr(44, 7), "  25.00");
    // An older data version: no product block, values ending at 56.
    displaySettings.chemistryItemsHidden[26] = displaySettings.chemistryItemsHidden[27] = 0;
    mainWindowState.dataVersion = 199;
    LayOutIndicatorsReport(printed, l);
    EXPECT_EQ(LineText(l, Item(l, "OPERATING CONDITIONS")->line + 1).substr(49, 7), "  25.00");
    // A name of 17 characters carries no unit; a corrosion product's unit.
    mainWindowState.dataVersion = 557;
    const IndicatorSource src = IndicatorSourceOf(printed.view);
    SelectProduct("Seventeen chars!!", 1);
    EXPECT_EQ(Row(src, S::kTreatment, 0, 0), "Seventeen chars!!");
    SelectProduct("Corrosion Shield", 2);
    unitCodes.code[UnitItem::kCorrosionRate] = 1;
    EXPECT_EQ(Row(src, S::kTreatment, 0, 0), "Corrosion Shield mm/yr");
}

TEST_F(IndicatorsLayoutTest, ValueFormsAndUnits) {
    IndicatorSource src = IndicatorSourceOf(printed.view);
    // Log format: a ratio of 0 has no index.
    displaySettings.indexFormat = 1;
    results[0] = 0.0f;
    results[1] = 100.0f;
    EXPECT_EQ(Row(src, S::kSaturation, -1, 0), "SATURATION INDEX as LOG10(IAP/Ksp)");
    EXPECT_EQ(Row(src, S::kSaturation, 0), "    N/A");
    EXPECT_EQ(Row(src, S::kSaturation, 1), "   2.00");
    displaySettings.indexFormat = 0;
    EXPECT_EQ(Row(src, S::kSaturation, 0), "   0.00");
    // The solvers' marker is no figure.
    results[21] = kSolverNotReachable;
    EXPECT_EQ(Row(src, S::kSaturation, 7), "    N/A");
    // Excess in kilograms per 1000 barrels.
    displaySettings.precipitationUnit = 2;
    excess[7] = 100.0f;
    EXPECT_EQ(Row(src, S::kExcess, -1, 0),
              std::string("FREE ION MOMENTARY EXCESS (kg/1000 Barrels)") + std::string(29, ' '));
    char expected[16];
    std::snprintf(expected, sizeof expected, "%7.2f", 100.0f * (0.34845498f * 0.454f));
    EXPECT_EQ(Row(src, S::kExcess, 7), expected);
    // Simple indices need carbonate species; Larson-Skold's -99 is no value.
    results[27] = 1e-6f;
    results[29] = 0.0f;
    EXPECT_EQ(Row(src, S::kSimpleIndices, 0), "    N/A");
    results[29] = 2e-6f;
    EXPECT_EQ(Row(src, S::kSimpleIndices, 0), "   3.50");
    results[18] = -99.0f;
    EXPECT_EQ(Row(src, S::kSimpleIndices, 5), "    N/A");
    results[18] = 99.0f;
    EXPECT_EQ(Row(src, S::kSimpleIndices, 5), "    N/A");
    results[18] = 0.5f;
    EXPECT_EQ(Row(src, S::kSimpleIndices, 5), "  0.500");
    EXPECT_EQ(Row(src, 7, 0, 0), "<none>");
}

TEST_F(IndicatorsLayoutTest, TimeRowUnits) {
    const IndicatorSource src = IndicatorSourceOf(printed.view);
    const struct {
        float seconds;
        const char* label;
        const char* value;
    } cases[] = {{60.0f, "Time(secs)", "  60.00"},
                 {180.0f, "Time(mins)", "   3.00"},
                 {7200.0f, "Time(hrs.)", "   2.00"},
                 {90000.0f, "Time(hrs.)", "  25.00"},
                 {8000000.0f, "Time(days)", "  92.59"}};
    for (const auto& c : cases) {
        momentaryTime = c.seconds;
        EXPECT_EQ(Row(src, S::kConditions, 1, 0), c.label) << c.seconds;
        EXPECT_EQ(Row(src, S::kConditions, 1), c.value) << c.seconds;
    }
    unitCodes.code[UnitItem::kTemperature] = 1;
    EXPECT_EQ(Row(src, S::kConditions, 0, 0), "Temperature (^oC) ");
}

TEST_F(IndicatorsLayoutTest, TitlesByKind) {
    const char* titles[] = {"SURFACE WATER", "INJECTION WATER", "FORMATION WATER", "",
                            "MIXED WATER",   "SOURCE WATER"};
    for (int kind = 0; kind <= 6; ++kind)
        EXPECT_STREQ(IndicatorsReportTitle(kind), kind < 6 ? titles[kind] : "");
}

}  // namespace
}  // namespace reporttest
