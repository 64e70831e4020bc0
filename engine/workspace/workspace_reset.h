// The New command's reset of the workspace: the treatment product, the what-if,
// graph and mixing ranges, the pH control target, the dose test conditions, the
// result flags, the pH-alkalinity curve, the constant recirculating
// concentrations, the multi-mix waters and the per-water and per-profile tables
// go back to a fresh state, with the temperature and pCO2 defaults taken in the
// user's units. The stored surface, injection and
// formation analyses, the unit choices, the display settings and the target
// solver switch are kept. Nothing is computed or shown.
#pragma once

#include <cstdint>

#include "common/result_status.h"
#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "common/whatif_settings.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/dose/dose_test_records.h"
#include "engine/inputs/water_gas_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/saturation/water_results_records.h"
#include "graphs/graph_index_records.h"
#include "graphs/profile_graph_records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "input/residence_records.h"
#include "input/water_temperature_records.h"
#include "input/whatif_switch_records.h"
#include "scenarios/grids/grid_cell_records.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "scenarios/wells/well_records.h"
#include "treatment/records.h"

// Every record the reset writes.
struct WorkspaceRecords {
    AlkCurvePoints& alkCurvePoints;
    AlkCurveCoefficients& userAlkCurve;
    float (&mixPercent)[kMixProfileSlots];
    float (&mixPointTable)[kMixPointTableRows][kMixProfileSlots];
    uint32_t& wellLogSpecsEntered;
    ProductTable& product;
    DoseTestConditions& doseTest;
    float& residenceTimeAtSelect;
    float (&waterResidenceSeconds)[ResidenceWater::kCount];
    WhatIfSettings& whatIf;
    GraphRangeSettings& graphRanges;
    PhControlSettings& phControl;
    ResultStatus& status;
    GraphChoice& graphChoice;
    uint16_t (&graphIndexCodes)[kGraphIndexCodeCount];
    GridCellWords& gridCellWords;
    MixingZoneSettings& mixingZone;
    // 1 while the mixing grids' doses are current.
    uint16_t& mixGridDosesDone;
    ConstantConcentrations& constants;
    MultiMixState& multiMix;
    SampleDescription& mixedDescription;
    DoseState& doseState;
    // Dose status per station of the two after-flash well profiles.
    int32_t (&flash11DoseStatus)[kFlash11Stations];
    int32_t (&flash48DoseStatus)[kFlash48Stations];
    // The current carbonate set, mg/L.
    float& currentHCO3;
    float& currentCO3;
    float& currentH2CO3;
    float& currentCO2;
    uint16_t (&profileGraphIndices)[ProfileGraph::kCount][kProfileGraphSelections];
    float (&waterPco2Copies)[kGasCopyWaters];
    float (&waterPh2sCopies)[kGasCopyWaters];
    uint32_t (&whatIfSwitches)[kWhatIfSwitchCount];
    // The reference temperature pair of each stored water, K.
    float (&waterTemperatures)[kStoredWaterCount][2];
};

// The records of the running program.
WorkspaceRecords GlobalWorkspaceRecords();

// Resets `w`; `units` chooses the temperature (item 18) and pCO2 (item 23) defaults.
void ResetWorkspace(const WorkspaceRecords& w, const UnitCodes& units);

// The New command: the reset on the global records with the user's units.
void ResetWorkspace();
