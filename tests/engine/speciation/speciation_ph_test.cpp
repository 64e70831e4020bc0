// The pH of the speciation: the prediction methods, the carbonate solve, the
// pH-linear constants and the step of the charge balance by pH.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/speciation/speciation_steps.h"

namespace {

namespace E = AnalysisElement;

class PhTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (SpeciesRecord& r : species) r.gamma = 1.0;
        k[35] = std::pow(10.0, -6.38);   // K1 of carbonic acid
        k[68] = std::pow(10.0, -10.33);  // K2
        k[152] = 1e-14;                  // Kw
        in.molalDiv = 1000.0;
        in.pressureAtm = 1.0;
        in.pressurePsia = 14.696;
        in.temperatureF = 77.0;
        in.firstIonicStrength = 0.1;
    }
    SpeciationInputs in{};
    SpeciesRecord species[kSpeciesCount]{};
    double k[kReactionCount]{};
};

TEST_F(PhTest, AlkalinityCurveMethods) {
    in.phPredictionMethod = 5;
    // 1.43 log10(100) + 4.5 = 7.36.
    EXPECT_NEAR(PredictPh(in, species, k, 100.0), 7.36, 1e-12);
    // The caller hands the alkalinity in the curves' unit, whatever the basis.
    in.reportingMode = 3;
    EXPECT_NEAR(PredictPh(in, species, k, 100.0), 7.36, 1e-12);
    EXPECT_EQ(PredictPh(in, species, k, 0.0), 7.0);
    EXPECT_EQ(PredictPh(in, species, k, -3.0), 7.0);  // no logarithm of an acidity

    // The user's curve 4.5 + 0.01 A + 2 / A + 1.43 log10(A) at A = 100:
    // 4.5 + 1 + 0.02 + 2.86 = 8.38.
    in.reportingMode = 2;
    in.phPredictionMethod = 1;
    in.userCurve = {4.5, 0.01, 2.0, 1.43};
    EXPECT_NEAR(PredictPh(in, species, k, 100.0), 8.38, 1e-12);
    EXPECT_EQ(PredictPh(in, species, k, 0.0), 7.0);

    in.phPredictionMethod = 6;  // no such method
    EXPECT_EQ(PredictPh(in, species, k, 100.0), 7.0);
}

TEST_F(PhTest, CarbonateSpeciesMethods) {
    species[6].molality = 2e-3;   // HCO3-
    species[85].molality = 2e-4;  // CO2
    // K1 = a(H) a(HCO3) / a(CO2): pH = log10(2e-3 / 2e-4) + 6.38 = 7.38.
    in.phPredictionMethod = 0;
    EXPECT_NEAR(PredictPh(in, species, k, 0.0), 7.38, 1e-12);
    // K2 = a(H) a(CO3) / a(HCO3): with CO3 1e-5, pH = 10.33 - log10(2e-3 / 1e-5) = 8.029.
    in.phPredictionMethod = 4;
    species[17].molality = 1e-5;
    EXPECT_NEAR(PredictPh(in, species, k, 0.0), 10.33 - std::log10(200.0), 1e-12);
    // Without carbonate method 4 falls back on the CO2 pair, without CO2 on 7.
    species[17].molality = 0.0;
    EXPECT_NEAR(PredictPh(in, species, k, 0.0), 7.38, 1e-12);
    species[85].molality = 0.0;
    EXPECT_EQ(PredictPh(in, species, k, 0.0), 7.0);
    in.phPredictionMethod = 0;
    EXPECT_EQ(PredictPh(in, species, k, 0.0), 7.0);
}

TEST_F(PhTest, ProductionSystemEquations) {
    in.phPredictionMethod = 2;
    species[6].molality = 2e-3;
    // Without oil or gas flow: y = 0.000138 and the first equation, t = 77 F,
    // P = 14.696 psia, I = 0.1: log10(2e-3 / 1.38e-4) = 1.161151; 6.39 - 0.092246 +
    // 0.047076 - 0.000519 - 0.337415 + 0.1373 = 6.144196; pH 7.305347.
    EXPECT_NEAR(PredictPh(in, species, k, 0.0), 7.305347, 2e-6);

    // With brine 100, oil 50, gas 1000 (factors 1), pCO2 0.1 atm at 500 psia and
    // 150 F the fugacity form applies: TR = 610, S = exp((0.000284 - 0.255/610)
    // x 500) = 0.935335; Y = (1000 x 0.1 / 34.023) / ((500 + 500) x S x 0.005 + 1)
    // / (50 x 610) = 1.7049e-5; log10(2e-3 / (500 x S x Y)) = -0.601158; 8.6 +
    // 0.7965 - 0.050693 - 0.011185 - 0.313065 + 0.0658 = 9.087357; pH 8.486199.
    in.brineFlow = 100.0;
    in.oilFlow = 50.0;
    in.gasFlow = 1000.0;
    in.brineFactor = in.oilFactor = in.gasFactor = 1.0;
    in.pco2Atm = 0.1;
    in.pressurePsia = 500.0;
    in.pressureAtm = 500.0 * 0.068046;
    in.temperatureF = 150.0;
    EXPECT_NEAR(PredictPh(in, species, k, 0.0), 8.4886, 2e-3);

    species[6].molality = 0.0;  // no bicarbonate
    EXPECT_EQ(PredictPh(in, species, k, 0.0), 7.0);
}

int32_t RecordingSolver(double acidity, double alkalinity, double, double, double, double, double,
                        double, double& ph) {
    // Stands in for the carbonate solver: reports what it was given through the pH.
    ph = acidity * 1000.0 + alkalinity;
    return 0;
}

TEST_F(PhTest, CarbonateSolve) {
    // A carbonate-free water: h^2 + Alk h - Kw = 0. With Alk 1e-3 eq/kg,
    // h = (sqrt(1e-6 + 4e-14) - 1e-3) / 2 = 1e-11: pH 11.
    in.phSolveMarker = 1.0;
    in.phSolveAlkalinity = 1e-3 * in.molalDiv * 50.0445;
    in.phSolveAcidity = -in.phSolveAlkalinity;
    EXPECT_NEAR(CarbonateSolvePh(in, species, k, 1.0, 7.0), 11.0, 1e-6);

    // Otherwise the solver gets the amounts in eq/kg: 100 and 50 mg/L as CaCO3
    // over 1000 x 50.0445 are 1.99822e-3 and 0.99911e-3.
    in.phSolveMarker = 0.0;
    in.phSolveAcidity = 100.0;
    in.phSolveAlkalinity = 50.0;
    in.solvePh = RecordingSolver;
    EXPECT_NEAR(CarbonateSolvePh(in, species, k, 1.0, 7.0), 1.99822 + 0.00099911, 1e-5);

    // A pCO2 profile takes the CO2 pair instead of solving.
    in.varyPco2 = 1;
    species[6].molality = 2e-3;
    species[85].molality = 2e-4;
    EXPECT_NEAR(CarbonateSolvePh(in, species, k, 1.0, 7.0), 7.38, 1e-12);
}

TEST_F(PhTest, StartingPhIsWrittenOnlyWhenComputed) {
    WaterAnalysis analysis{};
    double enginePh = 0.0;
    uint32_t bound = 0;
    SpeciationState state{};
    ThermoTables tables{};
    SpeciationRecords rec{tables.reactions, tables.species, k,     k,    species,
                          analysis,         enginePh,       bound, state};
    analysis.values[E::kPh] = 7.9f;
    analysis.values[E::kCompanionPh] = 8.5f;
    EXPECT_NEAR(SettleStartingPh(in, rec, 1.0), 7.9, 1e-6);
    EXPECT_EQ(analysis.values[E::kCompanionPh], 8.5f);

    analysis.values[E::kPh] = -1.0f;
    analysis.values[E::kAlkalinity] = 100.0f;
    in.phPredictionMethod = 5;
    EXPECT_NEAR(SettleStartingPh(in, rec, 1.0), 7.36, 1e-9);
    EXPECT_FLOAT_EQ(analysis.values[E::kPh], 7.36f);
    EXPECT_EQ(analysis.values[E::kCompanionPh], -1.0f);

    // A profile step under pressure keeps a given pH.
    in.profileStepFlag = 1;
    in.pressureAtm = 3.0;
    analysis.values[E::kPh] = 6.8f;
    EXPECT_NEAR(SettleStartingPh(in, rec, 1.0), 6.8, 1e-6);
}

TEST(PhLinearConstants, FollowThePhAndShiftAboveFortyDegrees) {
    ReactionTable reactions{};
    double logK[kReactionCount]{};
    double k[kReactionCount]{};
    SetPhLinearConstants(8.0, 298.16, reactions, logK, k);
    EXPECT_NEAR(logK[157], 1.68 * 8.0 - 5.7, 1e-12);
    EXPECT_NEAR(logK[158], 1.52 * 8.0 - 5.4, 1e-12);
    EXPECT_NEAR(k[157], std::pow(10.0, 7.74), 1e-6 * k[157]);
    // At 353.16 K with deltaH 2 kcal/mol: -(2 / 0.0045757) x (1/353.16 - 1/312.16)
    // = +0.16256.
    reactions.deltaH[157] = 2.0;
    SetPhLinearConstants(8.0, 353.16, reactions, logK, k);
    EXPECT_NEAR(logK[157], 7.74 + 0.16256, 1e-4);
    EXPECT_NEAR(logK[158], 1.52 * 8.0 - 5.4, 1e-12);  // no enthalpy, no shift
}

TEST(ChargeBalanceStep, HalvesOnEachReversal) {
    double ph = 8.0;
    double step = 0.2;
    int32_t direction = -1;
    double enginePh = 8.0;
    uint32_t bound = 0;
    // Below the reference: the first upward move already halves the step.
    EXPECT_TRUE(BalanceChargeByPh(1.0, 2.0, ph, step, direction, enginePh, bound));
    EXPECT_NEAR(ph, 8.1, 1e-12);
    EXPECT_EQ(bound, 0u);  // the pH was still the engine's before this move
    EXPECT_TRUE(BalanceChargeByPh(1.0, 2.0, ph, step, direction, enginePh, bound));
    EXPECT_NEAR(ph, 8.2, 1e-12);
    EXPECT_EQ(bound, 1u);
    // Above it: reversal, half the step downward.
    EXPECT_TRUE(BalanceChargeByPh(3.0, 2.0, ph, step, direction, enginePh, bound));
    EXPECT_NEAR(ph, 8.15, 1e-12);
    // Within 0.0001 of the alkalinity: converged, no move.
    EXPECT_FALSE(BalanceChargeByPh(2.0001, 2.0, ph, step, direction, enginePh, bound));
    EXPECT_NEAR(ph, 8.15, 1e-12);

    // Starting above the reference, the first move keeps the full step.
    ph = 8.0;
    step = 0.2;
    direction = -1;
    EXPECT_TRUE(BalanceChargeByPh(3.0, 2.0, ph, step, direction, enginePh, bound));
    EXPECT_NEAR(ph, 7.8, 1e-12);

    // Without a starting pH the engine takes the pH and nothing moves.
    enginePh = 0.0;
    EXPECT_TRUE(BalanceChargeByPh(3.0, 2.0, ph, step, direction, enginePh, bound));
    EXPECT_NEAR(ph, 7.8, 1e-12);
    EXPECT_NEAR(enginePh, 7.8, 1e-12);
}

}  // namespace
