// The mixing-ratio profile on the scripted engine: the axis it builds, the
// mixes it hands the engine, what it recomputes for the product in force, the
// phosphate a dose adds, pH control, its questions and what it puts back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "engine/inputs/unit_conversions.h"
#include "scenarios/frame/driver_frame.h"
#include "scenarios/mixing/mixing_axis.h"
#include "tests/scenarios/mixing_fixture.h"

namespace mixing_test {
namespace {

using MixingProfile = MixingTest;

// mg/L of the analysis value blended from the two waters at `percent`,
// computed in double precision.
double Blend(double injection, double formation, double percent) {
    return injection * percent / 100.0 + formation * (100.0 - percent) / 100.0;
}

TEST(MixingAxis, RatioAxisForOrdinaryEqualReversedAndOutOfRangeRanges) {
    struct Case {
        float low, high;
        float expected[kMixPoints];
    };
    const Case cases[] = {
        // 0 to 100 in sixths; the last point is the high percent itself.
        {0.0f, 100.0f, {0.0f, 16.666666f, 33.333332f, 50.0f, 66.666664f, 83.33333f, 100.0f}},
        {30.0f, 30.0f, {30.0f, 30.0f, 30.0f, 30.0f, 30.0f, 30.0f, 30.0f}},
        // 80 to 20: the first step lands above the high percent, which ends the
        // axis there; the points between stay 0 and point 6 is the high percent.
        {80.0f, 20.0f, {80.0f, 20.0f, 0.0f, 0.0f, 0.0f, 0.0f, 20.0f}},
        // 50 to 120: 108.33 passes 100 and becomes the high percent.
        {50.0f, 120.0f, {50.0f, 61.666668f, 73.333336f, 85.0f, 96.66667f, 120.0f, 120.0f}},
    };
    for (const Case& c : cases) {
        float points[kMixRows];
        std::fill(std::begin(points), std::end(points), -7.0f);
        const float step = BuildMixRatioAxis(c.low, c.high, points);
        EXPECT_FLOAT_EQ(step, (c.high - c.low) / 6.0f);
        for (int k = 0; k < kMixPoints; ++k)
            EXPECT_NEAR(points[k], c.expected[k], 1e-4f) << c.low << ".." << c.high << " " << k;
        for (int k = kMixPoints; k < kMixRows; ++k) EXPECT_EQ(points[k], 0.0f);
    }
}

TEST(MixingAxis, GridPercentAxisAndTheShareThatIsBlended) {
    float points[kMixAxisPoints];
    BuildGridAxis(-20.0f, 130.0f, points);  // step 25
    ClampInnerPercents(points);
    const float ratio[kMixAxisPoints] = {-20.0f, 5.0f, 30.0f, 55.0f, 80.0f, 100.0f, 130.0f};
    for (int k = 0; k < kMixAxisPoints; ++k) EXPECT_FLOAT_EQ(points[k], ratio[k]) << k;
    float stored[kMixAxisPoints];
    StoreAxisWithoutNegatives(points, stored);
    EXPECT_EQ(stored[0], 0.0f);
    EXPECT_EQ(stored[6], 130.0f);

    // A mix is never made of a negative share of either water.
    EXPECT_EQ(MixBlendPercent(-20.0f), 0.0f);
    EXPECT_EQ(MixBlendPercent(130.0f), 100.0f);
    EXPECT_EQ(MixBlendPercent(55.0f), 55.0f);
    EXPECT_EQ(MixBlendPercent(NAN), 0.0f);
}

TEST_F(MixingProfile, EachPointRunsTheBlendAt25CThenAtItsOwnTemperature) {
    CalcMixingProfile(nullptr);

    ASSERT_EQ(EnginePasses(), 14);
    for (int k = 0; k < kMixPoints; ++k) {
        const double p = 100.0 * k / 6.0;
        const double f = p / 100.0;
        const Pass& first = FirstPassOf(k);
        const Pass& main = MainPassOf(k);
        EXPECT_NEAR(first.values[AE::kCalcium], Blend(kInjectionCalcium, kFormationCalcium, p),
                    1e-3)
            << k;
        // The first pass sees the mix at 25 C with the hydrogen sulfide its waters
        // hold, at the pH of the blended hydrogen-ion activity, with the
        // snapshots' bicarbonate.
        EXPECT_EQ(first.values[AE::kTemperature], 25.0f);
        EXPECT_NEAR(first.values[AE::kH2S], Blend(2.0, 5.0, p), 1e-5) << k;
        EXPECT_NEAR(first.values[AE::kPh], -std::log10(f * 1e-8 + (1.0 - f) * 1e-6), 1e-5) << k;
        EXPECT_NEAR(first.values[AE::kBicarbonate], Blend(140.0, 500.0, p), 1e-3);
        EXPECT_EQ(first.values[AE::kSpeciesGiven], 1.0f);
        EXPECT_EQ(first.phBalanceSwitch, 0u);
        // The main pass: the blended temperature, species given, an ordinary pass.
        EXPECT_NEAR(main.values[AE::kTemperature],
                    Blend(kInjectionTemperature, kFormationTemperature, p), 1e-4);
        EXPECT_EQ(main.calcPassMode, 1);
        EXPECT_EQ(main.values[AE::kAlkalinityMode], 3.0f);
        // The point's tables hold the main pass's results.
        EXPECT_EQ(mixProfileTables.mixResults[k][27], 100.0f + 2 * k + 2);
        EXPECT_EQ(mixProfileTables.mixChemistry[k][AE::kMAlkalinity], 100.0f + 2 * k + 2);
        EXPECT_EQ(mixProfileTables.mixExcess[k][0], 2 * k + 2.0f);
    }
    // The end points are the pure waters, value for value.
    EXPECT_EQ(mixProfileTables.mixChemistry[0][AE::kCalcium], kFormationCalcium);
    EXPECT_EQ(mixProfileTables.mixChemistry[6][AE::kCalcium], kInjectionCalcium);
    EXPECT_EQ(resultStatus.mixProfileDone, 1);
    EXPECT_EQ(mixAlkalinityLabels, 1);
    EXPECT_EQ(mixPointCount, kMixPoints);
    // The working analysis keeps the last mix.
    EXPECT_EQ(currentAnalysis.values[AE::kCalcium], kInjectionCalcium);
    EXPECT_EQ(currentAnalysis.values[AE::kAlkalinityMode], static_cast<float>(alkalinityMode));
}

TEST_F(MixingProfile, PercentsOutsideTheRangeKeepTheirAxisValueButMixNoNegativeShare) {
    mixingZoneSettings.mixLowPercent = 50.0f;
    mixingZoneSettings.mixHighPercent = 120.0f;
    CalcMixingProfile(nullptr);

    EXPECT_EQ(mixPercent[5], 120.0f);
    EXPECT_EQ(mixPercent[6], 120.0f);
    EXPECT_EQ(mixPointTable[0][6], 120.0f);
    // 120 percent is the injection water alone, not 120 % of it less 20 % of
    // the formation water.
    for (int k : {5, 6}) {
        EXPECT_EQ(FirstPassOf(k).values[AE::kCalcium], kInjectionCalcium) << k;
        EXPECT_EQ(mixProfileTables.mixChemistry[k][AE::kPhosphate], 0.5f) << k;
    }

    // A reversed range computes the points the axis holds: 80, 20, 0, 0, 0, 0, 20.
    ResetMixingRecords();
    resultStatus.mixProfileDone = 0;
    ClearScript();
    mixingZoneSettings.mixLowPercent = 80.0f;
    mixingZoneSettings.mixHighPercent = 20.0f;
    CalcMixingProfile(nullptr);
    const double percents[kMixPoints] = {80, 20, 0, 0, 0, 0, 20};
    for (int k = 0; k < kMixPoints; ++k)
        EXPECT_NEAR(FirstPassOf(k).values[AE::kCalcium],
                    Blend(kInjectionCalcium, kFormationCalcium, percents[k]), 1e-3)
            << k;
}

TEST_F(MixingProfile, RecomputesOnlyWhatTheProductInForceNeeds) {
    SelectProduct("PLAIN.INH");
    CalcMixingProfile(nullptr);
    EXPECT_EQ(EnginePasses(), 14);
    EXPECT_EQ(Doses(), 7);
    EXPECT_STREQ(mixDoseProduct, "PLAIN.INH");
    EXPECT_EQ(mixDosesDone, 1);
    for (int k = 0; k < kMixPoints; ++k) {
        EXPECT_EQ(mixProfileTables.mixInhibitorDose[k], 12.5f);
        EXPECT_EQ(mixProfileTables.mixDoseStatus[k], 1);
        EXPECT_EQ(script.doses[k].temperature, mixProfileTables.mixChemistry[k][AE::kTemperature]);
    }

    // The same product again: nothing is recomputed.
    ClearScript();
    CalcMixingProfile(nullptr);
    EXPECT_EQ(EnginePasses(), 0);
    EXPECT_EQ(Doses(), 0);

    // Another product without phosphate: the doses alone, from the stored points.
    ClearScript();
    mixGridDosesDone = 1;
    std::strcpy(productTable.records[0].fileName, "OTHER.INH");
    CalcMixingProfile(nullptr);
    EXPECT_EQ(EnginePasses(), 0);
    ASSERT_EQ(Doses(), 7);
    for (int k = 0; k < kMixPoints; ++k)
        EXPECT_EQ(script.doses[k].temperature, mixProfileTables.mixChemistry[k][AE::kTemperature]);
    EXPECT_STREQ(mixDoseProduct, "OTHER.INH");
    EXPECT_EQ(mixGridDosesDone, 0);  // the grids' doses are for another product

    // The same name now carrying phosphate: its doses change the water, so every
    // point is computed again.
    ClearScript();
    productTable.records[2].ingredient1 = 0.02f;
    CalcMixingProfile(nullptr);
    EXPECT_EQ(EnginePasses(), 14);
    EXPECT_EQ(mixPhosphateProduct, 1);

    // Unchanged, but the grids have redone the doses: a phosphate product runs in full.
    ClearScript();
    CalcMixingProfile(nullptr);
    EXPECT_EQ(EnginePasses(), 0);
    mixDosesDone = 0;
    CalcMixingProfile(nullptr);
    EXPECT_EQ(EnginePasses(), 14);

    // No product: no dose, status 0, nothing recomputed.
    productTable.records[2].ingredient1 = 0.0f;
    CalcMixingProfile(nullptr);  // back to a plain product, in full
    ClearScript();
    resultStatus.productSelected = 0;
    CalcMixingProfile(nullptr);
    EXPECT_EQ(EnginePasses(), 0);
    for (int k = 0; k < kMixPoints; ++k) {
        EXPECT_EQ(mixProfileTables.mixInhibitorDose[k], 0.0f);
        EXPECT_EQ(mixProfileTables.mixDoseStatus[k], 0);
    }
}

TEST_F(MixingProfile, PhosphateTheDoseAddsIsRunOnceMoreInTheUsersUnit) {
    SelectProduct("PO4.INH");
    script.phosphateAdded = 3.1f;              // mg/L as PO4 at every dose
    unitCodes.code[UnitItem::kPhosphate] = 1;  // as CaCO3: 0.632578 mg of PO4 per unit
    CalcMixingProfile(nullptr);

    ASSERT_EQ(EnginePasses(), 21);  // three passes per point
    EXPECT_EQ(Doses(), 14);         // the re-run is dosed once more, without a second re-run
    for (int k = 0; k < kMixPoints; ++k) {
        const double blended = Blend(0.5, 1.5, 100.0 * k / 6.0);
        // 3.1 mg/L of PO4 is 3.1 / 0.632578 = 4.900568 units as CaCO3.
        EXPECT_NEAR(script.passes[3 * k + 2].values[AE::kPhosphate], blended + 4.900568, 1e-4) << k;
        EXPECT_NEAR(mixProfileTables.mixChemistry[k][AE::kPhosphate], blended + 4.900568, 1e-4);
        // Both doses of the point see the phosphate the mix had before the dose,
        // in mg/L as PO4: 0.632578 mg of PO4 per mg as CaCO3 (31.657 / 50.0445).
        EXPECT_NEAR(script.doses[2 * k].inputs.value[DoseInput::kPhosphate], blended * 0.632578,
                    1e-4);
        EXPECT_EQ(script.doses[2 * k + 1].inputs.value[DoseInput::kPhosphate],
                  script.doses[2 * k].inputs.value[DoseInput::kPhosphate]);
    }
    // One progress step per main pass, the re-runs counted in the total.
    ASSERT_EQ(script.progress.size(), 14u);
    EXPECT_EQ(script.progress.back().first, 100);
    EXPECT_EQ(script.shows, 1);
    EXPECT_EQ(script.closes, 1);

    // In every unit and in epm the added amount reads back as the dose.
    ForEachPhosphateUnit([] {
        ResetMixingRecords();
        resultStatus.mixProfileDone = 0;
        ClearScript();
        CalcMixingProfile(nullptr);
        ASSERT_EQ(EnginePasses(), 21);
        const float added = script.passes[2].values[AE::kPhosphate] - 1.5f;
        EXPECT_NEAR(ConvPO4Units(added), 3.1, 1e-5);
    });

    // A constant recirculating phosphate is not raised by the dose.
    ResetMixingRecords();
    resultStatus.mixProfileDone = 0;
    ClearScript();
    constantConcentrations.constantValuesOn = 1;
    constantConcentrations.switches[0] = 1;
    CalcMixingProfile(nullptr);
    EXPECT_EQ(EnginePasses(), 14);
}

TEST_F(MixingProfile, PhControlGivesEachPointAtMostOneOfAcidOrAlkali) {
    // From pH 6 (formation) to pH 8 (injection) a target of 7 needs alkali at
    // the formation end and acid at the injection end.
    phControlSettings.phControlMethod = PhControlMethod::kBoth;
    phControlSettings.targetPh = 7.0f;
    phControlSettings.acidChemical = AcidChemical::kSulfuric;
    phControlSettings.alkaliChemical = AlkaliChemical::kCausticSoda;
    CalcMixingProfile(nullptr);

    int acidPoints = 0, alkaliPoints = 0;
    for (int k = 0; k < kMixPoints; ++k) {
        const float acid = mixProfileTables.mixAcidDose[k];
        const float alkali = mixProfileTables.mixAlkaliDose[k];
        EXPECT_FALSE(acid > 0.0f && alkali > 0.0f) << k;
        EXPECT_GE(acid, 0.0f);
        EXPECT_GE(alkali, 0.0f);
        acidPoints += acid > 0.0f;
        alkaliPoints += alkali > 0.0f;
        EXPECT_EQ(MainPassOf(k).values[AE::kPh], 7.0f) << k;
        EXPECT_EQ(mixProfileTables.mixChemistry[k][AE::kPh], 7.0f) << k;
    }
    EXPECT_GT(acidPoints, 0);
    EXPECT_GT(alkaliPoints, 0);
    // Without pH control both stay 0.
    ResetMixingRecords();
    resultStatus.mixProfileDone = 0;
    phControlSettings.phControlMethod = PhControlMethod::kNone;
    CalcMixingProfile(nullptr);
    for (int k = 0; k < kMixPoints; ++k) {
        EXPECT_EQ(mixProfileTables.mixAcidDose[k], 0.0f);
        EXPECT_EQ(mixProfileTables.mixAlkaliDose[k], 0.0f);
    }
}

TEST_F(MixingProfile, YesToAChemicalQuestionChangesNothing) {
    struct Case {
        uint16_t method;
        uint16_t acid, alkali;
        float target;
        const char* question;
    };
    const Case cases[] = {
        {PhControlMethod::kAcid, AcidChemical::kCarbonDioxide, AlkaliChemical::kLime, 6.5f,
         DriverText::kCo2BelowQuestion},
        {PhControlMethod::kAlkali, AcidChemical::kSulfuric, AlkaliChemical::kSodiumBicarbonate,
         8.5f, DriverText::kNaHCO3AboveQuestion},
    };
    for (const Case& c : cases) {
        phControlSettings.phControlMethod = c.method;
        phControlSettings.acidChemical = c.acid;
        phControlSettings.alkaliChemical = c.alkali;
        phControlSettings.targetPh = c.target;
        phBalanceSwitch = 1;
        ClearScript();
        script.answer = win::IDYES;
        const WorldBytes before = TakeMixWorldBytes();
        CalcMixingProfile(nullptr);
        EXPECT_EQ(TakeMixWorldBytes(), before) << c.question;
        ASSERT_EQ(script.boxes.size(), 1u);
        EXPECT_EQ(script.boxes[0], c.question);
        EXPECT_EQ(EnginePasses(), 0);

        // No goes on.
        ClearScript();
        script.answer = win::IDNO;
        CalcMixingProfile(nullptr);
        EXPECT_EQ(EnginePasses(), 14);
        resultStatus.mixProfileDone = 0;
    }

    // The comparisons are strict: a target of exactly 6.8 asks nothing.
    ClearScript();
    phControlSettings.phControlMethod = PhControlMethod::kAcid;
    phControlSettings.acidChemical = AcidChemical::kCarbonDioxide;
    phControlSettings.targetPh = 6.8f;
    CalcMixingProfile(nullptr);
    for (const std::string& box : script.boxes) EXPECT_NE(box, DriverText::kCo2BelowQuestion);
}

TEST_F(MixingProfile, PutsBackTheEngineSettingsItChanged) {
    phBalanceSwitch = 1;
    carbonateState.k1 = 1.5e-7f;
    carbonateState.alkalinity = 0.25f;
    currentHCO3 = 321.0f;
    currentCO3 = 12.0f;
    const CarbonateState saved = carbonateState;
    CalcMixingProfile(nullptr);

    EXPECT_EQ(phBalanceSwitch, 1u);
    for (const Pass& p : script.passes) EXPECT_EQ(p.phBalanceSwitch, 0u);
    EXPECT_EQ(carbonateState.k1, saved.k1);
    EXPECT_EQ(carbonateState.kw, saved.kw);
    EXPECT_EQ(carbonateState.alkalinity, saved.alkalinity);
    EXPECT_EQ(currentHCO3, 321.0f);
    EXPECT_EQ(currentCO3, 12.0f);
}

}  // namespace
}  // namespace mixing_test
