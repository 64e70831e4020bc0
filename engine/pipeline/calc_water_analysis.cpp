// CalcWaterAnalysis: the single-water pipeline from the stored analysis to the
// filed results.
#include "engine/pipeline/calc_water_analysis.h"

#include <cmath>
#include <cstring>

#include "engine/carbonate/carbonate_species.h"
#include "engine/inputs/inputs_records.h"
#include "engine/inputs/treatment_inputs.h"
#include "engine/balancing/balancing.h"
#include "engine/balancing/balancing_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/pipeline/surface_engine_state.h"
#include "engine/pipeline/water_pipeline.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/calc_equilibrium.h"
#include "engine/speciation/reference_keep.h"
#include "engine/speciation/speciation_records.h"
#include "input/records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"
#include "treatment/records.h"

namespace {

constexpr uint16_t kMaxCarbonateModel = 3;
constexpr uint16_t kSpeciesGivenMode = 3;  // alkalinityMode: calculated species given

// The slope of the line a predicted water's own pH-alkalinity point extends to.
constexpr float kExtrapolatedLogSlope = 1.43f;
// In epm reporting the curves read the alkalinity as mg/L of CaCO3: x 50.05.
constexpr double kEpmAlkalinityFactor = 50.05;

// The engine inputs of a run on the water in currentAnalysis: the given carbonate
// species of alkalinity mode 3, the closed carbonate model, the modes as floats.
void PrepareEngineInputs(float* v) {
    if (alkalinityMode == kSpeciesGivenMode) {
        v[AnalysisElement::kBicarbonate] = v[AnalysisElement::kMAlkalinity];
        v[AnalysisElement::kCarbonate] = v[AnalysisElement::kPAlkalinity];
        referenceDissolvedCo2 = v[AnalysisElement::kAcidity];
    } else {
        referenceDissolvedCo2 = 0.0f;
    }
    whatIfOptions.carbonateModel = 0;
    v[AnalysisElement::kAlkalinityMode] = static_cast<float>(alkalinityMode);
    v[AnalysisElement::kReportingMode] = static_cast<float>(reportingMode);
    v[AnalysisElement::kSpeciesGiven] = alkalinityMode == kSpeciesGivenMode ? 1.0f : 0.0f;
}

// A reference pass. The treatment loop's results pass always follows it and runs
// the target solvers on the water as it then stands, so answers found here would
// be replaced unread: the solvers leave only their lasting record.
void RunReferencePass(EngineFunction engine) {
    PrepareReferencePass(GlobalReferencePassFlags());
    RunCalculationsAnswersReplaced(engine);
}

void CopyStoredValues(const StoredWater& water) {
    if (water.analysis != nullptr)
        std::memcpy(currentAnalysis.values, water.analysis->values, sizeof currentAnalysis.values);
}

// The reference pass of the water as stored (steps of the first run): an
// injection or formation water whose pH was computed is run once more at that pH.
void FirstReferencePass(PipelineRun& run) {
    const StoredWater& water = run.water;
    float* v = currentAnalysis.values;
    if (water.copiesStoredValues) CopyStoredValues(water);
    run.basePhosphate = v[AnalysisElement::kPhosphate];
    run.baseZinc = v[AnalysisElement::kZinc];
    PrepareEngineInputs(v);
    RunReferencePass(run.engine);

    if (water.recomputesAtOwnPh && (water.analysis->values[AnalysisElement::kCompanionPh] < 0.0f ||
                                    v[AnalysisElement::kCompanionPh] < 0.0f)) {
        water.analysis->values[AnalysisElement::kPh] = v[AnalysisElement::kPh];
        RunReferencePass(run.engine);
    }
    WriteBackReferenceValues(water, currentAnalysis);
    KeepReferenceCarbonate(water, currentAnalysis);
}

// The reference pass of the balanced water; the amount it finds is not applied.
void BalancedReferencePass(PipelineRun& run) {
    const StoredWater& water = run.water;
    CopyStoredValues(water);
    PrepareEngineInputs(currentAnalysis.values);
    RunReferencePass(run.engine);
    WriteBackReferenceValues(water, currentAnalysis);
    KeepReferenceCarbonate(water, currentAnalysis);
}

void FullCalculation(PipelineRun& run) {
    FirstReferencePass(run);
    ApplyBalancing(balancingSettings, cationAdded, anionAdded, balanceAmount, currentAnalysis,
                   run.water.analysis);
    BalancedReferencePass(run);
    RunTreatmentLoop(run);
    run.ownConditionsTaken = true;
    run.ownCarbonicAcid = resultsCarbonate.equilibriumCarbonicAcid;
    run.ownAlkalinity = speciation.passAlkalinity;
    KeepOwnConditionsCarbonate(run.water, run.ownCarbonicAcid);
}

// Results computed from a water go stale when the water changes.
void ClearStaleResults(ResultStatus& status) {
    status.tempProfileDone = 0;
    status.phProfileDone = 0;
    status.gridDone = 0;
    status.mixProfileDone = 0;
    for (uint16_t& done : status.mixGridDone) done = 0;
    status.wellProfileDone[1] = 0;  // the flashed 11-station well profile
}

// The pH-alkalinity line through the water's own point with the usual slope, for
// the prediction method that extrapolates from the water.
void ExtrapolateAlkCurve() {
    SetCarbonateSpecies(currentCO3, currentHCO3, currentH2CO3);
    const float ph = currentAnalysis.values[AnalysisElement::kPh];
    const float alkalinity = currentAnalysis.values[AnalysisElement::kAlkalinity];
    float intercept = ph;
    if (alkalinity > 0.0f) {
        // The curves take the logarithm of the alkalinity as CaCO3 (x 50.05 in epm
        // reporting), so the line passes through the point as they read it.
        double logBasis = alkalinity;
        if (reportingMode == ReportingMode::kEpm) logBasis *= kEpmAlkalinityFactor;
        intercept = static_cast<float>(ph - kExtrapolatedLogSlope * std::log10(logBasis));
    }
    extrapolatedAlkCurve.intercept = intercept;
    extrapolatedAlkCurve.linear = 0.0f;
    extrapolatedAlkCurve.reciprocal = 0.0f;
    extrapolatedAlkCurve.logSlope = kExtrapolatedLogSlope;
    extrapolatedAlkCurvePh = ph;
    phPredictionRequest = 0;
}

}  // namespace

void CalcWaterAnalysisWith(uint16_t mode, EngineFunction engine) {
    PipelineRun run{};
    if (!FindStoredWater(mainWindowState.currentWater, multiMixState.editIndex, run.water)) return;
    const StoredWater& water = run.water;
    // A water never entered is left alone; nothing is changed before this test.
    if (mode != 0 && !IsEntered(water)) return;
    run.engine = engine;

    currentAnalysis.values[AnalysisElement::kSpeciesGiven] = 0.0f;
    const uint32_t savedBalanceSwitch = phBalanceSwitch;
    phBalanceSwitch = water.isSurface && whatIfOptions.correctPhForTemperature != 0 ? 1 : 0;
    if (whatIfOptions.carbonateModel > kMaxCarbonateModel) whatIfOptions.carbonateModel = 0;
    const uint16_t savedCarbonateModel = whatIfOptions.carbonateModel;

    run.productSelected = resultStatus.productSelected != 0;
    run.productChanged = ProductChanged(productTable, run.productSelected, productAtLastCalc,
                                        corrosionTarget, corrosionTargetAtLastCalc);
    run.carriesPhosphate = run.productSelected && ProductCarriesPhosphate(productTable);
    if (mode != 0 && run.productChanged && (run.carriesPhosphate || productActive != 0))
        dialogOutcome = 1;
    if (water.results != nullptr && NeverCalculated(*water.results)) dialogOutcome = 1;

    if (mode != 0 && dialogOutcome == 0) {
        RefreshDose(run);
    } else {
        FullCalculation(run);
    }

    // The water's dose, when this run computed it (an unrefreshed water keeps its own).
    if (run.productSelected && run.doseComputed) {
        if (water.dose != nullptr) *water.dose = treatmentStage.dose;
        RecordProductAtLastCalc();
    }

    if (mode == 0 || dialogOutcome != 0) {
        if (!IsEntered(water) || dialogOutcome != 0) {
            SetEntered(water);
            ClearStaleResults(resultStatus);
        }
    }
    whatIfOptions.carbonateModel = savedCarbonateModel;

    if (phPredictionRequest != 0) ExtrapolateAlkCurve();
    phBalanceSwitch = savedBalanceSwitch;
    if (water.isSurface) {
        KeepSurfaceEngineState();
        if (run.ownConditionsTaken) KeepSurfaceOwnConditions(run.ownCarbonicAcid, run.ownAlkalinity);
    }
}

void CalcWaterAnalysis(uint16_t mode, win::HWND /*owner*/) {
    CalcWaterAnalysisWith(mode, CalcEquilibrium);
}
