// The progress window the what-if drivers show while they run: a light green bar
// in a black frame with the percent done and the seconds to go under it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/window/win_types.h"

// Private messages: WM_USER stores the percent (wParam) and the seconds to go
// (lParam); WM_USER + 1 closes the window.
inline constexpr win::UINT kProgressSetMessage = win::WM_USER;
inline constexpr win::UINT kProgressCloseMessage = win::WM_USER + 1;

// The window behind the drivers' ShowProgressBar, SetProgressPos and closing
// message (engine/service_hooks.h), installed there at start-up.
// 1 when the window exists (made now or before), 0 when it cannot be created.
int CreateProgressWindow();
// Stores the two values and repaints the window at once.
void StepProgressWindow(int32_t percent, int32_t secondsToGo);
// Sends the closing message.
void CloseProgressWindow();

win::LRESULT ProgWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// The two lines as the window writes them.
[[nodiscard]] std::string PercentLine(int32_t percent);
[[nodiscard]] std::string SecondsLine(int32_t seconds);

// Puts the progress window behind the engines' progress hooks.
void InstallProgressHooks();
