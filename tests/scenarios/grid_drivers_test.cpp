// The two 7 x 7 grid drivers on a scripted engine: where each cell lands, the
// axes, the refusals (also of an empty surface water), the re-run rule with the
// dose graph, the progress positions and the settings put back.
#include <gtest/gtest.h>

#include "tests/scenarios/driver_fixture.h"

namespace driver_test {
namespace {

using GridTest = DriverTest;

TEST_F(GridTest, PhGridFillsRowsOfPhByColumnsOfTemperature) {
    CalcGridpHTemp(0);

    ASSERT_EQ(EnginePasses(), 2 * kGridCells);
    const GridTable& g = whatIfResults.grid;
    // Both axes end on the stored high value, not on the sum of the steps.
    EXPECT_EQ(g.temperatureAxis[6], 200.0f);
    EXPECT_NEAR(g.temperatureAxis[5], 176.66666f, 1e-4f);
    EXPECT_EQ(g.phAxis[6], 9.0f);
    EXPECT_FLOAT_EQ(g.phAxis[1], 6.5f);
    for (int i = 0; i < kGridAxisPoints; ++i) {
        for (int j = 0; j < kGridAxisPoints; ++j) {
            const int n = 7 * i + j;
            EXPECT_EQ(g.analysis[n][AE::kTemperature], g.temperatureAxis[j]) << n;
            EXPECT_EQ(g.analysis[n][AE::kPh], g.phAxis[i]) << n;
            EXPECT_EQ(script.passes[2 * n].profileStepFlag, 0);
            EXPECT_EQ(script.passes[2 * n + 1].calcPassMode, 2);
            EXPECT_EQ(g.bicarbonate[n], 100.0f + 2 * n + 2);  // the main pass's
        }
    }
    EXPECT_EQ(script.phTargets.size(), 49u);
    EXPECT_EQ(g.gridKind, 0xFFFF);
    EXPECT_EQ(resultStatus.gridDone, 1);
    EXPECT_EQ(resultStatus.gridDone2, 0);

    ASSERT_EQ(script.progress.size(), 49u);
    for (int n = 0; n < kGridCells; ++n) EXPECT_EQ(script.progress[n].first, 100 * (n + 1) / 49);
    EXPECT_EQ(script.progress.back().first, 100);
}

TEST_F(GridTest, PhGridVariesPco2WhenAsked) {
    whatIfOptions.varyPco2 = 1;
    phControlSettings.phControlMethod = PhControlMethod::kAcid;
    phControlSettings.acidChemical = AcidChemical::kCarbonDioxide;
    phControlSettings.targetPh = 8.0f;  // above the pH every pCO2 gives: beyond an acid
    whatIfSettings.phLow = 4.0f;
    CalcGridpHTemp(0);

    // No question of the pH axis; the one note of the target out of reach.
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_NE(script.boxes[0].find("Carbon Dioxide alone cannot bring the water to the target pH "
                                   "of 8.00"),
              std::string::npos)
        << script.boxes[0];
    ASSERT_EQ(EnginePasses(), 3 * kGridCells);  // the pH from pCO2, first and main pass
    const GridTable& g = whatIfResults.grid;
    EXPECT_NEAR(g.phAxis[6], 0.7f, 1e-5f);
    for (int n = 0; n < kGridCells; ++n) {
        const Pass& phPass = script.passes[3 * n];
        EXPECT_EQ(phPass.values[AE::kPh], -1.0f);
        EXPECT_EQ(phPass.values[AE::kPco2], g.phAxis[n / 7]);
        // The main pass keeps the pH the cell's pCO2 gave it, with no dose.
        EXPECT_EQ(script.passes[3 * n + 2].values[AE::kPh], script.phFromPco2);
        EXPECT_EQ(g.acidDose[n], 0.0f);
        EXPECT_EQ(script.passes[3 * n + 2].values[AE::kPco2], g.phAxis[n / 7]);
    }
    EXPECT_EQ(whatIfOptions.varyPco2, 1);
    EXPECT_TRUE(script.phTargets.empty());
}

TEST_F(GridTest, OnlyThePassWhoseResultsAreStoredSearchesForSolverAnswers) {
    InstallScenarioEngine({ScriptedRun, ScriptedAdjust, ScriptedDose, ScriptedRunAnswersReplaced, nullptr});
    // Per cell or point: the passes before the stored one, then the stored one.
    struct Case {
        const char* name;
        uint16_t varyPco2;
        void (*run)();
        int passes;
    };
    const Case cases[] = {
        {"pH grid", 0, [] { CalcGridpHTemp(0); }, 2},
        {"pCO2 grid", 1, [] { CalcGridpHTemp(0); }, 3},
        {"pressure grid", 0, [] { CalcGridPressTemp(0); }, 2},
        {"temperature profile", 0, [] { CalcTempProfile(nullptr); }, 2},
    };
    for (const Case& c : cases) {
        script.passes.clear();
        resultStatus.gridDone = resultStatus.gridDone2 = resultStatus.tempProfileDone = 0;
        whatIfOptions.varyPco2 = c.varyPco2;
        c.run();
        ASSERT_EQ(script.passes.size() % c.passes, 0u) << c.name;
        ASSERT_FALSE(script.passes.empty()) << c.name;
        for (std::size_t k = 0; k < script.passes.size(); ++k) {
            const bool stored = k % c.passes == static_cast<std::size_t>(c.passes - 1);
            EXPECT_EQ(script.passes[k].answersReplaced, !stored) << c.name << " pass " << k;
        }
    }
}

TEST_F(GridTest, PressureGridHasNoPhControlAndMakesThePhGridStale) {
    phControlSettings.phControlMethod = PhControlMethod::kAcid;
    phControlSettings.phPredictionMethod = 1;
    phBalanceSwitch = 0;
    whatIfResults.grid.phAxis[6] = 123.0f;
    CalcGridpHTemp(0);
    ClearScript();
    CalcGridPressTemp(0);

    const GridTable& g = whatIfResults.grid;
    EXPECT_EQ(resultStatus.gridDone, 0);
    EXPECT_EQ(resultStatus.gridDone2, 1);
    EXPECT_EQ(g.gridKind, 3);
    EXPECT_EQ(g.phAxis[6], 9.0f);  // written by the pH grid, not by this one
    EXPECT_TRUE(script.phTargets.empty());
    ASSERT_EQ(EnginePasses(), 2 * kGridCells);
    for (int n = 0; n < kGridCells; ++n) {
        EXPECT_EQ(g.acidDose[n], 0.0f);
        EXPECT_EQ(g.analysis[n][AE::kPressure], 1.0f + 2.0f * (n / 7)) << n;
        // Both passes start at the water's own pH and balance by pH.
        EXPECT_EQ(script.passes[2 * n].values[AE::kPh], 7.4f);
        EXPECT_EQ(script.passes[2 * n + 1].values[AE::kPh], 7.4f);
        EXPECT_EQ(script.passes[2 * n + 1].phBalanceSwitch, 1u);
        EXPECT_EQ(script.passes[2 * n].profileStepFlag, 1);
        EXPECT_EQ(script.passes[2 * n].phBalanceSwitch, 1u);
        EXPECT_EQ(script.passes[2 * n].phPredictionMethod, 2);
    }
    // One position per row, (7i + 8) x 100 / 49, held at 100 in the last row.
    ASSERT_EQ(script.progress.size(), 49u);
    const int rowPercents[] = {16, 30, 44, 59, 73, 87, 100};
    for (int n = 0; n < kGridCells; ++n) EXPECT_EQ(script.progress[n].first, rowPercents[n / 7]);
    EXPECT_EQ(phBalanceSwitch, 0u);
    EXPECT_EQ(phControlSettings.phPredictionMethod, 1);
    EXPECT_EQ(whatIfOptions.varyPco2, 0);

    // The pH grid asked for next recomputes every cell.
    ClearScript();
    CalcGridpHTemp(0);
    EXPECT_EQ(EnginePasses(), 2 * kGridCells);
    EXPECT_EQ(resultStatus.gridDone2, 0);
    EXPECT_EQ(whatIfResults.grid.gridKind, 0xFFFF);
}

// A refusal or a Yes leaves every record as it was, on both grids; an empty
// surface water is refused like the profiles refuse it.
TEST_F(GridTest, RefusalsChangeNothing) {
    struct Case {
        const char* name;
        void (*prepare)();
        void (*run)();
        const char* text;
    };
    const Case cases[] = {
        {"acid dose graph", [] { phControlSettings.phControlMethod = PhControlMethod::kAlkali; },
         [] { CalcGridPressTemp(GraphCode::kAcidDose); },
         "I'm sorry, No Acid pH control is selected.  Activate  pH control in the SELECT "
         "PARAMETERS module and try again!"},
        {"alkali dose graph", [] {}, [] { CalcGridpHTemp(GraphCode::kAlkaliDose); },
         "I'm sorry, No Alkali pH control is selected.  Activate  pH control in the SELECT "
         "PARAMETERS module and try again!"},
        {"empty water, pH grid", [] { surfaceWater = WaterAnalysis{}; }, [] { CalcGridpHTemp(0); },
         "You must input a make-up water analysis before performing calculations!"},
        {"empty water, pressure grid", [] { surfaceWater = WaterAnalysis{}; },
         [] { CalcGridPressTemp(0); },
         "You must input a make-up water analysis before performing calculations!"},
        {"CO2 question",
         [] {
             script.answer = win::IDYES;
             phControlSettings.phControlMethod = PhControlMethod::kAcid;
             phControlSettings.acidChemical = AcidChemical::kCarbonDioxide;
         },
         [] { CalcGridpHTemp(0); },
         "WARNING: CO2 is not recommended for pH control to a pH below 6.8!  Erroneous results "
         "may occur! Abort?(Y/N)"},
    };
    for (const Case& c : cases) {
        SetUp();
        c.prepare();
        const WorldBytes before = TakeWorldBytes();
        c.run();
        ASSERT_EQ(script.boxes.size(), 1u) << c.name;
        EXPECT_EQ(script.boxes[0], c.text) << c.name;
        EXPECT_EQ(EnginePasses(), 0) << c.name;
        EXPECT_EQ(script.shows, 0) << c.name;
        EXPECT_TRUE(before == TakeWorldBytes()) << c.name;
    }
}

TEST_F(GridTest, DoseGraphAloneRefreshesStaleDoses) {
    SelectProduct("SCALE1.INH");
    whatIfResults.tempProfile.doseDone = 1;
    whatIfResults.phProfile.doseDone = 1;
    CalcGridpHTemp(0);
    EXPECT_EQ(Doses(), kGridCells);
    EXPECT_EQ(script.doses[10].time, 240.0f);  // the surface water's own residence time
    EXPECT_EQ(script.doses[10].temperature, whatIfResults.grid.temperatureAxis[3]);
    EXPECT_EQ(whatIfResults.tempProfile.doseDone, 0);
    EXPECT_EQ(whatIfResults.phProfile.doseDone, 0);
    EXPECT_STREQ(whatIfResults.grid.lastProductName, "SCALE1.INH");
    EXPECT_EQ(whatIfResults.grid.gridResidenceTimeAtLastRun, 240.0f);

    ClearScript();
    CalcGridpHTemp(0);
    EXPECT_EQ(EnginePasses() + Doses(), 0);

    // Stale doses are refreshed only for the dose graph.
    waterResidenceSeconds[ResidenceWater::kSurface] = 900.0f;
    graphChoice.count = 1;
    graphChoice.codes[0] = 21;  // barite
    CalcGridpHTemp(21);
    EXPECT_EQ(EnginePasses() + Doses(), 0);
    graphChoice.codes[0] = GraphCode::kDose;
    CalcGridpHTemp(GraphCode::kDose);
    EXPECT_EQ(EnginePasses(), 0);
    ASSERT_EQ(Doses(), kGridCells);
    for (int n = 0; n < kGridCells; ++n) {
        EXPECT_EQ(script.doses[n].time, 900.0f);
        EXPECT_EQ(script.doses[n].analysisPh, whatIfResults.grid.phAxis[n / 7]);
    }
    EXPECT_EQ(whatIfResults.grid.gridResidenceTimeAtLastRun, 900.0f);
}

// After a product change the pressure grid's dose-only pass refreshes the rates
// from each cell's own water, so they stay those of the cell's pressure.
TEST_F(GridTest, PressureGridDosePassKeepsEachCellsRates) {
    unitCodes.code[UnitItem::kCorrosionRate] = 1;
    SelectProduct("SCALE1.INH");
    graphChoice.count = 1;
    graphChoice.codes[0] = GraphCode::kDose;
    CalcGridPressTemp(GraphCode::kDose);
    const GridTable computed = whatIfResults.grid;
    EXPECT_NE(computed.corrosion[0][0], computed.corrosion[48][0]);

    SelectProduct("SCALE2.INH");
    ClearScript();
    CalcGridPressTemp(GraphCode::kDose);
    EXPECT_EQ(EnginePasses(), 0);
    EXPECT_EQ(Doses(), kGridCells);
    for (int n = 0; n < kGridCells; ++n)
        for (int r = 0; r < kRateModelCount; ++r)
            EXPECT_EQ(whatIfResults.grid.corrosion[n][r], computed.corrosion[n][r]) << n;
}

}  // namespace
}  // namespace driver_test
