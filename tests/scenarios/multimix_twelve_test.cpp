// Twelve source waters through the whole chemistry engine and the blend: every
// water calculated as the multi-mix input does, then blended by their brine
// flows. The test binary runs under the address and undefined-behaviour
// sanitizers, which catch a write past the twelve stored result rows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "engine/pipeline/calc_water_analysis.h"
#include "shell/records.h"
#include "tests/scenarios/multimix_fixture.h"

namespace multimix_test {
namespace {

// Sea water and a sour brine in turn, each a little harder than the one before,
// with brine flows 100, 200, ... bbl/day at unit density.
void EnterTwelveWaters() {
    MultiMixState& m = multiMixState;
    for (int j = 0; j < kMultiMixWaterCount; ++j) {
        WaterAnalysis w = j % 2 == 0 ? pipeline_test::SeaWater() : pipeline_test::SourBrine();
        w.values[E::kCalcium] *= 1.0f + 0.05f * j;
        w.values[E::kDensity] = 1.0f;
        w.values[E::kBrineFlow] = 100.0f * (j + 1);
        m.sourceWaters[j] = w;
        m.residenceTime[j][ResidenceForm::kSeconds] = 60.0f * (j + 1);
        m.lastWaterIndex = j;
        m.editIndex = j;
        mainWindowState.currentWater = WaterSelector::kMultiMixSource;
        CalcWaterAnalysis(0, nullptr);
    }
}

TEST_F(MultiMixTest, TwelveWatersBlendByTheirFlowsIntoTheBlendsOwnRecord) {
    EnterTwelveWaters();
    const WaterResultsRecord sourceResults = WaterResults;
    WaterAnalysis sources[kMultiMixWaterCount];
    for (int j = 0; j < kMultiMixWaterCount; ++j) sources[j] = multiMixState.sourceWaters[j];

    MixWaters(1, nullptr);

    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(multiMixState.multiMixDone, 1u);
    EXPECT_EQ(multiMixBlend.mixColumnCount, 12);
    // Flows 100 to 1200 sum to 7800: water j weighs (j + 1) / 78.
    double sum = 0.0, chloride = 0.0, calcium = 0.0;
    for (int j = 0; j < kMultiMixWaterCount; ++j) {
        EXPECT_NEAR(multiMixState.weightPercent[j], 100.0 * (j + 1) / 78.0, 1e-4) << j;
        sum += multiMixState.weightPercent[j];
        chloride += (j + 1) / 78.0 * sources[j].values[E::kChloride];
        calcium += (j + 1) / 78.0 * sources[j].values[E::kCalcium];
    }
    EXPECT_NEAR(sum, 100.0, 1e-4);
    // Mass balance of the conservative ions.
    EXPECT_NEAR(mixedWater.values[E::kChloride], chloride, chloride * 1e-5);
    EXPECT_NEAR(mixedWater.values[E::kCalcium], calcium, calcium * 1e-5);

    // The source waters' own result rows are untouched; the blend's bicarbonate
    // and carbonate went to its own row.
    EXPECT_EQ(std::memcmp(&sourceResults, &WaterResults, sizeof sourceResults), 0);
    EXPECT_EQ(multiMixBlend.blendWaterResults[27], multiMixBlend.blendResults[27]);
    EXPECT_EQ(multiMixBlend.blendWaterResults[8], multiMixBlend.blendResults[29]);

    // A blend of waters between pH 5.5 and 8.1 lies between them.
    const float ph = mixedWater.values[E::kPh];
    EXPECT_GT(ph, 5.0f);
    EXPECT_LT(ph, 8.5f);
    for (float r : corrosionRates.mixed) EXPECT_TRUE(std::isfinite(r));
    EXPECT_GT(multiMixBlend.blendResults[IndexCode::kCalcite], 0.0f);
}

}  // namespace
}  // namespace multimix_test
