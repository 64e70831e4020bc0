// A copy of everything one run of the equilibrium calculation leaves in the
// engine's records: the working analysis, the result records, the reference
// values later passes start from, the species and the constants. The target
// solvers run the engine on trial waters; taking this copy after the water's own
// run and putting it back after the solvers leaves the engine exactly as that one
// run left it, so that the passes that follow (results passes, pH control, the
// scenario drivers) start from the water and not from the last trial.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_state.h"
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/speciation_records.h"
#include "engine/tables/constants_records.h"
#include "engine/tables/species_tables.h"

struct EngineStateCopy {
    WaterAnalysis analysis;
    float saturation[kSaturationResultCount];
    float excess[kMomentaryExcessCount];
    CarbonateState carbonate;
    SpeciesRecord species[kSpeciesCount];
    double logK[kReactionCount];
    double k[kReactionCount];
    EngineInputs inputs;
    GasFlowTotals flows;
    WaterConstants water;
    SpeciationState speciation;
    ZincPhosphateResults zinc;
    OxalateResults oxalate;
    ResultsCarbonate resultsCarbonate;
    ReferenceCarbonate referenceCarbonate;
    ReferenceOutputs referenceOutputs;
    double referenceAlkalinity;
    double referencePh;
    double enginePh;
    float kw;
    float waterActivity;
    float calciumSilicate;
    float calciumSilicateCopy;
    float dissolvedCO2Copy;
    uint32_t phBoundUsed;
    uint16_t calcPassMode;
    uint16_t cationAdded;
    uint16_t anionAdded;
};

void SaveEngineState(EngineStateCopy& copy);
void RestoreEngineState(const EngineStateCopy& copy);
