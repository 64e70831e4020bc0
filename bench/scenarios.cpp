// The single-water what-if drivers on sea water: each profile and each grid,
// computed afresh on every iteration (the done flag cleared), with the whole
// engine and no progress window. A profile is seven points of two or three
// engine passes, a grid 49 cells of two or three.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "engine/records.h"
#include "input/records.h"
#include "scenarios/profiles/profiles.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/whatif_setup.h"

namespace {

bool PrepareSeaWater(benchmark::State& state) {
    const std::string path = std::string(TARVEX_SOURCE_DIR) + "/data/samples/seawater.wat";
    if (PrepareSurfaceWater(path.c_str(), stderr) != kExitOk) {
        state.SkipWithError("sample water not readable");
        return false;
    }
    whatIfOptions = WhatIfOptions{};
    return true;
}

void Profile(benchmark::State& state, void (*driver)(win::HWND), uint16_t ResultStatus::*done,
             uint16_t varyPco2) {
    if (!PrepareSeaWater(state)) return;
    whatIfOptions.varyPco2 = varyPco2;
    for (auto _ : state) {
        resultStatus.*done = 0;
        driver(nullptr);
        benchmark::DoNotOptimize(currentAnalysis.values[0]);
    }
}

void Grid(benchmark::State& state, void (*driver)(uint16_t), uint16_t varyPco2) {
    if (!PrepareSeaWater(state)) return;
    whatIfOptions.varyPco2 = varyPco2;
    for (auto _ : state) {
        resultStatus.gridDone = resultStatus.gridDone2 = 0;
        driver(0);
        benchmark::DoNotOptimize(currentAnalysis.values[0]);
    }
}

}  // namespace

BENCHMARK_CAPTURE(Profile, temperature, CalcTempProfile, &ResultStatus::tempProfileDone, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Profile, ph, CalcpHProfile, &ResultStatus::phProfileDone, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Profile, pco2, CalcpHProfile, &ResultStatus::phProfileDone, 1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Profile, pressure, CalcPressProfile, &ResultStatus::pressureProfileDone, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Grid, ph, CalcGridpHTemp, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Grid, pco2, CalcGridpHTemp, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Grid, pressure, CalcGridPressTemp, 0)->Unit(benchmark::kMillisecond);
