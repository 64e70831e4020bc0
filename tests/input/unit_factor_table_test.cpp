// The unit factor table as the start-up loader fills it, against factors worked
// out here from molar masses and the definitions of the units.
#include "input/unit_factor_table.h"

#include "engine/inputs/engine_unit_factors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Standard atomic weights, g/mol.
constexpr double Ca = 40.078, Mg = 24.305, Na = 22.990, K = 39.098, Fe = 55.845, N = 14.007,
                 H = 1.008, Al = 26.982, B = 10.81, Cl = 35.45, S = 32.06, O = 15.999, Si = 28.085,
                 P = 30.974, F = 18.998, Sr = 87.62, Ba = 137.33, Li = 6.94, Mn = 54.938,
                 Zn = 65.38, Br = 79.904, C = 12.011;
constexpr double kCaCO3 = Ca + C + 3 * O;
constexpr double NH3 = N + 3 * H, SO4 = S + 4 * O, H2S = 2 * H + S, SiO2 = Si + 2 * O,
                 PO4 = P + 4 * O, NO3 = N + 3 * O;
// A French degree is 10 mg/L as CaCO3; a German degree 10 mg/L as CaO, which the
// program counts as 17.9 mg/L as CaCO3 (17.85 exactly).
constexpr double kFrench = 10.0;
constexpr double kGerman = 17.9;

// What one mg/L in a unit is in mg/L of the ion.
enum Unit { kNo, kAsCaCO3, kAsFrench, kAsGerman, kAsCompound, kAsElement };
struct Ion {
    int item;
    double mass;      // of the ion as reported, g/mol
    int charge;       // equivalents per mole, counted as the table counts them
    double compound;  // ion mass per compound mass of the "as compound" unit
    Unit units[6];    // unit codes 1 to 6 as the form's captions order them
};
constexpr Ion kIons[] = {
    {0, Ca, 2, 0, {kAsCaCO3, kAsFrench, kAsGerman}},
    {1, Mg, 2, 0, {kAsCaCO3, kAsFrench, kAsGerman}},
    {2, Na, 1, Na / (Na + Cl), {kAsCaCO3, kAsCompound, kAsFrench, kAsGerman}},  // NaCl
    {3, K, 1, 0, {kAsCaCO3, kAsFrench, kAsGerman}},
    // The iron of the calculation is ferrous.
    {4, Fe, 2, 2 * Fe / (2 * Fe + 3 * O), {kAsCaCO3, kAsCompound, kAsFrench, kAsGerman}},
    {5, NH3, 1, NH3 / N, {kAsCaCO3, kAsCompound, kAsFrench, kAsGerman}},  // as N
    {7, Al, 3, 2 * Al / (2 * Al + 3 * O), {kAsCaCO3, kAsCompound, kAsFrench, kAsGerman}},
    {8, B, 3, 2 * B / (2 * B + 3 * O), {kAsCaCO3, kAsCompound, kAsFrench, kAsGerman}},
    {9, Cl, 1, Cl / (Na + Cl), {kAsCaCO3, kAsCompound, kAsFrench, kAsGerman}},  // NaCl
    {10, SO4, 2, SO4 / (2 * Na + SO4), {kAsCaCO3, kAsFrench, kAsGerman, kAsCompound}},
    {13, H2S, 2, H2S / S, {kAsCaCO3, kAsCompound, kAsFrench, kAsGerman}},  // as S
    {14, SiO2, 1, SiO2 / Si, {kAsCaCO3, kAsCompound, kAsFrench, kAsGerman}},
    {15,
     PO4,
     3,
     2 * PO4 / (2 * P + 5 * O),  // P2O5, then P
     {kAsCaCO3, kAsCompound, kAsElement, kAsFrench, kAsGerman}},
    {16, F, 1, 0, {kAsCaCO3, kAsFrench, kAsGerman}},
    {17, NO3, 1, 0, {kAsCaCO3, kAsFrench, kAsGerman}},
    {19, Sr, 2, 0, {kAsCaCO3, kAsFrench, kAsGerman}},
    {20, Ba, 2, 0, {kAsCaCO3, kAsFrench, kAsGerman}},
    {21, Li, 1, 0, {kAsCaCO3, kAsFrench, kAsGerman}},
    {32, Mn, 2, 0, {kAsCaCO3, kAsFrench, kAsGerman}},
    {33, Zn, 2, 0, {kAsCaCO3, kAsFrench, kAsGerman}},
    {34, Br, 1, 0, {kAsCaCO3, kAsFrench, kAsGerman}},
    {35, 207.2, 2, 0, {kAsCaCO3, kAsFrench, kAsGerman}},  // lead, no column of its own
    {36,
     PO4,
     3,
     2 * PO4 / (2 * P + 5 * O),  // polyphosphate as PO4: the phosphate units
     {kAsCaCO3, kAsCompound, kAsElement, kAsFrench, kAsGerman}},
};

double Worked(const Ion& ion, Unit unit) {
    const double asCaCO3 = ion.mass / ion.charge / (kCaCO3 / 2);
    switch (unit) {
        case kAsCaCO3:
            return asCaCO3;
        case kAsFrench:
            return kFrench * asCaCO3;
        case kAsGerman:
            return kGerman * asCaCO3;
        case kAsCompound:
            return ion.compound;
        case kAsElement:
            return PO4 / P;
        case kNo:
            break;
    }
    return 0.0;
}

struct Expected {
    int item;
    int code;
    double factor;
};
std::vector<Expected> WorkedTable() {
    std::vector<Expected> all;
    for (const Ion& ion : kIons)
        for (int code = 1; code <= 6; ++code)
            if (ion.units[code - 1] != kNo)
                all.push_back({ion.item, code, Worked(ion, ion.units[code - 1])});
    constexpr double kAtmPerBar = 1.0 / 1.01325,
                     kAtmPerPsi = 0.45359237 * 9.80665 / 0.0254 / 0.0254 / 101325.0;
    for (int item : {22, 23, 31}) {  // pressure, gas-phase CO2 and H2S: to atm
        all.push_back({item, 1, kAtmPerBar});
        all.push_back({item, 2, kAtmPerPsi});
        all.push_back({item, 3, 1.0 / 101.325});
    }
    // Residence time to seconds.
    all.push_back({26, 1, 60.0});
    all.push_back({26, 2, 3600.0});
    all.push_back({26, 3, 86400.0});
    // The density and the flows hold how many of the unit make one of the base:
    // lbs/gal in a g/mL, litres in a barrel (a day or an hour of it), cubic feet
    // in a cubic metre.
    constexpr double kLitresPerBarrel = 42 * 3.785411784, kCubicFeetPerM3 = 1 / 0.028316846592;
    all.push_back({24, 1, 1000.0 / 453.59237 * 3.785411784});
    for (int item : {28, 29}) {
        all.push_back({item, 1, kLitresPerBarrel});
        all.push_back({item, 2, kLitresPerBarrel / 24});
        all.push_back({item, 3, kLitresPerBarrel});
    }
    all.push_back({30, 1, kCubicFeetPerM3});
    all.push_back({30, 2, kCubicFeetPerM3 / 24});
    all.push_back({30, 3, kCubicFeetPerM3});
    // Quantities no factor converts: pH, the alkalinities (their mode does),
    // temperature, corrosion rate and date order.
    for (int item : {6, 11, 12, 18, 25, 27})
        for (int code = 1; code <= 6; ++code) all.push_back({item, code, 1.0});
    return all;
}

TEST(UnitFactorTable, EveryUnitsFactorAgreesWithItsMolarMassesAndDefinitions) {
    float table[kUnitFactorRows][kUnitFactorColumns];
    FillUnitFactors(table);
    const std::vector<Expected> worked = WorkedTable();
    for (const Expected& e : worked) {
        if (e.item >= kUnitFactorColumns) continue;
        const float got = table[e.code - 1][e.item];
        // The table's constants carry three to five figures.
        EXPECT_NEAR(got, e.factor, 0.006 * e.factor) << "item " << e.item << " code " << e.code;
    }
}

// The calculation, the dose and the what-if drivers read the same factors as the
// form's table, for the items without a column of their own too.
TEST(UnitFactorTable, TheCalculationReadsTheSameFactors) {
    for (const Expected& e : WorkedTable()) {
        if (e.item > 21 && e.item < 32) continue;  // not a concentration
        if (e.item == 6 || e.item == 11 || e.item == 12 || e.item == 18) continue;
        EXPECT_NEAR(TrueUnitFactor(e.item, e.code), e.factor, 0.002 * e.factor)
            << "item " << e.item << " code " << e.code;
    }
    // Oxalate (mg/L as C2O4): as CaCO3, epm, moles/L.
    constexpr double C2O4 = 2 * C + 4 * O;
    EXPECT_NEAR(TrueUnitFactor(37, 1), C2O4 / kCaCO3, 1e-3);
    EXPECT_NEAR(TrueUnitFactor(37, 2), C2O4 / 2, 0.01);
    EXPECT_NEAR(TrueUnitFactor(37, 3), C2O4 * 1000, 10.0);
    // An item's codes past its captions have no factor.
    EXPECT_EQ(TrueUnitFactor(0, 4), 0.0);
    EXPECT_EQ(TrueUnitFactor(37, 4), 0.0);
}

TEST(UnitFactorTable, FillsEveryEntryExceptTheTwoMissingMillimoles) {
    float table[kUnitFactorRows][kUnitFactorColumns];
    for (auto& row : table)
        for (float& f : row) f = -1.0f;
    FillUnitFactors(table);
    for (int row = 0; row < kUnitFactorRows; ++row)
        for (int column = 0; column < kUnitFactorColumns; ++column)
            EXPECT_GE(table[row][column], 0.0f) << row << "," << column;
    EXPECT_EQ(table[3][3], 0.0f);   // potassium, code 4
    EXPECT_EQ(table[5][33], 0.0f);  // zinc, code 6
    EXPECT_EQ(table[5][34], 0.0f);  // bromine, code 6
    // Code 6 of an ion is its millimole or milliequivalent mass.
    EXPECT_EQ(table[5][9], 35.453f);
    EXPECT_NEAR(table[5][0], Ca / 2, 0.01);
    EXPECT_NEAR(table[5][10], SO4, 0.01);
}

TEST(UnitFactorTable, InitFillsTheGlobalTableAndResetClearsIt) {
    InitUnitFactors();
    EXPECT_NEAR(UnitFactorTable[0][0], 0.4005f, 0.0002f);
    EXPECT_EQ(UnitFactorTable[5][32], 54.938f);
    ResetUnitFactorRecords();
    EXPECT_EQ(UnitFactorTable[0][0], 0.0f);
}

}  // namespace
