// The three momentary-excess solvers. CalcExcess11 solves its quadratic in closed
// form; CalcExcess21 and CalcExcess3 share one search that walks x with a step that
// halves at every change of direction until the remaining ion product matches the
// solubility product within 1e-4 log units, or 100 passes are spent.
#include "engine/saturation/momentary_excess.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxPasses = 100;
constexpr double kLogTolerance = 0.0001;
constexpr double kTiny = 1e-30;

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
    double Smallest() const {
        double m = amount[0];
        for (int i = 1; i < n; ++i) m = std::min(m, amount[i]);
        return m;
    }
    // log10 of the ion product in molalities after x mol/kg of mineral left.
    double LogProduct(double x) const {
        double g = 0.0;
        for (int i = 0; i < n; ++i) g += count[i] * std::log10(amount[i] - x * count[i]);
        return g;
    }
    bool AnyExhausted(double x) const {
        for (int i = 0; i < n; ++i)
            if (!(amount[i] - x * count[i] > 0.0)) return true;
        return false;
    }
};

// The amount that dissolves into water free of every ion of the mineral: the
// formula unit's share of the solubility product.
double DissolutionStart(const IonSet& ions, double logKc) {
    return std::pow(10.0, logKc / ions.CountSum());
}

// A precipitating x that would take more of an ion than it holds becomes 95 % of it.
void CapPrecipitation(const IonSet& ions, double& x) {
    for (int i = 0; i < ions.n; ++i)
        if (ions.amount[i] > 0.0 && x * ions.count[i] > ions.amount[i])
            x = 0.95 * ions.amount[i] / ions.count[i];
}

// Walks x from x0 in direction d (+1 precipitation, -1 dissolution). While
// precipitating, x is kept below 95 % of what any ion could give. The step is a
// magnitude whichever way the search starts: a signed step would end a search
// that starts from dissolution before its first pass.
double SearchExcess(const IonSet& ions, double logKc, double x0, int d) {
    double x = x0;
    double h = std::fabs(0.49 * x0);
    int s = 1;
    double previous = x0;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        if (std::fabs(x) < kTiny || h < kTiny) break;
        if (d > 0) {
            CapPrecipitation(ions, x);
            if (x == 0.0) x = 0.95 * previous;
        }
        if (ions.AnyExhausted(x)) {
            d = -d;
            x = -0.9 * x;
        }
        const double g = ions.LogProduct(x);
        if (std::fabs(g - logKc) < kLogTolerance) break;
        if (g < logKc) {  // too much removed
            if (s > 0) {
                s = -1;
                d = -1;
                h /= 2.0;
            } else {
                s = d;
            }
        } else {
            if (s < 0) {
                s = 1;
                d = 1;
                h /= 2.0;
            } else {
                s = d;
            }
        }
        x += s * h;
        previous = x;
    }
    // The last step is taken after the last cap: hold a precipitating answer below
    // 95 % of every ion, so that no more of an ion leaves than the water holds.
    if (x > 0.0) CapPrecipitation(ions, x);
    return x;
}

}  // namespace

void CalcExcess11(double a, double b, double logKc, double molarMass, double F, double& result) {
    double x;
    if (!(a > 0.0) && !(b > 0.0)) {
        x = -std::pow(10.0, logKc / 2.0);
    } else {
        // (a - x)(b - x) = K; the discriminant is (a - b)^2 + 4 K, never negative.
        const double s = a + b;
        const double p = a * b;
        x = (s - std::sqrt(s * s - 4.0 * (p - std::pow(10.0, logKc)))) / 2.0;
    }
    result = x * molarMass * F;
}

void CalcExcess21(double a, double b, double na, double nb, double logKc, double molarMass,
                  double F, double& result) {
    const IonSet ions{{a, b, 0.0}, {na, nb, 0.0}, 2};
    double x;
    if (ions.AllAbsent()) {
        x = -DissolutionStart(ions, logKc);
    } else if (ions.AllPresent()) {
        const double excessLog = na * std::log10(a) + nb * std::log10(b) - logKc;
        if (excessLog == 0.0) {
            x = 0.0;  // exactly saturated
        } else if (excessLog > 0.0) {
            x = SearchExcess(ions, logKc, 0.9 * ions.Smallest(), +1);
        } else {
            x = SearchExcess(ions, logKc, -0.9999 * DissolutionStart(ions, logKc), -1);
        }
    } else {
        x = SearchExcess(ions, logKc, -0.9999 * DissolutionStart(ions, logKc), -1);
    }
    result = x * F * molarMass;
}

void CalcExcess3(double a, double b, double c, double na, double nb, double nc, double logKc,
                 double molarMass, double F, double& result) {
    const IonSet ions{{a, b, c}, {na, nb, nc}, 3};
    double x;
    if (ions.AllAbsent()) {
        x = -DissolutionStart(ions, logKc);
    } else if (ions.AllPresent() &&
               na * std::log10(a) + nb * std::log10(b) + nc * std::log10(c) - logKc > 0.0) {
        x = SearchExcess(ions, logKc, 0.99 * ions.Smallest(), +1);
    } else {
        // Every other case, an exactly saturated water included, starts from
        // dissolution; the search then finds the equilibrium near x = 0.
        x = SearchExcess(ions, logKc, -0.9999 * DissolutionStart(ions, logKc), -1);
    }
    result = x * F * molarMass;
}
