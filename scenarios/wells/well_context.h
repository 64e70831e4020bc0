// The records one run of a well-profile driver reads and writes, bound once by
// the entry point (BindWellContext) and handed to the working steps, and a view
// of one driver's table and run state.
#pragma once

#include <cstdint>
#include <span>

#include "engine/pipeline/pipeline_records.h"
#include "scenarios/frame/driver_context.h"
#include "scenarios/wells/well_records.h"
#include "scenarios/wells/well_stations.h"

// The three well drivers.
enum class WellKind { kWellLog, kFlash11, kFlash48 };

// The single-water drivers' records with what the well drivers add: the
// well-log record, the current residence time the dose reads, the values the
// limit inputs need, the last corrosion rates and the well tables.
struct WellContext {
    DriverContext base;
    WellLogSpecs& specs;
    float residenceTime;  // the current residence time, seconds
    float corrosionTarget;
    float doseFigure;
    double (&lastRates)[kCorrosionModelCount];
    WellProfiles& tables;
    WellRunState& run;
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
        t.analysis,
        t.results,
        t.excess,
        t.bicarbonate,
        t.carbonate,
        t.dissolvedCO2,
        t.carbonateFigure,
        t.phDoseA,
        t.phDoseB,
        t.corrosion,
        t.doseStatus,
        t.dose};
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
