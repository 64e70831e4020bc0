// The edges of ClampToFloat: magnitudes a float cannot carry sensibly are pinned to
// 1e-37 or 1e37 with their sign, so the records never hold infinities, NaNs or
// denormals.
#include "engine/pipeline/numbers/clamp_to_float.h"

#include <cmath>

float ClampToFloatEdge(double x) {
    if (x == 0.0) return 0.0f;
    const float sign = x < 0.0 ? -1.0f : 1.0f;  // a NaN takes +1
    const double decade = std::log10(std::fabs(x));
    if (std::fabs(decade) < 37.0) return static_cast<float>(x);
    // Out of range, infinite or NaN (whose decade compares false everywhere).
    return decade < 0.0 ? sign * 1e-37f : sign * 1e37f;
}
