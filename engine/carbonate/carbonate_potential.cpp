// The precipitation potential of a metal carbonate, by halving the pH interval
// on which the water's metal-carbonate product crosses saturation.
#include "engine/carbonate/carbonate_potential.h"

#include <cmath>

namespace {

constexpr double kLowestPh = 1.0;
constexpr double kHighestPh = 14.0;
constexpr int kHalvings = 200;
constexpr double kPhResolution = 1e-12;

}  // namespace

CarbonateStateAt CarbonateStateAtPh(const CarbonateConstants& k, double acidity, double pH) {
    const double h = std::pow(10.0, -pH) / k.gammaH;
    const double d = h * h + k.k1 * h + k.k1 * k.k2;
    const double a0 = h * h / d;
    const double a1 = k.k1 * h / d;
    const double a2 = k.k1 * k.k2 / d;
    const double w = h - k.kw / h;
    const double carbonate = (acidity - w) / (2.0 * a0 + a1);
    return {carbonate, carbonate * (a1 + 2.0 * a2) - w, carbonate * a2};
}

CarbonatePotential SearchCarbonatePotential(const CarbonateConstants& k, double pH, double acidity,
                                            double metal, double saturation) {
    if (!(metal > 0.0)) return {true, 0.0};
    if (saturation == 1.0) return {true, 0.0};
    const CarbonateStateAt start = CarbonateStateAtPh(k, acidity, pH);
    if (!(saturation > 0.0) || !std::isfinite(saturation) || !(start.carbonateIon > 0.0) ||
        !std::isfinite(start.carbonateIon) || !(pH >= kLowestPh && pH <= kHighestPh))
        return {false, 0.0};
    // The product of metal and carbonate ion at which the water is saturated.
    const double saturated = metal * start.carbonateIon / saturation;
    auto amountAt = [&](const CarbonateStateAt& s) {
        return (start.alkalinity - s.alkalinity) / 2.0;
    };
    // Whether the water at pH p is below saturation: past the end of the metal
    // or of the carbonate it holds none of the carbonate.
    auto below = [&](double p) {
        const CarbonateStateAt s = CarbonateStateAtPh(k, acidity, p);
        const double left = metal - amountAt(s);
        if (!(s.carbonate >= 0.0) || !(left >= 0.0) || !(s.carbonateIon >= 0.0)) return true;
        return left * s.carbonateIon < saturated;
    };
    // A supersaturated water is saturated below its pH, an undersaturated one
    // above it.
    double low = saturation > 1.0 ? kLowestPh : pH;
    double high = saturation > 1.0 ? pH : kHighestPh;
    if (saturation < 1.0 && below(high)) return {false, 0.0};
    for (int i = 0; i < kHalvings && high - low > kPhResolution; ++i) {
        const double middle = 0.5 * (low + high);
        (below(middle) ? low : high) = middle;
    }
    const double amount = amountAt(CarbonateStateAtPh(k, acidity, 0.5 * (low + high)));
    // Rounding near saturation must not turn the answer against the ratio.
    if (saturation > 1.0 ? !(amount >= 0.0) : !(amount <= 0.0)) return {true, 0.0};
    return {true, amount};
}
