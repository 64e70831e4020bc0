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
// is that state's total alkalinity.
#include "engine/carbonate/carbonate_solvers.h"

#include <cmath>

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

}  // namespace

CarbonateAlkSearch SearchCarbonateAlk(const CarbonateState& constants, double startPh, double ksp,
                                      double metal, double alkalinity, double acidity) {
    if (!(alkalinity > 0.0) || !(metal > 0.0)) return {-1, 0.0, startPh, 0};
    const double k1 = constants.k1;
    const double k2 = constants.k2;
    const double kw = constants.kw;
    const double gammaH = constants.gammaH;
    const double target = 2.0 * metal - alkalinity;
    const double s = 2.0 * ksp;

    double x = BoundedStart(startPh);
    double step = 0.5;
    int direction = 0;
    // P, W and Q2 of the last state tried; its total alkalinity R is wanted only
    // when the search ends.
    double p = 0.0;
    double w = 0.0;
    double q2 = 0.0;
    auto lastAlkalinity = [&] { return q2 / p * (acidity - w) - w; };
    auto failure = [&](int passes) {
        // The last state's alkalinity when it has one, else all of it.
        const double r = lastAlkalinity();
        const double excess =
            r > 0.0 ? (alkalinity - r) * kCaCO3MgPerEq : alkalinity * kCaCO3MgPerEq;
        return CarbonateAlkSearch{-1, excess, x, passes};
    };
    // The divisions by the constants and by h as products with their reciprocals.
    const double perK1 = 1.0 / k1;
    const double perK2 = 1.0 / k2;
    const double perGammaH = 1.0 / gammaH;
    for (int pass = 1; pass <= kSearchPasses; ++pass) {
        const double h = Exp10(-x) * perGammaH;
        const double perH = 1.0 / h;
        p = (2.0 * h + k1) * perK1;
        w = h - kw * perH;
        const double q1 = (2.0 * k2 + h) * perK2;
        q2 = (2.0 * k2 + h) * perH;
        const double f = q1 * s * p / (q2 * acidity - w) - (acidity - w) * q2 / p + w;
        if (std::fabs(f - target) < kRelativeTolerance * std::fabs(target)) {
            return {0, (alkalinity - lastAlkalinity()) * kCaCO3MgPerEq, x, pass};
        }
        const double tried = x;
        if (f > target) {
            if (direction == -1) step *= 0.5;
            x += step;
            direction = 1;
        } else {
            if (direction == 1) step *= 0.5;
            x -= step;
            direction = -1;
        }
        // The pH stays between 1 and 14; at a bound the search turns back.
        bool pinned = false;
        if (x < kLowestPh || x > kHighestPh) {
            pinned = tried == kLowestPh || tried == kHighestPh;
            x = x < kLowestPh ? kLowestPh : kHighestPh;
            direction = -direction;
        }
        // Tried at a bound and pushed out again: every further pass would try
        // the same pH, so no root lies inside the reachable range.
        if (pinned) return failure(pass);
    }
    return failure(kSearchPasses);
}

int32_t SolveCarbonateAlk(double ksp, double metal, double alkalinity, double acidity,
                          double& excessOut) {
    const CarbonateAlkSearch result =
        SearchCarbonateAlk(carbonateState, currentAnalysis.values[AnalysisElement::kPh], ksp, metal,
                           alkalinity, acidity);
    excessOut = result.excess;
    return result.status;
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
