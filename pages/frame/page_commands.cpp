// The menu commands of the result pages: CLOSE is the frame's own, the others
// go to the command table's handlers; ids a page does not act on do nothing.
#include "pages/commands/page_command_handlers.h"
#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_frame.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"

namespace {

// The pages after whose CLOSE the main window is made active before it is
// shown maximised: all but the mixing-ratio and source-water pages.
bool ActivatesMainWindow(PageClass page) {
    switch (page) {
        case PageClass::kCycledWater:
        case PageClass::kCycledValues:
        case PageClass::kMixedWater:
        case PageClass::kMixedValues:
            return false;
        default:
            return true;
    }
}

}  // namespace

void ClosePage(PageClass page, win::HWND hwnd) {
    // Always destroyed, whatever the open flag says: a page whose flag was
    // cleared without its window being destroyed would otherwise stay on the
    // screen with a CLOSE that does nothing.
    SetPageOpen(page, false);
    if (PageWindowSlot(page) == hwnd) PageWindowSlot(page) = nullptr;
    win::DestroyWindow(hwnd);
    BringMainWindowBack(page);
}

void BringMainWindowBack(PageClass page) {
    const win::HWND main = mainWindowState.mainWindow;
    if (ActivatesMainWindow(page)) win::SetActiveWindow(main);
    win::ShowWindow(main, win::SW_SHOWMAXIMIZED);
    win::UpdateWindow(main);
    // A page still open stands in front of the main window and keeps the keys.
    win::ActivateFrontWindow(main);
}

void OnPageCommand(PageClass page, win::HWND hwnd, unsigned command) {
    switch (command) {
        case PageCommand::kClose:
            ClosePage(page, hwnd);
            break;
        default:
            (void)RunPageCommand(page, hwnd, command);
            break;
    }
}
