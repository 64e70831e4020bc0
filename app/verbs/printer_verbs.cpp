// The printer verbs of scripts.
#include "app/verbs/printer_verbs.h"

#include "platform/print/print_setup.h"
#include "platform/window/window.h"
#include "printing/print_job_records.h"

namespace {

// Once the document holds `page` pages the cancel dialog gets its Cancel: the
// abort procedure, asked right after, finds the press among the messages it
// pumps, as it would find a user's click.
void StopAfterPage(int page) {
    win::OnPageEnded([page](win::HDC, int pagesSoFar) {
        if (pagesSoFar < page) return;
        const win::HWND dialog = printJobState.cancelDialog;
        if (dialog == nullptr) return;  // no job's cancel dialog to press yet
        win::PostMessage(dialog, win::WM_COMMAND, win::MAKEWPARAM(win::IDCANCEL, win::BN_CLICKED),
                         0);
        win::OnPageEnded(nullptr);
    });
}

}  // namespace

void QueuePrinterAnswer(const ScriptAction& a) {
    switch (a.printer) {
        case ScriptAction::PrinterStep::kChoose:
            if (a.orientation == 0)
                win::AnswerPrintDialog(a.text);
            else
                win::AnswerPrintDialog(a.text, a.orientation == 2);
            break;
        case ScriptAction::PrinterStep::kCancel:
            win::CancelPrintDialog();
            break;
        case ScriptAction::PrinterStep::kStop:
            StopAfterPage(a.number);
            break;
    }
}
