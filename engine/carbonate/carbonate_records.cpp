// Definitions of the carbonate and pH-control records.
#include "engine/carbonate/carbonate_records.h"

float acidDemand;
float alkaliDemand;
float dissolvedCO2Copy;
AlkCurveCoefficients userAlkCurve;
SavedCarbonateConstants savedCarbonateConstants[SavedWater::kCount];

void ResetCarbonateRecords() {
    acidDemand = 0.0f;
    alkaliDemand = 0.0f;
    dissolvedCO2Copy = 0.0f;
    userAlkCurve = AlkCurveCoefficients{};
    for (SavedCarbonateConstants& c : savedCarbonateConstants) c = SavedCarbonateConstants{};
}
