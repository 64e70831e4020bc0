// The three Yes/No option toggles of the PREFERENCES menu: the 3D plot style,
// the carbonate model (what the calculations conserve) and the plot variable.
// Each asks a question titled "WARNING" and confirms the outcome in an
// information box; the units file is written only when the value changed.
#pragma once

#include <cstdint>

// 0 bar graphs, 2 contour plots; any other style asks nothing.
void ToggleThreeDPlotStyle();
// carbonateModel 0 or 2 (total carbon) becomes 3 (alkalinity), 1 or 3 becomes 2;
// a model outside 0 to 3 is taken as 0. Returns the last box's result.
int ToggleCarbonConservation();
// varyPco2 0 (pH) becomes 1 (pCO2) and back; outside 0 to 1 it is taken as 0.
// Returns the last box's result.
int TogglePlotVariable();

// The results a change of the carbonate model or the plot variable makes
// stale: the profiles, the grids and the 3D graphs' drawing order.
void ClearResultsOfAnOptionChange();
// Then the open pages, summaries and graph show the results computed again.
void ShowResultsOfAnOptionChange();

inline constexpr const char* kToggleCaption = "WARNING";
