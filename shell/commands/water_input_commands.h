// The water input commands of the main menu: the water analysis form on the
// source, injection or formation water, and the water calculated when the form
// stored anything.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// The form's template for a desktop `height` pixels high: the formation water's
// form steps up to the larger layouts at smaller desktops than the other two.
[[nodiscard]] int WaterFormTemplate(int32_t water, int height);

// Opens the form on `water` (0 source, 1 injection, 2 formation), calculates
// the water when the form stored data, and brings the menu and the main window
// up to date.
void RunWaterInput(win::HWND mainWindow, int32_t water);

void SourceWaterInput(win::HWND mainWindow);
void InjectionWaterInput(win::HWND mainWindow);
void FormationWaterInput(win::HWND mainWindow);
