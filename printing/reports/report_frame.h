// Pieces of the page frame that every printed report of this room shares
// around the report page order's head and foot.
#pragma once

#include "platform/window/win_types.h"
#include "reporttext/layout/report_layout.h"

// A further title line in boldFont centred right of the logo, then one line
// down in bodyFont.
void PrintCentredTitle(win::HDC dc, const char* title);

// The end of a report: the job's end when the report is the last of its job
// (EndReportJob), and, after a Cancel in the cancel dialog during a report of
// a multi-report job, the document aborted at once: the report that would
// have ended it never runs.
void FinishReport();

// The body under an identification block: the body line pitch (a twelfth of
// the font height more), two blank lines, the layout, then the plain pitch
// again for the closing rule.
void PrintReportBody(win::HDC dc, const ReportLayout& body);
