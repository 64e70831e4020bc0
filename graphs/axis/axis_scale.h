// Rounded value axes of every graph: the low and high end as whole multiples
// of a tick step of 1, 2 or 5 times a power of ten, and the intervals between.
#pragma once

#include <cstdint>

// base^exponent by squaring, the exponent held to -16..16; exponent 0 gives 1.
[[nodiscard]] double IntPower(double base, int16_t exponent);

// The power of ten at or just below |value| (one decade up when the logarithm
// fell a decade short); stores it in `decade` and sets `mantissaIndex` to 0.
double AxisDecade(double value, uint16_t& mantissaIndex, double& decade);

// The next step of the mantissa table: index + 1, wrapping to 0 with the
// decade times ten at `tableCount`.
double NextAxisStep(const double* table, int16_t tableCount, uint16_t& mantissaIndex,
                    double& decade);

// The largest multiple of `step` not above `low` and the smallest not below
// `high`. The multiples are 64-bit, so a range narrow beside its values
// (1000.0 to 1000.1) keeps its ends.
void RoundAxisRange(double low, double high, double step, int64_t& lowMultiple,
                    int64_t& highMultiple);

// The axis over the data from `dataMin` to `dataMax` with about `wanted`
// intervals (at least 2). Ends beyond 1e16 count as 1e16; a value that is not
// a number counts as 0; reversed ends are swapped. Equal ends give 2
// intervals: -1 to 1 around 0, else half to one and a half times the value.
void ComputeAxisScale(double dataMin, double dataMax, int16_t wanted, double& axisLow,
                      double& axisHigh, uint16_t& intervals);

// The value axis of the bar graphs: equal values give 2 intervals (-14 to 14
// around -14, else as ComputeAxisScale); other data 5 wanted intervals, and a
// range whose step is below 0.01 or that is narrower than 1% of its top is
// rounded outward to round numbers and scaled again with 2 wanted intervals.
struct BarValueAxis {
    double low;
    double high;
    int intervals;
};
[[nodiscard]] BarValueAxis ComputeBarValueAxis(double yMin, double yMax);
