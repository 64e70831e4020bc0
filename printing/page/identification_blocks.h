// The identification blocks that open a report, between two rules with the
// logo in the band they make. Each takes what it prints: a water's header and
// its eight description texts, both waters of a waterflood, or the multi-mix
// record. A date of 0 prints the workspace's report date.
#pragma once

#include "common/water_analysis.h"
#include "platform/window/win_types.h"

struct MultiMixState;

// One water: descriptions 0 to 3, 5 and 6, the dates and time, the sample
// number and description 7 ("Sample ID:"). A sample number of 0 is printed
// only where the water's pages show it (`zeroShown`): a multi-mix source
// water has no number, as its page shows none.
void PrintSampleHeader(win::HDC dc, const WaterAnalysis& water, const SampleDescription& texts,
                       bool zeroShown = true);
// The injection water (left) and the formation water (right) side by side.
void PrintSampleHeaderCompact(win::HDC dc, const WaterAnalysis& injection,
                              const SampleDescription& injectionTexts,
                              const WaterAnalysis& formation,
                              const SampleDescription& formationTexts);
// The numbered list of the blended source waters, each by its name or, when
// it has none, its ID, and the workspace's report date. `reportKind` is not
// used by the block.
void PrintMixSourceHeader(win::HDC dc, const MultiMixState& mix, int reportKind);
