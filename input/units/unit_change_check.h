// The check a change of units passes before it converts anything: every
// water the forms show must stay within the ranges the forms type with.
#pragma once

#include <string>

#include "input/units/unit_change.h"

// Why the water a form holds as typed (`formWater`, the working record's
// values, or nullptr when the units are chosen from the main window) and the
// waters entered (the surface, injection and formation waters and the
// multi-mix waters, by their values as entered) cannot be written in `after`:
// the first value the form takes in `before` and would refuse once converted,
// in a sentence naming the water and the field, such as: In the units chosen,
// a value of the surface water leaves the form's range: "580.712" is outside
// the range of Temperature (30 to 572 °F). The units were not changed. Empty
// when the change can be made.
[[nodiscard]] std::string UnitChangeRefusal(const UnitBasis& before, const UnitBasis& after,
                                            const float* formWater);
