// Definitions of the input subsystem's records that the engines read.
#include "input/records.h"

float entryTemperature;
float organicAcids[kOrganicAcidCount];
float corrosionTarget;
BalancingSettings balancingSettings;
uint32_t phPredictionRequest;
AlkCurvePoints alkCurvePoints;
ConstantConcentrations constantConcentrations;
WhatIfSettings whatIfSettings;
WhatIfOptions whatIfOptions;
WellLogSpecs wellLogSpecs;
MixingZoneSettings mixingZoneSettings;
PhControlSettings phControlSettings;
GraphRangeSettings graphRangeSettings;

void ResetInputRecords() {
    entryTemperature = 0.0f;
    for (float& a : organicAcids) a = 0.0f;
    corrosionTarget = 0.0f;
    balancingSettings = BalancingSettings{};
    phPredictionRequest = 0;
    alkCurvePoints = AlkCurvePoints{};
    constantConcentrations = ConstantConcentrations{};
    whatIfSettings = WhatIfSettings{};
    whatIfOptions = WhatIfOptions{};
    wellLogSpecs = WellLogSpecs{};
    mixingZoneSettings = MixingZoneSettings{};
    phControlSettings = PhControlSettings{};
    graphRangeSettings = GraphRangeSettings{};
}
