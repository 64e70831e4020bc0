// Cycle: the mixing zone settings "Select Mixing Zone Specifications"
// (templates 88 and 89).
#pragma once

#include <cstdint>
#include <string>

#include "platform/window/win_types.h"

// Template 89 on a desktop 900 pixels high or less, else 88.
[[nodiscard]] int MixZoneTemplate(int desktopHeight);
// Runs Cycle modally for `owner` by the desktop's height.
void OpenMixZoneDialog(win::HWND owner);

win::INT_PTR Cycle(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// Takes the opening copy, warns of empty ranges and fills the controls.
void InitCycleDialog(win::HWND dialog);
// Reads the fields and stores them: 0 when all were stored, -1 when the user
// kept the old value of a refused field (the others are stored), or the id of
// the field the user chose to re-enter (nothing is stored; equal low and high
// percentages send the user back to the low one).
int ReadCycleDialog(win::HWND dialog);

// The calculations OK runs; tests replace them.
struct MixZoneDrivers {
    void (*calcMixingProfile)(win::HWND owner);
    int32_t (*calcMixGrid)(uint16_t kind);
};
void SetMixZoneDrivers(const MixZoneDrivers& drivers);

inline constexpr const char* kSamePercentagesText =
    "Start and Final Percentages cannot be the same!  Please correct.";
inline constexpr const char* kTheorCurveText =
    "A pH prediction curve MUST be selected! The THEOR CURVE has been selected.";
