// The report buffer's writers: BuildReport lays out the pages of a report
// kind and writes them into a new block of movable memory as plain text or
// rich text, as rtfMode of the report buffer says.
//
// Kinds: 1, 2 the surface water's chemistry and indicators; 3, 4 versus pH;
// 5, 6 versus temperature; 7, 8 at the mixing ratios; 11, 12 the injection
// water; 21, 22 the formation water; 31, 32 the multi-mix source waters; 33, 34
// the multi-mix blend when currentWater is the blend, else the source water
// being edited; 35, 36 versus pressure. 10 is every surface-water report (the
// water's pair when it is entered, then the pH, temperature and pressure pairs
// of each computed profile), 20 every waterflood report (the injection and
// formation pairs when entered, then the mixing-ratio pair when computed), 30
// every multi-mix report (the source-water tables when a source water is
// entered, then the blend's pair when the blend is computed).
#pragma once

#include <cstdint>

#include "reporttext/layout/report_layout.h"

// 0 with the block's handle in reportBuffer (unlocked; the caller hands it to
// the clipboard or frees it); -1, with no block made, for a kind it does not
// know, a kind with a part to write whose page is not built yet, or no memory.
[[nodiscard]] int BuildReport(int32_t kind);

// Appends the closing of the rich text to the report buffer; 0, or -1 when
// there is no buffer or it cannot grow (the buffer is then left as it was).
int WriteRtfEnd();

// The parts of a kind as BuildReport writes them; false as BuildReport fails.
[[nodiscard]] bool BuildReportDocument(int32_t kind, ReportDocument& document);

// The layouts of one water's chemistry and indicators (the engine's water
// selectors); false while either page is not built.
[[nodiscard]] bool BuildWaterDocument(int water, ReportDocument& document);
