// The order every printed report follows: the job (or, inside an open
// multi-report document, only the page set-up), each page's head with its
// rule, logo band, user heading and centred title, the body lines, each
// page's foot with its rule and user subtitles, and the end of the job.
//
//   if (!StartReportJob()) return;          // cancelled: nothing to end
//   PrintPageHead(dc, "WATER CHEMISTRY");   // then the identification block
//   ... body lines ...
//   PrintPageFoot(dc);
//   EndReportJob();
#pragma once

#include "platform/window/win_types.h"

// The document name of the printed reports: one blank.
inline constexpr const char* kReportDocumentName = " ";

// Step 1. For a job of its own, or the first report of a multi-report job:
// BeginPrintJob, the document name, documentOpen, SetupReportPage, the cancel
// dialog and StartDocA. Inside an open multi-report document: the page set-up
// only. False when no job started (the print dialog was cancelled or no
// printer DC resulted): the report stops and ends nothing. Otherwise the
// report goes on and ends with EndReportJob, even when a printer call failed.
bool StartReportJob(const char* documentName = kReportDocumentName);

// Steps 2 and 3: the page head and the title in boldFont, centred right of
// the logo; leaves bodyFont selected and the line under the title current.
void PrintPageHead(win::HDC dc, const char* title);

// The document's PDF takes its name from the titles of its first page (its
// document name is blank): the title without its sub- and superscript marks.
void NameReportFile(win::HDC dc, const char* title);

// Step 6: the closing rule, the user subtitles when printSubheadings is set,
// and the end of the page.
void PrintPageFoot(win::HDC dc);

// Step 7, when singlePageJob is not 0: the page font released, the document
// ended (or aborted), the render target back on the screen, documentOpen 0.
void EndReportJob();
