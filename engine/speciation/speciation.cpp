// The speciation iteration: the set-up before the first pass (pH, dissolved
// gas, carbonate targets, component totals) and the passes themselves.
#include "engine/speciation/speciation.h"

#include <cmath>

#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_state.h"
#include "engine/inputs/engine_inputs.h"
#include "engine/pipeline/numbers/round_to_charge.h"
#include "engine/speciation/speciation_steps.h"
#include "engine/tables/power_of_ten.h"

namespace {

constexpr double kStartPhStep = 0.2;

// Free gas of a production system dissolves into the brine when the pressure is
// at or above its bubble point (a Standing-type correlation in the gas-oil ratio,
// t in degrees F, P in psia); the brine then carries the gas's carbon dioxide and
// hydrogen sulfide.
void DissolveGasPhase(SpeciationWork& w) {
    const SpeciationInputs& in = w.in;
    SpeciesRecord* s = w.s;
    if (in.calcPassMode != 0 || !(in.gasFlow > 0.0)) return;
    const double gas = in.gasFlow * in.gasFactor;
    const double oil = in.oilFlow * in.oilFactor;
    if (!(gas > 0.0 && oil > 0.0)) return;
    const double t = in.temperatureF;
    const double p = in.pressurePsia;
    const double ratio = gas / oil;
    const double gravity = 0.6 * (1.0 + 0.0017736 * t * std::log10(p / 114.7));
    const double bubblePoint =
        std::pow(ratio / (0.0362 * gravity * std::exp(771.72 / (t + 459.67))), 0.9143);
    if (!(bubblePoint <= p && p > 14.7)) return;

    SpeciesRecord& co2 = s[Sp::kCO2];
    co2.molality = in.co2PerBrine;
    co2.amount = co2.molality * 62.0253 * in.molalDiv;
    co2.activity = co2.gamma * co2.molality;
    SpeciesRecord& sulfide = s[Sp::kSulfideTotal];
    sulfide.molality = in.h2sPerBrine;
    sulfide.amount = sulfide.molality * kSulfideInputMolarMass * in.molalDiv;
    sulfide.activity = sulfide.gamma * sulfide.molality;
    const double factor = in.h2sUnitFactor > 0.0 ? in.h2sUnitFactor : 1.0;
    // Shown in mg/L: the amount is per kg of water, times the specific gravity.
    w.rec.analysis.values[AnalysisElement::kH2S] =
        ClampToFloat(sulfide.amount * in.resultScale / factor);
    w.rec.state.gasDissolved = 1;
}

void SetCarbonateTargets(SpeciationWork& w) {
    const SpeciesRecord* s = w.s;
    SpeciationState& st = w.rec.state;
    const float* values = w.rec.analysis.values;
    const double mHco3 = s[Sp::kHCO3].molality;
    const double mCo3 = s[Sp::kCO3].molality;
    st.startCarbonateAlkalinity = 2.0 * mCo3 + mHco3;
    if (st.gasDissolved) st.startCarbonateAlkalinity += s[Sp::kCO2].molality;
    if (RoundToCharge(values[AnalysisElement::kSpeciesGiven]) == 1) {
        st.totalCarbonateTarget = mHco3 + mCo3;
        st.alkalinityTarget = st.startCarbonateAlkalinity;
        const uint16_t model = w.in.carbonateModel;
        st.totalCarbonate =
            (model == 1 || model == 3) ? st.alkalinityTarget : st.totalCarbonateTarget;
    } else {
        st.alkalinityTarget = values[AnalysisElement::kAlkalinityEq];
        st.totalCarbonateTarget = values[AnalysisElement::kTotalCarbonate];
        st.totalCarbonate = st.startCarbonateAlkalinity;
    }
    if (st.gasDissolved) st.totalCarbonateTarget = mHco3 + mCo3 + s[Sp::kCO2].molality;
}

// A what-if pass on given species (the water of a profile point, a grid cell or
// a well station) is the same water at other conditions: it holds the given
// total carbonate, the pH splitting it, or, while a CO2 partial pressure sets
// its pH, the given alkalinity. Complexes count in both: in a brine most of the
// carbonate is paired with sodium, calcium or magnesium, and those pairs shift
// with the temperature and the pH, so the free-carbonate estimate of the
// reference pass is not the water's carbonate at a point. A pass whose pH moves
// to the reference alkalinity holds the total carbonate beside it. A water
// that carbon dioxide brought to its pH holds the alkalinity it had before.
CarbonateHold ChooseCarbonateHold(const SpeciationInputs& in, const float* values) {
    const bool given = RoundToCharge(values[AnalysisElement::kSpeciesGiven]) == 1;
    if (given && in.calcPassMode != 0 && in.balanceHold == 0 && in.heldAlkalinity > 0.0)
        return CarbonateHold::kAlkalinity;
    if (!given || in.calcPassMode != 2 || in.balanceHold != 0) {
        return CarbonateHold::kReferenceEstimate;
    }
    const bool open = in.carbonateModel == 1 || in.carbonateModel == 3;
    const bool underGas = in.varyPco2 != 0 && in.phBalanceSwitch == 0;
    if (open || underGas) return CarbonateHold::kAlkalinity;
    return CarbonateHold::kTotalCarbonate;
}

// Whether the first pass adds the dissolved CO2 to the total-carbonate target.
// Entered as calculated species (alkalinity mode 3) it always does. Carbonate
// species given in any other mode come with their dissolved CO2 as well (the
// reference pass's, or the CO2 of pCO2), which every pass holds and which the
// computed total counts: a target without it leaves the bicarbonate and carbonate
// short by the CO2, and a water with more CO2 than bicarbonate and carbonate can
// never meet it (the closure shrinks them toward nothing until the pass limit).
// Free gas that dissolved has put the CO2 into the target already.
bool CountsDissolvedCo2InTarget(const float* values, const SpeciationState& st) {
    if (RoundToCharge(values[AnalysisElement::kAlkalinityMode]) == 3) return true;
    return RoundToCharge(values[AnalysisElement::kSpeciesGiven]) == 1 && st.gasDissolved == 0;
}

void TakeComponentTotals(SpeciationWork& w) {
    SpeciesRecord* s = w.s;
    SpeciationState& st = w.rec.state;
    st.silicaT = s[Sp::kSilicaTotal].molality;
    st.caT = s[Sp::kCa].molality;
    st.mgT = s[Sp::kMg].molality;
    st.naT = s[Sp::kNa].molality;
    st.kT = s[Sp::kK].molality;
    st.feT = s[Sp::kFe].molality;
    st.alT = s[Sp::kAl].molality;
    st.liT = s[Sp::kLi].molality;
    st.srT = s[Sp::kSr].molality;
    st.baT = s[Sp::kBa].molality;
    st.znT = s[Sp::kZn].molality;
    // Ammonia arrives as ammonium: the total is whatever the two forms hold.
    st.ammoniaT = s[Sp::kNH3].molality + s[Sp::kNH4].molality;
    st.boronT = s[Sp::kBoronTotal].molality;
    st.sulfideT = s[Sp::kSulfideTotal].molality;
    st.po4T = s[Sp::kPO4].molality;
    st.so4T = s[Sp::kSO4].molality;
    st.fT = s[Sp::kF].molality;
    st.clT = s[Sp::kCl].molality;
    st.polyphosphateT = w.in.polyphosphateMolality;
    s[Sp::kPolyphosphate].molality = st.polyphosphateT;
    // The totals no longer count in the ionic strength once they are split.
    s[Sp::kSilicaTotal].molality = 0.0;
    s[Sp::kBoronTotal].molality = 0.0;
    s[Sp::kHPO4].molality = st.po4T;

    st.oxalate.total = static_cast<float>(w.in.oxalateMolality);
    for (int i = 0; i < 4; ++i) st.organicAcidTotal[i] = w.in.organicAcidMolality[i];
}

// Only iron's block reads the redox level (its iron(III) forms) and the log of the
// water activity within the passes; without iron both are taken once, after the
// last pass, from what that pass met.
bool RedoxLevelEachPass(const SpeciationState& st) {
    return st.feT > 0.0;
}

// The pH of a water under a CO2 partial pressure: the held CO2 beside the free
// bicarbonate this pass left, its pairs formed. Started from the free-ion
// estimate, it falls as the bicarbonate pairs with sodium, calcium and magnesium.
// The pH moves only once the pass has closed its carbonate at the pH it had,
// so that the free bicarbonate it reads is the water's at that pH. A water
// holding its alkalinity under the gas takes the pH its alkalinity balances
// at, which reads no free bicarbonate, in every pass: a start far above that
// pH leaves the carbonate nothing to close on.
void FollowGasPh(SpeciationWork& w) {
    double ph = GasBalancePh(w);
    if (!std::isfinite(ph)) {
        if (w.notConverged) return;
        ph = MethodZeroPh(w.in, w.s, w.k);
    }
    if (!(std::fabs(ph - w.ph) > 1e-4)) return;
    w.ph = ph;
    w.rec.analysis.values[AnalysisElement::kPh] = ClampToFloat(ph);
    TakeTenPh(w);
    SetWaterIons(w);
    w.notConverged = true;
}

void RunPass(SpeciationWork& w) {
    const SpeciationInputs& in = w.in;
    SpeciationRecords& rec = w.rec;
    SpeciationState& st = rec.state;
    SpeciesRecord* s = w.s;

    ++st.passCount;
    double molalSum = 0.0;
    // The species that hold an amount or that a pass writes are listed before the
    // first pass; a species a block forms later joins the list then.
    if (w.summedChanged) {
        ListPassSpecies(w.s, w.summed, rec.table, w.present);
        w.summedChanged = false;
    }
    SumSpecies(s, w.present, molalSum, st.ionicStrength);
    st.waterActivity = 1.0 - 0.017 * molalSum;
    if (st.waterActivity < 0.2) st.waterActivity = 0.2;
    st.sqrtI = st.ionicStrength > 0.0 ? std::sqrt(st.ionicStrength) : 1e-5;
    // From the second pass on, the records of the species the blocks form keep their
    // coefficients until the passes end: the blocks take them by class.
    ApplyActivityCoefficients(in.debyeA, in.debyeB, st.ionicStrength, st.sqrtI, rec.table,
                              w.classes, s, w.neutral, w.inverseGamma, w.gammaByClass,
                              st.passCount > 1);

    SetLigandActivities(w);
    w.redox = {w.ph, s[Sp::kSO4].activity, s[Sp::kH2S].activity};
    if (RedoxLevelEachPass(st)) {
        st.logWaterActivity = std::log10(st.waterActivity);
        SetRedoxLevel(w);
    }
    TakeTenPh(w);
    SetWaterIons(w);
    SetAcidSpecies(w);
    DissociateOrganicAcids(w);
    SolveMixingStepPh(w);
    SpeciateCarbonate(w);
    if (st.passCount == 1 && w.carbonateHold != CarbonateHold::kTotalCarbonate &&
        CountsDissolvedCo2InTarget(rec.analysis.values, st)) {
        w.co2InTarget = s[Sp::kCO2].molality;
        st.totalCarbonateTarget += w.co2InTarget;
    } else if (w.co2FollowsPh && w.co2InTarget != 0.0) {
        // The target counts the CO2 of this pass, not the first pass's.
        st.totalCarbonateTarget += s[Sp::kCO2].molality - w.co2InTarget;
        w.co2InTarget = s[Sp::kCO2].molality;
    }
    SpeciateOxalate(w);
    SolveComponentBlocks(w);
    SumBalances(w);

    w.notConverged = false;
    if (in.calcPassMode != 0 && in.phBalanceSwitch == 1) {
        const double before = w.ph;
        // A held water's carbonate closes one pass after the pH moves: the pH
        // is balanced on the alkalinity of the closed carbonate, not on the
        // pass's, which lags a pH that keeps moving (a high-pH water's paired
        // carbonate, short of its total by the lag, walked its pH 0.01 off in
        // steps too small to come back, or to the pass limit).
        const double alkalinity = st.passAlkalinity + HeldCarbonateGap(w);
        if (BalanceChargeByPh(alkalinity, in.referenceAlkalinity, w.ph, st.phStep, st.phDirection,
                              rec.enginePh, rec.phBoundUsed)) {
            w.notConverged = true;
        }
        if (w.ph != before) {
            TakeTenPh(w);
            SetWaterIons(w);
        }
    }
    CloseCarbonate(w);
    if (w.phFollowsGas) FollowGasPh(w);
    RelaxLigands(w);
}

}  // namespace

void Speciate(const SpeciationInputs& in, SpeciationRecords& rec) {
    SpeciationState& st = rec.state;
    st.passCount = 0;
    st.converged = 0;
    st.phStep = kStartPhStep;
    st.phDirection = -1;
    st.gasDissolved = 0;
    st.bariumBicarbonate = st.bariumCarbonate = st.bariumSulfate = 0.0;
    st.ionicStrength = in.firstIonicStrength;
    st.sqrtI = in.firstIonicStrength > 0.0 ? std::sqrt(in.firstIonicStrength) : 1e-5;
    st.waterActivity = in.firstWaterActivity;

    SpeciationWork w(in, rec, ActivityClassesOf(rec.table));

    const bool phToFind = !(rec.analysis.values[AnalysisElement::kPh] > 0.0f);
    w.ph = SettleStartingPh(in, rec, in.firstWaterActivity);
    SetPhLinearConstants(w.ph, in.temperatureK, rec.reactions, rec.reactionLogK, rec.reactionK);
    TakeConstantLogs(w);

    DissolveGasPhase(w);
    SetCarbonateTargets(w);
    w.carbonateHold = ChooseCarbonateHold(in, rec.analysis.values);
    // A reference pass given a pCO2 and no pH holds the CO2 that the pCO2
    // dissolves beside the water's alkalinity; so does a what-if pass under gas.
    const bool underGas = (w.carbonateHold == CarbonateHold::kAlkalinity && in.varyPco2 != 0) ||
                          (in.calcPassMode == 0 && in.pco2Atm > 0.0);
    // (A profile step or well station takes the production system's pH instead.)
    w.phFollowsGas = phToFind && underGas && in.profileStepFlag == 0 &&
                     in.phPredictionMethod == 0 && in.balanceHold == 0 &&
                     w.s[Sp::kCO2].molality > 0.0;
    w.co2FollowsPh = in.calcPassMode == 0 && in.balanceHold == 0 && st.gasDissolved == 0 &&
                     w.s[Sp::kCO2].molality == 0.0;
    st.co2FollowedPh = w.co2FollowsPh ? 1 : 0;
    // The given dissolved CO2 belongs to the total that the pH splits.
    if (w.carbonateHold == CarbonateHold::kTotalCarbonate) {
        st.totalCarbonateTarget += w.s[Sp::kCO2].molality;
    }
    TakeComponentTotals(w);
    BeginPassSpecies(w);

    do {
        RunPass(w);
    } while (w.notConverged && st.passCount < kSpeciationPassLimit);
    // A pH search that starts far from the charge balance (a pH predicted for a
    // high pressure, several units off) spends its passes walking there in steps
    // of 0.2 and halves its step only near the end, where the ligand balances are
    // still closing. From the pH it reached the search starts again with its
    // first step. A calculation that closed within the first passes is untouched.
    if (w.notConverged) {
        st.phStep = kStartPhStep;
        st.phDirection = -1;
        do {
            RunPass(w);
        } while (w.notConverged && st.passCount < 2 * kSpeciationPassLimit);
    }
    if (!RedoxLevelEachPass(st)) {
        st.logWaterActivity = std::log10(st.waterActivity);
        SetRedoxLevel(w);
    }

    // Every species of a class leaves with the coefficient of the last pass. The last
    // relaxation moved the free ligands after their activities were taken; the
    // records leave with activity = gamma x molality throughout.
    WriteGroupedCoefficients(w.classes, w.gammaByClass, w.s);
    SetLigandActivities(w);

    st.ph = w.ph;
    st.converged = w.notConverged ? 0 : 1;
    if (w.notConverged) ++unconvergedSpeciations;
}
