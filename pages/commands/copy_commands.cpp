// COPY, COPY ALL, the rich-text copies and COPY FOR EXCEL: the page's report
// kind written by BuildReport and handed to the clipboard, so the clipboard
// holds what the page shows.
#include <string>

#include "pages/commands/page_command_handlers.h"
#include "pages/frame/page_state_records.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/clipboard.h"
#include "platform/window/window.h"
#include "reporttext/clipboard/copy_for_excel.h"
#include "reporttext/report/build_report.h"
#include "reporttext/report_buffer_records.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"

namespace {

bool IsOneWaterPage(PageClass page) {
    return page == PageClass::kMuWater || page == PageClass::kMuValues;
}

// The water the report kinds 33 and 34 pick, or -1 where the page leaves
// the current water alone.
int WaterForKinds(PageClass page, int shownWater) {
    if (page == PageClass::kMixedWaterOut || page == PageClass::kMixedValuesOut)
        return WaterSelector::kMixed;
    if (IsOneWaterPage(page) &&
        (shownWater == WaterSelector::kMixed || shownWater == WaterSelector::kMultiMixSource))
        return shownWater;
    return -1;
}

void Warn(win::HWND owner, const char* reference) {
    const std::string text =
        std::string("Windows clipboard not available. Contact Tech Support ref. pt ") + reference +
        ".";
    win::MessageBox(owner, text.c_str(), "WARNING", win::MB_OK | win::MB_ICONINFORMATION);
}

// Hands the report buffer to the clipboard in `format`; the box when the
// clipboard cannot be opened, and the buffer freed then.
void HandToClipboard(win::HWND owner, win::UINT format, const char* reference) {
    if (!win::OpenClipboard(owner)) {
        win::GlobalFree(reportBuffer.handle);
        reportBuffer.handle = nullptr;
        Warn(owner, reference);
        return;
    }
    win::EmptyClipboard();
    win::SetClipboardData(format, reportBuffer.handle);
    win::CloseClipboard();
    reportBuffer.handle = nullptr;  // the clipboard owns it now
}

}  // namespace

void CopyPageReport(PageClass page, win::HWND hwnd, CopyCommand command) {
    const int shown = pageStates[PageIndex(page)].shownWater;
    const CopyKind kind = CopyKindOf(page, command, shown);
    const bool rich = command == CopyCommand::kRichCopy || command == CopyCommand::kRichCopyAll;
    reportBuffer.rtfMode = rich ? 1 : 0;
    const int water = WaterForKinds(page, shown);
    if (water >= 0) mainWindowState.currentWater = water;
    if (BuildReport(kind.kind) != 0) {
        reportBuffer.rtfMode = 0;
        return;
    }
    if (rich && WriteRtfEnd() != 0) {
        win::GlobalFree(reportBuffer.handle);
        reportBuffer.handle = nullptr;
        reportBuffer.rtfMode = 0;
        return;
    }
    HandToClipboard(hwnd, rich ? clipboardFormats.cfRichText : win::CF_TEXT, kind.reference);
    reportBuffer.rtfMode = 0;
}

void CopyPageForExcel(PageClass page, win::HWND hwnd) {
    // The one-water pages copy the water they show, the blend's pages the
    // blend, the source-water pages the source water being edited.
    int water = WaterSelector::kMixed;
    if (IsOneWaterPage(page))
        water = pageStates[PageIndex(page)].shownWater;
    else if (page == PageClass::kMixedWater || page == PageClass::kMixedValues)
        water = WaterSelector::kMultiMixSource;
    (void)CopyForExcel(hwnd, water);
}
