// Converting the stored waters when the units change. Each quantity goes
// through the calculation's own conversion into its base unit (mg per kilogram
// as the species, the alkalinity as CaCO3, degrees C, psia, atm, g/mL) and back
// out by the new unit, so the calculation reads the same water before and after.
#include "input/units/unit_change.h"

#include <cstring>
#include <map>
#include <utility>

#include "common/water_analysis.h"
#include "engine/inputs/engine_inputs.h"
#include "engine/inputs/engine_unit_factors.h"
#include "engine/inputs/unit_conversions.h"
#include "engine/records.h"
#include "input/multimix/multimix_fields.h"
#include "input/multimix/multimix_input_records.h"
#include "input/records.h"
#include "input/typed_values.h"
#include "input/water_temperature_records.h"
#include "input/waterform/water_form_records.h"
#include "scenarios/multimix/multimix_records.h"

double ConvertTemperature(double value, unsigned before, unsigned after) {
    EngineInputs in{};
    EngineTemperature(value, before, 1, in);  // any pass past the reference one
    switch (after) {
        case TemperatureUnit::kFahrenheit:
            return in.temperatureF;
        case TemperatureUnit::kCelsius:
            return in.temperatureC;
        case TemperatureUnit::kKelvin:
            return in.temperatureK;
        default:
            return value;
    }
}

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
double Rescale(double value, double oldFactor, double newFactor) {
    if (newFactor == 0.0) return value;
    return value * oldFactor / newFactor;
}

double GramsPerMl(double density, unsigned code) {
    return code == 1 ? density / kWaterDensityLbsPerGal : density;
}

void ConvertTemperaturePair(float (&pair)[2], const UnitCodes& before, const UnitCodes& after) {
    for (float& t : pair)
        t = static_cast<float>(
            ConvertTemperature(t, before.code[U::kTemperature], after.code[U::kTemperature]));
}

// The total (M) and phenolphthalein (P) alkalinity in mg per kilogram as CaCO3,
// as the calculation reads them: the species of mode 2 split as its mode 1 does,
// bicarbonate M - 2P and carbonate 2P.
constexpr double kCaCO3MolarMass = 2.0 * kCaCO3MgPerMeq;
struct AlkalinityAsCaCO3 {
    double m, p;
};
AlkalinityAsCaCO3 ToCaCO3(double m, double p, uint16_t mode) {
    if (mode == 2) {
        const double carbonate = p * kCaCO3MolarMass / (2.0 * kCarbonateMolarMass);
        return {m * kCaCO3MgPerMeq / kBicarbonateMolarMass + 2.0 * carbonate, carbonate};
    }
    const double perUnit = AlkalinityCaCO3PerUnit(mode);
    return {m * perUnit, p * perUnit};
}
AlkalinityAsCaCO3 FromCaCO3(const AlkalinityAsCaCO3& a, uint16_t mode) {
    if (mode == 2)
        return {(a.m - 2.0 * a.p) * kBicarbonateMolarMass / kCaCO3MgPerMeq,
                a.p * 2.0 * kCarbonateMolarMass / kCaCO3MolarMass};
    const double perUnit = AlkalinityCaCO3PerUnit(mode);
    return {a.m / perUnit, a.p / perUnit};
}
bool ConvertibleMode(uint16_t mode) {
    return mode == 2 || AlkalinityCaCO3PerUnit(mode) > 0.0;
}

// The M and P alkalinity and the total alkalinity as CaCO3 beside them. The
// species given (mode 3) name other quantities: only a change of reporting
// basis within that mode rescales them.
void ConvertAlkalinity(double* v, const UnitBasis& was, const UnitBasis& now, double wasPerKg,
                       double nowPerKg) {
    if (was.alkalinityMode == now.alkalinityMode && wasPerKg == nowPerKg) return;
    if (was.alkalinityMode == 3 && now.alkalinityMode == 3) {
        for (int e : {E::kMAlkalinity, E::kPAlkalinity, E::kAlkalinity})
            v[e] = v[e] * wasPerKg / nowPerKg;
        return;
    }
    if (!ConvertibleMode(was.alkalinityMode) || !ConvertibleMode(now.alkalinityMode)) return;
    AlkalinityAsCaCO3 a = ToCaCO3(v[E::kMAlkalinity], v[E::kPAlkalinity], was.alkalinityMode);
    a = {a.m * wasPerKg / nowPerKg, a.p * wasPerKg / nowPerKg};
    const AlkalinityAsCaCO3 fields = FromCaCO3(a, now.alkalinityMode);
    v[E::kMAlkalinity] = fields.m;
    v[E::kPAlkalinity] = fields.p;
    v[E::kAlkalinity] = a.m;
}

// The conversion itself, in double precision.
void ConvertValues(double* v, const UnitBasis& was, const UnitBasis& now) {
    const UnitCodes& before = was.units;
    const UnitCodes& after = now.units;
    // mg per kg of solution per unit, as the calculation reads each value: mg/L
    // are taken at the water's specific gravity, ppm and epm per kilogram.
    const double density = v[E::kResultScale];
    for (const ScaledElement& s : kScaled) {
        const double oldFactor = EntryMgLPerUnit(before, s.item, was.reportingMode) *
                                 EntryPerKilogram(before, s.item, density, was.reportingMode);
        const double newFactor = EntryMgLPerUnit(after, s.item, now.reportingMode) *
                                 EntryPerKilogram(after, s.item, density, now.reportingMode);
        if (oldFactor != newFactor) v[s.element] = Rescale(v[s.element], oldFactor, newFactor);
    }
    ConvertAlkalinity(v, was, now,
                      EntryPerKilogram(before, U::kMAlkalinity, density, was.reportingMode),
                      EntryPerKilogram(after, U::kMAlkalinity, density, now.reportingMode));
    for (int item : {U::kBrineFlow, U::kOilFlow, U::kGasFlow})
        if (Changed(before, after, item))
            v[E::kBrineFlow + item - U::kBrineFlow] = Rescale(
                v[E::kBrineFlow + item - U::kBrineFlow], FlowUnitFactor(item, before.code[item]),
                FlowUnitFactor(item, after.code[item]));

    if (Changed(before, after, U::kTemperature))
        v[E::kTemperature] = ConvertTemperature(v[E::kTemperature], before.code[U::kTemperature],
                                                after.code[U::kTemperature]);
    if (Changed(before, after, U::kDensity)) {
        const double grams = GramsPerMl(v[E::kDensity], before.code[U::kDensity]);
        v[E::kDensity] = after.code[U::kDensity] == 1 ? grams * kWaterDensityLbsPerGal : grams;
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
            v[element] = AtmToPartialPressureUnit(
                PartialPressureToAtm(v[element], before.code[item], totalBar), after.code[item],
                totalBar);
    }
    if (Changed(before, after, U::kPressure))
        v[E::kPressure] = PsiaToPressureUnit(psia, after.code[U::kPressure]);
}

// The elements a change of units may rewrite.
bool Converted(int e) {
    for (const ScaledElement& s : kScaled)
        if (s.element == e) return true;
    switch (e) {
        case E::kAlkalinity:
        case E::kMAlkalinity:
        case E::kPAlkalinity:
        case E::kBrineFlow:
        case E::kOilFlow:
        case E::kGasFlow:
        case E::kTemperature:
        case E::kDensity:
        case E::kPco2:
        case E::kPH2S:
        case E::kPressure:
            return true;
        default:
            return false;
    }
}
bool IsAlkalinity(int e) {
    return e == E::kAlkalinity || e == E::kMAlkalinity || e == E::kPAlkalinity;
}

// A unit basis held by value.
struct KeptBasis {
    UnitCodes units{};
    uint16_t reportingMode = 0;
    uint16_t alkalinityMode = 0;
    KeptBasis() = default;
    explicit KeptBasis(const UnitBasis& b)
        : units(b.units), reportingMode(b.reportingMode), alkalinityMode(b.alkalinityMode) {}
    UnitBasis View() const { return UnitBasis{units, reportingMode, alkalinityMode}; }
    bool Is(const UnitBasis& b) const {
        return std::memcmp(&units, &b.units, sizeof units) == 0 &&
               reportingMode == b.reportingMode && alkalinityMode == b.alkalinityMode;
    }
};

// What one record held before its first change of units, in full precision,
// and what the last change left in it.
struct Origin {
    KeptBasis basis;
    double values[E::kCount] = {};
    KeptBasis lastBasis;
    float last[E::kCount] = {};
};
std::map<const float*, Origin>& Origins() {
    static std::map<const float*, Origin> origins;
    return origins;
}

bool SameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

void ConvertAnalysisUnits(float* v, const UnitBasis& was, const UnitBasis& now) {
    double current[E::kCount];
    for (int e = 0; e < E::kCount; ++e) current[e] = v[e];
    auto [at, added] = Origins().try_emplace(v);
    Origin& o = at->second;
    // The specific gravity and the total pressure convert the others: a record
    // whose either changed, one not left in these units by its last change, and
    // one whose alkalinity enters or leaves the species given start again from
    // what they hold.
    const bool species = was.alkalinityMode != now.alkalinityMode &&
                         (was.alkalinityMode == 3 || now.alkalinityMode == 3);
    const bool fresh = added || species || !o.lastBasis.Is(was) ||
                       !SameBits(v[E::kResultScale], o.last[E::kResultScale]) ||
                       !SameBits(v[E::kPressure], o.last[E::kPressure]);
    if (fresh) {
        o.basis = KeptBasis(was);
        std::memcpy(o.values, current, sizeof current);
    } else {
        // Values edited since are taken as they are now, written in the first units.
        double edited[E::kCount];
        std::memcpy(edited, current, sizeof current);
        ConvertValues(edited, was, o.basis.View());
        bool alkalinityEdited = false;
        for (int e = 0; e < E::kCount; ++e)
            if (IsAlkalinity(e) && !SameBits(v[e], o.last[e])) alkalinityEdited = true;
        for (int e = 0; e < E::kCount; ++e) {
            if (!Converted(e))
                o.values[e] = current[e];
            else if (IsAlkalinity(e) ? alkalinityEdited : !SameBits(v[e], o.last[e]))
                o.values[e] = edited[e];
        }
    }
    double converted[E::kCount];
    std::memcpy(converted, o.values, sizeof converted);
    ConvertValues(converted, o.basis.View(), now);
    for (int e = 0; e < E::kCount; ++e)
        if (Converted(e)) v[e] = static_cast<float>(converted[e]);
    o.lastBasis = KeptBasis(now);
    std::memcpy(o.last, v, sizeof o.last);
    // The species given and the modes that convert name other quantities: the
    // numbers kept start again in the units now chosen.
    if (species) {
        o.basis = KeptBasis(now);
        std::memcpy(o.values, converted, sizeof converted);
    }
}

void ConvertValuesOnce(double* values, const UnitBasis& before, const UnitBasis& after) {
    ConvertValues(values, before, after);
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
    if (Changed(before, after, U::kResidenceTime))
        for (auto& block : multiMixState.residenceTime)
            ShowResidenceInUnit(block, before.code[U::kResidenceTime],
                                after.code[U::kResidenceTime]);
    for (float* entered : sourceValuesAsEntered)
        if (HoldsEnteredValues(entered)) ConvertAnalysisUnits(entered, was, now);
    ConvertAnalysisUnits(multiMixSnapshot.values, was, now);
    for (float* entered : enteredValues) ConvertAnalysisUnits(entered, was, now);
    ConvertAnalysisUnits(formSnapshot.values, was, now);
    for (auto& pair : waterTemperatures) ConvertTemperaturePair(pair, before, after);
    ConvertTemperaturePair(currentWaterTemperatures, before, after);
    entryTemperature = static_cast<float>(ConvertTemperature(
        entryTemperature, before.code[U::kTemperature], after.code[U::kTemperature]));
    corrosionTarget = ConvertCorrosionRate(corrosionTarget, before, after);
    formSnapshot.corrosionTarget =
        ConvertCorrosionRate(formSnapshot.corrosionTarget, before, after);
}

double FlowUnitFactor(int item, unsigned code) {
    switch (item) {
        case U::kBrineFlow:
            return BrineFlowFactor(code);
        case U::kOilFlow:
            return OilFlowFactor(code);
        default:
            return GasFlowFactor(code);
    }
}
