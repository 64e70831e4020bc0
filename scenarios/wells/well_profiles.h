// The well profiles: the source water followed from the bottom hole to the
// surface at 12 stations between separator and bottom hole
// (CalcWellLogProfile), and after it flashes to atmospheric pressure plus 11 or
// 48 stations down the well (CalcWellLogProfile11, CalcWellLogProfile48). Each
// driver skips the work when nothing that feeds it changed since its last run,
// refreshes only the doses when only the product or the residence time did, and
// leaves the working analysis holding the source water again.
#pragma once

#include "platform/window/win_types.h"
#include "scenarios/wells/well_context.h"

// The refusal of an empty source water.
namespace WellText {
inline constexpr char kNoSourceWater[] =
    "You must input a source water analysis before performing calculations!";
}

void CalcWellLogProfile(win::HWND owner);
void CalcWellLogProfile11(win::HWND owner);
void CalcWellLogProfile48(win::HWND owner);

// The working form on bound records.
void RunWellProfile(WellContext& c, WellKind kind);

// The skip rule: with the profile computed, its stations are skipped when the
// product is unchanged since the last run (same file name, a run with the
// product, same residence time), or when it changed but has no active
// ingredient and none was active before.
[[nodiscard]] bool SkipWellStations(bool done, bool productUnchanged, bool productHasActive,
                                    bool wasActive);
