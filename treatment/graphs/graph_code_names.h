// Plain-text names of the codes a user chooses among: the graphs of the Choose
// Graphs dialog and the variables a product's limits watch. The mineral names
// are the graph titles' names; sub- and superscripts are written plainly
// ("CO2 - H2S Corrosion rate").
#pragma once

#include <cstdint>
#include <string>

// The mineral or index title of an IndexCode below 64 ("Calcite", "Langelier
// Saturation Index"); empty for a code without one.
[[nodiscard]] std::string IndexTitle(int code);

// The row of a graph code in the Choose Graphs dialog: minerals followed by
// " saturation", 51 to 61 by " precipitation potential", 100 to 121 by
// " momentary excess"; the indices, 40, 41 and 94 to 96 by their titles; 89 the
// current product's dose or corrosion profile, 90 and 91 the acid's and the
// alkali's dose profiles.
[[nodiscard]] std::string GraphCodeName(int code);

// What a limit code watches: a saturation result, an analysis value (100 +
// element), the residence time (200), a corrosion rate (301, 302) or a
// momentary excess (500 + entry).
[[nodiscard]] std::string LimitCodeName(int code);
