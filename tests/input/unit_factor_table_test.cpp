// The unit factor table as the start-up loader fills it.
#include "input/unit_factor_table.h"

#include <gtest/gtest.h>

namespace {

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
    // Residence time: minutes, hours and days in seconds.
    EXPECT_EQ(table[0][26], 60.0f);
    EXPECT_EQ(table[1][26], 3600.0f);
    EXPECT_EQ(table[2][26], 86400.0f);
    // Captions in the form's order: sodium and chloride code 2 are "as NaCl",
    // sulfate code 4 "as Na2SO4"; code 6 of an ion is its millimole mass.
    EXPECT_EQ(table[1][2], 0.3932f);
    EXPECT_EQ(table[1][9], 0.60661f);
    EXPECT_EQ(table[3][10], 0.67631f);
    EXPECT_EQ(table[5][9], 35.453f);
    EXPECT_EQ(table[4][15], 11.322f);  // phosphate is the one ion with a fifth factor
}

TEST(UnitFactorTable, InitFillsTheGlobalTableAndResetClearsIt) {
    InitUnitFactors();
    EXPECT_EQ(UnitFactorTable[0][0], 0.4005f);
    EXPECT_EQ(UnitFactorTable[5][32], 54.938f);
    ResetUnitFactorRecords();
    EXPECT_EQ(UnitFactorTable[0][0], 0.0f);
}

}  // namespace
