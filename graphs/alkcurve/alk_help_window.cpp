// The help screen of the pH-alkalinity input.
#include "graphs/alkcurve/alk_help_window.h"

#include <cstring>

#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "printing/print_job_records.h"
#include "resources/resource_ids.h"
#include "shell/records.h"

namespace {

constexpr int kCloseCommand = 1028;
constexpr win::DWORD kHelpStyle = 0x11800000;  // visible, maximised, bordered
constexpr int kHelpPosition = 0x9001F;

void Paint(win::HWND hwnd) {
    win::PAINTSTRUCT ps;
    win::HDC dc = win::BeginPaint(hwnd, &ps);
    const win::HGDIOBJ old = win::SelectObject(dc, win::GetStockObject(win::OEM_FIXED_FONT));
    win::TEXTMETRICA tm{};
    (void)win::GetTextMetricsA(dc, &tm);
    win::SetTextColor(dc, win::RGB(0, 0, 0));
    // The lines follow the report pages' line height; before anything has set
    // it they are spaced by the font's own lines rather than drawn on one another.
    int line = reportPageGrid.lineHeight;
    if (line <= 0) line = tm.tmHeight + tm.tmExternalLeading;
    for (int k = 1; k <= kAlkHelpLineCount; ++k) {
        const char* text = kAlkHelpLines[k - 1];
        win::TextOutA(dc, 3 * tm.tmAveCharWidth, 2 * k * line, text,
                      static_cast<int>(std::strlen(text)));
    }
    win::SelectObject(dc, old);
    win::EndPaint(hwnd, &ps);
}

}  // namespace

const char* const kAlkHelpLines[kAlkHelpLineCount] = {
    "Use this module to enter your own pH Alkalinity relationship for a cycled cooling water.",
    "A minimum of four(4) pH - Alkalinity pairs should be entered.  A maximum of ten(10) pairs "
    "can be input.",
    "A custom version of the Default (Tolm) pH - Alkalinity model will be used if only one (1) "
    "point is entered.",
    "A zero Alkalinity will not be accepted due to the method to model pH & Alkalinity.",
    "pH will be accepted in the range of 0.0 to 14.0",
    "Press MODEL to see the results of the model and a display indicating the closeness of the "
    "model.",
    "Press GRAPH to plot the PREDICTED pH vs ALKALINITY, including an overlay of input "
    "pH-Alkalinty pairs.",
    "PRESS ANY KEY OR MOUSE DOUBLE CLICK TO RETURN TO THE INPUT FORM",
};

win::LRESULT HelpWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    switch (msg) {
        case win::WM_SIZE:
            win::InvalidateRect(hwnd, nullptr, win::TRUE);
            win::UpdateWindow(hwnd);
            return 0;
        case win::WM_PAINT:
            Paint(hwnd);
            return 0;
        case win::WM_CHAR:
        case win::WM_LBUTTONDBLCLK:
            win::DestroyWindow(hwnd);
            return 0;
        case win::WM_COMMAND:
            if (wParam == kCloseCommand) win::DestroyWindow(hwnd);
            return 0;
        default:
            return win::DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

win::HWND CreateAlkHelpWindow(win::HWND owner) {
    char className[40] = {};
    if (win::LoadString(mainWindowState.instance, StringId::kHelpClass, className,
                        sizeof className) == 0)
        return nullptr;
    // Eighty columns by twenty-five lines of the dialog's font.
    win::HDC dc = win::GetDC(owner);
    win::HFONT font = reinterpret_cast<win::HFONT>(win::SendMessage(owner, win::WM_GETFONT, 0, 0));
    const win::HGDIOBJ old = font != nullptr ? win::SelectObject(dc, font) : nullptr;
    win::TEXTMETRICA tm{};
    (void)win::GetTextMetricsA(dc, &tm);
    if (old != nullptr) win::SelectObject(dc, old);
    win::ReleaseDC(owner, dc);
    win::HWND hwnd =
        win::CreateWindowEx(0, className, kAlkHelpTitle, kHelpStyle, kHelpPosition, kHelpPosition,
                            80 * tm.tmAveCharWidth, 25 * (tm.tmHeight + tm.tmExternalLeading),
                            owner, nullptr, mainWindowState.instance, nullptr);
    if (hwnd == nullptr) return nullptr;
    win::ShowWindow(hwnd, win::SW_SHOWMAXIMIZED);
    win::UpdateWindow(hwnd);
    return hwnd;
}
