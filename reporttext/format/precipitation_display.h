// Precipitation amounts (momentary excess, precipitation potential) in the
// unit the user chose for showing them.
#pragma once

// mg/L into the precipitation unit of the display settings: mg/L itself (0),
// pounds per 1000 barrels (1: times precipitationFactor), or kilograms per
// 1000 barrels (any other unit: times the single-precision product of that
// factor and 0.454). The product is taken in single precision, as the stored
// figures are.
[[nodiscard]] float PrecipitationInDisplayUnit(float mgPerLitre);
