// The shared print job: the print dialog and the printer DC, the modeless
// cancel dialog with its abort procedure, the end or abort of the document,
// and the printer set-up command. One job at a time; every printing routine
// runs to its end inside the command that started it.
//
// A printing routine: BeginPrintJob; stop when printAborted is set. Otherwise
// fill docInfo, set documentOpen, SetupReportPage, StartPrintAbort,
// CheckedStartDoc, the pages (CheckedStartPage ... CheckedEndPage),
// ReleaseReportFont and EndPrintJob, then renderTarget 0 and documentOpen 0.
// The report page order (report_page_order.h) does this for the reports.
#pragma once

#include "platform/window/win_types.h"

// Runs the print dialog on the kept record (it opens on the last choice), gets
// the printer DC, reads the page metrics and sets a first page grid. nullptr
// with printAborted set when the user cancels or no DC results.
[[nodiscard]] win::HDC BeginPrintJob();

// Disables every enabled top-level window, creates the cancel dialog 38 owned
// by `owner` and installs PrintAbortProc on the printer DC.
void StartPrintAbort(win::HWND owner, win::HINSTANCE instance);

// The abort procedure: pumps the messages for the cancel dialog while pages
// go to the printer. 1 goes on printing, 0 stops.
win::BOOL PrintAbortProc(win::HDC printer, int error);

// Dialog 38: any command cancels the job, enables the windows the job
// disabled and the dialog's parent, and closes the dialog.
win::INT_PTR PrintCancelDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                win::LPARAM lParam);

// Ends the document (aborts it once printAborted is set), enables the owner
// and the windows the job disabled, closes the cancel dialog and deletes the
// printer DC. Returns the result of DeleteDC.
win::BOOL EndPrintJob(win::HWND owner, win::HINSTANCE instance);
// EndPrintJob for a job whose document its printing routine has ended (or
// aborted) itself: everything but the end of the document.
win::BOOL EndPrintJobAfterItsDocument(win::HWND owner, win::HINSTANCE instance);

// The document calls with their results checked: a failure (not a user's
// Cancel) sets printAborted, aborts the document and shows its message once
// per job ("Printer: StartPage failed!" ...). True while the job goes on.
bool CheckedStartDoc();
bool CheckedStartPage();
bool CheckedEndPage();

// The end of a multi-report sequence (PRINT ALL WINDOWS, the main window's
// print commands). ClosePrintSequenceDocument ends a document that is still
// open because the report that would have ended it never ran (aborting it
// after a Cancel) and deletes the DC; EndPrintSequence does that, then
// enables, focuses and invalidates the owner and clears printAborted,
// singlePageJob and renderTarget.
void ClosePrintSequenceDocument();
void EndPrintSequence(win::HWND owner);

// "&Printer Setup": the set-up dialog on the kept record (or the saved copies
// of the last choice); 0, or -1 with printAborted set when no device mode
// results. Refreshes the two printer colour words from the default printer.
[[nodiscard]] int ShowPrinterSetup();

// Sets printColor and printColorAvailable of GraphOutputFlags to 1 when the
// default printer prints in colour, else 0 (0 also without a default printer).
void RefreshPrinterColourWords();
