// The colour bands of an index: which way is worse and the four thresholds
// that cut its values into five bands.
#pragma once

#include <cstdint>

// Direction 1: higher values are worse (t0 <= t1 <= t2 <= t3); 0: lower are.
// Under the log index display (indexFormat exactly 1) the thresholds of the
// 18 log codes are their base-10 logarithms (999 for one that is 0 or below).
void GetIndexColorBands(uint16_t code, uint16_t& outCode, uint16_t& direction,
                        double (&thresholds)[4]);

// The band (1 best to 5 worst) of a value under GetIndexColorBands' direction
// and thresholds: rising, band k + 1 from t[k - 1] up to below t[k]; falling,
// band k + 1 from t[k] (exclusive) up to t[k - 1].
[[nodiscard]] int IndexBandOf(uint16_t direction, const double (&thresholds)[4], double value);
