// The steps every graph window's procedure takes alike.
#include "graphs/window/graph_window_steps.h"

#include <cctype>
#include <cstdint>

#include "engine/records.h"
#include "graphs/graph_output_records.h"
#include "graphs/window/graph_slot.h"
#include "platform/dialogs/message_box.h"
#include "platform/gdi/gdi.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "shell/records.h"
#include "treatment/limits/limits_summary.h"

void SetGraphMenuText(win::HWND hwnd, int id, const char* text) {
    win::HMENU menu = win::GetMenu(hwnd);
    if (menu == nullptr) return;
    win::ModifyMenu(menu, static_cast<win::UINT>(id), win::MF_BYCOMMAND | win::MF_STRING,
                    static_cast<std::uintptr_t>(id), text);
}

void SetGraphMenuItem(win::HWND hwnd, int id, const char* text, bool grey) {
    win::HMENU menu = win::GetMenu(hwnd);
    if (menu == nullptr) return;
    SetGraphMenuText(hwnd, id, text);
    win::EnableMenuItem(menu, static_cast<win::UINT>(id),
                        win::MF_BYCOMMAND | (grey ? win::MF_GRAYED : win::MF_ENABLED));
}

void PaintGraphNow(win::HWND hwnd, GraphPainter paint) {
    win::HDC dc = win::GetDC(hwnd);
    paint(dc, hwnd);
    win::ReleaseDC(hwnd, dc);
}

int GraphAltKeyCommand(win::WPARAM key, std::span<const GraphAltKey> keys) {
    if (key > 0xFF) return 0;
    const int upper = std::toupper(static_cast<int>(key));
    for (const GraphAltKey& k : keys)
        if (k.letter == upper) return k.command;
    return 0;
}

namespace {

// Whether a title of the window's menu bar underlines the letter of the key:
// Alt with it then opens that menu, as the underline promises, before any
// shortcut of the window.
bool MenuBarUnderlines(win::HWND hwnd, win::WPARAM key) {
    win::HMENU bar = win::GetMenu(hwnd);
    if (bar == nullptr || key > 0xFF || !std::isalnum(static_cast<int>(key))) return false;
    const int upper = std::toupper(static_cast<int>(key));
    for (int i = 0; i < win::GetMenuItemCount(bar); ++i) {
        char text[128] = {};
        win::GetMenuString(bar, static_cast<win::UINT>(i), text, sizeof text, win::MF_BYPOSITION);
        for (const char* c = text; c[0] != '\0' && c[1] != '\0'; ++c) {
            if (c[0] != '&') continue;
            if (c[1] == '&') {
                ++c;
                continue;
            }
            if (std::toupper(static_cast<unsigned char>(c[1])) == upper) return true;
            break;
        }
    }
    return false;
}

}  // namespace

win::LRESULT AnswerGraphMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                win::LPARAM lParam, const GraphWindowTraits& traits) {
    switch (msg) {
        case win::WM_SIZE:
            if (wParam == win::SIZE_RESTORED) {
                win::InvalidateRect(hwnd, nullptr, win::TRUE);
                win::UpdateWindow(hwnd);
            }
            break;
        case win::WM_PAINT: {
            win::PAINTSTRUCT ps;
            win::HDC dc = win::BeginPaint(hwnd, &ps);
            if (traits.beforePaint != nullptr) traits.beforePaint(hwnd);
            graphOutputFlags.renderTarget = RenderTarget::kScreen;
            traits.paint(dc, hwnd);
            win::EndPaint(hwnd, &ps);
            return 0;
        }
        case win::WM_SYSKEYDOWN: {
            // F10 enters the menu bar; it is no letter of the window's, nor
            // is a letter the bar underlines.
            const int id = wParam == win::VK_F1 + 9 || MenuBarUnderlines(hwnd, wParam)
                               ? 0
                               : traits.altCommand(wParam);
            if (id == 0) break;  // the menu bar's letters
            win::SendMessage(hwnd, win::WM_COMMAND, static_cast<win::WPARAM>(id), 0);
            return 0;
        }
        case win::WM_LBUTTONDBLCLK:
        case win::WM_CLOSE:
            // The system close is the window's own CLOSE.
            if (traits.close == nullptr) break;
            traits.close(hwnd);
            return 0;
        case win::WM_DESTROY:
            ReleaseGraphSlot(hwnd);
            break;
        default:
            break;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

win::POINT GraphClickPoint(win::HWND hwnd, win::LPARAM lParam) {
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    return win::POINT{static_cast<int>(lParam & 0xFFFF),
                      client.bottom - static_cast<int>((lParam >> 16) & 0xFFFF)};
}

void AnswerValueClick(win::HWND hwnd, const char* caption, const char* message, int point) {
    if (resultStatus.productSelected == 0) {
        ShowClickBox(hwnd, caption, message);
        return;
    }
    if (win::MessageBox(hwnd, message, caption, win::MB_YESNO | win::MB_ICONINFORMATION) ==
        win::IDYES)
        (void)ShowLimitsSummary(0, point, point);
}

void ShowClickBox(win::HWND hwnd, const char* caption, const char* message) {
    (void)win::MessageBox(hwnd, message, caption, win::MB_OK | win::MB_ICONINFORMATION);
}

void ShowGraphWindowAfterPrint(win::HWND hwnd, const win::RECT& place) {
    win::MoveWindow(hwnd, place.left, place.top, place.right - place.left,
                    place.bottom - place.top, win::TRUE);
    win::ShowWindow(hwnd, win::SW_SHOW);
    win::UpdateWindow(hwnd);
    win::EnableWindow(hwnd, win::TRUE);
    win::SetActiveWindow(hwnd);
    win::BringWindowToTop(hwnd);
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
}

void ShowMainWindowAgain() {
    win::HWND main = mainWindowState.mainWindow;
    if (main == nullptr) return;
    win::SetActiveWindow(main);
    win::ShowWindow(main, win::SW_SHOWMAXIMIZED);
    win::UpdateWindow(main);
    win::ActivateFrontWindow(main);  // a page left open in front keeps the keys
}

void CloseSlotGraphWindow(win::HWND) {
    MainWindowState& m = mainWindowState;
    if (m.graphWindowOpen != 0) win::DestroyWindow(m.graphWindow);
    m.graphWindowOpen = 0;
    ShowMainWindowAgain();
}
