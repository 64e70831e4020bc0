// The checks of what a work file holds as the user typed it: the rows of
// values as entered, the multi-mix waters' dates, time, weights, residence
// times and acids, each stored water's acids, and the values stored twice.
// They run on an image whose every value is already known to be finite.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace workfile {

// An empty text when the values the user typed into the forms, as records 1 ..
// recordCount - 1 of `image` (the current layout) hold them, lie within the
// ranges the forms type them with; otherwise the reason, naming the record,
// the field and the value, for example "record 405 (multi-mix source waters
// as entered): water 2, "99" is outside the range of pH (up to 14; ...)". A
// value stored twice whose copies disagree is refused too, naming both (the
// writer always writes one value into both). A file of the newest layout
// holds one value of everything no calculation changes in a row as entered
// and its stored water (calcium 9999 beside 412 is refused, naming both), and
// its stored waters' pCO2, pH2S and density keep to the forms' ranges but
// where the calculation found them (a partial pressure the row leaves
// blank); every value of a row keeps to them, agree as it may with the
// stored water's. Files of
// versions 556 and 557 keep the leniency they were written under for their
// partial pressures, any amount 0 or more; their densities keep to the form's
// range, as the rows a load makes for them carry them into the next save.
[[nodiscard]] std::string TypedValuesFault(const uint8_t* image, size_t size, int recordCount);

}  // namespace workfile
