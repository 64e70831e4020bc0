// The ions that pH-control chemicals add to the analysis, with the conversions
// from a demand in mg/L as CaCO3 to the user's unit for the receiving ion.
#include "engine/carbonate/ph_dose_ions.h"

#include <optional>

#include "common/whatif_settings.h"
#include "engine/carbonate/carbonate_math.h"

namespace {

using carbonate::NarrowToFloat;
namespace AE = AnalysisElement;

void Add(WaterAnalysis& analysis, int element, double amount) {
    analysis.values[element] =
        NarrowToFloat(static_cast<double>(analysis.values[element]) + amount);
}

void AddIfAny(WaterAnalysis& analysis, int element, std::optional<double> amount) {
    if (amount) Add(analysis, element, *amount);
}

// The milliequivalents of a demand in mg/L as CaCO3: in epm reporting the
// receiving ion takes as many as the chemical moves the alkalinity.
double Equivalents(double demand) {
    return demand / carbonate::kCaCO3MgPerEq * 1000.0;
}

// A demand for a receiving ion under unit codes 0 as the ion (`asIon`), 1 as
// CaCO3, 2 French degrees (CaCO3 / 10.1), 3 German degrees (CaCO3 / 17.9).
std::optional<double> IonOrCaco3Amount(double asIon, double asCaco3, uint16_t code) {
    switch (code) {
        case 0:
            return asIon;
        case 1:
            return asCaco3;
        case 2:
            return asCaco3 / 10.1;
        case 3:
            return asCaco3 / 17.9;
        default:
            return std::nullopt;
    }
}

// The same for a salt-forming ion, whose codes also offer NaCl: 0 as the ion
// (`asIon`), 1 as CaCO3, 2 as NaCl (x 1.17), 3 French degrees, 4 German degrees.
std::optional<double> SaltIonAmount(double asIon, double demand, uint16_t code) {
    if (code == 2) return demand * 1.17;
    return IonOrCaco3Amount(asIon, demand, code < 2 ? code : static_cast<uint16_t>(code - 1));
}

// Sulfate (98 % acid, 0.96 mg SO4 per mg CaCO3 as the acid): codes as above;
// others as the ion.
double SulfateAmount(double demand, uint16_t code) {
    const double asIon = demand * 0.96;
    return IonOrCaco3Amount(asIon, demand, code).value_or(asIon);
}

// Chloride as the ion: 35.453 g Cl per 50.005 g CaCO3.
std::optional<double> ChlorideAmount(double demand, uint16_t code) {
    return SaltIonAmount(demand * 35.453 / 50.005, demand, code);
}

// Calcium from lime: as many equivalents of calcium as the lime moves the
// alkalinity (40 g of Ca per 100 g of CaCO3), whatever the strength of the
// product, which the dose in mg/L of lime carries.
std::optional<double> CalciumAmount(double demand, uint16_t code) {
    return IonOrCaco3Amount(demand * 0.56 * 40.0 / 56.0, demand, code);
}

// Sodium as the ion with the given mass share of sodium.
std::optional<double> SodiumAmount(double demand, uint16_t code, double sodiumShare) {
    return SaltIonAmount(demand * sodiumShare, demand, code);
}

// Potassium from caustic potash.
std::optional<double> PotassiumAmount(double demand, uint16_t code) {
    return IonOrCaco3Amount(demand * 0.78060603, demand, code);
}

}  // namespace

void AddAcidAnion(WaterAnalysis& analysis, uint16_t acid, double demand, const UnitCodes& units) {
    switch (acid) {
        case AcidChemical::kSulfuric:
        case AcidChemical::kSulfuric2:
            Add(analysis, AE::kSulfate, SulfateAmount(demand, units.code[UnitItem::kSulfate]));
            break;
        case AcidChemical::kHydrochloric:
            AddIfAny(analysis, AE::kChloride,
                     ChlorideAmount(demand, units.code[UnitItem::kChloride]));
            break;
        default:
            break;
    }
}

void AddAcidAnionEpm(WaterAnalysis& analysis, uint16_t acid, double demand) {
    switch (acid) {
        case AcidChemical::kSulfuric:
        case AcidChemical::kSulfuric2:
            Add(analysis, AE::kSulfate, Equivalents(demand));
            break;
        case AcidChemical::kHydrochloric:
            Add(analysis, AE::kChloride, Equivalents(demand));
            break;
        default:
            break;
    }
}

void AddAlkaliCation(WaterAnalysis& analysis, uint16_t alkali, double demand,
                     const UnitCodes& units) {
    const uint16_t sodiumCode = units.code[UnitItem::kSodium];
    switch (alkali) {
        case AlkaliChemical::kLime:
            AddIfAny(analysis, AE::kCalcium, CalciumAmount(demand, units.code[UnitItem::kCalcium]));
            break;
        case AlkaliChemical::kSodaAsh:
        case AlkaliChemical::kSodiumBicarbonate:
        case AlkaliChemical::kCausticSoda:
            // 23 g of sodium per 50 g of CaCO3: one equivalent of sodium for
            // each the alkali moves the alkalinity (not 46 / 106, the sodium in
            // a milligram of soda ash, which the demand as CaCO3 is not).
            AddIfAny(analysis, AE::kSodium, SodiumAmount(demand, sodiumCode, 0.46));
            break;
        case AlkaliChemical::kCausticPotash:
            AddIfAny(analysis, AE::kPotassium,
                     PotassiumAmount(demand, units.code[UnitItem::kPotassium]));
            break;
        default:
            break;
    }
}

void AddAlkaliCationEpm(WaterAnalysis& analysis, uint16_t alkali, double demand) {
    switch (alkali) {
        case AlkaliChemical::kLime:
            Add(analysis, AE::kCalcium, Equivalents(demand));
            break;
        case AlkaliChemical::kSodaAsh:
        case AlkaliChemical::kSodiumBicarbonate:
        case AlkaliChemical::kCausticSoda:
            Add(analysis, AE::kSodium, Equivalents(demand));
            break;
        case AlkaliChemical::kCausticPotash:
            Add(analysis, AE::kPotassium, Equivalents(demand));
            break;
        default:
            break;
    }
}

void AddAlkaliAnionOpen(WaterAnalysis& analysis, uint16_t alkali, double demand) {
    switch (alkali) {
        case AlkaliChemical::kLime:
            Add(analysis, AE::kCarbonate, demand * 0.1);
            break;
        case AlkaliChemical::kSodaAsh:
            Add(analysis, AE::kCarbonate, demand * 60.0 / 106.0);
            break;
        case AlkaliChemical::kSodiumBicarbonate:
            Add(analysis, AE::kBicarbonate, demand * 61.0 / 84.0);
            break;
        default:
            break;  // hydroxides bring no carbonate
    }
}

double AcidChemicalFactor(uint16_t acid) {
    switch (acid) {
        case AcidChemical::kSulfuric:
            return 1.0007007389652487;  // 98 % H2SO4
        case AcidChemical::kHydrochloric:
            return 2.0832772;
        case AcidChemical::kSulfuric2:
            return 1.0537635;  // 93 % H2SO4
        default:
            return 1.0;
    }
}

double AlkaliChemicalFactor(uint16_t alkali) {
    // Equivalent weights (g per equivalent) over that of CaCO3.
    switch (alkali) {
        case AlkaliChemical::kLime:
            return 37.1 / 50.0445;
        case AlkaliChemical::kSodaAsh:
            return 53.0 / 50.0445;
        case AlkaliChemical::kSodiumBicarbonate:
            return 84.0 / 50.0445;
        case AlkaliChemical::kCausticSoda:
            return 40.0 / 50.0445;
        case AlkaliChemical::kCausticPotash:
            return 56.1 / 50.0445;
        default:
            return 1.0;
    }
}
