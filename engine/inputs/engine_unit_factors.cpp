// Unit factors of the analysis items. The rows are the unit codes 1 to 5 of each
// item in the order of its captions on the water form ("as CaCO3", "as NaCl",
// "as Fe2O3", French and German degrees, ...); each factor turns a value in that
// unit into mg/L as the species the equilibrium calculation works with.
#include "engine/inputs/engine_unit_factors.h"

namespace {

// Atomic and ionic masses (g/mol) of the program.
constexpr double kO = 15.9994;
constexpr double kNa = 22.9898;
constexpr double kCl = 35.453;
constexpr double kS = 32.064;
constexpr double kSi = 28.086;
constexpr double kP = 30.9738;
constexpr double kN = 14.0067;
constexpr double kAl = 26.9815;
constexpr double kB = 10.811;
constexpr double kFe = 55.847;
constexpr double kCa = 40.08;
constexpr double kMg = 24.312;
constexpr double kK = 39.102;
constexpr double kSr = 87.62;
constexpr double kBa = 137.34;
constexpr double kLi = 6.939;
constexpr double kMn = 54.938;
constexpr double kZn = 65.37;
constexpr double kPb = 207.19;
constexpr double kBr = 79.904;
constexpr double kF = 18.9984;
constexpr double kNH3 = 17.0306;
constexpr double kSO4 = 96.0616;
constexpr double kNO3 = 62.0049;
constexpr double kSiO2 = 60.0848;
constexpr double kPO4 = 94.9714;
constexpr double kH2S = 34.08;
constexpr double kC2O4 = 88.0196;

constexpr double kCaCO3PerEquivalent = kCaCO3MgPerMeq;
constexpr double kFrenchDegree = 10.0;           // mg/L as CaCO3
constexpr double kGermanDegree = 17.9;           // mg/L as CaCO3 (17.85, as the program rounds it)

constexpr int kCodes = 5;  // unit codes 1..5

struct ItemFactors {
    int item;
    double mass;         // g/mol of the species
    double equivalents;  // per mole, for "as CaCO3" and the degrees
    double epmWeight;    // mg per meq in epm reporting
    double byCode[kCodes];
};

constexpr double AsCaCO3(double mass, double equivalents) {
    return mass / equivalents / kCaCO3PerEquivalent;
}

// The three hardness units in their usual caption order: as CaCO3, French, German.
struct Hardness {
    double caco3, french, german;
};
constexpr Hardness HardnessOf(double mass, double equivalents) {
    const double c = AsCaCO3(mass, equivalents);
    return {c, kFrenchDegree * c, kGermanDegree * c};
}

// An ion whose captions are as CaCO3, French, German.
constexpr ItemFactors Plain(int item, double mass, double equivalents) {
    const Hardness h = HardnessOf(mass, equivalents);
    return {item, mass, equivalents, mass / equivalents, {h.caco3, h.french, h.german, 0.0, 0.0}};
}
// An ion whose captions are as CaCO3, a compound, French, German; `perCompound`
// is mg of the species per mg of the compound.
constexpr ItemFactors WithCompound(int item, double mass, double equivalents, double epmWeight,
                                   double perCompound) {
    const Hardness h = HardnessOf(mass, equivalents);
    return {item, mass, equivalents, epmWeight, {h.caco3, perCompound, h.french, h.german, 0.0}};
}
// Phosphate and polyphosphate: as CaCO3, as P2O5, as P, French, German.
constexpr ItemFactors PhosphateLike(int item) {
    const Hardness h = HardnessOf(kPO4, 3.0);
    return {item, kPO4, 3.0, kPO4 / 3.0,
            {h.caco3, 2.0 * kPO4 / (2.0 * kP + 5.0 * kO), kPO4 / kP, h.french, h.german}};
}
// Sulfate: as CaCO3, French, German, and as Na2SO4 last.
constexpr ItemFactors Sulfate() {
    const Hardness h = HardnessOf(kSO4, 2.0);
    return {UnitItem::kSulfate, kSO4, 2.0, kSO4 / 2.0,
            {h.caco3, h.french, h.german, kSO4 / (2.0 * kNa + kSO4), 0.0}};
}
// Oxalate, in mg/L as C2O4: as CaCO3, epm, moles/L.
constexpr ItemFactors Oxalate() {
    return {UnitItem::kOxalate, kC2O4, 2.0, kC2O4 / 2.0,
            {AsCaCO3(kC2O4, 2.0), kC2O4 / 2.0, kC2O4 * 1000.0, 0.0, 0.0}};
}

namespace U = UnitItem;
constexpr ItemFactors kItems[] = {
    Plain(U::kCalcium, kCa, 2.0),
    Plain(U::kMagnesium, kMg, 2.0),
    WithCompound(U::kSodium, kNa, 1.0, kNa, kNa / (kNa + kCl)),
    Plain(U::kPotassium, kK, 1.0),
    // The iron of the calculation is ferrous.
    WithCompound(U::kIron, kFe, 2.0, kFe / 2.0, 2.0 * kFe / (2.0 * kFe + 3.0 * kO)),
    WithCompound(U::kAmmonia, kNH3, 1.0, kNH3, kNH3 / kN),
    WithCompound(U::kAluminum, kAl, 3.0, kAl / 3.0, 2.0 * kAl / (2.0 * kAl + 3.0 * kO)),
    // Boron counts three equivalents as CaCO3; in epm (a neutral species) one per mole.
    WithCompound(U::kBoron, kB, 3.0, kB, 2.0 * kB / (2.0 * kB + 3.0 * kO)),
    WithCompound(U::kChloride, kCl, 1.0, kCl, kCl / (kNa + kCl)),
    Sulfate(),
    WithCompound(U::kH2S, kH2S, 2.0, kH2S / 2.0, kH2S / kS),
    WithCompound(U::kSilica, kSiO2, 1.0, kSiO2, kSiO2 / kSi),
    PhosphateLike(U::kPhosphate),
    Plain(U::kFluoride, kF, 1.0),
    Plain(U::kNitrate, kNO3, 1.0),
    Plain(U::kStrontium, kSr, 2.0),
    Plain(U::kBarium, kBa, 2.0),
    Plain(U::kLithium, kLi, 1.0),
    Plain(U::kManganese, kMn, 2.0),
    Plain(U::kZinc, kZn, 2.0),
    Plain(U::kBromine, kBr, 1.0),
    Plain(U::kLead, kPb, 2.0),
    PhosphateLike(U::kPolyphosphate),
    Oxalate(),
};

const ItemFactors* FactorsOf(int item) {
    for (const ItemFactors& f : kItems)
        if (f.item == item) return &f;
    return nullptr;
}

}  // namespace

double TrueUnitFactor(int item, unsigned code) {
    if (code == 0) return 1.0;
    const ItemFactors* f = FactorsOf(item);
    if (f == nullptr || code > static_cast<unsigned>(kCodes)) return 0.0;
    return f->byCode[code - 1];
}

double EquivalentWeightOfUnitItem(int item) {
    const ItemFactors* f = FactorsOf(item);
    return f != nullptr ? f->epmWeight : 0.0;
}

double EngineUnitFactor(const UnitCodes& units, int item) {
    if (item < 0 || item >= UnitItem::kCount) return 1.0;
    const double factor = TrueUnitFactor(item, units.code[item]);
    return factor > 0.0 ? factor : 1.0;
}

double EntryMgLPerUnit(const UnitCodes& units, int item, uint16_t reportingMode) {
    if (reportingMode == ReportingMode::kEpm) {
        const double weight = EquivalentWeightOfUnitItem(item);
        if (weight > 0.0) return weight;
    }
    return EngineUnitFactor(units, item);
}

double AlkalinityCaCO3PerUnit(unsigned mode) {
    switch (mode) {
        case 1: return 1.0;
        case 4: return 500.05 / 30.0;
        case 5: return kCaCO3PerEquivalent;
        case 6: return kFrenchDegree;
        case 7: return kGermanDegree;
        default: return 0.0;
    }
}

double ZincToMgL(double value, unsigned code) {
    const double factor = TrueUnitFactor(UnitItem::kZinc, code);
    return value * (factor > 0.0 ? factor : 1.0);
}

double PolyphosphateToMgLAsPO4(double value, unsigned code) {
    const double factor = TrueUnitFactor(UnitItem::kPolyphosphate, code);
    return value * (factor > 0.0 ? factor : 1.0);
}

double OxalateToMmolL(double value, unsigned code) {
    const double factor = TrueUnitFactor(UnitItem::kOxalate, code);
    return value * (factor > 0.0 ? factor : 1.0) / kC2O4;
}

namespace {
constexpr double kAtmPerBar = 0.98692;
constexpr double kKPaPerAtm = 101.325;
}  // namespace

double BrineFlowFactor(unsigned code) {
    switch (code) {
        case 1: return 0.0062899857142857145;
        case 2: return 0.15095965714285717;
        default: return 1.0;
    }
}

double OilFlowFactor(unsigned code) { return BrineFlowFactor(code); }

double GasFlowFactor(unsigned code) {
    switch (code) {
        case 1: return 35.314667;
        case 2: return 847.552008;
        default: return 1.0;
    }
}

double PressureToPsia(double value, unsigned code) {
    switch (code) {
        case PressureUnit::kBar: return value / kBarPerPsia;
        case PressureUnit::kPsia: return value;
        case PressureUnit::kKPa: return value / 100.0 / kBarPerPsia;
        default: return value / kAtmPerPsia;
    }
}

double PsiaToPressureUnit(double psia, unsigned code) {
    switch (code) {
        case PressureUnit::kBar: return psia * kBarPerPsia;
        case PressureUnit::kPsia: return psia;
        case PressureUnit::kKPa: return psia * kBarPerPsia * 100.0;
        default: return psia * kAtmPerPsia;
    }
}

double PartialPressureToAtm(double value, unsigned code, double totalPressureBar) {
    switch (code) {
        case 1: return value * kAtmPerBar;
        case 2: return value * 0.068046;
        case 3: return value / kKPaPerAtm;
        case 4: return value * totalPressureBar * kAtmPerBar / 1.0e6;
        case 5: return value * totalPressureBar * kAtmPerBar / 100.0;
        default: return value;
    }
}

double AtmToPartialPressureUnit(double atm, unsigned code, double totalPressureBar) {
    switch (code) {
        case 1: return atm / kAtmPerBar;
        case 2: return atm / 0.068046;
        case 3: return atm * kKPaPerAtm;
        case 4: return totalPressureBar > 0.0 ? atm / kAtmPerBar * 1.0e6 / totalPressureBar : 0.0;
        case 5: return totalPressureBar > 0.0 ? atm / kAtmPerBar * 100.0 / totalPressureBar : 0.0;
        default: return atm;
    }
}
