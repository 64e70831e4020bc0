// The fourteen result page classes and where the shell keeps each page's
// window handle and open flag (MainWindowState).
#pragma once

#include "platform/window/win_types.h"
#include "shell/records.h"

enum class PageClass {
    kMuWater,         // "DisplayMUWater"
    kMuValues,        // "DisplayMUValues"
    kTempWater,       // "DisplayTempWater"
    kTempValues,      // "DisplayTempValues"
    kPhWater,         // "DisplaypHWater"
    kPhValues,        // "DisplaypHValues"
    kCycledWater,     // "DisplayCycledWater"
    kCycledValues,    // "DisplayCycledValues"
    kMixedWater,      // "DisplayMixedWater"
    kMixedValues,     // "DisplayMixedValues"
    kMixedWaterOut,   // "DisplayMixedWaterOut"
    kMixedValuesOut,  // "DisplayMixedValuesOut"
    kPressWater,      // "DisplayPressWater"
    kPressValues,     // "DisplayPressValues"
};
inline constexpr int kPageClassCount = kResultPageClassCount;

[[nodiscard]] inline int PageIndex(PageClass page) {
    return static_cast<int>(page);
}
[[nodiscard]] const char* PageClassName(PageClass page);
// False when the name (compared without regard to case) is no page class.
[[nodiscard]] bool FindPageClass(const char* className, PageClass* page);

// The page's window handle slot and open flag in MainWindowState.
[[nodiscard]] win::HWND& PageWindowSlot(PageClass page);
[[nodiscard]] bool IsPageOpen(PageClass page);
void SetPageOpen(PageClass page, bool open);
