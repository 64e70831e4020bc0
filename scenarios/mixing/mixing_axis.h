// The axes of the waterflood mixing drivers: the seven injection-water percents
// of the mixing-ratio profile and of the mixing grids, and the grids' pH, pCO2
// and temperature axes.
//
// A percent outside 0 to 100 is kept on the axis as the user's range gives it,
// but a mix is never made of a negative share of either water: the share that
// is blended is the axis value held to 0..100 (MixBlendPercent).
#pragma once

#include "scenarios/mixing/mixing_records.h"
#include "scenarios/profiles/profile_axis.h"

constexpr int kMixAxisPoints = kGridAxisPoints;

// The mixing-ratio profile's axis from the low and high percent: the ten slots
// are cleared, point 0 is `low`; each next point is the previous plus the step
// (high - low) / 6 until one passes `high`, 100 or 0, which becomes `high` and
// ends the axis; point 6 is always `high`. Returns the step.
float BuildMixRatioAxis(float low, float high, float (&points)[kMixRows]);

// Seven points from `low` to `high` as the grids build their axes (BuildGridAxis):
// point 0 `low`, point 6 `high`, points 1 to 5 the running sums of (high - low) / 6.
// The ratio grid holds its inner points 1 to 5 to 0..100.
void ClampInnerPercents(float (&points)[kMixAxisPoints]);

// A grid axis: point 0 `low`, point 6 `high`, points 1 to 5 the running sums of
// (high - low) / 6, and in the stored copy a negative point replaced by 0.
void BuildMixGridAxis(float low, float high, float (&axis)[kMixAxisPoints]);
// The stored copy of an axis: negative points replaced by 0.
void StoreAxisWithoutNegatives(const float (&points)[kMixAxisPoints],
                               float (&axis)[kMixAxisPoints]);

// The injection-water percent that is blended for an axis percent: held to 0..100.
float MixBlendPercent(float percent);
