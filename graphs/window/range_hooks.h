// The Change Range dialogs the graph windows open: hooks that the dialogs
// fill at start-up. Each takes the graph window as owner; its result is not
// used. Until they are installed the hooks do nothing, and the windows
// recompute and repaint as after Cancel.
#pragma once

#include "platform/window/win_types.h"

using GraphWindowHook = int (*)(win::HWND window);

// The 2D graph's, and the main menu's texts, which the what-if dialog opened
// from the 2D graph brings up to date.
struct TwoDRangeHooks {
    GraphWindowHook tempAtPh;     // dialog 202
    GraphWindowHook phAtTemp;     // dialog 198
    GraphWindowHook percent;      // dialog 196
    GraphWindowHook pressAtTemp;  // dialog 207
    int (*updateMenuTexts)();
};
// Replaces the hooks; a null member gets the default that does nothing.
void InstallTwoDRangeHooks(const TwoDRangeHooks& hooks);

// The 3D graph's, by the grid on show.
struct ThreeDRangeHooks {
    GraphWindowHook tempPH;       // dialog 191: single water, pH by temperature
    GraphWindowHook tempPCO2;     // 200: single water, pCO2 by temperature
    GraphWindowHook tempPHPct;    // 193: mixed water, pH by temperature
    GraphWindowHook tempPCO2Pct;  // 205: mixed water, pCO2 by temperature
    GraphWindowHook tempPct;      // 194: percent by temperature
    GraphWindowHook pHPct;        // 195: pH by percent
    GraphWindowHook pCO2Pct;      // 201: pCO2 by percent
    GraphWindowHook tempPress;    // 208: pressure by temperature
};
// Replaces the hooks; a null member gets the default that does nothing.
void InstallThreeDRangeHooks(const ThreeDRangeHooks& hooks);
// The hooks in force (never null members).
[[nodiscard]] const ThreeDRangeHooks& ThreeDRangeDialogs();
