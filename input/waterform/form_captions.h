// The captions of the water form that follow the user's choices: the unit
// beside each value, the alkalinity captions by the alkalinity mode, and the
// note that appears when both H2S and pH2S are entered.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"
#include "platform/window/win_types.h"

// Each unit caption gets the text of its item's unit code; a code without a
// text leaves the caption as it is.
void SetUnitCaptions(win::HWND form, const UnitCodes& units);
// The acidity, M and P alkalinity captions and their units for modes 1 to 7;
// any other mode leaves them.
void SetAlkalinityCaptions(win::HWND form, uint16_t mode);
// The caption of the acidity, M or P alkalinity field (by its AnalysisElement)
// in `mode`; nullptr for another element or mode.
[[nodiscard]] const char* AlkalinityCaption(int element, uint16_t mode);

inline constexpr const char* kTwoSulfideNoteText =
    "When both pH2S and H2S are entered, H2S will be calculated from pH2S";
// Shows the note (and sets twoSulfideNote) when both values are above 0,
// otherwise one blank.
void UpdateTwoSulfideNote(win::HWND form, double h2s, double ph2s);
