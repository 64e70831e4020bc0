// The closing balances of a speciation pass: the ligand, carbonate and alkalinity
// sums of the species just formed, the carbonate closure that scales the
// carbonate estimate toward its target, and the relaxation of the free ligands
// toward their analytical totals.
#include <cmath>
#include <initializer_list>

#include "common/water_analysis.h"
#include "engine/pipeline/numbers/round_to_charge.h"
#include "engine/speciation/speciation_steps.h"
#include "engine/tables/power_of_ten.h"

namespace {

// Relative tolerance of the mass balances and the carbonate closure.
constexpr double kBalanceTolerance = 0.001;
// Reactions of the carbonic acid steps in the reaction table.
constexpr int kGasCarbonicAcid1 = 35;
constexpr int kGasCarbonicAcid2 = 68;

double Sum(const SpeciesRecord* s, std::initializer_list<int> species) {
    double total = 0.0;
    for (int i : species) total += s[i].molality;
    return total;
}

// The hydrogen and hydroxide ions a water under a CO2 partial pressure gains
// from the pH of the species it was given (the reference pH) to this pass's,
// mol/kg: the carbonate alkalinity that holds its total alkalinity moves by
// them. A pCO2 that takes a brine's pH to 3 or 4 leaves a hydrogen ion a fifth
// of its alkalinity.
double WaterIonShift(const SpeciationWork& w) {
    const double referencePh = w.in.referencePh;
    if (w.in.varyPco2 == 0 || !(referencePh > 0.0 && referencePh < 14.0)) return 0.0;
    const SpeciesRecord* s = w.s;
    const double tenPh = std::pow(10.0, referencePh);
    const double h = 1.0 / (s[Sp::kH].gamma * tenPh);
    const double oh = w.rec.state.waterActivity * w.kw * tenPh / s[Sp::kOH].gamma;
    return (s[Sp::kH].molality - s[Sp::kOH].molality) - (h - oh);
}

// The bisulfide and sulfide a sour water under a CO2 partial pressure hands
// to the carbonate from the pH of the species it was given (the reference pH)
// to this pass's, mol/kg: the gas brings no ion, so the water's whole
// alkalinity, carbonate with bisulfide, stays, and what the sulfide gives up
// as the pH falls the carbonate alkalinity takes. The split at the reference
// pH is the pass's own, its coefficients and constants, moved by the pH alone
// (bisulfide in proportion to 10^pH, sulfide to its square).
double SulfideShift(const SpeciationWork& w) {
    const double referencePh = w.in.referencePh;
    if (w.in.varyPco2 == 0 || !(referencePh > 0.0 && referencePh < 14.0)) return 0.0;
    const SpeciesRecord* s = w.s;
    const double h2s = s[Sp::kH2S].molality;
    const double hs = s[Sp::kHS].molality;
    const double s2 = s[Sp::kS2].molality;
    if (!(h2s > 0.0) || !(hs + s2 > 0.0)) return 0.0;
    const double r = Exp10(referencePh - w.ph);
    const double x = hs / h2s * r;
    const double y = s2 / h2s * r * r;
    const double atReference = (h2s + hs + s2) * (x + 2.0 * y) / (1.0 + x + y);
    if (!std::isfinite(atReference)) return 0.0;
    return atReference - (hs + 2.0 * s2);
}

// The carbonate alkalinity a pass that holds the alkalinity closes on: a
// water that carbon dioxide brought to its pH keeps the whole alkalinity it
// had before (the held alkalinity), of which the carbonate holds what its
// other bases and the hydrogen ion leave; any other pass its given species'
// own, shifted by the water ions and the sulfide of a pCO2 pass.
double HeldAlkalinityTarget(const SpeciationWork& w) {
    if (w.in.heldAlkalinity > 0.0)
        return w.in.heldAlkalinity - NonCarbonateAlkalinity(w.s, w.rec.state) +
               w.s[Sp::kH].molality;
    return w.rec.state.alkalinityTarget + WaterIonShift(w) + SulfideShift(w);
}

// The alkalinity of a water under a CO2 partial pressure at a trial pH `ph`,
// eq/kg: the carbonate the held CO2 gives there (its pairs in the proportion
// this pass formed them) with the bisulfide, sulfide and water ions, each moved
// from this pass's own split by the pH alone. `sour` counts the sulfide and the
// water ions, which move the held alkalinity's carbonate share.
double GasAlkalinityAt(const SpeciationWork& w, double ph, bool sour) {
    const SpeciesRecord* s = w.s;
    const SpeciationState& st = w.rec.state;
    const double tenPh = Exp10(ph);
    const double aHco3 = w.k[kGasCarbonicAcid1] * s[Sp::kCO2].activity * tenPh;
    const double mHco3 = aHco3 / s[Sp::kHCO3].gamma;
    const double mCo3 = w.k[kGasCarbonicAcid2] * tenPh * aHco3 / s[Sp::kCO3].gamma;
    const double freeHco3 = s[Sp::kHCO3].molality;
    const double freeCo3 = s[Sp::kCO3].molality;
    const double bicarbonatePairs = freeHco3 > 0.0 ? st.hco3T / freeHco3 : 1.0;
    const double carbonatePairs = freeCo3 > 0.0 ? st.co3T / freeCo3 : 1.0;
    double alkalinity = bicarbonatePairs * mHco3 + 2.0 * carbonatePairs * mCo3;
    if (!sour) return alkalinity;
    const double h2s = s[Sp::kH2S].molality;
    const double hs = s[Sp::kHS].molality;
    const double s2 = s[Sp::kS2].molality;
    if (h2s > 0.0) {
        const double r = Exp10(ph - w.ph);
        const double x = hs / h2s * r;
        const double y = s2 / h2s * r * r;
        const double sulfide = (h2s + hs + s2) * (x + 2.0 * y) / (1.0 + x + y);
        if (std::isfinite(sulfide)) alkalinity += sulfide;
    } else {
        alkalinity += hs + 2.0 * s2;
    }
    const double oh = st.waterActivity * w.kw * tenPh / s[Sp::kOH].gamma;
    const double h = 1.0 / (s[Sp::kH].gamma * tenPh);
    return alkalinity + oh - h;
}

}  // namespace

double NonCarbonateAlkalinity(const SpeciesRecord* s, const SpeciationState& st) {
    const OxalateSpecies& ox = st.oxalate;
    double organic = 0.0;
    for (double d : st.organicAcidDissociated) organic += d;
    return s[Sp::kOH].molality + s[Sp::kAlOH4].molality + s[Sp::kH3SiO4].molality +
           2.0 * s[Sp::kH2SiO4].molality + s[Sp::kH2BO3].molality + 2.0 * s[Sp::kPO4].molality +
           s[Sp::kHPO4].molality + s[Sp::kHS].molality + 2.0 * s[Sp::kS2].molality +
           s[Sp::kLiOH].molality + 2.0 * static_cast<double>(ox.molalityC2O4) +
           static_cast<double>(ox.molalityHC2O4) + organic + s[Sp::kNH3].molality;
}

void SumBalances(SpeciationWork& w) {
    const SpeciesRecord* s = w.s;
    SpeciationState& st = w.rec.state;
    // Carbonate: CO3 2- with MgCO3, CaCO3, NaCO3-, Na2CO3 and BaCO3; HCO3- with
    // MgHCO3+, CaHCO3+, NaHCO3 and BaHCO3+.
    st.co3T = Sum(s, {Sp::kCO3, 20, 30, 41, 48}) + st.bariumCarbonate;
    st.hco3T = Sum(s, {Sp::kHCO3, 21, 29, 42}) + st.bariumBicarbonate;
    st.computedTotalCarbonate = st.co3T + st.hco3T + s[Sp::kCO2].molality;
    st.computedCarbonateAlkalinity = 2.0 * st.co3T + st.hco3T;
    st.ohT = s[Sp::kOH].molality + s[Sp::kAlOH4].molality;
    st.totalAlkalinity = st.computedCarbonateAlkalinity + st.ohT - s[Sp::kH].molality;

    st.so4Computed = Sum(s, {Sp::kSO4, 14, 22, 31, 33, 43, 45, 58, 62, 68, 82, 91, 95}) +
                     2.0 * s[59].molality + st.bariumSulfate;
    st.fComputed = Sum(s, {Sp::kF, 19, 54, 57}) + 2.0 * s[55].molality + 3.0 * s[56].molality;
    st.po4Computed =
        Sum(s, {Sp::kHPO4, Sp::kPO4, Sp::kH2PO4, 12, 39, 40, 49, 60, 64, 72, 73, 74, 75, 98, 99});
    st.clComputed = Sum(s, {Sp::kCl, 15, 92, 93, 94}) + 2.0 * s[27].molality + 3.0 * s[32].molality;
    st.polyphosphateComputed = Sum(s, {Sp::kPolyphosphate, 384, 385, 386, 388, 389, 390});

    st.sulfideAlkalinity = s[Sp::kHS].molality + 2.0 * s[Sp::kS2].molality;
    st.passAlkalinity =
        st.computedCarbonateAlkalinity + NonCarbonateAlkalinity(s, st) - s[Sp::kH].molality;
}

void CloseCarbonate(SpeciationWork& w) {
    const SpeciationInputs& in = w.in;
    SpeciationState& st = w.rec.state;
    // A water's own calculation closes its carbonate whether or not its pH is to
    // follow an alkalinity later: without the closure a reference pass on given
    // species would speciate their total as free ions and add the complexes on top.
    const bool ownCarbonate =
        (in.phBalanceSwitch == 0 || in.calcPassMode == 0) && in.calcPassMode < 2;
    if (ownCarbonate || w.carbonateHold != CarbonateHold::kReferenceEstimate) {
        const float* values = w.rec.analysis.values;
        const bool speciesGiven = RoundToCharge(values[AnalysisElement::kSpeciesGiven]) == 1;
        double target;
        double computed;
        if (w.carbonateHold == CarbonateHold::kTotalCarbonate) {
            target = st.totalCarbonateTarget;
            computed = st.computedTotalCarbonate;
        } else if (w.carbonateHold == CarbonateHold::kAlkalinity) {
            target = HeldAlkalinityTarget(w);
            computed = st.computedCarbonateAlkalinity;
        } else if (!speciesGiven) {
            // The carbonate share of the water's alkalinity.
            target = st.startCarbonateAlkalinity;
            if (RoundToCharge(values[AnalysisElement::kAlkalinityMode]) != 3) {
                target -= NonCarbonateAlkalinity(w.s, st);
            }
            computed = st.computedCarbonateAlkalinity;
        } else if (in.carbonateModel == 0 || in.carbonateModel == 2) {
            target = st.totalCarbonateTarget;
            computed = st.computedTotalCarbonate;
        } else {
            target = st.alkalinityTarget;
            computed = st.computedCarbonateAlkalinity;
        }
        if (target < 0.0 || computed == 0.0) target = 0.0;
        st.carbonateTarget = target;
        // The estimate scales the bicarbonate and carbonate only: dissolved CO2 is held
        // after the first pass, so a ratio of totals that include it closes a CO2-rich
        // water's gap by a fraction of its share each pass and never reaches it.
        double moving = computed;
        double movingTarget = target;
        if (speciesGiven && w.carbonateHold == CarbonateHold::kReferenceEstimate &&
            (in.carbonateModel == 0 || in.carbonateModel == 2)) {
            const double co2 = w.s[Sp::kCO2].molality;
            if (computed - co2 > 0.0 && target - co2 > 0.0) {
                moving = computed - co2;
                movingTarget = target - co2;
            }
        }
        const double ratio = moving != 0.0 ? movingTarget / moving : 0.0;
        // A held water's carbonate is in proportion to its estimate at the pass's
        // pH and ligands: the whole ratio closes it, so that a pH that moves to
        // the reference alkalinity beside it is not chasing a half-closed total.
        // So is the total of given species: closed by halves, it stopped
        // anywhere within the balance's tolerance of its target, and a water's
        // own pass then held another total than the drivers that hold its
        // total beside its alkalinity, which found another pH (0.01 above a
        // high-pH water's page, its brucite 6 % above).
        const bool givenTotal = speciesGiven && (in.carbonateModel == 0 || in.carbonateModel == 2);
        const bool held =
            (w.carbonateHold != CarbonateHold::kReferenceEstimate || givenTotal) && moving != 0.0;
        st.totalCarbonate *= held ? ratio : (ratio + 1.0) / 2.0;
        // A held carbonate that a pass far from the water's pH took to nothing
        // starts again from its target once the pH gives it one.
        if (w.carbonateHold == CarbonateHold::kAlkalinity && !(st.totalCarbonate > 0.0) &&
            target > 0.0)
            st.totalCarbonate = target;
        // Closed within the tolerance of the part that moves: near pH 4, where
        // the held CO2 is nearly all of a total, a tolerance of the total leaves
        // the bicarbonate several percent short of its target.
        if (std::fabs(moving - movingTarget) > kBalanceTolerance * movingTarget)
            w.notConverged = true;
    } else if (in.calcPassMode != 0) {
        st.totalCarbonate = in.referenceLoopCarbonate;
        st.carbonateTarget = in.referenceCarbonateTarget;
        st.startCarbonateAlkalinity = in.referenceStartAlkalinity;
    }
}

double HeldCarbonateGap(const SpeciationWork& w) {
    const SpeciationState& st = w.rec.state;
    if (w.carbonateHold == CarbonateHold::kTotalCarbonate) {
        const double target = st.totalCarbonateTarget;
        const double computed = st.computedTotalCarbonate;
        if (!(target > 0.0) || !(computed > 0.0)) return 0.0;
        return st.computedCarbonateAlkalinity * (target / computed - 1.0);
    }
    if (w.carbonateHold == CarbonateHold::kAlkalinity) {
        const double target = HeldAlkalinityTarget(w);
        if (!(target > 0.0) || st.computedCarbonateAlkalinity == 0.0) return 0.0;
        return target - st.computedCarbonateAlkalinity;
    }
    return 0.0;
}

void RelaxLigands(SpeciationWork& w) {
    SpeciesRecord* s = w.s;
    const SpeciationState& st = w.rec.state;
    struct Ligand {
        int species;
        double total;
        double computed;
    };
    const Ligand ligands[5] = {
        {Sp::kSO4, st.so4T, st.so4Computed},
        {Sp::kF, st.fT, st.fComputed},
        {Sp::kHPO4, st.po4T, st.po4Computed},
        {Sp::kCl, st.clT, st.clComputed},
        {Sp::kPolyphosphate, st.polyphosphateT, st.polyphosphateComputed},
    };
    for (const Ligand& l : ligands) {
        double& free = s[l.species].molality;
        if (l.computed != 0.0) free -= 0.5 * free * (l.computed - l.total) / l.computed;
        if (std::fabs(l.computed - l.total) > kBalanceTolerance * l.total) w.notConverged = true;
    }
    for (const Ligand& l : ligands) {
        if (s[l.species].molality < 0.0) s[l.species].molality = 0.0;
    }
}

double GasBalancePh(const SpeciationWork& w) {
    const SpeciesRecord* s = w.s;
    if (w.carbonateHold != CarbonateHold::kAlkalinity || !(s[Sp::kCO2].molality > 0.0)) return NAN;
    // The alkalinity a water under gas holds at this pass's pH, its carbonate
    // target with the sulfide and water ions that move it; at another pH the
    // same total is held, split otherwise. A sour water's bisulfide buffers
    // its pH: the pH the CO2 and the free bicarbonate alone give swings past
    // the balance by more each pass once the sulfide's alkalinity moves with
    // the pH faster than the carbonate's, so the balance itself is solved.
    const bool sour = w.in.varyPco2 != 0 || w.in.heldAlkalinity > 0.0;
    const double held =
        HeldAlkalinityTarget(w) + (sour ? GasAlkalinityAt(w, w.ph, true) -
                                              GasAlkalinityAt(w, w.ph, false)
                                        : 0.0);
    if (!std::isfinite(held)) return NAN;
    // The alkalinity rises with the pH: halve the bracket of the balance.
    double low = 0.0;
    double high = 14.0;
    if (GasAlkalinityAt(w, low, sour) > held || GasAlkalinityAt(w, high, sour) < held) return NAN;
    for (int step = 0; step < 60 && high - low > 1e-9; ++step) {
        const double mid = 0.5 * (low + high);
        if (GasAlkalinityAt(w, mid, sour) < held)
            low = mid;
        else
            high = mid;
    }
    return 0.5 * (low + high);
}
