// Mass concentrations and alkalinities of the speciated water. Totals and free
// amounts are turned into mg/L with the molar masses of the species table; 100.0894
// (the CaCO3 ion pair) turns equivalents into alkalinity as CaCO3. Mass
// concentrations carry the result scale factor R, alkalinities do not.
#include "engine/saturation/result_concentrations.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kCalciumMass = 40.08;
constexpr double kCarbonateMass = 60.0094;
constexpr double kBicarbonateMass = 61.0173;
constexpr double kCaCO3Mass = 100.0894;
constexpr double kPhosphateMass = 94.9714;
constexpr double kBariumMass = 137.34;
constexpr double kSulfateMass = 96.0616;
// The end point of the phenolphthalein ("P") alkalinity.
constexpr double kPhenolphthaleinEndPh = 8.3;

// Slots without an IndexCode name.
enum : int {
    kTotalCalcium = 6,
    kFreeCalcium = 7,
    kCarbonate = 8,
    kFreeCarbonate = 9,
    kBicarbonateAlkalinity = 13,
    kCarbonateAlkalinity = 14,
    kHydroxideAlkalinity = 15,
    kPhosphate = 16,
    kFreePhosphate = 17,
    kBicarbonate = 27,
    kTotalAlkalinity = 28,
    kCarbonateCopy = 29,
    kPhenolphthaleinAlkalinity = 30,
    kBariumTotal = 38,
    kFreeBarium = 39,
    kSulfateTotal = 40,
    kFreeSulfate = 41,
};

struct Alkalinities {
    double bicarbonate;  // HCO3T as CaCO3
    double carbonate;    // CO3T as CaCO3
    double hydroxide;    // OHT as CaCO3
    double hydrogen;     // m(H+) as CaCO3
};

// In mg/L as CaCO3 like the other mass results: the molalities are per kilogram
// of water, the specific gravity R of mg/L reporting turns them into per litre.
Alkalinities AlkalinitiesAsCaCO3(const SpeciatedWater& w) {
    const double f = w.massFactor * w.resultScale;
    return {w.bicarbonateTotal * 0.5 * kCaCO3Mass * f, w.carbonateTotal * kCaCO3Mass * f,
            w.hydroxideTotal * 0.5 * kCaCO3Mass * f, w.M(Ion::kH) * 0.5 * kCaCO3Mass * f};
}

}  // namespace

double TotalAlkalinityAsCaCO3(const SpeciatedWater& w) {
    const Alkalinities a = AlkalinitiesAsCaCO3(w);
    return a.bicarbonate + a.carbonate + a.hydroxide - a.hydrogen;
}

SpeciatedCarbonate CarbonateSystemOf(const SpeciatedWater& w) {
    return {w.ph,         w.M(Ion::kCO2),     w.bicarbonateTotal,
            w.carbonateTotal, w.hydroxideTotal, w.M(Ion::kH),
            0.5 * kCaCO3Mass * w.massFactor * w.resultScale};
}

void CalcConcentrationSlots(const SpeciatedWater& w, double* slots) {
    const double fr = w.massFactor * w.resultScale;
    slots[kTotalCalcium] = w.calciumTotal * kCalciumMass * fr;
    slots[kFreeCalcium] = w.M(Ion::kCa) * kCalciumMass * fr;
    slots[kCarbonate] = w.carbonateTotal * kCarbonateMass * fr;
    slots[kFreeCarbonate] = w.M(Ion::kCO3) * kCarbonateMass * fr;

    const Alkalinities a = AlkalinitiesAsCaCO3(w);
    slots[kBicarbonateAlkalinity] = a.bicarbonate;
    slots[kCarbonateAlkalinity] = a.carbonate;
    slots[kHydroxideAlkalinity] = a.hydroxide;
    slots[kFreePhosphate] = w.M(Ion::kPO4) * kPhosphateMass * fr;
    slots[kPhosphate] = std::max(w.phosphateTotal * kPhosphateMass * fr, slots[kFreePhosphate]);

    slots[kBicarbonate] = w.bicarbonateTotal * kBicarbonateMass * fr;
    slots[kTotalAlkalinity] = a.bicarbonate + a.carbonate + a.hydroxide - a.hydrogen;
    slots[kCarbonateCopy] = slots[kCarbonate];
    slots[kPhenolphthaleinAlkalinity] = PhenolphthaleinAlkalinityAsCaCO3(w);

    slots[kBariumTotal] = w.bariumTotal * kBariumMass * fr;
    slots[kFreeBarium] = w.M(Ion::kBa) * kBariumMass * fr;
    slots[kSulfateTotal] = w.sulfateTotal * kSulfateMass * fr;
    slots[kFreeSulfate] = w.M(Ion::kSO4) * kSulfateMass * fr;
}

double PhenolphthaleinAlkalinityAsCaCO3(const SpeciatedWater& w) {
    if (!(w.ph > kPhenolphthaleinEndPh)) return 0.0;
    // The alkalinity the water loses when it is titrated down to pH 8.3: its
    // carbonate splits there as it splits at its own pH, pairs included (most
    // of the carbonate ion of a sea water or a brine is paired, and the pairs
    // follow the free ion), so the ratios of its own totals scale with the
    // hydrogen ion; the hydroxide and hydrogen ions scale the same way.
    const double co2 = w.M(Ion::kCO2);
    const double hco3 = w.bicarbonateTotal;
    const double co3 = w.carbonateTotal;
    const double carbonate = co2 + hco3 + co3;
    if (!(hco3 > 0.0) || !(carbonate > 0.0)) return 0.0;
    const double shift = std::pow(10.0, w.ph - kPhenolphthaleinEndPh);  // h(8.3) / h
    const double co2PerHco3 = co2 / hco3 * shift;
    const double co3PerHco3 = co3 / hco3 / shift;
    const double hco3End = carbonate / (1.0 + co2PerHco3 + co3PerHco3);
    const double alkalinityEnd = hco3End * (1.0 + 2.0 * co3PerHco3) +
                                 w.M(Ion::kOH) / shift - w.M(Ion::kH) * shift;
    const double alkalinity = hco3 + 2.0 * co3 + w.M(Ion::kOH) - w.M(Ion::kH);
    const double p = alkalinity - alkalinityEnd;
    if (!(p > 0.0)) return 0.0;
    return p * 0.5 * kCaCO3Mass * w.massFactor * w.resultScale;
}

double CarbonateAcidity(const SpeciatedWater& w) {
    return 2.0 * w.M(Ion::kCO2) + w.bicarbonateTotal + w.M(Ion::kH) - w.M(Ion::kOH);
}

double ConditionalK1(const SpeciatedWater& w) {
    return w.K(Rx::kCarbonicAcid1) * w.G(Ion::kCO2) / (w.G(Ion::kH) * w.G(Ion::kHCO3));
}

double ConditionalK2(const SpeciatedWater& w) {
    return w.K(Rx::kCarbonicAcid2) * w.G(Ion::kHCO3) / (w.G(Ion::kH) * w.G(Ion::kCO3));
}

double ConditionalWaterConstant(const SpeciatedWater& w) {
    return w.waterActivity * w.K(Rx::kWater) / (w.G(Ion::kH) * w.G(Ion::kOH));
}

double CalcBufferIntensity(const SpeciatedWater& w) {
    // Fractions of dissolved CO2, bicarbonate and carbonate in the carbonate total.
    const double mH = w.M(Ion::kH);
    const double k1 = ConditionalK1(w);
    const double k2 = ConditionalK2(w);
    const double alpha0 = 1.0 / (1.0 + k1 / mH + k1 * k2 / (mH * mH));
    const double alpha1 = 1.0 / (mH / k1 + 1.0 + k2 / mH);
    const double alpha2 = 1.0 / (mH / k2 + mH * mH / (k1 * k2) + 1.0);
    const double carbonate = w.bicarbonateTotal + w.M(Ion::kCO2) + w.carbonateTotal;
    return 2.303 *
           ((alpha1 * (alpha0 + alpha2) + 4.0 * alpha0 * alpha2) * carbonate + w.M(Ion::kOH) + mH);
}
