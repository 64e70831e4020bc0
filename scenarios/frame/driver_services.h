// What the what-if drivers need from above the scenario engine: the message box
// that asks their questions and shows their refusals (owned by the caller's
// window), and the clock behind the progress window's seconds-to-go estimate.
// By default the questions go to the user through the platform's message box
// and the clock is a monotonic one; tests install scripted ones.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

struct DriverServices {
    // Shows `text` with `caption` owned by `owner`; style is MB_* flags. Returns
    // the button pressed (IDYES, IDNO, IDOK).
    int (*messageBox)(win::HWND owner, const char* text, const char* caption, win::UINT style);
    // Whole seconds of a clock that does not run backwards (the tick count / 1000).
    uint32_t (*clockSeconds)();
};

// Replaces the services; a null member keeps its default.
void InstallDriverServices(const DriverServices& services);
void ResetDriverServices();

int DriverMessageBox(win::HWND owner, const char* text, const char* caption, win::UINT style);
uint32_t DriverClockSeconds();
