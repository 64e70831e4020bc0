// The records one run of a single-water what-if driver reads and writes. The
// entry points bind them once (BindDriverContext) and hand them to the working
// steps, so each step shows in its signature what it touches.
#pragma once

#include <cstdint>

#include "common/result_status.h"
#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "common/whatif_settings.h"
#include "engine/dose/dose_records.h"
#include "engine/inputs/unit_conversions.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/saturation/water_results_records.h"
#include "platform/window/win_types.h"
#include "scenarios/frame/driver_frame.h"
#include "scenarios/frame/engine_port.h"
#include "scenarios/frame/whatif_records.h"
#include "treatment/records.h"

// What the engine leaves after a run that the drivers file.
struct EngineOutputs {
    float (&saturation)[kResultRowValues];       // SaturationResults
    const float (&excess)[kIndicatorRowValues];  // MomentaryExcess
    const float& dissolvedCO2Copy;
    const float& carbonateFigure;          // the results pass's acidity, mg/L as CaCO3
    const float& equilibriumCarbonicAcid;  // the CO2 the point's pH and bicarbonate hold, mg/L
    const float& pco2Atm;                  // its partial pressure, atm
    const uint32_t& pressureRaised;
    float& acidDemand;
    float& alkaliDemand;
    uint16_t& calcPassMode;
    uint16_t& profileStepFlag;
    uint16_t& givenSpeciesPerKilogram;
    // The alkalinity (eq/kg) the passes that balance the charge by the pH
    // hold: a reference pass's, or the surface water's own calculation's once
    // a driver starts from it.
    double& referenceAlkalinity;
};

struct DriverContext {
    win::HWND owner;  // owns the questions and refusals
    const WaterAnalysis& surface;
    WaterAnalysis& current;
    const WhatIfSettings& settings;
    const PhControlSettings& control;  // read through `engine.control` when changed
    UnitContext units;
    ResultStatus& status;
    const ProductTable& product;
    uint16_t& productActive;
    float residenceTimeAtSelect;  // seconds, the dose time of the profiles
    float surfaceResidenceTime;   // seconds, the dose time of the grids
    const GraphChoice& graphChoice;
    uint32_t& graphProfileKind;
    EngineSettings engine;  // what the drivers save, change and put back
    EngineOutputs out;
    const WaterCarbonate& surfaceCarbonate;  // the surface water's snapshot
    const StoredResults& surfaceResults;     // its last full calculation
    DoseAnalysis& doseAnalysis;
    DoseLimitState& doseLimits;
    WhatIfResults& tables;
    DriverSettingsBackup& backup;
    float& residenceTimeAtLastRun;
    uint32_t h2sOff;
    uint32_t& pco2ProfileFlag;
    uint32_t& pco2ProfileFlagCopy;
    const ScenarioEngine& calls;
};

DriverContext BindDriverContext(win::HWND owner);
