// Definitions of the water form's records.
#include "input/waterform/water_form_records.h"

#include <cstring>

float enteredValues[kFormWaterCount][AnalysisElement::kCount];
float waterOrganicAcids[kFormWaterCount][kOrganicAcidCount];
int32_t formWater;
FormSnapshot formSnapshot;
uint16_t phPredicted;
float predictedPh;
uint16_t unitsRedisplay;
uint16_t twoSulfideNote;
float formResidenceSeconds;
float formPolyphosphate;
float formOxalate;
uint16_t redFields[kRedFieldCount];
uint32_t phAlkLineValid;

void ResetWaterFormRecords() {
    std::memset(enteredValues, 0, sizeof enteredValues);
    std::memset(waterOrganicAcids, 0, sizeof waterOrganicAcids);
    formWater = 0;
    formSnapshot = FormSnapshot{};
    phPredicted = 0;
    predictedPh = 0.0f;
    unitsRedisplay = 0;
    twoSulfideNote = 0;
    formResidenceSeconds = 0.0f;
    formPolyphosphate = 0.0f;
    formOxalate = 0.0f;
    std::memset(redFields, 0, sizeof redFields);
    phAlkLineValid = 0;
}
