// What the what-if drivers need from above the scenario engine: the message box
// that asks their questions and shows their refusals (owned by the caller's
// window), the clock behind the progress window's seconds-to-go estimate, and
// the surface water's own calculation where none is kept (after an Open).
// By default the questions go to the user through the platform's message box,
// the clock is a monotonic one and no calculation is made; tests install
// scripted ones.
#pragma once

#include <string>

#include <cstdint>

#include "platform/window/win_types.h"

struct DriverServices {
    // Shows `text` with `caption` owned by `owner`; style is MB_* flags. Returns
    // the button pressed (IDYES, IDNO, IDOK).
    int (*messageBox)(win::HWND owner, const char* text, const char* caption, win::UINT style);
    // Whole seconds of a clock that does not run backwards (the tick count / 1000).
    uint32_t (*clockSeconds)();
    // Calculates the surface water from its values as entered, as its form's OK
    // does, so that the drivers start from the water's own calculation.
    void (*calculateSurfaceWater)(win::HWND owner);
};

// Why the drivers may not start from the surface water (a sour water whose
// sulfide outweighs its alkalinity), or an empty text. By default nothing is
// checked; the program installs its check.
using SurfaceWaterRefusal = std::string (*)();
void InstallSurfaceWaterRefusal(SurfaceWaterRefusal refusal);
[[nodiscard]] std::string SurfaceWaterRefusalText();

// Replaces the services; a null member keeps its default.
void InstallDriverServices(const DriverServices& services);
void ResetDriverServices();

int DriverMessageBox(win::HWND owner, const char* text, const char* caption, win::UINT style);
uint32_t DriverClockSeconds();
// The drivers start from the surface water's own calculation: the one kept,
// or, where none is kept (a workspace just opened), a new one.
void StartFromSurfaceCalculation(win::HWND owner);
