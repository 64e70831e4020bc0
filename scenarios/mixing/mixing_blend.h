// Blending the injection and formation waters of a waterflood: the analysis
// values by volume share, and the carbonate system from the figures the
// single-water calculation kept for each water (its CarbonateSnapshot), since a
// mix's carbonate species, alkalinity and pH do not follow from its blended
// analysis values alone.
//
// A share p is the percent of injection water: f = p / 100 of injection water
// and g = (100 - p) / 100 of formation water. The analysis values and most
// carbonate figures blend in single precision, the sums of species and the
// hydrogen-ion activities in double precision.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_state.h"
#include "engine/saturation/water_results_records.h"

// The two waters of the waterflood and what their calculations kept.
struct MixSources {
    const WaterAnalysis& injection;
    const WaterAnalysis& formation;
    const WaterCarbonate& injectionCarbonate;
    const WaterCarbonate& formationCarbonate;
    uint16_t reportingMode = 0;  // the basis of the waters' amounts (blend_basis.h)
};

// The shares of one mix. `percent` is held to 0..100 (see MixBlendPercent).
struct MixShares {
    float percent;
    float f;  // injection fraction
    float g;  // formation fraction
};
MixShares SharesOf(float axisPercent);
// The waters' shares of the mix's mass, for what they hold per kilogram (see
// blend_basis.h); `s` are the shares of its volume.
MixShares MassShares(const MixSources& waters, const MixShares& s);

// Elements 1 to 63: injection x p / 100 + formation x g, what the waters hold
// per kilogram by their MassShares. Element 0 (the pH) is not blended and is
// left as it is.
void BlendAnalysisValues(const MixSources& waters, const MixShares& s,
                         float (&values)[AnalysisElement::kCount]);

// The carbonate figures of a mix, each g x formation + f x injection unless
// said otherwise; the carbonate amounts (species, masses, alkalinity and
// acidity, per kilogram) by the MassShares, the constants, coefficients and the
// ions of the pH by volume.
struct BlendedCarbonate {
    float bicarbonate;         // mg/L as HCO3, from the snapshots
    float carbonate;           // mg/L as CO3
    float h2co3;               // mg/L as H2CO3
    float dissolvedCo2;        // mg/L as H2CO3
    float k1, k2, kw, gammaH;  // conditional constants and g(H+)
    // The reference pass's figures that the snapshots copy: the three carbonate
    // amounts (mg/L), alkalinity and acidity as CaCO3 (mg/L) and the carbonate
    // charge value.
    float co3Mass, hco3Mass, co2Mass;
    float alkalinityAsCaCO3, acidityAsCaCO3;
    float chargeValue;
    float alkalinity;  // eq/kg, the snapshots' total alkalinity
    float acidity;     // eq/kg, the snapshots' total acidity
    // The mix's total carbonate (mol/L) from the blended amounts:
    // (CO3 / 60.0094 + HCO3 / 61.0173 + H2CO3 / 62.0253) / 1000.
    double totalCarbonate;
    // Hydroxide f x kw / (10^-pH x g(OH)) of each water, mol/L.
    double hydroxide;
    // Hydrogen ion f x 10^-pH / g(H) of each water (the profile's form), and
    // f x 10^-pH without the activity coefficient (the grids' form), mol/L.
    double hydrogen;
    double hydrogenActivity;
    // The pH of the blended hydrogen-ion activity: -log10(f 10^-pH + g 10^-pH).
    double ph;
};
BlendedCarbonate BlendCarbonate(const MixSources& waters, const MixShares& s);

// Total carbonate (mol/L) of the mix as the profile forms it from the stored
// waters' carbonate, bicarbonate and dissolved CO2 (elements 30, 29, 43):
// f x (CO3/60009.4 + HCO3/61017.3 + H2CO3/62025.3) of the injection water + g x
// the same of the formation water.
double ProfileTotalCarbonate(const MixSources& waters, const MixShares& s);
// Total alkalinity (eq/L) of the mix as the profile forms it: f x A(injection)
// + g x A(formation), A = CO3/30004.7 + HCO3/61017.3 + kw / (10^-pH g(OH)) -
// 10^-pH / g(H), with each water's stored pH and its snapshot's constants.
double ProfileAlkalinity(const MixSources& waters, const MixShares& s);

// The grids' total carbonate (mol/L) without the dissolved CO2: f x (HCO3/61017.3
// + CO3/w) + g x the same, with the carbonate weight w in mg/mol; and their
// alkalinity (eq/L): that total plus the carbonate once more, f x CO3/w + g x
// CO3/w.
double GridTotalCarbonate(const MixSources& waters, const MixShares& s, double carbonateWeight);
double GridAlkalinity(const MixSources& waters, const MixShares& s, double carbonateWeight,
                      double totalCarbonate);

// The temperature of 25 degrees C in the user's temperature unit (77 F, 25 C,
// 298.16 K); false for another unit code, which keeps the blended value.
bool ReferenceTemperature(uint16_t temperatureUnit, float& value);
