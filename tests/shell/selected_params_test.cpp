// The selected-parameter accumulators: sums over hand-made well profiles
// worked out by hand, entries left alone for codes outside the station table
// and for n = 0, the ranking of the weighted sums, and the completion of the
// list's two pairs. Code 43's column lies past a station row: the rows and
// the record behind them hold large values there, which must not show up.
#include "shell/accumulators/selected_params.h"

#include <array>
#include <cstring>

#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

using List = std::array<uint16_t, kGraphParamCount>;
constexpr uint16_t kNone = kNoParam;

class SelectedParamsTest : public ShellTest {
  protected:
    void SetList(const List& list) {
        std::copy(list.begin(), list.end(), displaySettings.graphParams);
    }
    List GetList() const {
        List list;
        std::copy(std::begin(displaySettings.graphParams), std::end(displaySettings.graphParams),
                  list.begin());
        return list;
    }
    // Hand-made 12-station tables:
    //  calcite (code 0, column 0): ratio 1 and excess 2 at every station;
    //  barite (code 21, column 7): ratio r at station r, excess 1 at stations
    //  0 to 5 and -0.5 at stations 6 to 11.
    template <typename Table>
    static void FillTable(Table& t, float scale) {
        for (int r = 0; r < 12; ++r) {
            t.results[r][0] = 1.0f * scale;
            t.excess[r][0] = 2.0f;
            t.results[r][21] = static_cast<float>(r) * scale;
            t.excess[r][7] = r < 6 ? 1.0f : -0.5f;
        }
    }
};

// ---- Accumulation -----------------------------------------------------------------

class SelectedParamsAccumulation : public SelectedParamsTest {};

TEST_F(SelectedParamsAccumulation, SumsOverTheTwelveStationsMatchHandWorkedValues) {
    FillTable(wellProfiles.wellLog, 1.0f);
    onePageDataFlag = 1;
    SetList({0, 21, kNone, kNone, kNone, kNone});
    EXPECT_EQ(AccumulateSelectedParams(2), 0);

    const SelectedParamAccumulators& a = selectedParams;
    EXPECT_EQ(a.code[0], 0u);
    EXPECT_EQ(a.codeCopy[0], 0u);
    EXPECT_EQ(a.stationColumn[0], 0u);
    EXPECT_EQ(a.code[1], 21u);
    EXPECT_EQ(a.codeCopy[1], 21u);
    EXPECT_EQ(a.stationColumn[1], 7u);
    // Calcite: after station r the sums are r + 1 and 2(r + 1); the weighted
    // sum adds 2(r + 1)^2, in all 2 x (1 + 4 + ... + 144) = 2 x 650.
    EXPECT_FLOAT_EQ(a.sumResult[0], 12.0f);
    EXPECT_FLOAT_EQ(a.sumStation[0], 24.0f);
    EXPECT_FLOAT_EQ(a.weightedSum[0], 1300.0f);
    // Barite: sumResult after station r is r(r+1)/2 (0, 1, 3, 6, 10, 15, 21,
    // 28, 36, 45, 55, 66); sumStation is 1 ... 6, then 5.5, 5, 4.5, 4, 3.5, 3.
    // Stations 0-5 add 0 + 2 + 9 + 24 + 50 + 90 = 175; stations 6-11, whose
    // excess is negative, subtract 115.5 + 140 + 162 + 180 + 192.5 + 198 = 988.
    EXPECT_FLOAT_EQ(a.sumResult[1], 66.0f);
    EXPECT_FLOAT_EQ(a.sumStation[1], 3.0f);
    EXPECT_FLOAT_EQ(a.weightedSum[1], -813.0f);
}

TEST_F(SelectedParamsAccumulation, TheSecondRoutineReadsTheAfterFlashProfile) {
    FillTable(wellProfiles.wellLog, 100.0f);  // must not be read
    FillTable(wellProfiles.flash11, 1.0f);
    onePageDataFlag = 1;
    SetList({21, 0, kNone, kNone, kNone, kNone});
    EXPECT_EQ(AccumulateSelectedParams2(2), 0);
    EXPECT_EQ(selectedParams.code[0], 21u);
    EXPECT_FLOAT_EQ(selectedParams.weightedSum[0], -813.0f);
    EXPECT_FLOAT_EQ(selectedParams.weightedSum[1], 1300.0f);
}

TEST_F(SelectedParamsAccumulation, LeavesEntriesAloneWhereNothingIsAccumulated) {
    FillTable(wellProfiles.wellLog, 1.0f);
    onePageDataFlag = 1;
    SetList({0, 21, kNone, kNone, kNone, kNone});
    (void)AccumulateSelectedParams(2);
    const SelectedParamAccumulators earlier = selectedParams;

    // n = 0 (or below) changes nothing.
    for (int n : {0, -3}) {
        EXPECT_EQ(AccumulateSelectedParams(n), 0);
        EXPECT_EQ(std::memcmp(&selectedParams, &earlier, sizeof earlier), 0) << n;
    }
    // Code 2 (amorphous silica) has no station column: entry 0 keeps what the
    // calcite run left, while entry 1 is summed again from the new table.
    for (int r = 0; r < 12; ++r) wellProfiles.wellLog.results[r][21] = 1.0f;
    SetList({2, 21, kNone, kNone, kNone, kNone});
    (void)AccumulateSelectedParams(2);
    EXPECT_EQ(selectedParams.code[0], 0u);
    EXPECT_FLOAT_EQ(selectedParams.weightedSum[0], 1300.0f);
    EXPECT_FLOAT_EQ(selectedParams.sumResult[1], 12.0f);
    // Entries past n are untouched as well.
    EXPECT_EQ(selectedParams.code[2], 0u);
    EXPECT_EQ(selectedParams.weightedSum[2], 0.0f);
}

TEST_F(SelectedParamsAccumulation, WithoutOnePageDataOnlyCodesAndColumnsAreSet) {
    FillTable(wellProfiles.wellLog, 1.0f);
    onePageDataFlag = 0;
    for (int k = 0; k < kSelectedParamEntries; ++k) {
        selectedParams.sumResult[k] = 7.0f;
        selectedParams.sumStation[k] = 8.0f;
        selectedParams.weightedSum[k] = 9.0f;
    }
    SetList({21, 37, 44, kNone, kNone, kNone});
    (void)AccumulateSelectedParams(3);
    const uint32_t codes[3] = {21, 37, 44}, columns[3] = {7, 8, 17};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(selectedParams.code[k], codes[k]);
        EXPECT_EQ(selectedParams.stationColumn[k], columns[k]);
        EXPECT_EQ(selectedParams.sumResult[k], 0.0f);
        EXPECT_EQ(selectedParams.sumStation[k], 0.0f);
        EXPECT_EQ(selectedParams.weightedSum[k], 0.0f);
    }
    EXPECT_EQ(selectedParams.weightedSum[3], 9.0f);  // kNone is not a code of the table
}

TEST_F(SelectedParamsAccumulation, CodeFortyThreeReadsNothingPastItsStationRow) {
    // Column 43 of a 38-value row would be column 5 of the next row, and past
    // the last row the record that follows the table.
    WellLogTable& t = wellProfiles.wellLog;
    for (int r = 0; r < 12; ++r) {
        t.results[r][43] = 1.0f;
        t.excess[r][5] = 1.0e6f;
    }
    for (float& v : t.bicarbonate) v = 1.0e6f;
    onePageDataFlag = 1;
    SetList({43, kNone, kNone, kNone, kNone, kNone});
    (void)AccumulateSelectedParams(6);  // more than the list: only its six entries
    EXPECT_EQ(selectedParams.code[0], 43u);
    EXPECT_EQ(selectedParams.stationColumn[0], 43u);
    EXPECT_FLOAT_EQ(selectedParams.sumResult[0], 12.0f);
    EXPECT_EQ(selectedParams.sumStation[0], 0.0f);
    EXPECT_EQ(selectedParams.weightedSum[0], 0.0f);
    (void)AccumulateSelectedParams(50);
    EXPECT_EQ(selectedParams.code[6], 0u);
}

// ---- Ranking -----------------------------------------------------------------------

class SelectedParamsRanking : public SelectedParamsTest {
  protected:
    void SetEntries(std::initializer_list<std::pair<uint32_t, float>> entries) {
        int k = 0;
        for (const auto& [code, sum] : entries) {
            selectedParams.code[k] = code;
            selectedParams.weightedSum[k] = sum;
            ++k;
        }
    }
};

TEST_F(SelectedParamsRanking, WritesTheLargestNonZeroSumsBestFirst) {
    //            0        1         2         3        4         5        6
    SetEntries({{0, 1.0f}, {21, 5.0f}, {5, 9.0f}, {4, 0.0f}, {37, 9.0f}, {19, -2.0f}, {22, 3.0f}});
    SetList({kNone, kNone, kNone, kNone, 60, 61});
    DedupSelectedParams(4);
    // 9 at entries 2 and 4: the lower index first; a zero sum is never
    // chosen, a negative one may be once the better ones are used.
    EXPECT_EQ(GetList(), (List{5, 37, 21, 22, 60, 61}));

    DedupSelectedParams2(6);
    EXPECT_EQ(GetList(), (List{5, 37, 21, 22, 19, kNone}));
}

TEST_F(SelectedParamsRanking, TheFirstChoiceStaysAtEntryZeroUnlessBeaten) {
    SetEntries({{21, 50.0f}, {5, 10.0f}, {4, 20.0f}});
    SetList({kNone, kNone, 0, 37, kNone, kNone});
    DedupSelectedParams(2);
    EXPECT_EQ(GetList(), (List{21, 4, 0, 37, kNone, kNone}));
    // Entry 0 itself is never chosen after the first place.
    SetEntries({{21, 50.0f}});
    for (int k = 1; k < kSelectedParamEntries; ++k) selectedParams.weightedSum[k] = 0.0f;
    SetList({kNone, kNone, 0, 37, kNone, kNone});
    DedupSelectedParams(2);
    EXPECT_EQ(GetList(), (List{21, kNone, 0, 37, kNone, kNone}));
}

TEST_F(SelectedParamsRanking, EntriesOfEarlierCallsCompete) {
    SetEntries({{0, 0.0f}, {21, 1.0f}, {5, 2.0f}, {4, 3.0f}, {37, 4.0f}, {19, 50.0f}});
    SetList({kNone, kNone, 0, 37, kNone, kNone});
    DedupSelectedParams(1);  // only one entry asked for, yet entry 5 wins
    EXPECT_EQ(GetList()[0], 19);
}

TEST_F(SelectedParamsRanking, WithNoEntriesOnlyThePairsAreCompleted) {
    SetEntries({{21, 5.0f}, {5, 9.0f}});
    wellProfiles.wellLog.corrosion[1][0] = 0.5f;  // no row is chosen, so it is not read
    SetList({kNone, kNone, kNone, kNone, 3, 3});
    DedupSelectedParams(0);
    EXPECT_EQ(GetList(), (List{0, 21, 5, 4, 3, 3}));
}

TEST_F(SelectedParamsRanking, TheLastChosenStationDecidesTheDefaultFourthGraph) {
    // Entry 3 holds calcite and wins alone: the list reads 0, 0, 0, 0, the
    // saturation defaults; station 3's first corrosion rate is 0.1.
    SetEntries({{0, 0.0f}, {0, 0.0f}, {0, 0.0f}, {0, 5.0f}});
    wellProfiles.wellLog.corrosion[3][0] = 0.1f;
    SetList({0, 0, 0, 0, kNone, kNone});
    DedupSelectedParams(1);
    EXPECT_EQ(GetList(), (List{0, 21, 5, 94, kNone, kNone}));
    wellProfiles.wellLog.corrosion[3][0] = 0.0999f;
    SetList({0, 0, 0, 0, kNone, kNone});
    DedupSelectedParams(1);
    EXPECT_EQ(GetList(), (List{0, 21, 5, 4, kNone, kNone}));
}

// ---- Pair completion ---------------------------------------------------------------

struct PairCase {
    const char* what;
    List before;
    float testValue;
    List after;
};

class SelectedParamsPairs : public ::testing::TestWithParam<PairCase> {};

TEST_P(SelectedParamsPairs, CompletesTheListAsItsPairsRequire) {
    const PairCase& c = GetParam();
    List list = c.before;
    CompleteParamPairs(list, c.testValue);
    EXPECT_EQ(list, c.after) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    SelectedParams, SelectedParamsPairs,
    ::testing::Values(
        PairCase{
            "all empty, test 0.1", {kNone, kNone, kNone, kNone, 7, 8}, 0.1f, {0, 21, 5, 94, 7, 8}},
        PairCase{"all zero, test below 0.1", {0, 0, 0, 0, 7, 8}, 0.05f, {0, 21, 5, 4, 7, 8}},
        PairCase{
            "first two equal", {21, 21, kNone, kNone, 0, 0}, 1.0f, {21, 21, kNone, kNone, 0, 0}},
        PairCase{"second pair empty: station quantities",
                 {21, 5, kNone, kNone, 0, 0},
                 1.0f,
                 {21, 5, 107, 106, 0, 0}},
        PairCase{"code 43 has no station quantity",
                 {43, 0, kNone, kNone, 0, 0},
                 1.0f,
                 {43, 0, kNone, 100, 0, 0}},
        PairCase{"a code outside the table keeps its partner",
                 {2, 47, kNone, kNone, 0, 0},
                 1.0f,
                 {2, 47, kNone, 121, 0, 0}},
        PairCase{
            "no two equal, first 0, test 0.1", {0, 21, 5, 4, 0, 0}, 0.1f, {0, 100, 5, 94, 0, 0}},
        PairCase{
            "no two equal, first 0, test 0", {0, 21, 5, 4, 0, 0}, 0.0f, {0, 100, 5, 106, 0, 0}},
        PairCase{"no two equal, first not 0", {21, 5, 4, 37, 0, 0}, 1.0f, {21, 5, 4, 37, 0, 0}},
        PairCase{"two equal, second pair not empty",
                 {0, 21, 0, kNone, 0, 0},
                 1.0f,
                 {0, 21, 0, kNone, 0, 0}}));

}  // namespace
}  // namespace shelltest
