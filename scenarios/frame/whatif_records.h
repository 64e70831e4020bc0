// The result tables of the single-water what-if drivers (the seven-point
// profiles versus temperature, pH or pCO2 and pressure, and the 7 x 7 grid) and
// the run state the drivers keep between calls. The work file stores these
// tables whole, so their row counts are fixed: a profile table has 10 rows of 64
// values (the first seven hold the points), indicator rows of 38 values, and the
// grid 49 rows of 64.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"

constexpr int kProfilePoints = 7;   // points of a profile axis
constexpr int kProfileRows = 10;    // rows kept per profile table
constexpr int kGridAxisPoints = 7;  // points of each grid axis
constexpr int kGridCells = kGridAxisPoints * kGridAxisPoints;
constexpr int kResultRowValues = 64;     // one analysis or SaturationResults row
constexpr int kIndicatorRowValues = 38;  // one MomentaryExcess row
constexpr int kCorrosionRowValues = 10;  // the first four hold the four model rates
constexpr int kRateModelCount = 4;
constexpr int kProductNameChars = 80;  // a product file name with its terminator

static_assert(kProfilePoints <= kProfileRows, "profile points must fit the stored rows");
static_assert(kRateModelCount <= kCorrosionRowValues, "rates must fit a corrosion row");

// One seven-point profile of the surface water. Row k holds point k.
struct ProfileTable {
    float analysis[kProfileRows][kResultRowValues];  // working analysis after the point, user units
    float results[kProfileRows][kResultRowValues];   // SaturationResults by IndexCode
    float excess[kProfileRows][kIndicatorRowValues];  // MomentaryExcess
    // Rates of CalcCorrRateCO2Kt, CalcCorrRateCO2Fug, CalcCorrRateArrhenius and
    // CalcCorrRateCO2H2S, in that order, in the user's corrosion-rate unit.
    float corrosion[kProfileRows][kCorrosionRowValues];
    float acidDose[kProfileRows];             // acidDemand after the point's pH control
    float alkaliDose[kProfileRows];           // alkaliDemand after the point's pH control
    float bicarbonate[kProfileRows];          // result slot 27 after the main calculation
    float carbonate[kProfileRows];            // result slot 29 after the main calculation
    float dissolvedCO2[kProfileRows];         // dissolvedCO2Copy after the main calculation
    float carbonateFigure[kProfileRows];      // the engine's carbonate figure beside it
    float axis[kProfileRows];                 // the axis points in the axis variable's unit
    int16_t doseStatus[kProfileRows];         // what CalcInhibitorDosage returned
    float dose[kProfileRows];                 // the product dose
    char lastProductName[kProductNameChars];  // product file name of the last doses
    uint16_t doseDone;                        // 1 once doses were computed
};

// gridKind values: which single-water grid the grid table holds.
namespace GridKind {
enum : uint16_t { kPressureTemperature = 3, kPhTemperature = 0xFFFF };
}

// The 7 x 7 grid of the surface water; cell n = 7 x row + column. Rows are the
// pH, pCO2 or pressure points, columns the temperature points.
struct GridTable {
    float analysis[kGridCells][kResultRowValues];
    float results[kGridCells][kResultRowValues];
    float excess[kGridCells][kIndicatorRowValues];
    float corrosion[kGridCells][kCorrosionRowValues];
    float bicarbonate[kGridCells];
    float carbonate[kGridCells];
    float acidDose[kGridCells];
    float alkaliDose[kGridCells];
    int16_t doseStatus[kGridCells];
    float dose[kGridCells];
    float temperatureAxis[kGridAxisPoints];
    float phAxis[kGridAxisPoints];  // the pH or pCO2 axis of the pH grid
    char lastProductName[kProductNameChars];
    float gridResidenceTimeAtLastRun;  // seconds
    uint16_t doseDone;
    uint16_t gridKind;  // GridKind
};

struct WhatIfResults {
    ProfileTable tempProfile;
    ProfileTable phProfile;
    ProfileTable pressureProfile;
    GridTable grid;
};
extern WhatIfResults whatIfResults;

// What a driver saves of the engine's settings before it changes them, and puts
// back at its end. Global because RecalcCarbonateFromAlk restores the switch the
// drivers keep here.
struct DriverSettingsBackup {
    float carbonate[8];  // the first eight values of CarbonateState (k1 .. alkalinity)
    float currentCO2;
    float currentH2CO3;
    float currentHCO3;
    float currentCO3;
    uint32_t phBalanceSwitch;
    uint16_t carbonateModel;
    uint16_t varyPco2;
    uint16_t phPredictionMethod;
};
extern DriverSettingsBackup driverSettingsBackup;

// Run state shared by the single-water and well drivers.
extern float residenceTimeAtLastRun;  // seconds, at the end of the last run with a product
extern uint32_t h2sOff;               // non-zero: every point runs without hydrogen sulfide
extern uint32_t pco2ProfileFlag;      // set by the pH profile and the flash well profiles
extern uint32_t pco2ProfileFlagCopy;  // the pH profile's copy of it

// Puts every scenario record back to its start-of-run state (zero).
void ResetScenarioRecords();
