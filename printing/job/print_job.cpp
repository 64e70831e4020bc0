// The beginning and end of a print job, the checked document calls and the
// end of a multi-report sequence.
#include "printing/job/print_job.h"

#include <algorithm>
#include <cmath>

#include "graphs/graph_output_records.h"
#include "platform/dialogs/common_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "platform/gdi/gdi.h"
#include "platform/print/print_setup.h"
#include "platform/window/window.h"
#include "printing/job/print_dialog_record.h"
#include "printing/job/print_job_windows.h"
#include "printing/job/printer_dc.h"
#include "printing/page/page_setup.h"
#include "printing/page/report_rules.h"
#include "printing/pictures/dib_routines.h"
#include "printing/print_job_records.h"
#include "shell/records.h"

namespace {

// The grid before any page set-up: 80 columns over the printable width, or
// more when the printable width is less than 90 % of the sheet; a column stays
// an eightieth of the measured width.
void SetFirstGrid(win::HDC dc) {
    const PrintPageMetrics& m = printJobState.pageMetrics;
    ReportPageGrid& g = reportPageGrid;
    g.textWidth = m.horzRes;
    g.columnsPerLine = 80;
    const int ninetyPercent = static_cast<int>(0.9 * m.physicalWidth);
    if (m.horzRes > 0 && m.horzRes < ninetyPercent) {
        g.columnsPerLine = static_cast<int>(0.9 * m.physicalWidth / m.horzRes * 80.0);
        g.textWidth = GetUnderscoresWidth(dc, g.columnsPerLine);
    }
    g.charWidth = g.textWidth / 80;
}

bool HasDevMode() {
    return printJobState.printDialog.devMode != nullptr;
}

// A failed document call: the job ends as aborted, with one message per job.
void ReportPrinterFailure(int dibErrorCode) {
    PrintJobState& job = printJobState;
    job.printAborted = 1;
    if (job.printerDC != nullptr) (void)win::AbortDoc(job.printerDC);
    if (job.failureShown != 0) return;
    job.failureShown = 1;
    // A document that could not be written as its file: which file, and why.
    const std::string failure =
        dibErrorCode == DibErrorCode::kEndDoc ? win::LastPrintFailure() : std::string();
    if (failure.empty()) {
        (void)DIBError(dibErrorCode);
        return;
    }
    const std::string text = std::string(DIBErrorText(dibErrorCode)) + "\n\n" + failure;
    (void)win::MessageBox(win::GetFocus(), text.c_str(), nullptr, win::MB_ICONHAND);
}

bool Checked(int result, int dibErrorCode) {
    if (printJobState.printAborted != 0) return false;  // the user's Cancel, or an earlier failure
    if (result > 0) return true;
    ReportPrinterFailure(dibErrorCode);
    return false;
}

}  // namespace

win::HDC BeginPrintJob() {
    PrintJobState& job = printJobState;
    job.printAborted = 0;
    job.failureShown = 0;
    reportPageGrid.lineY = 0;
    reportPageGrid.lineCount = 0;
    if (job.printDialogReady == 0) {
        ClearPrintDialogRecord();
        job.printDialogReady = 1;
    }
    const win::DWORD flags = win::PD_RETURNDC | win::PD_USEDEVMODECOPIESANDCOLLATE;
    win::BOOL ok = RunPrintDialog(flags);
    if (ok == 0 && win::CommDlgExtendedError() == 0) {
        job.printAborted = 1;  // the user cancelled
        return nullptr;
    }
    KeepDialogChoice();
    if (ok == 0 && !HasDevMode()) {
        // The dialog failed and left nothing to print with: once more on a
        // cleared record.
        ClearPrintDialogRecord();
        (void)RunPrintDialog(flags);
        KeepDialogChoice();
    }
    job.printDialog.flags = job.savedFlags;
    if (!HasDevMode()) {
        job.printAborted = 1;
        return nullptr;
    }
    job.printerDC = job.printDialog.printerDC;
    if (job.printerDC == nullptr) {
        job.printerDC = CreatePrinterDC();
        job.printDialog.printerDC = job.printerDC;
        if (job.printerDC == nullptr) {
            job.printAborted = 1;
            return nullptr;
        }
    }
    ReadPageMetrics(job.printerDC);
    SetFirstGrid(job.printerDC);
    return job.printerDC;
}

namespace {

// The end of a job once its document is ended or aborted; `cancelled` as the
// job stood before.
win::BOOL FinishJob(win::HWND owner, bool cancelled) {
    PrintJobState& job = printJobState;
    if (!cancelled) win::EnableWindow(owner, win::TRUE);
    // After a Cancel the dialog has done both already.
    EnableJobWindows();
    CloseCancelDialog();
    const win::BOOL deleted = win::DeleteDC(job.printerDC);
    if (job.printDialog.printerDC == job.printerDC) job.printDialog.printerDC = nullptr;
    job.printerDC = nullptr;
    job.documentOpen = 0;
    return deleted;
}

}  // namespace

win::BOOL EndPrintJob(win::HWND owner, win::HINSTANCE /*instance*/) {
    PrintJobState& job = printJobState;
    const bool cancelled = job.printAborted != 0;
    if (!cancelled) {
        (void)Checked(win::EndDoc(job.printerDC), DibErrorCode::kEndDoc);
    } else {
        (void)win::AbortDoc(job.printerDC);
    }
    return FinishJob(owner, cancelled);
}

win::BOOL EndPrintJobAfterItsDocument(win::HWND owner, win::HINSTANCE /*instance*/) {
    return FinishJob(owner, printJobState.printAborted != 0);
}

bool CheckedStartDoc() {
    return Checked(win::StartDocA(printJobState.printerDC, &printJobState.docInfo),
                   DibErrorCode::kStartDoc);
}

bool CheckedStartPage() {
    return Checked(win::StartPage(printJobState.printerDC), DibErrorCode::kStartPage);
}

bool CheckedEndPage() {
    return Checked(win::EndPage(printJobState.printerDC), DibErrorCode::kEndPage);
}

void ClosePrintSequenceDocument() {
    PrintJobState& job = printJobState;
    if (job.documentOpen != 0 && job.printerDC != nullptr) {
        ReleaseReportFont();
        (void)EndPrintJob(mainWindowState.mainWindow, mainWindowState.instance);
    }
    job.documentOpen = 0;
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
}

void EndPrintSequence(win::HWND owner) {
    ClosePrintSequenceDocument();
    win::EnableWindow(owner, win::TRUE);
    win::SetFocus(owner);
    win::InvalidateRect(owner, nullptr, win::TRUE);
    printJobState.printAborted = 0;
    printJobState.singlePageJob = 0;
}

void RefreshPrinterColourWords() {
    win::HDC ic = CreateDefaultPrinterIC();
    const uint16_t colour = ic != nullptr && PrinterHasColours(ic) ? 1 : 0;
    graphOutputFlags.printColor = colour;
    graphOutputFlags.printColorAvailable = colour;
    if (ic != nullptr) win::DeleteDC(ic);
}

int ShowPrinterSetup() {
    PrintJobState& job = printJobState;
    win::PrintDialogRecord& pd = job.printDialog;
    const bool firstUse = job.printDialogReady == 0;
    if (firstUse) {
        ClearPrintDialogRecord();
        job.printDialogReady = 1;
    } else {
        // After a DC was made from the record its blocks are gone: the dialog
        // opens on the last choice all the same.
        if (pd.devMode == nullptr && job.savedDevMode != nullptr)
            pd.devMode = CopyBlock(job.savedDevMode);
        if (pd.devNames == nullptr && job.savedDevNames != nullptr)
            pd.devNames = CopyBlock(job.savedDevNames);
    }
    const win::DWORD flags = win::PD_PRINTSETUP | win::PD_RETURNDC;
    (void)RunPrintDialog(flags);
    KeepDialogChoice();
    if (!firstUse && !HasDevMode()) {
        ClearPrintDialogRecord();
        (void)RunPrintDialog(flags);
        KeepDialogChoice();
    }
    pd.flags = job.savedFlags;
    // The set-up dialog's DC serves nothing: the next print dialog makes its own.
    if (pd.printerDC != nullptr && pd.printerDC != job.printerDC) win::DeleteDC(pd.printerDC);
    pd.printerDC = nullptr;
    if (!HasDevMode()) {
        job.printAborted = 1;
        return -1;
    }
    RefreshPrinterColourWords();
    return 0;
}
