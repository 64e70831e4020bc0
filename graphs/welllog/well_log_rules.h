// Titles, value-axis captions and bar colours of the well-log graphs: the
// summary graph down the 49 stations of the after-flash profile, and the
// page graph of the well-log summary page (12 stations).
#pragma once

#include <cstdint>

#include "graphs/twod/chart_rules.h"

enum class WellLogGraph { kSummary, kPage };

// The codes shown as a base-10 logarithm under the log index format: the
// bar graphs' 18 and iron sulfide (44).
[[nodiscard]] bool IsWellLogLogCode(int code);

// The graph title and value-axis caption of a panel.
[[nodiscard]] ChartTexts WellLogTitles(int code, WellLogGraph graph);

// The page's caption of precipitation amounts, by the precipitation unit.
[[nodiscard]] const char* WellPagePrecipitationCaption();

// The colour index (1, 2, 14, 5 or 4) of each of `count` bars into
// `colours`, and 1 in `flags` (when given) for the bars whose colour was
// decided. `treated` is treatedIndex and treatedColorCoding both set;
// `status` the treated status of each station.
void WellLogColours(int code, const double* values, int count, bool logIndex, bool treated,
                    const int32_t* status, WellLogGraph graph, int* colours, int32_t* flags);
