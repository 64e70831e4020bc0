// The carbonic acid system in concentration terms: hydrogen and hydroxide ion
// from a pH, the fractions of dissolved carbonate present as H2CO3, HCO3- and
// CO3--, and the molar masses through which the analysis (mg/L) meets mol/L.
//
// With conditional constants K1' = [H][HCO3]/[H2CO3] and K2' = [H][CO3]/[HCO3]
// (the k1 and k2 of CarbonateState), a total carbonate CT splits as
//   a0 = 1 / (K1'/h + 1 + K1'K2'/h^2)      (H2CO3)
//   a1 = 1 / (h/K1' + 1 + K2'/h)           (HCO3-)
//   a2 = 1 / (h^2/(K1'K2') + h/K2' + 1)    (CO3--)
// (Stumm and Morgan, Aquatic Chemistry, ch. 4).
#pragma once

#include <cfloat>
#include <cmath>
#include <initializer_list>

#include "engine/carbonate/carbonate_state.h"

namespace carbonate {

constexpr double kHco3MgPerMol = 61017.3;   // HCO3-
constexpr double kCo3MgPerMol = 60009.4;    // CO3--
constexpr double kCo3MgPerEq = 30004.7;     // CO3--, per equivalent
constexpr double kH2co3MgPerMol = 62025.3;  // H2CO3
constexpr double kCaCO3MgPerEq = 50044.5;   // alkalinity as CaCO3

// Hydrogen ion (mol/L) at a pH: activity 10^-pH over its activity coefficient.
inline double HydrogenConc(double pH, double gammaH) {
    return std::pow(10.0, -pH) / gammaH;
}

// Hydroxide ion (mol/L) at a pH from the conditional ion product of water.
inline double HydroxideConc(double pH, double kw, double gammaOH) {
    return kw / (std::pow(10.0, -pH) * gammaOH);
}

struct Fractions {
    double a0;  // H2CO3
    double a1;  // HCO3-
    double a2;  // CO3--
};

inline Fractions FractionsAt(double h, double k1, double k2) {
    return {1.0 / (k1 / h + 1.0 + k1 * k2 / (h * h)), 1.0 / (h / k1 + 1.0 + k2 / h),
            1.0 / (h * h / (k1 * k2) + h / k2 + 1.0)};
}

// Total dissolved carbonate (mol/L) of the three species given in mg/L.
inline double TotalCarbonate(double carbonateMg, double bicarbonateMg, double h2co3Mg) {
    return carbonateMg / kCo3MgPerMol + bicarbonateMg / kHco3MgPerMol + h2co3Mg / kH2co3MgPerMol;
}

// The alkalinity at which the pH-alkalinity curves are read, in their own unit,
// mg/L as CaCO3, from mg as CaCO3 per litre (mg/L reporting) or per kilogram of
// the water (ppm and epm reporting, modes 1 and 3), where the specific gravity
// `gravity` makes it per litre; a gravity not above 0 is taken as 1. So one
// water reads one pH off a curve in every basis.
inline double CurveAlkalinity(double alkalinity, int reportingMode, double gravity) {
    const bool perKilogram = reportingMode == 1 || reportingMode == 3;
    return perKilogram && gravity > 0.0 ? alkalinity * gravity : alkalinity;
}

// True when the five constants of the last reference pass are usable: every one
// positive and finite, as they are after any completed equilibrium run.
inline bool UsableConstants(const CarbonateState& s) {
    for (float v : {s.k1, s.k2, s.kw, s.gammaH, s.gammaOH}) {
        if (!(v > 0.0f) || !std::isfinite(v)) return false;
    }
    return true;
}

// Stores a double as a float without undefined behaviour: values beyond the
// float range saturate at the largest float with their sign; NaN stays NaN.
inline float NarrowToFloat(double x) {
    if (x > FLT_MAX) return FLT_MAX;
    if (x < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(x);
}

// True for a value a float pH field can hold: finite and inside the float range.
inline bool StorablePh(double pH) {
    return std::isfinite(pH) && std::fabs(pH) <= FLT_MAX;
}

}  // namespace carbonate
