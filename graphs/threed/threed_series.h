// What the 3D graph shows: the chosen code, the axis values of the grid, and
// the value and status of every cell in drawing order.
#pragma once

#include <cstdint>

// The IndexCode at the selected position of graphChoice (the position held to
// the chosen count; code 0 when nothing is chosen), also stored in `code`.
uint16_t GetSelectedGraphParam(uint16_t& code);

// The grid kind of the grid tables as a signed word (-1 the single-water pH
// grid, 0 to 2 the mixing grids, 3 the pressure grid).
[[nodiscard]] int16_t ThreeDGridKind();

// rowAxisValues, columnAxisValues and its copy from the ranges of the grid
// kind, built as the grid drivers build their axes.
void BuildThreeDAxisValues();

// gridValues and cellStatus for `code`, in the drawing order of
// rowOrderNatural and columnOrderNatural; the log form of the log minerals.
void BuildThreeDGridValues(uint16_t code);
