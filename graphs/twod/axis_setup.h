// The x axis of the 2D graph window: points, step, title and condition line
// of the profile on show, laid when the window is made and after a change of
// range.
#pragma once

// Lays the axis of `kind` (graphProfileKind) into GraphAxisData and the
// point flags. `rangeChange` lays it as after Change Range: a mixing axis
// without looking at mixProfileDone, and the pH axis's condition line always
// at the evaluation temperature. Kinds without an axis lay nothing.
void LayTwoDGraphAxis(int kind, bool rangeChange);

// The mixing-ratio axis of the graph from the mixing zone settings: seven
// points from the low percent by the step ((high - low) / 6 when the step is 0,
// stored back); a point above the high percent, above 100 or below 0 is written
// as 0 and ends the axis.
void RebuildMixingAxis();
