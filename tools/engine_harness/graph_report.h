// What a bar-graph painter drew, printed per chart: title, caption, x and y
// labels, values, colours and the undefined-log-index message.
#pragma once

#include <cstdio>
#include <string>

#include "graphs/twod/bar_graph.h"
#include "platform/window/win_types.h"

void PrintBarGraphReport(std::FILE* out, const BarGraphReport& r);

// Shows a popup window of width x height on a desktop at least 1280 x 1024,
// its class `className` painting through `proc`; then prints the report the
// painter left in `report` and writes the window's picture to the PPM file
// `path`. kExitBadInput when the window cannot be made or the file written
// (then "NAME: cannot write PATH" goes to err).
int PaintWindowToPpm(const char* className, win::WNDPROC proc, int width, int height,
                     const BarGraphReport& report, const std::string& path, const char* name,
                     std::FILE* out, std::FILE* err);
