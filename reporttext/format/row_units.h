// The unit a row names where its figures are not in the reporting basis's own
// unit. In epm the ion rows are milliequivalents of their ions; hydrogen
// sulfide, a gas held in the water, is counted in milliequivalents of sulfide
// (two to the mole) and dissolved CO2 in millimoles (one equivalent to the
// mole, its acidity to the bicarbonate end point), which their usual "(as
// H_2S)" and "(as CO_2)" do not tell.
#pragma once

// The H2S row's suffix: "(meq)" in epm, else `suffix`.
[[nodiscard]] const char* H2sRowSuffix(const char* suffix);
// The dissolved CO2 row's suffix: "(mmol)" in epm, else `suffix`.
[[nodiscard]] const char* DissolvedCo2RowSuffix(const char* suffix);
