// The precipitation potential of a metal carbonate, by halving the pH interval
// on which the water's metal-carbonate product crosses saturation.
//
// The halving decides each middle by whether the water there is below
// saturation: below it on the one side of the crossing, above it on the other.
// Most middles are far from the crossing. A Newton estimate of it (in the
// hydrogen ion, with no power of ten per step) decides every middle by which
// side of the estimate it lies; the water's own state is then taken at the two
// ends of the last interval only. Below at its lower end and above at its upper
// end, every middle the halving passed lies below the one or above the other,
// so each was decided as the water's state there decides it: the halving ends on
// the interval it always ended on, and the answer is the same to the last bit.
// Where an end says otherwise the estimate missed the crossing by more than
// the last interval: the crossing is then bracketed by the water's state taken
// either side of the estimate, further out until it is, and the halving is
// taken again with only its middles inside the bracket decided by the state.
#include "engine/carbonate/carbonate_potential.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "engine/tables/power_of_ten.h"

namespace {

constexpr double kLowestPh = 1.0;
constexpr double kHighestPh = 14.0;
constexpr int kHalvings = 200;
constexpr double kPhResolution = 1e-12;
constexpr int kNewtonSteps = 12;
// How far either side of a missed estimate the bracket is first taken (pH),
// and how often it is widened (sixteenfold) when both sides fall on one side.
constexpr double kBracketHalfWidth = 2e-13;
constexpr int kBracketWidenings = 6;
constexpr double kLn2 = 0.693147180559945309;
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

// ln(x) for a positive x, to some eight digits: the estimate steers by it and
// its last steps, where x is near 1, are as exact as the division that makes x.
// Near 1 it is the series of ln(1 + u); elsewhere the binary exponent is taken
// off and the rest, between 0.71 and 1.42, goes through the series of
// ln((1 + t) / (1 - t)).
double WalkLog(double x) {
    const double u = x - 1.0;
    if (std::fabs(u) < 1e-3) return u * (1.0 - u * (0.5 - u * (1.0 / 3.0)));
    const uint64_t bits = std::bit_cast<uint64_t>(x);
    int exponent = static_cast<int>((bits >> 52) & 0x7ff) - 1023;
    double m = std::bit_cast<double>((bits & 0x000fffffffffffffULL) | 0x3ff0000000000000ULL);
    if (m > 1.4142135623730951) {
        m *= 0.5;
        ++exponent;
    }
    const double t = (m - 1.0) / (m + 1.0);
    const double t2 = t * t;
    return exponent * kLn2 + 2.0 * t * (1.0 + t2 * (1.0 / 3.0 + t2 * (0.2 + t2 * (1.0 / 7.0))));
}

// e^x where the walk moves h: by its series where x is small (the first term
// left out below 5e-18 of the result), else ExpInline.
[[gnu::always_inline]] inline double WalkExp(double x) {
    if (std::fabs(x) < 1e-4) return 1.0 + x * (1.0 + x * (0.5 + x * (1.0 / 6.0)));
    return ExpInline(x);
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

// The carbonate terms of the walk at hydrogen ion h, the same for every
// carbonate of the water: the carbonate ion, the alkalinity and their slopes
// in h, and A.
struct WalkTerms {
    double h, a, co3, dco3, alkalinity, dAlkalinity;
};

[[gnu::always_inline]] inline WalkTerms WalkTermsAt(const CarbonateConstants& k, double acidity,
                                                    double h) {
    const double k12 = k.k1 * k.k2;
    const double twoHK1 = 2.0 * h + k.k1;
    const double perQ = 1.0 / (h * twoHK1);
    const double perH = perQ * twoHK1;
    const double w = h - k.kw * perH;
    const double dw = 1.0 + k.kw * perH * perH;
    const double dqPerQ = (4.0 * h + k.k1) * perQ;
    const double a = acidity - w;
    const double n = k.k1 * h + 2.0 * k12;
    return {h,
            a,
            a * k12 * perQ,
            -(dw + a * dqPerQ) * k12 * perQ,
            a * n * perQ - w,
            (-dw * n + a * k.k1 - a * n * dqPerQ) * perQ - dw};
}

// One step of a carbonate's walk from the terms at the hydrogen ion it reached.
[[gnu::always_inline]] inline void StepCrossingWalk(const WalkTerms& t, double metal,
                                                    double startAlkalinity, double perSaturated,
                                                    CrossingWalk& walk) {
    const double left = metal - 0.5 * (startAlkalinity - t.alkalinity);
    const double product = left * t.co3;
    if (!(t.a > 0.0) || !(left > 0.0) || !(product > 0.0) || !std::isfinite(product)) {
        // Outside the region: back half of the last step, toward where it came from.
        if (walk.lastStep == 0.0) {
            walk.done = true;
            return;
        }
        walk.lastStep *= 0.5;
        walk.p -= walk.lastStep;
        walk.h *= WalkExp(walk.lastStep * kLn10);
        return;
    }
    // d ln(product) / d ln(h) = h (d product / dh) / product; a pH step is
    // -ln(h) step / ln 10.
    const double slopeTimesProduct = t.h * (0.5 * t.dAlkalinity * t.co3 + left * t.dco3);
    double step = WalkLog(product * perSaturated) * product / (slopeTimesProduct * kLn10);
    if (!(slopeTimesProduct != 0.0) || !std::isfinite(step)) {
        walk.done = true;
        return;
    }
    if (std::fabs(step) > 1.0) step = step > 0.0 ? 1.0 : -1.0;
    walk.p += step;
    walk.h *= WalkExp(-step * kLn10);
    walk.lastStep = step;
    if (std::fabs(step) < 1e-7) walk.done = true;
}

// One carbonate's search. The carbonates of one water are searched side by
// side, each step taken for all of them in turn: every carbonate's search is a
// long chain of operations that each wait for the one before, and the chains
// of different carbonates overlap where one alone would leave the processor
// waiting. Each carbonate's own operations are those of a search by itself.
struct Lane {
    int index;
    double metal;
    double saturated;     // the product of metal and carbonate ion at saturation
    double perSaturated;  // 1 / saturated
    double low;           // the interval the halving starts from
    double high;
    bool over;  // the water is above saturation: the answer is not below 0
    CrossingWalk walk;
};

// The carbonates searched side by side, in pairs: each pair's halvings are
// taken by the processor's two-wide operations.
constexpr int kLanes = 6;
constexpr int kPairs = kLanes / 2;
typedef double LanePair __attribute__((vector_size(16)));

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

// The halvings of every lane whose interval is wider than the resolution,
// each middle decided by the side of the lane's estimate it lies on. The
// decisions follow the digits of the crossing, which no branch predicts: they
// are taken by selection, two lanes at a time. While every interval is
// certainly wider than the resolution (the first `certain` halvings), no lane
// is asked; a lane past the ones in use halves an interval of nothing.
void HalveByEstimates(int certain, const LanePair (&estimate)[kPairs], LanePair (&lowOut)[kPairs],
                      LanePair (&highOut)[kPairs]) {
    const LanePair half = {0.5, 0.5};
    LanePair low[kPairs], high[kPairs];
    for (int j = 0; j < kPairs; ++j) {
        low[j] = lowOut[j];
        high[j] = highOut[j];
    }
    for (int i = 0; i < certain; ++i) {
        for (int j = 0; j < kPairs; ++j) {
            const LanePair middle = half * (low[j] + high[j]);
            const auto isBelow = middle <= estimate[j];
            low[j] = isBelow ? middle : low[j];
            high[j] = isBelow ? high[j] : middle;
        }
    }
    const LanePair resolution = {kPhResolution, kPhResolution};
    for (int i = certain; i < kHalvings; ++i) {
        bool halving = false;
        for (int j = 0; j < kPairs; ++j) {
            const auto wide = high[j] - low[j] > resolution;
            halving |= (wide[0] | wide[1]) != 0;
            const LanePair middle = half * (low[j] + high[j]);
            const auto isBelow = middle <= estimate[j];
            low[j] = (wide & isBelow) != 0 ? middle : low[j];
            high[j] = (wide & ~isBelow) != 0 ? middle : high[j];
        }
        if (!halving) break;
    }
    for (int j = 0; j < kPairs; ++j) {
        lowOut[j] = low[j];
        highOut[j] = high[j];
    }
}

// The halvings every interval of width `width` certainly takes before it is
// within the resolution: at most those after which it is still four times as
// wide as that, whatever the rounding of its middles.
int CertainHalvings(double width) {
    const double times = width / (4.0 * kPhResolution);
    if (!(times >= 1.0) || !(times < 1e30)) return 0;
    const int n = static_cast<int>((std::bit_cast<uint64_t>(times) >> 52) & 0x7ff) - 1023;
    return n < kHalvings ? n : kHalvings;
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

// The halving of a lane whose estimate missed: the crossing bracketed either
// side of the estimate, then every middle inside the bracket decided by the
// water's state, the others by what the bracket says. Returns the middle of
// the last interval.
double HalveKnowing(const CarbonateConstants& k, double acidity, double startAlkalinity,
                    const Lane& l, double estimate, Known known) {
    double half = kBracketHalfWidth;
    for (int i = 0; i < kBracketWidenings; ++i, half *= 16.0) {
        const double under = estimate - half;
        const double over = estimate + half;
        if (!(under <= known.below))
            known.Learn(under, BelowSaturation(k, acidity, startAlkalinity, l, under));
        if (!(over >= known.above))
            known.Learn(over, BelowSaturation(k, acidity, startAlkalinity, l, over));
        if (known.below >= under && known.above <= over) break;
    }
    double low = l.low, high = l.high;
    for (int i = 0; i < kHalvings && high - low > kPhResolution; ++i) {
        const double middle = 0.5 * (low + high);
        bool isBelow = middle <= known.below;
        if (!isBelow && !(middle >= known.above)) {
            isBelow = BelowSaturation(k, acidity, startAlkalinity, l, middle);
            known.Learn(middle, isBelow);
        }
        (isBelow ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

void SearchLanes(const CarbonateConstants& k, double acidity, const CarbonateStateAt& start,
                 Lane* lanes, int count, CarbonatePotential* out) {
    const double startAlkalinity = start.alkalinity;
    // Every walk starts from the water's own hydrogen ion, whose terms are
    // found once.
    const WalkTerms first = WalkTermsAt(k, acidity, lanes[0].walk.h);
    for (int j = 0; j < count; ++j)
        StepCrossingWalk(first, lanes[j].metal, startAlkalinity, lanes[j].perSaturated,
                         lanes[j].walk);
    for (int step = 1; step < kNewtonSteps; ++step) {
        bool walking = false;
        for (int j = 0; j < count; ++j) {
            Lane& l = lanes[j];
            if (l.walk.done) continue;
            walking = true;
            StepCrossingWalk(WalkTermsAt(k, acidity, l.walk.h), l.metal, startAlkalinity,
                             l.perSaturated, l.walk);
        }
        if (!walking) break;
    }
    // Every lane halved side by side, each middle decided by its estimate.
    double estimate[kLanes];
    LanePair pairEstimate[kPairs] = {}, low[kPairs] = {}, high[kPairs] = {};
    int certain = kHalvings;
    for (int j = 0; j < count; ++j) {
        const Lane& l = lanes[j];
        double e = l.walk.p;
        if (!(e >= l.low)) e = l.low;
        if (e > l.high) e = l.high;
        estimate[j] = e;
        pairEstimate[j / 2][j % 2] = e;
        low[j / 2][j % 2] = l.low;
        high[j / 2][j % 2] = l.high;
        const int n = CertainHalvings(l.high - l.low);
        if (n < certain) certain = n;
    }
    HalveByEstimates(certain, pairEstimate, low, high);
    for (int j = 0; j < count; ++j) {
        const Lane& l = lanes[j];
        // The water's state at the ends of the last interval; an end that is
        // where the halving started was never decided.
        const double lo = low[j / 2][j % 2], hi = high[j / 2][j % 2];
        Known known;
        const bool lowBelow = lo == l.low || BelowSaturation(k, acidity, startAlkalinity, l, lo);
        if (lo != l.low) known.Learn(lo, lowBelow);
        const bool highAbove =
            hi == l.high || (lowBelow && !BelowSaturation(k, acidity, startAlkalinity, l, hi));
        if (hi != l.high && lowBelow) known.Learn(hi, !highAbove);
        const double middle = lowBelow && highAbove ? 0.5 * (lo + hi)
                                                    : HalveKnowing(k, acidity, startAlkalinity, l,
                                                                   estimate[j], known);
        const double amount =
            (startAlkalinity - CarbonateStateAtPh(k, acidity, middle).alkalinity) / 2.0;
        // Rounding near saturation must not turn the answer against the ratio.
        out[l.index] = (l.over ? !(amount >= 0.0) : !(amount <= 0.0))
                           ? CarbonatePotential{true, 0.0}
                           : CarbonatePotential{true, amount};
    }
}

}  // namespace

// 10 to the power of -14, the top of the pH range, as CarbonateStateAtPh takes it.
const double kHighestPower = std::pow(10.0, -kHighestPh);

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
        const double saturated = metal[i] * start.carbonateIon / s;
        l = Lane{static_cast<int>(i),
                 metal[i],
                 saturated,
                 1.0 / saturated,
                 s > 1.0 ? kLowestPh : pH,
                 s > 1.0 ? pH : kHighestPh,
                 s > 1.0,
                 CrossingWalk{pH, startHydrogen}};
        if (s < 1.0) {
            // Every undersaturated carbonate's interval ends at the same pH,
            // whose state is found once.
            if (!top.found) top = {true, StateAtHydrogen(k, acidity, kHighestPower / k.gammaH)};
            if (BelowSaturationIn(top.state, start.alkalinity, l)) {
                out[i] = {false, 0.0};
                continue;
            }
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
