// The pH function f(pH) and the rate constant Kt of the two table models. Each
// temperature node holds f(pH) as a list of pH bands, each band a polynomial (up
// to cubic) or an exponential in pH; between nodes both are interpolated
// linearly in temperature.
#include <cmath>
#include <limits>

#include "engine/corrosion/corrosion_models.h"

namespace {

constexpr double kNoUpperBound = std::numeric_limits<double>::infinity();

// One band of f(pH): valid below `upper` (up to and including it when
// `inclusive`); f = c0 + c1 pH + c2 pH^2 + c3 pH^3, or c0 exp(c1 pH) when
// `exponential`.
struct PhBand {
    double upper;
    bool inclusive;
    bool exponential;
    double c0, c1, c2, c3;
};

constexpr PhBand Const(double upper, double value) {
    return {upper, false, false, value, 0, 0, 0};
}
constexpr PhBand Line(double upper, double c0, double c1, bool inclusive = false) {
    return {upper, inclusive, false, c0, c1, 0, 0};
}
constexpr PhBand Poly(double upper, double c0, double c1, double c2, double c3 = 0) {
    return {upper, false, false, c0, c1, c2, c3};
}
constexpr PhBand Exp(double upper, double c0, double c1) {
    return {upper, false, true, c0, c1, 0, 0};
}

struct PhNode {
    double temperatureC;
    int bandCount;
    PhBand bands[5];
};

// The bands per node, in pH order; the last band of each node has no upper bound.
const PhNode kPhNodes[] = {
    {5,
     4,
     {Const(3.5, 1.25945), Line(4.6, 2.0676, -0.2309), Poly(6.5, 4.342, -1.051, 0.0708),
      Const(kNoUpperBound, 0.5018)}},
    // The 15 degrees C node continues its first line below pH 3.5.
    {15,
     3,
     {Line(4.6, 2.0676, -0.2309), Poly(6.5, 4.896, -1.191, 0.0708), Const(kNoUpperBound, 0.1458)}},
    {20,
     4,
     {Const(3.5, 1.25945), Line(4.6, 2.0676, -0.2309), Poly(6.5, 5.1885, -1.2353, 0.0708),
      Const(kNoUpperBound, 0.15035)}},
    {40,
     4,
     {Const(3.5, 1.25945), Line(4.6, 2.0676, -0.2309), Poly(6.5, 5.1885, -1.2353, 0.0708),
      Const(kNoUpperBound, 0.15035)}},
    {60,
     4,
     {Const(3.5, 1.1997), Line(4.6, 1.836, -0.1818), Poly(6.5, 15.444, -6.1291, 0.8204, -0.0371),
      Const(kNoUpperBound, 0.0781625)}},
    {80,
     4,
     {Const(3.5, 1.3544), Line(4.6, 2.627, -0.3636), Exp(6.5, 331.68, -1.2618),
      Const(kNoUpperBound, 331.68 * std::exp(-8.2017))}},
    {90,
     5,
     {Const(3.5, 1.49995), Line(4.57, 3.1355, -0.4673), Exp(5.62, 21254.0, -2.1811),
      Line(6.5, 0.4014, -0.0538, true), Const(kNoUpperBound, 0.0517)}},
    {120,
     5,
     {Const(3.5, 1.1), Line(4.57, 1.5375, -0.125), Line(5.62, 5.9757, -1.157),
      Line(6.5, 0.546125, -0.071225, true), Const(kNoUpperBound, 0.0831625)}},
    {150, 3, {Const(3.8, 1.0), Poly(5.0, 17.634, -7.0945, 0.715), Const(kNoUpperBound, 0.037)}},
};
constexpr int kPhNodeCount = sizeof kPhNodes / sizeof kPhNodes[0];

double EvaluateNode(const PhNode& node, double ph) {
    for (int i = 0; i < node.bandCount; ++i) {
        const PhBand& b = node.bands[i];
        if (ph < b.upper || (b.inclusive && ph == b.upper) || i == node.bandCount - 1) {
            if (b.exponential) return b.c0 * std::exp(b.c1 * ph);
            return b.c0 + ph * (b.c1 + ph * (b.c2 + ph * b.c3));
        }
    }
    return 0.0;  // not reached: the last band takes every pH
}

struct KtNode {
    double temperatureC;
    double kt;
};
constexpr KtNode kKtNodes[] = {{5, 0.42},   {15, 1.59}, {20, 4.762}, {40, 8.927}, {60, 10.695},
                               {80, 9.949}, {90, 6.25}, {120, 7.77}, {150, 5.203}};
constexpr int kKtNodeCount = sizeof kKtNodes / sizeof kKtNodes[0];
static_assert(kKtNodeCount == kPhNodeCount, "the two tables share their temperature nodes");

// Index i of the node interval [T_i, T_i+1) holding t, and the fraction of the
// way through it; below the first node the first node alone applies, at or above
// the last node the last node alone.
void FindInterval(double temperatureC, int& i, double& fraction) {
    fraction = 0.0;
    if (!(temperatureC >= kKtNodes[0].temperatureC)) {  // below 5 C, or no value
        i = 0;
        return;
    }
    for (i = 0; i < kKtNodeCount - 1; ++i) {
        const double lo = kKtNodes[i].temperatureC, hi = kKtNodes[i + 1].temperatureC;
        if (temperatureC < hi) {
            fraction = (temperatureC - lo) / (hi - lo);
            return;
        }
    }
    i = kKtNodeCount - 1;
}

}  // namespace

namespace corrosion {

double PhFunction(double ph, double temperatureC) {
    int i = 0;
    double fraction = 0.0;
    FindInterval(temperatureC, i, fraction);
    const double f0 = EvaluateNode(kPhNodes[i], ph);
    if (fraction == 0.0) return f0;
    return f0 + (EvaluateNode(kPhNodes[i + 1], ph) - f0) * fraction;
}

double RateConstant(double temperatureC) {
    int i = 0;
    double fraction = 0.0;
    FindInterval(temperatureC, i, fraction);
    if (fraction == 0.0) return kKtNodes[i].kt;
    return kKtNodes[i].kt + (kKtNodes[i + 1].kt - kKtNodes[i].kt) * fraction;
}

}  // namespace corrosion
