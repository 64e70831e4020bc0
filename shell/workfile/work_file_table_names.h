// The names a refused work file's message gives the values of its result
// tables (the profiles, the grid, the well profiles, the multi-mix waters):
// a mineral, ion, index or analysis field as the pages name it, and the point,
// cell, station or water of its row.
#pragma once

#include <string>

namespace workfile {

// The name of value `field` (in file order) of table record `record`, e.g.
// "Barite (BaSO4) excess at point 3" or "Dissolved CO2 at station 12".
[[nodiscard]] std::string TableValueName(int record, int field);

}  // namespace workfile
