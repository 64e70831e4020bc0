// UpdateMenuTexts: the main menu's greyed, enabled and ticked items and the
// texts that follow the plot variable and the mix, derived from the result
// flags every time; the menu state is never stored.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// The flags the rules read.
struct MenuFlags {
    bool surface = false;                     // S: surfaceEntered
    bool injection = false;                   // I
    bool formation = false;                   // F
    bool mixProfile = false;                  // MP: mixProfileDone
    uint32_t multiMixDone = 0;                // MM, a count
    bool multiMixWater0 = false;              // C0: water 0 of the multi-mix computed
    bool multiMixWater1 = false;              // C1
    bool multiMixWaters = false;              // any multi-mix water entered
    int32_t lastWaterIndex = 0;               // L
    bool tempProfile = false;                 // T
    bool phProfile = false;                   // P
    bool grid = false;                        // G: gridDone
    bool pressureProfile = false;             // PP
    bool grid2 = false;                       // G2: gridDone2
    bool alkCurve = false;                    // A
    bool onePage = false;                     // OP: the one-page data flag
    bool wellLogTable = false;                // WT
    bool varyPco2 = false;                    // V
    bool mixGrid[3] = {false, false, false};  // MG0, MG1, MG2
};

// True when the workspace holds work the user may save: a water entered (a
// multi-mix water too, mixed or not) or a blend.
[[nodiscard]] bool HoldsWork(const MenuFlags& f);

// The flags of the global records.
[[nodiscard]] MenuFlags CurrentMenuFlags();

// The fifteen rules in their order on `menu` (a later rule overrides an earlier
// one for the same item).
void ApplyMenuRules(win::HMENU menu, const MenuFlags& f);

// The rules on the main window's menu; returns 0.
int UpdateMenuTexts();

// The texts of Vary pH, Graph vs pH, 3D Temperature-pH and 3D pH-% for the
// plot variable (pCO2 when `varyPco2`), each a plain enabled item.
void SetPlotVariableTexts(win::HMENU menu, bool varyPco2);
