// Values the input dialogs write beside the analysis records and UnitCodes, and
// the settings records the engine and the scenario drivers read.
#pragma once

#include <cstdint>

#include "common/whatif_settings.h"

// The temperature, in the user's temperature unit, at which the working analysis
// was entered (relates hydrogen sulfide and pH2S in the reference pass).
extern float entryTemperature;

// Acetic, propionic, butyric and valeric acid (C2, C3, C4, C5), mg/L, of the working
// analysis.
constexpr int kOrganicAcidCount = 4;
extern float organicAcids[kOrganicAcidCount];

// The corrosion target of the analysis input form, in the corrosion-rate unit.
extern float corrosionTarget;

// The ions the units dialog chooses for balancing an analysis. In the units file
// these are the first two of five words; the other three are the engine's pass
// selector and its two "added" flags.
namespace BalanceCation {
enum : uint16_t { kSodium = 0, kPotassium = 1 };  // other values: none
}
namespace BalanceAnion {
enum : uint16_t { kSulfate = 0, kChloride = 1, kNitrate = 2 };  // other values: none
}
struct BalancingSettings {
    uint16_t cationBalanceIon;  // added when anions are in excess
    uint16_t anionBalanceIon;   // added when cations are in excess
};
extern BalancingSettings balancingSettings;

// Set by the analysis form's pH prediction; the single-water pipeline serves and
// clears it.
extern uint32_t phPredictionRequest;

// The measured pH-alkalinity pairs of the curve input: pH, M alkalinity and the
// predicted pH as typed, for up to ten pairs.
constexpr int kAlkCurvePairCount = 10;
struct AlkCurvePoints {
    float pair[kAlkCurvePairCount][3];
    int16_t count;     // valid pairs, 0..10, the first ones
    uint8_t singular;  // 1 when the last fit's system was singular
};
extern AlkCurvePoints alkCurvePoints;

// Constant recirculating water concentrations: entry 0 phosphate, entry 1 silica,
// 2..9 spare. The blend holds phosphate constant only when switch 0 and the master
// switch are both set. Not saved in the work file.
constexpr int kConstantConcentrationCount = 10;
struct ConstantConcentrations {
    float values[kConstantConcentrationCount];
    uint16_t switches[kConstantConcentrationCount];
    uint16_t constantValuesOn;
};
extern ConstantConcentrations constantConcentrations;

// The what-if, well, mixing-zone, pH-control and 3D graph range settings.
extern WhatIfSettings whatIfSettings;
extern WhatIfOptions whatIfOptions;
extern WellLogSpecs wellLogSpecs;
extern MixingZoneSettings mixingZoneSettings;
extern PhControlSettings phControlSettings;
extern GraphRangeSettings graphRangeSettings;

// Start-of-run state: every record zero.
void ResetInputRecords();
