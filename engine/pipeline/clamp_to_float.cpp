// ClampToFloat: how the engine stores a double result in a single-precision record.
// Magnitudes a float cannot carry sensibly are pinned to 1e-37 or 1e37 with their
// sign, so the records never hold infinities, NaNs or denormals.
#include <cmath>

#include "engine/carbonate/carbonate_state.h"

float ClampToFloat(double x) {
    if (x == 0.0) return 0.0f;                  // also -0.0, which is stored as +0
    const float sign = x < 0.0 ? -1.0f : 1.0f;  // a NaN takes +1
    const double magnitude = std::fabs(x);
    // Inside 1e-36..1e36 the decade test below always passes; skip the logarithm.
    if (magnitude >= 1e-36 && magnitude <= 1e36) return static_cast<float>(x);
    const double decade = std::log10(magnitude);
    if (std::fabs(decade) < 37.0) return static_cast<float>(x);
    // Out of range, infinite or NaN (whose decade compares false everywhere).
    return decade < 0.0 ? sign * 1e-37f : sign * 1e37f;
}
