// The what-if, mixing, well-log and print commands on a started program, with
// recorders in place of the scenario drivers and of the views: preconditions,
// the mixing axis, the multi-mix weights, the 3D loop, the one-page layout and
// the print jobs.
#include "shell/whatif/whatif_commands.h"

#include <string>
#include <vector>

#include "graphs/graph_index_records.h"
#include "graphs/threed/threed_graph_records.h"
#include "printing/print_job_records.h"
#include "printing/summary/summary_records.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "shell/whatif/command_drivers.h"
#include "shell/whatif/graph_choice_steps.h"
#include "shell/whatif/mixing_commands.h"
#include "shell/whatif/print_commands.h"
#include "shell/whatif/scenario_views.h"
#include "shell/whatif/well_log_commands.h"
#include "shell/whatif/whatif_command_records.h"
#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

std::vector<std::string> calls;
void Call(const std::string& what) {
    calls.push_back(what);
}

class WhatIfCommandsTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_EQ(Start(), 1);
        RunLoop();
        ResetWhatIfCommandRecords();
        ResetSummaryRecords();
        calls.clear();
        win::ClearMessageBoxLog();
        CommandDrivers& d = Drivers();
        d.calcTempProfile = [](win::HWND) { Call("CalcTempProfile"); };
        d.calcpHProfile = [](win::HWND) { Call("CalcpHProfile"); };
        d.calcPressProfile = [](win::HWND) { Call("CalcPressProfile"); };
        d.calcGridpHTemp = [](uint16_t c) {
            Call("CalcGridpHTemp " + std::to_string(c) + "@" +
                 std::to_string(selectedGraphPosition));
        };
        d.calcGridPressTemp = [](uint16_t c) { Call("CalcGridPressTemp " + std::to_string(c)); };
        d.calcMixingProfile = [](win::HWND) { Call("CalcMixingProfile"); };
        d.calcMixGrid = [](uint16_t k) {
            Call("CalcMixGrid " + std::to_string(k));
            return int32_t{0};
        };
        d.mixWaters = [](uint16_t, win::HWND) { Call("MixWaters"); };
        d.calcWellLogProfile = [](win::HWND) { Call("CalcWellLogProfile"); };
        d.calcWellLogProfile11 = [](win::HWND) { Call("CalcWellLogProfile11"); };
        d.calcWellLogProfile48 = [](win::HWND) { Call("CalcWellLogProfile48"); };
        d.showChooseGraphs = [](win::HWND) {
            Call("ShowChooseGraphs");
            return 0;
        };
        ScenarioViews v{};
        v.showTwoDGraph = [](win::HWND) { Call("ShowTwoDGraph"); };
        v.showGraphWindow = [](win::HWND) { Call("ShowGraphWindow"); };
        v.printChemistryReport = [](int k) { Print("chemistry " + std::to_string(k)); };
        v.printIndicatorsReport = [](int k) { Print("indicators " + std::to_string(k)); };
        v.printWhatIfChemistry = [](int p) { Print("what-if chemistry " + std::to_string(p)); };
        v.printWhatIfIndicators = [](int p) { Print("what-if indicators " + std::to_string(p)); };
        v.printRatioChemistry = [] { Print("ratio chemistry"); };
        v.printRatioIndicators = [](int m) { Print("ratio indicators " + std::to_string(m)); };
        v.printOnePage = [] { Print("one page"); };
        InstallScenarioViews(v);
    }
    void TearDown() override {
        ResetCommandDrivers();
        ResetScenarioViews();
        ShellTest::TearDown();
    }
    // A report with the single-page word it was started with and whether the
    // main window was disabled.
    static void Print(const std::string& what) {
        const bool disabled = !win::IsWindowEnabled(mainWindowState.mainWindow);
        Call(what + " [" + std::to_string(printJobState.singlePageJob) + "]" +
             (disabled ? "" : " enabled!"));
    }
    static std::vector<std::string> Texts() {
        std::vector<std::string> t;
        for (const auto& b : win::MessageBoxLog()) t.push_back(b.text);
        return t;
    }
    win::HWND main() const { return mainWindowState.mainWindow; }
};
using V = std::vector<std::string>;

TEST_F(WhatIfCommandsTest, PreconditionsWithTheirTexts) {
    VaryTemperature(main());
    VaryPh(main());
    ThreeDProfile(main());
    MixWatersCommand(main());
    TwoDGraphVsPercent(main());
    ThreeDTemperaturePh(main());
    MultiMixCommand(main());
    EXPECT_EQ(Texts(), (V{kNoSourceWaterText, kNoSourceWaterText, kNoSourceWaterText,
                          kNoWaterfloodWatersText, kNoWaterfloodWatersText,
                          kNoWaterfloodWaters3DText, kTwoWatersText}));
    EXPECT_NE(std::string(kNoWaterfloodWatersText).find("a INJECTION"), std::string::npos);
    EXPECT_NE(std::string(kNoWaterfloodWaters3DText).find("an INJECTION"), std::string::npos);
    EXPECT_EQ(gridSource, GridSource::kMixing);  // stays after the message
    EXPECT_TRUE(calls.empty());

    // The mix that did not complete: no axis, no graph.
    resultStatus.injectionEntered = resultStatus.formationEntered = 1;
    win::ClearMessageBoxLog();
    TwoDGraphVsPercent(main());
    EXPECT_EQ(Texts(), V{kMixFirstText});
    EXPECT_EQ(calls, V{"CalcMixingProfile"});
}

TEST_F(WhatIfCommandsTest, MixingAxis) {
    MixingZoneSettings& z = mixingZoneSettings;
    z.mixLowPercent = 10.0f;
    z.mixHighPercent = 40.0f;
    z.mixStepPercent = 0.0f;
    RebuildMixingAxis();
    EXPECT_EQ(z.mixStepPercent, 5.0f);
    for (int i = 0; i < 7; ++i) {
        EXPECT_FLOAT_EQ(mixPercent[i], 10.0f + 5.0f * i) << i;
        EXPECT_FLOAT_EQ(mixPointTable[MixPointRow::kPercent][i], i == 0 ? 0.0f : mixPercent[i]);
    }
    // A step past the high percent, past 100 or below 0 ends the axis with a 0.
    const float steps[][3] = {{10, 40, 12}, {80, 200, 15}, {5, 40, -3}};
    const int ends[] = {3, 2, 2};
    for (int c = 0; c < 3; ++c) {
        z.mixLowPercent = steps[c][0];
        z.mixHighPercent = steps[c][1];
        z.mixStepPercent = steps[c][2];
        RebuildMixingAxis();
        EXPECT_EQ(mixPercent[ends[c]], 0.0f) << c;
        EXPECT_EQ(mixPointTable[MixPointRow::kPercent][ends[c]], 0.0f) << c;
        EXPECT_NE(mixPercent[ends[c] - 1], 0.0f) << c;
        EXPECT_EQ(mixPercent[ends[c] + 1], 0.0f) << c;
    }
}

TEST_F(WhatIfCommandsTest, MultiMixWeights) {
    MultiMixState& m = multiMixState;
    m.lastWaterIndex = 1;
    m.weightPercent[0] = 20.0f;
    m.weightPercent[1] = 30.0f;
    MultiMixCommand(main());
    EXPECT_FLOAT_EQ(m.weightPercent[0], 40.0f);
    EXPECT_FLOAT_EQ(m.weightPercent[1], 60.0f);
    EXPECT_EQ(calls, V{"MixWaters"});
    EXPECT_EQ(m.multiMixDone, 1u);

    m.weightPercent[0] = 49.9999995f;
    m.weightPercent[1] = 50.0f;
    const float before = m.weightPercent[0];
    MultiMixCommand(main());
    EXPECT_EQ(m.weightPercent[0], before);
}

// The single-water grid runs for the qualifying codes only, each with its
// position published; without a chosen code the "No parameter" message comes
// and Choose Graphs opens.
TEST_F(WhatIfCommandsTest, ThreeDLoop) {
    resultStatus.surfaceEntered = 1;
    graphIndexCodes[0] = kNoGraphIndex;
    ThreeDProfile(main());
    EXPECT_EQ(Texts(), V{kNoParameterText});
    EXPECT_EQ(calls, (V{"ShowChooseGraphs", "ShowGraphWindow"}));

    calls.clear();
    const uint16_t codes[4] = {21, 93, 62, 40};
    std::copy(std::begin(codes), std::end(codes), graphIndexCodes);
    EXPECT_TRUE(GridRunsFor(21));
    EXPECT_FALSE(GridRunsFor(93 - 60));  // 33 is no index code of the list
    ThreeDProfile(main());
    EXPECT_EQ(calls, (V{"CalcGridpHTemp 21@0", "CalcGridpHTemp 93@1", "CalcGridpHTemp 62@2",
                        "CalcGridpHTemp 40@3", "ShowGraphWindow"}));
    EXPECT_EQ(resultStatus.gridDone, 1);

    // The three mixing graphs run their own grids.
    calls.clear();
    resultStatus.injectionEntered = resultStatus.formationEntered = 1;
    ThreeDTemperaturePh(main());
    ThreeDTemperaturePercent(main());
    ThreeDPhPercent(main());
    EXPECT_EQ(calls, (V{"CalcMixGrid 0", "ShowGraphWindow", "CalcMixGrid 3", "ShowGraphWindow",
                        "CalcMixGrid 4", "ShowGraphWindow"}));
}

TEST_F(WhatIfCommandsTest, OnePageLayoutAndWellLog) {
    displaySettings.graphParams[0] = 0xFFFF;
    OnePageSummaryCommand(main());
    const int16_t rows[kOnePageRowCount] = {-1, -1, 17, 44, 3, 24, 8, 37, 7, 21, 6, 5, 5, 4, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(rows), std::end(rows), onePageRowCodes));
    const uint16_t graphs[6] = {4, 5, 0, 21, 0xFFFF, 0xFFFF};
    EXPECT_TRUE(std::equal(std::begin(graphs), std::end(graphs), displaySettings.graphParams));
    EXPECT_EQ(onePageDataFlag, 1u);
    // Set graph codes stay; a computed profile is not computed again.
    displaySettings.graphParams[0] = 37;
    OnePageSummaryCommand(main());
    EXPECT_EQ(displaySettings.graphParams[0], 37);
    WellLogTableCommand(main());
    WellLogGraphCommand(main());
    WellLogSummaryGraphCommand(main());
    EXPECT_EQ(calls, (V{"CalcWellLogProfile", "CalcWellLogProfile11", "CalcWellLogProfile11",
                        "ShowTwoDGraph", "CalcWellLogProfile48"}));
    EXPECT_EQ(wellLogSummaryGraphCodes[6], 44);
    EXPECT_EQ(wellLogSummaryGraphCodes[7], -1);
}

TEST_F(WhatIfCommandsTest, PrintJobs) {
    PrintSurface(main());
    EXPECT_EQ(calls, (V{"chemistry 0 [0]", "indicators 0 [2]"}));
    EXPECT_TRUE(win::IsWindowEnabled(main()));

    calls.clear();
    PrintSurfaceTemperatureProfile(main());  // no profile: nothing
    resultStatus.phProfileDone = 1;
    PrintSurfacePhProfile(main());
    PrintInjection(main());
    PrintFormation(main());
    PrintProduced(main());
    EXPECT_EQ(calls, (V{"what-if chemistry 2 [0]", "what-if indicators 2 [2]", "chemistry 1 [0]",
                        "indicators 1 [2]", "chemistry 2 [0]", "indicators 2 [2]",
                        "ratio chemistry [0]", "ratio indicators 2 [2]"}));

    // Print All with only a source water: one job ended on the indicators.
    calls.clear();
    resultStatus = ResultStatus{};
    resultStatus.surfaceEntered = 1;
    PrintAllAvailable(main());
    EXPECT_EQ(calls, (V{"chemistry 0 [0]", "indicators 0 [2]"}));

    // Everything: the one page first, the ratio indicators before the chemistry.
    calls.clear();
    onePageDataFlag = 1;
    resultStatus.phProfileDone = resultStatus.tempProfileDone = 1;
    resultStatus.injectionEntered = resultStatus.mixProfileDone = 1;
    PrintAllAvailable(main());
    EXPECT_EQ(calls, (V{"one page [0]", "chemistry 0 [0]", "indicators 0 [0]",
                        "what-if chemistry 2 [0]", "what-if indicators 2 [0]",
                        "what-if chemistry 1 [0]", "what-if indicators 1 [0]", "chemistry 1 [0]",
                        "indicators 1 [0]", "ratio indicators 2 [0]", "ratio chemistry [2]"}));

    // An aborted job starts no further report, and the flag is cleared after it.
    calls.clear();
    ScenarioViews v{};
    v.printChemistryReport = [](int) {
        Call("chemistry");
        printJobState.printAborted = 1;
    };
    InstallScenarioViews(v);
    PrintSurface(main());
    EXPECT_EQ(calls, V{"chemistry"});
    EXPECT_EQ(printJobState.printAborted, 0u);
}

}  // namespace
}  // namespace shelltest
