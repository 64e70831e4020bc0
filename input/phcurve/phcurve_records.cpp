#include "input/phcurve/phcurve_records.h"

AlkCurveCopy alkCurveBackup;
uint16_t alkCurveEnteredBackup;
uint16_t phPredictionMethodBackup;
ConstantConcentrations constantValuesBackup;
PrecipitationOpening precipitationOpening;

void ResetPhCurveRecords() {
    alkCurveBackup = AlkCurveCopy{};
    alkCurveEnteredBackup = 0;
    phPredictionMethodBackup = 0;
    constantValuesBackup = ConstantConcentrations{};
    precipitationOpening = PrecipitationOpening{};
}
