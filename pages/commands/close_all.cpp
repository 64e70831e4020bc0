// CLOSE ALL PAGES and the dispatch of the page commands.
#include "pages/commands/page_command_handlers.h"
#include "pages/frame/page_frame.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"

void CloseAllPages(PageClass page) {
    const PageCommands& c = CommandsOf(page);
    for (int i = 0; i < c.closeAllCount; ++i) {
        const PageClass other = c.closeAll[i];
        if (!IsPageOpen(other)) continue;
        SetPageOpen(other, false);
        win::HWND& slot = PageWindowSlot(other);
        const win::HWND w = slot;
        slot = nullptr;
        if (w != nullptr) win::DestroyWindow(w);
    }
    BringMainWindowBack(page);
}

bool RunPageCommand(PageClass page, win::HWND hwnd, unsigned id) {
    const uint32_t act = PageActOf(id);
    if (act == 0 || (CommandsOf(page).acts & act) == 0) return false;
    switch (id) {
        case PageCommand::kPrint:
            PrintPage(page, hwnd);
            break;
        case PageCommand::kPrintAll:
            PrintAllPages(page, hwnd);
            break;
        case PageCommand::kCopy:
            CopyPageReport(page, hwnd, CopyCommand::kCopy);
            break;
        case PageCommand::kCopyAll:
            CopyPageReport(page, hwnd, CopyCommand::kCopyAll);
            break;
        case PageCommand::kRichTextCopy:
            CopyPageReport(page, hwnd, CopyCommand::kRichCopy);
            break;
        case PageCommand::kRichTextCopyAll:
        case PageCommand::kCopyAllAsRichText:
            CopyPageReport(page, hwnd, CopyCommand::kRichCopyAll);
            break;
        case PageCommand::kSaveToRichText:
            SavePageRichText(page, hwnd, CopyCommand::kRichCopy);
            break;
        case PageCommand::kSaveAllToRichText:
            SavePageRichText(page, hwnd, CopyCommand::kRichCopyAll);
            break;
        case PageCommand::kCopyForExcel:
            CopyPageForExcel(page, hwnd);
            break;
        case PageCommand::kAlkalinityPm:
            SwitchAlkalinityForm(page, hwnd, 0);
            break;
        case PageCommand::kAlkalinitySpecies:
            SwitchAlkalinityForm(page, hwnd, 1);
            break;
        case PageCommand::kChooseProduct:
            ChooseProductForPage(page, hwnd);
            break;
        case PageCommand::kChangeRange:
            ChangePageRange(page, hwnd);
            break;
        case PageCommand::kCloseAll:
            CloseAllPages(page);
            break;
        default:
            return false;  // CLOSE is the frame's
    }
    return true;
}
