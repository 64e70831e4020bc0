// The waterflood mixing drivers on the scripted engine of the driver tests: two
// stored waters with what their calculations would have kept (textbook
// carbonate constants at 25 C), and the mixing records reset between cases.
#pragma once

#include <cmath>

#include "scenarios/mixing/mixing.h"
#include "scenarios/mixing/mixing_records.h"
#include "tests/scenarios/driver_fixture.h"

namespace mixing_test {

using namespace driver_test;

// Injection and formation waters that differ in every value the tests follow.
constexpr float kInjectionCalcium = 400.0f;
constexpr float kFormationCalcium = 1000.0f;
constexpr float kInjectionPh = 8.0f;
constexpr float kFormationPh = 6.0f;
constexpr float kInjectionTemperature = 20.0f;  // degrees C
constexpr float kFormationTemperature = 80.0f;

// Carbonic acid constants of dilute water at 25 C (K1 = 10^-6.35, K2 =
// 10^-10.33, Kw = 1e-14) with activity coefficients 1.
inline WaterCarbonate TextbookCarbonate(float hco3, float co3, float h2co3) {
    WaterCarbonate c{};
    c.constants.k1 = static_cast<float>(std::pow(10.0, -6.35));
    c.constants.k2 = static_cast<float>(std::pow(10.0, -10.33));
    c.constants.kw = 1e-14f;
    c.constants.gammaH = 1.0f;
    c.constants.gammaOH = 1.0f;
    c.hco3 = hco3;
    c.co3 = co3;
    c.h2co3 = h2co3;
    c.dissolvedCo2 = h2co3;
    return c;
}

inline WorldBytes TakeMixWorldBytes() {
    WorldBytes b = TakeWorldBytes();
    AppendBytes(b, mixProfileTables);
    AppendBytes(b, mixGridTables);
    AppendBytes(b, waterfloodMix);
    AppendBytes(b, mixPercent);
    AppendBytes(b, mixPointTable);
    AppendBytes(b, mixPointCount);
    AppendBytes(b, mixAlkalinityLabels);
    AppendBytes(b, mixDoseProduct);
    AppendBytes(b, mixDosesDone);
    AppendBytes(b, mixPhosphateProduct);
    AppendBytes(b, mixGridDosesDone);
    AppendBytes(b, gridPhosphateProduct);
    AppendBytes(b, injectionWater);
    AppendBytes(b, formationWater);
    AppendBytes(b, mixingZoneSettings);
    AppendBytes(b, graphChoice);
    AppendBytes(b, productAtLastCalc);
    AppendBytes(b, referenceHCO3);
    AppendBytes(b, dissolvedCO2Copy);
    return b;
}

// The two stored waters and the mixing range of every mixing driver test.
inline void PlantMixingWaters() {
    ResetMixingRecords();
    ResetMixingProfileRecords();
    float* inj = injectionWater.values;
    float* form = formationWater.values;
    inj[AE::kPh] = kInjectionPh;
    form[AE::kPh] = kFormationPh;
    inj[AE::kCalcium] = kInjectionCalcium;
    form[AE::kCalcium] = kFormationCalcium;
    inj[AE::kTemperature] = kInjectionTemperature;
    form[AE::kTemperature] = kFormationTemperature;
    inj[AE::kPressure] = 1.0f;
    form[AE::kPressure] = 3.0f;
    inj[AE::kH2S] = 2.0f;
    form[AE::kH2S] = 5.0f;
    inj[AE::kPhosphate] = 0.5f;
    form[AE::kPhosphate] = 1.5f;
    inj[AE::kBicarbonate] = 140.0f;
    form[AE::kBicarbonate] = 500.0f;
    inj[AE::kAcidity] = 2.0f;
    form[AE::kAcidity] = 250.0f;
    CarbonateSnapshot.injection = TextbookCarbonate(140.0f, 0.5f, 2.0f);
    CarbonateSnapshot.formation = TextbookCarbonate(500.0f, 0.0f, 250.0f);
    carbonateState = CarbonateSnapshot.formation.constants;
    mixingZoneSettings.mixLowPercent = 0.0f;
    mixingZoneSettings.mixHighPercent = 100.0f;
}

// The grids' ranges of the mixing grid tests: barite graphed, pH 6 to 8.4,
// 20 to 80 degrees, 0 to 60 % of the formation water, typically 25 %.
inline void PlantGridRanges() {
    graphChoice.count = 1;
    graphChoice.codes[0] = IndexCode::kBarite;
    graphRangeSettings.gridPhLow = 6.0f;
    graphRangeSettings.gridPhHigh = 8.4f;
    graphRangeSettings.gridTemperatureLow = 20.0f;
    graphRangeSettings.gridTemperatureHigh = 80.0f;
    mixingZoneSettings.gridMixLow = 0.0f;
    mixingZoneSettings.gridMixHigh = 60.0f;
    mixingZoneSettings.mixTypicalPercent = 25.0f;
}

class MixingTest : public DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        PlantMixingWaters();
    }
    void TearDown() override {
        ResetMixingRecords();
        ResetMixingProfileRecords();
        DriverTest::TearDown();
    }

    // The first engine pass of profile point k (two passes per point).
    static const Pass& FirstPassOf(int k) { return script.passes[2 * k]; }
    static const Pass& MainPassOf(int k) { return script.passes[2 * k + 1]; }
};

}  // namespace mixing_test
