// Printer device contexts: for the printer the print dialog record holds, and
// for the default printer of the profile entry "windows", "device".
#pragma once

#include "platform/window/win_types.h"

// A DC for the printer of the print dialog record (its device names and
// device mode), else for the default printer. The record's two blocks are
// freed and cleared: the next print dialog starts from the default printer.
[[nodiscard]] win::HDC CreatePrinterDC();

// The default printer as a DC or as an information context: the profile
// entry "device,driver,port"; nullptr when a part is missing or the printer
// cannot be reached. The caller deletes the context.
[[nodiscard]] win::HDC CreateDefaultPrinterDC();
[[nodiscard]] win::HDC CreateDefaultPrinterIC();

// The printer's page metrics into printJobState.pageMetrics: the physical
// size and offsets and the resolution; the second form also the usable width
// and height (the resolution less the offsets on both sides).
void ReadPageMetrics(win::HDC printer);
void ReadAllPageMetrics(win::HDC printer);

// Whether a printer prints in colour: NUMCOLORS above 2 or -1.
[[nodiscard]] bool PrinterHasColours(win::HDC printer);
