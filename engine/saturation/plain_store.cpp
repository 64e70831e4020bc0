// Unclamped stores into the result records, guarded against infinities and NaNs.
#include "engine/saturation/plain_store.h"

#include <cmath>
#include <limits>

namespace {
constexpr double kBound = 1e37;
}

float PlainToFloat(double x) {
    if (std::isnan(x)) return static_cast<float>(kBound);
    if (std::fabs(x) > std::numeric_limits<float>::max())
        return static_cast<float>(x < 0.0 ? -kBound : kBound);
    return static_cast<float>(x);
}

double FiniteOrBound(double x) {
    if (std::isnan(x)) return kBound;
    if (std::isinf(x)) return x < 0.0 ? -kBound : kBound;
    return x;
}
