// Records of the carbonate system and of pH control: the acid and alkali demand
// of the last pH adjustment, the copy of the dissolved CO2 kept beside the
// working analysis, the user's pH-alkalinity curve and the carbonate constants
// kept for each stored water.
#pragma once

#include <cstdint>

// A pH-alkalinity curve: pH = intercept + linear A + reciprocal / A
// + logSlope log10(A'), with A the total alkalinity in the analysis unit and A'
// = A x 50.05 in epm reporting (A otherwise); only the logarithm takes A'.
struct AlkCurveCoefficients {
    float intercept;
    float linear;
    float reciprocal;
    float logSlope;
};

// The carbonate constants of one stored water as its last calculation left them
// (the first four fields of CarbonateState).
struct SavedCarbonateConstants {
    float k1;
    float k2;
    float kw;
    float gammaH;
};

// Index of each stored water in savedCarbonateConstants.
namespace SavedWater {
enum : int { kSurface = 0, kInjection = 1, kFormation = 2, kCount = 3 };
}

// Acid and alkali needed to bring the working analysis to the target pH; at most
// one of them is non-zero. mg/L of the chemical (closed carbonate system) or mg/L
// as CaCO3 (open system); the CO2 dose in mg/L of CO2.
extern float acidDemand;
extern float alkaliDemand;

// Dissolved CO2 as H2CO3 (mg/L), the copy of analysis element 43 that the engine
// keeps beside the working analysis.
extern float dissolvedCO2Copy;

// Fitted from the user's pH-alkalinity pairs by the curve input.
extern AlkCurveCoefficients userAlkCurve;

extern SavedCarbonateConstants savedCarbonateConstants[SavedWater::kCount];

void ResetCarbonateRecords();
