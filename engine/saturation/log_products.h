// log10 of a product of integer powers of positive numbers, such as an ion
// activity product or a constant over activity coefficients to their counts:
// Log10OfPowers<3, -2>(a, b) is log10(a^3 / b^2). The factors with positive
// powers and those with negative powers are multiplied out apart while each
// partial product stays between 1e-290 and 1e290, and one logarithm of their
// quotient is taken; where a product would leave that range (or a factor is not a
// positive number) the value is the sum of the factors' logarithms, so that no
// overflow or subnormal enters it.
#pragma once

#include <cmath>

namespace log_products_detail {

constexpr double kLow = 1e-290;
constexpr double kHigh = 1e290;

template <int Power>
inline void Take(double base, double& above, double& below, bool& inRange) {
    constexpr int kCount = Power < 0 ? -Power : Power;
    double& side = Power < 0 ? below : above;
    for (int k = 0; k < kCount; ++k) side *= base;
    inRange = inRange && base > 0.0 && side >= kLow && side <= kHigh;
}

}  // namespace log_products_detail

template <int... Powers, class... Bases>
inline double Log10OfPowers(Bases... bases) {
    static_assert(sizeof...(Powers) == sizeof...(Bases), "a power for every factor");
    using namespace log_products_detail;
    double above = 1.0;
    double below = 1.0;
    bool inRange = true;
    (Take<Powers>(static_cast<double>(bases), above, below, inRange), ...);
    const double quotient = above / below;
    if (inRange && quotient >= kLow && quotient <= kHigh) return std::log10(quotient);
    return ((Powers * std::log10(static_cast<double>(bases))) + ...);
}
