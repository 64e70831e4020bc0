// Showing a multi-mix source water on the input dialog and reading it back,
// and the snapshot that tells whether the user changed it.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// The water shown: editIndex brought into 0..11 (a damaged file may hold
// anything); lastWaterIndex likewise.
void ClampMultiMixIndices();

// Slot `k` emptied for a water being added: no values (typed or stored), no
// texts, dates, weight or acids, not entered.
void StartNewMultiMixWater(int k);

// Fills every field from water editIndex (defaults for the very first water);
// the count shown includes a water being added.
void ShowMultiMixRecord(win::HWND dialog);
// The same for a water a paste has just filled: it keeps the pasted dates and
// time, as a stored water keeps its own.
void ShowPastedMultiMixRecord(win::HWND dialog);
// Every number field holds a number with a meaning for its quantity (the
// water form's checks, with the weight and the residence time); false after
// the user was told of the first field refused.
[[nodiscard]] bool CheckMultiMixFields(win::HWND dialog);
// Stores every field into water editIndex: the values as typed into its row
// as entered and, when they changed, into the water for the next calculation
// (an unchanged water keeps the values its calculation balanced); the water's
// values then go into the working analysis; runTargetSolvers is set afterwards.
void ReadMultiMixFields(win::HWND dialog);
// Takes the snapshot of water editIndex.
void LoadMultiMixRecord();
// 1 when water editIndex differs from the snapshot in a date, the time, a
// value, an acid or the residence time in the display unit; else 0.
[[nodiscard]] int32_t MultiMixRecordChanged();

// A date kept in the older form month x 10000 + day x 100 + two-digit year
// (below 130000 and no packed date) in the packed form; other dates, the
// packed 1900 to 1912 among them, as they are.
[[nodiscard]] int32_t RepackOldDate(int32_t date);

// The residence block of a water for `value` typed in the unit `unitCode`
// (0 seconds, 1 minutes, 2 hours, 3 days; others read as seconds): the value
// in the display unit, days, hours, minutes, seconds.
void FillResidenceBlock(double value, uint16_t unitCode, float (&block)[5]);
// After a change of the residence unit from `before` to `after`: the value in
// the display unit becomes the block's value in the new unit.
void ShowResidenceInUnit(float (&block)[5], uint16_t before, uint16_t after);
