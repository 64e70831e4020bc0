// Gathering and scattering the what-if dialog's values.
#include "input/whatif/whatif_values.h"

#include <algorithm>
#include <iterator>

#include "engine/speciation/speciation_records.h"
#include "input/records.h"

WhatIfValues GatherWhatIfValues() {
    WhatIfValues v{};
    v.ranges = whatIfSettings;
    v.wellLog = wellLogSpecs;
    v.phControl = phControlSettings;
    v.forcePhToEvalForPressure = whatIfOptions.forcePhToEvalForPressure;
    v.useInputTemperature = whatIfOptions.useInputTemperature;
    v.useInputPh = whatIfOptions.useInputPh;
    v.correctPhForTemperature = whatIfOptions.correctPhForTemperature;
    v.wellLogPtSource = whatIfOptions.wellLogPtSource;
    v.profileOption = phBalanceSwitch;
    std::copy(std::begin(displaySettings.graphParams), std::end(displaySettings.graphParams),
              v.graphParams);
    return v;
}

void ScatterWhatIfValues(const WhatIfValues& v) {
    whatIfSettings = v.ranges;
    wellLogSpecs = v.wellLog;
    phControlSettings = v.phControl;
    whatIfOptions.forcePhToEvalForPressure = v.forcePhToEvalForPressure;
    whatIfOptions.useInputTemperature = v.useInputTemperature;
    whatIfOptions.useInputPh = v.useInputPh;
    whatIfOptions.correctPhForTemperature = v.correctPhForTemperature;
    whatIfOptions.wellLogPtSource = v.wellLogPtSource;
    phBalanceSwitch = v.profileOption;
    std::copy(std::begin(v.graphParams), std::end(v.graphParams), displaySettings.graphParams);
}
