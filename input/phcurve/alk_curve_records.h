// What the last fit of the user's pH-alkalinity curve left beside its pairs
// (alkCurvePoints) and its coefficients (userAlkCurve): each pair's fitted pH
// and residual (fitted - pH), the standard error, the errors of the intercept
// and the slope, R squared and R. Zero at start; New and a work-file load
// replace it with the rest of the curve.
#pragma once

#include "input/records.h"

struct AlkCurveFit {
    float fitted[kAlkCurvePairCount];
    float residual[kAlkCurvePairCount];
    float standardError;
    float coefficientError[4];
    float rSquared;
    float r;
};
extern AlkCurveFit alkCurveFit;

// The precipitation quantity the pages show: 0 momentary excess, 1 precipitation
// potential, 2 both (kept with the display settings in the work file).
extern uint32_t precipitationQuantity;

void ResetAlkCurveRecords();
