// The results pass: computes every value in double precision, then stores each in
// its record, through ClampToFloat where the value is a ratio, index or mass
// concentration, and as a plain single-precision value where the record keeps the
// raw number (the second carbonate family and the calcium oxalate pair).
#include "engine/saturation/results_pass.h"

#include <cmath>
#include <initializer_list>

#include "common/index_code.h"
#include "engine/carbonate/carbonate_state.h"
#include "engine/inputs/conductivity.h"
#include "engine/inputs/ion_sums.h"
#include "engine/saturation/mineral_excess.h"
#include "engine/saturation/momentary_excess.h"
#include "engine/saturation/plain_store.h"
#include "engine/saturation/result_concentrations.h"
#include "engine/saturation/saturation_ratios.h"
#include "engine/saturation/scaling_indices.h"
#include "engine/saturation/zinc_minerals.h"
#include "engine/tables/power_of_ten.h"

namespace {

constexpr double kCaCO3PerEquivalent = 50.0445;
constexpr double kCarbonicAcidMass = 62.0253;
// A final pH further than this from the starting pH is written back to the analysis.
constexpr double kPhWriteBack = 0.01;

// Slots stored through ClampToFloat, in the order they are written.
constexpr int kClampedSlots[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 36, 37, 38, 39, 40,
                                 41, 42, 43, 27, 28, 29, 30, 34, 35, 32, 44, 45, 47, 31, 33};

}  // namespace

const FamilyCarbonate kFamilyCarbonates[kFamilyCarbonateCount] = {
    {60, 61, Ion::kCa, Rx::kCalcite, 100.0892, &SpeciatedWater::calciumTotal},
    {58, 59, Ion::kCa, Rx::kAragonite, 100.0892, &SpeciatedWater::calciumTotal},
    {57, 56, Ion::kBa, Rx::kWitherite, 197.3492, &SpeciatedWater::bariumTotal},
    {55, 54, Ion::kFe, Rx::kSiderite, 115.8562, &SpeciatedWater::ironTotal},
    {53, 52, Ion::kMg, Rx::kMagnesite, 84.3142, &SpeciatedWater::magnesiumTotal},
    {51, 50, Ion::kSr, Rx::kStrontianite, 147.6292, &SpeciatedWater::strontiumTotal},
};

double FamilyKc(const SpeciatedWater& w, const FamilyCarbonate& c) {
    return w.K(c.reaction) / (w.G(c.cation) * w.G(Ion::kCO3));
}

void RunResultsPass(const SpeciatedWater& w, const CarbonateSolverValues& solvers,
                    const IonSums& sums, ResultsPassRecords& out) {
    using namespace AnalysisElement;
    double slots[64] = {};
    CalcMineralRatios(w, slots);
    CalcConcentrationSlots(w, slots);
    const double alkalinityAsCaCO3 = slots[28];
    const ScalingIndices indices = CalcScalingIndices(w, alkalinityAsCaCO3);
    slots[IndexCode::kLangelier] = indices.langelier;
    slots[IndexCode::kRyznar] = indices.ryznar;
    slots[IndexCode::kPuckorius] = indices.puckorius;
    slots[IndexCode::kLarsonSkold] = indices.larsonSkold;
    slots[IndexCode::kStiffDavis] = indices.stiffDavis;
    slots[IndexCode::kOddoTomson] = indices.oddoTomson;
    slots[33] = CationAnionRatio(sums);
    slots[35] = sums.tds;
    slots[34] = CalcBufferIntensity(w);

    double excess[kMineralExcessCount];
    CalcMineralExcesses(w, slots[IndexCode::kFluorite], excess);

    // The second carbonate family: the precipitation potentials, and the excess of
    // each carbonate from the cation's analytical total and the carbonate total.
    for (int i = 0; i < kFamilyCarbonateCount; ++i) {
        const FamilyCarbonate& c = kFamilyCarbonates[i];
        slots[c.solverSlot] = solvers.potential[i];
        CalcExcess11(w.*c.total, w.carbonateTotal, FamilyKc(w, c), c.molarMass, w.massFactor,
                     slots[c.excessSlot]);
    }

    out.zinc = CalcZincPhosphateMinerals(w);
    for (double* field :
         {&out.zinc.calciumPyrophosphateExcess, &out.zinc.calciumPyrophosphateRatio,
          &out.zinc.zincHydroxideExcess, &out.zinc.zincCarbonateExcess,
          &out.zinc.zincPhosphateExcess, &out.zinc.zincPyrophosphateExcess,
          &out.zinc.zincHydroxideRatio, &out.zinc.zincCarbonateRatio, &out.zinc.zincPhosphateRatio,
          &out.zinc.zincPyrophosphateRatio, &out.zinc.dissolvedZinc, &out.zinc.dissolvedZincCopy})
        *field = FiniteOrBound(*field);

    out.oxalate.excess = ClampToFloat(excess[ExcessEntry::kCalciumOxalate]);
    out.oxalate.ratio = PlainToFloat(slots[IndexCode::kCalciumOxalate]);
    out.waterActivity = ClampToFloat(w.waterActivity);

    // The momentary excess carries the result scale factor of element 44 (1.0 when
    // it is 0, which is written back). The not-applicable bound (1e37) stays
    // the bound, and no scaled excess passes it: a record holds nothing
    // beyond what the engine bounds its values with.
    float* v = out.analysis.values;
    if (v[kResultScale] == 0.0f) v[kResultScale] = 1.0f;
    const double scale = v[kResultScale];
    for (int i = 0; i < kMineralExcessCount; ++i) {
        const float stored =
            i == ExcessEntry::kCalciumOxalate ? out.oxalate.excess : ClampToFloat(excess[i]);
        out.excess[i] = PlainToFloat(WithinBound(static_cast<double>(stored) * scale));
    }
    for (int i = kMineralExcessCount; i < 38; ++i) out.excess[i] = 0.0f;

    if (std::fabs(w.ph - w.startPh) > kPhWriteBack) {
        v[kPh] = PlainToFloat(w.ph);
        v[kCompanionPh] = -1.0f;
    }

    const float calciumSilicate = PlainToFloat(CalcCalciumSilicateRatio(w));
    out.calciumSilicate = calciumSilicate;
    out.calciumSilicateCopy = calciumSilicate;

    for (int slot : kClampedSlots) out.saturation[slot] = ClampToFloat(slots[slot]);

    const double f = w.massFactor;
    out.carbonate.dissolvedCarbonicAcid = PlainToFloat(w.M(Ion::kCO2) * kCarbonicAcidMass * f);
    // The carbonic acid in equilibrium with the pass's bicarbonate at its pH,
    // a(CO2) = a(HCO3-) / (K1 10^pH), and the CO2 partial pressure over it. A
    // pass that was given its CO2 (a what-if point) keeps that amount in the
    // speciation; these are what the water holds at the point's own pH.
    const double k1 = w.K(Rx::kCarbonicAcid1);
    const double co2Activity = k1 > 0.0 ? w.A(Ion::kHCO3) / (k1 * Exp10(w.ph)) : 0.0;
    const double co2Molality = w.G(Ion::kCO2) > 0.0 ? co2Activity / w.G(Ion::kCO2) : 0.0;
    out.carbonate.equilibriumCarbonicAcid =
        w.G(Ion::kCO2) > 0.0 ? PlainToFloat(co2Molality * kCarbonicAcidMass * f) : 0.0f;
    // The acidity the point shows is that of the same carbonic acid, so that
    // it follows the dissolved CO2 the point shows beside it.
    const double acidity = CarbonateAcidity(w) + 2.0 * (co2Molality - w.M(Ion::kCO2));
    out.carbonate.acidityAsCaCO3 =
        PlainToFloat(static_cast<double>(ClampToFloat(acidity)) * kCaCO3PerEquivalent * f);
    out.carbonate.pco2Atm = PlainToFloat(co2Activity * Exp10(w.co2SolubilityLog));

    for (int slot : {60, 61, 58, 59, 57, 56, 55, 54, 53, 52, 51, 50})
        out.saturation[slot] = PlainToFloat(slots[slot]);
    out.saturation[IndexCode::kCalciumOxalate] = out.oxalate.ratio;
    out.saturation[63] = out.oxalate.excess;

    v[kConductivity] = ClampToFloat(CalcConductivity(w, sums.tds));
}
