// Saturation ratios of the minerals. The constants are those of the engine's
// reaction table at the water's temperature and pressure, each in the basis of the
// ratio that uses it (the hydroxide minerals with OH-, iron hydroxide and
// mackinawite with H+). Guarded ratios are 0 when an ion they need is absent; the
// others take the quotient as it comes and the store clamps it.
#include "engine/saturation/saturation_ratios.h"

#include <cmath>

#include "common/index_code.h"
#include "engine/saturation/log_products.h"
#include "engine/tables/power_of_ten.h"

namespace {

// a(cation) a(anion) / K.
double PairRatio(const SpeciatedWater& w, int cation, int anion, int reaction) {
    return w.A(cation) * w.A(anion) / w.K(reaction);
}

}  // namespace

double LogK(const SpeciatedWater& w, int reaction) {
    return std::log10(w.K(reaction));
}

void CalcMineralRatios(const SpeciatedWater& w, double* slots) {
    using namespace IndexCode;
    const double aCa = w.A(Ion::kCa);
    const double aCO3 = w.A(Ion::kCO3);
    const double aSO4 = w.A(Ion::kSO4);
    const double aPO4 = w.A(Ion::kPO4);
    const double aOH = w.A(Ion::kOH);
    const double aw = w.waterActivity;
    const double aw2 = aw * aw;

    const bool calciteIons = aCa * aCO3 > 0.0;
    slots[kCalcite] = calciteIons ? aCa * aCO3 / w.K(Rx::kCalcite) : 0.0;
    slots[kAragonite] = calciteIons ? aCa * aCO3 / w.K(Rx::kAragonite) : 0.0;
    slots[kAmorphousSilica] = w.A(Ion::kH4SiO4) / (w.K(Rx::kAmorphousSilica) * aw2);
    slots[kCalciumPhosphate] = (aCa > 0.0 && aPO4 > 0.0)
                                   ? Exp10(Log10OfPowers<3, 2>(aCa, aPO4) - kCalciumPhosphateLogK)
                                   : 0.0;
    slots[kAnhydrite] = (aCa > 0.0 && aSO4 > 0.0) ? aCa * aSO4 / w.K(Rx::kAnhydrite) : 0.0;
    slots[kGypsum] = aCa * aSO4 * aw2 / w.K(Rx::kGypsum);
    slots[kBrucite] = w.A(Ion::kMg) * aOH * aOH / w.K(Rx::kBrucite);
    slots[kStrontianite] = PairRatio(w, Ion::kSr, Ion::kCO3, Rx::kStrontianite);
    const double aF = w.A(Ion::kF);
    slots[kFluorite] =
        (aCa > 0.0 && aF > 0.0) ? Exp10(Log10OfPowers<1, 2, -1>(aCa, aF, w.K(Rx::kFluorite))) : 0.0;
    slots[kBarite] = PairRatio(w, Ion::kBa, Ion::kSO4, Rx::kBarite);
    slots[kWitherite] = PairRatio(w, Ion::kBa, Ion::kCO3, Rx::kWitherite);
    // Fe(OH)3 + 3 H+ = Fe3+ + 3 H2O.
    slots[kIronHydroxide] =
        w.A(Ion::kFe3) * Exp10(3.0 * (w.ph + w.logWaterActivity)) / w.K(Rx::kIronHydroxide);
    slots[kSiderite] = PairRatio(w, Ion::kFe, Ion::kCO3, Rx::kSiderite);
    slots[kMagnesite] = PairRatio(w, Ion::kMg, Ion::kCO3, Rx::kMagnesite);
    slots[kStrengite] = w.A(Ion::kFe3) * aPO4 * aw2 / w.K(Rx::kStrengite);
    slots[kHalite] = PairRatio(w, Ion::kNa, Ion::kCl, Rx::kHalite);

    // Ca5(PO4)3OH + 3 H2O = 5 Ca2+ + 3 HPO4 2- + 4 OH-.
    const double aHPO4 = w.A(Ion::kHPO4);
    if (aCa > 0.0 && aHPO4 > 0.0) {
        const double d = Log10OfPowers<3, 5, 4, -1>(aHPO4, aCa, aOH, w.K(Rx::kHydroxyapatite)) -
                         3.0 * w.logWaterActivity;
        slots[kHydroxyapatite] = d >= 30.0 ? kHydroxyapatiteCeiling : Exp10(d);
    } else {
        slots[kHydroxyapatite] = 0.0;
    }
    slots[kCelestite] = PairRatio(w, Ion::kSr, Ion::kSO4, Rx::kCelestite);

    // FeS + H+ = Fe2+ + HS-, written with the conditional constant at the water's pH.
    const double gFe = w.G(Ion::kFe);
    const double gHS = w.G(Ion::kHS);
    slots[kMackinawite] =
        w.A(Ion::kFe) * w.A(Ion::kHS) / (w.K(Rx::kMackinawite) / (gFe * gHS) * Exp10(-w.ph));

    const double aNa = w.A(Ion::kNa);
    const double gNa = w.G(Ion::kNa);
    slots[kThenardite] = aNa * aNa * aSO4 / (w.K(Rx::kThenardite) / (w.G(Ion::kSO4) * gNa * gNa));

    // MgSiO3 + 3 H2O = Mg2+ + H4SiO4 + 2 OH-.
    slots[kMagnesiumSilicate] =
        w.A(Ion::kMg) * w.A(Ion::kH4SiO4) * aOH * aOH / (w.K(Rx::kMagnesiumSilicate) * aw2 * aw);

    slots[kCalciumOxalate] = w.oxalate * w.oxalateGamma * aCa / kCalciumOxalateK;
}

double CalcCalciumSilicateRatio(const SpeciatedWater& w) {
    const double t = w.temperatureK;
    const double logK = -(7068.0 / (1.987 * t) + 3.58 - 0.006 * t);
    const double aCa = w.A(Ion::kCa);
    const double aSi = w.A(Ion::kH4SiO4);
    const double aOH = w.A(Ion::kOH);
    const double aw = w.waterActivity;
    if (!(aCa > 0.0) || !(aSi > 0.0) || !(aOH > 0.0) || !(aw > 0.0)) return 0.0;
    return aCa * aSi * aOH * aOH / (Exp10(logK) * aw * aw * aw);
}
