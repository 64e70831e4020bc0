// The records one run of a well-profile driver reads and writes, bound once by
// the entry point (BindWellContext) and handed to the working steps, and a view
// of one driver's table and run state.
#pragma once

#include <cstdint>
#include <span>

#include "common/result_status.h"
#include "common/water_analysis.h"
#include "common/whatif_settings.h"
#include "engine/dose_records.h"
#include "engine/pipeline_records.h"
#include "engine/unit_conversions.h"
#include "engine/water_results_records.h"
#include "platform/win_types.h"
#include "scenarios/driver_frame.h"
#include "scenarios/engine_port.h"
#include "scenarios/well_records.h"
#include "scenarios/well_stations.h"
#include "treatment/records.h"

// The three well drivers.
enum class WellKind { kWellLog, kFlash11, kFlash48 };

// What the engine leaves after a run that a station files.
struct WellEngineOutputs {
    float (&saturation)[kResultRowValues];       // SaturationResults
    const float (&excess)[kIndicatorRowValues];  // MomentaryExcess
    const float& dissolvedCO2Copy;               // mg/L as H2CO3
    const float& carbonateFigure;                // the results pass's acidity, mg/L as CaCO3
    float& acidDemand;
    float& alkaliDemand;
    uint16_t& calcPassMode;
    uint16_t& profileStepFlag;
};

struct WellContext {
    win::HWND owner;  // owns the refusal
    const WaterAnalysis& surface;
    WaterAnalysis& current;
    const WhatIfSettings& settings;
    WellLogSpecs& specs;
    UnitContext units;
    ResultStatus& status;
    const ProductTable& product;
    uint16_t& productActive;
    float residenceTime;  // the current residence time, seconds
    float corrosionTarget;
    float doseFigure;
    uint32_t& graphProfileKind;
    EngineSettings engine;  // what the drivers save, change and put back
    WellEngineOutputs out;
    const WaterCarbonate& surfaceCarbonate;  // the surface water's snapshot
    DoseAnalysis& doseAnalysis;
    DoseLimitState& doseLimits;
    uint16_t& phosphateStage;  // the treatment stage that adds the dose's phosphate
    double (&lastRates)[kCorrosionModelCount];
    DriverSettingsBackup& backup;
    float& residenceTimeAtLastRun;
    uint32_t h2sOff;
    uint32_t& pco2ProfileFlag;
    WellProfiles& tables;
    WellRunState& run;
    const ScenarioEngine& calls;
};

WellContext BindWellContext(win::HWND owner);

// One driver's table, seen through spans of its station count.
struct WellTableView {
    WellStationColumns stations;
    std::span<float[kResultRowValues]> analysis;
    std::span<float[kResultRowValues]> results;
    std::span<float[kIndicatorRowValues]> excess;
    std::span<float> bicarbonate;
    std::span<float> carbonate;
    std::span<float> dissolvedCO2;
    std::span<float> carbonateFigure;
    std::span<float> phDoseA;
    std::span<float> phDoseB;
    std::span<float[kCorrosionRowValues]> corrosion;
    std::span<int32_t> doseStatus;
    std::span<float> dose;

    int Count() const { return static_cast<int>(stations.temperature.size()); }
};

template <int N>
WellTableView ViewOfWellTable(WellProfileTable<N>& t, bool keepsDepth) {
    return WellTableView{
        WellStationColumns{t.temperature, t.pressure, t.gaugePressure,
                           keepsDepth ? std::span<float>(t.depth) : std::span<float>()},
        t.analysis, t.results, t.excess, t.bicarbonate, t.carbonate, t.dissolvedCO2,
        t.carbonateFigure, t.phDoseA, t.phDoseB, t.corrosion, t.doseStatus, t.dose};
}

// One driver: its kind, table, done flag and product record.
struct WellDriver {
    WellKind kind;
    WellTableView table;
    uint16_t& done;
    char (&productAtLastRun)[kProductNameChars];
    uint32_t& ranWithProduct;
};

WellDriver WellDriverOf(WellContext& c, WellKind kind);
