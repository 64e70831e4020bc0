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

// After a command that changed what the profiles are computed from (a stored
// water, the units): each profile with a page open whose table no longer
// belongs to its inputs (its done flag cleared) is computed again, once, and
// its open pages paint it. The working analysis is kept.
void RecomputeOpenProfiles();
// The open pages of a profile (a ProfileKind) painted again at once, after
// its table was computed again.
void RepaintProfilePages(int profile);
