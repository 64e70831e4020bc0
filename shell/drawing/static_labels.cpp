// The three label procedures share one paint.
#include "shell/drawing/static_labels.h"

#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"

namespace {

void PaintLabel(win::HWND hwnd, win::UINT alignment) {
    win::PAINTSTRUCT ps;
    win::HDC dc = win::BeginPaint(hwnd, &ps);
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    char text[kLabelTextChars + 1] = {};
    win::GetWindowTextA(hwnd, text, sizeof text);
    win::HBRUSH brush = win::CreateSolidBrush(win::GetSysColor(win::COLOR_WINDOW));
    win::HGDIOBJ old = win::SelectObject(dc, brush);
    win::SetBkColor(dc, win::GetSysColor(win::COLOR_WINDOW));
    win::SetTextColor(dc, win::GetSysColor(win::COLOR_WINDOWTEXT));
    win::DrawTextA(dc, text, -1, &client, win::DT_WORDBREAK | alignment);
    win::SelectObject(dc, old);
    win::DeleteObject(brush);
    win::EndPaint(hwnd, &ps);
}

win::LRESULT LabelProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam,
                       win::UINT alignment) {
    if (msg != win::WM_PAINT) return win::DefWindowProc(hwnd, msg, wParam, lParam);
    PaintLabel(hwnd, alignment);
    return 0;
}

}  // namespace

win::LRESULT StaticLeftWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                               win::LPARAM lParam) {
    return LabelProc(hwnd, msg, wParam, lParam, win::DT_LEFT);
}
win::LRESULT StaticCenterWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                 win::LPARAM lParam) {
    return LabelProc(hwnd, msg, wParam, lParam, win::DT_CENTER);
}
win::LRESULT StaticRightWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                win::LPARAM lParam) {
    return LabelProc(hwnd, msg, wParam, lParam, win::DT_RIGHT);
}
