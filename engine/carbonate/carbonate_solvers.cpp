// The metal-carbonate alkalinity search and the double door to the carbonate
// charge-balance pH.
//
// For a trial hydrogen ion h (concentration terms) with conditional constants
// K1, K2, W the alkalinity search uses
//   P = (2h + K1)/K1,  W = h - Kw/h,  Q1 = (2K2 + h)/K2,  Q2 = (2K2 + h)/h,
//   F = Q1 S P / (Q2 Ac - W) - (Ac - W) Q2 / P + W,   S = 2 Ksp,
// where F is twice the metal minus the alkalinity of the state at that pH that
// has the water's acidity Ac and is saturated with the carbonate, and
//   R = Q2 / P (Ac - W) - W
// is that state's total alkalinity. With A = Q1 P / (Q2 Ac - W), F = S A - R: the
// metal and its product enter only there, so A and R at one pH serve every metal.
#include "engine/carbonate/carbonate_solvers.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>

#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_math.h"
#include "engine/carbonate/carbonate_species.h"
#include "engine/records.h"
#include "engine/tables/power_of_ten.h"

namespace {

constexpr int kSearchPasses = 1000;
constexpr double kLowestPh = 1.0;
constexpr double kHighestPh = 14.0;
constexpr double kRelativeTolerance = 0.001;
constexpr double kCaCO3MgPerEq = 50000.0;  // eq/kg to mg/L as CaCO3, as the search has it

double BoundedStart(double pH) {
    if (std::isnan(pH)) return 7.0;
    if (pH < kLowestPh) return kLowestPh;
    if (pH > kHighestPh) return kHighestPh;
    return pH;
}

// The constants of one water as the search uses them.
struct SearchConstants {
    double k1, k2, kw, acidity, gammaH;
    double perK1, perK2, perGammaH;  // divisions as products with reciprocals
};

// The hydrogen ion h at a pH of the search, and 1/h.
struct Hydrogen {
    double h;
    double perH;
};

Hydrogen HydrogenAt(double x, const SearchConstants& c) {
    return {Exp10(-x) * c.perGammaH, Exp10(x) * c.gammaH};
}

// Ten to the steps of the search, 0.5 halved k times, and to their negatives: from
// one pass to the next h and 1/h follow the pH's step as products with these rather
// than as new powers of ten. Past the table's end the factors are 1 to the last bit.
constexpr int kStepFactors = 66;
struct StepFactorTable {
    double up[kStepFactors];    // 10^(0.5 / 2^k)
    double down[kStepFactors];  // 10^(-0.5 / 2^k)
    StepFactorTable() {
        for (int k = 0; k < kStepFactors; ++k) {
            up[k] = std::pow(10.0, std::ldexp(0.5, -k));
            down[k] = std::pow(10.0, -std::ldexp(0.5, -k));
        }
    }
};
// Made on first use, so that a search run while other files' statics are being set
// up finds it filled.
const StepFactorTable& StepFactors() {
    static const StepFactorTable table;
    return table;
}

struct PhTerms {
    double a;  // Q1 P / (Q2 Ac - W)
    double r;  // Q2 / P (Ac - W) - W
};

PhTerms TermsAt(const Hydrogen& hy, const SearchConstants& c) {
    const double h = hy.h;
    const double p = (2.0 * h + c.k1) * c.perK1;
    const double w = h - c.kw * hy.perH;
    const double q1 = (2.0 * c.k2 + h) * c.perK2;
    const double q2 = (2.0 * c.k2 + h) * hy.perH;
    return {q1 * p / (q2 * c.acidity - w), q2 / p * (c.acidity - w) - w};
}

bool SameWater(const CarbonateAlkTerms& t, const CarbonateState& k, double acidity) {
    // Compared as bits, so that a NaN constant or acidity never matches the store.
    auto same = [](auto u, auto v) { return std::memcmp(&u, &v, sizeof u) == 0; };
    return same(t.k1, k.k1) && same(t.k2, k.k2) && same(t.kw, k.kw) && same(t.gammaH, k.gammaH) &&
           same(t.acidity, acidity);
}

// The slot of the store that holds the pH with these bits, or the free slot where
// it would go.
int ProbeSlot(const CarbonateAlkTerms& t, uint64_t bits) {
    constexpr int kShift = 64 - 7;
    static_assert(CarbonateAlkTerms::kSlots == 1 << 7);
    int i = static_cast<int>((bits * 0x9e3779b97f4a7c15ull) >> kShift);
    while (t.key[i] != 0 && t.key[i] != bits) i = (i + 1) & (CarbonateAlkTerms::kSlots - 1);
    return i;
}

}  // namespace

CarbonateAlkStart CarbonateAlkTermsAt(const CarbonateState& k, double pH, double acidity) {
    const SearchConstants c{k.k1,    k.k2,        k.kw,        acidity,
                            k.gammaH, 1.0 / k.k1, 1.0 / k.k2, 1.0 / k.gammaH};
    const PhTerms at = TermsAt(HydrogenAt(pH, c), c);
    return {at.a, at.r};
}

void ClearCarbonateAlkTerms(CarbonateAlkTerms& terms) {
    terms.used = 0;
    std::fill(std::begin(terms.key), std::end(terms.key), 0);
    // The store belongs to no water until a search takes it over.
    terms.k1 = terms.k2 = terms.kw = terms.gammaH = std::numeric_limits<float>::quiet_NaN();
    terms.acidity = std::numeric_limits<double>::quiet_NaN();
}

CarbonateAlkSearch SearchCarbonateAlk(const CarbonateState& constants, double startPh, double ksp,
                                      double metal, double alkalinity, double acidity,
                                      CarbonateAlkTerms* terms) {
    if (!(alkalinity > 0.0) || !(metal > 0.0)) return {-1, 0.0, startPh, 0};
    const double k1 = constants.k1;
    const double k2 = constants.k2;
    const double gammaH = constants.gammaH;
    const SearchConstants c{k1,     k2,       constants.kw, acidity,
                            gammaH, 1.0 / k1, 1.0 / k2,     1.0 / gammaH};
    if (terms && !SameWater(*terms, constants, acidity)) {
        if (terms->used != 0) ClearCarbonateAlkTerms(*terms);
        terms->k1 = constants.k1;
        terms->k2 = constants.k2;
        terms->kw = constants.kw;
        terms->gammaH = constants.gammaH;
        terms->acidity = acidity;
    }
    const double target = 2.0 * metal - alkalinity;
    const double s = 2.0 * ksp;

    double x = BoundedStart(startPh);
    double step = 0.5;
    int direction = 0;
    // The total alkalinity R of the last state tried, wanted when the search ends.
    double r = 0.0;
    auto failure = [&](int passes) {
        // The last state's alkalinity when it has one, else all of it.
        const double excess =
            r > 0.0 ? (alkalinity - r) * kCaCO3MgPerEq : alkalinity * kCaCO3MgPerEq;
        return CarbonateAlkSearch{-1, excess, x, passes};
    };
    // h and 1/h at x, once worked out; they follow x from pass to pass.
    Hydrogen hy{};
    bool hyKnown = false;
    int halvings = 0;
    const StepFactorTable& factors = StepFactors();
    for (int pass = 1; pass <= kSearchPasses; ++pass) {
        PhTerms at;
        const uint64_t bits = std::bit_cast<uint64_t>(x);
        const int slot = terms ? ProbeSlot(*terms, bits) : 0;
        if (terms && terms->key[slot] == bits) {
            at = {terms->a[slot], terms->r[slot]};
            hy = {terms->h[slot], terms->perH[slot]};
            hyKnown = true;
        } else {
            if (!hyKnown) hy = HydrogenAt(x, c);
            hyKnown = true;
            at = TermsAt(hy, c);
            // x is never +0 (the key of a free slot): it stays between 1 and 14.
            if (terms && 4 * (terms->used + 1) <= 3 * CarbonateAlkTerms::kSlots) {
                terms->key[slot] = bits;
                terms->a[slot] = at.a;
                terms->r[slot] = at.r;
                terms->h[slot] = hy.h;
                terms->perH[slot] = hy.perH;
                ++terms->used;
            }
        }
        r = at.r;
        const double f = s * at.a - r;
        if (std::fabs(f - target) < kRelativeTolerance * std::fabs(target)) {
            return {0, (alkalinity - r) * kCaCO3MgPerEq, x, pass};
        }
        const double tried = x;
        if (f > target) {
            if (direction == -1) {
                step *= 0.5;
                ++halvings;
            }
            x += step;
            direction = 1;
        } else {
            if (direction == 1) {
                step *= 0.5;
                ++halvings;
            }
            x -= step;
            direction = -1;
        }
        // Up in pH by the step divides h by ten to the step; down multiplies it.
        const int k = halvings < kStepFactors ? halvings : kStepFactors - 1;
        const double lower = factors.down[k];
        const double higher = factors.up[k];
        hy = direction == 1 ? Hydrogen{hy.h * lower, hy.perH * higher}
                            : Hydrogen{hy.h * higher, hy.perH * lower};
        // The pH stays between 1 and 14; at a bound the search turns back.
        bool pinned = false;
        if (x < kLowestPh || x > kHighestPh) {
            pinned = tried == kLowestPh || tried == kHighestPh;
            x = x < kLowestPh ? kLowestPh : kHighestPh;
            direction = -direction;
            hyKnown = false;  // at the bound, not a step from the pH tried
        }
        // Tried at a bound and pushed out again: every further pass would try
        // the same pH, so no root lies inside the reachable range.
        if (pinned) return failure(pass);
    }
    return failure(kSearchPasses);
}

namespace {

int32_t SolveFromWorkingPh(CarbonateAlkTerms* terms, double ksp, double metal, double alkalinity,
                           double acidity, double& excessOut) {
    const CarbonateAlkSearch result =
        SearchCarbonateAlk(carbonateState, currentAnalysis.values[AnalysisElement::kPh], ksp, metal,
                           alkalinity, acidity, terms);
    excessOut = result.excess;
    return result.status;
}

}  // namespace

int32_t SolveCarbonateAlk(double ksp, double metal, double alkalinity, double acidity,
                          double& excessOut) {
    return SolveFromWorkingPh(nullptr, ksp, metal, alkalinity, acidity, excessOut);
}

int32_t SolveCarbonateAlkKeeping(CarbonateAlkTerms& terms, double ksp, double metal,
                                 double alkalinity, double acidity, double& excessOut) {
    return SolveFromWorkingPh(&terms, ksp, metal, alkalinity, acidity, excessOut);
}

// Four further entries to the same search.
int32_t SolveCarbonateAlkA(double ksp, double metal, double alkalinity, double acidity,
                           double& excessOut) {
    return SolveCarbonateAlk(ksp, metal, alkalinity, acidity, excessOut);
}
int32_t SolveCarbonateAlkB(double ksp, double metal, double alkalinity, double acidity,
                           double& excessOut) {
    return SolveCarbonateAlk(ksp, metal, alkalinity, acidity, excessOut);
}
int32_t SolveCarbonateAlkC(double ksp, double metal, double alkalinity, double acidity,
                           double& excessOut) {
    return SolveCarbonateAlk(ksp, metal, alkalinity, acidity, excessOut);
}
int32_t SolveCarbonateAlkD(double ksp, double metal, double alkalinity, double acidity,
                           double& excessOut) {
    return SolveCarbonateAlk(ksp, metal, alkalinity, acidity, excessOut);
}

int32_t SolveCarbonateAlkWrap(double guard, double ksp, double metal, double alkalinity,
                              double acidity, double& excessOut) {
    if (!(guard > 0.0)) {
        excessOut = 0.0;
        return -1;
    }
    return SolveCarbonateAlk(ksp, metal, alkalinity, acidity, excessOut);
}

int32_t SolvepHFromCarbonateD(const CarbonateState& constants, double acidity, double alkalinity,
                              double, double, double, double, double, double, double& pHInOut) {
    float pH = carbonate::NarrowToFloat(pHInOut);
    (void)SolvepHFromCarbonate(constants, 0, carbonate::NarrowToFloat(acidity),
                               carbonate::NarrowToFloat(alkalinity), pH);
    pHInOut = pH;
    return 0;
}

int32_t SolvepHFromCarbonateD(double acidity, double alkalinity, double unused1, double unused2,
                              double unused3, double unused4, double unused5, double unused6,
                              double& pHInOut) {
    return SolvepHFromCarbonateD(carbonateState, acidity, alkalinity, unused1, unused2, unused3,
                                 unused4, unused5, unused6, pHInOut);
}
