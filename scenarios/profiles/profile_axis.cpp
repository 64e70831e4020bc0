// Axis points of the profiles and grids.
#include "scenarios/profiles/profile_axis.h"

void BuildProfileAxis(float low, float high, float (&axis)[kProfilePoints]) {
    const float step = (high - low) / 6.0f;
    axis[0] = low;
    for (int k = 1; k < kProfilePoints; ++k) axis[k] = axis[k - 1] + step;
}

void BuildGridAxis(float low, float high, float (&axis)[kGridAxisPoints]) {
    static_assert(kGridAxisPoints == kProfilePoints, "grid and profile axes have seven points");
    BuildProfileAxis(low, high, axis);
    axis[kGridAxisPoints - 1] = high;
}
