// The well profiles' result tables and run state. A well profile follows the
// source water from the bottom hole to the surface through a row of depth
// stations, each at its own temperature and pressure. The work file stores the
// tables whole, so their sizes are fixed: 12 stations for the well-log profile
// and the 11-station after-flash profile (an after-flash point plus 11
// stations), 49 for the 48-station after-flash profile.
#pragma once

#include <cstdint>

#include "scenarios/frame/whatif_records.h"

constexpr int kWellLogStations = 12;  // CalcWellLogProfile: separator to bottom hole
constexpr int kFlash11Stations = 12;  // CalcWellLogProfile11: after flash + 11
constexpr int kFlash48Stations = 49;  // CalcWellLogProfile48: after flash + 48

// One well profile of N stations; row k holds station k.
template <int N>
struct WellProfileTable {
    static constexpr int kStations = N;
    float temperature[N];    // user's temperature unit
    float pressure[N];       // absolute, user's pressure unit
    float gaugePressure[N];  // pressure less the atmospheric pressure of the unit
    float depth[N];          // the after-flash profiles only; the well-log profile keeps none
    float analysis[N][kResultRowValues];   // currentAnalysis after the station's last run
    float results[N][kResultRowValues];    // SaturationResults after that run
    float excess[N][kIndicatorRowValues];  // MomentaryExcess after that run
    float bicarbonate[N];                  // result slot 27 after the last run
    float carbonate[N];                    // result slot 29 after the last run
    float dissolvedCO2[N];                 // the CO2 of the station's own pass, mg/L as H2CO3
    float carbonateFigure[N];              // the results pass's acidity, mg/L as CaCO3
    float phDoseA[N];                      // cleared at every station
    float phDoseB[N];                      // cleared at every station
    // Rates of CalcCorrRateCO2Kt, CalcCorrRateCO2Fug, CalcCorrRateArrhenius and
    // CalcCorrRateCO2H2S in the first four values, in the user's corrosion-rate unit.
    float corrosion[N][kCorrosionRowValues];
    int32_t doseStatus[N];  // what CalcInhibitorDosage returned (0 without a product)
    float dose[N];          // the product dose
};

// The row tables as the work file stores them: 12 or 49 result rows of 256
// bytes and indicator rows of 152 bytes, 48- or 196-byte station columns.
static_assert(sizeof(WellProfileTable<kWellLogStations>{}.analysis) == 3072);
static_assert(sizeof(WellProfileTable<kWellLogStations>{}.excess) == 1824);
static_assert(sizeof(WellProfileTable<kWellLogStations>{}.corrosion) == 480);
static_assert(sizeof(WellProfileTable<kFlash48Stations>{}.results) == 12544);
static_assert(sizeof(WellProfileTable<kFlash48Stations>{}.excess) == 7448);
static_assert(sizeof(WellProfileTable<kFlash48Stations>{}.corrosion) == 1960);
static_assert(sizeof(WellProfileTable<kFlash48Stations>{}.doseStatus) == 196);

using WellLogTable = WellProfileTable<kWellLogStations>;
using Flash11Table = WellProfileTable<kFlash11Stations>;
using Flash48Table = WellProfileTable<kFlash48Stations>;

// The three tables of WhatIfResults that the well drivers fill.
struct WellProfiles {
    WellLogTable wellLog;  // CalcWellLogProfile
    Flash11Table flash11;  // CalcWellLogProfile11
    Flash48Table flash48;  // CalcWellLogProfile48
};
extern WellProfiles wellProfiles;

// Run state. The done flags are ResultStatus::wellProfileDone[0..2] (12-, 11- and
// 48-station profiles). The well-log profile records its own product; the two
// after-flash profiles share one record. residenceTimeAtLastRun is shared with
// the single-water profiles.
struct WellRunState {
    char wellProductAtLastRun[kProductNameChars];  // product file name at the last run
    uint32_t wellRanWithProduct;                   // 1 once a run computed doses
    char flashProductAtLastRun[kProductNameChars];
    uint32_t flashRanWithProduct;
};
extern WellRunState wellRunState;

// Puts the well tables and run state back to their start-of-run state (zero).
void ResetWellRecords();
