// The temperature profile on the whole chemistry engine: sea water computed as
// an entered water, then profiled from 25 to 85 degrees C. The engine runs
// exactly twice per point, and the results follow what is known of sea water.
#include <gtest/gtest.h>

#include "engine/pipeline/calc_water_analysis.h"
#include "engine/pipeline/run_calculations.h"
#include "tests/scenarios/driver_fixture.h"

namespace driver_test {
namespace {

int wholeEngineRuns = 0;
void CountedRunCalculations() {
    ++wholeEngineRuns;
    RunCalculations();
}

class WholeEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetWorld();
        wholeEngineRuns = 0;
        InstallScenarioEngine({CountedRunCalculations, nullptr, nullptr, nullptr, nullptr});
        script = Script{};
        InstallDriverServices({ScriptedBox, ScriptedClock, nullptr});
        test_world::UseMgPerLitre();
        // Standard sea water (salinity 35), mg/L, bicarbonate as the ion.
        float* v = surfaceWater.values;
        v[AE::kPh] = 8.1f;
        v[AE::kTemperature] = 25.0f;
        v[AE::kPressure] = 1.0f;
        v[AE::kSodium] = 10760.0f;
        v[AE::kPotassium] = 399.0f;
        v[AE::kCalcium] = 412.0f;
        v[AE::kMagnesium] = 1290.0f;
        v[AE::kStrontium] = 7.9f;
        v[AE::kChloride] = 19350.0f;
        v[AE::kSulfate] = 2710.0f;
        v[AE::kMAlkalinity] = 140.0f;
        v[AE::kAlkalinity] = 114.8f;
        entryTemperature = 25.0f;
        currentResidenceTime = residenceTimeAtSelect = 180.0f;
        waterResidenceSeconds[ResidenceWater::kSurface] = 180.0f;
        CalcWaterAnalysis(0, nullptr);
        wholeEngineRuns = 0;
    }
    void TearDown() override { ResetWorld(); }
};

TEST_F(WholeEngineTest, TemperatureProfileCostsTwoEnginePassesPerPoint) {
    whatIfSettings.temperatureLow = 25.0f;
    whatIfSettings.temperatureHigh = 85.0f;
    whatIfSettings.pco2Eval = surfaceWater.values[AE::kPco2];
    CalcTempProfile(nullptr);
    EXPECT_EQ(wholeEngineRuns, 2 * kProfilePoints);
    EXPECT_TRUE(script.boxes.empty());  // a plain water asks nothing

    const ProfileTable& t = whatIfResults.tempProfile;
    // Calcite's solubility falls as the water warms: its saturation ratio rises
    // point by point while the water's carbonate stays mostly free. Sea water is
    // supersaturated in calcite at 25 C (a ratio of about 4 to 6 in surface sea
    // water) and undersaturated in gypsum. Near 85 C the sodium carbonate pair
    // holds about a third of the same carbonate at the same pH, and the ratio
    // levels off, well above its value at 25 C.
    EXPECT_GT(t.results[0][IndexCode::kCalcite], 2.0f);
    EXPECT_LT(t.results[0][IndexCode::kCalcite], 10.0f);
    for (int k = 1; k < 5; ++k)
        EXPECT_GT(t.results[k][IndexCode::kCalcite], t.results[k - 1][IndexCode::kCalcite]) << k;
    for (int k = 5; k < kProfilePoints; ++k)
        EXPECT_GT(t.results[k][IndexCode::kCalcite], 1.5f * t.results[0][IndexCode::kCalcite]) << k;
    EXPECT_LT(t.results[6][IndexCode::kGypsum], 1.0f);
    for (int k = 0; k < kProfilePoints; ++k) {
        EXPECT_GT(t.corrosion[k][0], 0.0f) << k;
        EXPECT_EQ(t.analysis[k][AE::kTemperature], t.axis[k]);
    }
    // The surface water is back in the working analysis.
    EXPECT_EQ(currentAnalysis.values[AE::kCalcium], surfaceWater.values[AE::kCalcium]);
    EXPECT_EQ(currentAnalysis.values[AE::kTemperature], 25.0f);
}

}  // namespace
}  // namespace driver_test
