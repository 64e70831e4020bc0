// The window procedures of the fourteen result page classes, registered with
// their classes at start-up. Each forwards to the one body, PageWndProc.
#pragma once

#include "platform/window/win_types.h"

#define TARVEX_PAGE_PROC(name) \
    win::LRESULT name(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam)

TARVEX_PAGE_PROC(MUWndProc);                  // "DisplayMUWater", menu 11
TARVEX_PAGE_PROC(DisWndProc);                 // "DisplayMUValues", menu 11
TARVEX_PAGE_PROC(TempProfileWndProc);         // "DisplayTempWater", menu 12
TARVEX_PAGE_PROC(TempProfileValuesWndProc);   // "DisplayTempValues", menu 17
TARVEX_PAGE_PROC(pHProfileWndProc);           // "DisplaypHWater", menu 12
TARVEX_PAGE_PROC(pHProfileValuesWndProc);     // "DisplaypHValues", menu 17
TARVEX_PAGE_PROC(CycledWaterWndProc);         // "DisplayCycledWater", menu 12
TARVEX_PAGE_PROC(CycledValuesWndProc);        // "DisplayCycledValues", menu 17
TARVEX_PAGE_PROC(MixedWaterWndProc);          // "DisplayMixedWater", menu 11
TARVEX_PAGE_PROC(MixedValuesWndProc);         // "DisplayMixedValues", menu 11
TARVEX_PAGE_PROC(MixedWaterOutWndProc);       // "DisplayMixedWaterOut", menu 11
TARVEX_PAGE_PROC(MixedValuesOutWndProc);      // "DisplayMixedValuesOut", menu 11
TARVEX_PAGE_PROC(PressProfileWndProc);        // "DisplayPressWater", menu 12
TARVEX_PAGE_PROC(PressProfileValuesWndProc);  // "DisplayPressValues", menu 17

#undef TARVEX_PAGE_PROC
