// The ranges of the settings a user types into the settings dialogs and that
// the settings files and work files store, where the program itself sets them
// (the temperature and pressure spans of each unit are the what-if ones,
// whatif_fields.h): the well depth and the mixing percentages.
#pragma once

// The well depth of the well-log profile: the profile's stations need at
// least 100, and no well the program reckons with is deeper than 20,000.
inline constexpr double kWellDepthLow = 100.0;
inline constexpr double kWellDepthHigh = 20000.0;

// The well-log pressures (bottom hole, separator, after flashing): above 0 up
// to 20,000 in atm, bar or psia and, in kPa, the 20,000 psia of the deepest
// well. The well-log temperatures keep to the what-if span of their unit, the
// only one the dialog shows them in.
inline constexpr double kWellPressureHigh = 20000.0;
inline constexpr double kWellPressureHighKPa = 137896.0;

// A share of injection water in a mix, in percent.
inline constexpr double kMixPercentLow = 0.0;
inline constexpr double kMixPercentHigh = 100.0;
