// Momentary excess of the minerals: each mineral's solver is given the free-ion
// molalities and its conditional solubility product (written in molalities), and
// returns the amount that leaves the water at once, in mg/L of the mineral.
#include "engine/saturation/mineral_excess.h"

#include <cmath>

#include "engine/saturation/log_products.h"
#include "engine/saturation/momentary_excess.h"
#include "engine/saturation/saturation_ratios.h"
#include "engine/tables/power_of_ten.h"

namespace {

// Molar masses of the minerals (g/mol), with the atomic weights of the species table.
constexpr double kCaCO3Mass = 100.0892;
constexpr double kBaCO3Mass = 197.3492;
constexpr double kFeCO3Mass = 115.8562;
constexpr double kMgCO3Mass = 84.3142;
constexpr double kCaSO4Mass = 136.14;
constexpr double kGypsumMass = 154.16;
constexpr double kBaSO4Mass = 233.4;
constexpr double kSrSO4Mass = 183.68;
constexpr double kCalciumPhosphateMass = 310.183;
constexpr double kStrengiteMass = 150.81836;
constexpr double kBruciteMass = 58.32674;
constexpr double kIronHydroxideMass = 106.86911;
constexpr double kSilicaMass = 61.8331;
constexpr double kFluoriteMass = 78.0796;
constexpr double kSrCO3Mass = 147.6292;
constexpr double kFeSMass = 87.911;
constexpr double kThenarditeMass = 142.0412;
constexpr double kHaliteMass = 58.4428;
constexpr double kCalciumOxalateMass = 128.0976;
constexpr double kMagnesiumSilicateMass = 100.3962;

double Log(double x) {
    return std::log10(x);
}

}  // namespace

double PairKc(const SpeciatedWater& w, int reaction, int cation, int anion) {
    return w.K(reaction) / (w.G(cation) * w.G(anion));
}

void CalcMineralExcesses(const SpeciatedWater& w, double fluoriteRatio,
                         double (&excess)[kMineralExcessCount]) {
    using namespace ExcessEntry;
    const double f = w.massFactor;
    const double mCa = w.M(Ion::kCa);
    const double mSO4 = w.M(Ion::kSO4);
    const double mOH = w.M(Ion::kOH);
    const double aw = w.waterActivity;
    const double logAw = w.logWaterActivity;

    // One cation with carbonate or sulfate.
    struct Pair {
        int entry;
        int cation;
        int anion;
        int reaction;
        double mass;
    };
    static constexpr Pair kPairs[] = {
        {kCalcite, Ion::kCa, Ion::kCO3, Rx::kCalcite, kCaCO3Mass},
        {kAragonite, Ion::kCa, Ion::kCO3, Rx::kAragonite, kCaCO3Mass},
        {kWitherite, Ion::kBa, Ion::kCO3, Rx::kWitherite, kBaCO3Mass},
        {kSiderite, Ion::kFe, Ion::kCO3, Rx::kSiderite, kFeCO3Mass},
        {kMagnesite, Ion::kMg, Ion::kCO3, Rx::kMagnesite, kMgCO3Mass},
        {kAnhydrite, Ion::kCa, Ion::kSO4, Rx::kAnhydrite, kCaSO4Mass},
        {kBarite, Ion::kBa, Ion::kSO4, Rx::kBarite, kBaSO4Mass},
        {kCelestite, Ion::kSr, Ion::kSO4, Rx::kCelestite, kSrSO4Mass},
        {kStrontianite, Ion::kSr, Ion::kCO3, Rx::kStrontianite, kSrCO3Mass},
    };
    for (const Pair& p : kPairs)
        CalcExcess11(w.M(p.cation), w.M(p.anion), PairKc(w, p.reaction, p.cation, p.anion), p.mass,
                     f, excess[p.entry]);

    // Gypsum carries its two waters of hydration in the constant.
    CalcExcess11(mCa, mSO4, PairKc(w, Rx::kGypsum, Ion::kCa, Ion::kSO4) / (aw * aw), kGypsumMass, f,
                 excess[kGypsum]);

    CalcExcess21(mCa, w.M(Ion::kPO4), 3, 2,
                 kCalciumPhosphateLogK - Log10OfPowers<3, 2>(w.G(Ion::kCa), w.G(Ion::kPO4)),
                 kCalciumPhosphateMass, f, excess[kCalciumPhosphate]);

    CalcExcess3(mCa, w.M(Ion::kHPO4) / aw, mOH, 5, 3, 4,
                Log10OfPowers<1, -5, -3, -4>(w.K(Rx::kHydroxyapatite), w.G(Ion::kCa),
                                             w.G(Ion::kHPO4), w.G(Ion::kOH)) +
                    3.0 * logAw,
                kCalciumPhosphateMass, f, excess[kHydroxyapatite]);

    CalcExcess11(w.M(Ion::kFe3), w.M(Ion::kPO4),
                 PairKc(w, Rx::kStrengite, Ion::kFe3, Ion::kPO4) / (aw * aw), kStrengiteMass, f,
                 excess[kStrengite]);

    const double gOH = w.G(Ion::kOH);
    CalcExcess21(w.M(Ion::kMg), mOH, 1, 2, Log(w.K(Rx::kBrucite) / (w.G(Ion::kMg) * gOH * gOH)),
                 kBruciteMass, f, excess[kBrucite]);

    // Fe(OH)3 + 3 H+ = Fe3+ + 3 H2O: the second amount is 1 / m(H+) = 10^pH g(H+),
    // taken three times per formula unit, so that the excess and the saturation
    // ratio agree on when the water is saturated.
    const double gH = w.G(Ion::kH);
    CalcExcess21(w.M(Ion::kFe3), Exp10(w.ph) * gH, 1, 3,
                 Log(w.K(Rx::kIronHydroxide) * gH * gH * gH / (w.G(Ion::kFe3) * aw * aw * aw)),
                 kIronHydroxideMass, f, excess[kIronHydroxide]);

    // Amorphous silica has one dissolved species: the excess is direct.
    excess[kAmorphousSilica] = (w.A(Ion::kH4SiO4) - w.K(Rx::kAmorphousSilica) * aw * aw) /
                               w.G(Ion::kH4SiO4) * kSilicaMass * f;

    if (fluoriteRatio == 1.0) {
        excess[kFluorite] = 0.0;
    } else {
        const double gF = w.G(Ion::kF);
        CalcExcess21(mCa, w.M(Ion::kF), 1, 2,
                     Log10OfPowers<1, -1, -2>(w.K(Rx::kFluorite), w.G(Ion::kCa), gF), kFluoriteMass,
                     f, excess[kFluorite]);
    }

    // Mackinawite works on activities against the constant at the water's pH.
    CalcExcess11(w.A(Ion::kFe), w.A(Ion::kHS),
                 PairKc(w, Rx::kMackinawite, Ion::kFe, Ion::kHS) * Exp10(-w.ph), kFeSMass, f,
                 excess[kMackinawite]);

    const double gNa = w.G(Ion::kNa);
    CalcExcess21(mSO4, w.M(Ion::kNa), 1, 2,
                 Log(w.K(Rx::kThenardite) / (w.G(Ion::kSO4) * gNa * gNa)), kThenarditeMass, f,
                 excess[kThenardite]);

    CalcExcess11(w.M(Ion::kNa), w.M(Ion::kCl), PairKc(w, Rx::kHalite, Ion::kCl, Ion::kNa),
                 kHaliteMass, f, excess[kHalite]);

    CalcExcess11(mCa, w.oxalate, kCalciumOxalateK / (w.oxalateGamma * w.G(Ion::kCa)),
                 kCalciumOxalateMass, f, excess[kCalciumOxalate]);

    const double gSi = w.G(Ion::kH4SiO4);
    CalcExcess3(w.M(Ion::kMg), w.M(Ion::kH4SiO4), mOH, 1, 1, 2,
                Log(w.K(Rx::kMagnesiumSilicate) / (w.G(Ion::kMg) * gSi * gOH * gOH)) - 3.0 * logAw,
                kMagnesiumSilicateMass, f, excess[kMagnesiumSilicate]);
}
