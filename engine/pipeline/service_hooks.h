// Services the engines use that belong to higher subsystems: the progress window
// of the application shell and the Choose Graphs dialog of the treatment products.
// The engines call the functions below; each forwards to a hook that the owning
// subsystem installs at start-up (tests install recorders). The defaults do
// nothing, so the engines run without any window.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

struct ServiceHooks {
    // Creates (or re-shows) the progress window; 1 when it exists afterwards, else 0.
    int (*showProgressBar)();
    // Steps the progress window to percent done with the seconds still to go.
    void (*setProgressPos)(int32_t percent, int32_t secondsToGo);
    // The closing message (WM_USER + 1 with both parameters 0) to the progress window.
    void (*closeProgressBar)();
    // Runs the Choose Graphs dialog owned by the given window; a choice lands in
    // graphChoice. Returns the count chosen, 0 when nothing changed.
    int (*showChooseGraphs)(win::HWND owner);
};

// The message that closes the progress window, WM_USER + 1.
constexpr uint32_t kCloseProgressMessage = 1025;

// Replaces the hooks; a null member keeps its harmless default.
void InstallServiceHooks(const ServiceHooks& hooks);
// Puts every hook back to its default.
void ResetServiceHooks();
// The hooks installed now (a subsystem that installs one member keeps the others).
[[nodiscard]] ServiceHooks CurrentServiceHooks();

int ShowProgressBar();
void SetProgressPos(int32_t percent, int32_t secondsToGo);
void CloseProgressBar();
int ShowChooseGraphs(win::HWND owner);
