// Axes of the waterflood mixing profile and grids.
#include "scenarios/mixing/mixing_axis.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr float kFullShare = 100.0f;  // percent of a pure water

}  // namespace

float BuildMixRatioAxis(float low, float high, float (&points)[kMixRows]) {
    // The step and the running sums are single precision, as the stored axis
    // has always held them; so the sixth sum of 0..100 may land a hair above 100
    // and is then replaced by the high percent.
    const float step = (high - low) / 6.0f;
    std::fill(std::begin(points), std::end(points), 0.0f);
    points[0] = low;
    for (int k = 1; k < kMixAxisPoints; ++k) {
        const float point = points[k - 1] + step;
        points[k] = point;
        if (point > high || point > kFullShare || point < 0.0f) {
            points[k] = high;
            break;
        }
    }
    points[kMixAxisPoints - 1] = high;
    return step;
}

void ClampInnerPercents(float (&points)[kMixAxisPoints]) {
    for (int k = 1; k < kMixAxisPoints - 1; ++k) points[k] = MixBlendPercent(points[k]);
}

void BuildMixGridAxis(float low, float high, float (&axis)[kMixAxisPoints]) {
    float points[kMixAxisPoints];
    BuildGridAxis(low, high, points);
    StoreAxisWithoutNegatives(points, axis);
}

void StoreAxisWithoutNegatives(const float (&points)[kMixAxisPoints],
                               float (&axis)[kMixAxisPoints]) {
    for (int k = 0; k < kMixAxisPoints; ++k) axis[k] = std::max(points[k], 0.0f);
}

float MixBlendPercent(float percent) {
    if (!(percent > 0.0f)) return 0.0f;  // also a percent that is not a number
    return std::min(percent, kFullShare);
}
