// Calculated conductivity. Each ion contributes lambda x t x g x m x F (uS/cm with
// lambda in S cm2/mol and m x F in mmol/L): lambda its limiting molar conductance
// at 25 C, t its temperature factor, g its activity factor.
//
// The temperature factor is exp(c / T - c / 298.16) x (T / 298.16) x v, where v is
// the viscosity of water at 25 C over its viscosity at T (Vogel form, eta in mPa s
// = exp(578.919 / (T - 137.546) - 3.7188)). With c = 298.16 K for every ion the
// first two factors cancel to first order and the conductance follows Walden's
// rule (lambda x viscosity constant) to within 2 % up to 100 C. The activity factor
// is the species' own activity coefficient (p = q = 0 in the Debye-Hueckel-Onsager
// form exp(-p |z| A sqrt(I) / (1 + sqrt(I) B q / (1 + I^0.75)))).
#include "engine/inputs/conductivity.h"

#include <algorithm>
#include <cmath>

namespace {

struct IonConductance {
    int species;
    double lambda;  // S cm2/mol at 25 C
    double p;       // activity parameters of the conductance factor
    double q;
    double temperatureC;  // temperature coefficient c, K
};

constexpr double kWalden = 298.16;

// The most a water's record holds of any value. Past an ionic strength any
// water has (a gas at hundreds of atmospheres in a light, cold water) the
// activity coefficients overflow the sum; the conductivity then stays at this
// bound, which a saved file holds and opens with.
constexpr double kMostConductivity = 1.0e30;

// Limiting molar conductances at 25 C (per mole of the ion as written).
constexpr IonConductance kIons[] = {
    {Ion::kCa, 118.9, 0, 0, kWalden},    {Ion::kMg, 106.0, 0, 0, kWalden},
    {Ion::kBa, 127.7, 0, 0, kWalden},    {Ion::kSr, 118.0, 0, 0, kWalden},
    {Ion::kNa, 50.08, 0, 0, kWalden},    {Ion::kK, 73.48, 0, 0, kWalden},
    {Ion::kLi, 38.6, 0, 0, kWalden},     {Ion::kFe, 108.0, 0, 0, kWalden},
    {Ion::kNH4, 73.0, 0, 0, kWalden},    {Ion::kAl, 188.2, 0, 0, kWalden},
    {Ion::kH2BO3, 100.0, 0, 0, kWalden}, {Ion::kCl, 75.9, 0, 0, kWalden},
    {Ion::kSO4, 160.6, 0, 0, kWalden},   {Ion::kHCO3, 44.5, 0, 0, kWalden},
    {Ion::kCO3, 69.3, 0, 0, kWalden},    {Ion::kNO3, 65.0, 0, 0, kWalden},
    {Ion::kH3SiO4, 50.0, 0, 0, kWalden}, {Ion::kPO4, 66.0, 0, 0, kWalden},
    {Ion::kF, 55.4, 0, 0, kWalden},      {Ion::kSr, 71.4, 0, 0, kWalden},
    {Ion::kH, 349.65, 0, 0, kWalden},    {Ion::kOH, 198.0, 0, 0, kWalden},
    {Ion::kHPO4, 66.0, 0, 0, kWalden},   {Ion::kMn, 107.0, 0, 0, kWalden},
    {Ion::kZn, 105.6, 0, 0, kWalden},    {Ion::kPb, 142.0, 0, 0, kWalden},
    {Ion::kBr, 78.41, 0, 0, kWalden},    {Ion::kPolyphosphate, 386.0, 0, 0, kWalden},
};
static_assert(sizeof kIons / sizeof kIons[0] == 28, "28 conducting ions");

}  // namespace

double CalcConductivity(const SpeciatedWater& w, double totalDissolvedSolids) {
    const double t = w.temperatureK;
    const double viscosityRatio =
        std::exp(-0.11438818035787746) / std::exp(578.919 / (t - 137.546) - 3.7188);
    const double sqrtI = w.sqrtIonicStrength;
    const double i = w.ionicStrength;
    double sum = 0.0;
    // The ions share their temperature coefficient: the factor is worked out again
    // only when the coefficient changes.
    double factorC = 0.0, tf = 0.0;
    bool factorKnown = false;
    for (const IonConductance& ion : kIons) {
        const double m = w.M(ion.species);
        if (!(m > 0.0)) continue;
        const double c = ion.temperatureC;
        if (!factorKnown || c != factorC) {
            tf = std::exp(c / t - c / 298.16) * (t / 298.16) * viscosityRatio;
            factorC = c;
            factorKnown = true;
        }
        double g;
        if (ion.p > 0.0 || ion.q > 0.0) {
            const double z = std::fabs(w.speciesTable->charge[ion.species]);
            g = std::exp(-(ion.p * z * w.debyeA * sqrtI) /
                         (1.0 + (sqrtI * w.debyeB * ion.q) / (1.0 + std::pow(i, 0.75))));
        } else {
            g = w.G(ion.species);
        }
        const double contribution = ion.lambda * tf * g * m * w.massFactor;
        if (contribution > 0.0) sum += contribution;
    }
    if (totalDissolvedSolids > 0.0) sum = std::max(sum, 0.3 * totalDissolvedSolids);
    return std::isnan(sum) ? kMostConductivity : std::min(sum, kMostConductivity);
}
