// The reference pass. It runs at 25 C on the water as entered: it decides whether
// the analysis needs a balancing ion, turns the speciated carbonate system into the
// analysis values that the pages and the later passes read, and keeps the reference
// values (pH, alkalinity, carbonate) that the passes at other conditions start from.
#include "engine/speciation/reference_pass.h"

#include <cmath>
#include <initializer_list>

#include "engine/inputs/engine_unit_factors.h"
#include "engine/saturation/plain_store.h"
#include "engine/saturation/result_concentrations.h"
#include "engine/tables/power_of_ten.h"

namespace {

constexpr double kCarbonateMass = 60.0094;
constexpr double kBicarbonateMass = 61.0173;
constexpr double kCarbonicAcidMass = 62.0253;
constexpr double kHydrogenMass = 1.008;
constexpr double kHydroxideMass = 17.0074;
constexpr double kCaCO3PerEquivalent = 50.0445;  // g of CaCO3 per equivalent

// One ion that may be added to balance the analysis.
struct BalancingIon {
    int species;
    int unitItem;
    double chargeShare;  // equivalents per mole: sulfate is divalent
};

constexpr BalancingIon kAnions[] = {
    {Ion::kSO4, UnitItem::kSulfate, 2.0},
    {Ion::kCl, UnitItem::kChloride, 1.0},
    {Ion::kNO3, UnitItem::kNitrate, 1.0},
};
constexpr BalancingIon kCations[] = {
    {Ion::kNa, UnitItem::kSodium, 1.0},
    {Ion::kK, UnitItem::kPotassium, 1.0},
};

// Adds `deficit` eq/kg of the ion to its species record and returns the amount in
// the unit of its analysis element (equivalents for epm and eq/L reporting).
float AddBalancingIon(const BalancingIon& ion, double deficit, const UnitCodes& units,
                      int reportingMode, double F, const SpeciesTable& table,
                      SpeciesRecord* species) {
    const double molarMass = table.molarMass[ion.species];
    const double addedMgL = deficit * molarMass * F / ion.chargeShare;
    SpeciesRecord& s = species[ion.species];
    // The species record stays in mg/L and mol/kg; only the reported amount is in
    // the element's unit.
    s.amount += addedMgL;
    s.molality = molarMass > 0.0 ? s.amount / F / molarMass : 0.0;
    if (reportingMode == 3) return PlainToFloat(deficit * F);
    if (reportingMode == 4) return PlainToFloat(deficit * F / 1000.0);
    return PlainToFloat(addedMgL / EngineUnitFactor(units, ion.unitItem));
}

}  // namespace

BalanceDecision DecideBalance(const IonSums& sums, const BalanceChoice& choice,
                              const UnitCodes& units, int reportingMode, double F,
                              const SpeciesTable& table, SpeciesRecord* species) {
    BalanceDecision d{};
    const double c = sums.cationEquivalents;
    const double a = sums.anionEquivalents;
    if (c > kBalanceThreshold * a || a == 0.0) {
        d.anionAdded = 1;
        if (choice.anionBalanceIon < 3) {
            d.amount = AddBalancingIon(kAnions[choice.anionBalanceIon], c - a, units, reportingMode,
                                       F, table, species);
            d.amountSet = true;
        }
    }
    if (a > kBalanceThreshold * c || c == 0.0) {
        if (choice.cationBalanceIon != 0xFFFF) d.cationAdded = 1;
        if (choice.cationBalanceIon < 2) {
            d.amount = AddBalancingIon(kCations[choice.cationBalanceIon], a - c, units,
                                       reportingMode, F, table, species);
            d.amountSet = true;
        }
    }
    return d;
}

double CalcReferenceAlkalinity(const SpeciatedWater& w) {
    double organic = 0.0;
    for (double d : w.organicAcidDissociated) organic += d;
    return w.hydroxideTotal + 2.0 * w.carbonateTotal + w.bicarbonateTotal - w.M(Ion::kH) +
           w.M(Ion::kH3SiO4) + 2.0 * w.M(Ion::kH2SiO4) + w.M(Ion::kH2BO3) + 2.0 * w.M(Ion::kPO4) +
           w.M(Ion::kHPO4) + w.M(Ion::kHS) + 2.0 * w.M(Ion::kS) + w.M(Ion::kLiOH) + w.M(Ion::kNH3) +
           2.0 * w.oxalate + w.hydrogenOxalate + organic;
}

void FillCarbonateState(const SpeciatedWater& w, CarbonateState& state, ReferenceOutputs& outputs) {
    const double mH = w.M(Ion::kH);
    const double mOH = w.M(Ion::kOH);
    const double gH = w.G(Ion::kH);
    const double gOH = w.G(Ion::kOH);
    const double k1c = ConditionalK1(w);
    const double k2c = ConditionalK2(w);
    const double waterConstant = ConditionalWaterConstant(w);
    const double acidity = CarbonateAcidity(w);
    const double alkalinity = mOH + 2.0 * w.carbonateTotal + w.bicarbonateTotal - mH;
    const double f = w.massFactor;

    state.k1 = ClampToFloat(k1c);
    state.k2 = ClampToFloat(k2c);
    state.kw = PlainToFloat(waterConstant);
    state.gammaH = ClampToFloat(gH);
    state.gammaOH = ClampToFloat(gOH);
    state.waterActivity = ClampToFloat(w.waterActivity);
    state.chargeValue = ClampToFloat(acidity);
    state.alkalinity = ClampToFloat(alkalinity);
    state.log10K2 = PlainToFloat(std::log10(w.K(Rx::kCarbonicAcid2)));
    state.log10K1 = PlainToFloat(std::log10(w.K(Rx::kCarbonicAcid1)));
    const bool carbonatePresent = alkalinity - mOH + mH > 0.0;
    state.carbonateMass =
        carbonatePresent ? ClampToFloat(w.carbonateTotal * kCarbonateMass * f) : 0;
    state.bicarbonateMass =
        carbonatePresent ? ClampToFloat(w.bicarbonateTotal * kBicarbonateMass * f) : 0;
    state.co2Mass = carbonatePresent ? ClampToFloat(w.M(Ion::kCO2) * kCarbonicAcidMass * f) : 0;
    state.ohMolality = ClampToFloat(mOH);
    state.hMolality = ClampToFloat(mH);
    state.alkalinityAsCaCO3 = ClampToFloat(alkalinity * kCaCO3PerEquivalent * f);
    state.acidityAsCaCO3 = ClampToFloat(acidity * kCaCO3PerEquivalent * f);

    // The carbonate charge balance H - W/H + alkalinity-weighted carbonate terms,
    // from the stored fields (as the carbonate solvers see them) ...
    const double sH = state.hMolality;
    const double sK1 = state.k1;
    const double sK2 = state.k2;
    const double sW = state.kw;
    const double sf = (sH / sK1 + 1.0) / (sK2 / sH + 1.0);
    state.chargeValue = ClampToFloat((sH - sW / sH) * (sf + 1.0) + state.alkalinity * sf);

    // ... and in double precision, less the acidity, as a residual.
    outputs.alkalinity = PlainToFloat(alkalinity);
    outputs.acidity = PlainToFloat(acidity);
    const double df = (mH / k1c + 1.0) / (k2c / mH + 1.0);
    outputs.chargeResidual =
        FiniteOrBound((mH - waterConstant / mH) * (df + 1.0) + alkalinity * df - acidity);
}

void WriteReferenceValues(const SpeciatedWater& w, unsigned pco2Code, double pressureBar,
                          ReferencePassRecords& out) {
    using namespace AnalysisElement;
    float* v = out.analysis.values;
    const double f = w.massFactor;
    const double mCO2 = w.M(Ion::kCO2);
    const double mH = w.M(Ion::kH);
    const double mOH = w.M(Ion::kOH);

    // Carbonate alkalinity as CaCO3, formed in single precision.
    v[kCarbonateAlkalinity] =
        PlainToFloat(static_cast<double>(static_cast<float>(f)) * static_cast<double>(50.04f) *
                     static_cast<double>(PlainToFloat(w.carbonateTarget)));
    v[kH2CO3] = PlainToFloat(mCO2 * kCarbonicAcidMass * f);
    v[kBicarbonate] = ClampToFloat(w.bicarbonateTotal * kBicarbonateMass * f);
    v[kCarbonate] = ClampToFloat(w.carbonateTotal * kCarbonateMass * f);
    v[kAlkalinityEq] = PlainToFloat(
        static_cast<double>(ClampToFloat(2.0 * w.carbonateTotal + w.bicarbonateTotal)) - mH + mOH);
    v[kIonicStrength] = ClampToFloat(w.ionicStrength);
    const double totalCarbonate = w.alkalinityMode == 3
                                      ? w.totalCarbonateTarget - 2.0 * mCO2
                                      : w.bicarbonateTotal + mCO2 + w.carbonateTotal;
    v[kTotalCarbonate] = ClampToFloat(totalCarbonate);

    out.outputs.dissolvedCarbonicAcid = PlainToFloat(mCO2 * kCarbonicAcidMass * f);
    out.outputs.hydrogenMass = PlainToFloat(mH * kHydrogenMass * f);
    out.outputs.hydroxideMass = PlainToFloat(mOH * kHydroxideMass * f);

    double slots[64];
    CalcConcentrationSlots(w, slots);
    for (int slot : {8, 27, 28, 29, 30}) out.saturation[slot] = ClampToFloat(slots[slot]);

    FillCarbonateState(w, out.carbonate, out.outputs);

    // Partial pressure of CO2 in equilibrium with the water: a(CO2) over the Henry
    // constant. An analysis without a pCO2 takes it, in the user's unit.
    const double pco2 = w.A(Ion::kCO2) * Exp10(w.co2SolubilityLog);
    out.outputs.pco2Atm = PlainToFloat(pco2);
    if (v[kPco2] == 0.0f && out.outputs.pco2Atm != 0.0f)
        v[kPco2] = PlainToFloat(AtmToPartialPressureUnit(pco2, pco2Code, pressureBar));
    out.outputs.ph2sAtm = PlainToFloat(w.ph2sAtm);

    out.reference.carbonateSum = FiniteOrBound(w.carbonateTotal + w.bicarbonateTotal + mCO2);
    out.reference.totalCarbonate = FiniteOrBound(totalCarbonate);
    out.referenceAlkalinity = FiniteOrBound(CalcReferenceAlkalinity(w));
    out.reference.alkalinityCopy = out.referenceAlkalinity;
    out.reference.loopTotalCarbonate = FiniteOrBound(w.loopTotalCarbonate);
    out.reference.startCarbonateAlkalinity = FiniteOrBound(w.startCarbonateAlkalinity);
    out.reference.carbonateTarget = FiniteOrBound(w.carbonateTarget);
    out.referencePh = FiniteOrBound(w.ph);
}
