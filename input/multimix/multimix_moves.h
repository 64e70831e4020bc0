// Moving between the multi-mix source waters: NEXT (which adds a water past
// the last), PREVIOUS, GO TO # and the keys, and the ADD NEW / NEXT button.
#pragma once

#include "platform/window/win_types.h"

inline constexpr const char* kAddWaterQuestion =
    "Last Analysis. Do you wish to add a new Analysis?";
inline constexpr const char* kTwelveWatersText = "A multi-mix holds at most twelve waters.";
inline constexpr const char* kLastAnalysisCaption = "LAST ANALYSIS";

// Button 520: "ADD NEW" at the last water (or past it), "NEXT" before it;
// with `withState` also enabled unless the water shown lies past the last (a
// water being added).
void SetNextButton(win::HWND dialog, bool withState);

// editIndex one on and the water shown. Past the last water the user is asked
// whether to add one (No stays); at the twelfth water nothing is asked and the
// limit is shown.
void NextMultiMixRecord(win::HWND dialog);
// editIndex one back, not below 0, and the water shown.
void PrevMultiMixRecord(win::HWND dialog);
// The water numbered `number` (1 for the first) shown: below 1 the first,
// above 12 the twelfth.
void GoToMultiMixRecord(win::HWND dialog, int number);

// The move of a key pressed on the dialog: Page Up and Up the previous water,
// Page Down and Down the next, End the last, Home and '1' the first, '3' the
// last; the water is shown and the pages follow. The caller reads the water
// being left first. False for any other key.
bool MultiMixKey(win::HWND dialog, int virtualKey);
