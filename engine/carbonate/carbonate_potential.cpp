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
#include <cstddef>
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
// the hydrogen ion, from the water's own pH and hydrogen ion. The state
// written out in h:
//   A = Ac - (h - W/h),  q = h (2h + K1'),  CO3 = A K1'K2' / q,
//   alkalinity = A (K1' h + 2 K1'K2') / q - (h - W/h).
// A step that leaves the region where the product is defined is halved back.
// The walk goes one step at a time, so that the carbonates of one water walk
// side by side.
struct CrossingWalk {
    double p;               // pH reached
    double h;               // hydrogen ion there (mol/kg)
    double lastStep = 0.0;  // pH
    bool done = false;
};

void StepCrossingWalk(const CarbonateConstants& k, double acidity, double metal,
                      double startAlkalinity, double saturated, CrossingWalk& walk) {
    const double k12 = k.k1 * k.k2;
    const double h = walk.h;
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
        if (walk.lastStep == 0.0) {
            walk.done = true;
            return;
        }
        walk.lastStep *= 0.5;
        walk.p -= walk.lastStep;
        walk.h *= std::exp(walk.lastStep * kLn10);
        return;
    }
    const double slope = h * (0.5 * dAlkalinity * co3 + left * dco3) / product;
    if (!(slope != 0.0) || !std::isfinite(slope)) {
        walk.done = true;
        return;
    }
    // d ln(product) / d ln(h) = slope; a pH step is -ln(h) step / ln 10.
    const double lnStep = -LogNearOne(product / saturated) / slope;
    double step = -lnStep / kLn10;
    if (!std::isfinite(step)) {
        walk.done = true;
        return;
    }
    if (std::fabs(step) > 1.0) step = step > 0.0 ? 1.0 : -1.0;
    walk.p += step;
    walk.h *= ExpNearZero(-step * kLn10);
    walk.lastStep = step;
    if (std::fabs(step) < 1e-7) walk.done = true;
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

// One carbonate's search. The carbonates of one water are searched side by
// side, each step taken for all of them in turn: every carbonate's search is a
// long chain of operations that each wait for the one before, and the chains
// of different carbonates overlap where one alone would leave the processor
// waiting. Each carbonate's own operations are those of a search by itself.
struct Lane {
    int index;
    double metal;
    double saturated;  // the product of metal and carbonate ion at saturation
    double low;
    double high;
    bool over;  // the water is above saturation: the answer is not below 0
    CrossingWalk walk;
    Known known;
};

constexpr int kLanes = 8;

// Whether the water in carbonate state s is below saturation with a lane's
// carbonate: past the end of the metal or of the carbonate it holds none of
// the carbonate.
bool BelowSaturationIn(const CarbonateStateAt& s, double startAlkalinity, const Lane& lane) {
    const double left = lane.metal - (startAlkalinity - s.alkalinity) / 2.0;
    if (!(s.carbonate >= 0.0) || !(left >= 0.0) || !(s.carbonateIon >= 0.0)) return true;
    return left * s.carbonateIon < lane.saturated;
}

// The same at pH p.
bool BelowSaturation(const CarbonateConstants& k, double acidity, double startAlkalinity,
                     const Lane& lane, double p) {
    return BelowSaturationIn(CarbonateStateAtPh(k, acidity, p), startAlkalinity, lane);
}

void SearchLanes(const CarbonateConstants& k, double acidity, const CarbonateStateAt& start,
                 Lane* lanes, int count, CarbonatePotential* out) {
    const double startAlkalinity = start.alkalinity;
    for (int step = 0; step < kNewtonSteps; ++step) {
        bool walking = false;
        for (int j = 0; j < count; ++j) {
            Lane& l = lanes[j];
            if (l.walk.done) continue;
            walking = true;
            StepCrossingWalk(k, acidity, l.metal, startAlkalinity, l.saturated, l.walk);
        }
        if (!walking) break;
    }
    for (int j = 0; j < count; ++j) {
        Lane& l = lanes[j];
        double estimate = l.walk.p;
        if (!(estimate >= l.low)) estimate = l.low;
        if (estimate > l.high) estimate = l.high;
        double half = kBracketHalfWidth;
        for (int i = 0; i < kBracketWidenings; ++i, half *= 16.0) {
            const double under = estimate - half;
            const double over = estimate + half;
            if (!(under <= l.known.below))
                l.known.Learn(under, BelowSaturation(k, acidity, startAlkalinity, l, under));
            if (!(over >= l.known.above))
                l.known.Learn(over, BelowSaturation(k, acidity, startAlkalinity, l, over));
            if (l.known.below >= under && l.known.above <= over) break;
        }
    }
    // The known decisions follow the digits of the crossing, which no branch
    // predicts: they are taken by selection.
    for (int i = 0; i < kHalvings; ++i) {
        bool halving = false;
        for (int j = 0; j < count; ++j) {
            Lane& l = lanes[j];
            if (!(l.high - l.low > kPhResolution)) continue;
            halving = true;
            const double middle = 0.5 * (l.low + l.high);
            bool isBelow = middle <= l.known.below;
            if (!isBelow && !(middle >= l.known.above)) {
                isBelow = BelowSaturation(k, acidity, startAlkalinity, l, middle);
                l.known.Learn(middle, isBelow);
            }
            l.low = isBelow ? middle : l.low;
            l.high = isBelow ? l.high : middle;
        }
        if (!halving) break;
    }
    for (int j = 0; j < count; ++j) {
        const Lane& l = lanes[j];
        const double amount =
            (startAlkalinity - CarbonateStateAtPh(k, acidity, 0.5 * (l.low + l.high)).alkalinity) /
            2.0;
        // Rounding near saturation must not turn the answer against the ratio.
        out[l.index] = (l.over ? !(amount >= 0.0) : !(amount <= 0.0)) ? CarbonatePotential{true, 0.0}
                                                                    : CarbonatePotential{true, amount};
    }
}

}  // namespace

CarbonateStateAt CarbonateStateAtPh(const CarbonateConstants& k, double acidity, double pH) {
    return StateAtHydrogen(k, acidity, std::pow(10.0, -pH) / k.gammaH);
}

void SearchCarbonatePotentials(const CarbonateConstants& k, double pH, double acidity,
                               std::span<const double> metal, std::span<const double> saturation,
                               std::span<CarbonatePotential> out) {
    const double startHydrogen = std::pow(10.0, -pH) / k.gammaH;
    const CarbonateStateAt start = StateAtHydrogen(k, acidity, startHydrogen);
    const bool startHolds = start.carbonateIon > 0.0 && std::isfinite(start.carbonateIon) &&
                            pH >= kLowestPh && pH <= kHighestPh;
    Lane lanes[kLanes];
    int count = 0;
    struct {
        bool found = false;
        CarbonateStateAt state{};
    } top;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double s = saturation[i];
        if (!(metal[i] > 0.0) || s == 1.0) {
            out[i] = {true, 0.0};
            continue;
        }
        if (!(s > 0.0) || !std::isfinite(s) || !startHolds) {
            out[i] = {false, 0.0};
            continue;
        }
        // A supersaturated water is saturated below its pH, an undersaturated
        // one above it.
        Lane& l = lanes[count];
        l = Lane{static_cast<int>(i), metal[i], metal[i] * start.carbonateIon / s,
                 s > 1.0 ? kLowestPh : pH, s > 1.0 ? pH : kHighestPh, s > 1.0,
                 CrossingWalk{pH, startHydrogen}, Known{}};
        if (s < 1.0) {
            // Every undersaturated carbonate's interval ends at the same pH,
            // whose state is found once.
            if (!top.found) top = {true, CarbonateStateAtPh(k, acidity, kHighestPh)};
            if (BelowSaturationIn(top.state, start.alkalinity, l)) {
                out[i] = {false, 0.0};
                continue;
            }
            l.known.Learn(l.high, false);
        }
        if (++count == kLanes) {
            SearchLanes(k, acidity, start, lanes, count, out.data());
            count = 0;
        }
    }
    if (count > 0) SearchLanes(k, acidity, start, lanes, count, out.data());
}

CarbonatePotential SearchCarbonatePotential(const CarbonateConstants& k, double pH, double acidity,
                                            double metal, double saturation) {
    CarbonatePotential p{};
    SearchCarbonatePotentials(k, pH, acidity, std::span<const double>(&metal, 1),
                              std::span<const double>(&saturation, 1),
                              std::span<CarbonatePotential>(&p, 1));
    return p;
}
