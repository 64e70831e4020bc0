// Electroneutrality balancing of a stored water: which ion the engine's finding
// names, and the balancing that the full calculation applies once.
#include <cmath>

#include "engine/balancing/balancing.h"
#include "tests/engine/pipeline/pipeline_fixture.h"

namespace pipeline_test {
namespace {

namespace E = AnalysisElement;

TEST(BalancingElement, NamesTheChosenIonOfTheShortSide) {
    struct Case {
        uint16_t cationChoice, anionChoice, cationAdded, anionAdded;
        int element;
    };
    const Case cases[] = {
        {0, 0, 0, 1, E::kSulfate},
        {0, 1, 0, 1, E::kChloride},
        {0, 2, 0, 1, E::kNitrate},
        {0, 3, 0, 1, -1},
        {0, 0xFFFF, 0, 1, -1},
        {0, 0, 1, 0, E::kSodium},
        {1, 0, 1, 0, E::kPotassium},
        {2, 0, 1, 0, -1},
        {0, 0, 0, 0, -1},
        // Both sides short (a water without ions): the anion choice decides, and a
        // missing anion choice does not fall back to the cation.
        {1, 1, 1, 1, E::kChloride},
        {1, 3, 1, 1, -1},
    };
    for (const Case& c : cases) {
        const BalancingSettings s{c.cationChoice, c.anionChoice};
        EXPECT_EQ(BalancingElement(s, c.cationAdded, c.anionAdded), c.element)
            << c.cationChoice << " " << c.anionChoice << " " << c.cationAdded << c.anionAdded;
    }
}

TEST(ApplyBalancing, AddsToTheWorkingWaterAndCopiesIntoTheStoredOne) {
    WaterAnalysis working{}, stored{};
    working.values[E::kChloride] = 100.0f;
    stored.values[E::kChloride] = 90.0f;  // the engine may have rewritten the working copy
    const BalancingSettings chloride{0, BalanceAnion::kChloride};
    EXPECT_EQ(ApplyBalancing(chloride, 0, 1, 25.0f, working, &stored), E::kChloride);
    EXPECT_FLOAT_EQ(working.values[E::kChloride], 125.0f);
    EXPECT_FLOAT_EQ(stored.values[E::kChloride], 125.0f);

    // The mixed water has no stored record: only the working analysis changes.
    EXPECT_EQ(ApplyBalancing(chloride, 0, 1, 25.0f, working, nullptr), E::kChloride);
    EXPECT_FLOAT_EQ(working.values[E::kChloride], 150.0f);
}

// 100 meq/L of sodium chloride with 20 meq/L of calcium more: 20 % more cations than
// anions, no carbonate.
WaterAnalysis CationRichWater() {
    WaterAnalysis w{};
    float* v = w.values;
    v[E::kPh] = 7.0f;
    v[E::kTemperature] = 25.0f;
    v[E::kPressure] = 1.0f;
    v[E::kSodium] = 2298.98f;   // 100 meq/L x 22.9898
    v[E::kChloride] = 3545.3f;  // 100 meq/L x 35.453
    v[E::kCalcium] = 400.8f;    // 20 meq/L x 20.04
    return w;
}

TEST_F(PipelineTest, ACationExcessGainsTheChosenAnionOnceInTheStoredWater) {
    balancingSettings.anionBalanceIon = BalanceAnion::kChloride;
    Enter(WaterSelector::kSurface, CationRichWater());
    CalcWaterAnalysisWith(0, CountedEngine);

    // The missing 20 meq/L of anion as chloride: 20 x 35.453 = 709.06 mg/L. Ion pairs
    // do not change the difference of the charge sums; H+ and OH- at pH 7 do not
    // count at this scale.
    const float chloride = surfaceWater.values[E::kChloride];
    EXPECT_NEAR(chloride - 3545.3f, 709.06f, 709.06f * 0.005f);
    EXPECT_FLOAT_EQ(surfaceWater.values[E::kSodium], 2298.98f);
    EXPECT_FLOAT_EQ(surfaceWater.values[E::kSulfate], 0.0f);
    // The balanced water's cation to anion ratio.
    EXPECT_NEAR(SaturationResults[33], 1.0f, 0.01f);

    // The second calculation finds the water balanced and leaves the chloride alone.
    CalcWaterAnalysisWith(0, CountedEngine);
    EXPECT_EQ(surfaceWater.values[E::kChloride], chloride);
}

TEST_F(PipelineTest, NoIonChosenLeavesTheWaterUnbalanced) {
    balancingSettings.anionBalanceIon = 3;
    const WaterAnalysis entered = CationRichWater();
    Enter(WaterSelector::kSurface, entered);
    CalcWaterAnalysisWith(0, CountedEngine);
    const WaterResultsRecord first = WaterResults;
    for (int e : {E::kChloride, E::kSulfate, E::kNitrate, E::kSodium, E::kPotassium})
        EXPECT_EQ(surfaceWater.values[e], entered.values[e]) << e;
    EXPECT_NEAR(SaturationResults[33], 1.2f, 0.01f);

    CalcWaterAnalysisWith(0, CountedEngine);
    EXPECT_EQ(std::memcmp(&first, &WaterResults, sizeof first), 0);
}

TEST_F(PipelineTest, TheMixedWaterIsBalancedOnlyInTheWorkingAnalysis) {
    balancingSettings.anionBalanceIon = BalanceAnion::kSulfate;
    const WaterAnalysis surface = SeaWater();
    surfaceWater = surface;
    mainWindowState.currentWater = WaterSelector::kMixed;
    currentAnalysis = CationRichWater();
    CalcWaterAnalysisWith(0, CountedEngine);

    // 20 meq/L as sulfate: 20 x 96.0616 / 2 = 960.6 mg/L.
    EXPECT_NEAR(currentAnalysis.values[E::kSulfate], 960.6f, 960.6f * 0.005f);
    EXPECT_EQ(std::memcmp(&surfaceWater, &surface, sizeof surface), 0);
    EXPECT_EQ(resultStatus.surfaceEntered, 0);
}

}  // namespace
}  // namespace pipeline_test
