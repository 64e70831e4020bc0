// The menu commands of the summary windows: print, the metafile copy, CSV,
// the waterflood report copies and rich-text saves (well-log window), the
// graph and product choices, colour coding, the range dialog and closing.
#include <cstring>
#include <string>

#include "common/result_status.h"
#include "engine/records.h"
#include "graphs/graph_index_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "input/whatif/whatif_dialog.h"
#include "pages/frame/page_classes.h"
#include "platform/dialogs/common_dialogs.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/files/whole_file_write.h"
#include "platform/system/clipboard.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "printing/print_job_records.h"
#include "printing/summary/summary_records.h"
#include "printing/summary/summary_window_parts.h"
#include "printing/summary/summary_windows.h"
#include "reporttext/report/build_report.h"
#include "reporttext/report_buffer_records.h"
#include "resources/resource_ids.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"
#include "shell/whatif/command_drivers.h"
#include "treatment/product/select_product.h"

namespace summarywindow {

namespace {

// Report kinds of the well-log window's copies and saves.
constexpr int32_t kMixingRatioChemistry = 7;
constexpr int32_t kWaterflood = 20;

constexpr int kTemperLarge = 84;
constexpr int kTemperSmall = 85;
constexpr int kSmallDesktop = 900;

// The graphParams slot of GRAPH 1 to GRAPH 4.
constexpr int kGraphSlots[4] = {2, 3, 0, 1};

void Warn(win::HWND owner, const char* reference) {
    const std::string text =
        std::string("Windows clipboard not available. Contact Tech Support ref. pt op ") +
        reference + ".";
    win::MessageBox(owner, text.c_str(), "WARNING", win::MB_OK | win::MB_ICONINFORMATION);
}

void FreeReport() {
    if (reportBuffer.handle != nullptr) win::GlobalFree(reportBuffer.handle);
    reportBuffer.handle = nullptr;
}

void Print(int which, win::HWND hwnd) {
    printJobState.singlePageJob = JobPart::kWholeJob;
    graphOutputFlags.renderTarget = RenderTarget::kPrinter;
    win::HDC dc = win::GetDC(hwnd);
    TraitsOf(which).render(dc, 1);
    win::ReleaseDC(hwnd, dc);
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
    printJobState.singlePageJob = JobPart::kFirstOrMiddle;
    // The job is over, failed or not: the next one starts clean.
    printJobState.printAborted = 0;
    graphOutputFlags.exportingGraph = 0;
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
}

void CopyPicture(int which, win::HWND hwnd) {
    summaryPageState.pageDrawMode = PageDrawMode::kLandscape;
    win::HDC dc = win::GetDC(hwnd);
    const int copied = TraitsOf(which).copy(dc, hwnd, 1);
    win::ReleaseDC(hwnd, dc);
    if (copied == 0) Warn(hwnd, "101");
}

// The report of `kind` on the clipboard as plain or rich text.
void CopyReport(win::HWND hwnd, int32_t kind, bool rich, const char* reference) {
    reportBuffer.rtfMode = rich ? 1 : 0;
    const bool built = BuildReport(kind) == 0 && (!rich || WriteRtfEnd() == 0);
    reportBuffer.rtfMode = 0;
    if (!built) {
        FreeReport();
        return;
    }
    if (!win::OpenClipboard(hwnd)) {
        FreeReport();
        Warn(hwnd, reference);
        return;
    }
    win::EmptyClipboard();
    win::SetClipboardData(rich ? clipboardFormats.cfRichText : win::CF_TEXT, reportBuffer.handle);
    win::CloseClipboard();
    reportBuffer.handle = nullptr;  // the clipboard owns it now
}

// The report's bytes as the new contents of `path`, put in place only when
// complete, so a failed save leaves the old file as it was.
bool WriteReportFile(const char* path) {
    const char* bytes = static_cast<const char*>(win::GlobalLock(reportBuffer.handle));
    if (bytes == nullptr) return false;
    const bool ok = win::ReplaceFileContents(path, bytes, reportBuffer.bytesWritten) != win::FALSE;
    win::GlobalUnlock(reportBuffer.handle);
    return ok;
}

void SaveRichText(int32_t kind, bool fromInstallFolder) {
    char path[256] = {};
    char title[256] = {};
    const std::string start =
        fromInstallFolder ? std::string(mainWindowState.installDir) + "\\*.RTF" : "*.rtf";
    std::strncpy(path, start.c_str(), sizeof path - 1);
    win::FileDialogRecord ofn{};
    ofn.owner = mainWindowState.mainWindow;
    ofn.filter = "Rich Text files (*.rtf)\0*.rtf\0\0";
    ofn.file = path;
    ofn.fileSize = sizeof path;
    ofn.fileTitle = title;
    ofn.fileTitleSize = sizeof title;
    ofn.title = "SAVE RICH TEXT";
    ofn.defExt = "rtf";
    ofn.flags = win::OFN_HIDEREADONLY | win::OFN_OVERWRITEPROMPT | win::OFN_PATHMUSTEXIST;
    if (!win::GetSaveFileName(&ofn)) return;
    reportBuffer.rtfMode = 1;
    const bool built = BuildReport(kind) == 0 && WriteRtfEnd() == 0;
    reportBuffer.rtfMode = 0;
    if (built && !WriteReportFile(path)) {
        const std::string text =
            std::string("Error: Cannot create file\n\n") + win::FailedWriteText("Saving", path);
        win::MessageBox(nullptr, text.c_str(), path, win::MB_ICONINFORMATION);
    }
    FreeReport();
}

void ChooseGraph(win::HWND hwnd, unsigned id) {
    (void)hwnd;
    const win::HWND main = mainWindowState.mainWindow;
    const GraphChoice savedChoice = graphChoice;
    uint16_t savedCodes[kGraphIndexCodeCount];
    std::memcpy(savedCodes, graphIndexCodes, sizeof savedCodes);
    // The dialog opens on the graph the item's area shows, so that OK as it
    // opens keeps it; a cancelled choice leaves it as it was.
    uint16_t& area = displaySettings.graphParams[kGraphSlots[id - PageCommand::kPageGraph1]];
    const bool held = area != kNoGraphIndex;
    graphChoice.count = held ? 1 : 0;
    for (int i = 0; i < kGraphIndexCodeCount; ++i) {
        const bool shown = i == 0 && held;
        graphChoice.codes[i] = shown ? static_cast<int16_t>(area) : int16_t{-1};
        graphIndexCodes[i] = shown ? area : kNoGraphIndex;
    }
    if (Drivers().showChooseGraphs(main) > 0) area = graphIndexCodes[0];
    graphChoice = savedChoice;
    std::memcpy(graphIndexCodes, savedCodes, sizeof savedCodes);
    // Posted: the main window's 1248 destroys this window, whose procedure
    // must not be running then.
    win::PostMessage(main, win::WM_COMMAND, MenuCommand::kOnePageSummary, 0);
}

void ChangeRange(win::HWND hwnd) {
    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    const int template_ =
        desktop.bottom - desktop.top <= kSmallDesktop ? kTemperSmall : kTemperLarge;
    (void)win::DialogBoxParamA(mainWindowState.instance, template_, hwnd, Temper, 0);
    win::InvalidateRect(mainWindowState.mainWindow, nullptr, win::FALSE);
}

void Close(int which) {
    if (OpenFlag(which) != 0) {
        const win::HWND w = Handle(which);
        OpenFlag(which) = 0;
        Handle(which) = nullptr;
        if (w != nullptr) win::DestroyWindow(w);
    }
    BringMainWindowBack();
}

void CloseAllPages(int which) {
    const PageClass pages[] = {PageClass::kMuValues,       PageClass::kMuWater,
                               PageClass::kPressValues,    PageClass::kPressWater,
                               PageClass::kMixedWater,     PageClass::kMixedValues,
                               PageClass::kMixedValuesOut, PageClass::kMixedWaterOut};
    for (PageClass page : pages) {
        if (!IsPageOpen(page)) continue;
        SetPageOpen(page, false);
        win::HWND& slot = PageWindowSlot(page);
        const win::HWND w = slot;
        slot = nullptr;
        if (w != nullptr) win::DestroyWindow(w);
    }
    Close(which);
}

bool RunWellLogOnly(win::HWND hwnd, unsigned id) {
    switch (id) {
        case PageCommand::kCopyAll:
            CopyReport(hwnd, kWaterflood, false, "102");
            return true;
        case PageCommand::kRichTextCopy:
            CopyReport(hwnd, kMixingRatioChemistry, true, "103");
            return true;
        case PageCommand::kSaveToRichText:
            SaveRichText(kMixingRatioChemistry, true);
            return true;
        case PageCommand::kSaveAllToRichText:
            SaveRichText(kWaterflood, false);
            return true;
        case PageCommand::kCopyAllAsRichText:
            return true;  // nothing
        case PageCommand::kPrintAll:
            Print(SummaryWindow::kWellLog, hwnd);
            return true;
        default:
            return false;
    }
}

bool RunOnePageOnly(win::HWND hwnd, unsigned id) {
    switch (id) {
        case PageCommand::kOnePageColourCoding:
            graphOutputFlags.treatedColorCoding = graphOutputFlags.treatedColorCoding != 0 ? 0 : 1;
            SetColourCodingItem(hwnd);
            win::InvalidateRect(hwnd, nullptr, win::FALSE);
            return true;
        case PageCommand::kChooseProduct:
            (void)OpenSelectProduct(hwnd);
            win::InvalidateRect(mainWindowState.mainWindow, nullptr, win::FALSE);
            // The summary's progress window took the keyboard to the main window.
            win::SetActiveWindow(hwnd);
            win::SetFocus(hwnd);
            return true;
        default:
            if (id >= PageCommand::kPageGraph1 && id < PageCommand::kPageGraph1 + 4) {
                ChooseGraph(hwnd, id);
                return true;
            }
            return false;
    }
}

}  // namespace

void BringMainWindowBack() {
    const win::HWND main = mainWindowState.mainWindow;
    win::SetActiveWindow(main);
    win::ShowWindow(main, win::SW_SHOWMAXIMIZED);
    win::UpdateWindow(main);
    // A page or graph left open in front of the main window keeps the keys.
    win::ActivateFrontWindow(main);
}

void SetColourCodingItem(win::HWND hwnd) {
    win::HMENU menu = win::GetMenu(hwnd);
    if (menu == nullptr) return;
    const char* text = graphOutputFlags.treatedColorCoding != 0
                           ? "&UNTREATED COLOR CODING\t(Currently Treated)"
                           : "&TREATED COLOR CODING\t(Currently Untreated)";
    const unsigned id = PageCommand::kOnePageColourCoding;
    win::ModifyMenu(menu, id, win::MF_BYCOMMAND | win::MF_STRING, id, text);
    const uint16_t first = graphIndexCodes[0];
    const bool grey = first == 88 || first == 89 || resultStatus.productSelected == 0;
    win::EnableMenuItem(menu, id, win::MF_BYCOMMAND | (grey ? win::MF_GRAYED : win::MF_ENABLED));
}

bool RunCommand(int which, win::HWND hwnd, unsigned id) {
    switch (id) {
        case PageCommand::kPrint:
            Print(which, hwnd);
            return true;
        case PageCommand::kCopy:
            CopyPicture(which, hwnd);
            return true;
        case PageCommand::kExportCsv:
            TraitsOf(which).exportCsv();
            return true;
        case PageCommand::kCloseAll:
            CloseAllPages(which);
            return true;
        case PageCommand::kClose:
            Close(which);
            return true;
        case PageCommand::kChangeRange:
            ChangeRange(hwnd);
            return true;
        default:
            break;
    }
    return which == SummaryWindow::kWellLog ? RunWellLogOnly(hwnd, id) : RunOnePageOnly(hwnd, id);
}

}  // namespace summarywindow
