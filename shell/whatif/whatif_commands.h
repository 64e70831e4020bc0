// The single-water what-if commands of the WHAT-IF menu: the temperature, pH and
// pressure profiles with their pages and graphs, and the two 3D grids.
#pragma once

#include "platform/window/win_types.h"

void VaryTemperature(win::HWND mainWindow);
void GraphVsTemperature(win::HWND mainWindow);
void VaryPh(win::HWND mainWindow);
void GraphVsPh(win::HWND mainWindow);
void VaryPressure(win::HWND mainWindow);
void GraphVsPressure(win::HWND mainWindow);
void ThreeDProfile(win::HWND mainWindow);
void ThreeDPressureTemperature(win::HWND mainWindow);

inline constexpr const char* kNoSourceWaterText =
    "You must input a water analysis before performing calculations!";
