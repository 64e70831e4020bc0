// The printed reports along a profile: the chemistry and the indicators
// versus a what-if variable (kinds 0 temperature, 1 pH or pCO2, 3 pressure)
// and the waterflood chemistry at the mixing ratios. Each prints as a job of
// its own or as a report of a multi-report job (singlePageJob), and leaves the
// shared point count of the profiles as it found it.
#pragma once

#include "platform/window/win_types.h"

void PrintWhatIfChemistry(int kind);
void PrintWhatIfIndicators(int kind);
// Recomputes the mixing profile first when its doses belong to another
// product than the selected one.
void PrintRatioChemistry();
// The waterflood mix's indicators at the stored ratios (two pages).
void PrintRatioIndicators();

// The mixing-profile recompute of the ratio chemistry (CalcMixingProfile
// unless a test installs another; null restores it).
using RatioRecompute = void (*)(win::HWND owner);
void InstallRatioRecompute(RatioRecompute recompute);
