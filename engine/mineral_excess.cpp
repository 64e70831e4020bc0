// Momentary excess of the minerals: each mineral's solver is given the free-ion
// molalities and its conditional solubility product (written in molalities), and
// returns the amount that leaves the water at once, in mg/L of the mineral.
#include "engine/mineral_excess.h"

#include <cmath>

#include "engine/momentary_excess.h"
#include "engine/saturation_ratios.h"

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

double PairLogKc(const SpeciatedWater& w, int reaction, int cation, int anion) {
    return Log(w.K(reaction) / (w.G(cation) * w.G(anion)));
}

void CalcMineralExcesses(const SpeciatedWater& w, double fluoriteRatio,
                         double (&excess)[kMineralExcessCount]) {
    using namespace ExcessEntry;
    const double f = w.massFactor;
    const double mCa = w.M(Sp::kCa);
    const double mSO4 = w.M(Sp::kSO4);
    const double mOH = w.M(Sp::kOH);
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
        {kCalcite, Sp::kCa, Sp::kCO3, Rx::kCalcite, kCaCO3Mass},
        {kAragonite, Sp::kCa, Sp::kCO3, Rx::kAragonite, kCaCO3Mass},
        {kWitherite, Sp::kBa, Sp::kCO3, Rx::kWitherite, kBaCO3Mass},
        {kSiderite, Sp::kFe, Sp::kCO3, Rx::kSiderite, kFeCO3Mass},
        {kMagnesite, Sp::kMg, Sp::kCO3, Rx::kMagnesite, kMgCO3Mass},
        {kAnhydrite, Sp::kCa, Sp::kSO4, Rx::kAnhydrite, kCaSO4Mass},
        {kBarite, Sp::kBa, Sp::kSO4, Rx::kBarite, kBaSO4Mass},
        {kCelestite, Sp::kSr, Sp::kSO4, Rx::kCelestite, kSrSO4Mass},
        {kStrontianite, Sp::kSr, Sp::kCO3, Rx::kStrontianite, kSrCO3Mass},
    };
    for (const Pair& p : kPairs)
        CalcExcess11(w.M(p.cation), w.M(p.anion), PairLogKc(w, p.reaction, p.cation, p.anion),
                     p.mass, f, excess[p.entry]);

    // Gypsum carries its two waters of hydration in the constant.
    CalcExcess11(mCa, mSO4, PairLogKc(w, Rx::kGypsum, Sp::kCa, Sp::kSO4) - 2.0 * logAw, kGypsumMass,
                 f, excess[kGypsum]);

    CalcExcess21(mCa, w.M(Sp::kPO4), 3, 2,
                 kCalciumPhosphateLogK - 3.0 * Log(w.G(Sp::kCa)) - 2.0 * Log(w.G(Sp::kPO4)),
                 kCalciumPhosphateMass, f, excess[kCalciumPhosphate]);

    CalcExcess3(mCa, w.M(Sp::kHPO4) / aw, mOH, 5, 3, 4,
                LogK(w, Rx::kHydroxyapatite) - 5.0 * Log(w.G(Sp::kCa)) -
                    3.0 * (Log(w.G(Sp::kHPO4)) - logAw) - 4.0 * Log(w.G(Sp::kOH)),
                kCalciumPhosphateMass, f, excess[kHydroxyapatite]);

    CalcExcess11(w.M(Sp::kFe3), w.M(Sp::kPO4),
                 PairLogKc(w, Rx::kStrengite, Sp::kFe3, Sp::kPO4) - 2.0 * logAw, kStrengiteMass, f,
                 excess[kStrengite]);

    const double gOH = w.G(Sp::kOH);
    CalcExcess21(w.M(Sp::kMg), mOH, 1, 2, Log(w.K(Rx::kBrucite) / (w.G(Sp::kMg) * gOH * gOH)),
                 kBruciteMass, f, excess[kBrucite]);

    // Fe(OH)3 + 3 H+ = Fe3+ + 3 H2O: the second amount is 1 / m(H+) = 10^pH g(H+),
    // taken three times per formula unit, so that the excess and the saturation
    // ratio agree on when the water is saturated.
    const double gH = w.G(Sp::kH);
    CalcExcess21(w.M(Sp::kFe3), std::pow(10.0, w.ph) * gH, 1, 3,
                 Log(w.K(Rx::kIronHydroxide) * gH * gH * gH / (w.G(Sp::kFe3) * aw * aw * aw)),
                 kIronHydroxideMass, f, excess[kIronHydroxide]);

    // Amorphous silica has one dissolved species: the excess is direct.
    excess[kAmorphousSilica] = (w.A(Sp::kH4SiO4) - w.K(Rx::kAmorphousSilica) * aw * aw) /
                               w.G(Sp::kH4SiO4) * kSilicaMass * f;

    if (fluoriteRatio == 1.0) {
        excess[kFluorite] = 0.0;
    } else {
        const double gF = w.G(Sp::kF);
        CalcExcess21(mCa, w.M(Sp::kF), 1, 2,
                     LogK(w, Rx::kFluorite) - Log(w.G(Sp::kCa)) - 2.0 * Log(gF), kFluoriteMass, f,
                     excess[kFluorite]);
    }

    // Mackinawite works on activities against the constant at the water's pH.
    CalcExcess11(w.A(Sp::kFe), w.A(Sp::kHS),
                 PairLogKc(w, Rx::kMackinawite, Sp::kFe, Sp::kHS) - w.ph, kFeSMass, f,
                 excess[kMackinawite]);

    const double gNa = w.G(Sp::kNa);
    CalcExcess21(mSO4, w.M(Sp::kNa), 1, 2, Log(w.K(Rx::kThenardite) / (w.G(Sp::kSO4) * gNa * gNa)),
                 kThenarditeMass, f, excess[kThenardite]);

    CalcExcess11(w.M(Sp::kNa), w.M(Sp::kCl), PairLogKc(w, Rx::kHalite, Sp::kCl, Sp::kNa),
                 kHaliteMass, f, excess[kHalite]);

    CalcExcess11(mCa, w.oxalate, Log(kCalciumOxalateK / (w.oxalateGamma * w.G(Sp::kCa))),
                 kCalciumOxalateMass, f, excess[kCalciumOxalate]);

    const double gSi = w.G(Sp::kH4SiO4);
    CalcExcess3(w.M(Sp::kMg), w.M(Sp::kH4SiO4), mOH, 1, 1, 2,
                Log(w.K(Rx::kMagnesiumSilicate) / (w.G(Sp::kMg) * gSi * gOH * gOH)) - 3.0 * logAw,
                kMagnesiumSilicateMass, f, excess[kMagnesiumSilicate]);
}
