// Stores that the result records use where a value is not clamped.
//
// A "plain" single-precision store keeps the value as the float conversion gives
// it (tiny magnitudes included), but a double beyond the float range, an infinity
// or a NaN would put an infinity or NaN into a record that reports and files read
// back; those take the bounds of ClampToFloat instead (+-1e37, NaN as +1e37).
// Double-precision records get the same guard against infinities and NaNs. Both
// are inline: the results pass stores some fifty values through them.
#pragma once

#include <cmath>
#include <limits>

namespace plain_store_detail {
constexpr double kBound = 1e37;
}

// Single-precision store without the 1e-37 floor of ClampToFloat.
inline float PlainToFloat(double x) {
    using plain_store_detail::kBound;
    if (std::isnan(x)) return static_cast<float>(kBound);
    if (std::fabs(x) > std::numeric_limits<float>::max())
        return static_cast<float>(x < 0.0 ? -kBound : kBound);
    return static_cast<float>(x);
}

// x held within +-1e37 (a NaN stays a NaN, for PlainToFloat to bound).
inline double WithinBound(double x) {
    using plain_store_detail::kBound;
    if (x > kBound) return kBound;
    if (x < -kBound) return -kBound;
    return x;
}

// x when it is finite; +-1e37 for an infinity, +1e37 for a NaN.
inline double FiniteOrBound(double x) {
    using plain_store_detail::kBound;
    if (std::isnan(x)) return kBound;
    if (std::isinf(x)) return x < 0.0 ? -kBound : kBound;
    return x;
}
