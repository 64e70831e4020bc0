// One speciation of each bundled sample water: the whole CalcEquilibrium (input
// stage, constants and the speciation iteration) of a water read once.
#include "engine/speciation/speciation.h"

#include <benchmark/benchmark.h>

#include <string>

#include "common/unit_codes.h"
#include "engine/speciation/calc_equilibrium.h"
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "engine/speciation/speciation_records.h"
#include "tools/engine_harness/water_file.h"

namespace {

void SpeciateSample(benchmark::State& state, const char* name) {
    WaterFileData data{};
    const std::string path = std::string(TARVEX_SOURCE_DIR) + "/data/samples/" + name;
    if (!ReadWaterFile(path, data).ok) {
        state.SkipWithError("sample water not readable");
        return;
    }
    const WaterAnalysis water = [&] {
        WaterAnalysis w = data.analysis;
        w.values[AnalysisElement::kReportingMode] = static_cast<float>(data.reportingMode);
        w.values[AnalysisElement::kAlkalinityMode] = static_cast<float>(data.alkalinityMode);
        return w;
    }();
    unitCodes = data.units;
    for (auto _ : state) {
        currentAnalysis = water;
        calcPassMode = 1;
        referencePh = water.values[AnalysisElement::kPh];
        CalcEquilibrium();
        benchmark::DoNotOptimize(speciation.ionicStrength);
    }
    state.counters["passes"] = speciation.passCount;
}

}  // namespace

BENCHMARK_CAPTURE(SpeciateSample, seawater, "seawater.wat");
BENCHMARK_CAPTURE(SpeciateSample, formation, "formation.wat");
BENCHMARK_CAPTURE(SpeciateSample, fresh, "fresh.wat");
