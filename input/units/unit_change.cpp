// Converting the stored waters when the units change. Each quantity goes
// through the calculation's own conversion into its base unit (mg/L as the
// species, degrees C, psia, atm, g/mL) and back out by the new unit, so the
// calculation reads the same water before and after.
#include "input/units/unit_change.h"

#include <cstring>
#include <utility>

#include "common/water_analysis.h"
#include "engine/inputs/engine_inputs.h"
#include "engine/inputs/engine_unit_factors.h"
#include "engine/inputs/unit_conversions.h"
#include "engine/records.h"
#include "input/multimix/multimix_input_records.h"
#include "input/records.h"
#include "input/typed_values.h"
#include "input/water_temperature_records.h"
#include "input/waterform/water_form_records.h"
#include "scenarios/multimix/multimix_records.h"

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

// The concentrations the calculation reads as mg/L per unit of their item.
struct ScaledElement {
    int element;
    int item;
};
constexpr ScaledElement kScaled[] = {
    {E::kCalcium, U::kCalcium},
    {E::kMagnesium, U::kMagnesium},
    {E::kSodium, U::kSodium},
    {E::kPotassium, U::kPotassium},
    {E::kIron, U::kIron},
    {E::kAmmonia, U::kAmmonia},
    {E::kAluminum, U::kAluminum},
    {E::kBoron, U::kBoron},
    {E::kChloride, U::kChloride},
    {E::kSulfate, U::kSulfate},
    {E::kH2S, U::kH2S},
    {E::kSilica, U::kSilica},
    {E::kPhosphate, U::kPhosphate},
    {E::kFluoride, U::kFluoride},
    {E::kNitrate, U::kNitrate},
    {E::kStrontium, U::kStrontium},
    {E::kBarium, U::kBarium},
    {E::kLithium, U::kLithium},
    {E::kManganese, U::kManganese},
    {E::kLead, U::kLead},
    {E::kBromine, U::kBromine},
    {E::kZinc, U::kZinc},
    {E::kPolyphosphate, U::kPolyphosphate},
    {E::kOxalate, U::kOxalate},
};

bool Changed(const UnitCodes& before, const UnitCodes& after, int item) {
    return before.code[item] != after.code[item];
}

// value x (base per old unit) / (base per new unit); a new unit without a
// factor leaves the value as it was.
float Rescale(float value, double oldFactor, double newFactor) {
    if (newFactor == 0.0) return value;
    return static_cast<float>(value * oldFactor / newFactor);
}

float ConvertTemperature(float value, unsigned before, unsigned after) {
    EngineInputs in{};
    EngineTemperature(value, before, 1, in);  // any pass past the reference one
    switch (after) {
        case TemperatureUnit::kFahrenheit:
            return static_cast<float>(in.temperatureF);
        case TemperatureUnit::kCelsius:
            return static_cast<float>(in.temperatureC);
        case TemperatureUnit::kKelvin:
            return static_cast<float>(in.temperatureK);
        default:
            return value;
    }
}

float GramsPerMl(float density, unsigned code) {
    return code == 1 ? static_cast<float>(density / kWaterDensityLbsPerGal) : density;
}

// Flows: the calculation multiplies each by its unit's factor.
double FlowFactor(int item, unsigned code) {
    switch (item) {
        case U::kBrineFlow:
            return BrineFlowFactor(code);
        case U::kOilFlow:
            return OilFlowFactor(code);
        default:
            return GasFlowFactor(code);
    }
}

void ConvertTemperaturePair(float (&pair)[2], const UnitCodes& before, const UnitCodes& after) {
    for (float& t : pair)
        t = ConvertTemperature(t, before.code[U::kTemperature], after.code[U::kTemperature]);
}

}  // namespace

void ConvertAnalysisUnits(float* v, const UnitBasis& was, const UnitBasis& now) {
    const UnitCodes& before = was.units;
    const UnitCodes& after = now.units;
    // mg per kg of solution per unit, as the calculation reads each value: mg/L
    // are taken at the water's specific gravity, ppm and epm per kilogram.
    const double density = v[E::kResultScale];
    const double wasPerKg = 1.0 / ResultScaleFactor(density, was.reportingMode);
    const double nowPerKg = 1.0 / ResultScaleFactor(density, now.reportingMode);
    for (const ScaledElement& s : kScaled) {
        const double oldFactor = EntryMgLPerUnit(before, s.item, was.reportingMode) * wasPerKg;
        const double newFactor = EntryMgLPerUnit(after, s.item, now.reportingMode) * nowPerKg;
        if (oldFactor != newFactor) v[s.element] = Rescale(v[s.element], oldFactor, newFactor);
    }
    for (int item : {U::kBrineFlow, U::kOilFlow, U::kGasFlow})
        if (Changed(before, after, item))
            v[E::kBrineFlow + item - U::kBrineFlow] =
                Rescale(v[E::kBrineFlow + item - U::kBrineFlow],
                        FlowFactor(item, before.code[item]), FlowFactor(item, after.code[item]));

    if (Changed(before, after, U::kTemperature))
        v[E::kTemperature] = ConvertTemperature(v[E::kTemperature], before.code[U::kTemperature],
                                                after.code[U::kTemperature]);
    if (Changed(before, after, U::kDensity)) {
        const float grams = GramsPerMl(v[E::kDensity], before.code[U::kDensity]);
        v[E::kDensity] = after.code[U::kDensity] == 1
                             ? static_cast<float>(grams * kWaterDensityLbsPerGal)
                             : grams;
    }
    // The partial pressures in ppm or percent of the gas are read against the
    // total pressure, so they are converted before it.
    const double psia = PressureToPsia(v[E::kPressure], before.code[U::kPressure]);
    const double totalBar = psia * kBarPerPsia;
    constexpr unsigned kFirstShareOfGas = 4;  // ppm in the gas, mole %
    for (const auto& [element, item] :
         {std::pair{E::kPco2, U::kGasCo2}, std::pair{E::kPH2S, U::kGasH2S}}) {
        const bool share =
            before.code[item] >= kFirstShareOfGas || after.code[item] >= kFirstShareOfGas;
        if (Changed(before, after, item) && (totalBar > 0.0 || !share))
            v[element] = static_cast<float>(AtmToPartialPressureUnit(
                PartialPressureToAtm(v[element], before.code[item], totalBar), after.code[item],
                totalBar));
    }
    if (Changed(before, after, U::kPressure))
        v[E::kPressure] = static_cast<float>(PsiaToPressureUnit(psia, after.code[U::kPressure]));
}

float ConvertCorrosionRate(float rate, const UnitCodes& before, const UnitCodes& after) {
    if (CorrosionRateInMpy(before) == CorrosionRateInMpy(after)) return rate;
    const double mpy = CorrosionRateAsMpy(rate, before);
    return static_cast<float>(CorrosionRateInMpy(after) ? mpy : mpy * kMmPerMil);
}

void ConvertStoredWaters(const UnitBasis& was, const UnitBasis& now) {
    const UnitCodes& before = was.units;
    const UnitCodes& after = now.units;
    for (WaterAnalysis* w :
         {&surfaceWater, &injectionWater, &formationWater, &currentAnalysis, &mixedWater})
        ConvertAnalysisUnits(w->values, was, now);
    for (WaterAnalysis& w : multiMixState.sourceWaters) ConvertAnalysisUnits(w.values, was, now);
    for (float* entered : sourceValuesAsEntered)
        if (HoldsEnteredValues(entered)) ConvertAnalysisUnits(entered, was, now);
    ConvertAnalysisUnits(multiMixSnapshot.values, was, now);
    for (float* entered : enteredValues) ConvertAnalysisUnits(entered, was, now);
    ConvertAnalysisUnits(formSnapshot.values, was, now);
    for (auto& pair : waterTemperatures) ConvertTemperaturePair(pair, before, after);
    ConvertTemperaturePair(currentWaterTemperatures, before, after);
    entryTemperature = ConvertTemperature(entryTemperature, before.code[U::kTemperature],
                                          after.code[U::kTemperature]);
    corrosionTarget = ConvertCorrosionRate(corrosionTarget, before, after);
    formSnapshot.corrosionTarget =
        ConvertCorrosionRate(formSnapshot.corrosionTarget, before, after);
}
