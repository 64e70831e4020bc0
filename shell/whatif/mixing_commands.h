// The two-water mixing commands (injection and formation water), the mixing
// zone settings and the multi-mix blend.
#pragma once

#include <cstdint>

#include "graphs/twod/axis_setup.h"  // RebuildMixingAxis
#include "platform/window/win_types.h"

void MixWatersCommand(win::HWND mainWindow);
void TwoDGraphVsPercent(win::HWND mainWindow);
// The three 3D mixing graphs: 3D Temperature-pH (grid kind 0), 3D
// Temperature-% (kind 3) and 3D pH-% (kind 4).
void ThreeDTemperaturePh(win::HWND mainWindow);
void ThreeDTemperaturePercent(win::HWND mainWindow);
void ThreeDPhPercent(win::HWND mainWindow);
void SelectInjectionParameters(win::HWND mainWindow);
void MultiMixCommand(win::HWND mainWindow);

inline constexpr const char* kNoWaterfloodWatersText =
    "You must input a INJECTION and a FORMATION water analysis before performing calculations!";
inline constexpr const char* kNoWaterfloodWaters3DText =
    "You must input an INJECTION and a FORMATION water analysis before performing "
    "calculations!";
inline constexpr const char* kMixFirstText =
    "You must Mix the waters before graphing!  Please run the CYCLE module first.";
inline constexpr const char* kTwoWatersText =
    "I'm sorry.  You must enter at least two (2) water analyses to Multi-Mix!";
