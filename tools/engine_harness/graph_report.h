// What a bar-graph painter drew, printed per chart: title, caption, x and y
// labels, values, colours and the undefined-log-index message.
#pragma once

#include <cstdio>

#include "graphs/twod/bar_graph.h"

void PrintBarGraphReport(std::FILE* out, const BarGraphReport& r);
