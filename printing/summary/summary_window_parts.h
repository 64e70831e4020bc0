// What the summary windows' procedures and their commands share: which
// window is which, its handle and open flag, its renderer and profile.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

namespace summarywindow {

struct Traits {
    const char* className;
    const char* title;
    void (*render)(win::HDC dc, int32_t mode);
    int (*copy)(win::HDC reference, win::HWND page, int orientation);
    void (*exportCsv)();
};

[[nodiscard]] const Traits& TraitsOf(int which);
[[nodiscard]] win::HWND& Handle(int which);
[[nodiscard]] uint32_t& OpenFlag(int which);

// Runs the window's well-profile driver when a product change marked its
// profile stale, and clears the mark.
void RecomputeIfStale(int which, win::HWND hwnd);

// The colour-coding item's text and state.
void SetColourCodingItem(win::HWND hwnd);

// The commands of the windows' menus; false for one the window does not have.
bool RunCommand(int which, win::HWND hwnd, unsigned id);

// CLOSE's steps after the window is gone: the main window active, maximised
// and updated.
void BringMainWindowBack();

}  // namespace summarywindow
