// What the what-if, mixing and print commands show or print once the graphs,
// the one-page windows and the printed reports exist: hooks with harmless
// defaults that those subsystems install at start-up (tests install recorders).
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

struct ScenarioViews {
    void (*showTwoDGraph)(win::HWND mainWindow);
    void (*showGraphWindow)(win::HWND mainWindow);
    void (*openWellLogSummaryGraphWindow)(win::HWND mainWindow);
    // The one-page window of the summary (0, "DisOnePage") or the well-log
    // table (1, "WellLogDisOnePage"), destroyed and made again.
    void (*openOnePageWindow)(win::HWND mainWindow, int which);
    // The reports: water kind 0 surface, 1 injection, 2 formation; profile 1
    // temperature, 2 pH.
    void (*printChemistryReport)(int waterKind);
    void (*printIndicatorsReport)(int waterKind);
    void (*printWhatIfChemistry)(int profile);
    void (*printWhatIfIndicators)(int profile);
    void (*printRatioChemistry)();
    void (*printRatioIndicators)(int mode);
    void (*printOnePage)();
};

// Replaces the hooks; a null member keeps its default.
void InstallScenarioViews(const ScenarioViews& views);
void ResetScenarioViews();
[[nodiscard]] const ScenarioViews& CurrentScenarioViews();
