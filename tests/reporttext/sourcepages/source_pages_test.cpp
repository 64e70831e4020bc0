// The multi-mix source-water pages on fixture source waters: golden pages for
// three sources, the weight axis for 1 to 12 sources, the residence row, the
// resistivity, the dose cells and the blocks after the parameters, and the
// rows the multi-mix keeps no figure for.
#include "reporttext/sourcepages/source_pages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/dose/dose_records.h"
#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "input/records.h"
#include "reporttext/format/format_value.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/records.h"
#include "shell/settings/heading_records.h"
#include "tests/reporttext/column_page_text.h"
#include "treatment/records.h"

namespace {

using namespace pagetext;

namespace E = AnalysisElement;

void FillSource(int k) {
    MultiMixState& m = multiMixState;
    float* v = m.sourceWaters[k].values;
    v[E::kPh] = 7.0f + 0.25f * static_cast<float>(k);
    v[E::kCalcium] = 100.0f * static_cast<float>(k + 1);
    v[E::kSodium] = 1000.0f;
    v[E::kChloride] = 1700.0f;
    v[E::kMAlkalinity] = 200.0f;
    v[E::kPAlkalinity] = 2.0f;
    v[E::kTemperature] = 77.0f;
    v[E::kPressure] = 1.0f;
    v[E::kPco2] = k == 0 ? 0.0f : 0.0003162f;
    v[E::kDensity] = 1.0f;
    v[E::kConductivity] = k == 1 ? 0.0f : 500.0f;
    float* r = WaterResults.multiMix[k].saturation;
    for (int i = 0; i < kSaturationResultCount; ++i)
        r[i] = 0.5f + 0.125f * static_cast<float>(i) + 0.01f * static_cast<float>(k);
    r[27] = 100.0f;
    r[29] = 10.0f;
    r[13] = 1.5f;
    r[14] = 0.5f;
    r[28] = 120.0f;
    r[55] = kSolverNotReachable;
    float* x = WaterResults.multiMix[k].excess;
    for (int i = 0; i < 22; ++i) x[i] = static_cast<float>(i) + 0.5f * static_cast<float>(k);
    m.weightPercent[k] = 100.0f / 3.0f;
    m.residenceTime[k][ResidenceForm::kDisplayUnit] = 2.0f;
    m.residenceTime[k][ResidenceForm::kDays] = 1.0f;
    m.residenceTime[k][ResidenceForm::kHours] = 24.0f;
    m.residenceTime[k][ResidenceForm::kMinutes] = 1440.0f;
    m.residenceTime[k][ResidenceForm::kSeconds] = 86400.0f;
    CarbonateSnapshot.multiMix[k].dissolvedCo2 = 12.5f;
    doseState.multiMix[k].dose = 3.25f;
    corrosionRates.multiMix[k][0] = 1.5f;  // the rate shown
    corrosionRates.multiMix[k][3] = 99.0f;
}

class SourcePageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetEngineRecords();
        ResetShellRecords();
        ResetDisplaySettingsRecords();
        ResetHeadingRecords();
        ResetMixingProfileRecords();
        ResetMultiMixRecords();
        phControlSettings = PhControlSettings{};
        productTable = ProductTable{};
        precipitationFactor = 0.34845498f;
        mainWindowState.dataVersion = 557;
        mainWindowState.reportDate = 1240704;
        multiMixDate = 1230615;
        mixedWater.sampleNumber = 12;
        mixedWater.sampleTime = 930;
        currentAnalysis.sampleNumber = 99;  // another page's header: not shown
        currentAnalysis.reportDate = 1100101;
        Sources(3);
    }
    static void Sources(int n) {
        for (int k = 0; k < n; ++k) FillSource(k);
        multiMixState.lastWaterIndex = n - 1;
    }
    static ReportLayout Chemistry() {
        ReportLayout l;
        BuildSourceChemistryPage(ReportSource{}, l);
        return l;
    }
    static ReportLayout Indicators() {
        ReportLayout l;
        BuildSourceIndicatorsPage(ReportSource{}, l);
        return l;
    }
};

TEST_F(SourcePageTest, GoldenPagesOfThreeSources) {
    EXPECT_TRUE(MatchesGolden(Chemistry(), "sources-chemistry"));
    EXPECT_TRUE(MatchesGolden(Indicators(), "sources-indicators-ratio-ppm"));
    mixAlkalinityLabels = 1;
    displaySettings.indexFormat = 1;
    displaySettings.precipitationUnit = 2;
    EXPECT_TRUE(MatchesGolden(Chemistry(), "sources-chemistry-species"));
    EXPECT_TRUE(MatchesGolden(Indicators(), "sources-indicators-index-kg"));
}

TEST_F(SourcePageTest, WeightAxisForOneToTwelveSources) {
    const std::pair<int, int> cases[] = {{1, 23}, {3, 31}, {7, 47}, {8, 51}, {12, 67}};
    for (const auto& [n, weightCell] : cases) {
        Sources(n);
        for (const ReportLayout& l : {Chemistry(), Indicators()}) {
            const LayoutItem* weight = ItemAt(l, 3, weightCell);
            ASSERT_NE(weight, nullptr) << n;
            EXPECT_EQ(weight->text, " WEIGHT % ");
            EXPECT_EQ(weight->colour, kWeightBlue);
            int rules = 0;
            for (const LayoutItem& item : l.items)
                if (item.kind == ItemKind::kRule) {
                    ++rules;
                    EXPECT_EQ(item.text.size(), n == 7 ? 56u : 8u);
                }
            EXPECT_EQ(rules, n == 7 ? 1 : n) << n;
            EXPECT_EQ(ItemAt(l, 4, 24 + 8 * (n - 1))->text, "  33.33");
            EXPECT_EQ(ItemAt(l, 4, 24 + 8 * n), nullptr);  // no column past the last source
        }
    }
}

TEST_F(SourcePageTest, ResidenceResistivityAndTheHeader) {
    for (const auto& [code, shown] :
         {std::pair{0, "86400.0"}, std::pair{1, "1440.00"}, std::pair{2, "  24.00"},
          std::pair{3, "   1.00"}, std::pair{4, "   0.00"}}) {
        unitCodes.code[UnitItem::kResidenceTime] = static_cast<uint16_t>(code);
        EXPECT_EQ(At(Chemistry(), 46, 24, 7), shown) << code;
    }
    char resistivity[kValueTextChars];
    FormatValue7(resistivity, 2000.0f);
    const ReportLayout l = Chemistry();
    EXPECT_EQ(At(l, 45, 24, 7), std::string(resistivity).substr(0, 7));
    EXPECT_EQ(At(l, 45, 32, 7), "    N/A");  // no conductivity
    // The multi-mix date as both dates, the blend's number and time.
    EXPECT_EQ(At(l, 1, 0, 76),
              "  Sample ID:    12        Report Date:06-15-2023  Sampled:06-15-2023 at 0930");
    multiMixDate = 0;
    EXPECT_EQ(At(Indicators(), 1, 38, 10), "07-04-2024");
}

TEST_F(SourcePageTest, RowsWithoutAFigureShowNotApplicable) {
    const ReportLayout chem = Chemistry();
    EXPECT_EQ(At(chem, 23, 4, 16), "Acidity         ");
    for (int k = 0; k < 3; ++k) EXPECT_EQ(At(chem, 23, 24 + 8 * k, 7), "    N/A");
    EXPECT_EQ(At(chem, 26, 24, 7), "  118.0");  // OH: slot 28 less slots 13 and 14
    const ReportLayout values = Indicators();
    EXPECT_EQ(At(values, 56, 24, 7), "    N/A");  // a solver that found no answer
    EXPECT_EQ(At(values, 51, 4, 15), "Calcite (CaCO3)");

    phControlSettings.phControlMethod = 3;
    const ReportLayout both = Chemistry();
    EXPECT_EQ(At(both, 48, 2, 10), "pH CONTROL");
    for (int line : {49, 50})
        for (int k = 0; k < 3; ++k) EXPECT_EQ(At(both, line, 24 + 8 * k, 7), "    N/A") << line;
    EXPECT_EQ(At(both, 52, 2, 25), "CORROSION RATE PREDICTION");
}

TEST_F(SourcePageTest, DosesAndTheBlocksAfterTheParameters) {
    // Without pH control or a product: the corrosion heading on line 48.
    ReportLayout l = Chemistry();
    EXPECT_EQ(At(l, 48, 2, 25), "CORROSION RATE PREDICTION");
    EXPECT_EQ(At(l, 49, 4, 19), "CO2-H2S Rate(mpy)  ");
    EXPECT_EQ(At(l, 49, 24, 7), "   1.50");
    EXPECT_EQ(l.NamedLine(LayoutLine::kBandBottom), 49);

    phControlSettings.phControlMethod = 1;
    resultStatus.productSelected = 1;
    std::snprintf(productTable.records[0].name, 20, "PHOSBA");
    for (int k = 0; k < 3; ++k) doseState.multiMix[k].limitStatus = static_cast<int16_t>(k + 1);
    l = Chemistry();
    EXPECT_EQ(At(l, 48, 2, 10), "pH CONTROL");
    EXPECT_EQ(At(l, 49, 4, 13), "Sulfuric Acid");
    EXPECT_EQ(At(l, 51, 2, 6), "DOSAGE");
    EXPECT_EQ(At(l, 52, 4, 6), "PHOSBA");
    EXPECT_EQ(At(l, 54, 2, 25), "CORROSION RATE PREDICTION");
    EXPECT_EQ(At(l, 55, 24, 7), "   1.50");
    const win::COLORREF colours[] = {win::RGB(42, 0, 42), win::RGB(42, 0, 0), win::RGB(42, 0, 42)};
    for (int k = 0; k < 3; ++k) {
        const LayoutItem* dose = ItemAt(l, 52, 24 + 8 * k);
        ASSERT_NE(dose, nullptr);
        EXPECT_EQ(dose->text.front(), '[');
        EXPECT_EQ(dose->text.size(), 7u);
        EXPECT_EQ(dose->colour, colours[k]) << k;
    }
    doseState.multiMix[0].limitStatus = 4;
    doseState.multiMix[1].limitStatus = 0;
    l = Chemistry();
    EXPECT_EQ(ItemAt(l, 52, 24)->colour, kLayoutBlack);
    EXPECT_EQ(ItemAt(l, 52, 24)->text.front(), '[');
    EXPECT_EQ(ItemAt(l, 52, 32)->text, "   3.25");
    mainWindowState.dataVersion = 199;  // no dosage block
    EXPECT_EQ(At(Chemistry(), 51, 2, 25), "CORROSION RATE PREDICTION");
}

}  // namespace
