// The seven points of a what-if axis. The step (high - low) / 6 is computed once
// in single precision and added point by point, as the stored tables have always
// held them: on a profile axis the last point is therefore the running sum, not
// the stored high value, while the grids' temperature and pH axes end on the
// stored high value itself.
#pragma once

#include "scenarios/frame/whatif_records.h"

// p0 = low, p(k) = p(k-1) + step for k = 1..6.
void BuildProfileAxis(float low, float high, float (&axis)[kProfilePoints]);

// As BuildProfileAxis, but point 6 is `high` exactly.
void BuildGridAxis(float low, float high, float (&axis)[kGridAxisPoints]);
