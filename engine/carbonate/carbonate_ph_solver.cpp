// The pH at which a water's carbonate acidity and alkalinity balance.
//
// With R = (h/K1 + 1) / (K2/h + 1), the ratio of H2CO3 + HCO3- to HCO3- + CO3--
// at a hydrogen ion h (concentration terms), the balance of the acidity Ac (2[H2CO3] + [HCO3-] +
// [H+] - [OH-]) and the alkalinity Al (2[CO3--] + [HCO3-] + [OH-] - [H+]) at a hydrogen ion h is
//   f(h) = Ac - R Al - (h - Kw/h)(R + 1) = 0.
// The search walks the pH in halving steps, turning back whenever the residual
// grows or changes sign, and keeps the pH between 0 and 14.
#include <algorithm>
#include <cmath>

#include "engine/carbonate/carbonate_species.h"
#include "engine/tables/power_of_ten.h"

namespace {

constexpr double kNeutralPh = 7.0;
constexpr double kNegligibleAmount = 1e-08;  // eq/L
constexpr int kIterations = 2000;

double StartingPh(const CarbonateState& k, double acidity, double alkalinity) {
    const double pK1 = -std::log10(static_cast<double>(k.k1));
    const double pK2 = -std::log10(static_cast<double>(k.k2));
    if (acidity > 0.0 && alkalinity > 0.0)
        return (pK1 * acidity + pK2 * alkalinity) / (acidity + alkalinity);
    if (acidity > 0.0 && alkalinity < 0.0) return pK1;
    if (acidity < 0.0 && alkalinity > 0.0) return pK2;
    return kNeutralPh;
}

bool SignChanged(double f, double previous) {
    return (f < 0.0 && previous > 0.0) || (f > 0.0 && previous < 0.0);
}

}  // namespace

int32_t SolvepHFromCarbonate(const CarbonateState& constants, int32_t /*mode*/, float acidity,
                             float alkalinity, float& pHOut) {
    const double ac = acidity;
    const double al = alkalinity;
    if (std::fabs(ac) < kNegligibleAmount && std::fabs(al) < kNegligibleAmount) {
        pHOut = static_cast<float>(kNeutralPh);
        return 0;
    }
    const double k1 = constants.k1;
    const double k2 = constants.k2;
    const double kw = constants.kw;
    const double reference = std::min(std::fabs(ac), std::fabs(al));

    double pH = StartingPh(constants, ac, al);
    double step = 0.5;
    double previous = 0.0;
    int lastReversal = 0;
    for (int iteration = 0; iteration < kIterations; ++iteration) {
        const double h = Exp10(-pH) / constants.gammaH;
        const double r = (h / k1 + 1.0) / (k2 / h + 1.0);
        const double f = ac - r * al - (h - kw / h) * (r + 1.0);
        if (std::fabs(f) < reference * 1e-05 && std::fabs(step) < 5e-06) break;
        if (iteration - lastReversal > 1 &&
            (std::fabs(f) > std::fabs(previous) || SignChanged(f, previous))) {
            step *= -0.5;
            lastReversal = iteration;
        }
        pH += step;
        if (pH < 0.0 || pH > 14.0) {
            pH = pH < 0.0 ? -0.75 * step : 14.0 - 0.75 * step;
            step *= 0.5;
            lastReversal = iteration;
        }
        previous = f;
        if (std::fabs(step) < 1e-07) break;
    }
    pHOut = static_cast<float>(pH);
    return 0;
}
