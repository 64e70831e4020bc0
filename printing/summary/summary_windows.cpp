// The summary windows' procedures: opening, painting, the recompute after a
// product change, the key moves, the drag, scrolling and the cascade.
#include "printing/summary/summary_windows.h"

#include <algorithm>
#include <cstdlib>

#include "common/result_status.h"
#include "engine/records.h"
#include "pages/frame/page_classes.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "printing/page/report_page_records.h"
#include "printing/reports/csv/csv_export.h"
#include "printing/summary/one_page_report.h"
#include "printing/summary/summary_records.h"
#include "printing/summary/summary_window_parts.h"
#include "printing/summary/well_log_report.h"
#include "reporttext/clipboard/metafile_copies.h"
#include "shell/accumulators/selected_params_records.h"
#include "shell/mainwindow/well_log_records.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"
#include "shell/whatif/command_drivers.h"
#include "shell/whatif/scenario_views.h"

namespace summarywindow {

namespace {

const Traits kTraits[kSummaryWindowCount] = {
    {"DisOnePage", "SYSTEM CHEMISTRY AND SCALE POTENTIAL SUMMARY", DrawOnePageReport,
     CopyReportPageAsMetafile, ExportOnePageCsv},
    {"WellLogDisOnePage", "WELL LOG CHEMISTRY AND SCALE POTENTIAL SUMMARY", DrawWellLogReport,
     CopyWellLogPageAsMetafile, ExportWellLogPageCsv},
};

}  // namespace

const Traits& TraitsOf(int which) {
    return kTraits[which == SummaryWindow::kWellLog ? 1 : 0];
}

win::HWND& Handle(int which) {
    return which == SummaryWindow::kWellLog ? summaryPageState.wellLogPageWindow
                                            : summaryPageState.onePageWindow;
}

uint32_t& OpenFlag(int which) {
    return which == SummaryWindow::kWellLog ? summaryPageState.wellLogPageOpen
                                            : summaryPageState.onePageOpen;
}

void RecomputeIfStale(int which, win::HWND hwnd) {
    // Each window has its own profile and its own mark: the one-page window
    // the 12-station profile, the well-log window the after-flash profile.
    const bool wellLog = which == SummaryWindow::kWellLog;
    uint32_t& stale = wellLog ? resultStatus.wellProfileStale : resultStatus.onePageProfileStale;
    if (stale == 0) return;
    stale = 0;  // cleared first: the driver's progress window may bring a paint
    (wellLog ? Drivers().calcWellLogProfile11 : Drivers().calcWellLogProfile)(hwnd);
    // The profile the page now shows is the one its command and print read.
    (wellLog ? wellLogTableFlag : onePageDataFlag) = 1;
}

}  // namespace summarywindow

using namespace summarywindow;

namespace {

struct Metrics {
    int lineHeight;  // L: character height and external leading
    int charWidth;   // W: average character width
};

// The summary page's body font in the window's DC; the system font until the
// page has been painted once.
Metrics BodyFontMetrics(win::HWND hwnd) {
    win::HDC dc = win::GetDC(hwnd);
    win::HGDIOBJ old = nullptr;
    if (screenReportFonts.bodyFont != nullptr)
        old = win::SelectObject(dc, screenReportFonts.bodyFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    if (old != nullptr) win::SelectObject(dc, old);
    win::ReleaseDC(hwnd, dc);
    return Metrics{static_cast<int>(tm.tmHeight + tm.tmExternalLeading),
                   static_cast<int>(tm.tmAveCharWidth)};
}

void MoveWindowTo(win::HWND hwnd, int x, int y) {
    win::SetWindowPos(hwnd, win::HWND_TOP, x, y, 0, 0, win::SWP_NOSIZE | win::SWP_SHOWWINDOW);
}

void OnKey(win::HWND hwnd, int key) {
    const Metrics m = BodyFontMetrics(hwnd);
    win::RECT main{};
    win::GetWindowRect(mainWindowState.mainWindow, &main);
    win::RECT own{};
    win::GetWindowRect(hwnd, &own);
    const int frameHeight = own.bottom - own.top + 1;
    SummaryPlacement& p = summaryPlacement;
    switch (key) {
        case win::VK_HOME:
            p.pageX = p.homeX;
            p.pageY = p.homeY;
            break;
        case win::VK_END:
            p.pageX = p.homeX;
            p.pageY = p.homeY + 40 * m.lineHeight;
            break;
        case win::VK_LEFT:
            if (p.pageX - m.charWidth < main.left - 78 * m.charWidth) {
                p.pageX = main.right - m.charWidth;
                return;  // stays until the next key
            }
            p.pageX -= m.charWidth;
            break;
        case win::VK_RIGHT:
            if (p.pageX + m.charWidth > main.right - m.charWidth) {
                p.pageX = main.left - 78 * m.charWidth;
                return;
            }
            p.pageX += m.charWidth;
            break;
        case win::VK_UP:
            p.pageY -= m.lineHeight;
            if (p.pageY < main.top - static_cast<int>(0.9 * frameHeight))
                p.pageY = main.bottom - m.lineHeight;
            break;
        case win::VK_DOWN:
            p.pageY += m.lineHeight;
            if (p.pageY > main.bottom - m.lineHeight) p.pageY = main.top - 40 * m.lineHeight;
            break;
        default:
            return;
    }
    MoveWindowTo(hwnd, p.pageX, p.pageY);
}

// ---- the drag: an inverted frame on the screen follows the mouse

void InvertFrame(const SummaryDrag& d) {
    win::HDC screen = win::GetDC(nullptr);
    const int x = summaryPlacement.pageX;
    const int y = summaryPlacement.pageY;
    const int w = d.frameWidth;
    const int h = d.frameHeight;
    const win::RECT edges[] = {{x, y, x + w, y + 2},
                               {x, y + h - 2, x + w, y + h},
                               {x, y + 2, x + 2, y + h - 2},
                               {x + w - 2, y + 2, x + w, y + h - 2}};
    for (const win::RECT& e : edges) win::InvertRect(screen, &e);
    win::ReleaseDC(nullptr, screen);
}

win::POINT MouseOf(win::LPARAM lParam) {
    return win::POINT{win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam)};
}

void OnButtonDown(int which, win::HWND hwnd, win::LPARAM lParam) {
    SummaryDrag& d = summaryDrags[which];
    win::GetWindowRect(hwnd, &d.rect);
    d.frameWidth = d.rect.right - d.rect.left + 1;
    d.frameHeight = d.rect.bottom - d.rect.top + 1;
    d.frameDrawn = 0;
    d.dragging = 1;
    d.mouse = MouseOf(lParam);
    // The drag moves this window from where it stands, whichever summary
    // window was moved last.
    summaryPlacement.pageX = d.rect.left;
    summaryPlacement.pageY = d.rect.top;
    win::SetCapture(hwnd);
}

void FollowMouse(SummaryDrag& d, win::LPARAM lParam) {
    const win::POINT at = MouseOf(lParam);
    summaryPlacement.pageX += at.x - d.mouse.x;
    summaryPlacement.pageY += at.y - d.mouse.y;
    d.mouse = at;
}

void OnMouseMove(int which, win::WPARAM wParam, win::LPARAM lParam) {
    SummaryDrag& d = summaryDrags[which];
    if (d.dragging == 0 || (wParam & win::MK_LBUTTON) == 0) return;
    if (d.frameDrawn != 0) InvertFrame(d);
    FollowMouse(d, lParam);
    InvertFrame(d);
    d.frameDrawn = 1;
}

void OnButtonUp(int which, win::HWND hwnd, win::LPARAM lParam) {
    SummaryDrag& d = summaryDrags[which];
    if (d.dragging == 0) return;
    if (d.frameDrawn != 0) InvertFrame(d);
    d.frameDrawn = 0;
    d.dragging = 0;
    FollowMouse(d, lParam);
    win::SetWindowPos(hwnd, nullptr, summaryPlacement.pageX, summaryPlacement.pageY, 0, 0,
                      win::SWP_NOSIZE | win::SWP_NOZORDER);
    win::ReleaseCapture();
    win::InvalidateRect(mainWindowState.mainWindow, nullptr, win::TRUE);
    win::InvalidateRect(hwnd, nullptr, win::TRUE);
}

// ---- scrolling of the well-log window (it has no range: the page is drawn
// whole, and the position the platform reports never changes)

void OnScroll(win::HWND hwnd, int code) {
    win::HDC dc = win::GetDC(hwnd);
    win::HGDIOBJ old = nullptr;
    if (screenFonts.pageFont != nullptr) old = win::SelectObject(dc, screenFonts.pageFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    if (old != nullptr) win::SelectObject(dc, old);
    win::ReleaseDC(hwnd, dc);
    const int pitch = tm.tmHeight + tm.tmHeight / 12 + tm.tmInternalLeading + tm.tmExternalLeading;
    win::SCROLLINFO info{};
    info.fMask = win::SIF_ALL;
    win::GetScrollInfo(hwnd, win::SB_VERT, &info);
    const int before = info.nPos;
    int position = before;
    switch (code) {
        case win::SB_LINEUP:
            position -= 1;
            break;
        case win::SB_LINEDOWN:
            position += 1;
            break;
        case win::SB_PAGEUP:
            position -= static_cast<int>(info.nPage);
            break;
        case win::SB_PAGEDOWN:
            position += static_cast<int>(info.nPage);
            break;
        case win::SB_THUMBPOSITION:
            position = info.nTrackPos;
            break;
        case win::SB_TOP:
            position = info.nMin;
            break;
        case win::SB_BOTTOM:
            position = info.nMax;
            break;
        default:
            return;
    }
    win::SetScrollPos(hwnd, win::SB_VERT, position, win::TRUE);
    const int after = win::GetScrollPos(hwnd, win::SB_VERT);
    if (after == before) return;
    win::ScrollWindow(hwnd, 0, pitch * (before - after), nullptr, nullptr);
    win::UpdateWindow(hwnd);
}

win::LRESULT SummaryProc(int which, win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                         win::LPARAM lParam) {
    switch (msg) {
        case win::WM_CREATE:
            summaryPlacement.pageX = summaryPlacement.homeX;
            summaryPlacement.pageY = summaryPlacement.homeY;
            Handle(which) = hwnd;  // the renderer reads it at the first paint
            // The page is drawn whole: no scroll range, so scrolling never moves it.
            win::SetScrollRange(hwnd, win::SB_VERT, 0, 0, win::FALSE);
            return 0;
        case win::WM_PAINT: {
            RecomputeIfStale(which, hwnd);
            win::PAINTSTRUCT ps{};
            win::HDC dc = win::BeginPaint(hwnd, &ps);
            summaryPageState.pageDrawMode = PageDrawMode::kLandscape;
            win::GetWindowRect(hwnd, &summaryDrags[which].rect);
            TraitsOf(which).render(dc, 0);
            win::EndPaint(hwnd, &ps);
            return 0;
        }
        case win::WM_SETFOCUS:
            RecomputeIfStale(which, hwnd);
            if (which == SummaryWindow::kOnePage) SetColourCodingItem(hwnd);
            return 0;
        case win::WM_MOVE:
            win::InvalidateRect(mainWindowState.mainWindow, nullptr, win::TRUE);
            win::InvalidateRect(hwnd, nullptr, win::TRUE);
            return 0;
        case win::WM_SIZE:
            win::InvalidateRect(hwnd, nullptr, win::TRUE);
            win::UpdateWindow(hwnd);
            return 0;
        case win::WM_KEYDOWN:
            OnKey(hwnd, static_cast<int>(wParam));
            win::InvalidateRect(mainWindowState.mainWindow, nullptr, win::TRUE);
            return 0;
        case win::WM_SYSKEYDOWN:
            if (static_cast<int>(wParam) != win::VK_HOME) break;
            CascadeResultWindows();
            return 0;
        case win::WM_LBUTTONDOWN:
            OnButtonDown(which, hwnd, lParam);
            return 0;
        case win::WM_MOUSEMOVE:
            OnMouseMove(which, wParam, lParam);
            return 0;
        case win::WM_LBUTTONUP:
            OnButtonUp(which, hwnd, lParam);
            return 0;
        case win::WM_VSCROLL:
            if (which != SummaryWindow::kWellLog) break;
            OnScroll(hwnd, win::LOWORD(wParam));
            return 0;
        case win::WM_MOUSEWHEEL:
            if (which != SummaryWindow::kWellLog) break;
            {
                const int delta = win::GET_WHEEL_DELTA_WPARAM(wParam);
                const int lines = delta == 0 ? -1 : win::WheelScrollLines(delta);
                for (int i = 0; i < (lines < 0 ? -lines : lines); ++i)
                    win::SendMessage(hwnd, win::WM_VSCROLL,
                                     lines > 0 ? win::SB_LINEUP : win::SB_LINEDOWN, 0);
            }
            return 0;
        case win::WM_COMMAND:
            if (RunCommand(which, hwnd, win::LOWORD(wParam))) return 0;
            break;
        case win::WM_DESTROY:
            // However the window goes, its slot no longer names it.
            if (Handle(which) == hwnd) {
                Handle(which) = nullptr;
                OpenFlag(which) = 0;
            }
            return 0;
        default:
            break;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

win::LRESULT DisOnePageWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                               win::LPARAM lParam) {
    return SummaryProc(SummaryWindow::kOnePage, hwnd, msg, wParam, lParam);
}

win::LRESULT WellLogDisOnePageWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                      win::LPARAM lParam) {
    return SummaryProc(SummaryWindow::kWellLog, hwnd, msg, wParam, lParam);
}

SummarySize SummaryWindowSize(int desktopHeight, int clientWidth, int clientHeight) {
    const int d = (desktopHeight - clientHeight) / 2;
    if (clientHeight <= 0.77272725 * clientWidth) {
        const int height = clientHeight + d;
        return SummarySize{static_cast<int>(height * 1.2941177), height};
    }
    return SummarySize{clientWidth, d + static_cast<int>(0.77272725 * clientWidth)};
}

SummaryFrame PlaceSummaryInArea(SummaryFrame f, const win::RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return f;
    // A sheet wider or taller than the area shrinks, its proportions kept.
    double scale = 1.0;
    if (f.width > width) scale = std::min(scale, double(width) / f.width);
    if (f.height > height) scale = std::min(scale, double(height) / f.height);
    if (scale < 1.0) {
        f.width = static_cast<int>(f.width * scale);
        f.height = static_cast<int>(f.height * scale);
    }
    // Then it moves as far as it must to lie in the area.
    f.x = std::max(static_cast<int>(area.left), std::min(f.x, static_cast<int>(area.right) - f.width));
    f.y = std::max(static_cast<int>(area.top), std::min(f.y, static_cast<int>(area.bottom) - f.height));
    return f;
}

void OpenSummaryWindow(win::HWND mainWindow, int which) {
    const Traits& t = TraitsOf(which);
    // The main window's text metrics in the printed report's label font.
    win::HDC dc = win::GetDC(mainWindow);
    win::HGDIOBJ old = nullptr;
    if (reportFonts.bodyFont != nullptr) old = win::SelectObject(dc, reportFonts.bodyFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    if (old != nullptr) win::SelectObject(dc, old);
    win::ReleaseDC(mainWindow, dc);
    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    win::RECT client{};
    win::GetClientRect(mainWindow, &client);
    const int desktopWidth = std::abs(desktop.right - desktop.left);
    const int desktopHeight = std::abs(desktop.bottom - desktop.top);
    const SummarySize size =
        SummaryWindowSize(desktopHeight, client.right - client.left, client.bottom - client.top);
    // The home corner keeps the sheet whole in the desktop's work area (the
    // task bar's strip stays clear) and below the main window's menu bar, so
    // that the menus stay in reach: four characters in would put the right
    // edge of a sheet as wide as the desktop out of sight, half a line down
    // would cover the menu bar, and the report font left larger by a print
    // would push its foot below the screen. Opening, Home and End all start
    // from it.
    win::MONITORINFO monitor{};
    win::GetMonitorInfo(win::MonitorFromWindow(mainWindow, win::MONITOR_DEFAULTTOPRIMARY),
                        &monitor);
    win::RECT area{0, 0, desktopWidth, desktopHeight};
    if (monitor.rcWork.right > monitor.rcWork.left && monitor.rcWork.bottom > monitor.rcWork.top) {
        area.left = std::max(area.left, monitor.rcWork.left);
        area.top = std::max(area.top, monitor.rcWork.top);
        area.right = std::min(area.right, monitor.rcWork.right);
        area.bottom = std::min(area.bottom, monitor.rcWork.bottom);
    }
    win::POINT clientTop{0, 0};
    win::ClientToScreen(mainWindow, &clientTop);
    if (clientTop.y < area.bottom) area.top = std::max(area.top, clientTop.y);
    const SummaryFrame home = PlaceSummaryInArea(
        SummaryFrame{4 * tm.tmAveCharWidth, (tm.tmHeight + tm.tmExternalLeading) / 2, size.width,
                     size.height},
        area);
    summaryPlacement.homeX = home.x;
    summaryPlacement.homeY = home.y;
    if (OpenFlag(which) == 0) {
        summaryPlacement.pageX = summaryPlacement.homeX;
        summaryPlacement.pageY = summaryPlacement.homeY;
    }
    if (OpenFlag(which) != 0 || Handle(which) != nullptr) {
        const win::HWND w = Handle(which);
        OpenFlag(which) = 0;
        Handle(which) = nullptr;
        if (w != nullptr) win::DestroyWindow(w);
    }

    const win::HWND hwnd = win::CreateWindowEx(
        0, t.className, t.title, win::WS_POPUP | win::WS_CAPTION | win::WS_VISIBLE,
        summaryPlacement.pageX, summaryPlacement.pageY, home.width, home.height, mainWindow,
        nullptr, mainWindowState.instance, nullptr);
    Handle(which) = hwnd;
    OpenFlag(which) = hwnd != nullptr ? 1 : 0;
    if (hwnd == nullptr) return;
    win::ShowWindow(hwnd, win::SW_SHOW);
    win::UpdateWindow(hwnd);
}

void CascadeResultWindows() {
    const win::HWND main = mainWindowState.mainWindow;
    win::HDC dc = win::GetDC(main);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    win::ReleaseDC(main, dc);
    const int stepX = 5 * tm.tmAveCharWidth;
    const int stepY = 2 * (tm.tmHeight + tm.tmInternalLeading);
    int x = stepX;
    int y = 5 * (tm.tmHeight + tm.tmInternalLeading);
    const PageClass order[] = {PageClass::kMuWater,     PageClass::kMuValues,
                               PageClass::kCycledWater, PageClass::kCycledValues,
                               PageClass::kTempWater,   PageClass::kTempValues,
                               PageClass::kPhWater,     PageClass::kPhValues};
    for (PageClass page : order) {
        const win::HWND w = PageWindowSlot(page);
        if (w == nullptr) continue;
        win::SetWindowPos(w, nullptr, x, y, 0, 0, win::SWP_NOSIZE | win::SWP_NOZORDER);
        win::InvalidateRect(w, nullptr, win::TRUE);
        x += stepX;
        y += stepY;
    }
}

void InstallSummaryWindows() {
    ScenarioViews views{};
    views.openOnePageWindow = OpenSummaryWindow;
    InstallScenarioViews(views);
}
