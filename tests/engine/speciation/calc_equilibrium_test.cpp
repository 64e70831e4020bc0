// The first stage of the equilibrium calculation through its entry point, on the
// global records: the 25 C identity of the constants and the reference pass.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "engine/speciation/calc_equilibrium.h"
#include "engine/tables/constants_records.h"
#include "engine/tables/equilibrium_constants.h"
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "engine/tables/temperature_functions.h"
#include "input/records.h"

namespace {

namespace E = AnalysisElement;

class CalcEquilibriumTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEngineRecords();
        ResetInputsRecords();
        ResetConstantsRecords();
        ResetInputRecords();
        unitCodes.code[UnitItem::kTemperature] = TemperatureUnit::kCelsius;
        unitCodes.code[UnitItem::kPressure] = PressureUnit::kAtm;
        float* v = currentAnalysis.values;
        v[E::kPh] = 8.1f;
        v[E::kTemperature] = 25.0f;
        v[E::kPressure] = 1.0f;
        v[E::kSodium] = 10760.0f;
        v[E::kChloride] = 19350.0f;
        v[E::kCalcium] = 412.0f;
        v[E::kSulfate] = 2710.0f;
        v[E::kMAlkalinity] = 140.0f;
        v[E::kReportingMode] = 2.0f;
        v[E::kAlkalinityMode] = 2.0f;
        calcPassMode = 1;
        referencePh = 8.1;
    }
    void TearDown() override {
        ResetEngineRecords();
        ResetInputsRecords();
        ResetInputRecords();
    }
};

TEST_F(CalcEquilibriumTest, At25CAnd1AtmTheTableConstantsStand) {
    CalcEquilibrium();
    EXPECT_EQ(speciesTableFilled, 99);
    std::set<int> explicitRows{kPhLinearReactionA, kPhLinearReactionB, Reaction::kWaterIonProduct};
    for (const TemperatureFunction& f : kTemperatureFunctions) explicitRows.insert(f.reaction);
    for (int i = 0; i < kReactionCount; ++i) {
        if (explicitRows.count(i)) continue;
        EXPECT_NEAR(reactionLogK[i], reactionTable.logK25[i], 1e-4) << "reaction " << i;
    }
    // The re-set entries are in place before the constants read them.
    EXPECT_NEAR(reactionLogK[100], -2.71, 1e-12);
    EXPECT_NEAR(reactionLogK[148], -1.512, 1e-12);
    EXPECT_NEAR(engineInputs.pressureAtm, 1.0, 1e-5);
    EXPECT_NEAR(enginePh, 8.1, 1e-12);
}

TEST_F(CalcEquilibriumTest, ReferencePassIgnoresTheWatersTemperature) {
    currentAnalysis.values[E::kTemperature] = 90.0f;
    calcPassMode = 0;
    CalcEquilibrium();
    EXPECT_NEAR(engineInputs.temperatureK, 298.16, 1e-12);
    EXPECT_NEAR(enginePh, 8.1, 1e-6);  // the analysis pH, not referencePh
    const double at25 = reactionK[12];

    calcPassMode = 1;
    referencePh = 7.0;
    CalcEquilibrium();
    EXPECT_NEAR(engineInputs.temperatureK, 363.16, 1e-12);
    EXPECT_NEAR(enginePh, 7.0, 1e-12);
    EXPECT_LT(reactionK[12], at25);  // calcite is less soluble in hot water
}

TEST_F(CalcEquilibriumTest, EveryRunStartsFromAClearedState) {
    CalcEquilibrium();
    const double strength = engineInputs.ionicStrength;
    const float kw = kwResult;
    SpeciesState[300].molality = 5.0;
    CalcEquilibrium();
    EXPECT_EQ(SpeciesState[300].molality, 0.0);
    EXPECT_DOUBLE_EQ(engineInputs.ionicStrength, strength);
    EXPECT_FLOAT_EQ(kwResult, kw);
    // The 25 C entry of Kw is not moved by a calculation, so none depends on the last.
    EXPECT_EQ(reactionTable.logK25[Reaction::kWaterIonProduct], -14.0);
}

}  // namespace
