// The steps shared by every mix of the waterflood drivers.
#include "scenarios/mixing/mixing_steps.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/carbonate/carbonate_math.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/dose/inhibitor_dose.h"
#include "engine/inputs/engine_unit_factors.h"
#include "engine/inputs/inputs_records.h"
#include "engine/carbonate/ph_adjustment.h"
#include "engine/speciation/ph_solve_records.h"
#include "engine/speciation/speciation_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "input/records.h"
#include "scenarios/frame/driver_frame.h"
#include "scenarios/frame/engine_port.h"
#include "scenarios/frame/point_steps.h"

namespace {

// Calculation modes of the engine (calcPassMode): 1 an ordinary pass at the
// water's own conditions, 2 a what-if pass of a water at other conditions.
constexpr uint16_t kOrdinaryPass = 1;
constexpr uint16_t kWhatIfPass = 2;
// Alkalinity mode 3: the bicarbonate and carbonate are given.
constexpr float kSpeciesGivenMode = 3.0f;

// The whole alkalinity (eq/kg) of the last mix's own pass before its pH
// control (MixCarbonate), and the carbonate that pass shows.
double mixAlkalinity = 0.0;
ShownCarbonate mixShown{};

// The carbonate the last pass shows: the dissolved CO2 its pH and bicarbonate
// hold, its bicarbonate and carbonate.
ShownCarbonate LastPassCarbonate() {
    return PassCarbonateShown(resultsCarbonate.equilibriumCarbonicAcid, SaturationResults[27],
                              SaturationResults[29], reportingMode,
                              currentAnalysis.values[AnalysisElement::kResultScale]);
}

// A pass on the mix's carbonate species as given, in `passMode`; a mix that
// carbon dioxide brought to its pH holds the alkalinity it had before.
void RunGivenSpeciesMixPass(uint16_t passMode) {
    calcPassMode = passMode;
    currentAnalysis.values[AnalysisElement::kSpeciesGiven] = 1.0f;
    currentAnalysis.values[AnalysisElement::kAlkalinityMode] = kSpeciesGivenMode;
    heldAlkalinity = MixHeldAlkalinity();
    RunMixPass();
    heldAlkalinity = 0.0;
}

}  // namespace

double MixHeldAlkalinity() {
    return DosedWithCarbonDioxide(phControlSettings, acidDemand) && SettlesPhDoses()
               ? mixAlkalinity
               : 0.0;
}

MixSources WaterfloodSources() {
    return {injectionWater, formationWater, CarbonateSnapshot.injection,
            CarbonateSnapshot.formation, reportingMode};
}

void HandBlendToEngine(const BlendedCarbonate& b, double hydrogen) {
    carbonateState.k1 = b.k1;
    carbonateState.k2 = b.k2;
    carbonateState.kw = b.kw;
    carbonateState.carbonateMass = b.co3Mass;
    carbonateState.bicarbonateMass = b.hco3Mass;
    carbonateState.co2Mass = b.co2Mass;
    carbonateState.alkalinityAsCaCO3 = b.alkalinityAsCaCO3;
    carbonateState.acidityAsCaCO3 = b.acidityAsCaCO3;
    carbonateState.hMolality = ClampToFloat(hydrogen);
    carbonateState.ohMolality = ClampToFloat(b.hydroxide);
    referenceOutputs.chargeResidual = b.chargeValue;
    referenceCarbonate.totalCarbonate = b.totalCarbonate;
    // A later pass takes its carbonic acid, bicarbonate and carbonate from the
    // reference figures, and the carbonate pH solve its alkalinity and acidity
    // (mg/L as CaCO3) from the solve inputs.
    referenceH2CO3 = b.h2co3;
    referenceHCO3 = b.bicarbonate;
    referenceCO3 = b.carbonate;
    referenceDissolvedCo2 = b.dissolvedCo2;
    blendDissolvedCo2 = b.dissolvedCo2;
    phSolveAlkalinity = b.alkalinityAsCaCO3;
    phSolveAcidity = b.acidityAsCaCO3;
}

void RunMixPass() {
    balanceHold = 0;
    CurrentScenarioEngine().runCalculations();
    balanceHold = 0;
}

void RunFirstMixPass() {
    calcPassMode = kOrdinaryPass;
    RunMixPass();
}

void RunMixMainPass() {
    RunGivenSpeciesMixPass(kOrdinaryPass);
}

void RunMixWhatIfPass() {
    RunGivenSpeciesMixPass(kWhatIfPass);
}

void AdjustMixPh(float targetPh) {
    float ph = currentAnalysis.values[AnalysisElement::kPh];
    float scratchAlkalinity = 0.0f;
    AdjustpHToTarget(3, 1.0f, targetPh, ph, scratchAlkalinity);
}

SpeciatedCarbonate MixCarbonate() {
    const WaterAnalysis mix = currentAnalysis;
    mixAlkalinity = 0.0;
    RunMixMainPass();
    mixAlkalinity = speciation.passAlkalinity;
    mixShown = LastPassCarbonate();
    const SpeciatedCarbonate carbonate = resultsCarbonate.system;
    currentAnalysis = mix;
    return carbonate;
}

void SplitAdjustedCarbonate(const SpeciatedCarbonate& mix, float targetPh) {
    const auto shares = SharesMovedTo(mix, targetPh);
    if (!shares) return;
    float* v = currentAnalysis.values;
    using namespace carbonate;
    const double total = TotalCarbonate(v[AnalysisElement::kCarbonate],
                                        v[AnalysisElement::kBicarbonate],
                                        v[AnalysisElement::kAcidity]);
    v[AnalysisElement::kAcidity] = ClampToFloat(shares->co2 * total * kH2co3MgPerMol);
    v[AnalysisElement::kBicarbonate] = ClampToFloat(shares->bicarbonate * total * kHco3MgPerMol);
    v[AnalysisElement::kCarbonate] = ClampToFloat(shares->carbonate * total * kCo3MgPerMol);
    dissolvedCO2Copy = v[AnalysisElement::kAcidity];
}

void HandAdjustedCarbonate() {
    referenceDissolvedCo2 = currentAnalysis.values[AnalysisElement::kAcidity];
}

namespace {

// The adjusted working analysis speciated at `targetPh`: a what-if pass on its
// carbonate species (which such a pass takes from the reference figures)
// holds their total there with every ion of the water, as Vary pH's passes of
// its dosed water do. The working analysis and the carbonate figures handed
// to later passes are left as they were.
SpeciatedCarbonate DosedMixCarbonate(float targetPh) {
    const WaterAnalysis adjusted = currentAnalysis;
    const float co2 = dissolvedCO2Copy;
    const float referenceCo2 = referenceDissolvedCo2;
    const float referenceBicarbonate = referenceHCO3;
    const float referenceCarbonate = referenceCO3;
    referenceHCO3 = adjusted.values[AnalysisElement::kBicarbonate];
    referenceCO3 = adjusted.values[AnalysisElement::kCarbonate];
    currentAnalysis.values[AnalysisElement::kPh] = targetPh;
    RunMixWhatIfPass();
    const SpeciatedCarbonate dosed = resultsCarbonate.system;
    currentAnalysis = adjusted;
    dissolvedCO2Copy = co2;
    referenceDissolvedCo2 = referenceCo2;
    referenceHCO3 = referenceBicarbonate;
    referenceCO3 = referenceCarbonate;
    return dosed;
}

}  // namespace

void SettleMixDose(const SpeciatedCarbonate& mix, float targetPh) {
    if (!(acidDemand > 0.0f) && !(alkaliDemand > 0.0f)) return;
    // Carbon dioxide: the dose is the CO2 the dosed water took, the carbonate
    // it shows at the target pH over the mix's own pass before the dose, and
    // the mix is that water.
    if (MixHeldAlkalinity() > 0.0) {
        // The passes that follow hold the dissolved CO2 of the mix before the
        // dose among its solids, as Vary pH's passes of its dosed water hold
        // the water's own.
        referenceDissolvedCo2 = static_cast<float>(mixShown.h2co3);
        (void)DosedMixCarbonate(targetPh);
        (void)SettleCarbonDioxide(mixShown, LastPassCarbonate());
        return;
    }
    // The chemical's ions change the pairs and activities the alkalinity moved
    // is counted in: a hot alkaline water brought up by a whole pH takes 4 %
    // more alkali than the blend's own pass before the dose says, and a water
    // near pH 4 2 %. The settled dose brings more of them again, so the water
    // it makes is speciated once more for the passes that follow.
    if (!SettlepHDemandOn(DosedMixCarbonate(targetPh), static_cast<float>(mix.ph), targetPh))
        return;
    SplitAdjustedCarbonate(DosedMixCarbonate(targetPh), targetPh);
    HandAdjustedCarbonate();
}

bool KeepDosedMixPco2() {
    if (!(acidDemand > 0.0f) && !(alkaliDemand > 0.0f)) return false;
    if (whatIfOptions.varyPco2 != 0) return false;
    const float atm = resultsCarbonate.pco2Atm;
    if (!(atm > 0.0f) || !std::isfinite(atm) || atm >= 1.0e37f) return false;
    float* v = currentAnalysis.values;
    const double totalBar =
        PressureInBar(v[AnalysisElement::kPressure], unitCodes.code[UnitItem::kPressure]);
    const double inUnit =
        AtmToPartialPressureUnit(atm, unitCodes.code[UnitItem::kGasCo2], totalBar);
    if (!(inUnit > 0.0 && inUnit < 1.0e37)) return false;
    v[AnalysisElement::kPco2] = static_cast<float>(inUnit);
    return true;
}

void KeepAdjustedElements(const float* working, float* row) {
    KeepPhControlFields(working, row);
    row[AnalysisElement::kPco2] = working[AnalysisElement::kPco2];
}

void ClearMixDoseTracking() {
    doseLimitState.runningLimitDose = 0.0f;
    doseLimitState.presentLimitDose = 0.0f;
}

uint16_t DoseAtMix(const MixDoseRows& rows, const MixDoseCall& call, DoseContext& inputs,
                   float& dose) {
    std::memcpy(doseAnalysis.analysis, rows.analysis, sizeof doseAnalysis.analysis);
    std::memcpy(doseAnalysis.results, rows.results, sizeof doseAnalysis.results);
    std::memcpy(doseAnalysis.excess, rows.excess, sizeof doseAnalysis.excess);
    const UnitContext units = GlobalUnitContext();
    const MixDoseSource source{doseAnalysis, units, currentResidenceTime, corrosionTarget};
    float limits[kLimitInputCount];
    MixLimitInputs(productTable, source, call.rules, limits);
    inputs = MixDoseInputs(doseAnalysis, call.resultSlot, call.phosphate, units);
    if (call.ph) inputs.value[DoseInput::kPh] = *call.ph;
    const float temperature = rows.analysis[AnalysisElement::kTemperature];
    const int16_t status = CurrentScenarioEngine().calcInhibitorDosage(&inputs, temperature, limits,
                                                                       currentResidenceTime, &dose);
    return static_cast<uint16_t>(std::max<int16_t>(status, 0));
}

bool ProductIsRecorded(const char (&recorded)[kMixProductNameChars]) {
    return SameProductName(CurrentProductName(productTable), recorded);
}

void RecordProduct(char (&recorded)[kMixProductNameChars]) {
    RecordProductName(CurrentProductName(productTable), recorded);
}
