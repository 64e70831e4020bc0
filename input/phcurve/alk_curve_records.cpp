#include "input/phcurve/alk_curve_records.h"

AlkCurveFit alkCurveFit;
uint32_t precipitationQuantity;

void ResetAlkCurveRecords() {
    alkCurveFit = AlkCurveFit{};
    precipitationQuantity = 0;
}
