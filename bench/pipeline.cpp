// The single-water pipeline on each bundled sample: one CalcEquilibrium as the
// pipeline runs it (a reference pass, then a results pass on the species it
// derived), and the whole CalcWaterAnalysis with the target solvers off and on;
// the "mean" rows time one run of each bundled water in turn and report the mean
// CPU time per water.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>

#include "engine/inputs/inputs_records.h"
#include "engine/pipeline/calc_water_analysis.h"
#include "engine/pipeline/engine_state_copy.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/calc_equilibrium.h"
#include "engine/speciation/speciation_records.h"
#include "input/records.h"
#include "input/residence_records.h"
#include "input/unit_factor_table.h"
#include "pages/records.h"
#include "shell/records.h"
#include "tools/engine_harness/water_file.h"

namespace {

bool LoadSample(benchmark::State& state, const char* name) {
    WaterFileData data{};
    const std::string path = std::string(TARVEX_SOURCE_DIR) + "/data/samples/" + name;
    if (!ReadWaterFile(path, data).ok) {
        state.SkipWithError("sample water not readable");
        return false;
    }
    InitUnitFactors();
    unitCodes = data.units;
    reportingMode = data.reportingMode;
    alkalinityMode = data.alkalinityMode;
    surfaceWater = data.analysis;
    entryTemperature = data.analysis.values[AnalysisElement::kTemperature];
    currentResidenceTime = residenceTimeAtSelect = 180.0f;
    waterResidenceSeconds[ResidenceWater::kSurface] = 180.0f;
    mainWindowState.currentWater = 0;
    resultStatus.runTargetSolvers = 0;
    return true;
}

// One CalcEquilibrium at the water's own conditions, after the water's reference
// pass, as the pipeline's results passes run it.
void Equilibrium(benchmark::State& state, const char* name) {
    if (!LoadSample(state, name)) return;
    CalcWaterAnalysis(0, nullptr);
    const WaterAnalysis water = currentAnalysis;
    for (auto _ : state) {
        currentAnalysis = water;
        CalcEquilibrium();
        benchmark::DoNotOptimize(SaturationResults[0]);
    }
    state.counters["passes"] = speciation.passCount;
}

void WaterAnalysisRun(benchmark::State& state, const char* name, bool solvers) {
    if (!LoadSample(state, name)) return;
    resultStatus.runTargetSolvers = solvers ? 1 : 0;
    const WaterAnalysis stored = surfaceWater;
    for (auto _ : state) {
        surfaceWater = stored;
        CalcWaterAnalysis(0, nullptr);
        benchmark::DoNotOptimize(SaturationResults[0]);
    }
}

void WaterAnalysisWithoutSolvers(benchmark::State& state, const char* name) {
    WaterAnalysisRun(state, name, false);
}
void WaterAnalysisWithSolvers(benchmark::State& state, const char* name) {
    WaterAnalysisRun(state, name, true);
}

const char* const kSamples[] = {"seawater.wat", "formation.wat", "fresh.wat",
                                "sour_production.wat"};
constexpr int kSampleCount = 4;

// The mean rows time each water on the thread's CPU clock, as the other rows'
// CPU column does: on a shared machine the wall clock also counts the time other
// work held the core. Reading that clock is a system call of a fraction of a
// microsecond; the least an empty interval took is taken off every interval.
struct Clock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<Clock, duration>;
    static time_point now() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return time_point(duration(static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec));
    }
};

Clock::duration EmptyInterval() {
    Clock::duration least = Clock::duration::max();
    for (int i = 0; i < 1000; ++i) {
        const auto start = Clock::now();
        least = std::min(least, Clock::now() - start);
    }
    return least;
}

// One CalcEquilibrium of each water in turn, each from the engine state its own
// pipeline run left (put back outside the timing).
void EquilibriumMean(benchmark::State& state) {
    // The engine state and what the pipeline keeps beside it for the water's later
    // passes (its reference carbonate and dissolved CO2), so that no water runs on
    // the carbonate of the water prepared last.
    struct Prepared {
        EngineStateCopy engine;
        UnitCodes units;
        uint16_t reporting, alkalinity;
        float h2co3, hco3, co3, dissolvedCo2;
        WaterAnalysis surface;
        float entryTemperature;
    };
    auto prepared = std::make_unique<Prepared[]>(kSampleCount);
    for (int w = 0; w < kSampleCount; ++w) {
        if (!LoadSample(state, kSamples[w])) return;
        CalcWaterAnalysis(0, nullptr);
        SaveEngineState(prepared[w].engine);
        prepared[w].units = unitCodes;
        prepared[w].reporting = reportingMode;
        prepared[w].alkalinity = alkalinityMode;
        prepared[w].h2co3 = referenceH2CO3;
        prepared[w].hco3 = referenceHCO3;
        prepared[w].co3 = referenceCO3;
        prepared[w].dissolvedCo2 = referenceDissolvedCo2;
        prepared[w].surface = surfaceWater;
        prepared[w].entryTemperature = entryTemperature;
    }
    int passes[kSampleCount] = {};
    const Clock::duration empty = EmptyInterval();
    for (auto _ : state) {
        Clock::duration total{};
        for (int w = 0; w < kSampleCount; ++w) {
            RestoreEngineState(prepared[w].engine);
            unitCodes = prepared[w].units;
            reportingMode = prepared[w].reporting;
            alkalinityMode = prepared[w].alkalinity;
            referenceH2CO3 = prepared[w].h2co3;
            referenceHCO3 = prepared[w].hco3;
            referenceCO3 = prepared[w].co3;
            referenceDissolvedCo2 = prepared[w].dissolvedCo2;
            surfaceWater = prepared[w].surface;
            entryTemperature = prepared[w].entryTemperature;
            const auto start = Clock::now();
            CalcEquilibrium();
            total += Clock::now() - start - empty;
            passes[w] = speciation.passCount;
            benchmark::DoNotOptimize(SaturationResults[0]);
        }
        state.SetIterationTime(std::chrono::duration<double>(total).count() / kSampleCount);
    }
    int most = 0;
    for (int p : passes) most = std::max(most, p);
    state.counters["passes"] = most;
}

// One CalcWaterAnalysis of each water in turn (solvers on or off).
void WaterAnalysisMean(benchmark::State& state, bool solvers) {
    const Clock::duration empty = EmptyInterval();
    for (auto _ : state) {
        Clock::duration total{};
        for (int w = 0; w < kSampleCount; ++w) {
            if (!LoadSample(state, kSamples[w])) return;
            resultStatus.runTargetSolvers = solvers ? 1 : 0;
            const auto start = Clock::now();
            CalcWaterAnalysis(0, nullptr);
            total += Clock::now() - start - empty;
            benchmark::DoNotOptimize(SaturationResults[0]);
        }
        state.SetIterationTime(std::chrono::duration<double>(total).count() / kSampleCount);
    }
}

}  // namespace

#define PIPELINE_SAMPLE(tag, file)                             \
    BENCHMARK_CAPTURE(Equilibrium, tag, file);                 \
    BENCHMARK_CAPTURE(WaterAnalysisWithoutSolvers, tag, file); \
    BENCHMARK_CAPTURE(WaterAnalysisWithSolvers, tag, file)->Unit(benchmark::kMicrosecond)

PIPELINE_SAMPLE(seawater, "seawater.wat");
PIPELINE_SAMPLE(formation, "formation.wat");
PIPELINE_SAMPLE(fresh, "fresh.wat");
PIPELINE_SAMPLE(sour_production, "sour_production.wat");

BENCHMARK(EquilibriumMean)->Name("Equilibrium/mean")->UseManualTime();
BENCHMARK_CAPTURE(WaterAnalysisMean, without_solvers, false)
    ->Name("WaterAnalysisWithoutSolvers/mean")
    ->UseManualTime();
BENCHMARK_CAPTURE(WaterAnalysisMean, with_solvers, true)
    ->Name("WaterAnalysisWithSolvers/mean")
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
