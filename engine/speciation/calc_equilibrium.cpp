// The equilibrium calculation of the working analysis. It binds the global records
// to the working stages: the input stage (inputs, constants at the water's
// temperature and pressure, gas inputs) first; the speciation iteration and the
// result stage follow it.
#include "engine/speciation/calc_equilibrium.h"

#include "engine/tables/constants_records.h"
#include "engine/inputs/engine_inputs.h"
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "engine/saturation/result_stage.h"
#include "engine/pipeline/numbers/round_to_charge.h"
#include "engine/speciation/speciation.h"
#include "engine/speciation/speciation_records.h"
#include "engine/tables/thermo_tables.h"
#include "input/records.h"

namespace {

// A what-if point's pH follows a CO2 partial pressure of its own while the pCO2
// is the plot variable, the pH is not balanced on the temperature and no pH
// control brings the point to a target (a dosed point holds its dose's CO2).
bool PointsUnderTheirGas() {
    return whatIfOptions.varyPco2 != 0 && phBalanceSwitch == 0 &&
           phControlSettings.phControlMethod == PhControlMethod::kNone;
}

InputSwitches CurrentSwitches() {
    const float* values = currentAnalysis.values;
    return {calcPassMode,
            profileStepFlag,
            balanceHold,
            whatIfOptions.carbonateModel,
            RoundToCharge(values[AnalysisElement::kReportingMode]),
            RoundToCharge(values[AnalysisElement::kSpeciesGiven]),
            RoundToCharge(values[AnalysisElement::kAlkalinityMode]),
            givenSpeciesPerKilogram,
            static_cast<uint16_t>(PointsUnderTheirGas() ? 1 : 0)};
}

// The water whose hydrogen sulfide and pH2S a reference pass relates: the
// stored water being calculated, else the surface water that the drivers work.
const float* SulfideWater() {
    return calculatedWaterValues != nullptr ? calculatedWaterValues : surfaceWater.values;
}

// Its own temperature. Outside a water's calculation the surface water's, once
// it is entered; before that the temperature the analysis was entered at.
float SulfideWaterTemperature() {
    if (calculatedWaterValues != nullptr)
        return calculatedWaterValues[AnalysisElement::kTemperature];
    if (resultStatus.surfaceEntered != 0) return surfaceWater.values[AnalysisElement::kTemperature];
    return entryTemperature;
}

}  // namespace

void CalcEquilibrium() {
    if (speciesTableFilled != kSpeciesTableFilledMark) InitSpeciesTable();

    const InputStageContext context{
        unitCodes,
        CurrentSwitches(),
        {referencePh, referenceH2CO3, referenceHCO3, referenceCO3, referenceDissolvedCo2},
        surfaceWater,
        SulfideWater(),
        SulfideWaterTemperature(),
        blendDissolvedCo2,
        organicAcids,
        speciesTable};
    InputStageOutputs outputs{reactionTable, reactionLogK, reactionK,          SpeciesState,
                              engineInputs,  gasFlowTotals, waterConstants,   kwResult,
                              waterActivityResult};
    enginePh = RunInputStage(context, currentAnalysis, outputs);

    // Speciation: the pH estimate and the iteration of the species distribution, from
    // the state the input stage left.
    RunSpeciation();

    // Result stage: the reference pass (balancing, derived analysis values) or the
    // results pass (saturation levels, indices, excess), by calcPassMode.
    WriteEngineResults();
}
