// Given carbonate species in the working analysis: total carbonate, total
// alkalinity, the displayed M and P alkalinity, and the species split at a pH.
#include "engine/carbonate/carbonate_species.h"

#include <cmath>

#include "engine/carbonate/carbonate_math.h"
#include "engine/tables/power_of_ten.h"

namespace {

using namespace carbonate;
using carbonate::NarrowToFloat;
namespace AE = AnalysisElement;

// M (total) and P (phenolphthalein) alkalinity, mg/L as CaCO3, of the species
// in elements 13 and 14 at pH p. These carry 50044.7 and 50050.0 where the rest
// of the engine uses 50044.5; the displayed values have always been made so.
struct MpAlkalinity {
    double m;
    double p;
};

MpAlkalinity MpAt(const CarbonateContext& ctx, double p) {
    const float* v = ctx.analysis.values;
    const double activity = Exp10(-p);
    const double ohCaCO3 = ctx.constants.kw * 50050.0 / (activity * ctx.constants.gammaOH);
    const double hCaCO3 = activity * 50050.0 / ctx.constants.gammaH;
    const double m =
        (v[AE::kPAlkalinity] / kCo3MgPerEq + v[AE::kMAlkalinity] / kHco3MgPerMol) * 50044.7 +
        ohCaCO3 - hCaCO3;
    const double pAlk = (v[AE::kPAlkalinity] * 0.5 / kCo3MgPerEq) * 50044.7 + ohCaCO3 - hCaCO3;
    return {m, pAlk};
}

// Element 1 and the displayed pair (elements 13, 14) for the alkalinity entry
// mode: 1 M and P; 2 and 3 the species themselves, never negative; 4 to 7 M and
// P over 33.336666, 50.05 (epm), 10.1 (French degrees), 17.9 (German degrees).
void StoreAlkalinities(CarbonateContext& ctx, double pH, float carbonate, float bicarbonate) {
    float* v = ctx.analysis.values;
    const MpAlkalinity mp = MpAt(ctx, pH);
    v[AE::kAlkalinity] =
        NarrowToFloat(ctx.reportingMode == ReportingMode::kEpm ? mp.m / 50.05 : mp.m);
    double divisor = 0.0;
    switch (ctx.alkalinityMode) {
        case 1:
            divisor = 1.0;
            break;
        case 2:
        case 3:
            v[AE::kMAlkalinity] = bicarbonate < 0.0f ? 0.0f : bicarbonate;
            v[AE::kPAlkalinity] = carbonate < 0.0f ? 0.0f : carbonate;
            return;
        case 4:
            divisor = 33.336666;
            break;
        case 5:
            divisor = 50.05;
            break;
        case 6:
            divisor = 10.1;
            break;
        case 7:
            divisor = 17.9;
            break;
        default:
            return;  // the species stay in the pair
    }
    v[AE::kMAlkalinity] = NarrowToFloat(mp.m / divisor);
    v[AE::kPAlkalinity] = NarrowToFloat(mp.p / divisor);
}

// The pH the alkalinities are made at: element 0, or its estimate when it is
// negative (the estimate goes into element 0). The alkalinity entry mode would
// be 1 for the estimate, which does not depend on it.
double PhForAlkalinities(CarbonateContext& ctx) {
    float& pH = ctx.analysis.values[AE::kPh];
    if (pH < 0.0f) EstimatepH(ctx, pH);
    return pH;
}

void StoreSplit(float* v, double totalCarbonate, const Fractions& f) {
    v[AE::kAcidity] = NarrowToFloat(f.a0 * totalCarbonate * 62.0253 * 1000.0);
    v[AE::kBicarbonate] = NarrowToFloat(f.a1 * totalCarbonate * 61.0173 * 1000.0);
    v[AE::kCarbonate] = NarrowToFloat(f.a2 * totalCarbonate * 60.0094 * 1000.0);
}

}  // namespace

int32_t SetCarbonateSpecies(CarbonateContext& ctx, float carbonate, float bicarbonate,
                            float carbonicAcid) {
    float* v = ctx.analysis.values;
    v[AE::kCarbonate] = v[AE::kPAlkalinity] = carbonate;
    v[AE::kAcidity] = carbonicAcid;
    v[AE::kBicarbonate] = v[AE::kMAlkalinity] = bicarbonate;

    const double enteredPh = v[AE::kPh];
    const double totalCarbonate = TotalCarbonate(carbonate, bicarbonate, carbonicAcid);
    v[AE::kTotalCarbonate] = NarrowToFloat(totalCarbonate);
    // A negative pH marks one still to be estimated, not 10 mol/L of hydrogen
    // ion: the water ions join the alkalinity only at a real pH, so that the
    // estimate below starts from the carbonate alone.
    const double waterIons =
        enteredPh < 0.0 ? 0.0
                        : HydroxideConc(enteredPh, ctx.constants.kw, ctx.constants.gammaOH) -
                              HydrogenConc(enteredPh, ctx.constants.gammaH);
    const double alkalinityEq = totalCarbonate + carbonate / kCo3MgPerMol + waterIons;
    v[AE::kAlkalinityEq] = NarrowToFloat(alkalinityEq);
    v[AE::kAlkalinity] = NarrowToFloat(alkalinityEq * kCaCO3MgPerEq);

    const double pH = PhForAlkalinities(ctx);
    StoreAlkalinities(ctx, pH, carbonate, bicarbonate);

    const double h = HydrogenConc(pH, ctx.constants.gammaH);
    const double ct = TotalCarbonate(v[AE::kCarbonate], v[AE::kBicarbonate], v[AE::kAcidity]);
    StoreSplit(v, ct, FractionsAt(h, ctx.constants.k1, ctx.constants.k2));
    return 0;
}

int32_t CalcAlkFromSpecies(CarbonateContext& ctx, float carbonate, float bicarbonate) {
    float* v = ctx.analysis.values;
    v[AE::kCarbonate] = v[AE::kPAlkalinity] = carbonate;
    v[AE::kBicarbonate] = v[AE::kMAlkalinity] = bicarbonate;

    v[AE::kTotalCarbonate] = NarrowToFloat(TotalCarbonate(carbonate, bicarbonate, v[AE::kAcidity]));
    const double alkalinityEq = carbonate / kCo3MgPerEq + bicarbonate / kHco3MgPerMol;
    v[AE::kAlkalinityEq] = NarrowToFloat(alkalinityEq);
    v[AE::kAlkalinity] = NarrowToFloat(alkalinityEq * kCaCO3MgPerEq);

    const double pH = PhForAlkalinities(ctx);
    StoreAlkalinities(ctx, pH, carbonate, bicarbonate);
    return 0;
}

int32_t CalcAlkAtpH(CarbonateContext& ctx, float /*ignored*/, float pH, float carbonate,
                    float bicarbonate, float carbonicAcid, float /*ignored2*/, float /*ignored3*/,
                    float /*ignored4*/, float& result) {
    float& phElement = ctx.analysis.values[AE::kPh];
    const float savedPh = phElement;
    phElement = pH;
    (void)SetCarbonateSpecies(ctx, carbonate, bicarbonate, carbonicAcid);
    phElement = savedPh;
    result =
        NarrowToFloat((static_cast<double>(bicarbonate) - ctx.analysis.values[AE::kBicarbonate]) *
                      50.0445 / 61.0173);
    return 0;
}

int32_t SplitCarbonate(CarbonateContext& ctx, int32_t water, float pH, float carbonate,
                       float bicarbonate, float carbonicAcid, float& carbonateOut,
                       float& bicarbonateOut, float& carbonicAcidOut) {
    // Codes 3 (the mixed water) and 5 (a multi-mix source water) keep no copy of
    // their own: their constants are those of the last reference pass, which is
    // theirs. Code 4 is the surface water, as in the single-water pipeline.
    SavedCarbonateConstants c = ctx.savedConstants[SavedWater::kSurface];
    if (water == 1) c = ctx.savedConstants[SavedWater::kInjection];
    if (water == 2) c = ctx.savedConstants[SavedWater::kFormation];
    if (water == 3 || water == 5)
        c = {ctx.constants.k1, ctx.constants.k2, ctx.constants.kw, ctx.constants.gammaH};

    float* v = ctx.analysis.values;
    const double ct = TotalCarbonate(carbonate, bicarbonate, carbonicAcid);
    v[AE::kPh] = pH;
    StoreSplit(v, ct, FractionsAt(HydrogenConc(pH, c.gammaH), c.k1, c.k2));
    carbonicAcidOut = v[AE::kAcidity];
    bicarbonateOut = v[AE::kBicarbonate];
    carbonateOut = v[AE::kCarbonate];
    return 0;
}
