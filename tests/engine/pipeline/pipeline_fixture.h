// The whole chemistry engine on its global records, reset between cases, with a
// counting stand-in for CalcEquilibrium and a few waters written out by hand.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "engine/speciation/calc_equilibrium.h"
#include "engine/pipeline/calc_water_analysis.h"
#include "engine/pipeline/run_calculations.h"
#include "tests/engine/engine_world.h"
#include "treatment/treatment_limits.h"

namespace pipeline_test {

inline int engineRuns = 0;

// CalcEquilibrium, counted.
inline void CountedEngine() {
    ++engineRuns;
    CalcEquilibrium();
}

using test_world::UseMgPerLitre;

inline void ResetWorld() {
    test_world::ResetEngineWorld();
    engineRuns = 0;
}

// Standard sea water (salinity 35) at 25 C and pH 8.1, mg/L.
inline WaterAnalysis SeaWater() {
    namespace E = AnalysisElement;
    WaterAnalysis w{};
    test_world::FillSeaWater(w.values);
    w.values[E::kAlkalinity] = 114.8f;  // as CaCO3
    w.values[E::kCompanionPh] = 0.0f;
    return w;
}

// A hot sour brine rich in barium and calcium with CO2 and H2S in its gas, mg/L.
inline WaterAnalysis SourBrine() {
    namespace E = AnalysisElement;
    WaterAnalysis w{};
    float* v = w.values;
    v[E::kPh] = 5.5f;
    v[E::kTemperature] = 60.0f;
    v[E::kPressure] = 20.0f;
    v[E::kPco2] = 2.0f;
    v[E::kPH2S] = 0.05f;
    v[E::kSodium] = 18500.0f;
    v[E::kPotassium] = 250.0f;
    v[E::kCalcium] = 2000.0f;
    v[E::kMagnesium] = 300.0f;
    v[E::kStrontium] = 150.0f;
    v[E::kBarium] = 40.0f;
    v[E::kIron] = 15.0f;
    v[E::kChloride] = 33000.0f;
    v[E::kSulfate] = 500.0f;
    v[E::kMAlkalinity] = 600.0f;
    v[E::kAlkalinity] = 492.1f;
    return w;
}

class PipelineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetWorld();
        UseMgPerLitre();
        currentResidenceTime = residenceTimeAtSelect = 180.0f;
        for (float& s : waterResidenceSeconds) s = 180.0f;
    }
    void TearDown() override { ResetWorld(); }

    // Stores a water as the input form does and makes it the current water.
    static void Enter(int32_t selector, const WaterAnalysis& water) {
        mainWindowState.currentWater = selector;
        switch (selector) {
            case WaterSelector::kInjection:
                injectionWater = water;
                break;
            case WaterSelector::kFormation:
                formationWater = water;
                break;
            default:
                surfaceWater = water;
                break;
        }
        entryTemperature = water.values[AnalysisElement::kTemperature];
    }
};

}  // namespace pipeline_test
