// The water-level steps of a speciation pass: activities of the free ligands,
// the redox level, hydrogen and hydroxide ions with the acid species of sulfate
// and chloride, the organic acids, the pH of a mixing step, the carbonate system
// and oxalate.
#include <bit>
#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_state.h"
#include "engine/speciation/speciation_steps.h"
#include "engine/tables/power_of_ten.h"

namespace {

// Reactions read here.
constexpr int kCarbonicAcid1 = 35;
constexpr int kCarbonicAcid2 = 68;
constexpr int kBisulfate = 89;       // H+ + SO4 2- = HSO4-
constexpr int kSulfateSulfide = 90;  // SO4 2- + 10 H+ + 8 e- = H2S + 4 H2O
constexpr int kHydrochloric = 132;   // H+ + Cl- = HCl
constexpr int kSulfuricAcid = 135;   // SO4 2- + 2 H+ = H2SO4 (the table value)
constexpr int kOxygen = 136;         // 0.5 H2O = 0.25 O2(aq) + H+ + e-

// log10 of an activity, 0 for an activity that is not positive.
double LogOrZero(double x) {
    return x > 0.0 ? std::log10(x) : 0.0;
}

// Dissolved oxygen at air saturation, mg/L, at T (K) and ionic strength I; the
// salting-out term uses 354.53 x I as the chlorinity-equivalent salinity.
double AirSaturatedOxygen(double temperatureK, double logTemperatureK, double temperatureC,
                          double ionicStrength, double pressureBar) {
    const double salinity = 354.53 * ionicStrength;
    double o2;
    if (temperatureC > 30.0) {
        o2 = 7.6 - 0.1 * (temperatureC - 30.0) - 0.0075 * salinity;
    } else {
        const double t = temperatureK;
        const double logT = logTemperatureK;
        o2 = 54194.060774241 * logT + 3504760.728917 / t - 39.66734332773 * t - 134019.63604066 -
             (0.0024015300034977 * t - 1.0895007248806 + 207.60856513779 / t -
              0.12722294542071 * logT) *
                 salinity;
    }
    if (o2 < 0.001) o2 = 0.001;
    if (pressureBar > 0.0) o2 *= pressureBar + 1.0;
    return o2;
}

}  // namespace

namespace {

// The logarithms of the constants of the last few conditions, each with the
// constants it was taken of: the passes of one water, a profile's or grid's points
// at one temperature and pressure, and waters taken in turn (a reference pass at
// 25 C between the results passes of their own temperatures) read the same ones.
struct KeptConstantLogs {
    static constexpr int kSlots = 9;
    double from[kSlots][10];
    ConstantLogs logs[kSlots];
    bool held[kSlots] = {};
    int nextSlot = 0;
};
KeptConstantLogs keptLogs;

}  // namespace

void TakeConstantLogs(SpeciationWork& w) {
    const double* k = w.k;
    ConstantLogs& logs = w.logs;
    const double from[10] = {k[kSulfateSulfide], k[kOxygen], w.in.temperatureK, k[82], w.kw,
                             k[85], k[86], k[88], k[7], w.rec.reactionLogK[kSulfuricAcid]};
    KeptConstantLogs& kept = keptLogs;
    for (int slot = 0; slot < KeptConstantLogs::kSlots; ++slot) {
        bool same = kept.held[slot];
        for (int i = 0; i < 10 && same; ++i) same = from[i] == kept.from[slot][i];
        if (same) {
            logs = kept.logs[slot];
            return;
        }
    }
    logs.sulfateSulfide = LogOrZero(k[kSulfateSulfide]);
    logs.oxygen = LogOrZero(k[kOxygen]);
    logs.temperatureK = std::log10(w.in.temperatureK);
    logs.alOH4 = std::log10(k[82]) - 4.0 * std::log10(w.kw);
    logs.alF3 = std::log10(k[85]);
    logs.alF4 = std::log10(k[86]);
    logs.alSulfate2 = std::log10(k[88]);
    logs.feCl3 = std::log10(k[7]);
    logs.sulfuricAcid = Exp10(w.rec.reactionLogK[kSulfuricAcid]);
    const int slot = kept.nextSlot;
    kept.nextSlot = slot + 1 < KeptConstantLogs::kSlots ? slot + 1 : 0;
    for (int i = 0; i < 10; ++i) kept.from[slot][i] = from[i];
    kept.logs[slot] = logs;
    kept.held[slot] = true;
}

void SetLigandActivities(SpeciationWork& w) {
    SpeciesRecord* s = w.s;
    for (int i : {Sp::kCl, Sp::kSO4, Sp::kHPO4, Sp::kF, Sp::kNO3, Sp::kBr, Sp::kPolyphosphate}) {
        s[i].activity = s[i].gamma * s[i].molality;
    }
    // The oxalate species borrow the coefficients of species of the same charge.
    OxalateSpecies& ox = w.rec.state.oxalate;
    ox.gammaH2C2O4 = static_cast<float>(s[Sp::kH].gamma);
    ox.gammaHC2O4 = static_cast<float>(s[Sp::kHCO3].gamma);
    ox.gammaC2O4 = static_cast<float>(s[Sp::kCO3].gamma);
}

void SetRedoxLevel(SpeciationWork& w) {
    SpeciationState& st = w.rec.state;
    const RedoxInputs& at = w.redox;
    double pe;
    if (st.sulfideT > 0.0 && st.so4T > 0.0) {
        // Sulfate-sulfide couple.
        pe = (w.logs.sulfateSulfide - 10.0 * at.ph - 4.0 * st.logWaterActivity +
              LogOrZero(at.sulfateActivity) - LogOrZero(at.sulfideActivity)) /
             8.0;
    } else {
        // Oxygen electrode at air saturation (O2 in mg/L over 32000 mg/mol).
        const SpeciationInputs& in = w.in;
        const double o2 = AirSaturatedOxygen(in.temperatureK, w.logs.temperatureK, in.temperatureC,
                                             st.ionicStrength, in.pressureBar);
        pe = -(w.logs.oxygen + at.ph + 0.5 * st.logWaterActivity - 0.25 * std::log10(o2 / 32000.0));
    }
    st.pe = pe;
    st.electronActivity = Exp10(-pe);
}

void TakeTenPh(SpeciationWork& w) {
    if (w.tenPhTaken && std::bit_cast<uint64_t>(w.tenPhOf) == std::bit_cast<uint64_t>(w.ph)) return;
    w.tenPh = Exp10(w.ph);
    w.tenPhOf = w.ph;
    w.tenPhTaken = true;
}

void SetWaterIons(SpeciationWork& w) {
    SpeciesRecord* s = w.s;
    const double aw = w.rec.state.waterActivity;
    s[Sp::kOH].activity = aw * w.kw * w.tenPh;
    s[Sp::kOH].molality = s[Sp::kOH].activity / s[Sp::kOH].gamma;
    s[Sp::kH].activity = 1.0 / w.tenPh;
    s[Sp::kH].molality = 1.0 / (s[Sp::kH].gamma * w.tenPh);
}

void SetAcidSpecies(SpeciationWork& w) {
    SpeciesRecord* s = w.s;
    const double aH = s[Sp::kH].activity;
    const double aSo4 = s[Sp::kSO4].activity;
    s[Sp::kHSO4].activity = w.k[kBisulfate] * aSo4 * aH;
    s[Sp::kHSO4].molality = s[Sp::kHSO4].activity / s[Sp::kHSO4].gamma;
    s[Sp::kHCl].activity = w.k[kHydrochloric] * s[Sp::kCl].activity * aH;
    s[Sp::kHCl].molality = s[Sp::kHCl].activity / s[Sp::kHCl].gamma;
    // a(SO4) K / (10^pH)^2, held to 1e-300 .. 1e300 where its logarithm reaches 308.
    double aH2so4 = 0.0;
    if (aSo4 > 0.0) {
        aH2so4 = aSo4 * w.logs.sulfuricAcid / w.tenPh / w.tenPh;
        if (!(aH2so4 < 1e308))
            aH2so4 = 1e300;
        else if (!(aH2so4 > 1e-308))
            aH2so4 = 1e-300;
    }
    s[Sp::kH2SO4].activity = aH2so4;
    s[Sp::kH2SO4].molality = aH2so4 / s[Sp::kH2SO4].gamma;
}

void DissociateOrganicAcids(SpeciationWork& w) {
    // Acetic, propionic, butyric and valeric acid dissociation constants at 25 C
    // (pKa 4.756, 4.874, 4.820 and 4.840; they move by less than 0.15 in log
    // between 0 and 100 C). Each pass splits the acids at its own pH: the anion
    // A- over the acid HA is Ka / (a(H) g(A-)), the monovalent anion taking the
    // coefficient of bicarbonate.
    constexpr double kKa[4] = {1.754e-5, 1.336e-5, 1.515e-5, 1.445e-5};
    const double gAnion = w.s[Sp::kHCO3].gamma;
    SpeciationState& st = w.rec.state;
    for (int i = 0; i < 4; ++i) {
        const double r = gAnion > 0.0 ? kKa[i] * w.tenPh / gAnion : 0.0;
        const double share = std::isfinite(r) ? r / (1.0 + r) : 1.0;
        st.organicAcidDissociated[i] = st.organicAcidTotal[i] * share;
    }
}

void SolveMixingStepPh(SpeciationWork& w) {
    const SpeciationInputs& in = w.in;
    if (in.balanceHold == 0) return;
    SpeciesRecord* s = w.s;
    float* values = w.rec.analysis.values;
    const double henry = Exp10(-in.co2SolubilityLog);
    if (s[Sp::kHCO3].molality == 0.0 && in.co2SolubilityLog > 0.0) {
        const double carbonate =
            in.carbonateModel == 0
                ? w.rec.state.totalCarbonateTarget
                : 2.0 * values[AnalysisElement::kCarbonate] / (in.molalDiv * 60.0094) +
                      values[AnalysisElement::kBicarbonate] / (in.molalDiv * 61.0173);
        double m = carbonate - henry * in.pco2Atm / s[Sp::kHCO3].gamma;
        if (m < 0.0) m = 0.0;
        s[Sp::kHCO3].molality = m;
        s[Sp::kHCO3].amount = m * 61.0173 * in.molalDiv;
    }
    if (s[Sp::kCO2].amount == 0.0) {
        s[Sp::kCO2].molality = henry * in.pco2Atm / s[Sp::kCO2].gamma;
    } else {
        s[Sp::kCO2].molality = in.phSolveCO2;
    }
    w.ph = CarbonateSolvePh(in, s, w.k, values[AnalysisElement::kAlkalinityEq], 0.0);
    values[AnalysisElement::kPh] = ClampToFloat(w.ph);
    values[AnalysisElement::kCompanionPh] = -1.0f;
    // The water ions follow the new pH at once, so that this pass speciates the
    // carbonate at it.
    TakeTenPh(w);
    SetWaterIons(w);
}

void SpeciateCarbonate(SpeciationWork& w) {
    SpeciesRecord* s = w.s;
    SpeciationState& st = w.rec.state;
    const double k1 = w.k[kCarbonicAcid1];
    const double k2 = w.k[kCarbonicAcid2];
    const double gH = s[Sp::kH].gamma;
    const double gHco3 = s[Sp::kHCO3].gamma;
    const double gCo3 = s[Sp::kCO3].gamma;
    const double gCo2 = s[Sp::kCO2].gamma;
    // Conditional constants in concentration terms.
    st.k1Conditional = gCo2 * k1 / (gH * gHco3);
    st.k2Conditional = gHco3 * k2 / (gH * gCo3);
    if (!(st.totalCarbonate > 0.0)) return;

    const double r2 = k2 * w.tenPh / gCo3;  // m(CO3) per a(HCO3)
    const double mH = s[Sp::kH].molality;
    const bool open = w.in.carbonateModel == 1 || w.in.carbonateModel == 3;
    const double denominator =
        open ? gHco3 * r2 + 1.0 : mH / st.k1Conditional + 1.0 + st.k2Conditional / mH;
    s[Sp::kHCO3].molality = st.totalCarbonate / denominator;
    s[Sp::kHCO3].activity = gHco3 * s[Sp::kHCO3].molality;
    s[Sp::kCO3].molality = r2 * s[Sp::kHCO3].activity;
    s[Sp::kCO3].activity = gCo3 * s[Sp::kCO3].molality;
    if (s[Sp::kCO2].molality == 0.0 || w.co2FollowsPh ||
        w.carbonateHold == CarbonateHold::kTotalCarbonate) {
        s[Sp::kCO2].molality = s[Sp::kHCO3].activity / (k1 * w.tenPh * gCo2);
    }
    s[Sp::kCO2].activity = gCo2 * s[Sp::kCO2].molality;
}

void SpeciateOxalate(SpeciationWork& w) {
    OxalateSpecies& ox = w.rec.state.oxalate;
    const double total = ox.total;
    if (!(total > 0.0)) {
        ox.molalityH2C2O4 = ox.molalityHC2O4 = ox.molalityC2O4 = 0.0f;
        ox.activityH2C2O4 = ox.activityHC2O4 = ox.activityC2O4 = 0.0f;
        ox.massH2C2O4 = ox.massHC2O4 = ox.massC2O4 = 0.0f;
        return;
    }
    const double gH = w.s[Sp::kH].gamma;
    const double mH = w.s[Sp::kH].molality;
    // First and second dissociation of oxalic acid (pK 1.25 and 4.27) in
    // concentration terms.
    const double k1 = 0.056 * ox.gammaH2C2O4 / (ox.gammaC2O4 * gH);
    const double k2 = 5.42e-5 * ox.gammaC2O4 / (ox.gammaHC2O4 * gH) * k1;
    const double d = mH * mH + k1 * mH + k2;
    ox.molalityH2C2O4 = static_cast<float>(total * mH * mH / d);
    ox.molalityHC2O4 = static_cast<float>(total * k1 * mH / d);
    ox.molalityC2O4 = static_cast<float>(total * k2 / d);
    ox.activityH2C2O4 = ox.gammaH2C2O4 * ox.molalityH2C2O4;
    ox.activityHC2O4 = ox.gammaHC2O4 * ox.molalityHC2O4;
    ox.activityC2O4 = ox.gammaC2O4 * ox.molalityC2O4;
    const double toMg = w.in.molalDiv;
    ox.massH2C2O4 = static_cast<float>(ox.molalityH2C2O4 * 90.0356 * toMg);
    ox.massHC2O4 = static_cast<float>(ox.molalityHC2O4 * 89.0276 * toMg);
    ox.massC2O4 = static_cast<float>(ox.molalityC2O4 * 88.0196 * toMg);
}
