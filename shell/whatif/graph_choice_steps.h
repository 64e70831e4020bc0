// The graph choice the graph commands need: asking for a parameter when none is
// chosen, the choice before a 2D graph, and the 3D loop over the chosen codes.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

inline constexpr const char* kNoParameterText =
    "I'm sorry, No parameter has been selected for graphing. Please select a parameter!";

// True while the graphs' own code list is empty (its first code negative).
[[nodiscard]] bool NoGraphChosen();
// Without a chosen code: the "No parameter" message and Choose Graphs.
void AskForGraphIfNone(win::HWND mainWindow);
// Before a 2D graph: Choose Graphs when nothing is chosen, once more when still
// nothing is.
void ChooseGraphBeforeTwoD(win::HWND mainWindow);

// Whether the single-water grid runs for code `c`: above 49, 40 or 41, or one of
// the index codes of the start-up configuration's graph list (those below 50).
[[nodiscard]] bool GridRunsFor(int c);
// Runs `grid` for each chosen code that qualifies, publishing its position.
void RunGridForChosenCodes(void (*grid)(uint16_t graphCode));
