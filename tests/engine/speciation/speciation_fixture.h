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
        test_world::FillSeaWater(v);
        v[E::kReportingMode] = 2.0f;
        v[E::kAlkalinityMode] = 2.0f;
        calcPassMode = 1;
        referencePh = 8.1;
    }
    void TearDown() override { ResetAll(); }
};
