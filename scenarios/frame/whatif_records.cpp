// Definitions of the what-if drivers' result tables and run state.
#include "scenarios/frame/whatif_records.h"

WhatIfResults whatIfResults;
DriverSettingsBackup driverSettingsBackup;
float residenceTimeAtLastRun;
uint32_t h2sOff;
uint32_t pco2ProfileFlag;
uint32_t pco2ProfileFlagCopy;

void ResetScenarioRecords() {
    whatIfResults = WhatIfResults{};
    driverSettingsBackup = DriverSettingsBackup{};
    residenceTimeAtLastRun = 0.0f;
    h2sOff = 0;
    pco2ProfileFlag = 0;
    pco2ProfileFlagCopy = 0;
}
