// Axis scaling: a rough step of (high - low) / wanted rounded on a
// logarithmic scale to 1, 2, 5 or 10 times its decade, and the ends taken as
// whole multiples of it.
#include "graphs/axis/axis_scale.h"

#include <algorithm>
#include <cmath>

#include "reporttext/format/axis_number.h"

namespace {

constexpr double kMantissas[4] = {1.0, 2.0, 5.0, 10.0};
constexpr int16_t kMantissaSteps = 3;
constexpr double kAxisLimit = 1e16;

double Clamped(double v) {
    if (std::isnan(v)) return 0.0;
    return std::clamp(v, -kAxisLimit, kAxisLimit);
}

// floor or ceil of a quotient as a 64-bit integer; the ends are at most 1e16
// and the step at least a thousandth of a 0.05 span, so the quotient fits.
int64_t Whole(double v) {
    constexpr double kLimit = 9.0e18;
    return static_cast<int64_t>(std::clamp(v, -kLimit, kLimit));
}

}  // namespace

double IntPower(double base, int16_t exponent) {
    int e = std::clamp<int>(exponent, -16, 16);
    if (e < 0) {
        base = 1.0 / base;
        e = -e;
    }
    double result = 1.0;
    while (e != 0) {
        if ((e & 1) != 0) result *= base;
        e >>= 1;
        base *= base;
    }
    return result;
}

double AxisDecade(double value, uint16_t& mantissaIndex, double& decade) {
    const double logValue = std::floor(std::log10(std::fabs(value)));
    const int16_t exponent =
        static_cast<int16_t>(std::isfinite(logValue) ? std::clamp(logValue, -16.0, 16.0) : 0.0);
    double d = IntPower(10.0, exponent);
    if (value >= d * 10.0) d *= 10.0;
    mantissaIndex = 0;
    decade = d;
    return d;
}

double NextAxisStep(const double* table, int16_t tableCount, uint16_t& mantissaIndex,
                    double& decade) {
    ++mantissaIndex;
    if (mantissaIndex >= tableCount) {
        mantissaIndex = 0;
        decade *= 10.0;
    }
    return table[mantissaIndex] * decade;
}

void RoundAxisRange(double low, double high, double step, int64_t& lowMultiple,
                    int64_t& highMultiple) {
    lowMultiple = Whole(std::floor(low / step));
    if (low >= static_cast<double>(lowMultiple + 1) * step) ++lowMultiple;
    highMultiple = Whole(std::ceil(high / step));
    if (static_cast<double>(highMultiple - 1) * step >= high) --highMultiple;
}

void ComputeAxisScale(double dataMin, double dataMax, int16_t wanted, double& axisLow,
                      double& axisHigh, uint16_t& intervals) {
    double lo = Clamped(dataMin);
    double hi = Clamped(dataMax);
    if (lo > hi) std::swap(lo, hi);
    if (lo == hi) {
        intervals = 2;
        if (lo == 0.0) {
            axisLow = -1.0;
            axisHigh = 1.0;
        } else if (hi > 0.0) {
            axisLow = 0.5 * lo;
            axisHigh = 1.5 * lo;
        } else {
            axisLow = 1.5 * lo;
            axisHigh = 0.5 * lo;
        }
        return;
    }
    if (hi - lo < 0.05) lo = (lo > 0.0 && lo < 0.05) ? 0.0 : lo - 0.05;
    const int n = std::max<int>(wanted, 2);
    const double rough = (hi - lo) / n;
    uint16_t index = 0;
    double decade = 0.0;
    double step = AxisDecade(rough, index, decade);
    while (rough > std::sqrt(kMantissas[index] * kMantissas[index + 1]) * decade)
        step = NextAxisStep(kMantissas, kMantissaSteps, index, decade);
    int64_t lowMultiple = 0;
    int64_t highMultiple = 0;
    RoundAxisRange(lo, hi, step, lowMultiple, highMultiple);
    axisLow = static_cast<double>(lowMultiple) * step;
    axisHigh = static_cast<double>(highMultiple) * step;
    intervals = static_cast<uint16_t>(std::clamp<int64_t>(highMultiple - lowMultiple, 1, 0xFFFF));
}

BarValueAxis ComputeBarValueAxis(double yMin, double yMax) {
    BarValueAxis a{};
    if (std::isnan(yMin)) yMin = 0.0;
    if (std::isnan(yMax)) yMax = 0.0;
    if (yMin == yMax) {
        a.intervals = 2;
        const double v = yMin;
        if (v == -14.0) {
            a.low = -14.0;
            a.high = 14.0;
        } else if (v == 0.0) {
            a.low = -1.0;
            a.high = 1.0;
        } else if (v < 0.0) {
            a.low = 1.5 * v;
            a.high = 0.5 * v;
        } else {
            a.low = 0.5 * v;
            a.high = 1.5 * v;
        }
        return a;
    }
    uint16_t n = 0;
    ComputeAxisScale(yMin, yMax, 5, a.low, a.high, n);
    const bool narrowStep = std::fabs(a.high - a.low) / n < 0.01;
    const bool narrowRange = a.high != 0.0 && std::fabs((a.high - a.low) / a.high) < 0.01;
    if (narrowStep || narrowRange) {
        const int e = std::abs(GetDecimalExponent((a.high - a.low) / n)) - 2;
        const double p = std::pow(10.0, e);
        const double low = std::floor(p * a.low) / p;
        const double high = std::ceil(p * a.high) / p;
        ComputeAxisScale(low, high, 2, a.low, a.high, n);
    }
    a.intervals = n;
    return a;
}
