// The recompute step of the profile chemistry pages: the pH, pressure or
// mixing-ratio profile is run again before the page draws when its stale
// flag is set or the product selection changed since the page last painted.
#pragma once

#include "platform/window/win_types.h"

// The profile drivers the pages run (CalcpHProfile, CalcPressProfile and
// CalcMixingProfile unless a test installs others; null restores them).
using ProfileDriver = void (*)(win::HWND owner);
void InstallProfileDrivers(ProfileDriver ph, ProfileDriver pressure, ProfileDriver mixing);
void InstallTempProfileDriver(ProfileDriver temperature);

void RecomputePhProfile(win::HWND page);        // "DisplaypHWater"
void RecomputePressureProfile(win::HWND page);  // "DisplayPressWater"
void RecomputeMixingProfile(win::HWND page);    // "DisplayCycledWater"
void RecomputeTempProfile(win::HWND page);      // "DisplayTempWater"
