// Damaged work files: a few thousand seeded mutants of a real saved workspace
// (bit flips, runs of bytes, truncations, growth, version words). Each load is
// either accepted or refused with the workspace exactly as it was; an accepted
// one is then used as the program uses a loaded workspace (the save-menu state,
// the clean-up, the recomputation of the waters, a profile and a save), and
// nothing may crash or trip the sanitizers.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/pipeline/calc_water_analysis.h"
#include "scenarios/profiles/profiles.h"
#include "tests/shell/workfile/work_file_fixture.h"

namespace {

using namespace worktest;
namespace E = AnalysisElement;

// Three thousand mutants in four slices of their own seeds, so that the
// slices run side by side.
constexpr int kSlices = 4;
constexpr int kMutants = 3000 / kSlices;
constexpr uint32_t kSeed = 20261207;

class Mutation : public WorkFileTest, public ::testing::WithParamInterface<int> {
  protected:
    // A source water entered and computed, with its temperature profile, saved.
    std::vector<uint8_t> RealSavedFile() {
        EXPECT_NE(Start(), 0);
        WaterAnalysis& w = surfaceWater;
        w = WaterAnalysis{};
        w.values[E::kPh] = 8.1f;
        w.values[E::kTemperature] = 77.0f;
        w.values[E::kPressure] = 1.0f;
        w.values[E::kSodium] = 10760.0f;
        w.values[E::kCalcium] = 412.0f;
        w.values[E::kMagnesium] = 1290.0f;
        w.values[E::kChloride] = 19350.0f;
        w.values[E::kSulfate] = 2710.0f;
        w.values[E::kMAlkalinity] = 140.0f;
        w.values[E::kAlkalinity] = 114.8f;
        resultStatus.surfaceEntered = 1;
        mainWindowState.currentWater = 0;
        dialogResult = 1;
        CalcWaterAnalysis(1, mainWindowState.mainWindow);
        CalcTempProfile(mainWindowState.mainWindow);
        resultStatus.tempProfileDone = 1;
        SetPath("\\base.KRV");
        EXPECT_EQ(SaveWorkFile(nullptr), 0);
        return ReadFile("base.KRV");
    }

    // What an accepted load is followed by in the program.
    void UseLoadedWorkspace(std::mt19937& random) {
        SetSaveMenuItems();
        CleanStoredAnalyses();
        if (random() % 8 == 0) {
            for (int water = 0; water < 3; ++water) {
                mainWindowState.currentWater = water;
                dialogResult = 1;
                CalcWaterAnalysis(0, mainWindowState.mainWindow);
            }
        }
        if (random() % 40 == 0) CalcTempProfile(mainWindowState.mainWindow);
        if (random() % 40 == 0) {
            SetPath("\\again.KRV");
            EXPECT_EQ(SaveWorkFile(nullptr), 0);
        }
    }
};

std::vector<uint8_t> Mutate(const std::vector<uint8_t>& base, std::mt19937& random) {
    std::vector<uint8_t> m = base;
    auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
    switch (random() % 6) {
        case 0:  // a few flipped bits
            for (int i = 0, n = 1 + static_cast<int>(pick(8)); i < n; ++i)
                m[pick(m.size())] ^= static_cast<uint8_t>(1u << pick(8));
            break;
        case 1: {  // a run of bytes: random, all zero or all ones
            const size_t at = pick(m.size());
            const size_t length = std::min(m.size() - at, 1 + pick(512));
            const int kind = static_cast<int>(pick(3));
            for (size_t i = at; i < at + length; ++i)
                m[i] = kind == 0 ? static_cast<uint8_t>(random()) : kind == 1 ? 0 : 0xFF;
            break;
        }
        case 2:  // cut anywhere
            m.resize(pick(m.size()));
            break;
        case 3:  // grown
            for (size_t i = 0, n = 1 + pick(4096); i < n; ++i)
                m.push_back(static_cast<uint8_t>(random()));
            break;
        case 4: {  // another version word
            constexpr int16_t kWords[] = {-32768, -1, 0, 1, 555, 556, 557, 558, 32767};
            bytes::PutI16(m.data(),
                          random() % 2 ? kWords[pick(9)] : static_cast<int16_t>(random()));
            if (random() % 2) m.resize(workfile::kVersion556Bytes);
            break;
        }
        default:  // a whole record of random bytes
        {
            const workfile::RecordRow& r = kRecordTable[1 + pick(workfile::kRecordCount - 1)];
            for (uint32_t i = 0; i < r.size; ++i) m[r.offset + i] = static_cast<uint8_t>(random());
            break;
        }
    }
    return m;
}

TEST_P(Mutation, EveryMutantLoadsOrLeavesTheWorkspaceAsItWas) {
    const std::vector<uint8_t> base = RealSavedFile();
    ASSERT_EQ(base.size(), kFileBytes);
    // The water and its temperature profile were computed before the save.
    for (int record : {22, 86, 145, 146}) {
        const auto begin = base.begin() + kRecordTable[record].offset;
        EXPECT_TRUE(std::any_of(begin, begin + kRecordTable[record].size, [](uint8_t b) {
            return b != 0;
        })) << record;
    }
    ASSERT_EQ(LoadWorkFileImage(base), 0);
    std::mt19937 random(kSeed + static_cast<uint32_t>(GetParam()));
    int accepted = 0;
    int refused = 0;
    for (int i = 0; i < kMutants; ++i) {
        const std::vector<uint8_t> mutant = Mutate(base, random);
        const Snapshot before = TakeSnapshot();
        if (LoadWorkFileImage(mutant) == 0) {
            ++accepted;
            UseLoadedWorkspace(random);
            ASSERT_EQ(LoadWorkFileImage(base), 0);
        } else {
            ++refused;
            ASSERT_TRUE(TakeSnapshot() == before) << "mutant " << i;
        }
    }
    // Both outcomes are exercised.
    EXPECT_GT(accepted, kMutants / 4);
    EXPECT_GT(refused, kMutants / 10);
    EXPECT_TRUE(failures.empty());
}

INSTANTIATE_TEST_SUITE_P(Slices, Mutation, ::testing::Range(0, kSlices));

}  // namespace
