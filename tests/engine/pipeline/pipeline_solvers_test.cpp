// The carbonate target solvers and RunCalculations around them.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/carbonate/carbonate_species.h"
#include "engine/pipeline/engine_state_copy.h"
#include "engine/pipeline/run_calculations.h"
#include "engine/pipeline/target_solvers.h"
#include "engine/saturation/engine_result_rows_records.h"
#include "tests/engine/pipeline/pipeline_fixture.h"

namespace pipeline_test {
namespace {

namespace E = AnalysisElement;

TEST(SolverUnits, CationsAsCaCO3InEveryUnitAndBack) {
    struct Case {
        const SolverCation* cation;
        uint16_t code;
        double value, asCaCO3;
    };
    // One millimole of each cation per litre is 100.0894 mg/L as CaCO3; one meq/L is
    // 50.0445; codes 1 (as CaCO3) and unknown codes take the value as it is.
    const Case cases[] = {
        {&kSolverCalcium, 0, 40.08, 100.0894},   {&kSolverBarium, 0, 137.34, 100.0894},
        {&kSolverStrontium, 0, 87.62, 100.0894}, {&kSolverMagnesium, 0, 24.312, 100.0894},
        {&kSolverIron, 0, 55.8452, 100.0894},    {&kSolverCalcium, 1, 250.0, 250.0},
        {&kSolverCalcium, 2, 3.0, 30.0},         {&kSolverMagnesium, 3, 2.0, 35.66},
        {&kSolverBarium, 4, 1.0, 50.0445},       {&kSolverStrontium, 5, 1.0, 100.0894},
        {&kSolverIron, 5, 1.0, 100.0894},        {&kSolverIron, 9, 7.0, 7.0},
    };
    for (const Case& c : cases) {
        const double asCaCO3 = CationToCaCO3(c.value, c.code, *c.cation);
        EXPECT_NEAR(asCaCO3, c.asCaCO3, c.asCaCO3 * 2e-7) << c.cation->element << " " << c.code;
        // The way back gives what went in: for iron too, whose working unit is CaCO3
        // both ways.
        EXPECT_NEAR(CaCO3ToCation(asCaCO3, c.code, *c.cation), c.value, c.value * 2e-7)
            << c.cation->element << " " << c.code;
    }
}

// A stand-in engine with a saturation ratio that follows the ion product: calcite's
// ratio is (calcium as CaCO3) x (total alkalinity) / kProduct. Both passes of a trial
// leave it; the reference pass derives a bicarbonate.
constexpr double kProduct = 20000.0;
inline int trials = 0;
inline float firstTrialAlkalinity = 0.0f;
inline float firstTrialPh = 0.0f;

void IonProductEngine() {
    float* v = currentAnalysis.values;
    if (calcPassMode == 0) {
        if (trials++ == 0) {
            firstTrialAlkalinity = v[E::kAlkalinity];
            firstTrialPh = v[E::kPh];
        }
        v[E::kBicarbonate] = 100.0f;
        calcPassMode = 1;
        return;
    }
    const double calcium =
        CationToCaCO3(v[E::kCalcium], unitCodes.code[UnitItem::kCalcium], kSolverCalcium);
    SaturationResults[IndexCode::kCalcite] =
        static_cast<float>(calcium * v[E::kAlkalinity] / kProduct);
}

class SolverTest : public PipelineTest {
  protected:
    void SetUp() override {
        PipelineTest::SetUp();
        trials = 0;
        phControlSettings.phPredictionMethod = 0;  // pH = 1.43 log10(alkalinity) + 4.5
    }
    float Solve(float ratio, void (*engine)() = IonProductEngine) {
        SaturationResults[IndexCode::kCalcite] = ratio;
        SolverRecords records = GlobalSolverRecords();
        const SolverServices services{engine, pHFromAlk};
        float answer = 0.0f, ph = 0.0f;
        outcome = SolveCarbonateSaturation(kSolverCalcium, IndexCode::kCalcite, answer, 1.0f, ph,
                                           records, services);
        return answer;
    }
    SolverOutcome outcome = SolverOutcome::kTrialCap;
};

TEST_F(SolverTest, FindsTheCationAtWhichTheMineralIsJustSaturated) {
    float* v = currentAnalysis.values;
    v[E::kCalcium] = 200.0f;  // mg/L, 499.05 as CaCO3
    v[E::kAlkalinity] = 150.0f;
    currentHCO3 = 180.0f;
    const double c0 = 200.0 * 100.0894 / 40.08;
    const double sr0 = c0 * 150.0 / kProduct;
    const float answer = Solve(static_cast<float>(sr0));

    // Calcium and alkalinity fall together by x until c (a) = kProduct:
    // c^2 + (150 - c0) c - kProduct = 0.
    const double b = 150.0 - c0;
    const double c = (-b + std::sqrt(b * b + 4.0 * kProduct)) / 2.0;
    const double firstEstimate = c0 * std::sqrt(1.0 / sr0);
    // The answer is what must leave: the entered calcium less the calcium found.
    EXPECT_EQ(outcome, SolverOutcome::kReached);
    EXPECT_GT(answer, 0.0f);
    EXPECT_NEAR(answer, c0 - c, c * 0.002);

    // The water, the results and the modes are as they were, but for the first
    // estimate left in the calcium.
    EXPECT_FLOAT_EQ(v[E::kAlkalinity], 150.0f);
    EXPECT_NEAR(v[E::kCalcium], firstEstimate * 40.08 / 100.0894, 1e-3);
    EXPECT_FLOAT_EQ(SaturationResults[IndexCode::kCalcite], static_cast<float>(sr0));
    EXPECT_EQ(alkalinityMode, 2);
    EXPECT_FLOAT_EQ(currentHCO3, 180.0f);
}

TEST_F(SolverTest, AWaterAlreadySaturatedAnswersNothingToMove) {
    currentAnalysis.values[E::kCalcium] = 40.08f;  // 100.0894 as CaCO3
    currentAnalysis.values[E::kAlkalinity] = 120.0f;
    currentHCO3 = 146.0f;
    const float answer = Solve(1.0005f);
    EXPECT_EQ(trials, 0);
    EXPECT_EQ(outcome, SolverOutcome::kReached);
    EXPECT_EQ(answer, 0.0f);
    // The first estimate stays in the calcium.
    EXPECT_NEAR(currentAnalysis.values[E::kCalcium], 40.08 * std::sqrt(1.0 / 1.0005), 1e-4);
}

TEST_F(SolverTest, ATraceCationGrowsItsStepAndReachesSaturation) {
    // 0.01 mg/L of calcium needs about 133 mg/L as CaCO3 more to saturate: a step of a
    // third of the trace amount, kept as it is, would add a few mg/L in 500 trials.
    currentAnalysis.values[E::kCalcium] = 0.01f;
    currentAnalysis.values[E::kAlkalinity] = 150.0f;
    currentHCO3 = 180.0f;
    const double c0 = 0.01 * 100.0894 / 40.08;
    const float answer = Solve(static_cast<float>(c0 * 150.0 / kProduct));
    ASSERT_EQ(outcome, SolverOutcome::kReached);
    const double b = 150.0 - c0;
    const double c = (-b + std::sqrt(b * b + 4.0 * kProduct)) / 2.0;
    EXPECT_NEAR(answer, c0 - c, c * 0.002);  // negative: add
    EXPECT_LT(trials, 60);
}

TEST_F(SolverTest, SearchesThatCannotReachSaturationAnswerTheMarker) {
    // No calcium: nothing to move.
    currentAnalysis.values[E::kCalcium] = 0.0f;
    currentAnalysis.values[E::kAlkalinity] = 150.0f;
    currentHCO3 = 180.0f;
    EXPECT_EQ(Solve(0.0f), kSolverNotReachable);
    EXPECT_EQ(outcome, SolverOutcome::kNoCation);
    EXPECT_EQ(trials, 0);

    // A trial water without a saturation ratio ends the search.
    currentAnalysis.values[E::kCalcium] = 100.0f;
    EXPECT_EQ(Solve(0.5f,
                    [] {
                        if (calcPassMode == 0) calcPassMode = 1;
                        SaturationResults[IndexCode::kCalcite] = 0.0f;
                    }),
              kSolverNotReachable);
    EXPECT_EQ(outcome, SolverOutcome::kNoRatio);

    // A ratio that never moves: the search grows its step until the amounts are
    // past any real water.
    EXPECT_EQ(Solve(0.5f,
                    [] {
                        if (calcPassMode == 0) calcPassMode = 1;
                        SaturationResults[IndexCode::kCalcite] = 0.5f;
                    }),
              kSolverNotReachable);
    EXPECT_EQ(outcome, SolverOutcome::kRunaway);
    EXPECT_TRUE(IsSolverNotReachable(kSolverNotReachable));
    EXPECT_FALSE(IsSolverNotReachable(-1.0e6f));
}

TEST_F(SolverTest, AWaterWithoutBicarbonateStartsFromAlkalinity100) {
    whatIfOptions.carbonateModel = 2;
    currentAnalysis.values[E::kCalcium] = 100.0f;
    currentAnalysis.values[E::kAlkalinity] = 0.0f;
    currentHCO3 = 0.0f;
    Solve(0.0f);  // a ratio of 0 starts from the cation as it is
    // The search starts from alkalinity 100 (the water's own alkalinity, none, would
    // leave nothing to move): its first trial is the water at 100, at the pH of that
    // alkalinity by the prediction method.
    EXPECT_FLOAT_EQ(firstTrialAlkalinity, 100.0f);
    EXPECT_NEAR(firstTrialPh, 1.43 * std::log10(100.0) + 4.5, 1e-5);
    EXPECT_EQ(outcome, SolverOutcome::kReached);
    // The one lasting effect, and the user's settings as they were.
    EXPECT_FLOAT_EQ(acidDemand, 100.0f);
    EXPECT_EQ(whatIfOptions.carbonateModel, 2);
    EXPECT_EQ(alkalinityMode, 2);
    EXPECT_FLOAT_EQ(currentAnalysis.values[E::kAlkalinity], 0.0f);
}

// Sea water after its reference pass, ready for a results pass, as the pipeline
// leaves it.
void SeaWaterBeforeResultsPass() {
    currentAnalysis = SeaWater();
    float* v = currentAnalysis.values;
    v[E::kReportingMode] = 2.0f;
    v[E::kAlkalinityMode] = 2.0f;
    calcPassMode = 0;
    CalcEquilibrium();
    referenceHCO3 = currentHCO3 = v[E::kBicarbonate];
    referenceCO3 = currentCO3 = v[E::kCarbonate];
    referenceH2CO3 = currentH2CO3 = v[E::kH2CO3];
    referenceDissolvedCo2 = currentCO2 = referenceOutputs.dissolvedCarbonicAcid;
    v[E::kSpeciesGiven] = 1.0f;
    v[E::kAlkalinityMode] = 3.0f;
}

TEST_F(PipelineTest, TargetSolversFileTheirAnswersApartFromTheResults) {
    SeaWaterBeforeResultsPass();
    CalcEquilibrium();
    EngineStateCopy single;
    SaveEngineState(single);

    ResetWorld();
    UseMgPerLitre();
    SeaWaterBeforeResultsPass();
    resultStatus.runTargetSolvers = 1;
    RunCalculationsWith(CountedEngine);
    EngineStateCopy withSolvers;
    SaveEngineState(withSolvers);

    // The results, the precipitation potentials among them, are the one
    // calculation's; the answers stand apart.
    EXPECT_EQ(std::memcmp(withSolvers.saturation, single.saturation, sizeof single.saturation), 0);
    for (int i = 0; i < kTargetSolverRunCount; ++i)
        EXPECT_TRUE(std::isfinite(targetSolverAnswer[i])) << i;
    EXPECT_NE(targetSolverAnswer[0], 0.0f);
    // The rest of the engine is as the one calculation left it: the analysis, the
    // excess, the carbonate state and the reference values later passes read.
    EXPECT_EQ(std::memcmp(&withSolvers.analysis, &single.analysis, sizeof single.analysis), 0);
    EXPECT_EQ(std::memcmp(withSolvers.excess, single.excess, sizeof single.excess), 0);
    EXPECT_EQ(std::memcmp(&withSolvers.carbonate, &single.carbonate, sizeof single.carbonate), 0);
    EXPECT_EQ(withSolvers.referencePh, single.referencePh);
    EXPECT_EQ(withSolvers.calcPassMode, single.calcPassMode);
    EXPECT_GT(engineRuns, 12);

    // Switched off, RunCalculations is one CalcEquilibrium.
    ResetWorld();
    UseMgPerLitre();
    SeaWaterBeforeResultsPass();
    RunCalculationsWith(CountedEngine);
    EXPECT_EQ(engineRuns, 1);
    EXPECT_EQ(std::memcmp(SaturationResults, single.saturation, sizeof single.saturation), 0);
}

// CalcEquilibrium, with each pass's mode and alkalinity entry mode (element 24)
// noted: the pipeline's own passes enter the water's mode (2 here), a solver
// trial's reference pass mode 1.
struct NotedPass {
    uint16_t mode;
    float entryMode;
};
inline std::vector<NotedPass> notedPasses;
void NotingEngine() {
    notedPasses.push_back({calcPassMode, currentAnalysis.values[E::kAlkalinityMode]});
    CountedEngine();
}

struct FiledWater {
    WaterAnalysis stored;
    StoredResults results;
    WaterCarbonate carbonate;
    float corrosion[4];
};

FiledWater CalculateFiled(int32_t selector, const WaterAnalysis& water, bool solvers) {
    ResetWorld();
    UseMgPerLitre();
    currentResidenceTime = residenceTimeAtSelect = 180.0f;
    for (float& s : waterResidenceSeconds) s = 180.0f;
    notedPasses.clear();
    mainWindowState.currentWater = selector;
    WaterAnalysis& stored = selector == WaterSelector::kFormation ? formationWater : surfaceWater;
    stored = water;
    entryTemperature = water.values[E::kTemperature];
    resultStatus.runTargetSolvers = solvers ? 1 : 0;
    CalcWaterAnalysisWith(0, NotingEngine);
    const bool formation = selector == WaterSelector::kFormation;
    FiledWater f{stored,
                 formation ? WaterResults.formation : WaterResults.surface,
                 formation ? CarbonateSnapshot.formation : CarbonateSnapshot.surface,
                 {}};
    const float* rates = formation ? corrosionRates.formation : corrosionRates.surface;
    std::memcpy(f.corrosion, rates, sizeof f.corrosion);
    return f;
}

TEST_F(PipelineTest, AFullCalculationRunsTheSolversOnItsResultsPass) {
    struct Case {
        int32_t selector;
        WaterAnalysis water;
    };
    // The formation water is run twice at its reference pass (its pH is computed).
    WaterAnalysis computedPh = SourBrine();
    computedPh.values[E::kCompanionPh] = -1.0f;
    const Case cases[] = {{WaterSelector::kSurface, SeaWater()},
                          {WaterSelector::kFormation, computedPh}};
    for (const Case& c : cases) {
        const FiledWater off = CalculateFiled(c.selector, c.water, false);
        const int passesOff = engineRuns;
        const FiledWater on = CalculateFiled(c.selector, c.water, true);
        EXPECT_GT(engineRuns, passesOff + 12) << c.selector;

        // The solvers run once the water's reference passes are done: every pass
        // before its first results pass is one of its own.
        for (const NotedPass& p : notedPasses) {
            if (p.mode != 0) break;
            EXPECT_EQ(p.entryMode, 2.0f) << c.selector;
        }
        // They change nothing the water files.
        EXPECT_EQ(std::memcmp(&on.stored, &off.stored, sizeof off.stored), 0) << c.selector;
        EXPECT_EQ(std::memcmp(&on.carbonate, &off.carbonate, sizeof off.carbonate), 0);
        EXPECT_EQ(std::memcmp(on.corrosion, off.corrosion, sizeof off.corrosion), 0);
        EXPECT_EQ(std::memcmp(on.results.excess, off.results.excess, sizeof off.results.excess),
                  0);
        for (int slot = 0; slot < kSaturationResultCount; ++slot)
            EXPECT_EQ(on.results.saturation[slot], off.results.saturation[slot]) << slot;

        // The calcite answer of the results pass saturates the water as filed.
        const float answer = targetSolverAnswer[0];
        ASSERT_FALSE(IsSolverNotReachable(answer)) << c.selector;
        SolverRecords records = GlobalSolverRecords();
        const SolverServices services{CalcEquilibrium, pHFromAlk};
        EXPECT_NEAR(SaturationAfterAnswer(kSolverCalcium, IndexCode::kCalcite, answer, records,
                                          services),
                    1.0, 2e-3)
            << c.selector;
    }
}

TEST_F(PipelineTest, TheSolversAfterTheFirstReferencePassStartFromTheCarbonateSetInForce) {
    // A water without bicarbonate leaves none in the current carbonate set; the
    // next water's first reference pass has the solvers start from that set, so
    // they take the start alkalinity of 100 as the acid demand, even though the
    // answers filed come from the next water's own carbonate.
    WaterAnalysis bare = SeaWater();
    bare.values[E::kMAlkalinity] = 0.0f;
    bare.values[E::kAlkalinity] = 0.0f;
    for (const bool solvers : {false, true}) {
        (void)CalculateFiled(WaterSelector::kSurface, bare, false);
        ASSERT_LT(currentHCO3, 1e-5f);
        acidDemand = 0.0f;
        mainWindowState.currentWater = WaterSelector::kSurface;
        surfaceWater = SeaWater();
        resultStatus.runTargetSolvers = solvers ? 1 : 0;
        CalcWaterAnalysisWith(0, CountedEngine);
        EXPECT_GT(currentHCO3, 100.0f);
        EXPECT_EQ(acidDemand, solvers ? 100.0f : 0.0f);
    }
}

TEST_F(PipelineTest, RunCalculationsAtHandsTheRowsOutInReverseOrder) {
    SeaWaterBeforeResultsPass();
    CalcEquilibrium();
    float expected[kSaturationResultCount];
    std::memcpy(expected, SaturationResults, sizeof expected);

    ResetWorld();
    UseMgPerLitre();
    SeaWaterBeforeResultsPass();
    for (int row = 0; row < kEngineResultRows; ++row)
        for (int k = 0; k < kEngineResultRowValues; ++k) engineResultRows[row][k] = row * 10 + k;
    double out[4][kEngineResultRowValues];
    // The zinc and polyphosphate amounts given are recomputed from the analysis.
    RunCalculationsAt(1e6, 1e6, out[0], out[1], out[2], out[3]);
    EXPECT_EQ(std::memcmp(SaturationResults, expected, sizeof expected), 0);
    for (int k = 0; k < kEngineResultRowValues; ++k) {
        EXPECT_EQ(out[0][k], 30 + k);  // out1: the fourth row
        EXPECT_EQ(out[3][k], k);       // out4: the first row
    }
}

}  // namespace
}  // namespace pipeline_test
