// MixWaters: the multi-mix blend of up to twelve source waters into mixedWater,
// its carbonate system and pH, pH control to the target, the chemistry engine on
// the blend and the dose of the current treatment product for it. Every source
// water must have been calculated (CalcWaterAnalysis) first: the blend reads the
// carbonate figures that calculation files per water.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// The blend's refusals, shown with the caption "WARNING" and owned by the
// caller's window; after either nothing has changed.
namespace MultiMixText {
inline constexpr char kNoWaters[] =
    "No multi-mix source waters are stored. Please enter at least one water to blend!";
inline constexpr char kNoWeights[] =
    "The multi-mix waters have no weight percents and no brine flows (with densities) to "
    "derive them from, or a weight is negative. Please enter a weight percent or a brine "
    "flow for at least one water!";
}  // namespace MultiMixText

// `mode` is not read (the main window passes 1); `owner` owns the questions and
// refusals. Afterwards mixedWater, the blend's results and dose and multiMixDone
// = 1 are set, unless the blend was refused or the user answered Yes to one of
// the pH-control questions: then nothing has changed.
void MixWaters(uint16_t mode, win::HWND owner);
