// RecalcMultiMix and the working water's backup.
#include "shell/commands/recalc_multimix.h"

#include <cmath>

#include "engine/carbonate/carbonate_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "input/description_records.h"
#include "shell/commands/analysis_backup.h"
#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

struct Call {
    int32_t editIndex;
    float calcium;      // element 7 of the working analysis at the call
    float bicarbonate;  // element 29, cleared before the call
    float residence;    // the engine's residence time
    float carryOver;    // the engine's dissolved CO2 copy, cleared before the call
    int32_t currentWater;
};
std::vector<Call> calls;
int mixes = 0;
int menus = 0;

void RecordCalc(uint16_t mode, win::HWND) {
    EXPECT_EQ(mode, 0);
    calls.push_back(Call{multiMixState.editIndex, currentAnalysis.values[7],
                         currentAnalysis.values[29], currentResidenceTime, dissolvedCO2Copy,
                         mainWindowState.currentWater});
    dissolvedCO2Copy = 42.0f;  // what a calculation leaves behind
}
void RecordMix(uint16_t mode, win::HWND) {
    EXPECT_EQ(mode, 1);
    ++mixes;
}
int RecordMenu() {
    ++menus;
    return 0;
}

class RecalcMultiMixTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        calls.clear();
        mixes = menus = 0;
        MultiMixState& m = multiMixState;
        m.lastWaterIndex = 2;
        m.multiMixDone = 2;
        m.editIndex = 1;
        for (int k = 0; k < 3; ++k) {
            m.sourceWaters[k].values[7] = 100.0f * static_cast<float>(k + 1);
            m.sourceWaters[k].values[29] = 5.0f;
            m.residenceTime[k][ResidenceForm::kSeconds] = 60.0f * static_cast<float>(k + 1);
            m.weightPercent[k] = 30.0f;
        }
        mainWindowState.currentWater = WaterSelector::kInjection;
    }
    int Run() { return RecalcMultiMix(MultiMixRecalcServices{RecordCalc, RecordMix, RecordMenu}); }
};

TEST_F(RecalcMultiMixTest, EveryWaterInOrderThenTheBlend) {
    EXPECT_EQ(Run(), 0);
    ASSERT_EQ(calls.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(calls[k].editIndex, k);  // set before each water's calculation
        EXPECT_EQ(calls[k].calcium, 100.0f * static_cast<float>(k + 1));
        EXPECT_EQ(calls[k].bicarbonate, 0.0f);
        EXPECT_EQ(calls[k].residence, 60.0f * static_cast<float>(k + 1));
        EXPECT_EQ(calls[k].carryOver, 0.0f);
        EXPECT_EQ(calls[k].currentWater, WaterSelector::kMultiMixSource);
        EXPECT_EQ(multiMixState.multiMixEntered[k], 1u);
        EXPECT_EQ(multiMixState.sourceWaters[k].values[29], 0.0f);
    }
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(multiMixState.weightPercent[k], 33.3333f, 1e-4);
    EXPECT_NEAR(multiMixBlend.meanResidenceSeconds, (60 + 120 + 180) / 3.0, 1e-3);
    EXPECT_EQ(mixes, 1);
    EXPECT_EQ(menus, 1);
    EXPECT_EQ(multiMixState.multiMixDone, 2u);
    EXPECT_EQ(multiMixState.editIndex, 1);  // put back
    EXPECT_EQ(mainWindowState.currentWater, WaterSelector::kInjection);
}

TEST_F(RecalcMultiMixTest, AlmostOneHundredIsLeftAlone) {
    multiMixState.weightPercent[0] = 50.0f;
    multiMixState.weightPercent[1] = 25.000005f;
    multiMixState.weightPercent[2] = 25.0f;
    Run();
    EXPECT_EQ(multiMixState.weightPercent[1], 25.000005f);
    float zero[3] = {0.0f, 0.0f, 0.0f};
    NormaliseMultiMixWeights(zero, 2);
    EXPECT_EQ(zero[0], 0.0f);
}

TEST_F(RecalcMultiMixTest, NothingWithoutABlendOrWithOneWater) {
    multiMixState.multiMixDone = 0;
    Run();
    multiMixState.multiMixDone = 1;
    multiMixState.lastWaterIndex = 0;
    Run();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(mixes, 0);
    EXPECT_EQ(multiMixState.editIndex, 1);
    EXPECT_EQ(mainWindowState.currentWater, WaterSelector::kInjection);
}

// The backup keeps the values, seven texts and the results; the sample id, the
// eighth text, is not copied either way.
TEST(AnalysisBackupTest, TheSampleIdIsNotCopied) {
    WaterAnalysis working{};
    SampleDescription description{};
    float saturation[kSaturationResultCount] = {};
    working.values[3] = 12.5f;
    std::strcpy(description.text[0], "Well 7");
    std::strcpy(description.text[7], "ID-1");
    saturation[21] = 350.0f;
    AnalysisBackup backup{};
    BackupAnalysis(working, description, saturation, backup);
    working.values[3] = 0.0f;
    std::strcpy(description.text[0], "grid cell");
    std::strcpy(description.text[7], "ID-2");
    saturation[21] = 1.0f;
    RestoreAnalysis(backup, working, description, saturation);
    EXPECT_EQ(working.values[3], 12.5f);
    EXPECT_STREQ(description.text[0], "Well 7");
    EXPECT_STREQ(description.text[7], "ID-2");
    EXPECT_EQ(saturation[21], 350.0f);
}

}  // namespace
}  // namespace shelltest
