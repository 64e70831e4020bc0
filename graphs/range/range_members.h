// The twelve Change Range dialogs as descriptors of one dialog body: each
// member's template, its graph, its fields in reading order, the degenerate
// ranges it warns about when it opens and the results its OK makes stale.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// The quantity a field holds, which gives its limits and refusal message.
enum class RangeQuantity : uint8_t { kPercent, kPh, kPco2, kTemperature, kPressure };

// The record field a box fills. The grid mixing fields live in both
// GraphRangeSettings and MixingZoneSettings and are written into both.
enum class RangeSlot : uint8_t {
    kPhLow,
    kPhHigh,
    kPhEval,
    kPco2Low,
    kPco2High,
    kPressureLow,
    kPressureHigh,
    kTemperatureLow,
    kTemperatureHigh,
    kTemperatureEval,
    kGridPhLow,
    kGridPhHigh,
    kGridPco2Low,
    kGridPco2High,
    kGridTemperatureLow,
    kGridTemperatureHigh,
    kGridMixLow,
    kGridMixHigh,
    kMixTypicalPercent,
    kMixLowPercent,
    kMixHighPercent,
};

struct RangeField {
    int control;
    RangeSlot slot;
};

// A pair of settings that warns at opening when its ends are equal and not 0.
enum class RangePair : uint8_t {
    kTemperature,
    kGridTemperature,
    kPh,
    kGridPh,
    kPco2,
    kPressure,
    kMixPercents,      // the grid percents, else the profile percents: one warning at most
    kProfilePercents,  // the profile percents alone
};
// The warning reads "Minimum and Maximum" + quantity + " cannot be the same!
// Please change to a valid range!".
struct RangeWarning {
    RangePair pair;
    const char* quantity;  // " Temperature", ".press" and the like
};

// Which done flags of ResultStatus an OK clears for the values that changed.
enum class RangeStale : uint8_t {
    kNone,             // the graph window recomputes what it shows
    kTemperatureGrid,  // the temperature and the varied (pH or pCO2) ranges
    kPressureGrid,     // the temperature and pressure ranges
    kProfile,          // any pH or temperature range or fixed value
    kPressureProfile,  // the pressure range and the fixed temperature
};

constexpr int kRangeMaxFields = 5;
constexpr int kRangeMaxWarnings = 3;

struct RangeMember {
    int templateId;
    win::DLGPROC procedure;
    bool threeD;  // the snapshot and the preview's divisor
    int fieldCount;
    RangeField fields[kRangeMaxFields];  // in reading order
    int warningCount;
    RangeWarning warnings[kRangeMaxWarnings];  // in showing order
    RangeStale stale;
    bool unitLabel;       // the temperature unit label 371 is set at opening
    bool profilePercent;  // the mixing profile: its step is set after reading
};

// The member of a template; null for a template that is not a range dialog.
[[nodiscard]] const RangeMember* FindRangeMember(int templateId);
