// RecalcCarbonateFromAlk: the carbonate species of the working analysis from
// its alkalinity (open system) or its total carbonate (closed system), then the
// alkalinity fields from a pH estimate, and the species again at that pH.
//
// With conditional constants K1', K2' and h = 10^-pH / gamma(H+), a total
// carbonate CT splits into H2CO3, HCO3- and CO3-- by the fractions a0, a1, a2
// (engine/carbonate_math.h); the alkalinity as CaCO3 is 50044.5 mg per
// equivalent of 2 CO3 + HCO3 + OH - H.
#include <cmath>

#include "engine/carbonate/carbonate_math.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/carbonate/carbonate_species.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/speciation/speciation_records.h"
#include "engine/saturation/water_results_records.h"
#include "input/records.h"
#include "scenarios/profiles/profiles.h"
#include "scenarios/frame/whatif_records.h"

namespace {
namespace AE = AnalysisElement;
using carbonate::FractionsAt;

constexpr double kCaCO3 = 50044.5;  // mg CaCO3 per equivalent

struct AlkalinityRecalc {
    CarbonateContext& ctx;
    uint16_t carbonateModel;
    float currentHCO3;
    float currentCO3;
};

double HydrogenAt(const CarbonateState& k, double p) {
    return std::pow(10.0, -p) / k.gammaH;
}
double HydroxideAt(const CarbonateState& k, double p) {
    return k.kw / (std::pow(10.0, -p) * k.gammaOH);
}

// Step 1: the species from the alkalinity or the total carbonate; returns the
// pH estimate they were split at.
double SpeciesFromAlkalinity(AlkalinityRecalc& r) {
    float* v = r.ctx.analysis.values;
    const CarbonateState& k = r.ctx.constants;
    float estimate = v[AE::kPh];
    const bool open = r.carbonateModel == 1 || r.carbonateModel == 3;
    if (open) {
        v[AE::kAlkalinity] = v[AE::kCarbonateAlkalinity];
        EstimatepH(r.ctx, estimate);
        const double h = HydrogenAt(k, estimate);
        const auto a = FractionsAt(h, k.k1, k.k2);
        // CT in mg/L as CaCO3 from the carbonate alkalinity.
        const double ct = (v[AE::kAlkalinity] - HydroxideAt(k, estimate) * kCaCO3 + h * kCaCO3) /
                          (2.0 * a.a2 + a.a1);
        v[AE::kH2CO3] = static_cast<float>(a.a0 * ct * 62.0253 / 50.0445);
        v[AE::kBicarbonate] = v[AE::kMAlkalinity] =
            static_cast<float>(a.a1 * ct * 61.0173 / 50.0445);
        v[AE::kCarbonate] = v[AE::kPAlkalinity] =
            static_cast<float>(a.a2 * ct * 30.00047 / 50.0445);
    } else {
        const double ct = v[AE::kTotalCarbonate];
        EstimatepH(r.ctx, estimate);
        const double h = HydrogenAt(k, estimate);
        const auto a = FractionsAt(h, k.k1, k.k2);
        v[AE::kH2CO3] = static_cast<float>(a.a0 * ct * 62.0253);
        v[AE::kBicarbonate] = v[AE::kMAlkalinity] = static_cast<float>(a.a1 * ct * 61.0173);
        v[AE::kCarbonate] = v[AE::kPAlkalinity] = static_cast<float>(a.a2 * ct * 60.0094);
        v[AE::kAlkalinity] = static_cast<float>(
            (v[AE::kBicarbonate] / 61017.3 + v[AE::kCarbonate] / 30004.7) * kCaCO3 +
            HydroxideAt(k, estimate) * kCaCO3 - h * kCaCO3);
    }
    return estimate;
}

// Step 2: the pH of the alkalinity by the prediction method, with alkalinity
// mode 1 (total alkalinity given) for the estimate.
double PhOfAlkalinity(AlkalinityRecalc& r, double estimate) {
    const float* v = r.ctx.analysis.values;
    const float a = v[AE::kAlkalinity];
    const CarbonateState& k = r.ctx.constants;
    if (r.ctx.control.phPredictionMethod > PhPrediction::kExtrapolated) return estimate;
    if (!(a > 0.0f)) return k.k1 > 0.0f ? -std::log10(k.k1) : v[AE::kPh];
    CarbonateContext asTotal = r.ctx;
    asTotal.alkalinityMode = 1;
    float p = static_cast<float>(estimate);
    (void)pHFromAlk(asTotal, p, a);
    return p;
}

// Step 3: the alkalinity fields at pH p in the form the alkalinity mode shows.
void AlkalinityFields(AlkalinityRecalc& r, double p) {
    float* v = r.ctx.analysis.values;
    const CarbonateState& k = r.ctx.constants;
    const double oh = HydroxideAt(k, p) * kCaCO3;
    const double hy = HydrogenAt(k, p) * kCaCO3;
    const double m =
        (v[AE::kPAlkalinity] / 30004.7 + v[AE::kMAlkalinity] / 61017.3) * kCaCO3 + oh - hy;
    const double pAlk = (0.5 * v[AE::kPAlkalinity] / 30004.7) * kCaCO3 + oh - hy;
    v[AE::kAlkalinity] =
        static_cast<float>(r.ctx.reportingMode == ReportingMode::kEpm ? m / 50.0445 : m);
    double divisor = 1.0;
    switch (r.ctx.alkalinityMode) {
        case 2:
        case 3:
            v[AE::kMAlkalinity] = r.currentHCO3 < 0.0f ? 0.0f : r.currentHCO3;
            v[AE::kPAlkalinity] = r.currentCO3 < 0.0f ? 0.0f : r.currentCO3;
            return;
        case 4:
            divisor = 33.336666;
            break;
        case 5:
            divisor = 50.0445;
            break;
        case 6:
            divisor = 10.1;
            break;
        case 7:
            divisor = 17.9;
            break;
        default:
            break;
    }
    v[AE::kMAlkalinity] = static_cast<float>(m / divisor);
    v[AE::kPAlkalinity] = static_cast<float>(pAlk / divisor);
}

// Step 4: the species respeciated at pH p from their total.
void RespeciateAt(AlkalinityRecalc& r, double p) {
    float* v = r.ctx.analysis.values;
    const CarbonateState& k = r.ctx.constants;
    const double ct =
        v[AE::kCarbonate] / 60.0094 + v[AE::kBicarbonate] / 61.0173 + v[AE::kH2CO3] / 62.0253;
    const auto a = FractionsAt(HydrogenAt(k, p), k.k1, k.k2);
    r.ctx.dissolvedCO2Copy = static_cast<float>(a.a0 * ct);
    v[AE::kH2CO3] = static_cast<float>(a.a0 * ct * 62.0253);
    v[AE::kBicarbonate] = static_cast<float>(a.a1 * ct * 61.0173);
    v[AE::kCarbonate] = static_cast<float>(a.a2 * ct * 60.0094);
}

}  // namespace

int32_t RecalcCarbonateFromAlk() {
    CarbonateContext ctx{currentAnalysis, carbonateState,       phControlSettings,
                         unitCodes,       reportingMode,        alkalinityMode,
                         userAlkCurve,    extrapolatedAlkCurve, savedCarbonateConstants,
                         dissolvedCO2Copy};
    AlkalinityRecalc r{ctx, whatIfOptions.carbonateModel, currentHCO3, currentCO3};
    const double estimate = SpeciesFromAlkalinity(r);
    const double p = PhOfAlkalinity(r, estimate);
    AlkalinityFields(r, p);
    RespeciateAt(r, p);
    phBalanceSwitch = driverSettingsBackup.phBalanceSwitch;
    pco2ProfileFlag = pco2ProfileFlagCopy;
    return 0;
}
