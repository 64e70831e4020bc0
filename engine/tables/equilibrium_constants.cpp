// Equilibrium constants at the calculation's temperature. Every reaction starts from
// its 25 C constant and enthalpy (van 't Hoff); reactions with a fitted function of
// temperature take that instead (engine/temperature_functions.cpp); Kw comes from
// Marshall and Franck (1981), anhydrite and gypsum have their own branches above
// 40 C. All of it depends on temperature only, so the results of the last two
// temperatures are kept: a calculation normally alternates between its reference
// pass at 25 C and passes at the water's own temperature.
#include "engine/tables/equilibrium_constants.h"

#include <cmath>
#include <cstring>

#include "engine/tables/power_of_ten.h"
#include "engine/tables/temperature_functions.h"
#include "engine/tables/water_properties.h"

double VanHoffFactor(double temperatureK) {
    // (1/T - 1/298.16) / (R ln 10), written as the original expression.
    return (kReferenceTemperatureK - temperatureK) /
           (temperatureK * kReferenceTemperatureK * 2.302585092 * 0.00198719);
}

namespace {

// Anhydrite above 150 C is extrapolated linearly in 1/T through its fitted values at
// 423.16 K and 424.16 K.
constexpr double kAnhydriteLimitK = 423.16;
constexpr double kAnhydriteUpperPointK = 424.16;
constexpr double kAnhydriteInverseSpan = 5.571417207010914e-06;  // 1/423.16 - 1/424.16
// Gypsum above 40 C: log10 K = -4.6 + 874.2156665142874 (1/T - 1/313.16).
constexpr double kGypsumLogKAt40C = -4.6;
constexpr double kGypsumSlope = 874.2156665142874;

constexpr double kLogKOverflow = 308.0;  // 10^308 is the largest finite double

const TemperatureFunction& FunctionOf(int reaction) {
    for (const TemperatureFunction& f : kTemperatureFunctions)
        if (f.reaction == reaction) return f;
    return kTemperatureFunctions[0];  // not reached: both rows are in the table
}

void VanHoffPass(double temperatureK, const ReactionTable& table, double* reactionLogK,
                 double* reactionK) {
    const double factor = VanHoffFactor(temperatureK);
    for (int i = 0; i < kReactionCount; ++i) {
        const double logK = table.logK25[i] - table.deltaH[i] * factor;
        reactionLogK[i] = logK;
        // Past |log K| = 308 the power would overflow; such a constant keeps its value.
        if (std::fabs(logK) < kLogKOverflow) reactionK[i] = Exp10(logK);
    }
}

void AnhydriteAndGypsum(double temperatureK, double* reactionK) {
    const TemperatureFunction& anhydrite = FunctionOf(Reaction::kAnhydrite);
    double logK;
    if (temperatureK <= kAnhydriteLimitK) {
        logK = EvaluateTemperatureFunction(anhydrite, temperatureK);
    } else {
        const double y1 = EvaluateTemperatureFunction(anhydrite, kAnhydriteLimitK);
        const double y2 = EvaluateTemperatureFunction(anhydrite, kAnhydriteUpperPointK);
        logK =
            y1 - (y2 - y1) / kAnhydriteInverseSpan * (1.0 / temperatureK - 1.0 / kAnhydriteLimitK);
    }
    reactionK[Reaction::kAnhydrite] = Exp10(logK);

    if (temperatureK > kFunctionLimitK) {
        reactionK[Reaction::kGypsum] = std::pow(
            10.0, kGypsumLogKAt40C + kGypsumSlope * (1.0 / temperatureK - 1.0 / kFunctionLimitK));
    }
    // Up to 40 C gypsum keeps its fitted function, applied with the others.
}

void ComputeUncached(double temperatureC, double temperatureK, const ReactionTable& table,
                     double* reactionLogK, double* reactionK, WaterConstants& water,
                     float& kwResult) {
    // Water for the activity model.
    water.waterDensityActivity = WaterDensityForActivity(temperatureC);
    water.dielectricConstant = DielectricConstant(temperatureC, temperatureK);
    DebyeHuckelFromProperties(water.waterDensityActivity, water.dielectricConstant, temperatureK,
                              water.debyeA, water.debyeB);

    VanHoffPass(temperatureK, table, reactionLogK, reactionK);

    // The van 't Hoff Kw at 312.16 K and 313.16 K carries the borate constant past 40 C.
    const int kw = Reaction::kWaterIonProduct;
    const double logKw312 =
        table.logK25[kw] - table.deltaH[kw] * VanHoffFactor(kFunctionLowerPointK);
    const double logKw313 = table.logK25[kw] - table.deltaH[kw] * VanHoffFactor(kFunctionLimitK);
    water.kwVanHoff312 = Exp10(logKw312);
    water.kwVanHoff313 = Exp10(logKw313);

    // Barium's pairs, formed before the speciation iterates: BaSO4 from 1e-10 with the
    // enthalpy of the CaSO4 pair; BaCO3 and BaHCO3+ from their linear functions of T.
    water.bariumSulfatePairK =
        Exp10(-10.0 - table.deltaH[Reaction::kCaSO4Pair] * VanHoffFactor(temperatureK));
    water.bariumCarbonatePairK = Exp10(0.113 + 0.008721 * temperatureK);
    water.bariumBicarbonatePairK = Exp10(-3.0938 + 0.013669 * temperatureK);

    ApplyTemperatureFunctions(temperatureK, reactionLogK[kw], logKw312, logKw313, reactionK);

    // The ion product of water from temperature and density. The 25 C entry of the
    // table is left as it is, so no calculation depends on the one before it.
    water.waterDensityKw = WaterDensityForKw(temperatureC);
    const double kwValue = Exp10(LogKwMarshallFranck(temperatureK, water.waterDensityKw));
    reactionK[kw] = kwValue;
    kwResult = static_cast<float>(kwValue);

    AnhydriteAndGypsum(temperatureK, reactionK);
}

// The constants of one temperature, as ComputeUncached left them.
struct CachedTemperature {
    bool valid;
    double temperatureK;
    double temperatureC;
    double reactionLogK[kReactionCount];
    double reactionK[kReactionCount];
    WaterConstants water;
    float kwResult;
};

struct ConstantsCache {
    // The table values the kept results were computed from; when they were last found
    // to be those of the engine's own table, its generation then.
    double logK25[kReactionCount];
    double deltaH[kReactionCount];
    bool ofEngineTable = false;
    uint32_t generation = 0;
    // 0: the 25 C reference pass; the others: the last other temperatures, enough for
    // the seven of a profile or a grid, taken over in turn.
    static constexpr int kSlots = 9;
    CachedTemperature slot[kSlots];
    int nextSlot = 1;
};

ConstantsCache cache;

// Brings the kept table values up to `table`, and drops the kept results when they
// differ. The engine's own table is compared only after a writer raised its
// generation; any other table every time.
void FollowTable(const ReactionTable& table) {
    const bool engineTable = &table == &reactionTable;
    if (engineTable && cache.ofEngineTable && cache.generation == thermoTablesGeneration) return;
    if (std::memcmp(cache.logK25, table.logK25, sizeof cache.logK25) != 0 ||
        std::memcmp(cache.deltaH, table.deltaH, sizeof cache.deltaH) != 0) {
        std::memcpy(cache.logK25, table.logK25, sizeof cache.logK25);
        std::memcpy(cache.deltaH, table.deltaH, sizeof cache.deltaH);
        for (CachedTemperature& kept : cache.slot) kept.valid = false;
    }
    cache.ofEngineTable = engineTable;
    cache.generation = thermoTablesGeneration;
}

}  // namespace

void ComputeConstantsAtTemperature(double temperatureC, double temperatureK,
                                   const ReactionTable& table, double* reactionLogK,
                                   double* reactionK, WaterConstants& water, float& kwResult) {
    FollowTable(table);
    auto holds = [&](const CachedTemperature& kept) {
        return kept.valid && kept.temperatureK == temperatureK && kept.temperatureC == temperatureC;
    };
    int found = -1;
    if (temperatureK == kReferenceTemperatureK) {
        found = 0;
    } else {
        for (int k = 1; k < ConstantsCache::kSlots && found < 0; ++k)
            if (holds(cache.slot[k])) found = k;
        if (found < 0) {
            found = cache.nextSlot;
            cache.nextSlot = found + 1 < ConstantsCache::kSlots ? found + 1 : 1;
        }
    }
    CachedTemperature& slot = cache.slot[found];
    if (!holds(slot)) {
        ComputeUncached(temperatureC, temperatureK, table, reactionLogK, reactionK, water,
                        kwResult);
        slot.valid = true;
        slot.temperatureK = temperatureK;
        slot.temperatureC = temperatureC;
        std::memcpy(slot.reactionLogK, reactionLogK, sizeof slot.reactionLogK);
        std::memcpy(slot.reactionK, reactionK, sizeof slot.reactionK);
        slot.water = water;
        slot.kwResult = kwResult;
        return;
    }
    std::memcpy(reactionLogK, slot.reactionLogK, sizeof slot.reactionLogK);
    std::memcpy(reactionK, slot.reactionK, sizeof slot.reactionK);
    water = slot.water;
    kwResult = slot.kwResult;
}

void FirstActivityCoefficients(double sqrtI, double a, double b, const SpeciesTable& species,
                               SpeciesRecord* state) {
    constexpr int kIons[] = {6, 17, 26, 63};  // HCO3-, CO3-2, OH-, H+
    for (int s : kIons) {
        const double z = species.charge[s];
        state[s].gamma = Exp10(-a * z * z * sqrtI / (1.0 + b * species.ionSize[s] * sqrtI));
    }
}
