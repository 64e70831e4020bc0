// The value range of an index over the 7 x 7 what-if grid, and the drawing
// order of the grid's rows and columns chosen once per choice of graphs.
#pragma once

#include <cstdint>

// Whether `code` has cell values in the grid tables: 0 to 63, 89 to 91, 94
// to 96 and 100 to 137. Codes 64 to 88, 92, 93, 97 to 99 and above 137 name
// no table.
[[nodiscard]] bool GridCodeHasValues(uint16_t code);

// The value of cell `cell` (row x 7 + column) for `code`, as the tables hold
// it: precipitation amounts (100 and above) in the display unit, the dose of
// code 89 from the mixing grid's own table for the mixing kinds 0 to 2.
// 0 for a code without values; no number (NaN) for a cell not calculated.
// Cells that are no number take no part in the range.
[[nodiscard]] float GridCellValue(uint16_t code, int cell);

// range[0] and range[1] become the smallest and largest cell value of `code`
// (as base-10 logarithms for the log index of the mineral codes, -99 with
// logRangeUndefined set where no value is positive); a code without values
// leaves them as they are. logRangeUndefined is cleared first. While
// gridOrientationSet is 0 the two order words are chosen (1 when the far half
// of the rows, or columns, sums to no more than the near half) and
// gridOrientationSet is set; afterwards they are left alone.
void GetGraphGridRange(double (&range)[2], uint16_t code, uint16_t& rowOrderNatural,
                       uint16_t& columnOrderNatural);
