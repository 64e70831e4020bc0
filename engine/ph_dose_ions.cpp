// The ions that pH-control chemicals add to the analysis, with the conversions
// from a demand in mg/L as CaCO3 to the user's unit for the receiving ion.
#include "engine/ph_dose_ions.h"

#include <optional>

#include "common/whatif_settings.h"
#include "engine/carbonate_math.h"

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

// Sulfate unit codes: 0 as the ion (98 % acid, 0.96 mg SO4 per mg CaCO3 as the
// acid), 1 as CaCO3, 2 French degrees, 3 German degrees; others as the ion.
double SulfateAmount(double demand, uint16_t code) {
    switch (code) {
        case 1:
            return demand;
        case 2:
            return demand / 10.1;
        case 3:
            return demand / 17.9;
        default:
            return demand * 0.96;
    }
}

// Chloride unit codes: 0 as the ion (35.453 g Cl per 50.005 g CaCO3), 1 as CaCO3,
// 2 as NaCl, 3 French degrees, 4 German degrees; others add nothing.
std::optional<double> ChlorideAmount(double demand, uint16_t code) {
    switch (code) {
        case 0:
            return demand * 35.453 / 50.005;
        case 1:
            return demand;
        case 2:
            return demand * 1.17;
        case 3:
            return demand / 10.1;
        case 4:
            return demand / 17.9;
        default:
            return std::nullopt;
    }
}

// Calcium from lime (90 % Ca(OH)2, 56 % CaO): code 0 as the ion, 1 as CaCO3,
// 2 French degrees, 3 German degrees.
std::optional<double> CalciumAmount(double demand, uint16_t code) {
    switch (code) {
        case 0:
            return demand * 0.9 * 0.56 * 40.0 / 56.0;
        case 1:
            return demand * 0.9;
        case 2:
            return demand * 0.9 / 10.1;
        case 3:
            return demand * 0.9 / 17.9;
        default:
            return std::nullopt;
    }
}

// Sodium: code 0 as the ion with the given mass share of sodium, 1 as CaCO3,
// 2 as NaCl, 3 French degrees, 4 German degrees.
std::optional<double> SodiumAmount(double demand, uint16_t code, double sodiumShare) {
    switch (code) {
        case 0:
            return demand * sodiumShare;
        case 1:
            return demand;
        case 2:
            return demand * 1.17;
        case 3:
            return demand / 10.1;
        case 4:
            return demand / 17.9;
        default:
            return std::nullopt;
    }
}

// Potassium from caustic potash: code 0 as the ion, 1 as CaCO3, 2 French
// degrees, 3 German degrees.
std::optional<double> PotassiumAmount(double demand, uint16_t code) {
    switch (code) {
        case 0:
            return demand * 0.78060603;
        case 1:
            return demand;
        case 2:
            return demand / 10.1;
        case 3:
            return demand / 17.9;
        default:
            return std::nullopt;
    }
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
            Add(analysis, AE::kSulfate, demand * 0.96 / 49.0);
            break;
        case AcidChemical::kHydrochloric:
            Add(analysis, AE::kChloride, demand * 0.36461 / 36.461);
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
            AddIfAny(analysis, AE::kSodium, SodiumAmount(demand, sodiumCode, 0.43396226));
            break;
        case AlkaliChemical::kSodiumBicarbonate:
        case AlkaliChemical::kCausticSoda:
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
            Add(analysis, AE::kCalcium, demand * 0.9 * 0.56 * 40.0 / 1120.0);
            break;
        case AlkaliChemical::kSodaAsh:
            Add(analysis, AE::kSodium, demand * 0.43396226 / 23.0);
            break;
        case AlkaliChemical::kSodiumBicarbonate:
        case AlkaliChemical::kCausticSoda:
            Add(analysis, AE::kSodium, demand * 0.46 / 23.0);
            break;
        case AlkaliChemical::kCausticPotash:
            Add(analysis, AE::kPotassium, demand * 0.78060603 / 39.1);
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
