// INPUT, MULTI-MIX, Water Analysis (113): the dialog reopened until it clears
// reopenMultiMix, each positive result calculated as a source water, the weights
// brought to 100, the source pages, and the blend after MIX.
#include "shell/commands/multimix_input_command.h"

#include <vector>

#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

// The results the dialog gives, one per opening; the last one clears reopen.
std::vector<int16_t> results;
size_t opened = 0;
std::vector<int32_t> calcWaters;  // currentWater at each calculation
int mixes = 0;
int pageShows = 0;

int16_t FakeDialog() {
    const int16_t r = results.at(opened++);
    if (opened == results.size() || r < 0) multiMixState.reopenMultiMix = 0;
    return r;
}
void RecordCalc(uint16_t mode, win::HWND) {
    EXPECT_EQ(mode, 3);
    calcWaters.push_back(mainWindowState.currentWater);
}
void RecordMix(win::HWND) {
    ++mixes;
}
bool RecordPages(win::HWND) {
    ++pageShows;
    return true;
}

class MultiMixInputCommandTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        opened = 0;
        calcWaters.clear();
        mixes = pageShows = 0;
        MultiMixState& m = multiMixState;
        m.lastWaterIndex = 1;
        m.editIndex = 1;
        m.weightPercent[0] = 10.0f;
        m.weightPercent[1] = 15.0f;
        m.multiMixEntered[0] = 1;
        m.multiMixDone = 1;
        mainWindowState.currentWater = WaterSelector::kFormation;
    }
    void Run() {
        MultiMixInputCommand(
            nullptr, MultiMixInputCommandServices{FakeDialog, RecordCalc, RecordMix, RecordPages});
    }
};

TEST_F(MultiMixInputCommandTest, ReopensUntilMixThenMixesAtOnce) {
    results = {0, 1, 0, 2};
    Run();
    EXPECT_EQ(opened, 4u);
    // Recalculate and MIX stored a water: each calculated as a source water.
    EXPECT_EQ(calcWaters, (std::vector<int32_t>{WaterSelector::kMultiMixSource,
                                                WaterSelector::kMultiMixSource}));
    EXPECT_EQ(mainWindowState.currentWater, WaterSelector::kFormation);
    EXPECT_EQ(multiMixState.multiMixDone, 0u);
    EXPECT_EQ(multiMixState.multiMixEntered[1], 1u);
    EXPECT_FLOAT_EQ(multiMixState.weightPercent[0], 40.0f);
    EXPECT_FLOAT_EQ(multiMixState.weightPercent[1], 60.0f);
    EXPECT_EQ(pageShows, 1);
    EXPECT_EQ(mixes, 1);
}

TEST_F(MultiMixInputCommandTest, OkAloneShowsThePagesWithoutMixing) {
    results = {0};
    Run();
    EXPECT_TRUE(calcWaters.empty());
    EXPECT_EQ(multiMixState.multiMixDone, 1u);
    EXPECT_EQ(pageShows, 1);
    EXPECT_EQ(mixes, 0);
    // No first water stored: no pages.
    multiMixState.multiMixEntered[0] = 0;
    opened = 0;
    Run();
    EXPECT_EQ(pageShows, 1);
}

TEST_F(MultiMixInputCommandTest, CancelEndsTheCommand) {
    results = {1, -1};
    Run();
    EXPECT_EQ(calcWaters.size(), 1u);
    EXPECT_FLOAT_EQ(multiMixState.weightPercent[0], 10.0f);  // not normalised
    EXPECT_EQ(pageShows, 0);
    EXPECT_EQ(mixes, 0);
}

}  // namespace
}  // namespace shelltest
