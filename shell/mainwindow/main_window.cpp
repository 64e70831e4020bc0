// MainWndProc: creation set-up, the background picture, the menu commands and
// the two ways out. Every message first marks the data as the current version
// and refreshes where result pages go.
#include "shell/mainwindow/main_window.h"

#include <cmath>
#include <cstring>

#include "platform/gdi/gdi.h"
#include "platform/print/print_setup.h"
#include "platform/system/system.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "printing/print_job_records.h"
#include "reporttext/report_buffer_records.h"
#include "resources/resource_ids.h"
#include "shell/commands/quit_sequence.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/mainwindow/print_status.h"
#include "shell/menu/menu_dispatch.h"
#include "shell/menu/menu_texts.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"

void PaintBackground(win::HWND hwnd);  // background_picture.cpp
void ReleaseFittedBackground();        // background_picture.cpp

namespace {

// Pounds per 1000 barrels in one mg/L; the main window publishes it at creation.
constexpr float kPrecipitationFactor = 0.34845498f;

// The file-dialog filters, '|' separating the parts.
constexpr const char* kFilterTexts[kFileFilterCount] = {
    "Rich Text files (*.rtf)|*.rtf||",
    "Chemistry files (*.chm)|*.chm||",
    "Quotation Mark Comma Delim. (*.txt)|*.txt||",
    "Work files (*.krv)|*.krv||",
    ("BMP files (*.bmp)|*.bmp|JPG files (*.jpg) |*.jpg|PNG files (*.png) |*.png|PCX files "
     "(*.pcx)|*.pcx|TIF files (*.tif)|*.tif||"),
    " Inhibitor files (*.inh)|\\ZORIN\\INHIB\\*.inh||",
    " Raw Data files (*.cor)|\\ZORIN\\COR\\*.cor||",
    "BMP files (*.bmp)|*.bmp||",
    "PCX files (*.pcx)|*.pcx||",
    "PNG files (*.png)|*.png||",
    "TIF files (*.tif)|*.tif||",
    "GIF files (*.gif)|*.gif||",
};

void PrepareFileFilters() {
    std::strcpy(mainWindowExtras.openDialogTitle, "Open Tarvex File");
    for (int i = 0; i < kFileFilterCount; ++i) {
        char* filter = mainWindowExtras.fileFilters[i];
        const size_t length = std::strlen(kFilterTexts[i]);
        std::memcpy(filter, kFilterTexts[i], length + 1);
        for (size_t k = 0; k < length; ++k)
            if (filter[k] == '|') filter[k] = '\0';
        mainWindowExtras.fileFilterLengths[i] = static_cast<int>(length);
    }
}

void AppendText(char* field, size_t size, const char* text) {
    const size_t used = std::strlen(field);
    if (used + 1 < size) std::strncat(field, text, size - used - 1);
}

win::HFONT MakePageFont(int lineHeight, win::DWORD pitchAndFamily) {
    return win::CreateFontA(lineHeight, 0, 0, 0, win::FW_NORMAL, 0, 0, 0, win::OEM_CHARSET,
                            win::OUT_DEFAULT_PRECIS, win::CLIP_DEFAULT_PRECIS, win::DEFAULT_QUALITY,
                            pitchAndFamily, nullptr);
}

// A page font whose cell is the desktop height over the lines per screen; if
// the face comes out taller than its line it is made again with another
// pitch-and-family request.
void CreatePageFont(win::HDC dc, const win::RECT& desktop) {
    ScreenFonts& f = screenFonts;
    const int lineHeight = std::abs(static_cast<int>(std::trunc(
        (desktop.top - desktop.bottom) / UsableLinesPerScreen(displaySettings.linesPerScreen))));
    for (win::DWORD pitchAndFamily : {0x25u, 0x05u}) {
        f.pageFont = MakePageFont(lineHeight, pitchAndFamily);
        f.pageFontOwned = f.pageFont != nullptr ? 1 : 0;
        if (f.pageFont == nullptr)
            f.pageFont = reinterpret_cast<win::HFONT>(win::GetStockObject(win::OEM_FIXED_FONT));
        win::HGDIOBJ old = win::SelectObject(dc, f.pageFont);
        win::TEXTMETRICA tm{};
        win::GetTextMetricsA(dc, &tm);
        win::SelectObject(dc, old);
        if (tm.tmHeight + tm.tmInternalLeading <= lineHeight || pitchAndFamily == 0x05u) break;
        if (f.pageFontOwned != 0) win::DeleteObject(f.pageFont);
    }
}

void OnCreate(win::HWND hwnd) {
    mainWindowState.loadedVersion = kDataVersion;
    printedPageMargin = 0;
    reportBuffer.leftMargin = 0;
    PrepareFileFilters();
    AppendText(mainWindowState.workFilePath, sizeof mainWindowState.workFilePath, "\\ZORIN\\*.KRV");

    win::HDC dc = win::GetDC(hwnd);
    mainWindowState.mainMenu = win::GetMenu(hwnd);
    win::RECT desktop;
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    screenFonts.oemFont = reinterpret_cast<win::HFONT>(win::GetStockObject(win::OEM_FIXED_FONT));
    screenFonts.oemFontOwned = 0;
    screenFonts.savedDcFont =
        reinterpret_cast<win::HFONT>(win::SelectObject(dc, screenFonts.oemFont));
    CreatePageFont(dc, desktop);
    win::ReleaseDC(hwnd, dc);
    precipitationFactor = kPrecipitationFactor;
    UpdateMenuTexts();

    win::MONITORINFO monitor;
    win::GetMonitorInfo(win::MonitorFromWindow(hwnd, win::MONITOR_DEFAULTTOPRIMARY), &monitor);
    mainWindowExtras.monitorRect = monitor.rcMonitor;
    mainWindowExtras.workRect = monitor.rcWork;
    FollowPrintedDocuments(hwnd);
}

}  // namespace

void ComputePagePlacement() {
    using win::GetSystemMetrics;
    PagePlacement& p = mainWindowExtras.placement;
    const win::RECT& monitor = mainWindowExtras.monitorRect;
    const win::RECT& work = mainWindowExtras.workRect;
    p.pageStepY = GetSystemMetrics(win::SM_CYCAPTION) + 3 + 2 * GetSystemMetrics(win::SM_CYBORDER) +
                  GetSystemMetrics(win::SM_CYDLGFRAME) + GetSystemMetrics(win::SM_CYMENU);
    p.pageFrameX = 2 * GetSystemMetrics(win::SM_CXBORDER) + GetSystemMetrics(win::SM_CXDLGFRAME);
    p.pageOriginX = monitor.left + 5 + p.pageFrameX;
    p.pageOriginY = monitor.top + p.pageStepY;
    p.pageStepX = p.pageFrameX + 25;
    p.pageHeight = std::abs(work.bottom - work.top) - 4 * p.pageStepY - 3;
    if (screenFonts.pageFont != nullptr && mainWindowState.mainWindow != nullptr) {
        win::HDC dc = win::GetDC(mainWindowState.mainWindow);
        win::HGDIOBJ old = win::SelectObject(dc, screenFonts.pageFont);
        win::TEXTMETRICA tm{};
        win::GetTextMetricsA(dc, &tm);
        win::SelectObject(dc, old);
        win::ReleaseDC(mainWindowState.mainWindow, dc);
        p.pageWidth = 80 * tm.tmAveCharWidth;
    }
}

win::LRESULT MainWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    mainWindowState.dataVersion = kDataVersion;
    mainWindowState.currentFormatVersion = kDataVersion;
    ComputePagePlacement();
    switch (msg) {
        case win::WM_CREATE:
            OnCreate(hwnd);
            break;
        case win::WM_DESTROY:
            win::OnDocumentPrinted(nullptr);
            ReleaseFittedBackground();
            win::PostQuitMessage(0);
            return 0;
        case win::WM_SIZE:
            win::SendMessage(hwnd, win::WM_MOVE, 0, 0);
            return 0;
        case win::WM_PAINT:
            PaintBackground(hwnd);
            break;
        case win::WM_SETFOCUS:
            UpdateMenuTexts();  // dialogs and pages change the flags the menu follows
            break;
        case win::WM_COMMAND:
            if (DispatchMenuCommand(hwnd, wParam)) {
                // A command that ends on the main window, with pages or graphs
                // shown over it, leaves the keyboard with the window in front.
                if (win::IsWindow(hwnd) && win::GetActiveWindow() == hwnd)
                    win::ActivateFrontWindow(hwnd);
                return 0;
            }
            break;
        case win::WM_SYSCOMMAND:
            // The close box leaves the way QUIT does, the save question included.
            if ((wParam & 0xFFF0) == win::SC_CLOSE) {
                QuitProgram(hwnd);
                return 0;
            }
            break;
        default:
            break;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}
