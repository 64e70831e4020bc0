// Unit factors of the equilibrium calculation. The rows are the unit codes 1 to 5
// of each item ("as CaCO3", "as NaCl", "as Fe2O3", French and German degrees, ...), the
// factor turning a value in that unit into mg/L as the species the engine works with.
#include "engine/inputs/engine_unit_factors.h"

namespace {

constexpr int kFactorRows = 5;      // unit codes 1..5
constexpr int kFactorColumns = 22;  // unit items 0..21

// kEngineUnitFactors[code - 1][item]
constexpr double kEngineUnitFactors[kFactorRows][kFactorColumns] = {
    // Ca     Mg      Na      K       Fe      NH3     pH  Al      B        Cl       SO4
    {0.4005, 0.2429, 0.4595, 0.7815, 0.372, 0.3404, 1, 0.1797, 0.07202, 0.7085, 0.9597,
     // M  P  H2S      SiO2    PO4     F       NO3     T  Sr    Ba    Li
     1, 1, 0.34051, 1.2006, 0.6325, 0.3797, 1.2389, 1, 0.88, 1.37, 0.139},
    {4.005, 2.429, 0.3932, 7.815, 0.6992, 1.2159, 1, 0.5294, 0.3105, 0.60661, 9.597,
     1, 1, 1.0629, 2.139, 0.47, 3.797, 12.389, 1, 8.8, 13.65, 1.39},
    {7.168, 4.348, 4.595, 13.989, 3.72, 3.404, 1, 1.797, 0.7202, 7.085, 17.179,
     1, 1, 3.2051, 12.006, 3.0665, 6.7966, 22.052, 1, 15.75, 24.43, 2.488},
    {1, 1, 8.225, 1, 6.6588, 6.093, 1, 3.2166, 1.2892, 12.682, 1,
     1, 1, 5.7371, 21.4907, 6.325, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
     1, 1, 1, 1, 11.322, 1, 1, 1, 1, 1, 1},
};

// Manganese, bromine and lead have no column above; their units are "as CaCO3",
// French and German degrees (codes 1-3). Manganese and bromine take the factors of the
// program's input unit table; lead those of its molar mass, 207.19 / 100.0894 per
// mg/L as CaCO3, times 10 and 17.9 for the degrees.
constexpr double kManganeseFactors[3] = {0.55, 5.5, 3.0899};
constexpr double kBromineFactors[3] = {0.6262, 6.262, 3.522};
constexpr double kLeadFactors[3] = {2.0700, 20.700, 37.054};

}  // namespace

double EngineUnitFactor(const UnitCodes& units, int item) {
    if (item < 0 || item >= UnitItem::kCount) return 1.0;
    const unsigned code = units.code[item];
    if (code == 0) return 1.0;
    if (item < kFactorColumns) return code <= kFactorRows ? kEngineUnitFactors[code - 1][item] : 1.0;
    if (code > 3) return 1.0;
    switch (item) {
        case UnitItem::kManganese: return kManganeseFactors[code - 1];
        case UnitItem::kBromine: return kBromineFactors[code - 1];
        case UnitItem::kLead: return kLeadFactors[code - 1];
        default: return 1.0;
    }
}

double ZincToMgL(double value, unsigned code) {
    switch (code) {
        case 1: return value * 65.37 / 81.37;
        case 2: return value * 65.37 / 100.04;
        case 3: return value * 65.37 / 10.04;
        case 4: return value * 65.37 / 7.168;
        case 5: return value * 65.37 * 0.5;
        default: return value;
    }
}

double PolyphosphateToMgLAsPO4(double value, unsigned code) {
    switch (code) {
        case 1: return value * 94.9714 / 100.04;
        case 2: return value * 94.9714 / 141.0548;
        case 3: return value * 94.9714 / 15.994;
        case 4: return value * 94.9714 / 10.04;
        case 5: return value * 94.9714 / 7.168;
        case 6: return value * 94.9714 * 0.5;
        default: return value;
    }
}

double OxalateToMmolL(double value, unsigned code) {
    switch (code) {
        case 1: return value / 100.04;
        case 2: return value * 0.5;
        default: return value / 88.0196;  // mg/L as C2O4
    }
}

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
        case 1: return value * 0.98692;
        case 2: return value * 0.068046;
        case 3: return value / 100.0;
        case 4: return value * totalPressureBar / 1.0e6;
        case 5: return value * totalPressureBar / 100.0;
        default: return value;
    }
}

double AtmToPartialPressureUnit(double atm, unsigned code, double totalPressureBar) {
    switch (code) {
        case 1: return atm / 0.98692;
        case 2: return atm / 0.068046;
        case 3: return atm * 100.0;
        case 4: return totalPressureBar > 0.0 ? atm * 1.0e6 / totalPressureBar : 0.0;
        case 5: return totalPressureBar > 0.0 ? atm * 100.0 / totalPressureBar : 0.0;
        default: return atm;
    }
}
