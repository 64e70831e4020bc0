// The constant factors of the unit factor table. Each line is one unit item (one
// column of the table) with the factors of unit codes 1 to 6: a value in that
// unit times its factor is the value in the item's base unit. Codes 1 to 5
// follow the order of the unit captions of the analysis form (for example
// sodium: as CaCO3, as NaCl, as degrees French, as degrees German); code 6 of
// the ions is the millimole or milliequivalent, whose factor is the molar or
// equivalent mass. A factor of 0 means the form has no such conversion. The
// units of the concentrations (codes 1 to 5) are replaced, when the table is
// filled, by the factors of the program's one table (engine_unit_factors.h); the
// constants below keep the rows that table has no caption for.
#include "input/unit_factor_table.h"

#include "engine/inputs/engine_unit_factors.h"

namespace {

// kFactorsByItem[item][code - 1]
constexpr float kFactorsByItem[kUnitFactorColumns][kUnitFactorRows] = {
    {0.4005f, 4.005f, 7.168f, 1.0f, 1.0f, 20.04f},         // 0 calcium
    {0.2429f, 2.429f, 4.348f, 1.0f, 1.0f, 12.156f},        // 1 magnesium
    {0.4595f, 0.3932f, 4.595f, 8.225f, 1.0f, 22.9898f},    // 2 sodium
    {0.7815f, 7.815f, 13.989f, 0.0f, 1.0f, 39.102f},       // 3 potassium
    {0.372f, 0.6992f, 3.72f, 6.6588f, 1.0f, 18.6f},        // 4 iron
    {0.3404f, 1.2159f, 3.404f, 6.093f, 1.0f, 17.0306f},    // 5 ammonia
    {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},                  // 6 pH
    {0.1797f, 0.5294f, 1.797f, 3.2166f, 1.0f, 8.9938f},    // 7 aluminum
    {0.07202f, 0.3105f, 0.7202f, 1.2892f, 1.0f, 5.4055f},  // 8 boron
    {0.7085f, 0.60661f, 7.085f, 12.682f, 1.0f, 35.453f},   // 9 chloride
    {0.9597f, 9.597f, 17.179f, 0.67631f, 1.0f, 96.0616f},  // 10 sulfate
    {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},                  // 11 M alkalinity
    {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},                  // 12 P alkalinity
    {0.34051f, 1.0629f, 3.2051f, 5.7371f, 1.0f, 17.04f},   // 13 hydrogen sulfide
    {1.2006f, 2.139f, 12.006f, 21.4907f, 1.0f, 60.0848f},  // 14 silica
    {0.6325f, 0.47f, 3.0665f, 6.325f, 11.322f, 31.7f},     // 15 phosphate
    {0.3797f, 3.797f, 6.7966f, 1.0f, 1.0f, 18.9984f},      // 16 fluoride
    {1.2389f, 12.389f, 22.052f, 1.0f, 1.0f, 62.0049f},     // 17 nitrate
    {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},                  // 18 temperature
    {0.88f, 8.8f, 15.75f, 1.0f, 1.0f, 87.62f},             // 19 strontium
    {1.37f, 13.65f, 24.43f, 1.0f, 1.0f, 137.34f},          // 20 barium
    {0.139f, 1.39f, 2.488f, 1.0f, 1.0f, 6.939f},           // 21 lithium
    {0.98692f, 0.068046f, 0.0098692f, 1.0f, 1.0f, 1.0f},  // 22 pressure, to atm
    {0.98692f, 0.068046f, 0.0098692f, 1.0f, 1.0f, 1.0f},  // 23 gas-phase CO2, to atm
    {8.34f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},                 // 24 density
    {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},                  // 25 corrosion rate
    {60.0f, 3600.0f, 86400.0f, 1.0f, 1.0f, 1.0f},          // 26 residence time, to seconds
    {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},                  // 27 date format
    {158.984f, 6.62433f, 158.984f, 1.0f, 1.0f, 1.0f},      // 28 brine flow
    {158.984f, 6.62433f, 158.984f, 1.0f, 1.0f, 1.0f},      // 29 oil flow
    {35.31f, 1.47125f, 35.31f, 1.0f, 1.0f, 1.0f},          // 30 gas flow
    {0.98692f, 0.068046f, 0.0098692f, 1.0f, 1.0f, 1.0f},  // 31 gas-phase H2S, to atm
    {0.55f, 5.5f, 3.0899f, 1.0f, 1.0f, 54.938f},           // 32 manganese
    {0.65f, 6.5f, 3.652f, 1.0f, 65.38f, 0.0f},             // 33 zinc
    {0.6262f, 6.262f, 3.522f, 1.0f, 79.904f, 0.0f},        // 34 bromine
};

}  // namespace

void FillUnitFactors(float (&table)[kUnitFactorRows][kUnitFactorColumns]) {
    for (int item = 0; item < kUnitFactorColumns; ++item)
        for (int row = 0; row < kUnitFactorRows; ++row)
            table[row][item] = kFactorsByItem[item][row];
    // Every unit a concentration's caption names takes the program's one factor
    // table, so that the form, the clipboard and the calculation read alike.
    for (int item = 0; item < kUnitFactorColumns; ++item) {
        if (EquivalentWeightOfUnitItem(item) <= 0.0) continue;
        for (int row = 0; row < kUnitFactorRows; ++row) {
            const double factor = TrueUnitFactor(item, static_cast<unsigned>(row + 1));
            if (factor > 0.0) table[row][item] = static_cast<float>(factor);
        }
    }
}

void InitUnitFactors() {
    FillUnitFactors(UnitFactorTable);
}
