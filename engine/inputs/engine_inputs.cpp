// The input stage of the equilibrium calculation up to the first ionic strength.
// Each entered concentration is converted to mg/L as its species (the engine's unit
// factors, or equivalents per litre in epm reporting), and the species' molality
// follows through the molal factor f = 1 / (1 - TDS 1e-6) / 1000:
// mol/kg = mg/kg x f / molar mass. In mg/L reporting the entered concentrations
// are per litre of a water of the specific gravity the user gave: they enter as
// mg/kg = mg/L / Sp.Gr., and the mass results are scaled back by it, so a total
// shown in mg/L is what was entered.
#include "engine/inputs/engine_inputs.h"

#include <cmath>

#include "engine/inputs/carbon_inputs.h"
#include "engine/inputs/engine_unit_factors.h"
#include "engine/inputs/unit_conversions.h"

namespace {

// The engine's input vector: entries 0-20 are analysis elements 0-20, entries 21-29
// the elements below.
constexpr int kVectorSize = 30;
constexpr int kVectorElements[kVectorSize] = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
    15, 16, 17, 18, 19, 20, 35, 36, 37, 43, 16, 21, 42, 25, 48};

constexpr int kNoSpecies = -1;
constexpr int kNoUnit = -1;
// The ammonia entry reaches the engine as ammonium (species 38), not as a species of
// its own in this list.
constexpr int kAmmoniaEntry = 10;

struct InputEntry {
    int species;
    int unitItem;
};

// The input list: one entry per vector entry from 2 on.
constexpr InputEntry kInputList[kVectorSize] = {
    {kNoSpecies, kNoUnit},  // 0 pH
    {kNoSpecies, kNoUnit},  // 1 total alkalinity
    {4, UnitItem::kChloride},
    {5, UnitItem::kSulfate},
    {34, UnitItem::kSilica},
    {44, UnitItem::kPhosphate},
    {61, UnitItem::kFluoride},
    {0, UnitItem::kCalcium},
    {1, UnitItem::kMagnesium},
    {2, UnitItem::kSodium},
    {Species::kAmmonium, UnitItem::kAmmonia},  // ammonia, as NH3 (see kAmmoniaEntry)
    {7, UnitItem::kIron},
    {50, UnitItem::kAluminum},
    {Species::kBicarbonate, UnitItem::kMAlkalinity},
    {Species::kCarbonate, UnitItem::kPAlkalinity},
    {kNoSpecies, UnitItem::kTemperature},
    {kNoSpecies, kNoUnit},  // manganese, taken at entry 25
    {3, UnitItem::kPotassium},
    {86, UnitItem::kBoron},
    // Hydrogen sulfide: converted by its own unit item, as the engine converts it back.
    {Species::kSulfideInput, UnitItem::kH2S},
    {84, UnitItem::kNitrate},
    {87, UnitItem::kStrontium},
    {89, UnitItem::kBarium},
    {80, UnitItem::kLithium},
    {Species::kCarbonDioxide, UnitItem::kMAlkalinity},  // acidity or CO2
    {109, UnitItem::kManganese},
    {Species::kZinc, UnitItem::kZinc},
    {182, UnitItem::kLead},
    {97, UnitItem::kBromine},
    {Species::kPolyphosphate, UnitItem::kPolyphosphate},
};
// Entries 2..28 are converted by the list; polyphosphate (29) by its own rule.
constexpr int kLastListConverted = 28;
// TDS sums the amounts of entries 2..24.
constexpr int kLastTdsEntry = 24;

constexpr double kAmmoniaMolarMass = 17.0306;
constexpr double kAmmoniumMolarMass = 18.0386;
constexpr double kZincMolarMass = 65.37;
constexpr double kPhosphateMolarMass = 94.9714;
constexpr double kOrganicAcidMolarMass[4] = {60.05, 74.08, 88.12, 102.16};

bool IsAlkalinityItem(int item) {
    return item == UnitItem::kMAlkalinity || item == UnitItem::kPAlkalinity;
}

// Steps of the conversion: unit factor in place, then the amount of the species.
void ConvertListEntries(const InputStageContext& context, double* vector, double perKilogram,
                        SpeciesRecord* state) {
    const uint16_t mode = context.switches.reportingMode;
    for (int k = 2; k <= kLastListConverted; ++k) {
        const InputEntry& entry = kInputList[k];
        if (entry.species < 0 || IsAlkalinityItem(entry.unitItem)) continue;
        // mg/L of the species: the unit's factor, or the equivalent weight in epm
        // reporting (every concentration is then in meq/L, whatever its unit code).
        vector[k] *= EntryMgLPerUnit(context.units, entry.unitItem, mode);
        if (k == kAmmoniaEntry) continue;  // becomes ammonium below
        state[entry.species].amount = vector[k] * perKilogram;
    }
    // Ammonia, entered as NH3, counted as ammonium.
    state[Species::kAmmonium].amount =
        vector[kAmmoniaEntry] * perKilogram * kAmmoniumMolarMass / kAmmoniaMolarMass;
}

// Whether list entry k is the first to name its species (potassium is named once
// more by no other entry once ammonia counts as ammonium, but the check keeps every
// species counted once whatever the list holds).
constexpr bool NamedFirstAt(int k) {
    for (int j = 2; j < k; ++j)
        if (kInputList[j].species == kInputList[k].species) return false;
    return true;
}

// The answers for the whole list, found once when the program is built.
struct FirstOccurrences {
    bool at[kVectorSize];
    constexpr FirstOccurrences() : at{} {
        for (int k = 0; k < kVectorSize; ++k) at[k] = NamedFirstAt(k);
    }
};
constexpr FirstOccurrences kFirstOccurrences;

bool FirstOccurrence(int k) {
    return kFirstOccurrences.at[k];
}

double TotalDissolvedSolids(const SpeciesRecord* state, double oxalateMmolL) {
    double tds = 0.0;
    for (int k = 2; k <= kLastTdsEntry; ++k) {
        const int s = kInputList[k].species;
        if (s >= 0 && FirstOccurrence(k)) tds += state[s].amount;
    }
    return tds + oxalateMmolL * kOxalateMolarMass;
}

// The molal factor; a TDS at or above 1e6 mg/L, which no water has, is held at
// 95 % solids so that the factor stays finite and positive.
double MolalFactor(double tds) {
    double waterFraction = 1.0 - tds * 1e-6;
    if (waterFraction < 0.05) waterFraction = 0.05;
    return 1.0 / waterFraction / 1000.0;
}

void Molalities(const InputStageContext& context, SpeciesRecord* state, EngineInputs& in) {
    const double f = in.molalFactor;
    const double perKilogram = 1.0 / in.resultScaleFactor;
    for (int k = 2; k < kVectorSize; ++k) {
        const int s = kInputList[k].species;
        if (s < 0) continue;
        const double mass = context.species.molarMass[s];
        state[s].molality = mass > 0.0 ? state[s].amount * f / mass : 0.0;
    }
    in.zincMolality = f * in.zincMgL * perKilogram / kZincMolarMass;
    state[Species::kZinc].amount = in.zincMgL * perKilogram;
    state[Species::kZinc].molality = in.zincMolality;
    in.polyphosphateMolality = f * in.polyphosphateMgL * perKilogram / kPhosphateMolarMass;
    in.oxalateMolality = f * in.oxalateMmolL * in.oxalatePerKilogram;
    for (int i = 0; i < 4; ++i)
        in.organicAcidMolality[i] =
            f * context.organicAcidsMgL[i] * perKilogram / kOrganicAcidMolarMass[i];
}

// First ionic strength, equivalent sums and water activity over the list species,
// each counted once; zinc, polyphosphate and oxalate are added by their own terms.
void IonicStrengthAndSums(const InputStageContext& context, const SpeciesRecord* state,
                          EngineInputs& in) {
    double strength = 0.0, cations = 0.0, anions = 0.0, molalitySum = 0.0;
    for (int k = 2; k < kVectorSize; ++k) {
        const int s = kInputList[k].species;
        if (s < 0 || s == Species::kPolyphosphate || !FirstOccurrence(k)) continue;
        const double m = state[s].molality;
        molalitySum += m;
        if (s == Species::kZinc) continue;
        const double z = context.species.charge[s];
        strength += 0.5 * m * z * z;
        if (s == Species::kFerrousIron || s == Species::kAluminum) continue;
        if (z > 0.0) cations += m * z;
        if (z < 0.0) anions -= m * z;
    }
    in.ionicStrength = strength + 2.0 * in.zincMolality + 2.0 * in.polyphosphateMolality +
                       2.0 * in.oxalateMolality;
    in.sqrtIonicStrength = in.ionicStrength > 0.0 ? std::sqrt(in.ionicStrength) : 1e-5;
    in.cationSum = cations + 2.0 * in.zincMolality;
    in.anionSum = anions + 2.0 * in.polyphosphateMolality + 2.0 * in.oxalateMolality;
    const double activity = 1.0 - 0.017 * (molalitySum + in.oxalateMolality);
    in.waterActivity = activity < 0.2 ? 0.2 : activity;
}

}  // namespace

void EngineTemperature(double entered, unsigned temperatureCode, uint16_t calcPassMode,
                       EngineInputs& in) {
    double celsius = 25.0;
    if (calcPassMode >= 1) {
        switch (temperatureCode) {
            case TemperatureUnit::kFahrenheit: celsius = (entered - 32.0) * 5.0 / 9.0; break;
            case TemperatureUnit::kCelsius: celsius = entered; break;
            case TemperatureUnit::kKelvin: celsius = entered - 273.16; break;
            default: break;
        }
    }
    in.temperatureC = celsius;
    in.temperatureK = celsius + 273.16;
    in.temperatureF = celsius * 1.8 + 32.0;
}

double LoadEngineInputs(const InputStageContext& context, WaterAnalysis& analysis,
                        SpeciesRecord* state, EngineInputs& in) {
    const InputSwitches& sw = context.switches;
    const UnitCodes& units = context.units;

    double vector[kVectorSize];
    for (int k = 0; k < kVectorSize; ++k) vector[k] = analysis.values[kVectorElements[k]];
    const double startPh = sw.calcPassMode != 0 ? context.reference.ph : vector[0];
    in.bicarbonateElement = analysis.values[AnalysisElement::kBicarbonate];
    in.carbonateElement = analysis.values[AnalysisElement::kCarbonate];
    in.alkalinityEqElement = analysis.values[AnalysisElement::kAlkalinityEq];
    in.totalCarbonateElement = analysis.values[AnalysisElement::kTotalCarbonate];

    // The result scale factor applies to mg/L reporting only.
    in.resultScaleFactor =
        ResultScaleFactor(analysis.values[AnalysisElement::kResultScale], sw.reportingMode);
    const double perKilogram = 1.0 / in.resultScaleFactor;

    ConvertListEntries(context, vector, perKilogram, state);
    in.zincMgL = analysis.values[AnalysisElement::kZinc] *
                 EntryMgLPerUnit(units, UnitItem::kZinc, sw.reportingMode);
    in.polyphosphateMgL = analysis.values[AnalysisElement::kPolyphosphate] *
                          EntryMgLPerUnit(units, UnitItem::kPolyphosphate, sw.reportingMode);
    in.oxalateMmolL = analysis.values[AnalysisElement::kOxalate] *
                      EntryMgLPerUnit(units, UnitItem::kOxalate, sw.reportingMode) /
                      kOxalateMolarMass;
    in.oxalatePerKilogram = EntryPerKilogram(
        units, UnitItem::kOxalate, analysis.values[AnalysisElement::kResultScale], sw.reportingMode);

    EngineTemperature(vector[15], units.code[UnitItem::kTemperature], sw.calcPassMode, in);

    CarbonateEntries entries{vector[1], vector[13], vector[14], perKilogram};
    LoadCarbonateInputs(sw, context.reference, entries, analysis, state);

    const double oxalate = in.oxalateMmolL * in.oxalatePerKilogram;
    // A point under its own gas holds the CO2 of that gas, in its solids and mass
    // factor as in its speciation.
    if (CarbonDioxideOfItsGas(sw, analysis))
        state[Species::kCarbonDioxide].amount =
            CarbonDioxideOfGas(units, analysis, in, TotalDissolvedSolids(state, oxalate));
    in.tds = TotalDissolvedSolids(state, oxalate);
    in.molalFactor = MolalFactor(in.tds);
    in.molalDiv = 1.0 / in.molalFactor;
    Molalities(context, state, in);
    IonicStrengthAndSums(context, state, in);
    return startPh;
}
