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
// Rounds of the typed alkalinity's solve, each at the CO2 the last one came to,
// and how near (a share of the CO2) a round's CO2 comes to end them.
constexpr int kCo2Rounds = 4;
constexpr double kCo2Tolerance = 1e-4;

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
    // carbonate (NaN without either).
    const SpeciatedCarbonate& split = resultsCarbonate.system;
    const double held = split.bicarbonate + split.carbonate;
    carbonateShare = held > 0.0 ? split.carbonate / held : NAN;
    RestoreEngineState(*kept);
    return ownTemperature ? alkalinity : NAN;
}

// The alkalinity (eq/kg) a driver's reference pass at 25 C finds for the water
// in currentAnalysis at its pH with the bicarbonate and carbonate given, as
// the drivers whose pH follows the temperature take it; the engine is left as
// found.
double ReferencePassAlkalinity(float bicarbonate, float carbonate) {
    const auto kept = std::make_unique<EngineStateCopy>();
    SaveEngineState(*kept);
    const uint16_t perKilogram = givenSpeciesPerKilogram;
    float* v = currentAnalysis.values;
    balanceAmount = 0.0f;
    v[AnalysisElement::kSpeciesGiven] = 1.0f;
    v[AnalysisElement::kAlkalinityMode] = static_cast<float>(kSpeciesGivenMode);
    // The reference pass reads given species from the M and P fields, as a
    // driver's point sets them.
    v[AnalysisElement::kMAlkalinity] = v[AnalysisElement::kBicarbonate] = bicarbonate;
    v[AnalysisElement::kPAlkalinity] = v[AnalysisElement::kCarbonate] = carbonate;
    calcPassMode = 0;
    givenSpeciesPerKilogram = 1;
    CalcEquilibrium();
    const double alkalinity = speciation.passAlkalinity;
    givenSpeciesPerKilogram = perKilogram;
    RestoreEngineState(*kept);
    return alkalinity;
}

// The factor the 25 C split `hco3`, `co3` is scaled by for a driver's
// reference pass on it to find the alkalinity `own`: its carbonate's
// alkalinity is nearly a line in its total at a given pH, the rest (hydroxide
// less hydrogen ion) stays. 1 when no factor settles it.
double ScaleToReferenceAlkalinity(float hco3, float co3, double own) {
    auto gap = [&](double f) {
        return ReferencePassAlkalinity(static_cast<float>(hco3 * f), static_cast<float>(co3 * f)) -
               own;
    };
    double before = 1.0;
    double gapBefore = gap(1.0);
    const double carbonateAlkalinity =
        hco3 / (1000.0 * kBicarbonateMass) + 2.0 * co3 / (1000.0 * kCarbonateMass);
    if (!std::isfinite(gapBefore) || !(carbonateAlkalinity > 0.0)) return 1.0;
    double f = 1.0 - gapBefore / carbonateAlkalinity;
    for (int step = 0; step < kAlkalinitySteps; ++step) {
        if (!(f > 0.0) || !std::isfinite(f)) return 1.0;
        const double g = gap(f);
        if (!std::isfinite(g)) return 1.0;
        if (std::fabs(g) <= kAlkalinityTolerance * own || g == gapBefore) return f;
        const double next = f - g * (f - before) / (g - gapBefore);
        before = f;
        gapBefore = g;
        f = next;
    }
    return 1.0;
}

// The reference pass speciates the water at 25 C. A water typed at another
// temperature was measured there: its pH and its alkalinity are those of its own
// temperature, where the total carbonate the reference pass derived at the typed
// pH holds another alkalinity (the carbonate and the hydroxide split the same
// alkalinity otherwise when hot). The total of the given bicarbonate and
// carbonate is moved, in the split the reference pass gave, until the trial
// pass at the water's own conditions holds the typed alkalinity. The species
// are then split as that pass splits them: the passes that hold the total (at
// a given pH: the water's own results pass, most what-if passes) and those that
// hold the carbonate's alkalinity (a what-if pass under gas, a driver at the
// input pH) hold the same water. The results passes, the what-if passes and
// the water's carbonate snapshot start from those species. A water typed with
// less alkalinity than the hydroxide of its pH at its own temperature, which
// no carbonate gives, keeps the total and its page the typed pH; the drivers
// whose pH follows the temperature take the page's alkalinity. Water at 25 C
// is left as its reference pass found it, and so is a water whose CO2 comes
// from a gas phase. True when the water's carbonate was held so.
bool HoldTypedAlkalinityAtOwnTemperature(PipelineRun& run) {
    // A water whose CO2 a gas phase gives holds the CO2 of that gas instead.
    if (speciation.gasDissolved != 0) return false;
    float* v = currentAnalysis.values;
    const double bicarbonate = v[AnalysisElement::kBicarbonate];
    const double carbonate = v[AnalysisElement::kCarbonate];
    // Held to the single precision the stored results keep, so that a water
    // calculated again from what its calculation wrote back is held alike.
    const double typed = static_cast<float>(referenceAlkalinity);
    // The total (mmol/kg) and the bicarbonate's share of it the reference pass gave.
    const double total = bicarbonate / kBicarbonateMass + carbonate / kCarbonateMass;
    if (!(total > 0.0)) return false;
    const double bicarbonateShare = bicarbonate / kBicarbonateMass / total;
    auto bicarbonateOf = [&](double t) { return bicarbonateShare * t * kBicarbonateMass; };
    auto carbonateOf = [&](double t) { return (1.0 - bicarbonateShare) * t * kCarbonateMass; };
    // The gap to the typed alkalinity at the total `t`, the trial given the
    // dissolved CO2 `co2` (mg/L as H2CO3) beside it.
    const float referenceCo2 = referenceDissolvedCo2;
    float co2 = referenceCo2;
    float carbonicAcid = -1.0f;  // mg/L as H2CO3, of the last trial
    double carbonateShare = NAN;  // of the last trial
    auto gap = [&](double t) {
        referenceDissolvedCo2 = co2;
        const double alkalinity = OwnConditionsAlkalinity(static_cast<float>(bicarbonateOf(t)),
                                                          static_cast<float>(carbonateOf(t)),
                                                          carbonicAcid, carbonateShare);
        referenceDissolvedCo2 = referenceCo2;
        return alkalinity - typed;
    };
    if (!(typed > 0.0)) return false;
    // The water's passes take the CO2 in equilibrium with its carbonate at its
    // own conditions, which the trials start without: a water mostly CO2 (near
    // pH 4) holds another alkalinity at another CO2, so the total is settled
    // again at the CO2 of the last settled trial until that CO2 stays.
    double held = total;
    bool settled = false;
    for (int round = 0; round < kCo2Rounds; ++round) {
        const double atStart = gap(held);
        if (!std::isfinite(atStart)) return false;
        // The alkalinity is nearly a line in the total: the first step moves
        // the alkalinity's relative gap of the total.
        double before = held;
        double gapBefore = atStart;
        settled = std::fabs(atStart) <= kAlkalinityTolerance * typed;
        double next = held * typed / (typed + atStart);
        for (int step = 0; step < kAlkalinitySteps && !settled; ++step) {
            // No total carbonate below nothing holds it.
            if (!(next > 0.0)) break;
            const double g = gap(next);
            if (!std::isfinite(g) || g == gapBefore) break;
            held = next;
            settled = std::fabs(g) <= kAlkalinityTolerance * typed;
            if (settled) break;
            const double t = next - g * (next - before) / (g - gapBefore);
            before = next;
            gapBefore = g;
            next = t;
        }
        if (!settled || !(carbonicAcid >= 0.0f) || round + 1 == kCo2Rounds) break;
        if (std::fabs(carbonicAcid - co2) <= kCo2Tolerance * co2) break;
        co2 = carbonicAcid;
        settled = false;
    }
    // A water the solve does not settle keeps its reference pass's total: no
    // total holds its typed alkalinity at its own conditions (the hydroxide of
    // its pH there alone is more), and the page holds its typed pH. Its own
    // alkalinity is that of the page, which the 25 C split below is scaled to.
    double ownAlkalinity = typed;
    if (!settled) {
        held = total;
        co2 = referenceCo2;
        ownAlkalinity = gap(held) + typed;
        if (!std::isfinite(ownAlkalinity)) return false;
    }
    // Split as the water's own conditions split it (the same total): a driver
    // that holds the carbonate's alkalinity (under a gas, at a fixed pH) holds
    // the one the page shows. The current set below stays the 25 C split, for
    // the drivers' reference passes.
    const double share = std::isfinite(carbonateShare) ? carbonateShare : 1.0 - bicarbonateShare;
    v[AnalysisElement::kBicarbonate] = static_cast<float>((1.0 - share) * held * kBicarbonateMass);
    v[AnalysisElement::kCarbonate] = static_cast<float>(share * held * kCarbonateMass);
    if (carbonicAcid >= 0.0f) {
        v[AnalysisElement::kH2CO3] = carbonicAcid;
        referenceOutputs.dissolvedCarbonicAcid = carbonicAcid;
    }
    // The current set stays the 25 C split: a driver's reference pass on it
    // derives the typed alkalinity at 25 C, whose pH the drivers then move
    // with the temperature. Where the page holds another alkalinity, the split
    // is scaled until it holds the page's: its carbonate's alkalinity is a
    // line in its total at the typed pH, the rest (hydroxide less hydrogen ion)
    // stays.
    float hco3 = currentHCO3;
    float co3 = currentCO3;
    if (!settled) {
        const double scale = ScaleToReferenceAlkalinity(hco3, co3, ownAlkalinity);
        hco3 = static_cast<float>(hco3 * scale);
        co3 = static_cast<float>(co3 * scale);
    }
    const float h2co3 = currentH2CO3;
    const float dissolvedCo2 = currentCO2;
    KeepReferenceCarbonate(run.water, currentAnalysis);
    currentHCO3 = hco3;
    currentCO3 = co3;
    currentH2CO3 = h2co3;
    currentCO2 = dissolvedCo2;
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
