// CalcWaterAnalysis from the stored water to the filed results, on the real engine.
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/pipeline/calc_water_analysis.h"
#include "engine/carbonate/carbonate_species.h"
#include "engine/inputs/treatment_inputs.h"
#include "tests/engine/pipeline/pipeline_fixture.h"

namespace pipeline_test {
namespace {

namespace E = AnalysisElement;

// Every record the pipeline reads or writes, as bytes, to compare two states.
std::vector<unsigned char> Snapshot() {
    std::vector<unsigned char> bytes;
    auto add = [&bytes](const void* p, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        bytes.insert(bytes.end(), b, b + n);
    };
    add(&currentAnalysis, sizeof currentAnalysis);
    add(&surfaceWater, sizeof surfaceWater);
    add(&injectionWater, sizeof injectionWater);
    add(&formationWater, sizeof formationWater);
    add(&multiMixState, sizeof multiMixState);
    add(SaturationResults, sizeof SaturationResults);
    add(MomentaryExcess, sizeof MomentaryExcess);
    add(&carbonateState, sizeof carbonateState);
    add(&WaterResults, sizeof WaterResults);
    add(&CarbonateSnapshot, sizeof CarbonateSnapshot);
    add(&corrosionRates, sizeof corrosionRates);
    add(&doseState, sizeof doseState);
    add(&doseAnalysis, sizeof doseAnalysis);
    add(&treatmentStage, sizeof treatmentStage);
    add(&resultStatus, sizeof resultStatus);
    add(&whatIfOptions, sizeof whatIfOptions);
    add(&phBalanceSwitch, sizeof phBalanceSwitch);
    add(&dialogOutcome, sizeof dialogOutcome);
    add(&productActive, sizeof productActive);
    add(productAtLastCalc, sizeof productAtLastCalc);
    add(&currentResidenceTime, sizeof currentResidenceTime);
    add(&referencePh, sizeof referencePh);
    return bytes;
}

// A barite inhibitor whose dose grows with the barite ratio r as e^0.5 r^0.6 (kind
// 1), 40 % actives; `phosphate` is the phosphate share of the active ingredient.
void SelectBariteInhibitor(const char* fileName, float phosphate) {
    productTable.componentCount = 1;
    productTable.headerValue = 1.0f;
    productTable.headerLimit = kUnsetLimit;
    ProductRecord& r = productTable.records[0];
    std::strncpy(r.fileName, fileName, sizeof r.fileName - 1);
    r.limitCode = IndexCode::kBarite;
    r.treatedIndex = IndexCode::kBarite;
    r.modelKind = DoseModelKind::kLogDriverPlain;
    r.energyForm = -1;
    r.c[4] = 0.5f;  // c5
    r.c[8] = 0.6f;  // c9
    r.activesPercent = 40.0f;
    r.blendShare = 1.0f;
    r.activeConc = 0.4f;
    r.driverLimit = 1000.0f;
    r.ingredient1 = phosphate;
    resultStatus.productSelected = 1;
}

void ExpectFinite(const float* values, int count, const char* what) {
    for (int i = 0; i < count; ++i) EXPECT_TRUE(std::isfinite(values[i])) << what << " " << i;
}

TEST_F(PipelineTest, AWaterNeverEnteredChangesNoRecord) {
    injectionWater = SourBrine();
    mainWindowState.currentWater = WaterSelector::kInjection;
    SelectBariteInhibitor("BARITEP.PRD", 0.1f);
    dialogOutcome = 1;
    const std::vector<unsigned char> before = Snapshot();
    CalcWaterAnalysisWith(1, CountedEngine);
    EXPECT_EQ(engineRuns, 0);
    EXPECT_TRUE(Snapshot() == before);

    // A multi-mix index outside the twelve waters names no water at all.
    mainWindowState.currentWater = WaterSelector::kMultiMixSource;
    multiMixState.editIndex = 12;
    const std::vector<unsigned char> before2 = Snapshot();
    CalcWaterAnalysisWith(0, CountedEngine);
    EXPECT_EQ(engineRuns, 0);
    EXPECT_TRUE(Snapshot() == before2);
}

TEST_F(PipelineTest, AFullCalculationFilesFiniteResultsAndASecondRunChangesNothing) {
    Enter(WaterSelector::kSurface, SeaWater());
    CalcWaterAnalysisWith(0, CountedEngine);
    // Reference pass, reference pass of the balanced water, one results pass.
    EXPECT_EQ(engineRuns, 3);
    EXPECT_EQ(resultStatus.surfaceEntered, 1);
    ExpectFinite(surfaceWater.values, E::kCount, "stored");
    ExpectFinite(WaterResults.surface.saturation, kSaturationResultCount, "saturation");
    ExpectFinite(WaterResults.surface.excess, kMomentaryExcessCount, "excess");
    ExpectFinite(corrosionRates.surface, 4, "corrosion");
    EXPECT_EQ(
        std::memcmp(WaterResults.surface.saturation, SaturationResults, sizeof SaturationResults),
        0);
    // Sea water is supersaturated in calcite (ratio about 4).
    EXPECT_GT(WaterResults.surface.saturation[IndexCode::kCalcite], 2.0f);
    EXPECT_GT(corrosionRates.surface[0], 0.0f);
    // Without a product the loop ends after the rates: no dose is filed.
    EXPECT_EQ(doseState.surface.doseDone, 0);
    EXPECT_EQ(doseState.surface.dose, 0.0f);
    // The reference pass's carbonate, kept for the water: bicarbonate near the
    // 140 mg/L entered, and the constants the pH control reads.
    EXPECT_NEAR(CarbonateSnapshot.surface.hco3, 120.0f, 20.0f);
    EXPECT_EQ(CarbonateSnapshot.surface.hco3, currentHCO3);
    EXPECT_EQ(savedCarbonateConstants[SavedWater::kSurface].k1, carbonateState.k1);

    const WaterAnalysis stored = surfaceWater;
    const WaterResultsRecord results = WaterResults;
    CalcWaterAnalysisWith(0, CountedEngine);
    EXPECT_EQ(std::memcmp(&stored, &surfaceWater, sizeof stored), 0);
    EXPECT_EQ(std::memcmp(&results, &WaterResults, sizeof results), 0);
}

TEST_F(PipelineTest, TwoRunsFromTheSameRecordsGiveIdenticalBytes) {
    auto run = [] {
        ResetWorld();
        UseMgPerLitre();
        currentResidenceTime = residenceTimeAtSelect = 180.0f;
        for (float& s : waterResidenceSeconds) s = 180.0f;
        SelectBariteInhibitor("BARITEP.PRD", 0.1f);
        resultStatus.runTargetSolvers = 1;
        Enter(WaterSelector::kFormation, SeaWater());
        CalcWaterAnalysisWith(0, CountedEngine);
        return Snapshot();
    };
    const std::vector<unsigned char> first = run();
    EXPECT_TRUE(run() == first);
}

TEST_F(PipelineTest, AnInjectionWaterWithAComputedPhIsRunAgainAtThatPh) {
    WaterAnalysis water = SourBrine();
    water.values[E::kCompanionPh] = -1.0f;
    Enter(WaterSelector::kInjection, water);
    CalcWaterAnalysisWith(0, CountedEngine);
    EXPECT_EQ(engineRuns, 4);
    EXPECT_TRUE(std::isfinite(injectionWater.values[E::kPh]));
    EXPECT_GT(CarbonateSnapshot.injection.totalCarbonate, 0.0f);

    // The surface water is not run again.
    engineRuns = 0;
    Enter(WaterSelector::kSurface, water);
    CalcWaterAnalysisWith(0, CountedEngine);
    EXPECT_EQ(engineRuns, 3);
}

TEST_F(PipelineTest, TheDoseAddsItsPhosphateToTheWorkingWaterOnly) {
    SelectBariteInhibitor("BARITEP.PRD", 0.1f);
    Enter(WaterSelector::kSurface, SourBrine());
    CalcWaterAnalysisWith(0, CountedEngine);

    const float dose = doseState.surface.dose;
    ASSERT_GT(dose, 0.0f);
    EXPECT_EQ(doseState.surface.doseDone, 1);
    // First pass, the pass with the phosphate, the final pass.
    EXPECT_EQ(engineRuns, 2 + 3);
    // Phosphate of the dose: dose x 0.1 (phosphate share) x 40 % actives, mg/L.
    EXPECT_NEAR(currentAnalysis.values[E::kPhosphate], dose * 0.1f * 0.40f, dose * 1e-5f);
    EXPECT_EQ(surfaceWater.values[E::kPhosphate], 0.0f);
    EXPECT_EQ(productActive, 1);
    EXPECT_STREQ(productAtLastCalc, "BARITEP.PRD");
}

TEST_F(PipelineTest, AProductChangeRecomputesWhatItMustAndNothingMore) {
    // A product without phosphate: after a change only its dose is refreshed.
    SelectBariteInhibitor("PLAIN.PRD", 0.005f);
    Enter(WaterSelector::kSurface, SourBrine());
    CalcWaterAnalysisWith(0, CountedEngine);
    ASSERT_EQ(productActive, 0);
    const WaterResultsRecord results = WaterResults;
    const WaterAnalysis stored = surfaceWater;

    std::strcpy(productTable.records[0].fileName, "PLAIN2.PRD");
    productTable.records[0].c[4] = 1.5f;  // e times the dose
    const float oldDose = doseState.surface.dose;
    engineRuns = 0;
    dialogOutcome = 0;  // the dialog stored nothing
    CalcWaterAnalysisWith(1, CountedEngine);
    EXPECT_EQ(engineRuns, 0);
    EXPECT_EQ(dialogOutcome, 0);
    EXPECT_NEAR(doseState.surface.dose, oldDose * std::exp(1.0f), oldDose * 1e-4f);
    EXPECT_STREQ(productAtLastCalc, "PLAIN2.PRD");
    EXPECT_EQ(std::memcmp(&results, &WaterResults, sizeof results), 0);
    EXPECT_EQ(std::memcmp(&stored, &surfaceWater, sizeof stored), 0);

    // Nothing changed since: nothing is computed and the dose stays.
    const float dose = doseState.surface.dose;
    CalcWaterAnalysisWith(1, CountedEngine);
    EXPECT_EQ(engineRuns, 0);
    EXPECT_EQ(doseState.surface.dose, dose);

    // A product that carries phosphate changes the water: the whole water again.
    SelectBariteInhibitor("PHOS.PRD", 0.1f);
    CalcWaterAnalysisWith(1, CountedEngine);
    EXPECT_EQ(dialogOutcome, 1);
    EXPECT_EQ(engineRuns, 5);
}

TEST_F(PipelineTest, StoredResultsMissingOrForcedMeanAFullCalculationInMode1) {
    Enter(WaterSelector::kFormation, SourBrine());
    resultStatus.formationEntered = 1;
    CalcWaterAnalysisWith(1, CountedEngine);
    EXPECT_EQ(engineRuns, 3);
    EXPECT_EQ(dialogOutcome, 1);

    // A forced recalculation marks what was computed from the water stale.
    resultStatus.mixProfileDone = 1;
    resultStatus.tempProfileDone = 1;
    resultStatus.pressureProfileDone = 1;
    CalcWaterAnalysisWith(1, CountedEngine);
    EXPECT_EQ(resultStatus.mixProfileDone, 0);
    EXPECT_EQ(resultStatus.tempProfileDone, 0);
    EXPECT_EQ(resultStatus.pressureProfileDone, 1);  // the input form clears that one

    // Current results, no product, nothing forced: nothing runs; a page that made
    // the water current at another residence time has its (empty) dose marked done.
    dialogOutcome = 0;
    engineRuns = 0;
    CalcWaterAnalysisWith(1, CountedEngine);
    EXPECT_EQ(engineRuns, 0);
    EXPECT_EQ(doseState.formation.doseDone, 0);
    residenceTimeAtSelect = 600.0f;
    CalcWaterAnalysisWith(1, CountedEngine);
    EXPECT_EQ(engineRuns, 0);
    EXPECT_EQ(doseState.formation.doseDone, 1);
}

TEST_F(PipelineTest, SwitchesAreRestoredAndTheSurfaceWaterMayCorrectItsPh) {
    whatIfOptions.correctPhForTemperature = 1;
    whatIfOptions.carbonateModel = 9;  // out of range: read as 0
    phBalanceSwitch = 7;
    uint32_t seenSwitch = 0;
    static uint32_t* seen = nullptr;
    seen = &seenSwitch;
    Enter(WaterSelector::kSurface, SeaWater());
    CalcWaterAnalysisWith(0, [] {
        *seen = phBalanceSwitch;
        CalcEquilibrium();
    });
    EXPECT_EQ(seenSwitch, 1u);
    EXPECT_EQ(phBalanceSwitch, 7u);
    EXPECT_EQ(whatIfOptions.carbonateModel, 0);

    Enter(WaterSelector::kInjection, SeaWater());
    CalcWaterAnalysisWith(0, [] {
        *seen = phBalanceSwitch;
        CalcEquilibrium();
    });
    EXPECT_EQ(seenSwitch, 0u);
}

TEST_F(PipelineTest, ThePredictedWatersLineRunsThroughItsOwnPoint) {
    for (uint16_t reporting : {ReportingMode::kMgPerL, ReportingMode::kEpm}) {
        reportingMode = reporting;
        phPredictionRequest = 1;
        Enter(WaterSelector::kSurface, SeaWater());
        CalcWaterAnalysisWith(0, CountedEngine);
        EXPECT_EQ(phPredictionRequest, 0u);
        EXPECT_FLOAT_EQ(extrapolatedAlkCurve.logSlope, 1.43f);
        EXPECT_EQ(extrapolatedAlkCurve.linear, 0.0f);
        // The extrapolating prediction method gives the water's own pH back at its
        // own alkalinity, in either reporting mode.
        phControlSettings.phPredictionMethod = 3;
        float ph = 0.0f;
        ASSERT_EQ(pHFromAlk(ph, currentAnalysis.values[E::kAlkalinity]), 0);
        EXPECT_NEAR(ph, extrapolatedAlkCurvePh, 1e-4f) << reporting;
        phControlSettings.phPredictionMethod = 0;
    }
}

TEST(ZincDose, GoesInTheUsersZincUnit) {
    // Zinc's captions: as Zn, as CaCO3 (32.685 mg Zn per 50.0445 mg CaCO3), French
    // and German degrees (10 and 17.9 mg/L as CaCO3); codes past them read as Zn.
    // The dose in the user's unit is the dose over the unit's mg/L of zinc.
    const double caco3 = 65.37 / 2 / 50.0445;
    const double expected[] = {10.0,          10.0 / caco3, 10.0 / (10 * caco3),
                               10.0 / (17.9 * caco3), 10.0, 10.0};
    UnitCodes units{};
    for (uint16_t code = 0; code < 6; ++code) {
        units.code[UnitItem::kZinc] = code;
        EXPECT_NEAR(ZincDoseInUserUnits(10.0, units), expected[code], expected[code] * 1e-9)
            << code;
    }
}

}  // namespace
}  // namespace pipeline_test
