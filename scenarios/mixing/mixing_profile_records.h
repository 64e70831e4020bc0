// The injection-water percent axis of the waterflood mixing-ratio profile and the
// values the mixing drivers share with the multi-mix blend: how many points (or
// source waters) the last mix had, and which alkalinity labels the mix pages show.
#pragma once

#include <cstdint>

// Slots kept per mixing-profile table; the profile uses the first seven.
constexpr int kMixProfileSlots = 10;
constexpr int kMixProfilePoints = 7;
constexpr int kMixPointTableRows = 5;

// Injection-water percent of each point.
extern float mixPercent[kMixProfileSlots];
// Row 0 the same percents; row 1 the blend's result scale factor (element 44);
// row 2 the blended pressure before the engine runs; row 3 the pCO2 after the
// point's last engine run; row 4 unused.
extern float mixPointTable[kMixPointTableRows][kMixProfileSlots];
// Points of the last mix: 7 for the mixing-ratio profile, the water count for the
// multi-mix blend.
extern uint16_t mixPointCount;
// 1 after every completed mix; the mix pages read it to choose their alkalinity labels.
extern uint16_t mixAlkalinityLabels;
// The alkalinity labels of each single water's profile chemistry page, by the
// pages' profile kind (temperature, pH or pCO2, -, pressure; the mixing-ratio
// page's are mixAlkalinityLabels): each page's own alkalinity commands set it,
// and no mix changes it.
constexpr int kAlkalinityFormSlots = 4;
extern uint16_t profileAlkalinityLabels[kAlkalinityFormSlots];

// Start-of-run state: every value zero.
void ResetMixingProfileRecords();
