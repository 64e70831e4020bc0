// CHOOSE GRAPHS (template 25): up to four graphs, in the order the user adds
// them, out of the codes of graphCodeList and the profile, dose and corrosion
// graphs.
#pragma once

#include <cstdint>
#include <vector>

#include "common/whatif_settings.h"
#include "platform/window/win_types.h"

constexpr int kMostChosenGraphs = 4;

// Runs the dialog owned by `owner`. OK with graphs chosen writes graphChoice
// (leading word 0, the count, the codes, -1 in the slots past the count),
// copies the codes into graphIndexCodes (0xFFFF past the count) and clears
// gridOrientationSet and logRangeUndefined; it returns the count. Cancel, or OK
// with nothing chosen, changes nothing and returns 0.
int ShowChooseGraphsDialog(win::HWND owner);

win::INT_PTR ChooseGraphsDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                 win::LPARAM lParam);

// The codes offered, in order: graphCodeList's codes (0xFFFF ends it), then
// 40, 41, 89, 90, 91, 94, 95 and 96 when the list does not hold them already.
[[nodiscard]] std::vector<int16_t> OfferedGraphCodes();

// Writes a choice of 1 to 4 codes into the graph records (the OK step).
void StoreGraphChoice(const std::vector<int16_t>& codes);
