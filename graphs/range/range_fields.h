// The fields of the Change Range dialogs: the limits and refusal message of
// each quantity in the current units, the text a field opens with, reading a
// field's text, the records a field writes, the degenerate-range warnings and
// the done flags an OK clears.
#pragma once

#include <string>

#include "common/result_status.h"
#include "graphs/range/range_members.h"
#include "graphs/range/range_records.h"

// The inclusive bounds of a quantity in the units of UnitCodes (temperature
// item 18, pressure item 22); percents 0 to 100.
struct RangeLimits {
    float low;
    float high;
};
[[nodiscard]] RangeLimits LimitsOf(RangeQuantity quantity);
[[nodiscard]] RangeQuantity QuantityOf(RangeSlot slot);
// The "... Did you wish to re-enter (Y/N)?" refusal of a quantity's field
// named `field`, with the range of the current units.
[[nodiscard]] std::string RefusalText(RangeQuantity quantity, const std::string& field);
// A field's name in the refusals: "Low Temperature", "Evaluation pH".
[[nodiscard]] std::string SlotName(RangeSlot slot);
// Whether a field may hold `value`: its quantity's limits, and for the what-if
// pH a point is calculated at those of the what-if dialog (above 0); and the
// refusal of a field that may not.
[[nodiscard]] bool SlotHolds(RangeSlot slot, float value);
[[nodiscard]] std::string SlotRefusalText(RangeSlot slot);
// The low end that a high field must not lie below (false for a field that is
// no high end of a range), and the question of a high end below its low one.
[[nodiscard]] bool LowEndOf(RangeSlot high, RangeSlot& low);
[[nodiscard]] std::string OrderRefusalText(RangeSlot high);

// The value of a field, read by the dialogs' decimal reader and narrowed to
// f32. False for an empty text and for a text that is not wholly a number.
[[nodiscard]] bool ParseRangeValue(const char* text, float& value);

// The field's setting; the grid mixing fields read the copy the drivers read
// (MixingZoneSettings).
[[nodiscard]] float SlotValue(const RangeSettings& s, RangeSlot slot);
// Stores a value; the grid mixing fields go into both copies.
void StoreSlot(RangeSettings& s, RangeSlot slot, float value);

// The live range records as one copy, and back.
[[nodiscard]] RangeSettings GatherRangeSettings();
void ScatterRangeSettings(const RangeSettings& s);

// The text a field opens with: the stored value with six significant digits
// when it lies within the field's display bounds, else the field's default.
[[nodiscard]] std::string OpeningText(RangeSlot slot, float stored);
// Whether OpeningText shows the value stored itself, not a default.
[[nodiscard]] bool OpeningShowsValue(RangeSlot slot, float stored);

// True when the pair's ends are equal and the low end is not 0 (the mixing
// percents: the grid pair, else the profile pair).
[[nodiscard]] bool PairWarns(RangePair pair, const RangeSettings& s);

// Clears the done flags of `status` that `rule` ties to the values that
// differ between `before` (the opening) and `after`.
void MarkRangeStale(RangeStale rule, const RangeSettings& before, const RangeSettings& after,
                    bool varyPco2, ResultStatus& status);
