// The three momentary-excess solvers. CalcExcess11 solves its quadratic in closed
// form; CalcExcess21 and CalcExcess3 share one safeguarded Newton search for the
// amount at which the remaining ion product matches the solubility product.
#include "engine/saturation/momentary_excess.h"

#include <algorithm>
#include <cmath>

#include "engine/tables/power_of_ten.h"

namespace {

constexpr int kMaxPasses = 100;

// The ions of one mineral: amounts (mol/kg) and their counts per formula unit.
struct IonSet {
    double amount[3];
    double count[3];
    int n;

    double CountSum() const {
        double s = 0.0;
        for (int i = 0; i < n; ++i) s += count[i];
        return s;
    }
    bool AllAbsent() const {
        for (int i = 0; i < n; ++i)
            if (amount[i] > 0.0) return false;
        return true;
    }
    bool AllPresent() const {
        for (int i = 0; i < n; ++i)
            if (!(amount[i] > 0.0)) return false;
        return true;
    }
};

// The amount that dissolves into water free of every ion of the mineral: the
// formula unit's share of the solubility product.
double DissolutionStart(const IonSet& ions, double logKc) {
    return Exp10(logKc / ions.CountSum());
}

// A precipitating x never takes more than 95 % of any ion.
void CapPrecipitation(const IonSet& ions, double& x) {
    for (int i = 0; i < ions.n; ++i)
        if (ions.amount[i] > 0.0 && x * ions.count[i] > 0.95 * ions.amount[i])
            x = 0.95 * ions.amount[i] / ions.count[i];
}

// n ln n of a count; the counts 1 to 5 of the minerals are worked out once, on
// first use.
double CountLog(double n) {
    static const double kCountLogs[6] = {0.0,
                                         0.0,
                                         2.0 * std::log(2.0),
                                         3.0 * std::log(3.0),
                                         4.0 * std::log(4.0),
                                         5.0 * std::log(5.0)};
    if (n >= 1.0 && n <= 5.0) {
        const int k = static_cast<int>(n);
        if (k == n) return kCountLogs[k];
    }
    return n * std::log(n);
}

// ln(1 - u) for |u| below 2^-10 by its series to u^5: the first term left out,
// u^6 / 6, is below 2e-19.
constexpr double kSeriesShare = 0x1p-10;

double LogOneLess(double u) {
    return -u * (1.0 + u * (1.0 / 2.0 + u * (1.0 / 3.0 + u * (1.0 / 4.0 + u * (1.0 / 5.0)))));
}

// The amount x (mol/kg) of mineral that leaves the water for the remaining ion
// product to equal the solubility product: the root of
//     sum of n_i ln(a_i - n_i x) = ln 10 logKc.
// The left side falls from +infinity (large negative x: the mineral dissolves) to
// -infinity as x nears the amount that exhausts the scarcest ion j, so the root is
// unique. It is found by Newton steps in y = ln(a_j - n_j x), the logarithm of what
// is left of that ion: in y the equation is close to a straight line however near
// the root lies to exhausting ion j, where steps in x would crawl. Each step is
// kept inside a bracket that the steps narrow; a step that would leave it bisects
// it instead. This reaches the equality that a walk with halving steps only
// approaches to 1e-4 log units, in a handful of passes. A precipitating answer is
// held below 95 % of every ion: no more of an ion leaves than the water holds.
//
// The other ions are mostly plentiful beside ion j, so x moves a small share u of
// each: their logarithms are then ln a_i + ln(1 - u), the first taken once and the
// second by its series. The top of the bracket is first known as an amount of
// ion j; its logarithm is taken only when a bisection or the start needs it.
double SolveExcess(const IonSet& ions, double logKc) {
    constexpr double kLn10 = 2.302585092994046;
    const double target = logKc * kLn10;
    int j = 0;  // the ion that runs out first
    double limit = HUGE_VAL;
    double countSum = 0.0, countLogSum = 0.0;
    for (int i = 0; i < ions.n; ++i) {
        const double n = ions.count[i];
        const double runsOut = ions.amount[i] > 0.0 ? ions.amount[i] / n : 0.0;
        if (runsOut < limit) {
            limit = runsOut;
            j = i;
        }
        countSum += n;
        countLogSum += CountLog(n);
    }
    const double aj = ions.amount[j];
    const double nj = ions.count[j];
    // The other ions: amount, count, and ln a_i and 1 / a_i of those present.
    struct OtherIon {
        double amount, count, logAmount, perAmount;
        bool present;
    };
    OtherIon other[2] = {};
    int otherCount = 0;
    double others = 0.0;
    bool othersPresent = true;
    for (int i = 0; i < ions.n; ++i) {
        if (i == j) continue;
        OtherIon& o = other[otherCount++];
        o.amount = ions.amount[i];
        o.count = ions.count[i];
        o.present = o.amount > 0.0;
        if (o.present) {
            o.logAmount = std::log(o.amount);
            o.perAmount = 1.0 / o.amount;
            others += o.count * o.logAmount;
        } else {
            othersPresent = false;
        }
    }
    // x for a remaining amount left = e^y of ion j, and the equation's residual and
    // slope. Each y tried is carried with its e^y, worked out once.
    auto amountLeft = [&](double left) { return (aj - left) / nj; };
    auto residual = [&](double y, double left, double& slope) {
        const double x = (aj - left) / nj;
        double v = nj * y - target;
        double sum = 0.0;
        for (int m = 0; m < otherCount; ++m) {
            const OtherIon& o = other[m];
            const double n = o.count;
            const double remaining = o.amount - n * x;
            const double u = n * x * o.perAmount;  // 0 for an absent ion
            v += n * (o.present && std::fabs(u) < kSeriesShare ? o.logAmount + LogOneLess(u)
                                                               : std::log(remaining));
            sum += n * n / remaining;
        }
        slope = nj + left / nj * sum;
        return v;
    };
    // At x = -t every remaining amount is at least n_i t, so the residual there is
    // not negative: ion j then has aj + nj t left, the top of the bracket. At the
    // smallest positive double of ion j left the residual is negative unless no
    // double can come closer.
    const double t = ExpInline((target - countLogSum) / countSum);
    const double topLeft = aj + nj * t;
    double hi = 0.0;
    bool hiTaken = false;  // hi holds the top as a logarithm, or a y found above the root
    auto belowTop = [&](double y, double left) { return hiTaken ? y < hi : left < topLeft; };
    auto top = [&] {
        if (!hiTaken) {
            hi = std::log(topLeft);
            hiTaken = true;
        }
        return hi;
    };
    double lo = -745.0;
    // The start: what is left of ion j if the others kept their amounts, which is
    // close to the root whenever ion j is the scarce one; without every other ion
    // present, all of ion j.
    // Past the bracket's top (the others gain from the dissolving mineral) the
    // start is the top: what is left of ion j when the mineral dissolves as into
    // pure water, where the residual is not negative.
    double y = othersPresent ? (target - others) / nj : aj > 0.0 ? std::log(aj) : top();
    double left = ExpInline(y);
    if (!belowTop(y, left)) {
        y = top();
        left = ExpInline(y);
    }
    if (!(y > lo)) {
        y = 0.5 * (lo + top());
        left = ExpInline(y);
    }
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        double slope;
        const double v = residual(y, left, slope);
        if (v == 0.0 || !std::isfinite(v)) break;
        if (v > 0.0) {
            hi = y;
            hiTaken = true;
        } else {
            lo = y;
        }
        const double step = v / slope;
        // A step below the resolution of y ends the search where it stands (it may
        // round onto the bracket's end, which must not be taken for a step out of
        // it). A step of 1e-8 or less is taken and ends it: the steps converge
        // quadratically, so the one after it would be below 1e-15.
        const double scale = std::max(1.0, std::fabs(y));
        if (std::fabs(step) <= 1e-14 * scale) break;
        double next = y - step;
        double nextLeft = ExpInline(next);
        const bool last = std::fabs(step) <= 1e-8 * scale;
        if (!(next > lo && belowTop(next, nextLeft))) {
            if (last) break;
            next = 0.5 * (lo + top());
            nextLeft = ExpInline(next);
        }
        y = next;
        left = nextLeft;
        if (last) break;
    }
    double x = amountLeft(left);
    if (x > 0.0) CapPrecipitation(ions, x);
    return x;
}

// a^n for a count of 1 to 5 by products, else -1.
double SmallPower(double a, double n) {
    if (n == 1.0) return a;
    if (n == 2.0) return a * a;
    if (n == 3.0) return a * a * a;
    if (n == 4.0) return (a * a) * (a * a);
    if (n == 5.0) return (a * a) * (a * a) * a;
    return -1.0;
}

// False when the ion product a^na b^nb (both ions present) is so far from 10^logKc
// that na log10 a + nb log10 b - logKc cannot come out as exactly 0: the rounding
// of those logarithms is below 1e-12 log units, a relative 3e-12 of the product.
// The product is formed by multiplication, at a fraction of the cost of the two
// logarithms; where it leaves the normal doubles, or a count is not 1 to 5, the
// answer is true and the logarithms decide.
bool MayMeetExactly(double a, double b, double na, double nb, double logKc) {
    const double pa = SmallPower(a, na);
    const double pb = SmallPower(b, nb);
    if (pa < 0.0 || pb < 0.0) return true;
    const double product = pa * pb;
    const double k = Exp10(logKc);
    if (!std::isnormal(product) || !std::isnormal(k)) return true;
    return std::fabs(product - k) <= 1e-9 * k;
}

}  // namespace

void CalcExcess11(double a, double b, double kc, double molarMass, double F, double& result) {
    double x;
    if (!(a > 0.0) && !(b > 0.0)) {
        x = -std::sqrt(kc);
    } else {
        // (a - x)(b - x) = K; the discriminant is (a - b)^2 + 4 K, never negative.
        const double s = a + b;
        const double p = a * b;
        x = (s - std::sqrt(s * s - 4.0 * (p - kc))) / 2.0;
    }
    result = x * molarMass * F;
}

void CalcExcess21(double a, double b, double na, double nb, double logKc, double molarMass,
                  double F, double& result) {
    const IonSet ions{{a, b, 0.0}, {na, nb, 0.0}, 2};
    double x;
    if (ions.AllAbsent()) {
        x = -DissolutionStart(ions, logKc);
    } else if (ions.AllPresent() && MayMeetExactly(a, b, na, nb, logKc) &&
               na * std::log10(a) + nb * std::log10(b) - logKc == 0.0) {
        x = 0.0;  // exactly saturated
    } else {
        x = SolveExcess(ions, logKc);
    }
    result = x * F * molarMass;
}

void CalcExcess3(double a, double b, double c, double na, double nb, double nc, double logKc,
                 double molarMass, double F, double& result) {
    const IonSet ions{{a, b, c}, {na, nb, nc}, 3};
    // A water free of the ions takes its share of the product at once; every other
    // one, an exactly saturated water included, is searched (the search finds the
    // equilibrium near x = 0 for the latter).
    const double x = ions.AllAbsent() ? -DissolutionStart(ions, logKc) : SolveExcess(ions, logKc);
    result = x * F * molarMass;
}
