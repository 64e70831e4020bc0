// pH estimates of a water: from its alkalinity by one of the prediction methods
// (empirical log-alkalinity lines, the user's or the extrapolated curve, or the
// carbonic acid pairs), the pH of a water with no carbonate, and the search for
// the alkalinity that gives a target pH.
#include <cmath>
#include <optional>

#include "engine/carbonate/carbonate_math.h"
#include "engine/carbonate/carbonate_species.h"
#include "engine/tables/power_of_ten.h"

namespace {

using namespace carbonate;
namespace AE = AnalysisElement;

constexpr double kNoCarbonatePh = 4.3;  // pH of a water without carbonate
constexpr int kAlkalinitySearchTrials = 1000;
constexpr double kPhTolerance = 0.001;

double CurveAt(const AlkCurveCoefficients& c, double a, double aLog) {
    return c.intercept + c.linear * a + c.reciprocal / a + c.logSlope * std::log10(aLog);
}

// pH of a positive alkalinity A (analysis unit: epm in epm reporting) by a
// curve method; empty for the methods that are not curves. The extrapolated
// curve was drawn through the water's own point as the analysis holds it and is
// read there; the other curves are read in their own unit, mg/L as CaCO3.
std::optional<double> CurvePh(const CarbonateContext& ctx, uint16_t method, double a) {
    const bool epm = ctx.reportingMode == ReportingMode::kEpm;
    const double asCaCO3 = epm ? a * 50.05 : a;
    const double perLitre =
        CurveAlkalinity(asCaCO3, ctx.reportingMode, ctx.analysis.values[AE::kResultScale]);
    switch (method) {
        case PhPrediction::kLogAlkalinity:
            return 1.43 * std::log10(perLitre) + 4.5;
        case PhPrediction::kUserCurve:
            return CurveAt(ctx.userCurve, perLitre, perLitre);
        case PhPrediction::kProduction:
            return 1.7177 * std::log10(perLitre) + 4.1333;
        case PhPrediction::kExtrapolated:
            return CurveAt(ctx.extrapolatedCurve, a, asCaCO3);
        case PhPrediction::kLogAlkalinity2:
            return 1.477551 * std::log10(perLitre) + 5.0994143;
        default:
            return std::nullopt;
    }
}

bool IsCurveMethod(uint16_t method) {
    return method <= PhPrediction::kExtrapolated || method == PhPrediction::kLogAlkalinity2;
}

void StoreIfFinite(float& out, double pH) {
    if (StorablePh(pH)) out = static_cast<float>(pH);
}

// An acidic water (negative alkalinity, an acidity in the analysis unit): the
// pH of its carbonic acid, sqrt(K1 CT + Kw), lowered by the strong acid.
double AcidWaterPh(const CarbonateContext& ctx, double acidity) {
    const float* v = ctx.analysis.values;
    const CarbonateState& k = ctx.constants;
    const double ct = TotalCarbonate(v[AE::kCarbonate], v[AE::kBicarbonate], v[AE::kAcidity]);
    double p = kNoCarbonatePh;
    if (ct > 0.0) {
        const double root = std::sqrt(k.k1 * ct + k.kw);
        if (root > 0.0) p = -std::log10(root);
    }
    return -std::log10(k.gammaH * (Exp10(-p) * 50044.7 / k.gammaH + acidity) / 50044.7);
}

// Temperature of element 15 in degrees C by the temperature unit.
double TemperatureC(const CarbonateContext& ctx) {
    const double t = ctx.analysis.values[AE::kTemperature];
    switch (ctx.units.code[UnitItem::kTemperature]) {
        case TemperatureUnit::kFahrenheit:
            return (t - 32.0) * 0.5555555555555556;
        case TemperatureUnit::kKelvin:
            return t - 273.16;
        default:
            return t;
    }
}

}  // namespace

void EstimatepH(CarbonateContext& ctx, float& pHOut) {
    float* v = ctx.analysis.values;
    const double a = v[AE::kAlkalinity];
    const uint16_t method = ctx.control.phPredictionMethod;
    const bool k1Positive = ctx.constants.k1 > 0.0f;
    if (a < 0.0) {
        StoreIfFinite(pHOut, AcidWaterPh(ctx, -a));
        return;
    }
    if (!(v[AE::kTotalCarbonate] > 0.0f)) {
        if (v[AE::kAcidity] > 0.0f) {
            // Dissolved CO2 alone: the pH of carbonic acid, with an empirical
            // temperature term for the first dissociation constant.
            const double t = TemperatureC(ctx);
            const double d = t >= 35.0 ? 0.0069 * t + 1.36 : 0.0138 * t + 1.12;
            ctx.dissolvedCO2Copy = v[AE::kAcidity];
            v[AE::kTotalCarbonate] = v[AE::kAcidity];
            StoreIfFinite(pHOut, (d - std::log10(v[AE::kAcidity])) * 0.5);
        } else {
            pHOut = k1Positive ? static_cast<float>(kNoCarbonatePh) : v[AE::kPh];
        }
        return;
    }
    if (method == PhPrediction::kFromSpecies) {
        (void)SolvepHStep(ctx.constants, v[AE::kAcidity], v[AE::kBicarbonate], v[AE::kCarbonate],
                          pHOut);
        return;
    }
    if (!IsCurveMethod(method)) return;
    if (a > 0.0) {
        StoreIfFinite(pHOut, *CurvePh(ctx, method, a));
    } else if (k1Positive) {
        StoreIfFinite(pHOut, -std::log10(ctx.constants.k1));
    } else {
        pHOut = method == PhPrediction::kLogAlkalinity2 ? v[AE::kPh]
                                                        : static_cast<float>(kNoCarbonatePh);
    }
}

int32_t pHFromAlk(const CarbonateContext& ctx, float& pHOut, float alkalinity) {
    if (!(alkalinity > 0.0f)) return -1;
    const uint16_t method = ctx.control.phPredictionMethod;
    if (method == PhPrediction::kFromSpecies) {
        const float* v = ctx.analysis.values;
        (void)SolvepHStep(ctx.constants, v[AE::kAcidity], v[AE::kBicarbonate], v[AE::kCarbonate],
                          pHOut);
        return 0;
    }
    const auto pH = CurvePh(ctx, method, alkalinity);
    if (!pH) return 0;  // no estimate by this method
    if (!StorablePh(*pH)) return -1;
    pHOut = static_cast<float>(*pH);
    return 0;
}

int32_t SolveAlkForpH(const CarbonateContext& ctx, float startPh, float targetPh,
                      float startAlkalinity, float& alkalinityOut) {
    alkalinityOut = startAlkalinity;
    float step = startAlkalinity * 0.25f;
    if (std::fabs(startPh - targetPh) < kPhTolerance) return 0;

    // Even the least alkalinity is too basic: the target cannot be reached. (A
    // method that gives no pH leaves the trial at the target.)
    float leastPh = targetPh;
    (void)pHFromAlk(ctx, leastPh, 1e-05f);
    if (leastPh > targetPh) {
        alkalinityOut = 0.0f;
        return -1;
    }

    float direction = startPh <= targetPh ? 1.0f : -1.0f;
    float previousPh = startPh;
    float alkalinity = startAlkalinity;
    for (int trial = 1; trial <= kAlkalinitySearchTrials; ++trial) {
        const float previousAlkalinity = alkalinity;
        alkalinity += direction * step;
        const bool overshot = !(alkalinity > 0.0f);
        if (overshot) alkalinity = previousAlkalinity * 0.5f;
        alkalinityOut = alkalinity;
        // A trial with no pH of its own keeps the previous one.
        float pH = previousPh;
        (void)pHFromAlk(ctx, pH, alkalinity);
        if (std::fabs(pH - targetPh) <= kPhTolerance) return 0;
        const bool crossed =
            (previousPh > targetPh && pH < targetPh) || (previousPh < targetPh && pH > targetPh);
        if (overshot || crossed) {
            step *= 0.5f;
            direction = -direction;
        }
        previousPh = pH;
    }
    return -1;
}

int32_t SolvepHStep(const CarbonateState& constants, float carbonicAcid, float bicarbonate,
                    float carbonate, float& pHOut) {
    const double b = bicarbonate / kHco3MgPerMol;
    const double c = carbonate / kCo3MgPerMol;
    // The pair that holds most of the carbon sets the pH: H2CO3/HCO3- by K1,
    // else HCO3-/CO3-- by K2.
    double h = 0.0;
    if (bicarbonate != 0.0f) {
        h = c * 0.5 <= b ? (carbonicAcid / kH2co3MgPerMol) * constants.k1 / b
                         : constants.k2 * b / c;
    }
    // No bicarbonate, or a pair that gives no hydrogen ion (no carbonic acid,
    // a zero constant, a negative amount): no pH.
    const double pH = -std::log10(h);
    if (!(h > 0.0) || !StorablePh(pH)) {
        pHOut = 0.0f;
        return 1;
    }
    pHOut = static_cast<float>(pH);
    return 0;
}
