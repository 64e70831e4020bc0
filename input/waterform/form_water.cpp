// The stored water behind the form's selector.
#include "input/waterform/form_water.h"

#include "engine/records.h"

bool IsFormWater(int32_t water) {
    return water >= 0 && water <= 2;
}

WaterAnalysis* FormWaterAnalysis(int32_t water) {
    switch (water) {
        case 0:
            return &surfaceWater;
        case 1:
            return &injectionWater;
        case 2:
            return &formationWater;
        default:
            return nullptr;
    }
}

uint16_t* FormWaterEnteredFlag(int32_t water) {
    switch (water) {
        case 0:
            return &resultStatus.surfaceEntered;
        case 1:
            return &resultStatus.injectionEntered;
        case 2:
            return &resultStatus.formationEntered;
        default:
            return nullptr;
    }
}

bool IsFormWaterEntered(int32_t water) {
    const uint16_t* flag = FormWaterEnteredFlag(water);
    return flag != nullptr && *flag == 1;
}

// Selectors 3 and up (the mixed water, a paste, a multi-mix water) always show
// the working record.
bool ShowsStoredAnalysis(int32_t water) {
    return IsFormWaterEntered(water) || water >= 3;
}
