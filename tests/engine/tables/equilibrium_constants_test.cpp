// Equilibrium constants at temperature and pressure: the 25 C identity, van 't Hoff
// against a hand calculation, the fitted functions at their branch temperatures, the
// pressure factor, and the kept results of earlier temperatures.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "engine/tables/constants_records.h"
#include "engine/tables/equilibrium_constants.h"
#include "engine/records.h"
#include "engine/tables/temperature_functions.h"

namespace {

class EquilibriumConstants : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEngineRecords();
        ResetConstantsRecords();
        InitSpeciesTable();
        ResetLogK25Entries();
    }
    void TearDown() override { ResetEngineRecords(); }

    void At(double temperatureC, double pressureBar = 1.0) {
        const double kelvin = temperatureC + 273.16;
        ComputeConstantsAtTemperature(temperatureC, kelvin, reactionTable, reactionLogK, reactionK,
                                      waterConstants, kwResult);
        ApplyPressureCorrections(temperatureC, kelvin, pressureBar, reactionLogK, reactionK);
    }
    static double LogK(int reaction) { return std::log10(reactionK[reaction]); }
};

// Reactions whose constant is not the van 't Hoff value: the fitted functions, the
// pH-linear pair and the ion product of water.
std::set<int> ExplicitReactions() {
    std::set<int> rows{kPhLinearReactionA, kPhLinearReactionB, Reaction::kWaterIonProduct};
    for (const TemperatureFunction& f : kTemperatureFunctions) rows.insert(f.reaction);
    return rows;
}

TEST_F(EquilibriumConstants, At25CAnd1BarEveryOtherReactionKeepsItsTableConstant) {
    At(25.0, 1.0);
    const std::set<int> explicitRows = ExplicitReactions();
    for (int i = 0; i < kReactionCount; ++i) {
        if (explicitRows.count(i)) continue;
        EXPECT_NEAR(reactionLogK[i], reactionTable.logK25[i], 1e-12) << "reaction " << i;
        EXPECT_NEAR(LogK(i), reactionTable.logK25[i], 1e-12) << "reaction " << i;
    }
}

TEST_F(EquilibriumConstants, At25CAnd1AtmThePressureCorrectionIsBelowATenThousandth) {
    At(25.0, 1.01325);
    const std::set<int> explicitRows = ExplicitReactions();
    for (int i = 0; i < kReactionCount; ++i) {
        if (explicitRows.count(i)) continue;
        EXPECT_NEAR(reactionLogK[i], reactionTable.logK25[i], 1e-4) << "reaction " << i;
        EXPECT_NEAR(LogK(i), reactionTable.logK25[i], 1e-4) << "reaction " << i;
    }
}

TEST_F(EquilibriumConstants, VanHoffMatchesAHandCalculation) {
    // Reaction 152 keeps the van 't Hoff value in reactionLogK: logK25 -14, 13.35
    // kcal/mol. At 75 C: dlog K = dH / (R ln 10) (1/298.16 - 1/348.16)
    // = 13350 / (1.98719 x 2.302585) x 4.81657e-4 = 1.405296.
    At(75.0);
    EXPECT_NEAR(reactionLogK[Reaction::kWaterIonProduct], -14.0 + 1.405296, 1e-5);
    // Kw itself is that of Marshall and Franck: pKw 12.71 at 75 C (their Table 2,
    // saturation pressure), within the difference their density term makes here.
    EXPECT_NEAR(LogK(Reaction::kWaterIonProduct), -12.71, 0.03);
}

TEST_F(EquilibriumConstants, FittedFunctionsReplaceTheTableUpTo40C) {
    At(25.0);
    // Hydrogen sulfide: 11.17 - 0.02386 T - 3279 / T at 298.16 K
    // = 11.17 - 7.11410 - 10.99745 = -6.94155; reactionLogK keeps the table's -6.99.
    EXPECT_NEAR(LogK(91), -6.94155, 1e-5);
    EXPECT_NEAR(reactionLogK[91], -6.99, 1e-12);
    // Carbonic acid: 8.153 - 6.54163 - 7.98998 = -6.37861; a pressure-corrected row, so
    // its reactionLogK follows the corrected constant.
    EXPECT_NEAR(LogK(35), -6.37861, 5e-5);
    EXPECT_NEAR(reactionLogK[35], LogK(35), 1e-12);
    // Borate: its function times the van 't Hoff Kw (1e-14 at 25 C):
    // 28.6059 + 3.60118 + 5.27640 - 32.72409 - 14 = -9.24061.
    EXPECT_NEAR(LogK(25), -9.24061, 5e-5);
}

TEST_F(EquilibriumConstants, FunctionsAreContinuousAt40C) {
    const double limitC = kFunctionLimitK - 273.16;
    double at[kReactionCount];
    At(limitC);
    for (int i = 0; i < kReactionCount; ++i) at[i] = LogK(i);
    At(limitC + 1e-7);
    for (const TemperatureFunction& f : kTemperatureFunctions) {
        if (f.reaction == Reaction::kGypsum) continue;
        EXPECT_NEAR(LogK(f.reaction), at[f.reaction], 1e-6) << "reaction " << f.reaction;
    }
}

TEST_F(EquilibriumConstants, FunctionsLinearInInverseTemperatureKeepTheirValuesAbove40C) {
    // 72: 3.106 - 673.6 / T; at 350 K: 3.106 - 1.924571 = 1.181429.
    At(350.0 - 273.16);
    EXPECT_NEAR(LogK(72), 1.181429, 1e-6);
    // A curved function does not: CaCO3 pair follows its tangent in 1/T, below the curve.
    const double fitted = -1228.732 - 0.299444 * 350.0 + 35512.75 / 350.0 + 485.818 * std::log10(350.0);
    EXPECT_GT(std::fabs(LogK(78) - fitted), 0.01);
}

TEST_F(EquilibriumConstants, GypsumStepsAt40CAndAnhydriteIsContinuousAt150C) {
    // Gypsum's function gives -4.5976 at 313.16 K; above, the line from -4.6.
    At(40.0);
    EXPECT_NEAR(LogK(Reaction::kGypsum), -4.5976, 5e-5);
    At(40.0 + 1e-7);
    EXPECT_NEAR(LogK(Reaction::kGypsum), -4.6, 1e-5);
    At(100.0);  // -4.6 + 874.2157 (1/373.16 - 1/313.16) = -5.0489
    EXPECT_NEAR(LogK(Reaction::kGypsum), -5.0489, 1e-4);

    // Anhydrite keeps its function up to 150 C (not the 40 C extrapolation) ...
    At(100.0);
    const double t = 373.16;
    EXPECT_NEAR(LogK(Reaction::kAnhydrite), 197.52 - 8669.8 / t - 69.835 * std::log10(t), 1e-9);
    // ... and is continuous where its own extrapolation takes over.
    At(150.0);
    const double at150 = LogK(Reaction::kAnhydrite);
    At(150.0 + 1e-6);
    EXPECT_NEAR(LogK(Reaction::kAnhydrite), at150, 1e-6);
}

TEST_F(EquilibriumConstants, PressureRaisesCalciteSolubilityByItsReactionVolume) {
    At(25.0, 1.0);
    const double atOneBar = LogK(12);
    At(25.0, 1000.0);
    // At 25 C: dV = -58.3548 cm3/mol, dkappa = 4.48136e-3 cm3/(mol bar); with RT = 83.15 x
    // 298.16 cm3 bar/mol, ln(K_P / K_1) = 58.3548 x 999 / RT + 4.48136e-3 x 999^2 / 2RT
    // = 2.351374 + 0.090198 = 2.441572, log10 1.060379.
    EXPECT_NEAR(LogK(12) - atOneBar, 1.060379, 1e-5);
    EXPECT_NEAR(reactionLogK[12], LogK(12), 1e-12);
    // Carbonic acid's first dissociation: dV = -24.2 + 0.085 x 25 = -22.075 cm3/mol.
    EXPECT_NEAR(LogK(35) - (8.153 - 0.02194 * 298.16 - 2382.3 / 298.16),
                22.075 * 999 / (83.15 * 298.16) / std::log(10.0), 1e-6);
}

TEST_F(EquilibriumConstants, KeptPressureCorrectionsFollowTheConstantsTheyStartFrom) {
    At(60.0, 50.0);
    const double calcite = reactionK[12];
    const double calciteLog = reactionLogK[12];
    // More conditions than are kept, then the first again: computed afresh or kept,
    // the same constants.
    for (int k = 1; k <= 12; ++k) At(60.0, 50.0 + 10.0 * k);
    At(60.0, 50.0);
    EXPECT_EQ(reactionK[12], calcite);
    EXPECT_EQ(reactionLogK[12], calciteLog);
    // The same conditions on another starting constant (a changed table) are not
    // answered from what was kept.
    ComputeConstantsAtTemperature(60.0, 333.16, reactionTable, reactionLogK, reactionK,
                                  waterConstants, kwResult);
    reactionK[12] *= 2.0;
    ApplyPressureCorrections(60.0, 333.16, 50.0, reactionLogK, reactionK);
    EXPECT_NEAR(reactionK[12], 2.0 * calcite, 1e-12 * calcite);
    EXPECT_NEAR(reactionLogK[12], calciteLog + std::log10(2.0), 1e-12);
}

TEST_F(EquilibriumConstants, WaterPropertiesAreFilled) {
    At(25.0);
    EXPECT_NEAR(waterConstants.debyeA, 0.5108, 1e-3);
    EXPECT_NEAR(waterConstants.debyeB, 0.3286, 1e-3);
    EXPECT_NEAR(std::log10(kwResult), -13.995, 0.003);
    EXPECT_NEAR(waterConstants.bariumCarbonatePairK, std::pow(10.0, 0.113 + 0.008721 * 298.16), 1e-9);
    // BaSO4: 1e-10 with the CaSO4 pair's enthalpy, unchanged at 25 C.
    EXPECT_NEAR(waterConstants.bariumSulfatePairK, 1e-10, 1e-22);
}

TEST_F(EquilibriumConstants, KeptResultsFollowTemperatureAndTableChanges) {
    At(60.0, 50.0);
    double first[kReactionCount];
    for (int i = 0; i < kReactionCount; ++i) first[i] = reactionK[i];
    const double firstA = waterConstants.debyeA;
    At(25.0);
    At(80.0);
    At(60.0, 50.0);
    for (int i = 0; i < kReactionCount; ++i) EXPECT_DOUBLE_EQ(reactionK[i], first[i]) << i;
    EXPECT_DOUBLE_EQ(waterConstants.debyeA, firstA);

    // The pressure correction of one call does not stay in the next.
    At(60.0, 1.0);
    EXPECT_LT(reactionK[12], first[12]);

    // A changed table entry is seen at a temperature computed before, once its
    // writer raised the tables' generation; in any other table, at once.
    reactionTable.logK25[153] += 1.0;
    ++thermoTablesGeneration;
    At(60.0, 50.0);
    EXPECT_NEAR(std::log10(reactionK[153]) - std::log10(first[153]), 1.0, 1e-9);
    static ReactionTable other;
    other = reactionTable;
    other.logK25[153] += 1.0;
    ComputeConstantsAtTemperature(60.0, 333.16, other, reactionLogK, reactionK, waterConstants,
                                  kwResult);
    ApplyPressureCorrections(60.0, 333.16, 50.0, reactionLogK, reactionK);
    EXPECT_NEAR(std::log10(reactionK[153]) - std::log10(first[153]), 2.0, 1e-9);
    // The logK25 resets raise the generation only when they change an entry.
    const uint32_t generation = thermoTablesGeneration;
    ResetLogK25Entries();
    EXPECT_EQ(thermoTablesGeneration, generation);
    reactionTable.logK25[142] = 0.0;
    ResetLogK25Entries();
    EXPECT_NE(thermoTablesGeneration, generation);
}

}  // namespace
