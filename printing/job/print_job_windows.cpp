// The cancel dialog of a print job and its abort procedure. While the job
// runs, the abort procedure pumps messages so the dialog's Cancel button
// works; every other top-level window is disabled meanwhile, so nothing the
// pump delivers can start a second job on the same printer DC.
#include "printing/job/print_job_windows.h"

#include "platform/dialogs/dialog.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/job/print_job.h"
#include "printing/print_dialog_ids.h"
#include "printing/print_job_records.h"

namespace {

// Disables every enabled top-level window, keeping the list to enable later.
void DisableTopLevelWindows(win::HWND anyTopLevel) {
    PrintJobState& job = printJobState;
    job.disabledCount = 0;
    if (anyTopLevel == nullptr) return;
    for (win::HWND w = win::GetWindow(anyTopLevel, win::GW_HWNDFIRST); w != nullptr;
         w = win::GetWindow(w, win::GW_HWNDNEXT)) {
        if (!win::IsWindowEnabled(w) || job.disabledCount == kJobWindowSlots) continue;
        job.disabledWindows[job.disabledCount++] = w;
    }
    // Disabled only once the list is complete: disabling may change the order.
    for (int i = 0; i < job.disabledCount; ++i)
        win::EnableWindow(job.disabledWindows[i], win::FALSE);
}

}  // namespace

void EnableJobWindows() {
    PrintJobState& job = printJobState;
    const int count = job.disabledCount;
    job.disabledCount = 0;
    for (int i = 0; i < count; ++i) {
        if (win::IsWindow(job.disabledWindows[i]))
            win::EnableWindow(job.disabledWindows[i], win::TRUE);
        job.disabledWindows[i] = nullptr;
    }
}

void CloseCancelDialog() {
    win::HWND dialog = printJobState.cancelDialog;
    printJobState.cancelDialog = nullptr;
    if (dialog != nullptr && win::IsWindow(dialog)) win::DestroyWindow(dialog);
}

void StartPrintAbort(win::HWND owner, win::HINSTANCE instance) {
    PrintJobState& job = printJobState;
    job.printAborted = 0;
    DisableTopLevelWindows(owner);
    job.cancelDialog = win::CreateDialogParamA(instance, PrintDialogId::kCancelPrinting, owner,
                                               PrintCancelDlgProc, 0);
    (void)win::Escape(job.printerDC, win::SETABORTPROC, 0,
                      reinterpret_cast<const void*>(&PrintAbortProc), nullptr);
}

win::BOOL PrintAbortProc(win::HDC /*printer*/, int /*error*/) {
    PrintJobState& job = printJobState;
    if (job.cancelDialog == nullptr) return win::TRUE;
    win::MSG msg;
    while (job.printAborted == 0 && win::PeekMessageA(&msg, nullptr, 0, 0, win::PM_REMOVE)) {
        if (job.cancelDialog != nullptr && win::IsDialogMessageA(job.cancelDialog, &msg)) continue;
        win::TranslateMessage(&msg);
        win::DispatchMessageA(&msg);
    }
    return job.printAborted == 0 ? win::TRUE : win::FALSE;
}

win::INT_PTR PrintCancelDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM, win::LPARAM) {
    switch (msg) {
        case win::WM_INITDIALOG:
            return win::TRUE;
        case win::WM_COMMAND:
            printJobState.printAborted = 1;
            EnableJobWindows();
            win::EnableWindow(win::GetParent(dialog), win::TRUE);
            printJobState.cancelDialog = nullptr;
            win::DestroyWindow(dialog);
            return win::TRUE;
        default:
            return win::FALSE;
    }
}
