// Everything the what-if settings dialog can change, gathered in one record:
// the dialog's opening copy, the values read from its fields, and what the
// recompute table compares.
#pragma once

#include <cstdint>

#include "common/whatif_settings.h"
#include "shell/mainwindow/display_settings_records.h"

struct WhatIfValues {
    WhatIfSettings ranges;
    WellLogSpecs wellLog;
    PhControlSettings phControl;
    uint32_t forcePhToEvalForPressure;
    uint32_t useInputTemperature;
    uint32_t useInputPh;
    uint32_t correctPhForTemperature;
    uint32_t wellLogPtSource;
    uint32_t profileOption;
    uint16_t graphParams[kGraphParamCount];
};

// The values as the program holds them, and back.
[[nodiscard]] WhatIfValues GatherWhatIfValues();
void ScatterWhatIfValues(const WhatIfValues& v);
