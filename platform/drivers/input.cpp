// Input: key and button state, the cursor, and turning raw mouse and key
// events (from a driver or a script) into window messages. Mouse events go
// through the hit test: client hits become client mouse messages, caption
// hits non-client ones that the default procedure turns into drags and
// maximising, and HTNOWHERE swallows the event.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/drivers/input_events.h"
#include "platform/system/system.h"
#include "platform/window/menu_keys.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {

HWND ActiveModalDialog();  // dialog_manager.cpp

void ScrollThumbMoved(HWND hwnd, int bar, POINT screen, bool released);

namespace {

enum class DragKind { None, Move, Thumb };

struct InputState {
    std::array<BYTE, 256> keys{};  // bit 7 down, bit 0 toggled
    POINT cursor;
    DragKind drag = DragKind::None;
    HWND dragWindow = nullptr;
    int dragBar = 0;
    POINT dragStart;
    RECT dragRect;
    // Last button press, for double-click detection.
    HWND lastWindow = nullptr;
    int lastButton = -1;
    DWORD lastTime = 0;
    POINT lastPoint;
    // Alt went down and nothing else was pressed since: its release enters
    // the menu bar.
    bool altAlone = false;
    bool altLeavesMenu = false;  // Alt went down while the bar ran: its release leaves it
};

InputState& Input() {
    static InputState state;
    return state;
}

int ButtonKey(MouseButton b) {
    return b == MouseButton::Left ? VK_LBUTTON : b == MouseButton::Right ? VK_RBUTTON : VK_MBUTTON;
}

WPARAM MouseKeyFlags() {
    const auto& k = Input().keys;
    WPARAM f = 0;
    if (k[VK_LBUTTON] & 0x80) f |= MK_LBUTTON;
    if (k[VK_RBUTTON] & 0x80) f |= MK_RBUTTON;
    if (k[VK_MBUTTON] & 0x80) f |= MK_MBUTTON;
    if (k[VK_SHIFT] & 0x80) f |= MK_SHIFT;
    if (k[VK_CONTROL] & 0x80) f |= MK_CONTROL;
    return f;
}

void SetKey(int vk, bool down) {
    BYTE& k = Input().keys[static_cast<std::size_t>(vk & 0xFF)];
    if (down && !(k & 0x80)) k ^= 0x01;
    k = static_cast<BYTE>(down ? (k | 0x80) : (k & ~0x80));
}

// A window takes input only when it and every parent are enabled.
bool EnabledChain(HWND hwnd) {
    for (Window* w = FindWindowRecord(hwnd); w != nullptr; w = FindWindowRecord(w->parent)) {
        if (w->style & WS_DISABLED) return false;
    }
    return true;
}

HWND TopLevelOf(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    while (w != nullptr && w->parent != nullptr) w = FindWindowRecord(w->parent);
    return w != nullptr ? w->handle : nullptr;
}

// A press on a window that a modal dialog blocks brings the dialog forward:
// it stays above the windows it blocks.
void BringModalForward(HWND target) {
    HWND modal = ActiveModalDialog();
    if (modal == nullptr || !IsWindow(modal)) return;
    int depth = 0;
    for (HWND w = TopLevelOf(target); w != nullptr && depth < 64;
         w = GetWindow(w, GW_OWNER), ++depth)
        if (w == modal) return;
    BringWindowToTop(modal);
    SetActiveWindow(modal);
}

LPARAM PackPoint(POINT p) {
    return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

UINT ClientMessage(MouseButton b, bool down, bool twice) {
    int base = b == MouseButton::Left    ? WM_LBUTTONDOWN
               : b == MouseButton::Right ? WM_RBUTTONDOWN
                                         : WM_MBUTTONDOWN;
    if (!down) return static_cast<UINT>(base + 1);
    return static_cast<UINT>(twice ? base + 2 : base);
}

}  // namespace

// Where a window dragged from `rect` to `to` may go: its top edge stays on
// the desktop and a part of its caption wide enough to grab stays in sight.
POINT KeepReachable(const RECT& rect, POINT to) {
    constexpr int kGrip = 64;  // pixels of the caption left showing
    RECT desk;
    GetWindowRect(GetDesktopWindow(), &desk);
    const int width = static_cast<int>(rect.right - rect.left);
    const int grip = std::min(kGrip, width);
    to.x = std::max(to.x, desk.left + grip - width);
    to.x = std::min(to.x, desk.right - grip);
    to.y = std::max(to.y, desk.top);
    to.y = std::min(to.y, desk.bottom - GetSystemMetrics(SM_CYCAPTION));
    return to;
}

void ResetInput() {
    Input() = InputState{};
}

void BeginCaptionDrag(HWND hwnd, POINT screen) {
    if (IsZoomed(hwnd)) return;  // a maximised window stays put
    // A press whose button already came up starts nothing, and a window
    // whose modal dialog or box runs stays where it is.
    if (!(Input().keys[VK_LBUTTON] & 0x80) || !EnabledChain(hwnd)) return;
    auto& in = Input();
    in.drag = DragKind::Move;
    in.dragWindow = hwnd;
    in.dragStart = screen;
    GetWindowRect(hwnd, &in.dragRect);
}

void BeginThumbDrag(HWND hwnd, int bar, POINT screen) {
    auto& in = Input();
    in.drag = DragKind::Thumb;
    in.dragWindow = hwnd;
    in.dragBar = bar;
    in.dragStart = screen;
}

}  // namespace detail

void InjectMouseMove(POINT screen) {
    auto& in = detail::Input();
    in.cursor = screen;
    if (in.drag == detail::DragKind::Move && IsWindow(in.dragWindow)) {
        POINT to = detail::KeepReachable(in.dragRect,
                                         POINT{in.dragRect.left + (screen.x - in.dragStart.x),
                                               in.dragRect.top + (screen.y - in.dragStart.y)});
        int x = to.x;
        int y = to.y;
        SetWindowPos(in.dragWindow, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return;
    }
    if (in.drag == detail::DragKind::Thumb && IsWindow(in.dragWindow)) {
        detail::ScrollThumbMoved(in.dragWindow, in.dragBar, screen, false);
        return;
    }
    HWND target = GetCapture() != nullptr ? GetCapture() : WindowFromPoint(screen);
    if (target == nullptr || !detail::EnabledChain(target)) return;
    POINT client = screen;
    ScreenToClient(target, &client);
    PostMessage(target, WM_MOUSEMOVE, detail::MouseKeyFlags(), detail::PackPoint(client));
}

void InjectMouseButton(POINT screen, MouseButton button, bool down, bool forceDouble) {
    auto& in = detail::Input();
    in.cursor = screen;
    detail::SetKey(detail::ButtonKey(button), down);
    if (down) {
        in.altAlone = false;
        detail::LeaveMenu();  // a click elsewhere ends the keyboard's menu
    }
    if (!down && in.drag != detail::DragKind::None && button == MouseButton::Left) {
        if (in.drag == detail::DragKind::Thumb && IsWindow(in.dragWindow))
            detail::ScrollThumbMoved(in.dragWindow, in.dragBar, screen, true);
        in.drag = detail::DragKind::None;
        in.dragWindow = nullptr;
        return;
    }
    HWND capture = GetCapture();
    HWND target = capture != nullptr ? capture : WindowFromPoint(screen);
    if (target == nullptr) return;
    if (!detail::EnabledChain(target)) {
        if (down) detail::BringModalForward(target);
        return;
    }
    LRESULT hit = capture != nullptr
                      ? HTCLIENT
                      : SendMessage(target, WM_NCHITTEST, 0, detail::PackPoint(screen));
    if (!IsWindow(target) || hit == HTNOWHERE || hit == HTERROR || hit == HTTRANSPARENT) return;

    bool twice = false;
    if (down) {
        auto b = static_cast<int>(button);
        DWORD now = GetTickCount();
        twice =
            forceDouble ||
            (in.lastWindow == target && in.lastButton == b && now - in.lastTime <= 500 &&
             std::abs(screen.x - in.lastPoint.x) <= 4 && std::abs(screen.y - in.lastPoint.y) <= 4);
        in.lastWindow = twice ? nullptr : target;
        in.lastButton = b;
        in.lastTime = now;
        in.lastPoint = screen;
        HWND top = detail::TopLevelOf(target);
        if (top != nullptr && GetActiveWindow() != top) SetActiveWindow(top);
        if (!IsWindow(target)) return;
    }
    if (hit == HTCLIENT) {
        detail::Window* w = detail::FindWindowRecord(target);
        if (twice && !(w->windowClass->style & CS_DBLCLKS)) twice = false;
        POINT client = screen;
        ScreenToClient(target, &client);
        PostMessage(target, detail::ClientMessage(button, down, twice), detail::MouseKeyFlags(),
                    detail::PackPoint(client));
        return;
    }
    if (button != MouseButton::Left) return;
    UINT msg = !down ? WM_NCLBUTTONUP : twice ? WM_NCLBUTTONDBLCLK : WM_NCLBUTTONDOWN;
    PostMessage(target, msg, static_cast<WPARAM>(hit), detail::PackPoint(screen));
}

void InjectKey(int virtualKey, bool down, char character) {
    auto& in = detail::Input();
    const bool wasDown = GetKeyState(virtualKey) < 0;
    detail::SetKey(virtualKey, down);
    HWND target = GetFocus() != nullptr ? GetFocus() : GetActiveWindow();
    if (virtualKey == VK_MENU) {
        // Alt pressed and released while the bar runs leaves it (Alt with a
        // letter moves the bar instead); Alt pressed and released alone
        // enters it (the window's default procedure does, on the release).
        if (down && !wasDown) {
            in.altLeavesMenu = detail::MenuRuns();
            in.altAlone = !in.altLeavesMenu;
        }
        if (down) return;
        if (in.altLeavesMenu) {
            in.altLeavesMenu = false;
            detail::LeaveMenu();
            return;
        }
        if (!in.altAlone) return;
        in.altAlone = false;
        if (target == nullptr || !detail::EnabledChain(target)) return;
        PostMessage(target, WM_SYSKEYUP, static_cast<WPARAM>(VK_MENU),
                    static_cast<LPARAM>(0xC0000001u));
        return;
    }
    if (virtualKey == VK_SHIFT || virtualKey == VK_CONTROL) return;
    if (down) in.altAlone = false;
    if (down && GetKeyState(VK_MENU) < 0) in.altLeavesMenu = false;
    if (detail::MenuRuns()) {
        // Only Alt with a letter no title of the bar has is given back: the
        // bar is left and the key goes to the window as a system key.
        if (!down || detail::MenuKey(virtualKey, character)) return;
    }
    if (target == nullptr || !detail::EnabledChain(target)) return;
    // Ctrl+F6 and Ctrl+Tab step through the program's windows.
    const bool control = GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
    if (control && down && (virtualKey == VK_F1 + 5 || virtualKey == VK_TAB) &&
        detail::CycleProgramWindows(GetKeyState(VK_SHIFT) < 0))
        return;
    // F10 is a system key, as Alt combinations are: it enters the menu bar.
    bool alt = GetKeyState(VK_MENU) < 0 || virtualKey == VK_F1 + 9;
    UINT msg = alt ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    LPARAM lp = 1 | (static_cast<LPARAM>(static_cast<BYTE>(down ? character : 0)) << 16);
    if (GetKeyState(VK_MENU) < 0) lp |= 1 << 29;
    if (!down) lp |= static_cast<LPARAM>(0xC0000000u);
    PostMessage(target, msg, static_cast<WPARAM>(virtualKey), lp);
}

void InjectWheel(HWND hwnd, int delta) {
    if (!IsWindow(hwnd)) return;
    PostMessage(hwnd, WM_MOUSEWHEEL,
                MAKEWPARAM(static_cast<WORD>(detail::MouseKeyFlags()), static_cast<WORD>(delta)),
                detail::PackPoint(detail::Input().cursor));
}

short GetKeyState(int virtualKey) {
    BYTE k = detail::Input().keys[static_cast<std::size_t>(virtualKey & 0xFF)];
    return static_cast<short>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

short GetAsyncKeyState(int virtualKey) {
    return static_cast<short>(GetKeyState(virtualKey) & 0x8000);
}

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) return FALSE;
    *point = detail::Input().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    detail::Input().cursor = POINT{x, y};
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) {
    return cursor;
}

// Stock cursors and icons are tags carrying their id; there is nothing to load.
HCURSOR LoadCursor(HINSTANCE, int id) {
    return detail::HandleFromSerial<HCURSOR>(0x00C00000u + static_cast<unsigned>(id));
}
HICON LoadIcon(HINSTANCE, int id) {
    return detail::HandleFromSerial<HICON>(0x00D00000u + static_cast<unsigned>(id));
}

}  // namespace win
