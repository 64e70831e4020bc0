// The speciation on the engine's global records: binds what the input stage, the
// settings and the water's own calculation left into the speciation's inputs.
#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/carbonate/carbonate_solvers.h"
#include "engine/tables/constants_records.h"
#include "engine/inputs/engine_unit_factors.h"
#include "engine/inputs/inputs_records.h"
#include "engine/speciation/ph_solve_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/pipeline/numbers/round_to_charge.h"
#include "engine/speciation/speciation.h"
#include "input/records.h"

namespace {

// UnitCodes item of hydrogen sulfide (element 19).
constexpr int kH2SUnitItem = 13;

}  // namespace

SpeciationInputs BindSpeciationInputs() {
    const EngineInputs& e = engineInputs;
    const float* values = currentAnalysis.values;
    SpeciationInputs in{};
    in.calcPassMode = calcPassMode;
    in.profileStepFlag = profileStepFlag;
    in.balanceHold = balanceHold;
    in.phPredictionMethod = phControlSettings.phPredictionMethod;
    in.carbonateModel = whatIfOptions.carbonateModel;
    in.varyPco2 = whatIfOptions.varyPco2;
    in.reportingMode =
        static_cast<uint16_t>(RoundToCharge(values[AnalysisElement::kReportingMode]));
    in.phBalanceSwitch = phBalanceSwitch;

    in.temperatureK = e.temperatureK;
    in.temperatureC = e.temperatureC;
    in.temperatureF = e.temperatureF;
    in.pressurePsia = e.pressurePsia;
    in.pressureAtm = e.pressureAtm;
    in.pressureBar = e.pressureBar;
    in.molalFactor = e.molalFactor;
    in.molalDiv = e.molalDiv;
    in.resultScale = e.resultScaleFactor;
    in.debyeA = waterConstants.debyeA;
    in.debyeB = waterConstants.debyeB;
    in.firstIonicStrength = e.ionicStrength;
    in.firstWaterActivity = e.waterActivity;
    in.co2SolubilityLog = e.co2SolubilityLog;
    in.pco2Atm = e.pco2Atm;

    in.brineFlow = values[AnalysisElement::kBrineFlow];
    in.oilFlow = values[AnalysisElement::kOilFlow];
    in.gasFlow = values[AnalysisElement::kGasFlow];
    in.brineFactor = gasFlowTotals.brineFactor;
    in.oilFactor = gasFlowTotals.oilFactor;
    in.gasFactor = gasFlowTotals.gasFactor;
    in.co2PerBrine = gasFlowTotals.co2PerBrine;
    in.h2sPerBrine = gasFlowTotals.h2sPerBrine;
    in.h2sUnitFactor = EntryMgLPerUnit(unitCodes, kH2SUnitItem, in.reportingMode);

    in.oxalateMolality = e.oxalateMolality;
    in.polyphosphateMolality = e.polyphosphateMolality;
    for (int i = 0; i < 4; ++i) in.organicAcidMolality[i] = e.organicAcidMolality[i];
    in.bariumSulfatePairK = waterConstants.bariumSulfatePairK;
    in.bariumCarbonatePairK = waterConstants.bariumCarbonatePairK;
    in.bariumBicarbonatePairK = waterConstants.bariumBicarbonatePairK;

    in.phSolveAlkalinity = phSolveAlkalinity;
    in.phSolveAcidity = phSolveAcidity;
    in.phSolveCO2 = phSolveCO2;
    in.phSolveMarker = phSolveMarker;
    in.keptBicarbonate = keptBicarbonate;
    in.keptAlkalinity = keptAlkalinity;
    in.blendDissolvedCo2 = blendDissolvedCo2;

    in.referenceAlkalinity = referenceAlkalinity;
    in.heldAlkalinity = heldAlkalinity;
    in.referencePh = referencePh;
    in.referenceLoopCarbonate = referenceCarbonate.loopTotalCarbonate;
    in.referenceCarbonateTarget = referenceCarbonate.carbonateTarget;
    in.referenceStartAlkalinity = referenceCarbonate.startCarbonateAlkalinity;

    in.userCurve = {userAlkCurve.intercept, userAlkCurve.linear, userAlkCurve.reciprocal,
                    userAlkCurve.logSlope};
    in.solvePh = &SolvepHFromCarbonateD;
    return in;
}

void RunSpeciation() {
    const SpeciationInputs in = BindSpeciationInputs();
    SpeciationRecords rec{reactionTable,   speciesTable, reactionLogK, reactionK, SpeciesState,
                          currentAnalysis, enginePh,     phBoundUsed,  speciation};
    Speciate(in, rec);
}
