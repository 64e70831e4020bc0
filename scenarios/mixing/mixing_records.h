// The waterflood mixing drivers' records: the mix of the point last computed,
// the seven-point mixing-ratio profile of the injection and formation waters,
// the tables the 7 x 7 mixing grids keep beside the shared grid table of the
// single-water grids, and the state that tells the drivers what is current.
//
// The work file stores every table whole, so the row counts are fixed: the
// profile keeps ten rows of which the first seven hold the points, but its
// dose, status and corrosion tables have seven rows only; the grid tables have
// one row per cell.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/frame/whatif_records.h"

// The percent axis (mixPercent, mixPointTable), the point count and the
// alkalinity-label flag of the profile are kept with the multi-mix blend's
// (scenarios/mixing_profile_records.h); the tables below hold the points.
constexpr int kMixPoints = kMixProfilePoints;            // points of the mixing-ratio axis
constexpr int kMixRows = kMixProfileSlots;               // rows kept per mixing-ratio table
constexpr int kMixGridCells = 49;                        // cells of a 7 x 7 mixing grid
constexpr int kMixValueCount = 64;                       // an analysis or SaturationResults row
constexpr int kMixExcessCount = 38;                      // a MomentaryExcess row
constexpr int kMixCorrosionSlots = 10;                   // the first four hold the four model rates
constexpr int kMixOrganicAcids = 4;                      // C2, C3, C4, C5 acids, mg/L
constexpr int kMixProductNameChars = kProductNameChars;  // a product file name and its end

// Rows of mixPointTable.
namespace MixPointRow {
enum : int {
    kPercent = 0,      // the injection-water percent of the point
    kResultScale = 1,  // element 44 of the blend
    kPressure = 2,     // element 38 of the blend, before the engine runs
    kPco2 = 3,         // element 39 after the point's last engine run
};
}

// The mixing-ratio profile. Row k holds point k.
struct MixProfileTables {
    float mixChemistry[kMixRows][kMixValueCount];  // the mix of each point, user units
    float mixResults[kMixRows][kMixValueCount];    // SaturationResults by IndexCode
    float mixExcess[kMixRows][kMixExcessCount];    // MomentaryExcess
    float mixBufferCapacity[kMixRows];             // element 34 after the point
    float mixAcidity[kMixRows];                    // blended total acidity, mg/L as CaCO3
    float mixDissolvedCO2[kMixRows];               // blended dissolved CO2, mg/L as H2CO3
    float mixOrganicAcids[kMixRows][kMixOrganicAcids];
    float mixAcidDose[kMixRows];         // acidDemand after the point's pH control
    float mixAlkaliDose[kMixRows];       // alkaliDemand after the point's pH control
    float mixInhibitorDose[kMixPoints];  // the current product's dose per point
    uint16_t mixDoseStatus[kMixPoints];  // what CalcInhibitorDosage returned
    // Rates of CalcCorrRateCO2Kt, CalcCorrRateCO2Fug, CalcCorrRateArrhenius and
    // CalcCorrRateCO2H2S in slots 0 to 3, in the user's corrosion-rate unit.
    float mixCorrosion[kMixPoints][kMixCorrosionSlots];
};
// Byte counts of the tables in the work file.
static_assert(sizeof(mixPointTable) == 200);
static_assert(sizeof(MixProfileTables::mixChemistry) == 2560);
static_assert(sizeof(MixProfileTables::mixExcess) == 1520);
static_assert(sizeof(MixProfileTables::mixOrganicAcids) == 160);
static_assert(sizeof(MixProfileTables::mixInhibitorDose) == 28);
static_assert(sizeof(MixProfileTables::mixDoseStatus) == 14);
static_assert(sizeof(MixProfileTables::mixCorrosion) == 280);
extern MixProfileTables mixProfileTables;

// The mix of the point or cell last computed: elements 1 to 63 blended, element
// 0 the final pH, elements 13 and 14 the calculated bicarbonate and carbonate,
// element 15 the blended temperature.
extern WaterAnalysis waterfloodMix;

// The product file name at the profile's last dose computation, whether the
// doses are current for it, and whether that product carried phosphate.
extern char mixDoseProduct[kMixProductNameChars];
extern uint16_t mixDosesDone;
extern uint16_t mixPhosphateProduct;

// gridKind values of the mixing grids.
namespace MixGridKind {
enum : uint16_t {
    kPhByTemperature = 0,       // pH or pCO2 rows, temperature columns (grid code 0)
    kPercentByTemperature = 1,  // injection percent rows, temperature columns (code 3)
    kPhByPercent = 2,           // pH or pCO2 rows, injection percent columns (code 4)
};
}

// What the mixing grids keep per cell beside the shared grid table of the
// single-water grids (cell c = 7 x row + column).
struct MixGridTables {
    float gridResult16[kMixGridCells];      // SaturationResults slot 16 of the cell
    float gridAcidity[kMixGridCells];       // blended total acidity, eq/L
    float gridDissolvedCO2[kMixGridCells];  // dissolvedCO2Copy after the cell
    float gridOrganicAcids[kMixGridCells][kMixOrganicAcids];
    // The dose graph's dose and status per cell (CalcGridDosages).
    float gridGraphDose[kMixGridCells];
    uint16_t gridGraphDoseStatus[kMixGridCells];
    // The injection percent of a grid without a percent axis (mixTypicalPercent).
    float gridMixPercent[2];
};
static_assert(sizeof(MixGridTables::gridResult16) == 196);
static_assert(sizeof(MixGridTables::gridOrganicAcids) == 784);
static_assert(sizeof(MixGridTables::gridGraphDoseStatus) == 98);
extern MixGridTables mixGridTables;

// Whether the product at the last grid run carried phosphate, and whether a
// mixing grid computed its doses with the current product.
extern uint16_t gridPhosphateProduct;
extern uint16_t mixGridDosesDone;

// Puts every mixing record back to its start-of-run state (zero).
void ResetMixingRecords();
