// Three small shell routines that no command of the program calls yet: a
// coloured text writer for the character grid of report pages, a busy wait
// on the tick count, and the Yes/No toggle of the unit in which momentary
// excess values are shown.
#pragma once

#include <cstdint>

#include "platform/gdi/gdi.h"

// Writes `text` in `colour` at character cell (column, row) of a report page:
// x = column x the font's average character width, y = row x the page line
// pitch of ReportPageGrid. Returns 1.
int DrawColoredText(win::HDC dc, win::TEXTMETRICA metrics, const char* text, win::COLORREF colour,
                    int16_t row, int16_t column);

// Spins on the tick count for the given time, at most 10 seconds; returns at
// once for a negative time (or one that is not a number). The wait counts
// elapsed ticks, so the tick counter's wrap neither shortens nor stretches it.
void DelaySeconds(double seconds);
inline constexpr double kMaxDelaySeconds = 10.0;

// Asks whether momentary excess values should switch between mg/L and
// lbs/1000 barrels, confirms the answer, and rewrites the units file when the
// unit word changed. A unit word outside 0..1 (kg, or a damaged file) first
// becomes mg/L.
void ToggleExcessUnits();
