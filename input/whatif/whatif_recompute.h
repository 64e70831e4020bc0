// What OK of the what-if settings brings up to date: the results that exist and
// depend on a changed value are computed again, the others marked stale, and
// the open windows that show them repainted.
#pragma once

#include <cstdint>

#include "input/whatif/whatif_values.h"
#include "platform/window/win_types.h"

// The calculations the table runs; tests put recording stand-ins in their place.
struct WhatIfDrivers {
    void (*calcWellLogProfile)(win::HWND owner);
    void (*calcWellLogProfile11)(win::HWND owner);
    void (*calcTempProfile)(win::HWND owner);
    void (*calcpHProfile)(win::HWND owner);
    void (*calcPressProfile)(win::HWND owner);
    void (*calcGridpHTemp)(uint16_t graphCode);
    void (*calcGridPressTemp)(uint16_t graphCode);
};

// The scenario engine's drivers.
[[nodiscard]] WhatIfDrivers ScenarioDrivers();

// Runs the table on `before` (the dialog's opening copy) and `after` (the
// values now held).
void BringWhatIfResultsUpToDate(const WhatIfValues& before, const WhatIfValues& after,
                                const WhatIfDrivers& drivers, win::HWND mainWindow);
