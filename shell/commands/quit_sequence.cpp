// The exit path. QUIT and the close box run the same steps, the save question
// included: leaving by the close box must not lose changes without asking, and
// a save the user asked for that did not happen keeps the program running.
// Nothing is written at exit but the work file the user agrees to save.
#include "shell/commands/quit_sequence.h"

#include "input/clipboard_records.h"
#include "platform/dialogs/message_box.h"
#include "platform/gdi/gdi.h"
#include "platform/system/clipboard.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "printing/print_job_records.h"
#include "shell/commands/save_offer.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"

namespace {

void DeleteFonts(win::HWND mainWindow) {
    ScreenFonts& f = screenFonts;
    win::HDC dc = win::GetDC(mainWindow);
    if (f.savedDcFont != nullptr) win::SelectObject(dc, f.savedDcFont);
    win::ReleaseDC(mainWindow, dc);
    if (f.oemFontOwned != 0 && f.oemFont != nullptr) win::DeleteObject(f.oemFont);
    if (f.pageFontOwned != 0 && f.pageFont != nullptr) win::DeleteObject(f.pageFont);
    f.oemFont = f.pageFont = nullptr;
    f.oemFontOwned = f.pageFontOwned = f.fontsMade = 0;
}

void FreePrinterBlocks() {
    win::PrintDialogRecord& pd = printJobState.printDialog;
    if (pd.devMode != nullptr) win::GlobalFree(pd.devMode);
    if (pd.devNames != nullptr) win::GlobalFree(pd.devNames);
    pd.devMode = pd.devNames = nullptr;
}

// Whether the clipboard still holds the analysis this program put there: what
// another program copied since is not ours to wipe.
bool HoldsOurAnalysis(win::HWND owner) {
    return win::GetClipboardOwner() == owner &&
           win::IsClipboardFormatAvailable(clipboardFormats.cfIntermediate);
}

// The analysis block belongs to the clipboard once handed over; emptying the
// clipboard is what releases it.
void OfferToLeaveClipboard(win::HWND owner) {
    if (analysisOnClipboard == 0) return;
    const int answer = win::MessageBox(owner, kClipboardQuestion, kClipboardCaption,
                                       win::MB_YESNO | win::MB_ICONQUESTION);
    if (answer == win::IDNO && HoldsOurAnalysis(owner) && win::OpenClipboard(owner)) {
        win::EmptyClipboard();
        win::CloseClipboard();
    }
}

}  // namespace

void QuitProgram(win::HWND mainWindow) {
    if (!OfferToSaveWork(mainWindow)) return;  // the work was not saved: the program stays
    DeleteFonts(mainWindow);
    FreePrinterBlocks();
    OfferToLeaveClipboard(mainWindow);
    win::SetMenu(mainWindow, nullptr);
    if (mainWindowState.mainMenu != nullptr) win::DestroyMenu(mainWindowState.mainMenu);
    mainWindowState.mainMenu = nullptr;
    win::DestroyWindow(mainWindow);
    win::PostQuitMessage(0);
}
