// What a pasted analysis must hold to be taken: every value it carries is a
// number, and every value the forms show lies within the range the forms
// type with (input/waterform/form_checks.h), in the receiver's units.
#pragma once

#include <cstdint>
#include <string>

#include "input/clipboard/analysis_travel.h"
#include "input/waterform/form_checks.h"

// The message that refuses a record whose slots `notFinite` (bit 1 << slot)
// held no number, naming the first slot the receiver reads; empty when the
// receiver reads none of them.
[[nodiscard]] std::string NotFiniteSlotRefusal(uint64_t notFinite, const FieldUnits& units);

// The same for the sender's values beside the record (bit 1 << element).
[[nodiscard]] std::string NotFiniteSentRefusal(uint64_t notFinite, const FieldUnits& units);

// The message that refuses `pasted` (converted into the receiver's units),
// naming its first value outside its range; empty when every value fits. The
// conditions come first (pH, temperature, pressure, the partial pressures,
// the density, the residence time, the corrosion target), as the values a
// sender's calculation derives (sodium, dissolved CO2) follow from them; the
// sample and report dates and the time come last.
[[nodiscard]] std::string PastedAnalysisRefusal(const TravelAnalysis& pasted,
                                                const FieldUnits& units);
