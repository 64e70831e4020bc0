// The one-page summary of the surface water over its 12-station well profile:
// identification, water chemistry, the scale and corrosion table, footnotes
// and the page graph, drawn into a window or metafile or onto a printer page.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

namespace OnePageMode {
enum : int32_t {
    kWindow = 0,       // `dc`, sized by summaryPageState.onePageWindow
    kPrinter = 1,      // the job's printer DC; begins the job when none is open
    kPrinterPage = 2,  // as kPrinter, but returns after the page
};
}

// Draws the page. The surface water's own values, results, header and
// descriptions are shown; the working analysis is not written. On the printer
// it begins a job when singlePageJob is 1 or no document is open (stopping at
// once when the print dialog is cancelled), starts and ends the page, and
// ends the job when singlePageJob is not 0.
void DrawOnePageReport(win::HDC dc, int32_t mode);

// Print One Page Summary: the page as one page of the running job or of a new
// one.
void PrintOnePage();

// The summary page's hooks: PrintOnePage for the print commands and the
// window renderer for the metafile copy.
void InstallOnePageSummary();
