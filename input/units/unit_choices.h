// The unit choices of the analysis items: their ranges, stepping through them,
// and which item a control of the units dialog stands for.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"

// The largest choice of each unit item 0 to 38 (items 11 and 12 follow the
// alkalinity mode instead).
[[nodiscard]] int MaxUnitChoice(int item);

// Items 0 to 38 but 11 and 12 into their ranges: a choice above the maximum
// becomes 0, a negative one the maximum, so stepping wraps round.
void ClampUnitChoices();
// The same rule on any set of unit choices.
void ClampUnitCodes(UnitCodes& units);

// Steps `item` back (direction below 1) or forward. Items 11 and 12 step the
// alkalinity mode through 1 to 7 round and store it in both items.
void StepUnitChoice(int item, int direction);

// Whether epm reporting writes the item in meq/L: every ion, the alkalinity
// and the pH among them (items 0 to 17, 19 to 21 and 32 to 37). Their unit
// choices wait while values are reported in epm.
[[nodiscard]] bool IsConcentrationItem(int item);

// The unit item of a scroll bar or label of the units dialog; 0 for any other id.
[[nodiscard]] int UnitItemForControl(int controlId);

// The three presets of the units dialog.
enum class UnitPreset { kAsTheIon, kAsCaCO3, kCombination };
void ApplyUnitPreset(UnitPreset preset);
