// The progress window. The drivers run their calculation on the one thread and
// call SetProgressPos after each step, which repaints the window at once. Each
// line of text is centred; when a line gets shorter (100 to 99 seconds), the
// old line's box, widened a little, is painted white first so nothing of the
// longer text stays behind.
#include "shell/progress/progress_window.h"

#include <cstdio>

#include "engine/pipeline/service_hooks.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"
#include "shell/progress/progress_records.h"
#include "shell/records.h"

namespace {

constexpr win::COLORREF kBarColour = win::RGB(128, 255, 128);
constexpr int kFrameWidth = 3;

// Line pitch of the stock OEM fixed font on `dc`: cell height and external leading.
struct OemMetrics {
    int linePitch;
    int averageWidth;
};
OemMetrics MeasureOemFont(win::HDC dc) {
    win::HGDIOBJ old = win::SelectObject(dc, win::GetStockObject(win::OEM_FIXED_FONT));
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    win::SelectObject(dc, old);
    return {tm.tmHeight + tm.tmExternalLeading, tm.tmAveCharWidth};
}

// Draws one centred line at y; when the last one drawn was wider, its box
// widened by `margin` on each side is painted white first.
void DrawLine(win::HDC dc, const std::string& text, int windowWidth, int y, int lineHeight,
              int margin, int32_t& lastX, int32_t& lastWidth) {
    win::SIZE size{};
    win::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (lastWidth > size.cx) {
        win::HGDIOBJ oldPen = win::SelectObject(dc, win::GetStockObject(win::WHITE_PEN));
        win::HGDIOBJ oldBrush = win::SelectObject(dc, win::GetStockObject(win::WHITE_BRUSH));
        win::Rectangle(dc, lastX - margin, y, lastX + lastWidth + margin, y + lineHeight);
        win::SelectObject(dc, oldBrush);
        win::SelectObject(dc, oldPen);
    }
    const int x = windowWidth / 2 - size.cx / 2;
    win::TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    lastX = x;
    lastWidth = size.cx;
}

void Paint(win::HWND hwnd) {
    ProgressState& s = progressState;
    win::PAINTSTRUCT ps;
    win::HDC dc = win::BeginPaint(hwnd, &ps);
    win::RECT client;
    win::GetClientRect(hwnd, &client);
    const int w = client.right - client.left;
    const OemMetrics oem = MeasureOemFont(dc);
    const int lineHeight = oem.linePitch;
    const int averageWidth = oem.averageWidth > 0 ? oem.averageWidth : 8;
    const int barHeight = (client.bottom - client.top) - 3 * lineHeight;

    win::HBRUSH bar = win::CreateSolidBrush(kBarColour);
    const win::RECT done{0, 0, s.progressPercent * w / 100, barHeight};
    win::FillRect(dc, &done, bar);
    win::DeleteObject(bar);

    win::HPEN frame = win::CreatePen(win::PS_SOLID, kFrameWidth, win::RGB(0, 0, 0));
    win::HGDIOBJ oldPen = win::SelectObject(dc, frame);
    win::HGDIOBJ oldBrush = win::SelectObject(dc, win::GetStockObject(win::NULL_BRUSH));
    win::Rectangle(dc, 0, 0, w, barHeight);
    win::SelectObject(dc, oldBrush);
    win::SelectObject(dc, oldPen);
    win::DeleteObject(frame);

    win::HGDIOBJ oldFont = win::SelectObject(dc, win::GetStockObject(win::OEM_FIXED_FONT));
    win::SetTextColor(dc, win::RGB(0, 0, 0));
    DrawLine(dc, PercentLine(s.progressPercent), w, barHeight + lineHeight, lineHeight,
             2 * averageWidth, s.percentTextX, s.percentTextWidth);
    DrawLine(dc, SecondsLine(s.progressSeconds), w, barHeight + 2 * lineHeight, lineHeight,
             4 * averageWidth, s.secondsTextX, s.secondsTextWidth);
    win::SelectObject(dc, oldFont);
    win::EndPaint(hwnd, &ps);
}

void Close(win::HWND hwnd) {
    if (mainWindowState.progressShown == 1) {
        mainWindowState.progressShown = 0;
        win::DestroyWindow(hwnd);
    }
    win::ShowWindow(mainWindowState.mainWindow, win::SW_SHOW);
    win::UpdateWindow(mainWindowState.mainWindow);
}

}  // namespace

std::string PercentLine(int32_t percent) {
    char text[48];
    std::snprintf(text, sizeof text, "% 3ld Percent Complete", static_cast<long>(percent));
    return text;
}

std::string SecondsLine(int32_t seconds) {
    char text[48];
    std::snprintf(text, sizeof text, "% 2ld Seconds To Go", static_cast<long>(seconds));
    return text;
}

win::LRESULT ProgWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    ProgressState& s = progressState;
    switch (msg) {
        case win::WM_CREATE:
            s.percentTextX = s.percentTextWidth = s.secondsTextX = s.secondsTextWidth = 0;
            s.progressSeconds = 0;
            return 1;
        case kProgressSetMessage: {
            const auto percent = static_cast<int32_t>(static_cast<intptr_t>(wParam));
            s.progressPercent = percent > 100 ? 100 : percent;
            s.progressSeconds = static_cast<int32_t>(lParam);
            return 0;
        }
        case kProgressCloseMessage:
            Close(hwnd);
            return 0;
        case win::WM_PAINT:
            Paint(hwnd);
            return 0;
        default:
            return win::DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

int CreateProgressWindow() {
    MainWindowState& m = mainWindowState;
    if (m.progressShown == 1) return 1;
    win::RECT outer;
    win::GetWindowRect(m.mainWindow, &outer);
    const int W = outer.right - outer.left;
    const int H = outer.bottom - outer.top;
    win::HDC dc = win::GetDC(m.mainWindow);
    const int lineHeight = MeasureOemFont(dc).linePitch;
    win::ReleaseDC(m.mainWindow, dc);
    char className[40] = {};
    win::LoadString(m.instance, StringId::kProgressClass, className, sizeof className);
    win::HWND hwnd = win::CreateWindowEx(0, className, "", win::WS_CHILD | win::WS_VISIBLE, W / 6,
                                         H / 3, 2 * W / 3, 5 * lineHeight + (H / 3) / 3,
                                         m.mainWindow, nullptr, m.instance, nullptr);
    if (hwnd == nullptr) return 0;
    m.progressWindow = hwnd;
    m.progressShown = 1;
    win::SetFocus(hwnd);
    return 1;
}

void StepProgressWindow(int32_t percent, int32_t secondsToGo) {
    win::HWND hwnd = mainWindowState.progressWindow;
    win::SendMessage(hwnd, kProgressSetMessage,
                     static_cast<win::WPARAM>(static_cast<intptr_t>(percent)), secondsToGo);
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::UpdateWindow(hwnd);
}

void CloseProgressWindow() {
    win::SendMessage(mainWindowState.progressWindow, kProgressCloseMessage, 0, 0);
}

void InstallProgressHooks() {
    ServiceHooks hooks{};
    hooks.showProgressBar = CreateProgressWindow;
    hooks.setProgressPos = StepProgressWindow;
    hooks.closeProgressBar = CloseProgressWindow;
    InstallServiceHooks(hooks);
}
