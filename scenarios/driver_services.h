// What the what-if drivers need from above the scenario engine: the message box
// that asks their questions and shows their refusals (owned by the caller's
// window), and the clock behind the progress window's seconds-to-go estimate.
// The shell installs the real message box at start-up; tests install a
// scripted one. The defaults answer every question No (go on), acknowledge
// every notice, and read a monotonic clock.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

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
