// Reading the water form back into the working analysis.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// Reads every field of the form into currentAnalysis and its companions, sets
// dialogResult to 1 when the water is new or anything changed against the form
// snapshot, and then derives the total alkalinity, the density in g/mL and the
// pH to use or predict, and draws the pH-alkalinity line. A water without
// alkalinity is warned of only with `warn` (a change of units on a form whose
// water was never entered reads the form without it).
void PredictPh(win::HWND form, bool warn = true);

// Total alkalinity as CaCO3 from the entered M and P values (or bicarbonate and
// carbonate) by the alkalinity mode; any other mode keeps `current`.
[[nodiscard]] double TotalAlkalinity(uint16_t mode, double m, double p, double current);

// The density in g/mL (element 44, by which mg/L are read per kilogram) from
// the entered density in its unit; none entered is 1 g/mL.
void DeriveDensity(float* v);

// Whether a value counts as changed against the snapshot: any difference at
// all. A field the user left alone reads back the very number it was given
// (ReadFieldNumberAsShown), so only an edit differs, and an edit of the last
// digit shown (1.0500 to 1.0501) is an edit.
[[nodiscard]] bool ValueChanged(float now, float before);
