// The mixing grids on the scripted engine: the graph choice and the refusals
// that come before any change, the cells of each kind, pH control of a cell,
// the ratio grid's percent axis, and the done flags they leave.
#include <gtest/gtest.h>

#include <vector>

#include "engine/inputs/unit_conversions.h"
#include "scenarios/frame/driver_frame.h"
#include "tests/scenarios/mixing_fixture.h"

namespace mixing_test {
namespace {

// What the Choose Graphs dialog does when the grid opens it.
std::vector<int16_t> choiceToMake;
int chooserCalls = 0;

int ScriptedChooser(win::HWND) {
    ++chooserCalls;
    if (choiceToMake.empty()) return 0;
    graphChoice.count = static_cast<int16_t>(choiceToMake.size());
    for (std::size_t i = 0; i < choiceToMake.size(); ++i) graphChoice.codes[i] = choiceToMake[i];
    return graphChoice.count;
}

double Blend(double injection, double formation, double percent) {
    return injection * percent / 100.0 + formation * (100.0 - percent) / 100.0;
}

class MixingGrid : public MixingTest {
  protected:
    void SetUp() override {
        MixingTest::SetUp();
        choiceToMake.clear();
        chooserCalls = 0;
        InstallServiceHooks({RecordShow, RecordProgress, RecordClose, ScriptedChooser});
        PlantGridRanges();
        graphRangeSettings.gridPco2Low = 0.1f;
        graphRangeSettings.gridPco2High = 0.7f;
    }
    // The results pass of cell c: the last pass before the next cell's.
    static const Pass& ResultsPassOf(int c, int passesPerCell) {
        return script.passes[passesPerCell * c + passesPerCell - 1];
    }
};

TEST_F(MixingGrid, WithoutAChosenGraphTheDialogOpensAndAChoiceOfNoneRefuses) {
    graphChoice.count = -1;
    const WorldBytes before = TakeMixWorldBytes();
    EXPECT_EQ(CalcMixGrid(MixGridCode::kPhByTemperature), 0);
    EXPECT_EQ(chooserCalls, 1);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0], "You must select a graph before performing calculations!");
    EXPECT_EQ(EnginePasses(), 0);
    EXPECT_EQ(TakeMixWorldBytes(), before);

    // Choosing a graph in the dialog lets the grid run.
    ClearScript();
    choiceToMake = {IndexCode::kBarite};
    CalcMixGrid(MixGridCode::kPhByTemperature);
    EXPECT_EQ(chooserCalls, 2);
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_EQ(EnginePasses(), 49);
}

TEST_F(MixingGrid, DoseGraphsWithoutTheirPhControlAndYesToAQuestionChangeNothing) {
    struct Case {
        int16_t graph;
        uint16_t method;
        uint16_t acid;
        const char* message;
        int answer;
    };
    const Case cases[] = {
        {GraphCode::kAcidDose, PhControlMethod::kAlkali, AcidChemical::kSulfuric,
         DriverText::kNoAcidControl, win::IDNO},
        {GraphCode::kAlkaliDose, PhControlMethod::kAcid, AcidChemical::kSulfuric,
         DriverText::kNoAlkaliControl, win::IDNO},
        // Carbon dioxide with a range whose low end lies below 6.8, though the
        // high end lies above it.
        {IndexCode::kBarite, PhControlMethod::kBoth, AcidChemical::kCarbonDioxide,
         DriverText::kCo2BelowQuestion, win::IDYES},
    };
    for (const Case& c : cases) {
        ClearScript();
        graphChoice.codes[0] = c.graph;
        phControlSettings.phControlMethod = c.method;
        phControlSettings.acidChemical = c.acid;
        script.answer = c.answer;
        const WorldBytes before = TakeMixWorldBytes();
        CalcMixGrid(MixGridCode::kRatio);
        ASSERT_EQ(script.boxes.size(), 1u) << c.message;
        EXPECT_EQ(script.boxes[0], c.message);
        EXPECT_EQ(EnginePasses(), 0);
        EXPECT_EQ(TakeMixWorldBytes(), before) << c.message;
    }
}

TEST_F(MixingGrid, TypicalPercentGridCrossesPhRowsWithTemperatureColumns) {
    resultStatus.phProfileDone = 1;
    resultStatus.tempProfileDone = 1;
    CalcMixGrid(MixGridCode::kPhByTemperature);

    const GridTable& g = whatIfResults.grid;
    ASSERT_EQ(EnginePasses(), 49);
    EXPECT_EQ(g.gridKind, MixGridKind::kPhByTemperature);
    EXPECT_EQ(mixGridTables.gridMixPercent[0], 25.0f);
    for (int i = 0; i < 7; ++i) {
        for (int j = 0; j < 7; ++j) {
            const int c = 7 * i + j;
            const Pass& pass = ResultsPassOf(c, 1);
            EXPECT_NEAR(pass.values[AE::kCalcium], Blend(kInjectionCalcium, kFormationCalcium, 25),
                        1e-3);
            EXPECT_FLOAT_EQ(pass.values[AE::kPh], 6.0f + 0.4f * i) << c;
            EXPECT_FLOAT_EQ(pass.values[AE::kTemperature], 20.0f + 10.0f * j) << c;
            // Without pH control the cell is the blend at the row's pH: a
            // what-if pass, as a cell of a single water's pH grid.
            EXPECT_EQ(pass.calcPassMode, 2);
            EXPECT_EQ(g.bicarbonate[c], 100.0f + c + 1);  // result slot 27 of its pass
            EXPECT_EQ(g.analysis[c][AE::kMAlkalinity], 100.0f + c + 1);
        }
    }
    EXPECT_EQ(g.phAxis[6], 8.4f);
    EXPECT_EQ(g.temperatureAxis[6], 80.0f);
    EXPECT_EQ(resultStatus.mixGridDone[2], 1);
    EXPECT_EQ(resultStatus.phProfileDone, 0);
    EXPECT_EQ(resultStatus.tempProfileDone, 0);
    EXPECT_EQ(script.progress.size(), 98u);  // half way through each cell and at its end
    EXPECT_EQ(script.progress.back().first, 100);
    EXPECT_EQ(script.closes, 1);

    // The cells are current: a second call computes none; a cleared done flag
    // computes them again.
    ClearScript();
    CalcMixGrid(MixGridCode::kPhByTemperature);
    EXPECT_EQ(EnginePasses(), 0);
    resultStatus.mixGridDone[2] = 0;
    CalcMixGrid(MixGridCode::kPhByTemperature);
    EXPECT_EQ(EnginePasses(), 49);
}

TEST_F(MixingGrid, PercentColumnsTakeTheBlendedTemperature) {
    CalcMixGrid(MixGridCode::kPhByPercent);

    const GridTable& g = whatIfResults.grid;
    EXPECT_EQ(g.gridKind, MixGridKind::kPhByPercent);
    for (int j = 0; j < 7; ++j) {
        const double p = 10.0 * j;  // 0 to 60 in steps of 10
        EXPECT_NEAR(g.temperatureAxis[j], p, 1e-4);
        const Pass& pass = ResultsPassOf(3 * 7 + j, 1);
        EXPECT_NEAR(pass.values[AE::kCalcium], Blend(kInjectionCalcium, kFormationCalcium, p),
                    1e-3);
        // The temperature of the mix, not the percent of its column.
        EXPECT_NEAR(pass.values[AE::kTemperature],
                    Blend(kInjectionTemperature, kFormationTemperature, p), 1e-4);
    }
    // Code 0 after code 4: only the code-0 grid is current.
    CalcMixGrid(MixGridCode::kPhByTemperature);
    EXPECT_EQ(resultStatus.mixGridDone[0], 0);
    EXPECT_EQ(resultStatus.mixGridDone[1], 0);
    EXPECT_EQ(resultStatus.mixGridDone[2], 1);
}

TEST_F(MixingGrid, RatioGridHoldsItsPercentsToWholeWaters) {
    mixingZoneSettings.gridMixLow = -20.0f;
    mixingZoneSettings.gridMixHigh = 130.0f;
    CalcMixGrid(MixGridCode::kRatio);

    const GridTable& g = whatIfResults.grid;
    EXPECT_EQ(g.gridKind, MixGridKind::kPercentByTemperature);
    const float rows[7] = {-20.0f, 5.0f, 30.0f, 55.0f, 80.0f, 100.0f, 130.0f};
    const double mixed[7] = {0, 5, 30, 55, 80, 100, 100};
    for (int i = 0; i < 7; ++i) {
        EXPECT_FLOAT_EQ(g.phAxis[i], rows[i]);
        EXPECT_NEAR(g.analysis[7 * i][AE::kCalcium],
                    Blend(kInjectionCalcium, kFormationCalcium, mixed[i]), 1e-3)
            << i;
    }
    EXPECT_EQ(resultStatus.mixGridDone[1], 1);
}

TEST_F(MixingGrid, PhControlOfACellNeedsAtMostOneChemical) {
    phControlSettings.phControlMethod = PhControlMethod::kBoth;
    phControlSettings.acidChemical = AcidChemical::kSulfuric;
    phControlSettings.alkaliChemical = AlkaliChemical::kCausticSoda;
    CalcMixGrid(MixGridCode::kPhByPercent);

    const GridTable& g = whatIfResults.grid;
    int acidCells = 0, alkaliCells = 0;
    for (int c = 0; c < 49; ++c) {
        EXPECT_FALSE(g.acidDose[c] > 0.0f && g.alkaliDose[c] > 0.0f) << c;
        acidCells += g.acidDose[c] > 0.0f;
        alkaliCells += g.alkaliDose[c] > 0.0f;
        // The cell is brought to the pH of its row.
        EXPECT_FLOAT_EQ(g.analysis[c][AE::kPh], g.phAxis[c / 7]) << c;
    }
    EXPECT_GT(acidCells, 0);
    EXPECT_GT(alkaliCells, 0);
}

TEST_F(MixingGrid, PartialPressureRowsBringTheCellToTheTargetPh) {
    whatIfOptions.varyPco2 = 1;
    phControlSettings.phControlMethod = PhControlMethod::kAcid;
    phControlSettings.acidChemical = AcidChemical::kSulfuric;
    // The control starts from the blend's own pH, 6.12 at 25 % of the pH 8
    // and pH 6 waters: pH 5.9 takes acid.
    phControlSettings.targetPh = 5.9f;
    graphRangeSettings.gridPhLow = 7.0f;
    CalcMixGrid(MixGridCode::kPhByTemperature);

    const GridTable& g = whatIfResults.grid;
    for (int c = 0; c < 49; ++c) {
        // The row value is a partial pressure (0.1 to 0.7 atm), not a pH.
        EXPECT_FLOAT_EQ(g.analysis[c][AE::kPh], 5.9f) << c;
        EXPECT_FLOAT_EQ(g.analysis[c][AE::kPco2], g.phAxis[c / 7]) << c;
        EXPECT_GT(g.acidDose[c], 0.0f) << c;
    }
    EXPECT_FLOAT_EQ(g.phAxis[0], 0.1f);
    EXPECT_FLOAT_EQ(g.phAxis[6], 0.7f);
}

// A dose that brings phosphate repeats the cell's results pass once with the
// phosphate added in the user's unit: converted back it is the dose. The dose
// itself reads the cell's phosphate in mg/L as PO4.
TEST_F(MixingGrid, PhosphateOfTheDoseReadsBackAsTheDoseInEveryUnit) {
    SelectProduct("PO4.INH");
    script.phosphateAdded = 3.1f;  // mg/L as PO4 at every dose
    const float cellPhosphate = static_cast<float>(Blend(0.5, 1.5, 25.0));
    ForEachPhosphateUnit([cellPhosphate] {
        ResetMixingRecords();
        resultStatus.mixGridDone[2] = 0;
        ClearScript();
        CalcMixGrid(MixGridCode::kPhByTemperature);
        ASSERT_EQ(EnginePasses(), 98);
        const float added = ResultsPassOf(0, 2).values[AE::kPhosphate] - cellPhosphate;
        EXPECT_NEAR(ConvPO4Units(added), 3.1, 1e-4);
    });

    ResetMixingRecords();
    resultStatus.mixGridDone[2] = 0;
    ClearScript();
    unitCodes.code[UnitItem::kPhosphate] = 1;  // as CaCO3: 31.657 / 50.0445 mg of PO4 per unit
    CalcMixGrid(MixGridCode::kPhByTemperature);
    ASSERT_FALSE(script.doses.empty());
    // 1.25 units as CaCO3 are 1.25 x 0.632578 = 0.790722 mg/L of PO4, on the dose
    // of the re-run too.
    EXPECT_NEAR(script.doses[0].inputs.value[DoseInput::kPhosphate], 0.790722, 1e-5);
    EXPECT_NEAR(script.doses[1].inputs.value[DoseInput::kPhosphate], 0.790722, 1e-5);
}

}  // namespace
}  // namespace mixing_test
