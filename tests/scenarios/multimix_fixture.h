// The multi-mix blend on the global records: every record reset between cases,
// scripted message boxes, and either the chemistry engine itself or a stand-in
// that records how the blend sets up each engine pass and each dose.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/carbonate/carbonate_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/speciation_records.h"
#include "graphs/records.h"
#include "scenarios/frame/driver_services.h"
#include "scenarios/frame/engine_port.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/multimix/multimix.h"
#include "scenarios/multimix/multimix_records.h"
#include "scenarios/frame/whatif_records.h"
#include "tests/engine/pipeline/pipeline_fixture.h"

namespace multimix_test {

namespace E = AnalysisElement;

struct ShownBox {
    std::string text;
    std::string caption;
};
inline std::vector<ShownBox> shown;
inline int answer = win::IDNO;

inline int ScriptedBox(win::HWND, const char* text, const char* caption, win::UINT style) {
    shown.push_back({text, caption});
    return (style & win::MB_TYPEMASK) == win::MB_YESNO ? answer : win::IDOK;
}

// What the stand-in engine saw at each run.
struct EngineCall {
    WaterAnalysis working;
    CarbonateState carbonate;
    uint16_t calcPassMode;
    uint16_t balanceHold;
    uint32_t phBalanceSwitch;
};
inline std::vector<EngineCall> engineCalls;

// An engine that computes nothing: it reports the bicarbonate and carbonate it
// is given as its results (slots 27 and 29) and leaves the pH as it is.
inline void StandInEngine() {
    engineCalls.push_back(
        {currentAnalysis, carbonateState, calcPassMode, balanceHold, phBalanceSwitch});
    SaturationResults[27] = currentAnalysis.values[E::kBicarbonate];
    SaturationResults[29] = currentAnalysis.values[E::kCarbonate];
}

// What the stand-in dose saw, and the phosphate dose it gives on its next calls.
struct DoseCall {
    DoseContext inputs;
    float temperature;
    float limits[7];
    float time;
};
inline std::vector<DoseCall> doseCalls;
inline std::vector<float> phosphateDoses;  // one per call; 0 when the list is used up

inline int16_t StandInDose(DoseContext* inputs, float temperature, const float* limits, float time,
                           float* productDose) {
    DoseCall call{*inputs, temperature, {}, time};
    for (int i = 0; i < 7; ++i) call.limits[i] = limits[i];
    const size_t n = doseCalls.size();
    doseCalls.push_back(call);
    const float phosphate = n < phosphateDoses.size() ? phosphateDoses[n] : 0.0f;
    inputs->value[DoseInput::kIngredient1] = phosphate;
    *productDose = 10.0f * phosphate + 5.0f;
    return 1;
}

// A source water as its calculation would have left it: pH, bicarbonate,
// carbonate and dissolved CO2 (mg/L), with textbook carbonate constants at
// 25 C (K1 = 10^-6.35, K2 = 10^-10.33, Kw = 1e-14, activity coefficients 1).
inline void Source(int j, float weight, float ph, float hco3, float co3, float co2) {
    MultiMixState& m = multiMixState;
    m.lastWaterIndex = std::max(m.lastWaterIndex, j);
    m.multiMixEntered[j] = 1;
    m.weightPercent[j] = weight;
    float* v = m.sourceWaters[j].values;
    v[E::kPh] = ph;
    v[E::kBicarbonate] = hco3;
    v[E::kCarbonate] = co3;
    v[E::kAcidity] = co2;
    v[E::kTemperature] = 25.0f;
    v[E::kPressure] = 1.0f;
    WaterCarbonate& c = CarbonateSnapshot.multiMix[j];
    c.constants.k1 = 4.4668e-7f;
    c.constants.k2 = 4.6774e-11f;
    c.constants.kw = 1e-14f;
    c.constants.gammaH = 1.0f;
    c.constants.gammaOH = 1.0f;
    c.hco3 = hco3;
    c.co3 = co3;
    c.dissolvedCo2 = co2;
}

// The records a refused or aborted blend must leave as they were, and the
// carbonate state and switch it must put back.
struct BlendSnapshot {
    MultiMixState state = multiMixState;
    MultiMixBlend blend = multiMixBlend;
    WaterAnalysis mixed = mixedWater;
    WaterAnalysis working = currentAnalysis;
    CarbonateState carbonate = carbonateState;
    uint32_t balanceSwitch = phBalanceSwitch;

    // Runs the blend, which must show exactly one box with `text` and change nothing.
    void ExpectRefusedWith(const char* text) const {
        MixWaters(1, nullptr);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, text);
        EXPECT_EQ(shown[0].caption, "WARNING");
        EXPECT_TRUE(engineCalls.empty());
        EXPECT_EQ(std::memcmp(&state, &multiMixState, sizeof state), 0);
        EXPECT_EQ(std::memcmp(&blend, &multiMixBlend, sizeof blend), 0);
        EXPECT_EQ(std::memcmp(&mixed, &mixedWater, sizeof mixed), 0);
        EXPECT_EQ(std::memcmp(&working, &currentAnalysis, sizeof working), 0);
        EXPECT_EQ(std::memcmp(&carbonate, &carbonateState, sizeof carbonate), 0);
        EXPECT_EQ(balanceSwitch, phBalanceSwitch);
    }
};

class MultiMixTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pipeline_test::ResetWorld();
        pipeline_test::UseMgPerLitre();
        ResetMixingProfileRecords();
        ResetScenarioRecords();
        ResetGraphsRecords();
        shown.clear();
        answer = win::IDNO;
        engineCalls.clear();
        doseCalls.clear();
        phosphateDoses.clear();
        InstallDriverServices({ScriptedBox, nullptr, nullptr});
    }
    void TearDown() override {
        ResetDriverServices();
        ResetScenarioEngine();
        pipeline_test::ResetWorld();
    }

    static void UseStandInEngine() { InstallScenarioEngine({StandInEngine, nullptr, StandInDose, nullptr, nullptr}); }
};

}  // namespace multimix_test
