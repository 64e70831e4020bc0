// The Change Range dialogs: their twelve templates (one per kind of graph) and
// the controls they share.
#pragma once

namespace RangeDialogId {
enum : int {
    kTempPh = 191,           // 3D: pH by temperature
    kTempPhPercent = 193,    // 3D: pH by temperature at a mixing percent
    kTempPercent = 194,      // 3D: mixing percent by temperature
    kPhPercent = 195,        // 3D: pH by mixing percent
    kPercent = 196,          // 2D: mixing ratio profile
    kPhAtTemp = 198,         // 2D: pH (or pCO2) profile
    kTempPco2 = 200,         // 3D: pCO2 by temperature
    kPco2Percent = 201,      // 3D: pCO2 by mixing percent
    kTempAtPh = 202,         // 2D: temperature profile
    kTempPco2Percent = 205,  // 3D: pCO2 by temperature at a mixing percent
    kPressAtTemp = 207,      // 2D: pressure profile
    kTempPress = 208,        // 3D: pressure by temperature
};
}  // namespace RangeDialogId

namespace RangeControl {
enum : int {
    kOk = 1,
    kCancel = 2,
    kTemperatureHigh = 361,
    kTemperatureLow = 362,
    kLow = 363,   // pH or pCO2
    kHigh = 364,  // pH or pCO2
    kProfilePercentLow = 365,
    kProfilePercentHigh = 366,
    kAtPercent = 368,
    kGridPercentLow = 369,
    kGridPercentHigh = 370,
    kTemperatureUnit = 371,
    kAtTemperature = 372,
    kAtPh = 373,
    kPressureLow = 375,
    kPressureHigh = 376,
};
}  // namespace RangeControl
