// CalcWaterAnalysis: the single-water pipeline from the stored analysis to the
// filed results.
#include "engine/pipeline/calc_water_analysis.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "engine/balancing/balancing.h"
#include "engine/balancing/balancing_records.h"
#include "engine/carbonate/carbonate_species.h"
#include "engine/inputs/inputs_records.h"
#include "engine/inputs/treatment_inputs.h"
#include "engine/pipeline/engine_state_copy.h"
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
constexpr uint16_t kSpeciesGivenMode = 3;     // alkalinityMode: calculated species given
constexpr double kReferenceCelsius = 25.0;    // the temperature of a reference pass
constexpr double kBicarbonateMass = 61.0173;  // g/mol
constexpr double kCarbonateMass = 60.0094;    // g/mol
constexpr int kAlkalinitySteps = 6;
constexpr double kAlkalinityTolerance = 1e-5;  // of the typed alkalinity

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

// The alkalinity (eq/kg) of the water in currentAnalysis at its own conditions
// with the bicarbonate and carbonate given, from a trial results pass; NaN when
// the water is at the 25 C of the reference pass. The engine is left as found:
// a trial of the solve, not one of the water's passes.
double OwnConditionsAlkalinity(float bicarbonate, float carbonate, float& carbonicAcid,
                               double& carbonateShare) {
    const auto kept = std::make_unique<EngineStateCopy>();
    SaveEngineState(*kept);
    float* v = currentAnalysis.values;
    balanceAmount = 0.0f;
    v[AnalysisElement::kSpeciesGiven] = 1.0f;
    v[AnalysisElement::kAlkalinityMode] = static_cast<float>(kSpeciesGivenMode);
    v[AnalysisElement::kBicarbonate] = bicarbonate;
    v[AnalysisElement::kCarbonate] = carbonate;
    CalcEquilibrium();
    const bool ownTemperature = std::fabs(engineInputs.temperatureC - kReferenceCelsius) > 0.005;
    const double alkalinity = speciation.passAlkalinity;
    carbonicAcid = resultsCarbonate.equilibriumCarbonicAcid;
    // The share of the bicarbonate and carbonate that the pass split as
    // carbonate, for a water whose sulfide shares its alkalinity (else NaN).
    const SpeciatedCarbonate& split = resultsCarbonate.system;
    const double held = split.bicarbonate + split.carbonate;
    carbonateShare = speciation.sulfideT > 0.0 && held > 0.0 ? split.carbonate / held : NAN;
    RestoreEngineState(*kept);
    return ownTemperature ? alkalinity : NAN;
}

// The reference pass speciates the water at 25 C. A water typed at another
// temperature was measured there: its pH and its alkalinity are those of its own
// temperature, where the total carbonate the reference pass derived at the typed
// pH holds another alkalinity. The passes that follow hold either the total of
// the given bicarbonate and carbonate (at a given pH: the water's own results
// pass, most what-if passes) or their alkalinity (a what-if pass under gas), so
// the total is moved and the alkalinity kept: bicarbonate becomes carbonate,
// two of the one for one of the other, until the trial pass at the water's own
// conditions holds the typed alkalinity. The results passes, the what-if passes
// and the water's carbonate snapshot start from the moved species. Water at
// 25 C is left as its reference pass found it, and so are a water whose CO2
// comes from a gas phase and one the solve does not settle. True when the
// water's carbonate was held so.
bool HoldTypedAlkalinityAtOwnTemperature(PipelineRun& run) {
    // A water whose CO2 a gas phase gives holds the CO2 of that gas instead.
    if (speciation.gasDissolved != 0) return false;
    float* v = currentAnalysis.values;
    const double bicarbonate = v[AnalysisElement::kBicarbonate];
    const double carbonate = v[AnalysisElement::kCarbonate];
    // Held to the single precision the stored results keep, so that a water
    // calculated again from what its calculation wrote back is held alike.
    const double typed = static_cast<float>(referenceAlkalinity);
    // The gap to the typed alkalinity after moving `moved` mmol/kg.
    float carbonicAcid = 0.0f;  // mg/L as H2CO3, of the last trial
    double carbonateShare = NAN;  // of the last trial, for a sour water
    auto gap = [&](double moved) {
        return OwnConditionsAlkalinity(
                   static_cast<float>(bicarbonate - 2.0 * moved * kBicarbonateMass),
                   static_cast<float>(carbonate + moved * kCarbonateMass), carbonicAcid,
                   carbonateShare) -
               typed;
    };
    const double atStart = gap(0.0);
    if (!std::isfinite(atStart) || !(typed > 0.0)) return false;
    // Most is bicarbonate at the pH of a water: the first step moves the
    // alkalinity's relative gap of its total.
    const double total = bicarbonate / kBicarbonateMass + carbonate / kCarbonateMass;
    double before = 0.0;
    double gapBefore = atStart;
    double moved = total * atStart / (typed + atStart);
    bool held = std::fabs(atStart) <= kAlkalinityTolerance * typed;
    if (held) moved = 0.0;
    for (int step = 0; step < kAlkalinitySteps && !held; ++step) {
        // Neither species may go below nothing.
        if (!(moved * 2.0 * kBicarbonateMass < bicarbonate) ||
            !(moved * kCarbonateMass + carbonate >= 0.0))
            break;
        const double g = gap(moved);
        if (!std::isfinite(g) || g == gapBefore) break;
        held = std::fabs(g) <= kAlkalinityTolerance * typed;
        if (held) break;
        const double next = moved - g * (moved - before) / (g - gapBefore);
        before = moved;
        gapBefore = g;
        moved = next;
    }
    // A water the solve does not settle keeps its reference pass's carbonate.
    if (!held) return false;
    v[AnalysisElement::kBicarbonate] =
        static_cast<float>(bicarbonate - 2.0 * moved * kBicarbonateMass);
    v[AnalysisElement::kCarbonate] = static_cast<float>(carbonate + moved * kCarbonateMass);
    // A sour water's sulfide takes a share of its alkalinity that grows with
    // the temperature, so its carbonate holds less of it at its own conditions
    // than at 25 C. Its snapshot and the later passes of its calculation take
    // the species as its own conditions split them (the same bicarbonate and
    // carbonate in all): a driver that holds the carbonate's alkalinity (under
    // a gas, at a fixed pH) holds the one the page shows. The current set
    // below stays the 25 C split, for the drivers' reference passes.
    if (std::isfinite(carbonateShare)) {
        const double held = v[AnalysisElement::kBicarbonate] / kBicarbonateMass +
                            v[AnalysisElement::kCarbonate] / kCarbonateMass;
        v[AnalysisElement::kBicarbonate] =
            static_cast<float>((1.0 - carbonateShare) * held * kBicarbonateMass);
        v[AnalysisElement::kCarbonate] = static_cast<float>(carbonateShare * held * kCarbonateMass);
    }
    if (carbonicAcid >= 0.0f) {
        v[AnalysisElement::kH2CO3] = carbonicAcid;
        referenceOutputs.dissolvedCarbonicAcid = carbonicAcid;
    }
    // The current set stays the 25 C split: a driver's reference pass on it
    // derives the typed alkalinity and the total again at 25 C.
    const float hco3 = currentHCO3;
    const float co3 = currentCO3;
    const float h2co3 = currentH2CO3;
    const float co2 = currentCO2;
    KeepReferenceCarbonate(run.water, currentAnalysis);
    currentHCO3 = hco3;
    currentCO3 = co3;
    currentH2CO3 = h2co3;
    currentCO2 = co2;
    return true;
}

void FullCalculation(PipelineRun& run) {
    FirstReferencePass(run);
    ApplyBalancing(balancingSettings, cationAdded, anionAdded, balanceAmount, currentAnalysis,
                   run.water.analysis);
    BalancedReferencePass(run);
    const bool awayFromReference = HoldTypedAlkalinityAtOwnTemperature(run);
    RunTreatmentLoop(run);
    run.ownConditionsTaken = true;
    run.ownCarbonicAcid = resultsCarbonate.equilibriumCarbonicAcid;
    run.ownAlkalinity = speciation.passAlkalinity;
    KeepOwnConditionsCarbonate(run.water, run.ownCarbonicAcid);
    if (awayFromReference) ShowOwnConditionsCarbonicAcid(run.water, run.ownCarbonicAcid);
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
    // The water's own gases at its own temperature, for every pass of its
    // calculation; put back for whatever calculation this one runs inside.
    const float* const outerWater = calculatedWaterValues;
    if (water.analysis != nullptr) calculatedWaterValues = water.analysis->values;

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
    calculatedWaterValues = outerWater;
    if (water.isSurface) {
        KeepSurfaceEngineState();
        if (run.ownConditionsTaken)
            KeepSurfaceOwnConditions(run.ownCarbonicAcid, run.ownAlkalinity);
    }
}

void CalcWaterAnalysis(uint16_t mode, win::HWND /*owner*/) {
    CalcWaterAnalysisWith(mode, CalcEquilibrium);
}
