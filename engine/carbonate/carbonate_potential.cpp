// The precipitation potential of a metal carbonate, by halving the pH interval
// on which the water's metal-carbonate product crosses saturation.
//
// The halving decides each middle by whether the water there is below
// saturation: below it on the one side of the crossing, above it on the other.
// Most middles are far from the crossing. A Newton estimate of it (in the
// hydrogen ion, with no power of ten per step) and two decisions taken just
// either side of it settle every middle outside those two; only the few
// middles between them are decided by the water's own state there, as every
// middle once was. The halving ends on the interval it always ended on, and
// the answer is the same to the last bit.
#include "engine/carbonate/carbonate_potential.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kLowestPh = 1.0;
constexpr double kHighestPh = 14.0;
constexpr int kHalvings = 200;
constexpr double kPhResolution = 1e-12;

// How far either side of the estimated crossing the first two exact decisions
// are taken (pH): a fifth of the resolution, wider than the rounding of the
// product near the crossing and than the estimate's error; widened when the two
// fall on one side.
constexpr double kBracketHalfWidth = 2e-13;
constexpr int kBracketWidenings = 6;
constexpr int kNewtonSteps = 12;
constexpr double kLn10 = 2.302585092994045684;

// The carbonate state at hydrogen ion h (mol/kg): CarbonateStateAtPh after its
// power of ten, operation for operation.
CarbonateStateAt StateAtHydrogen(const CarbonateConstants& k, double acidity, double h) {
    const double d = h * h + k.k1 * h + k.k1 * k.k2;
    const double a0 = h * h / d;
    const double a1 = k.k1 * h / d;
    const double a2 = k.k1 * k.k2 / d;
    const double w = h - k.kw / h;
    const double carbonate = (acidity - w) / (2.0 * a0 + a1);
    return {carbonate, carbonate * (a1 + 2.0 * a2) - w, carbonate * a2};
}

// ln(x) and e^x, by their series where those are short: the last steps of the
// estimate move by little.
double LogNearOne(double x) {
    const double u = x - 1.0;
    if (std::fabs(u) > 1e-4) return std::log(x);
    return u * (1.0 - u * (0.5 - u * (1.0 / 3.0 - 0.25 * u)));
}
double ExpNearZero(double x) {
    if (std::fabs(x) > 1e-4) return std::exp(x);
    return 1.0 + x * (1.0 + x * (0.5 + x * (1.0 / 6.0 + x / 24.0)));
}

// The crossing pH of the product (metal left x carbonate ion) with `saturated`,
// estimated by Newton's method on the log of the product against the log of
// the hydrogen ion, from the water's own pH and hydrogen ion h. The state
// written out in h:
//   A = Ac - (h - W/h),  q = h (2h + K1'),  CO3 = A K1'K2' / q,
//   alkalinity = A (K1' h + 2 K1'K2') / q - (h - W/h).
// A step that leaves the region where the product is defined is halved back.
double EstimateCrossingPh(const CarbonateConstants& k, double pH, double h, double acidity,
                          double metal, double startAlkalinity, double saturated) {
    const double k12 = k.k1 * k.k2;
    double p = pH;
    double lastStep = 0.0;
    for (int i = 0; i < kNewtonSteps; ++i) {
        const double perH = 1.0 / h;
        const double w = h - k.kw * perH;
        const double dw = 1.0 + k.kw * perH * perH;
        const double perQ = perH / (2.0 * h + k.k1);
        const double dqPerQ = (4.0 * h + k.k1) * perQ;
        const double a = acidity - w;
        const double n = k.k1 * h + 2.0 * k12;
        const double co3 = a * k12 * perQ;
        const double dco3 = -(dw + a * dqPerQ) * k12 * perQ;
        const double alkalinity = a * n * perQ - w;
        const double dAlkalinity = (-dw * n + a * k.k1 - a * n * dqPerQ) * perQ - dw;
        const double left = metal - 0.5 * (startAlkalinity - alkalinity);
        const double product = left * co3;
        if (!(a > 0.0) || !(left > 0.0) || !(product > 0.0) || !std::isfinite(product)) {
            // Outside the region: back half of the last step, toward where it came from.
            if (lastStep == 0.0) return p;
            lastStep *= 0.5;
            p -= lastStep;
            h *= std::exp(lastStep * kLn10);
            continue;
        }
        const double slope = h * (0.5 * dAlkalinity * co3 + left * dco3) / product;
        if (!(slope != 0.0) || !std::isfinite(slope)) return p;
        // d ln(product) / d ln(h) = slope; a pH step is -ln(h) step / ln 10.
        const double lnStep = -LogNearOne(product / saturated) / slope;
        double step = -lnStep / kLn10;
        if (!std::isfinite(step)) return p;
        if (std::fabs(step) > 1.0) step = step > 0.0 ? 1.0 : -1.0;
        p += step;
        h *= ExpNearZero(-step * kLn10);
        lastStep = step;
        if (std::fabs(step) < 1e-7) break;
    }
    return p;
}

// What is known of the predicate "below saturation at pH x": below at every
// pH up to `below`, above it from `above` on. It falls back to knowing nothing
// if a decision contradicts it.
struct Known {
    double below = -std::numeric_limits<double>::infinity();
    double above = std::numeric_limits<double>::infinity();
    void Learn(double x, bool isBelow) {
        if (isBelow ? x >= above : x <= below) {
            below = -std::numeric_limits<double>::infinity();
            above = std::numeric_limits<double>::infinity();
        } else if (isBelow) {
            if (x > below) below = x;
        } else if (x < above) {
            above = x;
        }
    }
};

}  // namespace

CarbonateStateAt CarbonateStateAtPh(const CarbonateConstants& k, double acidity, double pH) {
    return StateAtHydrogen(k, acidity, std::pow(10.0, -pH) / k.gammaH);
}

CarbonatePotential SearchCarbonatePotential(const CarbonateConstants& k, double pH, double acidity,
                                            double metal, double saturation) {
    if (!(metal > 0.0)) return {true, 0.0};
    if (saturation == 1.0) return {true, 0.0};
    const double startHydrogen = std::pow(10.0, -pH) / k.gammaH;
    const CarbonateStateAt start = StateAtHydrogen(k, acidity, startHydrogen);
    if (!(saturation > 0.0) || !std::isfinite(saturation) || !(start.carbonateIon > 0.0) ||
        !std::isfinite(start.carbonateIon) || !(pH >= kLowestPh && pH <= kHighestPh))
        return {false, 0.0};
    // The product of metal and carbonate ion at which the water is saturated.
    const double saturated = metal * start.carbonateIon / saturation;
    auto amountAt = [&](const CarbonateStateAt& s) {
        return (start.alkalinity - s.alkalinity) / 2.0;
    };
    // Whether the water at pH p is below saturation: past the end of the metal
    // or of the carbonate it holds none of the carbonate.
    auto below = [&](double p) {
        const CarbonateStateAt s = CarbonateStateAtPh(k, acidity, p);
        const double left = metal - amountAt(s);
        if (!(s.carbonate >= 0.0) || !(left >= 0.0) || !(s.carbonateIon >= 0.0)) return true;
        return left * s.carbonateIon < saturated;
    };
    // A supersaturated water is saturated below its pH, an undersaturated one
    // above it.
    double low = saturation > 1.0 ? kLowestPh : pH;
    double high = saturation > 1.0 ? pH : kHighestPh;
    Known known;
    if (saturation < 1.0) {
        if (below(high)) return {false, 0.0};
        known.Learn(high, false);
    }
    double estimate =
        EstimateCrossingPh(k, pH, startHydrogen, acidity, metal, start.alkalinity, saturated);
    if (!(estimate >= low)) estimate = low;
    if (estimate > high) estimate = high;
    double half = kBracketHalfWidth;
    for (int i = 0; i < kBracketWidenings; ++i, half *= 16.0) {
        if (!(estimate - half <= known.below)) known.Learn(estimate - half, below(estimate - half));
        if (!(estimate + half >= known.above)) known.Learn(estimate + half, below(estimate + half));
        if (known.below >= estimate - half && known.above <= estimate + half) break;
    }
    // The known decisions follow the digits of the crossing, which no branch
    // predicts: they are taken by selection.
    for (int i = 0; i < kHalvings && high - low > kPhResolution; ++i) {
        const double middle = 0.5 * (low + high);
        bool isBelow = middle <= known.below;
        if (!isBelow && !(middle >= known.above)) {
            isBelow = below(middle);
            known.Learn(middle, isBelow);
        }
        low = isBelow ? middle : low;
        high = isBelow ? high : middle;
    }
    const double amount = amountAt(CarbonateStateAtPh(k, acidity, 0.5 * (low + high)));
    // Rounding near saturation must not turn the answer against the ratio.
    if (saturation > 1.0 ? !(amount >= 0.0) : !(amount <= 0.0)) return {true, 0.0};
    return {true, amount};
}
