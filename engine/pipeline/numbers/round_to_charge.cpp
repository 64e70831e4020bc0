// RoundToCharge: nearest small integer of a code carried as a float, limited to +-10.
#include "engine/pipeline/numbers/round_to_charge.h"

#include <cmath>

int32_t RoundToCharge(double x) {
    const double magnitude = std::fabs(x);
    if (!(magnitude >= 0.5)) return 0;  // zero, below a half, or NaN
    const int32_t sign = x < 0.0 ? -1 : 1;
    if (magnitude >= 9.5) return sign * 10;
    return sign * static_cast<int32_t>(std::floor(magnitude + 0.5));
}
