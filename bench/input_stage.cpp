// Speed of the first stage of the equilibrium calculation on sea water: a pass at a
// temperature whose constants are kept, the usual alternation of the 25 C reference
// pass with the water's own temperature, and a new temperature on every call.
#include <benchmark/benchmark.h>

#include "engine/speciation/calc_equilibrium.h"
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"

namespace {

void SeaWater() {
    ResetEngineRecords();
    ResetInputsRecords();
    unitCodes.code[UnitItem::kTemperature] = TemperatureUnit::kCelsius;
    float* v = currentAnalysis.values;
    v[AnalysisElement::kPh] = 8.1f;
    v[AnalysisElement::kTemperature] = 60.0f;
    v[AnalysisElement::kPressure] = 20.0f;
    v[AnalysisElement::kSodium] = 10760.0f;
    v[AnalysisElement::kPotassium] = 399.0f;
    v[AnalysisElement::kCalcium] = 412.0f;
    v[AnalysisElement::kMagnesium] = 1290.0f;
    v[AnalysisElement::kStrontium] = 7.9f;
    v[AnalysisElement::kChloride] = 19350.0f;
    v[AnalysisElement::kSulfate] = 2710.0f;
    v[AnalysisElement::kMAlkalinity] = 140.0f;
    v[AnalysisElement::kPco2] = 0.0004f;
    v[AnalysisElement::kReportingMode] = 2.0f;
    v[AnalysisElement::kAlkalinityMode] = 2.0f;
    calcPassMode = 1;
    referencePh = 8.1;
}

void BM_InputStageSameTemperature(benchmark::State& state) {
    SeaWater();
    for (auto _ : state) {
        CalcEquilibrium();
        benchmark::DoNotOptimize(reactionK[12]);
    }
}
BENCHMARK(BM_InputStageSameTemperature);

void BM_InputStageReferenceThenWater(benchmark::State& state) {
    SeaWater();
    for (auto _ : state) {
        calcPassMode = 0;
        CalcEquilibrium();
        calcPassMode = 1;
        CalcEquilibrium();
        benchmark::DoNotOptimize(reactionK[12]);
    }
}
BENCHMARK(BM_InputStageReferenceThenWater);

void BM_InputStageNewTemperature(benchmark::State& state) {
    SeaWater();
    float t = 30.0f;
    for (auto _ : state) {
        t = t > 90.0f ? 30.0f : t + 0.37f;
        currentAnalysis.values[AnalysisElement::kTemperature] = t;
        CalcEquilibrium();
        benchmark::DoNotOptimize(reactionK[12]);
    }
}
BENCHMARK(BM_InputStageNewTemperature);

}  // namespace
