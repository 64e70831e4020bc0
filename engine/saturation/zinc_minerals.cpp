// Zinc minerals and calcium pyrophosphate. Zinc hydroxide and zinc carbonate use
// the engine's constants (the amorphous hydroxide, which precipitates first, in its
// H+ form, and smithsonite); the phosphates use fixed constants.
#include "engine/saturation/zinc_minerals.h"

#include <algorithm>
#include <cmath>

#include "engine/saturation/log_products.h"
#include "engine/saturation/momentary_excess.h"
#include "engine/saturation/saturation_ratios.h"
#include "engine/tables/power_of_ten.h"

namespace {

constexpr double kZincMass = 65.37;
constexpr double kCalciumPyrophosphateMass = 254.1034;
constexpr double kZincPhosphateMass = 485.438;
constexpr double kZincPyrophosphateMass = 239.3236;
constexpr double kZincHydroxideMass = 99.385;
constexpr double kZincCarbonateMass = 125.38;

// Species of the zinc complexes counted in the dissolved zinc.
constexpr int kZnOH = 151, kZnOH2 = 152, kZnOH3 = 153, kZnOH4 = 154, kZnOHCl = 155;
constexpr int kZnSO4 = 158, kZnSO4x2 = 159, kZnHCO3 = 272, kZnCO3 = 273, kZnCO3x2 = 274;

double Log(double x) {
    return std::log10(x);
}

// 10^(log a1 x N1 + log a2 x N2 + offset), or 0 without either ion.
template <int N1, int N2>
double FixedKRatio(double a1, double a2, double offset) {
    if (!(a1 > 0.0) || !(a2 > 0.0)) return 0.0;
    return Exp10(Log10OfPowers<N1, N2>(a1, a2) + offset);
}

}  // namespace

ZincPhosphateResults CalcZincPhosphateMinerals(const SpeciatedWater& w) {
    ZincPhosphateResults r{};
    const double f = w.massFactor;
    const double logAw = w.logWaterActivity;
    const double mZn = w.M(Ion::kZn);
    const double gZn = w.G(Ion::kZn);
    const double aZn = w.A(Ion::kZn);
    const double gCa = w.G(Ion::kCa);
    const double aCa = w.A(Ion::kCa);
    const double gPO4 = w.G(Ion::kPO4);
    const double aPO4 = w.A(Ion::kPO4);
    const double mP2O7 = w.pyrophosphate;
    const double gP2O7 = w.pyrophosphateGamma;
    const double aP2O7 = mP2O7 * gP2O7;

    CalcExcess21(w.M(Ion::kCa), mP2O7, 2, 1,
                 kCalciumPyrophosphateLogK - Log10OfPowers<2, 1>(gCa, gP2O7),
                 kCalciumPyrophosphateMass, f, r.calciumPyrophosphateExcess);
    r.calciumPyrophosphateRatio = FixedKRatio<2, 1>(aCa, aP2O7, -kCalciumPyrophosphateLogK);

    CalcExcess21(mZn, w.M(Ion::kPO4), 3, 2,
                 kZincPhosphateLogK - Log10OfPowers<3, 2>(gZn, gPO4) - 4.0 * logAw,
                 kZincPhosphateMass, f, r.zincPhosphateExcess);
    r.zincPhosphateRatio = FixedKRatio<3, 2>(aZn, aPO4, 4.0 * logAw - kZincPhosphateLogK);

    CalcExcess11(mZn, mP2O7, Exp10(kZincPyrophosphateLogK) / (gZn * gP2O7), kZincPyrophosphateMass,
                 f, r.zincPyrophosphateExcess);
    r.zincPyrophosphateRatio = FixedKRatio<1, 1>(aP2O7, aZn, -kZincPyrophosphateLogK);

    // Zn(OH)2 + 2 H+ = Zn2+ + 2 H2O, written for Zn2+ and OH- with the engine's
    // a(OH-) a(H+) = aw Kw: m(Zn) m(OH)^2 = K Kw^2 / (g(Zn) g(OH)^2) at equilibrium,
    // the same condition as a saturation ratio of 1.
    const double kZnOH2Solid = w.K(Rx::kZincHydroxide);
    const double gOH = w.G(Ion::kOH);
    CalcExcess21(mZn, w.M(Ion::kOH), 1, 2,
                 Log10OfPowers<1, 2, -1, -2>(kZnOH2Solid, w.K(Rx::kWater), gZn, gOH),
                 kZincHydroxideMass, f, r.zincHydroxideExcess);
    r.zincHydroxideRatio = aZn == 0.0 ? 0.0 : aZn * Exp10(2.0 * (w.ph + logAw)) / kZnOH2Solid;

    const double kZnCO3Solid = w.K(Rx::kZincCarbonate);
    CalcExcess11(mZn, w.M(Ion::kCO3), kZnCO3Solid / (gZn * w.G(Ion::kCO3)), kZincCarbonateMass, f,
                 r.zincCarbonateExcess);
    const double aCO3 = w.A(Ion::kCO3);
    r.zincCarbonateRatio = (aZn > 0.0 && aCO3 > 0.0) ? aZn * aCO3 / kZnCO3Solid : 0.0;

    r.dissolvedZinc = CalcDissolvedZinc(w);
    r.dissolvedZincCopy = r.dissolvedZinc;
    return r;
}

double CalcDissolvedZinc(const SpeciatedWater& w) {
    const double gZn = w.G(Ion::kZn);
    const double aZn = w.A(Ion::kZn);
    const double logAw = w.logWaterActivity;
    const double aCO3 = w.A(Ion::kCO3);
    const double aPO4 = w.A(Ion::kPO4);
    const double aP2O7 = w.pyrophosphate * w.pyrophosphateGamma;

    // Free zinc molality each mineral allows.
    const double byHydroxide = w.K(Rx::kZincHydroxide) * Exp10(-2.0 * (w.ph + logAw)) / gZn;
    const double kCarbonate = w.K(Rx::kZincCarbonate);
    const double byCarbonate =
        (aZn > 0.0 && aCO3 > 0.0) ? kCarbonate / aCO3 / gZn : std::sqrt(kCarbonate) / gZn;
    const double byPhosphate =
        aPO4 > 0.0
            ? Exp10((kZincPhosphateLogK - 2.0 * Log(aPO4) - 4.0 * logAw) / 3.0) / gZn
            : Exp10((kZincPhosphateLogK - Log10OfPowers<3, 2>(gZn, w.G(Ion::kPO4)) - 4.0 * logAw) /
                    5.0) /
                  gZn;
    const double byPyrophosphate = (aZn > 0.0 && aP2O7 > 0.0)
                                       ? Exp10(kZincPyrophosphateLogK - Log(aP2O7)) / gZn
                                       : Exp10(-5.55) / gZn;
    double u = byHydroxide;
    if (aCO3 > 0.0) u = std::min(u, byCarbonate);
    if (aPO4 > 0.0) u = std::min(u, byPhosphate);
    if (aP2O7 > 0.0) u = std::min(u, byPyrophosphate);

    // Complexes per free zinc: formation constant x ligand term / activity
    // coefficient; the hydrolysis constants release one H+ per hydroxide.
    const double h = Exp10(w.ph);  // 1 / a(H+)
    const double aCl = w.A(Ion::kCl);
    const double aSO4 = w.A(Ion::kSO4);
    const double aHCO3 = w.A(Ion::kHCO3);
    const struct {
        int reaction;
        int species;
        double ligand;
    } complexes[] = {
        {Rx::kZincOH, kZnOH, h},
        {Rx::kZincOH2, kZnOH2, h * h},
        {Rx::kZincOH3, kZnOH3, h * h * h},
        {Rx::kZincOH4, kZnOH4, h * h * h * h},
        {Rx::kZincOHCl, kZnOHCl, aCl * h},
        {Rx::kZincSO4, kZnSO4, aSO4},
        {Rx::kZincSO4x2, kZnSO4x2, aSO4 * aSO4},
        {Rx::kZincHCO3, kZnHCO3, aHCO3},
        {Rx::kZincCO3, kZnCO3, aCO3},
        {Rx::kZincCO3x2, kZnCO3x2, aCO3 * aCO3},
    };
    double complexSum = 0.0;
    for (const auto& c : complexes) complexSum += w.K(c.reaction) * c.ligand / w.G(c.species);
    return u * (1.0 + complexSum) * kZincMass * w.massFactor;
}
