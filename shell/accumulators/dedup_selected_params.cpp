// Ranking: the list entries are rewritten with the codes of the accumulator
// entries of the largest non-zero weighted sums, best first, each entry at
// most once; then the two pairs of the list (entry 0 with 2, entry 1 with 3)
// are completed: an empty or all-zero list gets default graphs, and a list
// whose second pair is empty gets the station quantities of the first pair.
#include <algorithm>
#include <array>

#include "scenarios/wells/well_records.h"
#include "shell/accumulators/selected_params.h"

namespace {

constexpr int kMaxChosenRoom = 13;
constexpr float kNoBest = -100000.0f;

// Default lists: calcite, barite, gypsum, and a fourth graph that the test
// value chooses.
constexpr uint16_t kDefaultFourthHigh = 94;
constexpr uint16_t kSaturationDefaults[4] = {0, 21, 5, 4};
constexpr uint16_t kStationDefaults[4] = {0, 100, 5, 106};
constexpr float kTestThreshold = 0.1f;

// The station quantity code of `code` (100 + its column; none for code 43,
// whose column lies outside a station row), or `unchanged` for a code that has
// no column.
uint16_t StationQuantityOf(uint16_t code, uint16_t unchanged) {
    const int column = StationColumnOf(code);
    if (column < 0) return unchanged;
    if (column >= kIndicatorRowValues) return kNoParam;
    return static_cast<uint16_t>(100 + column);
}

void SetDefaults(ParamList list, const uint16_t (&defaults)[4], float testValue) {
    std::copy(std::begin(defaults), std::end(defaults), list.begin());
    if (testValue >= kTestThreshold) list[3] = kDefaultFourthHigh;
}

}  // namespace

int RankParams(ParamList list, int n, int chosenRoom, const SelectedParamAccumulators& acc) {
    n = std::clamp(n, 0, std::min<int>(kGraphParamCount, chosenRoom));
    std::array<int, kMaxChosenRoom> chosen;
    chosen.fill(-1);
    // The first choice starts at accumulator entry 0 and stays there unless a
    // later entry holds a larger non-zero sum.
    chosen[0] = 0;
    float best = acc.weightedSum[0];
    for (int k = 0; k < n; ++k) {
        if (k > 0) best = kNoBest;
        for (int i = 1; i < kSelectedParamEntries; ++i) {
            if (std::find(chosen.begin(), chosen.begin() + k, i) != chosen.begin() + k) continue;
            if (acc.weightedSum[i] > best && acc.weightedSum[i] != 0.0f) {
                chosen[static_cast<size_t>(k)] = i;
                best = acc.weightedSum[i];
            }
        }
        const int c = chosen[static_cast<size_t>(k)];
        list[static_cast<size_t>(k)] = c < 0 ? kNoParam : static_cast<uint16_t>(acc.code[c]);
    }
    return n < 1 ? -1 : chosen[static_cast<size_t>(n - 1)];
}

float PairTestValue(int lastChosen, const float (&corrosion)[kTableStations][kCorrosionRowValues]) {
    if (lastChosen < 0 || lastChosen >= kTableStations) return 0.0f;
    return corrosion[lastChosen][0];
}

void CompleteParamPairs(ParamList list, float testValue) {
    const uint16_t p0 = list[0], p1 = list[1], p2 = list[2], p3 = list[3];
    const bool allZero = p0 == 0 && p1 == 0 && p2 == 0 && p3 == 0;
    const bool allEmpty = p0 == kNoParam && p1 == kNoParam && p2 == kNoParam && p3 == kNoParam;
    const bool anyTwoEqual = p0 == p2 || p0 == p3 || p1 == p2 || p1 == p3 || p2 == p3;
    const bool secondPairEmpty = p2 == kNoParam && p3 == kNoParam;
    if (allZero || allEmpty) {
        SetDefaults(list, kSaturationDefaults, testValue);
    } else if (p0 == p1) {
        // the same graph twice: left as it is
    } else if (anyTwoEqual && secondPairEmpty) {
        list[2] = StationQuantityOf(p0, p2);
        list[3] = StationQuantityOf(p1, p3);
    } else if (!anyTwoEqual && p0 == 0) {
        SetDefaults(list, kStationDefaults, testValue);
    }
}

namespace {

void Dedup(int n, int chosenRoom) {
    const int last = RankParams(displaySettings.graphParams, n, chosenRoom, selectedParams);
    CompleteParamPairs(displaySettings.graphParams,
                       PairTestValue(last, wellProfiles.wellLog.corrosion));
}

}  // namespace

void DedupSelectedParams(int n) {
    Dedup(n, 13);
}

void DedupSelectedParams2(int n) {
    Dedup(n, 12);
}
