// The multi-mix blend on a stand-in engine: how the waters mix, the blend's
// carbonate system and pH, the engine passes and doses it sets up, when it
// recomputes, and what it puts back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "engine/inputs/unit_conversions.h"
#include "scenarios/frame/driver_frame.h"
#include "tests/scenarios/multimix_fixture.h"

namespace multimix_test {
namespace {

// Two waters in equal parts: pH 6 with 2 mmol/L bicarbonate and 2 mmol/L
// dissolved CO2, and pH 8 with 1 mmol/L each of bicarbonate and carbonate.
void TwoWatersAtHalfEach() {
    Source(0, 50.0f, 6.0f, 122.0346f, 0.0f, 124.0506f);
    Source(1, 50.0f, 8.0f, 61.0173f, 60.0094f, 0.0f);
    float* a = multiMixState.sourceWaters[0].values;
    float* b = multiMixState.sourceWaters[1].values;
    a[E::kCalcium] = 100.0f, b[E::kCalcium] = 300.0f;
    a[E::kTemperature] = 20.0f, b[E::kTemperature] = 40.0f;
    multiMixState.residenceTime[0][ResidenceForm::kSeconds] = 600.0f;
    multiMixState.residenceTime[1][ResidenceForm::kSeconds] = 1800.0f;
}

TEST_F(MultiMixTest, PhOfTheBlendComesFromTheMixedHydrogenIon) {
    UseStandInEngine();
    TwoWatersAtHalfEach();
    MixWaters(1, nullptr);

    // -log10(0.5 x 1e-6 + 0.5 x 1e-8) = -log10(5.05e-7) = 6.29671, not the mean 7.0.
    EXPECT_NEAR(mixedWater.values[E::kPh], 6.29671f, 1e-4f);
    ASSERT_FALSE(engineCalls.empty());
    EXPECT_NEAR(engineCalls[0].working.values[E::kPh], 6.29671f, 1e-4f);
}

TEST_F(MultiMixTest, CarbonateOfTheBlendIsTheMixedSpecies) {
    UseStandInEngine();
    TwoWatersAtHalfEach();
    MixWaters(1, nullptr);
    const float* m = mixedWater.values;
    // 1.5 mmol/L HCO3 (91.526 mg/L), 0.5 mmol/L CO3 (30.005 mg/L), 1 mmol/L CO2 as
    // H2CO3 (62.025 mg/L): 3 mmol/L carbonate in all.
    EXPECT_NEAR(m[E::kBicarbonate], 91.52595f, 1e-3f);
    EXPECT_NEAR(m[E::kCarbonate], 30.0047f, 1e-3f);
    EXPECT_NEAR(m[E::kAcidity], 62.0253f, 1e-3f);
    EXPECT_NEAR(m[E::kTotalCarbonate], 3.0e-3f, 1e-8f);
    // Alkalinity = HCO3 + 2 CO3 + OH - H at the mean pH 7, where OH and H
    // (1e-7 mol/L each with Kw = 1e-14) cancel: 1.5 + 1.0 = 2.5 meq/L.
    EXPECT_NEAR(m[E::kAlkalinityEq], 2.5e-3f, 1e-8f);
    // Bicarbonate and carbonate are given as the species; the engine's report of
    // them (its result slots) ends in the M and P alkalinity elements.
    EXPECT_NEAR(m[E::kMAlkalinity], 91.52595f, 1e-3f);
    EXPECT_NEAR(m[E::kPAlkalinity], 30.0047f, 1e-3f);
    EXPECT_NEAR(multiMixBlend.blendWaterResults[27], 91.52595f, 1e-3f);
    EXPECT_NEAR(multiMixBlend.blendWaterResults[8], 30.0047f, 1e-3f);
    // Everything else by weight.
    EXPECT_FLOAT_EQ(m[E::kCalcium], 200.0f);
    EXPECT_FLOAT_EQ(m[E::kTemperature], 30.0f);
    EXPECT_FLOAT_EQ(multiMixBlend.meanResidenceSeconds, 1200.0f);
}

TEST_F(MultiMixTest, PassesRunAtTheReferenceTemperatureThenAtTheBlends) {
    UseStandInEngine();
    TwoWatersAtHalfEach();
    MixWaters(1, nullptr);
    ASSERT_EQ(engineCalls.size(), 2u);  // the blend, then one results pass
    const EngineCall& blend = engineCalls[0];
    EXPECT_FLOAT_EQ(blend.working.values[E::kTemperature], 25.0f);  // degrees C
    EXPECT_EQ(blend.working.values[E::kSpeciesGiven], 1.0f);
    EXPECT_EQ(blend.working.values[E::kAlkalinityEq], 0.0f);
    EXPECT_EQ(blend.balanceHold, 0);
    EXPECT_EQ(blend.phBalanceSwitch, 0u);
    // The carbonate constants of the sources, blended.
    EXPECT_NEAR(blend.carbonate.k1, 4.4668e-7f, 1e-12f);
    EXPECT_NEAR(blend.carbonate.gammaH, 1.0f, 1e-6f);

    const EngineCall& results = engineCalls[1];
    EXPECT_EQ(results.calcPassMode, 1);
    EXPECT_FLOAT_EQ(results.working.values[E::kTemperature], 30.0f);
    EXPECT_EQ(results.working.values[E::kAlkalinityMode], 3.0f);

    EXPECT_EQ(multiMixState.multiMixDone, 1u);
    EXPECT_EQ(multiMixBlend.mixColumnCount, 2);
    EXPECT_EQ(mixPointCount, 2);
    EXPECT_EQ(mixAlkalinityLabels, 1);
}

TEST_F(MultiMixTest, EngineSettingsAndCarbonateStateComeBack) {
    UseStandInEngine();
    TwoWatersAtHalfEach();
    phBalanceSwitch = 1;
    carbonateState.k1 = 1e-6f;
    carbonateState.alkalinity = 0.004f;
    currentHCO3 = 150.0f;
    currentCO3 = 12.0f;
    MixWaters(1, nullptr);
    EXPECT_EQ(phBalanceSwitch, 1u);
    EXPECT_EQ(carbonateState.k1, 1e-6f);
    EXPECT_EQ(carbonateState.alkalinity, 0.004f);
    EXPECT_EQ(currentHCO3, 150.0f);
    EXPECT_EQ(currentCO3, 12.0f);
    // The working analysis holds the blend for the pages, with the user's modes.
    for (int i : {E::kMAlkalinity, E::kPAlkalinity, E::kAlkalinity, E::kPh, E::kTemperature})
        EXPECT_EQ(currentAnalysis.values[i], mixedWater.values[i]) << i;
    EXPECT_EQ(currentAnalysis.values[E::kAlkalinityMode], alkalinityMode);
    EXPECT_EQ(currentAnalysis.values[E::kReportingMode], reportingMode);
}

// Selects a product whose file name is `file`; `active` components from the
// third on carry phosphate.
void SelectProduct(const char* file, int active) {
    ProductTable& p = productTable;
    std::strcpy(p.records[0].fileName, file);
    p.componentCount = 3;
    for (int i = 0; i < 7; ++i) p.records[i].ingredient1 = i >= 2 && i < 2 + active ? 0.5f : 0.0f;
    resultStatus.productSelected = 1;
    productLoaded = 1;
}

TEST_F(MultiMixTest, PhosphateFromTheDoseIsAddedOnceInTheUsersUnit) {
    UseStandInEngine();
    TwoWatersAtHalfEach();
    for (int j = 0; j < 2; ++j) multiMixState.sourceWaters[j].values[E::kPhosphate] = 2.0f;
    unitCodes.code[UnitItem::kPhosphate] = 2;  // as P2O5
    SelectProduct("PHOS.INH", 0);
    phosphateDoses = {1.0f, 1.0f};  // mg/L as PO4, on every dose
    MixWaters(1, nullptr);

    // 1 mg/L of PO4 is 1 / 1.33815 = 0.747300 mg/L as P2O5 (2 x 94.9714 mg of PO4
    // per 141.9446 mg of P2O5), so the engine reads 1 mg/L more; added once only.
    EXPECT_NEAR(mixedWater.values[E::kPhosphate], 2.0f + 0.747302f, 1e-5f);
    EXPECT_NEAR(ConvPO4Units(mixedWater.values[E::kPhosphate]) - ConvPO4Units(2.0f), 1.0, 1e-5);
    ASSERT_EQ(doseCalls.size(), 2u);
    EXPECT_EQ(engineCalls.size(), 3u);  // the blend and two results passes
    for (const DoseCall& d : doseCalls) {
        // The phosphate before the dose in mg/L: 2 mg/L as P2O5 x 1.33815, on both
        // passes.
        EXPECT_NEAR(d.inputs.value[DoseInput::kPhosphate], 2.67629f, 1e-5f);
        EXPECT_FLOAT_EQ(d.time, 1200.0f);
        EXPECT_FLOAT_EQ(d.temperature, 30.0f);
    }
    EXPECT_FLOAT_EQ(multiMixBlend.blendDose, 15.0f);
    EXPECT_EQ(multiMixBlend.blendDoseStatus, 1);
    EXPECT_FLOAT_EQ(multiMixBlend.lastMixResidenceTime, 1200.0f);
    EXPECT_STREQ(multiMixBlend.productFileAtLastMix, "PHOS.INH");
    EXPECT_EQ(multiMixBlend.blendRanWithProduct, 1u);
}

TEST_F(MultiMixTest, ConstantPhosphateTakesNoDose) {
    UseStandInEngine();
    TwoWatersAtHalfEach();
    SelectProduct("PHOS.INH", 0);
    constantConcentrations.constantValuesOn = 1;
    constantConcentrations.switches[0] = 1;
    phosphateDoses = {1.0f};
    MixWaters(1, nullptr);
    EXPECT_EQ(doseCalls.size(), 1u);
    EXPECT_EQ(mixedWater.values[E::kPhosphate], 0.0f);
}

TEST_F(MultiMixTest, RecomputesOnlyWhatTheProductChanged) {
    UseStandInEngine();
    TwoWatersAtHalfEach();
    SelectProduct("FIRST.INH", 0);
    MixWaters(1, nullptr);
    ASSERT_EQ(engineCalls.size(), 2u);

    // Same product, same active component, blend current: nothing at all.
    engineCalls.clear(), doseCalls.clear();
    MixWaters(1, nullptr);
    EXPECT_TRUE(engineCalls.empty());
    EXPECT_TRUE(doseCalls.empty());
    EXPECT_EQ(multiMixState.multiMixDone, 1u);

    // Another product without an active component: its dose alone, from the
    // stored blend; the product flag is taken in.
    SelectProduct("SECOND.INH", 0);
    MixWaters(1, nullptr);
    EXPECT_TRUE(engineCalls.empty());
    EXPECT_EQ(doseCalls.size(), 1u);
    EXPECT_EQ(productLoaded, 0);
    EXPECT_STREQ(multiMixBlend.productFileAtLastMix, "SECOND.INH");

    // A product whose third and fourth components carry phosphate changes the
    // water: the whole blend again.
    SelectProduct("THIRD.INH", 2);
    doseCalls.clear();
    MixWaters(1, nullptr);
    EXPECT_EQ(engineCalls.size(), 2u);
    EXPECT_EQ(multiMixBlend.blendActiveComponent, 4);
}

TEST_F(MultiMixTest, YesToTheCo2QuestionChangesNothing) {
    UseStandInEngine();
    TwoWatersAtHalfEach();
    phControlSettings.phControlMethod = PhControlMethod::kAcid;
    phControlSettings.acidChemical = AcidChemical::kCarbonDioxide;
    phControlSettings.targetPh = 6.5f;
    phBalanceSwitch = 1;
    answer = win::IDYES;
    BlendSnapshot().ExpectRefusedWith(DriverText::kCo2BelowQuestion);
}

// A blend whose calculation came to figures no water holds (T.D.S. 1.0e+16,
// or a pH of 26) is told once, its blend run as ever; a blend that settles,
// and the blend not run again, say nothing.
TEST_F(MultiMixTest, ABlendNoWaterCanBeIsToldOnce) {
    struct Case {
        const char* name;
        void (*engine)();
        int told;
    } cases[] = {{"settled", StandInEngine, 0},
                 {"T.D.S.", [] { StandInEngine(), SaturationResults[35] = 1.0e16f; }, 1},
                 {"pH", [] { StandInEngine(), currentAnalysis.values[E::kPh] = 26.0f; }, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstallScenarioEngine({c.engine, nullptr, StandInDose, nullptr, nullptr});
        TwoWatersAtHalfEach();
        multiMixState.multiMixDone = 0;
        shown.clear();
        for (int run = 0; run < 2; ++run) MixWaters(1, nullptr);
        int told = 0;
        for (const ShownBox& box : shown)
            told += box.text.find("The multi-mix blend could not be calculated") == 0;
        EXPECT_EQ(told, c.told);
        EXPECT_EQ(multiMixState.multiMixDone, 1u);
    }
}

// pH control brings the blend from its own pH to the target, whatever the
// surface water holds.
TEST_F(MultiMixTest, PhControlStartsFromTheBlend) {
    UseStandInEngine();
    Source(0, 50.0f, 8.0f, 122.0346f, 0.0f, 0.0f);
    Source(1, 50.0f, 8.0f, 122.0346f, 0.0f, 0.0f);
    surfaceWater = WaterAnalysis{};  // no surface water: its pH is 0
    phControlSettings.phControlMethod = PhControlMethod::kBoth;
    phControlSettings.acidChemical = AcidChemical::kSulfuric;
    phControlSettings.alkaliChemical = AlkaliChemical::kCausticSoda;
    phControlSettings.targetPh = 7.0f;
    MixWaters(1, nullptr);

    // Closed carbonate system, CT = 2 mmol/L, K1 = 10^-6.35, K2 = 10^-10.33:
    // a1 + 2 a2 is 0.982757 at pH 8 and 0.817532 at pH 7; with OH - H the
    // alkalinity falls by 0.33144 meq/L = 16.587 mg/L as CaCO3, which 98 %
    // sulfuric acid (factor 1.0007) covers with 16.60 mg/L.
    EXPECT_NEAR(multiMixBlend.blendAcidDemand, 16.60f, 0.05f);
    EXPECT_EQ(multiMixBlend.blendAlkaliDemand, 0.0f);
    EXPECT_FLOAT_EQ(mixedWater.values[E::kPh], 7.0f);
}

}  // namespace
}  // namespace multimix_test
