// Calculating a multi-mix source water from its input dialog, and the two
// result pages that show it while it is edited.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// What the multi-mix input calls outside itself; tests put recorders here.
struct MultiMixInputServices {
    void (*calcWaterAnalysis)(uint16_t mode, win::HWND owner) = nullptr;
};
// Installs the services given; a null entry restores the program's own.
void InstallMultiMixInputServices(const MultiMixInputServices& services);
[[nodiscard]] const MultiMixInputServices& CurrentMultiMixInputServices();

// The water's temperature into sourceTemperature and its copy, the working
// analysis and the current temperature pair.
void CopyMultiMixTemperature();
// Calculates water editIndex (the current water 5 for the call): with the
// target solvers off its calculated carbonate and the engine's carry-over are
// cleared first; then the pages are shown and the reports printed as the
// dialog's toggles ask. Marks the workspace changed.
void RecalcMultiMixRecord();
// When the water differs from its snapshot: the solvers off, the temperature
// copied (when `copyTemperature`), RecalcMultiMixRecord, the solvers on.
// True when it calculated.
bool RecalcMultiMixRecordIfChanged(bool copyTemperature);

// Every stored source water calculated again, afresh and with the target
// solvers on, as a change of units needs; no page shown, nothing printed. The
// water shown, the working record and the current temperatures are kept.
void RecalcEnteredMultiMixWaters();

// The two pages of the water being edited, while "Display Result" is on:
// "DisplayMUWater" and "DisplayMUValues" created where missing (or turned to
// this water when they show another), else repainted.
void ShowMultiMixWindows();
// Keeps the two pages as they are now (open, window, water shown, title), for
// CloseMultiMixWindows to put back.
void KeepMultiMixWindows();
// The two pages as KeepMultiMixWindows found them: a page opened since is
// destroyed and its flag cleared; a page open then, turned to the water being
// edited since, shows its own water again under its own title.
void CloseMultiMixWindows();
// Brings each open page that shows a multi-mix water to the top.
void RaiseMultiMixWindows();

inline constexpr const char* kMultiMixChemistryTitle = "WATER ANALYSIS FOR MIXING";
inline constexpr const char* kMultiMixIndicatorsTitle =
    "DEPOSITION POTENTIAL INDICATORS OF WATER SOURCE FOR MIXING";
