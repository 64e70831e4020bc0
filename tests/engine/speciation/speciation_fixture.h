// Standard sea water (the reference composition at salinity 35, 25 C, pH 8.1) on
// the engine's global records, ready for CalcEquilibrium.
#pragma once

#include <gtest/gtest.h>

#include "engine/speciation/calc_equilibrium.h"
#include "tests/engine/engine_world.h"

class SeaWaterTest : public ::testing::Test {
  protected:
    static void ResetAll() { test_world::ResetEngineWorld(); }
    void SetUp() override {
        namespace E = AnalysisElement;
        ResetAll();
        unitCodes.code[UnitItem::kTemperature] = TemperatureUnit::kCelsius;
        unitCodes.code[UnitItem::kPressure] = PressureUnit::kAtm;
        float* v = currentAnalysis.values;
        v[E::kPh] = 8.1f;
        v[E::kTemperature] = 25.0f;
        v[E::kPressure] = 1.0f;
        v[E::kSodium] = 10760.0f;
        v[E::kPotassium] = 399.0f;
        v[E::kCalcium] = 412.0f;
        v[E::kMagnesium] = 1290.0f;
        v[E::kStrontium] = 7.9f;
        v[E::kChloride] = 19350.0f;
        v[E::kSulfate] = 2710.0f;
        v[E::kBromine] = 67.0f;
        v[E::kFluoride] = 1.3f;
        v[E::kBoron] = 4.5f;
        v[E::kMAlkalinity] = 140.0f;  // bicarbonate as the ion
        v[E::kReportingMode] = 2.0f;
        v[E::kAlkalinityMode] = 2.0f;
        calcPassMode = 1;
        referencePh = 8.1;
    }
    void TearDown() override { ResetAll(); }
};
