// The speciation of standard sea water through CalcEquilibrium: convergence, the
// free fractions of the major ions against published speciation, the closure of
// the mass balances, the charge balance by pH and a case that cannot converge.
#include <cmath>
#include <initializer_list>
#include <utility>

#include "engine/speciation/speciation.h"
#include "engine/speciation/speciation_steps.h"
#include "tests/engine/speciation/speciation_fixture.h"

namespace {

double Molality(int species) {
    return SpeciesState[species].molality;
}

double SumOf(std::initializer_list<int> species) {
    double total = 0.0;
    for (int i : species) total += Molality(i);
    return total;
}

// Sea water with every component the speciation knows besides its own.
void AddEveryComponent(float* v) {
    namespace E = AnalysisElement;
    const std::pair<int, float> added[] = {
        {E::kSilica, 20.0f}, {E::kPhosphate, 2.0f}, {E::kAmmonia, 3.0f}, {E::kIron, 5.0f},
        {E::kAluminum, 0.5f}, {E::kH2S, 10.0f}, {E::kZinc, 1.0f}, {E::kBarium, 0.5f},
        {E::kLithium, 0.2f}, {E::kPolyphosphate, 1.0f}};
    for (const auto& [element, value] : added) v[element] = value;
}

TEST_F(SeaWaterTest, ConvergesWithPublishedFreeFractions) {
    CalcEquilibrium();
    EXPECT_EQ(speciation.converged, 1u);
    EXPECT_GE(speciation.passCount, 2);
    EXPECT_LE(speciation.passCount, kSpeciationPassLimit);
    EXPECT_NEAR(speciation.ph, 8.1, 1e-6);  // a given pH is kept
    // Published speciation of sea water at 25 C (Garrels and Thompson 1962;
    // Millero and Schreiber 1982): about 90 % of calcium and 89 % of magnesium
    // free, sodium almost wholly free, 40 to 55 % of sulfate free; the ionic
    // strength of salinity 35 is about 0.7.
    EXPECT_NEAR(Molality(0) / speciation.caT, 0.90, 0.05);
    EXPECT_NEAR(Molality(1) / speciation.mgT, 0.89, 0.06);
    EXPECT_NEAR(Molality(2) / speciation.naT, 0.97, 0.03);
    const double freeSulfate = Molality(5) / speciation.so4T;
    EXPECT_GT(freeSulfate, 0.38);
    EXPECT_LT(freeSulfate, 0.60);
    EXPECT_NEAR(speciation.ionicStrength, 0.68, 0.05);
    EXPECT_NEAR(speciation.waterActivity, 0.981, 0.003);  // 1 - 0.017 x about 1.12 mol/kg
    // The rest of the sulfate sits mostly in the Mg, Na and Ca pairs.
    const double pairs = Molality(22) + Molality(43) + Molality(31);
    EXPECT_GT(pairs / (speciation.so4T - Molality(5)), 0.9);
}

TEST_F(SeaWaterTest, MassBalancesCloseAfterConvergence) {
    CalcEquilibrium();
    ASSERT_EQ(speciation.converged, 1u);
    // A metal's block distributes its total exactly.
    EXPECT_NEAR(SumOf({0, 28, 29, 30, 31}), speciation.caT, 1e-12 * speciation.caT);
    EXPECT_NEAR(SumOf({1, 18, 19, 20, 21, 22}), speciation.mgT, 1e-12 * speciation.mgT);
    // Sodium's block counts Na2CO3 and Na2SO4 once, like its one-sodium pairs, so
    // the sodium they hold is over the total by their (small) amounts.
    EXPECT_NEAR(SumOf({2, 41, 42, 43, 48, 68, 93}), speciation.naT, 1e-12 * speciation.naT);
    EXPECT_LT(SumOf({48, 68}), 1e-4 * speciation.naT);
    EXPECT_NEAR(SumOf({3, 45, 94}), speciation.kT, 1e-12 * speciation.kT);
    EXPECT_NEAR(SumOf({87, 88}), speciation.srT, 1e-12 * speciation.srT);
    EXPECT_NEAR(SumOf({23, 24, 25}), speciation.silicaT, 1e-12 * speciation.silicaT);
    EXPECT_NEAR(SumOf({35, 36}), speciation.boronT, 1e-12 * speciation.boronT);
    // The ligands close within the stated relative tolerance of 0.001.
    const double sulfate = SumOf({5, 22, 31, 43, 45, 62, 68, 82, 95});
    EXPECT_NEAR(sulfate, speciation.so4T, 1e-3 * speciation.so4T);
    const double chloride = SumOf({4, 92, 93, 94});
    EXPECT_NEAR(chloride, speciation.clT, 1e-3 * speciation.clT);
    EXPECT_NEAR(SumOf({61, 19}), speciation.fT, 1e-3 * speciation.fT);
    // The carbonate closes on the carbonate share of the given alkalinity: 140
    // mg/L of bicarbonate less the borate, silicate and hydroxide alkalinity.
    const double start = 140.0 * engineInputs.molalFactor / 61.0173;
    EXPECT_NEAR(speciation.startCarbonateAlkalinity, start, 1e-6 * start);
    const double carbonateShare =
        start - Molality(36) - Molality(24) - 2.0 * Molality(25) - Molality(26);
    EXPECT_NEAR(speciation.computedCarbonateAlkalinity, carbonateShare, 1.5e-3 * carbonateShare);
    // Element 0 keeps the given pH.
    EXPECT_FLOAT_EQ(currentAnalysis.values[AnalysisElement::kPh], 8.1f);
}

// The passes sum only the species that held an amount when they began and those a
// pass writes. With every component the speciation knows, each species that ends
// with a molality is one of these: an input (it has an amount) or one a pass
// writes.
TEST_F(SeaWaterTest, EverySpeciesThePassesFormIsOneTheySum) {
    AddEveryComponent(currentAnalysis.values);
    CalcEquilibrium();
    int formed = 0;
    for (int i = 0; i < kSpeciesCount; ++i) {
        const SpeciesRecord& r = SpeciesState[i];
        if (r.molality == 0.0) continue;
        if (PassWritesSpecies(i)) {
            ++formed;
            continue;
        }
        EXPECT_NE(r.amount, 0.0) << "species " << i << " formed by a pass but not summed";
    }
    EXPECT_GT(formed, 80);
}

// The passes write the coefficients of species that hold nothing only when the
// passes end: every record leaves with the coefficient of the last pass's ionic
// strength and activity = gamma x molality, with or without calcium (whose
// bicarbonate pair's coefficient the barium pairs read).
TEST_F(SeaWaterTest, EveryRecordLeavesWithTheLastPassCoefficients) {
    namespace E = AnalysisElement;
    for (float calcium : {412.0f, 0.0f}) {
        SetUp();
        float* v = currentAnalysis.values;
        v[E::kCalcium] = calcium;
        v[E::kBarium] = 0.5f;
        v[E::kZinc] = 1.0f;
        v[E::kPhosphate] = 2.0f;
        CalcEquilibrium();
        ASSERT_GT(speciation.passCount, 2);
        static SpeciesRecord expected[kSpeciesCount];
        for (int i = 0; i < kSpeciesCount; ++i) expected[i] = SpeciesState[i];
        NeutralCoefficient neutral;
        ApplyActivityCoefficients(waterConstants.debyeA, waterConstants.debyeB,
                                  speciation.ionicStrength, speciation.sqrtI, speciesTable,
                                  ActivityClassesOf(speciesTable), expected, neutral);
        for (int i = 0; i < kSpeciesCount; ++i) {
            const SpeciesRecord& r = SpeciesState[i];
            ASSERT_EQ(r.gamma, expected[i].gamma) << "species " << i << ", calcium " << calcium;
            if (i == Sp::kH || i == Sp::kOH) continue;  // activities from the pH and Kw
            EXPECT_NEAR(r.activity, r.gamma * r.molality, 1e-12 * std::fabs(r.activity))
                << "species " << i << ", calcium " << calcium;
        }
    }
}

TEST_F(SeaWaterTest, NeutralSpeciesHaveCoefficientOne) {
    CalcEquilibrium();
    for (int i : {20, 22, 23, 30, 31, 35, 42, 48, 68, 85, 93, 94}) {
        EXPECT_EQ(SpeciesState[i].gamma, 1.0) << "species " << i;
    }
}

TEST_F(SeaWaterTest, ChargeBalanceByPhReturnsToTheReferenceAlkalinity) {
    // A first pass at pH 8.1 gives the alkalinity that later passes hold to.
    CalcEquilibrium();
    const double alkalinity = speciation.passAlkalinity;
    const double loopCarbonate = speciation.totalCarbonate;
    const double target = speciation.carbonateTarget;
    const double startAlkalinity = speciation.startCarbonateAlkalinity;

    // Without the switch a pass keeps the pH it is given.
    currentAnalysis.values[AnalysisElement::kPh] = 7.6f;
    referencePh = 7.6;
    CalcEquilibrium();
    EXPECT_NEAR(speciation.ph, 7.6, 1e-6);
    EXPECT_EQ(phBoundUsed, 0u);

    // With it, the pH moves until the alkalinity is the reference again.
    phBalanceSwitch = 1;
    referenceAlkalinity = alkalinity;
    referenceCarbonate.loopTotalCarbonate = loopCarbonate;
    referenceCarbonate.carbonateTarget = target;
    referenceCarbonate.startCarbonateAlkalinity = startAlkalinity;
    CalcEquilibrium();
    EXPECT_EQ(speciation.converged, 1u);
    EXPECT_NEAR(speciation.ph, 8.1, 0.01);
    EXPECT_NEAR(speciation.passAlkalinity, alkalinity, 1e-4 * alkalinity);
    EXPECT_EQ(phBoundUsed, 1u);
}

TEST_F(SeaWaterTest, UnreachableReferenceStopsAtThePassLimitWithFiniteValues) {
    // No pH the passes can reach gives 1e6 eq/kg of alkalinity: the pH climbs by
    // 0.1 a pass (the first upward move halves the starting step of 0.2) until
    // the limit, and again so through the second round from where the first ended.
    phBalanceSwitch = 1;
    referenceAlkalinity = 1e6;
    unconvergedSpeciations = 0;
    CalcEquilibrium();
    EXPECT_EQ(speciation.passCount, 2 * kSpeciationPassLimit);
    EXPECT_EQ(speciation.converged, 0u);
    EXPECT_EQ(unconvergedSpeciations, 1u);
    EXPECT_NEAR(speciation.ph, 8.1 + 0.1 * 2 * kSpeciationPassLimit, 1e-6);
    EXPECT_TRUE(std::isfinite(speciation.ionicStrength));
    for (int i = 0; i < kSpeciesCount; ++i) {
        ASSERT_TRUE(std::isfinite(SpeciesState[i].molality)) << "species " << i;
        ASSERT_TRUE(std::isfinite(SpeciesState[i].activity)) << "species " << i;
        ASSERT_GE(SpeciesState[i].molality, 0.0) << "species " << i;
    }
}

// Without iron the redox level and the log of the water activity are taken once,
// after the last pass; with iron, in every pass. Both ways give the same values:
// a trace of iron, too small to move any sum, must not change them, on the oxygen
// electrode and on the sulfate-sulfide couple, nor when the charge balance moves
// the pH after the redox level was taken.
TEST_F(SeaWaterTest, RedoxLevelAfterThePassesIsThatOfTheLastPass) {
    namespace E = AnalysisElement;
    for (const float h2s : {0.0f, 10.0f}) {
        for (const uint32_t balance : {0u, 1u}) {
            SCOPED_TRACE(testing::Message() << "H2S " << h2s << " balance " << balance);
            double pe[2], logAw[2];
            int passes[2];
            for (int withIron = 0; withIron < 2; ++withIron) {
                SetUp();
                currentAnalysis.values[E::kH2S] = h2s;
                currentAnalysis.values[E::kIron] = withIron ? 1e-20f : 0.0f;
                phBalanceSwitch = balance;
                referenceAlkalinity = 2.6e-3;
                CalcEquilibrium();
                ASSERT_EQ(speciation.feT > 0.0, withIron == 1);
                pe[withIron] = speciation.pe;
                logAw[withIron] = speciation.logWaterActivity;
                passes[withIron] = speciation.passCount;
            }
            EXPECT_EQ(passes[0], passes[1]);
            EXPECT_NEAR(pe[0], pe[1], 1e-12 * std::fabs(pe[1]));
            EXPECT_DOUBLE_EQ(logAw[0], logAw[1]);
            EXPECT_DOUBLE_EQ(logAw[0], std::log10(speciation.waterActivity));
            EXPECT_NEAR(speciation.electronActivity, std::pow(10.0, -pe[1]), 1e-12 * speciation.electronActivity);
        }
    }
}

// A speciation lists from its first pass every species a block has formed before
// in the process, whatever water formed it. Species that hold nothing add nothing:
// sea water comes out the same to the last bit after a water that forms many more.
TEST_F(SeaWaterTest, SpeciesFormedByEarlierWatersChangeNothing) {
    CalcEquilibrium();
    static SpeciesRecord before[kSpeciesCount];
    for (int i = 0; i < kSpeciesCount; ++i) before[i] = SpeciesState[i];
    const SpeciationState first = speciation;

    AddEveryComponent(currentAnalysis.values);
    CalcEquilibrium();
    SetUp();
    CalcEquilibrium();

    EXPECT_EQ(speciation.passCount, first.passCount);
    EXPECT_EQ(speciation.ionicStrength, first.ionicStrength);
    EXPECT_EQ(speciation.ph, first.ph);
    EXPECT_EQ(speciation.passAlkalinity, first.passAlkalinity);
    for (int i = 0; i < kSpeciesCount; ++i) {
        EXPECT_EQ(SpeciesState[i].molality, before[i].molality) << "species " << i;
        EXPECT_EQ(SpeciesState[i].gamma, before[i].gamma) << "species " << i;
        EXPECT_EQ(SpeciesState[i].activity, before[i].activity) << "species " << i;
    }
}

// Magnesium and calcium form their phosphate and polyphosphate partners only while
// the water holds those ligands; with either, both or neither, each metal's block
// still distributes its whole total, and the partners of a missing ligand hold
// nothing.
TEST_F(SeaWaterTest, MetalBlocksCloseWithAndWithoutPhosphateLigands) {
    namespace E = AnalysisElement;
    const std::initializer_list<int> magnesium = {1, 18, 19, 20, 21, 22, 39, 40, 72, 388, 389, 390};
    const std::initializer_list<int> calcium = {0, 28, 29, 30, 31, 73, 74, 75, 384, 385, 386};
    for (const float phosphate : {0.0f, 2.0f}) {
        for (const float polyphosphate : {0.0f, 1.0f}) {
            SCOPED_TRACE(testing::Message() << "PO4 " << phosphate << " poly " << polyphosphate);
            SetUp();
            currentAnalysis.values[E::kPhosphate] = phosphate;
            currentAnalysis.values[E::kPolyphosphate] = polyphosphate;
            CalcEquilibrium();
            EXPECT_NEAR(SumOf(magnesium), speciation.mgT, 1e-12 * speciation.mgT);
            EXPECT_NEAR(SumOf(calcium), speciation.caT, 1e-12 * speciation.caT);
            for (int i : {39, 40, 72, 73, 74, 75})
                EXPECT_EQ(Molality(i) > 0.0, phosphate > 0.0) << "species " << i;
            for (int i : {384, 385, 386, 388, 389, 390})
                EXPECT_EQ(Molality(i) > 0.0, polyphosphate > 0.0) << "species " << i;
        }
    }
}

}  // namespace
