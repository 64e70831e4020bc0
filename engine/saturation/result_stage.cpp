// Binds the global records to the last stage of the equilibrium calculation: reads
// what the input stage and the speciation left, runs the reference pass or the
// results pass, and writes the result records.
#include "engine/saturation/result_stage.h"

#include <cmath>

#include "engine/balancing/balancing_records.h"
#include "engine/carbonate/carbonate_potential.h"
#include "engine/inputs/inputs_records.h"
#include "engine/inputs/ion_sums.h"
#include "engine/pipeline/numbers/clamp_to_float.h"
#include "engine/pipeline/numbers/round_to_charge.h"
#include "engine/records.h"
#include "engine/saturation/result_concentrations.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/reference_pass.h"
#include "engine/speciation/speciation_records.h"
#include "engine/tables/constants_records.h"
#include "input/records.h"

namespace {

// The result scale factor R of mass concentrations: analysis element 44 when the
// reporting mode is 0 or 2 and the element is set, else 1.
double ResultScale(const float* values) {
    const int mode = RoundToCharge(values[AnalysisElement::kReportingMode]);
    const double scale = values[AnalysisElement::kResultScale];
    return (mode == 0 || mode == 2) && scale != 0.0 ? scale : 1.0;
}

void RunReferencePass(const SpeciatedWater& w, const IonSums& sums) {
    if (balanceHold == 0) {
        const BalanceChoice choice{balancingSettings.cationBalanceIon,
                                   balancingSettings.anionBalanceIon};
        const int reporting =
            RoundToCharge(currentAnalysis.values[AnalysisElement::kReportingMode]);
        const BalanceDecision d = DecideBalance(sums, choice, unitCodes, reporting, w.massFactor,
                                                speciesTable, SpeciesState);
        if (d.anionAdded) anionAdded = 1;
        if (d.cationAdded) cationAdded = 1;
        // The species records are per kilogram; the analysis takes mg/L (R is 1
        // outside mg/L reporting).
        if (d.amountSet) balanceAmount = static_cast<float>(d.amount * w.resultScale);
    }
    ReferencePassRecords out{currentAnalysis,  SaturationResults,  carbonateState,
                             referenceOutputs, referenceCarbonate, referenceAlkalinity,
                             referencePh};
    WriteReferenceValues(w, unitCodes.code[UnitItem::kGasCo2], engineInputs.pressureBar, out);
    calcPassMode = 1;
}

}  // namespace

SpeciatedWater BindSpeciatedWater() {
    const SpeciationState& st = speciation;
    const EngineInputs& in = engineInputs;
    SpeciatedWater w{};
    w.species = SpeciesState;
    w.speciesTable = &speciesTable;
    w.reactionK = reactionK;
    w.ph = st.ph;
    w.startPh = enginePh;
    w.waterActivity = st.waterActivity;
    w.logWaterActivity = st.logWaterActivity;
    w.ionicStrength = st.ionicStrength;
    w.sqrtIonicStrength = st.sqrtI;
    w.temperatureC = in.temperatureC;
    w.temperatureF = in.temperatureF;
    w.temperatureK = in.temperatureK;
    w.pressurePsia = in.pressurePsia;
    w.massFactor = in.molalDiv;
    w.resultScale = ResultScale(currentAnalysis.values);
    w.debyeA = waterConstants.debyeA;
    w.debyeB = waterConstants.debyeB;
    w.calciumTotal = st.caT;
    w.alkalinityTotal = st.totalAlkalinity;
    w.carbonateTotal = st.co3T;
    w.bicarbonateTotal = st.hco3T;
    w.hydroxideTotal = st.ohT;
    w.sulfateTotal = st.so4T;
    w.chlorideTotal = st.clT;
    w.phosphateTotal = st.po4T;
    w.bariumTotal = st.baT;
    w.ironTotal = st.feT;
    w.magnesiumTotal = st.mgT;
    w.strontiumTotal = st.srT;
    w.oxalate = st.oxalate.molalityC2O4;
    w.oxalateGamma = st.oxalate.gammaC2O4;
    w.hydrogenOxalate = st.oxalate.molalityHC2O4;
    w.pyrophosphate = SpeciesState[Ion::kPolyphosphate].molality;
    w.pyrophosphateGamma = SpeciesState[Ion::kPolyphosphate].gamma;
    for (int k = 0; k < 4; ++k) {
        w.organicAcidTotal[k] = st.organicAcidTotal[k];
        w.organicAcidDissociated[k] = st.organicAcidDissociated[k];
    }
    w.loopTotalCarbonate = st.totalCarbonate;
    w.carbonateTarget = st.carbonateTarget;
    w.startCarbonateAlkalinity = st.startCarbonateAlkalinity;
    w.totalCarbonateTarget = st.totalCarbonateTarget;
    w.alkalinityMode = RoundToCharge(currentAnalysis.values[AnalysisElement::kAlkalinityMode]);
    w.co2SolubilityLog = in.co2SolubilityLog;
    w.co2FollowedPh = st.co2FollowedPh != 0;
    w.ph2sAtm = in.ph2sAtm;
    return w;
}

CarbonateSolverValues SolveFamilyCarbonates(const SpeciatedWater& w) {
    CarbonateSolverValues v{};
    // Each search starts from the water at the pH this pass found, on the
    // constants of this pass, with the free cation and the saturation ratio
    // that the free ions give: the answer is positive exactly where the ratio
    // is above 1, and never takes more of the cation or of the carbonate than
    // the water holds.
    const CarbonateConstants constants{ConditionalK1(w), ConditionalK2(w),
                                       ConditionalWaterConstant(w), w.G(Ion::kH)};
    const double acidity = CarbonateAcidity(w);
    const double freeCarbonate = w.M(Ion::kCO3);
    double metal[kFamilyCarbonateCount];
    double ratio[kFamilyCarbonateCount];
    for (int i = 0; i < kFamilyCarbonateCount; ++i) {
        const FamilyCarbonate& c = kFamilyCarbonates[i];
        metal[i] = w.M(c.cation);
        ratio[i] = metal[i] * freeCarbonate / FamilyKc(w, c);
    }
    CarbonatePotential p[kFamilyCarbonateCount];
    SearchCarbonatePotentials(constants, w.ph, acidity, metal, ratio, p);
    for (int i = 0; i < kFamilyCarbonateCount; ++i)
        v.potential[i] = p[i].found ? p[i].amount * kFamilyCarbonates[i].molarMass * w.massFactor
                                    : static_cast<double>(kSolverNotReachable);
    return v;
}

void WriteEngineResults() {
    const SpeciatedWater w = BindSpeciatedWater();
    // Cation to anion ratio and dissolved solids, in both passes.
    const IonSums sums = CalcIonSums(w);
    SaturationResults[33] = ClampToFloat(CationAnionRatio(sums));
    SaturationResults[35] = ClampToFloat(sums.tds);
    resultsCarbonate.system = CarbonateSystemOf(w);
    if (calcPassMode == 0) {
        RunReferencePass(w, sums);
        return;
    }
    const CarbonateSolverValues solvers = SolveFamilyCarbonates(w);
    ResultsPassRecords out{currentAnalysis,      SaturationResults,    MomentaryExcess,
                           zincPhosphateResults, calciumSilicateRatio, calciumSilicateRatioCopy,
                           oxalateResults,       waterActivityResult,  resultsCarbonate};
    RunResultsPass(w, solvers, sums, out);
}
