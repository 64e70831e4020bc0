// What the curve, constant-value and precipitation dialogs keep while open:
// their values as they were at opening.
#pragma once

#include <cstdint>

#include "input/phcurve/alk_curve.h"
#include "input/records.h"

// The curve and its entered flag when the curve dialog opened.
extern AlkCurveCopy alkCurveBackup;
extern uint16_t alkCurveEnteredBackup;
extern uint16_t phPredictionMethodBackup;

// The constant concentrations when their dialog opened.
extern ConstantConcentrations constantValuesBackup;

// The precipitation unit and quantity when their dialog opened.
struct PrecipitationOpening {
    uint16_t unit;
    uint32_t quantity;
};
extern PrecipitationOpening precipitationOpening;

void ResetPhCurveRecords();
