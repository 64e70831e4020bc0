// The selected-parameter accumulators: for each IndexCode of the one-page
// graph parameter list (graphParams of DisplaySettings), running sums over the
// stations of a well profile of the code's saturation value and of its
// station quantity (the momentary excess of the same mineral); then a ranking
// of the sums that writes the best codes back into the list and completes the
// list's two pairs (entry 0 with 2, entry 1 with 3) with station quantities.
//
// Nothing in the program calls them yet; every input is safe: n is taken as
// at most the six entries of the list, and no table is read outside its rows.
#pragma once

#include <cstdint>
#include <span>

#include "scenarios/frame/whatif_records.h"
#include "shell/accumulators/selected_params_records.h"
#include "shell/mainwindow/display_settings_records.h"

constexpr uint16_t kNoParam = 0xFFFF;  // an empty list entry
constexpr int kTableStations = 12;     // rows visited in a well profile table

// Entry points over the program's records; the first two return 0.
// Accumulate over the 12-station well profile (CalcWellLogProfile).
int AccumulateSelectedParams(int n);
// Accumulate over the 11-station after-flash profile's twelve rows.
int AccumulateSelectedParams2(int n);
// Rank and rewrite the list; the first keeps room for 13 chosen entries, the
// second for 12 (both more than the six the list can hold).
void DedupSelectedParams(int n);
void DedupSelectedParams2(int n);

// The station column of an IndexCode (the column of its momentary excess in
// a station row), or -1 for a code that has none. Code 43 has the column 43,
// which lies beyond the 38 values of a row.
[[nodiscard]] int StationColumnOf(uint16_t code);

// The rows of one well profile that the accumulation reads.
struct StationTables {
    const float (&results)[kTableStations][kResultRowValues];      // SaturationResults
    const float (&stations)[kTableStations][kIndicatorRowValues];  // MomentaryExcess
};

using ParamList = std::span<uint16_t, kGraphParamCount>;

void AccumulateParams(ParamList list, int n, const StationTables& tables, bool sumStations,
                      SelectedParamAccumulators& acc);

// Ranks the accumulated weighted sums into the first n list entries and
// returns the last chosen accumulator index, or -1 when none was chosen or n
// is below 1.
int RankParams(ParamList list, int n, int chosenRoom, const SelectedParamAccumulators& acc);

// The value that picks the default lists' fourth entry: the first corrosion
// rate of the 12-station profile at the station of the last chosen index
// (0 when there is none).
[[nodiscard]] float PairTestValue(int lastChosen,
                                  const float (&corrosion)[kTableStations][kCorrosionRowValues]);

// Completes the two pairs of the list; `testValue` picks the fourth entry of
// the default lists (at 0.1 or more the pH graph code 94).
void CompleteParamPairs(ParamList list, float testValue);
