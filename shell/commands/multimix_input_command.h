// INPUT, MULTI-MIX, " &Water Analysis" (113): the multi-mix input dialog
// reopened until the user mixes or cancels, each stored water calculated, the
// weights brought to a sum of 100, the source-water pages, and the blend when
// the dialog ended with MIX.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// What the command calls outside itself; tests put recorders here.
struct MultiMixInputCommandServices {
    int16_t (*showDialog)();
    void (*calcWaterAnalysis)(uint16_t mode, win::HWND owner);
    void (*mix)(win::HWND mainWindow);  // the Mix command (114)
    bool (*showPages)(win::HWND mainWindow);
};
[[nodiscard]] MultiMixInputCommandServices ProgramMultiMixInputCommandServices();

void MultiMixInputCommand(win::HWND mainWindow, const MultiMixInputCommandServices& services);
void MultiMixInputCommand(win::HWND mainWindow);

// The pages the command opens by switches mixed 4 and 5: "DisplayMixedWater"
// (without the vertical scroll bar) and "DisplayMixedValues". False when a
// page could not be created.
bool ShowMultiMixSourcePages(win::HWND mainWindow);
